#include "framework/stdctrls/ButtonGlyph.h"

#include <algorithm>

namespace {

UINT CaptionFlags(bool wordWrap) {
  return DT_CENTER | (wordWrap ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER);
}

// One frame of the strip as a transparent bitmap.
TBitmap GlyphFrame(const TBitmap& glyph, int numGlyphs, int index) {
  const int w = glyph.Width() / numGlyphs, h = glyph.Height();
  TBitmap frame(w, h);
  for (int y = 0; y < h; ++y)
    std::copy_n(glyph.ScanLine(y) + index * w, w, frame.ScanLine(y));
  frame.SetTransparentColor(glyph.Pixel(0, h - 1));
  frame.SetTransparent(true);
  return frame;
}

// The dark pixels of a frame in one colour, everything else transparent.
TBitmap EmbossMask(const TBitmap& frame, TColor color) {
  const std::uint32_t key = ColorToPixel(frame.TransparentColor());
  const std::uint32_t ink = ColorToPixel(color);
  const std::uint32_t blank = ink ^ 0x010101;  // any other colour
  TBitmap mask(frame.Width(), frame.Height());
  for (int y = 0; y < frame.Height(); ++y) {
    const std::uint32_t* src = frame.ScanLine(y);
    std::uint32_t* dst = mask.ScanLine(y);
    for (int x = 0; x < frame.Width(); ++x) {
      const std::uint32_t p = src[x] & 0xFFFFFF;
      const int luma = (((p >> 16) & 0xFF) * 30 + ((p >> 8) & 0xFF) * 59 + (p & 0xFF) * 11) / 100;
      dst[x] = p != key && luma < 160 ? ink : blank;
    }
  }
  mask.SetTransparentColor(PixelToColor(blank));
  mask.SetTransparent(true);
  return mask;
}

}  // namespace

TButtonFaceLayout LayoutButtonFace(TCanvas& canvas, const RECT& client, std::wstring_view caption,
                                   SIZE glyphSize, TButtonLayout layout, int margin, int spacing,
                                   bool wordWrap) {
  const POINT clientSize{client.right - client.left, client.bottom - client.top};
  SIZE textSize{0, 0};
  if (!caption.empty()) {
    RECT r{0, 0, clientSize.x, 0};
    canvas.TextRect(r, caption, DT_CALCRECT | (CaptionFlags(wordWrap) & ~DT_VCENTER));
    textSize = {r.right - r.left, r.bottom - r.top};
  }
  const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
  POINT glyphPos{}, textPos{};
  if (horizontal) {
    glyphPos.y = (clientSize.y - glyphSize.cy + 1) / 2;
    textPos.y = (clientSize.y - textSize.cy + 1) / 2;
  } else {
    glyphPos.x = (clientSize.x - glyphSize.cx + 1) / 2;
    textPos.x = (clientSize.x - textSize.cx + 1) / 2;
  }
  if (textSize.cx == 0 || glyphSize.cx == 0) spacing = 0;  // nothing to keep apart
  const int room = horizontal ? clientSize.x : clientSize.y;
  const int glyphLen = horizontal ? glyphSize.cx : glyphSize.cy;
  const int textLen = horizontal ? textSize.cx : textSize.cy;
  if (margin == -1) {
    if (spacing == -1) {
      margin = spacing = (room - glyphLen - textLen) / 3;
    } else {
      margin = (room - glyphLen - spacing - textLen + 1) / 2;
    }
  } else if (spacing == -1) {
    spacing = (room - margin - glyphLen - textLen) / 2;
  }
  switch (layout) {
    case blGlyphLeft:
      glyphPos.x = margin;
      textPos.x = margin + glyphSize.cx + spacing;
      break;
    case blGlyphRight:
      glyphPos.x = clientSize.x - margin - glyphSize.cx;
      textPos.x = glyphPos.x - spacing - textSize.cx;
      break;
    case blGlyphTop:
      glyphPos.y = margin;
      textPos.y = margin + glyphSize.cy + spacing;
      break;
    case blGlyphBottom:
      glyphPos.y = clientSize.y - margin - glyphSize.cy;
      textPos.y = glyphPos.y - spacing - textSize.cy;
      break;
  }
  TButtonFaceLayout result;
  result.Glyph = {client.left + glyphPos.x, client.top + glyphPos.y};
  result.Text = {client.left + textPos.x, client.top + textPos.y, client.left + textPos.x + textSize.cx,
                 client.top + textPos.y + textSize.cy};
  return result;
}

void DrawButtonGlyph(TCanvas& canvas, const TBitmap& glyph, int numGlyphs, TButtonState state, POINT at) {
  numGlyphs = std::clamp(numGlyphs, 1, 4);
  if (glyph.Empty() || glyph.Width() < numGlyphs) return;
  const int wanted = static_cast<int>(state);
  if (wanted < numGlyphs) {
    canvas.Draw(at.x, at.y, GlyphFrame(glyph, numGlyphs, wanted));
    return;
  }
  const TBitmap up = GlyphFrame(glyph, numGlyphs, 0);
  if (state != bsDisabled) {
    canvas.Draw(at.x, at.y, up);
    return;
  }
  canvas.Draw(at.x + 1, at.y + 1, EmbossMask(up, clBtnHighlight));
  canvas.Draw(at.x, at.y, EmbossMask(up, clBtnShadow));
}

void DrawButtonCaption(TCanvas& canvas, const RECT& rect, std::wstring_view caption, TButtonState state,
                       bool wordWrap) {
  if (caption.empty()) return;
  canvas.Brush().SetStyle(bsClear);
  const UINT flags = CaptionFlags(wordWrap);
  RECT r = rect;
  if (state == bsDisabled) {
    const TColor own = canvas.Font().Color();
    OffsetRect(&r, 1, 1);
    canvas.Font().SetColor(clBtnHighlight);
    canvas.TextRect(r, caption, flags);
    OffsetRect(&r, -1, -1);
    canvas.Font().SetColor(clBtnShadow);
    canvas.TextRect(r, caption, flags);
    canvas.Font().SetColor(own);
    return;
  }
  canvas.TextRect(r, caption, flags);
}

RECT DrawButtonFace(TCanvas& canvas, const RECT& client, POINT offset, std::wstring_view caption,
                    const TBitmap& glyph, int numGlyphs, TButtonLayout layout, int margin, int spacing,
                    TButtonState state, bool wordWrap) {
  numGlyphs = std::clamp(numGlyphs, 1, 4);
  const SIZE glyphSize = glyph.Empty() ? SIZE{0, 0} : SIZE{glyph.Width() / numGlyphs, glyph.Height()};
  RECT area = client;
  OffsetRect(&area, offset.x, offset.y);
  const TButtonFaceLayout face =
      LayoutButtonFace(canvas, area, caption, glyphSize, layout, margin, spacing, wordWrap);
  DrawButtonGlyph(canvas, glyph, numGlyphs, state, face.Glyph);
  DrawButtonCaption(canvas, face.Text, caption, state, wordWrap);
  return face.Text;
}
