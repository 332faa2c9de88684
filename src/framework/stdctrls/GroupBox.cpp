#include "framework/stdctrls/GroupBox.h"

#include "framework/stdctrls/StdCtrlsCommon.h"
#include "graphics/GdiObjects.h"

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner) {
  controlStyle_ |= csAcceptsControls;
  SetParentColor(true);
  SetBounds(0, 0, 185, 105);
}

int TCustomGroupBox::TextHeight() {
  Canvas().Font().Assign(Font());
  TCanvas& canvas = Canvas();
  if (canvas.HandleAllocated()) return canvas.TextHeight(L"0");
  // Outside Paint: measure on a screen-compatible DC.
  const UniqueMemoryDC dc = UniqueMemoryDC::Create();
  TCanvas measure(dc.get());
  measure.Font().Assign(Font());
  return measure.TextHeight(L"0");
}

void TCustomGroupBox::AdjustClientRect(RECT& rect) {
  TCustomControl::AdjustClientRect(rect);
  rect.top += TextHeight();
  InflateRect(&rect, -2, -2);
}

void TCustomGroupBox::Paint() {
  TCanvas& canvas = Canvas();
  canvas.Font().Assign(Font());
  const int h = canvas.TextHeight(L"0");
  RECT frame = ClientRect();
  frame.top += h / 2;
  ::DrawEdge(canvas.Handle(), &frame, EDGE_ETCHED, BF_RECT);
  if (Caption().empty()) return;
  RECT text{8, 0, 0, h};
  canvas.TextRect(text, Caption(), DT_CALCRECT | DT_SINGLELINE);
  text.right += 2;  // a pixel of the control's colour either side
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(Color());
  canvas.FillRect({text.left - 1, text.top, text.right, text.bottom});
  if (!Enabled()) canvas.Font().SetColor(clGrayText);
  canvas.Brush().SetStyle(bsClear);
  canvas.TextRect(text, Caption(), DT_SINGLELINE | DT_LEFT);
}

void TCustomGroupBox::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_DIALOGCHAR: CMDialogChar(m); break;
    case CM_TEXTCHANGED: CMTextChanged(m); break;
    case CM_ENABLEDCHANGED:
      TCustomControl::WndProc(m);
      Invalidate();
      break;
    default: TCustomControl::WndProc(m); break;
  }
}

void TCustomGroupBox::CMDialogChar(TMessage& m) {
  if (IsAccel(static_cast<wchar_t>(m.WParam), Caption()) && CanFocus()) {
    SelectNext(nullptr, true, true);
    m.Result = 1;
    return;
  }
  TCustomControl::WndProc(m);  // the controls inside may have mnemonics
}

void TCustomGroupBox::CMTextChanged(TMessage& m) {
  TCustomControl::WndProc(m);
  Invalidate();
}

std::vector<TPropInfo> TGroupBox::PublishedProperties() {
  return StdPublished::With({StdPublished::Caption()}, StdPublished::kParentColor | StdPublished::kWindowed);
}
