// A form with a string grid, a drawn grid and a frame, to look at: headings,
// a selected range, the focus rectangle, the scroll bars, an in-place edit
// box and a frame's own controls. Closes itself after the number of seconds
// given as its argument (0 or none: when the user closes it).
#include <cstdlib>

#include "AnsiText.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/Label.h"
#include "framework/Panel.h"
#include "framework/Timer.h"
#include "framework/grids/Frame.h"
#include "framework/grids/StringGrid.h"

namespace {

class TSummaryFrame : public TFrame {
  FW_CLASS(TSummaryFrame, TFrame)
 public:
  explicit TSummaryFrame(TComponent* owner) : TFrame(owner) {
    SetBounds(0, 0, 220, 120);
    Pnl_Title = Create<TPanel>();
    Pnl_Title->SetParent(this);
    Pnl_Title->SetAlign(alTop);
    Pnl_Title->SetHeight(28);
    Pnl_Title->SetCaption(L"Frame: 报修摘要");
    Pnl_Body = Create<TPanel>();
    Pnl_Body->SetParent(this);
    Pnl_Body->SetAlign(alClient);
    Pnl_Body->SetBevelOuter(bvLowered);
    Pnl_Body->SetColor(clWindow);
    Lb_Count = Create<TLabel>();
    Lb_Count->SetParent(Pnl_Body);
    Lb_Count->SetBounds(10, 12, 180, 16);
    Lb_Count->SetCaption(L"12 open reports, 3 today");
  }
  TPanel* Pnl_Title;
  TPanel* Pnl_Body;
  TLabel* Lb_Count;
};

class TFrm_GridsDemo : public TForm {
  FW_CLASS(TFrm_GridsDemo, TForm)
 public:
  explicit TFrm_GridsDemo(TComponent* owner) : TForm(owner) {
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    SetClientSize(640, 400);
    SetPosition(poScreenCenter);
    SetCaption(L"Grids demo 表格");

    Grd_Reports = Create<TStringGrid>();
    Grd_Reports->SetParent(this);
    Grd_Reports->SetBounds(10, 10, 380, 200);
    Grd_Reports->SetColCount(6);
    Grd_Reports->SetRowCount(30);
    Grd_Reports->SetDefaultRowHeight(20);
    Grd_Reports->SetOptions(Grd_Reports->Options() | goEditing | goColSizing | goThumbTracking);
    const char* headings[] = {"#", "Product", "Customer", "State", "Date", "Note"};
    for (int c = 0; c < 6; ++c) Grd_Reports->SetCells(c, 0, headings[c]);
    for (int r = 1; r < 30; ++r) {
      Grd_Reports->SetCells(0, r, std::to_string(r));
      Grd_Reports->SetCells(1, r, r % 2 ? "Ledger" : "Payroll");
      Grd_Reports->SetCells(2, r, ToAnsi(r % 3 ? L"张三" : L"李四"));
      Grd_Reports->SetCells(3, r, ToAnsi(r % 4 ? L"报修" : L"登记"));
      Grd_Reports->SetCells(4, r, "2026-12-0" + std::to_string(r % 9 + 1));
    }
    Grd_Reports->SetColWidths(0, 28);
    Grd_Reports->SetSelection({1, 2, 3, 4});

    Grd_Colors = Create<TDrawGrid>();
    Grd_Colors->SetParent(this);
    Grd_Colors->SetBounds(400, 10, 230, 200);
    Grd_Colors->SetColCount(8);
    Grd_Colors->SetRowCount(8);
    Grd_Colors->SetDefaultColWidth(40);
    Grd_Colors->SetFixedColor(MakeColor(200, 220, 240));
    Grd_Colors->SetOptions(Grd_Colors->Options() | goRowSelect);
    Grd_Colors->OnDrawCell = [this](TObject&, int col, int row, const RECT& rect, TGridDrawState state) {
      if (state & (gdFixed | gdSelected)) return;
      TCanvas& canvas = Grd_Colors->Canvas();
      canvas.Brush().SetColor(MakeColor(static_cast<uint8_t>(col * 30), static_cast<uint8_t>(row * 30), 160));
      RECT swatch = rect;
      InflateRect(&swatch, -4, -4);
      canvas.FillRect(swatch);
    };

    Frame1 = Create<TSummaryFrame>();
    Frame1->SetParent(this);
    Frame1->SetBounds(10, 220, 380, 170);
  }

  TStringGrid* Grd_Reports;
  TDrawGrid* Grd_Colors;
  TSummaryFrame* Frame1;
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  Application.Initialize();
  Application.SetTitle(L"Grids demo");
  TFrm_GridsDemo* form = Application.CreateForm<TFrm_GridsDemo>();
  const int seconds = std::atoi(commandLine);
  if (seconds > 0) {
    TTimer* quit = Application.Create<TTimer>();
    quit->SetInterval(static_cast<unsigned>(seconds) * 1000);
    quit->OnTimer = [](TObject&) { Application.Terminate(); };
  }
  // The report grid has the focus first; after two seconds it edits a cell.
  TTimer* focus = Application.Create<TTimer>();
  focus->SetInterval(200);
  focus->OnTimer = [form, focus](TObject&) {
    focus->SetEnabled(false);
    form->Grd_Reports->SetFocus();
  };
  TTimer* edit = Application.Create<TTimer>();
  edit->SetInterval(2000);
  edit->OnTimer = [form, edit](TObject&) {
    edit->SetEnabled(false);
    form->Grd_Reports->SetCells(5, 3, "printer jams");
    form->Grd_Reports->SetCol(5);
    form->Grd_Reports->SetRow(3);
    form->Grd_Reports->SetEditorMode(true);
  };
  Application.Run();
  return 0;
}
