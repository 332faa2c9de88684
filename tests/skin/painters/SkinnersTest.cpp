// The skinners on live controls under the built-in skin: which painter
// each standard control gets, what the screen shows, that the controls
// answer as they would without the skin, and that what the skin changes
// on a control comes back when the skin goes.
#include <gtest/gtest.h>

#include <cstdlib>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <tuple>

#include "SkinnerTestSupport.h"
#include "framework/Label.h"
#include "framework/Panel.h"
#include "framework/comctrls/DateTimePicker.h"
#include "framework/comctrls/ListView.h"
#include "framework/comctrls/ProgressBar.h"
#include "framework/comctrls/StatusBar.h"
#include "framework/comctrls/TabControl.h"
#include "framework/comctrls/ToolBar.h"
#include "framework/comctrls/TrackBar.h"
#include "framework/comctrls/UpDown.h"
#include "framework/grids/StringGrid.h"
#include "framework/stdctrls/CheckBox.h"
#include "framework/stdctrls/ComboBox.h"
#include "framework/stdctrls/ComboBoxEx.h"
#include "framework/stdctrls/GroupBox.h"
#include "framework/stdctrls/ListBox.h"
#include "framework/stdctrls/RadioButton.h"
#include "framework/stdctrls/SpeedButton.h"
#include "painters/QELSkinCheckBox.h"
#include "painters/QELSkinDateTimePicker.h"
#include "painters/QELSkinListViewHeader.h"
#include "painters/QELSkinProgressBar.h"
#include "painters/QELSkinRadioButton.h"
#include "painters/QELSkinScrollBarLook.h"
#include "framework/stdctrls/ScrollBar.h"
#include "painters/QELSkinSpeedButton.h"
#include "painters/QELSkinStatusBar.h"
#include "painters/QELSkinTabControl.h"
#include "painters/QELSkinTrackBar.h"
#include "painters/QELSkinUpDown.h"
#include "painters/PainterSurface.h"
#include "support/AnsiText.h"

namespace {

std::wstring FromAnsiForTest(TTabControl* tabs, int i) { return FromAnsi(tabs->Tabs().Strings(i)); }

TEST_F(SkinnerTest, EveryStandardControlGetsItsPainter) {
  std::vector<std::pair<TControl*, const char*>> expected;
  MakeForm([&](TSkinnerForm& f) {
    auto add = [&](TControl* c, const char* painter) { expected.emplace_back(c, painter); };
    add(Add<TCheckBox>(f, 4, 4, 90, 20), "TqelSkinCheckBox");
    add(Add<TRadioButton>(f, 4, 28, 90, 20), "TqelSkinRadioButton");
    add(Add<TGroupBox>(f, 100, 4, 90, 50), "TqelSkinGroupBox");
    add(Add<TPanel>(f, 200, 4, 60, 40), "TqelSkinPanel");
    add(Add<TLabel>(f, 270, 4, 60, 16), "TqelSkinLabel");
    add(Add<TSpeedButton>(f, 340, 4, 40, 24), "TqelSkinSpeedButton");
    add(Add<TStringGrid>(f, 4, 60, 120, 80), "TqelSkinGrid");
    add(Add<TTabControl>(f, 130, 60, 120, 80), "TqelSkinTabControl");
    add(Add<TPageControl>(f, 260, 60, 120, 80), "TqelSkinTabControl");
    add(Add<TTrackBar>(f, 4, 150, 120, 30), "TqelSkinTrackBar");
    add(Add<TProgressBar>(f, 130, 150, 120, 16), "TqelSkinProgressBar");
    add(Add<TUpDown>(f, 260, 150, 17, 30), "TqelSkinUpDown");
    add(Add<TListView>(f, 4, 190, 120, 60), "TqelSkinListView");
    add(Add<TComboBox>(f, 130, 190, 120, 24), "TqelSkinComboBox");
    add(Add<TComboBoxEx>(f, 260, 190, 120, 24), "TqelSkinComboBoxEx");
    add(Add<TListBox>(f, 4, 256, 80, 40), "TqelSkinScrollWinControl");
    add(Add<TToolBar>(f, 0, 0, 100, 26), "TqelSkinToolBar");
    add(Add<TStatusBar>(f, 0, 0, 100, 20), "TqelSkinStatusBar");
    TCheckBox* optedOut = Add<TCheckBox>(f, 100, 256, 90, 20);
    optedOut->SetTag(9999);
    add(optedOut, nullptr);
  });
  KeepScreen(form_->Handle(), "standard_controls");
  for (const auto& [control, painter] : expected) {
    SCOPED_TRACE(control->ClassName());
    TqelSkinControl* wrapper = WrapperOf(control);
    if (!painter) {
      EXPECT_EQ(wrapper, nullptr);
      continue;
    }
    ASSERT_NE(wrapper, nullptr);
    EXPECT_EQ(wrapper->ClassName(), painter);
  }
}

// The built-in skin's 17 x 17 box frames, as the screen should show them.
struct BoxCase {
  bool radio;
  bool checked;
  bool enabled;
  TAlignment alignment;
  int frame;
};
const BoxCase kBoxes[] = {
    {false, true, true, taRightJustify, 1},  {false, false, true, taRightJustify, 3},
    {false, true, false, taRightJustify, 4}, {false, false, false, taLeftJustify, 6},
    {false, true, true, taLeftJustify, 1},   {true, true, true, taRightJustify, 1},
    {true, false, true, taLeftJustify, 2},   {true, true, false, taRightJustify, 3},
    {true, false, false, taRightJustify, 4},
};

TEST_F(SkinnerTest, SmallBoxesShowTheSkinsFrameOfTheirStateAwayFromTheCaption) {
  std::vector<TButtonControl*> boxes;
  MakeForm([&](TSkinnerForm& f) {
    int y = 4;
    for (const BoxCase& c : kBoxes) {
      // Each radio button on a panel of its own: no group unchecks it.
      TButtonControl* box = nullptr;
      if (c.radio) {
        auto* holder = Add<TPanel>(f, 8, y, 120, 21);
        holder->SetBevelOuter(bvNone);
        box = f.Create<TRadioButton>();
        box->SetParent(holder);
        box->SetBounds(0, 0, 120, 21);
      } else {
        box = Add<TCheckBox>(f, 8, y, 120, 21);
      }
      box->SetCaption(L"Option");
      if (c.radio) static_cast<TRadioButton*>(box)->SetAlignment(c.alignment);
      else static_cast<TCheckBox*>(box)->SetAlignment(c.alignment);
      box->SetChecked(c.checked);
      box->SetEnabled(c.enabled);
      boxes.push_back(box);
      y += 26;
    }
  });
  KeepScreen(form_->Handle(), "small_boxes");
  const TPainterSkin s = skin();
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    const BoxCase& c = kBoxes[i];
    SCOPED_TRACE(testing::Message() << "box " << i);
    HWND h = boxes[i]->Handle();
    ::RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Pump();
    const TBitmap screen = ScreenOfClient(h);
    const TBitmap* picture = s.Bitmap(c.radio ? SKIN2_RADIOBUTTON : SKIN2_CHECKBOX);
    ASSERT_NE(picture, nullptr);
    const int fw = picture->Width() / (c.radio ? 4 : 6), fh = picture->Height();
    const int x0 = c.alignment == taLeftJustify ? screen.Width() - fw - 1 : 0;
    const int y0 = (screen.Height() - fh) / 2;
    int wrong = 0;
    const std::uint32_t trans = ColorToPixel(s.Color(SKIN2_TRANSCOLOR));
    for (int y = 0; y < fh; ++y)
      for (int x = 0; x < fw; ++x) {
        const std::uint32_t want = Px(*picture, fw * (c.frame - 1) + x, y);
        if (c.radio && want == trans) continue;  // shows the control's colour
        wrong += Px(screen, x0 + x, y0 + y) != want;
      }
    EXPECT_EQ(wrong, 0);
  }
}

TEST_F(SkinnerTest, ControlsAnswerAsTheyWouldWithoutTheSkin) {
  // Each control has a twin the skin leaves alone (Tag 9999); both get the
  // same messages and must give the same answers.
  struct Pair {
    TWinControl* skinned;
    TWinControl* plain;
  };
  std::vector<Pair> pairs;
  MakeForm([&](TSkinnerForm& f) {
    auto twin = [&](auto* a, auto* b) {
      b->SetTag(9999);
      pairs.push_back({a, b});
    };
    twin(Add<TCheckBox>(f, 4, 4, 90, 20), Add<TCheckBox>(f, 100, 4, 90, 20));
    // The two radio buttons on panels of their own, so that they are not
    // one group.
    auto radioOn = [&](int left) {
      auto* holder = Add<TPanel>(f, left, 28, 90, 20);
      auto* radio = f.Create<TRadioButton>();
      radio->SetParent(holder);
      radio->SetBounds(0, 0, 90, 20);
      return radio;
    };
    twin(radioOn(4), radioOn(100));
    auto* combo = Add<TComboBox>(f, 4, 52, 90, 24);
    auto* combo2 = Add<TComboBox>(f, 100, 52, 90, 24);
    twin(combo, combo2);
    auto* list = Add<TListBox>(f, 4, 80, 90, 60);
    auto* list2 = Add<TListBox>(f, 100, 80, 90, 60);
    twin(list, list2);
    for (int i = 0; i < 30; ++i) {
      const std::string item = "Item " + std::to_string(i);
      combo->Items().Add(item);
      combo2->Items().Add(item);
      list->Items().Add(item);
      list2->Items().Add(item);
    }
    twin(Add<TTrackBar>(f, 4, 150, 150, 30), Add<TTrackBar>(f, 160, 150, 150, 30));
    twin(Add<TUpDown>(f, 320, 4, 17, 30), Add<TUpDown>(f, 340, 4, 17, 30));
    auto* tabs = Add<TTabControl>(f, 4, 190, 150, 60);
    auto* tabs2 = Add<TTabControl>(f, 160, 190, 150, 60);
    for (const char* t : {"One", "Two", "Three"}) {
      tabs->Tabs().Add(t);
      tabs2->Tabs().Add(t);
    }
    twin(tabs, tabs2);
    twin(Add<TProgressBar>(f, 4, 260, 150, 16), Add<TProgressBar>(f, 160, 260, 150, 16));
  });
  struct Step {
    UINT send;
    WPARAM w;
    LPARAM l;
    UINT ask;
  };
  const Step steps[] = {
      {BM_CLICK, 0, 0, BM_GETCHECK},          {BM_CLICK, 0, 0, BM_GETCHECK},
      {BM_SETCHECK, BST_CHECKED, 0, BM_GETCHECK},
      {CB_SETCURSEL, 7, 0, CB_GETCURSEL},     {CB_SETCURSEL, 21, 0, CB_GETCURSEL},
      {LB_SETTOPINDEX, 12, 0, LB_GETTOPINDEX}, {WM_VSCROLL, SB_LINEDOWN, 0, LB_GETTOPINDEX},
      {LB_SETCURSEL, 5, 0, LB_GETCURSEL},
      {TBM_SETPOS, TRUE, 7, TBM_GETPOS},      {WM_KEYDOWN, VK_RIGHT, 0, TBM_GETPOS},
      {UDM_SETPOS32, 0, 42, UDM_GETPOS32},    {TCM_SETCURSEL, 2, 0, TCM_GETCURSEL},
      {PBM_SETPOS, 64, 0, PBM_GETPOS},        {PBM_DELTAPOS, 10, 0, PBM_GETPOS},
  };
  int asked = 0;
  for (const Pair& p : pairs)
    for (const Step& s : steps) {
      HWND a = p.skinned->Handle(), b = p.plain->Handle();
      const LRESULT sentA = ::SendMessageW(a, s.send, s.w, s.l);
      const LRESULT sentB = ::SendMessageW(b, s.send, s.w, s.l);
      Pump();
      EXPECT_EQ(sentA, sentB) << p.skinned->ClassName() << " message " << s.send;
      EXPECT_EQ(::SendMessageW(a, s.ask, 0, 0), ::SendMessageW(b, s.ask, 0, 0))
          << p.skinned->ClassName() << " after " << s.send << " asked " << s.ask;
      ++asked;
    }
  EXPECT_EQ(asked, static_cast<int>(pairs.size() * std::size(steps)));
  // The check box's own state follows the window as it does unskinned.
  EXPECT_EQ(static_cast<TCheckBox*>(pairs[0].skinned)->State(), static_cast<TCheckBox*>(pairs[0].plain)->State());
}

TEST_F(SkinnerTest, TakenOverControlsShowExactlyTheirPaintedFace) {
  TProgressBar* progress = nullptr;
  TTrackBar* track = nullptr;
  TTabControl* tabs = nullptr;
  TUpDown* updown = nullptr;
  MakeForm([&](TSkinnerForm& f) {
    progress = Add<TProgressBar>(f, 10, 10, 200, 13);
    track = Add<TTrackBar>(f, 10, 40, 200, 36);
    tabs = Add<TTabControl>(f, 10, 90, 240, 100);
    updown = Add<TUpDown>(f, 260, 10, 17, 34);
    for (const char* t : {"General", "Details", "More"}) tabs->Tabs().Add(t);
  });
  progress->SetPosition(40);
  track->SetPosition(3);
  tabs->SetTabIndex(1);
  Pump();
  const TPainterSkin s = skin();
  struct {
    TWinControl* control;
    std::function<void(TCanvas&, SIZE)> paint;
  } cases[] = {
      {progress, [&](TCanvas& c, SIZE z) { PaintProgressBar(c, z, ProgressBarLookOf(progress->Handle()), s); }},
      {track, [&](TCanvas& c, SIZE z) { PaintTrackBar(c, z, TrackBarLookOf(track->Handle()), s); }},
      {tabs,
       [&](TCanvas& c, SIZE) {
         c.Font() = tabs->Font();
         PaintTabControl(c, TabControlLookOf(tabs->Handle(), [&](int i) { return FromAnsiForTest(tabs, i); }), s);
       }},
      {updown, [&](TCanvas& c, SIZE z) { PaintUpDown(c, z, TUpDownLook{false, udhNone, true}, s); }},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.control->ClassName());
    HWND h = c.control->Handle();
    ::RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Pump();
    const TBitmap screen = ScreenOfClient(h);
    TBitmap expected(screen.Width(), screen.Height());
    c.paint(expected.Canvas(), SIZE{screen.Width(), screen.Height()});
    EXPECT_EQ(CountDifferentPixels(screen, expected), 0);
  }
  KeepScreen(form_->Handle(), "taken_over");
  // The filled part reached 40 % of the track.
  const TBitmap bar = ScreenOfClient(progress->Handle());
  const TBitmap* filled = s.Progress.GetHorz(3);
  ASSERT_NE(filled, nullptr);
  EXPECT_EQ(Px(bar, 1 + 78, 6), Px(*filled, 0, 6));
  EXPECT_NE(Px(bar, 1 + 80, 6), Px(*filled, 0, 6));
}

TEST_F(SkinnerTest, WhatTheSkinChangesOnAControlComesBackWithoutIt) {
  TLabel* label = nullptr;
  TCheckBox* box = nullptr;
  TToolBar* bar = nullptr;
  TStringGrid* grid = nullptr;
  TPanel* panel = nullptr;
  MakeForm([&](TSkinnerForm& f) {
    label = Add<TLabel>(f, 4, 4, 80, 16);
    label->Font().SetColor(clRed);
    box = Add<TCheckBox>(f, 4, 24, 80, 20);
    box->Font().SetColor(clBlue);
    bar = Add<TToolBar>(f, 0, 0, 200, 26);
    bar->SetColor(clYellow);
    bar->SetTransparent(true);
    grid = Add<TStringGrid>(f, 4, 60, 160, 100);
    grid->SetFixedColor(clLime);
    panel = Add<TPanel>(f, 200, 60, 100, 60);
    panel->SetColor(clAqua);
  });
  const TColor font = engine().GetSkinColor(SKIN2_CONTROLFONTCOLOR);
  const TColor form = engine().GetSkinColor(SKIN2_FORMCOLOR);
  EXPECT_EQ(label->Font().Color(), font);
  EXPECT_EQ(box->Font().Color(), font);
  EXPECT_TRUE(bar->Flat());
  EXPECT_FALSE(bar->Transparent());
  EXPECT_EQ(bar->Color(), engine().GetSkinColor(SKIN2_TOOLBARSTARTCOLOR));
  EXPECT_TRUE(static_cast<bool>(bar->OnCustomDraw));
  EXPECT_EQ(grid->FixedColor(), form);
  EXPECT_TRUE(panel->ParentColor());
  EXPECT_TRUE(label->ParentColor());

  engine().SetActive(false);
  Pump();
  EXPECT_EQ(label->Font().Color(), clRed);
  EXPECT_EQ(box->Font().Color(), clBlue);
  EXPECT_FALSE(bar->Flat());
  EXPECT_TRUE(bar->Transparent());
  EXPECT_EQ(bar->Color(), clYellow);
  EXPECT_FALSE(static_cast<bool>(bar->OnCustomDraw));
  EXPECT_EQ(grid->FixedColor(), clLime);

  // With NoChangeButtonsFontColor the check box keeps its own colour; the
  // label follows the skin regardless.
  engine().SetNoChangeButtonsFontColor(true);
  engine().SetActive(true);
  Pump();
  EXPECT_EQ(box->Font().Color(), clBlue);
  EXPECT_EQ(label->Font().Color(), font);
  EXPECT_EQ(bar->Color(), engine().GetSkinColor(SKIN2_TOOLBARSTARTCOLOR));
}

TEST_F(SkinnerTest, SelfPaintedSpeedButtonKeepsItsFaceAndIsOnlyFramed) {
  TSpeedButton* own = nullptr;
  TSpeedButton* skinned = nullptr;
  TSpeedButton* plain = nullptr;
  MakeForm([&](TSkinnerForm& f) {
    own = Add<TSpeedButton>(f, 10, 10, 60, 26);
    own->SetTag(999999);
    plain = Add<TSpeedButton>(f, 10, 50, 60, 26);
    plain->SetTag(9999);
    skinned = Add<TSpeedButton>(f, 10, 90, 60, 26);
  });
  KeepScreen(form_->Handle(), "speed_buttons");
  const TBitmap screen = ScreenOfClient(form_->Handle());
  const TPainterSkin s = skin();
  auto at = [&](TSpeedButton* b, int x, int y) { return Px(screen, b->Left() + x, b->Top() + y); };
  // The frame: 2 pixels of button face, a border-colour line on the left.
  const std::uint32_t face = ColorToPixel(clBtnFace), border = ColorToPixel(s.Color(SKIN2_CONTROLBORDERCOLOR));
  for (int y = 0; y < 26; ++y) EXPECT_EQ(at(own, 0, y), border) << y;
  for (int x = 1; x < 60; ++x) {
    EXPECT_EQ(at(own, x, 0), face) << x;
    EXPECT_EQ(at(own, x, 25), face) << x;
  }
  // Inside it, the button's own face: as the unskinned one shows it.
  int differ = 0;
  for (int y = 2; y < 24; ++y)
    for (int x = 2; x < 58; ++x) differ += at(own, x, y) != at(plain, x, y);
  EXPECT_EQ(differ, 0);
  // A skinned one shows the skin's button frame instead.
  TBitmap expected(60, 26);
  TSpeedButtonLook look;
  look.ParentColor = form_->Color();
  PaintSpeedButtonFace(expected.Canvas(), SIZE{60, 26}, look, s);
  int wrong = 0;
  for (int y = 0; y < 26; ++y)
    for (int x = 0; x < 60; ++x) wrong += at(skinned, x, y) != Px(expected, x, y);
  EXPECT_EQ(wrong, 0);
}

TEST_F(SkinnerTest, ScrollBarPanelShowsTheSkinsBarAndScrollsTheControl) {
  TScrollBar* skinned = nullptr;
  TScrollBar* plain = nullptr;
  MakeForm([&](TSkinnerForm& f) {
    for (TScrollBar** bar : {&skinned, &plain}) {
      *bar = f.Create<TScrollBar>();
      (*bar)->SetParent(&f);
      (*bar)->SetKind(sbVertical);
      (*bar)->SetBounds(bar == &skinned ? 20 : 80, 20, 18, 200);
      (*bar)->SetParams(10, 0, 100);
    }
    plain->SetTag(9999);
  });
  auto* wrapper = dynamic_cast<TqelSkinScrollBar*>(WrapperOf(skinned));
  ASSERT_NE(wrapper, nullptr);
  TqelSkinInternalScrollBar2* panel = wrapper->Panel();
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(panel->Visible());
  EXPECT_EQ(panel->BoundsRect().left, skinned->Left());
  EXPECT_EQ(panel->BoundsRect().top, skinned->Top());
  EXPECT_EQ(panel->Width(), skinned->Width());
  EXPECT_EQ(panel->Height(), skinned->Height());

  // The panel shows the skin's bar with the control's own thumb.
  auto expectFace = [&](const char* when) -> int {
    SCOPED_TRACE(when);
    ::RedrawWindow(panel->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Pump();
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    EXPECT_TRUE(::GetScrollBarInfo(skinned->Handle(), OBJID_CLIENT, &info));
    TBitmap expected(18, 200);
    PaintScrollBar(expected.Canvas(), ScrollBarLookOf(info, true, SIZE{18, 200}), skin());
    EXPECT_EQ(CountDifferentPixels(ScreenOfClient(panel->Handle()), expected), 0);
    return info.xyThumbTop;
  };
  const int thumbBefore = expectFace("at 10");

  // A press on the panel's down arrow moves the control as a press on its
  // own arrow moves the unskinned one.
  auto click = [](HWND target, POINT at) {
    ::PostMessageW(target, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    ::SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    Pump();
  };
  click(panel->Handle(), POINT{9, 195});
  click(plain->Handle(), POINT{9, 195});
  EXPECT_EQ(skinned->Position(), plain->Position());
  EXPECT_GT(skinned->Position(), 10);
  EXPECT_EQ(::GetScrollPos(skinned->Handle(), SB_CTL), ::GetScrollPos(plain->Handle(), SB_CTL));
  skinned->SetPosition(80);
  Pump();
  EXPECT_GT(expectFace("at 80"), thumbBefore);

  // Without the skin the panel goes and the native bar shows.
  engine().SetActive(false);
  Pump();
  EXPECT_FALSE(panel->Visible());
}

TEST_F(SkinnerTest, DateTimePickersGetTheSkinsButtonOrUpDownUnlessTheyKeepTheirOwn) {
  TDateTimePicker* date = nullptr;
  TDateTimePicker* time = nullptr;
  TDateTimePicker* keeps = nullptr;
  MakeForm([&](TSkinnerForm& f) {
    date = Add<TDateTimePicker>(f, 10, 10, 160, 24);
    time = Add<TDateTimePicker>(f, 10, 50, 160, 24);
    time->SetKind(dtkTime);
    keeps = Add<TDateTimePicker>(f, 10, 90, 160, 24);
    keeps->SetKind(dtkTime);
    keeps->SetTag(kKeepNativeUpDownTag);
  });
  auto* dateWrapper = dynamic_cast<TqelSkinDateTimePicker*>(WrapperOf(date));
  auto* timeWrapper = dynamic_cast<TqelSkinDateTimePicker*>(WrapperOf(time));
  auto* keepsWrapper = dynamic_cast<TqelSkinDateTimePicker*>(WrapperOf(keeps));
  ASSERT_TRUE(dateWrapper && timeWrapper && keepsWrapper);
  auto shown = [](HWND h) { return h && ::IsWindowVisible(h) != FALSE; };
  KeepScreen(form_->Handle(), "date_time_pickers");

  // A date from the calendar: the skin's drop-down button, no up-down.
  ASSERT_NE(dateWrapper->DropButton(), nullptr);
  EXPECT_TRUE(dateWrapper->DropButton()->Visible());
  EXPECT_FALSE(dateWrapper->UpDown() && dateWrapper->UpDown()->Visible());

  // A time: the framework up-down at the right edge over the hidden native.
  ASSERT_NE(timeWrapper->UpDown(), nullptr);
  ASSERT_NE(timeWrapper->NativeUpDown(), nullptr);
  EXPECT_TRUE(timeWrapper->UpDown()->Visible());
  EXPECT_EQ(timeWrapper->UpDown()->Align(), alRight);
  ASSERT_NE(timeWrapper->UpDownSkin(), nullptr);
  EXPECT_EQ(timeWrapper->UpDownSkin()->Control(), timeWrapper->UpDown());
  {
    // It wears the skin's up-down.
    HWND h = timeWrapper->UpDown()->Handle();
    ::RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Pump();
    const TBitmap shot = ScreenOfClient(h);
    TBitmap expected(shot.Width(), shot.Height());
    PaintUpDown(expected.Canvas(), SIZE{shot.Width(), shot.Height()}, TUpDownLook{}, skin());
    EXPECT_EQ(CountDifferentPixels(shot, expected), 0);
  }
  EXPECT_FALSE(shown(timeWrapper->NativeUpDown()));
  EXPECT_FALSE(timeWrapper->DropButton() && timeWrapper->DropButton()->Visible());
  // A press on the up half reaches the native up-down: the time moves as
  // a press on the native up-down of the picker that keeps it moves its.
  auto pressUp = [](TDateTimePicker* picker, HWND target) {
    SYSTEMTIME st{};
    st.wYear = 2026;
    st.wMonth = 12;
    st.wDay = 9;
    st.wHour = 10;
    st.wMinute = 20;
    ::SendMessageW(picker->Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
    ::SetFocus(picker->Handle());
    Pump();
    RECT r{};
    ::GetWindowRect(target, &r);
    ::SetCursorPos(r.left + 5, r.top + 3);
    ::PostMessageW(target, WM_LBUTTONUP, 0, MAKELPARAM(5, 3));
    ::SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 3));
    Pump();
    SYSTEMTIME after{};
    ::SendMessageW(picker->Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&after));
    return std::make_tuple(after.wHour, after.wMinute, after.wSecond);
  };
  ASSERT_NE(keepsWrapper->NativeUpDown(), nullptr);
  EXPECT_EQ(pressUp(time, timeWrapper->UpDown()->Handle()), pressUp(keeps, keepsWrapper->NativeUpDown()));

  // Tag 9998: the native up-down stays.
  EXPECT_EQ(keepsWrapper->UpDown(), nullptr);
  EXPECT_TRUE(shown(keepsWrapper->NativeUpDown()));

  // Without the skin the native up-down is back.
  engine().SetActive(false);
  Pump();
  EXPECT_TRUE(shown(timeWrapper->NativeUpDown()));
  EXPECT_FALSE(timeWrapper->UpDown()->Visible());
}

TEST_F(SkinnerTest, ListViewHeaderIsPaintedByTheSkinAndFollowsItsColumns) {
  TListView* list = nullptr;
  MakeForm([&](TSkinnerForm& f) {
    list = Add<TListView>(f, 10, 10, 300, 160);
    list->SetViewStyle(vsReport);
    for (auto [caption, width] : {std::pair{L"Name", 120}, std::pair{L"A caption far too long for it", 60}}) {
      TListColumn& column = list->Columns().Add();
      column.SetCaption(caption);
      column.SetWidth(width);
    }
  });
  auto* wrapper = dynamic_cast<TqelSkinListView*>(WrapperOf(list));
  ASSERT_NE(wrapper, nullptr);
  HWND header = wrapper->HeaderWindow();
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(header, reinterpret_cast<HWND>(::SendMessageW(list->Handle(), LVM_GETHEADER, 0, 0)));
  auto expectHeader = [&](const char* when) {
    SCOPED_TRACE(when);
    Pump();
    ::UpdateWindow(header);
    const TBitmap screen = ScreenOfClient(header);
    TBitmap expected(screen.Width(), screen.Height());
    if (auto font = reinterpret_cast<HFONT>(::SendMessageW(header, WM_GETFONT, 0, 0))) {
      LOGFONTW lf{};
      ::GetObjectW(font, sizeof lf, &lf);
      expected.Canvas().Font().AssignLogFont(lf);
    }
    const THeaderLook look = HeaderLookOf(header);
    PaintListViewHeader(expected.Canvas(), look, skin());
    EXPECT_EQ(CountDifferentPixels(screen, expected), 0);
    return look;
  };
  THeaderLook look = expectHeader("as made");
  KeepScreen(form_->Handle(), "list_view");
  ASSERT_EQ(look.Items.size(), 2u);
  EXPECT_EQ(look.Items[0].Text, L"Name");
  // A changed column repaints the header at once.
  HDITEMW item{};
  item.mask = HDI_TEXT;
  wchar_t text[] = L"Title";
  item.pszText = text;
  ::SendMessageW(header, HDM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  look = expectHeader("after HDM_SETITEM");
  EXPECT_EQ(look.Items[0].Text, L"Title");
}

TEST_F(SkinnerTest, UpDownShowsThePressedHalfUntilTheButtonIsReleased) {
  TUpDown* skinned = nullptr;
  TUpDown* plain = nullptr;
  MakeForm([&](TSkinnerForm& f) {
    skinned = Add<TUpDown>(f, 10, 10, 17, 34);
    plain = Add<TUpDown>(f, 40, 10, 17, 34);
    plain->SetTag(9999);
  });
  auto* wrapper = dynamic_cast<TqelSkinUpDown*>(WrapperOf(skinned));
  ASSERT_NE(wrapper, nullptr);
  const TPainterSkin s = skin();
  const SIZE size = ClientSizeOf(skinned->Handle());
  auto face = [&](TUpDownHalf pressed) {
    TBitmap b(size.cx, size.cy);
    PaintUpDown(b.Canvas(), size, TUpDownLook{false, pressed, true}, s);
    return b;
  };
  for (TUpDownHalf half : {udhSecond, udhFirst}) {
    SCOPED_TRACE(half == udhFirst ? "up" : "down");
    POINT cursor{8, half == udhFirst ? 5 : size.cy - 6};
    const LPARAM at = MAKELPARAM(cursor.x, cursor.y);
    // The mouse is over the control while it is pressed.
    ::ClientToScreen(skinned->Handle(), &cursor);
    ::SetCursorPos(cursor.x, cursor.y);
    Pump();
    ::SendMessageW(skinned->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(plain->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    EXPECT_EQ(wrapper->PressedHalf(), half);
    ::UpdateWindow(skinned->Handle());
    EXPECT_EQ(CountDifferentPixels(ScreenOfClient(skinned->Handle()), face(half)), 0);
    ::SendMessageW(skinned->Handle(), WM_LBUTTONUP, 0, at);
    ::SendMessageW(plain->Handle(), WM_LBUTTONUP, 0, at);
    Pump();
    EXPECT_EQ(wrapper->PressedHalf(), udhNone);
    EXPECT_EQ(CountDifferentPixels(ScreenOfClient(skinned->Handle()), face(udhNone)), 0);
    // The press reached the control as it reaches the unskinned one.
    EXPECT_EQ(::SendMessageW(skinned->Handle(), UDM_GETPOS32, 0, 0), ::SendMessageW(plain->Handle(), UDM_GETPOS32, 0, 0));
  }
}

TEST_F(SkinnerTest, ToolBarAndStatusBarShowTheSkinOnScreen) {
  TToolBar* bar = nullptr;
  TToolButton* down = nullptr;
  TToolButton* up = nullptr;
  TStatusBar* status = nullptr;
  MakeForm([&](TSkinnerForm& f) {
    bar = Add<TToolBar>(f, 0, 0, 300, 30);
    for (TToolButton** b : {&up, &down}) {
      *b = f.Create<TToolButton>();
      (*b)->SetLeft(1000);
      (*b)->SetParent(bar);
      (*b)->SetStyle(tbsCheck);
    }
    bar->SetShowCaptions(true);
    up->SetCaption(L"Up");
    down->SetCaption(L"Down");
    down->SetDown(true);
    status = Add<TStatusBar>(f, 0, 0, 300, 22);
    status->SetAlign(alBottom);
  });
  ::RedrawWindow(bar->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  Pump();
  const TBitmap shot = ScreenOfClient(bar->Handle());
  const TPainterSkin s = skin();
  // The checked button: the down colour framed in the border colour; the
  // other shows the bar's background.
  const RECT d = down->BoundsRect(), u = up->BoundsRect();
  EXPECT_EQ(Px(shot, (d.left + d.right) / 2, d.top + 2), ColorToPixel(s.Color(SKIN2_TOOLBARDOWNCOLOR)));
  EXPECT_EQ(Px(shot, d.left, (d.top + d.bottom) / 2), ColorToPixel(s.Color(SKIN2_TOOLBARBORDERCOLOR)));
  EXPECT_EQ(Px(shot, d.right - 1, (d.top + d.bottom) / 2), ColorToPixel(s.Color(SKIN2_TOOLBARBORDERCOLOR)));
  EXPECT_EQ(Px(shot, (u.left + u.right) / 2, u.top + 2), ColorToPixel(s.Color(SKIN2_TOOLBARSTARTCOLOR)));
  EXPECT_EQ(Px(shot, u.left, (u.top + u.bottom) / 2), ColorToPixel(s.Color(SKIN2_TOOLBARSTARTCOLOR)));
  EXPECT_EQ(Px(shot, shot.Width() - 3, 3), ColorToPixel(s.Color(SKIN2_TOOLBARSTARTCOLOR)));
  // Captions: the checked one in the selected-text colour, readable on the
  // down colour; the other in the bar's own dark text.
  // (Text is smoothed: count pixels near each colour.)
  auto count = [&shot](const RECT& r, TColor color) {
    const std::uint32_t want = ColorToPixel(color);
    auto similar = [](std::uint32_t a, std::uint32_t b) {
      for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 0x30) return false;
      return true;
    };
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) n += similar(Px(shot, x, y), want);
    return n;
  };
  EXPECT_GT(count(d, s.Color(SKIN2_TOPSELECTEDMENUFONTCOLOR)), 20);
  EXPECT_EQ(count(d, clBlack), 0);
  EXPECT_GT(count(u, clBlack), 5);

  // The status bar's grip: the skin's, in the bar's colour.
  ASSERT_TRUE(status->SizeGrip());
  ::RedrawWindow(status->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  Pump();
  const TBitmap grip = ScreenOfClient(status->Handle());
  TBitmap expected = grip;
  PaintStatusGrip(expected.Canvas(), SIZE{grip.Width(), grip.Height()}, TStatusBarLook{true, status->Color()});
  EXPECT_EQ(CountDifferentPixels(grip, expected), 0);
  const RECT g = StatusGripRect(SIZE{grip.Width(), grip.Height()});
  EXPECT_EQ(Px(grip, g.right - 1, g.bottom - 1 - 3), ColorToPixel(clInactiveCaption));
}

TEST_F(SkinnerTest, ComboBoxesAreFramedByTheSkinTheExtendedOneOnItsInnerCombo) {
  TComboBox* combo = nullptr;
  TComboBoxEx* extended = nullptr;
  MakeForm([&](TSkinnerForm& f) {
    combo = Add<TComboBox>(f, 10, 10, 160, 24);
    extended = Add<TComboBoxEx>(f, 10, 50, 160, 24);
    combo->SetColor(0x00E0F0FF);
  });
  const std::uint32_t border = ColorToPixel(skin().Color(SKIN2_CONTROLBORDERCOLOR));
  HWND inner = reinterpret_cast<HWND>(::SendMessageW(extended->Handle(), CBEM_GETCOMBOCONTROL, 0, 0));
  ASSERT_NE(inner, nullptr);
  for (auto [window, color] : {std::pair{combo->Handle(), combo->Color()}, std::pair{inner, extended->Color()}}) {
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    Pump();
    RECT r{};
    ::GetWindowRect(window, &r);
    TBitmap whole(r.right - r.left, r.bottom - r.top);
    HDC dc = ::GetWindowDC(window);
    ::BitBlt(whole.Canvas().Handle(), 0, 0, whole.Width(), whole.Height(), dc, 0, 0, SRCCOPY);
    ::ReleaseDC(window, dc);
    int outer = 0, innerRing = 0;
    const std::uint32_t own = ColorToPixel(color);
    for (int x = 0; x < whole.Width(); ++x) outer += (Px(whole, x, 0) != border) + (Px(whole, x, whole.Height() - 1) != border);
    for (int y = 0; y < whole.Height(); ++y) outer += (Px(whole, 0, y) != border) + (Px(whole, whole.Width() - 1, y) != border);
    for (int y = 1; y < whole.Height() - 1; ++y) innerRing += Px(whole, 1, y) != own;
    EXPECT_EQ(outer, 0);
    EXPECT_EQ(innerRing, 0);
  }
}

}  // namespace

namespace {

// The pixels of a window's four edges (ring 0: the outermost) that are not
// colour.
int RingMisses(HWND window, int ring, std::uint32_t colour, int bottom = -1) {
  RECT r{};
  ::GetWindowRect(window, &r);
  TBitmap whole(r.right - r.left, r.bottom - r.top);
  HDC dc = ::GetWindowDC(window);
  ::BitBlt(whole.Canvas().Handle(), 0, 0, whole.Width(), whole.Height(), dc, 0, 0, SRCCOPY);
  ::ReleaseDC(window, dc);
  const int right = whole.Width() - 1 - ring, last = (bottom < 0 ? whole.Height() : bottom) - 1 - ring;
  int misses = 0;
  for (int x = ring; x <= right; ++x) misses += (Px(whole, x, ring) != colour) + (Px(whole, x, last) != colour);
  for (int y = ring; y <= last; ++y) misses += (Px(whole, ring, y) != colour) + (Px(whole, right, y) != colour);
  return misses;
}

TEST_F(SkinnerTest, SimpleComboBoxFramesItsEditPartAndItsListEvenWhenTheListRepaintsAlone) {
  TComboBox* combo = nullptr;
  MakeForm([&](TSkinnerForm& f) {
    combo = Add<TComboBox>(f, 10, 10, 140, 120);
    combo->SetStyle(csSimple);
    combo->SetHeight(120);
    combo->Items().SetText("one\r\ntwo\r\nthree");
    combo->SetColor(0x00E0F0FF);
  });
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(::GetComboBoxInfo(combo->Handle(), &info));
  ASSERT_NE(info.hwndList, nullptr);
  const std::uint32_t border = ColorToPixel(skin().Color(SKIN2_CONTROLBORDERCOLOR)), own = ColorToPixel(combo->Color());
  RECT whole{}, list{};
  ::GetWindowRect(combo->Handle(), &whole);
  ::GetWindowRect(info.hwndList, &list);
  const int editBottom = list.top - whole.top;
  ASSERT_GT(editBottom, 4);
  for (HWND repainted : {combo->Handle(), info.hwndList}) {
    ::RedrawWindow(repainted, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    Pump();
    SCOPED_TRACE(repainted == combo->Handle() ? "combo repainted" : "list repainted");
    EXPECT_EQ(RingMisses(combo->Handle(), 0, border, editBottom), 0);
    EXPECT_EQ(RingMisses(combo->Handle(), 1, own, editBottom), 0);
    EXPECT_EQ(RingMisses(info.hwndList, 0, border), 0);
    EXPECT_EQ(RingMisses(info.hwndList, 1, own), 0);
  }
  // Below the list (it keeps whole lines) the parent's colour, not the
  // platform's window colour.
  const int listBottom = list.bottom - whole.top, height = whole.bottom - whole.top;
  ASSERT_LT(listBottom, height) << "no room below the list";
  HDC dc = ::GetWindowDC(combo->Handle());
  const COLORREF below = ::GetPixel(dc, 20, listBottom + (height - listBottom) / 2);
  ::ReleaseDC(combo->Handle(), dc);
  EXPECT_EQ(below, ColorToRGB(combo->Parent()->Color()));
}

}  // namespace

namespace {

TEST_F(SkinnerTest, DateTimePickersCheckBoxIsTheSkinsAndFollowsTheCheck) {
  TDateTimePicker* picker = nullptr;
  MakeForm([&](TSkinnerForm& f) {
    picker = Add<TDateTimePicker>(f, 10, 10, 160, 24);
    picker->SetShowCheckbox(true);
    picker->SetChecked(false);
  });
  auto* wrapper = dynamic_cast<TqelSkinDateTimePicker*>(WrapperOf(picker));
  ASSERT_NE(wrapper, nullptr);
  // The platform's check box child, wrapped.
  HWND box = ::FindWindowExW(picker->Handle(), nullptr, L"Button", nullptr);
  ASSERT_NE(box, nullptr);
  ASSERT_NE(wrapper->CheckBoxSkin(), nullptr);
  EXPECT_EQ(wrapper->CheckBoxSkin()->GetHandle(), box);
  RECT client{};
  ::GetClientRect(box, &client);
  const SIZE size{client.right, client.bottom};
  for (bool checked : {false, true}) {
    SCOPED_TRACE(checked ? "checked" : "unchecked");
    picker->SetChecked(checked);
    ::RedrawWindow(picker->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
    TCheckBoxLook look;
    look.State = checked ? cbChecked : cbUnchecked;
    look.Color = picker->Color();
    TBitmap expected(size.cx, size.cy);
    expected.Fill(clFuchsia);
    PaintCheckBox(expected.Canvas(), size, look, skin());
    TBitmap shown(size.cx, size.cy);
    HDC dc = ::GetDC(box);
    ::BitBlt(shown.Canvas().Handle(), 0, 0, size.cx, size.cy, dc, 0, 0, SRCCOPY);
    ::ReleaseDC(box, dc);
    int painted = 0, wrong = 0;
    for (int y = 0; y < size.cy; ++y)
      for (int x = 0; x < size.cx; ++x) {
        if (Px(expected, x, y) == ColorToPixel(clFuchsia)) continue;
        ++painted;
        wrong += Px(shown, x, y) != Px(expected, x, y);
      }
    EXPECT_GT(painted, 100);
    EXPECT_EQ(wrong, 0);
  }
}

}  // namespace
