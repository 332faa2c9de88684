#pragma once
// The launcher's state as the main window keeps it, and the report page
// address composed from it.
#include <string>
#include <string_view>

// The main window's seven byte strings (ANSI code page), in its order:
// the normalised identity, then the configured page address and the path of
// the main program whose version is reported.
struct TRepairFields {
  std::string CompanyType;
  std::string CompanyNum;
  std::string CompanyName;
  std::string DeviceId;
  std::string OtherInfo;
  std::string RepairURL;  // decoded, not trimmed
  std::string MainPath;
};

// Removes every leading and trailing byte whose value is 0x20 or less.
std::string_view TrimBlanks(std::string_view text) noexcept;

// RepairURL + "?id=" + B64(CompanyNum) + "&name=" + U(CompanyName)
// + "&type=" + B64(CompanyType) + "&dog=" + B64(DeviceId) + "&other=" + U(OtherInfo)
// + "&version=" + U(version), every value trimmed first; B64 is the Base64 of
// the ANSI bytes as it stands (line breaks included), U the form-URL encoding
// of the UTF-8 bytes. The result is a byte string in the ANSI code page.
std::string ComposeRepairAddress(const TRepairFields& fields, std::string_view version);
