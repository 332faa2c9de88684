#pragma once
// Byte sources and sinks of the package reader. The inflater reads from a
// source (the package file's bytes, or the deciphered member) and writes
// to a sink (the extracted file, or memory in tests and tools).
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

class TSk2ByteSource {
 public:
  virtual ~TSk2ByteSource() = default;
  // Reads up to size bytes; returns how many were read, 0 at the end.
  // A read error throws.
  virtual std::size_t Read(std::uint8_t* buffer, std::size_t size) = 0;
};

class TSk2ByteSink {
 public:
  virtual ~TSk2ByteSink() = default;
  // Appends size bytes; false when they could not be written.
  virtual bool Write(const std::uint8_t* data, std::size_t size) = 0;
};

// Reads a span of memory that outlives the source.
class TSk2MemorySource final : public TSk2ByteSource {
 public:
  explicit TSk2MemorySource(std::span<const std::uint8_t> data) : data_(data) {}
  std::size_t Read(std::uint8_t* buffer, std::size_t size) override;

 private:
  std::span<const std::uint8_t> data_;
  std::size_t position_ = 0;
};

// Appends to a vector.
class TSk2MemorySink final : public TSk2ByteSink {
 public:
  bool Write(const std::uint8_t* data, std::size_t size) override;
  std::vector<std::uint8_t>& Bytes() { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

// A whole file read into memory at once, with every read checked against
// its size. The package and the skin data file are small; one read of the
// file costs less than the seeks of many small ones.
class TSk2RandomAccessFile {
 public:
  // Reads the file; Valid() tells whether that worked. Other processes may
  // read and write the file meanwhile.
  explicit TSk2RandomAccessFile(const std::filesystem::path& name);

  // Attributes
  bool Valid() const { return valid_; }
  std::uint64_t Size() const { return bytes_.size(); }
  std::span<const std::uint8_t> Bytes() const { return bytes_; }

  // Operations
  // Copies exactly size bytes from offset; false when they are not all
  // inside the file.
  bool ReadAt(std::uint64_t offset, void* buffer, std::size_t size) const;

 private:
  std::vector<std::uint8_t> bytes_;
  bool valid_ = false;
};

// Little-endian field access for the container and skin data layouts.
inline std::uint16_t Sk2Le16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline std::uint32_t Sk2Le32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
