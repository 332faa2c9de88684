#pragma once
// Builds small GIFs in memory with giflib's encoder, so the decoder's tests
// state their input frame by frame.
#include <cstdint>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <vector>

#include <gif_lib.h>

struct GifFrameSpec {
  int left = 0, top = 0, width = 1, height = 1;
  std::vector<std::uint8_t> indices;  // width * height, rows top-down
  int disposal = DISPOSAL_UNSPECIFIED;
  int delayCs = 10;
  int transparent = NO_TRANSPARENT_COLOR;
  bool interlace = false;
  std::vector<GifColorType> localColors;  // empty: the global map
  bool withControl = true;                // write a graphics control extension
};

class GifWriter {
 public:
  GifWriter(int width, int height, std::vector<GifColorType> globalColors)
      : width_(width), height_(height), global_(std::move(globalColors)) {}

  GifWriter& Loop(int count) {
    loop_ = count;
    return *this;
  }
  GifWriter& Frame(GifFrameSpec frame) {
    frames_.push_back(std::move(frame));
    return *this;
  }

  std::vector<std::uint8_t> Bytes() const {
    std::vector<std::uint8_t> out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, &Write, &error);
    if (!gif) throw std::runtime_error("EGifOpen");
    EGifSetGifVersion(gif, true);
    ColorMapObject* global = global_.empty() ? nullptr : MakeMap(global_);
    Check(EGifPutScreenDesc(gif, width_, height_, 8, 0, global));
    if (global) GifFreeMapObject(global);
    if (loop_) {
      const std::uint8_t block[3] = {1, static_cast<std::uint8_t>(*loop_ & 0xFF), static_cast<std::uint8_t>(*loop_ >> 8)};
      Check(EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE));
      Check(EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0"));
      Check(EGifPutExtensionBlock(gif, 3, block));
      Check(EGifPutExtensionTrailer(gif));
    }
    for (const GifFrameSpec& f : frames_) {
      if (f.withControl) {
        GraphicsControlBlock control{f.disposal, false, f.delayCs, f.transparent};
        GifByteType bytes[4];
        EGifGCBToExtension(&control, bytes);
        Check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, bytes));
      }
      ColorMapObject* local = f.localColors.empty() ? nullptr : MakeMap(f.localColors);
      Check(EGifPutImageDesc(gif, f.left, f.top, f.width, f.height, f.interlace, local));
      if (local) GifFreeMapObject(local);
      std::vector<int> order;
      if (f.interlace) {
        const int start[] = {0, 4, 2, 1}, step[] = {8, 8, 4, 2};
        for (int p = 0; p < 4; ++p)
          for (int y = start[p]; y < f.height; y += step[p]) order.push_back(y);
      } else {
        for (int y = 0; y < f.height; ++y) order.push_back(y);
      }
      for (int y : order) {
        std::vector<GifPixelType> row(f.indices.begin() + y * f.width, f.indices.begin() + (y + 1) * f.width);
        Check(EGifPutLine(gif, row.data(), f.width));
      }
    }
    if (EGifCloseFile(gif, &error) == GIF_ERROR) throw std::runtime_error("EGifCloseFile");
    return out;
  }

 private:
  static int Write(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
  }
  static void Check(int result) {
    if (result == GIF_ERROR) throw std::runtime_error("giflib encoder failed");
  }
  static ColorMapObject* MakeMap(const std::vector<GifColorType>& colors) {
    int size = 2;
    while (size < static_cast<int>(colors.size())) size *= 2;
    std::vector<GifColorType> padded(colors);
    padded.resize(static_cast<std::size_t>(size), GifColorType{0, 0, 0});
    return GifMakeMapObject(size, padded.data());
  }

  int width_, height_;
  std::vector<GifColorType> global_;
  std::optional<int> loop_;
  std::vector<GifFrameSpec> frames_;
};
