#pragma once
// Reads back the PNG files the gallery writes (8-bit RGB, stored deflate
// blocks), checking every CRC, the block lengths and the Adler-32 sum.
#include <cstdint>
#include <string>
#include <vector>

#include "PngWriter.h"

struct TDecodedPng {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint32_t> Pixels;  // 0x00RRGGBB, rows top-down
  std::string Error;                  // empty when the file is sound
};

inline std::uint32_t ReadBigEndian(const std::uint8_t* p) {
  return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

inline TDecodedPng DecodeStoredPng(const std::vector<std::uint8_t>& file) {
  TDecodedPng png;
  static const std::uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (file.size() < 8 || !std::equal(std::begin(signature), std::end(signature), file.begin()))
    return {0, 0, {}, "no PNG signature"};
  std::vector<std::uint8_t> zlib;
  bool ended = false;
  for (size_t at = 8; at + 12 <= file.size() && !ended;) {
    const std::uint32_t length = ReadBigEndian(&file[at]);
    if (at + 12 + length > file.size()) return {0, 0, {}, "chunk past the end"};
    const std::string type(file.begin() + static_cast<long>(at) + 4, file.begin() + static_cast<long>(at) + 8);
    const std::span<const std::uint8_t> body(&file[at + 4], length + 4);
    if (Crc32(body) != ReadBigEndian(&file[at + 8 + length])) return {0, 0, {}, "bad CRC in " + type};
    const std::uint8_t* data = &file[at + 8];
    if (type == "IHDR") {
      png.Width = static_cast<int>(ReadBigEndian(data));
      png.Height = static_cast<int>(ReadBigEndian(data + 4));
      if (data[8] != 8 || data[9] != 2 || data[12] != 0) return {0, 0, {}, "not 8-bit RGB"};
    } else if (type == "IDAT") {
      zlib.insert(zlib.end(), data, data + length);
    } else if (type == "IEND") {
      ended = true;
    }
    at += 12 + length;
  }
  if (!ended) return {0, 0, {}, "no IEND"};
  if (zlib.size() < 6 || zlib[0] != 0x78 || (zlib[0] * 256 + zlib[1]) % 31 != 0) return {0, 0, {}, "bad zlib header"};
  std::vector<std::uint8_t> raw;
  size_t at = 2;
  for (bool last = false; !last;) {
    if (at + 5 > zlib.size()) return {0, 0, {}, "deflate past the end"};
    last = zlib[at] & 1;
    if ((zlib[at] >> 1) != 0) return {0, 0, {}, "not a stored block"};
    const unsigned len = zlib[at + 1] | zlib[at + 2] << 8, nlen = zlib[at + 3] | zlib[at + 4] << 8;
    if ((len ^ 0xFFFF) != nlen || at + 5 + len > zlib.size()) return {0, 0, {}, "bad stored block"};
    raw.insert(raw.end(), zlib.begin() + static_cast<long>(at) + 5, zlib.begin() + static_cast<long>(at + 5 + len));
    at += 5 + len;
  }
  if (at + 4 != zlib.size() || ReadBigEndian(&zlib[at]) != Adler32(raw)) return {0, 0, {}, "bad Adler-32"};
  const size_t stride = static_cast<size_t>(png.Width) * 3 + 1;
  if (raw.size() != stride * static_cast<size_t>(png.Height)) return {0, 0, {}, "wrong image data size"};
  for (int y = 0; y < png.Height; ++y) {
    const std::uint8_t* row = &raw[static_cast<size_t>(y) * stride];
    if (row[0] != 0) return {0, 0, {}, "filtered row"};
    for (int x = 0; x < png.Width; ++x)
      png.Pixels.push_back(std::uint32_t{row[1 + x * 3]} << 16 | std::uint32_t{row[2 + x * 3]} << 8 | row[3 + x * 3]);
  }
  return png;
}
