#include "framework/stdctrls/ListControl.h"

#include "AnsiText.h"

TCustomListControl::TCustomListControl(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  // Clicks and double-clicks come from the platform's notifications.
  controlStyle_ = 0;
}

void TCustomListControl::DeleteSelected() {
  const int index = ItemIndex();
  if (index >= 0) Items().Delete(index);
}

void TCustomListControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_DRAWITEM: CNDrawItem(m); break;
    case CN_MEASUREITEM: CNMeasureItem(m); break;
    default: TWinControl::WndProc(m); break;
  }
}

void TCustomListControl::CNDrawItem(TMessage& m) {
  const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
  m.Result = TRUE;
  canvas_.SetHandle(item.hDC);
  try {
    canvas_.Font().Assign(Font());
    canvas_.Brush().SetStyle(bsSolid);
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    canvas_.Brush().SetColor(selected ? clHighlight : Color());
    if (selected) canvas_.Font().SetColor(clHighlightText);
    if (static_cast<int>(item.itemID) >= 0) {
      DrawItem(static_cast<int>(item.itemID), item.rcItem, item.itemState);
    } else {
      canvas_.FillRect(item.rcItem);
    }
    if (item.itemState & ODS_FOCUS) canvas_.DrawFocusRect(item.rcItem);
  } catch (...) {
    canvas_.SetHandle(nullptr);
    throw;
  }
  canvas_.SetHandle(nullptr);
}

void TCustomListControl::CNMeasureItem(TMessage& m) {
  auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
  int height = static_cast<int>(item.itemHeight);
  MeasureItem(static_cast<int>(item.itemID), height);
  item.itemHeight = static_cast<UINT>(height > 0 ? height : 1);
  m.Result = TRUE;
}

void TCustomListControl::DrawItem(int index, const RECT& rect, TOwnerDrawState state) {
  if (OnDrawItem) {
    OnDrawItem(*this, index, rect, state);
    return;
  }
  canvas_.FillRect(rect);
  if (index < Items().Count())
    canvas_.TextRect(rect, rect.left + 2, rect.top, FromAnsi(Items()[index]));
}

void TCustomListControl::MeasureItem(int index, int& height) {
  if (OnMeasureItem) OnMeasureItem(*this, index, height);
}
