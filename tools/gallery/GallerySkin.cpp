#include "GallerySkin.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "ResourceBytes.h"

namespace {

constexpr wchar_t kBuiltInSkinResource[] = L"BUILTIN_SKIN";

std::string Narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t ch : text) out += ch < 0x80 ? static_cast<char>(ch) : '?';
  return out;
}

}  // namespace

TGallerySkin LoadGallerySkin(const TGalleryOptions& options) {
  TGallerySkin skin;
  if (options.NoSkin) return skin;
  if (options.SkinFile.empty()) {
    skin.Data = LoadRcData(::GetModuleHandleW(nullptr), kBuiltInSkinResource);
    if (skin.Data.empty()) skin.Error = "the built-in skin is missing";
    return skin;
  }
  std::ifstream in(std::filesystem::path(options.SkinFile), std::ios::binary);
  if (!in) {
    skin.Error = "cannot open the skin file \"" + Narrow(options.SkinFile) + "\"";
    return skin;
  }
  skin.Data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (skin.Data.empty()) skin.Error = "the skin file \"" + Narrow(options.SkinFile) + "\" is empty";
  return skin;
}
