#pragma once
// Files of the skin engine: finding a skin package by name, and the
// short-lived files a stored package is loaded from.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The first existing file of: Name itself, then, in order, each folder of
// Folders (with a trailing backslash) followed by Name's file part; empty
// when there is none. Folders are tried only for a non-empty file part.
std::wstring FindSkinFile(std::wstring_view name, std::span<const std::wstring> folders);
// The folders a skin package is looked for in: the program's folder, the
// Windows folder and the system folder.
std::vector<std::wstring> SkinFileFolders();

// Name itself when no file or folder has it, else Name with 1, 2, ...
// inserted before its extension, the first that is free.
std::filesystem::path FreeNumberedName(const std::filesystem::path& name);

// A file written with a package's bytes, deleted when the object goes.
class TqelTempSkinFile {
 public:
  // Writes bytes to a new GUID-named ".qsk" file in the temporary folder
  // (a fresh GUID after a failed write, a few times); Path() is empty when
  // every attempt failed.
  static TqelTempSkinFile WithGuidName(std::span<const std::uint8_t> bytes);
  // Writes bytes to stem + ".qsk" in the temporary folder, numbered when
  // the name is taken.
  static TqelTempSkinFile WithName(std::wstring_view stem, std::span<const std::uint8_t> bytes);

  TqelTempSkinFile(TqelTempSkinFile&& other) noexcept : path_(std::move(other.path_)) { other.path_.clear(); }
  TqelTempSkinFile& operator=(TqelTempSkinFile&&) = delete;
  TqelTempSkinFile(const TqelTempSkinFile&) = delete;
  ~TqelTempSkinFile();

  const std::filesystem::path& Path() const noexcept { return path_; }
  explicit operator bool() const noexcept { return !path_.empty(); }

 private:
  explicit TqelTempSkinFile(std::filesystem::path path) noexcept : path_(std::move(path)) {}
  std::filesystem::path path_;
};

// The bytes of a file; empty when it cannot be read.
std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& name);
// True for an existing regular file (never a folder).
bool SkinFileExists(const std::filesystem::path& name) noexcept;
