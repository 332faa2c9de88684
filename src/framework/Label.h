#pragma once
// TCustomLabel / TLabel: a line (or, with WordWrap, a block) of text drawn
// by its parent, sized to its text while AutoSize is on. A transparent
// label shows its parent's background behind the text. Labels take clicks
// (OnClick) and may show their own cursor (crHandPoint for a link).
#include "framework/GraphicControl.h"

class TCustomLabel : public TGraphicControl {
  FW_CLASS(TCustomLabel, TGraphicControl)
 public:
  explicit TCustomLabel(TComponent* owner);

  // Attributes
  bool AutoSize() const noexcept { return autoSize_; }
  void SetAutoSize(bool autoSize);
  TAlignment Alignment() const noexcept { return alignment_; }
  void SetAlignment(TAlignment alignment);
  TTextLayout Layout() const noexcept { return layout_; }
  void SetLayout(TTextLayout layout);
  bool Transparent() const noexcept { return transparent_; }
  void SetTransparent(bool transparent);
  bool WordWrap() const noexcept { return wordWrap_; }
  void SetWordWrap(bool wordWrap);
  // '&' marks an accelerator character (shown underlined); off: '&' is text.
  bool ShowAccelChar() const noexcept { return showAccelChar_; }
  void SetShowAccelChar(bool show);

 protected:
  // Sets the size to the text's (keeping the right edge of a right-aligned
  // label); nothing while AutoSize is off or the label is loading.
  virtual void AdjustBounds();
  void Paint() override;
  void Loaded() override;
  void WndProc(TMessage& message) override;
  // DrawText flags for the current settings.
  UINT TextFlags() const noexcept;

 private:
  void CMTextChanged(TMessage& message);
  void CMFontChanged(TMessage& message);

  bool autoSize_ = true;
  TAlignment alignment_ = taLeftJustify;
  TTextLayout layout_ = tlTop;
  bool transparent_ = false;
  bool wordWrap_ = false;
  bool showAccelChar_ = true;
};

class TLabel : public TCustomLabel {
  FW_CLASS(TLabel, TCustomLabel)
 public:
  explicit TLabel(TComponent* owner) : TCustomLabel(owner) {}
  static std::vector<TPropInfo> PublishedProperties();
};
