#pragma once
// One page of the gallery: a tab sheet with the same controls twice, in an
// "Enabled" and a "Disabled" group, built by the page's function.
//
//   void BuildButtonsPage(TGalleryPage& page) {
//     page.Add<TButton>(8, 20, 75, 25, L"&OK");   // disabled in the second group
//   }
#include <string_view>
#include <vector>

#include "framework/Form.h"

class TCustomImageList;
class TTabSheet;
class TWinControl;

class TGalleryPage {
 public:
  TGalleryPage(TForm& form, TWinControl& group, bool enabled, TCustomImageList& images)
      : form_(form), group_(group), enabled_(enabled), images_(images) {}

  // A control of the page, in the group (or in parent), disabled in the
  // disabled group.
  template <typename T>
  T* Add(int left, int top, int width, int height, const wchar_t* caption = nullptr, TWinControl* parent = nullptr) {
    T* control = form_.Create<T>();
    control->SetParent(parent ? parent : &group_);
    control->SetBounds(left, top, width, height);
    if (caption) control->SetCaption(caption);
    if (!enabled_) control->SetEnabled(false);
    return control;
  }
  // A component without a window (image lists, menus).
  template <typename T>
  T* Make() {
    return form_.Create<T>();
  }

  bool Enabled() const noexcept { return enabled_; }
  TForm& Form() noexcept { return form_; }
  TWinControl& Group() noexcept { return group_; }
  // Four 16 x 16 images: red, green, blue, olive discs.
  TCustomImageList& Images() noexcept { return images_; }

  // The control that gets the focus when the page is shown (the enabled
  // group's).
  void SetFocusControl(TWinControl* control) {
    if (enabled_) focus_ = control;
  }
  TWinControl* FocusControl() const noexcept { return focus_; }
  // Buttons shown pressed (held down) while the page is shown.
  void AddPressed(TWinControl* button) { pressed_.push_back(button); }
  const std::vector<TWinControl*>& Pressed() const noexcept { return pressed_; }

 private:
  TForm& form_;
  TWinControl& group_;
  bool enabled_;
  TCustomImageList& images_;
  TWinControl* focus_ = nullptr;
  std::vector<TWinControl*> pressed_;
};

using TBuildPage = void (*)(TGalleryPage& page);

struct TGalleryPageInfo {
  std::string_view Name;   // on the command line: --page NAME
  const wchar_t* Caption;  // on the tab
  TBuildPage Build;
  bool Twice;  // built in an enabled and a disabled group; else once, enabled
};

// The pages in tab order.
const std::vector<TGalleryPageInfo>& GalleryPages();

void BuildButtonsPage(TGalleryPage& page);
void BuildChecksPage(TGalleryPage& page);
void BuildEditsPage(TGalleryPage& page);
void BuildListsPage(TGalleryPage& page);
void BuildContainersPage(TGalleryPage& page);
void BuildRangesPage(TGalleryPage& page);
void BuildPickersPage(TGalleryPage& page);
void BuildViewsPage(TGalleryPage& page);
void BuildGridPage(TGalleryPage& page);
void BuildBarsPage(TGalleryPage& page);
void BuildDialogsPage(TGalleryPage& page);
