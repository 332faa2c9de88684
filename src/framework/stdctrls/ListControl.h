#pragma once
// TCustomListControl: what list boxes and combo boxes share: a list of
// ANSI items (Items), the current item (ItemIndex, -1 for none) and the
// owner-draw events of their Style.
#include "framework/Strings.h"
#include "framework/WinControl.h"
#include "graphics/Canvas.h"

using TDrawItemEvent =
    std::function<void(TObject& sender, int index, const RECT& rect, TOwnerDrawState state)>;
using TMeasureItemEvent = std::function<void(TObject& sender, int index, int& height)>;

class TCustomListControl : public TWinControl {
  FW_CLASS(TCustomListControl, TWinControl)
 public:
  explicit TCustomListControl(TComponent* owner);

  // Attributes
  virtual TStrings& Items() = 0;
  void SetItems(const TStrings& items) { Items().Assign(items); }
  virtual int ItemIndex() = 0;
  virtual void SetItemIndex(int index) = 0;
  int ItemCount() { return Items().Count(); }
  // The canvas an owner-draw handler draws an item on (a device context
  // only during OnDrawItem).
  TCanvas& Canvas() noexcept { return canvas_; }

  // Operations
  void AddItem(std::string_view text, TObject* object) { Items().AddObject(text, object); }
  void Clear() { Items().Clear(); }
  virtual void DeleteSelected();

  // Events (owner-draw styles)
  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

 protected:
  void WndProc(TMessage& message) override;
  // Draws item index: OnDrawItem when set, else the item's text.
  virtual void DrawItem(int index, const RECT& rect, TOwnerDrawState state);
  virtual void MeasureItem(int index, int& height);

 private:
  void CNDrawItem(TMessage& message);
  void CNMeasureItem(TMessage& message);

  TCanvas canvas_;
};
