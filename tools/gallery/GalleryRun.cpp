#include "GalleryRun.h"

#include "Capture.h"
#include "GalleryDialogs.h"
#include "GalleryForm.h"
#include "MdiWindow.h"
#include "RawDialog.h"
#include "framework/Application.h"
#include "framework/Screen.h"
#include "framework/forms/MessageDialog.h"

namespace {

// Time for the windows to show and paint before they are captured.
constexpr unsigned kSettleMs = 600;

void PaintAll(const std::vector<HWND>& windows) {
  for (HWND w : windows)
    ::RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

}  // namespace

TGalleryRun::TGalleryRun(const TGalleryOptions& options, TFrm_Gallery& form)
    : options_(options), form_(form), timer_(MakeComponent<TTimer>()) {
  timer_->SetInterval(kSettleMs);
  timer_->OnTimer = [this](TObject& sender) { TimerFired(sender); };
  timer_->SetEnabled(options.MDI || !options.Dialog.empty() || !options.Capture.empty());
}

TGalleryRun::~TGalleryRun() = default;

void TGalleryRun::TimerFired(TObject&) {
  if (stage_ == 0) {
    stage_ = 1;
    if (options_.Capture.empty()) timer_->SetEnabled(false);
    OpenWindows();  // a modal message box returns only when it is closed
  } else if (stage_ == 1) {
    stage_ = 2;
    timer_->SetEnabled(false);
    CaptureAndEnd();
  }
}

void TGalleryRun::OpenWindows() {
  // The gallery is the active window (its focused control shows as such)
  // until a window opened here takes over.
  ::SetForegroundWindow(form_.Handle());
  if (options_.MDI) {
    TFrm_GalleryMDI& mdi = form_.OpenMDI();
    if (options_.MDIMaximized)
      if (TCustomForm* child = mdi.ActiveMDIChild()) child->SetWindowState(wsMaximized);
  }
  if (options_.Dialog == "raw") {
    rawDialog_ = std::make_unique<TModelessRawDialog>(form_.Handle());
  } else if (options_.Dialog == "msgdlg") {
    TMessageForm* dialog = CreateMessageDialog(L"A message dialog of the framework. Save the changes?",
                                               mtConfirmation, mbYes | mbNo | mbCancel);
    dialog->Show();
  } else if (options_.Dialog == "message") {
    ShowPlatformMessageBox();
  }
}

void TGalleryRun::CaptureAndEnd() {
  const std::vector<HWND> windows = ThreadTopLevelWindows(form_.Handle());
  PaintAll(windows);
  Application.ProcessMessages();
  if (!SaveCaptures(options_.Capture, windows)) exitCode_ = 1;
  // A platform message box in its own loop is answered, so that it returns.
  for (HWND w : windows)
    if (w != form_.Handle() && !Screen.FindForm(w) && (!rawDialog_ || w != rawDialog_->Handle()))
      ::PostMessageW(w, WM_COMMAND, IDCANCEL, 0);
  rawDialog_.reset();
  Application.Terminate();
}
