#include "framework/stdctrls/MemoStrings.h"

#include <algorithm>
#include <vector>

#include "AnsiText.h"
#include "framework/stdctrls/Memo.h"

namespace {

// Lines of a memo: its window's (as shown, wrapped lines included) or, with
// no window, those of its text, between CR LF pairs.
class TLineModel {
 public:
  explicit TLineModel(TCustomMemo& memo) : memo_(memo), live_(memo.HandleAllocated()) {
    if (live_) return;
    text_ = memo.Text();
    starts_.push_back(0);
    for (size_t at = text_.find(L"\r\n"); at != std::wstring::npos; at = text_.find(L"\r\n", at + 2))
      starts_.push_back(static_cast<int>(at + 2));
  }

  int LineCount() const {
    return live_ ? static_cast<int>(Send(EM_GETLINECOUNT)) : static_cast<int>(starts_.size());
  }
  // The first character of line, or -1 past the last line.
  int LineIndex(int line) const {
    if (live_) return static_cast<int>(Send(EM_LINEINDEX, static_cast<WPARAM>(line)));
    return line >= 0 && line < LineCount() ? starts_[static_cast<size_t>(line)] : -1;
  }
  int LineLength(int start) const {
    if (live_) return static_cast<int>(Send(EM_LINELENGTH, static_cast<WPARAM>(start)));
    const size_t end = text_.find(L"\r\n", static_cast<size_t>(start));
    return static_cast<int>((end == std::wstring::npos ? text_.size() : end) - static_cast<size_t>(start));
  }
  int TextLength() const {
    return live_ ? ::GetWindowTextLengthW(memo_.Handle()) : static_cast<int>(text_.size());
  }
  std::wstring Line(int line) const {
    const int start = LineIndex(line);
    const int length = LineLength(start);
    if (length <= 0) return {};
    if (!live_) return text_.substr(static_cast<size_t>(start), static_cast<size_t>(length));
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    *reinterpret_cast<WORD*>(buffer.data()) = static_cast<WORD>(std::min(length, 0xFFFF));
    const auto got = static_cast<int>(
        Send(EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(buffer.data())));
    return std::wstring(buffer.data(), static_cast<size_t>(std::clamp(got, 0, length)));
  }
  void Replace(int start, int end, const std::wstring& text) {
    if (live_) {
      Send(EM_SETSEL, static_cast<WPARAM>(start), end);
      Send(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
      return;
    }
    text_.replace(static_cast<size_t>(start), static_cast<size_t>(end - start), text);
    memo_.SetText(text_);
  }

 private:
  LRESULT Send(UINT msg, WPARAM w = 0, LPARAM l = 0) const { return ::SendMessageW(memo_.Handle(), msg, w, l); }

  TCustomMemo& memo_;
  bool live_;
  std::wstring text_;
  std::vector<int> starts_;
};

}  // namespace

int TMemoStrings::Count() const {
  const TLineModel lines(memo_);
  int count = lines.LineCount();
  // The empty line after a final line break is not a line of the list.
  if (count > 0 && lines.LineLength(lines.LineIndex(count - 1)) == 0) --count;
  return count;
}

std::string TMemoStrings::Get(int index) const { return ToAnsi(TLineModel(memo_).Line(index)); }

void TMemoStrings::Put(int index, std::string_view text) {
  TLineModel lines(memo_);
  const int start = lines.LineIndex(index);
  lines.Replace(start, start + lines.LineLength(start), FromAnsi(text));
}

void TMemoStrings::InsertItem(int index, std::string_view text, TObject* /*object*/) {
  TLineModel lines(memo_);
  const int at = lines.LineIndex(index);
  if (at >= 0) {
    lines.Replace(at, at, FromAnsi(text) + L"\r\n");
    return;
  }
  // After a last line without a line break.
  const int end = lines.TextLength();
  lines.Replace(end, end, L"\r\n" + FromAnsi(text));
}

void TMemoStrings::Delete(int index) {
  CheckIndex(index, Count());
  TLineModel lines(memo_);
  int start = lines.LineIndex(index);
  const int next = lines.LineIndex(index + 1);
  const int end = next >= 0 ? next : start + lines.LineLength(start);
  if (next < 0 && index > 0) {
    // The last line: the line break before it goes with it.
    const int previous = lines.LineIndex(index - 1);
    start = previous + lines.LineLength(previous);
  }
  lines.Replace(start, end, L"");
}

void TMemoStrings::Clear() { memo_.SetText(L""); }

void TMemoStrings::SetTextStr(std::string_view text) {
  // One change of the text, with every line break as CR LF.
  TStringList split;
  split.SetText(text);
  std::string joined = split.Text();
  if (!text.empty() && text.back() != '\n' && text.back() != '\r' && joined.size() >= 2)
    joined.resize(joined.size() - 2);
  memo_.SetText(FromAnsi(joined));
}

void TMemoStrings::SetUpdateState(bool updating) {
  if (!memo_.HandleAllocated()) return;
  ::SendMessageW(memo_.Handle(), WM_SETREDRAW, !updating, 0);
  if (!updating) memo_.Invalidate();
}
