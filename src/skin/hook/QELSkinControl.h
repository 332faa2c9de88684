#pragma once
// TqelSkinControl: the wrapper a skinned window attaches to one of its
// child controls, so that the control wears the skin. The window owns its
// wrappers; a wrapper lives no longer than its window and its control.
//
// A wrapper hooks the control's message stream, lets the control do its own
// work and then repaints what the skin replaces. Its behaviour is a set of
// virtual operations by role:
//
//   BeforeMessage   false keeps a message from the control's own handler
//   AfterMessage    the state observer (Hot, Pressed, repaint triggers);
//                   every override calls the base first
//   Paint           draws the skinned parts (called by Repaint while the
//                   skin is active)
//   MouseEntered, MouseLeft, LeftButtonDown, LeftButtonUp, KeyDown, KeyUp
//                   called by the observer after it updated the flags
//   Refresh         after creation and on every skin change
//   Setup           once, right after hooking (child panels, saved colours)
//   Teardown        once, before unhooking; the base sets Detached
//   GetBoundsRect, GetHandle, IsEnabled   what the variant wraps
//   WantsParentColor  the window sets the control's ParentColor
//
// Two variants hook: TqelSkinControlVCL (a framework control, through a
// THookLink in its WindowProc chain) and TqelSkinControlWnd (a raw child
// window, through a TWindowSubclass). A wrapper is made in two steps, the
// constructor and Start (which hooks and runs Setup, so that virtual calls
// reach the most derived class); MakeSkinControl does both:
//
//   auto w = MakeSkinControl<TqelSkinButton>(button, window);
//   w->Refresh();
//   ...
//   w->Remove();   // Teardown, unhook; then free it
#include <windows.h>

#include <memory>
#include <string_view>

#include "framework/Messages.h"
#include "framework/Object.h"

class TBitmap;
class TControl;
class TFont;
class TqelSkinEngine;
class TqelSkinWindow;

// StateFlags bits.
enum TqelSkinControlState : unsigned char {
  scHot = 0x01,      // the mouse is over the control
  scPressed = 0x02,  // left button, Space or Enter held on it
};

class TqelSkinControl : public TObject {
  FW_CLASS(TqelSkinControl, TObject)
 public:
  ~TqelSkinControl() override;
  TqelSkinControl(const TqelSkinControl&) = delete;
  TqelSkinControl& operator=(const TqelSkinControl&) = delete;

  // ---- Life ----------------------------------------------------------
  // Hooks the target, clears the state and runs Setup. Once.
  void Start();
  // Teardown, then unhooks (the control's previous handler comes back;
  // nothing to give back when the control is gone already). The wrapper is
  // then inert and may be freed.
  void Remove();

  // ---- Attributes ----------------------------------------------------
  // The wrapped framework control (null for a raw window, or once the
  // control is gone).
  virtual TControl* Control() const noexcept { return nullptr; }
  // The wrapped raw child window (null for a framework control).
  virtual HWND RawHandle() const noexcept { return nullptr; }
  TqelSkinWindow& Window() const noexcept { return window_; }
  TqelSkinEngine& Engine() const noexcept { return engine_; }
  unsigned char StateFlags() const noexcept { return state_; }
  bool Hot() const noexcept { return (state_ & scHot) != 0; }
  bool Pressed() const noexcept { return (state_ & scPressed) != 0; }
  void SetHot(bool on) noexcept { SetFlag(scHot, on); }
  void SetPressed(bool on) noexcept { SetFlag(scPressed, on); }
  // Set by Teardown: the observer no longer runs.
  bool Detached() const noexcept { return detached_; }
  bool Hooked() const noexcept { return hooked_; }
  // The engine's skin is active and the engine is not going away.
  bool SkinActive() const noexcept;

  // ---- Virtual operations by role ------------------------------------
  virtual bool BeforeMessage(TMessage& message);
  virtual void AfterMessage(TMessage& message);
  virtual void Paint() {}
  virtual void MouseEntered() {}
  virtual void MouseLeft() {}
  virtual void LeftButtonDown() {}
  virtual void LeftButtonUp() {}
  virtual void KeyDown(WORD /*key*/) {}
  virtual void KeyUp(WORD /*key*/) {}
  virtual void Refresh() {}
  virtual void Setup() {}
  virtual void Teardown() { detached_ = true; }
  // Framework control: its client rectangle; raw: (0, 0, width, height).
  virtual RECT GetBoundsRect() const = 0;
  // The window painted on (null while there is none).
  virtual HWND GetHandle() const = 0;
  virtual bool IsEnabled() const = 0;
  virtual bool WantsParentColor() const { return false; }

  // The control's handler before the wrapper: for painters that answer a
  // message themselves and still want the control's own result.
  virtual void CallPrevious(TMessage& message) = 0;

  // ---- For painters --------------------------------------------------
  // Paint, when the skin is active.
  void Repaint();
  // The caption operations: face is copied onto the target's client DC at
  // the bounds rectangle, then the text is drawn on a transparent
  // background in font (its colour; grey 0x808080 while disabled), in rect
  // moved by (1, 1) while Pressed and narrowed by 2 px each side when
  // wrapping; measured with the flags it is drawn with and centred in rect
  // (the halves rounded toward zero), drawn with DT_CENTER (and
  // DT_WORDBREAK when wrapping). The ANSI form draws text (system code
  // page, tabs expanded); the wide form reads the window's own text and
  // draws nothing more when it has none.
  void DrawTextAnsi(const TBitmap& face, std::string_view text, bool wordWrap, RECT rect, TFont* font);
  void DrawTextWide(const TBitmap& face, bool wordWrap, RECT rect, TFont* font);
  // Draws bitmap at point of the target's whole-window DC ((0, 0) is the
  // window's top-left corner).
  void DrawBitmapAt(const TBitmap& bitmap, POINT point);

 protected:
  explicit TqelSkinControl(TqelSkinWindow& window);

  // The variants' hooking.
  virtual void Hook() = 0;
  virtual void Unhook() noexcept = 0;

 private:
  void SetFlag(unsigned char flag, bool on) noexcept { state_ = on ? (state_ | flag) : (state_ & ~flag); }
  // The observer's handlers.
  void ObserveKeyDown(TMessage& m);
  void ObserveKeyUp(TMessage& m);
  void ObserveButtonDown(TMessage& m);
  void ObserveButtonUp(TMessage& m);
  void ObserveMouseEnter(TMessage& m);
  void ObserveMouseLeave(TMessage& m);

  TqelSkinWindow& window_;
  TqelSkinEngine& engine_;
  unsigned char state_ = 0;
  bool detached_ = false;
  bool hooked_ = false;
  bool started_ = false;
};

// Makes a wrapper of class Skinner for target (a TControl& or an HWND) and
// starts it.
template <typename Skinner, typename Target>
std::unique_ptr<Skinner> MakeSkinControl(Target&& target, TqelSkinWindow& window) {
  auto wrapper = std::make_unique<Skinner>(target, window);
  wrapper->Start();
  return wrapper;
}
