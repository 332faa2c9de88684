#include "Base64.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string Bytes(std::size_t n) {
  std::string s;
  for (std::size_t i = 0; i < n; ++i) s += static_cast<char>((i * 37 + 11) & 0xFF);
  return s;
}

TEST(Base64Encode, Rfc4648Vectors) {
  EXPECT_EQ(Base64EncodeText(""), "");
  EXPECT_EQ(Base64EncodeText("f"), "Zg==");
  EXPECT_EQ(Base64EncodeText("fo"), "Zm8=");
  EXPECT_EQ(Base64EncodeText("foo"), "Zm9v");
  EXPECT_EQ(Base64EncodeText("foob"), "Zm9vYg==");
  EXPECT_EQ(Base64EncodeText("fooba"), "Zm9vYmE=");
  EXPECT_EQ(Base64EncodeText("foobar"), "Zm9vYmFy");
  EXPECT_EQ(Base64EncodeText(std::string("\0\xff\xfe", 3)), "AP/+");
}

TEST(Base64Encode, LineBreakAfterEvery76Characters) {
  const std::string at57 = Base64EncodeText(Bytes(57));
  ASSERT_EQ(at57.size(), 78u);
  EXPECT_EQ(at57.substr(76), "\r\n");

  const std::string at58 = Base64EncodeText(Bytes(58));
  ASSERT_EQ(at58.size(), 82u);
  EXPECT_EQ(at58.substr(76, 2), "\r\n");
  EXPECT_EQ(at58.substr(80), "==");

  const std::string at54 = Base64EncodeText(Bytes(54));
  EXPECT_EQ(at54.size(), 72u);
  EXPECT_EQ(at54.find('\r'), std::string::npos);
}

TEST(Base64Encode, ChunkingDoesNotChangeTheResult) {
  // 510-byte chunks are an implementation detail: the output must have a
  // break after every 76 characters across chunk boundaries.
  for (std::size_t n : {509u, 510u, 511u, 1020u, 1140u, 5000u}) {
    const std::string out = Base64EncodeText(Bytes(n));
    const std::size_t chars = (n + 2) / 3 * 4;
    EXPECT_EQ(out.size(), chars + chars / 76 * 2) << n;
    for (std::size_t line = 0; line < chars / 76; ++line)
      EXPECT_EQ(out.substr(line * 78 + 76, 2), "\r\n") << n << " line " << line;
    EXPECT_EQ(Base64DecodeText(out), Bytes(n)) << n;
  }
}

TEST(Base64Decode, ToleratesForeignBytesAndJoinedStrings) {
  EXPECT_EQ(Base64DecodeText("YW Jj\r\n"), "abc");
  EXPECT_EQ(Base64DecodeText("YQ==YQ=="), "aa");
  EXPECT_EQ(Base64DecodeText("Zm9v\tYmFy\xe4\xb8\xad"), "foobar");
  EXPECT_EQ(Base64DecodeText(" \r\n\t#,;"), "");
  EXPECT_EQ(Base64DecodeText(""), "");
  EXPECT_EQ(Base64DecodeText("Zm9vYg==\r\nZm8="), "foobfo");
}

TEST(Base64Decode, MalformedGroupsStayInsideTheInput) {
  EXPECT_EQ(Base64DecodeText("=QQQ"), "");      // padding first: the group carries nothing
  EXPECT_EQ(Base64DecodeText("Q=QQ"), "");
  EXPECT_EQ(Base64DecodeText("YQ=Q"), "a");     // third "=" ends the group
  EXPECT_EQ(Base64DecodeText("Zm9vYQ"), "fooa"); // short final group
  EXPECT_EQ(Base64DecodeText("Zm9vY"), "foo");
}

TEST(Base64Decode, WindowBoundaryKeepsGroupsAligned) {
  // 75 accepted characters then foreign bytes then the rest: the window
  // of 76 must fill across the foreign bytes.
  const std::string data = Bytes(300);
  std::string encoded = Base64EncodeText(data);
  std::string noisy;
  for (std::size_t i = 0; i < encoded.size(); ++i) {
    noisy += encoded[i];
    if (i % 7 == 3) noisy += " \x80";
  }
  EXPECT_EQ(Base64DecodeText(noisy), data);
}

// Every byte value, against a table made here from the rule as written.
TEST(FormUrlEncode, EveryByteValue) {
  const std::string kept =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789!$'()*-.@_";
  ASSERT_EQ(kept.size(), 72u);
  for (int b = 1; b < 256; ++b) {
    std::string expected;
    if (kept.find(static_cast<char>(b)) != std::string::npos) {
      expected = std::string(1, static_cast<char>(b));
    } else if (b == ' ') {
      expected = "+";
    } else {
      char hex[4];
      std::snprintf(hex, sizeof hex, "%%%02X", b);
      expected = hex;
    }
    EXPECT_EQ(FormUrlEncode(std::string(1, static_cast<char>(b))), expected) << "byte " << b;
  }
}

TEST(FormUrlEncode, Examples) {
  EXPECT_EQ(FormUrlEncode("a b~+/@!"), "a+b%7E%2B%2F@!");
  EXPECT_EQ(FormUrlEncode("\xE4\xB8\xAD"), "%E4%B8%AD");
  EXPECT_EQ(FormUrlEncode(std::string("ab\0cd", 5)), "ab");
  EXPECT_EQ(FormUrlEncode(""), "");
  EXPECT_EQ(FormUrlEncode("1.2.3.4"), "1.2.3.4");
}

}  // namespace
