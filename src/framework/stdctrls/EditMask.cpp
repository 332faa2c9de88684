#include "framework/stdctrls/EditMask.h"

#include <windows.h>

namespace {

bool IsDigit(wchar_t ch) { return ch >= L'0' && ch <= L'9'; }

}  // namespace

TEditMask::TEditMask(std::wstring_view mask) {
  // The fields after the mask: the last ';'-separated ones.
  std::wstring_view body = mask;
  const size_t last = mask.rfind(L';');
  if (last != std::wstring_view::npos) {
    const size_t middle = mask.rfind(L';', last == 0 ? 0 : last - 1);
    if (middle != std::wstring_view::npos && middle < last) {
      body = mask.substr(0, middle);
      saveLiterals_ = mask.substr(middle + 1, last - middle - 1) != L"0";
      if (last + 1 < mask.size()) blank_ = mask[last + 1];
    } else {
      body = mask.substr(0, last);
      saveLiterals_ = mask.substr(last + 1) != L"0";
    }
  }
  Case charCase = kKeep;
  for (size_t i = 0; i < body.size(); ++i) {
    const wchar_t c = body[i];
    switch (c) {
      case L'0': slots_.push_back({kDigit, true, charCase, 0}); break;
      case L'9': slots_.push_back({kDigit, false, charCase, 0}); break;
      case L'L': slots_.push_back({kLetter, true, charCase, 0}); break;
      case L'l': slots_.push_back({kLetter, false, charCase, 0}); break;
      case L'A': slots_.push_back({kAlnum, true, charCase, 0}); break;
      case L'a': slots_.push_back({kAlnum, false, charCase, 0}); break;
      case L'C': slots_.push_back({kAny, true, charCase, 0}); break;
      case L'c': slots_.push_back({kAny, false, charCase, 0}); break;
      case L'>':
        charCase = kUpper;
        break;
      case L'<':
        if (i + 1 < body.size() && body[i + 1] == L'>') {
          charCase = kKeep;
          ++i;
        } else {
          charCase = kLower;
        }
        break;
      case L'!': break;  // accepted, no effect
      case L'\\':
        if (i + 1 < body.size()) slots_.push_back({kLiteral, false, kKeep, body[++i]});
        break;
      default: slots_.push_back({kLiteral, false, kKeep, c}); break;
    }
  }
}

bool TEditMask::IsLiteral(int pos) const noexcept {
  return pos >= 0 && pos < Length() && slots_[static_cast<size_t>(pos)].kind == kLiteral;
}

wchar_t TEditMask::Accept(int pos, wchar_t ch) const noexcept {
  if (pos < 0 || pos >= Length() || ch < L' ') return 0;
  const Slot& s = slots_[static_cast<size_t>(pos)];
  bool ok = false;
  switch (s.kind) {
    case kLiteral: return 0;
    case kDigit: ok = IsDigit(ch); break;
    case kLetter: ok = ::IsCharAlphaW(ch) != FALSE; break;
    case kAlnum: ok = ::IsCharAlphaNumericW(ch) != FALSE; break;
    case kAny: ok = true; break;
  }
  if (!ok) return 0;
  if (s.charCase == kKeep) return ch;
  wchar_t buffer[2] = {ch, 0};
  if (s.charCase == kUpper)
    ::CharUpperW(buffer);
  else
    ::CharLowerW(buffer);
  return buffer[0];
}

int TEditMask::NextInput(int pos) const noexcept {
  for (int i = pos < 0 ? 0 : pos; i < Length(); ++i)
    if (!IsLiteral(i)) return i;
  return -1;
}

int TEditMask::PreviousInput(int pos) const noexcept {
  for (int i = pos >= Length() ? Length() - 1 : pos; i >= 0; --i)
    if (!IsLiteral(i)) return i;
  return -1;
}

std::wstring TEditMask::Format(std::wstring_view text) const {
  std::wstring out;
  out.reserve(slots_.size());
  size_t j = 0;
  for (int pos = 0; pos < Length(); ++pos) {
    const Slot& s = slots_[static_cast<size_t>(pos)];
    if (s.kind == kLiteral) {
      if (j < text.size() && text[j] == s.literal) ++j;  // the literal was kept in the text
      out.push_back(s.literal);
      continue;
    }
    const wchar_t typed = j < text.size() ? text[j++] : 0;
    const wchar_t accepted = typed == L' ' ? 0 : Accept(pos, typed);
    out.push_back(accepted ? accepted : blank_);
  }
  return out;
}

std::wstring TEditMask::TextOf(std::wstring_view editText) const {
  std::wstring out;
  for (int pos = 0; pos < Length() && pos < static_cast<int>(editText.size()); ++pos) {
    const wchar_t c = editText[static_cast<size_t>(pos)];
    if (IsLiteral(pos)) {
      if (saveLiterals_) out.push_back(c);
    } else {
      out.push_back(c == blank_ ? L' ' : c);
    }
  }
  while (!out.empty() && out.back() == L' ') out.pop_back();
  return out;
}

bool TEditMask::Complete(std::wstring_view editText) const noexcept {
  for (int pos = 0; pos < Length(); ++pos) {
    const Slot& s = slots_[static_cast<size_t>(pos)];
    if (!s.required) continue;
    if (pos >= static_cast<int>(editText.size()) || editText[static_cast<size_t>(pos)] == blank_) return false;
  }
  return true;
}
