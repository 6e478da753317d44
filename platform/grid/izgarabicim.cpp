#include "platform/grid/izgarabicim.h"

#include <cmath>

#include "platform/core/sayibicim.h"

QString IzgaraSayiBicimle(double deger, const QString& bicim, bool tamsayi) {
  if (!bicim.isEmpty()) return FormatFloat(bicim, deger);
  if (tamsayi && std::isfinite(deger) && std::fabs(deger) < 9.0e15)
    return QString::number(static_cast<qint64>(std::llround(deger)));
  return FloatToStr(deger);
}
