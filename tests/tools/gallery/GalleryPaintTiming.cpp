// How long a full repaint of the gallery's busiest page takes wearing the
// built-in skin against the same page unskinned, in the same run: one
// form, the engine switched off and on between interleaved batches.
// Prints medians and the ratio; not a test.
//   gallery_paint_timing [--parts] [rounds] [batch]   (default.qsk in the current folder)
// --parts times the frame and each skinned window on show, one by one.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <functional>
#include <string>
#include <vector>

#include "GallerySkinning.h"
#include "framework/Application.h"
#include "painters/StandardSkinners.h"

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

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

// Handles what is waiting for a while (a switch re-frames the window).
void Settle() {
  const double until = Now() + 0.05;
  while (Now() < until) {
    Application.ProcessMessages();
    ::Sleep(1);
  }
}

// Milliseconds per repaint over a batch, after a few untimed ones.
double BatchMillis(HWND window, int batch) {
  for (int i = 0; i < 3; ++i) RepaintGalleryWindow(window);
  const double start = Now();
  for (int i = 0; i < batch; ++i) RepaintGalleryWindow(window);
  return (Now() - start) * 1e3 / batch;
}

// Where a skinned repaint goes: for the frame and each skinned window on
// show, the skin's part alone (frame: WM_NCPAINT; a control: its face and
// border) and the window's whole repaint, skinned and not, in milliseconds.
void PrintParts(TqelSkinEngine& engine, TFrm_Gallery& form) {
  constexpr int kBatch = 20;
  auto millis = [](const std::function<void()>& f) {
    for (int i = 0; i < 3; ++i) f();
    const double start = Now();
    for (int i = 0; i < kBatch; ++i) f();
    return (Now() - start) * 1e3 / kBatch;
  };
  TqelSkinWindow* frame = engine.FindSkinWindow(form.Handle());
  if (!frame) return;
  std::printf("%-24s %10s %10s %10s\n", "window", "skin part", "skinned", "unskinned");
  auto row = [&](const char* name, HWND h, const std::function<void()>& skinPart) {
    const double part = millis(skinPart);
    const double whole = millis([h] { RepaintGalleryWindow(h); });
    engine.SetActive(false);
    Settle();
    const double plain = millis([h] { RepaintGalleryWindow(h); });
    engine.SetActive(true);
    Settle();
    std::printf("%-24s %10.3f %10.3f %10.3f\n", name, part, whole, plain);
  };
  row("(frame)", form.Handle(), [&] { ::SendMessageW(form.Handle(), WM_NCPAINT, 1, 0); });
  // Read again for every row: switching the skin off and on may give a
  // control a new window.
  for (size_t k = 0;; ++k) {
    const std::vector<HWND> shown = ShownSkinnedWindows(*frame);
    if (k >= shown.size()) break;
    HWND h = shown[k];
    wchar_t cls[64] = {};
    ::GetClassNameW(h, cls, 64);
    std::string name(cls, cls + std::wcslen(cls));
    row(name.c_str(), h, [h] {
      ::SendMessageW(h, QM_REPAINT, 0, 0);
      ::SendMessageW(h, WM_NCPAINT, 1, 0);
    });
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const bool parts = argc > 1 && std::wstring(argv[1]) == L"--parts";
  if (parts) {
    --argc;
    ++argv;
  }
  const int rounds = argc > 1 ? std::max(3, _wtoi(argv[1])) : 21;
  const int batch = argc > 2 ? std::max(1, _wtoi(argv[2])) : 20;
  const std::vector<std::uint8_t> skin = GalleryBuiltInSkin();
  if (skin.empty()) {
    std::fprintf(stderr, "usage: gallery_paint_timing [rounds] [batch], with default.qsk in the current folder\n");
    return 2;
  }
  Application.Initialize();
  RegisterStandardSkinners();
  TOwned<TFrm_Gallery> form = MakeComponent<TFrm_Gallery>();
  TqelSkinEngine& engine = AttachGalleryEngine(*form, skin);
  if (!engine.Ready()) {
    std::fprintf(stderr, "cannot load the skin\n");
    return 1;
  }
  form->Show();
  const TBusiestPage busiest = BusiestGalleryPage(*form);
  form->ShowPage(busiest.Name);
  Settle();
  engine.SkinForm(*form);
  Settle();
  const HWND window = form->Handle();

  if (parts) {
    PrintParts(engine, *form);
    return 0;
  }
  std::vector<double> plain, skinned;
  for (int i = 0; i < rounds; ++i) {  // interleaved, the order alternating
    for (int k = 0; k < 2; ++k) {
      const bool on = (i + k) % 2 == 1;
      engine.SetActive(on);
      Settle();
      (on ? skinned : plain).push_back(BatchMillis(window, batch));
    }
  }
  const double base = Median(plain), ours = Median(skinned);
  RECT r{};
  ::GetWindowRect(window, &r);
  std::printf("full repaint of the gallery's \"%.*s\" page (%d controls, %ld x %ld window), median of %d x %d\n",
              static_cast<int>(busiest.Name.size()), busiest.Name.data(), busiest.Controls, r.right - r.left,
              r.bottom - r.top, rounds, batch);
  std::printf("  unskinned   %8.2f ms\n", base);
  std::printf("  skinned     %8.2f ms\n", ours);
  std::printf("  ratio       %8.2f x\n", base > 0 ? ours / base : 0.0);
  return 0;
}
