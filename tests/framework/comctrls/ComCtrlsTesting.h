#pragma once
// Helpers for the common controls' tests: a form on screen to put the
// controls on, real input through SendInput, and the published type names
// of a control as a table.
#include <windows.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "FrameworkTesting.h"
#include "framework/Form.h"

// A borderless form shown at (40, 40) in the foreground, so that input
// reaches it.
class ComCtrlsTest : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    form = MakeComponent<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetBounds(40, 40, 400, 300);
    form->SetColor(clBtnFace);
    form->Show();
    ::SetForegroundWindow(form->Handle());
    Pump();
  }
  void TearDown() override {
    form.reset();
    FrameworkTest::TearDown();
  }

  template <typename T>
  T* Add(int left, int top, int width, int height) {
    T* control = form->Create<T>();
    control->SetParent(form.get());
    control->SetBounds(left, top, width, height);
    return control;
  }

  TOwned<TForm> form;
};

// Input events, to be played in one go: a menu's own loop then reads the
// later ones.
using Inputs = std::vector<INPUT>;

// The cursor moved to p (client coordinates of control) and a left click.
inline Inputs ClickInput(TControl& control, POINT p) {
  const POINT screen = control.ClientToScreen(p);
  const int cx = ::GetSystemMetrics(SM_CXSCREEN) - 1, cy = ::GetSystemMetrics(SM_CYSCREEN) - 1;
  Inputs input(3);
  for (INPUT& i : input) i.type = INPUT_MOUSE;
  input[0].mi.dx = MulDiv(screen.x, 65535, cx);
  input[0].mi.dy = MulDiv(screen.y, 65535, cy);
  input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  return input;
}

// One key going down (or up).
inline Inputs KeyEdgeInput(WORD key, bool up) {
  INPUT i{};
  i.type = INPUT_KEYBOARD;
  i.ki.wVk = key;
  i.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return {i};
}

// One key pressed and released, with modifiers held around it.
inline Inputs KeyInput(WORD key, std::initializer_list<WORD> modifiers = {}) {
  Inputs input;
  auto add = [&input](WORD vk, bool up) { input.push_back(KeyEdgeInput(vk, up).front()); };
  for (WORD m : modifiers) add(m, false);
  add(key, false);
  add(key, true);
  for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) add(*it, true);
  return input;
}

// Sends the inputs, one after the other, and handles what they cause.
inline void Play(std::initializer_list<Inputs> parts) {
  Inputs all;
  for (const Inputs& part : parts) all.insert(all.end(), part.begin(), part.end());
  ::SendInput(static_cast<UINT>(all.size()), all.data(), sizeof(INPUT));
  Pump();
}

inline void ClickAt(TControl& control, POINT p) { Play({ClickInput(control, p)}); }
inline void PressKey(WORD key, std::initializer_list<WORD> modifiers = {}) { Play({KeyInput(key, modifiers)}); }

// Each published property that a table names must exist with that type.
using TypeTable = std::vector<std::pair<std::string_view, std::string_view>>;
inline void ExpectPublishedTypes(const TObject& object, const TypeTable& table) {
  for (const auto& [name, type] : table) {
    const TPropInfo* p = FindProperty(object, name);
    if (!p) {
      ADD_FAILURE() << object.ClassName() << " does not publish " << name;
      continue;
    }
    EXPECT_EQ(p->TypeName, type) << object.ClassName() << "." << name;
  }
}
