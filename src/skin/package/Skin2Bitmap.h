#pragma once
// A decoded skin bitmap: 24-bit pixels, rows top-down, blue-green-red
// bytes, plus the transparent colour that the skin gives it. The window
// framework turns these into its own bitmaps.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

class Tsk2Bitmap {
 public:
  Tsk2Bitmap() = default;
  Tsk2Bitmap(int width, int height);

  // Attributes
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  std::size_t Stride() const { return static_cast<std::size_t>(width_) * 3; }
  std::uint8_t* Row(int y) { return pixels_.data() + Stride() * static_cast<std::size_t>(y); }
  const std::uint8_t* Row(int y) const { return pixels_.data() + Stride() * static_cast<std::size_t>(y); }
  // Colour at (x, y) as 0x00BBGGRR.
  std::uint32_t Pixel(int x, int y) const;
  void SetPixel(int x, int y, std::uint32_t color);
  // Bits per pixel of the file the bitmap came from.
  int SourceBitsPerPixel() const { return sourceBitsPerPixel_; }

  // Transparency: fixed mode with the given colour after
  // SetTransparentColor; automatic (the bottom-left pixel) before.
  bool TransparentFixed() const { return transparentFixed_; }
  std::uint32_t TransparentColor() const;
  void SetTransparentColor(std::uint32_t color) {
    transparentColor_ = color;
    transparentFixed_ = true;
  }

  // Decodes a complete BMP file (file header, info header, optional
  // palette or masks, pixels): 1, 4, 8, 16, 24 or 32 bits per pixel,
  // uncompressed or with bit-field masks, bottom-up or top-down. Nothing
  // for anything else or for data that does not hold the whole picture.
  static std::optional<Tsk2Bitmap> DecodeBmp(std::span<const std::uint8_t> file);

 private:
  int width_ = 0;
  int height_ = 0;
  int sourceBitsPerPixel_ = 24;
  std::vector<std::uint8_t> pixels_;
  std::uint32_t transparentColor_ = 0;
  bool transparentFixed_ = false;
};
