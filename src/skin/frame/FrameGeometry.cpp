#include "frame/FrameGeometry.h"

#include <algorithm>

namespace {

// How far along an edge a sizing corner reaches.
constexpr int kCornerGrip = 16;
// The icon's square.
constexpr int kIconSize = 16;
// Room for the icon before the caption text.
constexpr int kIconRoom = 20;

bool Inside(const RECT& r, POINT p) noexcept { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

}  // namespace

TFrameGeometry::TFrameGeometry(const TFrameMetrics& metrics, const TFrameWindow& window) : m_(metrics), w_(window) {
  LayOutButtons();
}

// ---- The frame -----------------------------------------------------------------

int TFrameGeometry::TitleHeight() const noexcept { return w_.CaptionVisible ? m_.TitleHeight : 0; }

int TFrameGeometry::ExtraTop() const noexcept {
  if (TitleHeight() == 0 || w_.PlatformCaptionHeight <= 0) return 0;
  return std::max(0, w_.PlatformCaptionHeight - TitleHeight());
}

RECT TFrameGeometry::Insets() const noexcept {
  RECT r{0, 0, 0, 0};
  if (w_.Iconic) {
    r.top = w_.Height;  // no client area
    return r;
  }
  if (TitleHeight() > 0 && !w_.ZoomedMdiChild) r.top = std::max(TitleHeight(), w_.PlatformCaptionHeight);
  if (w_.BorderVisible) {
    r.left = std::max(m_.LeftBorder, w_.MinSideFrame);
    r.right = std::max(m_.RightBorder, w_.MinSideFrame);
    r.bottom = std::max(m_.BottomBorder, w_.MinBottomFrame);
  }
  return r;
}

RECT TFrameGeometry::ClientRect() const noexcept {
  const RECT in = Insets();
  RECT r{in.left, in.top, w_.Width - in.right, w_.Height - in.bottom};
  r.right = std::max(r.right, r.left);
  r.bottom = std::max(r.bottom, r.top);
  return r;
}

int TFrameGeometry::TitleBitmapHeight() const noexcept {
  if (w_.Iconic) return w_.Height;
  if (TitleHeight() == 0) return 0;
  return std::max(TitleHeight(), w_.PlatformCaptionHeight);
}

// ---- The caption bar -------------------------------------------------------------

void TFrameGeometry::LayOutButtons() {
  buttons_.clear();
  buttonsLeft_ = w_.Width;
  if (!w_.CaptionVisible || w_.ZoomedMdiChild || m_.ButtonWidth <= 0) return;
  const int bw = m_.ButtonWidth;
  const int y = ButtonTop();
  int x = w_.Iconic ? w_.Width - bw - 5 : w_.Width - m_.ButtonPosX - bw;
  auto add = [&](bool shown, TqelTitleButton kind, int frame) {
    if (!shown) return;
    buttons_.push_back(TFrameButton{kind, RECT{x, y, x + bw, y + m_.ButtonHeight}, frame});
    buttonsLeft_ = x;
    x -= bw + 2;
  };
  // The maximize button of a zoomed window and the minimize button of an
  // iconic one restore it.
  add(w_.HasClose, tbClose, 16);
  add(w_.HasMax, tbMaximize, w_.Zoomed ? 10 : 7);
  add(w_.HasMin, tbMinimize, w_.Iconic ? 10 : 13);
  add(w_.HasHelp, tbHelp, 4);
}

int TFrameGeometry::ButtonTop() const noexcept {
  if (!w_.Iconic) return m_.ButtonPosY;
  int y = std::max((26 - m_.ButtonHeight) / 2, 0);
  if (m_.ButtonHeight + y < 22) y += 2;
  return y;
}

int TFrameGeometry::ReservedWidth() const noexcept {
  // Every drawn button is kept clear of the caption, the help button too.
  const int n = static_cast<int>(buttons_.size());
  int r = m_.ButtonWidth * n + 2 * std::max(n - 1, 0) + 15;
  if (m_.FiveSections && !w_.Iconic) r += m_.Title3Width;
  return r;
}

int TFrameGeometry::CaptionLayoutX() const noexcept { return m_.IconPosX + kIconRoom; }

POINT TFrameGeometry::CaptionTextOrigin() const noexcept {
  int x = CaptionLayoutX();
  if (!w_.HasIcon) x -= kIconRoom;
  if (m_.CaptionX >= 0) x = m_.CaptionX;
  return POINT{x, w_.Iconic ? 4 : m_.CaptionTop};
}

int TFrameGeometry::CaptionMaxWidth() const noexcept {
  const int x = std::max<int>(CaptionLayoutX(), CaptionTextOrigin().x);
  return std::max(0, w_.Width - x - ReservedWidth() - 4);
}

RECT TFrameGeometry::IconRect() const noexcept {
  if (!w_.HasIcon || !w_.CaptionVisible || w_.ZoomedMdiChild) return RECT{0, 0, 0, 0};
  const int x = std::max(m_.IconPosX, 0);
  const int y = w_.Iconic ? ButtonTop() : std::max(m_.IconPosY, 4);
  return RECT{x, y, x + kIconSize, y + kIconSize};
}

std::vector<TTitlePiece> TFrameGeometry::TitlePieces(int textWidth) const {
  std::vector<TTitlePiece> pieces;
  const int width = w_.Width;
  if (w_.Iconic) {
    pieces.push_back(TTitlePiece{SKIN2_MINIMIZEDTITLE, 0, width, 0, -1, true});
    return pieces;
  }
  const TSkin2BitmapKey rightKey = m_.FiveSections ? SKIN2_TITLEBAR5 : SKIN2_TITLEBAR3;
  const int rightWidth = m_.RightPieceWidth;
  const int t1 = m_.Title1Width;
  const int lb = m_.LeftBorder;

  if (width - ReservedWidth() < t1) {
    // Too narrow for the caption: the left piece squeezed up to the right one.
    pieces.push_back(TTitlePiece{SKIN2_TITLEBAR1, 0, t1});
    if (rightWidth <= width - lb)
      pieces.push_back(TTitlePiece{rightKey, width - rightWidth, width});
    else
      pieces.push_back(TTitlePiece{rightKey, lb, width, rightWidth - (width - lb), rightWidth});
    pieces.push_back(TTitlePiece{SKIN2_TITLEBAR1, lb, std::max(lb, width - rightWidth)});
    if (t1 >= width)
      pieces.push_back(TTitlePiece{rightKey, width - m_.RightBorder, width, rightWidth - m_.RightBorder, rightWidth});
    return pieces;
  }

  pieces.push_back(TTitlePiece{rightKey, width - rightWidth, width});
  pieces.push_back(TTitlePiece{SKIN2_TITLEBAR1, 0, t1});
  int x = t1;
  TSkin2BitmapKey filler = SKIN2_TITLEBAR2;
  if (m_.FiveSections) {
    // The caption's own background, then its end piece, then the filler.
    const int captionEnd = std::max(x, CaptionLayoutX() + textWidth + 2);
    pieces.push_back(TTitlePiece{SKIN2_TITLEBAR2, x, captionEnd});
    pieces.push_back(TTitlePiece{SKIN2_TITLEBAR3, captionEnd, captionEnd + m_.Title3Width});
    x = captionEnd + m_.Title3Width;
    filler = SKIN2_TITLEBAR4;
  }
  if (width - rightWidth > x) pieces.push_back(TTitlePiece{filler, x, width - rightWidth});
  return pieces;
}

// ---- Hit testing -----------------------------------------------------------------------

TqelTitleButton TFrameGeometry::ButtonAt(POINT p) const noexcept {
  for (const TFrameButton& b : buttons_)
    if (Inside(b.Rect, p)) return b.Kind;
  if (Inside(IconRect(), p)) return tbIcon;
  return tbNone;
}

LRESULT TFrameGeometry::HitTest(POINT p) const noexcept {
  const int w = w_.Width, h = w_.Height;
  if (p.x < 0 || p.y < 0 || p.x >= w || p.y >= h) return HTNOWHERE;
  if (w_.Iconic) return HTCAPTION;
  if (Inside(ClientRect(), p)) return HTCLIENT;

  // Title buttons that touch the top edge keep their clicks.
  if (m_.ButtonPosY <= 3 && !buttons_.empty() && p.y <= 7 && p.y >= m_.ButtonPosY && p.x >= buttonsLeft_ &&
      p.x <= w - m_.ButtonPosX)
    return HTCAPTION;

  const RECT in = Insets();
  const bool left = p.x < in.left, right = p.x >= w - in.right;
  const bool bottom = p.y >= h - in.bottom;
  if (w_.Sizeable && !w_.Zoomed && w_.BorderVisible) {
    const bool top = p.y < in.left;
    const bool nearLeft = p.x < kCornerGrip, nearRight = p.x >= w - kCornerGrip;
    const bool nearTop = p.y < kCornerGrip, nearBottom = p.y >= h - kCornerGrip;
    if (top || left) {
      if ((top && nearLeft) || (left && nearTop)) return HTTOPLEFT;
      if (top && nearRight) return HTTOPRIGHT;
      if (left && nearBottom) return HTBOTTOMLEFT;
      return top ? HTTOP : HTLEFT;
    }
    if (right) return nearTop ? HTTOPRIGHT : nearBottom ? HTBOTTOMRIGHT : HTRIGHT;
    if (bottom) return nearLeft ? HTBOTTOMLEFT : nearRight ? HTBOTTOMRIGHT : HTBOTTOM;
  } else if (left || right || bottom) {
    return HTBORDER;
  }
  if (p.y < in.top) return TitleHeight() > 0 ? HTCAPTION : HTBORDER;
  return HTBORDER;
}
