#include "painters/QELSkinListViewHeader.h"

#include <commctrl.h>

#include "QELSkinUtilsPaint.h"
#include "engine/QELSkinEngine.h"
#include "graphics/GdiObjects.h"
#include "painters/PainterSurface.h"

std::wstring HeaderCaption(TCanvas& Canvas, const std::wstring& Text, int Width) {
  const int room = Width - 2 * kHeaderTextMargin;
  if (room <= 0 || Text.empty()) return std::wstring();
  return TruncateText(Canvas, Text, room);
}

void PaintListViewHeader(TCanvas& Canvas, const THeaderLook& Look, const TPainterSkin& Skin) {
  const TColor border = Skin.Color(SKIN2_CONTROLBORDERCOLOR, clBtnShadow);
  FillRectColor(Canvas, RECT{0, 0, Look.Size.cx, Look.Size.cy}, Skin.FormColor());
  FillRectColor(Canvas, RECT{0, Look.Size.cy - 1, Look.Size.cx, Look.Size.cy}, border);
  const TColor oldColor = Canvas.Font().Color();
  Canvas.Font().SetColor(Skin.Color(SKIN2_CONTROLFONTCOLOR, clWindowText));
  Canvas.Brush().SetStyle(bsClear);
  for (const THeaderItemLook& item : Look.Items) {
    const RECT& r = item.Rect;
    if (r.right <= r.left) continue;
    FillRectColor(Canvas, RECT{r.right - 1, r.top, r.right, r.bottom}, border);
    const std::wstring caption = HeaderCaption(Canvas, item.Text, r.right - r.left);
    if (caption.empty()) continue;
    RECT text{r.left + kHeaderTextMargin, r.top, r.right - kHeaderTextMargin, r.bottom - 1};
    UINT align = DT_LEFT;
    if ((item.Format & HDF_JUSTIFYMASK) == HDF_CENTER) align = DT_CENTER;
    else if ((item.Format & HDF_JUSTIFYMASK) == HDF_RIGHT) align = DT_RIGHT;
    Canvas.TextRect(text, caption, align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }
  Canvas.Brush().SetStyle(bsSolid);
  Canvas.Font().SetColor(oldColor);
}

THeaderLook HeaderLookOf(HWND Header) {
  THeaderLook look;
  look.Size = ClientSizeOf(Header);
  const int count = static_cast<int>(::SendMessageW(Header, HDM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    THeaderItemLook item;
    ::SendMessageW(Header, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item.Rect));
    wchar_t text[260] = {};
    HDITEMW hd{};
    hd.mask = HDI_TEXT | HDI_FORMAT;
    hd.pszText = text;
    hd.cchTextMax = 259;
    if (::SendMessageW(Header, HDM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&hd))) {
      item.Text = hd.pszText ? hd.pszText : L"";
      item.Format = hd.fmt;
    }
    look.Items.push_back(std::move(item));
  }
  return look;
}

// ---- TqelSkinListView

void TqelSkinListView::Setup() {
  TqelSkinScrollWinControl::Setup();
  FollowHeader();
}

void TqelSkinListView::Refresh() {
  TqelSkinScrollWinControl::Refresh();
  FollowHeader();
  if (HWND h = header_.Window()) ::InvalidateRect(h, nullptr, TRUE);
}

void TqelSkinListView::Teardown() {
  header_.Detach();
  TqelSkinScrollWinControl::Teardown();
}

void TqelSkinListView::AfterMessage(TMessage& message) {
  TqelSkinScrollWinControl::AfterMessage(message);
  // A re-created window, or a view that now shows columns, has another
  // header.
  switch (message.Msg) {
    case WM_PAINT:
    case LVM_SETVIEW:
    case WM_STYLECHANGED: FollowHeader(); break;
    default: break;
  }
}

void TqelSkinListView::FollowHeader() {
  HWND list = GetHandle();
  HWND header = list ? reinterpret_cast<HWND>(::SendMessageW(list, LVM_GETHEADER, 0, 0)) : nullptr;
  if (header == header_.Window()) return;
  header_.Detach();
  if (header) header_.Attach(header, TWndMethod::Bind<&TqelSkinListView::HeaderProc>(this));
}

void TqelSkinListView::HeaderProc(TMessage& message) {
  if (!SkinActive() || Detached()) {
    header_.CallNext(message);
    return;
  }
  switch (message.Msg) {
    case WM_ERASEBKGND: message.Result = 1; break;
    case WM_PAINT:
      if (auto given = reinterpret_cast<HDC>(message.WParam)) {
        PaintHeader(given);
      } else {
        PaintDC dc(header_.Window());
        PaintHeader(dc.get());
      }
      message.Result = 0;
      break;
    case HDM_SETITEMA:
    case HDM_SETITEMW:
      header_.CallNext(message);
      ::InvalidateRect(header_.Window(), nullptr, FALSE);
      break;
    default: header_.CallNext(message); break;
  }
}

void TqelSkinListView::PaintHeader(HDC dc) {
  HWND h = header_.Window();
  const THeaderLook look = HeaderLookOf(h);
  PresentFace(dc, look.Size, face_, [&](TCanvas& canvas, SIZE) {
    if (auto font = reinterpret_cast<HFONT>(::SendMessageW(h, WM_GETFONT, 0, 0))) {
      LOGFONTW lf{};
      if (::GetObjectW(font, sizeof lf, &lf)) canvas.Font().AssignLogFont(lf);
    }
    PaintListViewHeader(canvas, look, TPainterSkin::Of(Engine()));
  });
}
