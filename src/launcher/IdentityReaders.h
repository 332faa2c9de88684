#pragma once
// Readers of the customer's identity record from the identity library, one
// class per generation. A reader lives for one read. The DLLs are loaded by
// full path from the given directory, never through the DLL search path.
#include <stdexcept>
#include <string>

#include "UniqueHandle.h"

// The six fields in the library's order. CompanyName is the library's own
// string, valid while the reader that read it lives.
struct TCustomerIdentity {
  std::string DeviceId;
  std::string CompanyNum;
  std::string CompanyType;
  const char* CompanyName = nullptr;
  std::string UploadFtpUser;
  std::string OtherInfo;
};

// A missing DLL, a missing getter or a getter that returns NULL.
class TIdentityCallError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One generation's DLL, loaded on the first call and freed with the object.
class TIdentityLibrary {
 public:
  TIdentityLibrary(std::string directory, std::string fileName);

  // Attributes
  const std::string& Path() const noexcept { return path_; }
  bool IsLoaded() const noexcept { return static_cast<bool>(module_); }

  // Operations
  // Calls the named getter; throws TIdentityCallError on any failed call.
  const char* Call(const char* getterName);

 private:
  std::string path_;  // empty when the directory is unknown
  UniqueModule module_;
};

// Current generation: all six getters from CustomerIdentity.dll.
class TCurrentIdentityReader {
 public:
  explicit TCurrentIdentityReader(const std::string& libraryDirectory);

  // True when all six fields were obtained; false when a call failed.
  // Never throws.
  bool ReadIdentity() noexcept;

  TCustomerIdentity CustomerIdentity;

 private:
  TIdentityLibrary current_;
};

// Legacy generation: the first five getters from CustomerIdentityLegacy.dll,
// OtherInfo from the current generation's Func_GetOtherInfo.
class TLegacyIdentityReader {
 public:
  explicit TLegacyIdentityReader(const std::string& libraryDirectory);

  bool ReadIdentity() noexcept;

  TCustomerIdentity CustomerIdentity;

 private:
  TIdentityLibrary legacy_;
  TIdentityLibrary current_;  // loaded only when OtherInfo is reached
};
