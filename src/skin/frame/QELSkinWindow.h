#pragma once
// TqelSkinWindow: the skinned frame of one top-level window.
//
// A frame object takes over its window's message stream: it computes the
// non-client area itself, paints caption bar, borders, icon, caption text
// and title buttons from the skin, answers the non-client mouse (hover,
// press, click, double-click, right click), shows the engine's system
// menu, cuts the window's shape from the skin's transparent colour and
// owns the wrappers of the window's child controls.
//
// Two variants share this base: TqelSkinWindowVCL for a framework form
// (hooked in the form's WindowProc chain) and TqelSkinWindowWnd for any
// other window, such as a standard dialog or a message box (subclassed).
// The engine makes them (SkinWindow) and frees them (UnskinWindow); a
// frame adds itself to the engine's list when made and leaves it when
// freed.
//
// The frame's procedure handles each message in this order: first-time
// initialisation on the first WM_PAINT; WM_NULL swallowed; everything
// passed through while the skin is not active or the window opted out;
// the frame's own work before the window's previous procedure (painting,
// activation, presses, double-clicks, dialog colours); the variant's
// filter; the previous procedure; the variant's post-handler; the frame's
// own work after it (activation state, non-client size, hover, clicks,
// right clicks, caption changes, hit test, the private queries).
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/Component.h"
#include "framework/Messages.h"
#include "frame/FrameGeometry.h"
#include "frame/FramePainter.h"
#include "frame/FrameSkin.h"

class TqelSkinEngine;
class TqelSkinControl;

class TqelSkinWindow : public TComponent {
  FW_CLASS(TqelSkinWindow, TComponent)
 public:
  ~TqelSkinWindow() override;
  // Attaches to the window and, when it is visible (forms: always), runs
  // the first-time initialisation with the engine's current state.
  void AfterConstruction() override;
  // Leaves the engine's list, gives the window its own frame back (unless
  // the window is going away), frees the wrappers and detaches.
  void BeforeDestruction() override;
  static std::vector<TPropInfo> PublishedProperties() { return {}; }

  // ---- Attributes ----------------------------------------------------
  virtual HWND Handle() const = 0;
  TqelSkinEngine& Engine() const noexcept { return engine_; }
  // The skin is applied: the engine is active and this window takes part.
  bool SkinApplied() const noexcept { return skinApplied_; }
  // False for a window that opted out (its Tag is the engine's DisabledTag):
  // it then passes everything through.
  bool SkinEnabled() const noexcept { return skinEnabled_; }
  bool Initialized() const noexcept { return initialized_; }
  bool CreatedByHook() const noexcept { return createdByHook_; }
  bool Destroying() const noexcept { return destroying_; }
  // The caption is drawn in the active colour.
  bool WindowActive() const noexcept { return windowActive_; }
  // The title button under the cursor at the last paint.
  TqelTitleButton HotButton() const noexcept { return hot_; }
  // The left button went down on the frame and has not come up.
  bool ButtonDown() const noexcept { return buttonDown_; }
  bool CaptionVisible() const noexcept { return captionVisible_; }
  void SetCaptionVisible(bool visible);
  bool BorderVisible() const noexcept { return borderVisible_; }
  void SetBorderVisible(bool visible);
  // The skin's title height while a caption is shown and the skin applied.
  int TitleHeight() const noexcept;
  int WindowWidth() const noexcept;
  int WindowHeight() const noexcept;
  // The frame as it is laid out now, or at another window size.
  TFrameGeometry Geometry() const;
  TFrameGeometry GeometryOfSize(int width, int height) const;
  // The platform's frame as measured before skinning: caption height,
  // side and bottom frames (the MDI client tells them to the children).
  int PlatformCaptionHeight() const noexcept { return platformCaptionHeight_; }
  int PlatformSideFrame() const noexcept { return platformSideFrame_; }
  int PlatformBottomFrame() const noexcept { return platformBottomFrame_; }
  // The composed caption bar and bottom border of the last paint.
  const TFramePainter& Painter() const noexcept { return painter_; }
  // What the system menu offers: the buttons this frame shows.
  bool CanMinimize() const noexcept;
  bool CanMaximize() const noexcept;
  bool CanClose() const noexcept;
  // The raw-window factory met an animation or progress child.
  void SetHoldsAnimatedChild() noexcept { holdsAnimatedChild_ = true; }
  bool HoldsAnimatedChild() const noexcept { return holdsAnimatedChild_; }
  // The wrappers of the window's child controls (owned).
  int ChildWrapperCount() const noexcept { return static_cast<int>(wrappers_.size()); }
  TqelSkinControl* ChildWrappers(int index) const { return wrappers_.at(static_cast<size_t>(index)).get(); }
  void AddChildWrapper(std::unique_ptr<TqelSkinControl> wrapper);
  // Whether a wrapper of this frame wraps target (a control or a window).
  bool HasChildWrapper(const void* target) const noexcept;

  // ---- Operations ----------------------------------------------------
  // Switches skinning on or off (on only while SkinEnabled); initialises
  // first when that has not happened and the window may be initialised now.
  void SetSkinActive(bool active);
  // Takes over the skin's region settings and measures, repaints the frame
  // and updates the region (while the skin is active).
  void SkinChanged();
  // Paints the frame on the window (or on target, a whole-window DC such as
  // WM_PRINT's); nothing while the skin is not active.
  void PaintFrame(HDC target = nullptr);
  // Cuts the window's shape from the composed title and bottom pictures.
  void UpdateRegion();
  // Recalculates the non-client area (SWP_FRAMECHANGED) and repaints it.
  void RecalcFrame();
  // The title buttons' commands, each posting WM_SYSCOMMAND.
  void Close();
  void Help();
  void MaximizeOrRestore();
  void Minimize();
  // The engine's system menu at the client origin (the icon's menu), or at
  // a screen point (a right click on the caption).
  void ShowSystemMenu();
  void ShowSystemMenuAt(POINT screen);
  // The caption the title shows: the variant's, else the window's text.
  std::wstring ShownCaption() const;

 protected:
  TqelSkinWindow(TComponent* owner, bool createdByHook, TqelSkinEngine& engine);

  // ---- The variants' slots -------------------------------------------
  // The caption as UTF-16; empty: ask the window's text.
  virtual std::wstring GetWideCaption() const { return {}; }
  // Applies the skin to the window (true) or gives it its own look back.
  virtual void ApplySkinState(bool applied) = 0;
  // The window's procedure before this frame.
  virtual void CallPrevious(TMessage& message) = 0;
  // Measures the platform's frame and client before skinning.
  virtual void SavePlatformMetrics();
  virtual void SkinChildren() = 0;
  // Takes each wrapper from the front of the list: Teardown, unhook, free.
  virtual void UnskinChildren();
  // Refresh on every wrapper (after a skin change or a switch of Active).
  virtual void RefreshChildren();
  virtual bool CanSetRegion() const { return true; }
  // The menu bar shown under the caption (0: none).
  virtual int MenuBarHeight() const { return 0; }
  virtual HICON IconHandle() const { return nullptr; }
  virtual bool HasHelpButton() const { return false; }
  virtual bool IsMdiForm() const { return false; }
  virtual bool IsMdiChild() const { return false; }
  virtual bool IsDialogStyle() const { return false; }
  virtual bool HasIcon() const { return false; }
  virtual bool HasCloseButton() const { return true; }
  virtual bool HasMaxButton() const { return false; }
  virtual bool HasMinButton() const { return false; }
  // The user may drag the borders.
  virtual bool IsSizeable() const;
  // Initialise even while the window is hidden.
  virtual bool InitWhenHidden() const { return false; }
  virtual bool ToolBarUnderMenu() const { return false; }
  // WM_NCACTIVATE is answered here, the variant keeps activation to itself.
  virtual bool OwnsActivation() const { return false; }
  virtual void ClientSizeChanged() {}
  // Before the previous procedure: false stops the message here.
  virtual bool BeforePrevious(TMessage& /*message*/) { return true; }
  virtual void AfterPrevious(TMessage& /*message*/) {}
  virtual void Attach() = 0;
  virtual void Detach() = 0;

  // ---- For the variants ----------------------------------------------
  // The frame's window procedure: every message of the window comes here.
  void WindowProcedure(TMessage& message);
  // The first-time initialisation: measure, then apply the current state.
  void Initialize();
  // The window may be touched (exists and is not being destroyed).
  bool WindowAlive() const noexcept;
  void SetWindowActive(bool active) noexcept { windowActive_ = active; }
  void SetSkinEnabled(bool enabled) noexcept { skinEnabled_ = enabled; }
  void SetWindowDying() noexcept { windowDying_ = true; }
  bool WindowDying() const noexcept { return windowDying_; }
  // Repaints the frame through the window's own non-client paint.
  void RedrawFrame();
  // Makes a zoomed window fill its monitor's work area exactly.
  void FitZoomedToWorkArea();
  // Gives the window its plain rectangular shape back.
  void ClearRegion();
  // The window lost its region by itself (it was re-created).
  void ForgetRegion() noexcept {
    regionRects_.clear();
    regionSet_ = false;
  }

  // Measured before skinning.
  int unskinnedClientWidth_ = 0;
  int unskinnedClientHeight_ = 0;
  int platformCaptionHeight_ = 0;
  int platformSideFrame_ = 4;
  int platformBottomFrame_ = 4;
  int platformLeftFrame_ = 4;
  int platformBottomEdge_ = 4;
  bool captionVisible_ = true;
  bool borderVisible_ = true;

 private:
  // Handlers before the previous procedure; true: the message stops.
  bool NCPaint(TMessage& m);
  bool NCActivate(TMessage& m);
  bool NCLButtonDown(TMessage& m);
  bool NCLButtonDblClk(TMessage& m);
  bool CtlColorDlg(TMessage& m);
  bool SysCommand(TMessage& m);
  bool SetTextOrIcon(TMessage& m);
  bool NCRButtonDown(TMessage& m);
  bool RightClickUp(TMessage& m);
  bool ContextMenu(TMessage& m);
  // Handlers after the previous procedure.
  void AfterActivate(TMessage& m);
  void AfterNCCalcSize(TMessage& m);
  void AfterNCMouseMove(TMessage& m);
  void AfterNCLButtonUp(TMessage& m);
  void AfterTextChanged(TMessage& m);
  void AfterNCHitTest(TMessage& m);
  void AfterGetMinMaxInfo(TMessage& m);
  void AfterPrint(TMessage& m);
  void AfterSize(TMessage& m);
  void NCMouseLeave(TMessage& m);

  // The previous procedure with the platform's own non-client painting
  // held back for this one message.
  void CallPreviousUnpainted(TMessage& m);
  TFramePaintState PaintState(const TFrameGeometry& geometry) const;
  POINT CursorInWindow() const noexcept;
  void ApplyPaintResult(const TFramePaintResult& result) noexcept;
  void PostCommand(WPARAM command);
  bool FillsWorkArea() const;

  TqelSkinEngine& engine_;
  TFrameSkin skin_;
  TFramePainter painter_;
  std::vector<std::unique_ptr<TqelSkinControl>> wrappers_;
  std::vector<RECT> regionRects_;  // the shape last given to the window
  // Expires when the frame is freed, so the procedure can tell whether the
  // previous procedure freed it.
  std::shared_ptr<int> alive_ = std::make_shared<int>(0);

  bool createdByHook_;
  bool skinRequested_ = false;  // what the engine asked for last
  bool skinApplied_ = false;
  bool skinEnabled_ = true;
  bool initialized_ = false;
  bool destroying_ = false;
  bool windowDying_ = false;
  bool windowActive_ = true;
  bool buttonDown_ = false;
  bool holdsAnimatedChild_ = false;
  bool regionSet_ = false;
  TqelTitleButton hot_ = tbNone;
  TqelTitleButton pressed_ = tbNone;  // the button the left button went down on
  bool trackingLeave_ = false;        // WM_NCMOUSELEAVE asked for
  RECT proposed_{};                   // the window rectangle WM_NCCALCSIZE proposes
  TFramePaintResult shown_;
};
