#include "framework/Application.h"

#include <commctrl.h>

#include "AnsiText.h"
#include "framework/ApplicationEvents.h"
#include "framework/Form.h"
#include "framework/Screen.h"

// The two globals live in one translation unit so that Screen is built
// before Application and outlives it (forms leave Screen as they go).
TScreen Screen;
TApplication Application;

TApplication::TApplication() : TComponent(nullptr) {}

TApplication::~TApplication() {
  // Forms and other owned components go while this object is whole.
  Destroying();
  DestroyComponents();
}

void TApplication::Initialize() {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&icc);
}

TIcon& TApplication::Icon() {
  if (!iconLoaded_) {
    // Loaded on first use, not while the program's globals are built.
    iconLoaded_ = true;
    icon_.LoadFromResourceName(nullptr, L"MAINICON");
    icon_.OnChange = [this] { IconChanged(); };
  }
  return icon_;
}

void TApplication::IconChanged() {
  for (int i = 0; i < Screen.FormCount(); ++i) {
    TCustomForm* form = Screen.Forms(i);
    if (form->Icon().Empty()) form->Perform(CM_ICONCHANGED);
  }
}

void TApplication::SetMainForm(TCustomForm* form) noexcept { mainForm_ = form; }

void TApplication::FormDestroyed(TCustomForm* form) noexcept {
  if (mainForm_ == form) mainForm_ = nullptr;
}

void TApplication::Run() {
  running_ = true;
  if (!terminated_ && mainForm_ && showMainForm_) {
    try {
      mainForm_->Show();
    } catch (...) {
      HandleException(*this);
    }
  }
  while (!terminated_) HandleMessage();
  running_ = false;
  // A quit request that ended the loop without being taken from the
  // queue is taken now, so later loops of this thread start clean.
  MSG msg;
  ::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

void TApplication::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  // Wakes a loop that waits for messages.
  ::PostQuitMessage(0);
}

bool TApplication::ProcessMessage(MSG& msg) {
  if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  bool handled = false;
  try {
    if (OnMessage) OnMessage(msg, handled);
    // The list may change while handlers run.
    const std::vector<TApplicationEvents*> events = events_;
    for (TApplicationEvents* e : events)
      if (std::find(events_.begin(), events_.end(), e) != events_.end() && e->OnMessage)
        e->OnMessage(msg, handled);
  } catch (...) {
    HandleException(*this);
  }
  if (!handled && IsMDIKey(msg)) handled = true;
  if (!handled) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return true;
}

bool TApplication::IsMDIKey(MSG& msg) const {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  TCustomForm* form = Screen.ActiveForm();
  // Ctrl+F4, Ctrl+F6 and the child's system menu keys.
  return form && form->ClientHandle() && ::TranslateMDISysAccel(form->ClientHandle(), &msg);
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (ProcessMessage(msg)) {
  }
}

void TApplication::HandleMessage() {
  MSG msg;
  if (!ProcessMessage(msg)) Idle();
}

void TApplication::Idle() {
  bool done = true;
  try {
    if (OnIdle) OnIdle(*this, done);
    const std::vector<TApplicationEvents*> events = events_;
    for (TApplicationEvents* e : events)
      if (std::find(events_.begin(), events_.end(), e) != events_.end() && e->OnIdle)
        e->OnIdle(*e, done);
  } catch (...) {
    HandleException(*this);
  }
  if (done) ::WaitMessage();
}

int TApplication::MessageBox(std::wstring_view text, const wchar_t* caption, UINT flags) {
  HWND owner = nullptr;
  if (TCustomForm* f = Screen.ActiveForm(); f && f->HandleAllocated()) owner = f->Handle();
  const std::wstring body(text);
  return ::MessageBoxW(owner, body.c_str(), caption ? caption : title_.c_str(), flags);
}

void TApplication::HandleException(TObject& sender) noexcept {
  try {
    try {
      throw;
    } catch (const std::exception& e) {
      if (OnException) OnException(sender, e);
      else ShowException(e);
    } catch (...) {
      const Exception unknown("Unknown exception");
      if (OnException) OnException(sender, unknown);
      else ShowException(unknown);
    }
  } catch (...) {
    // A failing handler must not unwind through the window procedure.
  }
}

void TApplication::ShowException(const std::exception& error) {
  MessageBox(FromAnsi(error.what()), nullptr, MB_OK | MB_ICONSTOP);
}
