#include "framework/comctrls/DateTimePicker.h"

#include <algorithm>

#include "framework/comctrls/CommonControls.h"

namespace {

TDateTime Now() noexcept {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  return SystemTimeToDateTime(now);
}

}  // namespace

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner), dateTime_(Now()) {
  SetBounds(0, 0, 186, 21);
  SetTabStop(true);
}

void TDateTimePicker::CreateParams(TCreateParams& params) {
  InitCommonControlClasses(ICC_DATE_CLASSES);
  TWinControl::CreateParams(params);
  params.BaseClassName = DATETIMEPICK_CLASSW;
  params.ClassStyle = 0;  // the platform class keeps its own style
  if (kind_ == dtkTime) {
    params.Style |= DTS_TIMEFORMAT;
  } else {
    if (dateMode_ == dmUpDown) params.Style |= DTS_UPDOWN;
    params.Style |= dateFormat_ == dfLong ? DTS_LONGDATEFORMAT : DTS_SHORTDATEFORMAT;
  }
  if (showCheckbox_) params.Style |= DTS_SHOWNONE;
  if (calAlignment_ == dtaRight) params.Style |= DTS_RIGHTALIGN;
}

void TDateTimePicker::CreateWnd() {
  TWinControl::CreateWnd();
  WriteRange();
  WriteFormat();
  WriteValue();
}

// ---- The window --------------------------------------------------------------

void TDateTimePicker::WriteValue() {
  if (!HandleAllocated()) return;
  SYSTEMTIME time{};
  if (!DateTimeToSystemTime(dateTime_, time)) return;
  writing_ = true;
  ::SendMessageW(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
  // Some versions of the platform refuse GDT_NONE without a record.
  if (showCheckbox_ && !checked_)
    ::SendMessageW(Handle(), DTM_SETSYSTEMTIME, GDT_NONE, reinterpret_cast<LPARAM>(&time));
  writing_ = false;
}

void TDateTimePicker::WriteRange() {
  if (!HandleAllocated()) return;
  SYSTEMTIME range[2]{};
  WPARAM which = 0;
  if (minDate_ != 0 && DateTimeToSystemTime(minDate_, range[0])) which |= GDTR_MIN;
  // The last day is in the range until its last millisecond.
  if (maxDate_ != 0 && DateTimeToSystemTime(CombineDateTime(maxDate_, (kMSecsPerDay - 1) / kMSecsPerDay), range[1]))
    which |= GDTR_MAX;
  ::SendMessageW(Handle(), DTM_SETRANGE, which, reinterpret_cast<LPARAM>(range));
}

void TDateTimePicker::WriteFormat() {
  if (!HandleAllocated()) return;
  ::SendMessageW(Handle(), DTM_SETFORMATW, 0, format_.empty() ? 0 : reinterpret_cast<LPARAM>(format_.c_str()));
}

void TDateTimePicker::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_NOTIFY: CNNotify(m); break;
    default: TWinControl::WndProc(m); break;
  }
}

void TDateTimePicker::CNNotify(TMessage& m) {
  const auto* header = reinterpret_cast<const NMHDR*>(m.LParam);
  m.Result = 0;
  switch (header->code) {
    case DTN_DATETIMECHANGE: {
      if (writing_) return;
      const auto* change = reinterpret_cast<const NMDATETIMECHANGE*>(m.LParam);
      const bool checked = change->dwFlags == GDT_VALID;
      const TDateTime value = checked ? SystemTimeToDateTime(change->st) : dateTime_;
      // The platform repeats the notification for one change.
      if (checked == checked_ && value == dateTime_) return;
      checked_ = checked;
      dateTime_ = value;
      Change();
      break;
    }
    case DTN_DROPDOWN:
      if (OnDropDown) OnDropDown(*this);
      break;
    case DTN_CLOSEUP:
      if (OnCloseUp) OnCloseUp(*this);
      break;
    default:
      break;
  }
}

void TDateTimePicker::Change() {
  if (OnChange) OnChange(*this);
}

// ---- The value -------------------------------------------------------------------

TDateTime TDateTimePicker::Clamp(TDateTime value) const noexcept {
  if (minDate_ != 0 && DateOf(value) < minDate_) return CombineDateTime(minDate_, TimeOf(value));
  if (maxDate_ != 0 && DateOf(value) > maxDate_) return CombineDateTime(maxDate_, TimeOf(value));
  return value;
}

void TDateTimePicker::SetDateTime(TDateTime value) {
  dateTime_ = Clamp(value);
  WriteValue();
}

void TDateTimePicker::SetMinDate(TDate date) {
  minDate_ = DateOf(date);
  if (minDate_ != 0 && maxDate_ != 0 && maxDate_ < minDate_) maxDate_ = minDate_;
  WriteRange();
  SetDateTime(dateTime_);
}

void TDateTimePicker::SetMaxDate(TDate date) {
  maxDate_ = DateOf(date);
  if (minDate_ != 0 && maxDate_ != 0 && minDate_ > maxDate_) minDate_ = maxDate_;
  WriteRange();
  SetDateTime(dateTime_);
}

void TDateTimePicker::SetShowCheckbox(bool show) {
  if (show == showCheckbox_) return;
  showCheckbox_ = show;
  RecreateWnd();
}

void TDateTimePicker::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  WriteValue();
}

bool TDateTimePicker::DroppedDown() {
  return HandleAllocated() && ::SendMessageW(Handle(), DTM_GETMONTHCAL, 0, 0) != 0;
}

// ---- The look -----------------------------------------------------------------------

void TDateTimePicker::SetKind(TDateTimeKind kind) {
  if (kind == kind_) return;
  kind_ = kind;
  RecreateWnd();
}

void TDateTimePicker::SetDateMode(TDTDateMode mode) {
  if (mode == dateMode_) return;
  dateMode_ = mode;
  RecreateWnd();
}

void TDateTimePicker::SetDateFormat(TDTDateFormat format) {
  if (format == dateFormat_) return;
  dateFormat_ = format;
  RecreateWnd();
}

void TDateTimePicker::SetCalAlignment(TDTCalAlignment alignment) {
  if (alignment == calAlignment_) return;
  calAlignment_ = alignment;
  RecreateWnd();
}

void TDateTimePicker::SetFormat(std::wstring_view format) {
  format_ = format;
  WriteFormat();
}

std::vector<TPropInfo> TDateTimePicker::PublishedProperties() {
  using T = TDateTimePicker;
  return WithCommonProperties({
      PropColor(),
      PropFont(),
      PropParentFont(),
      PropTabStop(),
      PropBevelEdges(),
      FloatProp<T>("DateTime", "TDateTime", &T::DateTime, &T::SetDateTime),
      FloatProp<T>("Date", "TDate", &T::Date, &T::SetDate),
      FloatProp<T>("Time", "TTime", &T::Time, &T::SetTime),
      FloatProp<T>("MinDate", "TDate", &T::MinDate, &T::SetMinDate),
      FloatProp<T>("MaxDate", "TDate", &T::MaxDate, &T::SetMaxDate),
      BoolProp<T>("ShowCheckbox", &T::ShowCheckbox, &T::SetShowCheckbox),
      BoolProp<T>("Checked", &T::Checked, &T::SetChecked),
      OrdProp<T>("Kind", "TDateTimeKind", TTypeKind::Enumeration, &T::Kind, &T::SetKind, kDateTimeKindNames),
      OrdProp<T>("DateMode", "TDTDateMode", TTypeKind::Enumeration, &T::DateMode, &T::SetDateMode,
                 kDTDateModeNames),
      OrdProp<T>("DateFormat", "TDTDateFormat", TTypeKind::Enumeration, &T::DateFormat, &T::SetDateFormat,
                 kDTDateFormatNames),
      OrdProp<T>("CalAlignment", "TDTCalAlignment", TTypeKind::Enumeration, &T::CalAlignment,
                 &T::SetCalAlignment, kDTCalAlignmentNames),
      StrProp<T>("Format", "WideString", TTypeKind::WString, &T::Format, &T::SetFormat),
  });
}
