// Which controls a skinned form wraps and how: border and scroll-bar
// wrappers on edits, memos and list boxes, the skinned bars against the
// native ones, the Tag opt-out, wrapping once, and switching the skin off
// and on.
#include <gtest/gtest.h>

#include "WrapperTestSupport.h"
#include "engine/QELSkinEngine.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/ListBox.h"
#include "framework/stdctrls/Memo.h"
#include "framework/Menus.h"
#include "hook/QELSkinScrollWinControl.h"
#include "painters/QELSkinButton.h"

namespace {

// The native bar of a control, in its parent's client coordinates; empty
// when it is not shown.
RECT NativeBar(TWinControl& c, bool vertical) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  if (!::GetScrollBarInfo(c.Handle(), vertical ? OBJID_VSCROLL : OBJID_HSCROLL, &info) ||
      (info.rgstate[0] & STATE_SYSTEM_INVISIBLE))
    return {};
  RECT r = info.rcScrollBar;
  ::MapWindowPoints(nullptr, c.Parent()->Handle(), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

bool SameRect(const RECT& a, const RECT& b) { return ::EqualRect(&a, &b) != FALSE; }

void Fill(TStrings& lines, int count) {
  for (int i = 0; i < count; ++i) lines.Add("line " + std::to_string(i) + " with some words to be wide enough");
}

}  // namespace

namespace {

// The engine vendor's own controls are left alone; "TqelForm" among them
// turns the whole window's skinning off.
class TqelFancyEdit : public TEdit {
  FW_CLASS(TqelFancyEdit, TEdit)
 public:
  explicit TqelFancyEdit(TComponent* owner) : TEdit(owner) {}
};
class TqelForm : public TForm {
  FW_CLASS(TqelForm, TForm)
 public:
  explicit TqelForm(TComponent* owner) : TForm(owner) {}
  static std::vector<TPropInfo> PublishedProperties() { return {}; }
};

}  // namespace

class WrapperRulesTest : public WrapperTest {};

// A single-line edit: border, no skinned bars; a memo: border and bars laid
// exactly over its native ones, the corner between them in the form colour.
TEST_F(WrapperRulesTest, EditGetsBorderMemoGetsBorderAndBars) {
  auto* edit = Add<TEdit>(10, 10, 160, 24);
  auto* memo = Add<TMemo>(10, 50, 200, 120);
  memo->SetScrollBars(ssBoth);
  memo->SetWordWrap(false);
  Fill(memo->Lines(), 40);
  SkinForm();

  auto* editWrapper = WrapperOf<TqelSkinScrollWinControl>(*edit);
  auto* memoWrapper = WrapperOf<TqelSkinScrollWinControl>(*memo);
  ASSERT_NE(editWrapper, nullptr);
  ASSERT_NE(memoWrapper, nullptr);
  EXPECT_EQ(editWrapper->VertBar(), nullptr);
  EXPECT_EQ(editWrapper->HorzBar(), nullptr);
  ASSERT_NE(memoWrapper->VertBar(), nullptr);
  ASSERT_NE(memoWrapper->HorzBar(), nullptr);

  memo->Invalidate();
  Pump();
  for (bool vertical : {true, false}) {
    TqelSkinInternalScrollBar* bar = vertical ? memoWrapper->VertBar() : memoWrapper->HorzBar();
    const RECT native = NativeBar(*memo, vertical);
    EXPECT_FALSE(::IsRectEmpty(&native)) << "vertical " << vertical;
    EXPECT_TRUE(bar->Visible()) << "vertical " << vertical;
    EXPECT_TRUE(SameRect(bar->BoundsRect(), native)) << "vertical " << vertical;
    EXPECT_EQ(bar->Face().Width(), native.right - native.left);
  }

  const TColor border = engine().GetSkinColor(SKIN2_CONTROLBORDERCOLOR);
  for (TWinControl* c : {static_cast<TWinControl*>(edit), static_cast<TWinControl*>(memo)}) {
    c->Invalidate();
    Pump();
    const TBitmap shown = ScreenOf(c->Handle(), false);
    EXPECT_EQ(Px(shown, 0, 0), ColorToPixel(border)) << c->ClassName();
    EXPECT_EQ(Px(shown, shown.Width() - 1, shown.Height() / 2), ColorToPixel(border)) << c->ClassName();
    EXPECT_EQ(Px(shown, 1, 1), ColorToPixel(c->Color())) << c->ClassName();
  }
  KeepCapture(ScreenOfWindow(form().Handle()), "wrappers_edit_memo");
  // The square between the two panels.
  const RECT v = memoWrapper->VertBar()->BoundsRect();
  const RECT h = memoWrapper->HorzBar()->BoundsRect();
  RECT window{};
  ::GetWindowRect(memo->Handle(), &window);
  ::MapWindowPoints(nullptr, form().Handle(), reinterpret_cast<POINT*>(&window), 2);
  const TBitmap shown = ScreenOf(memo->Handle(), false);
  EXPECT_EQ(Px(shown, (h.right + v.right) / 2 - window.left, (h.top + h.bottom) / 2 - window.top),
            ColorToPixel(engine().Values().FormColor));
}

// A press on the skinned up arrow of a list box scrolls it exactly as a
// press on its native arrow scrolls a twin that keeps the platform look.
TEST_F(WrapperRulesTest, SkinnedUpArrowScrollsLikeTheNativeOne) {
  auto* skinned = Add<TListBox>(10, 10, 150, 120);
  auto* native = Add<TListBox>(200, 10, 150, 120);
  native->SetTag(engine().DisabledTag());
  for (TListBox* box : {skinned, native}) {
    Fill(box->Items(), 50);
  }
  SkinForm();
  auto* wrapper = WrapperOf<TqelSkinScrollWinControl>(*skinned);
  ASSERT_NE(wrapper, nullptr);
  EXPECT_EQ(WrapperOf(*native), nullptr);
  TqelSkinInternalScrollBar* bar = wrapper->VertBar();
  ASSERT_NE(bar, nullptr);

  for (int clicks : {1, 3}) {
    for (TListBox* box : {skinned, native}) box->SetTopIndex(20);
    Pump();
    skinned->Invalidate();
    Pump();
    ASSERT_TRUE(bar->Visible());
    const int arrow = ::GetSystemMetrics(SM_CYVSCROLL);
    for (int i = 0; i < clicks; ++i) {
      // The native arrow: the press, its release waiting in the queue.
      const RECT nb = NativeBar(*native, true);
      POINT at{(nb.left + nb.right) / 2, nb.top + arrow / 2};
      ::ClientToScreen(form().Handle(), &at);
      ::SetCursorPos(at.x, at.y);
      ::PostMessageW(native->Handle(), WM_LBUTTONUP, 0, 0);
      ::SendMessageW(native->Handle(), WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(at.x, at.y));
      Pump();
      // The skinned arrow: the same place of the panel.
      POINT onBar{bar->Width() / 2, arrow / 2};
      POINT screen = onBar;
      ::ClientToScreen(bar->Handle(), &screen);
      ::SetCursorPos(screen.x, screen.y);
      ::PostMessageW(skinned->Handle(), WM_LBUTTONUP, 0, 0);
      ::SendMessageW(bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(onBar.x, onBar.y));
      Pump();
    }
    EXPECT_EQ(native->TopIndex(), 20 - clicks) << "the native arrow scrolls one line a press";
    EXPECT_EQ(skinned->TopIndex(), native->TopIndex()) << clicks << " presses";
  }
}

// A control whose Tag is the DisabledTag gets no wrapper; one that gets the
// Tag after it was wrapped receives every message unchanged from then on
// (a recorder below the wrapper sees what was sent).
TEST_F(WrapperRulesTest, DisabledTagKeepsPlatformLookAndEveryMessage) {
  auto* opted = Add<TButton>(10, 10, 90, 28);
  opted->SetTag(engine().DisabledTag());
  auto* later = Add<TButton>(110, 10, 90, 28);
  TRecordingHook recorder(*later);
  SkinForm();
  EXPECT_EQ(WrapperOf(*opted), nullptr);
  EXPECT_EQ(::SendMessageW(opted->Handle(), QM_SKINNEDQUERY, 0, 0), 0);
  ASSERT_NE(WrapperOf<TqelSkinButton>(*later), nullptr);
  EXPECT_EQ(::SendMessageW(later->Handle(), QM_SKINNEDQUERY, 0, 0), 1);

  // Messages the skinner keeps from a skinned button.
  const struct {
    UINT msg;
    WPARAM w;
  } kSent[] = {{WM_LBUTTONDOWN, MK_LBUTTON}, {WM_LBUTTONUP, 0}, {WM_KEYDOWN, VK_RETURN}, {WM_KEYDOWN, VK_SPACE},
               {WM_KEYUP, VK_SPACE},         {WM_ERASEBKGND, 0}, {CM_LOSTFOCUS, 0}};
  const auto seen = [&](UINT msg, WPARAM w) {
    int n = 0;
    for (const TMessage& m : recorder.messages) n += m.Msg == msg && m.WParam == w;
    return n;
  };
  recorder.messages.clear();
  for (const auto& s : kSent) later->Perform(s.msg, s.w, 0);
  EXPECT_EQ(seen(WM_LBUTTONDOWN, MK_LBUTTON), 0) << "skinned: the press is the skinner's";
  EXPECT_EQ(seen(WM_KEYDOWN, VK_RETURN), 0);

  later->SetTag(engine().DisabledTag());
  recorder.messages.clear();
  for (const auto& s : kSent) later->Perform(s.msg, s.w, 0);
  for (const auto& s : kSent) EXPECT_EQ(seen(s.msg, s.w), 1) << "message " << s.msg << " " << s.w;
  EXPECT_EQ(later->Perform(QM_SKINNEDQUERY), 0) << "no longer answered as skinned";
  ::ReleaseCapture();
}

// Skinning the form again wraps nothing twice; switching Active off hides
// the panels and on shows them again, with no panel left over or added.
TEST_F(WrapperRulesTest, WrappedOnceAndActiveSwitchLeavesNoPanels) {
  auto* memo = Add<TMemo>(10, 10, 200, 120);
  memo->SetScrollBars(ssVertical);
  Fill(memo->Lines(), 40);
  auto* button = Add<TButton>(10, 150, 90, 28);
  SkinForm();
  TqelSkinWindow* frame = Frame();
  ASSERT_NE(frame, nullptr);
  const int wrappers = frame->ChildWrapperCount();
  EXPECT_EQ(wrappers, 2);
  EXPECT_EQ(CountComponents("TqelSkinInternalScrollBar"), 2);
  auto* memoWrapper = WrapperOf<TqelSkinScrollWinControl>(*memo);
  ASSERT_NE(memoWrapper, nullptr);
  ASSERT_TRUE(memoWrapper->VertBar()->Visible());
  EXPECT_FALSE(memoWrapper->HorzBar()->Visible()) << "the memo shows no horizontal bar";

  engine().SkinWindow(form().Handle(), false);
  EXPECT_EQ(Frame(), frame) << "one frame per window";
  EXPECT_EQ(frame->ChildWrapperCount(), wrappers);

  for (int round = 0; round < 2; ++round) {
    engine().SetActive(false);
    Pump();
    EXPECT_FALSE(memoWrapper->VertBar()->Visible()) << round;
    EXPECT_EQ(::SendMessageW(button->Handle(), QM_SKINNEDQUERY, 0, 0), 0) << "inactive wrappers stand aside";
    engine().SetActive(true);
    Pump();
    EXPECT_TRUE(memoWrapper->VertBar()->Visible()) << round;
    EXPECT_EQ(Frame()->ChildWrapperCount(), wrappers);
    EXPECT_EQ(CountComponents("TqelSkinInternalScrollBar"), 2);
  }

  // A skin loaded again: the same wrappers, refreshed, the panels shown.
  engine().SetSkinFile(BuiltInSkin().wstring());
  Pump();
  EXPECT_EQ(Frame(), frame);
  EXPECT_EQ(frame->ChildWrapperCount(), wrappers);
  EXPECT_EQ(CountComponents("TqelSkinInternalScrollBar"), 2);
  EXPECT_TRUE(memoWrapper->VertBar()->Visible()) << "after the skin change";

  // Unskinned and skinned again: the old wrappers and panels are gone, the
  // new ones wrap each control once.
  engine().UnskinWindow(form().Handle());
  EXPECT_EQ(CountComponents("TqelSkinInternalScrollBar"), 0);
  EXPECT_EQ(::SendMessageW(button->Handle(), QM_SKINNEDQUERY, 0, 0), 0);
  engine().SkinWindow(form().Handle(), false);
  Pump();
  ASSERT_NE(Frame(), nullptr);
  EXPECT_EQ(Frame()->ChildWrapperCount(), wrappers);
  EXPECT_EQ(CountComponents("TqelSkinInternalScrollBar"), 2);
  EXPECT_EQ(::SendMessageW(button->Handle(), QM_SKINNEDQUERY, 0, 0), 1);
}

// Which components a form's walk wraps: the vendor's own classes are
// skipped, a named embedded form takes the form colour and has its controls
// wrapped (an unnamed one not), a wrapped control's popup menus are skinned
// unless they carry the DisabledTag, and a "TqelForm" turns skinning off.
TEST_F(WrapperRulesTest, WalkOfTheFormsComponents) {
  auto* vendor = Add<TqelFancyEdit>(10, 10, 100, 24);
  auto* named = form().Create<TTestForm>();
  named->SetName("Inner");
  auto* unnamed = form().Create<TTestForm>();
  for (TTestForm* inner : {named, unnamed}) {
    inner->SetParent(&form());
    inner->SetBorderStyle(bsNone);
    inner->SetColor(clYellow);
  }
  named->SetBounds(10, 50, 150, 80);
  unnamed->SetBounds(200, 50, 150, 80);
  auto* innerButton = named->Create<TButton>();
  auto* hiddenButton = unnamed->Create<TButton>();
  for (TButton* b : {innerButton, hiddenButton}) {
    b->SetParent(b->Owner() == named ? named : unnamed);
    b->SetBounds(5, 5, 80, 26);
  }
  auto* menuOwner = Add<TButton>(10, 150, 90, 28);
  auto* popup = menuOwner->Create<TPopupMenu>();
  auto* optedMenu = menuOwner->Create<TPopupMenu>();
  optedMenu->SetTag(engine().DisabledTag());
  named->Show();
  unnamed->Show();
  SkinForm();

  ASSERT_NE(Frame(), nullptr);
  EXPECT_TRUE(Frame()->SkinEnabled());
  EXPECT_EQ(WrapperOf(*vendor), nullptr) << "a Tqel class";
  EXPECT_EQ(WrapperOf(*named), nullptr) << "embedded forms are walked, not wrapped";
  EXPECT_EQ(named->Color(), engine().Values().FormColor);
  EXPECT_EQ(unnamed->Color(), clYellow);
  EXPECT_NE(WrapperOf<TqelSkinButton>(*innerButton), nullptr);
  EXPECT_EQ(WrapperOf(*hiddenButton), nullptr);
  EXPECT_NE(WrapperOf<TqelSkinButton>(*menuOwner), nullptr);
  EXPECT_TRUE(popup->OwnerDraw());
  EXPECT_FALSE(optedMenu->OwnerDraw());

  engine().UnskinWindow(form().Handle());
  auto* vendorForm = form().Create<TqelForm>();
  vendorForm->SetParent(&form());
  engine().SkinWindow(form().Handle(), false);
  Pump();
  ASSERT_NE(Frame(), nullptr);
  EXPECT_FALSE(Frame()->SkinEnabled()) << "a TqelForm switches the window's skinning off";
  EXPECT_FALSE(Frame()->SkinApplied());
}
