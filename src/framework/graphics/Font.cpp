#include "graphics/Font.h"

#include <algorithm>
#include <cwchar>

namespace {

// Read once: fonts made later keep the resolution of the first.
int DefaultPixelsPerInch() {
  static const int ppi = ScreenPixelsPerInch();
  return ppi;
}

}  // namespace

TFont::TFont()
    : TGraphicsObject(GdiKind::Font), name_(L"Tahoma"), pixelsPerInch_(DefaultPixelsPerInch()) {
  height_ = -::MulDiv(8, pixelsPerInch_, 72);
}

TFont::TFont(const TFont& other)
    : TGraphicsObject(other),
      name_(other.name_),
      height_(other.height_),
      style_(other.style_),
      color_(other.color_),
      charset_(other.charset_),
      pitch_(other.pitch_),
      pixelsPerInch_(other.pixelsPerInch_) {}

void TFont::SetName(const std::wstring& name) {
  if (name == name_ || name.empty()) return;
  name_ = name;
  Changed();
}

void TFont::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Changed();
}

int TFont::Size() const noexcept { return -::MulDiv(height_, 72, pixelsPerInch_); }

void TFont::SetSize(int points) { SetHeight(-::MulDiv(points, pixelsPerInch_, 72)); }

void TFont::SetStyle(TFontStyles style) {
  style &= fsBold | fsItalic | fsUnderline | fsStrikeOut;
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed(/*keepHandle=*/true);
}

void TFont::SetCharset(BYTE charset) {
  if (charset == charset_) return;
  charset_ = charset;
  Changed();
}

void TFont::SetPitch(TFontPitch pitch) {
  if (pitch == pitch_) return;
  pitch_ = pitch;
  Changed();
}

void TFont::SetPixelsPerInch(int ppi) {
  if (ppi > 0) pixelsPerInch_ = ppi;  // Height stays; only Size reads it
}

LOGFONTW TFont::LogFont() const {
  LOGFONTW lf{};
  lf.lfHeight = height_;
  lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = (style_ & fsItalic) ? TRUE : FALSE;
  lf.lfUnderline = (style_ & fsUnderline) ? TRUE : FALSE;
  lf.lfStrikeOut = (style_ & fsStrikeOut) ? TRUE : FALSE;
  lf.lfCharSet = charset_;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = pitch_ == fpFixed ? FIXED_PITCH : pitch_ == fpVariable ? VARIABLE_PITCH : DEFAULT_PITCH;
  // lfFaceName holds at most 31 characters and the terminator.
  std::size_t n = std::min<std::size_t>(name_.size(), LF_FACESIZE - 1);
  std::wmemcpy(lf.lfFaceName, name_.data(), n);
  lf.lfFaceName[n] = L'\0';
  return lf;
}

void TFont::Assign(const TFont& source) {
  if (&source == this) return;
  bool fontDiffers = name_ != source.name_ || height_ != source.height_ || style_ != source.style_ ||
                     charset_ != source.charset_ || pitch_ != source.pitch_;
  bool differs = fontDiffers || color_ != source.color_;
  name_ = source.name_;
  height_ = source.height_;
  style_ = source.style_;
  color_ = source.color_;
  charset_ = source.charset_;
  pitch_ = source.pitch_;
  pixelsPerInch_ = source.pixelsPerInch_;
  if (differs) Changed(/*keepHandle=*/!fontDiffers);
}

void TFont::AssignLogFont(const LOGFONTW& logFont) {
  TFont next(*this);
  next.name_.assign(logFont.lfFaceName, ::wcsnlen(logFont.lfFaceName, LF_FACESIZE));
  if (next.name_.empty()) next.name_ = name_;
  next.height_ = logFont.lfHeight;
  TFontStyles style = 0;
  if (logFont.lfWeight >= FW_BOLD) style |= fsBold;
  if (logFont.lfItalic) style |= fsItalic;
  if (logFont.lfUnderline) style |= fsUnderline;
  if (logFont.lfStrikeOut) style |= fsStrikeOut;
  next.style_ = style;
  next.charset_ = logFont.lfCharSet;
  switch (logFont.lfPitchAndFamily & 3) {
    case FIXED_PITCH: next.pitch_ = fpFixed; break;
    case VARIABLE_PITCH: next.pitch_ = fpVariable; break;
    default: next.pitch_ = fpDefault; break;
  }
  Assign(next);
}

HGDIOBJ TFont::CreateHandle(bool& owned) const {
  owned = true;
  LOGFONTW lf = LogFont();
  return ::CreateFontIndirectW(&lf);
}
