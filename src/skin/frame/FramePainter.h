#pragma once
// TFramePainter: paints a skinned window frame. A geometry, the skin and a
// paint state in, pixels out; it never asks a window anything.
//
// The caption bar and the bottom border are composed off-screen and each
// copied to the target with one BitBlt; the side borders are stretched
// straight onto it. The off-screen bitmaps live between paints and are
// resized only when the window's size changes. When the skin cuts the
// window's shape from its title (or bottom) picture, the composed picture
// keeps the transparent pixels that the region is scanned from, and what
// reaches the screen has them replaced by the form colour.
#include <windows.h>

#include <string>

#include "frame/FrameGeometry.h"
#include "frame/FrameSkin.h"
#include "graphics/Bitmap.h"
#include "graphics/Font.h"

// What changes from paint to paint.
struct TFramePaintState {
  bool Active = true;     // caption text in the active colour
  std::wstring Caption;   // the whole caption; shortened to fit when drawn
  HICON Icon = nullptr;   // drawn at 16 x 16 when the geometry has an icon
  POINT Cursor{-1, -1};   // window coordinates
  bool ButtonDown = false;  // the left button is held since a press on the frame
};

// What a paint found out.
struct TFramePaintResult {
  TqelTitleButton Hot = tbNone;  // under the cursor
  bool CloseShown = false, MaxShown = false, MinShown = false, HelpShown = false;
};

class TFramePainter {
 public:
  TFramePainter();
  TFramePainter(const TFramePainter&) = delete;
  TFramePainter& operator=(const TFramePainter&) = delete;

  // Attributes
  // The composed caption bar and bottom border (with the skin's
  // transparent pixels, as the region is cut from them).
  const TBitmap& TitleBitmap() const noexcept { return title_; }
  const TBitmap& BottomBitmap() const noexcept { return bottom_; }
  // The platform's caption font, taken at construction and by RefreshFont.
  TFont& CaptionFont() noexcept { return font_; }
  void RefreshFont();

  // Operations
  // Composes caption bar and bottom border for this geometry and state.
  TFramePaintResult Compose(const TFrameGeometry& geometry, const TFrameSkin& skin, const TFramePaintState& state);
  // Copies what Compose made to target (a whole-window DC), with the side
  // borders and the gaps the platform frame needs.
  void Present(HDC target, const TFrameGeometry& geometry, const TFrameSkin& skin);
  // Both.
  TFramePaintResult Paint(HDC target, const TFrameGeometry& geometry, const TFrameSkin& skin,
                          const TFramePaintState& state);
  // The caption as it will be drawn in width pixels: itself, or shortened
  // with "...".
  std::wstring FitCaption(const std::wstring& caption, int width);

 private:
  void ComposeTitle(const TFrameGeometry& g, const TFrameSkin& skin, const TFramePaintState& state,
                    TFramePaintResult& result);
  void ComposeBottom(const TFrameGeometry& g, const TFrameSkin& skin);
  void DrawButtons(const TFrameGeometry& g, const TFrameSkin& skin, const TFramePaintState& state,
                   TFramePaintResult& result);
  void DrawCaption(const TFrameGeometry& g, const TFrameSkin& skin, const TFramePaintState& state,
                   const std::wstring& text);
  void PresentGaps(HDC target, const TFrameGeometry& g, const TFrameSkin& skin);
  // The bitmap that reaches the screen: composed over the form colour
  // when it carries transparent pixels.
  TBitmap& Flattened(TBitmap& composed, TBitmap& back, bool needsRegion, const TFrameSkin& skin);

  TBitmap title_;
  TBitmap titleBack_;
  TBitmap bottom_;
  TBitmap bottomBack_;
  TFont font_;
  bool titleComposed_ = false;
  bool bottomComposed_ = false;
};
