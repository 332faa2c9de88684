// TqelSkinEngine: owner-drawn menus in the skin's colours.
#include "QELSkinUtilsMenu.h"
#include "engine/QELSkinEngine.h"
#include "engine/QELSkinGlobals.h"
#include "engine/QELSkinMenuPainter.h"

namespace {

bool IsTopLevelOfMainMenu(const TMenuItem& item) {
  const TMenuItem* parent = item.Parent();
  return parent && !parent->Parent() && dynamic_cast<const TMainMenu*>(item.GetParentMenu());
}

// The item's images; the shared list of skinned main menus counts as none.
TCustomImageList* ImagesOf(const TMenuItem& item) {
  TCustomImageList* images = GetMenuItemImages(&item);
  return images == &MainMenuImages() ? nullptr : images;
}

}  // namespace

void TqelSkinEngine::SkinMenu(TMenu& menu) {
  menu.SetOwnerDraw(true);
  if (dynamic_cast<TMainMenu*>(&menu) && !menu.Images()) menu.SetImages(&MainMenuImages());
  TMenuItem& root = menu.Items();
  for (int i = 0; i < root.Count(); ++i) SkinMenuItem(*root.Items(i));
}

void TqelSkinEngine::UnskinMenu(TMenu& menu) {
  menu.SetOwnerDraw(false);
  if (dynamic_cast<TMainMenu*>(&menu) && menu.Images() == &MainMenuImages()) menu.SetImages(nullptr);
  SkinMenuItemEvents(&menu.Items(), {}, {});
}

void TqelSkinEngine::SkinMenuItem(TMenuItem& item) {
  SkinMenuItemEvents(&item, EventOf(this, &TqelSkinEngine::MeasureMenuItem),
                     EventOf(this, &TqelSkinEngine::DrawMenuItem));
}

void TqelSkinEngine::MeasureMenuItem(TObject& sender, TCanvas& canvas, int& width, int& height) {
  auto* item = dynamic_cast<TMenuItem*>(&sender);
  if (!item || IsTopLevelOfMainMenu(*item)) return;
  const std::wstring shortcut = ShortCutToText(item->ShortCutKey());
  TqelMenuItemLook look;
  look.Caption = item->Caption();
  look.ShortCut = shortcut;
  look.Separator = item->IsLine();
  look.Images = ImagesOf(*item);
  const SIZE size = MeasureSkinMenuItem(canvas, look);
  width = size.cx;
  height = size.cy;
}

void TqelSkinEngine::DrawMenuItem(TObject& sender, TCanvas& canvas, const RECT& rect, TOwnerDrawState state) {
  auto* item = dynamic_cast<TMenuItem*>(&sender);
  if (!item) return;
  const std::wstring shortcut = ShortCutToText(item->ShortCutKey());
  const TMenu* menu = item->GetParentMenu();
  TqelMenuItemLook look;
  look.Caption = item->Caption();
  look.ShortCut = shortcut;
  look.Separator = item->IsLine();
  look.Enabled = item->Enabled() && !(state & (odDisabled | odGrayed));
  look.Selected = (state & odSelected) != 0;
  look.Checked = item->Checked();
  look.Default = item->Default();
  look.RightToLeft = menu && menu->IsRightToLeft();
  look.Images = ImagesOf(*item);
  look.ImageIndex = item->ImageIndex();
  look.OwnBitmap = &item->Bitmap();

  const TqelSkinValues& v = values_;
  TqelMenuColors colors;
  colors.Selected = v.MenuColor(SKIN2_SELECTEDMENUCOLOR);
  colors.SelectedBorder = v.MenuColor(SKIN2_SELECTEDMENUBORDERCOLOR);
  colors.SelectedFont = v.MenuColor(SKIN2_SELECTEDMENUFONTCOLOR);
  colors.LeftBarStart = v.MenuColor(SKIN2_LEFTBARSTARTCOLOR);
  colors.LeftBarEnd = v.MenuColor(SKIN2_LEFTBARENDCOLOR);
  colors.Item = v.MenuColor(SKIN2_MENUITEMCOLOR);
  colors.ItemFont = v.MenuColor(SKIN2_MENUITEMFONTCOLOR);
  colors.DisabledFont = v.DisabledMenuFontColor;
  DrawSkinMenuItem(canvas, rect, look, colors, CheckedMarkImages());
}
