// How long a skinned frame paint takes against the platform's own paint of
// the same window's frame, in the same run. Prints medians and the ratio;
// not a test.
//   skin_frame_paint_timing <package.qsk> [rounds]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <functional>
#include <string>
#include <vector>

#include "QELSkinReader.h"
#include "frame/FramePainter.h"
#include "graphics/GdiObjects.h"

namespace {

double Now() {
  static const LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  ::QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Microseconds per call of f over a batch of calls.
double Micros(const std::function<void()>& f, int batch) {
  const double start = Now();
  for (int i = 0; i < batch; ++i) f();
  return (Now() - start) * 1e6 / batch;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

HWND MakeWindow(const wchar_t* title) {
  static const ATOM cls = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"FramePaintTiming";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    return ::RegisterClassW(&wc);
  }();
  (void)cls;
  HWND h = ::CreateWindowExW(0, L"FramePaintTiming", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 784, 564,
                             nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
  return h;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: skin_frame_paint_timing <package.qsk> [rounds]\n");
    return 2;
  }
  const int rounds = argc > 2 ? std::max(3, _wtoi(argv[2])) : 31;
  const int batch = 200;
  TqelSkinReader reader(argv[1], "");
  if (!reader.Loaded()) {
    std::fprintf(stderr, "cannot load the skin\n");
    return 1;
  }
  HWND h = MakeWindow(L"\x8F6F\x4EF6\x62A5\x4FEE -- frame paint timing");
  TFramePainter painter;

  // The platform paints its frame for WM_NCPAINT (the default procedure).
  auto platform = [&] { ::SendMessageW(h, WM_NCPAINT, 1, 0); };
  // The skinned paint as a frame does it: skin and geometry gathered, the
  // window's facts and caption read, composed and copied to the window DC.
  auto skinned = [&] {
    const TFrameSkin skin = TFrameSkin::FromReader(reader);
    RECT r{};
    ::GetWindowRect(h, &r);
    TFrameWindow w;
    w.Width = r.right - r.left;
    w.Height = r.bottom - r.top;
    w.Iconic = ::IsIconic(h) != FALSE;
    w.Zoomed = ::IsZoomed(h) != FALSE;
    w.Sizeable = true;
    w.HasIcon = w.HasMax = w.HasMin = true;
    w.PlatformCaptionHeight = 23;
    const TFrameGeometry g(skin.Metrics, w);
    TFramePaintState state;
    wchar_t text[260];
    state.Caption.assign(text, static_cast<size_t>(::GetWindowTextW(h, text, 260)));
    POINT p{};
    ::GetCursorPos(&p);
    state.Cursor = POINT{p.x - r.left, p.y - r.top};
    UniqueWindowDC dc = UniqueWindowDC::WholeWindow(h);
    painter.Paint(dc.get(), g, skin, state);
  };

  for (int i = 0; i < 50; ++i) {  // warm up both
    platform();
    skinned();
  }
  std::vector<double> platformSamples, skinnedSamples;
  for (int i = 0; i < rounds; ++i) {  // interleaved
    platformSamples.push_back(Micros(platform, batch));
    skinnedSamples.push_back(Micros(skinned, batch));
  }
  const double base = Median(platformSamples), ours = Median(skinnedSamples);
  std::printf("frame paint of a 784 x 564 window, median of %d x %d paints\n", rounds, batch);
  std::printf("  platform frame   %8.1f us\n", base);
  std::printf("  skinned frame    %8.1f us\n", ours);
  std::printf("  ratio            %8.2f x\n", base > 0 ? ours / base : 0.0);
  ::DestroyWindow(h);
  return 0;
}
