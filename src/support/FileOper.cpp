#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <vector>

#include "AnsiText.h"
#include "PublicFunction.h"

std::string TFileOper::ReadIniString(const std::string& fileName, const std::string& section,
                                     const std::string& key) noexcept {
  try {
    char buffer[2048];
    const DWORD n = ::GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer,
                                               sizeof buffer, fileName.c_str());
    return std::string(buffer, n);
  } catch (...) {
    return {};
  }
}

namespace {

[[noreturn]] void Fail(const char* call) {
  char message[96];
  std::snprintf(message, sizeof message, "%s failed (system error %lu)", call, ::GetLastError());
  throw std::runtime_error(message);
}

std::string ReadFileVersion(const std::string& fileName) {
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeA(fileName.c_str(), &ignored);
  if (size == 0) Fail("GetFileVersionInfoSize");
  std::vector<char> info(size);
  if (!::GetFileVersionInfoA(fileName.c_str(), 0, size, info.data())) Fail("GetFileVersionInfo");
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!::VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length) ||
      fixed == nullptr || length < sizeof(VS_FIXEDFILEINFO))
    Fail("VerQueryValue");
  char text[48];
  std::snprintf(text, sizeof text, "%u.%u.%u.%u", HIWORD(fixed->dwFileVersionMS),
                LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
                LOWORD(fixed->dwFileVersionLS));
  return text;
}

void LogVersionFailure(const std::string& fileName, const char* message) noexcept {
  try {
    TSysOper::WriteLog(ToAnsi(L"获取文件【") + fileName +
                       ToAnsi(L"】版本号信息失败,TFileOper->GetVersion中错误:") + message);
  } catch (...) {
  }
}

}  // namespace

std::string TFileOper::GetVersion(const std::string& fileName) noexcept {
  try {
    return ReadFileVersion(fileName);
  } catch (const std::exception& e) {
    LogVersionFailure(fileName, e.what());
  } catch (...) {
    LogVersionFailure(fileName, "");
  }
  return "0.0.0.0";
}
