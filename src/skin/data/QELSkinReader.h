#pragma once
// TqelSkinReader: a loaded skin package, asked by key instead of by name.
//
// It wraps the package reader (Tsk2SkinFileReader) and hands out the
// skin's bitmaps as framework bitmaps, each converted once, when it is
// first asked for: a bitmap no painter uses never costs a DIB section.
// Every bitmap gets the skin's transparent colour ("SKIN2_TRANSCOLOR") in
// the fixed transparent mode; the track-bar picture has its transparent
// pixels painted in the form colour.
//
// Absent entries read as null bitmap, colour or metric -1, flag false; so
// does everything while no skin is loaded.
#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>

#include "Skin2Bitmap.h"
#include "Skin2Define.h"
#include "Skin2SkinReader.h"
#include "framework/Object.h"
#include "framework/Types.h"
#include "graphics/Bitmap.h"
#include "graphics/Color.h"
#include "QELSkinUtilsBitmap.h"

class TqelSkinReader : public TObject {
  FW_CLASS(TqelSkinReader, TObject)
 public:
  // Unloaded; then Load(FileName, Password) unless FileName is empty.
  TqelSkinReader();
  TqelSkinReader(const std::filesystem::path& FileName, std::string_view Password);
  ~TqelSkinReader() override;

  // Attributes
  // True after a successful load.
  bool Loaded() const noexcept { return loaded_; }
  // The bitmap of a key, owned by the reader and valid until the next
  // Load; null when absent (or when no bitmap can be made for it now).
  TBitmap* GetBitmap(TSkin2BitmapKey Key) const;
  TColor GetColor(TSkin2ColorKey Key) const;
  std::int32_t GetMetric(TSkin2MetricKey Key) const;
  bool GetFlag(TSkin2FlagKey Key) const;
  // The decoded picture of a key, with the skin's transparent colour, as
  // the package reader holds it; null when absent. Pieces cut from it need
  // no framework bitmap of the whole picture.
  const Tsk2Bitmap* GetSource(TSkin2BitmapKey Key) const noexcept {
    return Key < kSkin2BitmapCount ? sources_[Key] : nullptr;
  }
  // The package reader of the loaded skin, or null.
  const Tsk2SkinFileReader* FileReader() const noexcept { return file_.get(); }

  // Called after every load that does not raise (also when the file is
  // missing), with this reader as Sender.
  TNotifyEvent OnSkinLoaded;

  // Operations
  // Drops the current skin, then loads FileName. A missing file is no
  // error: Loaded becomes false. A broken package leaves the reader
  // unloaded and raises the package reader's exception ("Failed to read
  // skin file!", "Wrong password!"); OnSkinLoaded is then not called.
  void Load(const std::filesystem::path& FileName, std::string_view Password);

 private:
  void Clear() noexcept;
  void Adopt(std::unique_ptr<Tsk2SkinFileReader> file);
  std::unique_ptr<TBitmap> Convert(TSkin2BitmapKey Key) const;

  std::unique_ptr<Tsk2SkinFileReader> file_;
  // The decoded picture of each key, found once at load, and its framework
  // bitmap once made.
  std::array<const Tsk2Bitmap*, kSkin2BitmapCount> sources_{};
  mutable std::array<std::unique_ptr<TBitmap>, kSkin2BitmapCount> bitmaps_;
  TColor transparent_ = kSkinColorAbsent;
  bool loaded_ = false;
};

// A decoded skin bitmap as a framework bitmap: same pixels, and the fixed
// transparent colour when the skin bitmap has one.
TBitmap SkinBitmapToTBitmap(const Tsk2Bitmap& Source);
// The part of a decoded skin bitmap from column Left and row Top, Width x
// Height pixels (cut to the picture), as a framework bitmap with default
// transparency settings.
TBitmap SkinBitmapPart(const Tsk2Bitmap& Source, int Left, int Top, int Width, int Height);
