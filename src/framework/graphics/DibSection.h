#pragma once
// Internal: creating 32-bit top-down DIB sections, and a DC from which a
// bitmap's pixels can be blitted.
#include <windows.h>

#include <cstdint>

#include "graphics/Bitmap.h"
#include "graphics/GdiObjects.h"

// A width x height 32-bit top-down DIB section (zeroed by the system);
// bits receives its memory. Null (and bits null) on failure.
UniqueBitmap CreateDib32(int width, int height, std::uint32_t** bits) noexcept;

// A DC with the bitmap's DIB selected: the bitmap canvas's DC when it has
// one, else a temporary memory DC that gives the DIB back on destruction.
class BitmapSourceDC {
 public:
  explicit BitmapSourceDC(const TBitmap& bitmap);
  ~BitmapSourceDC();
  BitmapSourceDC(const BitmapSourceDC&) = delete;
  BitmapSourceDC& operator=(const BitmapSourceDC&) = delete;
  HDC get() const noexcept { return dc_; }

 private:
  UniqueMemoryDC temp_;
  HGDIOBJ old_ = nullptr;
  HDC dc_ = nullptr;
};
