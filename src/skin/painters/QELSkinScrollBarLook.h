#pragma once
// The skinned scroll-bar control: its look, read from the platform's
// description of the bar, its paint through DrawSkinScrollBar, and its
// skinner, which lays a panel showing the skin's bar exactly over the
// control.
#include <windows.h>

#include "framework/Panel.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "hook/QELSkinControlVCL.h"
#include "painters/PainterSkin.h"

struct TScrollBarLook {
  bool Vertical = true;
  RECT Bar{};    // client coordinates: the whole control
  RECT Thumb{};
  bool HasThumb = false;  // enabled, with room for a thumb
};

// From GetScrollBarInfo(OBJID_CLIENT) of a scroll-bar control of Client
// size. An unavailable bar, or one whose thumb has no length, shows none.
TScrollBarLook ScrollBarLookOf(const SCROLLBARINFO& Info, bool Vertical, SIZE Client) noexcept;

void PaintScrollBar(TCanvas& Canvas, const TScrollBarLook& Look, const TPainterSkin& Skin);

class TqelSkinScrollBar;

// The panel over a skinned TScrollBar: a sibling of the control at its
// bounds, showing its face. Presses, releases and moves on it go to the
// control at the same point (the two coincide), so the control scrolls as
// if it had been pressed itself.
class TqelSkinInternalScrollBar2 : public TCustomPanel {
  FW_CLASS(TqelSkinInternalScrollBar2, TCustomPanel)
 public:
  TqelSkinInternalScrollBar2(TComponent* owner, TqelSkinScrollBar& wrapper);
  void BeforeDestruction() override;

  TBitmap& Face() noexcept { return face_; }
  void ForgetWrapper() noexcept { wrapper_ = nullptr; }

 protected:
  void Paint() override;
  void WndProc(TMessage& message) override;

 private:
  void PassToControl(TMessage& message);

  TqelSkinScrollBar* wrapper_;
  TBitmap face_;
};

// For TScrollBar.
class TqelSkinScrollBar : public TqelSkinControlVCL {
  FW_CLASS(TqelSkinScrollBar, TqelSkinControlVCL)
 public:
  TqelSkinScrollBar(TControl& control, TqelSkinWindow& window) : TqelSkinControlVCL(control, window) {}
  ~TqelSkinScrollBar() override;

  TqelSkinInternalScrollBar2* Panel() const noexcept { return panel_; }

  void AfterMessage(TMessage& message) override;
  void Paint() override;
  void Refresh() override;
  void Setup() override;
  void Teardown() override;

  void PanelDestroyed(TqelSkinInternalScrollBar2* panel) noexcept;

 private:
  void FreePanel() noexcept;
  void UpdatePanel();

  TqelSkinInternalScrollBar2* panel_ = nullptr;
};
