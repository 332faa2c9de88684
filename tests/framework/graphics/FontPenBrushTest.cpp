#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "graphics/Brush.h"
#include "graphics/Font.h"
#include "graphics/GdiObjects.h"
#include "graphics/Pen.h"

namespace {

TEST(Font, HandleIsCreatedLazilyFromTheAttributes) {
  const long fonts = GdiLiveObjects(GdiKind::Font);
  {
    TFont font;
    EXPECT_FALSE(font.HandleAllocated());
    EXPECT_EQ(GdiLiveObjects(GdiKind::Font), fonts);
    font.SetName(L"宋体");
    font.SetHeight(-12);
    font.SetStyle(fsBold | fsItalic | fsUnderline);
    font.SetCharset(GB2312_CHARSET);
    EXPECT_FALSE(font.HandleAllocated());

    HFONT handle = font.Handle();
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(font.Handle(), handle);  // same until a change
    EXPECT_EQ(GdiLiveObjects(GdiKind::Font), fonts + 1);
    LOGFONTW lf{};
    ASSERT_EQ(::GetObjectW(handle, sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_EQ(lf.lfHeight, -12);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_TRUE(lf.lfItalic);
    EXPECT_TRUE(lf.lfUnderline);
    EXPECT_FALSE(lf.lfStrikeOut);
    EXPECT_EQ(lf.lfCharSet, GB2312_CHARSET);
    EXPECT_EQ(std::wstring(lf.lfFaceName), L"宋体");
  }
  EXPECT_EQ(GdiLiveObjects(GdiKind::Font), fonts);
}

TEST(Font, ChangesNotifyOnceAndRetireTheOldHandleAfterwards) {
  TFont font;
  int changes = 0;
  HFONT old = font.Handle();
  bool oldAliveDuringNotification = false;
  font.OnChange = [&] {
    ++changes;
    oldAliveDuringNotification = ::GetObjectType(old) == OBJ_FONT;
  };
  font.SetHeight(font.Height());  // no change, no notification
  font.SetName(L"");              // an empty name is refused
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(font.Handle(), old);

  font.SetHeight(-20);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(oldAliveDuringNotification);
  EXPECT_EQ(::GetObjectType(old), 0u);  // deleted once everyone was told
  HFONT next = font.Handle();
  EXPECT_NE(next, nullptr);

  // The colour is not part of the font object: notified, same handle.
  font.SetColor(clRed);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(font.Handle(), next);

  // Assign: one notification for many differences, none for none.
  TFont other;
  other.SetName(L"Arial");
  other.SetHeight(-31);
  other.SetStyle(fsStrikeOut);
  other.SetColor(clBlue);
  font.Assign(other);
  EXPECT_EQ(changes, 3);
  font.Assign(other);
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(font.Name(), L"Arial");
  EXPECT_EQ(font.Height(), -31);
  EXPECT_EQ(font.Style(), static_cast<TFontStyles>(fsStrikeOut));
  EXPECT_EQ(font.Color(), clBlue);
  // A copy takes the attributes but not the listener.
  TFont copy(font);
  EXPECT_FALSE(copy.OnChange);
  EXPECT_EQ(copy.Height(), -31);
}

TEST(Font, SizeAndHeightConvertAtTheFontsResolution) {
  TFont font;
  font.SetPixelsPerInch(96);
  font.SetSize(9);
  EXPECT_EQ(font.Height(), -12);
  EXPECT_EQ(font.Size(), 9);
  font.SetHeight(-16);
  EXPECT_EQ(font.Size(), 12);
  font.SetPixelsPerInch(120);
  font.SetSize(9);
  EXPECT_EQ(font.Height(), -15);
  font.SetHeight(20);  // cell height: Size goes negative, as the convention has it
  EXPECT_LT(font.Size(), 0);
}

TEST(Font, LogFontRoundTripAndLongNames) {
  TFont font;
  const std::wstring longName(40, L'x');
  font.SetName(longName);
  LOGFONTW lf = font.LogFont();
  EXPECT_EQ(std::wstring(lf.lfFaceName), std::wstring(31, L'x'));  // cut to the field, terminated

  LOGFONTW caption{};
  caption.lfHeight = -13;
  caption.lfWeight = FW_BOLD;
  caption.lfItalic = TRUE;
  caption.lfCharSet = ANSI_CHARSET;
  caption.lfPitchAndFamily = FIXED_PITCH;
  std::wcscpy(caption.lfFaceName, L"Courier New");
  font.SetColor(clGreen);
  font.AssignLogFont(caption);
  EXPECT_EQ(font.Name(), L"Courier New");
  EXPECT_EQ(font.Height(), -13);
  EXPECT_EQ(font.Style(), static_cast<TFontStyles>(fsBold | fsItalic));
  EXPECT_EQ(font.Charset(), ANSI_CHARSET);
  EXPECT_EQ(font.Pitch(), fpFixed);
  EXPECT_EQ(font.Color(), clGreen);  // kept
  LOGFONTW back = font.LogFont();
  EXPECT_EQ(back.lfHeight, -13);
  EXPECT_EQ(back.lfWeight, FW_BOLD);
  EXPECT_EQ(back.lfPitchAndFamily & 3, FIXED_PITCH);
}

TEST(PenBrush, HandlesFollowStyleAndColour) {
  const long pens = GdiLiveObjects(GdiKind::Pen), brushes = GdiLiveObjects(GdiKind::Brush);
  {
    TPen pen;
    pen.SetColor(clRed);
    pen.SetWidth(0);  // at least 1
    EXPECT_EQ(pen.Width(), 1);
    pen.SetWidth(3);
    LOGPEN lp{};
    ASSERT_NE(::GetObjectW(pen.Handle(), sizeof lp, &lp), 0);
    EXPECT_EQ(lp.lopnColor, RGB(255, 0, 0));
    EXPECT_EQ(lp.lopnWidth.x, 3);
    EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_SOLID));
    pen.SetStyle(psClear);
    ASSERT_NE(::GetObjectW(pen.Handle(), sizeof lp, &lp), 0);
    EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_NULL));
    EXPECT_EQ(GdiLiveObjects(GdiKind::Pen), pens + 1);

    TBrush brush;
    brush.SetColor(clBtnFace);  // system colours resolve when the brush is made
    LOGBRUSH lb{};
    ASSERT_NE(::GetObjectW(brush.Handle(), sizeof lb, &lb), 0);
    EXPECT_EQ(lb.lbColor, ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(GdiLiveObjects(GdiKind::Brush), brushes + 1);

    // A clear brush is the stock null brush: not owned, not counted.
    brush.SetStyle(bsClear);
    EXPECT_EQ(brush.Handle(), ::GetStockObject(NULL_BRUSH));
    EXPECT_EQ(GdiLiveObjects(GdiKind::Brush), brushes);
    // Giving a clear brush a colour makes it solid again; clNone clears it.
    brush.SetColor(clYellow);
    EXPECT_EQ(brush.Style(), bsSolid);
    brush.SetColor(clNone);
    EXPECT_EQ(brush.Style(), bsClear);

    brush.SetStyle(bsCross);
    brush.SetColor(clBlue);
    ASSERT_NE(::GetObjectW(brush.Handle(), sizeof lb, &lb), 0);
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_HATCHED));
    EXPECT_EQ(lb.lbHatch, static_cast<ULONG_PTR>(HS_CROSS));
  }
  EXPECT_EQ(GdiLiveObjects(GdiKind::Pen), pens);
  EXPECT_EQ(GdiLiveObjects(GdiKind::Brush), brushes);
}

TEST(PenBrush, AssignCopiesAndNotifiesOnlyOnDifference) {
  TPen a, b;
  int changes = 0;
  a.OnChange = [&] { ++changes; };
  b.SetColor(clNavy);
  b.SetStyle(psDot);
  a.Assign(b);
  a.Assign(b);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(a.Color(), clNavy);
  EXPECT_EQ(a.Style(), psDot);

  TBrush c, d;
  int brushChanges = 0;
  c.OnChange = [&] { ++brushChanges; };
  d.SetStyle(bsClear);
  c = d;
  EXPECT_EQ(brushChanges, 1);
  EXPECT_EQ(c.Style(), bsClear);
  EXPECT_TRUE(c.OnChange);  // assignment keeps the listener
}

}  // namespace
