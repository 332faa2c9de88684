#pragma once
// Shared pieces of the launcher's tests: a view that records what the
// launcher logic asks of the window, and a sandbox laid out like the
// launcher's directory.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "CustomerIdentityApi.h"
#include "RepairMainCore.h"
#include "TestSandbox.h"

class TRecordingView : public IRepairMainView {
 public:
  void ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT flags) override {
    Calls.push_back(L"box:" + text + L"|" + caption + L"|" + std::to_wstring(flags));
  }
  void SetPhoneCaption(const std::wstring& caption) override { Calls.push_back(L"phone:" + caption); }
  void SetControlVisible(TRepairControl control, bool visible) override {
    static const wchar_t* const names[] = {L"Pnl_Web", L"Pnl_Msg", L"Img_back", L"Lb_Msg", L"Lb_Base",
                                           L"Lb_Ref",  L"Lb_cs",   L"Img_Gif",  L"Lb_Phone"};
    Calls.push_back(std::wstring(names[static_cast<int>(control)]) + (visible ? L"=shown" : L"=hidden"));
  }
  void Navigate(const std::wstring& address) override {
    Calls.push_back(L"navigate:" + address);
    if (FailNavigate) throw std::runtime_error("navigate refused");
  }

  std::vector<std::wstring> Calls;
  bool FailNavigate = false;
};

// A launcher directory: both identity DLLs, records and configuration as
// the test writes them. The launcher's own file name is RepairLauncher.exe.
class LauncherDirTest : public ::testing::Test {
 protected:
  LauncherDirTest() : box_(::testing::UnitTest::GetInstance()->current_test_info()->name()) {
    box_.CopyFromProgramDir(kCurrentIdentityDll);
    box_.CopyFromProgramDir(kLegacyIdentityDll);
  }
  TAppLocation Location() const { return {box_.Dir(), "RepairLauncher.exe"}; }
  void WriteCurrentRecord(const TIniValues& values) const {
    box_.WriteFile("CustomerIdentity.ini", IniText("Identity", values));
  }
  void WriteLegacyRecord(const TIniValues& values) const {
    box_.WriteFile("CustomerIdentityLegacy.ini", IniText("Identity", values));
  }
  void WriteConfig(const TIniValues& values) const {
    box_.WriteFile("RepairConfig\\RepairConfig.ini", IniText("SysInfo", values));
  }

  TTestSandbox box_;
  TRecordingView view_;
};
