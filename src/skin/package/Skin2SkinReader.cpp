#include "Skin2SkinReader.h"

#include <charconv>
#include <cstring>
#include <stdexcept>
#include <optional>

#include "Skin2File.h"
#include "Skin2Package.h"
#include "Skin2SkinData.h"
#include "Skin2TempName.h"

namespace {

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
  return true;
}

// The value part of the first line "NAME=value" whose name matches.
const std::string* FindValue(const std::vector<std::string>& lines, std::string_view name, std::string_view& value) {
  for (const std::string& line : lines) {
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos || !SameName(std::string_view(line).substr(0, eq), name)) continue;
    value = std::string_view(line).substr(eq + 1);
    return &line;
  }
  return nullptr;
}

bool ParseDecimal(std::string_view text, std::int32_t& value) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size() && !text.empty();
}

std::string Line(std::string_view name, std::string_view value) {
  std::string line;
  line.reserve(name.size() + 1 + value.size());
  line += name;
  line += '=';
  line += value;
  return line;
}

}  // namespace

Tsk2SkinFileReader::Tsk2SkinFileReader(const std::filesystem::path& fileName, std::string_view password) {
  // The skin data goes through a temporary file that deletes itself when
  // closed, on success and failure alike; it is read back through the
  // handle that wrote it.
  std::vector<std::uint8_t> skinData;
  {
    const std::optional<TSk2PackageMember> member = Sk2FindPackageMember(fileName, kSkinDataMember);
    if (!member) throw std::runtime_error(kReadFailed);
    std::filesystem::path tempName;
    try {
      tempName = Sk2NewTempFileName();
    } catch (const std::exception&) {
      throw std::runtime_error(kReadFailed);
    }
    TSk2OutputFile temp(tempName, TSk2OutputFile::DeleteOnClose);
    if (!temp.Valid()) throw std::runtime_error(kReadFailed);
    switch (Sk2InflatePackageMember(*member, password, temp)) {
      case kSk2ExtractOk:
        break;
      case kSk2ExtractWrongPassword:
        throw std::runtime_error(kWrongPassword);
      default:
        throw std::runtime_error(kReadFailed);
    }
    if (!temp.ReadBack(skinData) || !temp.Close()) throw std::runtime_error(kReadFailed);
  }
  try {
    ReadSkinData(skinData);
  } catch (const std::exception&) {
    throw std::runtime_error(kReadFailed);
  }
}

Tsk2SkinFileReader::~Tsk2SkinFileReader() = default;

void Tsk2SkinFileReader::ReadSkinData(std::span<const std::uint8_t> data) {
  bool decoded = true;
  const bool ok = Sk2WalkSkinData(data, [&](const TSk2EntryView& entry) {
    switch (static_cast<TSk2EntryType>(entry.type)) {
      case TSk2EntryType::Bitmap: {
        std::optional<Tsk2Bitmap> bitmap = Tsk2Bitmap::DecodeBmp(entry.data);
        if (!bitmap) return decoded = false;
        bitmaps_.emplace_back(std::string(entry.name), std::make_unique<Tsk2Bitmap>(std::move(*bitmap)));
        break;
      }
      case TSk2EntryType::Integer: {
        const std::int32_t v = static_cast<std::int32_t>(Sk2Le32(entry.data.data()));
        integers_.push_back(Line(entry.name, std::to_string(v)));
        break;
      }
      case TSk2EntryType::Boolean:
        booleans_.push_back(Line(entry.name, std::to_string(entry.data[0])));
        break;
      case TSk2EntryType::String:
        strings_.push_back(
            Line(entry.name, std::string_view(reinterpret_cast<const char*>(entry.data.data()), entry.data.size())));
        break;
    }
    return true;
  });
  if (!ok || !decoded) throw std::runtime_error(kReadFailed);
}

Tsk2Bitmap* Tsk2SkinFileReader::GetBitmap(std::string_view name) const {
  for (const TBitmapEntry& entry : bitmaps_)
    if (SameName(entry.first, name)) return entry.second.get();
  return nullptr;
}

std::int32_t Tsk2SkinFileReader::GetInteger(std::string_view name) const {
  std::string_view text;
  std::int32_t value;
  if (!FindValue(integers_, name, text) || !ParseDecimal(text, value)) return -1;
  return value;
}

bool Tsk2SkinFileReader::GetBoolean(std::string_view name) const {
  std::string_view text;
  std::int32_t value;
  if (!FindValue(booleans_, name, text) || !ParseDecimal(text, value)) return false;
  return (value & 0xFF) != 0;
}

void Tsk2SkinFileReader::SetTransparentColor(std::uint32_t color) {
  for (TBitmapEntry& entry : bitmaps_) entry.second->SetTransparentColor(color);
}

int Tsk2SkinFileReader::ExtractPackageEntry(const std::filesystem::path& packageFile, std::string_view entryName,
                                            const std::filesystem::path& outputFile, std::string_view password) {
  return Sk2ExtractPackageEntry(packageFile, entryName, outputFile, password);
}
