#pragma once
// TPen: line colour, width and style; the HPEN is created on first use.
#include <windows.h>

#include "graphics/Color.h"
#include "graphics/GraphicsObject.h"

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

class TPen : public TGraphicsObject {
 public:
  TPen();  // black, 1 pixel, solid
  TPen(const TPen& other);
  TPen& operator=(const TPen& other) {
    Assign(other);
    return *this;
  }

  // Attributes
  TColor Color() const noexcept { return color_; }
  void SetColor(TColor color);
  int Width() const noexcept { return width_; }
  void SetWidth(int width);  // at least 1
  TPenStyle Style() const noexcept { return style_; }
  void SetStyle(TPenStyle style);
  // Owned by this object, valid until the next change.
  HPEN Handle() { return static_cast<HPEN>(GetHandle()); }

  // Operations
  void Assign(const TPen& source);

 protected:
  HGDIOBJ CreateHandle(bool& owned) const override;

 private:
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
};
