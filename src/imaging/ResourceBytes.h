#pragma once
// Pictures travel inside the executable as RCDATA resources; this reads one
// into bytes for the decoders.
#include <windows.h>

#include <cstdint>
#include <vector>

// The bytes of the RCDATA resource `name` of `module` (nullptr: the
// executable). Empty when the module has no such resource.
std::vector<std::uint8_t> LoadRcData(HMODULE module, const wchar_t* name);
