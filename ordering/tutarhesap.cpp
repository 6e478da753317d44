#include "ordering/tutarhesap.h"

#include "platform/core/sayibicim.h"

TIndirimSonucu IndirimUygula(double brut, double d1, double d2, double d3, double d4, double miktar) {
  // Products and differences are carried in long double; only the shown amounts are rounded.
  long double x = brut;
  for (double d : {d1, d2, d3, d4}) {
    if (d > 0) x = x - x * static_cast<long double>(d) / 100.0L;
  }
  TIndirimSonucu s;
  s.indirimTutari = static_cast<double>(static_cast<long double>(brut) - x);
  s.netTutar = IkiHaneYuvarla(static_cast<double>(x));
  s.netBirimFiyat = miktar == 0 ? 0.0 : IkiHaneYuvarla(static_cast<double>(static_cast<long double>(s.netTutar) / miktar));
  return s;
}

TTutarSonucu TutarHesapla(double fiyat, double miktar, double ind1, double ind2, double ind3, double ind4,
                          double kdvoran) {
  const long double brut = static_cast<long double>(fiyat) * miktar;
  const TIndirimSonucu ind = IndirimUygula(static_cast<double>(brut), ind1, ind2, ind3, ind4, miktar);
  TTutarSonucu s;
  s.indtutar = ind.indirimTutari;
  s.kdvdahiltutar =
      IkiHaneYuvarla(static_cast<double>(ind.netBirimFiyat * (static_cast<long double>(kdvoran) / 100.0L + 1.0L)));
  s.geneltutar = IkiHaneYuvarla(static_cast<double>(static_cast<long double>(s.kdvdahiltutar) * miktar));
  return s;
}
