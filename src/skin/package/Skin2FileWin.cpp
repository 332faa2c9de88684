// Files on Windows. A delete-on-close file is removed by the system with
// its last handle, so no separate deletion is made; readers open files
// sharing deletion so that such a file can be read while it is open.
#include <windows.h>

#include <algorithm>
#include <limits>

#include "Skin2File.h"

namespace {

HANDLE AsHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

constexpr DWORD kChunk = std::numeric_limits<DWORD>::max() / 2;

// Reads the rest of an open file of size bytes from its start.
bool ReadAll(HANDLE file, std::vector<std::uint8_t>& bytes) {
  LARGE_INTEGER size{}, start{};
  if (!::GetFileSizeEx(file, &size) || static_cast<unsigned long long>(size.QuadPart) > bytes.max_size() ||
      !::SetFilePointerEx(file, start, nullptr, FILE_BEGIN))
    return false;
  bytes.resize(static_cast<std::size_t>(size.QuadPart));
  for (std::size_t at = 0; at < bytes.size();) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - at, kChunk));
    DWORD done = 0;
    if (!::ReadFile(file, bytes.data() + at, chunk, &done, nullptr) || done == 0) return false;
    at += done;
  }
  return true;
}

}  // namespace

TSk2OutputFile::TSk2OutputFile(const std::filesystem::path& name, unsigned mode) : name_(name), mode_(mode) {
  // Readers may open the file while it is written, as they may the package.
  DWORD access = GENERIC_READ | GENERIC_WRITE, share = FILE_SHARE_READ | FILE_SHARE_WRITE;
  DWORD flags = FILE_ATTRIBUTE_NORMAL;
  if (mode & DeleteOnClose) {
    access |= DELETE;
    share |= FILE_SHARE_DELETE;
    flags = FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE;
  }
  HANDLE file = ::CreateFileW(name.c_str(), access, share, nullptr, CREATE_NEW, flags, nullptr);
  if (file == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_FILE_EXISTS) {
    if (mode & NewOnly)
      nameTaken_ = true;
    else
      file = ::CreateFileW(name.c_str(), access, share, nullptr, CREATE_ALWAYS, flags, nullptr);
  }
  if (file != INVALID_HANDLE_VALUE) handle_ = reinterpret_cast<std::intptr_t>(file);
}

TSk2OutputFile::~TSk2OutputFile() { Close(); }

bool TSk2OutputFile::Write(const std::uint8_t* data, std::size_t size) {
  if (!Valid() || failed_) return false;
  while (size != 0) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, kChunk));
    DWORD done = 0;
    if (!::WriteFile(AsHandle(handle_), data, chunk, &done, nullptr) || done != chunk) {
      failed_ = true;
      return false;
    }
    data += chunk;
    size -= chunk;
    written_ += chunk;
  }
  return true;
}

bool TSk2OutputFile::ReadBack(std::vector<std::uint8_t>& bytes) { return Valid() && ReadAll(AsHandle(handle_), bytes); }

bool TSk2OutputFile::Close() noexcept {
  if (!Valid()) return false;
  const bool closed = ::CloseHandle(AsHandle(handle_)) != FALSE;
  handle_ = kNoHandle;
  return closed && !failed_;
}

bool Sk2ReadFile(const std::filesystem::path& name, std::vector<std::uint8_t>& bytes) {
  HANDLE file = ::CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool read = ReadAll(file, bytes);
  ::CloseHandle(file);
  return read;
}
