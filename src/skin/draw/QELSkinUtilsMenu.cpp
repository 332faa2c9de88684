#include "QELSkinUtilsMenu.h"

#include <algorithm>
#include <vector>

namespace {

// The two parallel lists: top-level items with sub-menu images, and those
// images. A component of its own so that it hears when an item or an image
// list is destroyed and drops the pair (nothing is kept that could dangle).
class TMenuImageRecords : public TComponent {
  FW_CLASS(TMenuImageRecords, TComponent)
 public:
  explicit TMenuImageRecords(TComponent* owner) : TComponent(owner) {}
  static std::vector<TPropInfo> PublishedProperties() { return {}; }

  void Remember(TMenuItem* item, TCustomImageList* images) {
    const auto it = std::find(items_.begin(), items_.end(), item);
    if (it != items_.end()) {
      images_[static_cast<size_t>(it - items_.begin())] = images;
    } else {
      items_.push_back(item);
      images_.push_back(images);
      FreeNotification(item);
    }
    FreeNotification(images);
  }

  TCustomImageList* Find(const TMenuItem* item) const {
    const auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? nullptr : images_[static_cast<size_t>(it - items_.begin())];
  }

  int Count() const { return static_cast<int>(items_.size()); }

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation != opRemove) return;
    for (size_t i = items_.size(); i-- > 0;) {
      if (items_[i] == component || images_[i] == component) {
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(i));
        images_.erase(images_.begin() + static_cast<std::ptrdiff_t>(i));
      }
    }
  }

 private:
  std::vector<TMenuItem*> items_;
  std::vector<TCustomImageList*> images_;
};

TMenuImageRecords& Records() {
  static TOwned<TMenuImageRecords> records = MakeComponent<TMenuImageRecords>();
  return *records;
}

// A top-level item: its parent is the root item of its menu.
bool IsTopLevel(const TMenuItem* item) {
  const TMenuItem* parent = item->Parent();
  return parent && !parent->Parent() && item->GetParentMenu();
}

void SetEvents(TMenuItem* item, const TMenuMeasureItemEvent& measure, const TMenuDrawItemEvent& draw) {
  item->OnMeasureItem = measure;
  item->OnDrawItem = draw;
  TMenuItem* parent = item->Parent();
  if (parent && IsTopLevel(parent) && !parent->Name().empty() && parent->SubMenuImages())
    Records().Remember(parent, parent->SubMenuImages());
  for (int i = 0; i < item->Count(); ++i) SetEvents(item->Items(i), measure, draw);
}

}  // namespace

void SkinMenuItemEvents(TMenuItem* Item, const TMenuMeasureItemEvent& MeasureHandler,
                        const TMenuDrawItemEvent& DrawHandler) {
  if (!Item) return;
  SetEvents(Item, MeasureHandler, DrawHandler);
  // The menu shows owner-drawn items (or plain ones again) after a rebuild.
  if (TMenu* menu = Item->GetParentMenu()) menu->Changed();
}

TCustomImageList* GetMenuItemImages(const TMenuItem* Item) {
  if (!Item) return nullptr;
  if (TCustomImageList* images = Records().Find(Item)) return images;
  for (const TMenuItem* ancestor = Item->Parent(); ancestor; ancestor = ancestor->Parent()) {
    if (TCustomImageList* images = ancestor->SubMenuImages()) return images;
    if (TCustomImageList* images = Records().Find(ancestor)) return images;
  }
  const TMenu* menu = Item->GetParentMenu();
  return menu ? menu->Images() : nullptr;
}

int RememberedMenuImageCount() { return Records().Count(); }
