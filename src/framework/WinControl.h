#pragma once
// TWinControl: a control with a window of its own and child controls.
//
// The window is created on demand (Handle(), or when its parent's window is
// created) under a window class named after the framework class, so a form
// class TFrm_Main gets windows of class "TFrm_Main". A class that wraps a
// standard control names it as BaseClassName in CreateParams; the framework
// then registers a superclass whose default procedure is the control's own.
//
// How a message travels: the platform calls the framework's window
// procedure, which finds the object of the window and calls its WindowProc
// (hooks may sit there) -> WndProc: one switch, one small handler per
// message -> TControl::WndProc -> DefaultHandler -> the class's default
// window procedure. Mouse messages over a child without a window go to that
// child instead; WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR* and the like are
// reflected to the child window they concern as CN_* messages.
//
// Children are laid out by Align (top, bottom, left, right, then client
// areas, each group in list order) and Anchors; later children lie above
// earlier ones.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/Control.h"
#include "graphics/Brush.h"

// Everything CreateWindowEx needs, filled by CreateParams.
struct TCreateParams {
  std::wstring Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  HWND WndParent = nullptr;
  HMENU Menu = nullptr;  // child id or menu
  // Window class: its name (default: the framework class name), its class
  // style, and the standard class to superclass (empty: none).
  std::wstring WinClassName;
  UINT ClassStyle = CS_DBLCLKS;
  std::wstring BaseClassName;
};

class TWinControl : public TControl {
  FW_CLASS(TWinControl, TControl)
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;
  void BeforeDestruction() override;

  // Attributes: the window
  // The window, created first when there is none.
  HWND Handle();
  bool HandleAllocated() const noexcept { return handle_ != nullptr; }
  void HandleNeeded() { Handle(); }
  // A window that is not a framework control to be the parent of this
  // control's window (used only when Parent is null).
  HWND ParentWindow() const noexcept { return parentWindow_; }
  void SetParentWindow(HWND window);
  // The framework control that owns window, or null (also for windows of
  // other processes and for windows the framework did not create).
  static TWinControl* FindControl(HWND window) noexcept;
  // The window exists and is visible on screen (with all its ancestors).
  bool Showing() const noexcept;
  // The background brush (follows Color).
  TBrush& Brush() noexcept { return brush_; }
  bool TabStop() const noexcept { return tabStop_; }
  void SetTabStop(bool tabStop);
  TBevelEdges BevelEdges() const noexcept { return bevelEdges_; }
  void SetBevelEdges(TBevelEdges edges);

  // Attributes: children, in z-order from bottom to top
  int ControlCount() const noexcept { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
  // The topmost visible child at p (client coordinates). Children with a
  // window are included only when allowWinControls is set.
  TControl* ControlAtPos(POINT p, bool allowDisabled, bool allowWinControls = false);
  // True when control is this control or lies inside it.
  bool ContainsControl(const TControl* control) const noexcept;

  // Focus
  bool Focused() const noexcept;
  virtual bool CanFocus();
  void SetFocus();
  // Keyboard interface (DialogKeys.cpp). The control that gets the focus
  // after current (before it when not forward) among this control's
  // windowed descendants in child order, wrapping: with checkTabStop only
  // tab stops; with checkParent only this control's own children. Null
  // when there is none but current.
  TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop,
                               bool checkParent);
  // Moves the focus there (Tab, Shift+Tab, arrow keys); false when there
  // was nowhere to go.
  bool SelectNext(TWinControl* current, bool forward, bool checkTabStop);

  // Operations
  void DestroyHandle();
  // Destroys the window and creates it again (sends CM_RECREATEWND).
  void RecreateWnd();
  // Lays out the children again (Align, Anchors).
  void Realign();
  void DisableAlign() noexcept { ++alignDisabled_; }
  void EnableAlign();
  // Paints the children that have no window onto dc, clipped to clip when
  // given.
  void PaintControls(HDC dc, const RECT* clip = nullptr);
  // Paints the control's client area and all its visible children into dc
  // with the top-left corner at (x, y), as they would appear on screen
  // (without non-client parts). Creates the window if needed.
  void PaintTo(HDC dc, int x, int y);
  // Marks rect (client coordinates) for repainting.
  void InvalidateArea(const RECT& rect, bool erase = true);

  RECT ClientRect() const override;
  POINT ClientOrigin() const override;
  void SetClientSize(int width, int height) override;
  void SetBounds(int left, int top, int width, int height) override;
  void Update() override;
  void BringToFront() override;
  void SendToBack() override;

  // Events
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

 protected:
  // Overridables: the window
  virtual void CreateParams(TCreateParams& params);
  // Registers the window class and creates the window (CreateWindowHandle).
  virtual void CreateWnd();
  virtual void CreateWindowHandle(const TCreateParams& params);
  virtual void DestroyWnd();
  // Creates the window if needed, then the windows of the children.
  void CreateHandle();

  // Overridables: layout and painting
  // The part of the client area that aligned children may fill.
  virtual void AdjustClientRect(RECT& rect);
  virtual void AlignControls(RECT& rect);
  // Paints the window itself (before its graphic children). The default
  // lets a superclassed standard control paint; own classes paint nothing.
  virtual void PaintWindow(HDC dc);

  // Overridables: keyboard
  virtual void KeyDown(WORD& key, TShiftState shift);
  virtual void KeyUp(WORD& key, TShiftState shift);
  virtual void KeyPress(wchar_t& key);
  // Offers a key message (WM_KEYDOWN, WM_KEYUP, WM_CHAR) of a control inside
  // this one before that control handles it; true when it was taken (key
  // cleared). A form with KeyPreview takes keys here.
  virtual bool PreviewKey(UINT /*msg*/, WPARAM& /*key*/) { return false; }

  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  void Loaded() override;
  void ChangeScale(int multiplier, int divider) override;
  void InvalidateControl() override;
  // Reads the window's bounds back (after the platform moved it).
  void UpdateBounds();
  bool Aligning() const noexcept { return aligning_; }
  // Keys the focused control does not want itself (WantsKey): Tab and the
  // arrows move the focus, Enter, Esc and the like go to the form as
  // CM_DIALOGKEY (a default button takes Enter); characters go as
  // CM_DIALOGCHAR (mnemonics; without Alt only when the control takes no
  // characters). True when taken. A control whose keys arrive at an inner
  // window of its own calls them from there.
  bool DialogKey(WORD key);
  bool DialogChar(wchar_t ch, bool alt);
  bool WantsKey(WORD key);
  // The character of a key that DialogKey took; it goes no further.
  static bool DroppedDialogChar(TMessage& message) noexcept;

  static TPropInfo PropTabStop();
  static TPropInfo PropBevelEdges();

 private:
  friend class TControl;

  // Message handlers
  void WMPaint(TMessage& message);
  void WMEraseBkgnd(TMessage& message);
  void WMSize(TMessage& message);
  void WMWindowPosChanged(TMessage& message);
  void WMSetCursor(TMessage& message);
  void WMMouseLeave(TMessage& message);
  void WMCaptureChanged(TMessage& message);
  void WMSetFocus(TMessage& message);
  void WMKillFocus(TMessage& message);
  // The window at the top of this control's parents previews the key.
  bool KeyPreviewed(TMessage& message);
  void WMKeyDown(TMessage& message);
  void WMKeyUp(TMessage& message);
  void WMChar(TMessage& message);
  void WMSysChar(TMessage& message);
  // Broadcast to the children until one answers non-zero.
  void CMDialogKey(TMessage& message);
  void WMNCDestroy(TMessage& message);
  void WMReflect(TMessage& message, HWND child);
  void CNCtlColor(TMessage& message);
  void CMColorChanged(TMessage& message);
  void CMFontChanged(TMessage& message);
  void CMEnabledChanged(TMessage& message);
  void CMVisibleChanged(TMessage& message);
  void CMRecreateWnd(TMessage& message);
  // Sends a mouse message on to the graphic child under the cursor (or the
  // one with the capture); false when the window itself should handle it.
  bool RouteMouse(TMessage& message);

  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void PlaceInZOrder();
  void AttachHandle(HWND window);
  void DetachHandle() noexcept;
  bool HasGraphicChildren() const noexcept;
  static LRESULT CALLBACK StaticWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  static WNDPROC RegisterWindowClass(const TCreateParams& params);

  HWND handle_ = nullptr;
  HWND parentWindow_ = nullptr;
  WNDPROC defWndProc_ = ::DefWindowProcW;
  std::vector<TControl*> controls_;
  TBrush brush_;
  int alignDisabled_ = 0;
  bool alignPending_ = false;
  bool aligning_ = false;
  bool tabStop_ = false;
  bool mouseTracking_ = false;
  TBevelEdges bevelEdges_ = beLeft | beTop | beRight | beBottom;
};
