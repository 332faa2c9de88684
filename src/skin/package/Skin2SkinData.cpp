#include "Skin2SkinData.h"

#include <cstring>

bool Sk2WalkSkinData(std::span<const std::uint8_t> file, const std::function<bool(const TSk2EntryView&)>& visit) {
  if (file.size() < 16 || Sk2Le32(file.data() + 12) != kSk2DataHeaderSize || file.size() < kSk2DataHeaderSize)
    return false;

  std::uint64_t recordOffset = Sk2Le32(file.data() + 20);
  std::vector<bool> visited(file.size());  // records lie inside the file
  for (;;) {
    if (recordOffset > file.size() || file.size() - recordOffset < kSk2RecordSize) return false;
    if (visited[recordOffset]) return false;  // the list runs in a cycle
    visited[recordOffset] = true;
    const std::uint8_t* record = file.data() + recordOffset;
    const std::uint32_t next = Sk2Le32(record + 73);
    if (next == 0) return true;
    recordOffset = next;

    const std::uint8_t type = record[64];
    const std::uint32_t dataOffset = Sk2Le32(record + 65);
    const std::uint32_t dataSize = Sk2Le32(record + 69);
    switch (static_cast<TSk2EntryType>(type)) {
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
        continue;  // unknown type: skipped
    }
    if (dataOffset > file.size() || dataSize > file.size() - dataOffset) return false;
    const void* zero = std::memchr(record, 0, kSk2EntryNameSize);
    const std::size_t nameLength =
        zero ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(zero) - record) : kSk2EntryNameSize;
    const TSk2EntryView entry{std::string_view(reinterpret_cast<const char*>(record), nameLength), type,
                              file.subspan(dataOffset, dataSize)};
    if (!visit(entry)) return false;
  }
}

bool Sk2ReadSkinData(const TSk2RandomAccessFile& file, const std::function<bool(const TSk2RawEntry&)>& visit) {
  return file.Valid() && Sk2WalkSkinData(file.Bytes(), [&](const TSk2EntryView& view) {
           return visit(TSk2RawEntry{std::string(view.name), view.type, {view.data.begin(), view.data.end()}});
         });
}
