// TqelSkinWindowVCL: which controls of the form get a wrapper.
#include <string_view>

#include "QELSkinUtilsForms.h"
#include "engine/QELSkinEngine.h"
#include "engine/QELSkinGlobals.h"
#include "engine/QELSkinRegistry.h"
#include "frame/QELSkinWindowVCL.h"
#include "framework/Form.h"
#include "framework/Menus.h"
#include "framework/Properties.h"
#include "framework/grids/CustomGrid.h"
#include "hook/QELSkinControl.h"

namespace {

bool NameIs(const TObject& object, std::string_view name) { return object.ClassName() == name; }

// The engine's own panels, and controls that stand for another window.
bool IsEnginePanel(const TControl& control) {
  return NameIs(control, "TqelSkinInternalScrollBar") || NameIs(control, "TqelSkinInternalComboButton") ||
         NameIs(control, "TRollShadow");
}

bool InExcludedClasses(const TControl& control) {
  const std::string_view name = control.ClassName();
  const std::wstring wide(name.begin(), name.end());
  for (const std::wstring& excluded : ExcludedControlClassNames())
    if (SameClassName(excluded, wide)) return true;
  return false;
}

// Whose own components are not walked.
bool KeepsComponentsToItself(const TControl& control) {
  return NameIs(control, "TDBLookupComboBox") || NameIs(control, "TJamShellList") || control.Is<TCustomGrid>();
}

}  // namespace

void TqelSkinWindowVCL::SkinChildren() {
  if (!SkinEnabled()) return;
  SkinComponentsOf(*form_);
}

void TqelSkinWindowVCL::SkinComponentsOf(TComponent& owner) {
  if (owner.Designing()) return;
  // The wrappers make panels owned by the form: walk the components there
  // were when the walk began.
  std::vector<TComponent*> components;
  for (int i = 0; i < owner.ComponentCount(); ++i) components.push_back(owner.Components(i));
  for (TComponent* component : components)
    if (auto* control = dynamic_cast<TControl*>(component)) SkinChildControl(*control);
}

bool TqelSkinWindowVCL::MaySkinControl(TControl& control) {
  if (control.Designing() || !control.WindowProc) return false;
  if (!Engine().IsTagSkinned(control.Tag())) return false;
  if (IsEnginePanel(control)) return false;
  // Skinned already: by this frame, or answering so.
  if (HasChildWrapper(&control)) return false;
  if (auto* win = dynamic_cast<TWinControl*>(&control);
      win && win->HandleAllocated() && ::SendMessageW(win->Handle(), QM_SKINNEDQUERY, 0, 0) == 1)
    return false;
  const std::string_view name = control.ClassName();
  if (name.starts_with("Tqel") && name != "TqelSkinInternalUpDown") {
    if (name == "TqelForm") SetSkinEnabled(false);
    return false;
  }
  return !InExcludedClasses(control) && control.Parent();
}

void TqelSkinWindowVCL::SkinChildControl(TControl& control) {
  if (!MaySkinControl(control)) return;
  if (auto* embedded = dynamic_cast<TCustomForm*>(&control)) {
    // An embedded form is not wrapped; a named one takes the form colour
    // and its own controls are skinned.
    if (!embedded->Name().empty()) {
      if (Engine().Values().FormColor != -1) embedded->SetColor(Engine().Values().FormColor);
      SkinComponentsOf(*embedded);
    }
    return;
  }
  WrapControl(control);
  if (KeepsComponentsToItself(control)) return;
  SkinComponentsOf(control);
  SkinOwnedPopupMenus(control);
}

void TqelSkinWindowVCL::WrapControl(TControl& control) {
  try {
    std::unique_ptr<TqelSkinControl> wrapper = TqelSkinRegistry::FindControlSkinner(control, *this);
    if (!wrapper) return;
    TqelSkinControl& made = *wrapper;
    AddChildWrapper(std::move(wrapper));
    made.Refresh();
    if (made.WantsParentColor() && HasPublishedProperty(&control, "ParentColor"))
      SetOrdProp(control, "ParentColor", 1);
  } catch (...) {
    // A control that cannot be wrapped keeps its own look.
  }
}

void TqelSkinWindowVCL::SkinOwnedPopupMenus(TComponent& owner) {
  for (int i = 0; i < owner.ComponentCount(); ++i)
    if (auto* menu = dynamic_cast<TPopupMenu*>(owner.Components(i)); menu && Engine().IsTagSkinned(menu->Tag()))
      Engine().SkinMenu(*menu);
}
