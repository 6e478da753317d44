#pragma once
// OLE Automation dates: days since 1899-12-30 as a double, the fraction being the time of day.
// Before the base day the whole part counts backwards and the fraction still moves forward in
// the day: -1.25 is 1899-12-29 06:00. Valid from 0100-01-01 to 9999-12-31; values outside give
// an invalid QDate/QDateTime. Date-times are wall-clock times (local time spec), to the
// nearest millisecond.

#include <QDate>
#include <QDateTime>

QDateTime OledenTarihSaat(double ole);
QDate OledenTarih(double ole);  // the day, time of day dropped
double TarihSaattenOle(const QDateTime& zaman);  // 0 for an invalid date-time
double TarihtenOle(const QDate& gun);            // 0 for an invalid date

// Range of valid OLE day numbers.
inline constexpr double kOleEnKucuk = -657434.0;  // 0100-01-01
inline constexpr double kOleEnBuyuk = 2958466.0;  // 10000-01-01 (exclusive)
