#pragma once
// The gallery's MDI window: a main form with a menu and a Window menu
// (Cascade, Tile, Arrange icons), and children with menus of their own
// that merge into it while they are active.
#include "framework/Form.h"

class TMainMenu;
class TMenuItem;

class TFrm_GalleryMDI : public TForm {
  FW_CLASS(TFrm_GalleryMDI, TForm)
 public:
  explicit TFrm_GalleryMDI(TComponent* owner);

  // A new child, numbered after the others; OnChildCreated follows.
  TCustomForm* NewChild();

  // After each new child: the program's skin engine, if any, skins it.
  TNotifyEvent OnChildCreated;

  TMainMenu* MainMenu1 = nullptr;
  TMenuItem* WindowMenu1 = nullptr;

 private:
  void NewClick(TObject& sender);
  void CloseChildClick(TObject& sender);
  void CascadeClick(TObject& sender);
  void TileClick(TObject& sender);
  void ArrangeClick(TObject& sender);
  void ExitClick(TObject& sender);

  int created_ = 0;
};

// A document window: a memo, and an Edit and a Document menu (groups 1
// and 5) for the main form's menu bar.
class TFrm_GalleryChild : public TForm {
  FW_CLASS(TFrm_GalleryChild, TForm)
 public:
  TFrm_GalleryChild(TComponent* owner, int number);

  TMainMenu* ChildMenu1 = nullptr;
};
