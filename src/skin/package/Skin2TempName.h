#pragma once
// Names for the package reader's short-lived files.
#include <filesystem>
#include <string>

// A new, unused-looking name in the system's temporary directory: a GUID in
// braced text form ("{8-4-4-4-12}" hexadecimal digits), without extension.
std::filesystem::path Sk2NewTempFileName();

// Formats 16 GUID bytes (Data1..Data3 little-endian, as the platform keeps
// them) in braced upper-case text form.
std::string Sk2FormatBracedGuid(const unsigned char bytes[16]);
