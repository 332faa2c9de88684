#include "QELSkinReader.h"

#include <algorithm>
#include <cstddef>
#include <new>
#include <system_error>

TBitmap SkinBitmapPart(const Tsk2Bitmap& Source, int Left, int Top, int Width, int Height) {
  Left = std::clamp(Left, 0, Source.Width());
  Top = std::clamp(Top, 0, Source.Height());
  Width = std::clamp(Width, 0, Source.Width() - Left);
  Height = std::clamp(Height, 0, Source.Height() - Top);
  TBitmap result(Width, Height);
  if (result.Empty()) return result;
  std::uint32_t* out = result.Bits();
  for (int y = 0; y < Height; ++y) {
    const std::uint8_t* in = Source.Row(Top + y) + static_cast<std::ptrdiff_t>(Left) * 3;  // blue, green, red
    std::uint32_t* row = out + static_cast<std::ptrdiff_t>(y) * Width;
    for (int x = 0; x < Width; ++x, in += 3)
      row[x] = in[0] | (static_cast<std::uint32_t>(in[1]) << 8) | (static_cast<std::uint32_t>(in[2]) << 16);
  }
  return result;
}

TBitmap SkinBitmapToTBitmap(const Tsk2Bitmap& Source) {
  TBitmap result = SkinBitmapPart(Source, 0, 0, Source.Width(), Source.Height());
  if (Source.TransparentFixed()) result.SetTransparentColor(static_cast<TColor>(Source.TransparentColor()));
  return result;
}

TqelSkinReader::TqelSkinReader() = default;

TqelSkinReader::TqelSkinReader(const std::filesystem::path& FileName, std::string_view Password) {
  if (!FileName.empty()) Load(FileName, Password);
}

TqelSkinReader::~TqelSkinReader() = default;

void TqelSkinReader::Clear() noexcept {
  for (auto& bitmap : bitmaps_) bitmap.reset();
  sources_.fill(nullptr);
  file_.reset();
  transparent_ = kSkinColorAbsent;
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
  transparent_ = GetColor(SKIN2_TRANSCOLOR);
  file_->SetTransparentColor(static_cast<std::uint32_t>(transparent_ == kSkinColorAbsent ? clNone : transparent_));
  for (int i = 0; i < kSkin2BitmapCount; ++i)
    sources_[static_cast<std::size_t>(i)] = file_->GetBitmap(Skin2KeyName(static_cast<TSkin2BitmapKey>(i)));
}

std::unique_ptr<TBitmap> TqelSkinReader::Convert(TSkin2BitmapKey Key) const {
  auto bitmap = std::make_unique<TBitmap>(SkinBitmapToTBitmap(*sources_[Key]));
  bitmap->SetTransparentColor(transparent_ == kSkinColorAbsent ? clNone : transparent_);
  if (Key == SKIN2_TRACKBAR) ReplaceBitmapColor(*bitmap, transparent_, GetColor(SKIN2_FORMCOLOR));
  return bitmap;
}

TBitmap* TqelSkinReader::GetBitmap(TSkin2BitmapKey Key) const {
  if (Key >= kSkin2BitmapCount || !sources_[Key]) return nullptr;
  std::unique_ptr<TBitmap>& bitmap = bitmaps_[Key];
  if (!bitmap) {
    try {
      bitmap = Convert(Key);
    } catch (const std::bad_alloc&) {
      return nullptr;  // out of memory or GDI objects: drawn as absent, tried again next time
    }
  }
  return bitmap.get();
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
