#pragma once
// The geometry of a skinned window frame: one pure calculation that the
// non-client size, the hit test, the painter and the window region all ask.
//
// In: the skin's measures (TFrameMetrics) and what the window is like now
// (TFrameWindow). Out: the frame's insets, the title bar's pieces, the
// icon, caption text and title button rectangles, and the hit code of any
// point. Every coordinate is in window coordinates (0, 0 is the window's
// top-left corner).
//
//   +-------------------------------------------------------------+
//   | T1 |icon caption text  | T2...| T3 |  T4 filler  |[?][_][^][x]| T5 |
//   +----+-------------------------------------------------------+----+
//   |L |                 client area                            | R|
//   +--+--------------------------------------------------------+--+
//   |              bottom border                                   |
//   +-------------------------------------------------------------+
#include <windows.h>

#include <vector>

#include "Skin2Define.h"

// The skin's measures, read once per skin change.
struct TFrameMetrics {
  int TitleHeight = 0;   // height of the first title piece
  int LeftBorder = 0;    // width of the left border picture
  int RightBorder = 0;   // width of the right border picture
  int BottomBorder = 0;  // height of the first bottom border picture
  int IconPosX = 0, IconPosY = 0;
  int ButtonPosX = 0, ButtonPosY = 0;  // the close button's distance from the right edge; its y
  int CaptionTop = 0;
  int CaptionX = -10000;  // caption text x; negative: right after the icon
  int ButtonWidth = 0, ButtonHeight = 0;  // one frame of the title button strip
  int Title1Width = 0;       // the left piece
  int Title3Width = 0;       // the piece after the caption (five sections) or the right piece
  int RightPieceWidth = 0;   // the piece drawn flush right
  bool FiveSections = false;  // the title has five sections (1 left, 2 caption, 3, 4 filler, 5 right)
};

// What the window is like right now.
struct TFrameWindow {
  int Width = 0, Height = 0;
  bool Iconic = false;
  bool Zoomed = false;
  bool Sizeable = false;  // the user may drag its borders
  bool CaptionVisible = true;
  bool BorderVisible = true;
  bool HasIcon = false;
  bool HasClose = true, HasMax = false, HasMin = false, HasHelp = false;
  // The platform's caption height before skinning (0 when unknown), and
  // the side and bottom frames the skinned frame must at least keep.
  int PlatformCaptionHeight = 0;
  int MinSideFrame = 4;
  int MinBottomFrame = 4;
  int MenuBarHeight = 0;
  bool ToolBarUnderMenu = false;  // a tool bar sits right under the menu bar
  bool ZoomedMdiChild = false;  // drawn without caption; its main form shows it
};

// The title buttons, numbered as the frame's hot-button state counts them.
enum TqelTitleButton : int {
  tbNone = -1,
  tbIcon = 0,
  tbClose = 1,
  tbMaximize = 2,
  tbMinimize = 3,
  tbHelp = 4,
};

// One drawn title button: where, and the strip frame (1-based) of its
// normal look; hot is Frame + 1, pressed Frame + 2.
struct TFrameButton {
  TqelTitleButton Kind = tbNone;
  RECT Rect{};
  int Frame = 0;
};

// One piece of the title bar: the columns SourceLeft..SourceRight of a
// skin picture (SourceRight -1: up to its right edge) drawn into the
// columns Left..Right from the top, stretched across when the widths
// differ. A piece keeps its own height, except with FillHeight, where it is
// stretched down to the bottom of the title bitmap.
struct TTitlePiece {
  TSkin2BitmapKey Key = SKIN2_TITLEBAR1;
  int Left = 0, Right = 0;
  int SourceLeft = 0, SourceRight = -1;
  bool FillHeight = false;
};

class TFrameGeometry {
 public:
  TFrameGeometry(const TFrameMetrics& metrics, const TFrameWindow& window);

  // Attributes: the frame
  const TFrameMetrics& Metrics() const noexcept { return m_; }
  const TFrameWindow& Window() const noexcept { return w_; }
  // The skin's title height while a caption is shown, else 0.
  int TitleHeight() const noexcept;
  // How much the platform's caption was higher than the skin's (0 if not).
  int ExtraTop() const noexcept;
  // The frame's thickness on each side: the client area is the window
  // rectangle less these (left, top, right, bottom).
  RECT Insets() const noexcept;
  // The client area in window coordinates.
  RECT ClientRect() const noexcept;
  // Height of the off-screen caption bar: the higher of the skin's and the
  // platform's caption; an iconic window is all caption bar.
  int TitleBitmapHeight() const noexcept;

  // Attributes: the caption bar
  // Width kept free for the buttons right of the caption text (R).
  int ReservedWidth() const noexcept;
  // Where the caption's own background begins its text (the icon's room
  // included): the x the five-section title is laid out from.
  int CaptionLayoutX() const noexcept;
  // Where the caption text is drawn, and how wide it may be before it is
  // shortened with "...".
  POINT CaptionTextOrigin() const noexcept;
  int CaptionMaxWidth() const noexcept;
  // The title pieces for a caption text of textWidth pixels, in drawing
  // order (later pieces over earlier ones).
  std::vector<TTitlePiece> TitlePieces(int textWidth) const;
  // The icon's square (empty without an icon).
  RECT IconRect() const noexcept;
  // y of the title buttons.
  int ButtonTop() const noexcept;
  // The drawn buttons from right to left: close, maximize/restore,
  // minimize, help (those the window has).
  const std::vector<TFrameButton>& Buttons() const noexcept { return buttons_; }
  // Left edge of the leftmost button (the window width when there is none).
  int ButtonsLeft() const noexcept { return buttonsLeft_; }

  // Operations
  // The title button (or the icon) under p; tbNone elsewhere.
  TqelTitleButton ButtonAt(POINT p) const noexcept;
  // The hit code of p: HTCLIENT inside, HTCAPTION on the caption bar (its
  // buttons and icon included), the sizing codes on the borders of a
  // sizeable window that is neither zoomed nor iconic, HTBORDER on other
  // borders, HTNOWHERE outside the window.
  LRESULT HitTest(POINT p) const noexcept;

 private:
  void LayOutButtons();

  TFrameMetrics m_;
  TFrameWindow w_;
  std::vector<TFrameButton> buttons_;
  int buttonsLeft_ = 0;
};
