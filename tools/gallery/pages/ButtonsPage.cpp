// Push buttons, glyph buttons and speed buttons: default, pressed,
// focused, flat, down and grouped.
#include "../GalleryImages.h"
#include "../GalleryPage.h"
#include "framework/stdctrls/BitBtn.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/SpeedButton.h"

void BuildButtonsPage(TGalleryPage& page) {
  auto* ok = page.Add<TButton>(12, 24, 80, 25, L"&Default");
  ok->SetDefault(true);
  page.SetFocusControl(ok);
  page.Add<TButton>(100, 24, 80, 25, L"&Cancel")->SetCancel(true);
  page.AddPressed(page.Add<TButton>(188, 24, 80, 25, L"&Pressed"));
  page.Add<TButton>(276, 24, 90, 38, L"Two lines of caption")->SetWordWrap(true);

  auto* glyph = page.Add<TBitBtn>(12, 72, 100, 28, L"&Glyph");
  glyph->SetGlyph(DiscGlyph(clGreen));
  auto* right = page.Add<TBitBtn>(120, 72, 100, 28, L"Glyph &right");
  right->SetGlyph(DiscGlyph(clRed));
  right->SetLayout(blGlyphRight);
  auto* top = page.Add<TBitBtn>(228, 72, 80, 48, L"&Top");
  top->SetGlyph(DiscGlyph(clBlue));
  top->SetLayout(blGlyphTop);

  // Speed buttons: raised, flat, a lone toggle held down, a group of
  // three with one down, a caption.
  const TColor colours[] = {clRed, clGreen, clBlue, clOlive};
  int x = 12;
  for (int i = 0; i < 4; ++i, x += 28) {
    auto* b = page.Add<TSpeedButton>(x, 136, 25, 25);
    b->SetGlyph(DiscGlyph(colours[i]));
    b->SetFlat(i == 1);
    if (i == 2) {
      b->SetGroupIndex(1);
      b->SetAllowAllUp(true);
      b->SetDown(true);
    }
  }
  x += 10;
  for (int i = 0; i < 3; ++i, x += 25) {
    auto* b = page.Add<TSpeedButton>(x, 136, 25, 25);
    b->SetGlyph(DiscGlyph(colours[i]));
    b->SetGroupIndex(2);
    if (i == 1) b->SetDown(true);
  }
  page.Add<TSpeedButton>(x + 10, 136, 60, 25, L"T&ool");
  auto* flatDown = page.Add<TSpeedButton>(x + 74, 136, 60, 25, L"Flat");
  flatDown->SetFlat(true);
  flatDown->SetGroupIndex(3);
  flatDown->SetAllowAllUp(true);
  flatDown->SetDown(true);
}
