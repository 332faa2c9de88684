#include "menu/QELSkinMenuMerge.h"

#include "framework/Menus.h"

std::vector<TMenuItem*> MergedMenuItems(TMainMenu* formMenu, TMainMenu* childMenu) {
  std::vector<TMenuItem*> items;
  for (TMainMenu* menu : {formMenu, childMenu}) {
    if (!menu) continue;
    TMenuItem& root = menu->Items();
    for (int i = 0; i < root.Count(); ++i) items.push_back(root.Items(i));
  }
  return items;
}
