#include "graphics/Bitmap.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <stdexcept>

#include "graphics/BmpCodec.h"
#include "graphics/Canvas.h"
#include "graphics/DibSection.h"

// The canvas on a bitmap's own memory DC. The DC is created on first use
// with the bitmap's DIB selected; when the bitmap gets a new DIB the canvas
// selects it before the old one is deleted.
class TBitmapCanvas : public TCanvas {
 public:
  explicit TBitmapCanvas(TBitmap* owner) noexcept : owner_(owner) {}
  ~TBitmapCanvas() override { Release(); }

  // Selects dib (null: the DC's original bitmap) if the DC exists.
  void SelectDib(HBITMAP dib) noexcept {
    if (!memory_) return;
    HGDIOBJ previous = ::SelectObject(memory_.get(), dib ? static_cast<HGDIOBJ>(dib) : original_);
    if (!original_) original_ = previous;
  }

 protected:
  void CreateHandle() override {
    memory_ = UniqueMemoryDC::Create();
    if (!memory_) return;
    original_ = nullptr;
    if (owner_->Handle()) original_ = ::SelectObject(memory_.get(), owner_->Handle());
    SetHandle(memory_.get());
  }
  TBitmap* SurfaceBitmap() noexcept override { return memory_ ? owner_ : nullptr; }

 private:
  void Release() noexcept {
    SetHandle(nullptr);
    if (memory_ && original_) ::SelectObject(memory_.get(), original_);
    memory_.reset();
    original_ = nullptr;
  }

  TBitmap* const owner_;
  UniqueMemoryDC memory_;
  HGDIOBJ original_ = nullptr;
};

UniqueBitmap CreateDib32(int width, int height, std::uint32_t** bits) noexcept {
  *bits = nullptr;
  if (width <= 0 || height <= 0) return UniqueBitmap();
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* memory = nullptr;
  UniqueBitmap dib(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0));
  if (!dib || !memory) return UniqueBitmap();
  *bits = static_cast<std::uint32_t*>(memory);
  return dib;
}

BitmapSourceDC::BitmapSourceDC(const TBitmap& bitmap) {
  if (bitmap.CanvasAllocated()) {
    dc_ = const_cast<TBitmap&>(bitmap).Canvas().Handle();
    if (dc_) return;
  }
  temp_ = UniqueMemoryDC::Create();
  if (!temp_) return;
  old_ = ::SelectObject(temp_.get(), bitmap.Handle());
  dc_ = temp_.get();
}

BitmapSourceDC::~BitmapSourceDC() {
  if (temp_ && old_) ::SelectObject(temp_.get(), old_);
}

// TBitmap

TBitmap::TBitmap() noexcept = default;

TBitmap::TBitmap(int width, int height) { SetSize(width, height); }

TBitmap::TBitmap(const TBitmap& other) { *this = other; }

TBitmap& TBitmap::operator=(const TBitmap& other) {
  if (this == &other) return *this;
  if (other.Empty()) {
    Reset();
  } else {
    std::uint32_t* bits = nullptr;
    UniqueBitmap dib = CreateDib32(other.width_, other.height_, &bits);
    if (!dib) throw std::bad_alloc();
    ::GdiFlush();
    std::memcpy(bits, other.bits_, static_cast<std::size_t>(other.width_) * other.height_ * 4);
    if (canvas_) static_cast<TBitmapCanvas*>(canvas_.get())->SelectDib(dib.get());
    dib_ = std::move(dib);
    bits_ = bits;
    width_ = other.width_;
    height_ = other.height_;
  }
  transparent_ = other.transparent_;
  transparentMode_ = other.transparentMode_;
  transparentColor_ = other.transparentColor_;
  return *this;
}

TBitmap::TBitmap(TBitmap&& other) noexcept { *this = std::move(other); }

TBitmap& TBitmap::operator=(TBitmap&& other) noexcept {
  if (this == &other) return *this;
  // Canvases stay with their bitmaps: the other canvas lets go of the DIB,
  // ours takes it over.
  if (other.canvas_) static_cast<TBitmapCanvas*>(other.canvas_.get())->SelectDib(nullptr);
  if (canvas_) static_cast<TBitmapCanvas*>(canvas_.get())->SelectDib(other.dib_.get());
  dib_ = std::move(other.dib_);
  width_ = std::exchange(other.width_, 0);
  height_ = std::exchange(other.height_, 0);
  bits_ = std::exchange(other.bits_, nullptr);
  transparent_ = other.transparent_;
  transparentMode_ = other.transparentMode_;
  transparentColor_ = other.transparentColor_;
  return *this;
}

TBitmap::~TBitmap() {
  canvas_.reset();  // gives the DIB back before it is deleted
}

void TBitmap::Reset() noexcept {
  if (canvas_) static_cast<TBitmapCanvas*>(canvas_.get())->SelectDib(nullptr);
  dib_.reset();
  bits_ = nullptr;
  width_ = height_ = 0;
}

void TBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  if (width == 0 || height == 0) {
    Reset();
    width_ = width;
    height_ = height;
    return;
  }
  std::uint32_t* bits = nullptr;
  UniqueBitmap dib = CreateDib32(width, height, &bits);
  if (!dib) throw std::bad_alloc();
  if (bits_) {
    ::GdiFlush();
    const int w = std::min(width, width_), h = std::min(height, height_);
    for (int y = 0; y < h; ++y)
      std::memcpy(bits + static_cast<std::size_t>(y) * width, bits_ + static_cast<std::size_t>(y) * width_,
                  static_cast<std::size_t>(w) * 4);
  }
  if (canvas_) static_cast<TBitmapCanvas*>(canvas_.get())->SelectDib(dib.get());
  dib_ = std::move(dib);
  bits_ = bits;
  width_ = width;
  height_ = height;
}

std::uint32_t* TBitmap::ScanLine(int y) {
  ::GdiFlush();
  return bits_ + static_cast<std::ptrdiff_t>(y) * width_;
}

const std::uint32_t* TBitmap::ScanLine(int y) const {
  ::GdiFlush();
  return bits_ + static_cast<std::ptrdiff_t>(y) * width_;
}

std::uint32_t* TBitmap::Bits() {
  ::GdiFlush();
  return bits_;
}

const std::uint32_t* TBitmap::Bits() const {
  ::GdiFlush();
  return bits_;
}

TColor TBitmap::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || !bits_) return clNone;
  return PixelToColor(ScanLine(y)[x]);
}

void TBitmap::SetPixel(int x, int y, TColor color) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || !bits_ || color == clNone) return;
  ScanLine(y)[x] = ColorToPixel(color);
}

TColor TBitmap::TransparentColor() const {
  if (transparentMode_ == tmFixed) return transparentColor_;
  return Empty() ? clNone : Pixel(0, height_ - 1);
}

void TBitmap::SetTransparentColor(TColor color) noexcept {
  transparentColor_ = color;
  transparentMode_ = tmFixed;
}

TCanvas& TBitmap::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<TBitmapCanvas>(this);
  return *canvas_;
}

void TBitmap::FreeCanvas() noexcept { canvas_.reset(); }

void TBitmap::Fill(TColor color) {
  if (!bits_ || color == clNone) return;
  ::GdiFlush();
  std::fill_n(bits_, static_cast<std::size_t>(width_) * height_, ColorToPixel(color));
}

TBitmap TBitmap::FromPixels(int width, int height, std::span<const std::uint32_t> pixels) {
  if (width < 0 || height < 0 ||
      pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
    throw std::invalid_argument("pixel count does not match the size");
  TBitmap bitmap(width, height);
  if (bitmap.bits_)
    std::transform(pixels.begin(), pixels.end(), bitmap.bits_, [](std::uint32_t p) { return p & 0xFFFFFF; });
  return bitmap;
}

namespace {

bool Adopt(TBitmap& target, const std::optional<DecodedBmp>& image) {
  if (!image) return false;
  TBitmap loaded = TBitmap::FromPixels(image->width, image->height, image->pixels);
  loaded.SetTransparent(target.Transparent());
  loaded.SetTransparentMode(target.TransparentMode());
  if (target.TransparentMode() == tmFixed) loaded.SetTransparentColor(target.TransparentColor());
  target = std::move(loaded);
  return true;
}

}  // namespace

bool TBitmap::LoadFromBMP(std::span<const std::uint8_t> file) { return Adopt(*this, DecodeBmpFile(file)); }

bool TBitmap::LoadFromDIB(std::span<const std::uint8_t> dib) { return Adopt(*this, DecodePackedDib(dib)); }

bool TBitmap::LoadFromResource(HINSTANCE module, const wchar_t* name) {
  HRSRC info = ::FindResourceW(module, name, MAKEINTRESOURCEW(2) /* RT_BITMAP */);
  if (!info) return false;
  HGLOBAL loaded = ::LoadResource(module, info);
  const void* data = loaded ? ::LockResource(loaded) : nullptr;
  if (!data) return false;
  return LoadFromDIB(std::span(static_cast<const std::uint8_t*>(data), ::SizeofResource(module, info)));
}

bool TBitmap::LoadFromFile(const std::wstring& path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  if (!in) return false;
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return LoadFromBMP(bytes);
}

std::vector<std::uint8_t> TBitmap::SaveToBMP(int bitsPerPixel) const {
  return EncodeBmpFile(Empty() ? 0 : width_, Empty() ? 0 : height_, Bits(), bitsPerPixel);
}

bool TBitmap::SaveToFile(const std::wstring& path, int bitsPerPixel) const {
  std::vector<std::uint8_t> bytes = SaveToBMP(bitsPerPixel);
  std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out.flush());
}
