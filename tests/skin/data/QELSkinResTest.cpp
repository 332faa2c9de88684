// Skin resources: the scroll-bar pieces of the built-in skin and of skins
// made here for each rule (uniform and striped grips, the whole-bar skin,
// bars too short to cut), tab and progress-bar pieces.
#include "QELSkinRes.h"

#include <gtest/gtest.h>

#include "QELSkinUtilsBitmap.h"
#include "SkinPackageBuilder.h"
#include "SkinResourceSet.h"
#include "SkinTestSupport.h"

namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;

// Rows [top, bottom) of source with the transparent colour replaced by
// replacement: what a thumb piece must hold.
TBitmap ExpectedRows(const TBitmap& source, int top, int bottom, TColor replacement) {
  return MakeBitmap(source.Width(), bottom - top, [&](int x, int y) {
    const std::uint32_t p = Px(source, x, top + y);
    return p == kMagenta ? ColorToPixel(replacement) : p;
  });
}

void ExpectSamePixels(const TBitmap* actual, const TBitmap& expected, const char* what) {
  ASSERT_NE(actual, nullptr) << what;
  ASSERT_EQ(actual->Width(), expected.Width()) << what;
  ASSERT_EQ(actual->Height(), expected.Height()) << what;
  for (int y = 0; y < expected.Height(); ++y)
    for (int x = 0; x < expected.Width(); ++x)
      ASSERT_EQ(Px(*actual, x, y), Px(expected, x, y)) << what << " at " << x << "," << y;
}

TBitmap TurnedCopy(const TBitmap& source, void (*turn)(TBitmap&)) {
  TBitmap copy(source);
  turn(copy);
  return copy;
}

std::filesystem::path TempFile(const char* name) { return std::filesystem::current_path() / name; }

// A skin with arrow buttons of three 6-pixel frames whose pixel values say
// button, frame and position, magenta in the top-left pixel, and the given
// scroll bar.
std::filesystem::path ScrollSkin(const char* file, const TBitmap* bar, TColor barColor) {
  auto button = [](unsigned which) {
    return MakeBitmap(18, 6, [which](int x, int y) {
      return (x % 6 == 0 && y == 0) ? kMagenta : (which << 16) | (static_cast<unsigned>(x) << 8) | y;
    });
  };
  TSkinPackageBuilder builder;
  builder.Integer("SKIN2_TRANSCOLOR", 0xFF00FF)
      .Integer("SKIN2_SCROLLBARCOLOR", barColor)
      .Bitmap("SKIN2_SCROLLBARUPBUTTON", button(1))
      .Bitmap("SKIN2_SCROLLBARDOWNBUTTON", button(2));
  if (bar) builder.Bitmap("SKIN2_SCROLLBAR", *bar);
  return builder.Write(TempFile(file));
}

}  // namespace

TEST(TqelSkinScrollBtnRes, BuiltInSkinCutsTheThumbWithF19) {
  TqelSkinReader reader(BuiltInSkin(), "");
  ASSERT_TRUE(reader.Loaded());
  TqelSkinScrollBtnRes res;
  res.SetReader(&reader);
  const TBitmap& bar = *reader.GetBitmap(SKIN2_SCROLLBAR);
  ASSERT_EQ(bar.Height(), 63);
  const TColor s = reader.GetColor(SKIN2_SCROLLBARCOLOR);

  EXPECT_FALSE(res.UseWholeBar());
  EXPECT_EQ(res.WholeBar(), nullptr);
  EXPECT_EQ(res.ScrollBarWidth(), 18);
  // Top cap 0-2, upper fill 4-22, grip 23-41, lower fill 41-59, bottom cap 60-62.
  ExpectSamePixels(res.GetVertThumb(1), ExpectedRows(bar, 0, 3, s), "top cap");
  ExpectSamePixels(res.GetVertThumb(2), ExpectedRows(bar, 4, 23, s), "upper fill");
  ExpectSamePixels(res.GetVertThumb(3), ExpectedRows(bar, 23, 42, s), "grip");
  ExpectSamePixels(res.GetVertThumb(4), ExpectedRows(bar, 41, 60, s), "lower fill");
  ExpectSamePixels(res.GetVertThumb(5), ExpectedRows(bar, 60, 63, s), "bottom cap");

  for (int i = 1; i <= 3; ++i) {
    TBitmap up, down;
    SliceBitmap(reader.GetBitmap(SKIN2_SCROLLBARUPBUTTON), up, 3, i);
    SliceBitmap(reader.GetBitmap(SKIN2_SCROLLBARDOWNBUTTON), down, 3, i);
    ExpectSamePixels(res.GetVertButton(i), ExpectedRows(up, 0, 18, s), "up button");
    ExpectSamePixels(res.GetVertButton(i + 3), ExpectedRows(down, 0, 18, s), "down button");
  }
  for (int i = 1; i <= 6; ++i) {
    const TBitmap* piece = res.GetHorzButton(i);
    ASSERT_NE(piece, nullptr);
    for (int y = 0; y < piece->Height(); ++y)
      for (int x = 0; x < piece->Width(); ++x) ASSERT_NE(Px(*piece, x, y), kMagenta) << i;
  }
  EXPECT_EQ(res.GetVertThumb(0), nullptr);
  EXPECT_EQ(res.GetVertThumb(6), nullptr);
  EXPECT_EQ(res.GetHorzButton(7), nullptr);
}

TEST(TqelSkinScrollBtnRes, UniformGripTurnsEverythingCounterClockwise) {
  // 10 x 30, F = 8; each row one colour, so the grip is uniform across.
  const TBitmap bar = MakeBitmap(10, 30, [](int, int y) { return 0x300000u + y; });
  const auto path = ScrollSkin("uniform.qsk", &bar, 0xF9F9F9);
  TqelSkinReader reader(path, "");
  TqelSkinScrollBtnRes res;
  res.SetReader(&reader);
  EXPECT_EQ(res.GetVertThumb(2)->Height(), 8);
  EXPECT_EQ(res.GetVertThumb(3)->Height(), 8);  // rows 12 .. 19
  EXPECT_EQ(Px(*res.GetVertThumb(3), 0, 0), 0x300000u + 12);
  for (int i = 1; i <= 5; ++i)
    ExpectSamePixels(res.GetHorzThumb(i), TurnedCopy(*res.GetVertThumb(i), RotateBitmap90), "horizontal thumb");
  for (int i = 1; i <= 6; ++i)
    ExpectSamePixels(res.GetHorzButton(i), TurnedCopy(*res.GetVertButton(i), RotateBitmap90), "horizontal button");
  // The magenta corner of every button frame became the scroll-bar colour.
  EXPECT_EQ(Px(*res.GetVertButton(2), 0, 0), 0xF9F9F9u);
  std::filesystem::remove(path);
}

TEST(TqelSkinScrollBtnRes, StripedGripReversesTheThumbAndExchangesTheButtons) {
  // Column 5 of every row differs: the grip's row 1 is not uniform.
  const TBitmap bar = MakeBitmap(10, 30, [](int x, int y) { return x == 5 ? 0x00FF00u : 0x300000u + y; });
  const auto path = ScrollSkin("striped.qsk", &bar, 0xF9F9F9);
  TqelSkinReader reader(path, "");
  TqelSkinScrollBtnRes res;
  res.SetReader(&reader);
  for (int i = 1; i <= 5; ++i)
    ExpectSamePixels(res.GetHorzThumb(6 - i), TurnedCopy(*res.GetVertThumb(i), RotateBitmap270), "reversed thumb");
  // Horizontal button 1 is vertical button 4 turned 90 then 180 degrees.
  for (int i = 1; i <= 3; ++i) {
    TBitmap expected = TurnedCopy(*res.GetVertButton(i + 3), RotateBitmap90);
    RotateBitmap180(expected);
    ExpectSamePixels(res.GetHorzButton(i), expected, "exchanged button");
    expected = TurnedCopy(*res.GetVertButton(i), RotateBitmap90);
    RotateBitmap180(expected);
    ExpectSamePixels(res.GetHorzButton(i + 3), expected, "exchanged button");
  }
  std::filesystem::remove(path);
}

TEST(TqelSkinScrollBtnRes, WholeBarOnlyForItsExactSkin) {
  // Height 33, pixel (1, 10) = TColor 0xB23901, scroll-bar colour 0xCBCBCB.
  const TBitmap bar = MakeBitmap(12, 33, [](int x, int y) { return x == 1 && y == 10 ? ColorToPixel(0xB23901) : 0x445566u; });
  const auto whole = ScrollSkin("whole.qsk", &bar, 0xCBCBCB);
  TqelSkinReader reader(whole, "");
  TqelSkinScrollBtnRes res;
  res.SetReader(&reader);
  EXPECT_TRUE(res.UseWholeBar());
  ExpectSamePixels(res.WholeBar(), bar, "whole bar");
  ExpectSamePixels(res.WholeBarHorz(), TurnedCopy(bar, RotateBitmap90), "whole bar turned");

  const auto other = ScrollSkin("notwhole.qsk", &bar, 0xCBCBCA);
  reader.Load(other, "");
  res.Update();
  EXPECT_FALSE(res.UseWholeBar());
  EXPECT_EQ(res.WholeBar(), nullptr);
  std::filesystem::remove(whole);
  std::filesystem::remove(other);
}

TEST(TqelSkinScrollBtnRes, ShortAndMissingBars) {
  // Height 7: F = 0, so fills and grip are one-pixel blanks.
  const TBitmap shortBar = Filled(9, 7, 0x112233);
  const auto path = ScrollSkin("short.qsk", &shortBar, 0xF9F9F9);
  TqelSkinReader reader(path, "");
  TqelSkinScrollBtnRes res;
  res.SetReader(&reader);
  for (int i = 2; i <= 4; ++i) {
    ASSERT_NE(res.GetVertThumb(i), nullptr);
    EXPECT_EQ(res.GetVertThumb(i)->Width(), 9);
    EXPECT_EQ(res.GetVertThumb(i)->Height(), 1);
  }
  EXPECT_EQ(res.GetVertThumb(5)->Height(), 3);
  EXPECT_EQ(res.ScrollBarWidth(), 9);

  const auto noBar = ScrollSkin("nobar.qsk", nullptr, 0xF9F9F9);
  reader.Load(noBar, "");
  res.Update();
  EXPECT_EQ(res.GetVertThumb(1), nullptr);
  EXPECT_EQ(res.GetHorzThumb(1), nullptr);
  EXPECT_EQ(res.ScrollBarWidth(), 0);
  ASSERT_NE(res.GetVertButton(1), nullptr);
  EXPECT_EQ(Px(*res.GetVertButton(1), 0, 0), 0xF9F9F9u) << "buttons are recoloured without a bar too";

  res.SetReader(nullptr);
  EXPECT_EQ(res.GetVertButton(1), nullptr);
  std::filesystem::remove(path);
  std::filesystem::remove(noBar);
}

TEST(TqelSkinTabRes, TwelvePiecesInFourOrientations) {
  TqelSkinReader reader(BuiltInSkin(), "");
  TqelSkinTabRes res;
  res.SetReader(&reader);
  const TBitmap& tab = *reader.GetBitmap(SKIN2_TABCONTROL);  // 60 x 22
  TBitmap a, b;
  SliceBitmap(&tab, a, 2, 1);
  SliceBitmap(&tab, b, 2, 2);
  ExpectSamePixels(res.TabA(), a, "TabA");
  ExpectSamePixels(res.TabB(), b, "TabB");
  ExpectSamePixels(res.TabLine(), *reader.GetBitmap(SKIN2_TABCONTROLLINE), "TabLine");
  // Left: the top edge on the left; bottom: upside down; right: the top
  // edge on the right.
  const TBitmap* left = res.TabA(TqelSkinTabRes::sdLeft);
  const TBitmap* bottom = res.TabA(TqelSkinTabRes::sdBottom);
  const TBitmap* right = res.TabA(TqelSkinTabRes::sdRight);
  ASSERT_TRUE(left && bottom && right);
  EXPECT_EQ(left->Width(), 22);
  EXPECT_EQ(left->Height(), 30);
  for (int x = 0; x < 30; ++x) {
    EXPECT_EQ(Px(*left, 0, 29 - x), Px(a, x, 0));
    EXPECT_EQ(Px(*right, 21, x), Px(a, x, 0));
    EXPECT_EQ(Px(*bottom, 29 - x, 21), Px(a, x, 0));
  }
  EXPECT_EQ(res.TabLine(TqelSkinTabRes::sdRight)->Width(), 1);
  EXPECT_EQ(res.TabLine(TqelSkinTabRes::sdBottom)->Width(), 8);

  TqelSkinReader unloaded;
  res.SetReader(&unloaded);
  EXPECT_EQ(res.TabA(), nullptr);
  EXPECT_EQ(res.TabLine(TqelSkinTabRes::sdLeft), nullptr);
}

TEST(TqelSkinProgressBarRes, CopiesAndTurnedCopies) {
  TqelSkinReader reader(BuiltInSkin(), "");
  TqelSkinProgressBarRes res;
  res.SetReader(&reader);
  const TSkin2BitmapKey keys[4] = {SKIN2_PROGRESSBAR1, SKIN2_PROGRESSBAR2, SKIN2_PROGRESSBAR3, SKIN2_PROGRESSBAR4};
  for (int i = 1; i <= 4; ++i) {
    const TBitmap& source = *reader.GetBitmap(keys[i - 1]);
    ExpectSamePixels(res.GetHorz(i), source, "horizontal");
    ExpectSamePixels(res.GetVert(i), TurnedCopy(source, RotateBitmap90), "vertical");
  }
  EXPECT_EQ(res.LeftCapWidth(), 1);
  EXPECT_EQ(res.RightCapWidth(), 1);
  EXPECT_EQ(res.GetHorz(5), nullptr);

  res.SetReader(nullptr);
  EXPECT_EQ(res.GetHorz(1), nullptr);
  EXPECT_EQ(res.LeftCapWidth(), 0);
}

TEST(TqelSkinRes, PiecesCarryTheTransparencyOfWhatTheyCopy) {
  // Whole pictures keep the skin's fixed transparent colour, as the
  // reader's bitmaps have it; frames and rows cut from a picture start with
  // a bitmap's defaults. Turned pieces keep the settings of what they turn.
  TqelSkinReader reader(BuiltInSkin(), "");
  TSkinResourceSet set;
  set.SetReader(&reader);
  TqelSkinScrollBtnRes& scroll = set.scroll;
  TqelSkinTabRes& tabs = set.tabs;
  TqelSkinProgressBarRes& progress = set.progress;
  struct Row {
    const char* what;
    const TBitmap* piece;
    bool fixedMagenta;
  };
  const Row rows[] = {
      {"progress horizontal", progress.GetHorz(2), true},   {"progress vertical", progress.GetVert(2), true},
      {"tab line", tabs.TabLine(), true},                   {"tab line right", tabs.TabLine(TqelSkinTabRes::sdRight), true},
      {"tab A", tabs.TabA(), false},                        {"tab B bottom", tabs.TabB(TqelSkinTabRes::sdBottom), false},
      {"vertical button", scroll.GetVertButton(2), false},  {"horizontal button", scroll.GetHorzButton(5), false},
      {"vertical thumb", scroll.GetVertThumb(3), false},    {"horizontal thumb", scroll.GetHorzThumb(1), false},
  };
  for (const Row& row : rows) {
    ASSERT_NE(row.piece, nullptr) << row.what;
    EXPECT_FALSE(row.piece->Transparent()) << row.what;
    EXPECT_EQ(row.piece->TransparentMode(), row.fixedMagenta ? tmFixed : tmAuto) << row.what;
    if (row.fixedMagenta) {
      EXPECT_EQ(row.piece->TransparentColor(), 0xFF00FF) << row.what;
    }
  }
}
