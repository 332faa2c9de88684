// Current generation of the identity library. Its record lives in
// CustomerIdentity.ini beside the DLL. Without a record every getter returns
// NULL, except Func_GetOtherInfo, which returns "": the legacy generation
// borrows it, and must keep working on machines that have only the legacy
// record.
#include "CustomerIdentityApi.h"
#include "IdentityRecord.h"

namespace {

const TIdentityRecord& Record() {
  static const TIdentityRecord record("CustomerIdentity.ini", reinterpret_cast<const void*>(&Record));
  return record;
}

}  // namespace

extern "C" {

const char* WINAPI Func_GetCompanyNum() { return Record().Get(TIdentityField::CompanyNum); }
const char* WINAPI Func_GetCompanyType() { return Record().Get(TIdentityField::CompanyType); }
const char* WINAPI Func_GetCompanyName() { return Record().Get(TIdentityField::CompanyName); }
const char* WINAPI Func_GetDeviceId() { return Record().Get(TIdentityField::DeviceId); }
const char* WINAPI Func_GetUploadFtpUser() { return Record().Get(TIdentityField::UploadFtpUser); }

const char* WINAPI Func_GetOtherInfo() {
  const char* value = Record().Get(TIdentityField::OtherInfo);
  return value != nullptr ? value : "";
}

}  // extern "C"
