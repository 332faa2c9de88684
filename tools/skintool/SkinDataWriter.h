#pragma once
// Writes the skin data file: the 24-byte header, then for every entry its
// 77-byte record directly followed by its data, and an empty terminator
// record.
#include <cstdint>
#include <string>
#include <vector>

struct TSkinEntry {
  std::string name;
  std::uint8_t type = 0;  // 0 bitmap, 1 integer, 2 boolean, 3 string
  std::vector<std::uint8_t> data;

  static TSkinEntry Bitmap(std::string name, std::vector<std::uint8_t> bmpFile);
  static TSkinEntry Integer(std::string name, std::int32_t value);
  static TSkinEntry Boolean(std::string name, bool value);
  static TSkinEntry String(std::string name, const std::string& text);
};

// Names longer than the 64-byte name field are cut.
std::vector<std::uint8_t> BuildSkinData(const std::vector<TSkinEntry>& entries);
