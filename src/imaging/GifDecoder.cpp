#include "GifDecoder.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include <gif_lib.h>

namespace {

using Result = TDecodeResult<TAnimation>;

constexpr int kDefaultDelayMs = 100;

struct MemoryReader {
  std::span<const std::uint8_t> bytes;
  std::size_t position = 0;

  bool AtEnd() const noexcept { return position >= bytes.size(); }
};

int ReadFromMemory(GifFileType* gif, GifByteType* buffer, int length) {
  auto* reader = static_cast<MemoryReader*>(gif->UserData);
  if (length <= 0) return 0;
  const std::size_t count = std::min(static_cast<std::size_t>(length), reader->bytes.size() - reader->position);
  std::memcpy(buffer, reader->bytes.data() + reader->position, count);
  reader->position += count;
  return static_cast<int>(count);
}

struct GifCloser {
  void operator()(GifFileType* gif) const noexcept {
    int ignored = 0;
    DGifCloseFile(gif, &ignored);
  }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

std::string GifError(const char* what, int code) {
  const char* text = GifErrorString(code);
  return std::string("GIF decoding failed: ") + what + (text ? std::string(": ") + text : std::string());
}

// The state carried from one image record to the next.
struct Composer {
  TAnimation animation;
  TPixelImage screen;
  GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
  std::optional<int> loopCount;

  void ResetControl() { control = GraphicsControlBlock{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR}; }
};

// Draws one row of the current image (row y of the image, in display order)
// onto the screen, clipped to it.
void DrawRow(const GifImageDesc& desc, const ColorMapObject& colors, int transparent, int y,
             const std::vector<GifByteType>& row, TPixelImage& screen) {
  const int sy = desc.Top + y;
  if (sy < 0 || sy >= screen.height) return;
  const int x0 = std::max(desc.Left, 0);
  const int x1 = std::min(desc.Left + desc.Width, screen.width);
  std::uint8_t* target = screen.pixels.data() + static_cast<std::size_t>(sy) * screen.Stride();
  for (int x = x0; x < x1; ++x) {
    const int index = row[static_cast<std::size_t>(x - desc.Left)];
    if (index == transparent || index >= colors.ColorCount) continue;
    const GifColorType& c = colors.Colors[index];
    std::uint8_t* p = target + static_cast<std::size_t>(x) * 4;
    p[0] = c.Blue;
    p[1] = c.Green;
    p[2] = c.Red;
    p[3] = 0xFF;
  }
}

// Reads the rows of the current image (interlaced ones in their four
// passes) and draws each as it arrives.
bool ReadAndDraw(GifFileType* gif, const ColorMapObject& colors, int transparent, TPixelImage& screen) {
  const GifImageDesc& desc = gif->Image;
  std::vector<GifByteType> row(static_cast<std::size_t>(desc.Width));
  auto one = [&](int y) {
    if (DGifGetLine(gif, row.data(), desc.Width) == GIF_ERROR) return false;
    DrawRow(desc, colors, transparent, y, row, screen);
    return true;
  };
  if (desc.Interlace) {
    static constexpr int kStart[] = {0, 4, 2, 1};
    static constexpr int kStep[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
      for (int y = kStart[pass]; y < desc.Height; y += kStep[pass]) {
        if (!one(y)) return false;
      }
    }
  } else {
    for (int y = 0; y < desc.Height; ++y) {
      if (!one(y)) return false;
    }
  }
  return true;
}

void ClearRect(const GifImageDesc& desc, TPixelImage& screen) {
  const int x0 = std::max(desc.Left, 0);
  const int y0 = std::max(desc.Top, 0);
  const int x1 = std::min(desc.Left + desc.Width, screen.width);
  const int y1 = std::min(desc.Top + desc.Height, screen.height);
  if (x0 >= x1) return;
  for (int y = y0; y < y1; ++y) {
    std::uint8_t* p = screen.pixels.data() + static_cast<std::size_t>(y) * screen.Stride() + static_cast<std::size_t>(x0) * 4;
    std::fill(p, p + static_cast<std::size_t>(x1 - x0) * 4, 0);
  }
}

std::optional<std::string> AddImage(GifFileType* gif, Composer& c) {
  if (DGifGetImageDesc(gif) == GIF_ERROR) return GifError("image descriptor", gif->Error);
  const GifImageDesc desc = gif->Image;
  if (desc.Width <= 0 || desc.Height <= 0) return std::string("GIF decoding failed: image of zero size");

  // A screen of zero size takes the extent of the first image.
  if (c.screen.pixels.empty()) {
    const int w = gif->SWidth > 0 ? gif->SWidth : desc.Left + desc.Width;
    const int h = gif->SHeight > 0 ? gif->SHeight : desc.Top + desc.Height;
    if (w > kMaxImageSide || h > kMaxImageSide || static_cast<std::size_t>(w) * static_cast<std::size_t>(h) > kMaxImagePixels)
      return "GIF screen of " + std::to_string(w) + " x " + std::to_string(h) + " pixels is too large";
    c.screen.width = w;
    c.screen.height = h;
    c.screen.pixels.assign(c.screen.Stride() * static_cast<std::size_t>(h), 0);
    c.animation.width = w;
    c.animation.height = h;
  }
  if ((c.animation.frames.size() + 1) * c.screen.pixels.size() > kMaxAnimationBytes)
    return std::string("GIF animation is too large");

  const ColorMapObject* colors = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
  if (colors == nullptr) return std::string("GIF decoding failed: no colour map");

  std::optional<TPixelImage> before;
  if (c.control.DisposalMode == DISPOSE_PREVIOUS) before = c.screen;
  if (!ReadAndDraw(gif, *colors, c.control.TransparentColor, c.screen)) return GifError("image data", gif->Error);

  const int hundredths = c.control.DelayTime;
  c.animation.frames.push_back({c.screen, hundredths <= 1 ? kDefaultDelayMs : hundredths * 10});

  if (c.control.DisposalMode == DISPOSE_BACKGROUND) ClearRect(desc, c.screen);
  else if (before) c.screen = std::move(*before);
  c.ResetControl();
  return std::nullopt;
}

bool IsLoopExtension(const GifByteType* block) {
  return block[0] == 11 && (std::memcmp(block + 1, "NETSCAPE2.0", 11) == 0 || std::memcmp(block + 1, "ANIMEXTS1.0", 11) == 0);
}

std::optional<std::string> AddExtension(GifFileType* gif, Composer& c) {
  int code = 0;
  GifByteType* block = nullptr;
  if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) return GifError("extension", gif->Error);
  if (block == nullptr) return std::nullopt;

  bool loopBlockNext = false;
  if (code == GRAPHICS_EXT_FUNC_CODE) {
    GraphicsControlBlock control;
    if (DGifExtensionToGCB(block[0], block + 1, &control) == GIF_ERROR)
      return std::string("GIF decoding failed: malformed graphics control extension");
    c.control = control;
  } else if (code == APPLICATION_EXT_FUNC_CODE) {
    loopBlockNext = IsLoopExtension(block);
  }
  for (;;) {
    if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) return GifError("extension", gif->Error);
    if (block == nullptr) break;
    if (loopBlockNext && block[0] >= 3 && block[1] == 1) c.loopCount = block[2] | block[3] << 8;
    loopBlockNext = false;
  }
  return std::nullopt;
}

}  // namespace

TDecodeResult<TAnimation> DecodeGif(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return Result::Fail("GIF data is empty");

  MemoryReader reader{bytes};
  int openError = 0;
  GifHandle gif(DGifOpen(&reader, ReadFromMemory, &openError));
  if (!gif) return Result::Fail(GifError("header", openError));

  Composer composer;
  for (;;) {
    GifRecordType type = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR) {
      const bool trailerMissing = gif->Error == D_GIF_ERR_READ_FAILED && reader.AtEnd();
      if (trailerMissing && !composer.animation.frames.empty()) break;
      return Result::Fail(GifError("record", gif->Error));
    }
    std::optional<std::string> failure;
    if (type == IMAGE_DESC_RECORD_TYPE) failure = AddImage(gif.get(), composer);
    else if (type == EXTENSION_RECORD_TYPE) failure = AddExtension(gif.get(), composer);
    else if (type == TERMINATE_RECORD_TYPE) break;
    if (failure) return Result::Fail(*failure);
  }
  if (composer.animation.frames.empty()) return Result::Fail("GIF decoding failed: no image");

  TAnimation animation = std::move(composer.animation);
  if (!composer.loopCount) animation.playCount = 1;
  else animation.playCount = *composer.loopCount == 0 ? 0 : *composer.loopCount + 1;
  return Result::Ok(std::move(animation));
}
