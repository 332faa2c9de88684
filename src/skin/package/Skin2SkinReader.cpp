#include "Skin2SkinReader.h"

#include <charconv>
#include <cstring>
#include <stdexcept>
#include <system_error>

#include "Skin2Package.h"
#include "Skin2SkinData.h"
#include "Skin2TempName.h"

namespace {

// Removes the temporary file however the load ends.
class TTempFileGuard {
 public:
  explicit TTempFileGuard(std::filesystem::path name) : name_(std::move(name)) {}
  ~TTempFileGuard() {
    std::error_code ec;
    std::filesystem::remove(name_, ec);
  }
  TTempFileGuard(const TTempFileGuard&) = delete;
  TTempFileGuard& operator=(const TTempFileGuard&) = delete;
  const std::filesystem::path& Name() const { return name_; }

 private:
  std::filesystem::path name_;
};

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

std::string Line(const std::string& name, std::string_view value) {
  std::string line = name;
  line += '=';
  line += value;
  return line;
}

}  // namespace

Tsk2SkinFileReader::Tsk2SkinFileReader(const std::filesystem::path& fileName, std::string_view password) {
  std::filesystem::path tempName;
  try {
    tempName = Sk2NewTempFileName();
  } catch (const std::exception&) {
    throw std::runtime_error(kReadFailed);
  }
  TTempFileGuard temp(tempName);
  switch (Sk2ExtractPackageEntry(fileName, kSkinDataMember, temp.Name(), password)) {
    case kSk2ExtractOk:
      break;
    case kSk2ExtractWrongPassword:
      throw std::runtime_error(kWrongPassword);
    default:
      throw std::runtime_error(kReadFailed);
  }
  try {
    ReadSkinData(temp.Name());
  } catch (const std::exception&) {
    throw std::runtime_error(kReadFailed);
  }
}

Tsk2SkinFileReader::~Tsk2SkinFileReader() = default;

void Tsk2SkinFileReader::ReadSkinData(const std::filesystem::path& dataFile) {
  TSk2RandomAccessFile file(dataFile);
  bool decoded = true;
  const bool ok = file.Valid() && Sk2ReadSkinData(file, [&](const TSk2RawEntry& entry) {
    switch (static_cast<TSk2EntryType>(entry.type)) {
      case TSk2EntryType::Bitmap: {
        std::optional<Tsk2Bitmap> bitmap = Tsk2Bitmap::DecodeBmp(entry.data);
        if (!bitmap) return decoded = false;
        bitmaps_.emplace_back(entry.name, std::make_unique<Tsk2Bitmap>(std::move(*bitmap)));
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
