#include "Skin2ByteStream.h"

#include <algorithm>
#include <cstring>
#include <ios>

#include "Skin2File.h"

std::size_t TSk2MemorySource::Read(std::uint8_t* buffer, std::size_t size) {
  const std::size_t n = std::min(size, data_.size() - position_);
  if (n != 0) std::memcpy(buffer, data_.data() + position_, n);
  position_ += n;
  return n;
}

bool TSk2MemorySink::Write(const std::uint8_t* data, std::size_t size) {
  bytes_.insert(bytes_.end(), data, data + size);
  return true;
}

TSk2RandomAccessFile::TSk2RandomAccessFile(const std::filesystem::path& name) {
  valid_ = Sk2ReadFile(name, bytes_);
  if (!valid_) bytes_.clear();
}

bool TSk2RandomAccessFile::ReadAt(std::uint64_t offset, void* buffer, std::size_t size) const {
  if (!valid_ || offset > bytes_.size() || size > bytes_.size() - offset) return false;
  if (size != 0) std::memcpy(buffer, bytes_.data() + offset, size);
  return true;
}
