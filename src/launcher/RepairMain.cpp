#include "RepairMain.h"

#include <ole2.h>

#include "AnimatedImage.h"
#include "AnsiText.h"
#include "GifDecoder.h"
#include "JpegDecoder.h"
#include "LauncherTexts.h"
#include "PublicFunction.h"
#include "ResourceBytes.h"
#include "engine/QELSkinEngine.h"
#include "framework/Application.h"
#include "res/PictureResources.h"

namespace {

constexpr int kSkipSkinTag = 9999;                       // left unskinned by the skin engine
constexpr TColor kMessageBlue = MakeColor(40, 91, 162);  // the waiting message's colour
constexpr wchar_t kFontName[] = L"宋体";
// Where the skin package lay on the machine the window was designed on; it
// is not on the user's machine, so the stored skin below is the one used.
constexpr wchar_t kDesignSkinFile[] = L"E:\\Velmora\\Design\\Skins\\VelmoraRepairBlue.qsk";

bool IsReportTitle(const std::wstring& title) {
  return title.find(L"报修") != std::wstring::npos || title.find(L"登记") != std::wstring::npos;
}

}  // namespace

TFrm_RepairMain::TFrm_RepairMain(TComponent* owner, TRepairMainSetup setup)
    : TForm(owner), core_(*this, std::move(setup.Location)) {
  // The skin engine skins the window as soon as the form is loaded, which
  // creates the window and the browser control in it: object linking must
  // be ready before that (FormCreate comes later).
  ::OleInitialize(nullptr);
  SetName("Frm_RepairMain");
  SetBorderStyle(bsDialog);
  SetBorderIcons(biSystemMenu);
  SetCaption(kAppTitle);
  SetClientSize(784, 564);
  SetPosition(poScreenCenter);
  SetColor(clBtnFace);
  Font().SetName(kFontName);
  Font().SetHeight(-16);
  CreateComponents();
  CreateSkinEngine();
  WebBrowser->SetFactory(std::move(setup.BrowserFactory));
  LoadPictures();
  OnCreate = EventOf(this, &TFrm_RepairMain::FormCreate);
  OnShow = EventOf(this, &TFrm_RepairMain::FormShow);
}

TLabel* TFrm_RepairMain::MakeLabel(const wchar_t* name, int left, int top, std::wstring_view caption,
                                   int fontHeight, TColor color) {
  auto* label = Create<TLabel>();
  label->SetName(ToAnsi(name));
  label->SetParent(Pnl_Msg);
  label->SetLeft(left);
  label->SetTop(top);
  label->SetTag(kSkipSkinTag);
  label->Font().SetName(kFontName);
  label->Font().SetHeight(-fontHeight);
  label->Font().SetColor(color);
  label->SetCaption(caption);
  return label;
}

void TFrm_RepairMain::CreateComponents() {
  Panel1 = Create<TPanel>();
  Panel1->SetName("Panel1");
  Panel1->SetParent(this);
  Panel1->SetAlign(alClient);
  Panel1->SetBevelInner(bvRaised);
  Panel1->SetBevelOuter(bvLowered);

  Pnl_Web = Create<TPanel>();
  Pnl_Web->SetName("Pnl_Web");
  Pnl_Web->SetParent(Panel1);
  Pnl_Web->SetBevelOuter(bvNone);
  Pnl_Web->SetAlign(alClient);

  WebBrowser = Create<TWebBrowser>();
  WebBrowser->SetName("WebBrowser");
  WebBrowser->SetParent(Pnl_Web);
  WebBrowser->SetAlign(alClient);
  WebBrowser->OnDocumentComplete = [this](IDispatch* frame, const std::wstring& url) {
    WebBrowserDocumentComplete(frame, url);
  };
  WebBrowser->OnNavigateError = [this](const std::wstring& url, long status) {
    WebBrowserNavigateError(url, status);
  };

  Pnl_Msg = Create<TPanel>();
  Pnl_Msg->SetName("Pnl_Msg");
  Pnl_Msg->SetParent(Panel1);
  Pnl_Msg->SetBevelOuter(bvNone);
  Pnl_Msg->SetAlign(alClient);
  Pnl_Msg->SetColor(clWindow);
  Pnl_Msg->SetTag(kSkipSkinTag);

  Img_back = Create<TImage>();
  Img_back->SetName("Img_back");
  Img_back->SetParent(Pnl_Msg);
  Img_back->SetBounds(195, 24, 400, 400);
  Img_back->SetVisible(false);

  Lb_Msg = MakeLabel(L"Lb_Msg", 325, 241, L"正在努力加载页面,请稍候......", 12, kMessageBlue);
  Lb_Msg->SetTransparent(true);

  Lb_Base = MakeLabel(L"Lb_Base", 386, 314, L"加载页面出错!请点击", 12, clRed);
  Lb_Base->SetTransparent(true);
  Lb_Base->SetVisible(false);

  Lb_Ref = MakeLabel(L"Lb_Ref", 505, 311, L"刷新", 14, clBlue);
  Lb_Ref->Font().SetStyle(fsBold | fsUnderline);
  Lb_Ref->SetTransparent(true);
  Lb_Ref->SetCursor(crHandPoint);
  Lb_Ref->SetVisible(false);
  Lb_Ref->OnClick = EventOf(this, &TFrm_RepairMain::Lb_RefClick);

  Lb_cs = MakeLabel(L"Lb_cs", 539, 314, L"重试!", 12, clRed);
  Lb_cs->SetVisible(false);

  Img_Gif = Create<TAnimatedImage>();
  Img_Gif->SetName("Img_Gif");
  Img_Gif->SetParent(Pnl_Msg);
  Img_Gif->SetBounds(306, 239, 16, 16);

  Lb_Phone = MakeLabel(L"Lb_Phone", 232, 440, L"", 24, clFuchsia);
  Lb_Phone->Font().SetStyle(fsBold);
  Lb_Phone->SetVisible(false);

  ApplicationEvents1 = Create<TApplicationEvents>();
  ApplicationEvents1->SetName("ApplicationEvents1");
  ApplicationEvents1->OnMessage = [this](MSG& msg, bool& handled) { ApplicationEvents1Message(msg, handled); };
}

void TFrm_RepairMain::CreateSkinEngine() {
  qelSkinEngine1 = Create<TqelSkinEngine>();
  qelSkinEngine1->SetName("qelSkinEngine1");
  qelSkinEngine1->SetActive(true);
  qelSkinEngine1->SetResSysMenuMin(L"Mi&nimize");
  qelSkinEngine1->SetResSysMenuMax(L"Ma&ximize/Restore");
  qelSkinEngine1->SetResSysMenuClose(L"&Close");
  qelSkinEngine1->SetDisabledTag(kSkipSkinTag);
  qelSkinEngine1->SetDrawScrollBar(true);
  qelSkinEngine1->SetBuiltIn(true);
  qelSkinEngine1->SetSkinDialogs(true);
  qelSkinEngine1->SetSkinAllForms(true);
  qelSkinEngine1->SetNoChangeButtonsFontColor(false);
  qelSkinEngine1->SetSkinFile(kDesignSkinFile);
  // A window without its skin still does its job: a skin that cannot be
  // loaded is logged, not shown.
  try {
    qelSkinEngine1->ReadSkinData(LoadRcData(::GetModuleHandleW(nullptr), kBuiltInSkinResource));
  } catch (const std::exception& e) {
    LogSkinFailure(e.what());
  }
}

void TFrm_RepairMain::LoadPictures() {
  const HMODULE module = ::GetModuleHandleW(nullptr);
  const auto background = DecodeJpeg(LoadRcData(module, kErrorBackgroundResource));
  if (background.ok()) Img_back->SetBitmap(ToBitmap(background.value()));
  const auto indicator = DecodeGif(LoadRcData(module, kLoadingIndicatorResource));
  if (indicator.ok()) Img_Gif->SetAnimation(indicator.value());
}

// --- Event handlers ---------------------------------------------------------

void TFrm_RepairMain::FormCreate(TObject&) {
  ::OleInitialize(nullptr);  // for the browser control; the result does not matter
  if (!core_.ReadIdentityAndConfig()) Application.Terminate();
}

void TFrm_RepairMain::FormShow(TObject&) {
  SetCaption(Caption() + L"--" + FromAnsi(core_.Fields().CompanyName));
  RequestPage();
}

void TFrm_RepairMain::WebBrowserDocumentComplete(IDispatch* frame, const std::wstring&) {
  try {
    TBrowserControl& browser = *WebBrowser->Browser();
    if (!SameComObject(frame, browser.Application().Get())) return;  // a sub-frame
    const ComPtr<IDispatch> document = browser.Document();
    const std::wstring title = document ? browser.DocumentTitle(document.Get()) : std::wstring();
    if (IsReportTitle(title)) {
      Pnl_Web->SetVisible(true);
      Pnl_Msg->SetVisible(false);
    } else {
      ShowErrorState();
    }
  } catch (const std::exception& e) {
    LogLoadFailure(e.what());
  }
}

void TFrm_RepairMain::WebBrowserNavigateError(const std::wstring&, long) {
  // The browser's own error page would not be recognised as the report
  // page either; a browser that cannot show one must not leave the window
  // waiting for ever.
  ShowErrorState();
}

void TFrm_RepairMain::Lb_RefClick(TObject&) {
  for (TControl* c : {static_cast<TControl*>(Img_back), static_cast<TControl*>(Lb_Base),
                      static_cast<TControl*>(Lb_Ref), static_cast<TControl*>(Lb_cs),
                      static_cast<TControl*>(Lb_Phone)})
    c->SetVisible(false);
  RequestPage();
}

void TFrm_RepairMain::ApplicationEvents1Message(MSG& msg, bool& handled) {
  if (msg.message != WM_RBUTTONDOWN && msg.message != WM_RBUTTONUP && msg.message != WM_RBUTTONDBLCLK)
    return;
  const HWND browser = WebBrowser->BrowserHandle();
  if (browser != nullptr && ::IsChild(browser, msg.hwnd)) handled = true;
}

// --- Helpers ------------------------------------------------------------------

void TFrm_RepairMain::RequestPage() {
  try {
    core_.OpenRepairPage();
  } catch (const std::exception& e) {
    LogLoadFailure(e.what());
    ShowErrorState();
  }
}

void TFrm_RepairMain::ShowErrorState() {
  Lb_Msg->SetVisible(false);
  Img_Gif->SetVisible(false);
  Img_back->SetVisible(true);
  Lb_Base->SetVisible(true);
  Lb_Ref->SetVisible(true);
  Lb_cs->SetVisible(true);
  Lb_Phone->SetVisible(!Lb_Phone->Caption().empty());
}

void TFrm_RepairMain::LogLoadFailure(const std::string& message) noexcept {
  try {
    TSysOper::WriteLog(ToAnsi(L"加载页面失败，错误：") + message);
  } catch (...) {
  }
}

void TFrm_RepairMain::LogSkinFailure(const std::string& message) noexcept {
  try {
    TSysOper::WriteLog(ToAnsi(L"加载皮肤失败，错误：") + message);
  } catch (...) {
  }
}

// --- IRepairMainView ---------------------------------------------------------

void TFrm_RepairMain::ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT flags) {
  ::MessageBoxW(nullptr, text.c_str(), caption.c_str(), flags);
}

void TFrm_RepairMain::SetPhoneCaption(const std::wstring& caption) { Lb_Phone->SetCaption(caption); }

void TFrm_RepairMain::SetControlVisible(TRepairControl control, bool visible) {
  TControl* target = nullptr;
  switch (control) {
    case TRepairControl::Pnl_Web: target = Pnl_Web; break;
    case TRepairControl::Pnl_Msg: target = Pnl_Msg; break;
    case TRepairControl::Img_back: target = Img_back; break;
    case TRepairControl::Lb_Msg: target = Lb_Msg; break;
    case TRepairControl::Lb_Base: target = Lb_Base; break;
    case TRepairControl::Lb_Ref: target = Lb_Ref; break;
    case TRepairControl::Lb_cs: target = Lb_cs; break;
    case TRepairControl::Img_Gif: target = Img_Gif; break;
    case TRepairControl::Lb_Phone: target = Lb_Phone; break;
  }
  if (target != nullptr) target->SetVisible(visible);
}

void TFrm_RepairMain::Navigate(const std::wstring& address) {
  WebBrowser->HandleNeeded();
  if (TBrowserControl* browser = WebBrowser->Browser()) browser->Navigate(address);
}
