#pragma once
// TCustomForm / TForm: a top-level window that owns and hosts controls.
//
// A form class is written in code. Its constructor runs in the loading
// state: it creates the components, sets their stored properties and events;
// once it returns, Loaded runs on the form and then on every component in
// creation order, then OnCreate:
//
//   class TFrm_Main : public TForm {
//     FW_CLASS(TFrm_Main, TForm)
//    public:
//     explicit TFrm_Main(TComponent* owner) : TForm(owner) {
//       SetBorderStyle(bsDialog);
//       SetClientSize(784, 564);
//       SetPosition(poScreenCenter);
//       Panel1 = Create<TPanel>();
//       Panel1->SetName("Panel1");
//       Panel1->SetParent(this);
//       Panel1->SetAlign(alClient);
//       OnCreate = EventOf(this, &TFrm_Main::FormCreate);
//     }
//     TPanel* Panel1 = nullptr;
//     void FormCreate(TObject& sender);
//   };
//
// The window class is the form's class name ("TFrm_Main"). Sizes are
// given for 96 pixels per inch; a Scaled form is scaled to the screen's
// resolution before Loaded. The client size set with SetClientSize is kept
// exactly, whatever the border style.
#include "framework/WinControl.h"
#include "graphics/Icon.h"

class TApplication;
class TMainMenu;
class TMenuItem;

enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = unsigned;
inline constexpr std::string_view kBorderIconNames[] = {"biSystemMenu", "biMinimize", "biMaximize",
                                                        "biHelp"};

enum TPosition {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};
inline constexpr std::string_view kPositionNames[] = {
    "poDesigned",     "poDefault",       "poDefaultPosOnly", "poDefaultSizeOnly",
    "poScreenCenter", "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"};

// fsMDIForm: a main window whose client area is the platform's MDI client
// (ClientHandle), which holds the fsMDIChild forms. A child is made visible
// when created and lies in the MDI form that owns it, else in the
// application's main form, else in the first MDI form on the screen.
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
inline constexpr std::string_view kFormStyleNames[] = {"fsNormal", "fsMDIChild", "fsMDIForm",
                                                       "fsStayOnTop"};

enum TWindowState { wsNormal, wsMinimized, wsMaximized };
inline constexpr std::string_view kWindowStateNames[] = {"wsNormal", "wsMinimized", "wsMaximized"};

enum TCloseAction { caNone, caHide, caFree, caMinimize };

enum TTileMode { tbHorizontal, tbVertical };
inline constexpr std::string_view kTileModeNames[] = {"tbHorizontal", "tbVertical"};

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = IDOK;
constexpr TModalResult mrCancel = IDCANCEL;
constexpr TModalResult mrAbort = IDABORT;
constexpr TModalResult mrRetry = IDRETRY;
constexpr TModalResult mrIgnore = IDIGNORE;
constexpr TModalResult mrYes = IDYES;
constexpr TModalResult mrNo = IDNO;

using TCloseEvent = std::function<void(TObject& sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject& sender, bool& canClose)>;

class TCustomForm : public TWinControl {
  FW_CLASS(TCustomForm, TWinControl)
 public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;
  void AfterConstruction() override;
  void BeforeDestruction() override;

  // Attributes
  TFormBorderStyle BorderStyle() const noexcept { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style);
  TBorderIcons BorderIcons() const noexcept { return borderIcons_; }
  void SetBorderIcons(TBorderIcons icons);
  TPosition Position() const noexcept { return position_; }
  void SetPosition(TPosition position) noexcept { position_ = position; }
  TFormStyle FormStyle() const noexcept { return formStyle_; }
  void SetFormStyle(TFormStyle style);
  // Follows the window: minimising or maximising it from its system menu
  // or by code shows here.
  TWindowState WindowState() const noexcept { return windowState_; }
  void SetWindowState(TWindowState state);
  // The window's icon (big and small); empty: the application's icon.
  TIcon& Icon() noexcept { return icon_; }
  void SetIcon(const TIcon& icon) { icon_.Assign(icon); }
  // Scale to the screen's resolution from PixelsPerInch when loaded.
  bool Scaled() const noexcept { return scaled_; }
  void SetScaled(bool scaled) noexcept { scaled_ = scaled; }
  int PixelsPerInch() const noexcept { return pixelsPerInch_; }
  void SetPixelsPerInch(int ppi) noexcept { pixelsPerInch_ = ppi > 0 ? ppi : 96; }
  TModalResult ModalResult() const noexcept { return modalResult_; }
  void SetModalResult(TModalResult result) noexcept { modalResult_ = result; }
  bool Modal() const noexcept { return modal_; }
  // The form's window is the active window.
  bool Active() const noexcept;

  // The form sees every key of its controls first (OnKeyDown, OnKeyPress,
  // OnKeyUp); a key it clears goes no further.
  bool KeyPreview() const noexcept { return keyPreview_; }
  void SetKeyPreview(bool preview) noexcept { keyPreview_ = preview; }

  // The form's menu bar. An MDI child's menu is not shown on the child: it
  // is merged into its MDI form's menu while the child is active.
  TMainMenu* Menu() const noexcept { return menu_; }
  void SetMenu(TMainMenu* menu);

  // MDI (an fsMDIForm). Children are listed front to back.
  HWND ClientHandle() const noexcept { return clientHandle_; }
  TCustomForm* ActiveMDIChild() const;
  int MDIChildCount() const;
  TCustomForm* MDIChildren(int index) const;
  TTileMode TileMode() const noexcept { return tileMode_; }
  void SetTileMode(TTileMode mode) noexcept { tileMode_ = mode; }
  // A top-level item of the form's main menu whose sub-menu lists the
  // visible children after its own items (a line, then "&1 caption", ...,
  // the active one checked); picking one activates that child.
  TMenuItem* WindowMenu() const noexcept { return windowMenu_; }
  void SetWindowMenu(TMenuItem* item);
  void Cascade();
  void Tile();
  void ArrangeIcons();
  void Next();
  void Previous();

  RECT ClientRect() const override;
  void SetClientSize(int width, int height) override;
  void SetBounds(int left, int top, int width, int height) override;

  // Operations
  void Show();
  // Closes as its OnCloseQuery and OnClose decide: hide (the default),
  // free, minimise or nothing. Closing the main form ends the application.
  void Close();
  bool CloseQuery();
  // Shows the form modally and returns its ModalResult.
  TModalResult ShowModal();
  // Frees the form once the messages now in the queue are handled (posts
  // CM_RELEASE). The form needs an owner.
  void Release();

  // Events
  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnDestroy;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void WndProc(TMessage& message) override;
  // The platform's MDI procedures for MDI forms and children.
  void DefaultHandler(TMessage& message) override;
  void AlignControls(RECT& rect) override;
  bool PreviewKey(UINT msg, WPARAM& key) override;
  void Notification(TComponent* component, TOperation operation) override;
  void Loaded() override;
  void VisibleChanging(bool visible) override;
  void ChangeScale(int multiplier, int divider) override;

  virtual void DoCreate();
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose(TCloseAction& action);
  virtual void DoDestroy();

 private:
  void WMClose(TMessage& message);
  void WMActivate(TMessage& message);
  void WMGetMinMaxInfo(TMessage& message);
  void WMSize(TMessage& message);
  void WMWindowPosChanged(TMessage& message);
  void CMIconChanged(TMessage& message);
  void CMMenuChanged(TMessage& message);
  void WMMDIActivate(TMessage& message);
  void WMCommand(TMessage& message);
  void CMTextChanged(TMessage& message);
  void WMExitSizeMove(TMessage& message);
  void CMVisibleChanged(TMessage& message);
  void CMRecreateWnd(TMessage& message);
  void CMRelease(TMessage& message);

  // Window styles of the border and icons (without the owner window).
  void FrameStyles(DWORD& style, DWORD& exStyle) const noexcept;
  SIZE FrameSize() const noexcept;
  void ApplyPosition();
  TApplication& OwningApplication() const noexcept;
  bool IsMainForm() const noexcept;
  bool IsMDIChild() const noexcept { return formStyle_ == fsMDIChild && !Parent(); }
  // The MDI form a child lies in (created first when needed); throws when none.
  TCustomForm& MDIParentForm();
  void CreateMDIClient();
  // Gives the menu to the window: a bar on the form, merged into the MDI
  // form's menu for an active MDI child.
  void AttachMenu();
  // The MDI form whose client holds this child's window, or null.
  TCustomForm* MDIFormOf() const noexcept;
  // Shows the active child's menu merged into this MDI form's menu (null:
  // this form's own menu).
  void MergeChildMenu(TCustomForm* child);
  // Tells the MDI client which menu bar to use and lists the children in
  // the window menu.
  void UpdateWindowMenu();
  // The children the window menu lists, in its order.
  std::vector<TCustomForm*> ListedChildren() const;
  // The ShowWindow command that shows the window in WindowState.
  int ShowCommand() const noexcept;
  // Gives the window its icon: the form's, else the application's.
  void UpdateWindowIcon();

  // The application that created the form (its owner then), or the global
  // one; kept because a form being freed has left its owner already.
  TApplication* application_;
  TFormBorderStyle borderStyle_ = bsSizeable;
  TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
  TPosition position_ = poDesigned;
  TFormStyle formStyle_ = fsNormal;
  TWindowState windowState_ = wsNormal;
  bool scaled_ = true;
  int pixelsPerInch_ = 96;
  TModalResult modalResult_ = mrNone;
  bool keyPreview_ = false;
  HWND clientHandle_ = nullptr;
  TTileMode tileMode_ = tbHorizontal;
  TMenuItem* windowMenu_ = nullptr;
  TMainMenu* menu_ = nullptr;
  TIcon icon_;
  TIcon smallIcon_;  // the window's small icon, made from the one shown
  bool modal_ = false;
  bool positioned_ = false;
  // The client size asked for with SetClientSize, kept through border
  // changes and window creation; -1 when the outer size was set last.
  int clientWidth_ = -1;
  int clientHeight_ = -1;
  bool settingClientSize_ = false;
};

class TForm : public TCustomForm {
  FW_CLASS(TForm, TCustomForm)
 public:
  explicit TForm(TComponent* owner) : TCustomForm(owner) {}
  static std::vector<TPropInfo> PublishedProperties();
};

// The form that control lies on (null when none).
TCustomForm* GetParentForm(TControl* control) noexcept;
