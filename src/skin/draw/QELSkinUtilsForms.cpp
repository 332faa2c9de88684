#include "QELSkinUtilsForms.h"

#include "QELSkinUtilsMessages.h"
#include "QELSkinUtilsPaint.h"
#include "framework/Application.h"
#include "framework/Properties.h"
#include "framework/Screen.h"
#include "graphics/GdiObjects.h"

bool HasPublishedProperty(const TObject* Control, std::string_view Name) {
  return Control && IsPublishedProp(*Control, Name);
}

RECT GetWorkArea(HWND Window) {
  RECT area{};
  bool found = false;
  if (Application.MainForm()) {
    const TMonitor monitor = Screen.MonitorFromWindow(Window);
    if (monitor.Handle) {
      area = monitor.WorkareaRect;
      found = true;
    }
  }
  if (!found && !::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0))
    area = RECT{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  area.bottom -= 1;
  return area;
}

void SetFormBounds(TCustomForm* Form, const RECT& Rect) {
  if (Form) Form->SetBounds(Rect.left, Rect.top, Rect.right - Rect.left, Rect.bottom - Rect.top);
}

TCustomForm* FindFormByHandle(HWND Handle) { return Screen.FindForm(Handle); }

bool DecideFormActive(const TFormActiveFacts& Facts) noexcept {
  if (Facts.Answer > 0) return Facts.Answer == 1;
  if (!Facts.HasMainForm) return Facts.FormActive;
  if (Facts.MainFormIsMDIFrame && Facts.IsMainForm) return true;
  if (!Facts.ApplicationActive) return false;
  if (Facts.IsMainForm) return true;
  if (Facts.MainFormIsMDIFrame && Facts.IsActiveMDIChild) return true;
  return Facts.FormActive;
}

namespace {

// The application is active when the foreground window is one of its own.
bool ApplicationIsActive() {
  HWND foreground = ::GetForegroundWindow();
  DWORD process = 0;
  if (foreground) ::GetWindowThreadProcessId(foreground, &process);
  return foreground && process == ::GetCurrentProcessId();
}

// The active child of a multiple-document frame, through its client window.
HWND ActiveMDIChild(TCustomForm& frame) {
  if (!frame.HandleAllocated()) return nullptr;
  HWND client = ::FindWindowExW(frame.Handle(), nullptr, L"MDICLIENT", nullptr);
  return client ? reinterpret_cast<HWND>(::SendMessageW(client, WM_MDIGETACTIVE, 0, 0)) : nullptr;
}

}  // namespace

bool IsFormActive(TCustomForm* Form) {
  if (!Form) return false;
  TFormActiveFacts facts;
  facts.Answer = Form->HandleAllocated() ? ::SendMessageW(Form->Handle(), QM_ISACTIVE, 0, 0)
                                         : Form->Perform(QM_ISACTIVE, 0, 0);
  if (facts.Answer > 0) return DecideFormActive(facts);
  TCustomForm* main = Application.MainForm();
  facts.HasMainForm = main != nullptr;
  facts.MainFormIsMDIFrame = main && main->FormStyle() == fsMDIForm;
  facts.IsMainForm = main == Form;
  facts.ApplicationActive = ApplicationIsActive();
  facts.IsActiveMDIChild = facts.MainFormIsMDIFrame && Form->HandleAllocated() && ActiveMDIChild(*main) == Form->Handle();
  facts.FormActive = Form->Active();
  return DecideFormActive(facts);
}

void DrawControlEdge(TWinControl& Control, const TqelSkinReader& Reader, TColor Color) {
  if (!Control.HandleAllocated()) return;
  UniqueWindowDC dc = UniqueWindowDC::Client(Control.Handle());
  if (!dc) return;
  TCanvas canvas(dc.get());
  RECT client{};
  ::GetClientRect(Control.Handle(), &client);
  const int w = client.right, h = client.bottom;
  FillRectColor(canvas, RECT{0, 0, w, 2}, Color);
  FillRectColor(canvas, RECT{0, h - 2, w, h}, Color);
  FillRectColor(canvas, RECT{0, 0, 2, h}, Color);
  FillRectColor(canvas, RECT{w - 2, 0, w, h}, Color);
  FillRectColor(canvas, RECT{0, 0, 1, h}, Reader.GetColor(SKIN2_CONTROLBORDERCOLOR));
  canvas.SetHandle(nullptr);
}

void DrawWindowBorder(TWinControl& Control, TColor OuterColor, TColor InnerColor, bool DrawInner) {
  DrawWindowBorder(Control.Handle(), OuterColor, InnerColor, DrawInner);
}
