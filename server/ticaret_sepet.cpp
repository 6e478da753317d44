// The basket the server keeps per customer, the extra payment discounts and the overdue warning.

#include "session/baglantiu.h"
#include "ticaret_ortak.h"
#include "ticaret_yontemleri.h"
#include "yontem.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <memory>

namespace {

// A customer works on his own basket only; a seller on any customer's.
bool CariYetkili(const TSonucBilgisi* bilgi, int carino) {
  if (!bilgi) return false;
  if (FiyatYetkili(bilgi->MusteriTipi())) return true;
  return bilgi->CARINO() == carino;
}

bool CariVar(sqlite3* db, int carino) {
  return carino > 0 && TekSayi(db, "SELECT COUNT(*) FROM cariler WHERE CARINO = ?", 0, carino) > 0;
}

bool Gecerli(double v) { return std::isfinite(v); }

// What a basket line may hold: an amount above zero, a price and VAT rate not below zero, and
// every number (the four discounts too) finite.
bool SatirDegerleri(double miktar, double kdv, double fiyat, const double (&ind)[4]) {
  if (!Gecerli(miktar) || miktar <= 0 || !Gecerli(fiyat) || fiyat < 0 || !Gecerli(kdv) || kdv < 0) return false;
  return std::all_of(std::begin(ind), std::end(ind), Gecerli);
}

// The rates and price a line is stored with: a seller's as sent, a customer's from the
// catalogue (his unit price field is read-only in the client, so they are the same numbers).
struct SatirFiyati {
  double fiyat;
  double ind[4];
  double kdv;
  int k;
};

SatirFiyati FiyatBelirle(const TSonucBilgisi& bilgi, const StokFiyati& katalog, double fiyat, double kdv,
                         const double ind[4], int k) {
  SatirFiyati f{fiyat, {ind[0], ind[1], ind[2], ind[3]}, kdv, k};
  if (!FiyatYetkili(bilgi.MusteriTipi()) && katalog.var) {
    f.fiyat = katalog.fiyat;
    for (int i = 0; i < 4; ++i) f.ind[i] = katalog.ind[i];
    f.kdv = katalog.kdv;
    f.k = katalog.k;
  }
  for (double& d : f.ind) d = std::clamp(d, 0.0, 100.0);
  return f;
}

// SepetVer2(carino int) -> packet of the customer's basket lines.
void SepetVer2(Cagri& c, Yanit& y) {
  const int carino = c.Int(0);
  y.Paket(SatirPaketiYaz(c.db, SatirKaynagi::Sepet, QStringLiteral("b.CARINO = ?"),
                         [&](Sorgu& s) { s.Bagla(1, carino); }, QStringLiteral("b.SIRANO")));
}

// SepetEkle2(bilgim, carino, stokno, barkod, stokadi, miktar, kdv, fiyat, ind1, verenid, k,
//            ind2, ind3, ind4) -> 1 when the line was added, 0 when refused.
void SepetEkle2(Cagri& c, Yanit& y) {
  const auto bilgi = c.Oturum(0);
  const int carino = c.Int(1);
  const int stokno = c.Int(2);
  c.Text(3);  // barkod and stokadi: the line takes both from the catalogue
  c.Text(4);
  const double miktar = c.Float(5);
  const double kdv = c.Float(6);
  const double fiyat = c.Float(7);
  const double ind[4] = {c.Float(8), c.Float(11), c.Float(12), c.Float(13)};
  const int verenid = c.Int(9);
  const int k = c.Int(10);

  const StokFiyati katalog = StokFiyatiBul(c.db, carino, stokno, !bilgi || Kampanyali(bilgi->MusteriTipi()));
  if (!CariYetkili(bilgi.get(), carino) || !CariVar(c.db, carino) || !katalog.var ||
      !SatirDegerleri(miktar, kdv, fiyat, ind)) {
    y.Int(0);
    return;
  }
  const SatirFiyati f = FiyatBelirle(*bilgi, katalog, fiyat, kdv, ind, k);
  Sorgu s(c.db,
          "INSERT INTO sepet(CARINO, STOKNO, BARKOD, STOKADI, MIKTAR, KDV, BIRIMFIYAT, IND1, IND2, IND3, IND4, K, "
          "VERENID, SEC, VERILISTARIHI, SAAT) VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,1,?,?)");
  s.Bagla(1, carino).Bagla(2, stokno)
      .Bagla(3, katalog.barkod)
      .Bagla(4, katalog.adi)
      .Bagla(5, miktar).Bagla(6, f.kdv).Bagla(7, f.fiyat)
      .Bagla(8, f.ind[0]).Bagla(9, f.ind[1]).Bagla(10, f.ind[2]).Bagla(11, f.ind[3]).Bagla(12, f.k)
      .Bagla(13, verenid > 0 ? verenid : bilgi->Sirano()).Bagla(14, SimdiOle()).Bagla(15, SimdiSaat());
  s.Calistir();
  y.Int(1);
}

// SepetGuncelle2(bilgim, carino, stokno (0), barkod, stokadi, miktar, kdv, fiyat, ind1, verenid,
//                _sepetsirano, ind2, ind3, ind4) -> 1 when the line was changed.
void SepetGuncelle2(Cagri& c, Yanit& y) {
  const auto bilgi = c.Oturum(0);
  const int carino = c.Int(1);
  const double miktar = c.Float(5);
  const double kdv = c.Float(6);
  const double fiyat = c.Float(7);
  const double ind[4] = {c.Float(8), c.Float(11), c.Float(12), c.Float(13)};
  const int verenid = c.Int(9);
  const int sirano = c.Int(10);

  int stokno = 0;
  {
    Sorgu s(c.db, "SELECT STOKNO FROM sepet WHERE SIRANO = ? AND CARINO = ?");
    s.Bagla(1, sirano).Bagla(2, carino);
    if (s.Adim()) stokno = static_cast<int>(s.Int(0));
    else {
      y.Int(0);
      return;
    }
  }
  if (!CariYetkili(bilgi.get(), carino) || !SatirDegerleri(miktar, kdv, fiyat, ind)) {
    y.Int(0);
    return;
  }
  const StokFiyati katalog = StokFiyatiBul(c.db, carino, stokno, !bilgi || Kampanyali(bilgi->MusteriTipi()));
  const SatirFiyati f = FiyatBelirle(*bilgi, katalog, fiyat, kdv, ind, 0);
  Sorgu s(c.db,
          "UPDATE sepet SET MIKTAR = ?, KDV = ?, BIRIMFIYAT = ?, IND1 = ?, IND2 = ?, IND3 = ?, IND4 = ?, "
          "VERENID = ? WHERE SIRANO = ? AND CARINO = ?");
  s.Bagla(1, miktar).Bagla(2, f.kdv).Bagla(3, f.fiyat).Bagla(4, f.ind[0]).Bagla(5, f.ind[1])
      .Bagla(6, f.ind[2]).Bagla(7, f.ind[3]).Bagla(8, verenid > 0 ? verenid : bilgi->Sirano())
      .Bagla(9, sirano).Bagla(10, carino);
  s.Calistir();
  y.Int(sqlite3_changes(c.db) > 0 ? 1 : 0);
}

// SepetSatirSil(bilgi, satirno, aciklamam) -> number of lines deleted.
void SepetSatirSil(Cagri& c, Yanit& y) {
  const auto bilgi = c.Oturum(0);
  const int satirno = c.Int(1);
  if (!bilgi) {
    y.Int(0);
    return;
  }
  Sorgu s(c.db, "DELETE FROM sepet WHERE SIRANO = ? AND CARINO = ?");
  s.Bagla(1, satirno).Bagla(2, bilgi->CARINO()).Calistir();
  y.Int(sqlite3_changes(c.db));
}

// SepetHepsiniSil(bilgi) -> number of lines deleted.
void SepetHepsiniSil(Cagri& c, Yanit& y) {
  const auto bilgi = c.Oturum(0);
  if (!bilgi) {
    y.Int(0);
    return;
  }
  Sorgu s(c.db, "DELETE FROM sepet WHERE CARINO = ?");
  s.Bagla(1, bilgi->CARINO()).Calistir();
  y.Int(sqlite3_changes(c.db));
}

// SepetSecimGuncelle(sirano, secim): 1 marks the line for ordering, anything else clears it.
void SepetSecimGuncelle(Cagri& c, Yanit&) {
  Sorgu s(c.db, "UPDATE sepet SET SEC = ? WHERE SIRANO = ?");
  s.Bagla(1, c.Int(1) == 1 ? 1 : 0).Bagla(2, c.Int(0)).Calistir();
}

// EkfiyatIndirimVer() -> "cash|single charge" percentages, decimal comma ("3|1,5").
void EkfiyatIndirimVer(Cagri& c, Yanit& y) {
  y.Text(OranYazisi(NakitIskonto(c.db)) + u'|' + OranYazisi(TekCekimIskonto(c.db)));
}

// CariVadeGunGecmismiBul(carino) -> the overdue warning, empty when nothing is overdue.
void CariVadeGunGecmismiBul(Cagri& c, Yanit& y) {
  Sorgu s(c.db, "SELECT VADEGECIKME, BAKIYE FROM cariler WHERE CARINO = ?");
  s.Bagla(1, c.Int(0));
  if (s.Adim() && s.Int(0) > 0 && s.Float(1) > 0) {
    y.Text(QStringLiteral("Vadesi %1 gün geçmiş %2 TL bakiyeniz bulunmaktadır. Lütfen ödemenizi yapınız.")
               .arg(s.Int(0))
               .arg(TutarYazisi(s.Float(1))));
    return;
  }
  y.Text(QString());
}

}  // namespace

void SepetYontemleriniKaydet(YontemTablosu& t) {
  t.Ekle(QStringLiteral("SepetVer2"), SepetVer2);
  t.Ekle(QStringLiteral("SepetEkle2"), SepetEkle2, true);
  t.Ekle(QStringLiteral("SepetGuncelle2"), SepetGuncelle2, true);
  t.Ekle(QStringLiteral("SepetSatirSil"), SepetSatirSil, true);
  t.Ekle(QStringLiteral("SepetHepsiniSil"), SepetHepsiniSil, true);
  t.Ekle(QStringLiteral("SepetSecimGuncelle"), SepetSecimGuncelle, true);
  t.Ekle(QStringLiteral("EkfiyatIndirimVer"), EkfiyatIndirimVer);
  t.Ekle(QStringLiteral("CariVadeGunGecmismiBul"), CariVadeGunGecmismiBul);
}
