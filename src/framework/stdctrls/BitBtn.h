#pragma once
// TBitBtn: a push button with a glyph beside its caption. It draws its own
// face (BS_OWNERDRAW) as the platform's push button looks: raised, sunken
// while pressed, the default frame while active, the focus rectangle while
// focused, glyph and caption embossed while disabled.
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/ButtonGlyph.h"

class TBitBtn : public TButton {
  FW_CLASS(TBitBtn, TButton)
 public:
  explicit TBitBtn(TComponent* owner);
  static std::vector<TPropInfo> PublishedProperties();

  // Attributes
  // A strip of NumGlyphs frames (see ButtonGlyph.h); a change repaints.
  TBitmap& Glyph() noexcept { return glyph_; }
  void SetGlyph(const TBitmap& glyph);
  int NumGlyphs() const noexcept { return numGlyphs_; }
  void SetNumGlyphs(int numGlyphs);
  TButtonLayout Layout() const noexcept { return layout_; }
  void SetLayout(TButtonLayout layout);
  // -1 centres (see LayoutButtonFace).
  int Margin() const noexcept { return margin_; }
  void SetMargin(int margin);
  int Spacing() const noexcept { return spacing_; }
  void SetSpacing(int spacing);

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  // BS_DEFPUSHBUTTON does not combine with BS_OWNERDRAW: the face shows it.
  void ActiveChanged() override { Invalidate(); }

 private:
  void CNDrawItem(TMessage& message);
  void WMLButtonDblClk(TMessage& message);
  void DrawFace(const DRAWITEMSTRUCT& item);
  void FaceChanged();

  TBitmap glyph_;
  int numGlyphs_ = 1;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  TCanvas canvas_;
};
