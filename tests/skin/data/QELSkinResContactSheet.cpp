// Draws every bitmap of a skin and every piece its resources cut from it,
// enlarged, with names, on one sheet, and saves the sheet as a BMP file:
//   skin_contact_sheet <package.qsk> <sheet.bmp> [scale]
// For looking at the pieces; not a test.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "QELSkinRes.h"
#include "QELSkinUtilsBitmap.h"
#include "SkinResourceSet.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"

namespace {

struct Piece {
  std::wstring name;
  const TBitmap* bitmap;
};

class TSheet {
 public:
  TSheet(int width, int scale) : width_(width), scale_(scale) {}

  void Heading(const std::wstring& text) {
    NewLine();
    items_.push_back({text, nullptr, 0, y_});
    y_ += 24;
  }

  void Add(const Piece& piece) {
    if (!piece.bitmap) {
      Place(piece.name + L" (none)", nullptr, 120, 16);
      return;
    }
    Place(piece.name, piece.bitmap, piece.bitmap->Width() * scale_, piece.bitmap->Height() * scale_);
  }

  TBitmap Render() {
    NewLine();
    TBitmap sheet(width_, y_ + 8);
    sheet.Fill(0xC8C8C8);
    TCanvas& canvas = sheet.Canvas();
    canvas.Brush().SetStyle(bsClear);
    canvas.Font().SetName(L"Tahoma");
    canvas.Font().SetHeight(-11);
    for (const Item& item : items_) {
      canvas.Font().SetColor(item.bitmap ? clBlack : clNavy);
      canvas.TextOut(item.x, item.y, item.label);
      if (!item.bitmap) continue;
      const int w = item.bitmap->Width() * scale_, h = item.bitmap->Height() * scale_;
      const RECT frame{item.x, item.y + 14, item.x + w + 2, item.y + 16 + h};
      canvas.Brush().SetStyle(bsSolid);
      canvas.Brush().SetColor(clRed);
      canvas.FrameRect(frame);
      canvas.Brush().SetStyle(bsClear);
      DrawBitmapPart(canvas, RECT{item.x + 1, item.y + 15, item.x + 1 + w, item.y + 15 + h}, *item.bitmap,
                     RECT{0, 0, item.bitmap->Width(), item.bitmap->Height()}, false, clNone);
    }
    return sheet;
  }

 private:
  struct Item {
    std::wstring label;
    const TBitmap* bitmap;
    int x, y;
  };

  void Place(const std::wstring& label, const TBitmap* bitmap, int w, int h) {
    const int cellW = std::max(w + 2, static_cast<int>(label.size()) * 6) + 12;
    if (x_ + cellW > width_) NewLine();
    items_.push_back({label, bitmap, x_, y_});
    x_ += cellW;
    rowHeight_ = std::max(rowHeight_, h + 30);
  }

  void NewLine() {
    if (x_ > 8) y_ += rowHeight_;
    x_ = 8;
    rowHeight_ = 0;
  }

  int width_, scale_;
  int x_ = 8, y_ = 8, rowHeight_ = 0;
  std::vector<Item> items_;
};

std::wstring Widen(std::string_view s) { return std::wstring(s.begin(), s.end()); }

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: skin_contact_sheet <package.qsk> <sheet.bmp> [scale]\n");
    return 2;
  }
  const int scale = argc > 3 ? std::max(1, _wtoi(argv[3])) : 3;
  TqelSkinReader reader;
  try {
    reader.Load(argv[1], "");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  if (!reader.Loaded()) {
    std::fprintf(stderr, "no skin package there\n");
    return 1;
  }
  TSkinResourceSet resources;
  resources.SetReader(&reader);
  TqelSkinScrollBtnRes& scroll = resources.scroll;
  TqelSkinTabRes& tabs = resources.tabs;
  TqelSkinProgressBarRes& progress = resources.progress;

  TSheet sheet(1600, scale);
  sheet.Heading(L"Skin bitmaps (transparent colour shown as stored; track bar recoloured)");
  for (int i = 0; i < kSkin2BitmapCount; ++i) {
    const auto key = static_cast<TSkin2BitmapKey>(i);
    sheet.Add({Widen(Skin2KeyName(key)).substr(6), reader.GetBitmap(key)});
  }
  sheet.Heading(L"Scroll bar: vertical buttons 1-6, horizontal buttons 1-6");
  for (int i = 1; i <= 6; ++i) sheet.Add({L"VertButton " + std::to_wstring(i), scroll.GetVertButton(i)});
  for (int i = 1; i <= 6; ++i) sheet.Add({L"HorzButton " + std::to_wstring(i), scroll.GetHorzButton(i)});
  sheet.Heading(L"Scroll bar thumb: vertical 1-5 (cap, fill, grip, fill, cap), horizontal 1-5, whole bar");
  for (int i = 1; i <= 5; ++i) sheet.Add({L"VertThumb " + std::to_wstring(i), scroll.GetVertThumb(i)});
  for (int i = 1; i <= 5; ++i) sheet.Add({L"HorzThumb " + std::to_wstring(i), scroll.GetHorzThumb(i)});
  sheet.Add({L"WholeBar", scroll.WholeBar()});
  sheet.Add({L"WholeBarHorz", scroll.WholeBarHorz()});
  sheet.Heading(L"Tab control: line, B (frame 2), A (frame 1); top, left, bottom, right");
  const wchar_t* sides[4] = {L"", L" Left", L" Bottom", L" Right"};
  for (int s = 0; s < 4; ++s) sheet.Add({std::wstring(L"TabLine") + sides[s], tabs.TabLine(static_cast<TqelSkinTabRes::TSide>(s))});
  for (int s = 0; s < 4; ++s) sheet.Add({std::wstring(L"TabB") + sides[s], tabs.TabB(static_cast<TqelSkinTabRes::TSide>(s))});
  for (int s = 0; s < 4; ++s) sheet.Add({std::wstring(L"TabA") + sides[s], tabs.TabA(static_cast<TqelSkinTabRes::TSide>(s))});
  sheet.Heading(L"Progress bar: horizontal 1-4, vertical 1-4");
  for (int i = 1; i <= 4; ++i) sheet.Add({L"Horz " + std::to_wstring(i), progress.GetHorz(i)});
  for (int i = 1; i <= 4; ++i) sheet.Add({L"Vert " + std::to_wstring(i), progress.GetVert(i)});

  const TBitmap rendered = sheet.Render();
  if (!rendered.SaveToFile(argv[2], 24)) {
    std::fprintf(stderr, "cannot write the sheet\n");
    return 1;
  }
  std::printf("%d x %d\n", rendered.Width(), rendered.Height());
  return 0;
}
