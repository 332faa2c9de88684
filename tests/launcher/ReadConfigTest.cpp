// Reading RepairConfig\RepairConfig.ini: the two warnings, the telephone
// label, the page address and the main program's path.
#include <optional>

#include "AnsiText.h"
#include "LauncherTestSupport.h"

namespace {

const char* const kUrl = "aHR0cDovL3JlcGFpci5leGFtcGxlLmNvbS9yZXBvcnQuYXNweA==";  // http://repair.example.com/report.aspx
const wchar_t* const kNoFileBox = L"box:配置文件不存在,无法启动软件|提示|48";
const wchar_t* const kNoUrlBox = L"box:读取软件报修页面地址为空,无法启动软件|提示|48";

struct Case {
  const char* what;
  std::optional<TIniValues> config;  // nullopt: no file
  bool result;
  std::vector<std::wstring> calls;
  std::string repairUrl;
  std::string mainName;  // MainPath below the launcher's directory; "-" when left unset
};

std::vector<Case> Cases() {
  const std::string tel = ToAnsi(L"0571-88886666转8001");
  return {
      {"no file", std::nullopt, false, {kNoFileBox}, "", "-"},
      {"only RepairURL", TIniValues{{"RepairURL", kUrl}}, true, {L"Lb_Phone=hidden"},
       "http://repair.example.com/report.aspx", "RepairLauncher.exe"},
      {"no RepairURL: warned, the rest still read", TIniValues{{"CompanyTel", "110"}, {"MainName", "YmluXG1haW4uZXhl"}},
       false, {kNoUrlBox, L"phone:客服电话:【110】"}, "", "bin\\main.exe"},
      {"RepairURL decodes to blanks", TIniValues{{"RepairURL", "ICAg"}}, false, {kNoUrlBox, L"Lb_Phone=hidden"}, "   ",
       "RepairLauncher.exe"},
      {"RepairURL not Base64 at all", TIniValues{{"RepairURL", "!!!"}}, false, {kNoUrlBox, L"Lb_Phone=hidden"}, "",
       "RepairLauncher.exe"},
      {"trailing blanks and line break kept", TIniValues{{"RepairURL", "aHR0cDovL3JlcGFpci5leGFtcGxlLmNvbS9yICANCg=="}},
       true, {L"Lb_Phone=hidden"}, "http://repair.example.com/r  \r\n", "RepairLauncher.exe"},
      {"CompanyTel as written", TIniValues{{"RepairURL", kUrl}, {"CompanyTel", tel}}, true,
       {L"phone:客服电话:【0571-88886666转8001】"}, "http://repair.example.com/report.aspx", "RepairLauncher.exe"},
      {"blank CompanyTel is a value", TIniValues{{"RepairURL", kUrl}, {"CompanyTel", "  "}}, true,
       {L"phone:客服电话:【  】"}, "http://repair.example.com/report.aspx", "RepairLauncher.exe"},
      {"MainName with a sub-directory", TIniValues{{"RepairURL", kUrl}, {"MainName", "YmluXG1haW4uZXhl"}}, true,
       {L"Lb_Phone=hidden"}, "http://repair.example.com/report.aspx", "bin\\main.exe"},
      {"MainName decoding to nothing", TIniValues{{"RepairURL", kUrl}, {"MainName", "***"}}, true,
       {L"Lb_Phone=hidden"}, "http://repair.example.com/report.aspx", "RepairLauncher.exe"},
  };
}

using ReadConfig = LauncherDirTest;

TEST_F(ReadConfig, Cases) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.what);
    box_.Remove("RepairConfig");
    if (c.config) WriteConfig(*c.config);
    TRecordingView view;
    TRepairMainCore core(view, Location());
    EXPECT_EQ(core.ReadConfig(), c.result);
    EXPECT_EQ(view.Calls, c.calls);
    EXPECT_EQ(core.Fields().RepairURL, c.repairUrl);
    EXPECT_EQ(core.Fields().MainPath, c.mainName == "-" ? "" : box_.Dir() + c.mainName);
  }
}

TEST_F(ReadConfig, DirectoryInPlaceOfTheFileCountsAsMissing) {
  std::filesystem::create_directories(box_.Path("RepairConfig\\RepairConfig.ini"));
  TRepairMainCore core(view_, Location());
  EXPECT_FALSE(core.ReadConfig());
  EXPECT_EQ(view_.Calls, std::vector<std::wstring>{kNoFileBox});
}

TEST_F(ReadConfig, DefaultLocationIsTheRunningProgram) {
  const TAppLocation location = TAppLocation::OfRunningProgram();
  EXPECT_EQ(location.Directory, ProgramDir());
  EXPECT_EQ(location.ProgramName, "launcher_core_test.exe");
}

}  // namespace
