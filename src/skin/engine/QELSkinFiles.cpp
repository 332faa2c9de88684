#include "engine/QELSkinFiles.h"

#include <windows.h>

#include <fstream>
#include <iterator>

#include "Skin2TempName.h"

namespace {

constexpr int kSaveAttempts = 8;

std::wstring WithBackslash(std::wstring folder) {
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  return folder;
}

std::wstring FilePart(std::wstring_view name) {
  const size_t slash = name.find_last_of(L"\\/:");
  return std::wstring(slash == std::wstring_view::npos ? name : name.substr(slash + 1));
}

bool WriteAll(const std::filesystem::path& name, std::span<const std::uint8_t> bytes) {
  {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (out) return true;
  }
  std::error_code ec;
  std::filesystem::remove(name, ec);
  return false;
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

std::filesystem::path FreeNumberedName(const std::filesystem::path& name) {
  std::error_code ec;
  if (!std::filesystem::exists(name, ec)) return name;
  const std::filesystem::path stem = name.parent_path() / name.stem();
  const std::wstring extension = name.extension().wstring();
  for (unsigned i = 1;; ++i) {
    std::filesystem::path candidate = stem;
    candidate += std::to_wstring(i) + extension;
    if (!std::filesystem::exists(candidate, ec)) return candidate;
  }
}

TqelTempSkinFile TqelTempSkinFile::WithGuidName(std::span<const std::uint8_t> bytes) {
  for (int attempt = 0; attempt < kSaveAttempts; ++attempt) {
    std::filesystem::path name = Sk2NewTempFileName();
    name += L".qsk";
    name = FreeNumberedName(name);
    if (WriteAll(name, bytes)) return TqelTempSkinFile(name);
  }
  return TqelTempSkinFile({});
}

TqelTempSkinFile TqelTempSkinFile::WithName(std::wstring_view stem, std::span<const std::uint8_t> bytes) {
  const std::filesystem::path name = FreeNumberedName(TempFolder() + std::wstring(stem) + L".qsk");
  return TqelTempSkinFile(WriteAll(name, bytes) ? name : std::filesystem::path());
}

TqelTempSkinFile::~TqelTempSkinFile() {
  std::error_code ec;
  if (!path_.empty()) std::filesystem::remove(path_, ec);
}

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& name) {
  std::ifstream in(name, std::ios::binary);
  if (!in) return {};
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
