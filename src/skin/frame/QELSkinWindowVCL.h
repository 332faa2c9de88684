#pragma once
// TqelSkinWindowVCL: the skinned frame of a framework form.
//
// It sits in the form's WindowProc chain through a hook link, so it sees
// the form's own notifications (CM_TEXTCHANGED, CM_VISIBLECHANGED, ...)
// as well as the platform's messages, and can be removed whatever other
// hooks were added or removed since. While the skin is applied the form
// loses WS_SYSMENU (the frame draws its own buttons), takes the skin's
// form colour and keeps its client size.
#include <windows.h>

#include <memory>

#include "frame/QELSkinWindow.h"
#include "graphics/Color.h"

class TControl;
class TCustomForm;
class THookLink;
class TqelSkinFormMenus;

class TqelSkinWindowVCL : public TqelSkinWindow {
  FW_CLASS(TqelSkinWindowVCL, TqelSkinWindow)
 public:
  // Raises "QELSkin: Skinning form failed!" when no form of the
  // application has handle.
  TqelSkinWindowVCL(TComponent* owner, HWND handle, bool createdByHook, TqelSkinEngine& engine);
  ~TqelSkinWindowVCL() override;
  static std::vector<TPropInfo> PublishedProperties() { return {}; }

  HWND Handle() const override;
  TCustomForm& Form() const noexcept { return *form_; }
  // The menu bar, shortcuts and MDI support of the form (while attached).
  TqelSkinFormMenus* Menus() const noexcept { return menus_.get(); }

 protected:
  std::wstring GetWideCaption() const override;
  void ApplySkinState(bool applied) override;
  void CallPrevious(TMessage& message) override;
  void SavePlatformMetrics() override;
  void SkinChildren() override;
  bool CanSetRegion() const override;
  int MenuBarHeight() const override;
  HICON IconHandle() const override;
  bool HasHelpButton() const override;
  bool IsMdiForm() const override;
  bool IsMdiChild() const override;
  bool IsDialogStyle() const override;
  bool HasIcon() const override;
  bool HasCloseButton() const override;
  bool HasMaxButton() const override;
  bool HasMinButton() const override;
  bool IsSizeable() const override;
  bool InitWhenHidden() const override { return true; }
  bool OwnsActivation() const override { return true; }
  void ClientSizeChanged() override;
  void AfterPrevious(TMessage& message) override;
  void Attach() override;
  void Detach() override;

 private:
  // The caption and borders the form's style and parent call for.
  void UpdateFrameVisibility();
  void ApplySkin();
  void RemoveSkin();
  void ClearSysMenuStyle();
  // Moves the form's controls down by dy (up when negative) for the menu
  // bar: those anchored to the bottom stay, those anchored top and bottom
  // shrink.
  void MoveControls(int dy);
  // Post-handlers.
  void AfterShow(TMessage& m);
  void AfterSize(TMessage& m);
  void AfterParentNotify(TMessage& m);
  void AfterRecreated(TMessage& m);
  // SkinChildren, by steps (QELSkinWindowVCLChildren.cpp).
  void SkinComponentsOf(TComponent& owner);
  void SkinChildControl(TControl& control);
  bool MaySkinControl(TControl& control);
  void WrapControl(TControl& control);
  void SkinOwnedPopupMenus(TComponent& owner);
  // The menu bar and MDI messages (QELSkinWindowVCLMenus.cpp); true when
  // the message was one of them.
  bool AfterMenuMessage(TMessage& m);
  void AfterMdiActivate(TMessage& m);
  void AfterMdiChildPosChanged(TMessage& m);
  // Tells the main form when this child becomes maximized and when it
  // stops being so (its MDI buttons follow).
  void ReportMdiChildState(bool maximized);
  // The MDI main form's window of an MDI child.
  HWND MdiMainWindow() const noexcept;
  void MeasureMenuMetrics();

  TCustomForm* form_ = nullptr;
  std::unique_ptr<THookLink> link_;
  TOwned<TqelSkinFormMenus> menus_;
  bool mdiChildHidden_ = false;
  bool mdiMaximizeSent_ = false;
  TColor colorBefore_ = clBtnFace;
  bool colorSaved_ = false;
  bool hadSysMenu_ = false;
  int controlsMoved_ = 0;  // by how much the controls went down
  bool applying_ = false;
  bool ownSizeChange_ = false;
  bool minWidthSet_ = false;
  bool minHeightSet_ = false;
  bool skinnedAllOnShow_ = false;
};
