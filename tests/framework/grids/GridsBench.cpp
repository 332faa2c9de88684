// Timing of a grid's screen updates under Wine, as ratios against a full
// repaint of the same grid in the same run: scrolling by a row (the pixels
// that stay are moved, only the new row is painted; the scroll bar redraws
// too), the same without scroll bars, and moving the current cell (two
// cells repainted). Prints one line per measurement.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/grids/CustomGrid.h"

namespace {

double Now() {
  LARGE_INTEGER t, f;
  ::QueryPerformanceCounter(&t);
  ::QueryPerformanceFrequency(&f);
  return static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

// The median time of one call of step, over rounds of count calls.
template <typename F>
double Median(int rounds, int count, F step) {
  std::vector<double> times;
  for (int r = 0; r < rounds; ++r) {
    const double start = Now();
    for (int i = 0; i < count; ++i) step(i);
    times.push_back((Now() - start) / count);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Application.Initialize();
  TOwned<TForm> form = MakeComponent<TForm>();
  form->SetBorderStyle(bsNone);
  form->SetBounds(0, 0, 820, 620);
  TDrawGrid* grid = form->Create<TDrawGrid>();
  grid->SetParent(form.get());
  grid->SetBounds(10, 10, 800, 600);
  grid->SetColCount(20);
  grid->SetRowCount(5000);
  grid->OnDrawCell = [grid](TObject&, int col, int row, const RECT& rect, TGridDrawState) {
    const std::wstring text = L"R" + std::to_wstring(row) + L"C" + std::to_wstring(col);
    grid->Canvas().TextRect(rect, rect.left + 2, rect.top + 2, text);
  };
  form->Show();
  grid->SetFocus();
  Application.ProcessMessages();
  HWND window = grid->Handle();

  const int rounds = 9, count = 40;
  const double full = Median(rounds, count, [&](int) {
    ::InvalidateRect(window, nullptr, FALSE);
    ::UpdateWindow(window);
  });
  // Down one row, up one, down two...: every step moves by one or two rows.
  auto scrollStep = [&](int i) {
    grid->SetTopRow(1 + (i % 2 ? 0 : 1) + (i / 2) % 2000);
    ::UpdateWindow(window);
  };
  const double scroll = Median(rounds, count, scrollStep);
  grid->SetScrollBars(ssNone);
  const double scrollNoBars = Median(rounds, count, scrollStep);
  grid->SetScrollBars(ssBoth);
  const double move = Median(rounds, count, [&](int i) {
    grid->SetCol(1 + i % 5);
    ::UpdateWindow(window);
  });
  std::printf("full repaint     %8.1f us  1.00\n", full * 1e6);
  std::printf("scroll one row   %8.1f us  %.2f\n", scroll * 1e6, scroll / full);
  std::printf("  without bars   %8.1f us  %.2f\n", scrollNoBars * 1e6, scrollNoBars / full);
  std::printf("move current     %8.1f us  %.2f\n", move * 1e6, move / full);
  return 0;
}
