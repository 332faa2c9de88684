// Skinned menu items measured and painted into bitmaps, compared pixel by
// pixel against the built-in skin's menu colours.
#include "engine/QELSkinMenuPainter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "QELSkinReader.h"
#include "SkinTestSupport.h"
#include "engine/QELSkinGlobals.h"

namespace {

constexpr int kW = 160, kH = 24;
constexpr std::uint32_t kUntouched = 0x123456;

// 0x00BBGGRR as the 0x00RRGGBB of a bitmap pixel.
std::uint32_t Rgb(TColor c) {
  const auto v = static_cast<std::uint32_t>(c);
  return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

TqelMenuColors SkinColors() {
  TqelSkinReader reader(BuiltInSkin(), "");
  TqelMenuColors c;
  c.Selected = reader.GetColor(SKIN2_SELECTEDMENUCOLOR);
  c.SelectedBorder = reader.GetColor(SKIN2_SELECTEDMENUBORDERCOLOR);
  c.SelectedFont = reader.GetColor(SKIN2_SELECTEDMENUFONTCOLOR);
  c.LeftBarStart = reader.GetColor(SKIN2_LEFTBARSTARTCOLOR);
  c.LeftBarEnd = reader.GetColor(SKIN2_LEFTBARENDCOLOR);
  c.Item = reader.GetColor(SKIN2_MENUITEMCOLOR);
  c.ItemFont = reader.GetColor(SKIN2_MENUITEMFONTCOLOR);
  return c;
}

TBitmap Paint(const TqelMenuItemLook& look, const TqelMenuColors& colors) {
  TBitmap surface = Filled(kW, kH, kUntouched);
  DrawSkinMenuItem(surface.Canvas(), RECT{0, 0, kW, kH}, look, colors, CheckedMarkImages());
  return surface;
}

// Pixels of a colour inside [x0, x1) over the whole height.
int CountIn(const TBitmap& b, int x0, int x1, std::uint32_t rgb) {
  int n = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = x0; x < x1; ++x) n += Px(b, x, y) == rgb;
  return n;
}

struct TProbe {
  int X, Y;
  TColor Expected;
};

}  // namespace

class MenuPainterTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ResetCheckedMark(); }
  void SetUp() override {
    colors = SkinColors();
    ASSERT_EQ(colors.Item, 0xFFF7E7) << "the built-in skin's item colour";
    images = MakeComponent<TImageList>();
    images->SetSize(20, 18);
    images->AddMasked(Filled(20, 18, 0x00FF00), 0xFF00FF);  // one opaque green image
  }
  TqelMenuColors colors;
  TOwned<TImageList> images;
};

// Background, gutter, selection, separator and check marks at fixed
// points, for both reading orders. Gutter G = 26 without images, 30 with
// the 20 x 18 list; image height IH = 16 or 18.
TEST_F(MenuPainterTest, PixelsAtTheLayoutPoints) {
  const TqelMenuColors c = colors;
  const TColor checkBlack = 0x000000;
  struct Case {
    const char* name;
    TqelMenuItemLook look;
    std::vector<TProbe> probes;
  };
  TqelMenuItemLook plain;
  plain.Caption = L"x";
  TqelMenuItemLook rtl = plain;
  rtl.RightToLeft = true;
  TqelMenuItemLook selected = plain;
  selected.Selected = true;
  TqelMenuItemLook disabledSelected = selected;
  disabledSelected.Enabled = false;
  TqelMenuItemLook separator;
  separator.Caption = L"-";
  separator.Separator = true;
  TqelMenuItemLook rtlSeparator = separator;
  rtlSeparator.RightToLeft = true;
  TqelMenuItemLook checked = plain;
  checked.Checked = true;
  TqelMenuItemLook rtlChecked = checked;
  rtlChecked.RightToLeft = true;
  TqelMenuItemLook checkedImage = checked;
  checkedImage.Images = images.get();
  checkedImage.ImageIndex = 0;
  TqelMenuItemLook rtlCheckedImage = checkedImage;
  rtlCheckedImage.RightToLeft = true;
  TqelMenuItemLook badIndex = checked;  // an index outside the list: the check mark
  badIndex.Images = images.get();
  badIndex.ImageIndex = 5;

  const std::vector<Case> cases = {
      {"plain", plain, {{0, 12, c.LeftBarStart}, {25, 12, c.LeftBarStart}, {26, 12, c.Item}, {159, 0, c.Item}}},
      {"right to left", rtl, {{159, 12, c.LeftBarStart}, {134, 12, c.LeftBarStart}, {133, 12, c.Item}, {0, 0, c.Item}}},
      {"selected", selected, {{0, 0, c.SelectedBorder}, {159, 23, c.SelectedBorder}, {1, 1, c.Selected}, {80, 22, c.Selected}}},
      {"disabled selected", disabledSelected, {{1, 1, c.LeftBarStart}, {80, 22, c.Item}}},
      {"separator", separator,
       {{30, 2, kMenuSeparatorColor}, {157, 2, kMenuSeparatorColor}, {29, 2, c.Item}, {158, 2, c.Item}, {30, 1, c.Item},
        {30, 3, c.Item}, {0, 2, c.LeftBarStart}}},
      {"separator right to left", rtlSeparator,
       {{2, 2, kMenuSeparatorColor}, {129, 2, kMenuSeparatorColor}, {1, 2, c.Item}, {130, 2, c.Item}}},
      // The default mark's stroke runs through (10, 4) and (4, 6) of its 16 x 16
      // picture, placed at ((G - 16) / 2, (IH + 5 - 16) / 2) = (5, 2).
      {"checked", checked, {{15, 6, checkBlack}, {9, 8, checkBlack}, {5, 2, c.LeftBarStart}}},
      // Right to left at (right - 16 - 4, top + 3).
      {"checked right to left", rtlChecked, {{150, 7, checkBlack}, {144, 9, checkBlack}}},
      // With the list G = 30 and IH = 18: the mark at (7, 3).
      {"checked, index outside the list", badIndex, {{17, 7, checkBlack}, {11, 9, checkBlack}}},
      // A black frame (2, 1) - (G - 5, IH + 4) round the image at (4, 3).
      {"checked with image", checkedImage,
       {{2, 1, checkBlack}, {24, 21, checkBlack}, {2, 21, checkBlack}, {3, 2, c.Item}, {4, 3, 0x00FF00},
        {23, 20, 0x00FF00}, {25, 12, c.LeftBarStart}, {1, 12, c.LeftBarStart}}},
      // Mirrored: frame (right - G + 5, top + 1) - (right - 2, IH + 4), image at right - 24.
      {"checked with image right to left", rtlCheckedImage,
       {{135, 1, checkBlack}, {157, 21, checkBlack}, {136, 2, c.Item}, {136, 3, 0x00FF00}, {155, 20, 0x00FF00},
        {158, 12, c.LeftBarStart}}},
  };
  for (const Case& k : cases) {
    const TBitmap b = Paint(k.look, c);
    for (const TProbe& p : k.probes)
      EXPECT_EQ(Px(b, p.X, p.Y), Rgb(p.Expected)) << k.name << " at (" << p.X << ", " << p.Y << ")";
    EXPECT_EQ(CountIn(b, 0, kW, kUntouched), 0) << k.name << ": the whole item is painted";
  }
}

// Caption and shortcut text: in the item's font colour right of the
// gutter, the selected colour when selected, grey when disabled; never in
// the gutter. Right to left the caption ends before the gutter.
TEST_F(MenuPainterTest, TextColoursAndPlaces) {
  struct Case {
    const char* name;
    bool selected, enabled, rightToLeft;
    TColor font;
  };
  const Case cases[] = {
      {"normal", false, true, false, colors.ItemFont},
      {"selected", true, true, false, colors.SelectedFont},
      {"disabled", false, false, false, 0x808080},
      {"right to left", false, true, true, colors.ItemFont},
  };
  for (const Case& k : cases) {
    TqelMenuItemLook look;
    look.Caption = L"&Open file";
    look.Selected = k.selected;
    look.Enabled = k.enabled;
    look.RightToLeft = k.rightToLeft;
    const TBitmap b = Paint(look, colors);
    const int keepOutFrom = k.rightToLeft ? kW - 30 : 0;  // the gutter and the 4 px beside it
    EXPECT_GT(CountIn(b, 0, kW, Rgb(k.font)), 10) << k.name;
    EXPECT_EQ(CountIn(b, keepOutFrom, keepOutFrom + 30, Rgb(k.font)), 0) << k.name << ": nothing near the gutter";
  }
  // The shortcut ends 16 px before the right edge; the caption starts at G + 4.
  TqelMenuItemLook look;
  look.Caption = L"W";
  look.ShortCut = L"Ctrl+W";
  const TBitmap b = Paint(look, colors);
  const int font = static_cast<int>(Rgb(colors.ItemFont));
  int leftmost = kW, rightmost = -1;
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x)
      if (static_cast<int>(Px(b, x, y)) == font) leftmost = std::min(leftmost, x), rightmost = std::max(rightmost, x);
  EXPECT_GE(leftmost, 30);
  EXPECT_LE(leftmost, 34);
  EXPECT_LE(rightmost, kW - 16);
  EXPECT_GE(rightmost, kW - 24);
}

// The gutter's gradient runs from the start colour in the first column to
// the end colour in the last, one colour per column.
TEST_F(MenuPainterTest, GutterGradientWhenTheColoursDiffer) {
  TqelMenuColors c = colors;
  c.LeftBarStart = 0x000000;
  c.LeftBarEnd = 0xFF0000;  // blue, as 0x00BBGGRR
  TqelMenuItemLook look;
  const TBitmap b = Paint(look, c);
  EXPECT_EQ(Px(b, 0, 5), 0x000000u);
  EXPECT_EQ(Px(b, 25, 5), 0x0000FFu);
  for (int x = 1; x < 26; ++x) {
    EXPECT_GE(Px(b, x, 5), Px(b, x - 1, 5)) << "column " << x;
    EXPECT_EQ(Px(b, x, 5), Px(b, x, 20)) << "column " << x << " is one colour";
  }
  look.RightToLeft = true;
  const TBitmap r = Paint(look, c);
  EXPECT_EQ(Px(r, kW - 26, 5), 0x000000u) << "the gradient starts at the gutter's left side";
  EXPECT_EQ(Px(r, kW - 1, 5), 0x0000FFu);
}

// Heights and widths: separators 5; else the larger of text height, 21 and
// image height + 5; width = caption + shortcut widths + 66.
TEST_F(MenuPainterTest, Measures) {
  TBitmap surface(4, 4);
  TCanvas& canvas = surface.Canvas();
  const int captionWidth = canvas.TextWidth(L"Open");
  const int shortcutWidth = canvas.TextWidth(L"Ctrl+O");
  TqelMenuItemLook look;
  look.Caption = L"Open";
  EXPECT_EQ(MeasureSkinMenuItem(canvas, look).cx, captionWidth + 66);
  EXPECT_EQ(MeasureSkinMenuItem(canvas, look).cy, 21);
  look.ShortCut = L"Ctrl+O";
  EXPECT_EQ(MeasureSkinMenuItem(canvas, look).cx, captionWidth + shortcutWidth + 66);
  look.Images = images.get();  // 18 high
  EXPECT_EQ(MeasureSkinMenuItem(canvas, look).cy, 23);
  TqelMenuItemLook line;
  line.Caption = L"-";
  line.Separator = true;
  line.Images = images.get();
  EXPECT_EQ(MeasureSkinMenuItem(canvas, line).cy, 5);
}
