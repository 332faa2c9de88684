#include "OleError.h"

#include <cstdio>

std::string OleErrorText(HRESULT code) {
  char number[16];
  std::snprintf(number, sizeof number, "0x%08lX", static_cast<unsigned long>(code));

  char* buffer = nullptr;
  const DWORD length = ::FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      static_cast<DWORD>(code), 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  std::string text(buffer != nullptr ? buffer : "", length);
  if (buffer != nullptr) ::LocalFree(buffer);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= 0x20) text.pop_back();

  return text.empty() ? std::string(number) : text + " (" + number + ")";
}

EOleError::EOleError(HRESULT code) : std::runtime_error(OleErrorText(code)), code_(code) {}
