#pragma once
// TSpeedButton: a tool button without a window, painted by its parent.
// Raised like a push button, or Flat: no frame until the mouse is over it
// (hot), then a thin raised edge. Buttons of one parent with the same
// GroupIndex (not 0) act as a group: one of them is Down at a time (none
// with AllowAllUp); a GroupIndex of its own makes a button toggle. A held
// down button shows a checkered face.
#include "framework/GraphicControl.h"
#include "framework/stdctrls/ButtonGlyph.h"

class TSpeedButton : public TGraphicControl {
  FW_CLASS(TSpeedButton, TGraphicControl)
 public:
  explicit TSpeedButton(TComponent* owner);
  static std::vector<TPropInfo> PublishedProperties();

  // Attributes
  TBitmap& Glyph() noexcept { return glyph_; }
  void SetGlyph(const TBitmap& glyph);
  int NumGlyphs() const noexcept { return numGlyphs_; }
  void SetNumGlyphs(int numGlyphs);
  TButtonLayout Layout() const noexcept { return layout_; }
  void SetLayout(TButtonLayout layout);
  int Margin() const noexcept { return margin_; }
  void SetMargin(int margin);
  int Spacing() const noexcept { return spacing_; }
  void SetSpacing(int spacing);
  bool Flat() const noexcept { return flat_; }
  void SetFlat(bool flat);
  // Down stays set only in a group (GroupIndex not 0).
  bool Down() const noexcept { return down_; }
  void SetDown(bool down);
  int GroupIndex() const noexcept { return groupIndex_; }
  void SetGroupIndex(int index);
  bool AllowAllUp() const noexcept { return allowAllUp_; }
  void SetAllowAllUp(bool allow);
  // The mouse is over an enabled button.
  bool MouseInControl() const noexcept { return mouseInControl_; }
  // What the face shows now.
  TButtonState State() const noexcept;

  // Operations
  void Click() override;

 protected:
  void Paint() override;
  void WndProc(TMessage& message) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  void CMMouseEnter(TMessage& message);
  void CMMouseLeave(TMessage& message);
  void CMDialogChar(TMessage& message);
  void CMButtonPressed(TMessage& message);
  // Others of the group go up when this one goes down.
  void GroupChanged();
  void PaintFrame(RECT& face);

  TBitmap glyph_;
  int numGlyphs_ = 1;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  bool flat_ = false;
  bool down_ = false;
  int groupIndex_ = 0;
  bool allowAllUp_ = false;
  bool mouseInControl_ = false;
  bool pressing_ = false;  // the left button went down on the button
  bool pressedInside_ = false;
};
