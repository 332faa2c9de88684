#include "menu/QELSkinMenuBar.h"

#include <windowsx.h>

#include "QELSkinUtilsPlatform.h"
#include "framework/ImageList.h"
#include "framework/Menus.h"

namespace {

bool HasSubItems(const TToolButton& button) noexcept {
  return button.MenuItem() && button.MenuItem()->Count() > 0;
}

}  // namespace

TqelSkinMenuBar::TqelSkinMenuBar(TComponent* owner) : TToolBar(owner) {
  SetFlat(true);
  SetEdgeBorders(0);
  SetBorderWidth(0);
  SetShowCaptions(true);
  SetWrapable(true);
  SetAutoSize(true);
  SetVisible(false);
  SetParentColor(false);
  SetMenuFont(Font());
  OnAdvancedCustomDraw = [this](TToolBar& bar, const RECT& rect, TCustomDrawStage stage, bool& defaultDraw) {
    DrawBackground(bar, rect, stage, defaultDraw);
  };
  OnCustomDrawButton = [this](TToolBar& bar, TToolButton& button, TCustomDrawState state, bool& defaultDraw) {
    DrawButton(bar, button, state, defaultDraw);
  };
}

void TqelSkinMenuBar::Rebuild(const std::vector<TMenuItem*>& items, TCustomImageList* images) {
  LeaveKeyboardMode();
  while (ButtonCount() > 0) Buttons(ButtonCount() - 1)->Free();
  bool anyImage = false;
  // From the last item to the first, each new button going to the front.
  for (auto it = items.rbegin(); it != items.rend(); ++it) {
    TToolButton* button = Create<TToolButton>();
    button->SetGrouped(true);
    button->SetAutoSize(true);
    button->SetMenuItem(*it);
    button->SetParent(this);
    anyImage = anyImage || (*it)->ImageIndex() >= 0;
  }
  SetImages(anyImage ? images : nullptr);
  Invalidate();
}

bool TqelSkinMenuBar::Shows(const std::vector<TMenuItem*>& items) const {
  if (static_cast<int>(items.size()) != ButtonCount()) return false;
  for (int i = 0; i < ButtonCount(); ++i) {
    const TToolButton* b = Buttons(i);
    const TMenuItem* item = items[static_cast<size_t>(i)];
    if (b->MenuItem() != item || b->Caption() != item->Caption() || b->Enabled() != item->Enabled() ||
        b->Visible() != item->Visible() || b->ImageIndex() != item->ImageIndex())
      return false;
  }
  return true;
}

void TqelSkinMenuBar::SetLook(const TqelMenuBarLook& look) {
  look_ = look;
  SetColor(look.StartColor);
  Invalidate();
}

// ---- Messages --------------------------------------------------------------------

void TqelSkinMenuBar::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_DIALOGCHAR: CMDialogChar(m); break;
    case WM_LBUTTONDOWN: WMLButtonDown(m); break;
    case WM_LBUTTONUP: WMLButtonUp(m); break;
    case WM_KEYUP: WMKeyUp(m); break;
    default: TToolBar::WndProc(m); break;
  }
}

void TqelSkinMenuBar::CMDialogChar(TMessage& m) {
  // A plain letter is a mnemonic of the bar only while a title is chosen.
  m.Result = 0;
  if (m.LParam == 0 && !SelectedButton()) return;
  m.Result = OpenMnemonic(static_cast<wchar_t>(m.WParam)) ? 1 : 0;
}

void TqelSkinMenuBar::WMLButtonDown(TMessage& m) {
  LeaveKeyboardMode();
  const POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  for (int i = 0; i < ButtonCount(); ++i) {
    TToolButton* b = Buttons(i);
    // A press exactly on the corner of a title without sub-items is not
    // taken as a click.
    if (b->MenuItem() && !HasSubItems(*b) && p.x == b->Left() && p.y == b->Top()) {
      m.Result = 0;
      return;
    }
  }
  TToolBar::WndProc(m);
}

void TqelSkinMenuBar::WMLButtonUp(TMessage& m) {
  const POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  for (int i = 0; i < ButtonCount(); ++i) {
    TToolButton* b = Buttons(i);
    const RECT r = b->BoundsRect();
    // The item was clicked on the press already.
    if (::PtInRect(&r, p) && b->MenuItem() && !HasSubItems(*b) && b->MenuItem()->OnClick) {
      m.Result = 0;
      return;
    }
  }
  TToolBar::WndProc(m);
}

void TqelSkinMenuBar::WMKeyUp(TMessage& m) {
  TToolButton* selected = SelectedButton();
  if (m.WParam == VK_RETURN && selected && selected->MenuItem() && !HasSubItems(*selected)) {
    ::EndMenu();
    LeaveKeyboardMode();
    selected->MenuItem()->Click();
    m.Result = 0;
    return;
  }
  TToolBar::WndProc(m);
}

void TqelSkinMenuBar::Notification(TComponent* component, TOperation operation) {
  TToolBar::Notification(component, operation);
  // The bar's pop-up menus follow the hot-key rule of the menu they show.
  if (operation == opInsert && component->Owner() == this)
    if (auto* popup = dynamic_cast<TPopupMenu*>(component))
      popup->OnPopup = [this](TObject& sender) { CopyAutoHotkeys(sender); };
}

void TqelSkinMenuBar::CopyAutoHotkeys(TObject& sender) {
  auto* popup = dynamic_cast<TPopupMenu*>(&sender);
  TToolButton* selected = SelectedButton();
  if (!popup || !selected || !selected->MenuItem()) return;
  if (TMenu* menu = selected->MenuItem()->GetParentMenu()) popup->SetAutoHotkeys(menu->AutoHotkeys());
}

// ---- Painting --------------------------------------------------------------------

void TqelSkinMenuBar::DrawBackground(TToolBar&, const RECT& rect, TCustomDrawStage stage, bool& defaultDraw) {
  if (stage != cdPreErase) return;
  PaintMenuBarBackground(Canvas(), rect, look_);
  defaultDraw = false;
}

void TqelSkinMenuBar::DrawButton(TToolBar&, TToolButton& button, TCustomDrawState state, bool& defaultDraw) {
  const bool selected =
      (state & (cdsHot | cdsSelected | cdsChecked)) != 0 || (keyboardIndex_ >= 0 && button.Index() == keyboardIndex_);
  button.SetTag(selected ? kSelectedMenuButtonTag : 0);
  TqelMenuBarButtonState look;
  look.Text = button.Caption();
  look.Selected = selected;
  look.Enabled = button.Enabled();
  look.Images = Images();
  look.ImageIndex = button.ImageIndex();
  PaintMenuBarButton(Canvas(), button.BoundsRect(), look, look_);
  defaultDraw = false;
}
