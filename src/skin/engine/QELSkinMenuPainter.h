#pragma once
// How a skinned menu item is measured and drawn. The engine's item
// handlers describe the item (TqelMenuItemLook) and the skin's menu colours
// (TqelMenuColors); these functions compute the sizes and paint.
//
// Layout, with G the gutter width and IH the image height (the item's image
// list width + 10 and its height; 26 and 16 without images):
//   [ gutter G | caption from G + 4 ...      shortcut ... 16 ]
// mirrored for right-to-left menus, the gutter at the right edge.
#include <windows.h>

#include <string_view>

#include "framework/ImageList.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/Color.h"

struct TqelMenuItemLook {
  std::wstring_view Caption;
  std::wstring_view ShortCut;  // the shortcut's text, empty for none
  bool Separator = false;
  bool Enabled = true;
  bool Selected = false;
  bool Checked = false;
  bool Default = false;
  bool RightToLeft = false;
  TCustomImageList* Images = nullptr;  // the item's images, null for none
  int ImageIndex = -1;
  const TBitmap* OwnBitmap = nullptr;  // the item's own picture, used without an image
};

struct TqelMenuColors {
  TColor Selected = 0, SelectedBorder = 0, SelectedFont = 0;
  TColor LeftBarStart = 0, LeftBarEnd = 0;
  TColor Item = 0, ItemFont = 0, DisabledFont = 0x808080;
};

// The separator line's colour.
constexpr TColor kMenuSeparatorColor = 0x848284;

// Height 5 for a separator, else the larger of the caption's text height,
// 21 and the image height + 5; width: caption and shortcut text widths
// + 66. The canvas carries the menu font.
SIZE MeasureSkinMenuItem(TCanvas& Canvas, const TqelMenuItemLook& Item);

// Paints the item into Rect; the check mark for checked items without a
// usable image comes from CheckMarks (image 0).
void DrawSkinMenuItem(TCanvas& Canvas, const RECT& Rect, const TqelMenuItemLook& Item, const TqelMenuColors& Colors,
                      TCustomImageList& CheckMarks);
