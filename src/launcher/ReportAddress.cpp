#include "ReportAddress.h"

#include "AnsiText.h"
#include "Base64.h"
#include "PublicFunction.h"

namespace {

bool IsBlank(char c) noexcept { return static_cast<unsigned char>(c) <= 0x20; }

std::string Base64Value(std::string_view value) { return TStrOper::EncodeBase64(TrimBlanks(value)); }

std::string TextValue(std::string_view value) { return FormUrlEncode(AnsiToUtf8(TrimBlanks(value))); }

}  // namespace

std::string_view TrimBlanks(std::string_view text) noexcept {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string ComposeRepairAddress(const TRepairFields& fields, std::string_view version) {
  std::string address = fields.RepairURL;
  address += "?id=" + Base64Value(fields.CompanyNum);
  address += "&name=" + TextValue(fields.CompanyName);
  address += "&type=" + Base64Value(fields.CompanyType);
  address += "&dog=" + Base64Value(fields.DeviceId);
  address += "&other=" + TextValue(fields.OtherInfo);
  address += "&version=" + TextValue(version);
  return address;
}
