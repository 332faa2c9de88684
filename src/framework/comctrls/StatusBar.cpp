#include "framework/comctrls/StatusBar.h"

#include <algorithm>
#include <vector>

#include "AnsiText.h"
#include "framework/comctrls/CommonControls.h"
#include "graphics/GdiObjects.h"

// ---- TStatusPanel ------------------------------------------------------------------

void TStatusPanel::SetText(std::wstring_view text) {
  if (text == text_) return;
  text_ = text;
  Changed(false);
}

void TStatusPanel::SetWidth(int width) {
  width = std::max(width, 0);
  if (width == width_) return;
  width_ = width;
  Changed(true);  // moves the panels after it
}

void TStatusPanel::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Changed(false);
}

void TStatusPanel::SetStyle(TStatusPanelStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed(false);
}

void TStatusPanel::SetBevel(TStatusPanelBevel bevel) {
  if (bevel == bevel_) return;
  bevel_ = bevel;
  Changed(false);
}

std::string TStatusPanel::DisplayName() const { return text_.empty() ? TCollectionItem::DisplayName() : ToAnsi(text_); }

std::vector<TPropInfo> TStatusPanel::PublishedProperties() {
  using T = TStatusPanel;
  return {
      StrProp<T>("Text", "WideString", TTypeKind::WString, &T::Text, &T::SetText),
      OrdProp<T>("Width", "Integer", TTypeKind::Integer, &T::Width, &T::SetWidth),
      OrdProp<T>("Alignment", "TAlignment", TTypeKind::Enumeration, &T::Alignment, &T::SetAlignment,
                 kAlignmentNames),
      OrdProp<T>("Style", "TStatusPanelStyle", TTypeKind::Enumeration, &T::Style, &T::SetStyle,
                 kStatusPanelStyleNames),
      OrdProp<T>("Bevel", "TStatusPanelBevel", TTypeKind::Enumeration, &T::Bevel, &T::SetBevel,
                 kStatusPanelBevelNames),
  };
}

// ---- TStatusPanels -----------------------------------------------------------------

TStatusPanels::TStatusPanels(TCustomStatusBar& statusBar)
    : TCollection(&statusBar, TCollectionItemClass::Of<TStatusPanel>()), statusBar_(statusBar) {}

void TStatusPanels::Update(TCollectionItem* item) {
  if (item)
    statusBar_.UpdatePanel(item->Index());
  else
    statusBar_.UpdatePanels();
  TCollection::Update(item);
}

// ---- TCustomStatusBar ----------------------------------------------------------------

TCustomStatusBar::TCustomStatusBar(TComponent* owner)
    : TWinControl(owner), panels_(std::make_unique<TStatusPanels>(*this)) {
  controlStyle_ &= ~static_cast<TControlStyle>(csClickEvents | csDoubleClicks);
  SetColor(clBtnFace);
  SetBounds(0, 0, 150, 19);
  SetAlign(alBottom);
}

TCustomStatusBar::~TCustomStatusBar() = default;

void TCustomStatusBar::CreateParams(TCreateParams& params) {
  InitCommonControlClasses(ICC_BAR_CLASSES);
  TWinControl::CreateParams(params);
  params.BaseClassName = STATUSCLASSNAMEW;
  params.ClassStyle = 0;  // the platform class keeps its own style
  // The framework places and sizes the bar.
  params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE;
  if (sizeGrip_) params.Style |= SBARS_SIZEGRIP;
}

void TCustomStatusBar::CreateWnd() {
  TWinControl::CreateWnd();
  ApplyColor();
  UpdatePanels();
  Send(SB_SIMPLE, simplePanel_);
  WriteSimpleText();
}

void TCustomStatusBar::WriteSimpleText() {
  // Some versions keep the simple text only while the bar is simple.
  if (simplePanel_) Send(SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(simpleText_.c_str()));
}

LRESULT TCustomStatusBar::Send(UINT msg, WPARAM wParam, LPARAM lParam) {
  return HandleAllocated() ? ::SendMessageW(Handle(), msg, wParam, lParam) : 0;
}

void TCustomStatusBar::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_DRAWITEM: CNDrawItem(m); break;
    case CM_COLORCHANGED: CMColorChanged(m); break;
    default: TWinControl::WndProc(m); break;
  }
}

void TCustomStatusBar::CMColorChanged(TMessage& m) {
  ApplyColor();
  TWinControl::WndProc(m);
}

void TCustomStatusBar::ApplyColor() {
  // The platform's own face colour unless another is chosen.
  Send(SB_SETBKCOLOR, 0, static_cast<LPARAM>(Color() == clBtnFace ? CLR_DEFAULT : ColorToRGB(Color())));
}

void TCustomStatusBar::UpdatePanels() {
  if (!HandleAllocated()) return;
  const int count = std::max(panels_->Count(), 1);
  std::vector<int> edges(static_cast<size_t>(count), -1);
  int right = 0;
  for (int i = 0; i + 1 < panels_->Count(); ++i) {
    right += panels_->Items(i).Width();
    edges[static_cast<size_t>(i)] = right;
  }
  Send(SB_SETPARTS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(edges.data()));
  if (panels_->Count() == 0) Send(SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L""));
  for (int i = 0; i < panels_->Count(); ++i) UpdatePanel(i);
}

void TCustomStatusBar::UpdatePanel(int index) {
  if (!HandleAllocated() || index < 0 || index >= panels_->Count()) return;
  const TStatusPanel& panel = panels_->Items(index);
  WPARAM how = static_cast<WPARAM>(index);
  if (panel.Bevel() == pbNone) how |= SBT_NOBORDERS;
  if (panel.Bevel() == pbRaised) how |= SBT_POPOUT;
  if (panel.Style() == psOwnerDraw) {
    // The panel itself is the item data of WM_DRAWITEM.
    Send(SB_SETTEXTW, how | SBT_OWNERDRAW, reinterpret_cast<LPARAM>(&panel));
    return;
  }
  // A tab centres the text after it, two put it at the right.
  static constexpr const wchar_t* kAlign[] = {L"", L"\t\t", L"\t"};
  const std::wstring text = kAlign[panel.Alignment()] + panel.Text();
  Send(SB_SETTEXTW, how, reinterpret_cast<LPARAM>(text.c_str()));
}

void TCustomStatusBar::CNDrawItem(TMessage& m) {
  const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
  m.Result = TRUE;
  const int index = static_cast<int>(draw->itemID);
  if (index < 0 || index >= panels_->Count()) return;
  SavedDC saved(draw->hDC);
  canvas_.SetHandle(draw->hDC);
  canvas_.Font().Assign(Font());
  canvas_.Brush().SetColor(Color());
  try {
    DrawPanel(panels_->Items(index), draw->rcItem);
  } catch (...) {
    canvas_.SetHandle(nullptr);
    throw;
  }
  canvas_.SetHandle(nullptr);
}

void TCustomStatusBar::DrawPanel(TStatusPanel& panel, const RECT& rect) {
  if (OnDrawPanel)
    OnDrawPanel(*this, panel, rect);
  else
    canvas_.FillRect(rect);
}

RECT TCustomStatusBar::PanelRect(int index) {
  RECT r{};
  if (!Send(SB_GETRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r))) r = RECT{};
  return r;
}

void TCustomStatusBar::SetSimplePanel(bool simple) {
  if (simple == simplePanel_) return;
  simplePanel_ = simple;
  Send(SB_SIMPLE, simple);
  WriteSimpleText();
}

void TCustomStatusBar::SetSimpleText(std::wstring_view text) {
  if (text == simpleText_) return;
  simpleText_ = text;
  WriteSimpleText();
}

void TCustomStatusBar::SetSizeGrip(bool sizeGrip) {
  if (sizeGrip == sizeGrip_) return;
  sizeGrip_ = sizeGrip;
  RecreateWnd();
}

TPropInfo TCustomStatusBar::PropSimplePanel() {
  return BoolProp<TCustomStatusBar>("SimplePanel", &TCustomStatusBar::SimplePanel, &TCustomStatusBar::SetSimplePanel);
}

TPropInfo TCustomStatusBar::PropSimpleText() {
  return StrProp<TCustomStatusBar>("SimpleText", "WideString", TTypeKind::WString, &TCustomStatusBar::SimpleText,
                                   &TCustomStatusBar::SetSimpleText);
}

TPropInfo TCustomStatusBar::PropSizeGrip() {
  return BoolProp<TCustomStatusBar>("SizeGrip", &TCustomStatusBar::SizeGrip, &TCustomStatusBar::SetSizeGrip);
}

std::vector<TPropInfo> TStatusBar::PublishedProperties() {
  using T = TCustomStatusBar;
  return WithCommonProperties({
      PropColor(),
      PropParentColor(),
      PropFont(),
      PropParentFont(),
      ObjProp<T>("Panels", "TStatusPanels", &T::Panels),
      PropSimplePanel(),
      PropSimpleText(),
      PropSizeGrip(),
  });
}
