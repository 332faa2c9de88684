// Form helpers: the active-state rules in their order, published
// properties, work areas, bounds, lookup, and the control edge.
#include "QELSkinUtilsForms.h"

#include <gtest/gtest.h>

#include "QELSkinUtilsMessages.h"
#include "SkinTestSupport.h"
#include "framework/Application.h"
#include "framework/Panel.h"
#include "graphics/GdiObjects.h"

namespace {

// Everything saying "active" except what a case changes.
TFormActiveFacts AllActive() {
  TFormActiveFacts f;
  f.HasMainForm = true;
  f.MainFormIsMDIFrame = true;
  f.IsMainForm = true;
  f.ApplicationActive = true;
  f.IsActiveMDIChild = true;
  f.FormActive = true;
  return f;
}

void Pump() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

// A form that answers QM_ISACTIVE with a set value (0: does not answer).
class TAnsweringForm : public TForm {
  FW_CLASS(TAnsweringForm, TForm)
 public:
  explicit TAnsweringForm(TComponent* owner) : TForm(owner) {
    saved_ = WindowProc;
    WindowProc = TWndMethod::Bind<&TAnsweringForm::Hook>(this);
  }
  static std::vector<TPropInfo> PublishedProperties() { return {}; }
  LRESULT answer = 0;
  int asked = 0;

 private:
  void Hook(TMessage& m) {
    if (m.Msg == QM_ISACTIVE) {
      ++asked;
      m.Result = answer;
      if (answer) return;
    }
    saved_(m);
  }
  TWndMethod saved_;
};

}  // namespace

TEST(IsFormActive, TheFormsOwnAnswerComesFirst) {
  TFormActiveFacts f = AllActive();
  f.Answer = 2;
  EXPECT_FALSE(DecideFormActive(f)) << "any positive answer other than 1 is inactive";
  f = TFormActiveFacts{};
  f.Answer = 1;
  EXPECT_TRUE(DecideFormActive(f));
  f.Answer = -1;
  EXPECT_FALSE(DecideFormActive(f)) << "a negative answer decides nothing";
}

TEST(IsFormActive, ThenEachRuleInOrder) {
  // 2. Without a main form the form's own state decides, even when the
  // application is not active.
  TFormActiveFacts f = AllActive();
  f.HasMainForm = false;
  f.ApplicationActive = false;
  EXPECT_TRUE(DecideFormActive(f));
  f.FormActive = false;
  f.ApplicationActive = true;
  EXPECT_FALSE(DecideFormActive(f));
  // 3. A multiple-document main form is active even in an inactive
  // application.
  f = AllActive();
  f.ApplicationActive = false;
  f.FormActive = false;
  EXPECT_TRUE(DecideFormActive(f));
  // 4. Otherwise an inactive application shows every form inactive.
  f = AllActive();
  f.MainFormIsMDIFrame = false;
  f.ApplicationActive = false;
  EXPECT_FALSE(DecideFormActive(f));
  f = AllActive();
  f.IsMainForm = false;
  f.ApplicationActive = false;
  EXPECT_FALSE(DecideFormActive(f));
  // 5. The main form is active, whatever its own state.
  f = AllActive();
  f.MainFormIsMDIFrame = false;
  f.FormActive = false;
  EXPECT_TRUE(DecideFormActive(f));
  // ... the active child of a multiple-document frame too ...
  f = AllActive();
  f.IsMainForm = false;
  f.FormActive = false;
  EXPECT_TRUE(DecideFormActive(f));
  // ... but not an "active child" of a frame that is no such frame.
  f.MainFormIsMDIFrame = false;
  EXPECT_FALSE(DecideFormActive(f));
  // Everything else: the form's own state.
  f.FormActive = true;
  EXPECT_TRUE(DecideFormActive(f));
}

TEST(IsFormActive, AsksTheFormsWindowThenItsActiveState) {
  TOwned<TAnsweringForm> first = MakeComponent<TAnsweringForm>();
  TOwned<TAnsweringForm> second = MakeComponent<TAnsweringForm>();
  first->SetBounds(10, 10, 200, 100);
  second->SetBounds(300, 10, 200, 100);
  first->Show();
  second->Show();
  ::SetActiveWindow(first->Handle());
  Pump();
  ASSERT_EQ(Application.MainForm(), nullptr);
  EXPECT_TRUE(IsFormActive(first.get()));
  EXPECT_FALSE(IsFormActive(second.get()));
  EXPECT_EQ(first->asked, 1);

  first->answer = 3;
  second->answer = 1;
  EXPECT_FALSE(IsFormActive(first.get()));
  EXPECT_TRUE(IsFormActive(second.get()));
  EXPECT_FALSE(IsFormActive(nullptr));
}

TEST(FormHelpers, PublishedPropertiesBoundsLookupAndWorkArea) {
  TOwned<TForm> form = MakeComponent<TForm>();
  TPanel* panel = form->Create<TPanel>();
  EXPECT_TRUE(HasPublishedProperty(form.get(), "Caption"));
  EXPECT_TRUE(HasPublishedProperty(panel, "BevelOuter"));
  EXPECT_TRUE(HasPublishedProperty(panel, "Tag")) << "inherited properties count";
  EXPECT_FALSE(HasPublishedProperty(form.get(), "BevelOuter"));
  EXPECT_FALSE(HasPublishedProperty(nullptr, "Caption"));

  SetFormBounds(form.get(), RECT{20, 30, 220, 180});
  EXPECT_EQ(form->Left(), 20);
  EXPECT_EQ(form->Top(), 30);
  EXPECT_EQ(form->Width(), 200);
  EXPECT_EQ(form->Height(), 150);

  HWND window = form->Handle();
  EXPECT_EQ(FindFormByHandle(window), form.get());
  EXPECT_EQ(FindFormByHandle(nullptr), nullptr);
  EXPECT_EQ(FindFormByHandle(::GetDesktopWindow()), nullptr);

  RECT primary{};
  ASSERT_TRUE(::SystemParametersInfoW(SPI_GETWORKAREA, 0, &primary, 0));
  const RECT area = GetWorkArea(window);  // no main form: the primary work area
  EXPECT_EQ(area.left, primary.left);
  EXPECT_EQ(area.top, primary.top);
  EXPECT_EQ(area.right, primary.right);
  EXPECT_EQ(area.bottom, primary.bottom - 1);
}

TEST(FormHelpers, WorkAreaOfTheMonitorWithAMainForm) {
  TForm* main = Application.CreateForm<TForm>();
  ASSERT_EQ(Application.MainForm(), main);
  main->SetBounds(50, 50, 100, 100);
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(::GetMonitorInfoW(::MonitorFromWindow(main->Handle(), MONITOR_DEFAULTTONEAREST), &info));
  const RECT area = GetWorkArea(main->Handle());
  EXPECT_EQ(area.right, info.rcWork.right);
  EXPECT_EQ(area.bottom, info.rcWork.bottom - 1);

  // The main form of an active application is active; another form is not
  // unless it is the active window.
  TOwned<TForm> other = MakeComponent<TForm>();
  other->SetBounds(300, 50, 100, 100);
  main->Show();
  other->Show();
  ::SetForegroundWindow(other->Handle());
  ::SetActiveWindow(other->Handle());
  Pump();
  EXPECT_TRUE(IsFormActive(main)) << "the main form of the active application";
  EXPECT_TRUE(IsFormActive(other.get()));
  ::SetActiveWindow(main->Handle());
  Pump();
  EXPECT_FALSE(IsFormActive(other.get()));
  main->Free();
  EXPECT_EQ(Application.MainForm(), nullptr);
}

TEST(DrawControlEdge, TwoPixelBandAndTheBorderLineOnTheLeft) {
  TqelSkinReader reader(BuiltInSkin(), "");
  ASSERT_TRUE(reader.Loaded());
  TOwned<TForm> form = MakeComponent<TForm>();
  form->SetBounds(100, 100, 200, 150);
  TPanel* panel = form->Create<TPanel>();
  panel->SetParent(form.get());
  panel->SetBounds(10, 10, 60, 40);
  form->Show();
  Pump();
  DrawControlEdge(*panel, reader, clRed);
  const UniqueWindowDC panelDC = UniqueWindowDC::Client(panel->Handle());
  const HDC dc = panelDC.get();
  const COLORREF border = static_cast<COLORREF>(reader.GetColor(SKIN2_CONTROLBORDERCOLOR));
  EXPECT_EQ(::GetPixel(dc, 0, 20), border);
  EXPECT_EQ(::GetPixel(dc, 0, 0), border);
  EXPECT_EQ(::GetPixel(dc, 1, 20), static_cast<COLORREF>(clRed));
  EXPECT_EQ(::GetPixel(dc, 30, 0), static_cast<COLORREF>(clRed));
  EXPECT_EQ(::GetPixel(dc, 30, 1), static_cast<COLORREF>(clRed));
  EXPECT_EQ(::GetPixel(dc, 59, 20), static_cast<COLORREF>(clRed));
  EXPECT_EQ(::GetPixel(dc, 30, 38), static_cast<COLORREF>(clRed));
  EXPECT_NE(::GetPixel(dc, 30, 20), static_cast<COLORREF>(clRed));
  EXPECT_NE(::GetPixel(dc, 2, 20), static_cast<COLORREF>(clRed));
}
