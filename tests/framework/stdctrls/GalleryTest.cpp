// Every standard control on one form: the published type names the
// painters read, how the form looks (saved as stdctrls_gallery.bmp beside
// the test) and no GDI objects left behind.
#include <set>

#include "StdCtrlsGallery.h"
#include "StdCtrlsTesting.h"
#include "framework/Strings.h"
#include "framework/stdctrls/CustomCombo.h"

namespace {

using GalleryTest = FrameworkTest;

TEST_F(GalleryTest, PublishedPropertiesCarryTheTypeNamesPaintersRead) {
  TOwned<TForm> form = MakeComponent<TForm>();
  BuildGallery(*form);
  const struct {
    const char* control;
    const char* property;
    const char* type;
  } table[] = {
      {"Button1", "Caption", "WideString"},        {"Button1", "Default", "Boolean"},
      {"Button1", "Cancel", "Boolean"},            {"Button1", "ModalResult", "TModalResult"},
      {"Button1", "WordWrap", "Boolean"},          {"Button1", "Font", "TFont"},
      {"BitBtn1", "Glyph", "TBitmap"},             {"BitBtn1", "NumGlyphs", "TNumGlyphs"},
      {"BitBtn1", "Layout", "TButtonLayout"},      {"BitBtn1", "Margin", "Integer"},
      {"BitBtn1", "Spacing", "Integer"},           {"BitBtn1", "WordWrap", "Boolean"},
      {"CheckBox1", "State", "TCheckBoxState"},    {"CheckBox1", "Checked", "Boolean"},
      {"CheckBox1", "AllowGrayed", "Boolean"},     {"CheckBox1", "Alignment", "TLeftRight"},
      {"CheckBox1", "Color", "TColor"},            {"CheckBox1", "ParentColor", "Boolean"},
      {"RadioButton1", "Checked", "Boolean"},      {"RadioButton1", "Alignment", "TLeftRight"},
      {"Edit1", "BorderStyle", "TBorderStyle"},    {"Edit1", "Text", "TCaption"},
      {"Edit1", "Color", "TColor"},                {"Memo1", "Lines", "TStrings"},
      {"Memo1", "ScrollBars", "TScrollStyle"},     {"Memo1", "WordWrap", "Boolean"},
      {"Memo1", "BorderStyle", "TBorderStyle"},    {"MaskEdit1", "EditMask", "TEditMask"},
      {"MaskEdit1", "BorderStyle", "TBorderStyle"}, {"ListBox1", "Items", "TStrings"},
      {"ListBox1", "Style", "TListBoxStyle"},      {"ListBox1", "BorderStyle", "TBorderStyle"},
      {"ListBox1", "ItemIndex", "Integer"},        {"ComboBox1", "Style", "TComboBoxStyle"},
      {"ComboBox1", "Items", "TStrings"},          {"ComboBox1", "Text", "TCaption"},
      {"ComboBoxEx1", "ItemsEx", "TComboExItems"}, {"ComboBoxEx1", "Images", "TCustomImageList"},
      {"ComboBoxEx1", "Style", "TComboBoxExStyle"}, {"GroupBox1", "Caption", "WideString"},
      {"GroupBox1", "ParentColor", "Boolean"},     {"ScrollBar1", "Kind", "TScrollBarKind"},
      {"ScrollBar1", "Position", "Integer"},       {"ScrollBar1", "SmallChange", "TScrollBarInc"},
      {"ScrollBox1", "HorzScrollBar", "TControlScrollBar"},
      {"ScrollBox1", "VertScrollBar", "TControlScrollBar"},
      {"ScrollBox1", "BorderStyle", "TBorderStyle"}, {"SpeedButton1", "Glyph", "TBitmap"},
      {"SpeedButton1", "Flat", "Boolean"},         {"SpeedButton1", "Down", "Boolean"},
      {"SpeedButton1", "GroupIndex", "Integer"},   {"SpeedButton1", "Layout", "TButtonLayout"},
      {"SpeedButton1", "NumGlyphs", "TNumGlyphs"}, {"SpeedButton1", "Caption", "WideString"},
  };
  for (const auto& row : table) {
    TComponent* c = form->FindComponent(row.control);
    ASSERT_NE(c, nullptr) << row.control;
    const TPropInfo* p = FindProperty(*c, row.property);
    ASSERT_NE(p, nullptr) << row.control << "." << row.property;
    EXPECT_EQ(p->TypeName, row.type) << row.control << "." << row.property;
  }
  // Painters read the values by name too, windows or not.
  TComponent* box = form->FindComponent("CheckBox4");
  EXPECT_EQ(GetEnumProp(*box, "Alignment"), "taLeftJustify");
  EXPECT_EQ(GetEnumProp(*form->FindComponent("CheckBox2"), "State"), "cbGrayed");
  EXPECT_EQ(GetOrdProp(*form->FindComponent("SpeedButton3"), "Down"), 1);
  auto* glyph = GetObjectProp<TBitmap>(*form->FindComponent("BitBtn1"), "Glyph", "TBitmap");
  EXPECT_EQ(glyph->Width(), 16);
  auto* lines = GetObjectProp<TStrings>(*form->FindComponent("Memo1"), "Lines", "TStrings");
  EXPECT_EQ(lines->Count(), 6);
  EXPECT_FALSE(form->HandleAllocated());  // reading made no window
}

TEST_F(GalleryTest, EveryControlShowsAFace) {
  TOwned<TForm> form = MakeComponent<TForm>();
  const TGallery gallery = BuildGallery(*form);
  form->SetLeft(40);
  form->SetTop(40);
  form->Show();
  ::SetForegroundWindow(form->Handle());
  auto* combo = static_cast<TCustomCombo*>(form->FindComponent("ComboBox1"));
  combo->SetFocus();
  combo->SetDroppedDown(true);
  auto* pressed = static_cast<TWinControl*>(form->FindComponent("Button4"));
  ::SendMessageW(pressed->Handle(), BM_SETSTATE, TRUE, 0);
  Pump();
  EXPECT_TRUE(combo->DroppedDown());
  TBitmap shot = CaptureScreen(*form);
  {
    // The dropped-down list is a window of its own over the form: printed
    // into the picture where it lies.
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ::GetComboBoxInfo(combo->Handle(), &info);
    RECT r{};
    ::GetWindowRect(info.hwndList, &r);
    TBitmap list(r.right - r.left, r.bottom - r.top);
    EXPECT_TRUE(::PrintWindow(info.hwndList, list.Canvas().Handle(), 0));
    TBitmap picture = shot;
    picture.Canvas().Draw(r.left - form->Left(), r.top - form->Top(), list);
    picture.SaveToFile(L"stdctrls_gallery.bmp", 24);
  }
  for (const auto& [name, control] : gallery) {
    const RECT r = control->BoundsRect();
    std::set<TColor> colours;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) colours.insert(shot.Pixel(x, y));
    EXPECT_GE(colours.size(), 3u) << name;  // more than a flat fill
  }
}

TEST_F(GalleryTest, MakingAndFreeingTheFormLeavesNoGdiObjects) {
  auto once = [] {
    TOwned<TForm> form = MakeComponent<TForm>();
    BuildGallery(*form);
    form->Show();
    Pump();
  };
  once();  // objects made once per process stay
  const long before = GdiLiveObjects();
  for (int i = 0; i < 50; ++i) once();
  EXPECT_EQ(GdiLiveObjects(), before);
}

}  // namespace
