#pragma once
// Decoded pictures in one portable form: 32-bit BGRA pixels, rows top-down,
// no padding. Alpha is straight; fully transparent pixels are all zero, so
// the same bytes also read correctly as premultiplied alpha.
#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

struct TPixelImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // width * height * 4 bytes: B, G, R, A

  static constexpr int kBytesPerPixel = 4;

  // Attributes
  bool Empty() const noexcept { return width <= 0 || height <= 0; }
  std::size_t Stride() const noexcept { return static_cast<std::size_t>(width) * kBytesPerPixel; }
  // The pixel at (x, y) as 0xAARRGGBB; callers keep x and y inside the image.
  std::uint32_t PixelAt(int x, int y) const noexcept {
    const std::uint8_t* p = &pixels[static_cast<std::size_t>(y) * Stride() + static_cast<std::size_t>(x) * 4];
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
  }
};

struct TAnimationFrame {
  TPixelImage image;  // the whole logical screen as it looks while this frame shows
  int delayMs = 0;    // how long it shows
};

struct TAnimation {
  int width = 0;
  int height = 0;
  std::vector<TAnimationFrame> frames;
  // How many times the whole sequence plays: 0 means forever.
  int playCount = 1;
};

// The outcome of a decode: a value, or a message saying why there is none.
template <typename T>
class TDecodeResult {
 public:
  static TDecodeResult Ok(T value) { return TDecodeResult(std::move(value)); }
  static TDecodeResult Fail(std::string message) { return TDecodeResult(Failure{std::move(message)}); }

  // Attributes
  bool ok() const noexcept { return std::holds_alternative<T>(state_); }
  explicit operator bool() const noexcept { return ok(); }
  const T& value() const& { return std::get<T>(state_); }
  T&& value() && { return std::get<T>(std::move(state_)); }
  // Empty when ok().
  const std::string& error() const noexcept {
    static const std::string none;
    return ok() ? none : std::get<Failure>(state_).message;
  }

 private:
  struct Failure {
    std::string message;
  };
  explicit TDecodeResult(T value) : state_(std::move(value)) {}
  explicit TDecodeResult(Failure failure) : state_(std::move(failure)) {}

  std::variant<T, Failure> state_;
};

// Upper bounds that keep a hostile header from asking for absurd memory.
inline constexpr int kMaxImageSide = 16384;
inline constexpr std::size_t kMaxImagePixels = std::size_t{1} << 26;      // 64 Mpixel
inline constexpr std::size_t kMaxAnimationBytes = std::size_t{1} << 28;   // 256 MiB of frames
