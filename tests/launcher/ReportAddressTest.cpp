// The report page address: the pure composition with complete expected
// addresses, and OpenRepairPage with a real main program on disk.
#include "AnsiText.h"
#include "LauncherTestSupport.h"
#include "ReportAddress.h"

namespace {

TRepairFields Fields(std::string num, std::string name, std::string type, std::string dog, std::string other,
                     std::string url = "http://repair.example.com/report.aspx") {
  return {std::move(type), std::move(num), std::move(name), std::move(dog), std::move(other), std::move(url), ""};
}

TEST(TrimBlanks, RemovesEveryByteUpTo0x20AtBothEnds) {
  EXPECT_EQ(TrimBlanks(" \t\r\n\x01 a b \x1f\x20"), "a b");
  EXPECT_EQ(TrimBlanks("\x21x\x7f"), "\x21x\x7f");
  EXPECT_EQ(TrimBlanks(" \t "), "");
  const std::string gbk = ToAnsi(L" 无 ");  // lead and trail bytes are above 0x20
  EXPECT_EQ(TrimBlanks(gbk), ToAnsi(L"无"));
}

TEST(ComposeRepairAddress, Cases) {
  const std::string chineseName = ToAnsi(L" 测试 公司 ");
  const std::string chineseOther = ToAnsi(L"附加 信息");
  const std::string dog57 = "0123456789012345678901234567890123456789012345678901234ABCDEFG";
  struct Case {
    const char* what;
    TRepairFields fields;
    const char* version;
    std::string expected;
  };
  const Case cases[] = {
      {"empty values follow one another", Fields("", ToAnsi(L"无"), "", "", ""), "0.0.0.0",
       "http://repair.example.com/report.aspx?id=&name=%E6%97%A0&type=&dog=&other=&version=0.0.0.0"},
      {"three and one byte numbers, trimming, blanks to +", Fields("\t123\r\n", chineseName, " R01 ", "DEV-0001", "a b+c/d~"),
       " 10.2.3.4567 ",
       "http://repair.example.com/report.aspx?id=MTIz&name=%E6%B5%8B%E8%AF%95+%E5%85%AC%E5%8F%B8&type=UjAx"
       "&dog=REVWLTAwMDE=&other=a+b%2Bc%2Fd%7E&version=10.2.3.4567"},
      {"padding and a + inside Base64 stay as they are", Fields("7", "A", ">>>", "", chineseOther), "1.2.3.4",
       "http://repair.example.com/report.aspx?id=Nw==&name=A&type=Pj4+&dog=&other=%E9%99%84%E5%8A%A0+%E4%BF%A1%E6%81%AF"
       "&version=1.2.3.4"},
      {"57 bytes bring CR LF", Fields("1", "A", "R01", dog57.substr(0, 50) + "ABCDEFG", ""), "1.0.0.0",
       "http://repair.example.com/report.aspx?id=MQ==&name=A&type=UjAx"
       "&dog=MDEyMzQ1Njc4OTAxMjM0NTY3ODkwMTIzNDU2Nzg5MDEyMzQ1Njc4OTAxMjM0NTY3ODlBQkNERUZH\r\n"
       "&other=&version=1.0.0.0"},
      {"58 bytes: CR LF inside the value", Fields("1", "A", "R01", dog57.substr(0, 50) + "ABCDEFGH", ""), "1.0.0.0",
       "http://repair.example.com/report.aspx?id=MQ==&name=A&type=UjAx"
       "&dog=MDEyMzQ1Njc4OTAxMjM0NTY3ODkwMTIzNDU2Nzg5MDEyMzQ1Njc4OTAxMjM0NTY3ODlBQkNERUZH\r\nSA=="
       "&other=&version=1.0.0.0"},
      {"RepairURL as stored, blanks included", Fields("", "A", "", "", "", "http://h/r \r\n"), "0.0.0.0",
       "http://h/r \r\n?id=&name=A&type=&dog=&other=&version=0.0.0.0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ComposeRepairAddress(c.fields, c.version), c.expected);
  }
}

class OpenRepairPage : public LauncherDirTest {
 protected:
  // A launcher directory whose identity and configuration give `core` its
  // fields; the main program is fixture.dll unless `mainName` says otherwise.
  void Prepare(TRepairMainCore& core, const std::string& mainName = "Zml4dHVyZS5kbGw=") {
    WriteCurrentRecord({{"CompanyNum", "123"}, {"CompanyType", "R02"}, {"CompanyName", ToAnsi(L" 测试 公司 ")},
                        {"DeviceId", "DEV-0001"}, {"UploadFtpUser", ""}, {"OtherInfo", "a b"}});
    TIniValues config = {{"RepairURL", "aHR0cDovL8D919MuY24vsajQ3g=="}};  // http://例子.cn/报修 in GBK
    if (!mainName.empty()) config.emplace_back("MainName", mainName);
    WriteConfig(config);
    ASSERT_TRUE(core.ReadIdentityAndConfig());
    view_.Calls.clear();
  }
  std::vector<std::wstring> Expected(const wchar_t* version) const {
    return {L"Pnl_Msg=shown", L"Img_Gif=shown", L"Lb_Msg=shown",
            std::wstring(L"navigate:http://例子.cn/报修?id=MTIz&name=%E6%B5%8B%E8%AF%95+%E5%85%AC%E5%8F%B8"
                         L"&type=UjAx&dog=REVWLTAwMDE=&other=a+b&version=") + version};
  }
};

TEST_F(OpenRepairPage, ReportsTheMainProgramsVersionReadAfresh) {
  box_.CopyFromProgramDir("version_fixture.dll", "fixture.dll");
  TRepairMainCore core(view_, Location());
  Prepare(core);
  core.OpenRepairPage();
  EXPECT_EQ(view_.Calls, Expected(L"1.2.3.4"));

  // Replaced between two clicks on the refresh link: the new version.
  box_.CopyFromProgramDir("version_fixture_max.dll", "fixture.dll");
  view_.Calls.clear();
  core.OpenRepairPage();
  EXPECT_EQ(view_.Calls, Expected(L"65535.0.65535.0"));
}

TEST_F(OpenRepairPage, MissingMainProgramReportsZeroVersion) {
  TRepairMainCore core(view_, Location());
  Prepare(core, "");  // the default, RepairLauncher.exe, is not there
  EXPECT_EQ(core.Fields().MainPath, box_.Dir() + "RepairLauncher.exe");
  core.OpenRepairPage();
  EXPECT_EQ(view_.Calls, Expected(L"0.0.0.0"));
}

TEST_F(OpenRepairPage, NavigateFailurePropagates) {
  TRepairMainCore core(view_, Location());
  Prepare(core);
  view_.FailNavigate = true;
  EXPECT_THROW(core.OpenRepairPage(), std::runtime_error);
}

}  // namespace
