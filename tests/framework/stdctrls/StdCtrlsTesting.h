#pragma once
// Helpers for the standard controls' tests: a form in the foreground to
// put controls on, real input through SendInput, captures and the
// published type names as a table.
#include <windows.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "FrameworkTesting.h"
#include "framework/Form.h"
#include "graphics/Canvas.h"
#include "graphics/GdiObjects.h"

class StdCtrlsTest : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    form = MakeComponent<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetBounds(40, 40, 420, 320);
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
  T* Add(int left, int top, int width, int height, TWinControl* parent = nullptr) {
    T* control = form->Create<T>();
    control->SetParent(parent ? parent : form.get());
    control->SetBounds(left, top, width, height);
    return control;
  }

  TOwned<TForm> form;
};

using Inputs = std::vector<INPUT>;

inline INPUT MouseInput(DWORD flags, POINT screen = {}) {
  INPUT i{};
  i.type = INPUT_MOUSE;
  i.mi.dwFlags = flags;
  if (flags & MOUSEEVENTF_ABSOLUTE) {
    i.mi.dx = MulDiv(screen.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
    i.mi.dy = MulDiv(screen.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
  }
  return i;
}

// The cursor to p (client coordinates of control).
inline Inputs MoveInput(TControl& control, POINT p) {
  return {MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, control.ClientToScreen(p))};
}

inline Inputs ClickInput(TControl& control, POINT p) {
  Inputs input = MoveInput(control, p);
  input.push_back(MouseInput(MOUSEEVENTF_LEFTDOWN));
  input.push_back(MouseInput(MOUSEEVENTF_LEFTUP));
  return input;
}

inline Inputs KeyInput(WORD key, std::initializer_list<WORD> modifiers = {}) {
  Inputs input;
  auto add = [&input](WORD vk, bool up) {
    INPUT i{};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = vk;
    i.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    input.push_back(i);
  };
  for (WORD m : modifiers) add(m, false);
  add(key, false);
  add(key, true);
  for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) add(*it, true);
  return input;
}

// Characters typed as Unicode keyboard input.
inline Inputs TextInput(std::wstring_view text) {
  Inputs input;
  for (wchar_t c : text) {
    for (DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
      INPUT i{};
      i.type = INPUT_KEYBOARD;
      i.ki.wScan = c;
      i.ki.dwFlags = KEYEVENTF_UNICODE | up;
      input.push_back(i);
    }
  }
  return input;
}

inline void Play(std::initializer_list<Inputs> parts) {
  Inputs all;
  for (const Inputs& part : parts) all.insert(all.end(), part.begin(), part.end());
  ::SendInput(static_cast<UINT>(all.size()), all.data(), sizeof(INPUT));
  Pump();
}

inline POINT Centre(TControl& c) { return {c.Width() / 2, c.Height() / 2}; }
inline void ClickOn(TControl& c) { Play({ClickInput(c, Centre(c))}); }
inline void ClickAt(TControl& c, POINT p) { Play({ClickInput(c, p)}); }
inline void PressKey(WORD key, std::initializer_list<WORD> modifiers = {}) { Play({KeyInput(key, modifiers)}); }
inline void Type(std::wstring_view text) { Play({TextInput(text)}); }

// The control's window as the screen shows it.
inline TBitmap CaptureScreen(TWinControl& control) {
  // Painted, and what was painted handed on to the display.
  ::RedrawWindow(control.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  ::Sleep(30);
  RECT r{};
  ::GetWindowRect(control.Handle(), &r);
  TBitmap shot(r.right - r.left, r.bottom - r.top);
  UniqueWindowDC screen = UniqueWindowDC::Client(nullptr);
  ::BitBlt(shot.Canvas().Handle(), 0, 0, shot.Width(), shot.Height(), screen.get(), r.left, r.top, SRCCOPY);
  if (::GetEnvironmentVariableW(L"STDCTRLS_DUMP", nullptr, 0)) {  // for looking at them
    static int n = 0;
    shot.SaveToFile(L"stdctrls_capture" + std::to_wstring(n++) + L".bmp", 24);
  }
  return shot;
}

// Pixels of colour within rect of a bitmap.
inline int CountPixels(const TBitmap& b, const RECT& rect, TColor colour) {
  int n = 0;
  for (int y = std::max(0, static_cast<int>(rect.top)); y < std::min(b.Height(), static_cast<int>(rect.bottom)); ++y)
    for (int x = std::max(0, static_cast<int>(rect.left)); x < std::min(b.Width(), static_cast<int>(rect.right)); ++x)
      n += b.Pixel(x, y) == colour;
  return n;
}

inline LONG_PTR StyleOf(TWinControl& c) { return ::GetWindowLongPtrW(c.Handle(), GWL_STYLE); }
