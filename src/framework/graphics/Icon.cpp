#include "graphics/Icon.h"

#include <utility>

#include "graphics/GdiObjects.h"

namespace {

SIZE IconSize(HICON icon) noexcept {
  ICONINFO info{};
  if (!icon || !::GetIconInfo(icon, &info)) return {0, 0};
  // GetIconInfo hands out two bitmaps that the caller deletes.
  const UniqueBitmap mask(info.hbmMask);
  const UniqueBitmap color(info.hbmColor);
  BITMAP bm{};
  if (color && ::GetObjectW(color.get(), sizeof(bm), &bm)) return {bm.bmWidth, bm.bmHeight};
  // A monochrome icon: the mask holds the AND and XOR halves one above the other.
  if (mask && ::GetObjectW(mask.get(), sizeof(bm), &bm)) return {bm.bmWidth, bm.bmHeight / 2};
  return {0, 0};
}

void DestroyCounted(HICON icon) noexcept {
  if (!icon) return;
  ::DestroyIcon(icon);
  gdi_detail::CountDeleted(GdiKind::Icon);
}

}  // namespace

TIcon::TIcon(TIcon&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)),
      width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      source_(std::exchange(other.source_, {})) {}

TIcon& TIcon::operator=(TIcon&& other) noexcept {
  if (this != &other) {
    const int w = other.width_, h = other.height_;
    Source source = std::exchange(other.source_, {});
    HICON icon = std::exchange(other.handle_, nullptr);
    other.width_ = other.height_ = 0;
    HICON old = std::exchange(handle_, icon);
    width_ = w;
    height_ = h;
    source_ = std::move(source);
    if (OnChange) OnChange();
    DestroyCounted(old);
  }
  return *this;
}

TIcon::~TIcon() { DestroyCounted(handle_); }

HICON TIcon::LoadFrom(const Source& source, int width, int height) noexcept {
  UINT flags = LR_DEFAULTCOLOR;
  if (width == 0 && height == 0) flags |= LR_DEFAULTSIZE;
  if (source.fromFile)
    return static_cast<HICON>(::LoadImageW(nullptr, source.name.c_str(), IMAGE_ICON, width, height, flags | LR_LOADFROMFILE));
  HINSTANCE module = source.module ? source.module : ::GetModuleHandleW(nullptr);
  const wchar_t* name = source.name.empty() ? MAKEINTRESOURCEW(source.id) : source.name.c_str();
  return static_cast<HICON>(::LoadImageW(module, name, IMAGE_ICON, width, height, flags));
}

bool TIcon::Load(Source source, int width, int height) {
  HICON icon = LoadFrom(source, width, height);
  if (!icon) return false;
  gdi_detail::CountCreated(GdiKind::Icon);
  Replace(icon, std::move(source));
  return true;
}

bool TIcon::LoadFromResourceName(HINSTANCE module, const wchar_t* name, int width, int height) {
  if (IS_INTRESOURCE(name)) return LoadFromResourceID(module, static_cast<int>(reinterpret_cast<ULONG_PTR>(name)), width, height);
  if (!name || !*name) return false;
  return Load({module, name, 0, false}, width, height);
}

bool TIcon::LoadFromResourceID(HINSTANCE module, int id, int width, int height) {
  if (id <= 0 || id > 0xFFFF) return false;
  return Load({module, {}, static_cast<WORD>(id), false}, width, height);
}

bool TIcon::LoadFromFile(const std::wstring& path, int width, int height) {
  if (path.empty()) return false;
  return Load({nullptr, path, 0, true}, width, height);
}

void TIcon::SetHandle(HICON icon) {
  if (icon == handle_) return;
  HICON copy = icon ? ::CopyIcon(icon) : nullptr;
  if (copy) gdi_detail::CountCreated(GdiKind::Icon);
  Replace(copy, {});
}

void TIcon::Adopt(HICON icon) {
  if (icon == handle_) return;
  if (icon) gdi_detail::CountCreated(GdiKind::Icon);
  Replace(icon, {});
}

void TIcon::Assign(const TIcon& other) {
  if (&other == this) return;
  HICON copy = other.handle_ ? ::CopyIcon(other.handle_) : nullptr;
  if (copy) gdi_detail::CountCreated(GdiKind::Icon);
  Replace(copy, other.source_);
}

void TIcon::Clear() {
  if (handle_) Replace(nullptr, {});
}

void TIcon::Replace(HICON icon, Source source) {
  HICON old = std::exchange(handle_, icon);
  const SIZE size = IconSize(icon);
  width_ = size.cx;
  height_ = size.cy;
  source_ = std::move(source);
  if (OnChange) OnChange();
  DestroyCounted(old);
}

TIcon TIcon::CopyAt(int width, int height) const {
  TIcon copy;
  if (!handle_) return copy;
  HICON icon = source_.Known() ? LoadFrom(source_, width, height) : nullptr;
  if (!icon) icon = static_cast<HICON>(::CopyImage(handle_, IMAGE_ICON, width, height, 0));
  if (!icon) return copy;
  gdi_detail::CountCreated(GdiKind::Icon);
  copy.Replace(icon, source_);
  return copy;
}
