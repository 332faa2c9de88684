// Frames: a frame class builds its own controls, owns them and shows them
// inside itself, wherever a form or a panel places it.
#include "framework/grids/Frame.h"

#include "FrameworkTesting.h"
#include "framework/Form.h"
#include "framework/Panel.h"

namespace {

class TContactFrame : public TFrame {
  FW_CLASS(TContactFrame, TFrame)
 public:
  explicit TContactFrame(TComponent* owner) : TFrame(owner) {
    SetBounds(0, 0, 200, 100);
    Header = Part("Header", alTop, clRed);
    Header->SetHeight(30);
    Body = Part("Body", alClient, clBlue);
  }
  TPanel* Header;
  TPanel* Body;
  int loaded = 0;
  bool partsLoadingWhenLoaded = false;

 protected:
  void Loaded() override {
    TFrame::Loaded();
    ++loaded;
    partsLoadingWhenLoaded = Header->Loading();
  }

 private:
  TPanel* Part(const char* name, TAlign align, TColor color) {
    TPanel* p = Create<TPanel>();
    p->SetName(name);
    p->SetParent(this);
    p->SetAlign(align);
    p->SetBevelOuter(bvNone);
    p->SetColor(color);
    return p;
  }
};

class TFrm_Host : public TForm {
  FW_CLASS(TFrm_Host, TForm)
 public:
  explicit TFrm_Host(TComponent* owner) : TForm(owner) {
    SetBorderStyle(bsNone);
    SetClientSize(300, 200);
    Side = Create<TPanel>();
    Side->SetParent(this);
    Side->SetAlign(alLeft);
    Side->SetWidth(50);
    Frame1 = Create<TContactFrame>();
    Frame1->SetName("Frame1");
    Frame1->SetParent(this);
    Frame1->SetAlign(alClient);
    loadedDuringConstructor = Frame1->loaded;
  }
  TPanel* Side;
  TContactFrame* Frame1;
  int loadedDuringConstructor = -1;
};

std::wstring WindowClassOf(HWND window) {
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  return name;
}

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

class FrameTest : public FrameworkTest {};

TEST_F(FrameTest, ChildrenAreShownAndLaidOutInsideTheFrameOnAForm) {
  TOwned<TFrm_Host> form = MakeComponent<TFrm_Host>();
  form->Show();
  Pump();
  TContactFrame& frame = *form->Frame1;

  // Built with the form: loaded once, after the form's constructor, with
  // its parts no longer loading.
  EXPECT_EQ(form->loadedDuringConstructor, 0);
  EXPECT_EQ(frame.loaded, 1);
  EXPECT_FALSE(frame.partsLoadingWhenLoaded);

  // The frame owns its parts; the form owns the frame.
  EXPECT_EQ(frame.Owner(), form.get());
  EXPECT_EQ(frame.Header->Owner(), &frame);
  EXPECT_EQ(frame.FindComponent("Header"), frame.Header);
  EXPECT_EQ(form->FindComponent("Header"), nullptr);

  // Windows: the frame's inside the form's, the parts inside the frame's.
  EXPECT_EQ(WindowClassOf(frame.Handle()), L"TContactFrame");
  EXPECT_EQ(::GetParent(frame.Handle()), form->Handle());
  for (TPanel* part : {frame.Header, frame.Body}) {
    EXPECT_EQ(::GetParent(part->Handle()), frame.Handle());
    EXPECT_TRUE(::IsWindowVisible(part->Handle()));
  }
  EXPECT_TRUE(SameRect(frame.BoundsRect(), {50, 0, 300, 200}));
  EXPECT_TRUE(SameRect(frame.Header->BoundsRect(), {0, 0, 250, 30}));
  EXPECT_TRUE(SameRect(frame.Body->BoundsRect(), {0, 30, 250, 200}));

  // Resizing the form lays the frame and its parts out again.
  form->SetClientSize(400, 250);
  EXPECT_EQ(frame.Width(), 350);
  EXPECT_EQ(frame.Body->Height(), 220);

  TBitmap shot(400, 250);
  form->PaintTo(shot.Canvas().Handle(), 0, 0);
  EXPECT_EQ(shot.Pixel(200, 10), clRed);
  EXPECT_EQ(shot.Pixel(200, 200), clBlue);

  // A second frame of the same class, made later on a panel, loads by
  // itself and names its parts without clashing with the first one's.
  TContactFrame* second = form->Create<TContactFrame>();
  second->SetParent(form->Side);
  EXPECT_EQ(second->loaded, 1);
  EXPECT_EQ(second->FindComponent("Header"), second->Header);
  EXPECT_EQ(::GetParent(second->Header->Handle()), second->Handle());
  EXPECT_EQ(::GetParent(second->Handle()), form->Side->Handle());
}

TEST_F(FrameTest, FrameTakesItsParentsColourAndPublishesItsLook) {
  TOwned<TFrm_Host> form = MakeComponent<TFrm_Host>();
  form->SetColor(clYellow);
  EXPECT_EQ(form->Frame1->Color(), clYellow);
  form->Frame1->SetColor(clGreen);
  form->SetColor(clAqua);
  EXPECT_EQ(form->Frame1->Color(), clGreen);
  EXPECT_FALSE(GetOrdProp(*form->Frame1, "ParentColor"));
  const std::pair<const char*, const char*> types[] = {
      {"Color", "TColor"}, {"ParentColor", "Boolean"}, {"Align", "TAlign"}, {"Font", "TFont"}, {"TabStop", "Boolean"}};
  for (auto [name, type] : types) {
    const TPropInfo* p = FindProperty(*form->Frame1, name);
    ASSERT_NE(p, nullptr) << name;
    EXPECT_EQ(p->TypeName, type) << name;
  }
  EXPECT_TRUE(form->Frame1->InheritsFrom("TCustomFrame"));
}

}  // namespace
