// A form with every common control: what it looks like on screen (saved as
// comctrls_gallery.bmp beside the test), and no GDI objects left behind
// after making and freeing it many times.
#include <set>

#include "ComCtrlsGallery.h"
#include "FrameworkTesting.h"
#include "graphics/Canvas.h"
#include "graphics/GdiObjects.h"

namespace {

// The screen under the form, as it is shown.
TBitmap Capture(TForm& form) {
  TBitmap shot(form.Width(), form.Height());
  UniqueWindowDC screen = UniqueWindowDC::Client(nullptr);
  ::BitBlt(shot.Canvas().Handle(), 0, 0, form.Width(), form.Height(), screen.get(), form.Left(), form.Top(),
           SRCCOPY);
  return shot;
}

using GalleryTest = FrameworkTest;

TEST_F(GalleryTest, EveryControlPaintsItsFace) {
  TOwned<TForm> form = MakeComponent<TForm>();
  const TGallery gallery = BuildGallery(*form);
  form->Show();
  ::SetForegroundWindow(form->Handle());
  Pump();
  ::UpdateWindow(form->Handle());
  TBitmap shot = Capture(*form);
  shot.SaveToFile(L"comctrls_gallery.bmp", 24);
  for (const auto& [name, control] : gallery) {
    // A face is more than one flat colour.
    const RECT r = control->BoundsRect();
    std::set<TColor> colours;
    for (int y = r.top; y < r.bottom; y += 2)
      for (int x = r.left; x < r.right; x += 2) colours.insert(shot.Pixel(x, y));
    EXPECT_GE(colours.size(), 2u) << name;
  }
}

TEST_F(GalleryTest, MakingAndFreeingFormsLeavesNoGdiObjects) {
  auto once = [] {
    TOwned<TForm> form = MakeComponent<TForm>();
    BuildGallery(*form);
    form->Show();
    Pump();
  };
  once();  // shared objects made on first use stay
  const long before = GdiLiveObjects();
  for (int i = 0; i < 50; ++i) once();
  EXPECT_EQ(GdiLiveObjects(), before);
}

}  // namespace
