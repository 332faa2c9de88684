#include "graphics/GdiObjects.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "TestPixels.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"

namespace {

// Live counts of every kind, to compare before and after.
std::array<long, static_cast<int>(GdiKind::Count)> Snapshot() {
  std::array<long, static_cast<int>(GdiKind::Count)> counts{};
  for (int k = 0; k < static_cast<int>(GdiKind::Count); ++k) counts[k] = GdiLiveObjects(static_cast<GdiKind>(k));
  return counts;
}

TEST(GdiObjects, OwnershipIsCountedOncePerHandle) {
  const long brushes = GdiLiveObjects(GdiKind::Brush);
  const long total = GdiLiveObjects();
  {
    UniqueBrush a(::CreateSolidBrush(RGB(1, 2, 3)));
    EXPECT_EQ(GdiLiveObjects(GdiKind::Brush), brushes + 1);
    UniqueBrush b(std::move(a));  // moves do not count
    EXPECT_FALSE(a);
    EXPECT_EQ(GdiLiveObjects(GdiKind::Brush), brushes + 1);
    HBRUSH first = b.get();
    b.reset(::CreateSolidBrush(RGB(4, 5, 6)));  // replaces: the first is deleted
    EXPECT_EQ(::GetObjectType(first), 0u);
    EXPECT_EQ(GdiLiveObjects(GdiKind::Brush), brushes + 1);
    UniqueBrush failed(nullptr);  // a failed creation is not counted
    EXPECT_EQ(GdiLiveObjects(GdiKind::Brush), brushes + 1);
    EXPECT_EQ(GdiLiveObjects(), total + 1);
  }
  EXPECT_EQ(GdiLiveObjects(GdiKind::Brush), brushes);

  const long regions = GdiLiveObjects(GdiKind::Region);
  UniqueRegion region(::CreateRectRgn(0, 0, 4, 4));
  EXPECT_EQ(GdiLiveObjects(GdiKind::Region), regions + 1);
  HRGN handed = region.release();  // e.g. to SetWindowRgn: no longer ours
  EXPECT_EQ(GdiLiveObjects(GdiKind::Region), regions);
  EXPECT_EQ(::GetObjectType(handed), static_cast<DWORD>(OBJ_REGION));  // release does not delete
  ::DeleteObject(handed);
}

TEST(GdiObjects, DeviceContextsAreCountedAndReleased) {
  const long memory = GdiLiveObjects(GdiKind::MemoryDC);
  HDC raw = nullptr;
  {
    UniqueMemoryDC dc = UniqueMemoryDC::Create();
    ASSERT_TRUE(dc);
    raw = dc.get();
    EXPECT_EQ(GdiLiveObjects(GdiKind::MemoryDC), memory + 1);
    UniqueMemoryDC other;
    other = std::move(dc);
    EXPECT_EQ(GdiLiveObjects(GdiKind::MemoryDC), memory + 1);
  }
  EXPECT_EQ(GdiLiveObjects(GdiKind::MemoryDC), memory);
  EXPECT_EQ(::GetObjectType(raw), 0u);

  HWND window = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 50, 40, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  const long windowDCs = GdiLiveObjects(GdiKind::WindowDC);
  {
    UniqueWindowDC client = UniqueWindowDC::Client(window);
    UniqueWindowDC whole = UniqueWindowDC::WholeWindow(window);
    ASSERT_TRUE(client);
    ASSERT_TRUE(whole);
    EXPECT_EQ(client.window(), window);
    EXPECT_EQ(GdiLiveObjects(GdiKind::WindowDC), windowDCs + 2);
  }
  EXPECT_EQ(GdiLiveObjects(GdiKind::WindowDC), windowDCs);
  ::DestroyWindow(window);
}

long g_paintDCsDuringPaint = -1;
RECT g_paintRect{};

LRESULT CALLBACK PaintProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PaintDC dc(window);
    g_paintDCsDuringPaint = GdiLiveObjects(GdiKind::PaintDC);
    g_paintRect = dc.rect();
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

TEST(GdiObjects, PaintDCLivesForOnePaint) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = PaintProc;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = L"GdiObjectsPaintTest";
  ::RegisterClassW(&wc);
  HWND window = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 0, 0, 30, 20, nullptr, nullptr, wc.hInstance,
                                  nullptr);
  ASSERT_NE(window, nullptr);
  const long before = GdiLiveObjects(GdiKind::PaintDC);
  ::InvalidateRect(window, nullptr, FALSE);
  ::UpdateWindow(window);
  EXPECT_EQ(g_paintDCsDuringPaint, before + 1);
  EXPECT_EQ(g_paintRect.right - g_paintRect.left, 30);
  EXPECT_EQ(GdiLiveObjects(GdiKind::PaintDC), before);
  // Painted and validated: nothing left to paint.
  EXPECT_FALSE(::GetUpdateRect(window, nullptr, FALSE));
  ::DestroyWindow(window);
}

TEST(GdiObjects, SelectScopesRestoreInReverseOrder) {
  UniqueMemoryDC dc = UniqueMemoryDC::Create();
  UniqueBrush red(::CreateSolidBrush(RGB(255, 0, 0)));
  UniqueBrush blue(::CreateSolidBrush(RGB(0, 0, 255)));
  HGDIOBJ original = ::GetCurrentObject(dc.get(), OBJ_BRUSH);
  {
    SelectScope first(dc.get(), red.get());
    EXPECT_EQ(first.previous(), original);
    EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_BRUSH), red.get());
    {
      SelectScope second(dc.get(), blue.get());
      EXPECT_EQ(second.previous(), red.get());
      EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_BRUSH), blue.get());
    }
    EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_BRUSH), red.get());
  }
  EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_BRUSH), original);
  // Deselected objects can be deleted.
  HBRUSH r = red.get();
  red.reset();
  EXPECT_EQ(::GetObjectType(r), 0u);

  {
    SavedDC saved(dc.get());
    ::SetTextColor(dc.get(), RGB(9, 8, 7));
    ::SetBkMode(dc.get(), TRANSPARENT);
  }
  EXPECT_EQ(::GetTextColor(dc.get()), RGB(0, 0, 0));
  EXPECT_EQ(::GetBkMode(dc.get()), OPAQUE);
}

TEST(GdiObjects, ProcessCountIsReportedOrMarkedUnavailable) {
  const long before = GdiProcessObjects();
  if (before < 0) {
    // Not reported (Wine answers ERROR_CALL_NOT_IMPLEMENTED); then the
    // wrappers' own counts are the only measure.
    ::SetLastError(0);
    EXPECT_EQ(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), 0u);
    EXPECT_NE(::GetLastError(), 0u);
    return;
  }
  std::vector<UniqueBrush> brushes;
  for (int i = 0; i < 25; ++i) brushes.emplace_back(::CreateSolidBrush(RGB(i, 0, 0)));
  EXPECT_GE(GdiProcessObjects(), before + 25);
  brushes.clear();
  EXPECT_LE(GdiProcessObjects(), before);
}

// Thousands of create / draw / destroy rounds through every class of the
// graphics layer leave every live count where it was, and the handles seen
// along the way are really gone.
TEST(GdiLeaks, ThousandsOfDrawingRoundsLeaveNothingBehind) {
  TBitmap target(64, 32);
  target.Canvas().Font().SetName(L"Tahoma");
  (void)target.Canvas().Handle();
  const auto start = Snapshot();
  const long processStart = GdiProcessObjects();
  std::vector<HGDIOBJ> seen;

  for (int i = 0; i < 2000; ++i) {
    TBitmap sprite(8 + i % 5, 6);
    sprite.Fill(i % 2 ? clFuchsia : clLime);
    TCanvas& c = sprite.Canvas();
    c.Brush().SetColor(static_cast<TColor>(i * 7919 & 0xFFFFFF));
    c.FillRect(RECT{1, 1, 4, 4});
    c.Pen().SetWidth(1 + i % 3);
    c.MoveTo(0, 0);
    c.LineTo(5, 5);
    c.Font().SetHeight(-8 - i % 4);
    c.Brush().SetStyle(bsClear);
    c.TextOut(0, 0, L"Ab");
    if (i % 100 == 0) {
      seen.push_back(sprite.Handle());
      seen.push_back(c.Font().Handle());
    }
    sprite.SetTransparent(true);
    if (i % 3 == 0) sprite.SetTransparentColor(clLime);
    target.Canvas().Draw(i % 50, i % 20, sprite);
    target.Canvas().StretchDraw(RECT{0, 0, 20, 12}, sprite);
    sprite.SetTransparent(false);
    target.Canvas().StretchDraw(RECT{30, 0, 47, 9}, sprite);

    TBitmap copy(sprite);
    copy.SetSize(3, 3);
    TBitmap loaded;
    EXPECT_TRUE(loaded.LoadFromBMP(copy.SaveToBMP(24)));

    TCanvas borrowed(target.Canvas().Handle());
    borrowed.Font().SetStyle(fsBold);
    borrowed.TextRect(RECT{0, 0, 30, 10}, 0, 0, L"x");
  }
  EXPECT_EQ(Snapshot(), start);
  for (HGDIOBJ h : seen) EXPECT_EQ(::GetObjectType(h), 0u);
  if (processStart >= 0) {
    EXPECT_LE(GdiProcessObjects(), processStart + 2);
  }
}

}  // namespace
