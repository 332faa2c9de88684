// Menus: the item tree and its ownership, the platform menu built from it,
// owner drawing and commands routed to the items, menu bars on forms, and
// pop-up menus.
#include "framework/Menus.h"

#include <gtest/gtest.h>

#include "FrameworkTesting.h"
#include "framework/Form.h"
#include "framework/ImageList.h"

namespace {

std::wstring ItemText(HMENU menu, UINT position) {
  wchar_t text[128] = {};
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STRING;
  info.dwTypeData = text;
  info.cch = 127;
  ::GetMenuItemInfoW(menu, position, TRUE, &info);
  return text;
}

MENUITEMINFOW ItemInfo(HMENU menu, UINT position) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_DATA | MIIM_SUBMENU;
  ::GetMenuItemInfoW(menu, position, TRUE, &info);
  return info;
}

}  // namespace

TEST(TMenuItem, TreeOwnershipAndUnlinking) {
  TOwned<TPopupMenu> menu = MakeComponent<TPopupMenu>();
  TMenuItem* file = menu->Items().AddItem(L"&File");
  TMenuItem* open = file->AddItem(L"&Open");
  TMenuItem* save = file->AddItem(L"&Save");
  EXPECT_EQ(file->Count(), 2);
  EXPECT_EQ(open->Parent(), file);
  EXPECT_EQ(save->MenuIndex(), 1);
  EXPECT_EQ(save->GetParentMenu(), menu.get());
  EXPECT_EQ(TMenuItem::FromCommand(save->Command()), save);
  EXPECT_EQ(menu->Items().Find(open->Command()), open);

  // An item owned elsewhere is linked, and unlinks itself when destroyed.
  TOwned<TMenuItem> outside = MakeComponent<TMenuItem>();
  file->Insert(0, outside.get());
  EXPECT_EQ(file->IndexOf(outside.get()), 0);
  EXPECT_THROW(menu->Items().Add(outside.get()), EInvalidOperation);
  const UINT outsideCommand = outside->Command();
  outside.reset();
  EXPECT_EQ(file->Count(), 2);
  EXPECT_EQ(TMenuItem::FromCommand(outsideCommand), nullptr);
  EXPECT_THROW(open->Add(file), EInvalidOperation) << "an item cannot hold its ancestor";

  // Clearing destroys owned sub-items.
  const UINT saveCommand = save->Command();
  file->Clear();
  EXPECT_EQ(file->Count(), 0);
  EXPECT_EQ(TMenuItem::FromCommand(saveCommand), nullptr);
}

TEST(TMenu, BuildsThePlatformMenuFromTheItems) {
  TOwned<TPopupMenu> menu = MakeComponent<TPopupMenu>();
  TMenuItem* open = menu->Items().AddItem(L"&Open");
  open->SetShortCut(ShortCut('O', ssCtrl));
  open->SetDefault(true);
  menu->Items().AddItem(L"-");
  TMenuItem* hidden = menu->Items().AddItem(L"Hidden");
  hidden->SetVisible(false);
  TMenuItem* more = menu->Items().AddItem(L"More");
  more->SetEnabled(false);
  TMenuItem* sub = more->AddItem(L"Sub");
  sub->SetChecked(true);

  HMENU handle = menu->Handle();
  ASSERT_NE(handle, nullptr);
  ASSERT_EQ(::GetMenuItemCount(handle), 3);
  EXPECT_EQ(ItemText(handle, 0), L"&Open\tCtrl+O");
  MENUITEMINFOW first = ItemInfo(handle, 0);
  EXPECT_EQ(first.wID, open->Command());
  EXPECT_TRUE(first.fState & MFS_DEFAULT);
  EXPECT_TRUE(ItemInfo(handle, 1).fType & MFT_SEPARATOR);
  MENUITEMINFOW third = ItemInfo(handle, 2);
  EXPECT_TRUE(third.fState & MFS_DISABLED);
  ASSERT_NE(third.hSubMenu, nullptr);
  EXPECT_TRUE(ItemInfo(third.hSubMenu, 0).fState & MFS_CHECKED);

  // A change rebuilds; the handle stays until then.
  EXPECT_EQ(menu->Handle(), handle);
  hidden->SetVisible(true);
  HMENU rebuilt = menu->Handle();
  EXPECT_EQ(::GetMenuItemCount(rebuilt), 4);
}

TEST(TMenu, OwnerDrawnItemsCarryTheirCommandAsItemData) {
  TOwned<TPopupMenu> menu = MakeComponent<TPopupMenu>();
  TMenuItem* plain = menu->Items().AddItem(L"Plain");
  TMenuItem* drawn = menu->Items().AddItem(L"Drawn");
  drawn->OnDrawItem = [](TObject&, TCanvas&, const RECT&, TOwnerDrawState) {};
  HMENU handle = menu->Handle();
  EXPECT_FALSE(ItemInfo(handle, 0).fType & MFT_OWNERDRAW);
  MENUITEMINFOW info = ItemInfo(handle, 1);
  EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
  EXPECT_EQ(info.dwItemData, drawn->Command());
  menu->SetOwnerDraw(true);
  EXPECT_TRUE(ItemInfo(menu->Handle(), 0).fType & MFT_OWNERDRAW);
  EXPECT_EQ(ItemInfo(menu->Handle(), 0).dwItemData, plain->Command());
  menu->SetBiDiMode(bdRightToLeft);
  EXPECT_TRUE(menu->IsRightToLeft());
  EXPECT_TRUE(ItemInfo(menu->Handle(), 0).fType & MFT_RIGHTORDER);
}

TEST(DispatchMenuMessage, MeasureDrawAndCommandReachTheItem) {
  TOwned<TPopupMenu> menu = MakeComponent<TPopupMenu>();
  TMenuItem* item = menu->Items().AddItem(L"Item");
  int measured = 0, drawn = 0, clicked = 0;
  RECT drawnRect{};
  TOwnerDrawState drawnState = 0;
  item->OnMeasureItem = [&](TObject& sender, TCanvas& canvas, int& width, int& height) {
    ++measured;
    EXPECT_EQ(&sender, item);
    EXPECT_NE(canvas.Handle(), nullptr);
    width = 123;
    height = 21;
  };
  item->OnDrawItem = [&](TObject&, TCanvas& canvas, const RECT& rect, TOwnerDrawState state) {
    ++drawn;
    drawnRect = rect;
    drawnState = state;
    canvas.Brush().SetColor(clRed);
    canvas.FillRect(rect);
  };
  item->OnClick = [&](TObject&) { ++clicked; };

  MEASUREITEMSTRUCT measure{ODT_MENU, 0, item->Command(), 0, 0, item->Command()};
  TMessage m{WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure), 0};
  ASSERT_TRUE(DispatchMenuMessage(m));
  EXPECT_EQ(measured, 1);
  EXPECT_EQ(measure.itemWidth, 123u);
  EXPECT_EQ(measure.itemHeight, 21u);

  TBitmap surface(20, 10);
  DRAWITEMSTRUCT draw{};
  draw.CtlType = ODT_MENU;
  draw.itemID = item->Command();
  draw.itemState = ODS_SELECTED | ODS_CHECKED;
  draw.hDC = surface.Canvas().Handle();
  draw.rcItem = RECT{2, 2, 12, 8};
  draw.itemData = item->Command();
  TMessage d{WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw), 0};
  ASSERT_TRUE(DispatchMenuMessage(d));
  EXPECT_EQ(drawn, 1);
  EXPECT_EQ(drawnState, static_cast<TOwnerDrawState>(odSelected | odChecked));
  EXPECT_EQ(surface.Pixel(5, 5), clRed);
  EXPECT_EQ(surface.Pixel(0, 0), clBlack);

  TMessage c{WM_COMMAND, item->Command(), 0, 0};
  ASSERT_TRUE(DispatchMenuMessage(c));
  EXPECT_EQ(clicked, 1);
  item->SetEnabled(false);
  DispatchMenuMessage(c);
  EXPECT_EQ(clicked, 1) << "disabled items do not click";

  // Not menu items: left alone.
  MEASUREITEMSTRUCT control{ODT_BUTTON, 1, 0, 0, 0, 0};
  TMessage other{WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&control), 0};
  EXPECT_FALSE(DispatchMenuMessage(other));
  TMessage fromControl{WM_COMMAND, MAKEWPARAM(item->Command(), BN_CLICKED), 1, 0};
  EXPECT_FALSE(DispatchMenuMessage(fromControl));
  TMessage unknown{WM_COMMAND, 0xEFF0, 0, 0};
  EXPECT_FALSE(DispatchMenuMessage(unknown));
}

TEST(TMenu, ImagesAreForgottenWhenDestroyed) {
  TOwned<TPopupMenu> menu = MakeComponent<TPopupMenu>();
  TOwned<TImageList> images = MakeComponent<TImageList>();
  menu->SetImages(images.get());
  TMenuItem* item = menu->Items().AddItem(L"Item");
  item->SetSubMenuImages(images.get());
  images.reset();
  EXPECT_EQ(menu->Images(), nullptr);
  EXPECT_EQ(item->SubMenuImages(), nullptr);
}

TEST(TMenu, RadioItemsOfAGroupExcludeEachOtherAndImagesAreDrawnByCallBack) {
  TOwned<TPopupMenu> menu = MakeComponent<TPopupMenu>();
  TOwned<TImageList> images = MakeComponent<TImageList>();
  images->SetSize(12, 10);
  TBitmap strip;
  strip.SetSize(24, 10);
  strip.Canvas().Brush().SetColor(clRed);
  const RECT all{0, 0, 24, 10};
  strip.Canvas().FillRect(all);
  ASSERT_EQ(images->Add(strip, nullptr), 0);
  menu->SetImages(images.get());
  TMenuItem* radio[3];
  for (int i = 0; i < 3; ++i) {
    radio[i] = menu->Items().AddItem(L"Radio");
    radio[i]->SetRadioItem(true);
    radio[i]->SetGroupIndex(i < 2 ? 1 : 2);  // the third is a group of its own
  }
  radio[0]->SetChecked(true);
  radio[2]->SetChecked(true);
  radio[1]->SetChecked(true);
  EXPECT_FALSE(radio[0]->Checked());
  EXPECT_TRUE(radio[1]->Checked());
  EXPECT_TRUE(radio[2]->Checked());
  radio[1]->SetImageIndex(1);
  radio[2]->SetImageIndex(5);  // no such image: none shown
  radio[2]->AddItem(L"Sub")->SetImageIndex(0);

  HMENU handle = menu->Handle();
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_BITMAP;
  ASSERT_TRUE(::GetMenuItemInfoW(handle, 1, TRUE, &info));
  EXPECT_TRUE(info.fType & MFT_RADIOCHECK);
  EXPECT_TRUE(info.fState & MFS_CHECKED);
  EXPECT_EQ(info.hbmpItem, HBMMENU_CALLBACK);
  ASSERT_TRUE(::GetMenuItemInfoW(handle, 2, TRUE, &info));
  EXPECT_EQ(info.hbmpItem, nullptr);
  // A sub-menu's pictures take the check marks' column.
  MENUINFO style{sizeof(style), MIM_STYLE, 0, 0, nullptr, 0, 0};
  ASSERT_TRUE(::GetMenuInfo(::GetSubMenu(handle, 2), &style));
  EXPECT_TRUE(style.dwStyle & MNS_CHECKORBMP);

  // The call-back measures the image and draws it centred in its place.
  MEASUREITEMSTRUCT measure{ODT_MENU, 0, radio[1]->Command(), 0, 0, radio[1]->Command()};
  TMessage m{WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure), 0};
  ASSERT_TRUE(DispatchMenuMessage(m));
  EXPECT_EQ(measure.itemWidth, 12u);
  EXPECT_EQ(measure.itemHeight, 10u);
  TBitmap target;
  target.SetSize(20, 20);
  target.Canvas().Brush().SetColor(clWhite);
  const RECT whole{0, 0, 20, 20};
  target.Canvas().FillRect(whole);
  DRAWITEMSTRUCT draw{ODT_MENU, 0, radio[1]->Command(), ODA_DRAWENTIRE, 0, nullptr, target.Canvas().Handle(),
                      whole, radio[1]->Command()};
  TMessage d{WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw), 0};
  ASSERT_TRUE(DispatchMenuMessage(d));
  EXPECT_EQ(target.Pixel(4, 5), clRed);
  EXPECT_EQ(target.Pixel(15, 14), clRed);
  EXPECT_EQ(target.Pixel(3, 10), clWhite);
  EXPECT_EQ(target.Pixel(10, 4), clWhite);
}

TEST(TMainMenu, ShowsOnTheFormAndRoutesCommands) {
  TOwned<TForm> form = MakeComponent<TForm>();
  TMainMenu* menu = form->Create<TMainMenu>();
  TMenuItem* file = menu->Items().AddItem(L"&File");
  TMenuItem* exit = file->AddItem(L"E&xit");
  int clicked = 0;
  exit->OnClick = [&](TObject&) { ++clicked; };
  menu->AttachTo(form.get());
  HWND window = form->Handle();
  EXPECT_EQ(::GetMenu(window), menu->Handle());
  ::SendMessageW(window, WM_COMMAND, exit->Command(), 0);
  EXPECT_EQ(clicked, 1);

  // A change shows at once.
  menu->Items().AddItem(L"&Help");
  EXPECT_EQ(::GetMenuItemCount(::GetMenu(window)), 2);

  menu->AttachTo(nullptr);
  EXPECT_EQ(::GetMenu(window), nullptr);
  ::SendMessageW(window, WM_COMMAND, exit->Command(), 0);
  EXPECT_EQ(clicked, 1) << "the form no longer routes the menu's commands";
}

TEST(TPopupMenu, PopupMeasuresOwnerDrawnItemsAndReturnsWhenDismissed) {
  TOwned<TPopupMenu> menu = MakeComponent<TPopupMenu>();
  menu->SetOwnerDraw(true);
  int popups = 0, measured = 0;
  menu->OnPopup = [&](TObject&) { ++popups; };
  TMenuItem* item = menu->Items().AddItem(L"Item");
  item->OnMeasureItem = [&](TObject&, TCanvas&, int&, int&) { ++measured; };
  // Close the menu shortly after it opens.
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR, DWORD) { ::EndMenu(); });
  menu->Popup(100, 100);
  ::KillTimer(nullptr, timer);
  EXPECT_EQ(popups, 1);
  EXPECT_GE(measured, 1);
}

TEST(ShortCutToText, NamesModifiersAndKeys) {
  EXPECT_EQ(ShortCutToText(ShortCut('S', ssCtrl)), L"Ctrl+S");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_F4, ssAlt | ssShift)), L"Shift+Alt+F4");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_DELETE, 0)), L"Del");
  EXPECT_EQ(ShortCutToText(0), L"");
}
