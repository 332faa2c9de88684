#pragma once
// The list-view column header painter: on the form colour, a line in the
// control border colour along the bottom and one closing each column on
// its right, and each caption in the control font colour, shortened with
// "..." to its column and aligned as the column asks.
#include <windows.h>

#include <string>
#include <vector>

#include "graphics/Canvas.h"
#include "framework/WindowSubclass.h"
#include "graphics/Bitmap.h"
#include "hook/QELSkinScrollWinControl.h"
#include "painters/PainterSkin.h"

struct THeaderItemLook {
  RECT Rect{};
  std::wstring Text;
  int Format = 0;  // HDF_LEFT, HDF_CENTER or HDF_RIGHT (the HDF_JUSTIFYMASK bits)
};

struct THeaderLook {
  SIZE Size{};
  std::vector<THeaderItemLook> Items;
};

// Room left of and right of a caption inside its column.
constexpr int kHeaderTextMargin = 6;

// The caption as drawn in a column of Width pixels, in Canvas's font.
std::wstring HeaderCaption(TCanvas& Canvas, const std::wstring& Text, int Width);

void PaintListViewHeader(TCanvas& Canvas, const THeaderLook& Look, const TPainterSkin& Skin);

// The look of a platform header window.
THeaderLook HeaderLookOf(HWND Header);

// For TCustomListView: the skinned border and scroll bars, and the column
// header (a raw child window, joined in its subclass chain) painted by the
// skin while it is active; it repaints after a column changes.
class TqelSkinListView : public TqelSkinScrollWinControl {
  FW_CLASS(TqelSkinListView, TqelSkinScrollWinControl)
 public:
  TqelSkinListView(TControl& control, TqelSkinWindow& window) : TqelSkinScrollWinControl(control, window) {}

  void AfterMessage(TMessage& message) override;
  void Refresh() override;
  void Setup() override;
  void Teardown() override;

  // The header window followed now (null without one).
  HWND HeaderWindow() const noexcept { return header_.Window(); }

 private:
  void FollowHeader();
  void HeaderProc(TMessage& message);
  void PaintHeader(HDC dc);

  TWindowSubclass header_;
  TBitmap face_;
};
