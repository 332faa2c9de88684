// A form built like the program's main window, to look at: a fixed dialog
// with bevelled panels, coloured labels (one a link with a hand cursor), a
// picture and a small animated square. Closes itself after the number of
// seconds given as its argument (0 or none: when the user closes it).
#include <cstdlib>
#include <cwchar>

#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/Image.h"
#include "framework/Label.h"
#include "framework/Panel.h"
#include "framework/Timer.h"

namespace {

TBitmap Gradient(int w, int h) {
  TBitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      b.SetPixel(x, y, MakeColor(static_cast<uint8_t>(255 * x / w), static_cast<uint8_t>(255 * y / h), 200));
  return b;
}

class TFrm_Demo : public TForm {
  FW_CLASS(TFrm_Demo, TForm)
 public:
  explicit TFrm_Demo(TComponent* owner) : TForm(owner) {
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    SetClientSize(784, 564);
    SetPosition(poScreenCenter);
    SetCaption(L"Framework demo 框架");
    Font().SetName(L"Tahoma");
    Font().SetHeight(-16);

    Panel1 = Create<TPanel>();
    Panel1->SetParent(this);
    Panel1->SetAlign(alClient);
    Panel1->SetBevelInner(bvRaised);
    Panel1->SetBevelOuter(bvLowered);

    Pnl_Msg = Create<TPanel>();
    Pnl_Msg->SetParent(Panel1);
    Pnl_Msg->SetAlign(alClient);
    Pnl_Msg->SetBevelOuter(bvNone);
    Pnl_Msg->SetColor(clWindow);
    Pnl_Msg->SetTag(9999);

    Img_back = Create<TImage>();
    Img_back->SetParent(Pnl_Msg);
    Img_back->SetBounds(195, 24, 400, 400);
    Img_back->SetStretch(true);
    Img_back->SetBitmap(Gradient(100, 100));

    Lb_Msg = Label(L"Loading the page, please wait......", 325, 241, MakeColor(40, 91, 162), -12, 0);
    Lb_Base = Label(L"The page failed to load! Click", 300, 450, clRed, -12, 0);
    Lb_Ref = Label(L"Refresh", 490, 447, clBlue, -14, fsBold | fsUnderline);
    Lb_Ref->SetCursor(crHandPoint);
    Lb_Ref->OnClick = [this](TObject&) { Lb_Msg->SetCaption(L"Refresh was clicked"); };
    Lb_Phone = Label(L"0000-12345678", 232, 490, clFuchsia, -24, fsBold);

    Img_Gif = Create<TImage>();
    Img_Gif->SetParent(Pnl_Msg);
    Img_Gif->SetBounds(306, 239, 16, 16);
    Img_Gif->SetTransparent(true);

    Timer1 = Create<TTimer>();
    Timer1->SetInterval(100);
    Timer1->OnTimer = [this](TObject&) { NextFrame(); };
    NextFrame();
  }

  TPanel* Panel1;
  TPanel* Pnl_Msg;
  TImage* Img_back;
  TImage* Img_Gif;
  TLabel* Lb_Msg;
  TLabel* Lb_Base;
  TLabel* Lb_Ref;
  TLabel* Lb_Phone;
  TTimer* Timer1;

 private:
  TLabel* Label(const wchar_t* text, int x, int y, TColor color, int height, TFontStyles style) {
    TLabel* l = Create<TLabel>();
    l->SetParent(Pnl_Msg);
    l->SetLeft(x);
    l->SetTop(y);
    l->SetTransparent(true);
    l->Font().SetName(L"Tahoma");
    l->Font().SetHeight(height);
    l->Font().SetStyle(style);
    l->Font().SetColor(color);
    l->SetCaption(text);
    l->SetTag(9999);
    return l;
  }

  void NextFrame() {
    // A square turning around the picture's middle, on a transparent ground.
    TBitmap frame(16, 16);
    frame.Fill(clWhite);
    frame.SetTransparentColor(clWhite);
    const int step = frame_++ % 4;
    const int x = step == 1 || step == 2 ? 8 : 0;
    const int y = step >= 2 ? 8 : 0;
    for (int j = 0; j < 8; ++j)
      for (int i = 0; i < 8; ++i) frame.SetPixel(x + i, y + j, MakeColor(40, 91, 162));
    Img_Gif->SetBitmap(frame);
  }

  int frame_ = 0;
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  Application.Initialize();
  Application.SetTitle(L"Framework demo");
  Application.CreateForm<TFrm_Demo>();
  const int seconds = std::atoi(commandLine);
  if (seconds > 0) {
    TTimer* quit = Application.Create<TTimer>();
    quit->SetInterval(static_cast<unsigned>(seconds) * 1000);
    quit->OnTimer = [](TObject&) { Application.Terminate(); };
  }
  Application.Run();
  return 0;
}
