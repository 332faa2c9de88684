// Dates and times: TDateTime arithmetic, the picker's value, range and
// check box in the window, and OnChange from the keyboard.
#include "framework/comctrls/DateTimePicker.h"

#include <commctrl.h>

#include "ComCtrlsTesting.h"

namespace {

TDateTime Make(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  TDate date = 0;
  TTime time = 0;
  EXPECT_TRUE(TryEncodeDate(y, mo, d, date)) << y << "-" << mo << "-" << d;
  EXPECT_TRUE(TryEncodeTime(h, mi, s, 0, time));
  return CombineDateTime(date, time);
}

TEST(DateTimeTest, DaysCountFromTheLastDaysOf1899) {
  struct Case {
    int y, mo, d, h, mi;
    double value;
    WORD dayOfWeek;
  };
  const Case cases[] = {
      {1899, 12, 30, 0, 0, 0.0, 6},       {1899, 12, 29, 6, 0, -1.25, 5},  {1900, 1, 1, 12, 0, 2.5, 1},
      {1900, 3, 1, 0, 0, 61.0, 4},        {2000, 2, 29, 18, 0, 36585.75, 2}, {2024, 2, 29, 6, 0, 45351.25, 4},
      {1601, 1, 1, 0, 0, -109205.0, 1},   {9999, 12, 31, 0, 0, 2958465.0, 5},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(Make(c.y, c.mo, c.d, c.h, c.mi), c.value) << c.y << "-" << c.mo << "-" << c.d;
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0;
    DecodeDate(c.value, y, mo, d);
    DecodeTime(c.value, h, mi, s, ms);
    EXPECT_EQ(y * 10000 + mo * 100 + d, c.y * 10000 + c.mo * 100 + c.d) << c.value;
    EXPECT_EQ(h * 100 + mi, c.h * 100 + c.mi) << c.value;
    SYSTEMTIME st{};
    ASSERT_TRUE(DateTimeToSystemTime(c.value, st));
    EXPECT_EQ(st.wDayOfWeek, c.dayOfWeek) << c.value;
    EXPECT_DOUBLE_EQ(SystemTimeToDateTime(st), c.value);
  }
  TDate unchanged = 7;
  EXPECT_FALSE(TryEncodeDate(2023, 2, 29, unchanged));
  EXPECT_FALSE(TryEncodeDate(2024, 13, 1, unchanged));
  EXPECT_EQ(unchanged, 7);
  SYSTEMTIME st{};
  EXPECT_FALSE(DateTimeToSystemTime(Make(1600, 12, 31), st)) << "before the platform's calendar";
}

class DateTimePickerTest : public ComCtrlsTest {
 protected:
  void SetUp() override {
    ComCtrlsTest::SetUp();
    picker = Add<TDateTimePicker>(10, 10, 180, 24);
    picker->OnChange = [this](TObject&) { ++changes; };
  }
  DWORD WindowValue(SYSTEMTIME& st) {
    return static_cast<DWORD>(::SendMessageW(picker->Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)));
  }
  TDateTimePicker* picker = nullptr;
  int changes = 0;
};

TEST_F(DateTimePickerTest, DateTimeAndItsPartsReachTheWindow) {
  picker->SetDateTime(Make(2024, 2, 29, 13, 45, 10));
  SYSTEMTIME st{};
  ASSERT_EQ(WindowValue(st), static_cast<DWORD>(GDT_VALID));
  EXPECT_EQ(st.wYear, 2024);
  EXPECT_EQ(st.wMonth, 2);
  EXPECT_EQ(st.wDay, 29);
  EXPECT_EQ(st.wHour, 13);
  EXPECT_EQ(st.wMinute, 45);
  EXPECT_EQ(st.wSecond, 10);
  picker->SetDate(Make(2001, 9, 9));
  EXPECT_DOUBLE_EQ(picker->DateTime(), Make(2001, 9, 9, 13, 45, 10)) << "the time stays";
  picker->SetTime(Make(1899, 12, 30, 8, 0));
  EXPECT_DOUBLE_EQ(picker->DateTime(), Make(2001, 9, 9, 8, 0)) << "the date stays";
  picker->SetKind(dtkTime);  // re-creates the window
  EXPECT_TRUE(::GetWindowLongPtrW(picker->Handle(), GWL_STYLE) & DTS_TIMEFORMAT);
  WindowValue(st);
  EXPECT_EQ(st.wYear * 100 + st.wHour, 200108);
  EXPECT_EQ(changes, 0);
}

TEST_F(DateTimePickerTest, RangeAndCheckBoxBoundTheValue) {
  picker->SetDateTime(Make(2020, 6, 15, 10, 0));
  picker->SetMinDate(Make(2021, 1, 1));
  EXPECT_DOUBLE_EQ(picker->DateTime(), Make(2021, 1, 1, 10, 0)) << "moved into the range, time kept";
  picker->SetMaxDate(Make(2021, 12, 31));
  picker->SetDateTime(Make(2030, 1, 1));
  EXPECT_DOUBLE_EQ(picker->Date(), Make(2021, 12, 31));
  SYSTEMTIME range[2]{};
  const DWORD which =
      static_cast<DWORD>(::SendMessageW(picker->Handle(), DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(range)));
  EXPECT_EQ(which, static_cast<DWORD>(GDTR_MIN | GDTR_MAX));
  EXPECT_EQ(range[0].wYear * 10000 + range[0].wMonth * 100 + range[0].wDay, 20210101);
  EXPECT_EQ(range[1].wYear * 10000 + range[1].wMonth * 100 + range[1].wDay, 20211231);

  picker->SetShowCheckbox(true);
  picker->SetChecked(false);
  SYSTEMTIME st{};
  EXPECT_EQ(WindowValue(st), static_cast<DWORD>(GDT_NONE));
  picker->SetChecked(true);
  EXPECT_EQ(WindowValue(st), static_cast<DWORD>(GDT_VALID));
  EXPECT_EQ(st.wYear, 2021);
}

TEST_F(DateTimePickerTest, ArrowKeysChangeTheFocusedFieldWithOnChange) {
  picker->SetFormat(L"yyyy-MM-dd");
  picker->SetDateTime(Make(2010, 5, 20, 9, 30));
  // Which fields changed (year 100, month 10, day 1), and the window agrees.
  auto changedFields = [this](TDateTime before) {
    int y0 = 0, m0 = 0, d0 = 0, y1 = 0, m1 = 0, d1 = 0;
    DecodeDate(before, y0, m0, d0);
    DecodeDate(picker->DateTime(), y1, m1, d1);
    SYSTEMTIME st{};
    WindowValue(st);
    EXPECT_EQ(st.wYear * 10000 + st.wMonth * 100 + st.wDay, y1 * 10000 + m1 * 100 + d1);
    EXPECT_DOUBLE_EQ(picker->Time(), TimeOf(before)) << "the time stays";
    return (y1 != y0) * 100 + (m1 != m0) * 10 + (d1 != d0);
  };
  ClickAt(*picker, {12, picker->Height() / 2});
  TDateTime before = picker->DateTime();
  PressKey(VK_UP);
  const int first = changedFields(before);
  EXPECT_TRUE(first == 100 || first == 10 || first == 1) << first;
  EXPECT_EQ(changes, 1);
  before = picker->DateTime();
  PressKey(VK_RIGHT);
  PressKey(VK_DOWN);
  const int second = changedFields(before);
  EXPECT_TRUE(second == 100 || second == 10 || second == 1) << second;
  EXPECT_NE(first, second) << "the next field";
  EXPECT_EQ(changes, 2);
}

}  // namespace
