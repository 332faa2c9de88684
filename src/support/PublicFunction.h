#pragma once
// The launcher's static helper classes. They have no instances and no
// state; every operation catches its own failures and returns a neutral
// value. Texts are byte strings in the ANSI code page.
#include <string>
#include <string_view>

class TSysOper {
 public:
  TSysOper() = delete;
  // Directory of the running executable with a trailing backslash; "" on failure.
  static std::string GetAppPath();
  // Appends one time-stamped line to LogFiles\Inspect_yyyymmdd.txt beside
  // the executable; a text containing "HTTP" (any case) is stored
  // enciphered. Never fails.
  static void WriteLog(std::string_view text) noexcept;
};

class TStrOper {
 public:
  TStrOper() = delete;
  // Base64 with line breaks; "" on any failure.
  static std::string EncodeBase64(std::string_view text) noexcept;
  // Tolerant Base64 decoding; "" on any failure.
  static std::string DecodeBase64(std::string_view text) noexcept;
};

class TFileOper {
 public:
  TFileOper() = delete;
  // One value of an INI file through the platform service (2048-byte
  // buffer); "" for a missing file, section or key.
  static std::string ReadIniString(const std::string& fileName, const std::string& section,
                                   const std::string& key) noexcept;
  // The file version as "a.b.c.d"; "0.0.0.0" and one log line on failure.
  static std::string GetVersion(const std::string& fileName) noexcept;
};

// The log line for `text` at the given stamp ("yyyy-mm-dd hh:nn:ss"),
// without its CR LF. Throws DesError for an enciphered text ending in NUL.
std::string FormatLogLine(std::string_view stamp, std::string_view text);
