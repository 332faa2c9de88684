// What a skinned frame shows, compared pixel by pixel with the skin's own
// pictures: the title pieces, the borders, the close button as the mouse
// moves over it and presses it, the caption colours, the iconic window and
// the window's shape.
#include <gtest/gtest.h>

#include "FrameTestSupport.h"
#include "QELSkinUtilsPlatform.h"
#include "graphics/Font.h"

namespace {

int CaptionWidth(const std::wstring& text) {
  TBitmap b(1, 1);
  SetCaptionFont(b.Canvas().Font());
  return b.Canvas().TextWidth(text);
}

// Rows outside the title buttons' band (0..9 and 27..31) of a title piece.
int DifferentAroundButtons(const TBitmap& c, int left, int right, const TBitmap& piece, TColor key, TColor under) {
  return CountDifferent(c, {left, 0, right, 9}, piece, {0, 0, piece.Width(), 9}, key, under) +
         CountDifferent(c, {left, 27, right, 31}, piece, {0, 27, piece.Width(), 31}, key, under);
}

int CountColor(const TBitmap& b, RECT r, TColor color) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) n += Px(b, x, y) == ColorToPixel(color);
  return n;
}

}  // namespace

TEST_F(FrameTest, CaptionBarBordersAndTheCloseButtonAreTheSkinsPictures) {
  TTestForm* form = MakeForm(bsSizeable, 300, 200, L"Frame");
  HWND h = form->Handle();
  TqelSkinReader& skin = engine().SkinReader();
  const TColor key = skin.GetColor(SKIN2_TRANSCOLOR), formColor = skin.GetColor(SKIN2_FORMCOLOR);
  const TBitmap& t1 = *skin.GetBitmap(SKIN2_TITLEBAR1);
  const TBitmap& t3 = *skin.GetBitmap(SKIN2_TITLEBAR3);
  const TBitmap& t4 = *skin.GetBitmap(SKIN2_TITLEBAR4);
  const TBitmap& t5 = *skin.GetBitmap(SKIN2_TITLEBAR5);
  const TBitmap& buttons = *skin.GetBitmap(SKIN2_TITLEBUTTONS);
  const TBitmap& left = *skin.GetBitmap(SKIN2_FORMLEFTBORDER);
  const TBitmap& right = *skin.GetBitmap(SKIN2_FORMRIGHTBORDER);
  const TBitmap& bottom = *skin.GetBitmap(SKIN2_FORMBOTTOMBORDER1);
  auto frame = [&](int n) { return RECT{(n - 1) * 18, 0, n * 18, 18}; };

  ::SetCursorPos(0, 1000);  // away from the window
  TBitmap c = CaptureWindow(h);
  KeepCapture(c, "sizeable_active");
  // The window keeps its client size: its width follows the skin's borders.
  const int W = c.Width(), H = c.Height();
  const RECT close{W - 25, 9, W - 7, 27};
  const POINT onClose{W - 16, 18};
  // Five sections: left piece (without the icon's square), the caption's end
  // piece 2 px after the text, the filler, the right piece.
  const int t3Left = 41 + CaptionWidth(L"Frame") + 2;
  EXPECT_EQ(CountDifferent(c, {0, 0, 21, 31}, t1, {0, 0, 21, 31}, key, formColor), 0) << "left piece";
  EXPECT_EQ(CountDifferent(c, {21, 0, 31, 9}, t1, {21, 0, 31, 9}, key, formColor), 0) << "left piece";
  EXPECT_EQ(CountDifferent(c, {t3Left, 0, t3Left + 17, 31}, t3, {0, 0, 17, 31}, key, formColor), 0) << "end piece";
  EXPECT_EQ(DifferentAroundButtons(c, t3Left + 17, W - 14, t4, key, formColor), 0) << "filler";
  EXPECT_EQ(DifferentAroundButtons(c, W - 14, W, t5, key, formColor), 0) << "right piece";
  EXPECT_EQ(CountDifferent(c, close, buttons, frame(16)), 0) << "close, normal";
  EXPECT_EQ(CountDifferent(c, {W - 45, 9, W - 27, 27}, buttons, frame(7)), 0) << "maximize, normal";
  EXPECT_EQ(CountDifferent(c, {W - 65, 9, W - 47, 27}, buttons, frame(13)), 0) << "minimize, normal";
  EXPECT_EQ(CountDifferent(c, {0, 31, 5, H - 5}, left, {0, 0, 5, left.Height()}), 0) << "left border";
  EXPECT_EQ(CountDifferent(c, {W - 5, 31, W, H - 5}, right, {0, 0, 5, right.Height()}), 0) << "right border";
  EXPECT_EQ(CountDifferent(c, {0, H - 5, W, H}, bottom, {0, 0, bottom.Width(), 5}), 0) << "bottom border";

  // The close button follows the mouse: hot while over it, pressed while
  // held there, and its release posts the close command.
  HoverAt(h, onClose);
  c = CaptureWindow(h);
  KeepCapture(c, "close_hot");
  EXPECT_EQ(CountDifferent(c, close, buttons, frame(17)), 0) << "close, hot";
  EXPECT_EQ(CountDifferent(c, {W - 45, 9, W - 27, 27}, buttons, frame(7)), 0) << "maximize stays normal";
  NcButton(h, WM_NCLBUTTONDOWN, onClose);
  c = CaptureWindow(h);
  EXPECT_EQ(CountDifferent(c, close, buttons, frame(18)), 0) << "close, pressed";
  NcButton(h, WM_NCLBUTTONUP, onClose);
  EXPECT_EQ(TakePostedSysCommand(h), static_cast<WPARAM>(SC_CLOSE));
  HoverAt(h, {150, 18});
  c = CaptureWindow(h);
  EXPECT_EQ(CountDifferent(c, close, buttons, frame(16)), 0) << "close, normal again";

  // Caption text: the skin's colour while active, the inactive colour else.
  const RECT text{41, 9, 41 + CaptionWidth(L"Frame"), 25};
  const TColor active = skin.GetColor(SKIN2_TITLEFONTCOLOR);
  const TColor inactive = engine().Values().InactiveTitleFontColor;
  ::SendMessageW(h, WM_NCACTIVATE, TRUE, 0);
  c = CaptureWindow(h);
  EXPECT_GT(CountColor(c, text, active), 5);
  ::SendMessageW(h, WM_NCACTIVATE, FALSE, 0);
  c = CaptureWindow(h);
  KeepCapture(c, "sizeable_inactive");
  EXPECT_EQ(CountColor(c, text, active), 0);
  EXPECT_GT(CountColor(c, text, ColorToRGB(inactive)), 5);

  // A caption too long for the bar ends in "..." well before the buttons.
  TTestForm* wide = MakeForm(bsSizeable, 300, 200, L"A caption far too long to fit in the title bar of this window");
  ::SendMessageW(wide->Handle(), WM_NCACTIVATE, TRUE, 0);
  c = CaptureWindow(wide->Handle());
  KeepCapture(c, "long_caption");
  const int maxWidth = FrameOf(wide)->Geometry().CaptionMaxWidth();
  EXPECT_GT(CountColor(c, {41, 9, 41 + maxWidth, 25}, active), 20);
  EXPECT_EQ(CountColor(c, {41 + maxWidth, 9, c.Width() - 65, 25}, active), 0);
}

TEST_F(FrameTest, IconicWindowShowsTheMinimizedTitleAndARestoreButton) {
  TTestForm* form = MakeForm(bsSizeable, 300, 200, L"Iconic");
  HWND h = form->Handle();
  ::ShowWindow(h, SW_MINIMIZE);
  Pump();
  ASSERT_TRUE(::IsIconic(h));
  ::SetCursorPos(0, 1000);
  const TBitmap c = CaptureWindow(h);
  KeepCapture(c, "iconic");
  TqelSkinReader& skin = engine().SkinReader();
  const TBitmap& minimized = *skin.GetBitmap(SKIN2_MINIMIZEDTITLE);
  const TBitmap& buttons = *skin.GetBitmap(SKIN2_TITLEBUTTONS);
  const int w = c.Width(), hgt = c.Height();
  // The minimized title stretched over the whole window; left of the icon
  // nothing else is drawn.
  const RECT leftOfIcon{0, 0, 21, hgt};
  EXPECT_EQ(CountDifferent(c, {0, 0, w, hgt}, minimized, {0, 0, minimized.Width(), minimized.Height()}, clNone, clNone,
                           &leftOfIcon),
            0);
  // Close, maximize and (as restore) minimize, 5 px from the right edge.
  const int x = w - 18 - 5;
  EXPECT_EQ(CountDifferent(c, {x, 4, x + 18, 22}, buttons, {15 * 18, 0, 16 * 18, 18}), 0) << "close";
  EXPECT_EQ(CountDifferent(c, {x - 20, 4, x - 2, 22}, buttons, {6 * 18, 0, 7 * 18, 18}), 0) << "maximize";
  EXPECT_EQ(CountDifferent(c, {x - 40, 4, x - 22, 22}, buttons, {9 * 18, 0, 10 * 18, 18}), 0) << "restore";
  // Its minimize button restores it.
  NcButton(h, WM_NCLBUTTONDOWN, {x - 31, 12});
  NcButton(h, WM_NCLBUTTONUP, {x - 31, 12});
  EXPECT_EQ(TakePostedSysCommand(h), static_cast<WPARAM>(SC_RESTORE));
  ::ShowWindow(h, SW_RESTORE);
}

TEST_F(FrameTest, WindowShapeIsCutFromTheComposedTitle) {
  TTestForm* form = MakeForm(bsSizeable, 300, 200, L"Shape");
  HWND h = form->Handle();
  UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(::GetWindowRgn(h, region.get()), ERROR);
  RECT r{};
  ::GetWindowRect(h, &r);
  const int W = r.right - r.left, H = r.bottom - r.top;
  const auto mask = RegionMask(region.get(), W, H);
  // The expectation, scanned here from the composed title: rows 0..5 keep
  // the pixels that are not the transparent colour, every other row is whole.
  const TBitmap& title = FrameOf(form)->Painter().TitleBitmap();
  ASSERT_EQ(title.Width(), W);
  const std::uint32_t key = ColorToPixel(engine().SkinReader().GetColor(SKIN2_TRANSCOLOR));
  int wrong = 0, cut = 0;
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      const bool inside = y > 5 || Px(title, x, y) != key;
      cut += !inside;
      wrong += mask[static_cast<size_t>(y)][static_cast<size_t>(x)] != inside;
    }
  EXPECT_EQ(wrong, 0);
  EXPECT_GT(cut, 4) << "the rounded corners are cut off";
  EXPECT_FALSE(mask[0][0]);
  EXPECT_FALSE(mask[0][static_cast<size_t>(W - 1)]);
}
