#include "graphics/GraphicsObject.h"

namespace {

// Deletes a retired handle when it goes out of scope, even if a
// notification throws.
struct RetiredHandle {
  HGDIOBJ handle;
  bool owned;
  GdiKind kind;
  ~RetiredHandle() {
    if (handle && owned) {
      ::DeleteObject(handle);
      gdi_detail::CountDeleted(kind);
    }
  }
};

}  // namespace

TGraphicsObject::~TGraphicsObject() {
  RetiredHandle retired{handle_, owned_, kind_};
}

HGDIOBJ TGraphicsObject::GetHandle() {
  if (!handle_) {
    bool owned = true;
    handle_ = CreateHandle(owned);
    owned_ = owned && handle_;
    if (owned_) gdi_detail::CountCreated(kind_);
  }
  return handle_;
}

void TGraphicsObject::Changed(bool keepHandle) {
  RetiredHandle retired{keepHandle ? nullptr : std::exchange(handle_, nullptr), owned_, kind_};
  if (!keepHandle) owned_ = false;
  if (canvasHook_) canvasHook_();
  if (OnChange) OnChange();
}
