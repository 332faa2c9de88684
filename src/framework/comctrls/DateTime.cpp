#include "framework/comctrls/DateTime.h"

#include <cmath>

namespace {

// Days from 1 January of year 1 to 30 December 1899.
constexpr long long kDelta = 693594;

bool IsLeapYear(int year) noexcept { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInMonth(int year, int month) noexcept {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Milliseconds since midnight of a value's time part, rounded.
long long TimeMSecs(TDateTime value) noexcept {
  long long ms = std::llround(TimeOf(value) * kMSecsPerDay);
  return ms >= static_cast<long long>(kMSecsPerDay) ? static_cast<long long>(kMSecsPerDay) - 1 : ms;
}

}  // namespace

TDate DateOf(TDateTime value) noexcept { return std::trunc(value); }

TTime TimeOf(TDateTime value) noexcept { return std::fabs(value - std::trunc(value)); }

TDateTime CombineDateTime(TDate date, TTime time) noexcept {
  date = std::trunc(date);
  time = std::fabs(time - std::trunc(time));
  return date < 0 ? date - time : date + time;
}

bool TryEncodeDate(int year, int month, int day, TDate& value) noexcept {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
    return false;
  long long days = day;
  for (int m = 1; m < month; ++m) days += DaysInMonth(year, m);
  const long long y = year - 1;
  days += y * 365 + y / 4 - y / 100 + y / 400;
  value = static_cast<double>(days - kDelta);
  return true;
}

bool TryEncodeTime(int hour, int minute, int second, int msec, TTime& value) noexcept {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || msec < 0 || msec > 999)
    return false;
  value = (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + msec) / kMSecsPerDay;
  return true;
}

void DecodeDate(TDateTime value, int& year, int& month, int& day) noexcept {
  // Days since 1 January of year 1, zero-based, in 400/100/4/1-year cycles.
  long long days = static_cast<long long>(DateOf(value)) + kDelta - 1;
  if (days < 0) {
    year = month = day = 0;
    return;
  }
  constexpr long long kD1 = 365, kD4 = kD1 * 4 + 1, kD100 = kD4 * 25 - 1, kD400 = kD100 * 4 + 1;
  long long y = 1 + 400 * (days / kD400);
  days %= kD400;
  long long i = std::min(days / kD100, 3LL);
  y += 100 * i;
  days -= i * kD100;
  y += 4 * (days / kD4);
  days %= kD4;
  i = std::min(days / kD1, 3LL);
  y += i;
  days -= i * kD1;
  year = static_cast<int>(y);
  month = 1;
  while (days >= DaysInMonth(year, month)) days -= DaysInMonth(year, month++);
  day = static_cast<int>(days) + 1;
}

void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& msec) noexcept {
  long long ms = TimeMSecs(value);
  msec = static_cast<int>(ms % 1000);
  ms /= 1000;
  second = static_cast<int>(ms % 60);
  ms /= 60;
  minute = static_cast<int>(ms % 60);
  hour = static_cast<int>(ms / 60);
}

TDateTime SystemTimeToDateTime(const SYSTEMTIME& time) noexcept {
  TDate date = 0;
  TTime clock = 0;
  if (!TryEncodeDate(time.wYear, time.wMonth, time.wDay, date)) return 0;
  TryEncodeTime(time.wHour, time.wMinute, time.wSecond, time.wMilliseconds, clock);
  return CombineDateTime(date, clock);
}

bool DateTimeToSystemTime(TDateTime value, SYSTEMTIME& time) noexcept {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, msec = 0;
  DecodeDate(value, year, month, day);
  if (year < 1601 || year > 30827) return false;
  DecodeTime(value, hour, minute, second, msec);
  time.wYear = static_cast<WORD>(year);
  time.wMonth = static_cast<WORD>(month);
  time.wDay = static_cast<WORD>(day);
  time.wHour = static_cast<WORD>(hour);
  time.wMinute = static_cast<WORD>(minute);
  time.wSecond = static_cast<WORD>(second);
  time.wMilliseconds = static_cast<WORD>(msec);
  // 1 January 1601 was a Monday; day 0 (30 December 1899) a Saturday.
  const long long days = static_cast<long long>(DateOf(value));
  time.wDayOfWeek = static_cast<WORD>(((days % 7) + 7 + 6) % 7);
  return true;
}
