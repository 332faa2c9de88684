// The message loop: handlers before dispatch, termination, exceptions.
#include "framework/Application.h"

#include "FrameworkTesting.h"
#include "framework/ApplicationEvents.h"
#include "framework/Form.h"
#include "framework/Timer.h"

namespace {

constexpr UINT kProbe = WM_APP + 7;

// A form that counts the probe messages that reach it.
class TFrm_Counting : public TForm {
  FW_CLASS(TFrm_Counting, TForm)
 public:
  using TForm::TForm;
  int probes = 0;

 protected:
  void WndProc(TMessage& m) override {
    if (m.Msg == kProbe) ++probes;
    TForm::WndProc(m);
  }
};

class ApplicationTest : public FrameworkTest {};

TEST_F(ApplicationTest, HandledMessageIsNeverDispatched) {
  TOwned<TFrm_Counting> form = MakeComponent<TFrm_Counting>();
  TApplicationEvents* events = form->Create<TApplicationEvents>();
  std::vector<WPARAM> seen;
  events->OnMessage = [&](MSG& msg, bool& handled) {
    if (msg.message != kProbe) return;
    seen.push_back(msg.wParam);
    handled = msg.wParam == 1;  // drop the first, pass the second
  };
  ::PostMessageW(form->Handle(), kProbe, 1, 0);
  ::PostMessageW(form->Handle(), kProbe, 2, 0);
  Pump();
  EXPECT_EQ(seen, (std::vector<WPARAM>{1, 2}));
  EXPECT_EQ(form->probes, 1);
}

TEST_F(ApplicationTest, EveryHandlerIsAskedInCreationOrderAndSeesTheFlag) {
  TOwned<TFrm_Counting> form = MakeComponent<TFrm_Counting>();
  std::vector<std::string> order;
  Application.OnMessage = [&](MSG& msg, bool&) {
    if (msg.message == kProbe) order.push_back("application");
  };
  auto* first = form->Create<TApplicationEvents>();
  auto* second = form->Create<TApplicationEvents>();
  first->OnMessage = [&](MSG& msg, bool& handled) {
    if (msg.message != kProbe) return;
    order.push_back("first");
    handled = true;
  };
  bool secondSawHandled = false;
  second->OnMessage = [&](MSG& msg, bool& handled) {
    if (msg.message != kProbe) return;
    order.push_back("second");
    secondSawHandled = handled;
  };
  ::PostMessageW(form->Handle(), kProbe, 0, 0);
  Pump();
  Application.OnMessage = nullptr;
  EXPECT_EQ(order, (std::vector<std::string>{"application", "first", "second"}));
  EXPECT_TRUE(secondSawHandled);
  EXPECT_EQ(form->probes, 0);

  // A destroyed events component is asked no more.
  first->Free();
  order.clear();
  ::PostMessageW(form->Handle(), kProbe, 0, 0);
  Pump();
  EXPECT_EQ(order, (std::vector<std::string>{"second"}));
  EXPECT_EQ(form->probes, 1);
}

TEST_F(ApplicationTest, HandlerMayDestroyItsOwnEventsComponent) {
  TOwned<TFrm_Counting> form = MakeComponent<TFrm_Counting>();
  auto* events = form->Create<TApplicationEvents>();
  auto* later = form->Create<TApplicationEvents>();
  int laterCalls = 0;
  later->OnMessage = [&](MSG& msg, bool&) { laterCalls += msg.message == kProbe; };
  events->OnMessage = [&](MSG& msg, bool&) {
    if (msg.message == kProbe) later->Free();
  };
  ::PostMessageW(form->Handle(), kProbe, 0, 0);
  Pump();
  EXPECT_EQ(laterCalls, 0);
  EXPECT_EQ(form->probes, 1);
}

// OnCreate refuses to start, as the main window does on a bad configuration.
class TFrm_Refusing : public TForm {
  FW_CLASS(TFrm_Refusing, TForm)
 public:
  TFrm_Refusing(TComponent* owner, TApplication& app) : TForm(owner) {
    OnCreate = [&app](TObject&) { app.Terminate(); };
    OnShow = [this](TObject&) { shown = true; };
  }
  bool shown = false;
};

TEST_F(ApplicationTest, TerminateBeforeRunReturnsAtOnceWithoutShowing) {
  TApplication app;
  TFrm_Refusing* form = app.CreateForm<TFrm_Refusing>(app);
  EXPECT_EQ(app.MainForm(), form);
  EXPECT_TRUE(app.Terminated());
  const DWORD start = ::GetTickCount();
  app.Run();
  EXPECT_LT(::GetTickCount() - start, 1000u);
  EXPECT_FALSE(form->shown);
  EXPECT_FALSE(form->Visible());
  // The quit request was taken from the queue: later loops are not ended.
  MSG msg;
  EXPECT_FALSE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
}

TEST_F(ApplicationTest, ClosingTheMainFormEndsRun) {
  TApplication app;
  TForm* main = app.CreateForm<TForm>();
  TForm* second = app.CreateForm<TForm>();
  EXPECT_EQ(app.MainForm(), main);
  bool mainVisibleInLoop = false;
  auto* timer = app.Create<TTimer>();
  timer->SetInterval(30);
  timer->OnTimer = [&](TObject&) {
    mainVisibleInLoop = ::IsWindowVisible(main->Handle()) != FALSE;
    second->Close();  // a secondary form only hides
    ::PostMessageW(main->Handle(), WM_CLOSE, 0, 0);
    timer->SetEnabled(false);
  };
  app.Run();
  EXPECT_TRUE(mainVisibleInLoop);
  EXPECT_TRUE(app.Terminated());
  // Destroying the main form forgets it.
  main->Free();
  EXPECT_EQ(app.MainForm(), nullptr);
}

TEST_F(ApplicationTest, QuitMessageEndsTheLoop) {
  TApplication app;
  app.SetShowMainForm(false);
  app.CreateForm<TForm>();
  ::PostQuitMessage(0);
  app.Run();
  EXPECT_TRUE(app.Terminated());
}

class TFrm_Throwing : public TForm {
  FW_CLASS(TFrm_Throwing, TForm)
 public:
  using TForm::TForm;

 protected:
  void WndProc(TMessage& m) override {
    if (m.Msg == kProbe) throw EInvalidOperation("bad message");
    TForm::WndProc(m);
  }
};

TEST_F(ApplicationTest, ExceptionInAWindowProcedureReachesOnException) {
  TOwned<TFrm_Throwing> form = MakeComponent<TFrm_Throwing>();
  std::string reported;
  TObject* sender = nullptr;
  Application.OnException = [&](TObject& s, const std::exception& e) {
    reported = e.what();
    sender = &s;
  };
  EXPECT_EQ(::SendMessageW(form->Handle(), kProbe, 0, 0), 0);
  EXPECT_EQ(reported, "bad message");
  EXPECT_EQ(sender, form.get());
}

TEST_F(ApplicationTest, IdleHandlersRunWhenTheQueueIsEmpty) {
  TOwned<TComponent> owner = MakeComponent<TComponent>();
  auto* events = owner->Create<TApplicationEvents>();
  int idles = 0;
  events->OnIdle = [&](TObject&, bool& done) {
    ++idles;
    done = false;  // ask again instead of waiting
  };
  for (int i = 0; i < 100 && idles == 0; ++i) Application.HandleMessage();
  EXPECT_GE(idles, 1);
}

}  // namespace
