#include "StdCtrlsGallery.h"

#include "framework/ImageList.h"
#include "framework/stdctrls/BitBtn.h"
#include "framework/stdctrls/CheckBox.h"
#include "framework/stdctrls/ComboBox.h"
#include "framework/stdctrls/ComboBoxEx.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/GroupBox.h"
#include "framework/stdctrls/ListBox.h"
#include "framework/stdctrls/MaskEdit.h"
#include "framework/stdctrls/Memo.h"
#include "framework/stdctrls/RadioButton.h"
#include "framework/stdctrls/ScrollBar.h"
#include "framework/stdctrls/ScrollBox.h"
#include "framework/stdctrls/SpeedButton.h"

namespace {

// A 16 x 16 glyph: a coloured disc on the transparent colour.
TBitmap Disc(TColor colour) {
  TBitmap b(16, 16);
  b.Fill(clFuchsia);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      if ((x - 8) * (x - 8) + (y - 8) * (y - 8) < 40) b.SetPixel(x, y, (x + y) < 12 ? clWhite : colour);
  return b;
}

class TBuilder {
 public:
  explicit TBuilder(TForm& form) : form_(form) {}
  template <typename T>
  T* Add(const char* name, int l, int t, int w, int h, const wchar_t* caption = nullptr,
         TWinControl* parent = nullptr) {
    T* c = form_.Create<T>();
    c->SetName(name);
    c->SetParent(parent ? parent : &form_);
    c->SetBounds(l, t, w, h);
    if (caption) c->SetCaption(caption);
    gallery.emplace_back(name, c);
    return c;
  }
  TGallery gallery;

 private:
  TForm& form_;
};

}  // namespace

TGallery BuildGallery(TForm& form) {
  form.SetBorderStyle(bsNone);
  form.SetClientSize(420, 300);
  form.SetColor(clBtnFace);
  TBuilder b(form);

  b.Add<TButton>("Button1", 8, 8, 75, 25, L"&OK")->SetDefault(true);
  b.Add<TButton>("Button2", 88, 8, 75, 25, L"Disabled")->SetEnabled(false);
  auto* bit = b.Add<TBitBtn>("BitBtn1", 168, 8, 90, 25, L"&Glyph");
  bit->SetGlyph(Disc(clGreen));
  auto* bitOff = b.Add<TBitBtn>("BitBtn2", 262, 8, 90, 25, L"Off");
  bitOff->SetGlyph(Disc(clGreen));
  bitOff->SetEnabled(false);

  b.Add<TCheckBox>("CheckBox1", 8, 40, 90, 17, L"&Checked")->SetChecked(true);
  auto* grayed = b.Add<TCheckBox>("CheckBox2", 100, 40, 90, 17, L"Grayed");
  grayed->SetAllowGrayed(true);
  grayed->SetState(cbGrayed);
  auto* off = b.Add<TCheckBox>("CheckBox3", 192, 40, 90, 17, L"Disabled");
  off->SetChecked(true);
  off->SetEnabled(false);
  b.Add<TCheckBox>("CheckBox4", 284, 40, 100, 17, L"Box right")->SetAlignment(taLeftJustify);

  auto* group = b.Add<TGroupBox>("GroupBox1", 8, 62, 130, 80, L"&Group");
  b.Add<TRadioButton>("RadioButton1", 8, 18, 110, 17, L"First", group)->SetChecked(true);
  b.Add<TRadioButton>("RadioButton2", 8, 38, 110, 17, L"Second", group);
  b.Add<TRadioButton>("RadioButton3", 8, 58, 110, 17, L"Disabled", group)->SetEnabled(false);

  b.Add<TEdit>("Edit1", 146, 66, 110, 21, L"Edit 文字");
  b.Add<TEdit>("Edit2", 146, 92, 110, 21, L"Disabled")->SetEnabled(false);
  b.Add<TMaskEdit>("MaskEdit1", 146, 118, 110, 21)->SetEditMask(L"(000) 000-0000;0;_");
  auto* memo = b.Add<TMemo>("Memo1", 262, 62, 150, 78);
  memo->SetScrollBars(ssVertical);
  memo->Lines().SetText("A memo with lines\r\n\xB1\xA8\xD0\xDE\r\nthree\r\nfour\r\nfive\r\nsix");

  auto* list = b.Add<TListBox>("ListBox1", 8, 148, 100, 70);
  list->Items().SetText("alpha\r\nbeta\r\ngamma\r\ndelta\r\nepsilon");
  list->SetItemIndex(1);
  auto* drop = b.Add<TComboBox>("ComboBox1", 114, 148, 110, 21);
  drop->Items().SetText("one\r\ntwo\r\nthree");
  drop->SetItemIndex(0);
  auto* pick = b.Add<TComboBox>("ComboBox2", 114, 174, 110, 21);
  pick->SetStyle(csDropDownList);
  pick->Items().SetText("pick\r\nonly");
  pick->SetItemIndex(0);
  auto* images = form.Create<TImageList>();
  images->SetName("ImageList1");
  TBitmap strip(32, 16);
  strip.Canvas().Draw(0, 0, Disc(clRed));
  strip.Canvas().Draw(16, 0, Disc(clBlue));
  images->AddMasked(strip, clFuchsia);
  auto* ex = b.Add<TComboBoxEx>("ComboBoxEx1", 114, 200, 110, 24);
  ex->SetImages(images);
  ex->ItemsEx().AddItem("red", 0);
  ex->ItemsEx().AddItem("blue", 1);
  ex->SetItemIndex(1);
  auto* simple = b.Add<TComboBox>("ComboBox3", 230, 148, 80, 70);
  simple->SetStyle(csSimple);
  simple->Items().SetText("simple\r\nlist");

  b.Add<TScrollBar>("ScrollBar1", 316, 148, 96, 17)->SetParams(30, 0, 100);
  auto* vbar = b.Add<TScrollBar>("ScrollBar2", 395, 170, 17, 80);
  vbar->SetKind(sbVertical);
  vbar->SetBounds(395, 170, 17, 80);
  auto* box = b.Add<TScrollBox>("ScrollBox1", 316, 170, 75, 60);
  b.Add<TButton>("Button3", 40, 60, 75, 25, L"Far", box);

  auto* raised = b.Add<TSpeedButton>("SpeedButton1", 8, 230, 25, 25);
  raised->SetGlyph(Disc(clRed));
  auto* flat = b.Add<TSpeedButton>("SpeedButton2", 36, 230, 25, 25);
  flat->SetGlyph(Disc(clBlue));
  flat->SetFlat(true);
  auto* down = b.Add<TSpeedButton>("SpeedButton3", 64, 230, 25, 25);
  down->SetGlyph(Disc(clGreen));
  down->SetGroupIndex(1);
  down->SetDown(true);
  b.Add<TSpeedButton>("SpeedButton4", 92, 230, 60, 25, L"&Tool");
  b.Add<TButton>("Button4", 190, 230, 75, 25, L"Pressed");
  auto* spOff = b.Add<TSpeedButton>("SpeedButton5", 156, 230, 25, 25);
  spOff->SetGlyph(Disc(clRed));
  spOff->SetEnabled(false);
  return b.gallery;
}
