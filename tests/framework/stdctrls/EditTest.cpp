// Edits, memos and masked edits: text between the control and its window,
// typed input, memo lines, keys kept or passed to the form, edit masks.
#include "framework/stdctrls/Edit.h"

#include "StdCtrlsTesting.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/MaskEdit.h"
#include "framework/stdctrls/Memo.h"
#include "framework/stdctrls/StdCtrlsCommon.h"

namespace {

using EditTest = StdCtrlsTest;

TEST_F(EditTest, TypedAndSetTextReachTextWindowAndOnChange) {
  auto* edit = Add<TEdit>(10, 10, 150, 21);
  int changes = 0;
  edit->OnChange = [&](TObject&) { ++changes; };
  edit->SetFocus();
  Type(L"ab报");
  EXPECT_EQ(edit->Text(), L"ab报");
  EXPECT_EQ(changes, 3);
  EXPECT_TRUE(edit->Modified());
  edit->SetText(L"new");
  EXPECT_EQ(WindowText(edit->Handle()), L"new");
  EXPECT_EQ(changes, 4);  // once, though the window reports it too
  edit->SetText(L"new");
  EXPECT_EQ(changes, 4);

  // Settings reach the window and survive a new one.
  edit->SetMaxLength(5);
  edit->SetPasswordChar(L'*');
  edit->SetCharCase(ecUpperCase);
  edit->SetBorderStyle(bsNone);  // re-creates the window
  EXPECT_EQ(WindowText(edit->Handle()), L"NEW");  // the window upper-cases
  EXPECT_EQ(edit->Text(), L"NEW");
  EXPECT_EQ(::SendMessageW(edit->Handle(), EM_GETLIMITTEXT, 0, 0), 5);
  EXPECT_EQ(::SendMessageW(edit->Handle(), EM_GETPASSWORDCHAR, 0, 0), L'*');
  EXPECT_FALSE(::GetWindowLongPtrW(edit->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  edit->SetFocus();
  edit->SelectAll();
  Type(L"abcdefg");
  EXPECT_EQ(edit->Text(), L"ABCDE");  // upper case, at most five
  edit->SetReadOnly(true);
  Type(L"x");
  EXPECT_EQ(edit->Text(), L"ABCDE");
  edit->SetSelStart(1);
  edit->SetSelLength(2);
  EXPECT_EQ(edit->SelText(), L"BC");
}

// The same steps on a memo without a window and on one with a window give
// the same lines; the window's text is their UTF-16 form.
TEST_F(EditTest, MemoLinesEditTheTextWithAndWithoutAWindow) {
  const std::string gbk = "\xB1\xA8\xD0\xDE";  // "报修" in the ANSI code page
  const struct {
    const char* step;
    std::function<void(TStrings&)> run;
    const wchar_t* text;
  } steps[] = {
      {"add", [](TStrings& l) { l.Add("one"); }, L"one\r\n"},
      {"add gbk", [&](TStrings& l) { l.Add(gbk); }, L"one\r\n报修\r\n"},
      {"insert first", [](TStrings& l) { l.Insert(0, "zero"); }, L"zero\r\none\r\n报修\r\n"},
      {"replace", [](TStrings& l) { l.SetStrings(1, "ONE"); }, L"zero\r\nONE\r\n报修\r\n"},
      {"delete last", [](TStrings& l) { l.Delete(2); }, L"zero\r\nONE\r\n"},
      {"delete first", [](TStrings& l) { l.Delete(0); }, L"ONE\r\n"},
      {"text", [](TStrings& l) { l.SetText("a\nb"); }, L"a\r\nb"},
      {"add after unbroken line", [](TStrings& l) { l.Add("c"); }, L"a\r\nb\r\nc"},
      {"delete unbroken last", [](TStrings& l) { l.Delete(2); }, L"a\r\nb"},
  };
  TMemo* memos[2];
  for (int i = 0; i < 2; ++i) {
    memos[i] = form->Create<TMemo>();
    memos[i]->SetBounds(10 + 200 * i, 10, 180, 120);
  }
  memos[1]->SetParent(form.get());  // only this one has a window
  ASSERT_TRUE(memos[1]->HandleAllocated());
  for (const auto& s : steps) {
    SCOPED_TRACE(s.step);
    for (TMemo* m : memos) {
      s.run(m->Lines());
      EXPECT_EQ(m->Text(), s.text) << (m->HandleAllocated() ? "window" : "no window");
    }
    EXPECT_EQ(WindowText(memos[1]->Handle()), s.text);
    EXPECT_TRUE(memos[0]->Lines().Equals(memos[1]->Lines()));
  }
  memos[0]->SetParent(form.get());  // the text goes into the new window
  EXPECT_EQ(WindowText(memos[0]->Handle()), L"a\r\nb");
  EXPECT_EQ(memos[0]->Lines().Count(), 2);
  memos[1]->Lines().Clear();
  EXPECT_EQ(memos[1]->Lines().Count(), 0);
}

TEST_F(EditTest, MemoKeepsEnterAndTabOnlyWhenItWantsThem) {
  auto* memo = Add<TMemo>(10, 10, 200, 100);
  auto* ok = Add<TButton>(10, 120, 75, 25);
  ok->SetDefault(true);
  int pressed = 0;
  ok->OnClick = [&](TObject&) { ++pressed; };
  const struct {
    bool wantReturns, wantTabs;
    const wchar_t* text;
    int pressed;
    TWinControl* focus;
  } cases[] = {
      {true, false, L"a\r\nb", 0, ok},
      {false, false, L"ab", 1, ok},
      {true, true, L"a\r\nb\t", 0, memo},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.wantReturns << c.wantTabs);
    memo->SetWantReturns(c.wantReturns);
    memo->SetWantTabs(c.wantTabs);
    memo->Clear();
    pressed = 0;
    memo->SetFocus();
    Type(L"a");
    PressKey(VK_RETURN);
    Type(L"b");
    PressKey(VK_TAB);
    EXPECT_EQ(memo->Text(), c.text);
    EXPECT_EQ(pressed, c.pressed);
    EXPECT_EQ(TWinControl::FindControl(::GetFocus()), c.focus);
  }
}

TEST(EditMaskTest, FormatsValuesAndReadsThemBack) {
  const struct {
    const wchar_t* mask;
    const wchar_t* value;
    const wchar_t* shown;
    const wchar_t* text;
    bool complete;
  } cases[] = {
      {L"(000) 000-0000;0;_", L"5551234567", L"(555) 123-4567", L"5551234567", true},
      {L"(000) 000-0000;0;_", L"55512", L"(555) 12_-____", L"55512", false},
      {L"(000) 000-0000;1;_", L"(555) 123-4567", L"(555) 123-4567", L"(555) 123-4567", true},
      {L"99/99;0;*", L"1", L"1*/**", L"1", true},         // optional positions
      {L"LL-00;0;_", L"a1-23", L"a_-23", L"a 23", false},  // a digit is no letter
      {L">LL<ll;0; ", L"abCD", L"ABcd", L"ABcd", true},    // case of the positions
      {L"AAa;0;_", L"x9", L"x9_", L"x9", true},
      {L"\\A0;1;_", L"A7", L"A7", L"A7", true},  // an escaped literal
      {L"000", L"12x", L"12_", L"12", false},     // defaults: literals kept, '_'
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.mask << " " << c.value);
    const TEditMask mask(c.mask);
    const std::wstring shown = mask.Format(c.value);
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(mask.TextOf(shown), c.text);
    EXPECT_EQ(mask.Complete(shown), c.complete);
  }
}

TEST_F(EditTest, MaskEditTakesOnlyWhatTheMaskAllows) {
  auto* edit = Add<TMaskEdit>(10, 10, 150, 21);
  edit->SetEditMask(L"(000) 000-0000;0;_");
  EXPECT_EQ(edit->EditText(), L"(___) ___-____");
  edit->SetFocus();
  edit->SetSelStart(0);
  Type(L"55x51234");  // the letter is refused
  EXPECT_EQ(edit->EditText(), L"(555) 123-4___");
  EXPECT_EQ(edit->Text(), L"5551234");
  EXPECT_FALSE(edit->IsMaskComplete());
  EXPECT_THROW(edit->ValidateEdit(), EInvalidOperation);
  PressKey(VK_BACK);  // the last digit, over the literal
  PressKey(VK_BACK);
  EXPECT_EQ(edit->EditText(), L"(555) 12_-____");
  edit->SetSelStart(1);
  PressKey(VK_DELETE);
  EXPECT_EQ(edit->EditText(), L"(_55) 12_-____");
  // A paste is typed into the open positions.
  edit->SetText(L"");
  ASSERT_TRUE(::OpenClipboard(edit->Handle()));
  ::EmptyClipboard();
  const std::wstring pasted = L"(123) 456-7890";
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (pasted.size() + 1) * sizeof(wchar_t));
  std::copy_n(pasted.c_str(), pasted.size() + 1, static_cast<wchar_t*>(::GlobalLock(memory)));
  ::GlobalUnlock(memory);
  ::SetClipboardData(CF_UNICODETEXT, memory);
  ::CloseClipboard();
  edit->SetSelStart(0);
  edit->PasteFromClipboard();
  EXPECT_EQ(edit->Text(), L"1234567890");
  EXPECT_NO_THROW(edit->ValidateEdit());
  // Through the published property: the value, not the edit text.
  EXPECT_EQ(GetStrProp(*edit, "Text"), L"1234567890");
}

}  // namespace
