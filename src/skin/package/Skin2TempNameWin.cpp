// Temporary names on Windows: the platform's temporary directory and a
// newly generated GUID.
#include <objbase.h>
#include <windows.h>

#include <cstring>

#include "Skin2TempName.h"

std::filesystem::path Sk2NewTempFileName() {
  wchar_t directory[MAX_PATH + 2] = {};
  DWORD length = ::GetTempPathW(MAX_PATH + 1, directory);
  if (length == 0 || length > MAX_PATH) length = 0;
  std::wstring name(directory, length);
  if (name.empty() || name.back() != L'\\') name += L'\\';

  GUID guid{};
  unsigned char bytes[16] = {};
  if (SUCCEEDED(::CoCreateGuid(&guid))) std::memcpy(bytes, &guid, sizeof bytes);
  const std::string text = Sk2FormatBracedGuid(bytes);
  return std::filesystem::path(name + std::wstring(text.begin(), text.end()));
}
