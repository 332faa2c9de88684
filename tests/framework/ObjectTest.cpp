// Class names and class tests.
#include "framework/Object.h"

#include <gtest/gtest.h>

#include "framework/Form.h"
#include "framework/Label.h"
#include "framework/Panel.h"

namespace {

class TFrm_Probe : public TForm {
  FW_CLASS(TFrm_Probe, TForm)
 public:
  using TForm::TForm;
};

TEST(ObjectTest, ClassNamesFollowTheDeclaredClass) {
  TOwned<TFrm_Probe> form = MakeComponent<TFrm_Probe>();
  TPanel* panel = form->Create<TPanel>();
  TLabel* label = form->Create<TLabel>();
  EXPECT_EQ(form->ClassName(), "TFrm_Probe");
  EXPECT_EQ(panel->ClassName(), "TPanel");
  EXPECT_EQ(label->ClassName(), "TLabel");
  // Asked through a base pointer, the answer is the real class.
  TComponent* base = panel;
  EXPECT_EQ(base->ClassName(), "TPanel");
}

TEST(ObjectTest, InheritsFromWalksTheWholeChain) {
  TOwned<TFrm_Probe> form = MakeComponent<TFrm_Probe>();
  TPanel* panel = form->Create<TPanel>();
  for (const char* ancestor : {"TPanel", "TCustomPanel", "TCustomControl", "TWinControl", "TControl",
                               "TComponent", "TObject"})
    EXPECT_TRUE(panel->InheritsFrom(ancestor)) << ancestor;
  EXPECT_FALSE(panel->InheritsFrom("TCustomLabel"));
  EXPECT_FALSE(panel->InheritsFrom("TCustomForm"));
  EXPECT_TRUE(form->InheritsFrom("TCustomForm"));
  EXPECT_TRUE(panel->Is<TCustomPanel>());
  EXPECT_FALSE(panel->Is<TGraphicControl>());
  EXPECT_TRUE(TPanel::StaticClass().InheritsFrom(TWinControl::StaticClass()));
  EXPECT_FALSE(TWinControl::StaticClass().InheritsFrom(TPanel::StaticClass()));
  EXPECT_EQ(TPanel::StaticClass().Parent(), &TCustomPanel::StaticClass());
}

}  // namespace
