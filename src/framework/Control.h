#pragma once
// TControl: a visual component with a place in its parent, a look (colour,
// font, caption, cursor) and a message stream.
//
// Every message a control receives, from the platform or from Perform,
// passes through its WindowProc, a TWndMethod whose default calls the
// virtual WndProc. WndProc is one switch that hands each message to a small
// named handler and everything else to DefaultHandler (the platform's
// window procedure for windowed controls). Hooks attach a THookLink
// (framework/HookLink.h), which the control keeps in a chain that links
// leave in any order.
//
// Controls without a window (TGraphicControl) are painted by their parent
// and receive their mouse messages from it, with coordinates translated to
// their own client area.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "framework/Component.h"
#include "framework/HookLink.h"
#include "framework/Messages.h"
#include "framework/Types.h"
#include "graphics/Color.h"
#include "graphics/Font.h"

class TWinControl;

// What a control class does by itself (ControlStyle).
enum TControlStyleFlag : unsigned {
  csAcceptsControls = 0x01,  // may parent other controls
  csCaptureMouse = 0x02,     // captures the mouse while the left button is down
  csClickEvents = 0x04,      // press and release inside raise Click
  csDoubleClicks = 0x08,     // double-clicks raise DblClick
  csOpaque = 0x10,           // paints all of its area
};
using TControlStyle = unsigned;

// What is happening to a control right now (ControlState).
enum TControlStateFlag : unsigned {
  csLButtonDown = 0x01,
  csClicked = 0x02,
  csAligning = 0x04,    // its bounds are being set by the parent's alignment
  csCreatingWnd = 0x08,
};
using TControlState = unsigned;

// Size limits; 0 means no limit.
struct TSizeConstraints {
  int MinWidth = 0;
  int MinHeight = 0;
  int MaxWidth = 0;
  int MaxHeight = 0;
};

class TControl : public TComponent {
  FW_CLASS(TControl, TComponent)
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;
  void BeforeDestruction() override;

  // Attributes: place. Left and Top are in the parent's client coordinates
  // (screen coordinates for a form without parent).
  TWinControl* Parent() const noexcept { return parent_; }
  virtual void SetParent(TWinControl* parent);
  int Left() const noexcept { return left_; }
  int Top() const noexcept { return top_; }
  int Width() const noexcept { return width_; }
  int Height() const noexcept { return height_; }
  void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
  void SetTop(int top) { SetBounds(left_, top, width_, height_); }
  void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
  void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
  RECT BoundsRect() const noexcept { return {left_, top_, left_ + width_, top_ + height_}; }
  void SetBoundsRect(const RECT& r) { SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top); }
  virtual void SetBounds(int left, int top, int width, int height);
  // The client area in the control's own coordinates.
  virtual RECT ClientRect() const;
  int ClientWidth() const { return ClientRect().right; }
  int ClientHeight() const { return ClientRect().bottom; }
  void SetClientWidth(int width) { SetClientSize(width, ClientHeight()); }
  void SetClientHeight(int height) { SetClientSize(ClientWidth(), height); }
  virtual void SetClientSize(int width, int height);
  // Screen position of the client area's top-left corner.
  virtual POINT ClientOrigin() const;
  POINT ClientToScreen(POINT p) const;
  POINT ScreenToClient(POINT p) const;
  TAlign Align() const noexcept { return align_; }
  void SetAlign(TAlign align);
  TAnchors Anchors() const noexcept { return anchors_; }
  void SetAnchors(TAnchors anchors);
  const TSizeConstraints& Constraints() const noexcept { return constraints_; }
  void SetConstraints(const TSizeConstraints& constraints);

  // Attributes: look and state
  bool Visible() const noexcept { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const noexcept { return enabled_; }
  void SetEnabled(bool enabled);
  TColor Color() const noexcept { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const noexcept { return parentColor_; }
  void SetParentColor(bool parentColor);
  TFont& Font() noexcept { return font_; }
  const TFont& Font() const noexcept { return font_; }
  void SetFont(const TFont& font) { font_.Assign(font); }
  bool ParentFont() const noexcept { return parentFont_; }
  void SetParentFont(bool parentFont);
  // Caption and Text are one UTF-16 text; setting it sends WM_SETTEXT
  // through WindowProc, then CM_TEXTCHANGED.
  const std::wstring& Caption() const noexcept { return text_; }
  void SetCaption(std::wstring_view caption);
  const std::wstring& Text() const noexcept { return text_; }
  void SetText(std::wstring_view text) { SetCaption(text); }
  TCursor Cursor() const noexcept { return cursor_; }
  void SetCursor(TCursor cursor);
  const std::wstring& Hint() const noexcept { return hint_; }
  void SetHint(std::wstring_view hint) { hint_ = hint; }
  TControlStyle ControlStyle() const noexcept { return controlStyle_; }
  void SetControlStyle(TControlStyle style) noexcept { controlStyle_ = style; }
  TControlState ControlState() const noexcept { return controlState_; }
  // The control the mouse is over (set by the parent windows' mouse
  // tracking), and the one that holds the mouse capture.
  static TControl* MouseControl() noexcept;
  static TControl* CaptureControl() noexcept;
  // Captures the mouse for control (its parent's window for a graphic
  // control); null releases the capture.
  static void SetCaptureControl(TControl* control);

  // The message handler; see the top of this file. Hook it with a
  // THookLink rather than by replacing it.
  TWndMethod WindowProc;
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  // Operations
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Marks the control for repainting (sends CM_INVALIDATE).
  void Invalidate() { Perform(CM_INVALIDATE); }
  virtual void Update();
  void Repaint() {
    Invalidate();
    Update();
  }
  // Moves the control above (BringToFront) or below its siblings.
  virtual void BringToFront();
  virtual void SendToBack();
  // Multiplies position, size and font height by multiplier / divider.
  void ScaleBy(int multiplier, int divider) { ChangeScale(multiplier, divider); }

  // Events
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnResize;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;

 protected:
  // Overridables
  virtual void WndProc(TMessage& message);
  // What happens to a message that no handler took: nothing here; the
  // window's default procedure for a windowed control.
  virtual void DefaultHandler(TMessage& message);
  virtual void Click();
  virtual void DblClick();
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  // The size changed; raises OnResize.
  virtual void Resize();
  virtual void ChangeScale(int multiplier, int divider);
  // Called before Visible changes (a form raises OnShow here).
  virtual void VisibleChanging(bool /*visible*/) {}
  // Marks the area of the control for repainting; a graphic control asks its
  // parent.
  virtual void InvalidateControl();
  void Loaded() override;

  // Helpers for derived classes
  void SetTextDirect(std::wstring_view text) { text_ = text; }
  // The bounds really change: store them, keep the anchor distances and
  // ask the parent to realign.
  void ApplyBounds(int left, int top, int width, int height);
  void ApplyConstraints(int& width, int& height) const noexcept;
  void RequestAlign();
  // Distances to the parent's right and bottom edges, for akRight/akBottom.
  void UpdateAnchorRules();
  bool MouseCaptured() const noexcept { return CaptureControl() == this; }

  // Published property entries that derived classes pick from.
  static TPropInfo PropLeft();
  static TPropInfo PropTop();
  static TPropInfo PropWidth();
  static TPropInfo PropHeight();
  static TPropInfo PropAlign();
  static TPropInfo PropAnchors();
  static TPropInfo PropVisible();
  static TPropInfo PropEnabled();
  static TPropInfo PropColor();
  static TPropInfo PropParentColor();
  static TPropInfo PropFont();
  static TPropInfo PropParentFont();
  static TPropInfo PropCaption();
  static TPropInfo PropCursor();
  static TPropInfo PropHint();

  TControlStyle controlStyle_ = csCaptureMouse | csClickEvents | csDoubleClicks;
  TControlState controlState_ = 0;

 private:
  friend class TWinControl;
  friend class THookLink;
  void InsertHookLink(THookLink& link);
  void RemoveHookLink(THookLink& link) noexcept;
  void CallBelowHookLink(const THookLink& link, TMessage& message);
  void DispatchHookLinks(TMessage& message);
  void RetireDispatcher() noexcept;

  // Message handlers
  void WMMouseDown(TMessage& message, TMouseButton button, bool doubleClick);
  void WMMouseUp(TMessage& message, TMouseButton button);
  void WMMouseMove(TMessage& message);
  void WMSetText(TMessage& message);
  void CMMouseEnter(TMessage& message);
  void CMMouseLeave(TMessage& message);
  void CMColorChanged(TMessage& message);
  void CMFontChanged(TMessage& message);
  void CMParentColorChanged(TMessage& message);
  void CMParentFontChanged(TMessage& message);
  void CMVisibleChanged(TMessage& message);
  void CMEnabledChanged(TMessage& message);
  void CMInvalidate(TMessage& message);
  void CMHitTest(TMessage& message);

  // The control under the mouse changed: CM_MOUSELEAVE to the old one,
  // CM_MOUSEENTER to the new one.
  static void SetMouseControl(TControl* control);
  // Forgets the control under the mouse, or the capture, without telling
  // anyone.
  static void ForgetMouseControl() noexcept;
  static void ForgetCaptureControl() noexcept;

  void FontChanged();
  void DefaultWndProc(TMessage& message) { WndProc(message); }

  TWinControl* parent_ = nullptr;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  TAlign align_ = alNone;
  TAnchors anchors_ = akLeft | akTop;
  int anchorRight_ = 0;   // parent client width - right edge
  int anchorBottom_ = 0;  // parent client height - bottom edge
  bool anchorRulesValid_ = false;
  TSizeConstraints constraints_;
  bool visible_ = true;
  bool enabled_ = true;
  TColor color_ = clWindow;
  bool parentColor_ = false;
  TFont font_;
  bool parentFont_ = true;
  bool inheritingFont_ = false;
  std::wstring text_;
  TCursor cursor_ = crDefault;
  std::wstring hint_;
  // Hook links, bottom first, and the handler below the bottom one.
  std::vector<THookLink*> hookLinks_;
  TWndMethod unhookedProc_;
};
