#include "platform/core/oletarih.h"

#include <cmath>

namespace {
const QDate kTaban(1899, 12, 30);
constexpr qint64 kGunMs = 86400000;
}  // namespace

QDateTime OledenTarihSaat(double ole) {
  if (!std::isfinite(ole) || ole < kOleEnKucuk || ole >= kOleEnBuyuk) return {};
  double tam = std::trunc(ole);
  qint64 ms = std::llround(std::fabs(ole - tam) * kGunMs);
  qint64 gun = static_cast<qint64>(tam);
  if (ms >= kGunMs) {  // rounding reached midnight of the following day
    ms -= kGunMs;
    gun += 1;
  }
  QDate d = kTaban.addDays(gun);
  if (!d.isValid() || d.year() > 9999) return {};
  return QDateTime(d, QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)));
}

QDate OledenTarih(double ole) {
  QDateTime z = OledenTarihSaat(ole);
  return z.isValid() ? z.date() : QDate();
}

double TarihtenOle(const QDate& gun) {
  if (!gun.isValid()) return 0.0;
  return static_cast<double>(kTaban.daysTo(gun));
}

double TarihSaattenOle(const QDateTime& zaman) {
  if (!zaman.isValid()) return 0.0;
  double gun = static_cast<double>(kTaban.daysTo(zaman.date()));
  double kesir = static_cast<double>(zaman.time().msecsSinceStartOfDay()) / kGunMs;
  return gun >= 0 ? gun + kesir : gun - kesir;
}
