#pragma once

#include <string>

namespace quorvel {

// A date-time value: whole days since 30.12.1899 plus the fraction of the day.
using TDateTime = double;

struct DateTimeParts {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Millisecond = 0;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// False when the parts are not a real calendar date (years 1..9999) and time of day.
bool TryEncodeDateTime(const DateTimeParts& parts, TDateTime& value);

// Throws ConvertError when the parts are not a valid date and time.
TDateTime EncodeDateTime(const DateTimeParts& parts);

// The calendar parts of a value, rounded to the nearest millisecond.
DateTimeParts DecodeDateTime(TDateTime value);

// 1 for Monday through 7 for Sunday.
int IsoDayOfWeek(TDateTime value);

}  // namespace quorvel
