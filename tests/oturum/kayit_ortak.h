#pragma once
// Helpers for the record tests: fill every field of a record with values that depend on a
// seed, and list the fields in which two records differ (driven by the records' field lists).
#include <QString>
#include <string>
#include <vector>

#include "session/baglantiu.h"
#include "session/mobilstokunit.h"

template <class T>
std::vector<std::string> AlanAdlari() {
  std::vector<std::string> l;
  for (const auto& a : T::Alanlar()) l.emplace_back(a.ad);
  return l;
}

// Every field gets a value different from its default and from other seeds.
template <class T>
void Doldur(T& k, int tohum) {
  int i = 0;
  for (const auto& a : T::Alanlar()) {
    ++i;
    switch (a.tur) {
      case TAlanTuru::Metin:
        k.*a.metin = QStringLiteral("%1 ğüşİöç \"%2\" %3").arg(QLatin1String(a.ad)).arg(tohum).arg(i);
        break;
      case TAlanTuru::Tamsayi: k.*a.tamsayi = tohum * 1000 + i + 1; break;
      case TAlanTuru::Ondalik: k.*a.ondalik = tohum * 1000 + i + 0.125; break;
      case TAlanTuru::Tarih: k.*a.ondalik = 45000 + tohum + i / 8.0; break;
      case TAlanTuru::Mantik: k.*a.mantik = true; break;
    }
  }
}

template <class T>
std::vector<std::string> Farklar(const T& x, const T& y) {
  std::vector<std::string> f;
  for (const auto& a : T::Alanlar()) {
    bool ayni = true;
    switch (a.tur) {
      case TAlanTuru::Metin: ayni = x.*a.metin == y.*a.metin; break;
      case TAlanTuru::Tamsayi: ayni = x.*a.tamsayi == y.*a.tamsayi; break;
      case TAlanTuru::Ondalik:
      case TAlanTuru::Tarih: ayni = x.*a.ondalik == y.*a.ondalik; break;
      case TAlanTuru::Mantik: ayni = x.*a.mantik == y.*a.mantik; break;
    }
    if (!ayni) f.emplace_back(a.ad);
  }
  return f;
}
