#include "dialogs/Dialogs.h"

#include <objbase.h>
#include <shlobj.h>

#include <memory>

#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/Screen.h"

namespace {

// The window the dialogs belong to: the active form, else the main form.
HWND DialogOwner() {
  TCustomForm* form = Screen.ActiveForm();
  if (!form || !form->HandleAllocated()) form = Application.MainForm();
  return form && form->HandleAllocated() ? form->Handle() : nullptr;
}

// "a|b|c|d" -> "a\0b\0c\0d\0\0"
std::wstring PlatformFilter(const std::wstring& filter) {
  if (filter.empty()) return {};
  std::wstring list = filter;
  for (wchar_t& c : list)
    if (c == L'|') c = L'\0';
  list.push_back(L'\0');
  list.push_back(L'\0');
  return list;
}

constexpr struct {
  TOpenOption option;
  DWORD flag;
} kOpenFlags[] = {
    {ofReadOnly, OFN_READONLY},
    {ofOverwritePrompt, OFN_OVERWRITEPROMPT},
    {ofHideReadOnly, OFN_HIDEREADONLY},
    {ofNoChangeDir, OFN_NOCHANGEDIR},
    {ofAllowMultiSelect, OFN_ALLOWMULTISELECT},
    {ofPathMustExist, OFN_PATHMUSTEXIST},
    {ofFileMustExist, OFN_FILEMUSTEXIST},
    {ofCreatePrompt, OFN_CREATEPROMPT},
    {ofNoValidate, OFN_NOVALIDATE},
    {ofNoDereferenceLinks, OFN_NODEREFERENCELINKS},
    {ofEnableSizing, OFN_ENABLESIZING},
};

// Memory the shell hands out, freed with CoTaskMemFree.
struct TaskMemFree {
  void operator()(void* p) const noexcept { ::CoTaskMemFree(p); }
};
using UniqueIdList = std::unique_ptr<ITEMIDLIST, TaskMemFree>;

// COM for the current thread while the object lives (when this call
// initialised it).
class ComScope {
 public:
  ComScope() noexcept : hr_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
  ~ComScope() {
    if (SUCCEEDED(hr_)) ::CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  HRESULT hr_;
};

}  // namespace

// ---- TOpenDialog / TSaveDialog ------------------------------------------------------------

std::vector<TPropInfo> TOpenDialog::PublishedProperties() {
  static constexpr std::string_view kOptionNames[] = {
      "ofReadOnly",     "ofOverwritePrompt", "ofHideReadOnly", "ofNoChangeDir",        "ofAllowMultiSelect", "ofPathMustExist",
      "ofFileMustExist", "ofCreatePrompt",   "ofNoValidate",   "ofNoDereferenceLinks", "ofEnableSizing"};
  return {
      StrProp<TOpenDialog>("DefaultExt", "WideString", TTypeKind::WString, &TOpenDialog::DefaultExt,
                           &TOpenDialog::SetDefaultExt),
      StrProp<TOpenDialog>("FileName", "WideString", TTypeKind::WString, &TOpenDialog::FileName,
                           &TOpenDialog::SetFileName),
      StrProp<TOpenDialog>("Filter", "WideString", TTypeKind::WString, &TOpenDialog::Filter, &TOpenDialog::SetFilter),
      OrdProp<TOpenDialog>("FilterIndex", "Integer", TTypeKind::Integer, &TOpenDialog::FilterIndex,
                           &TOpenDialog::SetFilterIndex),
      StrProp<TOpenDialog>("InitialDir", "WideString", TTypeKind::WString, &TOpenDialog::InitialDir,
                           &TOpenDialog::SetInitialDir),
      OrdProp<TOpenDialog>("Options", "TOpenOptions", TTypeKind::Set, &TOpenDialog::Options, &TOpenDialog::SetOptions,
                           kOptionNames),
      StrProp<TOpenDialog>("Title", "WideString", TTypeKind::WString, &TOpenDialog::Title, &TOpenDialog::SetTitle),
  };
}

bool TOpenDialog::Execute() {
  const std::wstring filter = PlatformFilter(filter_);
  // Room for many names when several may be chosen.
  std::wstring buffer(options_ & ofAllowMultiSelect ? 32768 : MAX_PATH * 2, L'\0');
  fileName_.copy(buffer.data(), buffer.size() - 1);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = DialogOwner();
  ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(filterIndex_);
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = static_cast<DWORD>(buffer.size());
  ofn.lpstrInitialDir = initialDir_.empty() ? nullptr : initialDir_.c_str();
  ofn.lpstrTitle = title_.empty() ? nullptr : title_.c_str();
  ofn.lpstrDefExt = defaultExt_.empty() ? nullptr : defaultExt_.c_str();
  ofn.Flags = OFN_EXPLORER;
  for (const auto& f : kOpenFlags)
    if (options_ & f.option) ofn.Flags |= f.flag;
  if (!Run(ofn)) return false;
  filterIndex_ = static_cast<int>(ofn.nFilterIndex);
  // One name, or (several chosen) the folder followed by the names.
  files_.clear();
  const wchar_t* p = buffer.c_str();
  std::wstring first = p;
  p += first.size() + 1;
  if (!(options_ & ofAllowMultiSelect) || *p == L'\0') {
    files_.push_back(first);
  } else {
    const std::wstring folder = first.back() == L'\\' ? first : first + L'\\';
    for (; *p; p += wcslen(p) + 1) files_.push_back(folder + p);
  }
  fileName_ = files_.front();
  return true;
}

bool TOpenDialog::Run(OPENFILENAMEW& ofn) { return ::GetOpenFileNameW(&ofn) != FALSE; }

bool TSaveDialog::Run(OPENFILENAMEW& ofn) { return ::GetSaveFileNameW(&ofn) != FALSE; }

// ---- TColorDialog ------------------------------------------------------------------------

TColorDialog::TColorDialog(TComponent* owner) : TComponent(owner) { custom_.fill(RGB(255, 255, 255)); }

std::vector<TPropInfo> TColorDialog::PublishedProperties() {
  static constexpr std::string_view kOptionNames[] = {"cdFullOpen", "cdPreventFullOpen", "cdSolidColor",
                                                      "cdAnyColor"};
  return {
      OrdProp<TColorDialog>("Color", "TColor", TTypeKind::Integer, &TColorDialog::Color, &TColorDialog::SetColor),
      OrdProp<TColorDialog>("Options", "TColorDialogOptions", TTypeKind::Set, &TColorDialog::Options,
                            &TColorDialog::SetOptions, kOptionNames),
  };
}

bool TColorDialog::Execute() {
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof(cc);
  cc.hwndOwner = DialogOwner();
  cc.rgbResult = ColorToRGB(color_);
  cc.lpCustColors = custom_.data();
  cc.Flags = CC_RGBINIT;
  if (options_ & cdFullOpen) cc.Flags |= CC_FULLOPEN;
  if (options_ & cdPreventFullOpen) cc.Flags |= CC_PREVENTFULLOPEN;
  if (options_ & cdSolidColor) cc.Flags |= CC_SOLIDCOLOR;
  if (options_ & cdAnyColor) cc.Flags |= CC_ANYCOLOR;
  if (!::ChooseColorW(&cc)) return false;
  color_ = static_cast<TColor>(cc.rgbResult);
  return true;
}

// ---- Folders -------------------------------------------------------------------------------

bool SelectDirectory(std::wstring_view caption, std::wstring& directory) {
  ComScope com;
  const std::wstring title(caption);
  BROWSEINFOW info{};
  info.hwndOwner = DialogOwner();
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  // Opens at the current directory.
  info.lpfn = [](HWND window, UINT msg, LPARAM, LPARAM data) -> int {
    const auto* start = reinterpret_cast<const std::wstring*>(data);
    if (msg == BFFM_INITIALIZED && !start->empty())
      ::SendMessageW(window, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(start->c_str()));
    return 0;
  };
  info.lParam = reinterpret_cast<LPARAM>(&directory);
  const UniqueIdList chosen(::SHBrowseForFolderW(&info));
  if (!chosen) return false;
  wchar_t path[MAX_PATH] = {};
  if (!::SHGetPathFromIDListW(chosen.get(), path)) return false;
  directory = path;
  return true;
}
