#include "framework/Label.h"

#include "graphics/GdiObjects.h"

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
  controlStyle_ |= csOpaque;
  SetBounds(0, 0, 65, 17);
  SetParentColor(true);
}

UINT TCustomLabel::TextFlags() const noexcept {
  static constexpr UINT kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  UINT flags = DT_EXPANDTABS | kAlign[alignment_];
  if (wordWrap_) flags |= DT_WORDBREAK;
  else flags |= DT_SINGLELINE;
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  return flags;
}

void TCustomLabel::AdjustBounds() {
  if (!autoSize_ || Loading()) return;
  UniqueWindowDC screen = UniqueWindowDC::Client(nullptr);
  TCanvas canvas(screen.get());
  canvas.Font().Assign(Font());
  // An empty label keeps the height of a line (and a space's width).
  const std::wstring& text = Caption().empty() ? std::wstring(L" ") : Caption();
  RECT r{0, 0, wordWrap_ ? Width() : 0, 0};
  canvas.TextRect(r, text, TextFlags() | DT_CALCRECT);
  canvas.SetHandle(nullptr);
  int left = Left();
  if (alignment_ == taRightJustify) left += Width() - r.right;
  SetBounds(left, Top(), r.right, r.bottom);
}

void TCustomLabel::Paint() {
  TCanvas& canvas = Canvas();
  RECT r = ClientRect();
  if (!transparent_) {
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(r);
  }
  canvas.Brush().SetStyle(bsClear);
  canvas.Font().Assign(Font());
  const UINT flags = TextFlags();
  if (layout_ != tlTop) {
    RECT measured = r;
    canvas.TextRect(measured, Caption(), flags | DT_CALCRECT);
    const int room = (r.bottom - r.top) - (measured.bottom - measured.top);
    OffsetRect(&r, 0, layout_ == tlBottom ? room : room / 2);
  }
  if (Enabled()) {
    canvas.TextRect(r, Caption(), flags);
    return;
  }
  // Disabled: engraved, a highlight one pixel down-right under the shadow.
  OffsetRect(&r, 1, 1);
  canvas.Font().SetColor(clBtnHighlight);
  canvas.TextRect(r, Caption(), flags);
  OffsetRect(&r, -1, -1);
  canvas.Font().SetColor(clBtnShadow);
  canvas.TextRect(r, Caption(), flags);
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TCustomLabel::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_TEXTCHANGED: CMTextChanged(m); break;
    case CM_FONTCHANGED: CMFontChanged(m); break;
    default: TGraphicControl::WndProc(m); break;
  }
}

void TCustomLabel::CMTextChanged(TMessage& m) {
  Invalidate();
  AdjustBounds();
  m.Result = 0;
}

void TCustomLabel::CMFontChanged(TMessage& m) {
  TGraphicControl::WndProc(m);
  AdjustBounds();
}

void TCustomLabel::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) return;
  autoSize_ = autoSize;
  AdjustBounds();
}

void TCustomLabel::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout layout) {
  if (layout == layout_) return;
  layout_ = layout;
  Invalidate();
}

void TCustomLabel::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  if (transparent) controlStyle_ &= ~csOpaque;
  else controlStyle_ |= csOpaque;
  Invalidate();
}

void TCustomLabel::SetWordWrap(bool wordWrap) {
  if (wordWrap == wordWrap_) return;
  wordWrap_ = wordWrap;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool show) {
  if (show == showAccelChar_) return;
  showAccelChar_ = show;
  AdjustBounds();
  Invalidate();
}

std::vector<TPropInfo> TLabel::PublishedProperties() {
  return {
      PropLeft(),
      PropTop(),
      PropWidth(),
      PropHeight(),
      PropAlign(),
      PropAnchors(),
      OrdProp<TCustomLabel>("Alignment", "TAlignment", TTypeKind::Enumeration, &TCustomLabel::Alignment,
                            &TCustomLabel::SetAlignment, kAlignmentNames),
      OrdProp<TCustomLabel>("Layout", "TTextLayout", TTypeKind::Enumeration, &TCustomLabel::Layout,
                            &TCustomLabel::SetLayout, kTextLayoutNames),
      BoolProp<TCustomLabel>("AutoSize", &TCustomLabel::AutoSize, &TCustomLabel::SetAutoSize),
      BoolProp<TCustomLabel>("Transparent", &TCustomLabel::Transparent, &TCustomLabel::SetTransparent),
      BoolProp<TCustomLabel>("WordWrap", &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap),
      BoolProp<TCustomLabel>("ShowAccelChar", &TCustomLabel::ShowAccelChar, &TCustomLabel::SetShowAccelChar),
      PropCaption(),
      PropColor(),
      PropParentColor(),
      PropFont(),
      PropParentFont(),
      PropCursor(),
      PropHint(),
      PropEnabled(),
      PropVisible(),
  };
}
