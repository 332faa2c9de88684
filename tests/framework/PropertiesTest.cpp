// Published properties asked by name and type, as a painter that knows no
// C++ types asks them.
#include "framework/Properties.h"

#include <gtest/gtest.h>

#include "framework/Form.h"
#include "framework/Image.h"
#include "framework/Label.h"
#include "framework/Panel.h"
#include "framework/Timer.h"

namespace {

// A windowed control that publishes its bevel edges (as edit controls will).
class TEdgeControl : public TWinControl {
  FW_CLASS(TEdgeControl, TWinControl)
 public:
  using TWinControl::TWinControl;
  static std::vector<TPropInfo> PublishedProperties() { return {PropBevelEdges(), PropColor()}; }
};

// Publishes nothing of its own: finds its parent's properties.
class TPlainPanel : public TPanel {
  FW_CLASS(TPlainPanel, TPanel)
 public:
  using TPanel::TPanel;
};

TEST(PropertiesTest, BorderStyleTellsPanelsFromForms) {
  TOwned<TForm> form = MakeComponent<TForm>();
  TPanel* panel = form->Create<TPanel>();
  const TPropInfo* formStyle = FindProperty(*form, "BorderStyle");
  const TPropInfo* panelStyle = FindProperty(*panel, "BorderStyle");
  ASSERT_TRUE(formStyle && panelStyle);
  EXPECT_EQ(formStyle->TypeName, "TFormBorderStyle");
  EXPECT_EQ(panelStyle->TypeName, "TBorderStyle");
  EXPECT_EQ(GetEnumProp(*panel, "BorderStyle"), "bsNone");
  EXPECT_EQ(GetEnumProp(*form, "BorderStyle"), "bsSizeable");

  SetEnumProp(*form, "BorderStyle", "bsDialog");
  EXPECT_EQ(form->BorderStyle(), bsDialog);
  SetOrdProp(*panel, "BorderStyle", bsSingle);
  EXPECT_EQ(panel->BorderStyle(), bsSingle);
  EXPECT_THROW(SetEnumProp(*panel, "BorderStyle", "bsWhatever"), EPropertyError);
  // Labels and images have no border style at all.
  TLabel* label = form->Create<TLabel>();
  EXPECT_FALSE(IsPublishedProp(*label, "BorderStyle"));
}

TEST(PropertiesTest, ColourAndParentColourReadAndWriteTheControl) {
  TOwned<TForm> form = MakeComponent<TForm>();
  TLabel* label = form->Create<TLabel>();
  label->SetParent(form.get());
  EXPECT_EQ(FindProperty(*label, "Color")->TypeName, "TColor");
  EXPECT_EQ(FindProperty(*label, "ParentColor")->TypeName, "Boolean");
  EXPECT_EQ(GetOrdProp(*label, "ParentColor"), 1);
  EXPECT_EQ(GetOrdProp(*label, "Color"), clBtnFace);  // the form's colour

  SetOrdProp(*label, "Color", clRed);
  EXPECT_EQ(label->Color(), clRed);
  EXPECT_EQ(GetOrdProp(*label, "ParentColor"), 0);  // an own colour ends inheritance
  SetOrdProp(*label, "ParentColor", 1);
  EXPECT_EQ(label->Color(), clBtnFace);
}

TEST(PropertiesTest, CaptionIsWideTextAndNameIsNarrow) {
  TOwned<TForm> form = MakeComponent<TForm>();
  const TPropInfo* caption = FindProperty(*form, "Caption");
  ASSERT_NE(caption, nullptr);
  EXPECT_EQ(caption->Kind, TTypeKind::WString);
  SetStrProp(*form, "Caption", L"Velmora软件报修");
  EXPECT_EQ(form->Caption(), L"Velmora软件报修");
  EXPECT_EQ(GetStrProp(*form, "Caption"), L"Velmora软件报修");

  EXPECT_EQ(FindProperty(*form, "Name")->Kind, TTypeKind::String);
  SetStrProp(*form, "Name", L"Frm_RepairMain");
  EXPECT_EQ(form->Name(), "Frm_RepairMain");
  EXPECT_THROW(SetStrProp(*form, "Name", L"名字"), EPropertyError);  // not ASCII
}

TEST(PropertiesTest, TagIsPublishedOnEveryComponent) {
  TOwned<TForm> form = MakeComponent<TForm>();
  TTimer* timer = form->Create<TTimer>();
  TImage* image = form->Create<TImage>();
  for (TComponent* c : {static_cast<TComponent*>(form.get()), static_cast<TComponent*>(timer),
                        static_cast<TComponent*>(image)}) {
    SetOrdProp(*c, "Tag", 9999);
    EXPECT_EQ(c->Tag(), 9999);
    EXPECT_EQ(FindProperty(*c, "Tag")->TypeName, "NativeInt");
  }
}

TEST(PropertiesTest, SetsAreBitMasksWithElementNames) {
  TOwned<TForm> form = MakeComponent<TForm>();
  TEdgeControl* edit = form->Create<TEdgeControl>();
  const TPropInfo* edges = FindProperty(*edit, "BevelEdges");
  ASSERT_NE(edges, nullptr);
  EXPECT_EQ(edges->Kind, TTypeKind::Set);
  EXPECT_EQ(edges->TypeName, "TBevelEdges");
  ASSERT_EQ(edges->EnumNames.size(), 4u);
  EXPECT_EQ(edges->EnumNames[0], "beLeft");
  EXPECT_EQ(GetOrdProp(*edit, "BevelEdges"), beLeft | beTop | beRight | beBottom);
  SetOrdProp(*edit, "BevelEdges", 0);
  EXPECT_EQ(edit->BevelEdges(), 0u);  // the empty set a border painter looks for

  SetOrdProp(*form, "BorderIcons", biSystemMenu);
  EXPECT_EQ(form->BorderIcons(), static_cast<TBorderIcons>(biSystemMenu));
  EXPECT_EQ(FindProperty(*form, "Anchors"), nullptr);  // forms do not publish anchors
  TPanel* panel = form->Create<TPanel>();
  EXPECT_EQ(GetOrdProp(*panel, "Anchors"), akLeft | akTop);
}

TEST(PropertiesTest, FontIsAnObjectOfTheControl) {
  TOwned<TForm> form = MakeComponent<TForm>();
  TLabel* label = form->Create<TLabel>();
  TFont* font = GetObjectProp<TFont>(*label, "Font", "TFont");
  ASSERT_EQ(font, &label->Font());
  font->SetHeight(-24);
  EXPECT_EQ(label->Font().Height(), -24);
  EXPECT_THROW(GetObjectProp(*label, "Font", "TPicture"), EPropertyError);
}

TEST(PropertiesTest, DerivedClassesFindTheirAncestorsProperties) {
  TOwned<TForm> form = MakeComponent<TForm>();
  TPlainPanel* plain = form->Create<TPlainPanel>();
  EXPECT_EQ(plain->ClassName(), "TPlainPanel");
  EXPECT_TRUE(IsPublishedProp(*plain, "BevelOuter"));
  // Each property appears once, however deep the class.
  const auto list = GetPropList(*plain);
  int colours = 0;
  for (const TPropInfo* p : list) colours += p->Name == "Color";
  EXPECT_EQ(colours, 1);
  EXPECT_EQ(list.front()->Name, "Name");  // ancestors' properties first
}

TEST(PropertiesTest, MisuseIsReportedNotIgnored) {
  TOwned<TForm> form = MakeComponent<TForm>();
  TTimer* timer = form->Create<TTimer>();
  EXPECT_EQ(FindProperty(*timer, "Color"), nullptr);
  EXPECT_THROW(GetOrdProp(*timer, "Color"), EPropertyError);
  EXPECT_THROW(GetOrdProp(*form, "Caption"), EPropertyError);  // text, not ordinal
  EXPECT_THROW(SetStrProp(*form, "Color", L"red"), EPropertyError);
  EXPECT_THROW(GetEnumProp(*form, "Tag"), EPropertyError);
}

TEST(PropertiesTest, TimerIntervalAndEnabled) {
  TOwned<TTimer> timer = MakeComponent<TTimer>();
  SetOrdProp(*timer, "Interval", 100);
  SetOrdProp(*timer, "Enabled", 0);
  EXPECT_EQ(timer->Interval(), 100u);
  EXPECT_FALSE(timer->Enabled());
}

}  // namespace
