// Status bars: panels as parts of the window with their texts, alignment
// and bevels, the simple panel, owner-drawn panels drawn by OnDrawPanel,
// and the bar's place at the bottom of its form.
#include "framework/comctrls/StatusBar.h"

#include <commctrl.h>

#include "ComCtrlsTesting.h"

namespace {

class StatusBarTest : public ComCtrlsTest {
 protected:
  void SetUp() override {
    ComCtrlsTest::SetUp();
    bar = form->Create<TStatusBar>();
    bar->SetParent(form.get());
    const struct {
      const wchar_t* text;
      int width;
      TAlignment alignment;
      TStatusPanelBevel bevel;
    } panels[] = {{L"Ready", 80, taLeftJustify, pbLowered},
                  {L"Middle", 120, taCenter, pbRaised},
                  {L"Right", 50, taRightJustify, pbNone}};
    for (const auto& p : panels) {
      TStatusPanel& panel = bar->Panels().Add();
      panel.SetText(p.text);
      panel.SetWidth(p.width);
      panel.SetAlignment(p.alignment);
      panel.SetBevel(p.bevel);
    }
  }
  std::vector<int> Parts() {
    int edges[8]{};
    const int count = static_cast<int>(::SendMessageW(bar->Handle(), SB_GETPARTS, 8, reinterpret_cast<LPARAM>(edges)));
    return std::vector<int>(edges, edges + count);
  }
  std::pair<std::wstring, WORD> Part(int index) {
    wchar_t text[64]{};
    const LRESULT r = ::SendMessageW(bar->Handle(), SB_GETTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return {text, HIWORD(r)};
  }
  TStatusBar* bar = nullptr;
};

TEST_F(StatusBarTest, PanelsAreThePartsOfTheWindow) {
  EXPECT_EQ(Parts(), (std::vector<int>{80, 200, -1})) << "the last panel reaches the end";
  EXPECT_EQ(Part(0), (std::pair<std::wstring, WORD>{L"Ready", 0}));
  EXPECT_EQ(Part(1), (std::pair<std::wstring, WORD>{L"\tMiddle", SBT_POPOUT}));
  EXPECT_EQ(Part(2), (std::pair<std::wstring, WORD>{L"\t\tRight", SBT_NOBORDERS}));
  EXPECT_NEAR(bar->PanelRect(1).left, 80, 2);
  bar->Panels().Items(0).SetWidth(100);
  bar->Panels().Items(2).SetText(L"Done");
  EXPECT_EQ(Parts(), (std::vector<int>{100, 220, -1}));
  EXPECT_EQ(Part(2).first, L"\t\tDone");
  bar->SetSizeGrip(false);  // re-creates the window
  EXPECT_FALSE(::GetWindowLongPtrW(bar->Handle(), GWL_STYLE) & SBARS_SIZEGRIP);
  EXPECT_EQ(Parts(), (std::vector<int>{100, 220, -1}));
  bar->Panels().Delete(1);
  EXPECT_EQ(Parts(), (std::vector<int>{100, -1}));
  EXPECT_EQ(Part(1).first, L"\t\tDone");
  bar->SetSimpleText(L"Loading…");
  bar->SetSimplePanel(true);
  EXPECT_TRUE(::SendMessageW(bar->Handle(), SB_ISSIMPLE, 0, 0));
  // Some versions read the simple text back as part 0 only.
  EXPECT_TRUE(Part(SB_SIMPLEID).first == L"Loading…" || Part(0).first == L"Loading…");
  // The bar keeps to the bottom of its form.
  EXPECT_EQ(bar->Top() + bar->Height(), form->ClientHeight());
  EXPECT_EQ(bar->Width(), form->ClientWidth());
}

TEST_F(StatusBarTest, OwnerDrawnPanelsAreDrawnByOnDrawPanel) {
  TStatusPanel& drawn = bar->Panels().Items(1);
  drawn.SetStyle(psOwnerDraw);
  RECT seen{};
  TStatusPanel* seenPanel = nullptr;
  bar->OnDrawPanel = [&](TCustomStatusBar& sender, TStatusPanel& panel, const RECT& rect) {
    seenPanel = &panel;
    seen = rect;
    sender.Canvas().Brush().SetColor(clRed);
    sender.Canvas().FillRect(rect);
  };
  TBitmap shot(bar->Width(), bar->Height());
  bar->PaintTo(shot.Canvas().Handle(), 0, 0);
  EXPECT_EQ(seenPanel, &drawn);
  const RECT part = bar->PanelRect(1);
  EXPECT_GE(seen.left, part.left);
  EXPECT_LE(seen.right, part.right);
  EXPECT_EQ(shot.Pixel((seen.left + seen.right) / 2, (seen.top + seen.bottom) / 2), clRed);
  EXPECT_NE(shot.Pixel(40, (seen.top + seen.bottom) / 2), clRed);
}

}  // namespace
