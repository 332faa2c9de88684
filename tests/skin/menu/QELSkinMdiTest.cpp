// MDI under the skin: the subclassed client cascades and tiles the
// children its own way, the buttons of a maximized child follow its
// BorderIcons and the last child's end, the window menu lists the shown
// children, and the active child's menu joins the main form's bar.
#include <gtest/gtest.h>

#include "MenuTestSupport.h"
#include "menu/QELSkinMdiClient.h"
#include "menu/QELSkinMdiLayout.h"
#include "menu/QELSkinMenuBarControlButton.h"

namespace {

std::string Text(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

// The child's rectangle in the MDI client's client coordinates.
RECT PlaceOf(TCustomForm* child) {
  RECT r{};
  ::GetWindowRect(child->Handle(), &r);
  ::MapWindowPoints(nullptr, ::GetParent(child->Handle()), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

class MdiTest : public MenuBarTest {
 protected:
  void SetUp() override {
    MenuBarTest::SetUp();
    main = MakeMenuForm(true, fsMDIForm, 600, 460);
    window = main->Menu->Items().AddItem(L"&Window");
    main->Item(window, L"Cascade");
    main->SetWindowMenu(window);
    Menus(main).Rebuild();
    // A known room for the children: 500 x 300 inside the client's edge.
    main->SetClientSize(504, Bar(main).Height() + 304);
    Pump();
  }
  void TearDown() override {
    children.clear();
    MenuBarTest::TearDown();
  }
  TMenuForm* Child(const wchar_t* caption, TBorderIcons icons = biSystemMenu | biMinimize | biMaximize,
                   bool withMenu = false) {
    children.push_back(MakeComponent<TMenuForm>());
    TMenuForm* c = children.back().get();
    c->SetFormStyle(fsMDIChild);
    c->SetBorderIcons(icons);
    c->SetCaption(caption);
    c->SetBounds(10, 10, 200, 150);
    if (withMenu) {
      // A group of its own: merged after the main form's items.
      c->AddMenu(L"Child ");
      for (TMenuItem* item : {c->File, c->Edit, c->Help}) item->SetGroupIndex(5);
    }
    c->Show();
    Pump();
    engine().SkinWindow(c->Handle(), false);
    Pump();
    return c;
  }
  bool Shown(TqelMdiButton b) { return Menus(main).MdiButton(b)->Visible(); }
  std::wstring BarCaptions() {
    std::wstring s;
    for (int i = 0; i < Bar(main).ButtonCount(); ++i) s += Bar(main).Buttons(i)->Caption() + L"|";
    return s;
  }

  TMenuForm* main = nullptr;
  TMenuItem* window = nullptr;
  std::vector<TOwned<TMenuForm>> children;
};

}  // namespace

TEST(MdiLayout, CascadeAndTileTables) {
  // Cascade: 80 % x 60 %, the last child at the corner, 22 px steps.
  const std::vector<RECT> cascade = MdiCascadeRects(500, 300, 3);
  const char* expected[] = {"44,44,444,224", "22,22,422,202", "0,0,400,180"};
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Text(cascade[i]), expected[i]) << i;
  // Tile: width x height of the room, count, stacked, icons row.
  struct Case {
    int w, h, n;
    bool stacked, icons;
    std::vector<const char*> rects;
  } cases[] = {
      {504, 304, 2, true, false, {"0,0,500,150", "0,152,500,302"}},
      {504, 304, 1, true, false, {"0,0,500,300"}},
      {504, 304, 2, false, false, {"0,0,250,300", "252,0,502,300"}},
      {504, 304, 3, true, true, {"0,0,500,91", "0,93,500,184", "0,186,500,277"}},
      {504, 304, 2, false, true, {"0,0,250,275", "252,0,502,275"}},
  };
  for (const Case& c : cases) {
    const std::vector<RECT> rects = MdiTileRects(c.w, c.h, c.n, c.stacked, c.icons);
    ASSERT_EQ(rects.size(), c.rects.size());
    for (size_t i = 0; i < rects.size(); ++i)
      EXPECT_EQ(Text(rects[i]), c.rects[i]) << c.n << (c.stacked ? " stacked" : " side by side") << " #" << i;
  }
  EXPECT_TRUE(MdiTileRects(504, 304, 0, true, false).empty());
}

TEST_F(MdiTest, ClientCascadesAndTilesTheShownChildrenAndAnswersTheFrameSizes) {
  HWND client = main->ClientHandle();
  RECT room{};
  ::GetClientRect(client, &room);
  ASSERT_EQ(Text(room), "0,0,500,300");
  ASSERT_NE(Menus(main).MdiClient(), nullptr);
  EXPECT_EQ(::SendMessageW(client, QM_GETMDICAPTION, 0, 0), VclFrame(main)->PlatformCaptionHeight());
  EXPECT_EQ(::SendMessageW(client, QM_GETMDISIDE, 0, 0), VclFrame(main)->PlatformSideFrame());
  EXPECT_EQ(::SendMessageW(client, QM_GETMDIBOTTOM, 0, 0), VclFrame(main)->PlatformBottomFrame());

  TMenuForm* a = Child(L"A");
  TMenuForm* b = Child(L"B");
  TMenuForm* icon = Child(L"Icon");
  TMenuForm* c = Child(L"C");
  ::ShowWindow(icon->Handle(), SW_MINIMIZE);
  Pump();
  const RECT iconPlace = PlaceOf(icon);
  // The shown, not minimized children front to back, as the client has them.
  auto order = [&] {
    std::vector<TCustomForm*> forms;
    for (HWND h : Menus(main).MdiClient()->Children())
      for (TCustomForm* f : {static_cast<TCustomForm*>(a), static_cast<TCustomForm*>(b), static_cast<TCustomForm*>(c)})
        if (f->Handle() == h) forms.push_back(f);
    return forms;
  };
  std::vector<TCustomForm*> front = order();
  ASSERT_EQ(front.size(), 3u);
  main->Cascade();
  Pump();
  // The last child at the corner, the front one 2 steps in.
  EXPECT_EQ(Text(PlaceOf(front[2])), "0,0,400,180");
  EXPECT_EQ(Text(PlaceOf(front[1])), "22,22,422,202");
  EXPECT_EQ(Text(PlaceOf(front[0])), "44,44,444,224");
  EXPECT_EQ(Text(PlaceOf(icon)), Text(iconPlace)) << "a minimized child keeps its place";
  // Tiled with an icon among them: 25 px kept for the icons.
  front = order();
  main->SetTileMode(tbHorizontal);
  main->Tile();
  Pump();
  EXPECT_EQ(Text(PlaceOf(front[0])), "0,0,500,91");
  EXPECT_EQ(Text(PlaceOf(front[1])), "0,93,500,184");
  EXPECT_EQ(Text(PlaceOf(front[2])), "0,186,500,277");
  EXPECT_EQ(Text(PlaceOf(icon)), Text(iconPlace));
  children.erase(children.begin() + 2);  // the minimized one goes
  Pump();
  front = order();
  main->SetTileMode(tbVertical);
  main->Tile();
  Pump();
  EXPECT_EQ(Text(PlaceOf(front[0])), "0,0,166,300");
  EXPECT_EQ(Text(PlaceOf(front[1])), "168,0,334,300");
  EXPECT_EQ(Text(PlaceOf(front[2])), "336,0,502,300");
}

TEST_F(MdiTest, MaximizedChildShowsTheButtonsItsIconsAllowUntilRestoredOrGone) {
  TMenuForm* full = Child(L"Full");
  TMenuForm* noMin = Child(L"NoMin", biSystemMenu | biMaximize);
  for (TqelMdiButton b : {mbClose, mbRestore, mbMinimize}) EXPECT_FALSE(Shown(b));
  EXPECT_EQ(Menus(main).MdiButton(mbClose)->Tag(), -1381);
  EXPECT_EQ(Menus(main).MdiButton(mbRestore)->Tag(), -1382);
  EXPECT_EQ(Menus(main).MdiButton(mbMinimize)->Tag(), -1383);

  noMin->SetWindowState(wsMaximized);
  Pump();
  ASSERT_TRUE(::IsZoomed(noMin->Handle()));
  EXPECT_TRUE(Shown(mbClose));
  EXPECT_TRUE(Shown(mbRestore));
  EXPECT_FALSE(Shown(mbMinimize)) << "no biMinimize";
  // Right to left from the form's right edge, 18 px apart, in the bar.
  const int x = main->Width() - engine().Values().RightBorderWidth - 26;
  EXPECT_EQ(Menus(main).MdiButton(mbClose)->Left(), x);
  EXPECT_EQ(Menus(main).MdiButton(mbRestore)->Left(), x - 18);
  EXPECT_EQ(Menus(main).MdiButton(mbMinimize)->Left(), x - 36);
  EXPECT_LE(Menus(main).MdiButton(mbClose)->BoundsRect().bottom, Bar(main).Height());
  // The glyph: the close frame of the strip, drawn at (1, 1).
  TqelSkinMenuBarControlButton* close = Menus(main).MdiButton(mbClose);
  TBitmap shot(18, 18);
  close->PaintTo(shot.Canvas().Handle(), 0, 0);
  KeepCapture(shot, "mdi_close_button");
  int black = 0;
  for (int y = 0; y < 18; ++y)
    for (int xx = 0; xx < 18; ++xx) black += PixelAt(shot, xx, y) == clBlack;
  EXPECT_GT(black, 10);
  EXPECT_EQ(PixelAt(shot, 0, 0), Bar(main).Look().StartColor) << "the gradient, no frame without the mouse";
  // The maximized child is drawn afresh: nothing of its old caption stays.
  const TBitmap screen = CaptureScreen();
  KeepCapture(screen, "mdi_maximized");
  POINT top{20, 3};
  ::ClientToScreen(main->ClientHandle(), &top);
  int stale = 0;
  for (int dx = 0; dx < 150; ++dx) stale += PixelAt(screen, top.x + dx, top.y) != noMin->Color();
  EXPECT_EQ(stale, 0);

  // Restoring hides them; the minimize button acts on the active child.
  noMin->SetWindowState(wsNormal);
  Pump();
  for (TqelMdiButton b : {mbClose, mbRestore, mbMinimize}) EXPECT_FALSE(Shown(b));
  full->SetWindowState(wsMaximized);
  Pump();
  for (TqelMdiButton b : {mbClose, mbRestore, mbMinimize}) EXPECT_TRUE(Shown(b));
  ASSERT_EQ(main->ActiveMDIChild(), full);
  ::SetForegroundWindow(main->Handle());
  ClickAt(*Menus(main).MdiButton(mbMinimize), {9, 9});
  EXPECT_TRUE(::IsIconic(full->Handle()));
  EXPECT_FALSE(Shown(mbClose));

  // The last child's end hides them too.
  children.erase(children.begin());  // full
  Pump();
  noMin->SetWindowState(wsMaximized);
  Pump();
  EXPECT_TRUE(Shown(mbClose));
  children.clear();
  Pump();
  for (TqelMdiButton b : {mbClose, mbRestore, mbMinimize}) EXPECT_FALSE(Shown(b));

  // A child maximized before it is skinned shows them once it is; when it
  // loses the skin they go.
  children.push_back(MakeComponent<TMenuForm>());
  TMenuForm* early = children.back().get();
  early->SetFormStyle(fsMDIChild);
  early->SetBorderIcons(biSystemMenu | biMinimize);
  early->Show();
  early->SetWindowState(wsMaximized);
  Pump();
  EXPECT_FALSE(Shown(mbClose));
  engine().SkinWindow(early->Handle(), false);
  Pump();
  EXPECT_TRUE(Shown(mbClose));
  EXPECT_TRUE(Shown(mbMinimize));
  EXPECT_FALSE(Shown(mbRestore));
  engine().UnskinWindow(early->Handle());
  Pump();
  EXPECT_FALSE(Shown(mbClose));
}

TEST_F(MdiTest, WindowMenuListsTheShownChildrenAndTheActiveChildsMenuJoinsTheBar) {
  const std::wstring own = L"&File|&Edit|&Help|&Window|";
  EXPECT_EQ(BarCaptions(), own);
  TMenuForm* a = Child(L"Alpha", biSystemMenu | biMinimize | biMaximize, true);
  Pump();
  EXPECT_EQ(BarCaptions(), own + L"Child &File|Child &Edit|Child &Help|");
  TMenuForm* b = Child(L"Beta");
  Pump();
  EXPECT_EQ(BarCaptions(), own) << "Beta has no menu of its own";
  // Separator, then the children front to back.
  auto entries = [this] {
    std::wstring s;
    for (int i = 1; i < window->Count(); ++i) s += window->Items(i)->Caption() + L"|";
    return s;
  };
  EXPECT_EQ(entries(), L"-|Beta|Alpha|");
  EXPECT_EQ(Menus(main).WindowMenuItemCount(), 3);
  // A hidden child is left out.
  b->Hide();
  Pump();
  EXPECT_EQ(::SendMessageW(b->Handle(), QM_ISMDICHILDHIDDEN, 0, 0), 1);
  EXPECT_EQ(entries(), L"-|Alpha|");
  // Clicking an entry brings a minimized child back to the front.
  ::ShowWindow(a->Handle(), SW_MINIMIZE);
  Pump();
  window->Items(2)->Click();
  Pump();
  EXPECT_FALSE(::IsIconic(a->Handle()));
  EXPECT_EQ(main->ActiveMDIChild(), a);
  EXPECT_EQ(BarCaptions(), own + L"Child &File|Child &Edit|Child &Help|");
  // The child's shortcuts come first on the main form.
  ::SetForegroundWindow(main->Handle());
  Pump();
  PressKey('N', {VK_CONTROL});
  EXPECT_EQ(a->Picked, L"New ");
  EXPECT_EQ(main->Picked, L"");
  // Gone, the child leaves the bar and the window menu.
  children.clear();
  Pump();
  EXPECT_EQ(BarCaptions(), own);
  EXPECT_EQ(entries(), L"");
}

TEST_F(MdiTest, ActiveChildSkinnedAfterItOpenedWhileSkinningAllFormsJoinsTheBar) {
  // A program that opens its documents after its main form has shown skins
  // them in a SkinAllForms pass: the active one was activated before it had
  // a frame, so no activation tells the bar about its menu.
  engine().SetSkinAllForms(true);
  for (const wchar_t* prefix : {L"One ", L"Two "}) {
    children.push_back(MakeComponent<TMenuForm>());
    TMenuForm* c = children.back().get();
    c->SetFormStyle(fsMDIChild);
    c->SetBounds(10, 10, 200, 150);
    c->AddMenu(prefix);
    for (TMenuItem* item : {c->File, c->Edit, c->Help}) item->SetGroupIndex(5);
    // As a document's menu is given: its Menu, which never shows on the
    // child's own window.
    c->Menu->AttachTo(nullptr);
    c->SetMenu(c->Menu);
    c->Show();
    Pump();
  }
  ASSERT_EQ(main->ActiveMDIChild(), children.back().get());
  engine().RunSkinAllForms();
  Pump();
  ASSERT_NE(VclFrame(children.front().get()), nullptr);
  ASSERT_NE(VclFrame(children.back().get()), nullptr);
  EXPECT_EQ(BarCaptions(), L"&File|&Edit|&Help|&Window|Two &File|Two &Edit|Two &Help|");
  // Activating the other document still swaps the menus.
  ::SendMessageW(main->ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(children.front()->Handle()), 0);
  Pump();
  EXPECT_EQ(BarCaptions(), L"&File|&Edit|&Help|&Window|One &File|One &Edit|One &Help|");
}

TEST_F(MdiTest, MaximizedChildsClientFillsTheMdiClientFromItsTopEdge) {
  // The platform hangs a maximized child's caption above the MDI client;
  // the skinned child shows no caption there, and its client begins right
  // at the MDI client's top, none of it hidden above.
  TMenuForm* c = Child(L"Zoomed");
  c->SetWindowState(wsMaximized);
  Pump();
  ASSERT_TRUE(::IsZoomed(c->Handle()));
  HWND client = main->ClientHandle();
  RECT room{}, inner{};
  ::GetClientRect(client, &room);
  ::GetClientRect(c->Handle(), &inner);
  ::MapWindowPoints(c->Handle(), client, reinterpret_cast<POINT*>(&inner), 2);
  EXPECT_EQ(inner.top, 0);
  // At most the skin's borders, where they are wider than the platform's,
  // show at the other edges.
  const TqelSkinValues& v = engine().Values();
  EXPECT_LE(inner.left, v.LeftBorderWidth);
  EXPECT_GE(inner.right, room.right - v.RightBorderWidth);
  EXPECT_GE(inner.bottom, room.bottom - v.BottomBorderHeight);
  EXPECT_GT(inner.bottom, room.bottom / 2);
  // The main form's skinned title names the maximized child as the
  // platform's does, and drops it once the child is restored.
  EXPECT_NE(VclFrame(main)->ShownCaption().find(L"Zoomed"), std::wstring::npos) << VclFrame(main)->ShownCaption();
  c->SetWindowState(wsNormal);
  Pump();
  EXPECT_EQ(VclFrame(main)->ShownCaption(), main->Caption());
}
