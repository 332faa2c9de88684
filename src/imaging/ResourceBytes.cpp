#include "ResourceBytes.h"

std::vector<std::uint8_t> LoadRcData(HMODULE module, const wchar_t* name) {
  HRSRC info = ::FindResourceW(module, name, MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (info == nullptr) return {};
  const DWORD size = ::SizeofResource(module, info);
  HGLOBAL loaded = ::LoadResource(module, info);  // not a real handle: nothing to free
  if (loaded == nullptr || size == 0) return {};
  const auto* data = static_cast<const std::uint8_t*>(::LockResource(loaded));
  if (data == nullptr) return {};
  return std::vector<std::uint8_t>(data, data + size);
}
