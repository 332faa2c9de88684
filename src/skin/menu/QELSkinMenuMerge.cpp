#include "menu/QELSkinMenuMerge.h"

#include "framework/Menus.h"

std::vector<TMenuItem*> MergedMenuItems(TMainMenu* formMenu, TMainMenu* childMenu) {
  TMenuItem* merged = childMenu ? &childMenu->Items() : nullptr;
  if (formMenu) return MergedTopLevelItems(formMenu->Items(), merged);
  std::vector<TMenuItem*> items;
  for (int i = 0; merged && i < merged->Count(); ++i) items.push_back(merged->Items(i));
  return items;
}
