// What painters read without knowing the C++ types: class ancestry by name
// and the published properties with their type names.
#include <functional>
#include <memory>

#include "ComCtrlsTesting.h"
#include "framework/comctrls/CoolBar.h"
#include "framework/comctrls/DateTimePicker.h"
#include "framework/comctrls/HotKey.h"
#include "framework/comctrls/ListView.h"
#include "framework/comctrls/ProgressBar.h"
#include "framework/comctrls/StatusBar.h"
#include "framework/comctrls/TabControl.h"
#include "framework/comctrls/ToolBar.h"
#include "framework/comctrls/TrackBar.h"
#include "framework/comctrls/TreeView.h"
#include "framework/comctrls/UpDown.h"

namespace {

struct ClassCase {
  std::function<TComponent*(TComponent& owner)> make;
  const char* ancestor;
  TypeTable types;
};

template <typename T>
std::function<TComponent*(TComponent&)> Maker() {
  return [](TComponent& owner) { return owner.Create<T>(); };
}

TEST(PublishedTypesTest, EveryControlNamesItsAncestorsAndItsPropertyTypes) {
  const ClassCase cases[] = {
      {Maker<TTrackBar>(), "TWinControl",
       {{"Min", "Integer"}, {"Max", "Integer"}, {"Position", "Integer"}, {"Frequency", "Integer"},
        {"SelStart", "Integer"}, {"SelEnd", "Integer"}, {"Orientation", "TTrackBarOrientation"},
        {"TickMarks", "TTickMark"}, {"TickStyle", "TTickStyle"}, {"Color", "TColor"}}},
      {Maker<TProgressBar>(), "TWinControl",
       {{"Min", "Integer"}, {"Max", "Integer"}, {"Position", "Integer"}, {"Step", "Integer"},
        {"Orientation", "TProgressBarOrientation"}, {"Smooth", "Boolean"}}},
      {Maker<TUpDown>(), "TCustomUpDown",
       {{"Associate", "TWinControl"}, {"Min", "Integer"}, {"Max", "Integer"}, {"Position", "Integer"},
        {"Increment", "Integer"}, {"Orientation", "TUDOrientation"}, {"AlignButton", "TUDAlignButton"},
        {"Wrap", "Boolean"}, {"ArrowKeys", "Boolean"}}},
      {Maker<THotKey>(), "TCustomHotKey",
       {{"HotKey", "TShortCut"}, {"Modifiers", "THKModifiers"}, {"InvalidKeys", "THKInvalidKeys"},
        {"BevelEdges", "TBevelEdges"}}},
      {Maker<TDateTimePicker>(), "TWinControl",
       {{"Kind", "TDateTimeKind"}, {"DateMode", "TDTDateMode"}, {"DateFormat", "TDTDateFormat"},
        {"Date", "TDate"}, {"Time", "TTime"}, {"DateTime", "TDateTime"}, {"MinDate", "TDate"},
        {"MaxDate", "TDate"}, {"ShowCheckbox", "Boolean"}, {"Checked", "Boolean"}, {"Color", "TColor"}}},
      {Maker<TTreeView>(), "TCustomTreeView",
       {{"Images", "TCustomImageList"}, {"ShowLines", "Boolean"}, {"ShowButtons", "Boolean"},
        {"ShowRoot", "Boolean"}, {"ReadOnly", "Boolean"}, {"BorderStyle", "TBorderStyle"},
        {"Color", "TColor"}, {"Font", "TFont"}}},
      {Maker<TToolBar>(), "TToolWindow",
       {{"Images", "TCustomImageList"}, {"DisabledImages", "TCustomImageList"},
        {"HotImages", "TCustomImageList"}, {"Flat", "Boolean"}, {"Transparent", "Boolean"},
        {"ShowCaptions", "Boolean"}, {"Wrapable", "Boolean"}, {"AutoSize", "Boolean"},
        {"EdgeBorders", "TEdgeBorders"}, {"EdgeInner", "TEdgeStyle"}, {"EdgeOuter", "TEdgeStyle"},
        {"BorderWidth", "TBorderWidth"}, {"Indent", "Integer"}, {"ButtonWidth", "Integer"},
        {"ButtonHeight", "Integer"}, {"List", "Boolean"}, {"Color", "TColor"}, {"ParentColor", "Boolean"}}},
      {Maker<TToolButton>(), "TGraphicControl",
       {{"Style", "TToolButtonStyle"}, {"Grouped", "Boolean"}, {"AllowAllUp", "Boolean"}, {"Down", "Boolean"},
        {"Enabled", "Boolean"}, {"ImageIndex", "TImageIndex"}, {"Caption", "WideString"},
        {"MenuItem", "TMenuItem"}, {"DropdownMenu", "TPopupMenu"}}},
      {Maker<TTabControl>(), "TCustomTabControl",
       {{"Tabs", "TStrings"}, {"TabIndex", "Integer"}, {"TabPosition", "TTabPosition"}, {"MultiLine", "Boolean"},
        {"Style", "TTabStyle"}, {"Images", "TCustomImageList"}}},
      {Maker<TPageControl>(), "TCustomTabControl",
       {{"ActivePage", "TTabSheet"}, {"TabPosition", "TTabPosition"}, {"MultiLine", "Boolean"}}},
      {Maker<TTabSheet>(), "TWinControl",
       {{"Caption", "WideString"}, {"TabVisible", "Boolean"}, {"PageIndex", "Integer"},
        {"ImageIndex", "TImageIndex"}}},
      {Maker<TStatusBar>(), "TCustomStatusBar",
       {{"Panels", "TStatusPanels"}, {"SimplePanel", "Boolean"}, {"SimpleText", "WideString"},
        {"SizeGrip", "Boolean"}, {"Color", "TColor"}, {"ParentColor", "Boolean"}}},
      {Maker<TListView>(), "TCustomListView",
       {{"Columns", "TListColumns"}, {"ViewStyle", "TViewStyle"}, {"LargeImages", "TCustomImageList"},
        {"SmallImages", "TCustomImageList"}, {"RowSelect", "Boolean"}, {"GridLines", "Boolean"},
        {"ReadOnly", "Boolean"}, {"MultiSelect", "Boolean"}, {"Checkboxes", "Boolean"},
        {"BorderStyle", "TBorderStyle"}}},
      {Maker<TCoolBar>(), "TToolWindow",
       {{"Bands", "TCoolBands"}, {"FixedSize", "Boolean"}, {"FixedOrder", "Boolean"}, {"AutoSize", "Boolean"},
        {"BandBorderStyle", "TBorderStyle"}, {"EdgeBorders", "TEdgeBorders"}, {"ShowText", "Boolean"}}},
  };
  TOwned<TComponent> owner = MakeComponent<TComponent>();
  for (const ClassCase& c : cases) {
    TComponent* object = c.make(*owner);
    EXPECT_TRUE(object->InheritsFrom(c.ancestor)) << object->ClassName() << " from " << c.ancestor;
    ExpectPublishedTypes(*object, c.types);
  }
  // The collections' items.
  TOwned<TStatusBar> status = MakeComponent<TStatusBar>();
  ExpectPublishedTypes(status->Panels().Add(), {{"Text", "WideString"}, {"Width", "Integer"},
                                                {"Alignment", "TAlignment"}, {"Style", "TStatusPanelStyle"},
                                                {"Bevel", "TStatusPanelBevel"}});
  TOwned<TListView> list = MakeComponent<TListView>();
  ExpectPublishedTypes(list->Columns().Add(),
                       {{"Caption", "WideString"}, {"Width", "TWidth"}, {"Alignment", "TAlignment"}});
  TOwned<TCoolBar> cool = MakeComponent<TCoolBar>();
  ExpectPublishedTypes(cool->Bands().Add(), {{"Control", "TWinControl"}, {"Text", "WideString"},
                                             {"Width", "Integer"}, {"Break", "Boolean"}});
}

}  // namespace
