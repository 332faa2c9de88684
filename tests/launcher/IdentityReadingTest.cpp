// Reading the customer's identity into the main window's fields: choice of
// generation, failed library calls, and the normalisation rules.
#include <windows.h>
#include <winternl.h>

#include <filesystem>

#include "AnsiText.h"
#include "IdentityReaders.h"
#include "LauncherTestSupport.h"

namespace {

// Records the base names of the DLLs the process loads while it lives.
class TDllLoadWatch {
 public:
  TDllLoadWatch() {
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    const auto reg = reinterpret_cast<Register>(reinterpret_cast<void*>(::GetProcAddress(ntdll, "LdrRegisterDllNotification")));
    unregister_ = reinterpret_cast<Unregister>(reinterpret_cast<void*>(::GetProcAddress(ntdll, "LdrUnregisterDllNotification")));
    if (reg == nullptr || unregister_ == nullptr || reg(0, &OnEvent, this, &cookie_) != 0)
      ADD_FAILURE() << "DLL load notifications unavailable";
  }
  ~TDllLoadWatch() {
    if (cookie_ != nullptr) unregister_(cookie_);
  }
  bool SawLoad(const std::wstring& baseName) const {
    for (const auto& name : loaded_)
      if (::lstrcmpiW(name.c_str(), baseName.c_str()) == 0) return true;
    return false;
  }

 private:
  struct Data {
    ULONG Flags;
    const UNICODE_STRING* FullDllName;
    const UNICODE_STRING* BaseDllName;
    PVOID DllBase;
    ULONG SizeOfImage;
  };
  using Callback = VOID(CALLBACK*)(ULONG, const Data*, PVOID);
  using Register = NTSTATUS(NTAPI*)(ULONG, Callback, PVOID, PVOID*);
  using Unregister = NTSTATUS(NTAPI*)(PVOID);

  static VOID CALLBACK OnEvent(ULONG reason, const Data* data, PVOID context) {
    if (reason == 1 /* loaded */ && data->BaseDllName != nullptr)
      static_cast<TDllLoadWatch*>(context)->loaded_.emplace_back(data->BaseDllName->Buffer,
                                                                 data->BaseDllName->Length / sizeof(wchar_t));
  }

  Unregister unregister_ = nullptr;
  PVOID cookie_ = nullptr;
  std::vector<std::wstring> loaded_;
};

const TIniValues kLegacyRecord = {{"CompanyNum", "L-0001"},      {"CompanyType", "R03"},
                                  {"CompanyName", "Legacy Co"},  {"DeviceId", "L-DEV"},
                                  {"UploadFtpUser", "legacyftp"}, {"OtherInfo", "legacy's own, never read"}};

void ExpectIdentity(const TRepairFields& f, const std::string& type, const std::string& num,
                    const std::string& name, const std::string& dog, const std::string& other) {
  EXPECT_EQ(f.CompanyType, type);
  EXPECT_EQ(f.CompanyNum, num);
  EXPECT_EQ(f.CompanyName, name);
  EXPECT_EQ(f.DeviceId, dog);
  EXPECT_EQ(f.OtherInfo, other);
}

using IdentityReading = LauncherDirTest;

TEST_F(IdentityReading, CurrentRecordIsUsedAndLegacyNeverLoaded) {
  const std::string name = ToAnsi(L"杭州测试有限公司");
  const std::string other = ToAnsi(L"附加信息");
  WriteCurrentRecord({{"CompanyNum", "C-0001"}, {"CompanyType", "R01"}, {"CompanyName", name},
                      {"DeviceId", "C-DEV"}, {"UploadFtpUser", "currentftp"}, {"OtherInfo", other}});
  WriteLegacyRecord(kLegacyRecord);
  WriteConfig({{"RepairURL", "aHR0cDovL3JlcGFpci5leGFtcGxlLmNvbS9yZXBvcnQuYXNweA=="}});

  TRepairMainCore core(view_, Location());
  const TDllLoadWatch watch;
  EXPECT_TRUE(core.ReadIdentityAndConfig());
  ExpectIdentity(core.Fields(), "R01", "C-0001", name, "C-DEV", other);
  EXPECT_TRUE(watch.SawLoad(L"CustomerIdentity.dll"));
  EXPECT_FALSE(watch.SawLoad(L"CustomerIdentityLegacy.dll"));
  // Both readers are gone: no identity DLL stays loaded.
  EXPECT_EQ(::GetModuleHandleA((box_.Dir() + kCurrentIdentityDll).c_str()), nullptr);
}

TEST_F(IdentityReading, WithoutCurrentRecordTheLegacyRecordIsUsed) {
  WriteLegacyRecord(kLegacyRecord);
  WriteConfig({{"RepairURL", "aHR0cDovL3JlcGFpci5leGFtcGxlLmNvbS9yZXBvcnQuYXNweA=="}});

  TRepairMainCore core(view_, Location());
  EXPECT_FALSE(core.ReadCurrentIdentity());
  ExpectIdentity(core.Fields(), "", "", "", "", "");  // left as they were
  EXPECT_TRUE(core.ReadIdentityAndConfig());
  // OtherInfo comes from the current generation, which has no record: "".
  ExpectIdentity(core.Fields(), "R03", "L-0001", "Legacy Co", "L-DEV", "");
}

TEST_F(IdentityReading, LegacyOtherInfoComesFromCurrentGeneration) {
  const std::string other = ToAnsi(L"当前代的附加信息");
  WriteCurrentRecord({{"CompanyName", "Current Co"}, {"OtherInfo", other}});
  WriteLegacyRecord(kLegacyRecord);
  TRepairMainCore core(view_, Location());
  EXPECT_TRUE(core.ReadLegacyIdentity());
  ExpectIdentity(core.Fields(), "R03", "L-0001", "Legacy Co", "L-DEV", other);
}

// A failed call (missing DLL, missing getter, NULL result) fails the whole
// read and leaves the fields alone. The test program's own directory holds
// both DLLs with complete records, so a load through the DLL search path
// instead of by full path would succeed and be caught here.
TEST_F(IdentityReading, FailedCallsFailTheReadAndChangeNothing) {
  TScopedFiles programDirRecords(ProgramDir());
  const TIniValues decoy = {{"CompanyNum", "decoy"}, {"CompanyType", "R01"}, {"CompanyName", "Decoy"},
                            {"DeviceId", "decoy"},   {"UploadFtpUser", "decoy"}, {"OtherInfo", "decoy"}};
  const std::string decoyText = IniText("Identity", decoy);
  programDirRecords.Write("CustomerIdentity.ini", decoyText);
  programDirRecords.Write("CustomerIdentityLegacy.ini", decoyText);

  struct Case {
    const char* what;
    bool currentDll, legacyDll, currentRecord, legacyRecord, currentIsLegacyCopy;
    bool knownDirectory;
  };
  const Case cases[] = {
      {"no record anywhere", true, true, false, false, false, true},
      {"current DLL missing: legacy cannot get OtherInfo", false, true, false, true, false, true},
      {"legacy DLL missing", true, false, false, false, false, true},
      {"current DLL without Func_GetOtherInfo", true, true, true, true, true, true},
      {"launcher directory unknown", true, true, true, true, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    box_.Remove(kCurrentIdentityDll);
    box_.Remove(kLegacyIdentityDll);
    box_.Remove("CustomerIdentity.ini");
    box_.Remove("CustomerIdentityLegacy.ini");
    if (c.currentDll) box_.CopyFromProgramDir(c.currentIsLegacyCopy ? kLegacyIdentityDll : kCurrentIdentityDll, kCurrentIdentityDll);
    if (c.legacyDll) box_.CopyFromProgramDir(kLegacyIdentityDll);
    if (c.currentRecord) WriteCurrentRecord(kLegacyRecord);
    if (c.legacyRecord) WriteLegacyRecord(kLegacyRecord);

    TAppLocation location = Location();
    if (!c.knownDirectory) location.Directory.clear();
    TRepairMainCore core(view_, location);
    EXPECT_FALSE(core.ReadCurrentIdentity());
    EXPECT_FALSE(core.ReadLegacyIdentity());
    ExpectIdentity(core.Fields(), "", "", "", "", "");
  }
  EXPECT_TRUE(view_.Calls.empty());
}

TEST_F(IdentityReading, TypeAndNameAreNormalised) {
  const std::string blankName = ToAnsi(L"  \t ");
  const std::string paddedName = ToAnsi(L"  测试公司 ");
  struct Case {
    std::string type, upload, name;
    std::string wantType, wantNum, wantName;
  };
  const Case cases[] = {
      {"R02", "ftp1234567890", "A", "R01", "1234567890", "A"},      // 13 bytes: bytes 4 to 13
      {"R02", "ftp123456789", "A", "R01", "0000000001", "A"},       // 12 bytes: number as read
      {" R02\t", "abc9876543210xyz", "A", "R01", "9876543210", "A"},  // blanks around R02
      {"r02", "ftp1234567890", "A", "r02", "0000000001", "A"},      // case-sensitive
      {"R01", "ftp1234567890", "A", "R01", "0000000001", "A"},
      {" R03 ", "", "A", " R03 ", "0000000001", "A"},               // other types kept as read
      {"", "", "A", "", "0000000001", "A"},
      {"R01", "", "", "R01", "0000000001", ToAnsi(L"无")},
      {"R01", "", blankName, "R01", "0000000001", ToAnsi(L"无")},
      {"R01", "", paddedName, "R01", "0000000001", paddedName},     // blanks kept here
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("type '" + c.type + "' upload '" + c.upload + "'");
    WriteCurrentRecord({{"CompanyNum", "0000000001"}, {"CompanyType", c.type}, {"CompanyName", c.name},
                        {"DeviceId", "D"}, {"UploadFtpUser", c.upload}, {"OtherInfo", "O"}});
    TRepairMainCore core(view_, Location());
    ASSERT_TRUE(core.ReadCurrentIdentity());
    ExpectIdentity(core.Fields(), c.wantType, c.wantNum, c.wantName, "D", "O");
  }
}

}  // namespace
