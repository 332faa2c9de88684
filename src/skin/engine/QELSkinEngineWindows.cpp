// TqelSkinEngine: the list of skinned windows - skinning forms and raw
// windows, unskinning them, skinning all forms.
#include <algorithm>

#include "QELSkinUtilsForms.h"
#include "engine/QELSkinEngine.h"
#include "frame/QELSkinWindowVCL.h"
#include "frame/QELSkinWindowWnd.h"
#include "framework/Form.h"
#include "framework/Screen.h"

namespace {

HWND& LastDestroyed() {
  static HWND dialog = nullptr;
  return dialog;
}

// Counts a flag up for the life of the scope.
class TFlagScope {
 public:
  explicit TFlagScope(int& flag) noexcept : flag_(flag) { ++flag_; }
  ~TFlagScope() { --flag_; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

 private:
  int& flag_;
};

}  // namespace

void TqelSkinEngine::SetLastDestroyedDialog(HWND dialog) noexcept { LastDestroyed() = dialog; }
HWND TqelSkinEngine::LastDestroyedDialog() noexcept { return LastDestroyed(); }

void TqelSkinEngine::AddWindow(TqelSkinWindow* window) {
  if (window && std::find(windows_.begin(), windows_.end(), window) == windows_.end()) windows_.push_back(window);
}

void TqelSkinEngine::RemoveWindow(TqelSkinWindow* window) noexcept {
  std::erase(windows_, window);
  if (systemMenuWindow_ == window) systemMenuWindow_ = nullptr;
}

TqelSkinWindow* TqelSkinEngine::FindSkinWindow(HWND handle) const noexcept {
  if (!handle) return nullptr;
  for (TqelSkinWindow* window : windows_)
    if (window->Handle() == handle) return window;
  return nullptr;
}

// A frame belongs to its form, unless that form also owns the engine: then
// the engine holds it, so that the frame goes before the engine does.
TComponent* TqelSkinEngine::FrameOwnerFor(TCustomForm* form) const noexcept {
  return form && form != Owner() ? form : nullptr;
}

void TqelSkinEngine::SkinForm(TCustomForm& form) { SkinWindow(form.Handle(), false); }

void TqelSkinEngine::SkinWindow(HWND handle, bool createdByHook) {
  if (!handle || FindSkinWindow(handle)) return;
  TqelSkinWindow* frame = nullptr;
  if (TCustomForm* form = FindFormByHandle(handle)) {
    if (TComponent* owner = FrameOwnerFor(form)) {
      frame = owner->Create<TqelSkinWindowVCL>(handle, createdByHook, *this);
    } else {
      held_.push_back(MakeComponent<TqelSkinWindowVCL>(handle, createdByHook, *this));
      frame = held_.back().get();
    }
  } else {
    held_.push_back(MakeComponent<TqelSkinWindowWnd>(handle, createdByHook, *this));
    frame = held_.back().get();
  }
  AddWindow(frame);
  frame->SkinChanged();
}

void TqelSkinEngine::DropWindow(TqelSkinWindow* window) {
  const auto held = std::find_if(held_.begin(), held_.end(), [&](const auto& h) { return h.get() == window; });
  if (held != held_.end()) {
    TOwned<TqelSkinWindow> frame = std::move(*held);
    held_.erase(held);
    frame.reset();
  } else if (window->Owner()) {
    window->Free();
  }
  RemoveWindow(window);
}

void TqelSkinEngine::UnskinWindow(HWND handle) {
  TqelSkinWindow* window = FindSkinWindow(handle);
  if (!window) return;
  TFlagScope unskinning(unskinning_);
  DropWindow(window);
}

bool TqelSkinEngine::FormMaySkin(TCustomForm& form) const {
  return IsTagSkinned(form.Tag()) && form.ClassName() != "TfrmMSNPopForm" &&
         ::SendMessageW(form.Handle(), QM_SKINNEDQUERY, 0, 0) == 0;
}

void TqelSkinEngine::RunSkinAllForms() {
  TFlagScope skinningAll(skinningAll_);
  // Screen's list changes while forms are skinned (activation): take it first.
  std::vector<TCustomForm*> forms;
  for (int i = 0; i < Screen.FormCount(); ++i) forms.push_back(Screen.Forms(i));
  const auto stillListed = [](const TCustomForm* form) {
    for (int i = 0; i < Screen.FormCount(); ++i)
      if (Screen.Forms(i) == form) return true;
    return false;
  };
  for (TCustomForm* form : forms)
    if (stillListed(form) && FormMaySkin(*form)) SkinWindow(form->Handle(), false);
}

void TqelSkinEngine::UnskinOtherForms() {
  auto* owner = dynamic_cast<TCustomForm*>(Owner());
  const HWND own = owner && owner->HandleAllocated() ? owner->Handle() : nullptr;
  std::vector<HWND> others;
  for (TqelSkinWindow* window : windows_)
    if (window->Handle() != own) others.push_back(window->Handle());
  for (HWND handle : others) UnskinWindow(handle);
}
