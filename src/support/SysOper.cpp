#include <windows.h>

#include <cstdio>
#include <vector>

#include "PublicFunction.h"
#include "UniqueHandle.h"

std::string TSysOper::GetAppPath() {
  try {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
      const DWORD n = ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
      if (n == 0) return {};
      if (n < buffer.size()) {
        std::string path(buffer.data(), n);
        const auto cut = path.find_last_of("\\:");
        return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
      }
      buffer.resize(buffer.size() * 2);  // the path was cut: try a larger buffer
    }
  } catch (...) {
    return {};
  }
}

namespace {

std::string Format(const char* format, const SYSTEMTIME& t) {
  char text[32];
  std::snprintf(text, sizeof text, format, t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
  return text;
}

}  // namespace

void TSysOper::WriteLog(std::string_view text) noexcept {
  try {
    SYSTEMTIME day;
    ::GetLocalTime(&day);
    const std::string directory = GetAppPath() + "LogFiles";
    const std::string file = directory + "\\Inspect_" + Format("%04u%02u%02u", day) + ".txt";
    if (::GetFileAttributesA(directory.c_str()) == INVALID_FILE_ATTRIBUTES)
      ::CreateDirectoryA(directory.c_str(), nullptr);

    SYSTEMTIME now;
    ::GetLocalTime(&now);
    const std::string line =
        FormatLogLine(Format("%04u-%02u-%02u %02u:%02u:%02u", now), text) + "\r\n";

    UniqueHandle handle(::CreateFileA(file.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                      OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle) return;
    DWORD written = 0;
    ::WriteFile(handle.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  } catch (...) {
    // The log is best-effort: its own failures are reported nowhere.
  }
}
