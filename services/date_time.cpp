// Date-time values: days since midnight, 30 December 1899, with the time of day as the
// fraction. Before that midnight the whole part counts days backwards but the fraction
// still counts forwards from the start of that day, so -1.25 is 29 December 1899, 06:00.
#include "services/date_time.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <ctime>
#include <utility>

namespace {

constexpr double kFirstDay = -657434;  // 1 January 100
constexpr double kLastDay = 2958465;   // 31 December 9999
constexpr int64_t kSecondsPerDay = 86400;
constexpr int64_t kUnixEpochDay = 25569;  // 1 January 1970 as a date-time

int64_t FloorDiv(int64_t a, int64_t b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Days from 1 January 1970 in the proleptic Gregorian calendar; counts in whole 400-year
// eras (146097 days each) starting from 1 March so that the leap day falls last.
int64_t DaysFromCivil(int64_t year, int64_t month, int64_t day) {
  year -= month <= 2;
  const int64_t era = FloorDiv(year, 400);
  const int64_t year_of_era = year - era * 400;
  const int64_t day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int64_t day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

void CivilFromDays(int64_t days, CalendarTime& out) {
  days += 719468;
  const int64_t era = FloorDiv(days, 146097);
  const int64_t day_of_era = days - era * 146097;
  const int64_t year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const int64_t day_of_year =
      day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const int64_t shifted_month = (5 * day_of_year + 2) / 153;  // 0 = March
  const int64_t month = shifted_month < 10 ? shifted_month + 3 : shifted_month - 9;
  out.day = static_cast<int>(day_of_year - (153 * shifted_month + 2) / 5 + 1);
  out.month = static_cast<int>(month);
  out.year = static_cast<int>(year_of_era + era * 400 + (month <= 2));
}

DateTime SystemDateTime() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return DateTimeFromCalendar(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                              local.tm_min, local.tm_sec);
}

DateTimeSource& InstalledSource() {
  static DateTimeSource source;
  return source;
}

void AppendNumber(Text& out, int value) {
  char buffer[16];
  out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

}  // namespace

// Fields past their range carry over (month 13 is January of the next year, second 60
// the next minute), so a leap second from the system clock still gives a real time.
DateTime DateTimeFromCalendar(int year, int month, int day, int hour, int minute, int second) {
  const int64_t month_index = static_cast<int64_t>(month) - 1;
  const int64_t years = static_cast<int64_t>(year) + FloorDiv(month_index, 12);
  const int64_t months = month_index - FloorDiv(month_index, 12) * 12 + 1;
  const int64_t seconds = static_cast<int64_t>(hour) * 3600 + static_cast<int64_t>(minute) * 60 +
                          static_cast<int64_t>(second);
  const int64_t days =
      DaysFromCivil(years, months, day) + kUnixEpochDay + FloorDiv(seconds, kSecondsPerDay);
  const int64_t time_of_day = seconds - FloorDiv(seconds, kSecondsPerDay) * kSecondsPerDay;
  const double fraction = static_cast<double>(time_of_day) / static_cast<double>(kSecondsPerDay);
  const auto whole = static_cast<double>(days);
  return DateTime{days < 0 ? whole - fraction : whole + fraction};
}

CalendarTime CalendarFromDateTime(DateTime when) {
  double value = std::isnan(when.days) ? 0.0 : when.days;
  if (value < kFirstDay)
    value = kFirstDay;
  if (value > kLastDay)
    value = kLastDay;
  auto day = static_cast<int64_t>(value);  // toward zero: the fraction counts forwards
  const double fraction = std::fabs(value - static_cast<double>(day));
  auto seconds = static_cast<int64_t>(std::floor(fraction * kSecondsPerDay + 0.5));
  if (seconds >= kSecondsPerDay) {  // 23:59:59.5 and later round into the next day
    seconds -= kSecondsPerDay;
    ++day;
  }
  CalendarTime out;
  CivilFromDays(day - kUnixEpochDay, out);
  out.hour = static_cast<int>(seconds / 3600);
  out.minute = static_cast<int>(seconds / 60 % 60);
  out.second = static_cast<int>(seconds % 60);
  return out;
}

Text TimeToText(DateTime when, std::optional<int32_t> format) {
  static const Text kYear = Gb("年");
  static const Text kMonth = Gb("月");
  static const Text kDay = Gb("日");
  static const Text kHour = Gb("时");
  static const Text kMinute = Gb("分");
  static const Text kSecond = Gb("秒");

  int32_t chosen = format.value_or(1);
  if (chosen < 1)
    chosen = 1;
  if (chosen > 3)
    chosen = 3;
  const CalendarTime t = CalendarFromDateTime(when);

  Text out;
  out.reserve(40);
  if (chosen != 3) {
    AppendNumber(out, t.year);
    out += kYear;
    AppendNumber(out, t.month);
    out += kMonth;
    AppendNumber(out, t.day);
    out += kDay;
  }
  // The date-and-time form stops after the last field that is not zero; midnight shows
  // the date alone.
  int time_fields = 3;
  if (chosen == 2)
    time_fields = 0;
  if (chosen == 1)
    time_fields = t.second != 0 ? 3 : t.minute != 0 ? 2 : t.hour != 0 ? 1 : 0;
  if (time_fields >= 1) {
    AppendNumber(out, t.hour);
    out += kHour;
  }
  if (time_fields >= 2) {
    AppendNumber(out, t.minute);
    out += kMinute;
  }
  if (time_fields >= 3) {
    AppendNumber(out, t.second);
    out += kSecond;
  }
  return out;
}

DateTime CurrentDateTime() {
  const DateTimeSource& source = InstalledSource();
  return source ? source() : SystemDateTime();
}

void SetDateTimeSource(DateTimeSource source) {
  InstalledSource() = std::move(source);
}

DateTimeSource ExchangeDateTimeSource(DateTimeSource source) {
  DateTimeSource before = std::move(InstalledSource());
  InstalledSource() = std::move(source);
  return before;
}
