// The skinned push button: presses and clicks from mouse and keyboard, the
// face on screen against the skin's own SKIN2_BUTTON frames, the button's
// state as the platform reports it, the font colour rule and the layout of
// glyph and caption.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AnsiText.h"
#include "QELSkinUtilsParts.h"
#include "WrapperTestSupport.h"
#include "engine/QELSkinEngine.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/Edit.h"
#include "painters/QELSkinButton.h"
#include "painters/QELSkinGlyphLayout.h"

namespace {

// The face a skin gives a w x h button: the frame of the state as a
// nine-grid over the background, from the skin's own picture.
TBitmap NineGridFace(TqelSkinEngine& engine, int frame, int w, int h, TColor background) {
  TBitmap skinFrame;
  EXPECT_TRUE(engine.GetSkinBitmap(SKIN2_BUTTON, skinFrame, frame, 3));
  TBitmap face(w, h);
  face.Fill(background);
  DrawNineGrid(skinFrame, face.Canvas(), RECT{0, 0, w, h}, engine.GetSkinColor(SKIN2_TRANSCOLOR),
               engine.GetSkinFlag(SKIN2_BUTTONTRANS));
  return face;
}

class ButtonTest : public WrapperTest {
 protected:
  void SetUp() override {
    WrapperTest::SetUp();
    ::SetCursorPos(0, 0);  // not over the button
    button = Add<TButton>(40, 40, 96, 30);
    button->OnClick = [this](TObject&) { ++clicks; };
    other = Add<TEdit>(40, 100, 120, 24);
  }
  TqelSkinButton& Skinner() {
    auto* s = WrapperOf<TqelSkinButton>(*button);
    EXPECT_NE(s, nullptr);
    return *s;
  }
  TBitmap Shown() {
    button->Invalidate();
    Pump();
    return ScreenOf(button->Handle(), true);
  }

  TButton* button = nullptr;
  TEdit* other = nullptr;
  int clicks = 0;
};

}  // namespace

// Space held shows the pressed face until it is released, which clicks.
TEST_F(ButtonTest, SpaceHeldShowsPressedUntilReleased) {
  button->SetCaption(L"");
  SkinForm();
  button->SetFocus();
  Pump();
  ASSERT_TRUE(button->Focused());
  TqelSkinButton& s = Skinner();

  button->Perform(WM_KEYDOWN, VK_SPACE, 0);
  for (int repeat = 0; repeat < 3; ++repeat) {
    button->Perform(WM_KEYDOWN, VK_SPACE, 0x40000000);  // held: the keyboard repeats
    EXPECT_TRUE(s.Pressed());
    EXPECT_EQ(s.Look().FrameIndex(), 3);
    EXPECT_EQ(clicks, 0);
  }
  TBitmap expected(button->Width(), button->Height());
  PaintButtonFace(expected.Canvas(), button->ClientRect(), s.Look(), TqelButtonSkin::Read(engine()));
  EXPECT_EQ(DifferingPixels(Shown(), expected), 0) << "the pressed face on screen";

  button->Perform(WM_KEYUP, VK_SPACE, 0xC0000000);
  EXPECT_FALSE(s.Pressed());
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(s.Look().FrameIndex(), 1);
  PaintButtonFace(expected.Canvas(), button->ClientRect(), s.Look(), TqelButtonSkin::Read(engine()));
  EXPECT_EQ(DifferingPixels(Shown(), expected), 0) << "the normal face again";

  // Enter never reaches the button; a key-up of another key clicks nothing.
  button->Perform(WM_KEYDOWN, 'A', 0);
  button->Perform(WM_KEYUP, 'A', 0);
  EXPECT_EQ(clicks, 1);
}

// Mouse sequences: what clicks, and the state they leave. The mouse leaving
// clears Hot and Pressed (and the press is then no click).
TEST_F(ButtonTest, ClickNeedsPressAndReleaseOnTheButton) {
  SkinForm();
  TqelSkinButton& s = Skinner();
  struct Case {
    const char* steps;  // E enter, L leave, D down, U up, C double-click
    int clicks;
    bool hot, pressed;
  };
  const Case cases[] = {
      {"EDU", 1, true, false},  {"U", 0, false, false},     {"EU", 0, true, false},
      {"EDL", 0, false, false}, {"EDLU", 0, false, false},  {"EC", 1, true, true},
      {"ECU", 1, true, false},  {"EDUCU", 2, true, false},  {"EDUDUL", 2, false, false},
  };
  for (const Case& k : cases) {
    button->Perform(CM_MOUSELEAVE);
    clicks = 0;
    const LPARAM inside = MAKELPARAM(10, 10);
    for (const char* p = k.steps; *p; ++p) {
      switch (*p) {
        case 'E': button->Perform(CM_MOUSEENTER); break;
        case 'L': button->Perform(CM_MOUSELEAVE); break;
        case 'D': button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, inside); break;
        case 'U': button->Perform(WM_LBUTTONUP, 0, inside); break;
        case 'C': button->Perform(WM_LBUTTONDBLCLK, MK_LBUTTON, inside); break;
      }
      if (*p == 'C') {
        EXPECT_EQ(clicks, k.clicks - (std::string(p).find('C', 1) != std::string::npos)) << "at once: " << k.steps;
      }
    }
    EXPECT_EQ(clicks, k.clicks) << k.steps;
    EXPECT_EQ(s.Hot(), k.hot) << k.steps;
    EXPECT_EQ(s.Pressed(), k.pressed) << k.steps;
    EXPECT_FALSE(s.ClickArmed()) << k.steps;
  }
}

// The face the skinner puts on screen for normal, hot and pressed is the
// skin's SKIN2_BUTTON frame 1, 2, 3 as a nine-grid over the parent's
// colour, pixel for pixel; so is the pure paint of each look.
TEST_F(ButtonTest, FaceIsNineGridOfTheSkinFrames) {
  button->SetCaption(L"");
  SkinForm();
  other->SetFocus();  // no focus rectangle on the button
  Pump();
  TqelSkinButton& s = Skinner();
  const TColor background = form().Color();
  const int w = button->Width(), h = button->Height();
  std::vector<TBitmap> faces;
  for (int frame = 1; frame <= 3; ++frame) faces.push_back(NineGridFace(engine(), frame, w, h, background));
  EXPECT_GT(DifferingPixels(faces[0], faces[1]), 0);
  EXPECT_GT(DifferingPixels(faces[1], faces[2]), 0);

  const TqelButtonSkin skin = TqelButtonSkin::Read(engine());
  for (int frame = 1; frame <= 3; ++frame) {
    TqelButtonLook look;
    look.Hot = frame == 2;
    look.Pressed = frame == 3;
    look.Background = background;
    TBitmap painted(w, h);
    PaintButtonFace(painted.Canvas(), RECT{0, 0, w, h}, look, skin);
    EXPECT_EQ(DifferingPixels(painted, faces[static_cast<size_t>(frame - 1)]), 0) << "pure paint, frame " << frame;
  }

  EXPECT_EQ(DifferingPixels(Shown(), faces[0]), 0) << "normal";
  button->Perform(CM_MOUSEENTER);
  EXPECT_EQ(DifferingPixels(Shown(), faces[1]), 0) << "hot";
  s.SetPressed(true);  // held without taking the focus
  EXPECT_EQ(DifferingPixels(Shown(), faces[2]), 0) << "pressed";
  s.SetPressed(false);
  button->Perform(CM_MOUSELEAVE);
  EXPECT_EQ(DifferingPixels(Shown(), faces[0]), 0) << "left";
}

// BM_GETSTATE and BM_GETCHECK answer as the platform's button answers
// without the skin: the same steps on a skinned button and on a twin with
// the DisabledTag give the same answers, and the same clicks.
TEST_F(ButtonTest, StateReadsAsWithoutTheSkin) {
  auto* plain = Add<TButton>(200, 40, 96, 30);
  plain->SetTag(engine().DisabledTag());
  int plainClicks = 0;
  plain->OnClick = [&](TObject&) { ++plainClicks; };
  SkinForm();
  ASSERT_NE(WrapperOf(*button), nullptr);
  ASSERT_EQ(WrapperOf(*plain), nullptr);

  const auto run = [&](TButton& b) {
    std::vector<LRESULT> answers;
    HWND h = b.Handle();
    const LPARAM inside = MAKELPARAM(20, 10);
    const auto read = [&] {
      answers.push_back(::SendMessageW(h, BM_GETSTATE, 0, 0) & (BST_PUSHED | BST_FOCUS | BST_CHECKED));
      answers.push_back(::SendMessageW(h, BM_GETCHECK, 0, 0));
    };
    other->SetFocus();
    read();
    ::SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, inside);
    read();
    ::SendMessageW(h, WM_LBUTTONUP, 0, inside);
    read();
    ::SendMessageW(h, WM_KEYDOWN, VK_SPACE, 0);
    read();
    ::SendMessageW(h, WM_KEYUP, VK_SPACE, 0xC0000000);
    read();
    ::SendMessageW(h, BM_SETCHECK, BST_CHECKED, 0);
    read();
    other->SetFocus();
    read();
    Pump();
    return answers;
  };
  const std::vector<LRESULT> skinned = run(*button);
  const std::vector<LRESULT> native = run(*plain);
  EXPECT_EQ(skinned, native);
  EXPECT_EQ(clicks, plainClicks);
  EXPECT_EQ(plainClicks, 2) << "a press and release, and Space";
}

// Unless NoChangeButtonsFontColor is set, a painted button takes the skin's
// button font colour as its own; with it set the button keeps its colour.
TEST_F(ButtonTest, FontColourRule) {
  button->Font().SetColor(clRed);
  button->SetCaption(L"\u786E\u5B9A (&O)");
  SkinForm();
  const TColor skinColour = engine().GetSkinColor(SKIN2_BUTTONFONTCOLOR);
  ASSERT_NE(skinColour, -1);
  ASSERT_NE(skinColour, clRed);
  struct Case {
    bool keep;
    TColor expected;
  };
  for (const Case k : {Case{true, clRed}, Case{false, skinColour}}) {
    engine().SetNoChangeButtonsFontColor(k.keep);
    button->Font().SetColor(clRed);
    Shown();
    EXPECT_EQ(button->Font().Color(), k.expected) << "keep " << k.keep;
  }
  KeepCapture(ScreenOfWindow(form().Handle()), "wrappers_button");
  engine().SetNoChangeButtonsFontColor(false);
}

// The two caption operations draw the same: the ANSI text in the system's
// code page and the window's own UTF-16 text, enabled in the font's colour,
// disabled in grey; with no text only the face is copied.
TEST_F(ButtonTest, CaptionOperationsDrawAlike) {
  button->SetCaption(L"");
  SkinForm();
  other->SetFocus();
  Pump();
  TqelSkinButton& s = Skinner();
  const int w = button->Width(), h = button->Height();
  TBitmap face(w, h);
  face.Fill(clWhite);
  TFont font;
  font.Assign(button->Font());
  font.SetColor(clBlue);
  const RECT rect{0, 0, w, h};
  const auto drawn = [&](bool wide, std::wstring_view text) {
    ::SetWindowTextW(button->Handle(), std::wstring(text).c_str());
    if (wide) s.DrawTextWide(face, false, rect, &font);
    else s.DrawTextAnsi(face, ToAnsi(text), false, rect, &font);
    return ScreenOf(button->Handle(), true);
  };
  const auto count = [](const TBitmap& b, std::uint32_t pixel) {
    int n = 0;
    for (int y = 0; y < b.Height(); ++y)
      for (int x = 0; x < b.Width(); ++x) n += Px(b, x, y) == pixel;
    return n;
  };
  EXPECT_EQ(DifferingPixels(drawn(true, L""), face), 0) << "no text: the face alone";
  for (const std::wstring_view text : {std::wstring_view(L"OK"), std::wstring_view(L"\u786E\u5B9A")}) {
    const TBitmap wide = drawn(true, text);
    const TBitmap ansi = drawn(false, text);
    EXPECT_EQ(DifferingPixels(wide, ansi), 0);
    EXPECT_GT(DifferingPixels(wide, face), 0) << "some text";
    EXPECT_GT(count(wide, ColorToPixel(clBlue)), 0) << "in the font's colour";
  }
  button->SetEnabled(false);
  const TBitmap grey = drawn(true, L"OK");
  EXPECT_EQ(count(grey, ColorToPixel(clBlue)), 0);
  EXPECT_GT(count(grey, 0x808080), 0) << "disabled text is grey";
  button->SetEnabled(true);
}

// Glyph and caption in a 100 x 40 area at (10, 20): glyph 16 x 16, caption
// 30 x 12.
TEST(GlyphLayoutTest, MarginAndSpacingRules) {
  const RECT area{10, 20, 110, 60};
  const SIZE glyph{16, 16}, caption{30, 12};
  struct Case {
    int layout, margin, spacing;
    bool rtl;
    POINT glyphAt;
    POINT captionAt;
  };
  const Case cases[] = {
      // Both -1: (100 - 46) / 3 = 18 each.
      {glGlyphLeft, -1, -1, false, {28, 32}, {62, 34}},
      // Margin -1: glyph + 4 + caption (50) centred: (100 - 50 + 1) / 2 = 25.
      {glGlyphLeft, -1, 4, false, {35, 32}, {55, 34}},
      // Spacing -1: caption centred after margin 5 and glyph: (100 - 21 - 30) / 2 = 24.
      {glGlyphLeft, 5, -1, false, {15, 32}, {55, 34}},
      {glGlyphLeft, 5, 4, false, {15, 32}, {35, 34}},
      {glGlyphRight, 5, 4, false, {89, 32}, {55, 34}},
      // Right to left: left becomes right.
      {glGlyphLeft, 5, 4, true, {89, 32}, {55, 34}},
      {glGlyphRight, 5, 4, true, {15, 32}, {35, 34}},
      // Vertical: (40 - 28) / 3 = 4; across centred (100 - 16 + 1) / 2 = 42.
      {glGlyphTop, -1, -1, false, {52, 24}, {45, 44}},
      {glGlyphTop, 2, 3, false, {52, 22}, {45, 41}},
      {glGlyphBottom, 2, 3, false, {52, 42}, {45, 27}},
  };
  for (const Case& k : cases) {
    const TqelGlyphPlacement p = PlaceGlyphAndCaption(area, glyph, caption, k.layout, k.margin, k.spacing, k.rtl);
    EXPECT_EQ(p.Glyph.x, k.glyphAt.x) << k.layout << " " << k.margin << " " << k.spacing << " " << k.rtl;
    EXPECT_EQ(p.Glyph.y, k.glyphAt.y) << k.layout << " " << k.margin << " " << k.spacing;
    EXPECT_EQ(p.Caption.left, k.captionAt.x) << k.layout << " " << k.margin << " " << k.spacing << " " << k.rtl;
    EXPECT_EQ(p.Caption.top, k.captionAt.y) << k.layout << " " << k.margin << " " << k.spacing;
    EXPECT_EQ(p.Caption.right - p.Caption.left, caption.cx);
  }
  // No caption: no spacing; the glyph alone is centred.
  const TqelGlyphPlacement alone = PlaceGlyphAndCaption(area, glyph, SIZE{0, 0}, glGlyphLeft, -1, 4, false);
  EXPECT_EQ(alone.Glyph.x, 10 + (100 - 16 + 1) / 2);
}
