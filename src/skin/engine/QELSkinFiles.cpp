#include "engine/QELSkinFiles.h"

#include <windows.h>

#include <fstream>
#include <iterator>

#include "Skin2TempName.h"

namespace {

// Names tried for a stored skin before the save is given up.
constexpr unsigned kNumberedNames = 1000;

std::wstring WithBackslash(std::wstring folder) {
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  return folder;
}

std::wstring FilePart(std::wstring_view name) {
  const size_t slash = name.find_last_of(L"\\/:");
  return std::wstring(slash == std::wstring_view::npos ? name : name.substr(slash + 1));
}

std::wstring TempFolder() {
  wchar_t buffer[MAX_PATH + 2] = {};
  const DWORD n = ::GetTempPathW(MAX_PATH + 1, buffer);
  return WithBackslash(n > 0 && n <= MAX_PATH ? std::wstring(buffer, n) : std::wstring());
}

}  // namespace

bool SkinFileExists(const std::filesystem::path& name) noexcept {
  std::error_code ec;
  return !name.empty() && std::filesystem::is_regular_file(name, ec);
}

std::wstring FindSkinFile(std::wstring_view name, std::span<const std::wstring> folders) {
  if (name.empty()) return {};
  if (SkinFileExists(std::filesystem::path(name))) return std::wstring(name);
  const std::wstring file = FilePart(name);
  if (file.empty()) return {};
  for (const std::wstring& folder : folders) {
    const std::wstring candidate = WithBackslash(folder) + file;
    if (SkinFileExists(candidate)) return candidate;
  }
  return {};
}

std::vector<std::wstring> SkinFileFolders() {
  std::vector<std::wstring> folders;
  wchar_t buffer[MAX_PATH] = {};
  const DWORD n = ::GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  std::wstring program(buffer, n < MAX_PATH ? n : 0);
  folders.push_back(program.substr(0, program.find_last_of(L'\\') + 1));
  UINT m = ::GetWindowsDirectoryW(buffer, MAX_PATH);
  folders.emplace_back(buffer, m < MAX_PATH ? m : 0);
  m = ::GetSystemDirectoryW(buffer, MAX_PATH);
  folders.emplace_back(buffer, m < MAX_PATH ? m : 0);
  return folders;
}

TqelTempSkinFile TqelTempSkinFile::WithGuidName(std::span<const std::uint8_t> bytes) {
  return TqelTempSkinFile(Sk2SaveTempFile(bytes, L".qsk"));
}

TqelTempSkinFile TqelTempSkinFile::WithName(std::wstring_view stem, std::span<const std::uint8_t> bytes) {
  const std::wstring base = TempFolder() + std::wstring(stem);
  for (unsigned n = 0; n < kNumberedNames; ++n) {
    std::wstring name = base;
    if (n != 0) name += std::to_wstring(n);
    name += L".qsk";
    auto file = std::make_unique<TSk2OutputFile>(name, TSk2OutputFile::NewOnly | TSk2OutputFile::DeleteOnClose);
    if (file->NameTaken()) continue;
    if (file->Valid() && file->Write(bytes.data(), bytes.size())) return TqelTempSkinFile(std::move(file));
    break;
  }
  return TqelTempSkinFile(nullptr);
}

TqelTempSkinFile::~TqelTempSkinFile() = default;

const std::filesystem::path& TqelTempSkinFile::Path() const noexcept {
  static const std::filesystem::path none;
  return file_ ? file_->Name() : none;
}

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& name) {
  std::ifstream in(name, std::ios::binary);
  if (!in) return {};
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
