// The five getters both generations export. Each DLL defines
// IdentityRecordOfThisLibrary() for its own record file.
#include "CustomerIdentityApi.h"
#include "IdentityRecord.h"

extern "C" {

const char* WINAPI Func_GetCompanyNum() { return IdentityRecordOfThisLibrary().Get(TIdentityField::CompanyNum); }
const char* WINAPI Func_GetCompanyType() { return IdentityRecordOfThisLibrary().Get(TIdentityField::CompanyType); }
const char* WINAPI Func_GetCompanyName() { return IdentityRecordOfThisLibrary().Get(TIdentityField::CompanyName); }
const char* WINAPI Func_GetDeviceId() { return IdentityRecordOfThisLibrary().Get(TIdentityField::DeviceId); }
const char* WINAPI Func_GetUploadFtpUser() {
  return IdentityRecordOfThisLibrary().Get(TIdentityField::UploadFtpUser);
}

}  // extern "C"
