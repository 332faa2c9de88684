// The gallery's busiest page wearing the built-in skin: ten thousand full
// repaints and fifty skin switches leave the live GDI handles, the windows
// and the form's controls as they were.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "FrameworkTesting.h"
#include "GallerySkinning.h"
#include "frame/QELSkinWindow.h"
#include "framework/Screen.h"
#include "graphics/GdiObjects.h"
#include "painters/StandardSkinners.h"

namespace {

class GallerySkinLeakTest : public FrameworkTest {};

// The windows of this thread, top-level and child.
int ThreadWindows() {
  int count = 0;
  auto countChild = [](HWND, LPARAM n) -> BOOL {
    ++*reinterpret_cast<int*>(n);
    return TRUE;
  };
  static const WNDENUMPROC child = countChild;
  auto countTop = [](HWND w, LPARAM n) -> BOOL {
    ++*reinterpret_cast<int*>(n);
    ::EnumChildWindows(w, child, n);
    return TRUE;
  };
  ::EnumThreadWindows(::GetCurrentThreadId(), countTop, reinterpret_cast<LPARAM>(&count));
  return count;
}

struct TCounts {
  long Live, Process;
  DWORD Gdi, User;
  int Windows, Components, Controls, Wrappers, Frames;
  bool operator==(const TCounts&) const = default;
};

void PrintTo(const TCounts& c, std::ostream* os) {
  *os << "{live " << c.Live << ", process " << c.Process << ", gdi " << c.Gdi << ", user " << c.User << ", windows "
      << c.Windows << ", components " << c.Components << ", controls " << c.Controls << ", wrappers " << c.Wrappers
      << ", frames " << c.Frames << "}";
}

TCounts CountsOf(TFrm_Gallery& form, TqelSkinEngine& engine) {
  TqelSkinWindow* frame = engine.FindSkinWindow(form.Handle());
  return {GdiLiveObjects(),
          GdiProcessObjects(),
          ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS),
          ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS),
          ThreadWindows(),
          form.ComponentCount(),
          GalleryControlCount(form),
          frame ? frame->ChildWrapperCount() : -1,
          engine.WindowCount()};
}

// Engine off and on, then the skin read again from its bytes.
void SwitchSkin(TqelSkinEngine& engine, const std::vector<std::uint8_t>& skin) {
  engine.SetActive(false);
  Pump();
  engine.SetActive(true);
  engine.ReadSkinData(skin);
  Pump();
}

TEST_F(GallerySkinLeakTest, TenThousandRepaintsAndFiftySkinSwitchesOfTheBusiestPageLeaveNothing) {
  RegisterStandardSkinners();
  const std::vector<std::uint8_t> skin = GalleryBuiltInSkin();
  ASSERT_FALSE(skin.empty()) << "default.qsk beside the test";
  TOwned<TFrm_Gallery> form = MakeComponent<TFrm_Gallery>();
  TqelSkinEngine& engine = AttachGalleryEngine(*form, skin);
  ASSERT_TRUE(engine.Ready());
  form->Show();
  const TBusiestPage busiest = BusiestGalleryPage(*form);
  ASSERT_TRUE(form->ShowPage(busiest.Name));
  Pump();
  engine.SkinForm(*form);
  Pump();
  TqelSkinWindow* frame = engine.FindSkinWindow(form->Handle());
  ASSERT_NE(frame, nullptr);
  ASSERT_EQ(::GetMenu(form->Handle()), nullptr) << "skinned, the menu is in the frame's bar";
  // Every windowed control of the shown page is wrapped, so a repaint of
  // the window runs each of their painters; the skin's own helpers in
  // them (a picker's drop-down button and up-down) are not.
  int pageWindows = 0, wrapped = 0, helpers = 0;
  ForEachGalleryControl(*form->PageControl1->ActivePage(), [&](TControl& c) {
    if (!dynamic_cast<TWinControl*>(&c)) return;
    if (c.ClassName().starts_with("TqelSkin")) {
      ++helpers;
      return;
    }
    ++pageWindows;
    wrapped += frame->HasChildWrapper(&c);
  });
  EXPECT_GE(pageWindows, 10);
  EXPECT_EQ(wrapped, pageWindows);

  // Everything made once (the skin's bitmaps made on first use, cached
  // compositions) is made here, before the counts are taken.
  const HWND window = form->Handle();
  for (int i = 0; i < 20; ++i) RepaintGalleryWindow(window);
  SwitchSkin(engine, skin);
  for (int i = 0; i < 20; ++i) RepaintGalleryWindow(window);
  Pump();
  const TCounts before = CountsOf(*form, engine);
  const int forms = Screen.FormCount();

  // A full repaint of this window costs some 20-40 ms under Wine, nearly
  // all of it the platform's own painting of the controls; the skin's
  // part alone (frame, faces, borders of every skinned window shown) runs
  // in a few. Each of the ten thousand rounds paints the skin's part; every
  // fiftieth the whole window, every two hundredth after a skin switch.
  const auto start = std::chrono::steady_clock::now();
  constexpr int kRepaints = 10000, kSwitches = 50, kFullEvery = 50;
  std::vector<HWND> skinned = ShownSkinnedWindows(*frame);
  EXPECT_GE(static_cast<int>(skinned.size()), wrapped);
  std::vector<double> blocks;  // seconds per block between switches
  auto blockStart = start;
  for (int i = 1; i <= kRepaints; ++i) {
    RepaintSkinOnly(window, skinned);
    if (i % kFullEvery == 0) RepaintGalleryWindow(window);
    if (i % (kRepaints / kSwitches) == 0) {
      const auto now = std::chrono::steady_clock::now();
      blocks.push_back(std::chrono::duration<double>(now - blockStart).count());
      blockStart = now;
      SwitchSkin(engine, skin);
      skinned = ShownSkinnedWindows(*frame);
      RepaintGalleryWindow(window);
    }
    if (i % 500 == 0) Pump();
  }
  for (int i = 0; i < 20; ++i) RepaintGalleryWindow(window);
  Pump();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("page \"%.*s\" (%d controls, %d of %d windowed wrapped, %d helpers, %zu skinned shown): "
              "%d repaints, %d switches in %.1f s\n",
              static_cast<int>(busiest.Name.size()), busiest.Name.data(), busiest.Controls, wrapped, pageWindows,
              helpers, skinned.size(), kRepaints, kSwitches, seconds);
  // Blocks that grew from switch to switch would show something piling
  // up that the counts miss (hook links, queued messages).
  std::vector<double> sorted = blocks;
  std::sort(sorted.begin(), sorted.end());
  std::printf("seconds between switches: first %.2f, last %.2f; fastest %.2f, median %.2f, slowest %.2f\n",
              blocks.front(), blocks.back(), sorted.front(), sorted[sorted.size() / 2], sorted.back());

  EXPECT_EQ(engine.FindSkinWindow(window), frame) << "the same frame throughout";
  // Still skinned: the frame holds the main menu in its bar, off the window.
  EXPECT_TRUE(engine.SkinIsActive());
  EXPECT_EQ(::GetMenu(window), nullptr);
  EXPECT_EQ(CountsOf(*form, engine), before);
  EXPECT_EQ(Screen.FormCount(), forms);
}

}  // namespace
