#include "forms/MessageDialog.h"

#include <algorithm>
#include <array>
#include <cwctype>

#include "dialogs/DialogButton.h"
#include "framework/Application.h"
#include "framework/Label.h"
#include "framework/Screen.h"
#include "graphics/GdiObjects.h"

namespace {

struct TButtonKind {
  TMsgDlgBtn kind;
  const char* name;
  const wchar_t* caption;
  TModalResult result;
};

constexpr std::array<TButtonKind, 11> kButtons{{
    {mbYes, "Yes", L"&Yes", mrYes},
    {mbNo, "No", L"&No", mrNo},
    {mbOK, "OK", L"OK", mrOk},
    {mbCancel, "Cancel", L"Cancel", mrCancel},
    {mbAbort, "Abort", L"&Abort", mrAbort},
    {mbRetry, "Retry", L"&Retry", mrRetry},
    {mbIgnore, "Ignore", L"&Ignore", mrIgnore},
    {mbAll, "All", L"&All", mrAll},
    {mbNoToAll, "NoToAll", L"N&o to All", mrNoToAll},
    {mbYesToAll, "YesToAll", L"Yes to &All", mrYesToAll},
    {mbHelp, "Help", L"&Help", mrNone},
}};

constexpr const wchar_t* kTitles[] = {L"Warning", L"Error", L"Information", L"Confirm"};
const wchar_t* const kIcons[] = {IDI_WARNING, IDI_ERROR, IDI_INFORMATION, IDI_QUESTION};

size_t IndexOf(TMsgDlgBtn kind) {
  for (size_t i = 0; i < kButtons.size(); ++i)
    if (kButtons[i].kind == kind) return i;
  return 0;
}

// The letter after '&' in a caption, upper case; 0 when none.
wchar_t Mnemonic(const std::wstring& caption) {
  const size_t amp = caption.find(L'&');
  return amp + 1 < caption.size() ? static_cast<wchar_t>(std::towupper(caption[amp + 1])) : 0;
}

}  // namespace

TMessageForm::TMessageForm(TComponent* owner, std::wstring_view text, TMsgDlgType type, TMsgDlgButtons buttons,
                           int helpContext)
    : TForm(owner), helpContext_(helpContext) {
  SetBorderStyle(bsDialog);
  SetBorderIcons(biSystemMenu);
  SetPosition(poScreenCenter);
  SetKeyPreview(true);
  SetScaled(false);  // measured in the screen's own pixels
  SetCaption(type == mtCustom ? Application.Title() : std::wstring(kTitles[type]));
  if (type != mtCustom) icon_ = ::LoadIconW(nullptr, kIcons[type]);
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    Font().SetName(metrics.lfMessageFont.lfFaceName);
    Font().SetHeight(metrics.lfMessageFont.lfHeight);
    Font().SetCharset(metrics.lfMessageFont.lfCharSet);
  }
  if (!(buttons & ~mbHelp)) buttons |= mbOK;  // there is always a way out
  for (size_t i = 0; i < kButtons.size(); ++i) {
    if (!(buttons & kButtons[i].kind)) continue;
    TDialogButton* b = Create<TDialogButton>();
    b->SetName(kButtons[i].name);
    b->SetCaption(kButtons[i].caption);
    b->SetModalResult(kButtons[i].result);
    b->SetParent(this);
    buttons_[i] = b;
  }
  if (TDialogButton* help = Button(mbHelp))
    help->OnClick = [this](TObject&) {
      if (OnHelp) OnHelp(*this);
    };
  for (TMsgDlgBtn kind : {mbOK, mbYes, mbRetry})
    if (!default_) default_ = Button(kind);
  for (TDialogButton* b : buttons_)
    if (!default_) default_ = b;
  default_->SetDefault(true);
  for (TMsgDlgBtn kind : {mbCancel, mbNo, mbOK})
    if (!cancel_) cancel_ = Button(kind);
  Layout(text);
}

TDialogButton* TMessageForm::Button(TMsgDlgBtn kind) const noexcept { return buttons_[IndexOf(kind)]; }

void TMessageForm::Layout(std::wstring_view text) {
  // Sizes in dialog units of the message font (a quarter of the average
  // character width, an eighth of the line height).
  UniqueWindowDC screen = UniqueWindowDC::Client(nullptr);
  SelectScope font(screen.get(), Font().Handle());
  TEXTMETRICW tm{};
  ::GetTextMetricsW(screen.get(), &tm);
  SIZE abc{};
  static constexpr wchar_t kAlphabet[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  ::GetTextExtentPoint32W(screen.get(), kAlphabet, 52, &abc);
  const int unitX = std::max(1, static_cast<int>((abc.cx / 26 + 1) / 2));
  const int unitY = std::max(1, static_cast<int>(tm.tmHeight));
  auto dx = [&](int units) { return MulDiv(units, unitX, 4); };
  auto dy = [&](int units) { return MulDiv(units, unitY, 8); };
  const int margin = dx(8), vMargin = dy(8), spacing = dx(10), vSpacing = dy(10);
  const int buttonWidth = dx(50), buttonHeight = dy(14), buttonSpacing = dx(4);

  const std::wstring body(text);
  RECT textRect{0, 0, Screen.Width() / 2, 0};
  ::DrawTextW(screen.get(), body.c_str(), static_cast<int>(body.size()), &textRect,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
  const int iconSize = icon_ ? ::GetSystemMetrics(SM_CXICON) : 0;
  const int iconSpace = icon_ ? iconSize + spacing : 0;
  int count = 0;
  for (TDialogButton* b : buttons_) count += b != nullptr;
  const int buttonsWidth = count * buttonWidth + (count - 1) * buttonSpacing;
  const int top = std::max<int>(iconSize, textRect.bottom);
  const int width = std::max<int>(iconSpace + textRect.right, buttonsWidth) + 2 * margin;
  SetClientSize(width, top + vSpacing + buttonHeight + 2 * vMargin);

  iconRect_ = {margin, vMargin, margin + iconSize, vMargin + iconSize};
  TLabel* message = Create<TLabel>();
  message->SetName("Message");
  message->SetParent(this);
  message->SetAutoSize(false);
  message->SetWordWrap(true);
  message->SetShowAccelChar(false);
  message->SetCaption(body);
  message->SetBounds(margin + iconSpace, vMargin, textRect.right, textRect.bottom);
  int x = (width - buttonsWidth) / 2;
  for (TDialogButton* b : buttons_) {
    if (!b) continue;
    b->SetBounds(x, top + vMargin + vSpacing, buttonWidth, buttonHeight);
    x += buttonWidth + buttonSpacing;
  }
}

void TMessageForm::PaintWindow(HDC dc) {
  if (icon_) ::DrawIconEx(dc, iconRect_.left, iconRect_.top, icon_, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
}

void TMessageForm::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_ACTIVATE: CMActivate(m); break;
    default: TForm::WndProc(m); break;
  }
}

void TMessageForm::CMActivate(TMessage& m) {
  TForm::WndProc(m);
  if (!dynamic_cast<TDialogButton*>(FindControl(::GetFocus()))) default_->SetFocus();
}

void TMessageForm::MoveFocus(int step) {
  std::vector<TDialogButton*> order;
  for (TDialogButton* b : buttons_)
    if (b) order.push_back(b);
  auto it = std::find(order.begin(), order.end(), dynamic_cast<TDialogButton*>(FindControl(::GetFocus())));
  const int n = static_cast<int>(order.size());
  const int at = it == order.end() ? 0 : static_cast<int>(it - order.begin());
  order[static_cast<size_t>(((at + step) % n + n) % n)]->SetFocus();
}

void TMessageForm::KeyDown(WORD& key, TShiftState shift) {
  TForm::KeyDown(key, shift);
  auto* focused = dynamic_cast<TDialogButton*>(FindControl(::GetFocus()));
  switch (key) {
    case VK_RETURN:
      (focused ? focused : default_)->Click();
      key = 0;
      return;
    case VK_ESCAPE:
      if (cancel_) cancel_->Click();
      key = 0;
      return;
    case VK_TAB:
      MoveFocus((shift & ssShift) ? -1 : 1);
      key = 0;
      return;
    case VK_LEFT:
    case VK_RIGHT:
      MoveFocus(key == VK_LEFT ? -1 : 1);
      key = 0;
      return;
    default:
      break;
  }
  for (TDialogButton* b : buttons_) {
    if (b && key != 0 && Mnemonic(b->Caption()) == key) {
      key = 0;
      b->Click();
      return;
    }
  }
}

TMessageForm* CreateMessageDialog(std::wstring_view text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext) {
  return Application.Create<TMessageForm>(text, type, buttons, helpContext);
}

TModalResult MessageDlg(std::wstring_view text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext) {
  TOwned<TMessageForm> form = MakeComponent<TMessageForm>(text, type, buttons, helpContext);
  return form->ShowModal();
}
