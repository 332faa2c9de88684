#include "graphics/Color.h"

#include <gtest/gtest.h>

namespace {

TEST(Color, SystemColoursResolveThroughTheSystemPalette) {
  struct Case {
    TColor color;
    int index;
  } cases[] = {{clBtnFace, COLOR_BTNFACE},     {clWindow, COLOR_WINDOW},     {clWindowText, COLOR_WINDOWTEXT},
               {clHighlight, COLOR_HIGHLIGHT}, {clGrayText, COLOR_GRAYTEXT}, {clInactiveCaption, COLOR_INACTIVECAPTION},
               {clMenuText, COLOR_MENUTEXT},   {clInfoBk, COLOR_INFOBK}};
  for (const Case& c : cases) {
    EXPECT_TRUE(IsSystemColor(c.color));
    EXPECT_LT(c.color, 0);
    EXPECT_EQ(ColorToRGB(c.color), ::GetSysColor(c.index)) << c.index;
  }
}

TEST(Color, FixedColoursAndMarkersPassUnchanged) {
  EXPECT_EQ(ColorToRGB(clRed), RGB(255, 0, 0));
  EXPECT_EQ(ColorToRGB(clBlue), RGB(0, 0, 255));
  EXPECT_EQ(ColorToRGB(clFuchsia), RGB(255, 0, 255));
  EXPECT_EQ(ColorToRGB(MakeColor(40, 91, 162)), RGB(40, 91, 162));
  EXPECT_FALSE(IsSystemColor(clWhite));
  EXPECT_FALSE(IsSystemColor(clNone));
  EXPECT_FALSE(IsSystemColor(clDefault));
  EXPECT_NE(clNone, clDefault);
  EXPECT_EQ(ColorToRGB(clNone), static_cast<COLORREF>(clNone));
}

TEST(Color, PixelsAreStoredRedFirstInTheValue) {
  // Colour 0x00BBGGRR <-> pixel 0x00RRGGBB.
  EXPECT_EQ(ColorToPixel(MakeColor(0x12, 0x34, 0x56)), 0x123456u);
  EXPECT_EQ(PixelToColor(0x123456u), MakeColor(0x12, 0x34, 0x56));
  EXPECT_EQ(PixelToColor(0xFF123456u), MakeColor(0x12, 0x34, 0x56));  // fourth byte ignored
  COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(ColorToPixel(clBtnFace),
            static_cast<std::uint32_t>((GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face)));
  for (std::uint32_t p : {0u, 0xFFFFFFu, 0xFF00FFu, 0x0080C0u}) EXPECT_EQ(ColorToPixel(PixelToColor(p)), p);
}

}  // namespace
