#include "engine/QELSkinHook.h"

#include "engine/QELSkinEngine.h"
#include "engine/QELSkinGlobals.h"
#include "engine/QELSkinRegistry.h"
#include "framework/Application.h"

namespace {

// Owns the hook handle (UnhookWindowsHookEx).
class UniqueHook {
 public:
  UniqueHook() noexcept = default;
  UniqueHook(const UniqueHook&) = delete;
  UniqueHook& operator=(const UniqueHook&) = delete;
  ~UniqueHook() { reset(); }

  HHOOK get() const noexcept { return hook_; }
  explicit operator bool() const noexcept { return hook_ != nullptr; }
  void reset(HHOOK hook = nullptr) noexcept {
    if (hook_) ::UnhookWindowsHookEx(hook_);
    hook_ = hook;
  }

 private:
  HHOOK hook_ = nullptr;
};

struct THookState {
  UniqueHook Hook;
  TqelSkinEngine* Engine = nullptr;
};

THookState& State() {
  static THookState state;
  return state;
}

bool AnswersSkinned(HWND window) { return ::SendMessageW(window, QM_SKINNEDQUERY, 0, 0) != 0; }

std::wstring ClassNameOf(HWND window) {
  wchar_t buffer[100] = {};
  const int n = ::GetClassNameW(window, buffer, 100);
  return std::wstring(buffer, static_cast<size_t>(n > 0 ? n : 0));
}

LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam) {
  THookState& state = State();
  TqelSkinEngine* engine = state.Engine;
  if (code >= 0 && engine && engine->SkinIsActive()) {
    const HWND window = reinterpret_cast<HWND>(wParam);
    try {
      if (code == HCBT_CREATEWND) {
        const CREATESTRUCTW* cs = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        if (TqelSkinHook::RefusesCreation(UpperClassName(window), cs->style, static_cast<LONG>(cs->dwExStyle)))
          return 1;
      } else if (code == HCBT_ACTIVATE) {
        TqelSkinHook::Activated(*engine, window, ClassNameOf(window));
      }
    } catch (...) {
      // Nothing may pass through the platform's hook chain.
      Application.HandleException(*engine);
    }
  }
  return ::CallNextHookEx(state.Hook.get(), code, wParam, lParam);
}

}  // namespace

bool TqelSkinHook::Install(TqelSkinEngine& engine) {
  THookState& state = State();
  if (state.Hook) return false;
  state.Hook.reset(::SetWindowsHookExW(WH_CBT, CbtProc, nullptr, ::GetCurrentThreadId()));
  if (!state.Hook) return false;
  state.Engine = &engine;
  return true;
}

void TqelSkinHook::Remove(TqelSkinEngine& engine) noexcept {
  THookState& state = State();
  if (state.Engine != &engine) return;
  state.Hook.reset();
  state.Engine = nullptr;
}

TqelSkinEngine* TqelSkinHook::Engine() noexcept { return State().Engine; }

bool TqelSkinHook::RefusesCreation(std::wstring_view upperClassName, LONG style, LONG exStyle) noexcept {
  return upperClassName == L"SCROLLBAR" && (style & SBS_SIZEGRIP) != 0 && exStyle != WS_EX_NOPARENTNOTIFY;
}

void TqelSkinHook::Activated(TqelSkinEngine& engine, HWND window, std::wstring_view className) {
  if (SameClassName(className, L"TTabDockHost") || SameClassName(className, L"TConjoinDockHost")) {
    if (!AnswersSkinned(window)) engine.SkinWindow(window, true);
  } else if (SameClassName(className, L"TMessageForm") || className == L"#32770") {
    if (window != TqelSkinEngine::LastDestroyedDialog() && engine.SkinDialogs() && !AnswersSkinned(window))
      engine.SkinWindow(window, true);
    TqelSkinEngine::SetLastDestroyedDialog(nullptr);
  } else if (IsAutoSkinClassName(className)) {
    if (!AnswersSkinned(window)) engine.SkinWindow(window, false);
  }
}
