#include "GalleryForm.h"

#include "GalleryDialogs.h"
#include "GalleryImages.h"
#include "GalleryPage.h"
#include "MdiWindow.h"
#include "engine/QELSkinEngine.h"
#include "framework/ImageList.h"
#include "framework/Menus.h"
#include "framework/Timer.h"
#include "framework/comctrls/StatusBar.h"
#include "framework/comctrls/TabControl.h"
#include "framework/comctrls/ToolBar.h"
#include "framework/stdctrls/GroupBox.h"

namespace {

TMenuItem* AddItem(TMenuItem* parent, const wchar_t* caption, TShortCut shortCut = 0, int image = -1) {
  TMenuItem* item = parent->AddItem(caption);
  item->SetShortCut(shortCut);
  item->SetImageIndex(image);
  return item;
}

}  // namespace

TFrm_Gallery::TFrm_Gallery(TComponent* owner, std::span<const std::uint8_t> skin) : TForm(owner) {
  SetCaption(L"Framework gallery");
  SetPosition(poDesigned);
  SetBounds(16, 16, 820, 600);
  TSizeConstraints limits = Constraints();
  limits.MinWidth = 640;
  limits.MinHeight = 480;
  SetConstraints(limits);
  ImageList1 = Create<TImageList>();
  ImageList1->SetName("ImageList1");
  AddDiscImages(*ImageList1);
  BuildMenu();
  BuildToolBar();
  StatusBar1 = Create<TStatusBar>();
  StatusBar1->SetName("StatusBar1");
  StatusBar1->SetParent(this);
  const std::pair<const wchar_t*, int> panels[] = {{L"Ready", 200}, {L"", 200}, {L"\x62A5\x4FEE", 100}};
  for (const auto& [text, width] : panels) {
    TStatusPanel& panel = StatusBar1->Panels().Add();
    panel.SetText(text);
    panel.SetWidth(width);
  }
  PageControl1 = Create<TPageControl>();
  PageControl1->SetName("PageControl1");
  PageControl1->SetParent(this);
  PageControl1->SetAlign(alClient);
  PageControl1->OnChange = EventOf(this, &TFrm_Gallery::PageControl1Change);
  BuildPages();
  StatesTimer1 = Create<TTimer>();
  StatesTimer1->SetEnabled(false);
  StatesTimer1->SetInterval(1);
  StatesTimer1->OnTimer = EventOf(this, &TFrm_Gallery::StatesTimer1Timer);
  OnShow = EventOf(this, &TFrm_Gallery::FormShow);
  if (!skin.empty()) CreateSkinEngine(skin);
}

// One engine for the program: it skins this form once loaded, the forms
// made later (the MDI window, message dialogs) as they are created, and
// the platform's dialog boxes.
void TFrm_Gallery::CreateSkinEngine(std::span<const std::uint8_t> skin) {
  qelSkinEngine1 = Create<TqelSkinEngine>();
  qelSkinEngine1->SetName("qelSkinEngine1");
  qelSkinEngine1->SetActive(true);
  qelSkinEngine1->SetDrawScrollBar(true);
  qelSkinEngine1->SetBuiltIn(true);
  qelSkinEngine1->SetSkinDialogs(true);
  qelSkinEngine1->SetSkinAllForms(true);
  qelSkinEngine1->ReadSkinData(skin);
}

void TFrm_Gallery::BuildMenu() {
  MainMenu1 = Create<TMainMenu>();
  MainMenu1->SetName("MainMenu1");
  MainMenu1->SetImages(ImageList1);
  TMenuItem* file = AddItem(&MainMenu1->Items(), L"&File");
  AddItem(file, L"&New", ShortCut('N', ssCtrl), 0);
  AddItem(file, L"&Open...", ShortCut('O', ssCtrl), 1)->OnClick = [](TObject&) { ShowOpenDialog(); };
  AddItem(file, L"&Save", ShortCut('S', ssCtrl), 2)->SetEnabled(false);
  AddItem(file, L"Save &as...", ShortCut('S', ssCtrl | ssShift))->OnClick = [](TObject&) { ShowSaveDialog(); };
  AddItem(file, L"-");
  TMenuItem* recent = AddItem(file, L"&Recent files");
  AddItem(recent, L"&1 readme.txt");
  AddItem(recent, L"&2 \x62A5\x4FEE.ini");
  TMenuItem* older = AddItem(recent, L"&Older");
  AddItem(older, L"&3 notes.txt");
  AddItem(older, L"&4 gone.txt")->SetEnabled(false);
  AddItem(file, L"-");
  AddItem(file, L"E&xit", ShortCut(VK_F4, ssAlt))->OnClick = EventOf(this, &TFrm_Gallery::ExitClick);

  TMenuItem* view = AddItem(&MainMenu1->Items(), L"&View");
  for (const wchar_t* caption : {L"&Tool bar", L"&Status bar"}) {
    TMenuItem* item = AddItem(view, caption);
    item->SetChecked(true);
    item->OnClick = EventOf(this, &TFrm_Gallery::ToggleClick);
  }
  AddItem(view, L"-");
  int n = 0;
  for (const wchar_t* caption : {L"S&mall icons", L"&Medium icons", L"&Large icons"}) {
    TMenuItem* item = AddItem(view, caption, ShortCut(static_cast<WORD>('1' + n), ssCtrl), n);
    item->SetRadioItem(true);
    item->SetGroupIndex(1);
    item->SetChecked(n++ == 1);
    item->OnClick = EventOf(this, &TFrm_Gallery::SizeClick);
  }
  AddItem(view, L"-");
  AddItem(view, L"&Disabled item")->SetEnabled(false);
  AddItem(view, L"&Default item")->SetDefault(true);

  TMenuItem* window = AddItem(&MainMenu1->Items(), L"&Window");
  AddItem(window, L"&MDI window...", ShortCut('M', ssCtrl), 3)->OnClick = EventOf(this, &TFrm_Gallery::MDIClick);
  TMenuItem* help = AddItem(&MainMenu1->Items(), L"&Help");
  AddItem(help, L"&About the gallery...", ShortCut(VK_F1, 0))->OnClick = EventOf(this, &TFrm_Gallery::AboutClick);
  SetMenu(MainMenu1);
}

void TFrm_Gallery::BuildToolBar() {
  ToolBar1 = Create<TToolBar>();
  ToolBar1->SetName("ToolBar1");
  ToolBar1->SetParent(this);
  ToolBar1->SetFlat(true);
  ToolBar1->SetImages(ImageList1);
  ToolBar1->SetShowCaptions(true);
  ToolBar1->SetList(true);
  ToolBar1->SetAutoSize(true);
  struct Button {
    const wchar_t* caption;
    TToolButtonStyle style;
    int image;
    void (*click)();
  };
  const Button buttons[] = {
      {L"Open", tbsButton, 1, &ShowOpenDialog},     {L"Save", tbsButton, 2, &ShowSaveDialog},
      {L"", tbsSeparator, -1, nullptr},             {L"Bold", tbsCheck, 0, nullptr},
      {L"Colour", tbsButton, 3, &ShowColourDialog}, {L"Off", tbsButton, 2, nullptr},
  };
  for (const Button& b : buttons) {
    TToolButton* button = Create<TToolButton>();
    button->SetLeft(10000);
    button->SetCaption(b.caption);
    button->SetStyle(b.style);
    button->SetImageIndex(b.image);
    button->SetParent(ToolBar1);
    if (b.click) button->OnClick = [click = b.click](TObject&) { click(); };
  }
  ToolBar1->Buttons(3)->SetDown(true);
  ToolBar1->Buttons(5)->SetEnabled(false);
  TToolButton* mdi = Create<TToolButton>();
  mdi->SetLeft(10000);
  mdi->SetCaption(L"MDI");
  mdi->SetImageIndex(3);
  mdi->SetParent(ToolBar1);
  mdi->OnClick = EventOf(this, &TFrm_Gallery::MDIClick);
}

void TFrm_Gallery::BuildPages() {
  for (const TGalleryPageInfo& info : GalleryPages()) {
    auto* sheet = Create<TTabSheet>();
    sheet->SetCaption(info.Caption);
    sheet->SetPageControl(PageControl1);
    TPageState state{sheet, nullptr, {}};
    for (bool enabled : {true, false}) {
      if (!enabled && !info.Twice) break;
      auto* group = Create<TGroupBox>();
      group->SetParent(sheet);
      group->SetCaption(!info.Twice ? L"" : enabled ? L"Enabled" : L"Disabled");
      group->SetBounds(enabled ? 4 : 402, 4, info.Twice ? 392 : 790, 470);
      if (info.Twice) group->SetAnchors(akLeft | akTop | akBottom);
      TGalleryPage page(*this, *group, enabled, *ImageList1);
      info.Build(page);
      if (page.FocusControl()) state.Focus = page.FocusControl();
      state.Pressed.insert(state.Pressed.end(), page.Pressed().begin(), page.Pressed().end());
    }
    pages_.push_back(std::move(state));
  }
  PageControl1->SetActivePageIndex(0);
}

bool TFrm_Gallery::ShowPage(std::string_view name) {
  const auto& infos = GalleryPages();
  for (size_t i = 0; i < infos.size(); ++i) {
    if (infos[i].Name != name) continue;
    PageControl1->SetActivePageIndex(static_cast<int>(i));
    ShowPageStates();
    return true;
  }
  return false;
}

void TFrm_Gallery::PageControl1Change(TObject&) { ShowPageStates(); }

// OnShow comes before the window shows.
void TFrm_Gallery::FormShow(TObject&) { StatesTimer1->SetEnabled(true); }

void TFrm_Gallery::StatesTimer1Timer(TObject&) {
  StatesTimer1->SetEnabled(false);
  ShowPageStates();
}

void TFrm_Gallery::ShowPageStates() {
  const int index = PageControl1->ActivePageIndex();
  if (index < 0 || index >= PageCount()) return;
  TPageState& state = pages_[static_cast<size_t>(index)];
  const wchar_t* caption = GalleryPages()[static_cast<size_t>(index)].Caption;
  StatusBar1->Panels().Items(1).SetText(std::wstring(L"Page: ") + caption);
  if (!HandleAllocated() || !Visible()) return;
  if (state.Focus && state.Focus->CanFocus()) state.Focus->SetFocus();
  for (TWinControl* button : state.Pressed) ::SendMessageW(button->Handle(), BM_SETSTATE, TRUE, 0);
}

TFrm_GalleryMDI& TFrm_Gallery::OpenMDI() {
  if (!mdi_) {
    mdi_ = Create<TFrm_GalleryMDI>();
    FreeNotification(mdi_);
    // Forms made after the main form has shown are skinned when told: the
    // MDI window now, each document as it comes.
    if (qelSkinEngine1) {
      SkinOtherForms();
      mdi_->OnChildCreated = [this](TObject&) { SkinOtherForms(); };
    }
    mdi_->Show();
    for (int i = 0; i < 3; ++i) mdi_->NewChild();
    mdi_->Cascade();
  }
  mdi_->Show();
  return *mdi_;
}

void TFrm_Gallery::SkinOtherForms() {
  if (qelSkinEngine1->SkinAllForms()) qelSkinEngine1->RunSkinAllForms();
}

void TFrm_Gallery::Notification(TComponent* component, TOperation operation) {
  TForm::Notification(component, operation);
  if (operation == opRemove && component == mdi_) mdi_ = nullptr;
}

void TFrm_Gallery::ExitClick(TObject&) { Close(); }
void TFrm_Gallery::MDIClick(TObject&) { OpenMDI(); }
void TFrm_Gallery::AboutClick(TObject&) { ShowMessageDialog(); }

void TFrm_Gallery::ToggleClick(TObject& sender) {
  auto& item = static_cast<TMenuItem&>(sender);
  item.SetChecked(!item.Checked());
  TControl* bar = item.MenuIndex() == 0 ? static_cast<TControl*>(ToolBar1) : StatusBar1;
  bar->SetVisible(item.Checked());
}

void TFrm_Gallery::SizeClick(TObject& sender) { static_cast<TMenuItem&>(sender).SetChecked(true); }
