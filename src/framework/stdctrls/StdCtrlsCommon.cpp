#include "framework/stdctrls/StdCtrlsCommon.h"

#include <atomic>
#include <vector>

bool IsAccel(wchar_t ch, std::wstring_view caption) noexcept {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] == L'&') {
      ++i;  // a literal ampersand
      continue;
    }
    // Case-insensitive in the user's locale.
    wchar_t a[2] = {caption[i + 1], 0}, b[2] = {ch, 0};
    ::CharUpperW(a);
    ::CharUpperW(b);
    return a[0] == b[0];
  }
  return false;
}

std::wstring StripAccel(std::wstring_view caption) {
  std::wstring out;
  out.reserve(caption.size());
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == L'&' && i + 1 < caption.size()) ++i;
    out.push_back(caption[i]);
  }
  return out;
}

std::wstring WindowText(HWND window) {
  const int length = ::GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
  const int got = ::GetWindowTextW(window, buffer.data(), length + 1);
  return std::wstring(buffer.data(), static_cast<size_t>(got > 0 ? got : 0));
}

HMENU NextChildId() noexcept {
  // Ids 1..0xFFFF (dialog ids are 16-bit), skipping the dialog button ids.
  static std::atomic<unsigned> next{0x100};
  unsigned id = next.fetch_add(1) % 0xFF00 + 0x100;
  return reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id));
}

std::vector<TPropInfo> StdPublished::With(std::vector<TPropInfo> own, unsigned options) {
  std::vector<TPropInfo> list = {PropLeft(), PropTop(), PropWidth(), PropHeight(), PropAlign(), PropAnchors()};
  for (TPropInfo& p : own) list.push_back(std::move(p));
  list.push_back(PropColor());
  if (options & kParentColor) list.push_back(PropParentColor());
  for (TPropInfo p : {PropFont(), PropParentFont(), PropCursor(), PropHint(), PropEnabled(), PropVisible()})
    list.push_back(std::move(p));
  if (options & kWindowed) list.push_back(PropTabStop());
  return list;
}
