#pragma once
// Conversions between texts and numbers, exactly as the board shows and records them.
// They never fail: a text without a number converts to 0.
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "services/text.h"

// Days since midnight, 30 December 1899; the fraction is the time of day.
struct DateTime {
  double days = 0;
};

// Text parsing works on GB18030 bytes after folding full-width digits, signs and the
// ideographic space to their ASCII forms.
double ToNumber(std::string_view text);
int32_t ToInteger(std::string_view text);
// Truncates toward zero to 64 bits and keeps the low 32 bits.
int32_t ToInteger(double number);

// "%.13g" with 17-digit half-away-from-zero rounding, three-digit exponents and the
// "1.#INF" family for non-finite values; the same bytes on every platform.
Text ToText(double number);
Text ToText(int32_t integer);
Text LogicalToText(bool value);  // "真" / "假"

DateTime DateTimeFromCalendar(int year, int month, int day, int hour, int minute, int second);
// Format 1 (the default): date then the shortest time part; 2: date only; 3: time only.
Text TimeToText(DateTime when, std::optional<int32_t> format = std::nullopt);
inline Text ToText(DateTime when) {
  return TimeToText(when, 1);
}

// The current local date-time in whole seconds. Front ends with a virtual clock (the
// headless one) install their own source; the default reads the system clock.
DateTime CurrentDateTime();
using DateTimeSource = std::function<DateTime()>;
void SetDateTimeSource(DateTimeSource source);  // an empty source restores the system clock
// Installs `source` and answers the one it replaces (to be put back afterwards).
DateTimeSource ExchangeDateTimeSource(DateTimeSource source);
