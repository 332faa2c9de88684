#include "TestSandbox.h"

#include <fstream>
#include <stdexcept>

#include "AnsiText.h"
#include "PublicFunction.h"

namespace fs = std::filesystem;

namespace {

fs::path FromAnsiPath(std::string_view path) { return fs::path(FromAnsi(path)); }

}  // namespace

std::string ProgramDir() { return TSysOper::GetAppPath(); }

TTestSandbox::TTestSandbox(std::string_view name) : dir_(ProgramDir() + "sandbox\\" + std::string(name) + "\\") {
  std::error_code ec;
  fs::remove_all(FromAnsiPath(dir_), ec);
  fs::create_directories(FromAnsiPath(dir_));
}

TTestSandbox::~TTestSandbox() {
  std::error_code ec;
  fs::remove_all(FromAnsiPath(dir_), ec);
}

fs::path TTestSandbox::Path(std::string_view relative) const {
  return FromAnsiPath(dir_ + std::string(relative));
}

void TTestSandbox::CopyFromProgramDir(std::string_view file, std::string_view as) const {
  // Removed first: the runtime's overwrite option is not reliable here.
  const fs::path target = Path(as.empty() ? file : as);
  fs::remove(target);
  fs::copy_file(FromAnsiPath(ProgramDir() + std::string(file)), target);
}

void TTestSandbox::WriteFile(std::string_view relative, std::string_view bytes) const {
  const fs::path path = Path(relative);
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

void TTestSandbox::Remove(std::string_view relative) const {
  std::error_code ec;
  fs::remove_all(Path(relative), ec);
}

TScopedFiles::~TScopedFiles() {
  for (const std::string& name : names_) {
    std::error_code ec;
    fs::remove(FromAnsiPath(dir_ + name), ec);
  }
}

void TScopedFiles::Write(std::string_view name, std::string_view bytes) {
  names_.emplace_back(name);
  std::ofstream out(FromAnsiPath(dir_ + std::string(name)), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + dir_ + std::string(name));
}

std::string IniText(std::string_view section, const TIniValues& values) {
  std::string text = "[" + std::string(section) + "]\r\n";
  for (const auto& [key, value] : values) text += key + "=\"" + value + "\"\r\n";
  return text;
}
