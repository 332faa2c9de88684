#pragma once
// TqelSkinWindowWnd: the skinned frame of a window that is no framework
// form: a standard dialog ("#32770"), a message box, a common dialog.
//
// It subclasses the window (and an inner "#32770" dialog, when the window
// holds one) through removable subclass links. While the skin is applied
// the window loses WS_SYSMENU and is resized so that its client area keeps
// its size; dialog backgrounds and static texts take the skin's form
// colour.
#include <windows.h>

#include <memory>

#include "frame/QELSkinWindow.h"

class TWindowSubclass;

class TqelSkinWindowWnd : public TqelSkinWindow {
  FW_CLASS(TqelSkinWindowWnd, TqelSkinWindow)
 public:
  TqelSkinWindowWnd(TComponent* owner, HWND handle, bool createdByHook, TqelSkinEngine& engine);
  ~TqelSkinWindowWnd() override;
  static std::vector<TPropInfo> PublishedProperties() { return {}; }

  HWND Handle() const override { return handle_; }
  // The inner dialog that answers the dialog colours like this window.
  HWND InnerDialog() const noexcept { return inner_; }

 protected:
  std::wstring GetWideCaption() const override;
  void ApplySkinState(bool applied) override;
  void CallPrevious(TMessage& message) override;
  void SavePlatformMetrics() override;
  void SkinChildren() override;
  void RefreshChildren() override;
  bool BeforePrevious(TMessage& message) override;
  void AfterPrevious(TMessage& message) override;
  void Attach() override;
  void Detach() override;

 private:
  // Every message of the window: its end here, the rest to the frame.
  void Hooked(TMessage& message);
  void WindowDestroyed(TMessage& message);
  // Resizes the window (same top-left) so that its client area gets this
  // size with the frame it has now.
  void ResizeForClient(int clientWidth, int clientHeight);
  void FindInnerDialog();
  void InnerProcedure(TMessage& message);
  // The dialog colours: the skin's form brush, transparent text.
  bool AnswerDialogColor(TMessage& message) const;
  void CorrectHeightOnce();

  HWND handle_;
  std::unique_ptr<TWindowSubclass> subclass_;
  std::unique_ptr<TWindowSubclass> innerSubclass_;
  HWND inner_ = nullptr;
  HMENU menu_ = nullptr;  // taken off while the skin is applied
  LONG_PTR styleBefore_ = 0;
  LONG_PTR styleAtErase_ = 0;
  bool styleAtEraseCaptured_ = false;
  bool heightCorrected_ = false;
  bool shellViewDialog_ = false;
  bool folderBrowser_ = false;
};
