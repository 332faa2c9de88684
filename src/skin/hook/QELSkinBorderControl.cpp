#include "hook/QELSkinBorderControl.h"

#include <string_view>

#include "QELSkinUtilsForms.h"
#include "QELSkinUtilsPaint.h"
#include "engine/QELSkinEngine.h"
#include "engine/QELSkinGlobals.h"
#include "framework/Form.h"
#include "framework/Properties.h"
#include "framework/WinControl.h"

namespace {

bool InNoBorderList(std::string_view className) {
  const std::wstring wide(className.begin(), className.end());
  for (const std::wstring& name : NoBorderClassNames())
    if (SameClassName(name, wide)) return true;
  return false;
}

// A published set that is there and empty.
bool EmptySet(const TWinControl& control, std::string_view name) {
  const TPropInfo* p = FindProperty(control, name);
  if (!p || p->Kind != TTypeKind::Set) return false;
  try {
    return GetOrdProp(control, name) == 0;
  } catch (...) {
    return false;
  }
}

bool BorderStyleAllows(const TWinControl& control) {
  const TPropInfo* p = FindProperty(control, "BorderStyle");
  if (!p) return true;
  if (p->TypeName != "TBorderStyle" && p->TypeName != "TFormBorderStyle") return false;
  try {
    return GetOrdProp(control, "BorderStyle") != bsNone;
  } catch (...) {
    return true;  // an unreadable style does not take the border away
  }
}

// Both frames need a colour; an absent one draws nothing.
void DrawBorder(HWND window, TColor outer, TColor inner) {
  if (outer == -1 || outer == clNone) return;
  DrawWindowBorder(window, outer, inner, inner != -1 && inner != clNone);
}

bool RepaintsBorder(UINT msg) noexcept { return msg == WM_NCPAINT || msg == WM_SIZE; }

}  // namespace

// ---- Framework control -----------------------------------------------------------------

bool TqelSkinBorderWinControl::WantsBorder(const TWinControl& control) {
  if (!BorderStyleAllows(control)) return false;
  if (EmptySet(control, "BevelEdges") || EmptySet(control, "EdgeBorders")) return false;
  if (InNoBorderList(control.ClassName())) return false;
  const TCustomForm* form = GetParentForm(const_cast<TWinControl*>(&control));
  return !(form && InNoBorderList(form->ClassName()));
}

TWinControl* TqelSkinBorderWinControl::WindowedControl() const {
  auto* win = dynamic_cast<TWinControl*>(Control());
  return win && win->HandleAllocated() ? win : nullptr;
}

void TqelSkinBorderWinControl::AfterMessage(TMessage& m) {
  TqelSkinControlVCL::AfterMessage(m);
  // The control's own frame comes with its non-client painting.
  if (RepaintsBorder(m.Msg)) Repaint();
}

void TqelSkinBorderWinControl::Paint() {
  TWinControl* win = WindowedControl();
  if (!win || !WantsBorder(*win)) return;
  const TColor inner = HasPublishedProperty(win, "Color") ? win->Color() : Engine().GetSkinColor(SKIN2_CONTROLCOLOR);
  DrawBorder(win->Handle(), Engine().GetSkinColor(SKIN2_CONTROLBORDERCOLOR), inner);
}

// ---- Raw window --------------------------------------------------------------------------

void TqelSkinBorderWndControl::AfterMessage(TMessage& m) {
  TqelSkinControlWnd::AfterMessage(m);
  if (RepaintsBorder(m.Msg)) Repaint();
}

void TqelSkinBorderWndControl::Paint() {
  if (HWND h = GetHandle()) DrawBorder(h, Engine().GetSkinColor(SKIN2_CONTROLBORDERCOLOR), clWindow);
}
