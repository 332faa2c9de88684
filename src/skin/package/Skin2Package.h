#pragma once
// The skin package container: a ZIP-structured file that begins with "SK",
// ends with a 22-byte end record without comment, and whose central
// records carry neither extra fields nor comments.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "Skin2ByteStream.h"
#include "Skin2File.h"

struct TSk2CentralRecord {
  std::string name;
  std::uint16_t flags = 0;
  std::uint16_t method = 0;
  std::uint16_t modTime = 0;
  std::uint16_t modDate = 0;
  std::uint32_t crc = 0;
  std::uint32_t compressedSize = 0;
  std::uint32_t uncompressedSize = 0;
  std::uint32_t localHeaderOffset = 0;

  bool Encrypted() const { return (flags & 1u) != 0; }
};

// Results of Sk2ExtractPackageEntry.
enum : int {
  kSk2ExtractOk = 0,
  kSk2ExtractFailed = 1,         // not a package, member missing, unreadable
  kSk2ExtractWrongPassword = 2,  // wrong or missing password, or wrong size
};

constexpr std::size_t kSk2MaxMemberName = 259;  // central names are shorter than 260 bytes

// Checks the "SK" start and the end record, then hands every central record
// to visit in directory order until visit returns false. Returns false when
// the file is no skin package or a record does not fit the directory.
bool Sk2ScanPackage(const TSk2RandomAccessFile& file, const std::function<bool(const TSk2CentralRecord&)>& visit);

// A member of a package, found by name: the package's bytes and the
// member's central record.
struct TSk2PackageMember {
  TSk2RandomAccessFile package;
  TSk2CentralRecord record;
};

// The member EntryName (ASCII letters compared without case) of the
// package file; nothing when the file is missing, is no skin package or
// lacks the member.
std::optional<TSk2PackageMember> Sk2FindPackageMember(const std::filesystem::path& packageFile,
                                                      std::string_view entryName);

// Inflates a found member into Out (deciphering it with Password when it is
// enciphered) and judges what arrived there: the results of Sk2ExtractPackageEntry. Out is
// left open; on a result other than 0 its content is to be discarded.
int Sk2InflatePackageMember(const TSk2PackageMember& member, std::string_view password, TSk2OutputFile& out);

// Extracts the member EntryName (ASCII letters compared without case) into
// OutputFile, which is replaced. Returns 0, 1 or 2 as above; on any result
// other than 0 no output file is left behind.
int Sk2ExtractPackageEntry(const std::filesystem::path& packageFile, std::string_view entryName,
                           const std::filesystem::path& outputFile, std::string_view password);
