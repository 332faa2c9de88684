#pragma once
// TPicture: the picture of an image control; holds one bitmap and tells its
// owner when it is replaced.
#include <functional>
#include <span>
#include <string>

#include "graphics/Bitmap.h"

class TPicture {
 public:
  // Attributes
  // The bitmap; call Changed() after drawing into it directly.
  TBitmap& Bitmap() noexcept { return bitmap_; }
  const TBitmap& Bitmap() const noexcept { return bitmap_; }
  int Width() const noexcept { return bitmap_.Width(); }
  int Height() const noexcept { return bitmap_.Height(); }
  bool Empty() const noexcept { return bitmap_.Empty(); }

  // Called after every change made through this object.
  std::function<void()> OnChange;

  // Operations
  void Assign(const TBitmap& bitmap);
  void Assign(const TPicture& picture) { Assign(picture.bitmap_); }
  void Clear();
  bool LoadFromBMP(std::span<const std::uint8_t> file);
  bool LoadFromFile(const std::wstring& path);
  void Changed();

 private:
  TBitmap bitmap_;
};
