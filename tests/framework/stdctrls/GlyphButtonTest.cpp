// Bitmap buttons and speed buttons: where the glyph goes, what each state
// shows, and how speed buttons of a group go down and up.
#include "framework/stdctrls/BitBtn.h"
#include "framework/stdctrls/SpeedButton.h"

#include "StdCtrlsTesting.h"

namespace {

using GlyphButtonTest = StdCtrlsTest;

constexpr TColor kKey = clFuchsia;  // the glyphs' transparent colour

// A strip of solid squares, one colour per frame, the bottom-left pixel
// of the strip in the transparent colour.
TBitmap Strip(std::initializer_list<TColor> frames, int size = 16) {
  TBitmap b(size * static_cast<int>(frames.size()), size);
  int x = 0;
  for (TColor c : frames) {
    for (int y = 0; y < size; ++y)
      for (int i = 0; i < size; ++i) b.SetPixel(x + i, y, c);
    x += size;
  }
  b.SetPixel(0, size - 1, kKey);
  return b;
}

// The smallest rectangle holding every pixel of colour.
RECT BoundsOf(const TBitmap& b, TColor colour) {
  RECT r{b.Width(), b.Height(), 0, 0};
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.Pixel(x, y) == colour) {
        r.left = std::min<LONG>(r.left, x);
        r.top = std::min<LONG>(r.top, y);
        r.right = std::max<LONG>(r.right, x + 1);
        r.bottom = std::max<LONG>(r.bottom, y + 1);
      }
  return r;
}

TEST_F(GlyphButtonTest, BitBtnGlyphGoesWhereLayoutAndMarginPutIt) {
  auto* button = Add<TBitBtn>(10, 10, 100, 40);
  button->SetGlyph(Strip({clRed}));
  button->SetMargin(4);
  // Inside the one-pixel frame (1, 1, 99, 39); the glyph's transparent
  // corner pixel leaves a 15 x 16 red area around it.
  const struct {
    TButtonLayout layout;
    RECT red;
  } cases[] = {
      {blGlyphLeft, {5, 12, 21, 28}},
      {blGlyphRight, {79, 12, 95, 28}},
      {blGlyphTop, {42, 5, 58, 21}},
      {blGlyphBottom, {42, 19, 58, 35}},
  };
  for (const auto& c : cases) {
    button->SetLayout(c.layout);
    const TBitmap shot = CaptureScreen(*button);
    const RECT r = BoundsOf(shot, clRed);
    EXPECT_TRUE(EqualRect(&r, &c.red)) << "layout " << c.layout << ": " << r.left << "," << r.top << ","
                                       << r.right << "," << r.bottom;
    EXPECT_EQ(CountPixels(shot, {0, 0, 100, 40}, kKey), 0);  // transparent
    EXPECT_EQ(CountPixels(shot, c.red, clRed), 16 * 16 - 1);
  }
}

TEST_F(GlyphButtonTest, DisabledBitBtnShowsItsDisabledFrameOrAnEmbossedGlyph) {
  auto* button = Add<TBitBtn>(10, 10, 100, 40);
  button->SetCaption(L"Go");
  button->SetGlyph(Strip({clRed, clBlue}));
  button->SetNumGlyphs(2);
  button->SetEnabled(false);
  TBitmap shot = CaptureScreen(*button);
  EXPECT_EQ(CountPixels(shot, {0, 0, 100, 40}, clRed), 0);
  EXPECT_GT(CountPixels(shot, {0, 0, 100, 40}, clBlue), 200);
  // One frame only: drawn in the shadow and highlight colours.
  button->SetGlyph(Strip({clBlack}));
  button->SetNumGlyphs(1);
  shot = CaptureScreen(*button);
  EXPECT_EQ(CountPixels(shot, {0, 0, 100, 40}, clBlack), 0);
  EXPECT_GT(CountPixels(shot, {0, 0, 100, 40}, PixelToColor(ColorToPixel(clBtnShadow))), 200);
  button->SetEnabled(true);
  shot = CaptureScreen(*button);
  EXPECT_GT(CountPixels(shot, {0, 0, 100, 40}, clBlack), 200);
}

TEST_F(GlyphButtonTest, BitBtnPressesLikeAButton) {
  auto* button = Add<TBitBtn>(10, 10, 100, 40);
  button->SetCaption(L"&Run");
  button->SetModalResult(mrOk);
  int clicks = 0;
  button->OnClick = [&](TObject&) { ++clicks; };
  ClickOn(*button);
  PressKey(VK_SPACE);
  PressKey(VK_RETURN);  // focused: the active button
  PressKey('R', {VK_MENU});
  EXPECT_EQ(clicks, 4);
  EXPECT_EQ(form->ModalResult(), mrOk);
  EXPECT_EQ(StyleOf(*button) & BS_TYPEMASK, BS_OWNERDRAW);
}

// Speed buttons by clicks: what is Down after each click.
TEST_F(GlyphButtonTest, SpeedButtonGroupsKeepOneDown) {
  TSpeedButton* b[3];
  for (int i = 0; i < 3; ++i) {
    b[i] = Add<TSpeedButton>(10 + 30 * i, 10, 25, 25);
    b[i]->SetGroupIndex(1);
  }
  auto* toggle = Add<TSpeedButton>(120, 10, 25, 25);
  toggle->SetGroupIndex(2);
  toggle->SetAllowAllUp(true);
  auto* plain = Add<TSpeedButton>(150, 10, 25, 25);
  int clicks = 0;
  for (TSpeedButton* s : {b[0], b[1], b[2], toggle, plain}) s->OnClick = [&](TObject&) { ++clicks; };

  const struct {
    TSpeedButton* click;
    const char* down;  // b0 b1 b2 toggle plain
  } steps[] = {
      {b[0], "10000"}, {b[2], "00100"}, {b[2], "00100"},  // no AllowAllUp: stays down
      {toggle, "00110"}, {toggle, "00100"}, {plain, "00100"},
  };
  int n = 0;
  for (const auto& s : steps) {
    ClickOn(*s.click);
    ++n;
    std::string down;
    for (TSpeedButton* x : {b[0], b[1], b[2], toggle, plain}) down += x->Down() ? '1' : '0';
    EXPECT_EQ(down, s.down) << "step " << n;
    EXPECT_EQ(clicks, n);
  }
  // A press dragged off the button is no click.
  Play({MoveInput(*plain, Centre(*plain)), {MouseInput(MOUSEEVENTF_LEFTDOWN)}, MoveInput(*form, {300, 200}),
        {MouseInput(MOUSEEVENTF_LEFTUP)}});
  EXPECT_EQ(clicks, n);
}

// A flat button shows no frame until the mouse is over it; a raised one
// always does; a held down one is checkered.
TEST_F(GlyphButtonTest, SpeedButtonFaceFollowsFlatHotAndDown) {
  form->SetColor(clWhite);
  auto* button = Add<TSpeedButton>(10, 10, 30, 30);
  auto* away = Add<TSpeedButton>(100, 10, 30, 30);
  const TColor shadow = PixelToColor(ColorToPixel(clBtnShadow));
  auto face = [&] {
    Pump();
    TBitmap shot = CaptureScreen(*form);
    return std::pair{CountPixels(shot, {10, 10, 40, 40}, shadow), CountPixels(shot, {10, 10, 40, 40}, clWhite)};
  };
  auto [raisedShadow, raisedWhite] = face();
  EXPECT_GT(raisedShadow, 40);  // frame
  EXPECT_LT(raisedWhite, 200);  // face in button colour
  button->SetFlat(true);
  Play({MoveInput(*away, Centre(*away))});
  auto [flatShadow, flatWhite] = face();
  EXPECT_EQ(flatShadow, 0);
  EXPECT_GT(flatWhite, 850);  // the parent shows through
  Play({MoveInput(*button, Centre(*button))});
  EXPECT_TRUE(button->MouseInControl());
  auto [hotShadow, hotWhite] = face();
  EXPECT_GT(hotShadow, 40);  // a thin raised edge
  EXPECT_GT(hotWhite, 600);
  button->SetGroupIndex(1);
  button->SetAllowAllUp(true);
  button->SetDown(true);
  const TBitmap down = CaptureScreen(*form);
  EXPECT_EQ(button->State(), bsExclusive);
  EXPECT_GT(CountPixels(down, {14, 14, 36, 36}, PixelToColor(ColorToPixel(clBtnFace))), 150);  // checkered
}

}  // namespace
