#pragma once
// DES (FIPS 46-3) in electronic-codebook mode over byte strings, and the
// hexadecimal form the operation log stores.
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

using DesBlock = std::array<uint8_t, 8>;
using DesKey = std::array<uint8_t, 8>;

enum class DesDirection { Encipher, Decipher };

// The log's key; only its first 8 characters take effect.
inline constexpr std::string_view LogCipherKey = "MQZV-TXT-LOCKER";

// Raised by DesEncryptString for a text whose last byte is NUL.
class DesError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Builds the module-wide table of 16 sub-keys from an 8-byte key.
void DesMakeSubKeys(const DesKey& key);

// Runs one block through the cipher with the current sub-keys.
DesBlock DesProcessBlock(DesDirection direction, const DesBlock& input);

// Enciphers the text block by block with the key cut or NUL-filled to
// 8 bytes; the text is NUL-padded to a multiple of 8. A text ending in NUL
// is refused with DesError("Error: the last char is NULL char.").
std::string DesEncryptString(std::string_view text, std::string_view key);

// DesEncryptString with LogCipherKey, as upper-case hexadecimal.
std::string DesEncryptStringHex(std::string_view text);
