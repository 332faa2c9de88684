#pragma once
// The main window's launcher logic without the window: reading the identity
// and the configuration into the window's fields, and requesting the report
// page. The window provides IRepairMainView and owns one TRepairMainCore.
#include <windows.h>

#include <string>

#include "ReportAddress.h"

// The main window's controls whose visibility the launcher logic changes.
enum class TRepairControl { Pnl_Web, Pnl_Msg, Img_back, Lb_Msg, Lb_Base, Lb_Ref, Lb_cs, Img_Gif, Lb_Phone };

// What the logic needs of the window. UI texts are UTF-16.
class IRepairMainView {
 public:
  virtual ~IRepairMainView() = default;
  // A modal message box; returns when the user has closed it.
  virtual void ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT flags) = 0;
  // The caption of the telephone label Lb_Phone.
  virtual void SetPhoneCaption(const std::wstring& caption) = 0;
  virtual void SetControlVisible(TRepairControl control, bool visible) = 0;
  // A plain page request of the browser: no flags, target frame, post data
  // or headers. Its failures propagate to the caller of OpenRepairPage.
  virtual void Navigate(const std::wstring& address) = 0;
};

// Where the launcher is: its directory (with a trailing backslash), where
// the identity DLLs and RepairConfig live, and its own file name.
struct TAppLocation {
  std::string Directory;
  std::string ProgramName;

  static TAppLocation OfRunningProgram();
};

class TRepairMainCore {
 public:
  explicit TRepairMainCore(IRepairMainView& view,
                           TAppLocation location = TAppLocation::OfRunningProgram());

  // Attributes
  const TRepairFields& Fields() const noexcept { return fields_; }
  const TAppLocation& Location() const noexcept { return location_; }

  // Operations

  // Read the identity with the generation's reader, copy it into the fields
  // and normalise it (type "R02" becomes "R01", possibly with the company
  // number taken from the upload account; a blank name becomes "无"). False
  // when the reader delivered no record; never throws.
  bool ReadCurrentIdentity() noexcept;
  bool ReadLegacyIdentity() noexcept;

  // Reads RepairConfig\RepairConfig.ini: RepairURL, the telephone label and
  // MainPath. False, after a warning box, when the file is missing or the
  // page address is blank.
  bool ReadConfig();

  // The window's creation step: the current identity, else the legacy one,
  // then the configuration. False when the application has to end.
  bool ReadIdentityAndConfig();

  // Shows the waiting state, composes the address afresh (the main
  // program's version is read on every call) and asks the browser for it.
  void OpenRepairPage();

 private:
  template <typename Reader>
  bool ReadIdentityWith() noexcept;
  void Warn(const wchar_t* text);

  IRepairMainView& view_;
  TAppLocation location_;
  TRepairFields fields_;
};
