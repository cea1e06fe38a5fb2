#pragma once
// The calendar side of the board's date-time values.
#include "services/convert.h"

struct CalendarTime {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// Clamps to 1 January 100 .. 31 December 9999 (a NaN counts as day 0) and rounds the time
// of day to the nearest second, which may move the date to the next day.
CalendarTime CalendarFromDateTime(DateTime when);
