// Arrows, separators, solid rectangles, window borders and text fitting.
#include "QELSkinUtilsPaint.h"

#include <gtest/gtest.h>

#include "AnsiText.h"
#include "SkinTestSupport.h"
#include "graphics/GdiObjects.h"

namespace {

constexpr std::uint32_t kBack = 0x0000C0;  // dark blue: neither black, white nor grey

char Legend(std::uint32_t p) {
  switch (p) {
    case kBack: return '.';
    case 0x000000: return '#';
    case 0xFFFFFF: return 'w';
    case 0x808080: return 'g';
    default: return '?';
  }
}

template <typename Draw>
std::vector<std::string> ArrowPicture(int x, int y, bool enabled, Draw draw) {
  TBitmap target = Filled(10, 10, kBack);
  draw(target.Canvas(), x, y, enabled);
  return Picture(target, Legend);
}

}  // namespace

TEST(DrawArrow, EnabledArrowsAreBlackTriangles) {
  EXPECT_EQ(ArrowPicture(1, 2, true, DrawArrowDown), (std::vector<std::string>{
      "..........",
      "..........",
      ".#######..",
      "..#####...",
      "...###....",
      "....#.....",
      "..........",
      "..........",
      "..........",
      "..........",
  }));
  EXPECT_EQ(ArrowPicture(4, 2, true, DrawArrowUp), (std::vector<std::string>{
      "..........",
      "..........",
      "....#.....",
      "...###....",
      "..#####...",
      ".#######..",
      "..........",
      "..........",
      "..........",
      "..........",
  }));
  EXPECT_EQ(ArrowPicture(2, 4, true, DrawArrowLeft), (std::vector<std::string>{
      "..........",
      ".....#....",
      "....##....",
      "...###....",
      "..####....",
      "...###....",
      "....##....",
      ".....#....",
      "..........",
      "..........",
  }));
  EXPECT_EQ(ArrowPicture(2, 1, true, DrawArrowRight), (std::vector<std::string>{
      "..........",
      "..#.......",
      "..##......",
      "..###.....",
      "..####....",
      "..###.....",
      "..##......",
      "..#.......",
      "..........",
      "..........",
  }));
}

TEST(DrawArrow, DisabledArrowsAreGreyOverAWhiteShadow) {
  EXPECT_EQ(ArrowPicture(1, 2, false, DrawArrowDown), (std::vector<std::string>{
      "..........",
      "..........",
      ".ggggggg..",
      "..gggggww.",
      "...gggww..",
      "....gww...",
      ".....w....",
      "..........",
      "..........",
      "..........",
  }));
  EXPECT_EQ(ArrowPicture(2, 1, false, DrawArrowRight), (std::vector<std::string>{
      "..........",
      "..g.......",
      "..gg......",
      "..ggg.....",
      "..gggg....",
      "..gggww...",
      "..ggww....",
      "..gww.....",
      "...w......",
      "..........",
  }));
}

TEST(DrawMenuSeparator, LineSitsBesideTheGutterOnEitherSide) {
  TBitmap ltr = Filled(40, 6, kBack);
  DrawMenuSeparator(ltr.Canvas(), RECT{0, 1, 40, 6}, 0x848284, true, 10);
  TBitmap rtl = Filled(40, 6, kBack);
  DrawMenuSeparator(rtl.Canvas(), RECT{0, 1, 40, 6}, 0x848284, false, 10);
  const std::uint32_t line = ColorToPixel(0x848284);
  for (int x = 0; x < 40; ++x) {
    EXPECT_EQ(Px(ltr, x, 3) == line, x >= 14 && x < 38) << x;
    EXPECT_EQ(Px(rtl, x, 3) == line, x >= 2 && x < 26) << x;
    for (int y : {0, 1, 2, 4, 5}) {
      EXPECT_EQ(Px(ltr, x, y), kBack);
      EXPECT_EQ(Px(rtl, x, y), kBack);
    }
  }
}

TEST(FillAndFrameRectColor, PaintSolidAndLeaveTheCanvasBrushAlone) {
  TBitmap target = Filled(6, 6, kBack);
  target.Canvas().Brush().SetColor(clLime);
  FillRectColor(target.Canvas(), RECT{1, 1, 5, 5}, clRed);
  FrameRectColor(target.Canvas(), RECT{0, 0, 6, 6}, clWhite);
  EXPECT_EQ(Picture(target, [](std::uint32_t p) { return p == 0xFF0000 ? 'r' : p == 0xFFFFFF ? 'w' : '.'; }),
            (std::vector<std::string>{"wwwwww", "wrrrrw", "wrrrrw", "wrrrrw", "wrrrrw", "wwwwww"}));
  EXPECT_EQ(target.Canvas().Brush().Color(), clLime);
  // An absent skin colour paints nothing.
  FillRectColor(target.Canvas(), RECT{0, 0, 6, 6}, -1);
  EXPECT_EQ(Px(target, 2, 2), 0xFF0000u);
}

class TruncateTextTest : public ::testing::Test {
 protected:
  TBitmap surface{8, 8};
  TCanvas& canvas = surface.Canvas();
};

TEST_F(TruncateTextTest, FittingTextIsUnchanged) {
  const std::wstring text = L"Repair";
  EXPECT_EQ(TruncateText(canvas, text, canvas.TextWidth(text)), text);
  EXPECT_EQ(TruncateText(canvas, text, 1000), text);
}

TEST_F(TruncateTextTest, LongTextBecomesTheLongestFittingPrefixWithDots) {
  const std::wstring text = L"Software repair report window";
  for (int limit : {40, 60, canvas.TextWidth(L"Software...") , canvas.TextWidth(text) - 1}) {
    const std::wstring result = TruncateText(canvas, text, limit);
    ASSERT_GE(result.size(), 4u);
    ASSERT_EQ(result.substr(result.size() - 3), L"...") << limit;
    const std::wstring prefix = result.substr(0, result.size() - 3);
    ASSERT_EQ(text.compare(0, prefix.size(), prefix), 0);
    EXPECT_LE(canvas.TextWidth(result), limit) << limit;
    // One more character would not fit.
    EXPECT_GT(canvas.TextWidth(text.substr(0, prefix.size() + 1) + L"..."), limit) << limit;
  }
  EXPECT_EQ(TruncateText(canvas, text, canvas.TextWidth(L"Software...")), L"Software...");
}

TEST_F(TruncateTextTest, NoRoomKeepsOneCharacter) {
  EXPECT_EQ(TruncateText(canvas, std::wstring(L"Window"), 2), L"W...");
}

TEST_F(TruncateTextTest, NarrowTextIsCutOnWholeCharacters) {
  const std::wstring wide = L"\u8F6F\u4EF6\u62A5\u4FEE\u7CFB\u7EDF\u7A97\u53E3";  // eight CJK characters
  const std::string ansi = ToAnsi(wide);
  const int limit = canvas.TextWidth(wide) / 2;
  const std::string result = TruncateText(canvas, std::string_view(ansi), limit);
  const std::wstring back = FromAnsi(result);
  ASSERT_GE(back.size(), 4u);
  EXPECT_EQ(back.substr(back.size() - 3), L"...");
  const std::wstring prefix = back.substr(0, back.size() - 3);
  EXPECT_EQ(wide.compare(0, prefix.size(), prefix), 0) << "prefix must be whole characters of the text";
  EXPECT_LE(canvas.TextWidth(back), limit);
}

TEST(RemoveAmpersands, RemovesEveryAmpersand) {
  EXPECT_EQ(RemoveAmpersands(std::wstring_view(L"Mi&nimize")), L"Minimize");
  EXPECT_EQ(RemoveAmpersands(std::wstring_view(L"&&a&b&")), L"ab");
  EXPECT_EQ(RemoveAmpersands(std::string_view("&Close")), "Close");
  EXPECT_EQ(RemoveAmpersands(std::string_view("")), "");
}

TEST(DrawWindowBorder, FramesTheWholeWindow) {
  HWND window = ::CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 100, 100, 30, 20, nullptr,
                                  nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  ::UpdateWindow(window);
  DrawWindowBorder(window, clRed, clLime, true);
  {
    const UniqueWindowDC windowDC = UniqueWindowDC::WholeWindow(window);
    const HDC dc = windowDC.get();
    EXPECT_EQ(::GetPixel(dc, 0, 0), static_cast<COLORREF>(clRed));
    EXPECT_EQ(::GetPixel(dc, 29, 19), static_cast<COLORREF>(clRed));
    EXPECT_EQ(::GetPixel(dc, 1, 1), static_cast<COLORREF>(clLime));
    EXPECT_EQ(::GetPixel(dc, 28, 10), static_cast<COLORREF>(clLime));
    EXPECT_NE(::GetPixel(dc, 10, 10), static_cast<COLORREF>(clLime));
  }
  ::DestroyWindow(window);
}
