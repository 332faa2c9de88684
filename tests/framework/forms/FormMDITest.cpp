// MDI: the client of an MDI form, children created, activated, listed,
// arranged and closed, the window menu, and no leaks.
#include <gtest/gtest.h>

#include "FrameworkTesting.h"
#include "forms/FormsTesting.h"
#include "framework/Form.h"
#include "framework/Menus.h"
#include "framework/Panel.h"
#include "framework/Screen.h"
#include "graphics/GdiObjects.h"

namespace {

class TFrm_MDIMain : public TForm {
  FW_CLASS(TFrm_MDIMain, TForm)
 public:
  explicit TFrm_MDIMain(TComponent* owner) : TForm(owner) {
    SetFormStyle(fsMDIForm);
    SetBounds(20, 20, 640, 480);
    SetCaption(L"MDI");
    Bar = Create<TPanel>();
    Bar->SetParent(this);
    Bar->SetAlign(alTop);
    Bar->SetHeight(30);
    Menu = Create<TMainMenu>();
    Menu->Items().AddItem(L"&File")->AddItem(L"E&xit");
    Window = Menu->Items().AddItem(L"&Window");
    Window->AddItem(L"&Cascade");
    SetWindowMenu(Window);
  }
  void Loaded() override {
    TForm::Loaded();
    Menu->AttachTo(this);
  }
  TPanel* Bar;
  TMainMenu* Menu;
  TMenuItem* Window;
};

class TFrm_Child : public TForm {
  FW_CLASS(TFrm_Child, TForm)
 public:
  TFrm_Child(TComponent* owner, const wchar_t* caption) : TForm(owner) {
    SetFormStyle(fsMDIChild);
    SetBounds(10, 10, 200, 150);
    SetCaption(caption);
  }
};

// A main form and children whose menus merge by group: File 0, Edit 1,
// Window 9, Help 10 on the main form.
class TFrm_MergeMain : public TForm {
  FW_CLASS(TFrm_MergeMain, TForm)
 public:
  explicit TFrm_MergeMain(TComponent* owner) : TForm(owner) {
    SetFormStyle(fsMDIForm);
    SetBounds(20, 20, 640, 480);
    auto* menu = Create<TMainMenu>();
    int group = 0;
    for (const wchar_t* caption : {L"&File", L"&Edit", L"&Window", L"&Help"}) {
      TMenuItem* item = menu->Items().AddItem(caption);
      item->AddItem(L"Item");
      item->SetGroupIndex(static_cast<BYTE>(group));
      group = group == 1 ? 9 : group + 1;
    }
    SetWindowMenu(menu->Items().Items(2));
    SetMenu(menu);
  }
};

class TFrm_MergeChild : public TForm {
  FW_CLASS(TFrm_MergeChild, TForm)
 public:
  TFrm_MergeChild(TComponent* owner, const wchar_t* caption, std::vector<std::pair<const wchar_t*, BYTE>> items)
      : TForm(owner) {
    SetFormStyle(fsMDIChild);
    SetBounds(10, 10, 200, 150);
    SetCaption(caption);
    auto* menu = Create<TMainMenu>();
    for (const auto& [text, group] : items) {
      TMenuItem* item = menu->Items().AddItem(text);
      item->SetGroupIndex(group);
      item->AddItem(L"Sub")->OnClick = [this](TObject&) { ++Clicks; };
    }
    SetMenu(menu);
  }
  int Clicks = 0;
};

class FormMDITest : public FrameworkTest {};

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  return name;
}

RECT RectInClient(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  ::MapWindowPoints(HWND_DESKTOP, ::GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::vector<std::wstring> MenuTexts(HMENU menu) {
  std::vector<std::wstring> texts;
  for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
    wchar_t text[64] = {};
    ::GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
    texts.push_back(text);
  }
  return texts;
}

TEST_F(FormMDITest, ChildrenLiveInTheClientAndAreListedActivatedAndClosed) {
  TOwned<TFrm_MDIMain> main = MakeComponent<TFrm_MDIMain>();
  main->Show();
  HWND client = main->ClientHandle();
  ASSERT_NE(client, nullptr);
  EXPECT_EQ(ClassOf(client), L"MDIClient");
  EXPECT_EQ(::GetParent(client), main->Handle());
  // The client fills what the tool bar leaves.
  const RECT area = RectInClient(client);
  EXPECT_EQ(area.top, 30);
  EXPECT_EQ(area.right - area.left, main->ClientWidth());

  auto* a = main->Create<TFrm_Child>(L"Alpha");
  auto* b = main->Create<TFrm_Child>(L"Beta");
  auto* c = main->Create<TFrm_Child>(L"Gamma");
  Pump();
  for (TCustomForm* f : {a, b, c}) {
    EXPECT_TRUE(f->Visible());
    EXPECT_EQ(::GetParent(f->Handle()), client);
    EXPECT_TRUE(::GetWindowLongPtrW(f->Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD);
  }
  EXPECT_EQ(main->MDIChildCount(), 3);
  EXPECT_EQ(main->ActiveMDIChild(), c);
  EXPECT_EQ(main->MDIChildren(0), c);  // front to back
  EXPECT_EQ(main->MDIChildren(3), nullptr);

  int activated = 0;
  a->OnActivate = [&](TObject&) { ++activated; };
  ::SendMessageW(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(a->Handle()), 0);
  EXPECT_EQ(main->ActiveMDIChild(), a);
  EXPECT_EQ(main->MDIChildren(0), a);
  EXPECT_EQ(activated, 1);
  main->Next();
  EXPECT_NE(main->ActiveMDIChild(), a);

  // The window menu is handed to the client, which adds one entry per
  // child after the form's own items where the platform supports it (Wine
  // lists none), and removes them again.
  HMENU windowMenu = ::GetSubMenu(::GetMenu(main->Handle()), 1);
  const std::vector<std::wstring> texts = MenuTexts(windowMenu);
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts[0], L"&Cascade");
  const size_t listed = texts.size() - 1;
  EXPECT_TRUE(listed == 0 || listed == 4u) << listed;  // none, or a line and three children

  // Closing minimises a child; freeing it takes it out of the list and menu.
  ::SendMessageW(b->Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(b->WindowState(), wsMinimized);
  b->Free();
  EXPECT_EQ(main->MDIChildCount(), 2);
  EXPECT_EQ(MenuTexts(windowMenu).size(), listed ? 4u : 1u);
  c->OnClose = [](TObject&, TCloseAction& action) { action = caFree; };
  c->Close();
  ASSERT_TRUE(PumpUntil([&] { return main->MDIChildCount() == 1; }));
  EXPECT_EQ(main->MDIChildren(0), a);
}

TEST_F(FormMDITest, TheActiveChildsMenuMergesByGroupAndTheWindowMenuListsTheChildren) {
  TOwned<TFrm_MergeMain> main = MakeComponent<TFrm_MergeMain>();
  main->Show();
  auto bar = [&] { return MenuTexts(::GetMenu(main->Handle())); };
  using Texts = std::vector<std::wstring>;
  const Texts own{L"&File", L"&Edit", L"&Window", L"&Help"};
  EXPECT_EQ(bar(), own);

  auto* a = main->Create<TFrm_MergeChild>(L"Alpha", std::vector<std::pair<const wchar_t*, BYTE>>{{L"A &File", 0}, {L"A &Tools", 5}});
  Pump();
  const Texts withA{L"A &File", L"&Edit", L"A &Tools", L"&Window", L"&Help"};
  EXPECT_EQ(bar(), withA);
  EXPECT_EQ(main->Menu()->Merged(), a->Menu());
  ASSERT_EQ(main->Menu()->ShownItems().size(), 5u);
  EXPECT_EQ(main->Menu()->ShownItems()[0], a->Menu()->Items().Items(0));

  auto* b = main->Create<TFrm_MergeChild>(L"Beta", std::vector<std::pair<const wchar_t*, BYTE>>{{L"B &Edit", 1}, {L"B &View", 2}, {L"B &Last", 200}});
  Pump();
  EXPECT_EQ(bar(), (Texts{L"&File", L"B &Edit", L"B &View", L"&Window", L"&Help", L"B &Last"}));
  // A merged item's command reaches its item through the main form.
  ::SendMessageW(main->Handle(), WM_COMMAND, b->Menu()->Items().Items(1)->Items(0)->Command(), 0);
  EXPECT_EQ(b->Clicks, 1);
  // A change to the active child's menu shows at once.
  b->Menu()->Items().Items(1)->SetCaption(L"B &Look");
  EXPECT_EQ(bar()[2], L"B &Look");

  // The window menu: its own item, a line, the children front to back,
  // the active one checked; picking one activates it.
  HMENU windowMenu = ::GetSubMenu(::GetMenu(main->Handle()), 3);
  EXPECT_EQ(MenuTexts(windowMenu), (Texts{L"Item", L"", L"&1 Beta", L"&2 Alpha"}));
  EXPECT_TRUE(::GetMenuState(windowMenu, 2, MF_BYPOSITION) & MF_CHECKED);
  EXPECT_FALSE(::GetMenuState(windowMenu, 3, MF_BYPOSITION) & MF_CHECKED);
  ::SendMessageW(main->Handle(), WM_COMMAND, ::GetMenuItemID(windowMenu, 3), 0);
  EXPECT_EQ(main->ActiveMDIChild(), a);
  EXPECT_EQ(bar(), withA);
  ::SendMessageW(main->ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(b->Handle()), 0);
  EXPECT_EQ(bar()[1], L"B &Edit");

  // Closing the active child shows the next one's menu, and it leaves the
  // window menu; the last one gone, the main form's own menu is back.
  b->Free();
  Pump();
  EXPECT_EQ(main->ActiveMDIChild(), a);
  EXPECT_EQ(bar(), withA);
  windowMenu = ::GetSubMenu(::GetMenu(main->Handle()), 3);
  EXPECT_EQ(MenuTexts(windowMenu), (Texts{L"Item", L"", L"&1 Alpha"}));
  a->SetCaption(L"Renamed");
  EXPECT_EQ(MenuTexts(windowMenu).back(), L"&1 Renamed");
  a->Free();
  Pump();
  EXPECT_EQ(bar(), own);
  EXPECT_EQ(main->Menu()->Merged(), nullptr);
  EXPECT_EQ(MenuTexts(::GetSubMenu(::GetMenu(main->Handle()), 2)), Texts{L"Item"});
}

TEST_F(FormMDITest, CascadeTileAndArrangeMoveTheChildren) {
  TOwned<TFrm_MDIMain> main = MakeComponent<TFrm_MDIMain>();
  main->Show();
  std::vector<TCustomForm*> children;
  for (const wchar_t* name : {L"1", L"2", L"3"}) children.push_back(main->Create<TFrm_Child>(name));
  Pump();
  RECT client{};
  ::GetClientRect(main->ClientHandle(), &client);

  main->Cascade();
  std::vector<RECT> cascaded;
  for (TCustomForm* f : children) cascaded.push_back(RectInClient(f->Handle()));
  // Steps down and right, the active child in front at the end.
  EXPECT_LT(cascaded[0].left, cascaded[1].left);
  EXPECT_LT(cascaded[1].top, cascaded[2].top);

  struct Case {
    TTileMode mode;
    bool stacked;  // one above another
  };
  for (const Case& c : {Case{tbHorizontal, true}, Case{tbVertical, false}}) {
    main->SetTileMode(c.mode);
    main->Tile();
    int area = 0;
    std::vector<RECT> tiles;
    for (TCustomForm* f : children) {
      const RECT r = RectInClient(f->Handle());
      for (const RECT& other : tiles) {
        RECT overlap{};
        EXPECT_FALSE(::IntersectRect(&overlap, &r, &other)) << "tiles never overlap";
      }
      tiles.push_back(r);
      area += (r.right - r.left) * (r.bottom - r.top);
      if (c.stacked) {
        EXPECT_EQ(r.right - r.left, client.right);
      } else {
        EXPECT_EQ(r.bottom - r.top, client.bottom);
      }
    }
    EXPECT_GT(area, client.right * client.bottom * 9 / 10) << "tiles cover the client";
  }

  children[0]->SetWindowState(wsMinimized);
  main->ArrangeIcons();
  const RECT icon = RectInClient(children[0]->Handle());
  EXPECT_EQ(icon.bottom, client.bottom);  // icons line the bottom edge
  EXPECT_EQ(icon.left, 0);
}

TEST_F(FormMDITest, CaptureShowsTheChildrenInsideTheClient) {
  TOwned<TFrm_MDIMain> main = MakeComponent<TFrm_MDIMain>();
  main->Show();
  auto* a = main->Create<TFrm_Child>(L"Alpha");
  main->Create<TFrm_Child>(L"Beta");
  main->Cascade();
  Pump();
  ::RedrawWindow(main->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  const TBitmap shot = CaptureWindow(main->Handle(), "forms_mdi.bmp");
  // Each child's frame and client differ from the empty client around them.
  RECT main_{}, child{};
  ::GetWindowRect(main->Handle(), &main_);
  ::GetWindowRect(a->Handle(), &child);
  ::OffsetRect(&child, -main_.left, -main_.top);
  const RECT caption{child.left, child.top, child.right, child.top + ::GetSystemMetrics(SM_CYCAPTION)};
  EXPECT_GT(ColourCount(shot, caption), 2);
  RECT client{};
  ::GetWindowRect(main->ClientHandle(), &client);
  ::OffsetRect(&client, -main_.left, -main_.top);
  const std::uint32_t empty = shot.ScanLine(client.bottom - 4)[client.right - 24] & 0xFFFFFF;
  const COLORREF workspace = ::GetSysColor(COLOR_APPWORKSPACE);
  EXPECT_EQ(empty, static_cast<std::uint32_t>(GetRValue(workspace) << 16 | GetGValue(workspace) << 8 | GetBValue(workspace)));
}

TEST_F(FormMDITest, ChildWithoutMDIFormIsRefused) {
  TApplication app;
  EXPECT_THROW(app.CreateForm<TFrm_Child>(L"lonely"), EInvalidOperation);
  EXPECT_EQ(app.ComponentCount(), 0);
}

TEST_F(FormMDITest, BuildingAndFreeingMDIFormsLeaksNothing) {
  auto build = [] {
    TOwned<TFrm_MDIMain> main = MakeComponent<TFrm_MDIMain>();
    main->Show();
    for (const wchar_t* name : {L"1", L"2", L"3"}) main->Create<TFrm_Child>(name);
    main->Cascade();
    ::UpdateWindow(main->Handle());
    Pump();
    return main->Handle();
  };
  build();
  const long before = GdiLiveObjects();
  const int forms = Screen.FormCount();
  std::vector<HWND> windows;
  for (int i = 0; i < 50; ++i) windows.push_back(build());
  EXPECT_EQ(GdiLiveObjects(), before);
  EXPECT_EQ(Screen.FormCount(), forms);
  for (HWND w : windows) EXPECT_FALSE(::IsWindow(w));
}

}  // namespace
