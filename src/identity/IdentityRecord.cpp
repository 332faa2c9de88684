#include "IdentityRecord.h"

#include <vector>

namespace {

constexpr const char* kSection = "Identity";
constexpr std::array<const char*, 6> kKeys = {"CompanyNum", "CompanyType", "CompanyName",
                                              "DeviceId",   "UploadFtpUser", "OtherInfo"};

// One value of any length: the buffer grows until the value fits.
std::string ReadValue(const std::string& file, const char* key) {
  std::vector<char> buffer(512);
  for (;;) {
    const DWORD size = static_cast<DWORD>(buffer.size());
    const DWORD n = ::GetPrivateProfileStringA(kSection, key, "", buffer.data(), size, file.c_str());
    if (n + 1 < size || buffer.size() >= (1u << 20)) return std::string(buffer.data(), n);
    buffer.resize(buffer.size() * 2);
  }
}

bool HasKeys(const std::string& file) {
  char names[4];  // only "is there any key" matters
  return ::GetPrivateProfileStringA(kSection, nullptr, "", names, sizeof names, file.c_str()) > 0;
}

}  // namespace

std::string ModuleDirectoryOf(const void* address) {
  HMODULE module = nullptr;
  if (!::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCSTR>(address), &module))
    return {};
  std::vector<char> path(MAX_PATH);
  for (;;) {
    const DWORD n = ::GetModuleFileNameA(module, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      const std::string full(path.data(), n);
      const auto cut = full.find_last_of("\\:");
      return cut == std::string::npos ? std::string() : full.substr(0, cut + 1);
    }
    path.resize(path.size() * 2);
  }
}

TIdentityRecord::TIdentityRecord(const char* iniName, const void* addressInModule) noexcept {
  try {
    const std::string directory = ModuleDirectoryOf(addressInModule);
    if (directory.empty()) return;
    const std::string file = directory + iniName;
    const DWORD attributes = ::GetFileAttributesA(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return;
    if (!HasKeys(file)) return;
    for (std::size_t i = 0; i < kKeys.size(); ++i) values_[i] = ReadValue(file, kKeys[i]);
    exists_ = true;
  } catch (...) {
    exists_ = false;  // out of memory: no record rather than half of one
  }
}

const char* TIdentityRecord::Get(TIdentityField field) const noexcept {
  return exists_ ? values_[static_cast<std::size_t>(field)].c_str() : nullptr;
}
