// Thousands of draws, slices, turns, region builds and resource rebuilds,
// and a hundred skin loads from package bytes, must leave the number of
// live GDI objects where it was: counted by the framework's handle
// wrappers, and by the system where it reports a count. Loads must leave
// no file and no memory behind either.
#include <windows.h>
// after windows.h
#include <psapi.h>

#include <gtest/gtest.h>

#include "QELSkinRes.h"
#include "QELSkinUtilsBitmap.h"
#include "QELSkinUtilsGradient.h"
#include "QELSkinUtilsPaint.h"
#include "QELSkinUtilsParts.h"
#include "QELSkinUtilsRegion.h"
#include "QELSkinUtilsScrollBar.h"
#include "Skin2TempName.h"
#include "SkinResourceSet.h"
#include "SkinTestFiles.h"
#include "SkinTestSupport.h"
#include "graphics/GdiObjects.h"

TEST(SkinUtilsLeaks, RepeatedWorkLeavesNoGdiObjectsBehind) {
  TqelSkinReader reader(BuiltInSkin(), "");
  ASSERT_TRUE(reader.Loaded());
  TSkinResourceSet resources;
  TBitmap target(240, 120);
  TCanvas& canvas = target.Canvas();
  HWND window = ::CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 240, 120, nullptr,
                                  nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  const TBitmap& title = *reader.GetBitmap(SKIN2_TITLEBAR1);
  const TBitmap& button = *reader.GetBitmap(SKIN2_BUTTON);

  auto round = [&](int i) {
    DrawNineGrid(*reader.GetBitmap(SKIN2_TABCONTROL), canvas, RECT{0, 0, 100 + i % 7, 50}, 0xFF00FF, i % 2 == 0);
    DrawThreeFrameBar(*reader.GetBitmap(SKIN2_TRACKBAR), canvas, RECT{0, 60, 200, 70}, 0xFF00FF, true);
    DrawThreePartV(button, canvas, RECT{0, 0, 20, 90}, 0);
    DrawThreePartH(button, canvas, RECT{0, 0, 190, 20}, 0);
    DrawVerticalGradient(canvas, RECT{0, 0, 30, 100}, clRed, clBlue);
    DrawHorizontalGradient(canvas, RECT{0, 0, 100, 30}, clRed, clBlue);
    DrawArrowDown(canvas, 5, 5, i % 2 == 0);
    DrawArrowLeft(canvas, 5, 5, i % 2 == 1);
    FillRectColor(canvas, RECT{1, 1, 9, 9}, clLime);
    FrameRectColor(canvas, RECT{1, 1, 9, 9}, clNavy);
    DrawMenuSeparator(canvas, RECT{0, 0, 100, 10}, 0x848284, true, 26);
    StretchBitmap(title, canvas, RECT{0, 0, 50, 50});
    (void)TruncateText(canvas, std::wstring_view(L"A caption that is far too long to fit"), 60);
    TBitmap piece;
    SliceBitmap(&button, piece, 6, 1 + i % 6);
    RotateBitmap90(piece);
    RotateBitmap180(piece);
    RotateBitmap270(piece);
    ReplaceBitmapColor(piece, 0xFF00FF, 0x00FF00);
    UniqueRegion region = CreateSkinRegion(TSkinRegionShape{&title, nullptr, 240, 120, 0xFF00FF, 0, 5, -1, -1, true, false});
    // Installing a window region is slow under Wine: every 20th round.
    if (i % 20 == 0) {
      BuildSkinRegion(window, &title, nullptr, 240, 120, 0xFF00FF, 0, 5, -1, -1, true, false);
      DrawWindowBorder(window, clRed, clBlue, true);
    }
  };
  auto rebuild = [&] {
    resources.SetReader(&reader);
    TBitmap bar(18, 300);
    DrawSkinScrollBar(bar.Canvas(), resources.scroll, RECT{0, 0, 18, 300}, RECT{0, 40, 18, 200}, true, true);
    DrawSkinScrollBar(bar.Canvas(), resources.scroll, RECT{0, 0, 18, 300}, RECT{0, 40, 18, 45}, true, true);
  };

  round(0);  // first use creates the target's canvas and the reader's caches
  rebuild();
  const long liveBefore = GdiLiveObjects();
  const long systemBefore = GdiProcessObjects();
  for (int i = 0; i < 2000; ++i) round(i);
  for (int i = 0; i < 200; ++i) rebuild();
  EXPECT_EQ(GdiLiveObjects(), liveBefore);
  for (int k = 0; k < static_cast<int>(GdiKind::Count); ++k)
    EXPECT_GE(GdiLiveObjects(static_cast<GdiKind>(k)), 0) << "kind " << k;
  const long systemAfter = GdiProcessObjects();
  if (systemBefore >= 0 && systemAfter >= 0) {
    // A leak of one object per round would show as thousands.
    EXPECT_LE(systemAfter, systemBefore + 16) << "system count " << systemBefore << " -> " << systemAfter;
  } else {
    std::printf("GetGuiResources reports no count here; the wrappers' live count is the check\n");
  }
  ::DestroyWindow(window);
}

namespace {

std::size_t PrivateBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  if (!::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof counters))
    return 0;
  // Some systems leave PrivateUsage 0; the commit charge is the same here.
  return counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
}

}  // namespace

TEST(SkinUtilsLeaks, HundredLoadsFromPackageBytesLeaveNothingBehind) {
  const TBytes package = ReadBytes(BuiltInSkin());
  ASSERT_FALSE(package.empty());
  TPrivateTempDir temp;
  TqelSkinReader reader;
  TSkinResourceSet resources;
  resources.Follow(reader);
  // As the engine loads its stored package; then every bitmap is asked for,
  // as painters will.
  auto load = [&] {
    const std::unique_ptr<TSk2OutputFile> file = Sk2SaveTempFile(package, ".qsk");
    ASSERT_NE(file, nullptr);
    reader.Load(file->Name(), "");
    ASSERT_TRUE(reader.Loaded());
    for (int i = 0; i < kSkin2BitmapCount; ++i) reader.GetBitmap(static_cast<TSkin2BitmapKey>(i));
  };

  for (int i = 0; i < 10; ++i) load();  // the heap settles
  const long liveBefore = GdiLiveObjects();
  const std::size_t memoryBefore = PrivateBytes();
  for (int i = 0; i < 100; ++i) load();
  EXPECT_EQ(GdiLiveObjects(), liveBefore);
  EXPECT_EQ(temp.CountOther(), 0u) << "temporary files left";
  // One load holds about a megabyte (pixels, their DIB sections, the
  // package); a leak of a load's worth every time would show as a hundred.
  const std::size_t memoryAfter = PrivateBytes();
  if (memoryBefore != 0 && memoryAfter != 0) {
    EXPECT_LT(memoryAfter, memoryBefore + 4 * 1024 * 1024) << memoryBefore << " -> " << memoryAfter;
  }
}
