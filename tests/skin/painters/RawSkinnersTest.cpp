// The raw-window skinners, on the children of a platform dialog skinned
// by the engine: check boxes and radio buttons by BM_GETCHECK, combo
// boxes and tab controls.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "SkinnerTestSupport.h"
#include "painters/QELSkinCheckBox.h"
#include "painters/QELSkinComboBox.h"
#include "painters/QELSkinRadioButton.h"
#include "painters/QELSkinTabControl.h"

namespace {

class RawSkinnerTest : public SkinnerTest {
 protected:
  void SetUp() override {
    SkinnerTest::SetUp();
    engine().SetSkinDialogs(false);
    static_assert(sizeof(DLGTEMPLATE) == 18);
    struct {
      DLGTEMPLATE t;
      WORD menu, cls, title;
    } tmpl{{WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_MODALFRAME, 0, 0, 30, 30, 220, 160}, 0, 0, 0};
    dialog_ = ::CreateDialogIndirectParamW(
        nullptr, &tmpl.t, nullptr, [](HWND, UINT msg, WPARAM, LPARAM) -> INT_PTR { return msg == WM_INITDIALOG; }, 0);
    ASSERT_NE(dialog_, nullptr);
    auto child = [&](const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h) {
      HWND c = ::CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, dialog_, nullptr, nullptr,
                                 nullptr);
      ::SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
      return c;
    };
    check_ = child(L"BUTTON", L"Check", BS_AUTOCHECKBOX, 10, 10, 120, 21);
    leftCheck_ = child(L"BUTTON", L"Left", BS_AUTOCHECKBOX | BS_LEFTTEXT, 10, 36, 120, 21);
    radio_ = child(L"BUTTON", L"Radio", BS_AUTORADIOBUTTON, 10, 62, 120, 21);
    combo_ = child(L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL, 150, 10, 120, 120);
    tabs_ = child(WC_TABCONTROLW, L"", 0, 150, 60, 180, 100);
    for (const wchar_t* t : {L"First", L"Second"}) {
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = const_cast<wchar_t*>(t);
      ::SendMessageW(tabs_, TCM_INSERTITEMW, 99, reinterpret_cast<LPARAM>(&item));
    }
    for (const wchar_t* t : {L"One", L"Two", L"Three"})
      ::SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(t));
    ::SendMessageW(combo_, CB_SETCURSEL, 1, 0);
    Pump();
    engine().SkinWindow(dialog_, true);
    ::RedrawWindow(dialog_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
  }
  void TearDown() override {
    if (dialog_) ::DestroyWindow(dialog_);
    TqelSkinEngine::SetLastDestroyedDialog(nullptr);
    SkinnerTest::TearDown();
  }
  TqelSkinControl* RawWrapperOf(HWND child) {
    TqelSkinWindow* frame = engine().FindSkinWindow(dialog_);
    if (!frame) return nullptr;
    for (int i = 0; i < frame->ChildWrapperCount(); ++i)
      if (frame->ChildWrappers(i)->RawHandle() == child) return frame->ChildWrappers(i);
    return nullptr;
  }
  // The built-in skin's box frame `frame` of picture key at the box's place.
  int BoxDifferences(HWND box, TSkin2BitmapKey key, int frames, int frame, bool atRight) {
    ::RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Pump();
    const TBitmap screen = ScreenOfClient(box);
    const TPainterSkin s = skin();
    const TBitmap& picture = *s.Bitmap(key);
    const int fw = picture.Width() / frames, fh = picture.Height();
    const int x0 = atRight ? screen.Width() - fw - 1 : 0, y0 = (screen.Height() - fh) / 2;
    const std::uint32_t trans = ColorToPixel(s.Color(SKIN2_TRANSCOLOR));
    const bool transparent = key == SKIN2_RADIOBUTTON ? s.Flag(SKIN2_RADIOBUTTONTRANS) : s.Flag(SKIN2_CHECKBOXTRANS);
    int wrong = 0;
    for (int y = 0; y < fh; ++y)
      for (int x = 0; x < fw; ++x) {
        const std::uint32_t want = Px(picture, fw * (frame - 1) + x, y);
        if (transparent && want == trans) continue;
        wrong += Px(screen, x0 + x, y0 + y) != want;
      }
    return wrong;
  }

  HWND dialog_ = nullptr;
  HWND check_ = nullptr, leftCheck_ = nullptr, radio_ = nullptr, combo_ = nullptr, tabs_ = nullptr;
};

TEST_F(RawSkinnerTest, ChildrenGetTheRawPainters) {
  const std::pair<HWND, const char*> expected[] = {{check_, "TqelSkinWndCheckBox"},
                                                   {leftCheck_, "TqelSkinWndCheckBox"},
                                                   {radio_, "TqelSkinWndRadioButton"},
                                                   {combo_, "TqelSkinWndComboBox"},
                                                   {tabs_, "TqelSkinWndTabControl"}};
  for (const auto& [window, painter] : expected) {
    TqelSkinControl* wrapper = RawWrapperOf(window);
    ASSERT_NE(wrapper, nullptr) << painter;
    EXPECT_EQ(wrapper->ClassName(), painter);
    EXPECT_EQ(::SendMessageW(window, QM_SKINNEDQUERY, 0, 0), 1);
  }
}

TEST_F(RawSkinnerTest, BoxesFollowTheirCheckStateAndStyle) {
  EXPECT_EQ(BoxDifferences(check_, SKIN2_CHECKBOX, 6, 3, false), 0);
  ::SendMessageW(check_, BM_CLICK, 0, 0);
  Pump();
  EXPECT_EQ(::SendMessageW(check_, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(BoxDifferences(check_, SKIN2_CHECKBOX, 6, 1, false), 0);
  ::EnableWindow(check_, FALSE);
  Pump();
  EXPECT_EQ(BoxDifferences(check_, SKIN2_CHECKBOX, 6, 4, false), 0);
  // BS_LEFTTEXT puts the box at the right.
  EXPECT_EQ(BoxDifferences(leftCheck_, SKIN2_CHECKBOX, 6, 3, true), 0);
  EXPECT_EQ(BoxDifferences(radio_, SKIN2_RADIOBUTTON, 4, 2, false), 0);
  ::SendMessageW(radio_, BM_CLICK, 0, 0);
  Pump();
  EXPECT_EQ(::SendMessageW(radio_, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(BoxDifferences(radio_, SKIN2_RADIOBUTTON, 4, 1, false), 0);
}

TEST_F(RawSkinnerTest, ComboAndTabsShowTheSkinAndKeepTheirState) {
  const TPainterSkin s = skin();
  EXPECT_EQ(::SendMessageW(combo_, CB_GETCURSEL, 0, 0), 1);
  ::SendMessageW(combo_, CB_SETCURSEL, 2, 0);
  Pump();
  EXPECT_EQ(::SendMessageW(combo_, CB_GETCURSEL, 0, 0), 2);
  // The combo's outer ring is the border colour, its button the control
  // colour with the separator line.
  RECT wr{};
  ::GetWindowRect(combo_, &wr);
  TBitmap whole(wr.right - wr.left, wr.bottom - wr.top);
  {
    HDC dc = ::GetWindowDC(combo_);
    ::BitBlt(whole.Canvas().Handle(), 0, 0, whole.Width(), whole.Height(), dc, 0, 0, SRCCOPY);
    ::ReleaseDC(combo_, dc);
  }
  const std::uint32_t border = ColorToPixel(s.Color(SKIN2_CONTROLBORDERCOLOR));
  int ring = 0;
  for (int x = 0; x < whole.Width(); ++x) ring += (Px(whole, x, 0) != border) + (Px(whole, x, whole.Height() - 1) != border);
  for (int y = 0; y < whole.Height(); ++y) ring += (Px(whole, 0, y) != border) + (Px(whole, whole.Width() - 1, y) != border);
  EXPECT_EQ(ring, 0);
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(::GetComboBoxInfo(combo_, &info));
  EXPECT_EQ(Px(whole, info.rcButton.left, (info.rcButton.top + info.rcButton.bottom) / 2), border);
  EXPECT_EQ(Px(whole, info.rcButton.left + 2, info.rcButton.top + 1), ColorToPixel(s.Color(SKIN2_CONTROLCOLOR)));

  // Dropped down, its list is framed in the border colour too.
  ::SendMessageW(combo_, CB_SHOWDROPDOWN, TRUE, 0);
  Pump();
  ASSERT_TRUE(::IsWindowVisible(info.hwndList));
  RECT lr{};
  ::GetWindowRect(info.hwndList, &lr);
  TBitmap list(lr.right - lr.left, lr.bottom - lr.top);
  {
    HDC dc = ::GetWindowDC(info.hwndList);
    ::BitBlt(list.Canvas().Handle(), 0, 0, list.Width(), list.Height(), dc, 0, 0, SRCCOPY);
    ::ReleaseDC(info.hwndList, dc);
  }
  int listRing = 0;
  for (int x = 0; x < list.Width(); ++x) listRing += (Px(list, x, 0) != border) + (Px(list, x, list.Height() - 1) != border);
  for (int y = 0; y < list.Height(); ++y) listRing += (Px(list, 0, y) != border) + (Px(list, list.Width() - 1, y) != border);
  EXPECT_EQ(listRing, 0);
  ::SendMessageW(combo_, CB_SHOWDROPDOWN, FALSE, 0);
  Pump();

  // The tab control: the whole face as painted from its look; its tabs keep
  // the first tab's height, and the selection reads as set.
  ::SendMessageW(tabs_, TCM_SETCURSEL, 1, 0);
  EXPECT_EQ(::SendMessageW(tabs_, TCM_GETCURSEL, 0, 0), 1);
  ::RedrawWindow(tabs_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  Pump();
  const TBitmap screen = ScreenOfClient(tabs_);
  TBitmap expected(screen.Width(), screen.Height());
  TTabControlLook look = TabControlLookOf(tabs_, [&](int i) {
    wchar_t buffer[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = 64;
    ::SendMessageW(tabs_, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
    return std::wstring(buffer);
  });
  LOGFONTW lf{};
  ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
  expected.Canvas().Font().AssignLogFont(lf);
  PaintTabControl(expected.Canvas(), look, s);
  EXPECT_EQ(CountDifferentPixels(screen, expected), 0);
  ASSERT_EQ(look.Tabs.size(), 2u);
  EXPECT_EQ(look.Tabs[0].Rect.bottom - look.Tabs[0].Rect.top, look.Tabs[1].Rect.bottom - look.Tabs[1].Rect.top);
}

}  // namespace
