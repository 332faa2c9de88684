#pragma once
// Files the package reader writes: the extracted member, and the package
// files its callers save for it to read.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "Skin2ByteStream.h"

// A file created for writing and reading back. A free name is created
// new, without truncating anything: a truncating open makes some file
// systems write the data out when the file is closed, and deleting the
// file then waits for that write.
class TSk2OutputFile final : public TSk2ByteSink {
 public:
  // Flags; without NewOnly an existing file of that name is replaced.
  enum TMode : unsigned {
    Replace = 0,
    NewOnly = 1,        // an existing file of that name fails the open (NameTaken)
    DeleteOnClose = 2,  // the file goes when it is closed, however that happens
  };

  explicit TSk2OutputFile(const std::filesystem::path& name, unsigned mode = Replace);
  ~TSk2OutputFile() override;  // closes
  TSk2OutputFile(const TSk2OutputFile&) = delete;
  TSk2OutputFile& operator=(const TSk2OutputFile&) = delete;

  // Attributes
  const std::filesystem::path& Name() const noexcept { return name_; }
  bool Valid() const noexcept { return handle_ != kNoHandle; }
  // The open failed because the name was taken (NewOnly).
  bool NameTaken() const noexcept { return nameTaken_; }
  std::uint64_t Written() const noexcept { return written_; }

  // Operations
  bool Write(const std::uint8_t* data, std::size_t size) override;
  // The whole file as it is now; false when it cannot be read.
  bool ReadBack(std::vector<std::uint8_t>& bytes);
  // Closes the file: false when it never opened, a write failed or the
  // close did.
  bool Close() noexcept;

 private:
  static constexpr std::intptr_t kNoHandle = -1;
  std::filesystem::path name_;
  std::intptr_t handle_ = kNoHandle;  // HANDLE on Windows, descriptor elsewhere
  unsigned mode_;
  std::uint64_t written_ = 0;
  bool failed_ = false;
  bool nameTaken_ = false;
};

// Writes bytes to the file name (replacing one); false unless all of them
// were written and the file closed.
inline bool Sk2SaveFile(const std::filesystem::path& name, std::span<const std::uint8_t> bytes) {
  TSk2OutputFile file(name);
  const bool written = file.Write(bytes.data(), bytes.size());
  return file.Close() && written;
}

// The whole file into bytes; false when it cannot be opened or read. Other
// processes may read, write and delete the file meanwhile, and a file that
// is to be deleted when its writer closes it can be read.
bool Sk2ReadFile(const std::filesystem::path& name, std::vector<std::uint8_t>& bytes);
