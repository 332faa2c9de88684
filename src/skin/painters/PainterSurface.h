#pragma once
// Where the painters draw: a face bitmap of the control's size composed
// off-screen and copied to the window in one BitBlt, for painters that
// take over a control's WM_PAINT, or straight on the window's DC for those
// that paint over what the control drew.
#include <windows.h>

#include <functional>

#include "framework/Messages.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"

using TFacePaint = std::function<void(TCanvas& canvas, SIZE size)>;

// The client size of a window (0 x 0 without one).
SIZE ClientSizeOf(HWND Window) noexcept;
// Whether the window reads right to left (WS_EX_RTLREADING or
// WS_EX_LAYOUTRTL).
bool ReadsRightToLeft(HWND Window) noexcept;

// Composes Paint on Face (resized to Size) and copies it to Dc at (0, 0).
void PresentFace(HDC Dc, SIZE Size, TBitmap& Face, const TFacePaint& Paint);

// Answers WM_PAINT (with the DC in WParam when given, else between
// BeginPaint and EndPaint, result 0) and WM_ERASEBKGND (result 1) of
// Window from Face; true when Message was one of them.
bool TakeOverPaint(TMessage& Message, HWND Window, TBitmap& Face, const TFacePaint& Paint);

// Composes Paint on Face and copies it to Window's client DC.
void PaintOnWindow(HWND Window, TBitmap& Face, const TFacePaint& Paint);

// Paint straight on Window's client DC (no face), in Window's size.
void PaintOnClientDC(HWND Window, const TFacePaint& Paint);
