#include "framework/stdctrls/MemoStrings.h"

#include <vector>

#include "AnsiText.h"
#include "framework/stdctrls/Memo.h"

namespace {

// The memo's text as lines, for a memo without a window.
struct TextLines : TStringList {
  explicit TextLines(const TCustomMemo& memo) { SetText(ToAnsi(memo.Text())); }
};

LRESULT Send(TCustomMemo& memo, UINT msg, WPARAM w = 0, LPARAM l = 0) {
  return ::SendMessageW(memo.Handle(), msg, w, l);
}

}  // namespace

int TMemoStrings::Count() const {
  if (!memo_.HandleAllocated()) return TextLines(memo_).Count();
  auto count = static_cast<int>(Send(memo_, EM_GETLINECOUNT));
  // The empty line after a final line break is not a line of the list.
  const LRESULT last = Send(memo_, EM_LINEINDEX, static_cast<WPARAM>(count - 1));
  if (count > 0 && Send(memo_, EM_LINELENGTH, static_cast<WPARAM>(last)) == 0) --count;
  return count;
}

std::string TMemoStrings::Get(int index) const {
  if (!memo_.HandleAllocated()) return TextLines(memo_)[index];
  const LRESULT start = Send(memo_, EM_LINEINDEX, static_cast<WPARAM>(index));
  const auto length = static_cast<size_t>(Send(memo_, EM_LINELENGTH, static_cast<WPARAM>(start)));
  if (length == 0) return {};
  std::vector<wchar_t> buffer(std::max<size_t>(length + 1, 2));
  *reinterpret_cast<WORD*>(buffer.data()) = static_cast<WORD>(std::min<size_t>(length, 0xFFFF));
  const auto got = static_cast<size_t>(
      Send(memo_, EM_GETLINE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data())));
  return ToAnsi(std::wstring_view(buffer.data(), std::min(got, length)));
}

bool TMemoStrings::LineRange(int index, int& start, int& end) const {
  start = static_cast<int>(Send(memo_, EM_LINEINDEX, static_cast<WPARAM>(index)));
  if (start < 0) return false;
  const auto next = static_cast<int>(Send(memo_, EM_LINEINDEX, static_cast<WPARAM>(index + 1)));
  end = next >= 0 ? next : start + static_cast<int>(Send(memo_, EM_LINELENGTH, static_cast<WPARAM>(start)));
  return true;
}

void TMemoStrings::Replace(int start, int end, std::wstring_view text) {
  const std::wstring value(text);
  Send(memo_, EM_SETSEL, static_cast<WPARAM>(start), end);
  Send(memo_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(value.c_str()));
}

void TMemoStrings::Put(int index, std::string_view text) {
  if (!memo_.HandleAllocated()) {
    TextLines lines(memo_);
    lines.SetStrings(index, text);
    memo_.SetText(FromAnsi(lines.Text()));
    return;
  }
  const auto start = static_cast<int>(Send(memo_, EM_LINEINDEX, static_cast<WPARAM>(index)));
  const auto length = static_cast<int>(Send(memo_, EM_LINELENGTH, static_cast<WPARAM>(start)));
  Replace(start, start + length, FromAnsi(text));
}

void TMemoStrings::InsertItem(int index, std::string_view text, TObject* /*object*/) {
  if (!memo_.HandleAllocated()) {
    TextLines lines(memo_);
    lines.Insert(index, text);
    memo_.SetText(FromAnsi(lines.Text()));
    return;
  }
  const auto at = static_cast<int>(Send(memo_, EM_LINEINDEX, static_cast<WPARAM>(index)));
  if (at >= 0) {
    Replace(at, at, FromAnsi(text) + L"\r\n");
    return;
  }
  // After a last line without a line break.
  const auto end = static_cast<int>(::GetWindowTextLengthW(memo_.Handle()));
  Replace(end, end, L"\r\n" + FromAnsi(text));
}

void TMemoStrings::Delete(int index) {
  CheckIndex(index, Count());
  if (!memo_.HandleAllocated()) {
    TextLines lines(memo_);
    lines.Delete(index);
    memo_.SetText(FromAnsi(lines.Text()));
    return;
  }
  int start = 0, end = 0;
  if (!LineRange(index, start, end)) return;
  if (Send(memo_, EM_LINEINDEX, static_cast<WPARAM>(index + 1)) < 0 && index > 0) {
    // The last line: the line break before it goes with it.
    const auto previous = static_cast<int>(Send(memo_, EM_LINEINDEX, static_cast<WPARAM>(index - 1)));
    start = previous + static_cast<int>(Send(memo_, EM_LINELENGTH, static_cast<WPARAM>(previous)));
  }
  Replace(start, end, L"");
}

void TMemoStrings::Clear() { memo_.SetText(L""); }

void TMemoStrings::SetTextStr(std::string_view text) {
  // One change of the window's text, with every line break as CR LF.
  TStringList lines;
  lines.SetText(text);
  std::string joined = lines.Text();
  if (!text.empty() && text.back() != '\n' && text.back() != '\r' && joined.size() >= 2)
    joined.resize(joined.size() - 2);
  memo_.SetText(FromAnsi(joined));
}

void TMemoStrings::SetUpdateState(bool updating) {
  if (!memo_.HandleAllocated()) return;
  Send(memo_, WM_SETREDRAW, !updating);
  if (!updating) memo_.Invalidate();
}
