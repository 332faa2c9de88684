// The gallery in this process: every page built in its enabled and
// disabled group, the MDI window with merged menus and its window list,
// the raw dialog's template, the command line, and no leaks; skinned, the
// MDI window and its documents by the main form's engine.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>

#include "CommandLine.h"
#include "Capture.h"
#include "FrameworkTesting.h"
#include "GalleryForm.h"
#include "GalleryPage.h"
#include "MdiWindow.h"
#include "RawDialog.h"
#include "engine/QELSkinEngine.h"
#include "frame/QELSkinWindowVCL.h"
#include "framework/Menus.h"
#include "framework/Screen.h"
#include "framework/comctrls/TabControl.h"
#include "framework/stdctrls/Button.h"
#include "graphics/GdiObjects.h"
#include "menu/QELSkinFormMenus.h"
#include "menu/QELSkinMenuBar.h"
#include "painters/StandardSkinners.h"

namespace {

class GalleryTest : public FrameworkTest {};

void ForEachControl(TWinControl& parent, const std::function<void(TControl&)>& visit) {
  for (int i = 0; i < parent.ControlCount(); ++i) {
    TControl* c = parent.Controls(i);
    visit(*c);
    if (auto* w = dynamic_cast<TWinControl*>(c)) ForEachControl(*w, visit);
  }
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

// The windows of this thread, top-level and child.
int ThreadWindowCount() {
  int count = 0;
  auto countChild = [](HWND, LPARAM n) -> BOOL {
    ++*reinterpret_cast<int*>(n);
    return TRUE;
  };
  static const WNDENUMPROC child = countChild;
  auto countTop = [](HWND w, LPARAM n) -> BOOL {
    ++*reinterpret_cast<int*>(n);
    ::EnumChildWindows(w, child, n);
    return TRUE;
  };
  ::EnumThreadWindows(::GetCurrentThreadId(), countTop, reinterpret_cast<LPARAM>(&count));
  return count;
}

TEST_F(GalleryTest, EveryPageShowsItsControlsEnabledAndAgainDisabled) {
  TOwned<TFrm_Gallery> form = MakeComponent<TFrm_Gallery>();
  form->Show();
  Pump();
  const auto& pages = GalleryPages();
  ASSERT_EQ(form->PageCount(), static_cast<int>(pages.size()));
  std::set<std::string_view> names;
  for (size_t i = 0; i < pages.size(); ++i) {
    SCOPED_TRACE(std::string(pages[i].Name));
    EXPECT_TRUE(names.insert(pages[i].Name).second) << "page names are unique";
    ASSERT_TRUE(form->ShowPage(pages[i].Name));
    TTabSheet* sheet = form->Page(static_cast<int>(i));
    EXPECT_EQ(form->PageControl1->ActivePage(), sheet);
    Pump();
    ASSERT_EQ(sheet->ControlCount(), pages[i].Twice ? 2 : 1);
    // Both groups hold the same controls; in the second every control
    // placed on the page is disabled, and each windowed one shows.
    std::vector<std::string> kinds[2];
    for (int g = 0; g < sheet->ControlCount(); ++g) {
      auto* group = dynamic_cast<TWinControl*>(sheet->Controls(g));
      ASSERT_NE(group, nullptr);
      ForEachControl(*group, [&](TControl& c) {
        kinds[g].emplace_back(c.ClassName());
        if (auto* w = dynamic_cast<TWinControl*>(&c); w && w->Visible() && w->Parent()->Visible()) {
          EXPECT_TRUE(w->HandleAllocated() && ::IsWindowVisible(w->Handle())) << c.ClassName();
        }
      });
      for (int k = 0; g == 1 && k < group->ControlCount(); ++k)
        EXPECT_FALSE(group->Controls(k)->Enabled()) << group->Controls(k)->ClassName();
    }
    EXPECT_FALSE(kinds[0].empty());
    if (pages[i].Twice) {
      EXPECT_EQ(kinds[0], kinds[1]);
    }
  }
  EXPECT_FALSE(form->ShowPage("no-such-page"));

  // Shown, the buttons page holds its pressed button down.
  ASSERT_TRUE(form->ShowPage("buttons"));
  Pump();
  int pressed = 0;
  ForEachControl(*form->Page(0), [&](TControl& c) {
    if (c.Caption() == L"&Pressed" && c.Enabled())
      pressed += (::SendMessageW(static_cast<TWinControl&>(c).Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
  });
  EXPECT_EQ(pressed, 1);
}

TEST_F(GalleryTest, MDIWindowMergesTheActiveChildsMenuAndListsTheChildren) {
  TOwned<TFrm_Gallery> form = MakeComponent<TFrm_Gallery>();
  form->Show();
  TFrm_GalleryMDI& mdi = form->OpenMDI();
  EXPECT_EQ(&form->OpenMDI(), &mdi) << "opened once";
  Pump();
  ASSERT_EQ(mdi.MDIChildCount(), 3);
  HMENU bar = ::GetMenu(mdi.Handle());
  using Texts = std::vector<std::wstring>;
  EXPECT_EQ(MenuTexts(bar), (Texts{L"&File", L"&Edit", L"&Document 3", L"&Window", L"&Help"}));
  EXPECT_EQ(MenuTexts(::GetSubMenu(bar, 3)),
            (Texts{L"&Cascade", L"&Tile", L"&Arrange icons", L"", L"&1 Document 3", L"&2 Document 2",
                   L"&3 Document 1"}));
  // Picking a child in the window menu activates it, and its menu shows.
  ::SendMessageW(mdi.Handle(), WM_COMMAND, ::GetMenuItemID(::GetSubMenu(bar, 3), 6), 0);
  Pump();
  EXPECT_EQ(mdi.ActiveMDIChild()->Caption(), L"Document 1");
  bar = ::GetMenu(mdi.Handle());
  EXPECT_EQ(MenuTexts(bar)[2], L"&Document 1");
  // Closing it (File, Close window) takes it out of the list.
  mdi.ActiveMDIChild()->Close();
  ASSERT_TRUE(PumpUntil([&] { return mdi.MDIChildCount() == 2; }));
  bar = ::GetMenu(mdi.Handle());
  const Texts list = MenuTexts(::GetSubMenu(bar, 3));
  ASSERT_EQ(list.size(), 6u);
  for (const std::wstring& entry : list) EXPECT_EQ(entry.find(L"Document 1"), std::wstring::npos) << "closed, gone";
  EXPECT_NE(MenuTexts(bar)[2], L"&Document 1");
}

// The built-in skin package, copied beside the test by the build.
std::vector<std::uint8_t> BuiltInSkin() {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::ifstream in(std::filesystem::path(path).parent_path() / "default.qsk", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(GalleryTest, SkinnedMDIWindowAndItsDocumentsWearTheMainFormsSkinWithTheMergedMenuInTheBar) {
  RegisterStandardSkinners();
  const std::vector<std::uint8_t> skin = BuiltInSkin();
  ASSERT_FALSE(skin.empty());
  TOwned<TFrm_Gallery> form = MakeComponent<TFrm_Gallery>(std::span<const std::uint8_t>(skin));
  ASSERT_NE(form->qelSkinEngine1, nullptr);
  TqelSkinEngine& engine = *form->qelSkinEngine1;
  form->Show();
  Pump();
  ASSERT_NE(engine.FindSkinWindow(form->Handle()), nullptr);
  TFrm_GalleryMDI& mdi = form->OpenMDI();
  Pump();
  auto* frame = dynamic_cast<TqelSkinWindowVCL*>(engine.FindSkinWindow(mdi.Handle()));
  ASSERT_TRUE(frame && frame->Menus());
  for (int i = 0; i < mdi.MDIChildCount(); ++i)
    EXPECT_NE(engine.FindSkinWindow(mdi.MDIChildren(i)->Handle()), nullptr) << i;
  EXPECT_EQ(::GetMenu(mdi.Handle()), nullptr) << "the skinned bar shows the menu";
  auto captions = [&] {
    std::wstring s;
    TqelSkinMenuBar& bar = frame->Menus()->MenuBar();
    for (int i = 0; i < bar.ButtonCount(); ++i) s += bar.Buttons(i)->Caption() + L"|";
    return s;
  };
  EXPECT_EQ(captions(), L"&File|&Edit|&Document 3|&Window|&Help|");
  // A document made later wears the skin and brings its menu.
  TCustomForm* fourth = mdi.NewChild();
  Pump();
  EXPECT_NE(engine.FindSkinWindow(fourth->Handle()), nullptr);
  EXPECT_EQ(captions(), L"&File|&Edit|&Document 4|&Window|&Help|");
}

TEST_F(GalleryTest, RawDialogHoldsEveryPlatformControl) {
  TOwned<TFrm_Gallery> form = MakeComponent<TFrm_Gallery>();
  form->Show();
  TModelessRawDialog dialog(form->Handle());
  ASSERT_NE(dialog.Handle(), nullptr);
  std::multiset<std::wstring> classes;
  std::vector<LONG_PTR> buttonStyles;
  for (HWND c = ::GetWindow(dialog.Handle(), GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
    wchar_t name[64] = {};
    ::GetClassNameW(c, name, 64);
    std::wstring lower(name);
    for (wchar_t& ch : lower) ch = static_cast<wchar_t>(::towlower(ch));
    classes.insert(lower);
    if (lower == L"button") buttonStyles.push_back(::GetWindowLongPtrW(c, GWL_STYLE) & BS_TYPEMASK);
  }
  for (const wchar_t* kind : {L"comboboxex32", L"systabcontrol32", L"toolbarwindow32", L"listbox", L"edit",
                              L"scrollbar", L"msctls_progress32"})
    EXPECT_EQ(classes.count(kind), 1u) << kind;
  EXPECT_EQ(classes.count(L"combobox"), 2u) << "drop-down and simple (the extended one's is its own child)";
  auto has = [&](LONG_PTR type) { return std::count(buttonStyles.begin(), buttonStyles.end(), type); };
  EXPECT_EQ(has(BS_DEFPUSHBUTTON), 1);
  EXPECT_GE(has(BS_PUSHBUTTON), 2);
  EXPECT_EQ(has(BS_AUTORADIOBUTTON), 2);
  EXPECT_EQ(has(BS_AUTO3STATE), 1);
  EXPECT_GE(has(BS_GROUPBOX), 1);
  // Filled when made: the check box is in its third state, the bar at 60.
  HWND check = nullptr, progress = nullptr, tabs = nullptr;
  for (HWND c = ::GetWindow(dialog.Handle(), GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
    if ((::GetWindowLongPtrW(c, GWL_STYLE) & BS_TYPEMASK) == BS_AUTO3STATE) check = c;
    wchar_t name[64] = {};
    ::GetClassNameW(c, name, 64);
    if (std::wstring(name) == L"msctls_progress32") progress = c;
    if (std::wstring(name) == L"SysTabControl32") tabs = c;
  }
  ASSERT_TRUE(check && progress && tabs);
  EXPECT_EQ(::SendMessageW(check, BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  EXPECT_EQ(::SendMessageW(progress, PBM_GETPOS, 0, 0), 60);
  EXPECT_EQ(::SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 3);
}

TEST(GalleryCommandLine, OptionsAndTheirErrors) {
  struct Case {
    std::vector<std::wstring> args;
    std::string page, dialog, error;
    bool mdi, help;
    std::wstring capture;
    std::wstring skin = L"";
    bool noSkin = false, mdiMax = false;
  };
  const Case cases[] = {
      {{}, "", "", "", false, false, L""},
      {{L"--page", L"views", L"--mdi", L"--capture", L"C:\\a b.png"}, "views", "", "", true, false, L"C:\\a b.png"},
      {{L"--dialog", L"raw"}, "", "raw", "", false, false, L""},
      {{L"--dialog", L"msgdlg", L"--help"}, "", "msgdlg", "", false, true, L""},
      {{L"--page", L"nowhere"}, "nowhere", "", "no page named \"nowhere\"", false, false, L""},
      {{L"--dialog", L"fancy"}, "", "fancy", "--dialog takes raw, message or msgdlg", false, false, L""},
      {{L"--capture"}, "", "", "--capture needs a value", false, false, L""},
      {{L"--frobnicate"}, "", "", "unknown argument \"--frobnicate\"", false, false, L""},
      {{L"--mdi-max", L"--skin", L"C:\\s k.qsk"}, "", "", "", true, false, L"", L"C:\\s k.qsk", false, true},
      {{L"--no-skin", L"--mdi"}, "", "", "", true, false, L"", L"", true, false},
      {{L"--skin"}, "", "", "--skin needs a value", false, false, L""},
      {{L"--skin", L"a.qsk", L"--no-skin"}, "", "", "--skin and --no-skin exclude each other", false, false, L"",
       L"a.qsk", true},
  };
  for (const Case& c : cases) {
    const TGalleryOptions o = ParseGalleryCommandLine(c.args);
    SCOPED_TRACE(c.error);
    EXPECT_EQ(o.Page, c.page);
    EXPECT_EQ(o.Dialog, c.dialog);
    EXPECT_EQ(o.Error, c.error);
    EXPECT_EQ(o.MDI, c.mdi);
    EXPECT_EQ(o.Help, c.help);
    EXPECT_EQ(o.Capture, c.capture);
    EXPECT_EQ(o.SkinFile, c.skin);
    EXPECT_EQ(o.NoSkin, c.noSkin);
    EXPECT_EQ(o.MDIMaximized, c.mdiMax);
  }
  // --help names every page and the skin options.
  const std::string usage = GalleryUsage();
  for (const char* option : {"--skin FILE.qsk", "--no-skin", "--mdi-max"})
    EXPECT_NE(usage.find(option), std::string::npos) << option;
  for (const TGalleryPageInfo& page : GalleryPages())
    EXPECT_NE(usage.find(" " + std::string(page.Name)), std::string::npos) << page.Name;
  // Capture files: the first as given, then numbered before the extension.
  EXPECT_EQ(CaptureFileName(L"C:\\out\\shot.png", 0), L"C:\\out\\shot.png");
  EXPECT_EQ(CaptureFileName(L"C:\\out\\shot.png", 1), L"C:\\out\\shot-2.png");
  EXPECT_EQ(CaptureFileName(L"C:\\out.d\\shot", 2), L"C:\\out.d\\shot-3");
}

TEST_F(GalleryTest, BuildingAndFreeingTheMainForm50TimesLeaksNothing) {
  auto build = [] {
    TOwned<TFrm_Gallery> form = MakeComponent<TFrm_Gallery>();
    form->Show();
    for (const TGalleryPageInfo& page : GalleryPages()) form->ShowPage(page.Name);
    ::UpdateWindow(form->Handle());
    Pump();
  };
  build();
  const long live = GdiLiveObjects();
  const long process = GdiProcessObjects();
  const DWORD gdi = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
  const DWORD user = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
  const int windows = ThreadWindowCount();
  const int forms = Screen.FormCount();
  for (int i = 0; i < 50; ++i) build();
  EXPECT_EQ(GdiLiveObjects(), live);
  EXPECT_EQ(GdiProcessObjects(), process);  // -1 both times where the platform does not count
  EXPECT_EQ(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), gdi);
  EXPECT_EQ(::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS), user);
  EXPECT_EQ(ThreadWindowCount(), windows);
  EXPECT_EQ(Screen.FormCount(), forms);
}

}  // namespace
