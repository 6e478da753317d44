#pragma once
// Number texts of the grid's footers, in the program's regional settings.

#include <QString>

// `bicim` is the field's display format ("#,###,##0.00"); without one, whole numbers show as
// integers and others with the shortest exact decimals.
QString IzgaraSayiBicimle(double deger, const QString& bicim, bool tamsayi);
