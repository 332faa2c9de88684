// The Windows-side helpers: application path, operation log, INI read and
// file version query, exercised on the real file system.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "AnsiText.h"
#include "KrvndesLib.h"
#include "PublicFunction.h"

namespace fs = std::filesystem;

namespace {

fs::path AppDir() { return fs::path(FromAnsi(TSysOper::GetAppPath())); }

std::string Today() {
  SYSTEMTIME t;
  ::GetLocalTime(&t);
  char s[16];
  std::snprintf(s, sizeof s, "%04u%02u%02u", t.wYear, t.wMonth, t.wDay);
  return s;
}

fs::path LogFile() { return AppDir() / "LogFiles" / ("Inspect_" + Today() + ".txt"); }

std::string ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string Unhex(const std::string& hex) {
  std::string out;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
    out += static_cast<char>(std::stoul(hex.substr(i, 2), nullptr, 16));
  return out;
}

class LogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::error_code ec;
    fs::remove_all(AppDir() / "LogFiles", ec);
  }
  void TearDown() override { SetUp(); }
};

TEST(GetAppPath, IsTheExecutablesDirectoryWithBackslash) {
  const std::string path = TSysOper::GetAppPath();
  ASSERT_FALSE(path.empty());
  EXPECT_EQ(path.back(), '\\');
  char module[MAX_PATH];
  ::GetModuleFileNameA(nullptr, module, MAX_PATH);
  EXPECT_EQ(std::string(module).rfind(path, 0), 0u);
  EXPECT_EQ(std::string(module).find('\\', path.size()), std::string::npos);
}

TEST_F(LogTest, FirstLineCreatesDirectoryAndFile) {
  TSysOper::WriteLog("first line");
  const std::string text = ReadAll(LogFile());
  ASSERT_EQ(text.size(), 19u + 11u + 10u + 2u) << text;
  EXPECT_EQ(text.substr(19), "-----MAIN: first line\r\n");
  // "yyyy-mm-dd hh:nn:ss"
  const std::string stamp = text.substr(0, 19);
  EXPECT_EQ(stamp.substr(0, 4) + stamp.substr(5, 2) + stamp.substr(8, 2), Today());
  EXPECT_EQ(stamp[4], '-');
  EXPECT_EQ(stamp[10], ' ');
  EXPECT_EQ(stamp[13], ':');

  TSysOper::WriteLog("");
  const std::string two = ReadAll(LogFile());
  EXPECT_EQ(two.substr(text.size() + 19), "-----MAIN: \r\n");
}

TEST_F(LogTest, LinesMentioningHttpAreEnciphered) {
  const std::string message = "GET http://127.0.0.1/report?id=1";
  TSysOper::WriteLog(message);
  const std::string line = ReadAll(LogFile());
  ASSERT_GT(line.size(), 19u + 10u + 2u);
  ASSERT_EQ(line.substr(19, 10), "-----MAIN:");
  const std::string hex = line.substr(29, line.size() - 31);
  EXPECT_EQ(hex.size() % 16, 0u);
  EXPECT_EQ(hex.find_first_not_of("0123456789ABCDEF"), std::string::npos);

  // Decipher with the block operation and compare.
  std::string key(LogCipherKey.substr(0, 8));
  DesKey k;
  std::copy(key.begin(), key.end(), k.begin());
  DesMakeSubKeys(k);
  const std::string cipher = Unhex(hex);
  std::string plain;
  for (std::size_t at = 0; at < cipher.size(); at += 8) {
    DesBlock b;
    std::copy(cipher.begin() + at, cipher.begin() + at + 8, b.begin());
    const DesBlock p = DesProcessBlock(DesDirection::Decipher, b);
    plain.append(p.begin(), p.end());
  }
  EXPECT_EQ(plain.substr(0, message.size()), message);
  EXPECT_EQ(plain.find_first_not_of('\0', message.size()), std::string::npos);
}

TEST_F(LogTest, CaseAndSplitLettersDecideEncipherment) {
  EXPECT_EQ(FormatLogLine("S", "xhTtPs").substr(0, 11), "S-----MAIN:");
  EXPECT_NE(FormatLogLine("S", "xhTtPs")[11], ' ');
  EXPECT_EQ(FormatLogLine("S", "H T T P"), "S-----MAIN: H T T P");
  EXPECT_EQ(FormatLogLine("S", "abcdefgh").size(), 20u);  // plain
  EXPECT_EQ(FormatLogLine("S", "http").size(), 1u + 10u + 16u);
}

TEST_F(LogTest, RefusedTextWritesNothing) {
  TSysOper::WriteLog(std::string("HTTP\0", 5));
  EXPECT_FALSE(fs::exists(LogFile()));
}

TEST_F(LogTest, UnwritableDirectoryIsSwallowed) {
  // A file where the directory should be: neither directory nor log file
  // can be made, and the call returns normally.
  { std::ofstream(AppDir() / "LogFiles") << "in the way"; }
  TSysOper::WriteLog("lost line");
  EXPECT_TRUE(fs::is_regular_file(AppDir() / "LogFiles"));
  EXPECT_EQ(ReadAll(AppDir() / "LogFiles"), "in the way");
}

TEST_F(LogTest, GetVersionOfAFixtureAndOfAMissingFile) {
  const std::string fixture = TSysOper::GetAppPath() + "version_fixture.dll";
  EXPECT_EQ(TFileOper::GetVersion(fixture), "1.2.3.4");
  EXPECT_EQ(TFileOper::GetVersion(TSysOper::GetAppPath() + "version_fixture_max.dll"), "65535.0.65535.0");
  EXPECT_FALSE(fs::exists(LogFile()));

  const std::string missing = TSysOper::GetAppPath() + "no_such_file.exe";
  EXPECT_EQ(TFileOper::GetVersion(missing), "0.0.0.0");
  const std::string log = ReadAll(LogFile());
  const std::string prefix = "-----MAIN: " + ToAnsi(L"获取文件【") + missing +
                             ToAnsi(L"】版本号信息失败,TFileOper->GetVersion中错误:");
  EXPECT_EQ(log.substr(19, prefix.size()), prefix);
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1);
}

TEST(ReadIniString, PresentEmptyAndAbsentKeys) {
  const fs::path ini = AppDir() / "read_ini_test.ini";
  { std::ofstream(ini) << "[SysInfo]\r\nRepairURL=aHR0cA==\r\nEmpty=\r\n[Other]\r\nKey=v\r\n"; }
  const std::string file = TSysOper::GetAppPath() + "read_ini_test.ini";
  EXPECT_EQ(TFileOper::ReadIniString(file, "SysInfo", "RepairURL"), "aHR0cA==");
  EXPECT_EQ(TFileOper::ReadIniString(file, "SysInfo", "Empty"), "");
  EXPECT_EQ(TFileOper::ReadIniString(file, "SysInfo", "Absent"), "");
  EXPECT_EQ(TFileOper::ReadIniString(file, "Absent", "Key"), "");
  EXPECT_EQ(TFileOper::ReadIniString(file, "Other", "Key"), "v");
  EXPECT_EQ(TFileOper::ReadIniString(file + ".missing", "SysInfo", "RepairURL"), "");

  { std::ofstream(ini) << "[SysInfo]\r\nLong=" << std::string(3000, 'x') << "\r\n"; }
  EXPECT_EQ(TFileOper::ReadIniString(file, "SysInfo", "Long"), std::string(2047, 'x'));
  fs::remove(ini);
}

}  // namespace
