#pragma once
// Helpers shared by the forms tests: the colours of the test program's
// icons (a 16 x 16 red and a 32 x 32 blue image) and a way to tell them apart.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/GdiObjects.h"

constexpr std::uint32_t kIconRed = 0xFF0000;  // 0x00RRGGBB
constexpr std::uint32_t kIconBlue = 0x0000FF;

// The colour of the icon's middle pixel, drawn at size x size on white.
inline std::uint32_t IconMiddleColour(HICON icon, int size) {
  TBitmap bitmap(size, size);
  bitmap.Fill(clWhite);
  ::DrawIconEx(bitmap.Canvas().Handle(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  return bitmap.ScanLine(size / 2)[size / 2] & 0xFFFFFF;
}

#include <functional>
#include <string>

// Answers a window that a modal loop will show: a timer looks for the first
// visible window of class className on this thread and hands it to answer
// once. For the platform's dialogs ("#32770") and message forms.
class TDialogAnswer {
 public:
  TDialogAnswer(const wchar_t* className, std::function<void(HWND)> answer)
      : className_(className), answer_(std::move(answer)) {
    current_ = this;
    timer_ = ::SetTimer(nullptr, 0, 50, &TDialogAnswer::Tick);
  }
  ~TDialogAnswer() {
    ::KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  TDialogAnswer(const TDialogAnswer&) = delete;
  TDialogAnswer& operator=(const TDialogAnswer&) = delete;

  // The window answered, null until then.
  HWND Seen() const noexcept { return seen_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    TDialogAnswer* self = current_;
    if (!self || self->seen_) return;
    struct Find {
      const std::wstring* cls;
      HWND found;
    } find{&self->className_, nullptr};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND w, LPARAM data) -> BOOL {
          auto* f = reinterpret_cast<Find*>(data);
          wchar_t name[64] = {};
          ::GetClassNameW(w, name, 64);
          if (*f->cls == name && ::IsWindowVisible(w)) {
            f->found = w;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&find));
    if (!find.found) return;
    self->seen_ = find.found;
    self->answer_(find.found);
  }

  static inline TDialogAnswer* current_ = nullptr;
  std::wstring className_;
  std::function<void(HWND)> answer_;
  UINT_PTR timer_ = 0;
  HWND seen_ = nullptr;
};

// Presses and releases a key as real input (to the focused window), with
// Alt held when alt is set.
inline void PressKey(WORD key, bool alt = false) {
  std::vector<INPUT> in;
  auto add = [&](WORD k, DWORD flags) {
    INPUT i{};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = k;
    i.ki.dwFlags = flags;
    in.push_back(i);
  };
  if (alt) add(VK_MENU, 0);
  add(key, 0);
  add(key, KEYEVENTF_KEYUP);
  if (alt) add(VK_MENU, KEYEVENTF_KEYUP);
  ::SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

#include <fstream>

// The whole window (frame included) as it is on the screen (bring it to the
// front first), also saved as name beside the test program for looking at.
inline TBitmap CaptureWindow(HWND window, const char* name) {
  RECT r{};
  ::GetWindowRect(window, &r);
  TBitmap bitmap(r.right - r.left, r.bottom - r.top);
  const UniqueWindowDC screen = UniqueWindowDC::Client(nullptr);
  ::BitBlt(bitmap.Canvas().Handle(), 0, 0, bitmap.Width(), bitmap.Height(), screen.get(), r.left, r.top, SRCCOPY);
  const std::vector<std::uint8_t> bmp = bitmap.SaveToBMP(24);
  std::ofstream(name, std::ios::binary).write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
  return bitmap;
}

// Distinct colours in a rectangle of the bitmap.
inline int ColourCount(const TBitmap& bitmap, const RECT& r) {
  std::vector<std::uint32_t> seen;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) {
      const std::uint32_t p = bitmap.ScanLine(y)[x] & 0xFFFFFF;
      if (std::find(seen.begin(), seen.end(), p) == seen.end()) seen.push_back(p);
    }
  return static_cast<int>(seen.size());
}
