// Scroll bars, track bars, progress bars and up-downs with their edits.
#include "../GalleryPage.h"
#include "framework/comctrls/ProgressBar.h"
#include "framework/comctrls/TrackBar.h"
#include "framework/comctrls/UpDown.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/ScrollBar.h"

void BuildRangesPage(TGalleryPage& page) {
  page.Add<TScrollBar>(12, 24, 200, 17)->SetParams(30, 0, 100);
  auto* vertical = page.Add<TScrollBar>(12, 50, 17, 120);
  vertical->SetKind(sbVertical);
  vertical->SetBounds(12, 50, 17, 120);
  vertical->SetParams(60, 0, 100);

  auto* ticks = page.Add<TTrackBar>(40, 50, 180, 40);
  ticks->SetRange(0, 20);
  ticks->SetFrequency(2);
  ticks->SetPosition(14);
  ticks->SetTickMarks(tmBoth);
  page.SetFocusControl(ticks);
  auto* selection = page.Add<TTrackBar>(40, 96, 180, 34);
  selection->SetSelStart(3);
  selection->SetSelEnd(7);
  selection->SetPosition(5);
  auto* upright = page.Add<TTrackBar>(230, 24, 40, 140);
  upright->SetOrientation(trVertical);
  upright->SetBounds(230, 24, 40, 140);
  upright->SetPosition(3);

  page.Add<TProgressBar>(40, 140, 180, 18)->SetPosition(40);
  auto* smooth = page.Add<TProgressBar>(40, 164, 180, 18);
  smooth->SetSmooth(true);
  smooth->SetPosition(70);
  auto* tall = page.Add<TProgressBar>(290, 24, 18, 140);
  tall->SetOrientation(pbVertical);
  tall->SetBounds(290, 24, 18, 140);
  tall->SetPosition(60);

  auto* edit = page.Add<TEdit>(12, 196, 60, 21);
  auto* upDown = page.Add<TUpDown>(0, 0, 17, 21);
  upDown->SetPosition(42);
  upDown->SetAssociate(edit);
  page.Add<TUpDown>(100, 196, 34, 21)->SetOrientation(udHorizontal);
}
