#pragma once
// Test files on disk: a fresh directory beside the test program for one
// test, removed again when the test ends. Paths and file contents are byte
// strings in the ANSI code page, as the launcher sees them.
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TTestSandbox {
 public:
  explicit TTestSandbox(std::string_view name);
  ~TTestSandbox();
  TTestSandbox(const TTestSandbox&) = delete;
  TTestSandbox& operator=(const TTestSandbox&) = delete;

  // The directory, with a trailing backslash.
  const std::string& Dir() const noexcept { return dir_; }
  std::filesystem::path Path(std::string_view relative = {}) const;

  // Copies a file that lies beside the test program into the sandbox.
  void CopyFromProgramDir(std::string_view file, std::string_view as = {}) const;
  // Writes `bytes` to a file, creating its directories.
  void WriteFile(std::string_view relative, std::string_view bytes) const;
  void Remove(std::string_view relative) const;

 private:
  std::string dir_;
};

// Files written into an existing directory for one test and removed at its
// end, such as records beside the test program itself.
class TScopedFiles {
 public:
  explicit TScopedFiles(std::string dir) : dir_(std::move(dir)) {}
  ~TScopedFiles();
  TScopedFiles(const TScopedFiles&) = delete;
  TScopedFiles& operator=(const TScopedFiles&) = delete;

  void Write(std::string_view name, std::string_view bytes);

 private:
  std::string dir_;
  std::vector<std::string> names_;
};

// The directory of the running test program, with a trailing backslash.
std::string ProgramDir();

using TIniValues = std::vector<std::pair<std::string, std::string>>;
// One INI section. Every value is quoted so that the platform's INI reader
// keeps its leading and trailing blanks.
std::string IniText(std::string_view section, const TIniValues& values);
