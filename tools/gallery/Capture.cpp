#include "Capture.h"

#include <filesystem>
#include <fstream>

#include "PngWriter.h"
#include "framework/Application.h"
#include "graphics/Canvas.h"
#include "graphics/GdiObjects.h"

namespace {

struct TEnumState {
  std::vector<HWND> windows;
};

BOOL CALLBACK AddWindow(HWND window, LPARAM state) {
  const LONG_PTR style = ::GetWindowLongPtrW(window, GWL_STYLE);
  RECT r{};
  ::GetWindowRect(window, &r);
  if (::IsWindowVisible(window) && !(style & WS_CHILD) && r.right > r.left && r.bottom > r.top)
    reinterpret_cast<TEnumState*>(state)->windows.push_back(window);
  return TRUE;
}

// Handles messages for a while: the platform may show what a window painted
// on the screen only some time after the painting (Wine flushes window
// surfaces on its own clock).
void Settle(DWORD milliseconds) {
  const DWORD start = ::GetTickCount();
  while (::GetTickCount() - start < milliseconds) {
    Application.ProcessMessages();
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

}  // namespace

std::vector<HWND> ThreadTopLevelWindows(HWND first) {
  TEnumState state;
  ::EnumThreadWindows(::GetCurrentThreadId(), &AddWindow, reinterpret_cast<LPARAM>(&state));
  std::vector<HWND> windows;
  for (HWND w : state.windows)
    if (w == first) windows.push_back(w);
  for (HWND w : state.windows)
    if (w != first) windows.push_back(w);
  return windows;
}

TBitmap CaptureWindow(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  TBitmap bitmap(r.right - r.left, r.bottom - r.top);
  bitmap.Fill(clWhite);
  HDC dc = bitmap.Canvas().Handle();
  const RECT screen{::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN),
                    ::GetSystemMetrics(SM_XVIRTUALSCREEN) + ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
                    ::GetSystemMetrics(SM_YVIRTUALSCREEN) + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  RECT visible{};
  if (::IntersectRect(&visible, &r, &screen) && ::EqualRect(&visible, &r)) {
    // On the screen: brought to the front and copied as shown, frame and
    // child windows included (not every platform's PrintWindow paints
    // those of windows that do not answer WM_PRINT themselves).
    ::SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ::GdiFlush();
    Settle(250);
    const UniqueWindowDC desktop = UniqueWindowDC::Client(nullptr);
    ::BitBlt(dc, 0, 0, bitmap.Width(), bitmap.Height(), desktop.get(), r.left, r.top, SRCCOPY);
  } else {
    ::PrintWindow(window, dc, 0);
  }
  ::GdiFlush();
  return bitmap;
}

std::wstring CaptureFileName(const std::wstring& path, size_t index) {
  if (index == 0) return path;
  const size_t dot = path.rfind(L'.');
  const size_t slash = path.find_last_of(L"\\/");
  const size_t at = dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash) ? path.size() : dot;
  return path.substr(0, at) + L"-" + std::to_wstring(index + 1) + path.substr(at);
}

bool SaveCaptures(const std::wstring& path, const std::vector<HWND>& windows) {
  bool ok = !windows.empty();
  for (size_t i = 0; i < windows.size(); ++i) {
    const std::vector<std::uint8_t> png = EncodePng(CaptureWindow(windows[i]));
    std::ofstream file(std::filesystem::path(CaptureFileName(path, i)), std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    ok = ok && file.good();
  }
  return ok;
}
