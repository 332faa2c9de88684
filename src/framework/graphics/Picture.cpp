#include "graphics/Picture.h"

void TPicture::Assign(const TBitmap& bitmap) {
  if (&bitmap != &bitmap_) bitmap_ = bitmap;
  Changed();
}

void TPicture::Clear() {
  bitmap_.SetSize(0, 0);
  Changed();
}

bool TPicture::LoadFromBMP(std::span<const std::uint8_t> file) {
  if (!bitmap_.LoadFromBMP(file)) return false;
  Changed();
  return true;
}

bool TPicture::LoadFromFile(const std::wstring& path) {
  if (!bitmap_.LoadFromFile(path)) return false;
  Changed();
  return true;
}

void TPicture::Changed() {
  if (OnChange) OnChange();
}
