// The frame's geometry with the built-in skin's measures: insets, the hit
// code of every pixel of the window, the title buttons, the caption width
// rule and the title pieces.
#include "frame/FrameGeometry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "QELSkinReader.h"
#include "SkinTestSupport.h"
#include "frame/FrameSkin.h"

namespace {

const TFrameMetrics& BuiltInMetrics() {
  static const TFrameMetrics metrics = [] {
    TqelSkinReader reader(BuiltInSkin(), "");
    return TFrameSkin::FromReader(reader).Metrics;
  }();
  return metrics;
}

enum TKind { kDialog, kSingle, kSizeable, kToolWindow };

// A window of a border style as a form describes it to its frame.
TFrameWindow WindowOf(TKind kind, int width = 300, int height = 200) {
  TFrameWindow w;
  w.Width = width;
  w.Height = height;
  w.Sizeable = kind == kSizeable;
  w.HasIcon = kind == kSingle || kind == kSizeable;
  w.HasMax = w.HasMin = kind == kSingle || kind == kSizeable;
  w.PlatformCaptionHeight = kind == kToolWindow ? 17 : 23;
  return w;
}

struct TArea {
  RECT Rect;
  LRESULT Code;
};

// The expected code of a point: the first area holding it; outside them
// all, HTNOWHERE.
LRESULT Expected(const std::vector<TArea>& areas, POINT p) {
  for (const TArea& a : areas)
    if (p.x >= a.Rect.left && p.x < a.Rect.right && p.y >= a.Rect.top && p.y < a.Rect.bottom) return a.Code;
  return HTNOWHERE;
}

// Every pixel of the window and a two-pixel ring around it.
void ExpectHitCodes(const TFrameGeometry& g, const std::vector<TArea>& areas, const char* what) {
  int wrong = 0;
  for (int y = -2; y < g.Window().Height + 2; ++y)
    for (int x = -2; x < g.Window().Width + 2; ++x) {
      const LRESULT want = Expected(areas, POINT{x, y});
      const LRESULT got = g.HitTest(POINT{x, y});
      if (got != want && ++wrong <= 5) ADD_FAILURE() << what << ": (" << x << ", " << y << ") gives " << got << ", not " << want;
    }
  EXPECT_EQ(wrong, 0) << what;
}

}  // namespace

TEST(FrameGeometry, InsetsFollowTheSkinAndTheWindowState) {
  struct TCase {
    const char* What;
    TKind Kind;
    bool Zoomed, Iconic, Caption, Border;
    int PlatformCaption;
    RECT Insets;
    int TitleBitmapHeight, ExtraTop;
  } cases[] = {
      {"sizeable", kSizeable, false, false, true, true, 23, {5, 31, 5, 5}, 31, 0},
      {"dialog", kDialog, false, false, true, true, 23, {5, 31, 5, 5}, 31, 0},
      {"tool window", kToolWindow, false, false, true, true, 17, {5, 31, 5, 5}, 31, 0},
      {"zoomed", kSizeable, true, false, true, true, 23, {5, 31, 5, 5}, 31, 0},
      {"iconic: no client area", kSizeable, false, true, true, true, 23, {0, 200, 0, 0}, 200, 0},
      {"platform caption higher than the skin's", kSingle, false, false, true, true, 40, {5, 40, 5, 5}, 40, 9},
      {"no caption", kSizeable, false, false, false, true, 23, {5, 0, 5, 5}, 0, 0},
      {"no border", kSizeable, false, false, false, false, 0, {0, 0, 0, 0}, 0, 0},
  };
  for (const TCase& c : cases) {
    TFrameWindow w = WindowOf(c.Kind);
    w.Zoomed = c.Zoomed;
    w.Iconic = c.Iconic;
    w.CaptionVisible = c.Caption;
    w.BorderVisible = c.Border;
    w.PlatformCaptionHeight = c.PlatformCaption;
    const TFrameGeometry g(BuiltInMetrics(), w);
    const RECT in = g.Insets();
    EXPECT_EQ(in.left, c.Insets.left) << c.What;
    EXPECT_EQ(in.top, c.Insets.top) << c.What;
    EXPECT_EQ(in.right, c.Insets.right) << c.What;
    EXPECT_EQ(in.bottom, c.Insets.bottom) << c.What;
    EXPECT_EQ(g.TitleBitmapHeight(), c.TitleBitmapHeight) << c.What;
    EXPECT_EQ(g.ExtraTop(), c.ExtraTop) << c.What;
  }
  // A skin border narrower than the frame the window must keep.
  TFrameMetrics thin = BuiltInMetrics();
  thin.LeftBorder = thin.RightBorder = thin.BottomBorder = 2;
  TFrameWindow mdi = WindowOf(kSizeable);
  mdi.MinSideFrame = 8;
  mdi.MinBottomFrame = 6;
  const RECT in = TFrameGeometry(thin, mdi).Insets();
  EXPECT_EQ(in.left, 8);
  EXPECT_EQ(in.right, 8);
  EXPECT_EQ(in.bottom, 6);
}

// A sizeable W x H window with the built-in skin: 5-pixel borders, corners
// reaching 16 pixels along each edge.
static std::vector<TArea> SizeableAreas(int W, int H) {
  return {{{0, 0, 16, 5}, HTTOPLEFT},
          {{0, 0, 5, 16}, HTTOPLEFT},
          {{W - 16, 0, W, 5}, HTTOPRIGHT},
          {{W - 5, 0, W, 16}, HTTOPRIGHT},
          {{0, H - 16, 5, H}, HTBOTTOMLEFT},
          {{0, H - 5, 16, H}, HTBOTTOMLEFT},
          {{W - 5, H - 16, W, H}, HTBOTTOMRIGHT},
          {{W - 16, H - 5, W, H}, HTBOTTOMRIGHT},
          {{0, 0, W, 5}, HTTOP},
          {{0, 0, 5, H}, HTLEFT},
          {{W - 5, 0, W, H}, HTRIGHT},
          {{0, H - 5, W, H}, HTBOTTOM},
          {{5, 5, W - 5, 31}, HTCAPTION},
          {{5, 31, W - 5, H - 5}, HTCLIENT}};
}

TEST(FrameGeometry, HitCodeOfEveryPixel) {
  const int W = 300, H = 200;
  ExpectHitCodes(TFrameGeometry(BuiltInMetrics(), WindowOf(kSizeable)), SizeableAreas(W, H), "sizeable");
  // Fixed borders, and a zoomed sizeable window: no sizing anywhere.
  const std::vector<TArea> fixed{{{5, 0, W - 5, 31}, HTCAPTION},
                                 {{5, 31, W - 5, H - 5}, HTCLIENT},
                                 {{0, 0, W, H}, HTBORDER}};
  for (TKind kind : {kDialog, kSingle, kToolWindow})
    ExpectHitCodes(TFrameGeometry(BuiltInMetrics(), WindowOf(kind)), fixed, "fixed border");
  TFrameWindow zoomed = WindowOf(kSizeable);
  zoomed.Zoomed = true;
  ExpectHitCodes(TFrameGeometry(BuiltInMetrics(), zoomed), fixed, "zoomed");
  // Iconic: the whole window is its minimized caption.
  TFrameWindow iconic = WindowOf(kSizeable, 160, 27);
  iconic.Iconic = true;
  ExpectHitCodes(TFrameGeometry(BuiltInMetrics(), iconic), {{{0, 0, 160, 27}, HTCAPTION}}, "iconic");
  // Title buttons touching the top edge keep the clicks there.
  TFrameMetrics high = BuiltInMetrics();
  high.ButtonPosY = 2;
  const TFrameGeometry g(high, WindowOf(kSizeable));
  std::vector<TArea> areas = SizeableAreas(W, H);
  areas.insert(areas.begin(), TArea{{g.ButtonsLeft(), 2, W - 7 + 1, 8}, HTCAPTION});
  ExpectHitCodes(g, areas, "buttons at the top edge");
}

TEST(FrameGeometry, TitleButtonsFromRightToLeft) {
  struct TCase {
    const char* What;
    TKind Kind;
    bool Zoomed, Iconic, Help;
    std::vector<TFrameButton> Buttons;  // Rect, normal frame
  } cases[] = {
      {"dialog: close only", kDialog, false, false, false, {{tbClose, {275, 9, 293, 27}, 16}}},
      {"dialog with help: help next to close", kDialog, false, false, true,
       {{tbClose, {275, 9, 293, 27}, 16}, {tbHelp, {255, 9, 273, 27}, 4}}},
      {"sizeable", kSizeable, false, false, false,
       {{tbClose, {275, 9, 293, 27}, 16}, {tbMaximize, {255, 9, 273, 27}, 7}, {tbMinimize, {235, 9, 253, 27}, 13}}},
      {"zoomed: maximize restores", kSizeable, true, false, false,
       {{tbClose, {275, 9, 293, 27}, 16}, {tbMaximize, {255, 9, 273, 27}, 10}, {tbMinimize, {235, 9, 253, 27}, 13}}},
      {"iconic: minimize restores, buttons 5 px in", kSizeable, false, true, false,
       {{tbClose, {277, 4, 295, 22}, 16}, {tbMaximize, {257, 4, 275, 22}, 7}, {tbMinimize, {237, 4, 255, 22}, 10}}},
  };
  for (const TCase& c : cases) {
    TFrameWindow w = WindowOf(c.Kind);
    w.Zoomed = c.Zoomed;
    w.Iconic = c.Iconic;
    w.HasHelp = c.Help;
    const TFrameGeometry g(BuiltInMetrics(), w);
    ASSERT_EQ(g.Buttons().size(), c.Buttons.size()) << c.What;
    for (size_t i = 0; i < c.Buttons.size(); ++i) {
      const TFrameButton& got = g.Buttons()[i];
      const TFrameButton& want = c.Buttons[i];
      EXPECT_EQ(got.Kind, want.Kind) << c.What << " #" << i;
      EXPECT_TRUE(EqualRect(&got.Rect, &want.Rect)) << c.What << " #" << i << ": " << got.Rect.left << "," << got.Rect.top;
      EXPECT_EQ(got.Frame, want.Frame) << c.What << " #" << i;
      // Each button answers for its own pixels, corners included.
      EXPECT_EQ(g.ButtonAt(POINT{want.Rect.left, want.Rect.top}), want.Kind) << c.What;
      EXPECT_EQ(g.ButtonAt(POINT{want.Rect.right - 1, want.Rect.bottom - 1}), want.Kind) << c.What;
    }
    EXPECT_EQ(g.ButtonsLeft(), c.Buttons.back().Rect.left) << c.What;
  }
  // The icon of a form with one, at the skin's icon position.
  const TFrameGeometry g(BuiltInMetrics(), WindowOf(kSingle));
  const RECT icon = g.IconRect();
  EXPECT_EQ(icon.left, 21);
  EXPECT_EQ(icon.top, 9);
  EXPECT_EQ(icon.right - icon.left, 16);
  EXPECT_EQ(g.ButtonAt(POINT{21, 9}), tbIcon);
  EXPECT_EQ(g.ButtonAt(POINT{20, 9}), tbNone);
  const RECT none = TFrameGeometry(BuiltInMetrics(), WindowOf(kDialog)).IconRect();
  EXPECT_TRUE(IsRectEmpty(&none));
}

TEST(FrameGeometry, CaptionWidthRuleAndTitlePieces) {
  // Text starts 20 px after the icon position (20 px further left without
  // an icon) and may run up to the reserved width: the buttons with their
  // gaps, 15 px and, in a five-section title, the caption's end piece.
  struct TCase {
    const char* What;
    TKind Kind;
    bool Help;
    int TextX, Reserved, MaxWidth;
  } cases[] = {
      {"sizeable", kSizeable, false, 41, 18 * 3 + 4 + 15 + 17, 300 - 41 - 90 - 4},
      {"dialog: 20 px left, one button", kDialog, false, 21, 18 + 15 + 17, 300 - 41 - 50 - 4},
      {"dialog with help: help kept clear too", kDialog, true, 21, 36 + 2 + 15 + 17, 300 - 41 - 70 - 4},
  };
  for (const TCase& c : cases) {
    TFrameWindow w = WindowOf(c.Kind);
    w.HasHelp = c.Help;
    const TFrameGeometry g(BuiltInMetrics(), w);
    EXPECT_EQ(g.CaptionTextOrigin().x, c.TextX) << c.What;
    EXPECT_EQ(g.CaptionTextOrigin().y, 9) << c.What;
    EXPECT_EQ(g.ReservedWidth(), c.Reserved) << c.What;
    EXPECT_EQ(g.CaptionMaxWidth(), c.MaxWidth) << c.What;
    // The widest caption allowed ends left of every button.
    EXPECT_LT(g.CaptionTextOrigin().x + g.CaptionMaxWidth(), g.ButtonsLeft()) << c.What;
  }

  auto pieces = [](const TFrameGeometry& g, int textWidth) {
    std::string s;
    for (const TTitlePiece& p : g.TitlePieces(textWidth)) {
      s += std::to_string(p.Key - SKIN2_TITLEBAR1 + 1) + ":" + std::to_string(p.Left) + "-" + std::to_string(p.Right);
      if (p.SourceLeft != 0 || p.SourceRight != -1)
        s += "[" + std::to_string(p.SourceLeft) + "," + std::to_string(p.SourceRight) + "]";
      s += " ";
    }
    return s;
  };
  // Five sections: right piece flush right, left piece, caption background
  // to 2 px past the text, its end piece, the filler up to the right piece.
  EXPECT_EQ(pieces(TFrameGeometry(BuiltInMetrics(), WindowOf(kSizeable)), 60), "5:286-300 1:0-31 2:31-103 3:103-120 4:120-286 ");
  EXPECT_EQ(pieces(TFrameGeometry(BuiltInMetrics(), WindowOf(kSizeable)), 0), "5:286-300 1:0-31 2:31-43 3:43-60 4:60-286 ");
  // Three sections: the filler is piece 2, the right piece is piece 3.
  TFrameMetrics three = BuiltInMetrics();
  three.FiveSections = false;
  three.RightPieceWidth = three.Title3Width;
  EXPECT_EQ(pieces(TFrameGeometry(three, WindowOf(kSizeable)), 60), "3:283-300 1:0-31 2:31-283 ");
  // Narrower than the buttons need: the left piece squeezed up to the right
  // one; narrower than the right piece: only its right part.
  EXPECT_EQ(pieces(TFrameGeometry(BuiltInMetrics(), WindowOf(kSizeable, 100)), 60), "1:0-31 5:86-100 1:5-86 ");
  EXPECT_EQ(pieces(TFrameGeometry(BuiltInMetrics(), WindowOf(kSizeable, 12)), 60),
            "1:0-31 5:5-12[7,14] 1:5-5 5:7-12[9,14] ");
  // Iconic: the minimized title over the whole window.
  TFrameWindow iconic = WindowOf(kSizeable, 160, 27);
  iconic.Iconic = true;
  const std::vector<TTitlePiece> p = TFrameGeometry(BuiltInMetrics(), iconic).TitlePieces(30);
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].Key, SKIN2_MINIMIZEDTITLE);
  EXPECT_TRUE(p[0].FillHeight);
  EXPECT_EQ(p[0].Right, 160);
}
