#pragma once
// Date-time numbers as the rest of the program stores them: days since 30 December 1899 as a double,
// the fraction being the time of day.

#include "support/Platform.h"

namespace nq {

using TDateTime = double;

// Days since 30 December 1899 of a calendar date (proleptic Gregorian).
long long DaysFromCivil(int year, int month, int day);
TDateTime EncodeDateTime(const LocalTime& t);
// The calendar date of the whole-day part (truncated toward zero, as the stored numbers expect).
void DecodeDate(TDateTime d, int& year, int& month, int& day);

}  // namespace nq
