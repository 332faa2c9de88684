// Bars drawn from the built-in skin: progress bars (caps, empty track and
// filled part by position, both directions), track bars (channel, thumb
// and ticks) and the scroll-bar control's look.
#include <gtest/gtest.h>

#include <climits>

#include "PainterTestSupport.h"
#include "QELSkinUtilsBitmap.h"
#include "painters/QELSkinProgressBar.h"
#include "painters/QELSkinScrollBarLook.h"
#include "painters/QELSkinTrackBar.h"

namespace {

using BarPaint = BuiltInSkinFixture;

// Column x of target equals column sx of piece, row for row.
bool SameColumn(const TBitmap& target, int x, const TBitmap& piece, int sx) {
  for (int y = 0; y < piece.Height(); ++y)
    if (Px(target, x, y) != Px(piece, sx, y)) return false;
  return true;
}
bool SameRow(const TBitmap& target, int y, const TBitmap& piece, int sy) {
  for (int x = 0; x < piece.Width(); ++x)
    if (Px(target, x, y) != Px(piece, x, sy)) return false;
  return true;
}

struct ProgressCase {
  int min, max, position;
  int fill;  // expected filled pixels of the 98-pixel track
};
const ProgressCase kProgress[] = {
    {0, 100, 0, 0},     {0, 100, 50, 49},  {0, 100, 100, 98}, {0, 100, 150, 98},  {0, 100, -5, 0},
    {10, 20, 15, 49},   {5, 5, 5, 0},      {20, 10, 15, 0},   {INT_MIN, INT_MAX, 0, 49},
};

TEST_F(BarPaint, ProgressBarShowsCapsTrackAndFillByPosition) {
  constexpr int kLength = 100;  // 1-pixel caps: a 98-pixel track
  const TBitmap& empty = Picture(SKIN2_PROGRESSBAR2);
  const TBitmap& filled = Picture(SKIN2_PROGRESSBAR3);
  const TBitmap& leftCap = Picture(SKIN2_PROGRESSBAR1);
  const TBitmap& rightCap = Picture(SKIN2_PROGRESSBAR4);
  const int thickness = empty.Height();
  for (const ProgressCase& c : kProgress) {
    SCOPED_TRACE(testing::Message() << c.min << ".." << c.max << " at " << c.position);
    TProgressBarLook look{c.min, c.max, c.position, false};
    EXPECT_EQ(ProgressFillLength(look, kLength - 2), c.fill);
    TBitmap h = Filled(kLength, thickness, 0x123456);
    PaintProgressBar(h.Canvas(), SIZE{kLength, thickness}, look, skin);
    EXPECT_TRUE(SameColumn(h, 0, leftCap, 0));
    EXPECT_TRUE(SameColumn(h, kLength - 1, rightCap, 0));
    for (int x = 1; x < kLength - 1; ++x)
      ASSERT_TRUE(SameColumn(h, x, x - 1 < c.fill ? filled : empty, 0)) << "column " << x;

    // Vertical: the same pieces turned, filling from the bottom.
    look.Vertical = true;
    TBitmap v = Filled(thickness, kLength, 0x123456);
    PaintProgressBar(v.Canvas(), SIZE{thickness, kLength}, look, skin);
    const TBitmap emptyV = TurnedBitmap(empty, 90), filledV = TurnedBitmap(filled, 90);
    EXPECT_TRUE(SameRow(v, kLength - 1, TurnedBitmap(leftCap, 90), 0));
    EXPECT_TRUE(SameRow(v, 0, TurnedBitmap(rightCap, 90), 0));
    for (int y = 1; y < kLength - 1; ++y)
      ASSERT_TRUE(SameRow(v, y, kLength - 1 - y <= c.fill ? filledV : emptyV, 0)) << "row " << y;
  }
}

TEST_F(BarPaint, ProgressBarShorterThanItsCapsShowsTheFormColour) {
  TBitmap target = Filled(1, 13, 0x123456);
  PaintProgressBar(target.Canvas(), SIZE{1, 13}, TProgressBarLook{0, 10, 5, false}, skin);
  EXPECT_EQ(CountInside(target, RECT{0, 0, 1, 13}, Pixel(SKIN2_FORMCOLOR)), 0);
}

TEST_F(BarPaint, TrackBarDrawsChannelThumbAndTicksFromTheSkin) {
  const TBitmap& channel = Picture(SKIN2_TRACKBAR);
  const TBitmap& slider = Picture(SKIN2_TRACKBARSLIDER);
  const TBitmap& vslider = Picture(SKIN2_TRACKBARVSLIDER);
  const std::uint32_t trans = Pixel(SKIN2_TRANSCOLOR), form = Pixel(SKIN2_FORMCOLOR);
  const std::uint32_t tick = Pixel(SKIN2_CONTROLBORDERCOLOR);
  for (bool vertical : {false, true}) {
    SCOPED_TRACE(vertical ? "vertical" : "horizontal");
    // A 150 x 40 bar (40 x 150 when vertical); the platform gives a
    // vertical bar's channel with x and y exchanged.
    const SIZE client = vertical ? SIZE{40, 150} : SIZE{150, 40};
    TTrackBarLook look;
    look.Vertical = vertical;
    look.Channel = RECT{8, 14, 142, 18};
    look.Thumb = vertical ? RECT{6, 60, 27, 71} : RECT{60, 6, 71, 27};
    look.Ticks = {13, 75, 137};
    look.TicksBefore = vertical;
    look.TicksAfter = !vertical;
    TBitmap target = Filled(client.cx, client.cy, 0x123456);
    PaintTrackBar(target.Canvas(), client, look, skin);

    const TBitmap& thumb = vertical ? vslider : slider;
    EXPECT_EQ(CountDifferences(target, look.Thumb.left, look.Thumb.top, thumb, 0, 0, thumb.Width(), thumb.Height(), trans,
                               Px(target, look.Thumb.left, look.Thumb.top)),
              0);
    // The channel picture (its transparent pixels made the form colour):
    // caps of half its thickness at the ends, centred on the channel.
    const TBitmap ch = vertical ? TurnedBitmap(channel, 90) : channel;
    const int along0 = 8, along1 = 142, across0 = 16 - channel.Height() / 2;
    for (int k = 0; k < channel.Height(); ++k)
      for (int c = 0; c < 4; ++c) {
        const int x = vertical ? across0 + k : along0 + c, y = vertical ? along0 + c : across0 + k;
        ASSERT_EQ(Px(target, x, y), Px(ch, vertical ? k : c, vertical ? c : k)) << "start cap " << x << "," << y;
        const int ex = vertical ? x : along1 - 1 - c, ey = vertical ? along1 - 1 - c : y;
        const int sx = vertical ? k : ch.Width() - 1 - c, sy = vertical ? ch.Height() - 1 - c : k;
        ASSERT_EQ(Px(target, ex, ey), Px(ch, sx, sy)) << "end cap " << ex << "," << ey;
      }
    // Ticks: 3 pixels, one pixel away from the thumb, on the asked side.
    for (int at : look.Ticks)
      for (int d = 1; d <= 3; ++d) {
        const int x = vertical ? look.Thumb.left - 1 - d : at, y = vertical ? at : look.Thumb.bottom + d;
        EXPECT_EQ(Px(target, x, y), tick) << "tick " << at << " pixel " << d;
      }
    // Nothing drawn far from channel, thumb and ticks.
    EXPECT_EQ(Px(target, 2, 2), form);
    EXPECT_EQ(Px(target, client.cx - 2, client.cy - 2), form);
  }
}

TEST_F(BarPaint, ScrollBarLookFromThePlatformsDescription) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  info.xyThumbTop = 30;
  info.xyThumbBottom = 70;
  TScrollBarLook look = ScrollBarLookOf(info, true, SIZE{18, 200});
  EXPECT_TRUE(look.HasThumb);
  EXPECT_EQ(look.Thumb.top, 30);
  EXPECT_EQ(look.Thumb.bottom, 70);
  EXPECT_EQ(look.Thumb.right, 18);
  TBitmap target = Filled(18, 200, 0);
  PaintScrollBar(target.Canvas(), look, skin);
  EXPECT_EQ(CountDifferences(target, 0, 30, *scroll.GetVertThumb(1), 0, 0, 18, 3), 0);
  EXPECT_EQ(CountDifferences(target, 0, 0, *scroll.GetVertButton(1), 0, 0, 18, 18), 0);

  // Disabled, or without room: no thumb; the channel shows where it was.
  info.rgstate[0] = STATE_SYSTEM_UNAVAILABLE;
  look = ScrollBarLookOf(info, false, SIZE{200, 18});
  EXPECT_FALSE(look.HasThumb);
  EXPECT_EQ(look.Thumb.left, 30);
  TBitmap h = Filled(200, 18, 0);
  PaintScrollBar(h.Canvas(), look, skin);
  EXPECT_EQ(CountInside(h, RECT{18, 0, 182, 18}, Pixel(SKIN2_SCROLLBARCOLOR)), 0);
  info.rgstate[0] = 0;
  info.xyThumbBottom = info.xyThumbTop;
  EXPECT_FALSE(ScrollBarLookOf(info, true, SIZE{18, 200}).HasThumb);
}

}  // namespace
