#pragma once
// TFont: a logical font described by its attributes; the HFONT is created
// on first use of Handle() and re-created after a change.
#include <windows.h>

#include <string>

#include "graphics/Color.h"
#include "graphics/GraphicsObject.h"

enum TFontStyle : unsigned {
  fsBold = 1,
  fsItalic = 2,
  fsUnderline = 4,
  fsStrikeOut = 8,
};
using TFontStyles = unsigned;  // an OR of TFontStyle flags

enum TFontPitch { fpDefault, fpVariable, fpFixed };

class TFont : public TGraphicsObject {
 public:
  // Tahoma, 8 points at the screen's resolution, clWindowText, regular,
  // DEFAULT_CHARSET.
  TFont();
  TFont(const TFont& other);
  TFont& operator=(const TFont& other) {
    Assign(other);
    return *this;
  }

  // Attributes
  const std::wstring& Name() const noexcept { return name_; }
  void SetName(const std::wstring& name);
  // Pixels; negative: character height (the usual), positive: cell height.
  int Height() const noexcept { return height_; }
  void SetHeight(int height);
  // Points at PixelsPerInch; derived from Height (negative Height gives a
  // positive Size).
  int Size() const noexcept;
  void SetSize(int points);
  TFontStyles Style() const noexcept { return style_; }
  void SetStyle(TFontStyles style);
  TColor Color() const noexcept { return color_; }
  void SetColor(TColor color);  // not part of the HFONT; no new handle
  BYTE Charset() const noexcept { return charset_; }
  void SetCharset(BYTE charset);
  TFontPitch Pitch() const noexcept { return pitch_; }
  void SetPitch(TFontPitch pitch);
  // Resolution used by Size (the screen's LOGPIXELSY by default).
  int PixelsPerInch() const noexcept { return pixelsPerInch_; }
  void SetPixelsPerInch(int ppi);

  // The font handle; owned by this object, valid until the next change.
  HFONT Handle() { return static_cast<HFONT>(GetHandle()); }
  // The LOGFONT the handle is (or will be) created from.
  LOGFONTW LogFont() const;

  // Operations
  // Copies every attribute, with one change notification when anything
  // differs.
  void Assign(const TFont& source);
  // Takes name, height, style, charset and pitch from a LOGFONT (e.g. the
  // caption font of NONCLIENTMETRICS); Color is kept.
  void AssignLogFont(const LOGFONTW& logFont);

 protected:
  HGDIOBJ CreateHandle(bool& owned) const override;

 private:
  std::wstring name_;
  int height_;
  TFontStyles style_ = 0;
  TColor color_ = clWindowText;
  BYTE charset_ = DEFAULT_CHARSET;
  TFontPitch pitch_ = fpDefault;
  int pixelsPerInch_;
};
