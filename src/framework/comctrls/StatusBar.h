#pragma once
// TCustomStatusBar / TStatusBar: a bar of panels at the bottom of a form
// over the platform's status bar ("msctls_statusbar32").
//
// Each panel (TStatusPanel) has a width, a text aligned in it, a bevel and
// a style; the last panel reaches to the right end. An owner-drawn panel
// (psOwnerDraw) is drawn by OnDrawPanel on the bar's Canvas. SimplePanel
// shows SimpleText across the whole bar instead of the panels.
#include <functional>
#include <memory>
#include <string>

#include <windows.h>
#include <commctrl.h>

#include "framework/Collection.h"
#include "framework/WinControl.h"
#include "graphics/Canvas.h"

class TCustomStatusBar;

enum TStatusPanelStyle { psText, psOwnerDraw };
inline constexpr std::string_view kStatusPanelStyleNames[] = {"psText", "psOwnerDraw"};
enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };
inline constexpr std::string_view kStatusPanelBevelNames[] = {"pbNone", "pbLowered", "pbRaised"};

class TStatusPanel : public TCollectionItem {
  FW_CLASS(TStatusPanel, TCollectionItem)
 public:
  explicit TStatusPanel(TCollection& collection) noexcept : TCollectionItem(collection) {}
  static std::vector<TPropInfo> PublishedProperties();

  // Attributes
  const std::wstring& Text() const noexcept { return text_; }
  void SetText(std::wstring_view text);
  int Width() const noexcept { return width_; }
  void SetWidth(int width);
  TAlignment Alignment() const noexcept { return alignment_; }
  void SetAlignment(TAlignment alignment);
  TStatusPanelStyle Style() const noexcept { return style_; }
  void SetStyle(TStatusPanelStyle style);
  TStatusPanelBevel Bevel() const noexcept { return bevel_; }
  void SetBevel(TStatusPanelBevel bevel);
  std::string DisplayName() const override;

 private:
  std::wstring text_;
  int width_ = 50;
  TAlignment alignment_ = taLeftJustify;
  TStatusPanelStyle style_ = psText;
  TStatusPanelBevel bevel_ = pbLowered;
};

class TStatusPanels : public TCollection {
  FW_CLASS(TStatusPanels, TCollection)
 public:
  explicit TStatusPanels(TCustomStatusBar& statusBar);
  static std::vector<TPropInfo> PublishedProperties() { return {}; }

  TStatusPanel& Add() { return static_cast<TStatusPanel&>(TCollection::Add()); }
  TStatusPanel& Items(int index) const { return static_cast<TStatusPanel&>(TCollection::Items(index)); }

 protected:
  void Update(TCollectionItem* item) override;

 private:
  TCustomStatusBar& statusBar_;
};

using TDrawPanelEvent = std::function<void(TCustomStatusBar& sender, TStatusPanel& panel, const RECT& rect)>;

class TCustomStatusBar : public TWinControl {
  FW_CLASS(TCustomStatusBar, TWinControl)
 public:
  explicit TCustomStatusBar(TComponent* owner);
  ~TCustomStatusBar() override;

  // Attributes
  TStatusPanels& Panels() noexcept { return *panels_; }
  bool SimplePanel() const noexcept { return simplePanel_; }
  void SetSimplePanel(bool simple);
  const std::wstring& SimpleText() const noexcept { return simpleText_; }
  void SetSimpleText(std::wstring_view text);
  // The grip at the bottom-right corner for sizing the form.
  bool SizeGrip() const noexcept { return sizeGrip_; }
  void SetSizeGrip(bool sizeGrip);
  // The canvas of OnDrawPanel (a device context only then).
  TCanvas& Canvas() noexcept { return canvas_; }
  // Where panel index lies, in client coordinates.
  RECT PanelRect(int index);

  // Events
  TDrawPanelEvent OnDrawPanel;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  virtual void DrawPanel(TStatusPanel& panel, const RECT& rect);

  static TPropInfo PropSimplePanel();
  static TPropInfo PropSimpleText();
  static TPropInfo PropSizeGrip();

 private:
  friend class TStatusPanels;
  void CNDrawItem(TMessage& message);
  void CMColorChanged(TMessage& message);
  void ApplyColor();
  // Parts and texts of every panel; text (and style) of one.
  void UpdatePanels();
  void UpdatePanel(int index);
  void WriteSimpleText();
  LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  std::unique_ptr<TStatusPanels> panels_;
  bool simplePanel_ = false;
  std::wstring simpleText_;
  bool sizeGrip_ = true;
  TCanvas canvas_;
};

class TStatusBar : public TCustomStatusBar {
  FW_CLASS(TStatusBar, TCustomStatusBar)
 public:
  explicit TStatusBar(TComponent* owner) : TCustomStatusBar(owner) {}
  static std::vector<TPropInfo> PublishedProperties();
};
