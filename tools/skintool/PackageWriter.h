#pragma once
// Writes skin packages: one or more members, raw-deflated with zlib and
// optionally enciphered with traditional PKWARE encryption, in the
// container whose first bytes are "SK".
#include <cstdint>
#include <string>
#include <vector>

struct TPackageMember {
  std::string name;
  std::vector<std::uint8_t> stored;  // the member data as it goes into the file
  std::uint32_t crc = 0;
  std::uint32_t uncompressedSize = 0;
  std::uint16_t flags = 0;
  std::uint16_t method = 8;
  std::uint16_t modTime = 0;  // 00:00:00
  std::uint16_t modDate = (44 << 9) | (1 << 5) | 1;  // 2024-01-01

  // Deflates plain at the given zlib level (0-9) and, with a password,
  // enciphers it (bit 0 of the flags, check byte = high byte of the CRC).
  // The encryption header's other bytes are random unless headerSeed is
  // not 0, which makes them repeatable.
  static TPackageMember FromPlain(std::string name, const std::vector<std::uint8_t>& plain, int level = 9,
                                  const std::string& password = {}, std::uint32_t headerSeed = 0);
};

struct TPackageOptions {
  bool pkSignature = false;  // begin with "PK" like an ordinary ZIP file
  std::string comment;       // ZIP file comment (skin packages have none)
};

// Raw deflate (no header) of data at the given level; throws on failure.
std::vector<std::uint8_t> DeflateRaw(const std::vector<std::uint8_t>& data, int level);

std::vector<std::uint8_t> BuildPackage(const std::vector<TPackageMember>& members, const TPackageOptions& options = {});
