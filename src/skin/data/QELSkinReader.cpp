#include "QELSkinReader.h"

#include <cstddef>
#include <system_error>

#include "QELSkinUtilsBitmap.h"

TBitmap SkinBitmapToTBitmap(const Tsk2Bitmap& Source) {
  TBitmap result;
  if (Source.Empty()) return result;
  result.SetSize(Source.Width(), Source.Height());
  std::uint32_t* out = result.Bits();
  for (int y = 0; y < Source.Height(); ++y) {
    const std::uint8_t* in = Source.Row(y);  // blue, green, red
    std::uint32_t* row = out + static_cast<std::ptrdiff_t>(y) * Source.Width();
    for (int x = 0; x < Source.Width(); ++x, in += 3)
      row[x] = in[0] | (static_cast<std::uint32_t>(in[1]) << 8) | (static_cast<std::uint32_t>(in[2]) << 16);
  }
  if (Source.TransparentFixed()) result.SetTransparentColor(static_cast<TColor>(Source.TransparentColor()));
  return result;
}

TqelSkinReader::TqelSkinReader() = default;

TqelSkinReader::TqelSkinReader(const std::filesystem::path& FileName, std::string_view Password) {
  if (!FileName.empty()) Load(FileName, Password);
}

TqelSkinReader::~TqelSkinReader() = default;

void TqelSkinReader::Clear() noexcept {
  file_.reset();
  for (auto& bitmap : bitmaps_) bitmap.reset();
  loaded_ = false;
}

void TqelSkinReader::Load(const std::filesystem::path& FileName, std::string_view Password) {
  Clear();
  std::error_code ec;
  if (!FileName.empty() && std::filesystem::exists(FileName, ec)) {
    try {
      Adopt(std::make_unique<Tsk2SkinFileReader>(FileName, Password));
    } catch (...) {
      Clear();
      throw;
    }
    loaded_ = true;
  }
  if (OnSkinLoaded) OnSkinLoaded(*this);
}

void TqelSkinReader::Adopt(std::unique_ptr<Tsk2SkinFileReader> file) {
  file_ = std::move(file);
  // An absent transparent colour is no colour: nothing is keyed out.
  const TColor transparent = GetColor(SKIN2_TRANSCOLOR);
  const TColor key = transparent == kSkinColorAbsent ? clNone : transparent;
  file_->SetTransparentColor(static_cast<std::uint32_t>(key));
  for (int i = 0; i < kSkin2BitmapCount; ++i) {
    const auto k = static_cast<TSkin2BitmapKey>(i);
    if (const Tsk2Bitmap* source = file_->GetBitmap(Skin2KeyName(k))) {
      auto bitmap = std::make_unique<TBitmap>(SkinBitmapToTBitmap(*source));
      bitmap->SetTransparentColor(key);
      bitmaps_[static_cast<std::size_t>(i)] = std::move(bitmap);
    }
  }
  if (TBitmap* trackBar = GetBitmap(SKIN2_TRACKBAR))
    ReplaceBitmapColor(*trackBar, transparent, GetColor(SKIN2_FORMCOLOR));
}

TBitmap* TqelSkinReader::GetBitmap(TSkin2BitmapKey Key) const {
  if (Key >= kSkin2BitmapCount) return nullptr;
  return bitmaps_[Key].get();
}

TColor TqelSkinReader::GetColor(TSkin2ColorKey Key) const {
  const std::string_view name = Skin2KeyName(Key);
  return file_ && !name.empty() ? static_cast<TColor>(file_->GetInteger(name)) : kSkinColorAbsent;
}

std::int32_t TqelSkinReader::GetMetric(TSkin2MetricKey Key) const {
  const std::string_view name = Skin2KeyName(Key);
  return file_ && !name.empty() ? file_->GetInteger(name) : -1;
}

bool TqelSkinReader::GetFlag(TSkin2FlagKey Key) const {
  const std::string_view name = Skin2KeyName(Key);
  return file_ && !name.empty() && file_->GetBoolean(name);
}
