#pragma once
// Files for the package reader tests: a private temporary directory that
// also serves as the system temporary directory while a test runs (so that
// leftover temporary files can be counted), small BMP files and packages.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

#include "PackageWriter.h"
#include "SkinDataWriter.h"

using TBytes = std::vector<std::uint8_t>;

inline void WriteBytes(const std::filesystem::path& name, const TBytes& bytes) {
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline TBytes ReadBytes(const std::filesystem::path& name) {
  std::ifstream in(name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A fresh directory that is the process's temporary directory until the
// object goes away.
class TPrivateTempDir {
 public:
  TPrivateTempDir() {
    std::random_device random;
    dir_ = std::filesystem::temp_directory_path() / ("skin2-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(dir_);
    Set(dir_);
  }
  ~TPrivateTempDir() {
    Restore();
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  TPrivateTempDir(const TPrivateTempDir&) = delete;
  TPrivateTempDir& operator=(const TPrivateTempDir&) = delete;

  const std::filesystem::path& Path() const { return dir_; }
  // Files in the directory other than the ones the test made itself.
  std::size_t CountOther(const std::vector<std::string>& own = {}) const {
    std::size_t n = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir_)) {
      const std::string name = e.path().filename().string();
      if (std::find(own.begin(), own.end(), name) == own.end()) ++n;
    }
    return n;
  }

 private:
#ifdef _WIN32
  void Set(const std::filesystem::path& p) {
    for (const wchar_t* var : {L"TMP", L"TEMP"}) {
      wchar_t old[1024] = {};
      const DWORD n = ::GetEnvironmentVariableW(var, old, 1024);
      saved_.push_back(n ? std::wstring(old, n) : std::wstring());
      ::SetEnvironmentVariableW(var, p.wstring().c_str());
    }
  }
  void Restore() {
    const wchar_t* vars[] = {L"TMP", L"TEMP"};
    for (int i = 0; i < 2; ++i) ::SetEnvironmentVariableW(vars[i], saved_[i].empty() ? nullptr : saved_[i].c_str());
  }
  std::vector<std::wstring> saved_;
#else
  void Set(const std::filesystem::path& p) {
    const char* old = std::getenv("TMPDIR");
    had_ = old != nullptr;
    if (old) saved_ = old;
    setenv("TMPDIR", p.c_str(), 1);
  }
  void Restore() {
    if (had_) setenv("TMPDIR", saved_.c_str(), 1);
    else unsetenv("TMPDIR");
  }
  std::string saved_;
  bool had_ = false;
#endif
  std::filesystem::path dir_;
};

// A 24-bit bottom-up BMP whose pixel (x, y) has colour fn(x, y) (0x00BBGGRR).
template <typename Fn>
TBytes MakeBmp(int width, int height, Fn fn) {
  const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
  const std::uint32_t size = 54 + stride * static_cast<std::uint32_t>(height);
  TBytes b(size, 0);
  const auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  b[0] = 'B', b[1] = 'M';
  put32(2, size);
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(width));
  put32(22, static_cast<std::uint32_t>(height));
  b[26] = 1, b[28] = 24;
  put32(34, stride * static_cast<std::uint32_t>(height));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = fn(x, y);
      const std::size_t at = 54 + static_cast<std::size_t>(height - 1 - y) * stride + static_cast<std::size_t>(x) * 3;
      b[at] = static_cast<std::uint8_t>(c >> 16), b[at + 1] = static_cast<std::uint8_t>(c >> 8),
      b[at + 2] = static_cast<std::uint8_t>(c);
    }
  return b;
}

inline TBytes SkinPackage(const TBytes& skinData, const std::string& password = {},
                          const std::string& member = "SKINDATA.SK2") {
  return BuildPackage({TPackageMember::FromPlain(member, skinData, 9, password, 77)});
}

// The relative path of the built-in package from the test's working directory.
#ifndef REPAIR_BUILTIN_SKIN
#define REPAIR_BUILTIN_SKIN "default.qsk"
#endif
