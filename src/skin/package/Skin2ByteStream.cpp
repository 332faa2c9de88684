#include "Skin2ByteStream.h"

#include <algorithm>
#include <cstring>
#include <ios>

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

std::size_t TSk2FileSource::Read(std::uint8_t* buffer, std::size_t size) {
  if (!file_.good()) return 0;
  file_.read(reinterpret_cast<char*>(buffer), static_cast<std::streamsize>(size));
  if (file_.bad()) throw std::ios_base::failure("read error");
  return static_cast<std::size_t>(file_.gcount());
}

bool TSk2FileSink::Write(const std::uint8_t* data, std::size_t size) {
  file_.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!file_) return false;
  written_ += size;
  return true;
}

TSk2RandomAccessFile::TSk2RandomAccessFile(const std::filesystem::path& name) {
  file_.open(name, std::ios::binary | std::ios::in);
  if (!file_) return;
  file_.seekg(0, std::ios::end);
  const std::streamoff end = file_.tellg();
  if (end < 0) return;
  size_ = static_cast<std::uint64_t>(end);
  file_.seekg(0);
  valid_ = static_cast<bool>(file_);
}

bool TSk2RandomAccessFile::SeekTo(std::uint64_t offset) {
  if (!valid_ || offset > size_) return false;
  file_.clear();
  file_.seekg(static_cast<std::streamoff>(offset));
  return static_cast<bool>(file_);
}

bool TSk2RandomAccessFile::ReadAt(std::uint64_t offset, void* buffer, std::size_t size) {
  if (!valid_ || offset > size_ || size > size_ - offset) return false;
  if (!SeekTo(offset)) return false;
  file_.read(static_cast<char*>(buffer), static_cast<std::streamsize>(size));
  return file_.gcount() == static_cast<std::streamsize>(size);
}
