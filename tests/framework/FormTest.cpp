// Forms: exact client size, position, the life cycle and its events,
// closing, modal showing, scaling, and no leaks.
#include "framework/Form.h"

#include "FrameworkTesting.h"
#include "framework/Image.h"
#include "framework/Label.h"
#include "framework/Panel.h"
#include "framework/Screen.h"
#include "framework/Timer.h"
#include "graphics/GdiObjects.h"

namespace {

std::vector<std::string> g_events;

class TLoggingPanel : public TPanel {
  FW_CLASS(TLoggingPanel, TPanel)
 public:
  using TPanel::TPanel;

 protected:
  void Loaded() override {
    g_events.push_back("loaded " + Name());
    TPanel::Loaded();
  }
};

// The main window's frame: a fixed dialog of 784 x 564 client pixels in the
// middle of the screen.
class TFrm_Dialog : public TForm {
  FW_CLASS(TFrm_Dialog, TForm)
 public:
  explicit TFrm_Dialog(TComponent* owner) : TForm(owner) {
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    SetClientSize(784, 564);
    SetPosition(poScreenCenter);
    SetCaption(L"Velmora软件报修");
    Panel1 = Create<TLoggingPanel>();
    Panel1->SetName("Panel1");
    Panel1->SetParent(this);
    Panel1->SetAlign(alClient);
    Panel1->SetBevelInner(bvRaised);
    Panel1->SetBevelOuter(bvLowered);
    Pnl_Web = Create<TLoggingPanel>();
    Pnl_Web->SetName("Pnl_Web");
    Pnl_Web->SetParent(Panel1);
    Pnl_Web->SetAlign(alClient);
    Pnl_Web->SetBevelOuter(bvNone);
    OnCreate = [this](TObject&) {
      g_events.push_back("create");
      visibleAtCreate = ::IsWindowVisible(Handle()) != FALSE;
    };
    OnShow = [this](TObject&) {
      g_events.push_back("show");
      visibleAtShow = ::IsWindowVisible(Handle()) != FALSE;
    };
    OnDestroy = [](TObject&) { g_events.push_back("destroy"); };
  }
  TLoggingPanel* Panel1;
  TLoggingPanel* Pnl_Web;
  bool visibleAtCreate = true;
  bool visibleAtShow = true;
};

class FormTest : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    g_events.clear();
  }
};

SIZE ClientSizeOf(HWND window) {
  RECT r{};
  ::GetClientRect(window, &r);
  return {r.right, r.bottom};
}

TEST_F(FormTest, DialogHasTheExactClientSizeAndIsCentred) {
  TOwned<TFrm_Dialog> form = MakeComponent<TFrm_Dialog>();
  form->Show();
  Pump();
  const SIZE client = ClientSizeOf(form->Handle());
  EXPECT_EQ(client.cx, 784);
  EXPECT_EQ(client.cy, 564);
  EXPECT_EQ(form->ClientWidth(), 784);
  RECT window{};
  ::GetWindowRect(form->Handle(), &window);
  const int w = window.right - window.left, h = window.bottom - window.top;
  EXPECT_EQ(window.left, (::GetSystemMetrics(SM_CXSCREEN) - w) / 2);
  EXPECT_EQ(window.top, (::GetSystemMetrics(SM_CYSCREEN) - h) / 2);
  // The fixed dialog frame: no sizing border, no minimise or maximise box.
  const LONG_PTR style = ::GetWindowLongPtrW(form->Handle(), GWL_STYLE);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(::GetWindowLongPtrW(form->Handle(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
  wchar_t caption[64] = {};
  ::GetWindowTextW(form->Handle(), caption, 64);
  EXPECT_STREQ(caption, L"Velmora软件报修");
  // Children fill it: the inner panel sits inside 2 pixels of bevels.
  EXPECT_EQ(form->Pnl_Web->BoundsRect().left, 2);
  EXPECT_EQ(form->Pnl_Web->Width(), 780);
  EXPECT_EQ(form->Pnl_Web->Height(), 560);
}

TEST_F(FormTest, ClientSizeSurvivesBorderChangesBeforeAndAfterTheWindow) {
  TOwned<TForm> form = MakeComponent<TForm>();
  form->SetClientSize(300, 200);
  form->SetBorderStyle(bsToolWindow);
  form->HandleNeeded();
  EXPECT_EQ(ClientSizeOf(form->Handle()).cx, 300);
  EXPECT_EQ(ClientSizeOf(form->Handle()).cy, 200);
  form->SetBorderStyle(bsSizeable);  // re-creates the window
  EXPECT_EQ(ClientSizeOf(form->Handle()).cx, 300);
  EXPECT_EQ(ClientSizeOf(form->Handle()).cy, 200);
  // Setting the outer size afterwards is taken as it is.
  form->SetBounds(0, 0, 250, 150);
  EXPECT_EQ(form->Width(), 250);
}

TEST_F(FormTest, LoadedThenOnCreateThenOnShowBeforeTheWindowAppears) {
  TOwned<TFrm_Dialog> form = MakeComponent<TFrm_Dialog>();
  EXPECT_EQ(g_events, (std::vector<std::string>{"loaded Panel1", "loaded Pnl_Web", "create"}));
  EXPECT_FALSE(form->visibleAtCreate);
  EXPECT_FALSE(form->Visible());
  form->Show();
  EXPECT_EQ(g_events.back(), "show");
  EXPECT_FALSE(form->visibleAtShow);
  EXPECT_TRUE(::IsWindowVisible(form->Handle()));
  form.reset();
  EXPECT_EQ(g_events.back(), "destroy");
}

TEST_F(FormTest, CloseHidesByDefaultAndAsksFirst) {
  TOwned<TComponent> owner = MakeComponent<TComponent>();
  auto* form = owner->Create<TForm>();
  form->Show();
  bool allow = false;
  form->OnCloseQuery = [&](TObject&, bool& canClose) { canClose = allow; };
  ::SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(form->Visible());  // refused
  allow = true;
  form->Close();
  EXPECT_FALSE(form->Visible());
  EXPECT_FALSE(::IsWindowVisible(form->Handle()));
  EXPECT_TRUE(::IsWindow(form->Handle()));  // hidden, not destroyed

  form->Show();
  form->OnClose = [](TObject&, TCloseAction& action) { action = caNone; };
  form->Close();
  EXPECT_TRUE(form->Visible());
}

TEST_F(FormTest, CloseWithCaFreeReleasesTheFormAfterPendingMessages) {
  TOwned<TComponent> owner = MakeComponent<TComponent>();
  auto* form = owner->Create<TFrm_Dialog>();
  form->Show();
  HWND window = form->Handle();
  form->OnClose = [](TObject&, TCloseAction& action) { action = caFree; };
  form->Close();
  EXPECT_EQ(owner->ComponentCount(), 1);  // still there until CM_RELEASE arrives
  ASSERT_TRUE(PumpUntil([&] { return owner->ComponentCount() == 0; }));
  EXPECT_FALSE(::IsWindow(window));
  EXPECT_EQ(g_events.back(), "destroy");
  for (int i = 0; i < Screen.FormCount(); ++i) EXPECT_NE(Screen.Forms(i), form);
}

TEST_F(FormTest, ShowModalRunsUntilModalResultAndDisablesOtherWindows) {
  TOwned<TComponent> owner = MakeComponent<TComponent>();
  auto* main = owner->Create<TForm>();
  main->Show();
  auto* dialog = owner->Create<TForm>();
  auto* timer = owner->Create<TTimer>();
  timer->SetInterval(50);
  bool mainWasDisabled = false;
  timer->OnTimer = [&](TObject&) {
    mainWasDisabled = !::IsWindowEnabled(main->Handle());
    EXPECT_TRUE(dialog->Modal());
    dialog->SetModalResult(mrOk);
    timer->SetEnabled(false);
  };
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_TRUE(mainWasDisabled);
  EXPECT_TRUE(::IsWindowEnabled(main->Handle()));
  EXPECT_FALSE(dialog->Visible());
  EXPECT_FALSE(dialog->Modal());
  EXPECT_THROW({
    dialog->Show();
    dialog->ShowModal();
  }, EInvalidOperation);
}

TEST_F(FormTest, CloseDuringShowModalEndsItWithCancel) {
  TOwned<TComponent> owner = MakeComponent<TComponent>();
  auto* dialog = owner->Create<TForm>();
  dialog->OnShow = [&](TObject&) { ::PostMessageW(dialog->Handle(), WM_CLOSE, 0, 0); };
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
}

TEST_F(FormTest, ScaledFormGrowsItsClientAndChildrenButStaysInPlace) {
  TOwned<TFrm_Dialog> form = MakeComponent<TFrm_Dialog>();
  form->SetBounds(10, 20, form->Width(), form->Height());
  TLabel* label = form->Create<TLabel>();
  label->SetParent(form->Pnl_Web);
  label->SetAutoSize(false);
  label->SetBounds(100, 40, 20, 10);
  form->ScaleBy(3, 2);
  EXPECT_EQ(form->ClientWidth(), 1176);
  EXPECT_EQ(form->ClientHeight(), 846);
  EXPECT_EQ(form->Left(), 10);
  EXPECT_EQ(form->Top(), 20);
  EXPECT_EQ(label->Left(), 150);
  EXPECT_EQ(label->Width(), 30);
}

class TFrm_Broken : public TForm {
  FW_CLASS(TFrm_Broken, TForm)
 public:
  explicit TFrm_Broken(TComponent* owner) : TForm(owner) {
    Create<TPanel>()->SetParent(this);
    HandleNeeded();
    throw EComponentError("broken form");
  }
};

TEST_F(FormTest, FormWhoseConstructorFailsLeavesNoTrace) {
  TApplication app;
  const int before = Screen.FormCount();
  EXPECT_THROW(app.CreateForm<TFrm_Broken>(), EComponentError);
  EXPECT_EQ(Screen.FormCount(), before);
  EXPECT_EQ(app.MainForm(), nullptr);
  EXPECT_EQ(app.ComponentCount(), 0);
  EXPECT_EQ(::FindWindowW(L"TFrm_Broken", nullptr), nullptr);
}

TEST_F(FormTest, CreatingAndDestroyingFormsLeaksNoGdiObjectsOrWindows) {
  auto build = [] {
    TOwned<TFrm_Dialog> form = MakeComponent<TFrm_Dialog>();
    TLabel* label = form->Create<TLabel>();
    label->SetParent(form->Pnl_Web);
    label->Font().SetName(L"宋体");
    label->Font().SetHeight(-12);
    label->SetCaption(L"正在努力加载页面,请稍候......");
    TImage* image = form->Create<TImage>();
    image->SetParent(form->Pnl_Web);
    TBitmap picture(16, 16);
    picture.Fill(clRed);
    image->SetBitmap(picture);
    form->Show();
    ::UpdateWindow(form->Handle());
    Pump();
    return form->Handle();
  };
  build();  // warm up: shared objects made once per process
  const long gdiBefore = GdiLiveObjects();
  const long processBefore = GdiProcessObjects();
  std::vector<HWND> windows;
  for (int i = 0; i < 5; ++i) windows.push_back(build());
  Pump();
  EXPECT_EQ(GdiLiveObjects(), gdiBefore);
  if (processBefore >= 0) {
    EXPECT_LE(GdiProcessObjects(), processBefore + 2);
  }
  for (HWND w : windows) EXPECT_FALSE(::IsWindow(w));
  EXPECT_EQ(Screen.FormCount(), 0);
}

}  // namespace
