// Menu items handed to the engine's handlers, and the images they are
// drawn with: remembered top-level images, ancestors', the menu's.
#include "QELSkinUtilsMenu.h"

#include <gtest/gtest.h>

namespace {

struct MenuFixture : ::testing::Test {
  void SetUp() override {
    menu = MakeComponent<TMainMenu>();
    menuImages = MakeComponent<TImageList>();
    fileImages = MakeComponent<TImageList>();
    editImages = MakeComponent<TImageList>();
    menu->SetImages(menuImages.get());
    file = menu->Items().AddItem(L"&File");
    file->SetName("File1");
    file->SetSubMenuImages(fileImages.get());
    open = file->AddItem(L"&Open");
    recent = file->AddItem(L"&Recent");
    recentFirst = recent->AddItem(L"first");
    edit = menu->Items().AddItem(L"&Edit");  // no name: never remembered
    edit->SetSubMenuImages(editImages.get());
    copy = edit->AddItem(L"&Copy");
    help = menu->Items().AddItem(L"&Help");
    about = help->AddItem(L"&About");
  }

  TOwned<TMainMenu> menu;
  TOwned<TImageList> menuImages, fileImages, editImages;
  TMenuItem *file, *open, *recent, *recentFirst, *edit, *copy, *help, *about;
};

int g_measured = 0;
int g_drawn = 0;

}  // namespace

TEST_F(MenuFixture, HandlersReachEveryItemAndCanBeCleared) {
  const TMenuMeasureItemEvent measure = [](TObject&, TCanvas&, int&, int&) { ++g_measured; };
  const TMenuDrawItemEvent draw = [](TObject&, TCanvas&, const RECT&, TOwnerDrawState) { ++g_drawn; };
  for (int i = 0; i < menu->Items().Count(); ++i) SkinMenuItemEvents(menu->Items().Items(i), measure, draw);
  for (TMenuItem* item : {file, open, recent, recentFirst, edit, copy, help, about}) {
    EXPECT_TRUE(item->OnMeasureItem);
    EXPECT_TRUE(item->OnDrawItem);
  }
  g_measured = 0;
  int width = 0, height = 0;
  TBitmap surface(4, 4);
  recentFirst->MeasureItem(surface.Canvas(), width, height);
  EXPECT_EQ(g_measured, 1);
  SkinMenuItemEvents(file, nullptr, nullptr);
  EXPECT_FALSE(recentFirst->OnMeasureItem);
  EXPECT_FALSE(file->OnDrawItem);
  EXPECT_TRUE(copy->OnDrawItem) << "other branches keep theirs";
}

TEST_F(MenuFixture, ImagesComeFromTheRememberedTopLevelItemAncestorsOrTheMenu) {
  const int before = RememberedMenuImageCount();
  SkinMenuItemEvents(file, nullptr, nullptr);
  SkinMenuItemEvents(edit, nullptr, nullptr);
  EXPECT_EQ(RememberedMenuImageCount(), before + 1) << "only the named top-level item";

  EXPECT_EQ(GetMenuItemImages(file), fileImages.get());
  EXPECT_EQ(GetMenuItemImages(open), fileImages.get());
  EXPECT_EQ(GetMenuItemImages(recentFirst), fileImages.get());
  EXPECT_EQ(GetMenuItemImages(copy), editImages.get());
  EXPECT_EQ(GetMenuItemImages(edit), menuImages.get());
  EXPECT_EQ(GetMenuItemImages(about), menuImages.get());

  // The remembered images outlive the item's own setting...
  file->SetSubMenuImages(nullptr);
  EXPECT_EQ(GetMenuItemImages(open), fileImages.get());
  // ... and a nearer ancestor's sub-menu images come first.
  recent->SetSubMenuImages(editImages.get());
  EXPECT_EQ(GetMenuItemImages(recentFirst), editImages.get());

  // Destroyed image lists are forgotten, never used.
  fileImages.reset();
  EXPECT_EQ(RememberedMenuImageCount(), before);
  EXPECT_EQ(GetMenuItemImages(open), menuImages.get());
  EXPECT_EQ(GetMenuItemImages(nullptr), nullptr);
}

TEST_F(MenuFixture, DestroyedItemsAreForgotten) {
  const int before = RememberedMenuImageCount();
  SkinMenuItemEvents(file, nullptr, nullptr);
  ASSERT_EQ(RememberedMenuImageCount(), before + 1);
  file->Free();
  EXPECT_EQ(RememberedMenuImageCount(), before);
  // An item without a menu has no images.
  TOwned<TMenuItem> loose = MakeComponent<TMenuItem>();
  EXPECT_EQ(GetMenuItemImages(loose.get()), nullptr);
}
