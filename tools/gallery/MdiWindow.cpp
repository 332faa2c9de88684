#include "MdiWindow.h"

#include <string>

#include "framework/Menus.h"
#include "framework/stdctrls/Memo.h"

namespace {

TMenuItem* AddItem(TMenuItem* parent, const wchar_t* caption, TShortCut shortCut = 0) {
  TMenuItem* item = parent->AddItem(caption);
  item->SetShortCut(shortCut);
  return item;
}

}  // namespace

TFrm_GalleryMDI::TFrm_GalleryMDI(TComponent* owner) : TForm(owner) {
  SetFormStyle(fsMDIForm);
  SetCaption(L"Gallery MDI window");
  SetBounds(60, 60, 640, 460);
  MainMenu1 = Create<TMainMenu>();
  MainMenu1->SetName("MainMenu1");
  TMenuItem* file = AddItem(&MainMenu1->Items(), L"&File");
  AddItem(file, L"&New window", ShortCut('N', ssCtrl))->OnClick = EventOf(this, &TFrm_GalleryMDI::NewClick);
  AddItem(file, L"&Close window", ShortCut(VK_F4, ssCtrl))->OnClick =
      EventOf(this, &TFrm_GalleryMDI::CloseChildClick);
  AddItem(file, L"-");
  AddItem(file, L"E&xit")->OnClick = EventOf(this, &TFrm_GalleryMDI::ExitClick);
  WindowMenu1 = AddItem(&MainMenu1->Items(), L"&Window");
  WindowMenu1->SetGroupIndex(9);
  AddItem(WindowMenu1, L"&Cascade")->OnClick = EventOf(this, &TFrm_GalleryMDI::CascadeClick);
  AddItem(WindowMenu1, L"&Tile")->OnClick = EventOf(this, &TFrm_GalleryMDI::TileClick);
  AddItem(WindowMenu1, L"&Arrange icons")->OnClick = EventOf(this, &TFrm_GalleryMDI::ArrangeClick);
  TMenuItem* help = AddItem(&MainMenu1->Items(), L"&Help");
  help->SetGroupIndex(10);
  AddItem(help, L"&About the MDI window");
  SetMenu(MainMenu1);
  SetWindowMenu(WindowMenu1);
}

TCustomForm* TFrm_GalleryMDI::NewChild() {
  TCustomForm* child = Create<TFrm_GalleryChild>(++created_);
  if (OnChildCreated) OnChildCreated(*child);
  return child;
}

void TFrm_GalleryMDI::NewClick(TObject&) { NewChild(); }

void TFrm_GalleryMDI::CloseChildClick(TObject&) {
  if (TCustomForm* child = ActiveMDIChild()) child->Release();
}

void TFrm_GalleryMDI::CascadeClick(TObject&) { Cascade(); }
void TFrm_GalleryMDI::TileClick(TObject&) { Tile(); }
void TFrm_GalleryMDI::ArrangeClick(TObject&) { ArrangeIcons(); }
void TFrm_GalleryMDI::ExitClick(TObject&) { Close(); }

TFrm_GalleryChild::TFrm_GalleryChild(TComponent* owner, int number) : TForm(owner) {
  SetFormStyle(fsMDIChild);
  SetCaption(L"Document " + std::to_wstring(number));
  SetBounds(10 + 24 * number, 10 + 24 * number, 300, 200);
  auto* memo = Create<TMemo>();
  memo->SetParent(this);
  memo->SetAlign(alClient);
  memo->SetScrollBars(ssVertical);
  memo->Lines().SetText("The text of document " + std::to_string(number) +
                        ".\r\nIts Edit and Document menus join the main menu while it is active.");
  // An OnClose that frees: closing a document ends it.
  OnClose = [](TObject&, TCloseAction& action) { action = caFree; };
  ChildMenu1 = Create<TMainMenu>();
  ChildMenu1->SetName("ChildMenu1");
  TMenuItem* edit = AddItem(&ChildMenu1->Items(), L"&Edit");
  edit->SetGroupIndex(1);
  AddItem(edit, L"Cu&t", ShortCut('X', ssCtrl));
  AddItem(edit, L"&Copy", ShortCut('C', ssCtrl));
  AddItem(edit, L"&Paste", ShortCut('V', ssCtrl));
  TMenuItem* document = AddItem(&ChildMenu1->Items(), (L"&Document " + std::to_wstring(number)).c_str());
  document->SetGroupIndex(5);
  AddItem(document, L"&Word wrap")->SetChecked(true);
  AddItem(document, L"&Read only");
  SetMenu(ChildMenu1);
}
