#include "Base64.h"

#include <array>
#include <cstdint>

namespace {

constexpr char kAlphabet[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::size_t kEncodeChunk = 510;   // a multiple of 3: no group is split
constexpr std::size_t kDecodeWindow = 76;   // a multiple of 4
constexpr std::size_t kLineLength = 76;
constexpr int8_t kRejected = -1;
constexpr int8_t kPad = -2;

constexpr std::array<int8_t, 256> MakeInverse() {
  std::array<int8_t, 256> inverse{};
  for (auto& v : inverse) v = kRejected;
  for (int i = 0; i < 64; ++i) inverse[static_cast<unsigned char>(kAlphabet[i])] = static_cast<int8_t>(i);
  inverse['='] = kPad;
  return inverse;
}
constexpr std::array<int8_t, 256> kInverse = MakeInverse();

// Encodes one chunk whose length is a multiple of 3, or the final chunk.
void EncodeChunk(std::string_view chunk, std::string& out, std::size_t& lineCount) {
  std::size_t i = 0;
  while (i < chunk.size()) {
    const std::size_t n = std::min<std::size_t>(3, chunk.size() - i);
    uint32_t group = static_cast<unsigned char>(chunk[i]) << 16;
    if (n > 1) group |= static_cast<unsigned char>(chunk[i + 1]) << 8;
    if (n > 2) group |= static_cast<unsigned char>(chunk[i + 2]);
    out += kAlphabet[(group >> 18) & 63];
    out += kAlphabet[(group >> 12) & 63];
    out += n > 1 ? kAlphabet[(group >> 6) & 63] : '=';
    out += n > 2 ? kAlphabet[group & 63] : '=';
    i += n;
    lineCount += 4;
    if (lineCount > kLineLength - 1) {
      out += "\r\n";
      lineCount = 0;
    }
  }
}

// Decodes complete groups of accepted characters; a short final group
// yields the bytes its characters fully determine.
void DecodeWindow(const int8_t* values, std::size_t count, std::string& out) {
  for (std::size_t g = 0; g < count; g += 4) {
    const std::size_t n = std::min<std::size_t>(4, count - g);
    const int8_t* v = values + g;
    // Padding in the first two places carries no bits: the group is dropped.
    if (n < 2 || v[0] < 0 || v[1] < 0) continue;
    out += static_cast<char>(((v[0] << 2) | (v[1] >> 4)) & 0xFF);
    if (n < 3 || v[2] < 0) continue;
    out += static_cast<char>(((v[1] << 4) | (v[2] >> 2)) & 0xFF);
    if (n < 4 || v[3] < 0) continue;
    out += static_cast<char>(((v[2] << 6) | v[3]) & 0xFF);
  }
}

}  // namespace

std::string Base64EncodeText(std::string_view text) {
  std::string out;
  const std::size_t chars = (text.size() + 2) / 3 * 4;
  out.reserve(chars + chars / kLineLength * 2);
  std::size_t lineCount = 0;
  for (std::size_t at = 0; at < text.size(); at += kEncodeChunk)
    EncodeChunk(text.substr(at, kEncodeChunk), out, lineCount);
  return out;
}

std::string Base64DecodeText(std::string_view text) {
  std::string out;
  out.reserve(text.size() / 4 * 3);
  std::array<int8_t, kDecodeWindow> window;
  std::size_t filled = 0;
  for (unsigned char c : text) {
    const int8_t v = kInverse[c];
    if (v == kRejected) continue;
    window[filled++] = v;
    if (filled == kDecodeWindow) {
      DecodeWindow(window.data(), filled, out);
      filled = 0;
    }
  }
  DecodeWindow(window.data(), filled, out);
  return out;
}

std::string FormUrlEncode(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  static constexpr std::string_view kKeptPunctuation = "!$'()*-.@_";
  std::string out(text.size() * 3, '\0');
  std::size_t produced = 0;
  for (unsigned char c : text) {
    if (c == 0) break;
    const bool kept = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                      kKeptPunctuation.find(static_cast<char>(c)) != std::string_view::npos;
    if (kept) {
      out[produced++] = static_cast<char>(c);
    } else if (c == ' ') {
      out[produced++] = '+';
    } else {
      out[produced++] = '%';
      out[produced++] = kHex[c >> 4];
      out[produced++] = kHex[c & 15];
    }
  }
  out.resize(produced);
  return out;
}
