// Open order balances: the order lines not yet delivered in full, and their edits.

#include "session/baglantiu.h"
#include "ticaret_ortak.h"
#include "ticaret_yontemleri.h"
#include "yontem.h"

#include <algorithm>
#include <cmath>

namespace {

// The session's customer, or -1 when there is no session (nothing matches then).
int OturumCarisi(const TSonucBilgisi* k) { return k ? k->CARINO() : -1; }

// BakiyelerVer2(carino) -> the customer's order lines with an open balance (KALAN > 0).
void BakiyelerVer2(Cagri& c, Yanit& y) {
  const int carino = c.Int(0);
  y.Paket(SatirPaketiYaz(c.db, SatirKaynagi::Siparis, QStringLiteral("l.CARINO = ? AND l.KALAN > 0"),
                         [&](Sorgu& s) { s.Bagla(1, carino); }, QStringLiteral("o.TARIH, l.IDNO, l.STOKHAR_NO")));
}

// BakiyeDuzenle(k, stokno, sepetsirano, siparissirano, Adet, Bakiye, barkod): closes the open
// balance of order line siparissirano; the line stays in the order history. -> lines changed.
void BakiyeDuzenle(Cagri& c, Yanit& y) {
  const auto k = c.Oturum(0);
  Sorgu s(c.db, "UPDATE siparissatirlari SET KALAN = 0 WHERE STOKHAR_NO = ? AND CARINO = ? AND KALAN > 0");
  s.Bagla(1, c.Int(3)).Bagla(2, OturumCarisi(k.get())).Calistir();
  y.Int(sqlite3_changes(c.db));
}

// BakiyeDegistir(k, stokno, sepetsirano, siparissirano, Adet, Bakiye, barkod): the open balance
// becomes Bakiye; the ordered quantity grows when delivered + balance exceed it. -> lines changed.
void BakiyeDegistir(Cagri& c, Yanit& y) {
  const auto k = c.Oturum(0);
  const double bakiye = c.Float(5);
  if (!std::isfinite(bakiye) || bakiye < 0) {
    y.Int(0);
    return;
  }
  Sorgu s(c.db,
          "UPDATE siparissatirlari SET KALAN = ?1, MIKTAR = MAX(MIKTAR, TESLIMEDILEN + ?1) "
          "WHERE STOKHAR_NO = ?2 AND CARINO = ?3");
  s.Bagla(1, bakiye).Bagla(2, c.Int(3)).Bagla(3, OturumCarisi(k.get())).Calistir();
  y.Int(sqlite3_changes(c.db));
}

// BakiyeFiyatDegistir(k, stokno (0), sepetsirano, siparissirano, Adet, Bakiye, barkod, fiyat, ind):
// new unit price and a single discount rate for the balance line; sellers with price authority
// only. The first price (ILKFIYAT) stays. -> lines changed.
void BakiyeFiyatDegistir(Cagri& c, Yanit& y) {
  const auto k = c.Oturum(0);
  const double fiyat = c.Float(7);
  const double ind = c.Float(8);
  if (!k || k->MusteriTipi() != 2 || !std::isfinite(fiyat) || fiyat < 0 || !std::isfinite(ind)) {
    y.Int(0);
    return;
  }
  Sorgu s(c.db,
          "UPDATE siparissatirlari SET BIRIMFIYAT = ?, IND1 = ?, IND2 = 0, IND3 = 0, IND4 = 0 "
          "WHERE STOKHAR_NO = ? AND CARINO = ?");
  s.Bagla(1, fiyat).Bagla(2, std::clamp(ind, 0.0, 100.0)).Bagla(3, c.Int(3)).Bagla(4, k->CARINO()).Calistir();
  y.Int(sqlite3_changes(c.db));
}

}  // namespace

void BakiyeYontemleriniKaydet(YontemTablosu& t) {
  t.Ekle(QStringLiteral("BakiyelerVer2"), BakiyelerVer2);
  t.Ekle(QStringLiteral("BakiyeDuzenle"), BakiyeDuzenle, true);
  t.Ekle(QStringLiteral("BakiyeDegistir"), BakiyeDegistir, true);
  t.Ekle(QStringLiteral("BakiyeFiyatDegistir"), BakiyeFiyatDegistir, true);
}
