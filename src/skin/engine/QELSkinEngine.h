#pragma once
// TqelSkinEngine: the component a form carries to wear a skin, and to give
// the application's other windows and dialog boxes the same look.
//
// The engine owns the skin reader and the three skin resources, loads the
// skin (from its stored SkinData, or from SkinFile), keeps the ordered list
// of skinned top-level windows (one frame object each), installs the
// thread's window-creation/activation hook, owner-draws menus and offers
// the system menu that a skinned caption shows. Frames and control
// painters read everything skin-related through it.
//
//   qelSkinEngine1 = Create<TqelSkinEngine>();      // in a form's constructor
//   qelSkinEngine1->SetName("qelSkinEngine1");
//   qelSkinEngine1->SetActive(true);
//   qelSkinEngine1->ReadSkinData(bytes);             // while the form loads
//
// Once the form is loaded, the engine skins it. Everything runs on the GUI
// thread that created the engine.
#include <windows.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "QELSkinReader.h"
#include "QELSkinRes.h"
#include "engine/QELSkinCollection.h"
#include "engine/QELSkinMessages.h"
#include "framework/Component.h"
#include "framework/Menus.h"
#include "framework/Strings.h"
#include "framework/Types.h"
#include "graphics/Bitmap.h"
#include "graphics/Color.h"
#include "graphics/GdiObjects.h"

class TCustomForm;
class TqelSkinWindow;  // frame/QELSkinWindow.h

// Values cached from the skin at every skin change; read by frames and
// painters. The last three are fixed at construction.
struct TqelSkinValues {
  TColor FormColor = -1;         // "SKIN2_FORMCOLOR"
  TColor TransparentColor = -1;  // "SKIN2_TRANSCOLOR"
  TColor TitleFontColor = -1;    // "SKIN2_TITLEFONTCOLOR"
  int TitleHeight = 0;           // height of "SKIN2_TITLEBAR1"
  int LeftBorderWidth = 0;       // width of "SKIN2_FORMLEFTBORDER"
  int RightBorderWidth = 0;      // width of "SKIN2_FORMRIGHTBORDER"
  int BottomBorderHeight = 0;    // height of "SKIN2_FORMBOTTOMBORDER1"
  int IconPosX = -1, IconPosY = -1;      // the title metrics
  int ButtonPosX = -1, ButtonPosY = -1;
  int CaptionTop = -1;
  int TitleRegionMinY = -1, TitleRegionMaxY = -1;    // the region metrics
  int BottomRegionMinY = -1, BottomRegionMaxY = -1;
  // "SKIN2_MENUBARSTARTCOLOR" to "SKIN2_SELECTEDMENUFONTCOLOR", in key
  // order; MenuColor(key) picks one by its key.
  std::array<TColor, 13> MenuColors{};
  // The narrowest a skinned window is made: the title's left and right
  // pieces and room for the buttons.
  int MinFormWidth = 0;

  TColor InactiveTitleFontColor = -1;  // the platform's inactive caption text
  TColor DisabledMenuFontColor = 0x808080;
  int CaptionX = -10000;  // negative: caption text right after the icon

  TColor MenuColor(TSkin2ColorKey key) const noexcept {
    int i = static_cast<int>(key) - SKIN2_MENUBARSTARTCOLOR;
    return i >= 0 && i < static_cast<int>(MenuColors.size()) ? MenuColors[static_cast<size_t>(i)] : -1;
  }
};

class TqelSkinEngine : public TComponent {
  FW_CLASS(TqelSkinEngine, TComponent)
 public:
  // Raises "Must be placed on a Form" unless owner is a form, and "One form
  // can only catch one TqelSkinEngine!" when the form has one already.
  explicit TqelSkinEngine(TComponent* owner);
  ~TqelSkinEngine() override;
  void BeforeDestruction() override;
  static std::vector<TPropInfo> PublishedProperties();

  // ---- Published properties ------------------------------------------
  // Skinning switched on; passed to every skinned window.
  bool Active() const noexcept { return active_; }
  void SetActive(bool active);
  // A skin is loaded. Stored, but the setter does nothing.
  bool Ready() const noexcept { return reader_->Loaded(); }
  void SetReady(bool) noexcept {}
  // Password of enciphered packages (ANSI bytes).
  const std::string& Password() const noexcept { return password_; }
  void SetPassword(std::string_view password) { password_ = password; }
  // Path of a skin package; setting it looks the file up (as given, then
  // the program's folder, the Windows folder, the system folder) and loads
  // it. Not found: nothing changes. A broken package empties SkinFile and
  // its exception passes on (swallowed in design mode).
  const std::wstring& SkinFile() const noexcept { return skinFile_; }
  void SetSkinFile(std::wstring_view fileName);
  // Captions of the system menu's items 1, 2 and 4.
  const std::wstring& ResSysMenuMin() const noexcept { return resSysMenu_[0]; }
  void SetResSysMenuMin(std::wstring_view text) { SetSysMenuText(0, text); }
  const std::wstring& ResSysMenuMax() const noexcept { return resSysMenu_[1]; }
  void SetResSysMenuMax(std::wstring_view text) { SetSysMenuText(1, text); }
  const std::wstring& ResSysMenuClose() const noexcept { return resSysMenu_[2]; }
  void SetResSysMenuClose(std::wstring_view text) { SetSysMenuText(2, text); }
  // Tag that exempts a form, menu or control from skinning; 0 exempts
  // nothing.
  int DisabledTag() const noexcept { return disabledTag_; }
  void SetDisabledTag(int tag) noexcept { disabledTag_ = tag; }
  // The Tag rule for controls.
  bool IsTagSkinned(std::intptr_t tag) const noexcept { return disabledTag_ == 0 || tag != disabledTag_; }
  bool DrawScrollBar() const noexcept { return drawScrollBar_; }
  void SetDrawScrollBar(bool draw) noexcept { drawScrollBar_ = draw; }
  // "4.7"; the setter does nothing.
  std::string Version() const { return "4.7"; }
  void SetVersion(std::string_view) noexcept {}
  // The package is stored with the form as SkinData. Settable only while
  // designing or loading.
  bool BuiltIn() const noexcept { return builtIn_; }
  void SetBuiltIn(bool builtIn);
  bool SkinDialogs() const noexcept { return skinDialogs_; }
  void SetSkinDialogs(bool skin) noexcept { skinDialogs_ = skin; }
  // Setting it at run time skins all forms now (True) or unskins all but
  // the owner (False).
  bool SkinAllForms() const noexcept { return skinAllForms_; }
  void SetSkinAllForms(bool skinAll);
  // Further stored skins, each loaded into a reader of its own.
  TqelSkinCollection& AdditionalBuiltInSkins() noexcept { return *additionalSkins_; }
  bool NoChangeButtonsFontColor() const noexcept { return noChangeButtonsFontColor_; }
  void SetNoChangeButtonsFontColor(bool keep) noexcept { noChangeButtonsFontColor_ = keep; }
  // Window class names (ANSI) skinned on activation besides the built-in
  // ones; every change registers each entry with the thread's hook.
  TStrings& AutoSkinWndClassNames() noexcept { return *autoSkinNames_; }
  // At the start and the end of every skin change.
  TNotifyEvent OnSkinChanging;
  TNotifyEvent OnSkinChanged;

  // ---- The binary SkinData property ----------------------------------
  // Loads a package from its bytes (through a short-lived file in the
  // temporary folder); SkinFile is left as it was.
  void ReadSkinData(std::span<const std::uint8_t> bytes);
  // The bytes of the file SkinFile (empty when it cannot be read).
  std::vector<std::uint8_t> WriteSkinData() const;
  // SkinData is stored when BuiltIn and SkinFile exists.
  bool StoresSkinData() const;

  // ---- For frames and painters ---------------------------------------
  // Active and Ready, not designing, and the system not in high contrast
  // (then windows keep the platform's look).
  bool SkinIsActive() const noexcept { return active_ && Ready() && !Designing() && !HighContrast(); }
  // Whether the system runs in high contrast; tests replace the probe
  // (null: the platform's answer).
  static bool HighContrast() noexcept;
  static void SetHighContrastProbe(bool (*probe)()) noexcept;
  // The system's colours or settings changed (a frame heard
  // WM_SYSCOLORCHANGE or WM_SETTINGCHANGE): every frame switches to what
  // SkinIsActive says now.
  void SystemSettingsChanged();
  const TqelSkinValues& Values() const noexcept { return values_; }
  TqelSkinReader& SkinReader() noexcept { return *reader_; }
  TqelSkinScrollBtnRes& ScrollBtnRes() noexcept { return scrollBtnRes_; }
  TqelSkinProgressBarRes& ProgressBarRes() noexcept { return progressBarRes_; }
  TqelSkinTabRes& TabRes() noexcept { return tabRes_; }
  // False when the skin lacks the bitmap; else Dest receives frame Index
  // (1-based) of Count equal-width frames when both are non-zero, or a
  // copy of the whole bitmap.
  bool GetSkinBitmap(TSkin2BitmapKey key, TBitmap& dest, int index = 0, int count = 0) const;
  TColor GetSkinColor(TSkin2ColorKey key) const { return reader_->GetColor(key); }
  bool GetSkinFlag(TSkin2FlagKey key) const { return reader_->GetFlag(key); }
  std::int32_t GetSkinMetric(TSkin2MetricKey key) const { return reader_->GetMetric(key); }
  // Solid brush of the form colour: the background of skinned dialogs.
  HBRUSH FormBrush() const noexcept { return formBrush_.get(); }

  // The system menu: ResSysMenuMin, ResSysMenuMax, "-", ResSysMenuClose,
  // acting on SystemMenuWindow.
  TPopupMenu& SystemMenu() noexcept { return *systemMenu_; }
  void SetSystemMenuWindow(TqelSkinWindow* window) noexcept { systemMenuWindow_ = window; }
  TqelSkinWindow* SystemMenuWindow() const noexcept { return systemMenuWindow_; }

  // ---- Skinned windows -----------------------------------------------
  int WindowCount() const noexcept { return static_cast<int>(windows_.size()); }
  TqelSkinWindow* Windows(int index) const { return windows_.at(static_cast<size_t>(index)); }
  // The frame of handle, or null.
  TqelSkinWindow* FindSkinWindow(HWND handle) const noexcept;
  // Skins a form of the application.
  void SkinForm(TCustomForm& form);
  // Gives handle a frame (a form's or a raw window's); nothing when it has
  // one. CreatedByHook is true only from the hook (dock hosts, dialogs).
  void SkinWindow(HWND handle, bool createdByHook);
  // Frees the frame of handle; nothing when handle is not skinned.
  void UnskinWindow(HWND handle);
  // Skins every form of the application that may be skinned.
  void RunSkinAllForms();
  // Unskins every skinned window but the owner form's.
  void UnskinOtherForms();
  bool Unskinning() const noexcept { return unskinning_ > 0; }
  bool SkinningAll() const noexcept { return skinningAll_ > 0; }
  // The dialog whose skinning ended because it was destroyed; its next
  // activation (the platform activates a dialog's remains) is ignored once.
  static void SetLastDestroyedDialog(HWND dialog) noexcept;
  static HWND LastDestroyedDialog() noexcept;
  // Called by a frame's constructor and destructor: the list is ordered
  // and does not own frames that have an owner.
  void AddWindow(TqelSkinWindow* window);
  void RemoveWindow(TqelSkinWindow* window) noexcept;

  // ---- Menus ---------------------------------------------------------
  // Owner-draws Menu with the skin's colours (a main menu without images
  // gets the shared empty image list).
  void SkinMenu(TMenu& menu);
  void UnskinMenu(TMenu& menu);
  void SkinMenuItem(TMenuItem& item);
  // The measure and draw handlers of skinned items.
  void MeasureMenuItem(TObject& sender, TCanvas& canvas, int& width, int& height);
  void DrawMenuItem(TObject& sender, TCanvas& canvas, const RECT& rect, TOwnerDrawState state);

  // ---- The engine that installed the thread's hook -------------------
  static TqelSkinEngine* HookingEngine() noexcept;

 protected:
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void SetSysMenuText(int slot, std::wstring_view text);
  void BuildSystemMenu();
  void SystemMenuPopup(TObject& sender);
  void SysMenuMinimizeClick(TObject& sender);
  void SysMenuMaximizeClick(TObject& sender);
  void SysMenuCloseClick(TObject& sender);
  void SkinChangedHandler(TObject& sender);
  void AutoSkinNamesChanged(TObject& sender);
  void CacheValues();
  void ReloadCheckedMark();
  void RefreshWindows();
  void LoadSkinFile(const std::filesystem::path& path);
  bool FormMaySkin(TCustomForm& form) const;
  TComponent* FrameOwnerFor(TCustomForm* form) const noexcept;
  void DropWindow(TqelSkinWindow* window);

  bool active_ = false;
  std::string password_;
  std::wstring skinFile_;
  std::array<std::wstring, 3> resSysMenu_{L"Mi&nimize", L"Ma&ximize/Restore", L"&Close"};
  int disabledTag_ = 9999;
  bool drawScrollBar_ = true;
  bool builtIn_ = false;
  bool skinDialogs_ = true;
  bool skinAllForms_ = true;
  bool noChangeButtonsFontColor_ = false;

  std::unique_ptr<TqelSkinReader> reader_;
  std::unique_ptr<TqelSkinCollection> additionalSkins_;
  std::unique_ptr<TStringList> autoSkinNames_;
  TqelSkinScrollBtnRes scrollBtnRes_;
  TqelSkinProgressBarRes progressBarRes_;
  TqelSkinTabRes tabRes_;
  TOwned<TPopupMenu> systemMenu_;
  TqelSkinWindow* systemMenuWindow_ = nullptr;
  UniqueBrush formBrush_;
  TqelSkinValues values_;

  // Skinned windows in order; frames without an owner are held here.
  std::vector<TqelSkinWindow*> windows_;
  std::vector<TOwned<TqelSkinWindow>> held_;
  int unskinning_ = 0;
  int skinningAll_ = 0;
  bool installedHook_ = false;
};
