#pragma once
// The skin data file inside a package: a 24-byte header and a list of
// 77-byte entry records linked by file offsets, each naming one bitmap,
// integer, boolean or string.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Skin2ByteStream.h"

enum class TSk2EntryType : std::uint8_t { Bitmap = 0, Integer = 1, Boolean = 2, String = 3 };

constexpr std::size_t kSk2DataHeaderSize = 24;
constexpr std::size_t kSk2RecordSize = 77;
constexpr std::size_t kSk2EntryNameSize = 64;
constexpr char kSk2DataMagic[] = "KALVORIN_SK2";  // 12 bytes, no terminator in the file
constexpr std::uint32_t kSk2DataVersion = 2;

// One entry as it lies in the file's bytes.
struct TSk2EntryView {
  std::string_view name;  // the bytes before the first zero of the name field
  std::uint8_t type = 0;
  std::span<const std::uint8_t> data;
};

// One entry copied out of the file.
struct TSk2RawEntry {
  std::string name;  // the bytes before the first zero of the name field
  std::uint8_t type = 0;
  std::vector<std::uint8_t> data;  // empty for types the format does not know
};

// Reads the header and follows the record list from the first record to
// the one whose next offset is 0, handing each entry to visit in file order;
// entries of types the format does not know are skipped. Returns false when
// the header size is not 24, a record or its data lies outside the file, an
// integer is not 4 bytes or a boolean not 1 byte, the list runs in a cycle,
// or visit returns false.
bool Sk2WalkSkinData(std::span<const std::uint8_t> file, const std::function<bool(const TSk2EntryView&)>& visit);
// The same over a file, each entry copied.
bool Sk2ReadSkinData(const TSk2RandomAccessFile& file, const std::function<bool(const TSk2RawEntry&)>& visit);
