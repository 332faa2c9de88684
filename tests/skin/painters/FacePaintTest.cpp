// Faces drawn from the built-in skin: speed and tool-bar buttons by state,
// up-down halves, the combo box's frame and button, the group box's frame
// and the status bar's grip.
#include <gtest/gtest.h>

#include "PainterTestSupport.h"
#include "QELSkinUtilsParts.h"
#include "painters/QELSkinComboBox.h"
#include "painters/QELSkinGroupBox.h"
#include "painters/QELSkinSpeedButton.h"
#include "painters/QELSkinStatusBar.h"
#include "painters/QELSkinToolBar.h"
#include "painters/QELSkinUpDown.h"

namespace {

using FacePaint = BuiltInSkinFixture;
constexpr std::uint32_t kMarker = 0x123456;
constexpr TColor kParent = 0x00A0B0C0;

// Pixels of the one-pixel ring just inside rect that are not `pixel`.
int CountRing(const TBitmap& target, const RECT& r, std::uint32_t pixel) {
  int wrong = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if ((x == r.left || x == r.right - 1 || y == r.top || y == r.bottom - 1) && Px(target, x, y) != pixel) ++wrong;
  return wrong;
}
int CountPixels(const TBitmap& target, const RECT& r, std::uint32_t pixel) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) n += Px(target, x, y) == pixel;
  return n;
}

int CountDifferent(const TBitmap& a, const TBitmap& b) {
  int wrong = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (Px(a, x, y) != Px(b, x, y)) ++wrong;
  return wrong;
}

struct SpeedCase {
  bool pressed, down, hot, enabled;
  int frame;
};
const SpeedCase kSpeed[] = {
    {false, false, false, true, 1}, {false, false, true, true, 2},  {true, false, true, true, 3},
    {false, true, false, true, 3},  {false, true, false, false, 3}, {true, false, false, false, 1},
    {false, false, true, false, 1},
};

TEST_F(FacePaint, SpeedButtonShowsTheButtonFrameOrTheFlatFaceOfItsState) {
  const SIZE size{60, 30};
  const TBitmap& picture = Picture(SKIN2_BUTTON);
  const int fw = picture.Width() / 3;
  for (const SpeedCase& c : kSpeed) {
    SCOPED_TRACE(testing::Message() << "pressed " << c.pressed << " down " << c.down << " hot " << c.hot
                                    << " enabled " << c.enabled);
    TSpeedButtonLook look;
    look.Pressed = c.pressed;
    look.Down = c.down;
    look.Hot = c.hot;
    look.Enabled = c.enabled;
    look.ParentColor = kParent;
    EXPECT_EQ(SpeedButtonFrameIndex(look), c.frame);
    TBitmap target = Filled(size.cx, size.cy, kMarker);
    PaintSpeedButtonFace(target.Canvas(), size, look, skin);
    // The reference: the frame cut from the skin's picture by hand, laid
    // out as a nine-grid over the parent's colour.
    TBitmap frame = SkinBitmapPart(*reader.GetSource(SKIN2_BUTTON), fw * (c.frame - 1), 0, fw, picture.Height());
    TBitmap expected = Filled(size.cx, size.cy, ColorToPixel(kParent));
    DrawNineGrid(frame, expected.Canvas(), RECT{0, 0, size.cx, size.cy}, reader.GetColor(SKIN2_TRANSCOLOR),
                 reader.GetFlag(SKIN2_BUTTONTRANS));
    EXPECT_EQ(CountDifferent(target, expected), 0);
    // The transparent corner of the skin's frame shows the parent's colour.
    EXPECT_EQ(Px(target, 0, 0), ColorToPixel(kParent));

    // Flat: the tool-bar colours, nothing but the parent's colour at rest.
    look.Flat = true;
    TBitmap flat = Filled(size.cx, size.cy, kMarker);
    PaintSpeedButtonFace(flat.Canvas(), size, look, skin);
    const std::uint32_t fill = c.frame == 3 ? Pixel(SKIN2_TOOLBARDOWNCOLOR)
                               : c.frame == 2 ? Pixel(SKIN2_TOOLBARONCOLOR)
                                              : ColorToPixel(kParent);
    const std::uint32_t edge = c.frame == 1 ? ColorToPixel(kParent) : Pixel(SKIN2_TOOLBARBORDERCOLOR);
    EXPECT_EQ(CountInside(flat, RECT{1, 1, size.cx - 1, size.cy - 1}, fill), 0);
    EXPECT_EQ(CountOutside(flat, RECT{1, 1, size.cx - 1, size.cy - 1}, edge), 0);
  }
}

TEST_F(FacePaint, SelfPaintedSpeedButtonKeepsItsFaceInsideATwoPixelFrame) {
  TBitmap target = Filled(40, 20, kMarker);
  PaintSelfPaintedFrame(target.Canvas(), SIZE{40, 20}, skin);
  EXPECT_EQ(CountInside(target, RECT{2, 2, 38, 18}, kMarker), 0);
  EXPECT_EQ(CountInside(target, RECT{0, 0, 1, 20}, Pixel(SKIN2_CONTROLBORDERCOLOR)), 0);
  const std::uint32_t face = ColorToPixel(clBtnFace);
  EXPECT_EQ(CountRing(target, RECT{1, 0, 40, 20}, face), 0);
  EXPECT_EQ(CountRing(target, RECT{1, 1, 39, 19}, face), 0);
}

TEST_F(FacePaint, ToolBarButtonsAreFlatFacesOverAGradientBackground) {
  struct {
    TToolButtonLook look;
    TFlatFace face;
  } cases[] = {
      {{false, false, false, true}, ffNormal}, {{true, false, false, true}, ffHot},
      {{true, true, false, true}, ffDown},     {{false, false, true, true}, ffDown},
      {{true, true, true, false}, ffNormal},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToolButtonFace(c.look), c.face);
    TBitmap target = Filled(24, 22, kMarker);
    EXPECT_EQ(PaintToolButton(target.Canvas(), RECT{0, 0, 24, 22}, c.look, skin), c.face != ffNormal);
    if (c.face == ffNormal) {
      EXPECT_EQ(CountInside(target, RECT{0, 0, 24, 22}, kMarker), 0);
    }
  }
  // The built-in skin has no tool-bar picture: start to end colour.
  TBitmap bar = Filled(100, 26, kMarker);
  PaintToolBarBackground(bar.Canvas(), RECT{0, 0, 100, 26}, skin);
  EXPECT_EQ(Px(bar, 50, 0), Pixel(SKIN2_TOOLBARSTARTCOLOR));
  EXPECT_EQ(Px(bar, 50, 25), Pixel(SKIN2_TOOLBARENDCOLOR));
}

TEST_F(FacePaint, UpDownFramesBothHalvesAndFillsThePressedOne) {
  const std::uint32_t border = Pixel(SKIN2_TOOLBARBORDERCOLOR), down = Pixel(SKIN2_TOOLBARDOWNCOLOR);
  const std::uint32_t form = Pixel(SKIN2_FORMCOLOR);
  for (bool horizontal : {false, true})
    for (TUpDownHalf pressed : {udhNone, udhFirst, udhSecond}) {
      SCOPED_TRACE(testing::Message() << "horizontal " << horizontal << " pressed " << pressed);
      const SIZE client = horizontal ? SIZE{34, 17} : SIZE{17, 34};
      TBitmap target = Filled(client.cx, client.cy, kMarker);
      PaintUpDown(target.Canvas(), client, TUpDownLook{horizontal, pressed, true}, skin);
      int arrows = 0;
      for (TUpDownHalf half : {udhFirst, udhSecond}) {
        const RECT r = UpDownHalfRect(client, horizontal, half);
        const RECT inner{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
        EXPECT_EQ(CountRing(target, r, border), 0);
        const std::uint32_t fill = pressed == half ? down : form;
        const int black = CountPixels(target, inner, 0x000000);
        EXPECT_EQ(CountInside(target, inner, fill), black) << "half " << half;
        arrows += black;
        EXPECT_EQ(UpDownHalfAt(client, horizontal, POINT{(inner.left + inner.right) / 2, (inner.top + inner.bottom) / 2}),
                  half);
      }
      // Two filled triangles of 4 x 7 (16 pixels each).
      EXPECT_EQ(arrows, 32);
    }
}

TEST_F(FacePaint, ComboBoxFramesTheWindowAndDrawsItsButtonArea) {
  const std::uint32_t border = Pixel(SKIN2_CONTROLBORDERCOLOR), control = Pixel(SKIN2_CONTROLCOLOR);
  const TColor own = 0x00E0F0FF;
  for (bool rtl : {false, true}) {
    SCOPED_TRACE(rtl ? "right to left" : "left to right");
    TComboBoxLook look;
    look.Size = SIZE{120, 22};
    look.Button = rtl ? RECT{2, 2, 19, 20} : RECT{101, 2, 118, 20};
    look.RightToLeft = rtl;
    look.Color = own;
    TBitmap target = Filled(120, 22, kMarker);
    PaintComboBoxFrame(target.Canvas(), look, skin);
    EXPECT_EQ(CountOutside(target, RECT{1, 1, 119, 21}, border), 0);
    EXPECT_EQ(CountRing(target, RECT{1, 1, 119, 21}, ColorToPixel(own)), 0);
    const int lineX = rtl ? look.Button.right - 1 : look.Button.left;
    EXPECT_EQ(CountInside(target, RECT{lineX, 2, lineX + 1, 20}, border), 0);
    const RECT area = rtl ? RECT{2, 2, 18, 20} : RECT{102, 2, 118, 20};
    const int black = CountPixels(target, area, 0x000000);
    EXPECT_EQ(black, 16);
    EXPECT_EQ(CountInside(target, area, control), black);
    const POINT arrow = ComboArrowOrigin(look.Button);
    EXPECT_EQ(Px(target, arrow.x, arrow.y), 0u);
    EXPECT_EQ(Px(target, arrow.x + 6, arrow.y), 0u);
    EXPECT_EQ(Px(target, arrow.x + 3, arrow.y + 3), 0u);
  }
}

TEST_F(FacePaint, GroupBoxFrameStartsHalfATextDownAndBreaksForTheCaption) {
  const SIZE client{160, 80};
  const std::uint32_t border = Pixel(SKIN2_CONTROLBORDERCOLOR), back = ColorToPixel(kParent);
  for (bool rtl : {false, true}) {
    SCOPED_TRACE(rtl ? "right to left" : "left to right");
    TBitmap target = Filled(client.cx, client.cy, kMarker);
    TGroupBoxLook look{L"Options", kParent, true, rtl};
    PaintGroupBox(target.Canvas(), client, look, skin);
    const TGroupBoxLayout layout = GroupBoxLayout(target.Canvas(), client, look);
    const int textHeight = target.Canvas().TextHeight(L"0");
    EXPECT_EQ(layout.Frame.top, textHeight / 2);
    const int width = layout.Caption.right - layout.Caption.left;
    EXPECT_GT(width, 10);
    EXPECT_EQ(layout.Caption.left, rtl ? client.cx - 8 - width : 8);
    // The frame's top row is the border colour but under the caption.
    for (int x = 0; x < client.cx; ++x) {
      const bool underCaption = x >= layout.Caption.left && x < layout.Caption.right;
      if (!underCaption) {
        ASSERT_EQ(Px(target, x, layout.Frame.top), border) << x;
      }
    }
    for (int y = layout.Frame.top + 1; y < client.cy; ++y) {
      ASSERT_EQ(Px(target, 0, y), border);
      ASSERT_EQ(Px(target, client.cx - 1, y), border);
    }
    // A ring of the control's colour inside the frame; the inside is the
    // control's own (checked below the caption, which reaches into it).
    for (int x : {1, static_cast<int>(client.cx) - 2})
      EXPECT_EQ(CountInside(target, RECT{x, layout.Frame.top + 1, x + 1, client.cy - 1}, back), 0) << x;
    EXPECT_EQ(CountInside(target, RECT{1, client.cy - 2, client.cx - 1, client.cy - 1}, back), 0);
    EXPECT_EQ(CountInside(target, RECT{2, textHeight, client.cx - 2, client.cy - 2}, kMarker), 0);
    // The caption is dark text on the control's colour, as is the band
    // above the frame.
    EXPECT_GT(CountPixels(target, layout.Caption, 0x000000), 10);
    EXPECT_EQ(CountInside(target, RECT{0, 0, layout.Caption.left, layout.Frame.top}, back), 0);
    EXPECT_EQ(CountInside(target, RECT{layout.Caption.right, 0, client.cx, layout.Frame.top}, back), 0);
  }
}

TEST_F(FacePaint, StatusGripDrawsItsDiagonalsInTheCornerOnly) {
  const SIZE client{200, 22};
  const TColor own = 0x00D0D8E0;
  TBitmap target = Filled(client.cx, client.cy, kMarker);
  PaintStatusGrip(target.Canvas(), client, TStatusBarLook{true, own});
  const RECT grip = StatusGripRect(client);
  EXPECT_EQ(grip.right - grip.left, 15);
  EXPECT_EQ(grip.bottom - grip.top, 14);
  const std::uint32_t line = ColorToPixel(clInactiveCaption);
  for (int y = grip.top; y < grip.bottom; ++y)
    for (int x = grip.left; x < grip.right; ++x) {
      const int d = (grip.right - 1 - x) + (grip.bottom - 1 - y);
      const bool onLine = d == 3 || d == 7 || d == 11 || d == 13;
      ASSERT_EQ(Px(target, x, y), onLine ? line : ColorToPixel(own)) << x << "," << y;
    }
  const RECT withStrips{grip.left - kGripStrip, grip.top - kGripStrip, grip.right, grip.bottom};
  EXPECT_EQ(CountOutside(target, withStrips, kMarker), 0);
  EXPECT_EQ(CountPixels(target, RECT{withStrips.left, withStrips.top, grip.left, grip.bottom}, ColorToPixel(own)),
            kGripStrip * (kGripHeight + kGripStrip));

  TBitmap none = Filled(client.cx, client.cy, kMarker);
  PaintStatusGrip(none.Canvas(), client, TStatusBarLook{false, own});
  EXPECT_EQ(CountInside(none, RECT{0, 0, client.cx, client.cy}, kMarker), 0);
}

}  // namespace
