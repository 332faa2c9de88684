#pragma once
// TCustomImageList / TImageList: a list of equal-sized images over the
// platform's image list (HIMAGELIST), for menus, tool bars and painters.
//
// Images are 24-bit colour with a mask; a masked image leaves the target
// untouched where its mask is set. The platform list is created on first
// use and re-created empty when the size changes.
//
//   TImageList* images = form->Create<TImageList>();
//   images->SetSize(16, 16);
//   images->AddMasked(strip, clFuchsia);   // a strip of 16 x 16 images
//   images->Draw(canvas, 4, 3, 0);
#include <windows.h>
#include <commctrl.h>

#include "framework/Component.h"
#include "framework/Types.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/Color.h"

// Owns one platform image list (ImageList_Destroy).
class UniqueImageList {
 public:
  UniqueImageList() noexcept = default;
  explicit UniqueImageList(HIMAGELIST list) noexcept : list_(list) {}
  UniqueImageList(UniqueImageList&& other) noexcept : list_(std::exchange(other.list_, nullptr)) {}
  UniqueImageList& operator=(UniqueImageList&& other) noexcept {
    if (this != &other) reset(std::exchange(other.list_, nullptr));
    return *this;
  }
  UniqueImageList(const UniqueImageList&) = delete;
  UniqueImageList& operator=(const UniqueImageList&) = delete;
  ~UniqueImageList() { reset(); }

  HIMAGELIST get() const noexcept { return list_; }
  explicit operator bool() const noexcept { return list_ != nullptr; }
  void reset(HIMAGELIST list = nullptr) noexcept {
    if (HIMAGELIST old = std::exchange(list_, list)) ::ImageList_Destroy(old);
  }

 private:
  HIMAGELIST list_ = nullptr;
};

class TCustomImageList : public TComponent {
  FW_CLASS(TCustomImageList, TComponent)
 public:
  explicit TCustomImageList(TComponent* owner);
  static std::vector<TPropInfo> PublishedProperties();

  // Attributes
  int Width() const noexcept { return width_; }
  int Height() const noexcept { return height_; }
  void SetWidth(int width) { SetSize(width, height_); }
  void SetHeight(int height) { SetSize(width_, height); }
  // A new size drops every image.
  void SetSize(int width, int height);
  int Count() const noexcept;
  // The platform list, created on first use.
  HIMAGELIST Handle();
  bool HandleAllocated() const noexcept { return static_cast<bool>(list_); }

  // Operations. Adding returns the index of the first image added, or -1.
  // Image is cut into as many images as its width holds; mask (same size,
  // white = transparent) may be null for opaque images.
  int Add(const TBitmap& image, const TBitmap* mask);
  // The mask is made from the pixels of maskColor.
  int AddMasked(const TBitmap& image, TColor maskColor);
  void Delete(int index);
  void Clear();
  // Draws image index at (x, y), masked; a disabled image is drawn blended
  // with the highlight colour.
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true);
  // Copies image index (opaque, without its mask) into bitmap; false when
  // there is no such image.
  bool GetBitmap(int index, TBitmap& bitmap);

  // Events
  // After every change of the images or the size.
  TNotifyEvent OnChange;

 protected:
  void Changed();

 private:
  int width_ = 16;
  int height_ = 16;
  UniqueImageList list_;
};

class TImageList : public TCustomImageList {
  FW_CLASS(TImageList, TCustomImageList)
 public:
  explicit TImageList(TComponent* owner) : TCustomImageList(owner) {}
  static std::vector<TPropInfo> PublishedProperties() { return {}; }
};
