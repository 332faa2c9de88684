// The identity library's two DLLs, loaded from a sandbox with and without
// their records.
#include <windows.h>

#include <gtest/gtest.h>

#include "AnsiText.h"
#include "CustomerIdentityApi.h"
#include "TestSandbox.h"
#include "UniqueHandle.h"

namespace {

const char* const kFiveGetters[] = {kGetCompanyNum, kGetCompanyType, kGetCompanyName, kGetDeviceId,
                                    kGetUploadFtpUser};

class TLoadedDll {
 public:
  explicit TLoadedDll(const std::string& path) : module_(::LoadLibraryA(path.c_str())) {}
  bool Loaded() const { return static_cast<bool>(module_); }
  TIdentityGetter Getter(const char* name) const {
    return reinterpret_cast<TIdentityGetter>(reinterpret_cast<void*>(::GetProcAddress(module_.get(), name)));
  }
  const char* Call(const char* name) const {
    const TIdentityGetter getter = Getter(name);
    if (getter == nullptr) ADD_FAILURE() << "no export " << name;
    return getter != nullptr ? getter() : nullptr;
  }
  void Unload() { module_.reset(); }

 private:
  UniqueModule module_;
};

class IdentityLibrary : public ::testing::Test {
 protected:
  IdentityLibrary() : box_(::testing::UnitTest::GetInstance()->current_test_info()->name()) {
    box_.CopyFromProgramDir(kCurrentIdentityDll);
    box_.CopyFromProgramDir(kLegacyIdentityDll);
  }
  TLoadedDll Current() const { return TLoadedDll(box_.Dir() + kCurrentIdentityDll); }
  TLoadedDll Legacy() const { return TLoadedDll(box_.Dir() + kLegacyIdentityDll); }

  TTestSandbox box_;
};

TEST_F(IdentityLibrary, CurrentDeliversItsRecordAsWritten) {
  const std::string name = ToAnsi(L"  杭州测试软件有限公司 ");
  const std::string longInfo(3000, 'x');
  box_.WriteFile("CustomerIdentity.ini",
                 IniText("Identity", {{"CompanyNum", "1234567890"}, {"CompanyType", " R02 "},
                                      {"CompanyName", name}, {"DeviceId", "DEV-0001"},
                                      {"UploadFtpUser", "ftp1234567890"}, {"OtherInfo", longInfo}}));
  const TLoadedDll dll = Current();
  ASSERT_TRUE(dll.Loaded());
  EXPECT_STREQ(dll.Call(kGetCompanyNum), "1234567890");
  EXPECT_STREQ(dll.Call(kGetCompanyType), " R02 ");
  EXPECT_STREQ(dll.Call(kGetCompanyName), name.c_str());
  EXPECT_STREQ(dll.Call(kGetDeviceId), "DEV-0001");
  EXPECT_STREQ(dll.Call(kGetUploadFtpUser), "ftp1234567890");
  EXPECT_STREQ(dll.Call(kGetOtherInfo), longInfo.c_str());
}

TEST_F(IdentityLibrary, WithoutRecordGettersReturnNullButCurrentOtherInfoIsEmpty) {
  // No file, a file without the section, and an empty section: no record.
  const char* const files[] = {nullptr, "[Other]\r\nCompanyNum=\"1\"\r\n", "[Identity]\r\n"};
  for (const char* file : files) {
    SCOPED_TRACE(file ? file : "(no file)");
    box_.Remove("CustomerIdentity.ini");
    box_.Remove("CustomerIdentityLegacy.ini");
    if (file != nullptr) {
      box_.WriteFile("CustomerIdentity.ini", file);
      box_.WriteFile("CustomerIdentityLegacy.ini", file);
    }
    const TLoadedDll current = Current();
    const TLoadedDll legacy = Legacy();
    ASSERT_TRUE(current.Loaded() && legacy.Loaded());
    for (const char* getter : kFiveGetters) {
      EXPECT_EQ(current.Call(getter), nullptr) << getter;
      EXPECT_EQ(legacy.Call(getter), nullptr) << getter;
    }
    const char* other = current.Call(kGetOtherInfo);
    ASSERT_NE(other, nullptr);
    EXPECT_STREQ(other, "");
  }
}

TEST_F(IdentityLibrary, MissingKeysOfAnExistingRecordReadEmpty) {
  box_.WriteFile("CustomerIdentity.ini", IniText("Identity", {{"CompanyName", "A"}}));
  const TLoadedDll dll = Current();
  EXPECT_STREQ(dll.Call(kGetCompanyName), "A");
  for (const char* getter : {kGetCompanyNum, kGetCompanyType, kGetDeviceId, kGetUploadFtpUser, kGetOtherInfo}) {
    const char* value = dll.Call(getter);
    ASSERT_NE(value, nullptr) << getter;
    EXPECT_STREQ(value, "") << getter;
  }
}

TEST_F(IdentityLibrary, LegacyHasFiveGettersAndItsOwnFile) {
  box_.WriteFile("CustomerIdentity.ini", IniText("Identity", {{"CompanyNum", "current"}}));
  box_.WriteFile("CustomerIdentityLegacy.ini",
                 IniText("Identity", {{"CompanyNum", "L-1"}, {"CompanyType", "R01"}, {"CompanyName", "Legacy Co"},
                                      {"DeviceId", "L-DEV"}, {"UploadFtpUser", "L-ftp"}, {"OtherInfo", "ignored"}}));
  const TLoadedDll dll = Legacy();
  ASSERT_TRUE(dll.Loaded());
  EXPECT_EQ(dll.Getter(kGetOtherInfo), nullptr);
  EXPECT_STREQ(dll.Call(kGetCompanyNum), "L-1");
  EXPECT_STREQ(dll.Call(kGetCompanyType), "R01");
  EXPECT_STREQ(dll.Call(kGetCompanyName), "Legacy Co");
  EXPECT_STREQ(dll.Call(kGetDeviceId), "L-DEV");
  EXPECT_STREQ(dll.Call(kGetUploadFtpUser), "L-ftp");
}

TEST_F(IdentityLibrary, StringsStayValidAndUnchangedUntilUnload) {
  box_.WriteFile("CustomerIdentity.ini", IniText("Identity", {{"CompanyName", "first"}}));
  TLoadedDll dll = Current();
  const char* first = dll.Call(kGetCompanyName);
  box_.WriteFile("CustomerIdentity.ini", IniText("Identity", {{"CompanyName", "second, much longer name"}}));
  const char* again = dll.Call(kGetCompanyName);
  EXPECT_EQ(again, first);
  EXPECT_STREQ(first, "first");

  dll.Unload();  // a new load reads the record afresh
  const TLoadedDll reloaded = Current();
  EXPECT_STREQ(reloaded.Call(kGetCompanyName), "second, much longer name");
}

}  // namespace
