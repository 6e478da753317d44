// Order saving, delivery and cargo choices, earlier orders and their lines.

#include "platform/core/paket.h"
#include "session/baglantiu.h"
#include "session/kayitjson.h"
#include "ticaret_ortak.h"
#include "ticaret_yontemleri.h"
#include "yontem.h"

#include <algorithm>
#include <cmath>

namespace {

// A reader of (id, name) rows: the first column the integer id, the second the name.
std::string SecenekPaketi(sqlite3* db, const char* sql) {
  Sorgu s(db, sql);
  PaketYazici p;
  p.Alan("SIRANO", TFieldType::ftInteger);
  p.Alan("ADI", TFieldType::ftString);
  while (s.Adim()) {
    p.Int(0, s.Int(0));
    MetinYaz(p, 1, s, 1);
  }
  return p.Bitir();
}

void TeslimVer(Cagri& c, Yanit& y) { y.Paket(SecenekPaketi(c.db, "SELECT SIRANO, ADI FROM teslimler ORDER BY SIRANO")); }

void KargoVer(Cagri& c, Yanit& y) { y.Paket(SecenekPaketi(c.db, "SELECT SIRANO, ADI FROM kargoturleri ORDER BY SIRANO")); }

// KargolarVer(gn) -> the companies of cargo kind gn: ADI, SIRANO, UYARI.
void KargolarVer(Cagri& c, Yanit& y) {
  Sorgu s(c.db, "SELECT ADI, SIRANO, UYARI FROM kargolar WHERE TURNO = ? ORDER BY SIRANO");
  s.Bagla(1, c.Int(0));
  PaketYazici p;
  p.Alan("ADI", TFieldType::ftString);
  p.Alan("SIRANO", TFieldType::ftInteger);
  p.Alan("UYARI", TFieldType::ftString);
  while (s.Adim()) {
    MetinYaz(p, 0, s, 0);
    p.Int(1, s.Int(1));
    MetinYaz(p, 2, s, 2);
  }
  y.Paket(p.Bitir());
}

// SiparisKaydetDravik(BB, _carino, _teslim, _kargo, _aciklama, _verenid, _kargoyeni, ekindirim,
// ebilgi) -> true when the selected basket lines became an order (and left the basket);
// false when nothing is selected or a choice is unknown.
void SiparisKaydetDravik(Cagri& c, Yanit& y) {
  const auto bilgi = c.Oturum(0);
  const int carino = c.Int(1);
  const int teslim = c.Int(2);
  const int kargo = c.Int(3);
  const QString aciklama = c.Text(4);
  const int verenid = c.Int(5);
  const int firma = c.Int(6);
  double ekindirim = c.Float(7);
  const QString ebilgi = c.Text(8);

  const bool yetkili = bilgi && (FiyatYetkili(bilgi->MusteriTipi()) || bilgi->CARINO() == carino);
  if (!yetkili || TekSayi(c.db, "SELECT COUNT(*) FROM sepet WHERE CARINO = ? AND SEC = 1", 0, carino) == 0 ||
      TekSayi(c.db, "SELECT COUNT(*) FROM teslimler WHERE SIRANO = ?", 0, teslim) == 0 ||
      TekSayi(c.db, "SELECT COUNT(*) FROM kargoturleri WHERE SIRANO = ?", 0, kargo) == 0) {
    y.Bool(false);
    return;
  }
  {
    Sorgu f(c.db, "SELECT COUNT(*) FROM kargolar WHERE SIRANO = ? AND TURNO = ?");
    f.Bagla(1, firma).Bagla(2, kargo);
    if (!f.Adim() || f.Int(0) == 0) {
      y.Bool(false);
      return;
    }
  }
  if (!std::isfinite(ekindirim)) ekindirim = 0;
  ekindirim = std::clamp(ekindirim, 0.0, 100.0);
  const int veren = verenid > 0 ? verenid : bilgi->Sirano();
  QString verenAdi;
  {
    Sorgu u(c.db, "SELECT ADSOYAD FROM kullanicilar WHERE SIRANO = ?");
    u.Bagla(1, veren);
    if (u.Adim()) verenAdi = u.Text(0);
  }
  const double simdi = SimdiOle();
  const QString saat = SimdiSaat();
  {
    Sorgu s(c.db,
            "INSERT INTO siparisler(CARINO, TARIH, SAAT, VERENID, VEREN, TESLIMID, KARGOID, KARGOFIRMAID, ACIKLAMA, "
            "EKINDIRIM, ODEMEBILGI, DURUMNO, DURUM) VALUES(?,?,?,?,?,?,?,?,?,?,?,0,?)");
    s.Bagla(1, carino).Bagla(2, simdi).Bagla(3, saat).Bagla(4, veren).Bagla(5, verenAdi).Bagla(6, teslim)
        .Bagla(7, kargo).Bagla(8, firma).Bagla(9, aciklama).Bagla(10, ekindirim).Bagla(11, ebilgi)
        .Bagla(12, SiparisDurumAdi(0));
    s.Calistir();
  }
  const qint64 idno = sqlite3_last_insert_rowid(c.db);
  {
    Sorgu s(c.db,
            "INSERT INTO siparissatirlari(IDNO, SEPETSIRANO, CARINO, STOKNO, BARKOD, STOKADI, MIKTAR, KDV, "
            "BIRIMFIYAT, ILKFIYAT, IND1, IND2, IND3, IND4, TESLIMEDILEN, KALAN, VERENID, VERILISTARIHI, SAAT) "
            "SELECT ?, SIRANO, CARINO, STOKNO, BARKOD, STOKADI, MIKTAR, KDV, BIRIMFIYAT, BIRIMFIYAT, IND1, IND2, "
            "IND3, IND4, 0, MIKTAR, VERENID, VERILISTARIHI, SAAT FROM sepet WHERE CARINO = ? AND SEC = 1 "
            "ORDER BY SIRANO");
    s.Bagla(1, idno).Bagla(2, carino).Calistir();
  }
  {
    Sorgu s(c.db, "UPDATE stoklar SET ALINANSIPARIS = ALINANSIPARIS + (SELECT SUM(MIKTAR) FROM sepet b "
                  "WHERE b.CARINO = ?1 AND b.SEC = 1 AND b.STOKNO = stoklar.STOK_STOKNO) "
                  "WHERE STOK_STOKNO IN (SELECT STOKNO FROM sepet WHERE CARINO = ?1 AND SEC = 1)");
    s.Bagla(1, carino).Calistir();
  }
  {
    Sorgu s(c.db, "DELETE FROM sepet WHERE CARINO = ? AND SEC = 1");
    s.Bagla(1, carino).Calistir();
  }
  y.Bool(true);
}

// OncekiSiparisler(carino) -> the customer's orders, newest first, with their totals.
void OncekiSiparisler(Cagri& c, Yanit& y) {
  const int carino = c.Int(0);
  Sorgu s(c.db,
          "SELECT o.CARINO, o.IDNO, o.TARIH, o.KUR, o.KURTL, o.VERENID, IFNULL(kt.ADI, ''), IFNULL(t.ADI, ''), "
          "o.VEREN, IFNULL(cr.CARIKOD, ''), IFNULL(cr.CARIADI, ''), o.DURUM, IFNULL(kf.ADI, ''), o.ACIKLAMA, "
          "o.BIZIMMESAJ FROM siparisler o LEFT JOIN kargoturleri kt ON kt.SIRANO = o.KARGOID "
          "LEFT JOIN teslimler t ON t.SIRANO = o.TESLIMID LEFT JOIN cariler cr ON cr.CARINO = o.CARINO "
          "LEFT JOIN kargolar kf ON kf.SIRANO = o.KARGOFIRMAID WHERE o.CARINO = ? ORDER BY o.TARIH DESC, o.IDNO DESC");
  s.Bagla(1, carino);
  Sorgu satir(c.db, "SELECT MIKTAR, BIRIMFIYAT, KDV, IND1, IND2, IND3, IND4 FROM siparissatirlari WHERE IDNO = ?");
  using T = TFieldType;
  PaketYazici p;
  p.Alan("CARINO", T::ftInteger);      // 0
  p.Alan("IDNO", T::ftInteger);        // 1
  p.Alan("TARIH", T::ftDateTime);      // 2
  p.Alan("KUR", T::ftString);          // 3
  p.Alan("KURTL", T::ftFloat);         // 4
  p.Alan("VERENIDNO", T::ftInteger);   // 5
  p.Alan("KARGO", T::ftString);        // 6
  p.Alan("TESLIM", T::ftString);       // 7
  p.Alan("VEREN", T::ftString);        // 8
  p.Alan("CARIKOD", T::ftString);      // 9
  p.Alan("CARIADI", T::ftString);      // 10
  p.Alan("VERGI", T::ftFloat);         // 11
  p.Alan("NETTUTAR", T::ftFloat);      // 12
  p.Alan("TUTAR", T::ftFloat);         // 13
  p.Alan("DURUM", T::ftString);        // 14
  p.Alan("KARGOADI", T::ftString);     // 15
  p.Alan("VERENINNOTU", T::ftString);  // 16
  p.Alan("ALANNOTU", T::ftString);     // 17
  while (s.Adim()) {
    double tutar = 0, net = 0, vergi = 0;
    satir.Bagla(1, s.Int(1));
    while (satir.Adim()) {
      const SatirTutarlari t = SatirHesapla(satir.Float(0), satir.Float(1), satir.Float(2), satir.Float(3),
                                            satir.Float(4), satir.Float(5), satir.Float(6));
      tutar = Yuvarla2(tutar + t.tutar);
      net = Yuvarla2(net + t.netTutar);
      vergi = Yuvarla2(vergi + t.vergiTutari);
    }
    satir.Sifirla();
    p.Int(0, s.Int(0));
    p.Int(1, s.Int(1));
    p.Float(2, s.Float(2));
    MetinYaz(p, 3, s, 3);
    p.Float(4, s.Float(4));
    p.Int(5, s.Int(5));
    for (int i = 6; i <= 10; ++i) MetinYaz(p, i, s, i);
    p.Float(11, vergi);
    p.Float(12, net);
    p.Float(13, tutar);
    MetinYaz(p, 14, s, 11);
    MetinYaz(p, 15, s, 12);
    MetinYaz(p, 16, s, 13);
    MetinYaz(p, 17, s, 14);
  }
  y.Paket(p.Bitir());
}

// SiparisAyrintisi2(carino, idnosu) -> the lines of one order of that customer.
void SiparisAyrintisi2(Cagri& c, Yanit& y) {
  const int carino = c.Int(0);
  const int idno = c.Int(1);
  y.Paket(SatirPaketiYaz(c.db, SatirKaynagi::Siparis, QStringLiteral("l.IDNO = ? AND o.CARINO = ?"),
                         [&](Sorgu& s) { s.Bagla(1, idno).Bagla(2, carino); }, QStringLiteral("l.STOKHAR_NO")));
}

// SiparisAytintisiDip(carino (always 0), siranosu) -> TSiparisDipAyrinti, null for an unknown order.
void SiparisAytintisiDip(Cagri& c, Yanit& y) {
  Sorgu s(c.db,
          "SELECT o.ACIKLAMA, o.DURUM, o.VEREN, IFNULL(kf.ADI, ''), o.BIZIMMESAJ, IFNULL(t.ADI, ''), "
          "IFNULL(kt.ADI, ''), o.SATICINOTU FROM siparisler o LEFT JOIN kargolar kf ON kf.SIRANO = o.KARGOFIRMAID "
          "LEFT JOIN teslimler t ON t.SIRANO = o.TESLIMID LEFT JOIN kargoturleri kt ON kt.SIRANO = o.KARGOID "
          "WHERE o.IDNO = ?");
  s.Bagla(1, c.Int(1));
  if (!s.Adim()) {
    y.Json(KayitJsonMetni<TSiparisDipAyrinti>(nullptr));
    return;
  }
  TSiparisDipAyrinti d;
  d.SetSizinMesaj(s.Text(0));
  d.SetDurumu(s.Text(1));
  d.SetVeren(s.Text(2));
  d.SetKargo(s.Text(3));
  d.SetBizimMesaj(s.Text(4));
  d.SetTeslimCinsi(s.Text(5));
  d.SetKargoCinsi(s.Text(6));
  d.SetSaticiNotu(s.Text(7));
  y.Json(KayitJsonMetni(&d));
}

// TumSiparislerVer(carino, stokno) -> every order line of the customer for one stock (0: all).
void TumSiparislerVer(Cagri& c, Yanit& y) {
  const int carino = c.Int(0);
  const int stokno = c.Int(1);
  y.Paket(SatirPaketiYaz(c.db, SatirKaynagi::Siparis, QStringLiteral("l.CARINO = ?1 AND (?2 = 0 OR l.STOKNO = ?2)"),
                         [&](Sorgu& s) { s.Bagla(1, carino).Bagla(2, stokno); },
                         QStringLiteral("o.TARIH DESC, l.IDNO DESC, l.STOKHAR_NO")));
}

}  // namespace

void SiparisYontemleriniKaydet(YontemTablosu& t) {
  t.Ekle(QStringLiteral("TeslimVer"), TeslimVer);
  t.Ekle(QStringLiteral("KargoVer"), KargoVer);
  t.Ekle(QStringLiteral("KargolarVer"), KargolarVer);
  t.Ekle(QStringLiteral("SiparisKaydetDravik"), SiparisKaydetDravik, true);
  t.Ekle(QStringLiteral("OncekiSiparisler"), OncekiSiparisler);
  t.Ekle(QStringLiteral("SiparisAyrintisi2"), SiparisAyrintisi2);
  t.Ekle(QStringLiteral("SiparisAytintisiDip"), SiparisAytintisiDip);
  t.Ekle(QStringLiteral("TumSiparislerVer"), TumSiparislerVer);
}
