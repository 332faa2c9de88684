#include "painters/PainterSurface.h"

#include "graphics/GdiObjects.h"

SIZE ClientSizeOf(HWND Window) noexcept {
  RECT r{};
  if (!Window || !::GetClientRect(Window, &r)) return SIZE{};
  return SIZE{r.right - r.left, r.bottom - r.top};
}

bool ReadsRightToLeft(HWND Window) noexcept {
  if (!Window) return false;
  const LONG_PTR ex = ::GetWindowLongPtrW(Window, GWL_EXSTYLE);
  return (ex & (WS_EX_RTLREADING | WS_EX_LAYOUTRTL)) != 0;
}

void PresentFace(HDC Dc, SIZE Size, TBitmap& Face, const TFacePaint& Paint) {
  if (!Dc || Size.cx <= 0 || Size.cy <= 0) return;
  if (Face.Width() != Size.cx || Face.Height() != Size.cy) Face.SetSize(Size.cx, Size.cy);
  Paint(Face.Canvas(), Size);
  ::BitBlt(Dc, 0, 0, Size.cx, Size.cy, Face.Canvas().Handle(), 0, 0, SRCCOPY);
}

bool TakeOverPaint(TMessage& Message, HWND Window, TBitmap& Face, const TFacePaint& Paint) {
  switch (Message.Msg) {
    case WM_ERASEBKGND: Message.Result = 1; return true;
    case WM_PAINT: {
      if (auto given = reinterpret_cast<HDC>(Message.WParam)) {
        PresentFace(given, ClientSizeOf(Window), Face, Paint);
      } else {
        PaintDC dc(Window);
        PresentFace(dc.get(), ClientSizeOf(Window), Face, Paint);
      }
      Message.Result = 0;
      return true;
    }
    default: return false;
  }
}

void PaintOnWindow(HWND Window, TBitmap& Face, const TFacePaint& Paint) {
  if (!Window) return;
  UniqueWindowDC dc = UniqueWindowDC::Client(Window);
  PresentFace(dc.get(), ClientSizeOf(Window), Face, Paint);
}

void PaintOnClientDC(HWND Window, const TFacePaint& Paint) {
  if (!Window) return;
  UniqueWindowDC dc = UniqueWindowDC::Client(Window);
  if (!dc) return;
  TCanvas canvas(dc.get());
  Paint(canvas, ClientSizeOf(Window));
}
