#pragma once
// TEditMask: the format of a masked edit, "mask;save;blank".
//
// The mask is a row of positions: 0 (digit), 9 (digit or blank), L
// (letter), l (letter or blank), A (letter or digit), a (the same or
// blank), C (any character), c (any or blank); every other character is a
// literal, and \ makes the next one literal. > upper-cases and < lower-cases
// the positions after it, <> ends that. The second field 0 leaves the
// literals out of Text (default 1: kept); the third is the character shown
// for an empty position (default '_').
//
//   TEditMask phone(L"(000) 000-0000;0;_");
//   phone.Format(L"5551234")      -> L"(555) 123-4___"
//   phone.TextOf(L"(555) 123-4___") -> L"5551234"
#include <string>
#include <string_view>
#include <vector>

class TEditMask {
 public:
  TEditMask() = default;
  explicit TEditMask(std::wstring_view mask);

  // Attributes
  bool Empty() const noexcept { return slots_.empty(); }
  int Length() const noexcept { return static_cast<int>(slots_.size()); }
  wchar_t Blank() const noexcept { return blank_; }
  bool SaveLiterals() const noexcept { return saveLiterals_; }
  bool IsLiteral(int pos) const noexcept;
  // ch as typed at pos (case converted), or 0 when pos does not take it.
  wchar_t Accept(int pos, wchar_t ch) const noexcept;

  // Operations
  // The first position at or after pos (before it, backward) that takes
  // input; -1 when none.
  int NextInput(int pos) const noexcept;
  int PreviousInput(int pos) const noexcept;
  // The edit text for a Text value (with or without the literals); what
  // does not fit stays blank.
  std::wstring Format(std::wstring_view text) const;
  // The Text value of an edit text: blanks as spaces, trailing spaces
  // dropped, literals only when saved.
  std::wstring TextOf(std::wstring_view editText) const;
  // Every required position of the edit text holds a character.
  bool Complete(std::wstring_view editText) const noexcept;

 private:
  enum Kind : unsigned char { kLiteral, kDigit, kLetter, kAlnum, kAny };
  enum Case : unsigned char { kKeep, kUpper, kLower };
  struct Slot {
    Kind kind;
    bool required;
    Case charCase;
    wchar_t literal;
  };
  std::vector<Slot> slots_;
  bool saveLiterals_ = true;
  wchar_t blank_ = L'_';
};
