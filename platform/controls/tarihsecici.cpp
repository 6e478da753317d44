#include "platform/controls/tarihsecici.h"

#include <QCalendarWidget>
#include <QLocale>

TTarihSecici::TTarihSecici(QWidget* parent) : QDateEdit(QDate::currentDate(), parent) {
  const QLocale tr(QLocale::Turkish, QLocale::Turkey);
  setLocale(tr);
  setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
  setCalendarPopup(true);
  if (QCalendarWidget* takvim = calendarWidget()) {
    takvim->setLocale(tr);
    takvim->setFirstDayOfWeek(Qt::Monday);
    takvim->setGridVisible(true);
  }
}
