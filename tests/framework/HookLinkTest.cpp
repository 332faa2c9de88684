// Hook links on a control's WindowProc and subclass links on raw windows:
// every removal order keeps the rest of the chain whole, in both kinds.
#include "framework/HookLink.h"

#include <algorithm>
#include <array>
#include <commctrl.h>
#include <string>

#include "FrameworkTesting.h"
#include "framework/Form.h"
#include "framework/Menus.h"
#include "framework/Panel.h"
#include "framework/WindowSubclass.h"

namespace {

constexpr UINT kProbe = WM_APP + 7;

// Each hook appends its letter to the trail and forwards.
std::string g_trail;

struct TLetterHook {
  char letter;
  THookLink link;
  void Hooked(TMessage& m) {
    if (m.Msg == kProbe) g_trail += letter;
    link.CallNext(m);
  }
  void Attach(TControl& c) { link.Attach(c, TWndMethod::Bind<&TLetterHook::Hooked>(this)); }
};

// A panel whose own handler marks the end of the chain.
class TProbePanel : public TPanel {
  FW_CLASS(TProbePanel, TPanel)
 public:
  using TPanel::TPanel;

 protected:
  void WndProc(TMessage& m) override {
    if (m.Msg == kProbe) {
      g_trail += '.';
      m.Result = 42;
      return;
    }
    TPanel::WndProc(m);
  }
};

std::string Probe(TControl& control) {
  g_trail.clear();
  EXPECT_EQ(control.Perform(kProbe), 42);
  return g_trail;
}

class HookLinkTest : public FrameworkTest {};

TEST_F(HookLinkTest, AnyRemovalOrderKeepsTheOthersAndRestoresTheControl) {
  std::array<int, 3> order{0, 1, 2};
  do {
    TOwned<TProbePanel> panel = MakeComponent<TProbePanel>();
    const TWndMethod unhooked = panel->WindowProc;
    std::array<TLetterHook, 3> hooks{{{'a', {}}, {'b', {}}, {'c', {}}}};
    for (TLetterHook& h : hooks) h.Attach(*panel);
    ASSERT_EQ(Probe(*panel), "cba.");
    std::string alive = "abc";
    for (int i : order) {
      hooks[i].link.Detach();
      alive.erase(alive.find(hooks[i].letter), 1);
      std::string expected(alive.rbegin(), alive.rend());
      EXPECT_EQ(Probe(*panel), expected + ".") << "after removing " << hooks[i].letter;
    }
    EXPECT_TRUE(panel->WindowProc == unhooked);
  } while (std::next_permutation(order.begin(), order.end()));
}

TEST_F(HookLinkTest, AHandlerSetDirectlyOnTopSurvivesLinksLeavingAndJoining) {
  TOwned<TProbePanel> panel = MakeComponent<TProbePanel>();
  TLetterHook a{'a', {}}, b{'b', {}};
  a.Attach(*panel);
  // Old-style hook: saves WindowProc and replaces it.
  struct TRaw {
    TWndMethod saved;
    void Hooked(TMessage& m) {
      if (m.Msg == kProbe) g_trail += 'r';
      saved(m);
    }
  } raw{panel->WindowProc};
  panel->WindowProc = TWndMethod::Bind<&TRaw::Hooked>(&raw);
  EXPECT_EQ(Probe(*panel), "ra.");
  a.link.Detach();
  EXPECT_EQ(Probe(*panel), "r.");
  b.Attach(*panel);  // joins below the raw hook, which still holds the dispatcher
  EXPECT_EQ(Probe(*panel), "rb.");
  panel->WindowProc = raw.saved;
  b.link.Detach();
  EXPECT_EQ(Probe(*panel), ".");
}

TEST_F(HookLinkTest, AControlFreedUnderItsLinksLeavesThemDetached) {
  TLetterHook a{'a', {}}, b{'b', {}};
  {
    TOwned<TForm> form = MakeComponent<TForm>();
    form->HandleNeeded();
    a.Attach(*form);
    b.Attach(*form);
    EXPECT_TRUE(a.link.Attached());
  }
  EXPECT_FALSE(a.link.Attached());
  EXPECT_FALSE(b.link.Attached());
  a.link.Detach();  // harmless
  TMessage m{kProbe, 0, 0, 0};
  b.link.CallNext(m);  // goes nowhere
}

// The menu bar hooks its form too; a hook added after it must keep
// receiving the form's messages whichever of the two leaves first.
TEST_F(HookLinkTest, MainMenuAndALaterHookLeaveInEitherOrder) {
  for (bool menuFirst : {true, false}) {
    TOwned<TForm> form = MakeComponent<TForm>();
    TMainMenu* menu = form->Create<TMainMenu>();
    menu->AttachTo(form.get());
    TRecordingHook later(*form);
    if (menuFirst) menu->AttachTo(nullptr);
    form->SetCaption(L"still here");
    EXPECT_EQ(later.Count(WM_SETTEXT), 1) << menuFirst;
    wchar_t text[32] = {};
    ::GetWindowTextW(form->Handle(), text, 32);
    EXPECT_STREQ(text, L"still here");
    later.Unhook();
    if (!menuFirst) menu->AttachTo(nullptr);
    form->SetCaption(L"again");
    ::GetWindowTextW(form->Handle(), text, 32);
    EXPECT_STREQ(text, L"again");
  }
}

// ---- raw windows ----------------------------------------------------------

std::string g_rawTrail;

struct TLetterSubclass {
  char letter;
  TWindowSubclass link;
  void Hooked(TMessage& m) {
    if (m.Msg == kProbe) g_rawTrail += letter;
    link.CallNext(m);
  }
  bool Attach(HWND w) { return link.Attach(w, TWndMethod::Bind<&TLetterSubclass::Hooked>(this)); }
};

LRESULT CALLBACK RawProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kProbe) {
    g_rawTrail += '.';
    return 42;
  }
  return ::DefWindowProcW(w, msg, wp, lp);
}

WNDPROC g_foreignNext = nullptr;
LRESULT CALLBACK ForeignProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kProbe) g_rawTrail += 'f';
  return ::CallWindowProcW(g_foreignNext, w, msg, wp, lp);
}

class RawWindow {
 public:
  RawWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &RawProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"HookLinkTestRaw";
    ::RegisterClassW(&wc);
    handle = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                               wc.hInstance, nullptr);
  }
  ~RawWindow() {
    if (::IsWindow(handle)) ::DestroyWindow(handle);
  }
  std::string Probe() const {
    g_rawTrail.clear();
    EXPECT_EQ(::SendMessageW(handle, kProbe, 0, 0), 42);
    return g_rawTrail;
  }
  HWND handle;
};

TEST_F(HookLinkTest, SubclassLinksLeaveInAnyOrderAndAroundAForeignSubclass) {
  std::array<int, 3> order{0, 1, 2};
  do {
    RawWindow window;
    std::array<TLetterSubclass, 3> links{{{'a', {}}, {'b', {}}, {'c', {}}}};
    for (TLetterSubclass& l : links) ASSERT_TRUE(l.Attach(window.handle));
    EXPECT_EQ(window.Probe(), "cba.");
    std::string alive = "abc";
    for (int i : order) {
      links[i].link.Detach();
      alive.erase(alive.find(links[i].letter), 1);
      EXPECT_EQ(window.Probe(), std::string(alive.rbegin(), alive.rend()) + ".");
    }
  } while (std::next_permutation(order.begin(), order.end()));

  // Someone replaces the procedure after us; we leave; they still work.
  RawWindow window;
  TLetterSubclass a{'a', {}};
  ASSERT_TRUE(a.Attach(window.handle));
  g_foreignNext = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(window.handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignProc)));
  EXPECT_EQ(window.Probe(), "fa.");
  a.link.Detach();
  EXPECT_EQ(window.Probe(), "f.");
}

TEST_F(HookLinkTest, ASubclassLinkLeavesWithItsWindow) {
  TLetterSubclass a{'a', {}};
  {
    RawWindow window;
    ASSERT_TRUE(a.Attach(window.handle));
    EXPECT_TRUE(a.link.Attached());
  }
  EXPECT_FALSE(a.link.Attached());
  EXPECT_FALSE(a.Attach(nullptr));
}

}  // namespace
