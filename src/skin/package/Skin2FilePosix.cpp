// Files outside Windows. A delete-on-close file is unlinked when closed.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "Skin2File.h"

namespace {

// Reads a whole open file from its start.
bool ReadAll(int fd, std::vector<std::uint8_t>& bytes) {
  struct stat info {};
  if (::fstat(fd, &info) != 0 || info.st_size < 0) return false;
  bytes.resize(static_cast<std::size_t>(info.st_size));
  for (std::size_t at = 0; at < bytes.size();) {
    const ssize_t done = ::pread(fd, bytes.data() + at, bytes.size() - at, static_cast<off_t>(at));
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return false;
    at += static_cast<std::size_t>(done);
  }
  return true;
}

}  // namespace

TSk2OutputFile::TSk2OutputFile(const std::filesystem::path& name, unsigned mode) : name_(name), mode_(mode) {
  int fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0 && errno == EEXIST) {
    if (mode & NewOnly)
      nameTaken_ = true;
    else
      fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  }
  if (fd >= 0) handle_ = fd;
}

TSk2OutputFile::~TSk2OutputFile() { Close(); }

bool TSk2OutputFile::Write(const std::uint8_t* data, std::size_t size) {
  if (!Valid() || failed_) return false;
  while (size != 0) {
    const ssize_t done = ::write(static_cast<int>(handle_), data, size);
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) {
      failed_ = true;
      return false;
    }
    data += done;
    size -= static_cast<std::size_t>(done);
    written_ += static_cast<std::uint64_t>(done);
  }
  return true;
}

bool TSk2OutputFile::ReadBack(std::vector<std::uint8_t>& bytes) {
  return Valid() && ReadAll(static_cast<int>(handle_), bytes);
}

bool TSk2OutputFile::Close() noexcept {
  if (!Valid()) return false;
  if (mode_ & DeleteOnClose) ::unlink(name_.c_str());
  const bool closed = ::close(static_cast<int>(handle_)) == 0;
  handle_ = kNoHandle;
  return closed && !failed_;
}

bool Sk2ReadFile(const std::filesystem::path& name, std::vector<std::uint8_t>& bytes) {
  const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool read = ReadAll(fd, bytes);
  ::close(fd);
  return read;
}
