#include "platform/grid/izgarakolonu.h"

TIzgaraKolonu::TIzgaraKolonu(QString ad, QString alanAdi, QString baslik)
    : ad_(std::move(ad)), alanAdi_(std::move(alanAdi)), baslik_(std::move(baslik)) {}

QString TIzgaraKolonu::Baslik() const { return baslik_.isEmpty() ? alanAdi_ : baslik_; }

void TIzgaraKolonu::SetBaslik(const QString& b) {
  baslik_ = b;
  if (degisti_) degisti_();
}

void TIzgaraKolonu::SetGorunur(bool g) {
  if (gorunur_ == g) return;
  gorunur_ = g;
  if (degisti_) degisti_();
}

int TIzgaraKolonu::DegerIndeksi(const QVariant& v) const {
  const bool bos = !v.isValid() || v.isNull();
  bool sayiMi = false;
  const qint64 sayi = bos ? 0 : v.toLongLong(&sayiMi);
  for (std::size_t i = 0; i < degerler_.size(); ++i) {
    const QVariant& d = degerler_[i].deger;
    const bool dBos = !d.isValid() || d.isNull();
    if (bos || dBos) {
      if (bos && dBos) return int(i);
      continue;
    }
    bool dSayi = false;
    const qint64 ds = d.toLongLong(&dSayi);
    if (sayiMi && dSayi) {
      if (ds == sayi) return int(i);
    } else if (d.toString() == v.toString()) {
      return int(i);
    }
  }
  return -1;
}
