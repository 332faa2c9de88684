#include "IdentityReaders.h"

#include "CustomerIdentityApi.h"

namespace {

// Calls the getters in the library's order: the first five from `record`,
// OtherInfo from `otherInfo`. Throws on the first failed call.
void ReadFields(TIdentityLibrary& record, TIdentityLibrary& otherInfo, TCustomerIdentity& out) {
  out.CompanyNum = record.Call(kGetCompanyNum);
  out.CompanyType = record.Call(kGetCompanyType);
  out.CompanyName = record.Call(kGetCompanyName);
  out.DeviceId = record.Call(kGetDeviceId);
  out.UploadFtpUser = record.Call(kGetUploadFtpUser);
  out.OtherInfo = otherInfo.Call(kGetOtherInfo);
}

}  // namespace

TIdentityLibrary::TIdentityLibrary(std::string directory, std::string fileName)
    // Without a directory there is no full path, and a bare file name would
    // go through the DLL search path: leave the path empty instead.
    : path_(directory.empty() ? std::string() : directory + fileName) {}

const char* TIdentityLibrary::Call(const char* getterName) {
  if (!module_) {
    if (path_.empty()) throw TIdentityCallError("identity library directory unknown");
    module_.reset(::LoadLibraryA(path_.c_str()));
    if (!module_) throw TIdentityCallError("cannot load " + path_);
  }
  const auto getter =
      reinterpret_cast<TIdentityGetter>(reinterpret_cast<void*>(::GetProcAddress(module_.get(), getterName)));
  if (getter == nullptr) throw TIdentityCallError(std::string("missing ") + getterName);
  const char* value = getter();
  if (value == nullptr) throw TIdentityCallError(std::string(getterName) + " returned NULL");
  return value;
}

TCurrentIdentityReader::TCurrentIdentityReader(const std::string& libraryDirectory)
    : current_(libraryDirectory, kCurrentIdentityDll) {}

bool TCurrentIdentityReader::ReadIdentity() noexcept {
  try {
    ReadFields(current_, current_, CustomerIdentity);
    return true;
  } catch (...) {
    return false;
  }
}

TLegacyIdentityReader::TLegacyIdentityReader(const std::string& libraryDirectory)
    : legacy_(libraryDirectory, kLegacyIdentityDll), current_(libraryDirectory, kCurrentIdentityDll) {}

bool TLegacyIdentityReader::ReadIdentity() noexcept {
  try {
    ReadFields(legacy_, current_, CustomerIdentity);
    return true;
  } catch (...) {
    return false;
  }
}
