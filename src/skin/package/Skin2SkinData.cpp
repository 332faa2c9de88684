#include "Skin2SkinData.h"

#include <cstring>
#include <unordered_set>

bool Sk2ReadSkinData(TSk2RandomAccessFile& file, const std::function<bool(const TSk2RawEntry&)>& visit) {
  std::uint8_t header[kSk2DataHeaderSize];
  if (!file.ReadAt(0, header, 16)) return false;
  if (Sk2Le32(header + 12) != kSk2DataHeaderSize) return false;
  if (!file.ReadAt(0, header, kSk2DataHeaderSize)) return false;

  std::uint64_t recordOffset = Sk2Le32(header + 20);
  std::unordered_set<std::uint64_t> visited;
  for (;;) {
    if (!visited.insert(recordOffset).second) return false;  // the list runs in a cycle
    std::uint8_t record[kSk2RecordSize];
    if (!file.ReadAt(recordOffset, record, sizeof record)) return false;
    const std::uint32_t next = Sk2Le32(record + 73);
    if (next == 0) return true;

    TSk2RawEntry entry;
    const void* zero = std::memchr(record, 0, kSk2EntryNameSize);
    const std::size_t nameLength =
        zero ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(zero) - record) : kSk2EntryNameSize;
    entry.name.assign(reinterpret_cast<const char*>(record), nameLength);
    entry.type = record[64];
    const std::uint32_t dataOffset = Sk2Le32(record + 65);
    const std::uint32_t dataSize = Sk2Le32(record + 69);
    switch (static_cast<TSk2EntryType>(entry.type)) {
      case TSk2EntryType::Integer:
        if (dataSize != 4) return false;
        break;
      case TSk2EntryType::Boolean:
        if (dataSize != 1) return false;
        break;
      case TSk2EntryType::Bitmap:
      case TSk2EntryType::String:
        break;
      default:
        recordOffset = next;  // unknown type: skipped
        continue;
    }
    if (dataOffset > file.Size() || dataSize > file.Size() - dataOffset) return false;
    entry.data.resize(dataSize);
    if (dataSize != 0 && !file.ReadAt(dataOffset, entry.data.data(), dataSize)) return false;
    if (!visit(entry)) return false;
    recordOffset = next;
  }
}
