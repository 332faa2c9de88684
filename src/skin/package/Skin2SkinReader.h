#pragma once
// Tsk2SkinFileReader: opens a skin package, extracts its skin data file
// "SKINDATA.SK2" into a temporary file, reads it back, fills four
// name-indexed tables from its entries and deletes the temporary file.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Skin2Bitmap.h"

class Tsk2SkinFileReader {
 public:
  static constexpr const char* kReadFailed = "Failed to read skin file!";
  static constexpr const char* kWrongPassword = "Wrong password!";
  static constexpr const char* kSkinDataMember = "SKINDATA.SK2";

  using TBitmapEntry = std::pair<std::string, std::unique_ptr<Tsk2Bitmap>>;

  // Loads the package at once. Throws std::runtime_error with kReadFailed
  // or kWrongPassword; no temporary file is left behind either way.
  Tsk2SkinFileReader(const std::filesystem::path& fileName, std::string_view password);
  ~Tsk2SkinFileReader();
  Tsk2SkinFileReader(const Tsk2SkinFileReader&) = delete;
  Tsk2SkinFileReader& operator=(const Tsk2SkinFileReader&) = delete;

  // Attributes. Names are compared without regard to the case of ASCII
  // letters; when a name occurs twice the first entry answers.
  Tsk2Bitmap* GetBitmap(std::string_view name) const;  // null when absent; the reader keeps it
  std::int32_t GetInteger(std::string_view name) const;  // -1 when absent or not a number
  bool GetBoolean(std::string_view name) const;          // false when absent or not a number

  // The four tables in file order. Integers, booleans and strings are text
  // lines "NAME=value".
  const std::vector<TBitmapEntry>& Bitmaps() const { return bitmaps_; }
  const std::vector<std::string>& Integers() const { return integers_; }
  const std::vector<std::string>& Booleans() const { return booleans_; }
  const std::vector<std::string>& Strings() const { return strings_; }

  // Operations
  // Gives every stored bitmap the fixed transparent colour Color (0x00BBGGRR).
  void SetTransparentColor(std::uint32_t color);

  // Extracts one member of a package into OutputFile: 0 success, 1
  // failure, 2 wrong password or size mismatch.
  static int ExtractPackageEntry(const std::filesystem::path& packageFile, std::string_view entryName,
                                 const std::filesystem::path& outputFile, std::string_view password);

 private:
  void ReadSkinData(std::span<const std::uint8_t> data);

  std::vector<TBitmapEntry> bitmaps_;
  std::vector<std::string> integers_;
  std::vector<std::string> booleans_;
  std::vector<std::string> strings_;
};
