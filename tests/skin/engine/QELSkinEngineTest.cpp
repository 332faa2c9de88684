// The engine component: its published properties, the launcher's stored
// values, the failure texts, where a skin file is looked for, what every
// skin change caches and leaves behind, the system menu, and owner-drawn
// menus in the skin's colours.
#include "engine/QELSkinEngine.h"

#include <functional>
#include <string>

#include "AnsiText.h"
#include "EngineTestSupport.h"
#include "SkinPackageBuilder.h"
#include "engine/QELSkinFiles.h"
#include "engine/QELSkinGlobals.h"
#include "frame/QELSkinWindow.h"
#include "framework/Panel.h"
#include "graphics/GdiObjects.h"

namespace {

std::uint32_t Rgb(TColor c) {
  const auto v = static_cast<std::uint32_t>(c);
  return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

std::string ValueText(const TObject& object, const TPropInfo& p) {
  if (p.Kind == TTypeKind::Class) return "(object)";
  if (p.IsOrdinal()) return std::to_string(GetOrdProp(object, p.Name));
  return ToAnsi(GetStrProp(object, p.Name));
}

}  // namespace

TEST_F(EngineTest, PublishedPropertiesInOrderWithTheirDefaults) {
  TOwned<TForm> form = MakeComponent<TForm>();
  TqelSkinEngine* engine = form->Create<TqelSkinEngine>();
  struct Row {
    const char* name;
    const char* type;
    const char* value;
  };
  const Row expected[] = {
      {"Active", "Boolean", "0"},
      {"Ready", "Boolean", "0"},
      {"Password", "string", ""},
      {"SkinFile", "WideString", ""},
      {"ResSysMenuMin", "WideString", "Mi&nimize"},
      {"ResSysMenuMax", "WideString", "Ma&ximize/Restore"},
      {"ResSysMenuClose", "WideString", "&Close"},
      {"DisabledTag", "Integer", "9999"},
      {"DrawScrollBar", "Boolean", "1"},
      {"Version", "string", "4.7"},
      {"BuiltIn", "Boolean", "0"},
      {"SkinDialogs", "Boolean", "1"},
      {"SkinAllForms", "Boolean", "1"},
      {"AdditionalBuiltInSkins", "TqelSkinCollection", "(object)"},
      {"NoChangeButtonsFontColor", "Boolean", "0"},
      {"AutoSkinWndClassNames", "TStrings", "(object)"},
  };
  const auto& own = TqelSkinEngine::StaticClass().OwnProperties();
  ASSERT_EQ(own.size(), std::size(expected));
  for (size_t i = 0; i < own.size(); ++i) {
    EXPECT_EQ(own[i].Name, expected[i].name) << i;
    EXPECT_EQ(own[i].TypeName, expected[i].type) << expected[i].name;
    EXPECT_EQ(ValueText(*engine, own[i]), expected[i].value) << expected[i].name;
  }
  // Ready and Version are stored, but setting them changes nothing.
  SetOrdProp(*engine, "Ready", 1);
  SetStrProp(*engine, "Version", L"9.9");
  EXPECT_FALSE(engine->Ready());
  EXPECT_EQ(engine->Version(), "4.7");
  EXPECT_EQ(engine->Values().CaptionX, -10000);
  EXPECT_EQ(engine->Values().DisabledMenuFontColor, 0x808080);
  EXPECT_EQ(engine->Values().InactiveTitleFontColor, static_cast<TColor>(::GetSysColor(COLOR_INACTIVECAPTION)));
  EXPECT_EQ(engine->AdditionalBuiltInSkins().Count(), 0);
  EXPECT_EQ(engine->AdditionalBuiltInSkins().Owner(), engine);
  EXPECT_EQ(engine->AutoSkinWndClassNames().Count(), 0);
}

// Every further stored skin loads into a reader of its own through
// "QELSKNT.qsk" in the temporary folder, numbered past names already taken;
// the file goes and the item's SkinFile comes back, whether the package
// loads or not, and the engine's own skin is left alone.
TEST_F(EngineTest, AdditionalSkinsLoadThroughNumberedTemporaryFiles) {
  TOwned<TForm> form = MakeComponent<TForm>();
  TqelSkinEngine* engine = form->Create<TqelSkinEngine>();
  TqelSkinCollection& skins = engine->AdditionalBuiltInSkins();
  const std::vector<std::uint8_t> broken(64, 0x5A);
  struct Row {
    std::vector<std::string> taken;
    bool valid;
    const char* loadedFrom;
  };
  const Row rows[] = {
      {{}, true, "QELSKNT.qsk"},
      {{"QELSKNT.qsk"}, true, "QELSKNT1.qsk"},
      {{"QELSKNT.qsk", "QELSKNT1.qsk"}, true, "QELSKNT2.qsk"},
      {{"QELSKNT1.qsk"}, true, "QELSKNT.qsk"},
      {{"QELSKNT.qsk"}, false, ""},
  };
  for (const Row& row : rows) {
    for (const std::string& name : row.taken) WriteBytes(temp.Path() / name, {1, 2, 3});
    TqelSkinCollectionItem& item = skins.Add();
    item.SetSkinFile(kDesignSkinFile);
    std::wstring seen;
    bool existed = false;
    item.SkinReader().OnSkinLoaded = [&](TObject&) {
      seen = item.SkinFile();
      existed = SkinFileExists(seen);
    };
    if (row.valid)
      item.ReadSkinData(BuiltInSkinBytes());
    else
      EXPECT_THROW(item.ReadSkinData(broken), Exception);
    const std::string rowName = row.taken.empty() ? "free" : row.taken.back();
    EXPECT_EQ(std::filesystem::path(seen).filename().string(), row.loadedFrom) << rowName;
    EXPECT_EQ(existed, row.valid) << rowName;
    EXPECT_EQ(item.SkinReader().Loaded(), row.valid) << rowName;
    EXPECT_EQ(item.SkinFile(), kDesignSkinFile) << rowName;
    EXPECT_EQ(temp.CountOther(row.taken), 0u) << rowName << ": the temporary file is gone";
    for (const std::string& name : row.taken) std::filesystem::remove(temp.Path() / name);
  }
  EXPECT_EQ(skins.Count(), static_cast<int>(std::size(rows)));
  EXPECT_FALSE(engine->Ready());

  // The item's package is stored only while its file exists.
  TqelSkinCollectionItem& item = skins.Items(0);
  EXPECT_FALSE(item.StoresSkinData());
  WriteBytes(temp.Path() / "extra.qsk", BuiltInSkinBytes());
  SetStrProp(item, "SkinFile", (temp.Path() / "extra.qsk").wstring());
  SetStrProp(item, "Password", L"");
  EXPECT_TRUE(item.StoresSkinData());
  EXPECT_EQ(item.WriteSkinData(), BuiltInSkinBytes());
  std::filesystem::remove(temp.Path() / "extra.qsk");
}

// The launcher's stored values: the design-time SkinFile is not found, the
// stored package loads through a temporary file that is gone afterwards,
// SkinFile stays empty, and every cached value is the built-in skin's.
TEST_F(EngineTest, StoredValuesLoadTheBuiltInSkin) {
  TOwned<TFrm_Skinned> form = MakeComponent<TFrm_Skinned>();
  const TqelSkinEngine& engine = *form->Engine;
  EXPECT_EQ(engine.SkinFile(), L"");
  EXPECT_TRUE(engine.Ready());
  EXPECT_TRUE(engine.SkinIsActive());
  EXPECT_NE(engine.FormBrush(), nullptr);
  EXPECT_EQ(temp.CountOther(), 0u);

  const TqelSkinValues& v = engine.Values();
  struct Row {
    const char* name;
    int actual, expected;
  };
  const Row rows[] = {
      {"MinFormWidth", v.MinFormWidth, 137},  // 31 + 17 + 324 / 6 + 35
      {"FormColor", v.FormColor, 0xE8E8E8},
      {"TransparentColor", v.TransparentColor, 0xFF00FF},
      {"TitleFontColor", v.TitleFontColor, 0xFFFFFF},
      {"TitleHeight", v.TitleHeight, 31},
      {"LeftBorderWidth", v.LeftBorderWidth, 5},
      {"RightBorderWidth", v.RightBorderWidth, 5},
      {"BottomBorderHeight", v.BottomBorderHeight, 5},
      {"IconPosX", v.IconPosX, 21},
      {"IconPosY", v.IconPosY, 9},
      {"ButtonPosX", v.ButtonPosX, 7},
      {"ButtonPosY", v.ButtonPosY, 9},
      {"CaptionTop", v.CaptionTop, 9},
      {"TitleRegionMinY", v.TitleRegionMinY, 0},
      {"TitleRegionMaxY", v.TitleRegionMaxY, 5},
      {"BottomRegionMinY", v.BottomRegionMinY, -1},
      {"BottomRegionMaxY", v.BottomRegionMaxY, -1},
      {"menu bar start", v.MenuColors[0], 0xE8C894},
      {"left bar start", v.MenuColor(SKIN2_LEFTBARSTARTCOLOR), 0xBA9460},
      {"selected menu font", v.MenuColors[12], 0xFFFFFF},
  };
  for (const Row& r : rows) EXPECT_EQ(r.actual, r.expected) << r.name;

  // Loading ended: the form wears the skin.
  ASSERT_EQ(engine.WindowCount(), 1);
  EXPECT_EQ(engine.FindSkinWindow(form->Handle()), engine.Windows(0));
  EXPECT_EQ(::SendMessageW(form->Handle(), QM_SKINNEDQUERY, 0, 0), 1);
}

TEST_F(EngineTest, FailureTexts) {
  TOwned<TForm> form = MakeComponent<TForm>();
  const std::filesystem::path garbage = temp.Path() / "garbage.qsk";
  WriteBytes(garbage, {'P', 'K', 3, 4, 'n', 'o', 't', ' ', 'a', ' ', 's', 'k', 'i', 'n'});
  const TBytes locked = ReadBytes(TSkinPackageBuilder().Integer("SKIN2_FORMCOLOR", 1).Write(temp.Path() / "l.qsk", "secret"));
  std::filesystem::remove(temp.Path() / "l.qsk");
  TqelSkinEngine* engine = form->Create<TqelSkinEngine>();
  struct Case {
    const char* name;
    std::function<void()> act;
    const char* message;
  };
  const Case cases[] = {
      {"no owner", [] { MakeComponent<TqelSkinEngine>(); }, "Must be placed on a Form"},
      {"on a panel", [&] { form->Create<TPanel>()->Create<TqelSkinEngine>(); }, "Must be placed on a Form"},
      {"second engine", [&] { form->Create<TqelSkinEngine>(); }, "One form can only catch one TqelSkinEngine!"},
      {"BuiltIn at run time", [&] { engine->SetBuiltIn(true); },
       "BuiltIn property only can be specified at design time!"},
      {"broken stored skin", [&] { engine->ReadSkinData(ReadBytes(garbage)); }, "Failed to read skin file!"},
      {"wrong password", [&] { engine->SetPassword("guess"), engine->ReadSkinData(locked); }, "Wrong password!"},
      {"broken skin file", [&] { engine->SetSkinFile(garbage.wstring()); }, "Failed to read skin file!"},
  };
  for (const Case& k : cases) {
    engine->SetPassword("");
    engine->SetSkinFile(BuiltInSkin().wstring());
    ASSERT_TRUE(engine->Ready()) << k.name;
    try {
      k.act();
      ADD_FAILURE() << k.name << ": nothing raised";
    } catch (const Exception& e) {
      EXPECT_STREQ(e.what(), k.message) << k.name;
    }
    EXPECT_EQ(temp.CountOther({"garbage.qsk"}), 0u) << k.name;
  }
  // A failed stored skin leaves SkinFile as it was; a failed SkinFile
  // empties it. Neither leaves a skin.
  engine->SetPassword("");
  engine->SetSkinFile(BuiltInSkin().wstring());
  EXPECT_THROW(engine->ReadSkinData(locked), Exception);
  EXPECT_EQ(engine->SkinFile(), BuiltInSkin().wstring());
  EXPECT_FALSE(engine->Ready());
  EXPECT_THROW(engine->SetSkinFile(garbage.wstring()), Exception);
  EXPECT_EQ(engine->SkinFile(), L"");
  int engines = 0;
  for (int i = 0; i < form->ComponentCount(); ++i) engines += form->Components(i)->Is<TqelSkinEngine>();
  EXPECT_EQ(engines, 1);
  // The right password opens it.
  engine->SetPassword("secret");
  engine->ReadSkinData(locked);
  EXPECT_EQ(engine->Values().FormColor, 1);
  std::filesystem::remove(garbage);
}

// A skin file is taken as named, else by its file part from the program's
// folder, the Windows folder and the system folder, in this order.
TEST_F(EngineTest, SkinFileSearchOrder) {
  const auto dir = [&](const char* name) {
    std::filesystem::create_directories(temp.Path() / name);
    return (temp.Path() / name).wstring();
  };
  const std::wstring a = dir("a"), b = dir("b"), c = dir("c");
  for (const std::wstring& f : {a + L"\\one.qsk", b + L"\\one.qsk", c + L"\\two.qsk", c + L"\\one.qsk"})
    WriteBytes(f, {1});
  std::filesystem::create_directories(b + L"\\dir.qsk");
  const std::vector<std::wstring> folders = {a, b + L"\\", c};
  struct Case {
    std::wstring name, found;
  };
  const Case cases[] = {
      {c + L"\\one.qsk", c + L"\\one.qsk"},  // as named, first
      {L"Q:\\nowhere\\one.qsk", a + L"\\one.qsk"},
      {L"Q:\\nowhere\\two.qsk", c + L"\\two.qsk"},
      {L"two.qsk", c + L"\\two.qsk"},
      {L"Q:/nowhere/two.qsk", c + L"\\two.qsk"},
      {L"Q:\\nowhere\\three.qsk", L""},
      {L"dir.qsk", L""},  // a folder is no skin file
      {L"Q:\\nowhere\\", L""},
      {L"", L""},
  };
  for (const Case& k : cases) EXPECT_EQ(FindSkinFile(k.name, folders), k.found) << ToAnsi(k.name);

  // The engine: a name found nowhere changes nothing; one found beside the
  // program (the tests' copy of the built-in skin) is taken from there.
  TOwned<TForm> form = MakeComponent<TForm>();
  TqelSkinEngine* engine = form->Create<TqelSkinEngine>();
  engine->SetSkinFile(L"Q:\\nowhere\\three.qsk");
  EXPECT_EQ(engine->SkinFile(), L"");
  EXPECT_FALSE(engine->Ready());
  engine->SetSkinFile(L"Q:\\nowhere\\default.qsk");
  EXPECT_EQ(engine->SkinFile(), SkinFileFolders().front() + L"default.qsk");
  EXPECT_TRUE(engine->Ready());
  engine->SetSkinFile(L"Q:\\nowhere\\three.qsk");
  EXPECT_EQ(engine->SkinFile(), SkinFileFolders().front() + L"default.qsk") << "the current skin stays";
  EXPECT_TRUE(engine->Ready());
  for (const char* d : {"a", "b", "c"}) std::filesystem::remove_all(temp.Path() / d);
}

// Every reload runs the skin-changed steps in order, re-skins the windows
// and leaves neither files nor GDI objects behind.
TEST_F(EngineTest, HundredReloadsLeaveNoFilesAndNoGdiObjects) {
  TOwned<TFrm_Skinned> form = MakeComponent<TFrm_Skinned>();
  TqelSkinEngine& engine = *form->Engine;
  form->Show();
  Pump();
  std::vector<std::string> events;
  engine.OnSkinChanging = [&](TObject&) { events.push_back(engine.FormBrush() ? "changing+brush" : "changing"); };
  engine.OnSkinChanged = [&](TObject&) { events.push_back(engine.FormBrush() ? "changed+brush" : "changed"); };
  engine.ReadSkinData(BuiltInSkinBytes());  // caches warmed
  Pump();
  EXPECT_EQ(events, (std::vector<std::string>{"changing", "changed+brush"}));
  const long before = GdiLiveObjects();
  for (int i = 0; i < 100; ++i) engine.ReadSkinData(BuiltInSkinBytes());
  Pump();
  EXPECT_EQ(GdiLiveObjects(), before);
  EXPECT_EQ(events.size(), 202u);
  EXPECT_EQ(engine.WindowCount(), 1);
  EXPECT_TRUE(engine.Windows(0)->SkinApplied());
  EXPECT_EQ(temp.CountOther(), 0u);
}

// The system menu: four items, captions from the three texts (a change
// shows at once), enabled by the window's availability, commands posted.
TEST_F(EngineTest, SystemMenu) {
  TOwned<TFrm_Skinned> form = MakeComponent<TFrm_Skinned>();
  TqelSkinEngine& engine = *form->Engine;
  TMenuItem& items = engine.SystemMenu().Items();
  ASSERT_EQ(items.Count(), 4);
  EXPECT_EQ(items.Items(0)->Caption(), L"Mi&nimize");
  EXPECT_EQ(items.Items(1)->Caption(), L"Ma&ximize/Restore");
  EXPECT_TRUE(items.Items(2)->IsLine());
  EXPECT_EQ(items.Items(3)->Caption(), L"&Close");
  EXPECT_EQ(engine.SystemMenu().AutoHotkeys(), maManual);
  EXPECT_TRUE(engine.SystemMenu().OwnerDraw());
  engine.SetResSysMenuClose(L"关闭(&C)");
  EXPECT_EQ(items.Items(3)->Caption(), L"关闭(&C)");
  engine.SetResSysMenuMin(L"最小化(&N)");
  EXPECT_EQ(items.Items(0)->Caption(), L"最小化(&N)");

  // Other forms skinned by the engine: their frames offer what their
  // title buttons offer.
  struct Case {
    TFormBorderStyle border;
    TBorderIcons icons;
    bool min, max, close;
  };
  const Case cases[] = {
      {bsSizeable, biSystemMenu | biMinimize | biMaximize, true, true, true},
      {bsDialog, biSystemMenu | biMinimize | biMaximize, false, false, true},
      {bsSingle, biSystemMenu | biMinimize, true, false, true},
  };
  std::vector<TOwned<TForm>> others;
  for (const Case& k : cases) {
    TOwned<TForm> other = MakeComponent<TForm>();
    other->SetBorderStyle(k.border);
    other->SetBorderIcons(k.icons);
    engine.SkinWindow(other->Handle(), false);
    TqelSkinWindow* frame = engine.FindSkinWindow(other->Handle());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->Owner(), other.get()) << "a frame belongs to its form";
    engine.SetSystemMenuWindow(frame);
    engine.SystemMenu().OnPopup(engine.SystemMenu());
    EXPECT_EQ(items.Items(0)->Enabled(), k.min) << k.border;
    EXPECT_EQ(items.Items(1)->Enabled(), k.max) << k.border;
    EXPECT_EQ(items.Items(3)->Enabled(), k.close) << k.border;
    others.push_back(std::move(other));
  }
  EXPECT_EQ(engine.WindowCount(), 4);
  TqelSkinWindow* frame = engine.FindSkinWindow(form->Handle());
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->Owner(), nullptr) << "the engine's own form: the engine holds the frame";
  engine.SetSystemMenuWindow(frame);
  // The commands are posted to the window, not sent.
  const std::pair<int, WPARAM> commands[] = {{0, SC_MINIMIZE}, {3, SC_CLOSE}};
  for (const auto& [item, command] : commands) {
    items.Items(item)->Click();
    MSG msg{};
    ASSERT_TRUE(::PeekMessageW(&msg, form->Handle(), WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE)) << item;
    EXPECT_EQ(msg.wParam & 0xFFF0, command);
  }
  // A window that goes is no longer the system menu's.
  engine.UnskinWindow(form->Handle());
  EXPECT_EQ(engine.SystemMenuWindow(), nullptr);
}

// Menus added to the form while the skin is active are owner-drawn unless
// their Tag is the DisabledTag; their items are drawn in the skin's colours
// with the skin's check mark.
TEST_F(EngineTest, MenusOfTheFormWearTheSkin) {
  TOwned<TFrm_Skinned> form = MakeComponent<TFrm_Skinned>();
  TqelSkinEngine& engine = *form->Engine;
  TOwned<TPopupMenu> made = MakeComponent<TPopupMenu>();
  TPopupMenu* popup = made.get();
  TMenuItem* open = popup->Items().AddItem(L"&Open");
  TMenuItem* checked = popup->Items().AddItem(L"&Checked");
  checked->SetChecked(true);
  form->InsertComponent(TOwned<TComponent>(made.release()));
  EXPECT_TRUE(popup->OwnerDraw());
  EXPECT_TRUE(open->OnDrawItem);
  TOwned<TPopupMenu> madeExempt = MakeComponent<TPopupMenu>();
  TPopupMenu* exempt = madeExempt.get();
  exempt->SetTag(9999);
  form->InsertComponent(TOwned<TComponent>(madeExempt.release()));
  EXPECT_FALSE(exempt->OwnerDraw());

  const TqelSkinReader& skin = engine.SkinReader();
  TBitmap surface = Filled(120, 22, 0x123456);
  open->DrawItem(surface.Canvas(), RECT{0, 0, 120, 22}, 0);
  EXPECT_EQ(Px(surface, 3, 11), Rgb(skin.GetColor(SKIN2_LEFTBARSTARTCOLOR)));
  EXPECT_EQ(Px(surface, 110, 11), Rgb(skin.GetColor(SKIN2_MENUITEMCOLOR)));
  open->DrawItem(surface.Canvas(), RECT{0, 0, 120, 22}, odSelected);
  EXPECT_EQ(Px(surface, 0, 0), Rgb(skin.GetColor(SKIN2_SELECTEDMENUBORDERCOLOR)));
  EXPECT_EQ(Px(surface, 3, 11), Rgb(skin.GetColor(SKIN2_SELECTEDMENUCOLOR)));

  // The check mark is the skin's icon, drawn masked by the transparent
  // colour at ((26 - 16) / 2, (16 + 5 - 16) / 2).
  checked->DrawItem(surface.Canvas(), RECT{0, 0, 120, 22}, 0);
  const TBitmap& icon = *skin.GetBitmap(SKIN2_CHECKEDMENUICON);
  int compared = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const TColor c = icon.Pixel(x, y);
      const TColor expected = c == skin.GetColor(SKIN2_TRANSCOLOR) ? skin.GetColor(SKIN2_LEFTBARSTARTCOLOR) : c;
      EXPECT_EQ(Px(surface, x + 5, y + 2), Rgb(expected)) << x << "," << y;
      compared += c != skin.GetColor(SKIN2_TRANSCOLOR);
    }
  EXPECT_GT(compared, 10) << "the icon has a visible mark";

  // Removed menus are plain again.
  TOwned<TComponent> removed = form->RemoveComponent(popup);
  EXPECT_FALSE(popup->OwnerDraw());
  EXPECT_FALSE(open->OnDrawItem);
}
