#include "Skin2Package.h"

#include <exception>
#include <fstream>
#include <memory>
#include <optional>
#include <system_error>
#include <vector>

#include "Skin2Inflater.h"
#include "Skin2ZipCrypto.h"

namespace {

constexpr std::uint32_t kEndSignature = 0x06054B50u;
constexpr std::size_t kEndRecordSize = 22;
constexpr std::size_t kCentralRecordSize = 46;
constexpr std::size_t kLocalHeaderSize = 30;
constexpr std::size_t kDecryptBlock = 1024;

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

// Reads the member's data after its local header, deciphering it when the
// central record says so, and inflates it into sink. Returns the
// extraction result.
int InflateMember(TSk2RandomAccessFile& file, const TSk2CentralRecord& record, std::string_view password,
                  TSk2ByteSink& sink) {
  std::uint8_t local[kLocalHeaderSize];
  if (!file.ReadAt(record.localHeaderOffset, local, sizeof local)) return kSk2ExtractFailed;
  std::uint64_t dataStart = std::uint64_t{record.localHeaderOffset} + kLocalHeaderSize + Sk2Le16(local + 26) +
                            Sk2Le16(local + 28);
  if (dataStart > file.Size()) return kSk2ExtractFailed;

  std::vector<std::uint8_t> plain;
  std::unique_ptr<TSk2ByteSource> source;
  if (record.Encrypted()) {
    if (password.empty()) return kSk2ExtractWrongPassword;
    TSk2ZipKeys keys(password);
    std::uint8_t header[TSk2ZipKeys::kHeaderSize];
    if (!file.ReadAt(dataStart, header, sizeof header)) return kSk2ExtractFailed;
    keys.Decrypt(header, sizeof header);
    const std::uint8_t check = (record.flags & 8u) ? static_cast<std::uint8_t>(record.modTime >> 8)
                                                   : static_cast<std::uint8_t>(record.crc >> 24);
    if (header[TSk2ZipKeys::kHeaderSize - 1] != check) return kSk2ExtractWrongPassword;
    dataStart += TSk2ZipKeys::kHeaderSize;
    plain.resize(static_cast<std::size_t>(file.Size() - dataStart));
    for (std::size_t at = 0; at < plain.size(); at += kDecryptBlock) {
      const std::size_t n = std::min(kDecryptBlock, plain.size() - at);
      if (!file.ReadAt(dataStart + at, plain.data() + at, n)) return kSk2ExtractFailed;
      keys.Decrypt(plain.data() + at, n);
    }
    source = std::make_unique<TSk2MemorySource>(plain);
  } else {
    if (!file.SeekTo(dataStart)) return kSk2ExtractFailed;
    source = std::make_unique<TSk2FileSource>(file.Stream());
  }

  switch (Sk2Inflate(*source, sink, record.uncompressedSize)) {
    case TSk2InflateResult::Ok:
      return kSk2ExtractOk;
    case TSk2InflateResult::OutputLimit:
      return kSk2ExtractWrongPassword;  // more data than declared: a size mismatch
    default:
      return kSk2ExtractFailed;
  }
}

}  // namespace

bool Sk2ScanPackage(TSk2RandomAccessFile& file, const std::function<bool(const TSk2CentralRecord&)>& visit) {
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

int Sk2ExtractPackageEntry(const std::filesystem::path& packageFile, std::string_view entryName,
                           const std::filesystem::path& outputFile, std::string_view password) {
  std::error_code ec;
  if (!std::filesystem::exists(packageFile, ec)) return kSk2ExtractFailed;

  std::optional<TSk2CentralRecord> found;
  TSk2RandomAccessFile file(packageFile);
  try {
    const bool valid = Sk2ScanPackage(file, [&](const TSk2CentralRecord& record) {
      if (!SameMemberName(record.name, entryName)) return true;
      found = record;
      return false;
    });
    if (!valid || !found) return kSk2ExtractFailed;
  } catch (const std::exception&) {
    return kSk2ExtractFailed;
  }

  std::ofstream out(outputFile, std::ios::binary | std::ios::out | std::ios::trunc);
  if (!out) return kSk2ExtractFailed;

  TSk2FileSink sink(out);
  int result;
  try {
    result = InflateMember(file, *found, password, sink);
  } catch (const std::exception&) {
    result = kSk2ExtractFailed;
  }
  out.close();
  if (out.fail() && result == kSk2ExtractOk) result = kSk2ExtractFailed;

  if (sink.Written() == 0 && result == kSk2ExtractOk)
    result = kSk2ExtractFailed;
  else if (sink.Written() != found->uncompressedSize)
    result = kSk2ExtractWrongPassword;
  if (result != kSk2ExtractOk) std::filesystem::remove(outputFile, ec);
  return result;
}
