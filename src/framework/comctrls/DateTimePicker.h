#pragma once
// TDateTimePicker: a date or a time of day to pick, over the platform's
// date and time picker ("SysDateTimePick32").
//
// Kind dtkDate edits the date part of DateTime, dtkTime the time of day;
// a date picker drops a month calendar down (dmComboBox) or steps with
// arrows (dmUpDown). With ShowCheckbox the value may be switched off:
// Checked false. MinDate and MaxDate bound the date (0: no bound).
// OnChange runs when the user changes the value or the check box.
#include <windows.h>
#include <commctrl.h>

#include "framework/WinControl.h"
#include "framework/comctrls/DateTime.h"

enum TDateTimeKind { dtkDate, dtkTime };
inline constexpr std::string_view kDateTimeKindNames[] = {"dtkDate", "dtkTime"};
enum TDTDateMode { dmComboBox, dmUpDown };
inline constexpr std::string_view kDTDateModeNames[] = {"dmComboBox", "dmUpDown"};
enum TDTDateFormat { dfShort, dfLong };
inline constexpr std::string_view kDTDateFormatNames[] = {"dfShort", "dfLong"};
enum TDTCalAlignment { dtaLeft, dtaRight };
inline constexpr std::string_view kDTCalAlignmentNames[] = {"dtaLeft", "dtaRight"};

class TDateTimePicker : public TWinControl {
  FW_CLASS(TDateTimePicker, TWinControl)
 public:
  explicit TDateTimePicker(TComponent* owner);
  static std::vector<TPropInfo> PublishedProperties();

  // Attributes: the value (set values are kept within MinDate..MaxDate)
  TDateTime DateTime() const noexcept { return dateTime_; }
  void SetDateTime(TDateTime value);
  TDate Date() const noexcept { return DateOf(dateTime_); }
  void SetDate(TDate date) { SetDateTime(CombineDateTime(date, TimeOf(dateTime_))); }
  TTime Time() const noexcept { return TimeOf(dateTime_); }
  void SetTime(TTime time) { SetDateTime(CombineDateTime(DateOf(dateTime_), time)); }
  TDate MinDate() const noexcept { return minDate_; }
  void SetMinDate(TDate date);
  TDate MaxDate() const noexcept { return maxDate_; }
  void SetMaxDate(TDate date);
  bool ShowCheckbox() const noexcept { return showCheckbox_; }
  void SetShowCheckbox(bool show);
  bool Checked() const noexcept { return checked_; }
  void SetChecked(bool checked);

  // Attributes: the look
  TDateTimeKind Kind() const noexcept { return kind_; }
  void SetKind(TDateTimeKind kind);
  TDTDateMode DateMode() const noexcept { return dateMode_; }
  void SetDateMode(TDTDateMode mode);
  TDTDateFormat DateFormat() const noexcept { return dateFormat_; }
  void SetDateFormat(TDTDateFormat format);
  TDTCalAlignment CalAlignment() const noexcept { return calAlignment_; }
  void SetCalAlignment(TDTCalAlignment alignment);
  // A custom display format ("yyyy-MM-dd"); empty for the kind's own.
  const std::wstring& Format() const noexcept { return format_; }
  void SetFormat(std::wstring_view format);
  // The drop-down calendar is open.
  bool DroppedDown();

  // Events
  TNotifyEvent OnChange;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  virtual void Change();

 private:
  void CNNotify(TMessage& message);
  void WriteValue();
  void WriteRange();
  void WriteFormat();
  TDateTime Clamp(TDateTime value) const noexcept;

  TDateTime dateTime_;
  TDate minDate_ = 0;
  TDate maxDate_ = 0;
  bool showCheckbox_ = false;
  bool checked_ = true;
  TDateTimeKind kind_ = dtkDate;
  TDTDateMode dateMode_ = dmComboBox;
  TDTDateFormat dateFormat_ = dfShort;
  TDTCalAlignment calAlignment_ = dtaLeft;
  std::wstring format_;
  bool writing_ = false;  // the window's notifications of our own changes are ours
};
