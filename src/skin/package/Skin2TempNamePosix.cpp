// Temporary names outside Windows: the standard library's temporary
// directory and a random (version 4) GUID.
#include <cstdint>
#include <random>

#include "Skin2TempName.h"

std::filesystem::path Sk2NewTempFileName() {
  static thread_local std::mt19937_64 generator{std::random_device{}()};
  unsigned char bytes[16];
  for (int i = 0; i < 16; i += 8) {
    const std::uint64_t v = generator();
    for (int k = 0; k < 8; ++k) bytes[i + k] = static_cast<unsigned char>(v >> (8 * k));
  }
  bytes[7] = static_cast<unsigned char>((bytes[7] & 0x0F) | 0x40);  // version 4 (Data3, little-endian)
  bytes[8] = static_cast<unsigned char>((bytes[8] & 0x3F) | 0x80);  // variant
  return std::filesystem::temp_directory_path() / Sk2FormatBracedGuid(bytes);
}
