#include "RawDialog.h"

#include <commctrl.h>

#include <string_view>

namespace {

enum : WORD {
  kFirst = 1001,
  kSecond,
  kThreeState,
  kApply,
  kDropDown,
  kSimple,
  kComboEx,
  kTabs,
  kToolBar,
  kList,
  kEdit,
  kScroll,
  kProgress,
};

// Writes a DLGTEMPLATE and its DLGITEMTEMPLATEs word by word.
class TTemplateWriter {
 public:
  TTemplateWriter(std::wstring_view caption, short cx, short cy) {
    const DWORD style = DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
    Dword(style);
    Dword(0);  // extended style
    words_.push_back(0);  // the number of items, counted by Item
    Coordinates(0, 0, cx, cy);
    words_.push_back(0);  // no menu
    words_.push_back(0);  // the dialog class
    Text(caption);
    words_.push_back(8);
    Text(L"MS Shell Dlg");
  }

  void Item(std::wstring_view windowClass, std::wstring_view text, WORD id, DWORD style, short x, short y, short cx,
            short cy) {
    while (words_.size() % 2) words_.push_back(0);  // DWORD alignment
    Dword(style | WS_CHILD | WS_VISIBLE);
    Dword(0);
    Coordinates(x, y, cx, cy);
    words_.push_back(id);
    Text(windowClass);
    Text(text);
    words_.push_back(0);  // no creation data
    ++words_[kItemCount];
  }

  std::vector<std::uint16_t> Take() { return std::move(words_); }

 private:
  void Dword(DWORD value) {
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
  }
  void Coordinates(short x, short y, short cx, short cy) {
    for (short v : {x, y, cx, cy}) words_.push_back(static_cast<std::uint16_t>(v));
  }
  void Text(std::wstring_view text) {
    words_.insert(words_.end(), text.begin(), text.end());
    words_.push_back(0);
  }

  static constexpr size_t kItemCount = 4;  // the word after style and extended style
  std::vector<std::uint16_t> words_;
};

void FillControls(HWND dialog) {
  ::CheckRadioButton(dialog, kFirst, kSecond, kFirst);
  ::CheckDlgButton(dialog, kThreeState, BST_INDETERMINATE);
  for (int id : {kDropDown, kSimple})
    for (const wchar_t* text : {L"Alpha", L"Beta", L"Gamma"})
      ::SendDlgItemMessageW(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  ::SendDlgItemMessageW(dialog, kDropDown, CB_SETCURSEL, 0, 0);
  ::SendDlgItemMessageW(dialog, kSimple, CB_SETCURSEL, 1, 0);

  const wchar_t* exTexts[] = {L"Extended", L"Second"};
  for (int i = 0; i < 2; ++i) {
    COMBOBOXEXITEMW item{};
    item.mask = CBEIF_TEXT;
    item.iItem = i;
    item.pszText = const_cast<wchar_t*>(exTexts[i]);
    ::SendDlgItemMessageW(dialog, kComboEx, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
  ::SendDlgItemMessageW(dialog, kComboEx, CB_SETCURSEL, 0, 0);

  const wchar_t* tabs[] = {L"General", L"Details", L"More"};
  for (int i = 0; i < 3; ++i) {
    TCITEMW tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = const_cast<wchar_t*>(tabs[i]);
    ::SendDlgItemMessageW(dialog, kTabs, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tab));
  }

  HWND toolBar = ::GetDlgItem(dialog, kToolBar);
  ::SendMessageW(toolBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  ::SendMessageW(toolBar, TB_LOADIMAGES, IDB_STD_SMALL_COLOR, reinterpret_cast<LPARAM>(HINST_COMMCTRL));
  TBBUTTON buttons[] = {
      {STD_FILENEW, 1, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
      {STD_FILEOPEN, 2, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
      {0, 0, 0, BTNS_SEP, {}, 0, 0},
      {STD_COPY, 3, TBSTATE_ENABLED | TBSTATE_CHECKED, BTNS_CHECK, {}, 0, 0},
      {STD_DELETE, 4, 0, BTNS_BUTTON, {}, 0, 0},
  };
  ::SendMessageW(toolBar, TB_ADDBUTTONSW, std::size(buttons), reinterpret_cast<LPARAM>(buttons));

  for (const wchar_t* text : {L"List one", L"List two", L"List three", L"List four", L"List five"})
    ::SendDlgItemMessageW(dialog, kList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  ::SendDlgItemMessageW(dialog, kList, LB_SETCURSEL, 1, 0);

  SCROLLINFO scroll{sizeof(scroll), SIF_ALL, 0, 100, 20, 30, 0};
  ::SendDlgItemMessageW(dialog, kScroll, SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&scroll));
  ::SendDlgItemMessageW(dialog, kProgress, PBM_SETPOS, 60, 0);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG:
      FillControls(dialog);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        // A modal dialog ends its loop; a modeless one is its owner's to destroy.
        if (::GetWindowLongPtrW(dialog, DWLP_USER)) ::ShowWindow(dialog, SW_HIDE);
        else ::EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

void LoadControlClasses() {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_USEREX_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
  ::InitCommonControlsEx(&icc);
}

}  // namespace

std::vector<std::uint16_t> RawDialogTemplate() {
  TTemplateWriter w(L"Platform dialog", 300, 176);
  w.Item(L"BUTTON", L"&Choices", 0xFFFF, BS_GROUPBOX, 7, 5, 130, 60);
  w.Item(L"BUTTON", L"&First", kFirst, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 14, 17, 110, 10);
  w.Item(L"BUTTON", L"&Second", kSecond, BS_AUTORADIOBUTTON, 14, 30, 110, 10);
  w.Item(L"BUTTON", L"&Three states", kThreeState, BS_AUTO3STATE | WS_GROUP | WS_TABSTOP, 14, 45, 110, 10);
  w.Item(L"COMBOBOX", L"", kDropDown, CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP, 145, 7, 70, 60);
  w.Item(L"COMBOBOX", L"", kSimple, CBS_SIMPLE | WS_TABSTOP, 222, 7, 71, 46);
  w.Item(L"ComboBoxEx32", L"", kComboEx, CBS_DROPDOWNLIST | WS_TABSTOP, 145, 25, 70, 60);
  w.Item(L"SysTabControl32", L"", kTabs, WS_TABSTOP, 7, 70, 136, 52);
  w.Item(L"ToolbarWindow32", L"", kToolBar, TBSTYLE_FLAT | CCS_NORESIZE | CCS_NODIVIDER | CCS_NOPARENTALIGN, 145, 56,
         148, 16);
  w.Item(L"LISTBOX", L"", kList, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 148, 76, 70, 48);
  w.Item(L"EDIT", L"Edit text", kEdit, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 224, 76, 69, 13);
  w.Item(L"SCROLLBAR", L"", kScroll, SBS_HORZ, 224, 94, 69, 10);
  w.Item(L"msctls_progress32", L"", kProgress, WS_BORDER, 224, 110, 69, 12);
  w.Item(L"STATIC", L"A dialog of the platform's controls.", 0xFFFF, SS_LEFT, 7, 130, 286, 10);
  w.Item(L"BUTTON", L"", 0xFFFF, BS_GROUPBOX, 7, 140, 286, 2);
  w.Item(L"BUTTON", L"&Apply", kApply, BS_PUSHBUTTON | WS_TABSTOP, 125, 152, 50, 15);
  w.Item(L"BUTTON", L"OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 184, 152, 50, 15);
  w.Item(L"BUTTON", L"Cancel", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 243, 152, 50, 15);
  w.Item(L"BUTTON", L"Disabled", 0xFFFF, BS_PUSHBUTTON | WS_DISABLED, 66, 152, 50, 15);
  return w.Take();
}

INT_PTR ShowRawDialog(HWND owner) {
  LoadControlClasses();
  const std::vector<std::uint16_t> words = RawDialogTemplate();
  return ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(words.data()),
                                   owner, &DialogProc, 0);
}

TModelessRawDialog::TModelessRawDialog(HWND owner) {
  LoadControlClasses();
  const std::vector<std::uint16_t> words = RawDialogTemplate();
  window_ = ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr),
                                         reinterpret_cast<const DLGTEMPLATE*>(words.data()), owner, &DialogProc, 0);
  if (window_) ::SetWindowLongPtrW(window_, DWLP_USER, 1);  // modeless: hidden, not ended
}

TModelessRawDialog::~TModelessRawDialog() {
  if (window_ && ::IsWindow(window_)) ::DestroyWindow(window_);
}
