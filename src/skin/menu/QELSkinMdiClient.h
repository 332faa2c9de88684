#pragma once
// TqelSkinMdiClient: the MDI client window of a skinned MDI main form,
// subclassed.
//
// It tells the children's frames the main form's frame sizes
// (QM_GETMDICAPTION, QM_GETMDISIDE, QM_GETMDIBOTTOM), cascades and tiles
// the children its own way while the skin is applied (QELSkinMdiLayout.h),
// hides the MDI buttons and empties the merged menu when the last child
// goes, and keeps the window menu's child entries up to date.
#include <windows.h>

#include <vector>

#include "framework/Messages.h"
#include "framework/WindowSubclass.h"

class TqelSkinFormMenus;

class TqelSkinMdiClient {
 public:
  TqelSkinMdiClient(TqelSkinFormMenus& menus, HWND client);
  TqelSkinMdiClient(const TqelSkinMdiClient&) = delete;
  TqelSkinMdiClient& operator=(const TqelSkinMdiClient&) = delete;

  HWND Window() const noexcept { return link_.Window(); }
  // The client's children, front to back.
  std::vector<HWND> Children() const;

 private:
  void Proc(TMessage& message);
  void Cascade(TMessage& message);
  void Tile(TMessage& message);
  void MdiDestroy(TMessage& message);
  void MdiCreate(TMessage& message);

  TqelSkinFormMenus& menus_;
  TWindowSubclass link_;
};
