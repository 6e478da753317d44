#include "platform/controls/tamsayispin.h"

#include <QLineEdit>
#include <QLocale>

TTamSayiSpin::TTamSayiSpin(QWidget* parent) : TTamSayiSpin(0, 100, 0, parent) {}

TTamSayiSpin::TTamSayiSpin(int enAz, int enCok, int baslangic, QWidget* parent)
    : QSpinBox(parent) {
  setRange(enAz, enCok);
  setValue(baslangic);
  setAccelerated(true);
  // No thousands separators in a quantity.
  setGroupSeparatorShown(false);
  setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

int TTamSayiSpin::Deger() const {
  const QString metin = cleanText().trimmed();
  bool tamam = false;
  const qlonglong sayi = metin.toLongLong(&tamam);
  if (!tamam) return minimum();
  return int(std::clamp<qlonglong>(sayi, minimum(), maximum()));
}
