#pragma once
// TBrush: fill colour and style; the HBRUSH is created on first use.
// bsClear fills nothing, and a canvas writes text with a transparent
// background while its brush is bsClear.
#include <windows.h>

#include "graphics/Color.h"
#include "graphics/GraphicsObject.h"

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBrush : public TGraphicsObject {
 public:
  TBrush();  // white, solid
  TBrush(const TBrush& other);
  TBrush& operator=(const TBrush& other) {
    Assign(other);
    return *this;
  }

  // Attributes
  TColor Color() const noexcept { return color_; }
  void SetColor(TColor color);  // a colour other than clNone makes a clear brush solid
  TBrushStyle Style() const noexcept { return style_; }
  void SetStyle(TBrushStyle style);
  // Owned by this object (the stock null brush for bsClear), valid until
  // the next change.
  HBRUSH Handle() { return static_cast<HBRUSH>(GetHandle()); }

  // Operations
  void Assign(const TBrush& source);

 protected:
  HGDIOBJ CreateHandle(bool& owned) const override;

 private:
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
};
