#pragma once
// Traditional PKWARE encryption of ZIP members: three 32-bit keys updated
// with every plain byte, and a keystream byte drawn from the third key.
#include <cstddef>
#include <cstdint>
#include <string_view>

// CRC-32 (polynomial 0xEDB88320) of a byte run, continuing from crc.
std::uint32_t Sk2Crc32(std::uint32_t crc, const std::uint8_t* data, std::size_t size);

class TSk2ZipKeys {
 public:
  static constexpr std::size_t kHeaderSize = 12;  // encryption header before the data

  // Keys initialised and fed with every byte of the password.
  explicit TSk2ZipKeys(std::string_view password);

  // Operations
  std::uint8_t DecryptByte(std::uint8_t cipher) {
    const std::uint8_t plain = static_cast<std::uint8_t>(cipher ^ StreamByte());
    Update(plain);
    return plain;
  }
  std::uint8_t EncryptByte(std::uint8_t plain) {
    const std::uint8_t cipher = static_cast<std::uint8_t>(plain ^ StreamByte());
    Update(plain);
    return cipher;
  }
  void Decrypt(std::uint8_t* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) data[i] = DecryptByte(data[i]);
  }
  void Encrypt(std::uint8_t* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) data[i] = EncryptByte(data[i]);
  }

 private:
  std::uint8_t StreamByte() const {
    const std::uint32_t k = (keys_[2] | 2u) & 0xFFFFu;
    return static_cast<std::uint8_t>((k * (k ^ 1u)) >> 8);
  }
  void Update(std::uint8_t plain);

  std::uint32_t keys_[3];
};
