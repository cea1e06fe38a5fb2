// Date-time values and the texts that the clock label and the record files show.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <ctime>
#include <limits>
#include <optional>
#include <string>

#include "services/date_time.h"
#include "services/text.h"

namespace {

// The time-to-text forms spelled with the program's own characters.
std::string Date(int y, int m, int d) {
  return std::to_string(y) + Gb("年") + std::to_string(m) + Gb("月") + std::to_string(d) + Gb("日");
}
std::string Time(int h, int mi, int s) {
  return std::to_string(h) + Gb("时") + std::to_string(mi) + Gb("分") + std::to_string(s) +
         Gb("秒");
}

TEST(DateTimeTest, TheCharactersAreGb18030) {
  EXPECT_EQ(TimeToText(DateTimeFromCalendar(2016, 5, 3, 14, 5, 9)),
            "2016\xC4\xEA"
            "5\xD4\xC2"
            "3\xC8\xD5"
            "14\xCA\xB1"
            "5\xB7\xD6"
            "9\xC3\xEB");
}

TEST(DateTimeTest, TimeToText) {
  const DateTime may3 = DateTimeFromCalendar(2016, 5, 3, 0, 0, 0);
  const DateTime at140509 = DateTimeFromCalendar(2016, 5, 3, 14, 5, 9);
  const struct {
    DateTime when;
    std::optional<int32_t> format;
    std::string text;
  } cases[] = {
      {at140509, std::nullopt, Date(2016, 5, 3) + Time(14, 5, 9)},
      {DateTimeFromCalendar(2016, 5, 3, 14, 5, 0), std::nullopt,
       Date(2016, 5, 3) + "14" + Gb("时") + "5" + Gb("分")},
      {DateTimeFromCalendar(2016, 5, 3, 14, 0, 0), std::nullopt,
       Date(2016, 5, 3) + "14" + Gb("时")},
      {may3, std::nullopt, Date(2016, 5, 3)},
      {DateTimeFromCalendar(2016, 5, 3, 0, 0, 9), std::nullopt, Date(2016, 5, 3) + Time(0, 0, 9)},
      {DateTimeFromCalendar(2016, 5, 3, 0, 7, 0), std::nullopt,
       Date(2016, 5, 3) + "0" + Gb("时") + "7" + Gb("分")},
      {at140509, 2, Date(2016, 5, 3)},
      {at140509, 3, Time(14, 5, 9)},
      {at140509, 1, Date(2016, 5, 3) + Time(14, 5, 9)},
      {at140509, 0, Date(2016, 5, 3) + Time(14, 5, 9)},
      {at140509, -5, Date(2016, 5, 3) + Time(14, 5, 9)},
      {at140509, 4, Time(14, 5, 9)},
      {at140509, INT32_MAX, Time(14, 5, 9)},
      {may3, 3, Time(0, 0, 0)},
      // The time of day rounds to the nearest second, and may roll into the next day.
      {DateTime{may3.days + 9.4 / 86400}, 3, Time(0, 0, 9)},
      {DateTime{may3.days + 9.6 / 86400}, 3, Time(0, 0, 10)},
      {DateTime{may3.days + 1 - 0.6 / 86400}, 1, Date(2016, 5, 3) + Time(23, 59, 59)},
      {DateTime{may3.days + 1 - 0.2 / 86400}, 1, Date(2016, 5, 4)},
      {DateTime{DateTimeFromCalendar(2016, 12, 31, 0, 0, 0).days + 0.99999999}, 1,
       Date(2017, 1, 1)},
      // Before 30 December 1899 the fraction still counts forwards from midnight.
      {DateTime{0}, 1, Date(1899, 12, 30)},
      {DateTime{-0.5}, 1, Date(1899, 12, 30) + "12" + Gb("时")},
      {DateTime{-1.25}, 1, Date(1899, 12, 29) + "6" + Gb("时")},
      {DateTime{-1.75}, 1, Date(1899, 12, 29) + "18" + Gb("时")},
      {DateTime{-1 - (1 - 0.2 / 86400)}, 1, Date(1899, 12, 30)},
      {DateTime{1.5}, 1, Date(1899, 12, 31) + "12" + Gb("时")},
      {DateTime{60}, 2, Date(1900, 2, 28)},
      {DateTime{61}, 2, Date(1900, 3, 1)},
      // Clamped to 1 January 100 .. 31 December 9999; a NaN counts as day 0.
      {DateTime{-657434}, 1, Date(100, 1, 1)},
      {DateTime{-1e9}, 1, Date(100, 1, 1)},
      {DateTime{2958465}, 1, Date(9999, 12, 31)},
      {DateTime{2958465.75}, 1, Date(9999, 12, 31)},
      {DateTime{std::numeric_limits<double>::infinity()}, 2, Date(9999, 12, 31)},
      {DateTime{-std::numeric_limits<double>::infinity()}, 2, Date(100, 1, 1)},
      {DateTime{std::numeric_limits<double>::quiet_NaN()}, 1, Date(1899, 12, 30)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TimeToText(c.when, c.format), c.text)
        << std::hexfloat << c.when.days << " format " << c.format.value_or(-999);
  }
  EXPECT_EQ(ToText(at140509), TimeToText(at140509, 1));
}

TEST(DateTimeTest, CalendarFields) {
  const struct {
    int year, month, day, hour, minute, second;
    double days;
  } cases[] = {
      {1899, 12, 30, 0, 0, 0, 0},
      {1900, 1, 1, 0, 0, 0, 2},
      {2016, 5, 3, 0, 0, 0, 42493},
      {2016, 5, 3, 6, 0, 0, 42493.25},
      {1899, 12, 29, 6, 0, 0, -1.25},
      {1800, 1, 1, 12, 0, 0, -36522.5},
      {100, 1, 1, 0, 0, 0, -657434},
      {9999, 12, 31, 0, 0, 0, 2958465},
      // Fields past their range carry over.
      {2016, 13, 1, 0, 0, 0, 42736},
      {2016, 0, 1, 0, 0, 0, 42339},
      {2016, 5, 2, 24, 0, 0, 42493},
      {2016, 5, 3, 0, 0, -86400, 42492},
      {1899, 12, 29, 23, 59, 60, 0},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(DateTimeFromCalendar(c.year, c.month, c.day, c.hour, c.minute, c.second).days,
                     c.days)
        << c.year << "-" << c.month << "-" << c.day << " " << c.hour << ":" << c.minute << ":"
        << c.second;
  }
}

// Walks every day from 1 January 100 to 31 December 9999 with plain month lengths, and
// checks both directions of the calendar arithmetic against it, at a time that keeps
// negative dates honest. The first and the last day clamp to their midnight.
TEST(DateTimeTest, EveryDayOfTheRange) {
  const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int64_t day_number = -657434;
  int failures = 0;
  for (int year = 100; year <= 9999 && failures < 10; ++year) {
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    for (int month = 1; month <= 12; ++month) {
      const int length = lengths[month - 1] + (month == 2 && leap ? 1 : 0);
      for (int day = 1; day <= length; ++day, ++day_number) {
        const DateTime when = DateTimeFromCalendar(year, month, day, 7, 30, 15);
        const double fraction = (7 * 3600 + 30 * 60 + 15) / 86400.0;
        const double expected = day_number < 0 ? static_cast<double>(day_number) - fraction
                                               : static_cast<double>(day_number) + fraction;
        const CalendarTime back = CalendarFromDateTime(when);
        const bool clamped = day_number == -657434 || day_number == 2958465;
        if (when.days != expected || back.year != year || back.month != month || back.day != day ||
            back.hour != (clamped ? 0 : 7) || back.minute != (clamped ? 0 : 30) ||
            back.second != (clamped ? 0 : 15)) {
          ADD_FAILURE() << year << "-" << month << "-" << day << " gave " << when.days
                        << " and back " << back.year << "-" << back.month << "-" << back.day << " "
                        << back.hour << ":" << back.minute << ":" << back.second;
          ++failures;
        }
      }
    }
  }
  EXPECT_EQ(day_number, 2958466);
}

TEST(DateTimeTest, CurrentDateTimeSource) {
  SetDateTimeSource([] { return DateTimeFromCalendar(2016, 5, 3, 14, 5, 9); });
  EXPECT_EQ(TimeToText(CurrentDateTime()), Date(2016, 5, 3) + Time(14, 5, 9));

  // The system clock, in whole seconds of local time.
  SetDateTimeSource(nullptr);
  const std::time_t before = std::time(nullptr);
  const DateTime now = CurrentDateTime();
  const std::time_t after = std::time(nullptr);
  const double seconds = now.days * 86400;
  EXPECT_NEAR(seconds, std::round(seconds), 1e-3);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &before);
#else
  localtime_r(&before, &local);
#endif
  const CalendarTime fields = CalendarFromDateTime(now);
  if (before == after) {
    EXPECT_EQ(fields.year, local.tm_year + 1900);
    EXPECT_EQ(fields.month, local.tm_mon + 1);
    EXPECT_EQ(fields.day, local.tm_mday);
    EXPECT_EQ(fields.hour, local.tm_hour);
    EXPECT_EQ(fields.minute, local.tm_min);
    EXPECT_EQ(fields.second, local.tm_sec);
  }
}

}  // namespace
