#include "SkinSource.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "Skin2SkinData.h"

namespace {

std::string Trim(const std::string& s) {
  std::size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
  return s.substr(b, e - b);
}

bool LowerEquals(std::string a, const std::string& b) {
  std::transform(a.begin(), a.end(), a.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return a == b;
}

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& name) {
  std::ifstream in(name, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + name.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::filesystem::path& name, const void* data, std::size_t size) {
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!out) throw std::runtime_error("cannot write " + name.string());
}

// Decimal or 0x-hexadecimal, optionally negative; hexadecimal values may
// use all 32 bits.
bool ParseInteger(const std::string& text, std::int32_t& value) {
  if (text.empty()) return false;
  errno = 0;
  char* end = nullptr;
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  if (hex) {
    const unsigned long long v = std::strtoull(text.c_str() + 2, &end, 16);
    if (errno != 0 || *end != '\0' || v > 0xFFFFFFFFull || text[2] == '-' || text[2] == '+') return false;
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    return true;
  }
  const long long v = std::strtoll(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || v < INT32_MIN || v > INT32_MAX) return false;
  value = static_cast<std::int32_t>(v);
  return true;
}

}  // namespace

std::vector<TSkinEntry> ParseSkinText(const std::string& text, const std::string& source) {
  std::vector<TSkinEntry> entries;
  std::istringstream lines(text);
  std::string raw, section;
  for (int number = 1; std::getline(lines, raw); ++number) {
    const auto fault = [&](const std::string& what) {
      return std::runtime_error(source + ":" + std::to_string(number) + ": " + what);
    };
    const std::string line = Trim(raw);
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line.front() == '[') {
      if (line.back() != ']') throw fault("unclosed section name");
      section = Trim(line.substr(1, line.size() - 2));
      if (!LowerEquals(section, "integer") && !LowerEquals(section, "boolean") && !LowerEquals(section, "string"))
        throw fault("unknown section [" + section + "]");
      continue;
    }
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos) throw fault("expected NAME = value");
    const std::string name = Trim(line.substr(0, eq));
    const std::string value = Trim(line.substr(eq + 1));
    if (name.empty() || name.size() > kSk2EntryNameSize) throw fault("entry names have 1 to 64 bytes");
    if (section.empty()) throw fault("entry before the first section");
    if (LowerEquals(section, "integer")) {
      std::int32_t v;
      if (!ParseInteger(value, v)) throw fault("not a 32-bit integer: " + value);
      entries.push_back(TSkinEntry::Integer(name, v));
    } else if (LowerEquals(section, "boolean")) {
      if (value == "1" || LowerEquals(value, "true"))
        entries.push_back(TSkinEntry::Boolean(name, true));
      else if (value == "0" || LowerEquals(value, "false"))
        entries.push_back(TSkinEntry::Boolean(name, false));
      else
        throw fault("not a boolean (0, 1, true, false): " + value);
    } else {
      entries.push_back(TSkinEntry::String(name, value));
    }
  }
  return entries;
}

std::vector<TSkinEntry> ReadSkinSource(const std::filesystem::path& folder) {
  if (!std::filesystem::is_directory(folder)) throw std::runtime_error("not a folder: " + folder.string());
  std::vector<std::filesystem::path> bitmaps;
  for (const auto& item : std::filesystem::directory_iterator(folder))
    if (item.is_regular_file() && LowerEquals(item.path().extension().string(), ".bmp")) bitmaps.push_back(item.path());
  std::sort(bitmaps.begin(), bitmaps.end(),
            [](const auto& a, const auto& b) { return a.filename().string() < b.filename().string(); });

  std::vector<TSkinEntry> entries;
  for (const auto& file : bitmaps) {
    const std::string name = file.stem().string();
    if (name.empty() || name.size() > kSk2EntryNameSize)
      throw std::runtime_error("entry names have 1 to 64 bytes: " + file.string());
    entries.push_back(TSkinEntry::Bitmap(name, ReadFile(file)));
  }
  const std::filesystem::path textFile = folder / kSkinTextFile;
  if (std::filesystem::exists(textFile)) {
    const std::vector<std::uint8_t> text = ReadFile(textFile);
    std::vector<TSkinEntry> values = ParseSkinText(std::string(text.begin(), text.end()), textFile.string());
    std::move(values.begin(), values.end(), std::back_inserter(entries));
  }
  return entries;
}

void WriteSkinSource(const std::filesystem::path& folder, const std::vector<TSkinEntry>& entries) {
  std::filesystem::create_directories(folder);
  std::string sections[3];
  for (const TSkinEntry& e : entries) {
    switch (e.type) {
      case 0:
        WriteFile(folder / (e.name + ".bmp"), e.data.data(), e.data.size());
        break;
      case 1: {
        const auto u = static_cast<std::uint32_t>(e.data[0] | (e.data[1] << 8) | (e.data[2] << 16) |
                                                  (static_cast<std::uint32_t>(e.data[3]) << 24));
        const auto v = static_cast<std::int32_t>(u);
        char text[32];
        if (v >= 0x10000)
          std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(u));
        else
          std::snprintf(text, sizeof text, "%d", static_cast<int>(v));
        sections[0] += e.name + " = " + text + "\n";
        break;
      }
      case 2:
        sections[1] += e.name + " = " + (e.data[0] ? "1" : "0") + "\n";
        break;
      case 3:
        sections[2] += e.name + " = " + std::string(e.data.begin(), e.data.end()) + "\n";
        break;
    }
  }
  const std::string text = "[integer]\n" + sections[0] + "\n[boolean]\n" + sections[1] + "\n[string]\n" + sections[2];
  WriteFile(folder / kSkinTextFile, text.data(), text.size());
}
