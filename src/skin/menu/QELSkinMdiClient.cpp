#include "menu/QELSkinMdiClient.h"

#include "engine/QELSkinMessages.h"
#include "frame/QELSkinWindowVCL.h"
#include "framework/Form.h"
#include "menu/QELSkinFormMenus.h"
#include "menu/QELSkinMdiLayout.h"

TqelSkinMdiClient::TqelSkinMdiClient(TqelSkinFormMenus& menus, HWND client)
    : menus_(menus), link_(client, TWndMethod::Bind<&TqelSkinMdiClient::Proc>(this)) {}

std::vector<HWND> TqelSkinMdiClient::Children() const {
  std::vector<HWND> children;
  for (HWND c = ::GetWindow(Window(), GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT))
    if (!::GetWindow(c, GW_OWNER)) children.push_back(c);  // icon titles are owned
  return children;
}

void TqelSkinMdiClient::Proc(TMessage& m) {
  const TqelSkinWindowVCL& frame = menus_.Frame();
  switch (m.Msg) {
    case QM_GETMDICAPTION: m.Result = frame.PlatformCaptionHeight(); break;
    case QM_GETMDISIDE: m.Result = frame.PlatformSideFrame(); break;
    case QM_GETMDIBOTTOM: m.Result = frame.PlatformBottomFrame(); break;
    case WM_MDICASCADE: Cascade(m); break;
    case WM_MDITILE: Tile(m); break;
    case WM_MDIDESTROY: MdiDestroy(m); break;
    case WM_MDICREATE: MdiCreate(m); break;
    default: link_.CallNext(m); break;
  }
}

void TqelSkinMdiClient::Cascade(TMessage& m) {
  if (!menus_.Applied()) {
    link_.CallNext(m);
    return;
  }
  std::vector<HWND> placed;
  for (HWND c : Children()) {
    if (!::IsWindowVisible(c) || ::IsIconic(c)) continue;  // minimized children keep their place
    if (::IsZoomed(c)) ::SendMessageW(Window(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(c), 0);
    placed.push_back(c);
  }
  RECT client{};
  ::GetClientRect(Window(), &client);
  const std::vector<RECT> rects = MdiCascadeRects(client.right, client.bottom, static_cast<int>(placed.size()));
  for (size_t i = 0; i < placed.size(); ++i) {
    const RECT& r = rects[i];
    ::SetWindowPos(placed[i], nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
  m.Result = 1;
}

void TqelSkinMdiClient::Tile(TMessage& m) {
  if (!menus_.Applied()) {
    link_.CallNext(m);
    return;
  }
  TCustomForm& form = menus_.Form();
  std::vector<HWND> placed;
  bool icons = false;
  for (HWND c : Children()) {
    if (!::IsWindowVisible(c)) continue;
    if (::IsIconic(c)) {
      icons = true;
      continue;
    }
    if (::IsZoomed(c)) ::SendMessageW(Window(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(c), 0);
    placed.push_back(c);
  }
  // The room the form's aligned bars leave.
  const RECT area = form.ClientRect();
  int height = area.bottom - area.top;
  for (int i = 0; i < form.ControlCount(); ++i) {
    const TControl* c = form.Controls(i);
    if (c->Visible() && (c->Align() == alTop || c->Align() == alBottom)) height -= c->Height();
  }
  const bool stacked = (m.WParam & MDITILE_HORIZONTAL) != 0;
  const std::vector<RECT> rects =
      MdiTileRects(area.right - area.left, height, static_cast<int>(placed.size()), stacked, icons);
  for (size_t i = 0; i < placed.size(); ++i) {
    const RECT& r = rects[i];
    ::SetWindowPos(placed[i], nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
  m.Result = 1;
}

void TqelSkinMdiClient::MdiDestroy(TMessage& m) {
  const bool last = Children().size() <= 1;
  TqelSkinFormMenus& menus = menus_;
  link_.CallNext(m);
  if (last) {
    ::SendMessageW(menus.Form().Handle(), QM_MDIMENUCHANGED, 0, 0);
    menus.HideMdiButtons();
  }
  // The gone child must not stay in the window menu.
  menus.RebuildWindowMenu();
}

void TqelSkinMdiClient::MdiCreate(TMessage& m) {
  link_.CallNext(m);
  menus_.RebuildWindowMenu();
}
