#pragma once
// How the skinned menu bar looks: its background and its buttons, painted
// from the skin's menu colours onto a canvas.
#include <windows.h>

#include <string>

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/Color.h"

class TCustomImageList;

// The skin's menu-bar picture and colours; -1 (clNone-like) for a colour
// the skin lacks.
struct TqelMenuBarLook {
  const TBitmap* Background = nullptr;  // SKIN2_MENUBAR, stretched over the bar
  TColor StartColor = clBtnFace;        // the two bar colours, top and bottom
  TColor EndColor = clBtnFace;
  TColor Selected = -1;        // SKIN2_TOPSELECTEDMENUCOLOR
  TColor SelectedBorder = -1;  // SKIN2_TOPSELECTEDMENUBORDERCOLOR
  TColor SelectedFont = -1;    // SKIN2_TOPSELECTEDMENUFONTCOLOR
  TColor Font = -1;            // SKIN2_TOPMENUFONTCOLOR
  TColor DisabledFont = 0x808080;
};

// One button as it is drawn.
struct TqelMenuBarButtonState {
  std::wstring Text;
  bool Selected = false;  // hot, pressed or chosen from the keyboard
  bool Enabled = true;
  TCustomImageList* Images = nullptr;
  int ImageIndex = -1;
};

// The bar's background: the picture stretched over rect, else a vertical
// gradient from the start to the end colour when they differ, else the
// start colour.
void PaintMenuBarBackground(TCanvas& canvas, const RECT& rect, const TqelMenuBarLook& look);

// A button: a selected one filled and framed in the skin's top-level
// selection colours with its text in the selected font colour; any other
// one only its text (grey when disabled) over the background. The text
// stands centred on one line; an image goes 2 px in from the left and
// moves the text right by its width.
void PaintMenuBarButton(TCanvas& canvas, const RECT& rect, const TqelMenuBarButtonState& button,
                        const TqelMenuBarLook& look);

// The two bar colours of a skin: the middle pixel of the menu-bar
// picture's left column for both when there is a picture, else the two
// menu-bar colours.
void MenuBarColors(const TBitmap* picture, TColor start, TColor end, TColor& top, TColor& bottom);
