#pragma once
// TFrm_RepairMain: the launcher's only window. A fixed dialog that hosts the
// embedded browser under a white waiting panel; the panel shows the loading
// message and indicator while the report page loads, and an error sentence
// with a refresh link and the service phone when the page that arrives is
// not the report page. The launcher logic itself lives in TRepairMainCore.
#include <string>

#include "RepairMainCore.h"
#include "WebBrowser.h"
#include "framework/ApplicationEvents.h"
#include "framework/Form.h"
#include "framework/Image.h"
#include "framework/Label.h"
#include "framework/Panel.h"

class TAnimatedImage;
class TqelSkinEngine;

// How a window is put together: the browser factory and where the
// launcher's files are. Tests replace both.
struct TRepairMainSetup {
  TWebBrowser::Factory BrowserFactory = TWebBrowser::PlatformFactory();
  TAppLocation Location = TAppLocation::OfRunningProgram();
};

class TFrm_RepairMain : public TForm, private IRepairMainView {
  FW_CLASS(TFrm_RepairMain, TForm)
 public:
  explicit TFrm_RepairMain(TComponent* owner, TRepairMainSetup setup = {});

  // Components, in creation order.
  TPanel* Panel1;
  TPanel* Pnl_Web;
  TWebBrowser* WebBrowser;
  TPanel* Pnl_Msg;
  TImage* Img_back;
  TLabel* Lb_Msg;
  TLabel* Lb_Base;
  TLabel* Lb_Ref;
  TLabel* Lb_cs;
  TAnimatedImage* Img_Gif;
  TLabel* Lb_Phone;
  TApplicationEvents* ApplicationEvents1;
  TqelSkinEngine* qelSkinEngine1;

  // The launcher state (identity, page address, main program path).
  const TRepairFields& Fields() const noexcept { return core_.Fields(); }

  // Event handlers
  void FormCreate(TObject& sender);
  void FormShow(TObject& sender);
  void WebBrowserDocumentComplete(IDispatch* frame, const std::wstring& url);
  void WebBrowserNavigateError(const std::wstring& url, long status);
  void Lb_RefClick(TObject& sender);
  void ApplicationEvents1Message(MSG& msg, bool& handled);

 private:
  void CreateComponents();
  // The skin engine with its stored values; the built-in skin travels in
  // the executable's resources.
  void CreateSkinEngine();
  void LoadPictures();
  // Requests the page; a request the browser refuses leads to the error
  // state and one log line.
  void RequestPage();
  void ShowErrorState();
  static void LogLoadFailure(const std::string& message) noexcept;
  static void LogSkinFailure(const std::string& message) noexcept;
  TLabel* MakeLabel(const wchar_t* name, int left, int top, std::wstring_view caption, int fontHeight,
                    TColor color);

  // IRepairMainView
  void ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT flags) override;
  void SetPhoneCaption(const std::wstring& caption) override;
  void SetControlVisible(TRepairControl control, bool visible) override;
  void Navigate(const std::wstring& address) override;

  TRepairMainCore core_;
};
