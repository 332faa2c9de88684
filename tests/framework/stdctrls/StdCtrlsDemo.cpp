// The standard controls' gallery in a window, to look at and try: every
// control in its usual states. Closes after the number of seconds given as
// its argument (0 or none: when the user closes it).
#include <cstdlib>

#include "StdCtrlsGallery.h"
#include "framework/Application.h"
#include "framework/Timer.h"

namespace {

class TFrm_Gallery : public TForm {
  FW_CLASS(TFrm_Gallery, TForm)
 public:
  explicit TFrm_Gallery(TComponent* owner) : TForm(owner) {
    BuildGallery(*this);
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    SetClientSize(420, 300);
    SetPosition(poScreenCenter);
    SetCaption(L"Standard controls 标准控件");
  }
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  Application.Initialize();
  Application.SetTitle(L"Standard controls");
  Application.CreateForm<TFrm_Gallery>();
  const int seconds = std::atoi(commandLine);
  if (seconds > 0) {
    TTimer* quit = Application.Create<TTimer>();
    quit->SetInterval(static_cast<unsigned>(seconds) * 1000);
    quit->OnTimer = [](TObject&) { Application.Terminate(); };
  }
  Application.Run();
  return 0;
}
