#include "core/util/datetime.h"

#include <cmath>
#include <cstdint>

#include "core/util/error.h"
#include "core/util/format.h"

namespace quorvel {

namespace {

constexpr int64_t MsPerDay = 86400000;
// Days from 0001-03-01-based civil counting to 30.12.1899, see DaysFromCivil.
constexpr int64_t EpochShift = 693899;

// Days since 1 March of year 0 in the proleptic Gregorian calendar (Howard Hinnant's algorithm).
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day) {
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

}  // namespace

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return (month == 2 && IsLeapYear(year)) ? 29 : days[month - 1];
}

bool TryEncodeDateTime(const DateTimeParts& p, TDateTime& value) {
    if (p.Year < 1 || p.Year > 9999 || p.Month < 1 || p.Month > 12) return false;
    if (p.Day < 1 || p.Day > DaysInMonth(p.Year, p.Month)) return false;
    if (p.Hour < 0 || p.Hour > 23 || p.Minute < 0 || p.Minute > 59) return false;
    if (p.Second < 0 || p.Second > 59 || p.Millisecond < 0 || p.Millisecond > 999) return false;
    int64_t days = DaysFromCivil(p.Year, p.Month, p.Day) - EpochShift;
    double time = (((p.Hour * 60.0 + p.Minute) * 60.0 + p.Second) * 1000.0 + p.Millisecond) / MsPerDay;
    // Before the epoch the fraction counts forward from the (negative) day, as desktop date
    // values do: -1.25 is 29.12.1899 06:00.
    value = days >= 0 ? static_cast<double>(days) + time : static_cast<double>(days) - time;
    return true;
}

TDateTime EncodeDateTime(const DateTimeParts& parts) {
    TDateTime value = 0;
    if (!TryEncodeDateTime(parts, value)) {
        throw ConvertError(Format("Некорректная дата или время: %.2d.%.2d.%.4d %.2d:%.2d",
                                  {parts.Day, parts.Month, parts.Year, parts.Hour, parts.Minute}));
    }
    return value;
}

DateTimeParts DecodeDateTime(TDateTime value) {
    double whole = std::trunc(value);
    double fraction = std::fabs(value - whole);
    auto ms = static_cast<int64_t>(std::llround(fraction * MsPerDay));
    auto days = static_cast<int64_t>(whole);
    if (ms >= MsPerDay) {
        ms -= MsPerDay;
        days += value >= 0 ? 1 : -1;
    }
    DateTimeParts parts;
    CivilFromDays(days + EpochShift, parts.Year, parts.Month, parts.Day);
    parts.Hour = static_cast<int>(ms / 3600000);
    parts.Minute = static_cast<int>(ms / 60000 % 60);
    parts.Second = static_cast<int>(ms / 1000 % 60);
    parts.Millisecond = static_cast<int>(ms % 1000);
    return parts;
}

int IsoDayOfWeek(TDateTime value) {
    // 30.12.1899 was a Saturday.
    auto days = static_cast<int64_t>(std::floor(value));
    int64_t index = ((days + 5) % 7 + 7) % 7;  // 0 = Monday
    return static_cast<int>(index) + 1;
}

}  // namespace quorvel
