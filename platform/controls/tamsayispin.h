#pragma once
// Whole-number spin edit with a range. Deger() reads the typed text: a text that is not a
// whole number yields the minimum; a number outside the range is brought into it.

#include <QSpinBox>

class TTamSayiSpin : public QSpinBox {
  Q_OBJECT
 public:
  explicit TTamSayiSpin(QWidget* parent = nullptr);
  TTamSayiSpin(int enAz, int enCok, int baslangic, QWidget* parent = nullptr);

  int Deger() const;
  void DegerAta(int deger) { setValue(deger); }
  void AralikAta(int enAz, int enCok) { setRange(enAz, enCok); }
};
