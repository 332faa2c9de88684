// Fuzzes the tolerant Base64 decoder and the form-URL encoder: no input may
// crash them, and their results must keep the properties callers rely on.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "Base64.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);

  const std::string decoded = Base64DecodeText(input);
  if (decoded.size() > size / 4 * 3 + 3) std::abort();
  // Whatever was decoded must survive a round trip.
  if (Base64DecodeText(Base64EncodeText(decoded)) != decoded) std::abort();

  const std::string encoded = FormUrlEncode(input);
  for (char c : encoded) {
    const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                    std::string("!$'()*-.@_+%").find(c) != std::string::npos;
    if (!ok) std::abort();
  }
  return 0;
}
