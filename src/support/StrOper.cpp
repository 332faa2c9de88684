#include "Base64.h"
#include "KrvndesLib.h"
#include "PublicFunction.h"

std::string TStrOper::EncodeBase64(std::string_view text) noexcept {
  try {
    return Base64EncodeText(text);
  } catch (...) {
    return {};
  }
}

std::string TStrOper::DecodeBase64(std::string_view text) noexcept {
  try {
    return Base64DecodeText(text);
  } catch (...) {
    return {};
  }
}

std::string FormatLogLine(std::string_view stamp, std::string_view text) {
  std::string upper(text);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  std::string line(stamp);
  if (upper.find("HTTP") != std::string::npos) {
    line += "-----MAIN:";
    line += DesEncryptStringHex(text);
  } else {
    line += "-----MAIN: ";
    line += text;
  }
  return line;
}
