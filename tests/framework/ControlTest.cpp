// The control's message delegate, its change notifications, inherited
// colour and font, and the layout of aligned and anchored children.
#include "framework/Control.h"

#include "FrameworkTesting.h"
#include "framework/Form.h"
#include "framework/Label.h"
#include "framework/Panel.h"

namespace {

class ControlTest : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    form = MakeComponent<TForm>();
    form->SetBorderStyle(bsSingle);
    form->SetClientSize(400, 300);
    panel = form->Create<TPanel>();
    panel->SetParent(form.get());
    panel->SetBounds(10, 10, 200, 150);
    label = form->Create<TLabel>();
    label->SetParent(panel);
  }
  TOwned<TForm> form;
  TPanel* panel = nullptr;
  TLabel* label = nullptr;
};

TEST_F(ControlTest, HookSeesEveryMessageUntilRestored) {
  TRecordingHook hook(*label);
  label->SetCaption(L"刷新");
  // The caption travels as WM_SETTEXT, then the change is announced.
  ASSERT_EQ(hook.Count(WM_SETTEXT), 1);
  EXPECT_EQ(hook.Count(CM_TEXTCHANGED), 1);
  EXPECT_EQ(label->Caption(), L"刷新");
  label->SetCaption(L"刷新");  // unchanged: nothing sent
  EXPECT_EQ(hook.Count(WM_SETTEXT), 1);
  EXPECT_EQ(label->Perform(CM_HITTEST, 0, 0), HTCLIENT);  // forwarded to the control
  EXPECT_EQ(hook.Count(CM_HITTEST), 1);

  hook.Unhook();
  label->SetCaption(L"重试!");
  EXPECT_EQ(hook.Count(WM_SETTEXT), 1);  // no longer seen
  EXPECT_EQ(label->Caption(), L"重试!");  // and the control still works
}

TEST_F(ControlTest, HooksStackAndUnwindInReverse) {
  TWndMethod original = panel->WindowProc;
  {
    TRecordingHook outer(*panel);
    {
      TRecordingHook inner(*panel);
      panel->Perform(CM_COLORCHANGED);
      EXPECT_EQ(inner.Count(CM_COLORCHANGED), 1);
    }
    panel->Perform(CM_COLORCHANGED);
    EXPECT_EQ(outer.Count(CM_COLORCHANGED), 2);
  }
  EXPECT_EQ(panel->WindowProc, original);
}

TEST_F(ControlTest, WindowMessagesFromThePlatformPassTheHook) {
  HWND window = panel->Handle();
  TRecordingHook hook(*panel);
  ::SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"外部"));
  EXPECT_EQ(hook.Count(WM_SETTEXT), 1);
  EXPECT_EQ(panel->Caption(), L"外部");  // the object follows its window
  wchar_t text[16] = {};
  ::GetWindowTextW(window, text, 16);
  EXPECT_STREQ(text, L"外部");
}

TEST_F(ControlTest, DroppingInvalidateSuppressesTheRepaint) {
  form->Show();
  Pump();
  HWND window = panel->Handle();
  ::ValidateRect(window, nullptr);
  {
    TRecordingHook hook(*panel);
    hook.drop = CM_INVALIDATE;
    panel->Invalidate();
    EXPECT_EQ(hook.Count(CM_INVALIDATE), 1);
    EXPECT_FALSE(::GetUpdateRect(window, nullptr, FALSE));
  }
  panel->Invalidate();
  EXPECT_TRUE(::GetUpdateRect(window, nullptr, FALSE));
}

TEST_F(ControlTest, PropertyChangesAreAnnouncedWithTheirValue) {
  TRecordingHook hook(*label);
  label->Hide();
  ASSERT_NE(hook.Last(CM_VISIBLECHANGED), nullptr);
  EXPECT_EQ(hook.Last(CM_VISIBLECHANGED)->WParam, 0u);
  label->Show();
  EXPECT_EQ(hook.Last(CM_VISIBLECHANGED)->WParam, 1u);
  label->SetEnabled(false);
  EXPECT_EQ(hook.Last(CM_ENABLEDCHANGED)->WParam, 0u);
  label->SetColor(clRed);
  EXPECT_EQ(hook.Count(CM_COLORCHANGED), 1);
  label->Font().SetStyle(fsBold);
  EXPECT_EQ(hook.Count(CM_FONTCHANGED), 1);
  label->SetCursor(crHandPoint);
  EXPECT_EQ(hook.Count(CM_CURSORCHANGED), 1);
  label->SetVisible(true);  // no change, no message
  EXPECT_EQ(hook.Count(CM_VISIBLECHANGED), 2);
}

TEST_F(ControlTest, ColourAndFontFollowTheParentUntilSetOwn) {
  panel->SetColor(clWindow);
  EXPECT_EQ(label->Color(), clWindow);
  EXPECT_TRUE(label->ParentColor());
  panel->Font().SetName(L"宋体");
  panel->Font().SetHeight(-12);
  EXPECT_EQ(label->Font().Name(), L"宋体");
  EXPECT_EQ(label->Font().Height(), -12);
  EXPECT_TRUE(label->ParentFont());

  label->Font().SetHeight(-14);
  EXPECT_FALSE(label->ParentFont());
  panel->Font().SetHeight(-20);
  EXPECT_EQ(label->Font().Height(), -14);

  label->SetColor(MakeColor(40, 91, 162));
  panel->SetColor(clBtnFace);
  EXPECT_EQ(label->Color(), MakeColor(40, 91, 162));
  label->SetParentFont(true);
  EXPECT_EQ(label->Font().Height(), -20);
}

TEST_F(ControlTest, ColourReachesGrandchildren) {
  TPanel* inner = form->Create<TPanel>();
  inner->SetParent(panel);
  inner->SetParentColor(true);
  TLabel* deep = form->Create<TLabel>();
  deep->SetParent(inner);
  panel->SetColor(clYellow);
  EXPECT_EQ(inner->Color(), clYellow);
  EXPECT_EQ(deep->Color(), clYellow);
}

TEST_F(ControlTest, AlignedChildrenShareTheClientAreaInGroupOrder) {
  panel->SetBevelOuter(bvNone);
  TPanel* client = form->Create<TPanel>();
  TPanel* top = form->Create<TPanel>();
  TPanel* left = form->Create<TPanel>();
  TPanel* bottom = form->Create<TPanel>();
  for (TPanel* p : {client, top, left, bottom}) p->SetParent(panel);
  client->SetAlign(alClient);
  top->SetHeight(30);
  top->SetAlign(alTop);
  left->SetWidth(40);
  left->SetAlign(alLeft);
  bottom->SetHeight(20);
  bottom->SetAlign(alBottom);

  auto bounds = [](TControl* c) {
    const RECT r = c->BoundsRect();
    return std::vector<LONG>{r.left, r.top, r.right, r.bottom};
  };
  EXPECT_EQ(bounds(top), (std::vector<LONG>{0, 0, 200, 30}));
  EXPECT_EQ(bounds(bottom), (std::vector<LONG>{0, 130, 200, 150}));
  EXPECT_EQ(bounds(left), (std::vector<LONG>{0, 30, 40, 130}));
  EXPECT_EQ(bounds(client), (std::vector<LONG>{40, 30, 200, 130}));

  top->Hide();  // a hidden control gives its room back
  EXPECT_EQ(bounds(client), (std::vector<LONG>{40, 0, 200, 130}));
  panel->SetBounds(10, 10, 300, 200);  // and the layout follows the parent
  EXPECT_EQ(bounds(client), (std::vector<LONG>{40, 0, 300, 180}));
  EXPECT_EQ(bounds(bottom), (std::vector<LONG>{0, 180, 300, 200}));
}

TEST_F(ControlTest, AnchorsKeepDistancesToTheParentsEdges) {
  label->SetAutoSize(false);
  label->SetBounds(150, 120, 30, 10);
  label->SetAnchors(akRight | akBottom);
  TPanel* stretched = form->Create<TPanel>();
  stretched->SetParent(panel);
  stretched->SetBounds(10, 10, 100, 20);
  stretched->SetAnchors(akLeft | akTop | akRight);

  panel->SetBounds(10, 10, 260, 190);  // 60 wider, 40 higher
  EXPECT_EQ(label->Left(), 210);
  EXPECT_EQ(label->Top(), 160);
  EXPECT_EQ(label->Width(), 30);
  EXPECT_EQ(stretched->Left(), 10);
  EXPECT_EQ(stretched->Width(), 160);
  EXPECT_EQ(stretched->Height(), 20);
}

TEST_F(ControlTest, ConstraintsLimitTheSize) {
  panel->SetConstraints({50, 40, 120, 0});
  panel->SetBounds(0, 0, 10, 10);
  EXPECT_EQ(panel->Width(), 50);
  EXPECT_EQ(panel->Height(), 40);
  panel->SetBounds(0, 0, 500, 500);
  EXPECT_EQ(panel->Width(), 120);
  EXPECT_EQ(panel->Height(), 500);
}

TEST_F(ControlTest, ScaleByScalesPlaceSizeAndOwnFont) {
  label->SetAutoSize(false);
  label->SetBounds(20, 30, 40, 10);
  label->Font().SetHeight(-12);
  label->ScaleBy(3, 2);
  EXPECT_EQ(label->Left(), 30);
  EXPECT_EQ(label->Top(), 45);
  EXPECT_EQ(label->Width(), 60);
  EXPECT_EQ(label->Height(), 15);
  EXPECT_EQ(label->Font().Height(), -18);
}

TEST_F(ControlTest, ClientCoordinatesOfAControlWithoutWindow) {
  label->SetAutoSize(false);
  label->SetBounds(5, 7, 20, 20);
  form->HandleNeeded();
  const POINT panelOrigin = panel->ClientOrigin();
  const POINT p = label->ClientToScreen({1, 2});
  EXPECT_EQ(p.x, panelOrigin.x + 6);
  EXPECT_EQ(p.y, panelOrigin.y + 9);
  const POINT back = label->ScreenToClient(p);
  EXPECT_EQ(back.x, 1);
  EXPECT_EQ(back.y, 2);
}

TEST_F(ControlTest, DestroyedChildLeavesItsParent) {
  TLabel* gone = form->Create<TLabel>();
  gone->SetParent(panel);
  const int before = panel->ControlCount();
  gone->Free();
  EXPECT_EQ(panel->ControlCount(), before - 1);
  // A parent destroyed first leaves its surviving children without parent.
  TPanel* host = form->Create<TPanel>();
  host->SetParent(form.get());
  TLabel* orphan = form->Create<TLabel>();
  orphan->SetParent(host);
  host->Free();
  EXPECT_EQ(orphan->Parent(), nullptr);
}

}  // namespace
