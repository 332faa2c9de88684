// Platform flags, the run-time resolved user-interface calls, window text,
// system fonts and the inclusive point test.
#include "QELSkinUtilsPlatform.h"

#include <gtest/gtest.h>

namespace {

// A parent window with a vertical scroll bar and a drop-down combo box.
struct Windows {
  Windows() {
    parent = ::CreateWindowExW(0, L"STATIC", L"\u8F6F\u4EF6\u62A5\u4FEE", WS_POPUP | WS_VSCROLL, 0, 0, 200, 200,
                               nullptr, nullptr, nullptr, nullptr);
    combo = ::CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 10, 10, 100, 120, parent,
                              nullptr, nullptr, nullptr);
  }
  ~Windows() { ::DestroyWindow(parent); }
  HWND parent;
  HWND combo;
};

}  // namespace

TEST(PlatformFlags, FollowTheVersionRecord) {
  struct Case {
    DWORD major, minor, platform;
    bool win95, winXP, vista;
  } cases[] = {
      {4, 0, VER_PLATFORM_WIN32_WINDOWS, true, false, false},   // 95
      {4, 10, VER_PLATFORM_WIN32_WINDOWS, false, false, false}, // 98
      {4, 0, VER_PLATFORM_WIN32_NT, false, false, false},       // NT 4
      {5, 0, VER_PLATFORM_WIN32_NT, false, false, false},       // 2000
      {5, 1, VER_PLATFORM_WIN32_NT, false, true, false},        // XP
      {6, 0, VER_PLATFORM_WIN32_NT, false, false, true},        // Vista
      {6, 1, VER_PLATFORM_WIN32_NT, false, true, false},        // 7
      {6, 2, VER_PLATFORM_WIN32_NT, false, true, false},        // 8 and later as reported without a manifest
      {10, 0, VER_PLATFORM_WIN32_NT, false, false, false},
  };
  for (const Case& c : cases) {
    const TqelPlatformFlags flags = PlatformFlagsFor(c.major, c.minor, c.platform);
    EXPECT_EQ(flags.IsWin95, c.win95) << c.major << "." << c.minor;
    EXPECT_EQ(flags.IsWinXP, c.winXP) << c.major << "." << c.minor;
    EXPECT_EQ(flags.IsWinVista, c.vista) << c.major << "." << c.minor;
  }
  EXPECT_FALSE(PlatformFlags().IsWin95);  // the tests run on an NT system
}

TEST(TqelUser32, ResolvedCallsWorkAndFailTogether) {
  Windows w;
  ASSERT_NE(w.combo, nullptr);
  EXPECT_EQ(TqelUser32::GetAncestor(w.combo, GA_PARENT), w.parent);
  EXPECT_EQ(TqelUser32::GetAncestor(w.combo, GA_ROOT), w.parent);
  SCROLLBARINFO bar{};
  bar.cbSize = sizeof(bar);
  EXPECT_TRUE(TqelUser32::GetScrollBarInfo(w.parent, OBJID_VSCROLL, &bar));
  COMBOBOXINFO combo{};
  combo.cbSize = sizeof(combo);
  EXPECT_TRUE(TqelUser32::GetComboBoxInfo(w.combo, &combo));
  EXPECT_NE(combo.hwndList, nullptr);
  EXPECT_TRUE(TqelUser32::Available());

  // A library without the three calls: the first failure switches all
  // three off.
  TqelUser32::ResolveFrom(L"kernel32.dll");
  EXPECT_EQ(TqelUser32::GetAncestor(w.combo, GA_PARENT), nullptr);
  EXPECT_FALSE(TqelUser32::Available());
  EXPECT_FALSE(TqelUser32::GetScrollBarInfo(w.parent, OBJID_VSCROLL, &bar));
  EXPECT_FALSE(TqelUser32::GetComboBoxInfo(w.combo, &combo));
  TqelUser32::ResolveFrom(L"no-such-library.dll");
  EXPECT_EQ(TqelUser32::GetAncestor(w.combo, GA_PARENT), nullptr);

  TqelUser32::ResolveFrom(nullptr);
  EXPECT_EQ(TqelUser32::GetAncestor(w.combo, GA_PARENT), w.parent);
  EXPECT_TRUE(TqelUser32::Available());
}

TEST(GetWindowTextWide, ReadsUnicodeTitles) {
  Windows w;
  EXPECT_EQ(GetWindowTextWide(w.parent), L"\u8F6F\u4EF6\u62A5\u4FEE");
  const std::wstring longTitle(1000, L'x');
  ::SetWindowTextW(w.parent, longTitle.c_str());
  EXPECT_EQ(GetWindowTextWide(w.parent), longTitle);
  EXPECT_EQ(GetWindowTextWide(nullptr), L"");
}

TEST(SystemFonts, CaptionAndMenuFontsComeFromTheNonClientMetrics) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  ASSERT_TRUE(::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
  TFont caption;
  caption.SetColor(clRed);
  SetCaptionFont(caption);
  EXPECT_EQ(caption.Name(), metrics.lfCaptionFont.lfFaceName);
  EXPECT_EQ(caption.Height(), metrics.lfCaptionFont.lfHeight);
  EXPECT_EQ(caption.Color(), clRed);
  TFont menu;
  SetMenuFont(menu);
  EXPECT_EQ(menu.Name(), metrics.lfMenuFont.lfFaceName);
  EXPECT_EQ(menu.Height(), metrics.lfMenuFont.lfHeight);
  EXPECT_EQ(menu.Color(), clMenuText);
}

TEST(PointInRect, IsInclusiveOnAllEdges) {
  const RECT r{10, 20, 30, 40};
  EXPECT_TRUE(PointInRect(10, 20, r));
  EXPECT_TRUE(PointInRect(30, 40, r));
  EXPECT_TRUE(PointInRect(30, 20, r));
  EXPECT_TRUE(PointInRect(20, 30, r));
  EXPECT_FALSE(PointInRect(9, 30, r));
  EXPECT_FALSE(PointInRect(31, 30, r));
  EXPECT_FALSE(PointInRect(20, 19, r));
  EXPECT_FALSE(PointInRect(20, 41, r));
}
