#pragma once
// Short-lived files: the package reader's extracted member and the
// packages that callers save for it to read.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

#include "Skin2File.h"

// A new, unused-looking name in the system's temporary directory: a GUID in
// braced text form ("{8-4-4-4-12}" hexadecimal digits), without extension.
std::filesystem::path Sk2NewTempFileName();

// Formats 16 GUID bytes (Data1..Data3 little-endian, as the platform keeps
// them) in braced upper-case text form.
std::string Sk2FormatBracedGuid(const unsigned char bytes[16]);

// Saves bytes to a new file in the temporary directory: a fresh GUID name
// with the given extension, and 1, 2, ... before the extension while that
// name is taken. A failed save is tried again under a fresh GUID, a few
// times at most. Returns the file still open, to be read by its name and
// deleted when the returned object closes it; null when no save succeeded.
std::unique_ptr<TSk2OutputFile> Sk2SaveTempFile(std::span<const std::uint8_t> bytes,
                                                const std::filesystem::path& extension);
