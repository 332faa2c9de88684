#pragma once
// TDateTime: a point in time as a double, the whole part counting days
// since 30 December 1899 and the fraction the time of day (0.5 is noon).
// Before that day the whole part is negative and the fraction still counts
// forward from midnight: -1.25 is 29 December 1899, 06:00.
#include <windows.h>

using TDateTime = double;
using TDate = TDateTime;
using TTime = TDateTime;

constexpr double kMSecsPerDay = 24.0 * 60 * 60 * 1000;

// The day part (midnight) and the time part (0 <= t < 1) of a value.
TDate DateOf(TDateTime value) noexcept;
TTime TimeOf(TDateTime value) noexcept;
// Date plus time of day, for either sign of date.
TDateTime CombineDateTime(TDate date, TTime time) noexcept;

// False (and value untouched) for a date or time that does not exist.
bool TryEncodeDate(int year, int month, int day, TDate& value) noexcept;
bool TryEncodeTime(int hour, int minute, int second, int msec, TTime& value) noexcept;
void DecodeDate(TDateTime value, int& year, int& month, int& day) noexcept;
void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& msec) noexcept;

// Conversions to and from the platform's calendar record (years 1601 to
// 30827). SystemTimeToDateTime ignores wDayOfWeek; DateTimeToSystemTime
// fills it.
TDateTime SystemTimeToDateTime(const SYSTEMTIME& time) noexcept;
bool DateTimeToSystemTime(TDateTime value, SYSTEMTIME& time) noexcept;
