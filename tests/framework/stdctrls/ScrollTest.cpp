// Scroll bars and scroll boxes: ranges and positions between the control
// and its window, scrolling by clicks, keys, messages and the wheel.
#include "framework/stdctrls/ScrollBar.h"

#include "StdCtrlsTesting.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/ScrollBox.h"

namespace {

using ScrollTest = StdCtrlsTest;

SCROLLINFO InfoOf(HWND h, int bar) {
  SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
  ::GetScrollInfo(h, bar, &info);
  return info;
}

TEST_F(ScrollTest, ScrollBarMovesByItsChangesAndKeepsTheThumbInRange) {
  auto* bar = Add<TScrollBar>(10, 10, 200, 17);
  bar->SetParams(5, 0, 50);
  bar->SetPageSize(10);
  bar->SetSmallChange(2);
  bar->SetLargeChange(7);
  std::vector<TScrollCode> codes;
  int changes = 0;
  int ends = 0;
  bar->OnScroll = [&](TObject&, TScrollCode code, int&) {
    if (code == scEndScroll)
      ++ends;  // after each click
    else
      codes.push_back(code);
  };
  bar->OnChange = [&](TObject&) { ++changes; };
  SCROLLINFO info = InfoOf(bar->Handle(), SB_CTL);
  EXPECT_EQ(info.nMin, 0);
  EXPECT_EQ(info.nMax, 50);
  EXPECT_EQ(info.nPage, 10u);
  EXPECT_EQ(info.nPos, 5);

  const int arrow = ::GetSystemMetrics(SM_CXHSCROLL);
  const struct {
    POINT at;
    int position;
  } clicks[] = {
      {{arrow / 2, 8}, 3},         // left arrow: SmallChange
      {{200 - arrow / 2, 8}, 5},   // right arrow
      {{190 - arrow, 8}, 12},      // the trough right of the thumb: LargeChange
  };
  for (const auto& c : clicks) {
    ClickAt(*bar, c.at);
    EXPECT_EQ(bar->Position(), c.position);
    EXPECT_EQ(InfoOf(bar->Handle(), SB_CTL).nPos, c.position);
  }
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(ends, 3);
  ASSERT_EQ(codes.size(), 3u);
  EXPECT_EQ(codes[0], scLineUp);
  EXPECT_EQ(codes[1], scLineDown);
  EXPECT_EQ(codes[2], scPageDown);

  PressKey(VK_END);  // focused by the clicks: to the last position with a page
  EXPECT_EQ(bar->Position(), 41);
  bar->SetPosition(100);
  EXPECT_EQ(bar->Position(), 41);
  bar->SetPageSize(0);
  bar->SetPosition(100);
  EXPECT_EQ(bar->Position(), 50);
  EXPECT_THROW(bar->SetParams(0, 10, 5), EInvalidOperation);
  // OnScroll may change where the bar goes.
  bar->OnScroll = [](TObject&, TScrollCode, int& position) { position = 20; };
  ::SendMessageW(form->Handle(), WM_HSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(bar->Handle()));
  EXPECT_EQ(bar->Position(), 20);

  bar->SetKind(sbVertical);
  EXPECT_EQ(bar->Width(), 17);
  EXPECT_EQ(bar->Height(), 200);
  EXPECT_TRUE(StyleOf(*bar) & SBS_VERT);
  EXPECT_EQ(InfoOf(bar->Handle(), SB_CTL).nPos, 20);
}

TEST_F(ScrollTest, ScrollBoxRangesFollowItsChildrenAndScrollingMovesThem) {
  auto* box = Add<TScrollBox>(10, 10, 200, 150);
  auto* outer = Add<TButton>(300, 400, 75, 25, box);
  auto* inner = Add<TButton>(10, 10, 75, 25, box);
  const RECT client = box->ClientRect();
  EXPECT_TRUE(box->HorzScrollBar().IsScrollBarVisible());
  EXPECT_TRUE(box->VertScrollBar().IsScrollBarVisible());
  EXPECT_EQ(box->HorzScrollBar().Range(), 375);
  EXPECT_EQ(box->VertScrollBar().Range(), 425);
  EXPECT_EQ(InfoOf(box->Handle(), SB_VERT).nMax, 424);
  EXPECT_EQ(InfoOf(box->Handle(), SB_VERT).nPage, static_cast<UINT>(client.bottom));

  const struct {
    UINT msg;
    WPARAM request;
    int horz, vert;
  } steps[] = {
      {WM_VSCROLL, SB_LINEDOWN, 0, 8},
      {WM_VSCROLL, SB_PAGEDOWN, 0, 8 + client.bottom},
      {WM_VSCROLL, SB_BOTTOM, 0, 425 - client.bottom},
      {WM_HSCROLL, SB_LINEDOWN, 8, 425 - client.bottom},
      {WM_VSCROLL, SB_TOP, 8, 0},
      {WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 50), 8, 0},  // not Tracking: waits for the drop
  };
  for (const auto& s : steps) {
    ::SendMessageW(box->Handle(), s.msg, s.request, 0);
    EXPECT_EQ(box->HorzScrollBar().Position(), s.horz);
    EXPECT_EQ(box->VertScrollBar().Position(), s.vert);
    // Children are where they are shown.
    EXPECT_EQ(inner->Left(), 10 - s.horz);
    EXPECT_EQ(inner->Top(), 10 - s.vert);
    RECT r{};
    ::GetWindowRect(outer->Handle(), &r);
    ::MapWindowPoints(nullptr, box->Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 300 - s.horz);
    EXPECT_EQ(r.top, 400 - s.vert);
  }
  // The wheel scrolls three increments a notch.
  box->SetFocus();
  ::SendMessageW(box->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  EXPECT_EQ(box->VertScrollBar().Position(), 24);
  // Children that fit need no bars.
  outer->SetBounds(20, 20, 75, 25);
  EXPECT_EQ(box->VertScrollBar().Position(), 0);
  EXPECT_FALSE(box->HorzScrollBar().IsScrollBarVisible());
  EXPECT_FALSE(box->VertScrollBar().IsScrollBarVisible());
  EXPECT_EQ(inner->Top(), 10);
}

}  // namespace
