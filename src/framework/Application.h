#pragma once
// TApplication (the global Application): creates the forms, runs the
// message loop and ends it.
//
// The loop takes one message at a time from the thread's queue and first
// offers it to the message handlers: Application.OnMessage, then the
// OnMessage of every TApplicationEvents in creation order; each sees the
// handled flag the previous ones left. A handled message is dropped;
// any other is translated and dispatched. The loop ends when Terminate is
// called (closing the main form calls it) or WM_QUIT arrives.
//
//   int main() {
//     Application.Initialize();
//     Application.SetTitle(L"...");
//     Application.CreateForm<TFrm_Main>();
//     Application.Run();
//   }
#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/Component.h"
#include "framework/Types.h"
#include "graphics/Icon.h"

class TCustomForm;
class TApplicationEvents;

using TMessageEvent = std::function<void(MSG& msg, bool& handled)>;
using TIdleEvent = std::function<void(TObject& sender, bool& done)>;
using TExceptionEvent = std::function<void(TObject& sender, const std::exception& error)>;

class TApplication : public TComponent {
  FW_CLASS(TApplication, TComponent)
 public:
  TApplication();
  ~TApplication() override;

  // Attributes
  const std::wstring& Title() const noexcept { return title_; }
  void SetTitle(std::wstring_view title) { title_ = title; }
  // The first form created with CreateForm.
  TCustomForm* MainForm() const noexcept { return mainForm_; }
  bool ShowMainForm() const noexcept { return showMainForm_; }
  void SetShowMainForm(bool show) noexcept { showMainForm_ = show; }
  bool Terminated() const noexcept { return terminated_; }
  bool Running() const noexcept { return running_; }
  // The icon of forms that have none of their own: the program's "MAINICON"
  // resource unless changed. Forms follow a change at once.
  TIcon& Icon();

  // Operations
  // Registers the common controls; call once before creating forms.
  void Initialize();
  // Creates a form owned by the application (args follow the owner in the
  // form's constructor); the first becomes MainForm.
  template <typename T, typename... Args>
  T* CreateForm(Args&&... args);
  // Shows the main form and runs the message loop until Terminate. When
  // Terminate was called before (a form's OnCreate refused to start), Run
  // returns at once and shows nothing.
  void Run();
  void Terminate();
  // Handles every message waiting in the queue, then returns.
  void ProcessMessages();
  // Handles one message, or idles until one arrives.
  void HandleMessage();
  // A message box owned by the active form, captioned with Title when
  // caption is null.
  int MessageBox(std::wstring_view text, const wchar_t* caption = nullptr, UINT flags = MB_OK);
  // Reports the exception being handled (call inside a catch block):
  // OnException when set, else ShowException.
  void HandleException(TObject& sender) noexcept;
  void ShowException(const std::exception& error);

  // Events
  TMessageEvent OnMessage;
  TIdleEvent OnIdle;
  TExceptionEvent OnException;

 private:
  friend class TApplicationEvents;
  friend class TCustomForm;
  bool ProcessMessage(MSG& msg);
  bool IsMDIKey(MSG& msg) const;
  void Idle();
  void FormDestroyed(TCustomForm* form) noexcept;
  void SetMainForm(TCustomForm* form) noexcept;

  void IconChanged();

  std::wstring title_;
  TIcon icon_;
  bool iconLoaded_ = false;
  TCustomForm* mainForm_ = nullptr;
  bool showMainForm_ = true;
  bool terminated_ = false;
  bool running_ = false;
  std::vector<TApplicationEvents*> events_;
};

extern TApplication Application;

template <typename T, typename... Args>
T* TApplication::CreateForm(Args&&... args) {
  T* form = Create<T>(std::forward<Args>(args)...);
  if (!mainForm_) SetMainForm(form);
  return form;
}
