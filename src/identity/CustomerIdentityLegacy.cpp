// Legacy generation of the identity library: the first five getters, with
// its record in CustomerIdentityLegacy.ini beside the DLL. Without a record
// every getter returns NULL. It has no Func_GetOtherInfo; its users take
// that field from the current generation.
#include "CustomerIdentityApi.h"
#include "IdentityRecord.h"

namespace {

const TIdentityRecord& Record() {
  static const TIdentityRecord record("CustomerIdentityLegacy.ini",
                                      reinterpret_cast<const void*>(&Record));
  return record;
}

}  // namespace

extern "C" {

const char* WINAPI Func_GetCompanyNum() { return Record().Get(TIdentityField::CompanyNum); }
const char* WINAPI Func_GetCompanyType() { return Record().Get(TIdentityField::CompanyType); }
const char* WINAPI Func_GetCompanyName() { return Record().Get(TIdentityField::CompanyName); }
const char* WINAPI Func_GetDeviceId() { return Record().Get(TIdentityField::DeviceId); }
const char* WINAPI Func_GetUploadFtpUser() { return Record().Get(TIdentityField::UploadFtpUser); }

}  // extern "C"
