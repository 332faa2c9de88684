// TqelSkinEngine: construction, destruction, properties and the form's
// component notifications.
#include "engine/QELSkinEngine.h"

#include "QELSkinUtilsBitmap.h"
#include "AnsiText.h"
#include "engine/QELSkinGlobals.h"
#include "engine/QELSkinHook.h"
#include "frame/QELSkinWindow.h"
#include "framework/Form.h"

namespace {

bool HasEngine(const TComponent& form) {
  for (int i = 0; i < form.ComponentCount(); ++i)
    if (form.Components(i)->Is<TqelSkinEngine>()) return true;
  return false;
}

}  // namespace

TqelSkinEngine::TqelSkinEngine(TComponent* owner) : TComponent(owner) {
  if (!owner || !owner->Is<TCustomForm>()) throw Exception("Must be placed on a Form");
  if (HasEngine(*owner)) throw Exception("One form can only catch one TqelSkinEngine!");
  reader_ = std::make_unique<TqelSkinReader>();
  reader_->OnSkinLoaded = EventOf(this, &TqelSkinEngine::SkinChangedHandler);
  additionalSkins_ = std::make_unique<TqelSkinCollection>(this);
  autoSkinNames_ = std::make_unique<TStringList>();
  autoSkinNames_->OnChange = EventOf(this, &TqelSkinEngine::AutoSkinNamesChanged);
  values_.InactiveTitleFontColor = static_cast<TColor>(::GetSysColor(COLOR_INACTIVECAPTION));
  BuildSystemMenu();
  if (!Designing()) installedHook_ = TqelSkinHook::Install(*this);
}

TqelSkinEngine::~TqelSkinEngine() = default;

void TqelSkinEngine::BeforeDestruction() {
  if (installedHook_) TqelSkinHook::Remove(*this);
  installedHook_ = false;
  // Frames call back into the engine while they go: free them while it is
  // whole, first to last.
  while (!windows_.empty()) DropWindow(windows_.front());
  held_.clear();
  systemMenuWindow_ = nullptr;
  TComponent::BeforeDestruction();
}

std::vector<TPropInfo> TqelSkinEngine::PublishedProperties() {
  using E = TqelSkinEngine;
  return {
      BoolProp<E>("Active", &E::Active, &E::SetActive),
      BoolProp<E>("Ready", &E::Ready, &E::SetReady),
      StrProp<E>("Password", "string", TTypeKind::String, &E::Password, &E::SetPassword),
      StrProp<E>("SkinFile", "WideString", TTypeKind::WString, &E::SkinFile, &E::SetSkinFile),
      StrProp<E>("ResSysMenuMin", "WideString", TTypeKind::WString, &E::ResSysMenuMin, &E::SetResSysMenuMin),
      StrProp<E>("ResSysMenuMax", "WideString", TTypeKind::WString, &E::ResSysMenuMax, &E::SetResSysMenuMax),
      StrProp<E>("ResSysMenuClose", "WideString", TTypeKind::WString, &E::ResSysMenuClose, &E::SetResSysMenuClose),
      OrdProp<E>("DisabledTag", "Integer", TTypeKind::Integer, &E::DisabledTag, &E::SetDisabledTag),
      BoolProp<E>("DrawScrollBar", &E::DrawScrollBar, &E::SetDrawScrollBar),
      StrProp<E>("Version", "string", TTypeKind::String, &E::Version, &E::SetVersion),
      BoolProp<E>("BuiltIn", &E::BuiltIn, &E::SetBuiltIn),
      BoolProp<E>("SkinDialogs", &E::SkinDialogs, &E::SetSkinDialogs),
      BoolProp<E>("SkinAllForms", &E::SkinAllForms, &E::SetSkinAllForms),
      ObjProp<E>("AdditionalBuiltInSkins", "TqelSkinCollection", &E::AdditionalBuiltInSkins),
      BoolProp<E>("NoChangeButtonsFontColor", &E::NoChangeButtonsFontColor, &E::SetNoChangeButtonsFontColor),
      ObjProp<E>("AutoSkinWndClassNames", "TStrings", &E::AutoSkinWndClassNames),
  };
}

void TqelSkinEngine::SetActive(bool active) {
  active_ = active;
  if (Designing()) return;
  for (size_t i = 0; i < windows_.size(); ++i) windows_[i]->SetSkinActive(active);
}

void TqelSkinEngine::SetSkinAllForms(bool skinAll) {
  skinAllForms_ = skinAll;
  if (Designing() || Loading()) return;
  if (skinAll)
    RunSkinAllForms();
  else
    UnskinOtherForms();
}

bool TqelSkinEngine::GetSkinBitmap(TSkin2BitmapKey key, TBitmap& dest, int index, int count) const {
  const TBitmap* bitmap = reader_->GetBitmap(key);
  if (!bitmap) return false;
  if (index != 0 && count != 0)
    SliceBitmap(bitmap, dest, count, index);
  else
    dest = *bitmap;
  return true;
}

namespace {
bool (*g_highContrastProbe)() = nullptr;
}  // namespace

bool TqelSkinEngine::HighContrast() noexcept {
  if (g_highContrastProbe) return g_highContrastProbe();
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof(contrast);
  return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

void TqelSkinEngine::SetHighContrastProbe(bool (*probe)()) noexcept { g_highContrastProbe = probe; }

void TqelSkinEngine::SystemSettingsChanged() {
  if (Designing()) return;
  const bool on = active_ && !HighContrast();
  for (size_t i = 0; i < windows_.size(); ++i) windows_[i]->SetSkinActive(on);
}

TqelSkinEngine* TqelSkinEngine::HookingEngine() noexcept { return TqelSkinHook::Engine(); }

void TqelSkinEngine::Loaded() {
  TComponent::Loaded();
  if (!Designing())
    if (auto* form = dynamic_cast<TCustomForm*>(Owner())) SkinForm(*form);
  AutoSkinNamesChanged(*this);
}

void TqelSkinEngine::AutoSkinNamesChanged(TObject&) {
  for (int i = 0; i < autoSkinNames_->Count(); ++i) AddAutoSkinClassName(FromAnsi(autoSkinNames_->Strings(i)));
}

void TqelSkinEngine::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (Designing() || component == this) return;
  if (operation == opInsert) {
    if (!SkinIsActive()) return;
    if (auto* menu = dynamic_cast<TMenu*>(component)) {
      if (IsTagSkinned(menu->Tag())) SkinMenu(*menu);
    } else if (auto* item = dynamic_cast<TMenuItem*>(component)) {
      SkinMenuItem(*item);
    }
  } else if (auto* menu = dynamic_cast<TMenu*>(component)) {
    UnskinMenu(*menu);
  }
}
