#include "Skin2Bitmap.h"

#include <bit>
#include <cstring>

#include "Skin2ByteStream.h"

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::int64_t kMaxSide = 32767;
constexpr std::int64_t kMaxPixels = 16 * 1024 * 1024;

// Extracts a channel given by a bit-field mask and scales it to 8 bits.
struct Channel {
  unsigned shift = 0;
  unsigned bits = 0;
  std::uint32_t mask = 0;

  explicit Channel(std::uint32_t m) : mask(m) {
    if (m == 0) return;
    shift = static_cast<unsigned>(std::countr_zero(m));
    bits = static_cast<unsigned>(std::popcount(m >> shift));
    if (bits > 8) {
      shift += bits - 8;
      bits = 8;
    }
  }
  std::uint8_t Get(std::uint32_t value) const {
    if (bits == 0) return 0;
    const std::uint32_t v = (value >> shift) & ((1u << bits) - 1u);
    return static_cast<std::uint8_t>(bits == 8 ? v : (v * 255u + ((1u << bits) - 1u) / 2) / ((1u << bits) - 1u));
  }
};

}  // namespace

Tsk2Bitmap::Tsk2Bitmap(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * 3 * static_cast<std::size_t>(height)) {}

std::uint32_t Tsk2Bitmap::Pixel(int x, int y) const {
  const std::uint8_t* p = Row(y) + static_cast<std::size_t>(x) * 3;
  return p[2] | (static_cast<std::uint32_t>(p[1]) << 8) | (static_cast<std::uint32_t>(p[0]) << 16);
}

void Tsk2Bitmap::SetPixel(int x, int y, std::uint32_t color) {
  std::uint8_t* p = Row(y) + static_cast<std::size_t>(x) * 3;
  p[0] = static_cast<std::uint8_t>(color >> 16);
  p[1] = static_cast<std::uint8_t>(color >> 8);
  p[2] = static_cast<std::uint8_t>(color);
}

std::uint32_t Tsk2Bitmap::TransparentColor() const {
  if (transparentFixed_ || Empty()) return transparentColor_;
  return Pixel(0, height_ - 1);
}

std::optional<Tsk2Bitmap> Tsk2Bitmap::DecodeBmp(std::span<const std::uint8_t> file) {
  const std::size_t size = file.size();
  const std::uint8_t* data = file.data();
  if (size < kFileHeaderSize + kCoreHeaderSize || data[0] != 'B' || data[1] != 'M') return std::nullopt;
  const std::uint32_t pixelOffset = Sk2Le32(data + 10);
  const std::uint32_t headerSize = Sk2Le32(data + 14);
  if (headerSize > size - kFileHeaderSize) return std::nullopt;
  const std::uint8_t* info = data + kFileHeaderSize;

  std::int64_t width, height;
  unsigned bitsPerPixel;
  std::uint32_t compression = kBiRgb, colorsUsed = 0;
  std::size_t paletteEntrySize = 4;
  if (headerSize == kCoreHeaderSize) {
    width = Sk2Le16(info + 4);
    height = Sk2Le16(info + 6);
    bitsPerPixel = Sk2Le16(info + 10);
    paletteEntrySize = 3;
  } else if (headerSize >= kInfoHeaderSize) {
    width = static_cast<std::int32_t>(Sk2Le32(info + 4));
    height = static_cast<std::int32_t>(Sk2Le32(info + 8));
    bitsPerPixel = Sk2Le16(info + 14);
    compression = Sk2Le32(info + 16);
    colorsUsed = Sk2Le32(info + 32);
  } else {
    return std::nullopt;
  }
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide || width * height > kMaxPixels)
    return std::nullopt;

  // Bit-field masks: in the info header (V4, V5) or right after it.
  std::uint32_t masks[3] = {0x00FF0000u, 0x0000FF00u, 0x000000FFu};
  if (bitsPerPixel == 16) masks[0] = 0x7C00u, masks[1] = 0x03E0u, masks[2] = 0x001Fu;
  std::size_t paletteStart = kFileHeaderSize + headerSize;
  if (compression == kBiBitfields) {
    if (bitsPerPixel != 16 && bitsPerPixel != 32) return std::nullopt;
    const std::uint8_t* m;
    if (headerSize >= kInfoHeaderSize + 12) {
      m = info + kInfoHeaderSize;
    } else {
      if (size - paletteStart < 12) return std::nullopt;
      m = data + paletteStart;
      paletteStart += 12;
    }
    for (int i = 0; i < 3; ++i) masks[i] = Sk2Le32(m + 4 * i);
  } else if (compression != kBiRgb) {
    return std::nullopt;
  }

  std::vector<std::uint32_t> palette;
  if (bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8) {
    const std::size_t maxColors = std::size_t{1} << bitsPerPixel;
    const std::size_t colors = (colorsUsed == 0 || colorsUsed > maxColors) ? maxColors : colorsUsed;
    if (paletteStart > size || (size - paletteStart) / paletteEntrySize < colors) return std::nullopt;
    palette.assign(maxColors, 0);
    for (std::size_t i = 0; i < colors; ++i) {
      const std::uint8_t* e = data + paletteStart + i * paletteEntrySize;
      palette[i] = e[2] | (static_cast<std::uint32_t>(e[1]) << 8) | (static_cast<std::uint32_t>(e[0]) << 16);
    }
  } else if (bitsPerPixel != 16 && bitsPerPixel != 24 && bitsPerPixel != 32) {
    return std::nullopt;
  }

  const std::size_t stride = ((static_cast<std::size_t>(width) * bitsPerPixel + 31) / 32) * 4;
  if (pixelOffset > size || (size - pixelOffset) / stride < static_cast<std::size_t>(height)) return std::nullopt;

  Tsk2Bitmap bitmap(static_cast<int>(width), static_cast<int>(height));
  bitmap.sourceBitsPerPixel_ = static_cast<int>(bitsPerPixel);
  const Channel red(masks[0]), green(masks[1]), blue(masks[2]);
  const std::size_t rowBytes = bitmap.Stride();
  for (int y = 0; y < bitmap.height_; ++y) {
    const std::size_t fileRow = topDown ? static_cast<std::size_t>(y) : static_cast<std::size_t>(bitmap.height_ - 1 - y);
    const std::uint8_t* src = data + pixelOffset + fileRow * stride;
    std::uint8_t* dst = bitmap.Row(y);
    switch (bitsPerPixel) {
      case 24:  // the file's own byte order
        std::memcpy(dst, src, rowBytes);
        break;
      case 32:
      case 16:
        for (int x = 0; x < bitmap.width_; ++x, dst += 3) {
          const std::uint32_t v = bitsPerPixel == 32 ? Sk2Le32(src + x * 4) : Sk2Le16(src + x * 2);
          dst[0] = blue.Get(v), dst[1] = green.Get(v), dst[2] = red.Get(v);
        }
        break;
      default: {
        const unsigned perByte = 8 / bitsPerPixel;
        for (int x = 0; x < bitmap.width_; ++x, dst += 3) {
          const unsigned shift = (perByte - 1 - static_cast<unsigned>(x) % perByte) * bitsPerPixel;
          const unsigned index = (src[static_cast<unsigned>(x) / perByte] >> shift) & ((1u << bitsPerPixel) - 1u);
          const std::uint32_t c = palette[index];
          dst[0] = static_cast<std::uint8_t>(c >> 16), dst[1] = static_cast<std::uint8_t>(c >> 8),
          dst[2] = static_cast<std::uint8_t>(c);
        }
      }
    }
  }
  return bitmap;
}
