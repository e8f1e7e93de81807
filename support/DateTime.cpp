#include "support/DateTime.h"

#include <cmath>

namespace nq {

namespace {
// Days from 1970-01-01 to 1899-12-30.
constexpr long long kEpochShift = -25569;
}  // namespace

long long DaysFromCivil(int year, int month, int day) {
    // Howard Hinnant's days_from_civil, counted from 1970-01-01.
    const long long y = static_cast<long long>(year) - (month <= 2 ? 1 : 0);
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long mp = (month + 9) % 12;
    const long long doy = (153 * mp + 2) / 5 + day - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 - kEpochShift;
}

TDateTime EncodeDateTime(const LocalTime& t) {
    const double days = static_cast<double>(DaysFromCivil(t.year, t.month, t.day));
    const double time = (t.hour * 3600000.0 + t.minute * 60000.0 + t.second * 1000.0 + t.millisecond) / 86400000.0;
    // Before the epoch the fraction still counts forward from midnight, away from zero.
    return days >= 0 ? days + time : days - time;
}

void DecodeDate(TDateTime d, int& year, int& month, int& day) {
    if (!std::isfinite(d) || std::fabs(d) > 1e9) {
        year = month = day = 0;
        return;
    }
    const long long z = static_cast<long long>(std::trunc(d)) + kEpochShift + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

}  // namespace nq
