#pragma once
// The platform's common dialogs as components: open and save file names,
// a colour, a folder. Each Execute shows the dialog modally over the active
// form and returns true when the user accepted it (the results are then in
// the properties), false when cancelled or failed.
//
//   TOpenDialog* open = form->Create<TOpenDialog>();
//   open->SetFilter(L"Text files (*.txt)|*.txt|All files|*.*");
//   if (open->Execute()) Load(open->FileName());
#include <windows.h>
#include <commdlg.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Component.h"
#include "graphics/Color.h"

// Options of the file dialogs (a set).
enum TOpenOption : unsigned {
  ofReadOnly = 0x0001,
  ofOverwritePrompt = 0x0002,
  ofHideReadOnly = 0x0004,
  ofNoChangeDir = 0x0008,
  ofAllowMultiSelect = 0x0010,
  ofPathMustExist = 0x0020,
  ofFileMustExist = 0x0040,
  ofCreatePrompt = 0x0080,
  ofNoValidate = 0x0100,
  ofNoDereferenceLinks = 0x0200,
  ofEnableSizing = 0x0400,
};
using TOpenOptions = unsigned;

class TOpenDialog : public TComponent {
  FW_CLASS(TOpenDialog, TComponent)
 public:
  explicit TOpenDialog(TComponent* owner) : TComponent(owner) {}
  static std::vector<TPropInfo> PublishedProperties();

  // Attributes. Filter: pairs of "description|pattern" joined by '|'.
  const std::wstring& Filter() const noexcept { return filter_; }
  void SetFilter(std::wstring_view filter) { filter_ = filter; }
  // 1-based index of the chosen filter.
  int FilterIndex() const noexcept { return filterIndex_; }
  void SetFilterIndex(int index) noexcept { filterIndex_ = index; }
  const std::wstring& FileName() const noexcept { return fileName_; }
  void SetFileName(std::wstring_view name) { fileName_ = name; }
  // Every chosen file (one unless ofAllowMultiSelect), with full paths.
  const std::vector<std::wstring>& Files() const noexcept { return files_; }
  const std::wstring& InitialDir() const noexcept { return initialDir_; }
  void SetInitialDir(std::wstring_view dir) { initialDir_ = dir; }
  const std::wstring& DefaultExt() const noexcept { return defaultExt_; }
  void SetDefaultExt(std::wstring_view ext) { defaultExt_ = ext; }
  const std::wstring& Title() const noexcept { return title_; }
  void SetTitle(std::wstring_view title) { title_ = title; }
  TOpenOptions Options() const noexcept { return options_; }
  void SetOptions(TOpenOptions options) noexcept { options_ = options; }

  virtual bool Execute();

 protected:
  // GetOpenFileNameW or GetSaveFileNameW.
  virtual bool Run(OPENFILENAMEW& ofn);

 private:
  std::wstring filter_;
  int filterIndex_ = 1;
  std::wstring fileName_;
  std::vector<std::wstring> files_;
  std::wstring initialDir_;
  std::wstring defaultExt_;
  std::wstring title_;
  TOpenOptions options_ = ofHideReadOnly | ofEnableSizing;
};

class TSaveDialog : public TOpenDialog {
  FW_CLASS(TSaveDialog, TOpenDialog)
 public:
  explicit TSaveDialog(TComponent* owner) : TOpenDialog(owner) {}
  static std::vector<TPropInfo> PublishedProperties() { return {}; }

 protected:
  bool Run(OPENFILENAMEW& ofn) override;
};

enum TColorDialogOption : unsigned { cdFullOpen = 1, cdPreventFullOpen = 2, cdSolidColor = 4, cdAnyColor = 8 };
using TColorDialogOptions = unsigned;

class TColorDialog : public TComponent {
  FW_CLASS(TColorDialog, TComponent)
 public:
  explicit TColorDialog(TComponent* owner);
  static std::vector<TPropInfo> PublishedProperties();

  TColor Color() const noexcept { return color_; }
  void SetColor(TColor color) noexcept { color_ = color; }
  // The sixteen custom colours the dialog offers and keeps.
  std::array<COLORREF, 16>& CustomColors() noexcept { return custom_; }
  TColorDialogOptions Options() const noexcept { return options_; }
  void SetOptions(TColorDialogOptions options) noexcept { options_ = options; }

  bool Execute();

 private:
  TColor color_ = clBlack;
  std::array<COLORREF, 16> custom_{};
  TColorDialogOptions options_ = 0;
};

// Lets the user pick a folder (the platform's folder browser), starting at
// directory; on acceptance directory becomes the chosen path.
bool SelectDirectory(std::wstring_view caption, std::wstring& directory);
