#include "framework/ImageList.h"

#include <algorithm>
#include <cstring>

#include "graphics/DibSection.h"
#include "graphics/GdiObjects.h"

namespace {

// A copy of bitmap's pixels in a DIB section of its own: the platform list
// reads the pixels of bitmaps that no device context holds.
UniqueBitmap DibOf(const TBitmap& bitmap) {
  std::uint32_t* bits = nullptr;
  UniqueBitmap dib = CreateDib32(bitmap.Width(), bitmap.Height(), &bits);
  if (dib) std::memcpy(bits, bitmap.Bits(), static_cast<std::size_t>(bitmap.Width()) * bitmap.Height() * 4);
  return dib;
}

}  // namespace

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {}

std::vector<TPropInfo> TCustomImageList::PublishedProperties() {
  return {
      OrdProp<TCustomImageList>("Width", "Integer", TTypeKind::Integer, &TCustomImageList::Width,
                                &TCustomImageList::SetWidth),
      OrdProp<TCustomImageList>("Height", "Integer", TTypeKind::Integer, &TCustomImageList::Height,
                                &TCustomImageList::SetHeight),
  };
}

void TCustomImageList::SetSize(int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  list_.reset();
  Changed();
}

HIMAGELIST TCustomImageList::Handle() {
  if (!list_) {
    list_.reset(::ImageList_Create(width_, height_, ILC_COLOR24 | ILC_MASK, 4, 4));
    if (!list_) throw EOutOfResources("Could not create an image list");
  }
  return list_.get();
}

int TCustomImageList::Count() const noexcept { return list_ ? ::ImageList_GetImageCount(list_.get()) : 0; }

int TCustomImageList::Add(const TBitmap& image, const TBitmap* mask) {
  if (image.Empty()) return -1;
  UniqueBitmap colour = DibOf(image);
  UniqueBitmap monochrome;
  if (mask && !mask->Empty()) {
    // The list wants a one-bit mask: set (white) where transparent.
    monochrome.reset(::CreateBitmap(mask->Width(), mask->Height(), 1, 1, nullptr));
    UniqueBitmap maskColour = DibOf(*mask);
    UniqueMemoryDC from = UniqueMemoryDC::Create(), to = UniqueMemoryDC::Create();
    if (monochrome && maskColour && from && to) {
      SelectScope selectFrom(from.get(), maskColour.get());
      SelectScope selectTo(to.get(), monochrome.get());
      ::SetBkColor(from.get(), RGB(255, 255, 255));
      ::BitBlt(to.get(), 0, 0, mask->Width(), mask->Height(), from.get(), 0, 0, SRCCOPY);
    }
  }
  const int index = ::ImageList_Add(Handle(), colour.get(), monochrome.get());
  if (index >= 0) Changed();
  return index;
}

int TCustomImageList::AddMasked(const TBitmap& image, TColor maskColor) {
  if (image.Empty()) return -1;
  UniqueBitmap colour = DibOf(image);
  const int index = ::ImageList_AddMasked(Handle(), colour.get(), ColorToRGB(maskColor));
  if (index >= 0) Changed();
  return index;
}

void TCustomImageList::Delete(int index) {
  if (!list_ || index < 0 || index >= Count()) return;
  if (::ImageList_Remove(list_.get(), index)) Changed();
}

void TCustomImageList::Clear() {
  if (!list_ || Count() == 0) return;
  ::ImageList_Remove(list_.get(), -1);
  Changed();
}

void TCustomImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) {
  HDC dc = canvas.Handle();
  if (!dc || !list_ || index < 0 || index >= Count()) return;
  ::ImageList_Draw(list_.get(), index, dc, x, y, enabled ? ILD_NORMAL : (ILD_NORMAL | ILD_BLEND50));
}

bool TCustomImageList::GetBitmap(int index, TBitmap& bitmap) {
  if (!list_ || index < 0 || index >= Count()) return false;
  bitmap.SetSize(width_, height_);
  HDC dc = bitmap.Canvas().Handle();
  if (!dc) return false;
  return ::ImageList_Draw(list_.get(), index, dc, 0, 0, ILD_IMAGE) != FALSE;
}

void TCustomImageList::Changed() {
  if (OnChange) OnChange(*this);
}
