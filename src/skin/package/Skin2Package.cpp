#include "Skin2Package.h"

#include <cstring>
#include <exception>
#include <optional>
#include <span>
#include <system_error>
#include <vector>

#include "Skin2File.h"
#include "Skin2Inflater.h"
#include "Skin2ZipCrypto.h"

namespace {

constexpr std::uint32_t kEndSignature = 0x06054B50u;
constexpr std::size_t kEndRecordSize = 22;
constexpr std::size_t kCentralRecordSize = 46;
constexpr std::size_t kLocalHeaderSize = 30;

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameMemberName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
  return true;
}

TSk2CentralRecord ParseCentralRecord(const std::uint8_t* p) {
  TSk2CentralRecord r;
  r.flags = Sk2Le16(p + 8);
  r.method = Sk2Le16(p + 10);
  r.modTime = Sk2Le16(p + 12);
  r.modDate = Sk2Le16(p + 14);
  r.crc = Sk2Le32(p + 16);
  r.compressedSize = Sk2Le32(p + 20);
  r.uncompressedSize = Sk2Le32(p + 24);
  r.localHeaderOffset = Sk2Le32(p + 42);
  return r;
}

// Inflates the member's data after its local header into sink,
// deciphering it first when the central record says so. Returns the
// extraction result.
int InflateMember(const TSk2RandomAccessFile& file, const TSk2CentralRecord& record, std::string_view password,
                  TSk2ByteSink& sink) {
  std::uint8_t local[kLocalHeaderSize];
  if (!file.ReadAt(record.localHeaderOffset, local, sizeof local)) return kSk2ExtractFailed;
  std::uint64_t dataStart = std::uint64_t{record.localHeaderOffset} + kLocalHeaderSize + Sk2Le16(local + 26) +
                            Sk2Le16(local + 28);
  if (dataStart > file.Size()) return kSk2ExtractFailed;

  std::span<const std::uint8_t> data = file.Bytes().subspan(static_cast<std::size_t>(dataStart));
  std::vector<std::uint8_t> plain;
  if (record.Encrypted()) {
    if (password.empty()) return kSk2ExtractWrongPassword;
    TSk2ZipKeys keys(password);
    if (data.size() < TSk2ZipKeys::kHeaderSize) return kSk2ExtractFailed;
    std::uint8_t header[TSk2ZipKeys::kHeaderSize];
    std::memcpy(header, data.data(), sizeof header);
    keys.Decrypt(header, sizeof header);
    const std::uint8_t check = (record.flags & 8u) ? static_cast<std::uint8_t>(record.modTime >> 8)
                                                   : static_cast<std::uint8_t>(record.crc >> 24);
    if (header[TSk2ZipKeys::kHeaderSize - 1] != check) return kSk2ExtractWrongPassword;
    // Everything after the header up to the end of the file, deciphered.
    plain.assign(data.begin() + TSk2ZipKeys::kHeaderSize, data.end());
    keys.Decrypt(plain.data(), plain.size());
    data = plain;
  }

  TSk2MemorySource source(data);
  switch (Sk2Inflate(source, sink, record.uncompressedSize)) {
    case TSk2InflateResult::Ok:
      return kSk2ExtractOk;
    case TSk2InflateResult::OutputLimit:
      return kSk2ExtractWrongPassword;  // more data than declared: a size mismatch
    default:
      return kSk2ExtractFailed;
  }
}

}  // namespace

bool Sk2ScanPackage(const TSk2RandomAccessFile& file, const std::function<bool(const TSk2CentralRecord&)>& visit) {
  std::uint8_t start[4];
  if (!file.Valid() || !file.ReadAt(0, start, sizeof start)) return false;
  if (start[0] != 'S' || start[1] != 'K') return false;

  if (file.Size() < kEndRecordSize) return false;
  const std::uint64_t endPos = file.Size() - kEndRecordSize;
  std::uint8_t end[kEndRecordSize];
  if (!file.ReadAt(endPos, end, sizeof end)) return false;
  if (Sk2Le32(end) != kEndSignature || Sk2Le16(end + 20) != 0) return false;

  std::uint64_t pos = Sk2Le32(end + 16);
  if (pos > endPos) return false;
  while (pos < endPos) {
    std::uint8_t fixed[kCentralRecordSize];
    if (endPos - pos < kCentralRecordSize || !file.ReadAt(pos, fixed, sizeof fixed)) return false;
    const std::size_t nameLength = Sk2Le16(fixed + 28);
    if (nameLength > kSk2MaxMemberName || endPos - pos - kCentralRecordSize < nameLength) return false;
    TSk2CentralRecord record = ParseCentralRecord(fixed);
    record.name.resize(nameLength);
    if (!file.ReadAt(pos + kCentralRecordSize, record.name.data(), nameLength)) return false;
    pos += kCentralRecordSize + nameLength;
    if (!visit(record)) break;
  }
  return true;
}

std::optional<TSk2PackageMember> Sk2FindPackageMember(const std::filesystem::path& packageFile,
                                                      std::string_view entryName) {
  try {
    // A missing file is a file that cannot be read.
    TSk2PackageMember member{TSk2RandomAccessFile(packageFile), {}};
    bool found = false;
    const bool valid = Sk2ScanPackage(member.package, [&](const TSk2CentralRecord& record) {
      if (!SameMemberName(record.name, entryName)) return true;
      member.record = record;
      found = true;
      return false;
    });
    if (valid && found) return member;
  } catch (const std::exception&) {
  }
  return std::nullopt;
}

int Sk2InflatePackageMember(const TSk2PackageMember& member, std::string_view password, TSk2OutputFile& out) {
  int result;
  try {
    result = InflateMember(member.package, member.record, password, out);
  } catch (const std::exception&) {
    result = kSk2ExtractFailed;
  }
  if (out.Written() == 0 && result == kSk2ExtractOk)
    result = kSk2ExtractFailed;
  else if (out.Written() != member.record.uncompressedSize)
    result = kSk2ExtractWrongPassword;
  return result;
}

int Sk2ExtractPackageEntry(const std::filesystem::path& packageFile, std::string_view entryName,
                           const std::filesystem::path& outputFile, std::string_view password) {
  const std::optional<TSk2PackageMember> member = Sk2FindPackageMember(packageFile, entryName);
  if (!member) return kSk2ExtractFailed;

  TSk2OutputFile out(outputFile);
  if (!out.Valid()) return kSk2ExtractFailed;
  int result = Sk2InflatePackageMember(*member, password, out);
  if (!out.Close() && result == kSk2ExtractOk) result = kSk2ExtractFailed;
  std::error_code ec;
  if (result != kSk2ExtractOk) std::filesystem::remove(outputFile, ec);
  return result;
}
