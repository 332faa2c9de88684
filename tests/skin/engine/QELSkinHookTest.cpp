// The thread's window hook and the list of skinned windows: size grips,
// message boxes and dialogs skinned as they are activated, the windows
// that refuse, SkinAllForms, and the frames the engine holds or frees.
#include "engine/QELSkinHook.h"

#include "EngineTestSupport.h"
#include "engine/QELSkinGlobals.h"
#include "frame/QELSkinWindow.h"
#include "framework/Screen.h"

namespace {

// A form that refuses to be skinned.
class TRefusingForm : public TForm {
  FW_CLASS(TRefusingForm, TForm)
 public:
  using TForm::TForm;

 protected:
  void WndProc(TMessage& m) override {
    if (m.Msg == QM_SKINNEDQUERY)
      m.Result = 1;
    else
      TForm::WndProc(m);
  }
};

class TfrmMSNPopForm : public TForm {
  FW_CLASS(TfrmMSNPopForm, TForm)
 public:
  using TForm::TForm;
};

class TMyAutoForm : public TForm {
  FW_CLASS(TMyAutoForm, TForm)
 public:
  using TForm::TForm;
};

class TMyListedForm : public TForm {
  FW_CLASS(TMyListedForm, TForm)
 public:
  using TForm::TForm;
};

class TMyUnlistedForm : public TForm {
  FW_CLASS(TMyUnlistedForm, TForm)
 public:
  using TForm::TForm;
};

// Notes whether the engine said it was unskinning when a frame of its
// owner went.
class TUnskinWatch : public TComponent {
  FW_CLASS(TUnskinWatch, TComponent)
 public:
  TUnskinWatch(TComponent* owner, TqelSkinEngine& engine, bool& seen) : TComponent(owner), engine_(engine), seen_(seen) {}
  static std::vector<TPropInfo> PublishedProperties() { return {}; }
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    if (op == opRemove && c->Is<TqelSkinWindow>()) seen_ = engine_.Unskinning();
  }

 private:
  TqelSkinEngine& engine_;
  bool& seen_;
};

// A standard dialog ("#32770") that answers QM_SKINNEDQUERY with `answer`.
INT_PTR CALLBACK DialogProc(HWND dialog, UINT msg, WPARAM, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    return TRUE;
  }
  if (msg == QM_SKINNEDQUERY) {
    ::SetWindowLongPtrW(dialog, DWLP_MSGRESULT, ::GetWindowLongPtrW(dialog, DWLP_USER));
    return TRUE;
  }
  return FALSE;
}

HWND MakeDialog(LPARAM answer) {
  struct alignas(4) {
    DLGTEMPLATE dialog;
    WORD menu = 0, windowClass = 0, title = 0;
  } t{};
  t.dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  t.dialog.cx = 120;
  t.dialog.cy = 60;
  return ::CreateDialogIndirectParamW(nullptr, &t.dialog, nullptr, DialogProc, answer);
}

bool Skinned(const TqelSkinEngine& engine, HWND window) { return engine.FindSkinWindow(window) != nullptr; }

// What the test saw of its message box while it was up.
struct TBoxSeen {
  HWND box = nullptr;
  bool skinned = false;
  LRESULT query = 0;
};
TqelSkinEngine* g_engine = nullptr;
TBoxSeen g_seen;

void CALLBACK AnswerBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = ::FindWindowW(L"#32770", L"Engine test");
  if (!box) return;
  ::KillTimer(nullptr, timer);
  g_seen = {box, Skinned(*g_engine, box), ::SendMessageW(box, QM_SKINNEDQUERY, 0, 0)};
  ::PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TBoxSeen ShowAnsweredBox(TqelSkinEngine& engine) {
  g_engine = &engine;
  g_seen = {};
  ::SetTimer(nullptr, 0, 50, AnswerBox);
  ::MessageBoxW(nullptr, L"A warning", L"Engine test", MB_OK | MB_ICONEXCLAMATION);
  return g_seen;
}

}  // namespace

// A size-grip scroll bar may only be created with exactly
// WS_EX_NOPARENTNOTIFY while the skin is active.
TEST_F(EngineTest, SizeGripsNeedExactlyNoParentNotify) {
  TOwned<TFrm_Skinned> form = MakeComponent<TFrm_Skinned>();
  struct Case {
    DWORD style, exStyle;
    bool active, created;
  };
  const Case cases[] = {
      {SBS_SIZEGRIP, 0, true, false},
      {SBS_SIZEGRIP, WS_EX_NOPARENTNOTIFY, true, true},
      {SBS_SIZEGRIP | SBS_SIZEBOXBOTTOMRIGHTALIGN, WS_EX_NOPARENTNOTIFY | WS_EX_CLIENTEDGE, true, false},
      {SBS_VERT, 0, true, true},
      {SBS_SIZEGRIP, 0, false, true},
  };
  for (const Case& k : cases) {
    form->Engine->SetActive(k.active);
    HWND bar = ::CreateWindowExW(k.exStyle, L"ScrollBar", L"", WS_CHILD | k.style, 0, 0, 16, 16, form->Handle(),
                                 nullptr, nullptr, nullptr);
    EXPECT_EQ(bar != nullptr, k.created) << "style " << k.style << " ex " << k.exStyle << " active " << k.active;
    if (bar) ::DestroyWindow(bar);
  }
  EXPECT_TRUE(TqelSkinHook::RefusesCreation(L"SCROLLBAR", SBS_SIZEGRIP, 0));
  EXPECT_FALSE(TqelSkinHook::RefusesCreation(L"EDIT", SBS_SIZEGRIP, 0));
}

// A message box is skinned when it is activated, only while the engine
// skins dialogs; its frame goes with it, and the box is remembered as the
// last destroyed dialog.
TEST_F(EngineTest, MessageBoxesAreSkinnedWhenTheEngineSkinsDialogs) {
  TOwned<TFrm_Skinned> form = MakeComponent<TFrm_Skinned>();
  TqelSkinEngine& engine = *form->Engine;
  ASSERT_EQ(TqelSkinEngine::HookingEngine(), &engine);
  for (bool skinDialogs : {true, false}) {
    engine.SetSkinDialogs(skinDialogs);
    const TBoxSeen seen = ShowAnsweredBox(engine);
    ASSERT_NE(seen.box, nullptr);
    EXPECT_EQ(seen.skinned, skinDialogs);
    EXPECT_EQ(seen.query, skinDialogs ? 1 : 0) << "a skinned window answers the query";
    EXPECT_EQ(engine.WindowCount(), 1) << "the box's frame went with it";
    if (skinDialogs) {
      EXPECT_EQ(TqelSkinEngine::LastDestroyedDialog(), seen.box);
    }
  }
}

// Windows that answer QM_SKINNEDQUERY are never skinned, by the hook or by
// SkinAllForms; the last destroyed dialog is passed over once.
TEST_F(EngineTest, WindowsThatAnswerTheQueryAreLeftAlone) {
  TOwned<TFrm_Skinned> form = MakeComponent<TFrm_Skinned>();
  TqelSkinEngine& engine = *form->Engine;
  HWND refusing = MakeDialog(1);
  HWND willing = MakeDialog(0);
  // Refusing at first: a dialog is activated as it is created.
  HWND remembered = MakeDialog(1);
  for (HWND dialog : {refusing, willing}) {
    ::ShowWindow(dialog, SW_SHOW);
    ::SetActiveWindow(dialog);
  }
  EXPECT_FALSE(Skinned(engine, refusing));
  EXPECT_TRUE(Skinned(engine, willing));
  // The hook's activation rule on the last destroyed dialog.
  ASSERT_FALSE(Skinned(engine, remembered));
  ::SetWindowLongPtrW(remembered, DWLP_USER, 0);
  TqelSkinEngine::SetLastDestroyedDialog(remembered);
  TqelSkinHook::Activated(engine, remembered, L"#32770");
  EXPECT_FALSE(Skinned(engine, remembered)) << "passed over once";
  EXPECT_EQ(TqelSkinEngine::LastDestroyedDialog(), nullptr) << "then forgotten";
  TqelSkinHook::Activated(engine, remembered, L"#32770");
  EXPECT_TRUE(Skinned(engine, remembered));
  for (HWND dialog : {refusing, willing, remembered}) ::DestroyWindow(dialog);
  EXPECT_EQ(engine.WindowCount(), 1);

  // SkinAllForms: the refusing form, the DisabledTag form and the pop-up
  // class stay as they are; a plain form is skinned.
  TOwned<TRefusingForm> refusingForm = MakeComponent<TRefusingForm>();
  TOwned<TfrmMSNPopForm> popForm = MakeComponent<TfrmMSNPopForm>();
  TOwned<TForm> tagged = MakeComponent<TForm>();
  tagged->SetTag(9999);
  TOwned<TForm> plain = MakeComponent<TForm>();
  engine.RunSkinAllForms();
  EXPECT_FALSE(Skinned(engine, refusingForm->Handle()));
  EXPECT_FALSE(Skinned(engine, popForm->Handle()));
  EXPECT_FALSE(Skinned(engine, tagged->Handle()));
  EXPECT_TRUE(Skinned(engine, plain->Handle()));
  // With DisabledTag 0 no Tag exempts a form.
  engine.SetDisabledTag(0);
  engine.RunSkinAllForms();
  EXPECT_TRUE(Skinned(engine, tagged->Handle()));
  // Setting SkinAllForms False unskins all but the engine's own form.
  engine.SetSkinAllForms(false);
  EXPECT_EQ(engine.WindowCount(), 1);
  EXPECT_TRUE(Skinned(engine, form->Handle()));
}

// Every change of the engine's class-name list registers each entry (ANSI
// text, any case) once in the process-wide list; a form of a registered
// class is skinned when activated, one of another class is not.
TEST_F(EngineTest, AutoSkinClassNamesFollowTheEnginesList) {
  TOwned<TFrm_Skinned> form = MakeComponent<TFrm_Skinned>();
  TqelSkinEngine& engine = *form->Engine;
  struct Row {
    const char* added;
    const wchar_t* registered;
    size_t grows;
  };
  const Row rows[] = {
      {"TMyListedForm", L"TMyListedForm", 1},
      {"tmylistedform", L"TMyListedForm", 0},
      {"TForm", L"TForm", 0},
      {"T\xB4\xB0\xCC\xE5", L"T\u7A97\u4F53", 1},  // two Chinese characters in code page 936
      {"", L"TMyListedForm", 0},
  };
  for (const Row& row : rows) {
    const size_t before = AutoSkinClassNames().size();
    engine.AutoSkinWndClassNames().Add(row.added);
    EXPECT_EQ(AutoSkinClassNames().size(), before + row.grows) << row.added;
    EXPECT_TRUE(IsAutoSkinClassName(row.registered)) << row.added;
  }
  EXPECT_FALSE(IsAutoSkinClassName(L"TMyUnlistedForm"));

  TOwned<TMyListedForm> listed = MakeComponent<TMyListedForm>();
  TOwned<TMyUnlistedForm> unlisted = MakeComponent<TMyUnlistedForm>();
  for (TCustomForm* f : {static_cast<TCustomForm*>(listed.get()), static_cast<TCustomForm*>(unlisted.get())}) {
    f->Show();
    ::SetActiveWindow(f->Handle());
  }
  EXPECT_TRUE(Skinned(engine, listed->Handle()));
  EXPECT_FALSE(Skinned(engine, unlisted->Handle()));
}

// Forms of the auto-skin classes are skinned when activated; SkinWindow on
// a skinned window adds nothing; the engine frees every frame when it
// goes, those it holds and those that other forms own.
TEST_F(EngineTest, TheListOfSkinnedWindows) {
  TOwned<TFrm_Skinned> form = MakeComponent<TFrm_Skinned>();
  TqelSkinEngine& engine = *form->Engine;
  AddAutoSkinClassName(L"TMyAutoForm");
  EXPECT_TRUE(IsAutoSkinClassName(L"tmyautoform"));
  TOwned<TMyAutoForm> automatic = MakeComponent<TMyAutoForm>();
  TOwned<TForm> plain = MakeComponent<TForm>();  // class "TForm", skinned on activation too
  TOwned<TRefusingForm> refusing = MakeComponent<TRefusingForm>();
  for (TCustomForm* f : {static_cast<TCustomForm*>(automatic.get()), static_cast<TCustomForm*>(plain.get()),
                         static_cast<TCustomForm*>(refusing.get())}) {
    f->Show();
    ::SetActiveWindow(f->Handle());
  }
  EXPECT_TRUE(Skinned(engine, automatic->Handle()));
  EXPECT_TRUE(Skinned(engine, plain->Handle()));
  EXPECT_FALSE(Skinned(engine, refusing->Handle()));
  ASSERT_EQ(engine.WindowCount(), 3);
  engine.SkinWindow(plain->Handle(), false);
  engine.SkinWindow(form->Handle(), false);
  EXPECT_EQ(engine.WindowCount(), 3) << "nothing added twice";

  // UnskinWindow frees the frame and says so meanwhile.
  bool unskinningSeen = false;
  plain->Create<TUnskinWatch>(engine, unskinningSeen);
  engine.UnskinWindow(plain->Handle());
  EXPECT_TRUE(unskinningSeen);
  EXPECT_FALSE(engine.Unskinning());
  EXPECT_EQ(engine.FindSkinWindow(plain->Handle()), nullptr);
  EXPECT_EQ(engine.WindowCount(), 2);
  engine.UnskinWindow(plain->Handle());  // nothing to do
  EXPECT_EQ(engine.WindowCount(), 2);

  // The engine goes first: every frame goes with it, the other forms stay.
  form.reset();
  EXPECT_EQ(automatic->ComponentCount(), 0) << "its frame was freed";
  EXPECT_EQ(::SendMessageW(automatic->Handle(), QM_SKINNEDQUERY, 0, 0), 0);
  EXPECT_EQ(TqelSkinEngine::HookingEngine(), nullptr);
}
