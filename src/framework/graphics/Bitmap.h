#pragma once
// TBitmap: a 32-bit top-down DIB section with direct access to its pixels.
//
// Pixels are uint32_t values 0x00RRGGBB (bytes B, G, R, X in memory); row y
// starts at ScanLine(y) and rows are Stride() pixels apart. The fourth byte
// is kept 0 by the framework's own operations and ignored by every colour
// comparison. A Canvas, on the bitmap's own memory DC, is created on first
// use; GDI drawing through it and direct pixel access may be mixed freely
// (ScanLine and Bits flush GDI's pending drawing first).
//
// Transparency is used when the bitmap is drawn on a canvas: pixels of the
// transparent colour are skipped. The transparent colour is the bottom-left
// pixel's colour (tmAuto) or a set colour (tmFixed).
#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "graphics/Color.h"
#include "graphics/GdiObjects.h"

class TCanvas;

enum TTransparentMode { tmAuto, tmFixed };

class TBitmap {
 public:
  TBitmap() noexcept;
  TBitmap(int width, int height);  // black
  TBitmap(const TBitmap& other);   // deep copy, with transparency settings
  TBitmap& operator=(const TBitmap& other);
  TBitmap(TBitmap&& other) noexcept;
  TBitmap& operator=(TBitmap&& other) noexcept;
  ~TBitmap();

  // Attributes
  int Width() const noexcept { return width_; }
  int Height() const noexcept { return height_; }
  bool Empty() const noexcept { return width_ <= 0 || height_ <= 0; }
  // New size; the overlapping top-left part is kept, new pixels are black.
  // A size of 0 in either direction frees the pixels. Throws std::bad_alloc
  // when the DIB section cannot be created.
  void SetSize(int width, int height);
  void SetWidth(int width) { SetSize(width, height_); }
  void SetHeight(int height) { SetSize(width_, height); }
  // The DIB section (null when empty). Owned by the bitmap; while the
  // bitmap's canvas exists it is selected into the canvas's DC.
  HBITMAP Handle() const noexcept { return dib_.get(); }

  // Pixel access (y in 0..Height-1; no bounds check).
  std::uint32_t* ScanLine(int y);
  const std::uint32_t* ScanLine(int y) const;
  std::uint32_t* Bits();  // row 0; null when empty
  const std::uint32_t* Bits() const;
  int Stride() const noexcept { return width_; }  // in pixels
  // Bounds-checked single pixels as TColor; Pixel returns clNone outside.
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);

  bool Transparent() const noexcept { return transparent_; }
  void SetTransparent(bool transparent) noexcept { transparent_ = transparent; }
  TTransparentMode TransparentMode() const noexcept { return transparentMode_; }
  void SetTransparentMode(TTransparentMode mode) noexcept { transparentMode_ = mode; }
  // tmAuto: the bottom-left pixel's colour (clNone when empty); tmFixed: the
  // set colour.
  TColor TransparentColor() const;
  // Sets the colour and switches to tmFixed.
  void SetTransparentColor(TColor color) noexcept;

  // The canvas on the bitmap's memory DC, created on first use. It lives as
  // long as the bitmap (assigning, loading and moving into the bitmap keep
  // it) unless FreeCanvas is called.
  TCanvas& Canvas();
  bool CanvasAllocated() const noexcept { return canvas_ != nullptr; }
  // Frees the canvas and its DC (they come back on the next Canvas()).
  void FreeCanvas() noexcept;

  // Operations
  void Assign(const TBitmap& source) { *this = source; }
  // Every pixel set to color.
  void Fill(TColor color);
  // From 0x00RRGGBB pixels, width * height of them, row 0 first; the fourth
  // byte is cleared. Throws std::invalid_argument on a size mismatch.
  static TBitmap FromPixels(int width, int height, std::span<const std::uint32_t> pixels);
  // A BMP file in memory: 1, 4, 8 (palette), 16, 24 and 32 bits per pixel,
  // uncompressed or bit fields, bottom-up or top-down. Returns false and
  // leaves the bitmap unchanged on anything malformed or unsupported.
  bool LoadFromBMP(std::span<const std::uint8_t> file);
  // The same without the file header (a BITMAPINFOHEADER first), as stored
  // in RT_BITMAP resources.
  bool LoadFromDIB(std::span<const std::uint8_t> dib);
  bool LoadFromResource(HINSTANCE module, const wchar_t* name);
  bool LoadFromFile(const std::wstring& path);
  // A 32-bit uncompressed bottom-up BMP file (24-bit when bitsPerPixel is 24).
  std::vector<std::uint8_t> SaveToBMP(int bitsPerPixel = 32) const;
  bool SaveToFile(const std::wstring& path, int bitsPerPixel = 32) const;

 private:
  void Reset() noexcept;

  int width_ = 0;
  int height_ = 0;
  UniqueBitmap dib_;
  std::uint32_t* bits_ = nullptr;
  std::unique_ptr<TCanvas> canvas_;
  bool transparent_ = false;
  TTransparentMode transparentMode_ = tmAuto;
  TColor transparentColor_ = clNone;
};
