#include "framework/stdctrls/Memo.h"

#include "framework/stdctrls/MemoStrings.h"
#include "framework/stdctrls/StdCtrlsCommon.h"

TCustomMemo::TCustomMemo(TComponent* owner)
    : TCustomEdit(owner), lines_(std::make_unique<TMemoStrings>(*this)) {
  SetBounds(0, 0, 185, 89);
  SetAutoSelect(false);
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  static constexpr DWORD kAlign[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
  params.Style |= ES_MULTILINE | kAlign[alignment_];
  if (wordWrap_) params.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
  if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) params.Style |= WS_HSCROLL;
  if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) params.Style |= WS_VSCROLL;
}

void TCustomMemo::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_GETDLGCODE: WMGetDlgCode(m); break;
    default: TCustomEdit::WndProc(m); break;
  }
}

void TCustomMemo::WMGetDlgCode(TMessage& m) {
  TCustomEdit::WndProc(m);
  if (wantTabs_)
    m.Result |= DLGC_WANTTAB;
  else
    m.Result &= ~static_cast<LRESULT>(DLGC_WANTTAB);
  if (!wantReturns_) m.Result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
}

void TCustomMemo::KeyPress(wchar_t& key) {
  TCustomEdit::KeyPress(key);
  if ((key == L'\r' && !wantReturns_) || (key == L'\t' && !wantTabs_)) key = 0;
}

void TCustomMemo::SetScrollBars(TScrollStyle scrollBars) {
  if (scrollBars == scrollBars_) return;
  scrollBars_ = scrollBars;
  RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool wordWrap) {
  if (wordWrap == wordWrap_) return;
  wordWrap_ = wordWrap;
  RecreateWnd();
}

void TCustomMemo::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  RecreateWnd();
}

POINT TCustomMemo::CaretPos() {
  const auto line = static_cast<int>(::SendMessageW(Handle(), EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0));
  const auto start = static_cast<int>(::SendMessageW(Handle(), EM_LINEINDEX, static_cast<WPARAM>(line), 0));
  return {SelStart() - start, line};
}

std::vector<TPropInfo> TMemo::PublishedProperties() {
  std::vector<TPropInfo> own = EditPublishedProperties();
  own.push_back(OrdProp<TCustomMemo>("Alignment", "TAlignment", TTypeKind::Enumeration, &TCustomMemo::Alignment,
                                     &TCustomMemo::SetAlignment, kAlignmentNames));
  own.push_back(ObjProp<TCustomMemo>("Lines", "TStrings", &TCustomMemo::Lines));
  own.push_back(OrdProp<TCustomMemo>("ScrollBars", "TScrollStyle", TTypeKind::Enumeration,
                                     &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars, kScrollStyleNames));
  own.push_back(BoolProp<TCustomMemo>("WantReturns", &TCustomMemo::WantReturns, &TCustomMemo::SetWantReturns));
  own.push_back(BoolProp<TCustomMemo>("WantTabs", &TCustomMemo::WantTabs, &TCustomMemo::SetWantTabs));
  own.push_back(BoolProp<TCustomMemo>("WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap));
  return StdPublished::With(std::move(own), StdPublished::kParentColor | StdPublished::kWindowed);
}
