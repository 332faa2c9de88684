#pragma once
// The gallery's main form: a menu bar (shortcuts, checked and radio items,
// images, sub-menus, disabled items), a tool bar, a status bar and one page
// of controls per family. Given a skin package, it carries the skin engine
// that skins it and every other window of the program.
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "framework/Form.h"

class TFrm_GalleryMDI;
class TImageList;
class TMainMenu;
class TMenuItem;
class TPageControl;
class TqelSkinEngine;
class TStatusBar;
class TTabSheet;
class TTimer;
class TToolBar;

class TFrm_Gallery : public TForm {
  FW_CLASS(TFrm_Gallery, TForm)
 public:
  // An empty skin: the platform's look. A broken package raises.
  explicit TFrm_Gallery(TComponent* owner, std::span<const std::uint8_t> skin = {});

  // Shows the page of that name; false when there is none.
  bool ShowPage(std::string_view name);
  int PageCount() const noexcept { return static_cast<int>(pages_.size()); }
  TTabSheet* Page(int index) const { return pages_.at(static_cast<size_t>(index)).Sheet; }
  // Opens the MDI window with its three children (once; later calls bring
  // it to the front).
  TFrm_GalleryMDI& OpenMDI();

  TMainMenu* MainMenu1 = nullptr;
  TImageList* ImageList1 = nullptr;
  TToolBar* ToolBar1 = nullptr;
  TStatusBar* StatusBar1 = nullptr;
  TPageControl* PageControl1 = nullptr;
  // Shows the page states once the form is on the screen.
  TTimer* StatesTimer1 = nullptr;
  TqelSkinEngine* qelSkinEngine1 = nullptr;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  struct TPageState {
    TTabSheet* Sheet;
    TWinControl* Focus;
    std::vector<TWinControl*> Pressed;
  };

  void BuildMenu();
  void BuildToolBar();
  void BuildPages();
  void CreateSkinEngine(std::span<const std::uint8_t> skin);
  // The engine's SkinAllForms pass, for forms made after the first show.
  void SkinOtherForms();
  void PageControl1Change(TObject& sender);
  void FormShow(TObject& sender);
  void StatesTimer1Timer(TObject& sender);
  // Focuses the shown page's control and holds its pressed buttons down.
  void ShowPageStates();
  void ExitClick(TObject& sender);
  void MDIClick(TObject& sender);
  void AboutClick(TObject& sender);
  void ToggleClick(TObject& sender);
  void SizeClick(TObject& sender);

  std::vector<TPageState> pages_;
  TFrm_GalleryMDI* mdi_ = nullptr;
};
