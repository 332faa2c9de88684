#pragma once
// The identity library's interface as its users see it: every getter takes
// no arguments and returns a NUL-terminated byte string in the ANSI code
// page (or NULL), owned by the library and valid until it is unloaded.
//
//   generation   file                         getters
//   current      CustomerIdentity.dll         all six
//   legacy       CustomerIdentityLegacy.dll   all but Func_GetOtherInfo
#include <windows.h>

using TIdentityGetter = const char*(WINAPI*)();

inline constexpr const char* kCurrentIdentityDll = "CustomerIdentity.dll";
inline constexpr const char* kLegacyIdentityDll = "CustomerIdentityLegacy.dll";

inline constexpr const char* kGetCompanyNum = "Func_GetCompanyNum";
inline constexpr const char* kGetCompanyType = "Func_GetCompanyType";
inline constexpr const char* kGetCompanyName = "Func_GetCompanyName";
inline constexpr const char* kGetDeviceId = "Func_GetDeviceId";
inline constexpr const char* kGetUploadFtpUser = "Func_GetUploadFtpUser";
inline constexpr const char* kGetOtherInfo = "Func_GetOtherInfo";
