#include "graphics/BmpCodec.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kBiAlphaBitfields = 6;
constexpr std::size_t kFileHeaderSize = 14;

std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t U32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// One colour channel described by a bit mask (contiguous bits).
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  int bits = 0;
  bool Set(std::uint32_t m) {
    mask = m;
    if (m == 0) return true;
    shift = std::countr_zero(m);
    bits = std::popcount(m);
    return std::countr_one(m >> shift) == bits;  // contiguous
  }
  std::uint32_t Get(std::uint32_t value) const {
    if (bits == 0) return 0;
    std::uint32_t v = (value & mask) >> shift;
    if (bits >= 8) return v >> (bits - 8);
    return (v * 255 + ((1u << bits) - 1) / 2) / ((1u << bits) - 1);
  }
};

// The parsed info header: what the pixel decoder needs.
struct Layout {
  int width = 0;
  int height = 0;
  bool topDown = false;
  int bpp = 0;
  Channel red, green, blue;
  std::vector<std::uint32_t> palette;
  std::size_t headerEnd = 0;  // offset after header, masks and palette
};

// Parses the info header at dib[0..]; header sizes 12 (core) and 40..124
// (info and its later versions). paletteEnd, when known from a file's pixel
// offset, bounds the palette: writers often store fewer entries than the
// header implies.
std::optional<Layout> ParseHeader(std::span<const std::uint8_t> dib, std::size_t paletteEnd = SIZE_MAX) {
  if (dib.size() < 12) return std::nullopt;
  const std::uint8_t* p = dib.data();
  std::uint32_t headerSize = U32(p);
  if (headerSize > dib.size()) return std::nullopt;
  Layout l;
  std::uint32_t compression = kBiRgb;
  std::uint32_t colorsUsed = 0;
  std::size_t paletteEntrySize = 4;
  if (headerSize == 12) {
    l.width = U16(p + 4);
    l.height = U16(p + 6);
    l.bpp = U16(p + 10);
    paletteEntrySize = 3;
  } else if (headerSize >= 40 && headerSize <= 124) {
    std::int32_t w = static_cast<std::int32_t>(U32(p + 4));
    std::int32_t h = static_cast<std::int32_t>(U32(p + 8));
    if (h == INT32_MIN) return std::nullopt;
    l.width = w;
    l.topDown = h < 0;
    l.height = h < 0 ? -h : h;
    l.bpp = U16(p + 14);
    compression = U32(p + 16);
    colorsUsed = U32(p + 32);
  } else {
    return std::nullopt;
  }
  if (l.width <= 0 || l.height <= 0 || l.width > kBmpMaxSide || l.height > kBmpMaxSide ||
      std::int64_t{l.width} * l.height > kBmpMaxPixels)
    return std::nullopt;

  std::size_t pos = headerSize;
  switch (l.bpp) {
    case 1:
    case 4:
    case 8:
    case 24:
      if (compression != kBiRgb) return std::nullopt;
      break;
    case 16:
    case 32:
      if (compression == kBiRgb) {
        if (l.bpp == 16) {
          l.red.Set(0x7C00), l.green.Set(0x03E0), l.blue.Set(0x001F);
        } else {
          l.red.Set(0xFF0000), l.green.Set(0xFF00), l.blue.Set(0xFF);
        }
      } else if (compression == kBiBitfields || compression == kBiAlphaBitfields) {
        // Masks inside a large header, or right after a 40-byte one.
        std::size_t maskAt = 40;
        if (headerSize == 40) {
          std::size_t maskBytes = compression == kBiAlphaBitfields ? 16 : 12;
          if (dib.size() < 40 + maskBytes) return std::nullopt;
          pos = 40 + maskBytes;
        } else if (headerSize < 52) {
          return std::nullopt;
        }
        if (!l.red.Set(U32(p + maskAt)) || !l.green.Set(U32(p + maskAt + 4)) || !l.blue.Set(U32(p + maskAt + 8)))
          return std::nullopt;
      } else {
        return std::nullopt;
      }
      break;
    default:
      return std::nullopt;
  }

  if (l.bpp <= 8) {
    std::uint32_t maxColors = 1u << l.bpp;
    std::uint32_t count = (colorsUsed == 0 || colorsUsed > maxColors) ? maxColors : colorsUsed;
    if (paletteEnd != SIZE_MAX && paletteEnd >= pos)
      count = static_cast<std::uint32_t>(std::min<std::size_t>(count, (paletteEnd - pos) / paletteEntrySize));
    if (dib.size() - pos < std::size_t{count} * paletteEntrySize) return std::nullopt;
    l.palette.resize(maxColors, 0);  // indexes beyond the stored palette read black
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::uint8_t* e = p + pos + i * paletteEntrySize;
      l.palette[i] = (e[2] << 16) | (e[1] << 8) | e[0];
    }
    pos += std::size_t{count} * paletteEntrySize;
  } else if (headerSize >= 40 && colorsUsed != 0 && colorsUsed <= 256) {
    // A palette may precede true-colour pixels too; skip it when present.
    if (dib.size() - pos >= std::size_t{colorsUsed} * 4) pos += std::size_t{colorsUsed} * 4;
  }
  l.headerEnd = pos;
  return l;
}

std::optional<DecodedBmp> DecodePixels(const Layout& l, std::span<const std::uint8_t> data) {
  std::size_t rowBits = std::size_t{static_cast<unsigned>(l.width)} * static_cast<unsigned>(l.bpp);
  std::size_t stride = (rowBits + 31) / 32 * 4;
  std::size_t rowBytes = (rowBits + 7) / 8;
  // The last row's padding is often left out.
  if (data.size() < stride * (l.height - 1) + rowBytes) return std::nullopt;

  DecodedBmp out;
  out.width = l.width;
  out.height = l.height;
  out.pixels.resize(std::size_t{static_cast<unsigned>(l.width)} * l.height);
  for (int row = 0; row < l.height; ++row) {
    const std::uint8_t* src = data.data() + stride * row;
    int y = l.topDown ? row : l.height - 1 - row;
    std::uint32_t* dst = out.pixels.data() + std::size_t{static_cast<unsigned>(l.width)} * y;
    switch (l.bpp) {
      case 1:
      case 4:
      case 8: {
        int perByte = 8 / l.bpp;
        unsigned mask = (1u << l.bpp) - 1;
        for (int x = 0; x < l.width; ++x) {
          int shift = 8 - l.bpp * (x % perByte + 1);
          dst[x] = l.palette[(src[x / perByte] >> shift) & mask];
        }
        break;
      }
      case 16:
        for (int x = 0; x < l.width; ++x) {
          std::uint32_t v = U16(src + 2 * x);
          dst[x] = (l.red.Get(v) << 16) | (l.green.Get(v) << 8) | l.blue.Get(v);
        }
        break;
      case 24:
        for (int x = 0; x < l.width; ++x) {
          const std::uint8_t* s = src + 3 * x;
          dst[x] = (s[2] << 16) | (s[1] << 8) | s[0];
        }
        break;
      case 32:
        for (int x = 0; x < l.width; ++x) {
          std::uint32_t v = U32(src + 4 * x);
          dst[x] = (l.red.Get(v) << 16) | (l.green.Get(v) << 8) | l.blue.Get(v);
        }
        break;
    }
  }
  return out;
}

}  // namespace

std::optional<DecodedBmp> DecodeBmpFile(std::span<const std::uint8_t> file) {
  if (file.size() < kFileHeaderSize + 12 || file[0] != 'B' || file[1] != 'M') return std::nullopt;
  std::uint32_t pixelOffset = U32(file.data() + 10);
  auto dib = file.subspan(kFileHeaderSize);
  auto layout = ParseHeader(dib, pixelOffset >= kFileHeaderSize ? pixelOffset - kFileHeaderSize : SIZE_MAX);
  if (!layout) return std::nullopt;
  // The offset must not point into the headers; 0 is taken as "right after".
  std::size_t offset = pixelOffset == 0 ? kFileHeaderSize + layout->headerEnd : pixelOffset;
  if (offset < kFileHeaderSize + U32(dib.data()) || offset > file.size()) return std::nullopt;
  return DecodePixels(*layout, file.subspan(offset));
}

std::optional<DecodedBmp> DecodePackedDib(std::span<const std::uint8_t> dib) {
  auto layout = ParseHeader(dib);
  if (!layout) return std::nullopt;
  return DecodePixels(*layout, dib.subspan(layout->headerEnd));
}

std::vector<std::uint8_t> EncodeBmpFile(int width, int height, const std::uint32_t* pixels, int bitsPerPixel) {
  if (bitsPerPixel != 24) bitsPerPixel = 32;
  if (width < 0 || height < 0) width = height = 0;
  std::size_t stride = (std::size_t{static_cast<unsigned>(width)} * bitsPerPixel + 31) / 32 * 4;
  std::size_t imageSize = stride * height;
  std::vector<std::uint8_t> out;
  out.reserve(54 + imageSize);
  out.push_back('B');
  out.push_back('M');
  Put32(out, static_cast<std::uint32_t>(54 + imageSize));
  Put32(out, 0);
  Put32(out, 54);
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(width));
  Put32(out, static_cast<std::uint32_t>(height));  // positive: bottom-up
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(bitsPerPixel));
  Put32(out, kBiRgb);
  Put32(out, static_cast<std::uint32_t>(imageSize));
  Put32(out, 3780);  // 96 dpi in pixels per metre
  Put32(out, 3780);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = height - 1; y >= 0; --y) {
    const std::uint32_t* row = pixels + std::size_t{static_cast<unsigned>(width)} * y;
    std::size_t start = out.size();
    for (int x = 0; x < width; ++x) {
      std::uint32_t v = row[x];
      out.push_back(static_cast<std::uint8_t>(v));
      out.push_back(static_cast<std::uint8_t>(v >> 8));
      out.push_back(static_cast<std::uint8_t>(v >> 16));
      if (bitsPerPixel == 32) out.push_back(0);
    }
    out.resize(start + stride, 0);
  }
  return out;
}
