// The skinned menu bar: it takes the place of the form's main menu and
// gives it back, paints itself in the skin's menu colours, and works from
// the mouse and the keyboard like the platform's menu bar; shortcuts run
// on the active form only.
#include <gtest/gtest.h>

#include "MenuTestSupport.h"
#include "QELSkinUtilsGradient.h"
#include "framework/Panel.h"
#include "menu/QELSkinMenuBarPaint.h"
#include "menu/QELSkinMenuMerge.h"

namespace {

int CountColor(const TBitmap& b, RECT r, TColor color) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) n += Px(b, x, y) == ColorToPixel(color);
  return n;
}

TBitmap PaintOf(TqelSkinMenuBar& bar) {
  TBitmap shot(bar.Width(), bar.Height());
  bar.PaintTo(shot.Canvas().Handle(), 0, 0);
  return shot;
}

}  // namespace

TEST_F(MenuBarTest, MainMenuMovesIntoTheBarAndBackWhileAFormWithoutKeepsItsLayout) {
  // Without a main menu: no bar, the client and the controls as they were.
  for (bool withMenu : {false, true}) {
    SCOPED_TRACE(withMenu ? "with a main menu" : "without a main menu");
    menuForms_.push_back(MakeComponent<TMenuForm>());
    TMenuForm* f = menuForms_.back().get();
    f->SetBounds(60, 60, 360, 260);
    if (withMenu) f->AddMenu();
    TPanel* panel = f->Create<TPanel>();
    panel->SetParent(f);
    panel->SetBounds(10, 10, 100, 50);
    TPanel* top = f->Create<TPanel>();
    top->SetParent(f);
    top->SetAlign(alTop);
    top->SetHeight(30);
    f->Show();
    Pump();
    RECT before{};
    ::GetClientRect(f->Handle(), &before);
    ASSERT_EQ(::GetMenu(f->Handle()) != nullptr, withMenu);
    engine().SkinWindow(f->Handle(), false);
    Pump();
    TqelSkinMenuBar& bar = Bar(f);
    const int height = withMenu ? bar.Height() : 0;
    EXPECT_EQ(bar.Visible(), withMenu);
    EXPECT_EQ(::GetMenu(f->Handle()), nullptr) << "the platform's menu bar is off the window";
    EXPECT_EQ(::SendMessageW(f->Handle(), QM_GETMENUBARHEIGHT, 0, 0), height);
    RECT skinned{};
    ::GetClientRect(f->Handle(), &skinned);
    EXPECT_EQ(skinned.right, before.right);
    EXPECT_EQ(skinned.bottom, before.bottom + height) << "the client grows by the bar";
    EXPECT_EQ(panel->Top(), 10 + height) << "moved down once, by the bar";
    EXPECT_EQ(top->Top(), height) << "aligned controls go under the bar";
    if (withMenu) {
      EXPECT_GT(height, 10);
      EXPECT_EQ(bar.Top(), 0);
      ASSERT_EQ(bar.ButtonCount(), 3);
      EXPECT_EQ(bar.Buttons(0)->MenuItem(), f->File);
      EXPECT_EQ(bar.Buttons(2)->Caption(), L"&Help");
      EXPECT_TRUE(bar.Buttons(0)->Grouped());
      EXPECT_TRUE(bar.Buttons(0)->AutoSize());
    }
    if (withMenu) {
      // Changes of the menu show once the application is idle.
      f->Help->SetCaption(L"&About");
      f->Menu->Items().AddItem(L"&Tools");
      f->Edit->SetEnabled(false);
      EXPECT_EQ(bar.ButtonCount(), 3) << "not before";
      const UINT_PTR wake = ::SetTimer(nullptr, 0, 20, nullptr);
      for (int i = 0; i < 50 && bar.ButtonCount() != 4; ++i) Application.HandleMessage();
      ::KillTimer(nullptr, wake);
      ASSERT_EQ(bar.ButtonCount(), 4);
      EXPECT_EQ(bar.Buttons(2)->Caption(), L"&About");
      EXPECT_EQ(bar.Buttons(3)->Caption(), L"&Tools");
      EXPECT_FALSE(bar.Buttons(1)->Enabled());
    }
    // A second application of the skin moves nothing again.
    engine().SetActive(false);
    Pump();
    EXPECT_EQ(::GetMenu(f->Handle()) != nullptr, withMenu) << "the menu is given back";
    EXPECT_FALSE(bar.Visible());
    RECT plain{};
    ::GetClientRect(f->Handle(), &plain);
    EXPECT_EQ(plain.bottom, before.bottom);
    EXPECT_EQ(panel->Top(), 10);
    engine().SetActive(true);
    Pump();
    EXPECT_EQ(panel->Top(), 10 + height);
    EXPECT_EQ(::GetMenu(f->Handle()), nullptr);
    engine().UnskinWindow(f->Handle());
    Pump();
    EXPECT_EQ(::GetMenu(f->Handle()) != nullptr, withMenu);
    EXPECT_EQ(panel->Top(), 10);
  }
}

TEST_F(MenuBarTest, BackgroundAndSelectedButtonArePaintedInTheMenuColours) {
  TMenuForm* f = MakeMenuForm(true);
  TqelSkinMenuBar& bar = Bar(f);
  TqelSkinReader& skin = engine().SkinReader();
  // The look is the skin's.
  const TqelMenuBarLook skinLook = bar.Look();
  EXPECT_EQ(skinLook.Selected, skin.GetColor(SKIN2_TOPSELECTEDMENUCOLOR));
  EXPECT_EQ(skinLook.SelectedBorder, skin.GetColor(SKIN2_TOPSELECTEDMENUBORDERCOLOR));
  EXPECT_EQ(skinLook.SelectedFont, skin.GetColor(SKIN2_TOPSELECTEDMENUFONTCOLOR));
  EXPECT_EQ(skinLook.Font, skin.GetColor(SKIN2_TOPMENUFONTCOLOR));
  EXPECT_EQ(skinLook.StartColor, skin.GetColor(SKIN2_MENUBARSTARTCOLOR));

  TToolButton* file = bar.Buttons(0);
  TToolButton* edit = bar.Buttons(1);
  const RECT right{bar.Buttons(2)->BoundsRect().right + 2, 0, bar.Width(), bar.Height()};
  const int rightArea = (right.right - right.left) * (right.bottom - right.top);
  auto inside = [](TToolButton* b) {
    RECT r = b->BoundsRect();
    return RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  };
  auto area = [](RECT r) { return (r.right - r.left) * (r.bottom - r.top); };

  // Solid (the built-in skin's two bar colours are one): every background
  // pixel; no button selected, the captions in the top menu font colour.
  TBitmap shot = PaintOf(bar);
  KeepCapture(shot, "menubar_solid");
  EXPECT_EQ(CountColor(shot, right, skinLook.StartColor), rightArea);
  EXPECT_GT(CountColor(shot, inside(file), skinLook.Font), 5) << "caption";
  EXPECT_EQ(file->Tag(), 0);

  // Chosen from the keyboard: Tag 888, filled, framed, written in the
  // selected font colour; the neighbour stays plain.
  bar.EnterKeyboardMode();
  shot = PaintOf(bar);
  EXPECT_EQ(file->Tag(), kSelectedMenuButtonTag);
  EXPECT_EQ(edit->Tag(), 0);
  const RECT fileRect = file->BoundsRect();
  EXPECT_EQ(PixelAt(shot, fileRect.left, fileRect.top), skinLook.SelectedBorder);
  const int fill = CountColor(shot, inside(file), skinLook.Selected);
  const int text = CountColor(shot, inside(file), skinLook.SelectedFont);
  EXPECT_GT(text, 5);
  EXPECT_GT(fill, area(inside(file)) / 2);
  EXPECT_EQ(CountColor(shot, inside(edit), skinLook.Selected), 0);
  bar.LeaveKeyboardMode();

  // Distinct fill and frame, a gradient, then a picture.
  TqelMenuBarLook look = skinLook;
  look.Selected = 0x00C0FF;
  look.SelectedBorder = 0x0000FF;
  look.SelectedFont = 0xFF0000;
  look.StartColor = 0x202020;
  look.EndColor = 0x20E0E0;
  bar.SetLook(look);
  bar.EnterKeyboardMode();
  shot = PaintOf(bar);
  KeepCapture(shot, "menubar_gradient");
  const std::vector<TColor> rows = GradientColors(look.StartColor, look.EndColor, bar.Height());
  int wrongRows = 0;
  for (int y = 0; y < bar.Height(); ++y)
    wrongRows += CountColor(shot, {right.left, y, right.right, y + 1}, rows[static_cast<size_t>(y)]) !=
                 right.right - right.left;
  EXPECT_EQ(wrongRows, 0);
  int frameWrong = 0;
  for (int x = fileRect.left; x < fileRect.right; ++x)
    frameWrong += (PixelAt(shot, x, fileRect.top) != look.SelectedBorder) +
                  (PixelAt(shot, x, fileRect.bottom - 1) != look.SelectedBorder);
  for (int y = fileRect.top; y < fileRect.bottom; ++y)
    frameWrong += (PixelAt(shot, fileRect.left, y) != look.SelectedBorder) +
                  (PixelAt(shot, fileRect.right - 1, y) != look.SelectedBorder);
  EXPECT_EQ(frameWrong, 0) << "a one-pixel frame all round";
  EXPECT_GT(CountColor(shot, inside(file), look.Selected), area(inside(file)) / 2);
  EXPECT_GT(CountColor(shot, inside(file), look.SelectedFont), 5);
  bar.LeaveKeyboardMode();

  // A picture as high as the bar, one colour per row: stretched across.
  const int h = bar.Height();
  const TBitmap picture = MakeBitmap(3, h, [](int, int y) { return 0x100000u | (static_cast<unsigned>(y) << 9); });
  look.Background = &picture;
  bar.SetLook(look);
  shot = PaintOf(bar);
  KeepCapture(shot, "menubar_picture");
  EXPECT_EQ(CountDifferent(shot, {0, 0, bar.Width(), h}, picture, {0, 0, 3, h}, clNone, clNone, &right), 0)
      << "the picture stretched over the whole bar";
  // The bar colours of a skin with a picture: the middle of its left column.
  TColor top = 0, bottom = 0;
  MenuBarColors(&picture, 0x111111, 0x222222, top, bottom);
  EXPECT_EQ(top, picture.Pixel(0, h / 2));
  EXPECT_EQ(bottom, top);
  MenuBarColors(nullptr, 0x111111, 0x222222, top, bottom);
  EXPECT_EQ(top, 0x111111);
  EXPECT_EQ(bottom, 0x222222);
}

TEST_F(MenuBarTest, ShortcutsRunOnTheActiveFormOnly) {
  TMenuForm* a = MakeMenuForm(true);
  TMenuForm* b = MakeMenuForm(true);
  ::SetForegroundWindow(a->Handle());
  ::SetActiveWindow(a->Handle());
  Pump();
  ASSERT_EQ(::SendMessageW(a->Handle(), QM_ISACTIVE, 0, 0), 1);
  ASSERT_EQ(::SendMessageW(b->Handle(), QM_ISACTIVE, 0, 0), 2);
  // Real keys reach the active form: its item runs, once, and the key goes
  // no further.
  PressKey('N', {VK_CONTROL});
  EXPECT_EQ(a->Picked, L"New ");
  EXPECT_EQ(b->Picked, L"");
  // A key queued for the inactive form is not offered to its menu.
  a->Picked.clear();
  ::PostMessageW(b->Handle(), WM_KEYDOWN, VK_F5, 1);
  Pump();
  EXPECT_EQ(b->Picked, L"");
  ::PostMessageW(a->Handle(), WM_KEYDOWN, VK_F5, 1);
  Pump();
  EXPECT_EQ(a->Picked, L"Open ");
  // A disabled item's shortcut does nothing; an unskinned form has none.
  a->Picked.clear();
  a->File->Items(1)->SetEnabled(false);
  ::PostMessageW(a->Handle(), WM_KEYDOWN, VK_F5, 1);
  Pump();
  EXPECT_EQ(a->Picked, L"");
}

TEST_F(MenuBarTest, KeyboardChoosesMovesOpensAndLeaves) {
  TMenuForm* f = MakeMenuForm(true);
  TqelSkinMenuBar& bar = Bar(f);
  ::SetForegroundWindow(f->Handle());
  Pump();
  // Alt alone chooses the first title; Left and Right move round.
  PressKey(VK_MENU);
  EXPECT_EQ(bar.KeyboardIndex(), 0);
  PressKey(VK_RIGHT);
  EXPECT_EQ(bar.KeyboardIndex(), 1);
  PressKey(VK_LEFT);
  PressKey(VK_LEFT);
  EXPECT_EQ(bar.KeyboardIndex(), 2) << "from the first to the last";
  PressKey(VK_ESCAPE);
  EXPECT_EQ(bar.KeyboardIndex(), -1) << "Esc leaves";
  // F10 too; Alt again leaves.
  PressKey(VK_F10);
  EXPECT_EQ(bar.KeyboardIndex(), 0);
  PressKey(VK_MENU);
  EXPECT_EQ(bar.KeyboardIndex(), -1);
  EXPECT_EQ(f->Picked, L"");

  // Down opens the chosen title's menu on its first item; Enter picks.
  Play({KeyInput(VK_MENU), KeyInput(VK_DOWN), KeyInput(VK_RETURN)});
  EXPECT_EQ(f->Picked, L"New ");
  // Enter opens too; Right inside a menu goes on to the next one.
  f->Picked.clear();
  Play({KeyInput(VK_MENU), KeyInput(VK_RETURN), KeyInput(VK_RIGHT), KeyInput(VK_DOWN), KeyInput(VK_RETURN)});
  EXPECT_EQ(f->Picked, L"Cut ") << "Edit opened by Right, Down to Cut";
  EXPECT_EQ(bar.KeyboardIndex(), -1);
  // Alt and a mnemonic open that title; a title without sub-items runs.
  f->Picked.clear();
  Play({KeyInput('E', {VK_MENU}), KeyInput(VK_RETURN)});
  EXPECT_EQ(f->Picked, L"Cut ");
  f->Picked.clear();
  PressKey('H', {VK_MENU});
  EXPECT_EQ(f->Picked, L"Help ");
  // Enter on a title without sub-items runs it.
  f->Picked.clear();
  Play({KeyInput(VK_MENU), KeyInput(VK_LEFT), KeyInput(VK_RETURN)});
  EXPECT_EQ(f->Picked, L"Help ");
  EXPECT_EQ(bar.KeyboardIndex(), -1);
  // A plain letter is no mnemonic unless a title is chosen.
  f->Picked.clear();
  PressKey('E');
  EXPECT_EQ(f->Picked, L"");
  Play({KeyInput(VK_MENU), KeyInput('E'), KeyInput(VK_RETURN)});
  EXPECT_EQ(f->Picked, L"Cut ");
}

TEST_F(MenuBarTest, MenusOpenUnderTheirButtonsAndTheMouseMovesAlong) {
  TMenuForm* f = MakeMenuForm(true);
  TqelSkinMenuBar& bar = Bar(f);
  ::SetForegroundWindow(f->Handle());
  Pump();
  TToolButton* file = bar.Buttons(0);
  TToolButton* edit = bar.Buttons(1);
  RECT under{};
  TBitmap screen;
  {
    TPopupWatch watch([&](HWND menu) {
      ::GetWindowRect(menu, &under);
      screen = CaptureScreen();
    });
    ClickAt(bar, Centre(file));
    EXPECT_TRUE(TPopupWatch::Seen());
  }
  KeepCapture(screen, "menubar_open");
  const POINT corner = bar.ClientToScreen(POINT{file->Left(), file->Top() + file->Height()});
  EXPECT_EQ(under.left, corner.x);
  EXPECT_EQ(under.top, corner.y) << "the menu hangs from its button";
  EXPECT_EQ(f->Picked, L"");

  // While File's menu is open the mouse goes to Edit: Edit's menu opens.
  const POINT editAt = bar.ClientToScreen(Centre(edit));
  Inputs move = ClickInput(bar, Centre(edit));
  move.resize(1);  // the move only
  Play({ClickInput(bar, Centre(file)), move, KeyInput(VK_DOWN), KeyInput(VK_RETURN)});
  EXPECT_EQ(f->Picked, L"Cut ") << "at " << editAt.x << "," << editAt.y;
  // A title without sub-items runs once per click, not from a press on
  // its very corner, and never from a release.
  f->Picked.clear();
  ClickAt(bar, Centre(bar.Buttons(2)));
  EXPECT_EQ(f->Picked, L"Help ");
  TToolButton* help = bar.Buttons(2);
  ::SendMessageW(bar.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(help->Left(), help->Top()));
  ::SendMessageW(bar.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(help->Left() + 3, help->Top() + 3));
  Pump();
  EXPECT_EQ(f->Picked, L"Help ");
}

TEST(MenuMerge, ChildItemsMergeByGroupIndex) {
  TOwned<TMainMenu> form = MakeComponent<TMainMenu>();
  TOwned<TMainMenu> child = MakeComponent<TMainMenu>();
  TMenuItem* file = form->Items().AddItem(L"File");
  TMenuItem* window = form->Items().AddItem(L"Window");
  window->SetGroupIndex(9);
  TMenuItem* edit = child->Items().AddItem(L"Edit");
  edit->SetGroupIndex(1);
  EXPECT_EQ(MergedMenuItems(form.get(), child.get()), (std::vector<TMenuItem*>{file, edit, window}));
  EXPECT_EQ(MergedMenuItems(form.get(), nullptr), (std::vector<TMenuItem*>{file, window}));
  EXPECT_EQ(MergedMenuItems(nullptr, child.get()), (std::vector<TMenuItem*>{edit}));
  EXPECT_TRUE(MergedMenuItems(nullptr, nullptr).empty());
  // A child's item of a group the form has replaces the form's.
  edit->SetGroupIndex(0);
  EXPECT_EQ(MergedMenuItems(form.get(), child.get()), (std::vector<TMenuItem*>{edit, window}));
}
