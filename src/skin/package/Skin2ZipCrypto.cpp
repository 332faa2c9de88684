#include "Skin2ZipCrypto.h"

#include <array>

namespace {

constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}
constexpr std::array<std::uint32_t, 256> kCrcTable = MakeCrcTable();

inline std::uint32_t CrcByte(std::uint32_t crc, std::uint8_t b) {
  return kCrcTable[(crc ^ b) & 0xFFu] ^ (crc >> 8);
}

}  // namespace

std::uint32_t Sk2Crc32(std::uint32_t crc, const std::uint8_t* data, std::size_t size) {
  crc = ~crc;
  for (std::size_t i = 0; i < size; ++i) crc = CrcByte(crc, data[i]);
  return ~crc;
}

TSk2ZipKeys::TSk2ZipKeys(std::string_view password) : keys_{0x12345678u, 0x23456789u, 0x34567890u} {
  for (char c : password) Update(static_cast<std::uint8_t>(c));
}

void TSk2ZipKeys::Update(std::uint8_t plain) {
  keys_[0] = CrcByte(keys_[0], plain);
  keys_[1] = (keys_[1] + (keys_[0] & 0xFFu)) * 134775813u + 1u;
  keys_[2] = CrcByte(keys_[2], static_cast<std::uint8_t>(keys_[1] >> 24));
}
