#include "KrvndesLib.h"

#include <gtest/gtest.h>

#include <string>

namespace {

DesBlock Hex8(const char* hex) {
  DesBlock b{};
  for (int i = 0; i < 8; ++i) b[i] = static_cast<uint8_t>(std::stoul(std::string(hex + 2 * i, 2), nullptr, 16));
  return b;
}

std::string Hex(const std::string& bytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : bytes) {
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

struct KnownAnswer {
  const char* key;
  const char* plain;
  const char* cipher;
};

// Published vectors: the worked example of the standard's tutorials and
// entries of the NIST validation tables (variable plaintext, variable key,
// permutation and S-box tests).
constexpr KnownAnswer kVectors[] = {
    {"133457799BBCDFF1", "0123456789ABCDEF", "85E813540F0AB405"},
    {"0101010101010101", "8000000000000000", "95F8A5E5DD31D900"},
    {"0101010101010101", "0000000000000001", "166B40B44ABA4BD6"},
    {"8001010101010101", "0000000000000000", "95A8D72813DAA94D"},
    {"1046913489980131", "0000000000000000", "88D55E54F54C97B4"},
    {"7CA110454A1A6E57", "01A1D6D039776742", "690F5B0D9A26939B"},
    {"0123456789ABCDEF", "4E6F772069732074", "3FA40E8A984D4815"},
    {"0E329232EA6D0D73", "8787878787878787", "0000000000000000"},
};

TEST(DesBlock, KnownAnswersBothDirections) {
  for (const auto& v : kVectors) {
    DesMakeSubKeys(Hex8(v.key));
    EXPECT_EQ(DesProcessBlock(DesDirection::Encipher, Hex8(v.plain)), Hex8(v.cipher)) << v.key;
    EXPECT_EQ(DesProcessBlock(DesDirection::Decipher, Hex8(v.cipher)), Hex8(v.plain)) << v.key;
  }
}

TEST(DesBlock, ParityBitsAreIgnored) {
  DesMakeSubKeys(Hex8("133457799BBCDFF1"));
  const DesBlock a = DesProcessBlock(DesDirection::Encipher, Hex8("0123456789ABCDEF"));
  DesMakeSubKeys(Hex8("123456789ABCDEF0"));  // same key, every low bit flipped
  EXPECT_EQ(DesProcessBlock(DesDirection::Encipher, Hex8("0123456789ABCDEF")), a);
}

TEST(DesString, LengthsAndPadding) {
  EXPECT_EQ(DesEncryptString("", "key"), "");
  EXPECT_EQ(DesEncryptStringHex(""), "");
  for (int n = 1; n <= 8; ++n) EXPECT_EQ(DesEncryptString(std::string(n, 'x'), "k").size(), 8u);
  EXPECT_EQ(DesEncryptString(std::string(9, 'x'), "k").size(), 16u);
  EXPECT_EQ(DesEncryptStringHex("abc").size(), 16u);
  // Padding is NUL bytes: "abc" and "abc\0\0\0\0\0" differ only by the refusal rule.
  EXPECT_EQ(DesEncryptString("abc", "k"), DesEncryptString(std::string("abc\0\0\0\0\0x", 9), "k").substr(0, 8));
}

TEST(DesString, KnownAnswerThroughTheStringInterface) {
  const std::string key("\x13\x34\x57\x79\x9B\xBC\xDF\xF1", 8);
  const std::string plain("\x01\x23\x45\x67\x89\xAB\xCD\xEF", 8);
  EXPECT_EQ(Hex(DesEncryptString(plain, key)), "85E813540F0AB405");
}

TEST(DesString, RefusesATrailingNulButNotAnInnerOne) {
  try {
    DesEncryptString(std::string("ab\0", 3), "k");
    FAIL() << "no failure";
  } catch (const DesError& e) {
    EXPECT_STREQ(e.what(), "Error: the last char is NULL char.");
  }
  EXPECT_THROW(DesEncryptStringHex(std::string("HTTP\0", 5)), DesError);
  EXPECT_EQ(DesEncryptString(std::string("a\0b", 3), "k").size(), 8u);
}

TEST(DesString, KeyIsCutOrFilledToEightBytes) {
  EXPECT_EQ(DesEncryptString("text", "ABCDEFGHxyz"), DesEncryptString("text", "ABCDEFGH"));
  EXPECT_EQ(DesEncryptString("text", "AB"), DesEncryptString("text", std::string("AB\0\0\0\0\0\0", 8)));
  EXPECT_EQ(DesEncryptString("text", ""), DesEncryptString("text", std::string(8, '\0')));
  EXPECT_NE(DesEncryptString("text", "ABCDEFGH"), DesEncryptString("text", "ABCDEFGJ"));
  EXPECT_EQ(DesEncryptStringHex("text"), Hex(DesEncryptString("text", "MQZV-TXT")));
}

TEST(DesString, EcbEqualBlocksGiveEqualCipherBlocks) {
  const std::string c = DesEncryptString("12345678abcdefgh12345678", "k");
  ASSERT_EQ(c.size(), 24u);
  EXPECT_EQ(c.substr(0, 8), c.substr(16, 8));
  EXPECT_NE(c.substr(0, 8), c.substr(8, 8));
}

TEST(DesString, HexIsTwoUpperCaseDigitsPerByte) {
  // Search for a text whose cipher holds a byte below 16, so "0A"-style
  // zero filling is exercised with certainty.
  for (int i = 0; i < 1000; ++i) {
    const std::string text = "line " + std::to_string(i);
    const std::string cipher = DesEncryptString(text, LogCipherKey);
    const std::string hex = DesEncryptStringHex(text);
    ASSERT_EQ(hex, Hex(cipher));
    for (std::size_t b = 0; b < cipher.size(); ++b) {
      if (static_cast<unsigned char>(cipher[b]) < 16) {
        EXPECT_EQ(hex[2 * b], '0');
        return;
      }
    }
  }
  FAIL() << "no cipher byte below 16 in 1000 texts";
}

}  // namespace
