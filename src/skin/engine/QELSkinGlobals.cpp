#include "engine/QELSkinGlobals.h"

#include <windows.h>

#include <algorithm>
#include <array>

#include "graphics/Bitmap.h"

namespace {

std::vector<std::wstring>& AutoNames() {
  static std::vector<std::wstring> names{L"TSelectDirDlg", L"TForm", L"TfrmRegBrowser", L"TfrmFTPBrowser"};
  return names;
}

// The default check mark, 16 x 16: 'X' black, '.' white (the mask colour).
constexpr std::array<std::string_view, 16> kCheckMark = {
    "................", "................", "................", "................",
    "..........X.....", ".........XX.....", "....X...XXX.....", "....XX.XXX......",
    "....XXXXX.......", ".....XXX........", "......X.........", "................",
    "................", "................", "................", "................",
};

TBitmap DefaultCheckMark() {
  TBitmap mark(16, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      mark.SetPixel(x, y, kCheckMark[static_cast<size_t>(y)][static_cast<size_t>(x)] == 'X' ? 0x000000 : 0xFFFFFF);
  return mark;
}

}  // namespace

bool SameClassName(std::wstring_view a, std::wstring_view b) noexcept {
  return a.size() == b.size() &&
         ::CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE) ==
             CSTR_EQUAL;
}

const std::vector<std::wstring>& AutoSkinClassNames() { return AutoNames(); }

void AddAutoSkinClassName(std::wstring_view name) {
  if (!name.empty() && !IsAutoSkinClassName(name)) AutoNames().emplace_back(name);
}

bool IsAutoSkinClassName(std::wstring_view name) {
  const auto& names = AutoNames();
  return std::any_of(names.begin(), names.end(), [&](const std::wstring& n) { return SameClassName(n, name); });
}

const std::vector<std::wstring>& NoBorderClassNames() {
  static const std::vector<std::wstring> names{L"TWizardForm"};
  return names;
}

const std::vector<std::wstring>& ExcludedControlClassNames() {
  static const std::vector<std::wstring> names;
  return names;
}

TCustomImageList& CheckedMarkImages() {
  static TOwned<TImageList> images = [] {
    TOwned<TImageList> list = MakeComponent<TImageList>();
    list->SetSize(16, 16);
    list->AddMasked(DefaultCheckMark(), 0xFFFFFF);
    return list;
  }();
  return *images;
}

void ResetCheckedMark() {
  TCustomImageList& images = CheckedMarkImages();
  images.Clear();
  images.SetSize(16, 16);
  images.AddMasked(DefaultCheckMark(), 0xFFFFFF);
}

TCustomImageList& MainMenuImages() {
  static TOwned<TImageList> images = MakeComponent<TImageList>();
  return *images;
}
