#pragma once
// Files of the skin engine: finding a skin package by name, and the
// short-lived files a stored package is loaded from.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Skin2File.h"

// The first existing file of: Name itself, then, in order, each folder of
// Folders (with a trailing backslash) followed by Name's file part; empty
// when there is none. Folders are tried only for a non-empty file part.
std::wstring FindSkinFile(std::wstring_view name, std::span<const std::wstring> folders);
// The folders a skin package is looked for in: the program's folder, the
// Windows folder and the system folder.
std::vector<std::wstring> SkinFileFolders();

// A file written with a package's bytes, kept open while it is read by
// name and deleted when the object closes it (even if the program dies).
class TqelTempSkinFile {
 public:
  // Writes bytes to a new GUID-named ".qsk" file in the temporary folder,
  // numbered while the name is taken (a fresh GUID after a failed write, a
  // few times); false when every attempt failed.
  static TqelTempSkinFile WithGuidName(std::span<const std::uint8_t> bytes);
  // Writes bytes to stem + ".qsk" in the temporary folder, numbered when
  // the name is taken.
  static TqelTempSkinFile WithName(std::wstring_view stem, std::span<const std::uint8_t> bytes);

  TqelTempSkinFile(TqelTempSkinFile&&) noexcept = default;
  TqelTempSkinFile& operator=(TqelTempSkinFile&&) = delete;
  ~TqelTempSkinFile();

  const std::filesystem::path& Path() const noexcept;
  explicit operator bool() const noexcept { return file_ != nullptr; }

 private:
  explicit TqelTempSkinFile(std::unique_ptr<TSk2OutputFile> file) noexcept : file_(std::move(file)) {}
  std::unique_ptr<TSk2OutputFile> file_;
};

// The bytes of a file; empty when it cannot be read.
std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& name);
// True for an existing regular file (never a folder).
bool SkinFileExists(const std::filesystem::path& name) noexcept;
