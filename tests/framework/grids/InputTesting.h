#pragma once
// Real keyboard and mouse input through SendInput for the grid tests: the
// events pass the platform's input queue, focus and capture like a user's.
#include <windows.h>

#include <atomic>
#include <functional>
#include <initializer_list>
#include <string_view>
#include <thread>

#include "FrameworkTesting.h"

namespace input {

inline bool IsExtended(WORD vk) {
  switch (vk) {
    case VK_UP: case VK_DOWN: case VK_LEFT: case VK_RIGHT:
    case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
    case VK_INSERT: case VK_DELETE: return true;
    default: return false;
  }
}

inline void Key(WORD vk, bool down) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = (down ? 0 : KEYEVENTF_KEYUP) | (IsExtended(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
  ::SendInput(1, &in, sizeof(in));
}

// Presses vk with the modifiers held (VK_SHIFT, VK_CONTROL), then handles
// the messages it caused.
inline void Press(WORD vk, std::initializer_list<WORD> modifiers = {}) {
  for (WORD m : modifiers) Key(m, true);
  Key(vk, true);
  Key(vk, false);
  for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) Key(*it, false);
  Pump();
}

// Types text as characters (WM_CHAR through VK_PACKET), one at a time so
// that each reaches the window that has the focus after the one before.
inline void Type(std::wstring_view text) {
  for (wchar_t c : text) {
    INPUT in[2]{};
    for (INPUT& i : in) {
      i.type = INPUT_KEYBOARD;
      i.ki.wScan = c;
      i.ki.dwFlags = KEYEVENTF_UNICODE;
    }
    in[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    ::SendInput(2, in, sizeof(INPUT));
    Pump();
  }
}

inline void MouseEvent(DWORD flags, POINT screen = {}, DWORD data = 0) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  if (flags & MOUSEEVENTF_ABSOLUTE) {
    in.mi.dx = ::MulDiv(screen.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = ::MulDiv(screen.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
  }
  in.mi.mouseData = data;
  in.mi.dwFlags = flags;
  ::SendInput(1, &in, sizeof(in));
}

inline void MoveTo(POINT screen) { MouseEvent(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen); }
inline void LeftDown() { MouseEvent(MOUSEEVENTF_LEFTDOWN); }
inline void LeftUp() { MouseEvent(MOUSEEVENTF_LEFTUP); }

inline void Click(POINT screen, std::initializer_list<WORD> modifiers = {}) {
  for (WORD m : modifiers) Key(m, true);
  Pump();
  MoveTo(screen);
  LeftDown();
  LeftUp();
  Pump();
  for (WORD m : modifiers) Key(m, false);
  Pump();
}

inline void DoubleClick(POINT screen) {
  MoveTo(screen);
  LeftDown();
  LeftUp();
  LeftDown();
  LeftUp();
  Pump();
}

inline void Wheel(int delta) {
  MouseEvent(MOUSEEVENTF_WHEEL, {}, static_cast<DWORD>(delta));
  Pump();
}

// Sends input from another thread while this one handles messages, for
// modal loops (a scroll thumb's drag) that would otherwise wait for input
// this thread has not sent yet.
inline void FeedWhilePumping(const std::function<void()>& feed) {
  std::atomic<bool> done{false};
  std::thread feeder([&] {
    feed();
    done = true;
  });
  PumpUntil([&] { return done.load(); }, 10000);
  feeder.join();
  Pump();
}

}  // namespace input
