#include "GalleryPage.h"

const std::vector<TGalleryPageInfo>& GalleryPages() {
  static const std::vector<TGalleryPageInfo> pages = {
      {"buttons", L"Buttons", &BuildButtonsPage, true},
      {"checks", L"Check boxes", &BuildChecksPage, true},
      {"edits", L"Edits", &BuildEditsPage, true},
      {"lists", L"Lists", &BuildListsPage, true},
      {"containers", L"Containers", &BuildContainersPage, true},
      {"ranges", L"Ranges", &BuildRangesPage, true},
      {"pickers", L"Tabs and pickers", &BuildPickersPage, true},
      {"views", L"Views", &BuildViewsPage, true},
      {"grid", L"Grid", &BuildGridPage, true},
      {"bars", L"Bars", &BuildBarsPage, true},
      {"dialogs", L"Dialogs", &BuildDialogsPage, false},
  };
  return pages;
}
