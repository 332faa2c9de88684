#include "framework/Image.h"

#include "graphics/Canvas.h"

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 105, 105);
  picture_.OnChange = [this] { PictureChanged(); };
}

RECT TImage::DestRect() const {
  const RECT client = ClientRect();
  const int cw = client.right, ch = client.bottom;
  int w = picture_.Width(), h = picture_.Height();
  if (w <= 0 || h <= 0) return {0, 0, 0, 0};
  if (stretch_ || (proportional_ && (w > cw || h > ch))) {
    if (proportional_) {
      // The largest size of the picture's proportions that fits.
      if (static_cast<long long>(cw) * h > static_cast<long long>(ch) * w) {
        w = MulDiv(w, ch, h);
        h = ch;
      } else {
        h = MulDiv(h, cw, w);
        w = cw;
      }
    } else {
      w = cw;
      h = ch;
    }
  }
  int x = 0, y = 0;
  if (center_) {
    x = (cw - w) / 2;
    y = (ch - h) / 2;
  }
  return {x, y, x + w, y + h};
}

void TImage::Paint() {
  if (picture_.Empty()) return;
  const TBitmap& bitmap = picture_.Bitmap();
  const RECT dest = DestRect();
  if (dest.right - dest.left == bitmap.Width() && dest.bottom - dest.top == bitmap.Height())
    Canvas().Draw(dest.left, dest.top, bitmap);
  else
    Canvas().StretchDraw(dest, bitmap);
}

void TImage::PictureChanged() {
  picture_.Bitmap().SetTransparent(transparent_);
  if (autoSize_ && !picture_.Empty()) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
  Invalidate();
}

void TImage::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) return;
  autoSize_ = autoSize;
  PictureChanged();
}

void TImage::SetCenter(bool center) {
  if (center == center_) return;
  center_ = center;
  Invalidate();
}

void TImage::SetStretch(bool stretch) {
  if (stretch == stretch_) return;
  stretch_ = stretch;
  Invalidate();
}

void TImage::SetProportional(bool proportional) {
  if (proportional == proportional_) return;
  proportional_ = proportional;
  Invalidate();
}

void TImage::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  PictureChanged();
}

std::vector<TPropInfo> TImage::PublishedProperties() {
  return {
      PropLeft(),
      PropTop(),
      PropWidth(),
      PropHeight(),
      PropAlign(),
      PropAnchors(),
      BoolProp<TImage>("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize),
      BoolProp<TImage>("Center", &TImage::Center, &TImage::SetCenter),
      BoolProp<TImage>("Stretch", &TImage::Stretch, &TImage::SetStretch),
      BoolProp<TImage>("Proportional", &TImage::Proportional, &TImage::SetProportional),
      BoolProp<TImage>("Transparent", &TImage::Transparent, &TImage::SetTransparent),
      ObjProp<TImage>("Picture", "TPicture", &TImage::Picture),
      PropCursor(),
      PropHint(),
      PropEnabled(),
      PropVisible(),
  };
}
