// Containers: group boxes, panels with their bevels, a scroll box whose
// contents reach past it, and a frame with its own controls.
#include "../GalleryPage.h"
#include "framework/Label.h"
#include "framework/Panel.h"
#include "framework/grids/Frame.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/CheckBox.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/GroupBox.h"
#include "framework/stdctrls/ScrollBox.h"

namespace {

// A small address frame: a label and an edit.
class TGalleryFrame : public TFrame {
  FW_CLASS(TGalleryFrame, TFrame)
 public:
  explicit TGalleryFrame(TComponent* owner) : TFrame(owner) {
    SetBounds(0, 0, 170, 56);
    auto* label = Create<TLabel>();
    label->SetParent(this);
    label->SetBounds(6, 6, 150, 15);
    label->SetCaption(L"A frame: name");
    Name = Create<TEdit>();
    Name->SetParent(this);
    Name->SetBounds(6, 24, 150, 21);
    Name->SetCaption(L"in a frame");
  }
  TEdit* Name = nullptr;
};

}  // namespace

void BuildContainersPage(TGalleryPage& page) {
  auto* outer = page.Add<TGroupBox>(12, 20, 170, 100, L"&Group box");
  auto* inner = page.Add<TGroupBox>(10, 20, 150, 68, L"Nested", outer);
  page.Add<TCheckBox>(10, 22, 130, 17, L"Inside", inner)->SetChecked(true);

  const TPanelBevel bevels[][2] = {{bvRaised, bvNone}, {bvLowered, bvNone}, {bvRaised, bvLowered}, {bvNone, bvNone}};
  const wchar_t* captions[] = {L"Raised", L"Lowered", L"Both", L"None"};
  for (int i = 0; i < 4; ++i) {
    auto* panel = page.Add<TPanel>(192 + (i % 2) * 90, 24 + (i / 2) * 48, 84, 42, captions[i]);
    panel->SetBevelOuter(bevels[i][0]);
    panel->SetBevelInner(bevels[i][1]);
  }

  auto* box = page.Add<TScrollBox>(12, 132, 170, 110);
  for (int i = 0; i < 4; ++i) page.Add<TButton>(8 + i * 60, 8 + i * 50, 75, 25, L"Far", box);

  auto* frame = page.Form().Create<TGalleryFrame>();
  frame->SetParent(&page.Group());
  frame->SetBounds(192, 132, 170, 56);
  if (!page.Enabled()) {
    frame->SetEnabled(false);
    frame->Name->SetEnabled(false);
  }
}
