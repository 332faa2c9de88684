#pragma once
// TqelSkinMenuBarControlButton: one of the three small buttons (minimize,
// restore, close) that act on the maximized child of a skinned MDI form,
// at the right end of its menu bar.
//
// It paints a vertical gradient from Color to ToColor (one colour when
// they are equal) and its glyph at (1, 1), transparently, with a black
// frame while the mouse is over it. The background is never erased
// separately, so the button does not flicker.
#include "framework/Panel.h"
#include "graphics/Bitmap.h"

class TqelSkinMenuBarControlButton : public TCustomPanel {
  FW_CLASS(TqelSkinMenuBarControlButton, TCustomPanel)
 public:
  explicit TqelSkinMenuBarControlButton(TComponent* owner);
  static std::vector<TPropInfo> PublishedProperties();

  TBitmap& Glyph() noexcept { return glyph_; }
  void SetGlyph(const TBitmap& glyph);
  TColor ToColor() const noexcept { return toColor_; }
  void SetToColor(TColor color);
  // The mouse is over the button.
  bool MouseOver() const noexcept { return mouseOver_; }

 protected:
  void Paint() override;
  void WndProc(TMessage& message) override;

 private:
  void WMMouseMove(TMessage& message);
  void WMMouseLeave(TMessage& message);

  TBitmap glyph_;
  TColor toColor_ = clWhite;
  bool mouseOver_ = false;
};
