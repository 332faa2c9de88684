#pragma once
// The customer's identity record as one generation of the identity library
// keeps it: section [Identity] of an INI file beside the library's own DLL,
// one key per field, values as ANSI bytes. The record is read once, on the
// first request, and kept until the DLL is unloaded, so the pointers handed
// out stay valid that long.
#include <windows.h>

#include <array>
#include <string>

enum class TIdentityField { CompanyNum, CompanyType, CompanyName, DeviceId, UploadFtpUser, OtherInfo };

class TIdentityRecord {
 public:
  // Reads the record of the INI file `iniName` in the directory of the
  // module that contains `addressInModule`. The record exists when the file
  // has a section [Identity] with at least one key; a missing key reads "".
  TIdentityRecord(const char* iniName, const void* addressInModule) noexcept;

  // Attributes
  bool Exists() const noexcept { return exists_; }
  // The field's value, or nullptr when there is no record.
  const char* Get(TIdentityField field) const noexcept;

 private:
  bool exists_ = false;
  std::array<std::string, 6> values_;
};

// Directory of the module containing `address`, with a trailing backslash;
// "" when it cannot be found.
std::string ModuleDirectoryOf(const void* address);

// The record of the DLL being built: each generation defines it once.
const TIdentityRecord& IdentityRecordOfThisLibrary();
