#pragma once
// The skinned push button (TButton and its descendants).
//
// Every painter in this folder is one file in three parts:
//   1. a small look value read from the control: what the face shows
//      (pressed, hot, focused, enabled, checked, ...);
//   2. a pure paint function that draws a look onto a canvas from the skin's
//      pieces, knowing nothing of controls, hooks or messages (tests compare
//      its pixels with the skin's own bitmaps);
//   3. a thin skinner, a TqelSkinControl subclass, whose one switch maps
//      messages to looks and repaints: it reads the look, calls the paint
//      function on a face bitmap and puts the face on the control.
// Neither the look nor the paint knows how the control is hooked; the same
// look and paint serve the framework-control and the raw-window skinner
// (QELSkinWndButton.h). Painters register in StandardSkinners.cpp.
//
// The push button: the face is frame 1 (normal), 2 (hot) or 3 (pressed) of
// SKIN2_BUTTON as a nine-grid over the parent's colour, with a focus
// rectangle 5 px inside while focused; glyph and caption on top. Presses are
// the skinner's: the button sees neither the left button going down nor
// Enter and Space, so a click needs a press that started on the button and a
// release on it (or Space released while focused); a double-click clicks at
// once.
#include <windows.h>

#include <array>

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/Color.h"
#include "hook/QELSkinControlVCL.h"

class TqelSkinEngine;

// ---- 1. The look ---------------------------------------------------------------------------
struct TqelButtonLook {
  bool Pressed = false;
  bool Hot = false;
  bool Focused = false;
  bool Enabled = true;
  TColor Background = clBtnFace;  // under the frame's transparent parts

  // 1 normal, 2 hot, 3 pressed: the frame of SKIN2_BUTTON.
  int FrameIndex() const noexcept { return Pressed ? 3 : Hot ? 2 : 1; }
};

// The skin's pieces of a button face, read once per paint.
struct TqelButtonSkin {
  std::array<TBitmap, 3> Frames;  // SKIN2_BUTTON frames 1..3 (empty when the skin lacks it)
  bool Transparent = false;       // SKIN2_BUTTONTRANS
  TColor TransparentColor = -1;   // SKIN2_TRANSCOLOR
  TColor FontColor = -1;          // SKIN2_BUTTONFONTCOLOR
  TColor FormColor = -1;          // SKIN2_FORMCOLOR

  static TqelButtonSkin Read(const TqelSkinEngine& engine);
};

// ---- 2. The paint --------------------------------------------------------------------------
// Fills client with the look's background, lays the state's frame over it
// as a nine-grid and, when focused, draws the focus rectangle inset by 5
// (moved by (1, 1) while pressed).
void PaintButtonFace(TCanvas& canvas, const RECT& client, const TqelButtonLook& look, const TqelButtonSkin& skin);
// A glyph strip of numGlyphs frames at at: frame 1 (enabled) or 2
// (disabled) drawn transparently and moved by (1, 1) while pressed; a
// single-frame glyph on a disabled button greyed.
void PaintButtonGlyph(TCanvas& canvas, const TBitmap& strip, int numGlyphs, bool enabled, bool pressed, POINT at);

// ---- 3. The skinner ------------------------------------------------------------------------
class TqelSkinButton : public TqelSkinControlVCL {
  FW_CLASS(TqelSkinButton, TqelSkinControlVCL)
 public:
  TqelSkinButton(TControl& control, TqelSkinWindow& window) : TqelSkinControlVCL(control, window) {}

  bool ClickArmed() const noexcept { return clickArmed_; }
  bool SpaceArmed() const noexcept { return spaceArmed_; }
  // The look of the button now.
  TqelButtonLook Look() const;

  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void Paint() override;
  void MouseLeft() override;
  void LeftButtonDown() override;
  void LeftButtonUp() override;
  void KeyDown(WORD key) override;
  void KeyUp(WORD key) override;
  void Setup() override;

 private:
  bool BeforeKeyDown(TMessage& m);
  bool BeforePress(TMessage& m);
  bool BeforeFocusNote(TMessage& m);
  bool BeforePaint(TMessage& m);
  bool BeforeEraseBkgnd(TMessage& m);
  void AfterChar(TMessage& m);
  void AfterDblClick(TMessage& m);
  void AfterGetState(TMessage& m);
  void ClickButton();
  // Glyph or caption area after the glyph is drawn on face.
  RECT PaintGlyph(TBitmap& face, const RECT& client, const TqelButtonLook& look);
  void PaintCaption(TBitmap& face, const RECT& rect);

  bool clickArmed_ = false;
  bool spaceArmed_ = false;
  // Held down as the platform's button would be (left button or Space):
  // BM_GETSTATE reports it, since those presses never reach the button.
  bool pushed_ = false;
};
