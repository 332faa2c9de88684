#pragma once
// The framework's own window messages and the message record that travels
// through a control's WindowProc.
//
// CM_* are notifications between framework objects (sent with Perform, never
// posted to other processes). CN_* are messages a parent reflects back to the
// child control they concern (WM_COMMAND from a button arrives at the button
// as CN_COMMAND). Numbers are fixed: hooks outside the framework rely on them.
#include <windows.h>

constexpr UINT CM_BASE = 0xB000;

// Activation and focus.
constexpr UINT CM_ACTIVATE = 0xB000;
constexpr UINT CM_DEACTIVATE = 0xB001;
constexpr UINT CM_GOTFOCUS = 0xB002;
constexpr UINT CM_LOSTFOCUS = 0xB003;
constexpr UINT CM_ENTER = 0xB004;
constexpr UINT CM_EXIT = 0xB005;
// Keyboard: a key offered to the form before the focused control sees it,
// an accelerator character, a control asking for arrows/tab/enter.
constexpr UINT CM_DIALOGKEY = 0xB006;
constexpr UINT CM_DIALOGCHAR = 0xB007;
constexpr UINT CM_WANTSPECIALKEY = 0xB008;
constexpr UINT CM_CHILDKEY = 0xB009;

// A property of the control changed (sent to the control itself after the
// change). CM_VISIBLECHANGED and CM_ENABLEDCHANGED carry the new value in
// WParam.
constexpr UINT CM_VISIBLECHANGED = 0xB010;
constexpr UINT CM_ENABLEDCHANGED = 0xB011;
constexpr UINT CM_TEXTCHANGED = 0xB012;
constexpr UINT CM_COLORCHANGED = 0xB013;
constexpr UINT CM_FONTCHANGED = 0xB014;
constexpr UINT CM_CURSORCHANGED = 0xB015;
constexpr UINT CM_PARENTCOLORCHANGED = 0xB016;
constexpr UINT CM_PARENTFONTCHANGED = 0xB017;
constexpr UINT CM_BORDERCHANGED = 0xB018;
constexpr UINT CM_SHOWINGCHANGED = 0xB019;
constexpr UINT CM_TABSTOPCHANGED = 0xB01A;

// Mouse: the control under the cursor changed. Sent to the control that the
// cursor entered or left (graphic controls included).
constexpr UINT CM_MOUSEENTER = 0xB020;
constexpr UINT CM_MOUSELEAVE = 0xB021;
// Hit test of a control without a window: LParam holds the point in the
// control's client coordinates (MAKELPARAM); a non-zero Result means "hit".
constexpr UINT CM_HITTEST = 0xB022;
constexpr UINT CM_CANCELMODE = 0xB023;

// Posted to a form by Release; the form frees itself when it arrives.
constexpr UINT CM_RELEASE = 0xB028;
// Sent to a parent: WParam = the control, LParam = 1 inserted / 0 removed.
constexpr UINT CM_CONTROLLISTCHANGE = 0xB029;
// Sent to a parent after a child changed its bounds: WParam = the control.
constexpr UINT CM_CONTROLCHANGE = 0xB02A;
constexpr UINT CM_SYSCOLORCHANGE = 0xB02B;
constexpr UINT CM_SYSFONTCHANGED = 0xB02C;
constexpr UINT CM_ICONCHANGED = 0xB02D;
constexpr UINT CM_MENUCHANGED = 0xB02E;

// The control's window is being re-created (RecreateWnd).
constexpr UINT CM_RECREATEWND = 0xB033;
// Invalidate: sent by Invalidate(); its handler does the invalidation, so
// a hook that drops it suppresses the repaint.
constexpr UINT CM_INVALIDATE = 0xB034;
// A dockable form was floated or docked.
constexpr UINT CM_FLOAT = 0xB03A;

// Reflected notifications: CN_BASE + the original message number. WParam
// and LParam are those of the original message.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
constexpr UINT CN_CTLCOLORMSGBOX = CN_BASE + WM_CTLCOLORMSGBOX;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORDLG = CN_BASE + WM_CTLCOLORDLG;
constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_LAST = CN_BASE + 0x3FF;

// True for the framework's private range: such messages are never handed to
// the platform's default window procedure.
constexpr bool IsFrameworkMessage(UINT msg) { return msg >= CM_BASE && msg <= CN_LAST; }

// One message on its way through a control. Result is what the window
// procedure returns (or Perform).
struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;

  WORD WParamLo() const { return LOWORD(WParam); }
  WORD WParamHi() const { return HIWORD(WParam); }
  // Signed coordinates of mouse messages (client coordinates).
  int XPos() const { return static_cast<short>(LOWORD(LParam)); }
  int YPos() const { return static_cast<short>(HIWORD(LParam)); }
};

// A control's message handler as a value: an object pointer and a function
// that calls one of its methods. Copyable, comparable and safe to replace
// while it runs. Hooks put theirs into a control's chain with a THookLink
// (framework/HookLink.h), raw windows' with a TWindowSubclass.
class TWndMethod {
 public:
  TWndMethod() noexcept = default;

  template <auto Method, typename C>
  static TWndMethod Bind(C* object) noexcept {
    TWndMethod m;
    m.object_ = object;
    m.call_ = [](void* o, TMessage& msg) { (static_cast<C*>(o)->*Method)(msg); };
    return m;
  }

  void operator()(TMessage& msg) const {
    if (call_) call_(object_, msg);
  }
  explicit operator bool() const noexcept { return call_ != nullptr; }
  void* Object() const noexcept { return object_; }
  bool operator==(const TWndMethod&) const = default;

 private:
  void* object_ = nullptr;
  void (*call_)(void*, TMessage&) = nullptr;
};
