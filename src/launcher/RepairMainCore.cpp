#include "RepairMainCore.h"

#include <vector>

#include "AnsiText.h"
#include "IdentityReaders.h"
#include "LauncherTexts.h"
#include "PublicFunction.h"

namespace {

constexpr const char* kConfigFile = "RepairConfig\\RepairConfig.ini";
constexpr const char* kConfigSection = "SysInfo";

bool IsFile(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string RunningProgramName() {
  std::vector<char> path(MAX_PATH);
  for (;;) {
    const DWORD n = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      const std::string full(path.data(), n);
      return full.substr(full.find_last_of("\\:") + 1);  // npos + 1 == 0: the whole name
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace

TAppLocation TAppLocation::OfRunningProgram() { return {TSysOper::GetAppPath(), RunningProgramName()}; }

TRepairMainCore::TRepairMainCore(IRepairMainView& view, TAppLocation location)
    : view_(view), location_(std::move(location)) {}

template <typename Reader>
bool TRepairMainCore::ReadIdentityWith() noexcept {
  try {
    Reader reader(location_.Directory);
    if (!reader.ReadIdentity()) return false;
    const TCustomerIdentity& identity = reader.CustomerIdentity;
    fields_.CompanyType = identity.CompanyType;
    fields_.CompanyNum = identity.CompanyNum;
    fields_.DeviceId = identity.DeviceId;
    fields_.CompanyName = identity.CompanyName;  // copied while the library is still loaded
    fields_.OtherInfo = identity.OtherInfo;

    if (TrimBlanks(fields_.CompanyType) == "R02") {
      fields_.CompanyType = "R01";
      // The upload account carries the company number from its 4th byte on.
      if (identity.UploadFtpUser.size() > 12) fields_.CompanyNum = identity.UploadFtpUser.substr(3, 10);
    }
    if (TrimBlanks(fields_.CompanyName).empty()) fields_.CompanyName = ToAnsi(kDefaultCompanyName);
    return true;
  } catch (...) {
    return false;
  }
}

bool TRepairMainCore::ReadCurrentIdentity() noexcept { return ReadIdentityWith<TCurrentIdentityReader>(); }

bool TRepairMainCore::ReadLegacyIdentity() noexcept { return ReadIdentityWith<TLegacyIdentityReader>(); }

void TRepairMainCore::Warn(const wchar_t* text) { view_.ShowMessageBox(text, kWarningCaption, kWarningFlags); }

bool TRepairMainCore::ReadConfig() {
  const std::string file = location_.Directory + kConfigFile;
  if (!IsFile(file)) {
    Warn(kConfigMissingText);
    return false;
  }

  fields_.RepairURL = TStrOper::DecodeBase64(TFileOper::ReadIniString(file, kConfigSection, "RepairURL"));
  const bool result = !TrimBlanks(fields_.RepairURL).empty();
  if (!result) Warn(kRepairUrlEmptyText);

  const std::string tel = TFileOper::ReadIniString(file, kConfigSection, "CompanyTel");
  if (!tel.empty())
    view_.SetPhoneCaption(kPhonePrefix + FromAnsi(tel) + kPhoneSuffix);
  else
    view_.SetControlVisible(TRepairControl::Lb_Phone, false);

  std::string mainName = TStrOper::DecodeBase64(TFileOper::ReadIniString(file, kConfigSection, "MainName"));
  if (mainName.empty()) mainName = location_.ProgramName;
  fields_.MainPath = location_.Directory + mainName;
  return result;
}

bool TRepairMainCore::ReadIdentityAndConfig() {
  if (!ReadCurrentIdentity()) ReadLegacyIdentity();
  return ReadConfig();
}

void TRepairMainCore::OpenRepairPage() {
  view_.SetControlVisible(TRepairControl::Pnl_Msg, true);
  view_.SetControlVisible(TRepairControl::Img_Gif, true);
  view_.SetControlVisible(TRepairControl::Lb_Msg, true);
  const std::string version = TFileOper::GetVersion(fields_.MainPath);
  view_.Navigate(FromAnsi(ComposeRepairAddress(fields_, version)));
}
