#include "SkinDataWriter.h"

#include <algorithm>
#include <cstring>

#include "Skin2SkinData.h"

namespace {

void PutLe32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void PutRecord(std::vector<std::uint8_t>& out, const std::string& name, std::uint8_t type, std::uint32_t dataOffset,
               std::uint32_t size, std::uint32_t next) {
  std::uint8_t field[kSk2EntryNameSize] = {};
  std::memcpy(field, name.data(), std::min(name.size(), sizeof field));
  out.insert(out.end(), field, field + sizeof field);
  out.push_back(type);
  PutLe32(out, dataOffset);
  PutLe32(out, size);
  PutLe32(out, next);
}

}  // namespace

TSkinEntry TSkinEntry::Bitmap(std::string name, std::vector<std::uint8_t> bmpFile) {
  return {std::move(name), 0, std::move(bmpFile)};
}

TSkinEntry TSkinEntry::Integer(std::string name, std::int32_t value) {
  TSkinEntry e{std::move(name), 1, {}};
  const auto u = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) e.data.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
  return e;
}

TSkinEntry TSkinEntry::Boolean(std::string name, bool value) {
  return {std::move(name), 2, {static_cast<std::uint8_t>(value ? 1 : 0)}};
}

TSkinEntry TSkinEntry::String(std::string name, const std::string& text) {
  return {std::move(name), 3, std::vector<std::uint8_t>(text.begin(), text.end())};
}

std::vector<std::uint8_t> BuildSkinData(const std::vector<TSkinEntry>& entries) {
  std::vector<std::uint8_t> out(kSk2DataMagic, kSk2DataMagic + 12);
  PutLe32(out, kSk2DataHeaderSize);
  PutLe32(out, kSk2DataVersion);
  PutLe32(out, kSk2DataHeaderSize);
  for (const TSkinEntry& e : entries) {
    const auto dataOffset = static_cast<std::uint32_t>(out.size() + kSk2RecordSize);
    const auto size = static_cast<std::uint32_t>(e.data.size());
    PutRecord(out, e.name, e.type, dataOffset, size, dataOffset + size);
    out.insert(out.end(), e.data.begin(), e.data.end());
  }
  PutRecord(out, "", 2, 0, 0, 0);
  return out;
}
