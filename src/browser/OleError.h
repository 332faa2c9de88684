#pragma once
// Failures of COM calls as exceptions: the message is the system's text for
// the HRESULT, in the ANSI code page, so it can go to the operation log as
// it stands.
#include <windows.h>

#include <stdexcept>
#include <string>

class EOleError : public std::runtime_error {
 public:
  explicit EOleError(HRESULT code);

  HRESULT Code() const noexcept { return code_; }

 private:
  HRESULT code_;
};

// The system's text for `code` followed by its number, e.g.
// "Unspecified error (0x80004005)"; the number alone when the system has no
// text for it.
std::string OleErrorText(HRESULT code);

// Throws EOleError when `hr` is a failure.
inline void OleCheck(HRESULT hr) {
  if (FAILED(hr)) throw EOleError(hr);
}
