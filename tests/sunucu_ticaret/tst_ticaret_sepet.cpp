// The basket kept by the server: add, change, select, delete, with the line amounts it computes;
// the extra discount text and the overdue warning.

#include <sqlite3.h>

#include "ticaret_test_ortak.h"

namespace {

class SepetTest : public TicaretTest {
 protected:
  // SepetEkle2 with the argument order of the method.
  qint64 Ekle(const TSonucBilgisi& k, int carino, int stokno, double miktar, double fiyat, double i1 = 0,
              double i2 = 0, double i3 = 0, double i4 = 0, double kdv = 20, int kamp = 0) {
    Yanit y = Cagir(QStringLiteral("SepetEkle2"),
                    {OturumJson(k), carino, stokno, QStringLiteral("BRK"), QStringLiteral("STOK"), miktar, kdv, fiyat,
                     i1, k.Sirano(), kamp, i2, i3, i4});
    return std::stoll(y.Ogeler().back().json);
  }
  qint64 Guncelle(const TSonucBilgisi& k, int carino, int sirano, double miktar, double fiyat, double i1 = 0,
                  double i2 = 0, double i3 = 0, double i4 = 0, double kdv = 20) {
    Yanit y = Cagir(QStringLiteral("SepetGuncelle2"),
                    {OturumJson(k), carino, 0, QStringLiteral("BRK"), QStringLiteral("STOK"), miktar, kdv, fiyat, i1,
                     k.Sirano(), sirano, i2, i3, i4});
    return std::stoll(y.Ogeler().back().json);
  }
  std::unique_ptr<TClientDataSet> Sepet(int carino) { return Paket(QStringLiteral("SepetVer2"), {carino}); }
  // A stock without campaign (its catalogue price carries the customer's discounts).
  int KampanyasizStok(int atla = 0) {
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT STOK_STOKNO FROM stoklar WHERE K = 0 ORDER BY STOK_STOKNO LIMIT 1 OFFSET ?", -1,
                       &st, nullptr);
    sqlite3_bind_int(st, 1, atla);
    const int no = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int(st, 0) : 0;
    sqlite3_finalize(st);
    return no;
  }
};

TEST_F(SepetTest, SatirTutarlariSunucudaHesaplanir) {
  const TSonucBilgisi satici = Oturum(QStringLiteral("SATICI"));  // a seller's price and rates are kept
  struct Durum {
    double miktar, fiyat, i1, i2, i3, i4, kdv;
    double tutar, indirim, netBirim, vergi, net;
    const char* yazi;
  };
  const Durum durumlar[] = {
      {3, 19.99, 10, 5, 0, 0, 20, 59.97, 8.70, 17.09, 10.25, 51.27, "10+5"},
      {1, 100, 10, 5, 0, 0, 18, 100, 14.50, 85.50, 15.39, 85.50, "10+5"},
      {2, 50, 0, 0, 0, 0, 20, 100, 0, 50, 20, 100, ""},
      {4, 12.5, 12.5, 5, 2, 1, 20, 50, 9.68, 10.08, 8.06, 40.32, "12,5+5+2+1"},
      {1, 80, 100, 0, 0, 0, 20, 80, 80, 0, 0, 0, "100"},
  };
  const int stok = KampanyasizStok();
  for (const Durum& d : durumlar) {
    ASSERT_EQ(Ekle(satici, 1, stok, d.miktar, d.fiyat, d.i1, d.i2, d.i3, d.i4, d.kdv), 1);
  }
  auto ds = Sepet(1);
  ASSERT_EQ(ds->RecordCount(), static_cast<int>(std::size(durumlar)));
  for (int i = 0; i < ds->RecordCount(); ++i) {
    const Durum& d = durumlar[i];
    SCOPED_TRACE(i);
    EXPECT_DOUBLE_EQ(FloatAl(*ds, i, "MIKTAR"), d.miktar);
    EXPECT_DOUBLE_EQ(FloatAl(*ds, i, "BIRIMFIYAT"), d.fiyat);
    EXPECT_NEAR(FloatAl(*ds, i, "TUTAR"), d.tutar, 1e-9);
    EXPECT_NEAR(FloatAl(*ds, i, "INDIRIMTUTAR"), d.indirim, 1e-9);
    EXPECT_NEAR(FloatAl(*ds, i, "NETBIRIMFIYAT"), d.netBirim, 1e-9);
    EXPECT_NEAR(FloatAl(*ds, i, "VERGITUTARI"), d.vergi, 1e-9);
    EXPECT_NEAR(FloatAl(*ds, i, "NETTUTAR"), d.net, 1e-9);
    EXPECT_EQ(TextAl(*ds, i, "INDIRIMYAZI"), QString::fromUtf8(d.yazi));
    EXPECT_DOUBLE_EQ(FloatAl(*ds, i, "INDIRIMORANI1"), d.i1);
    EXPECT_DOUBLE_EQ(FloatAl(*ds, i, "INDIRIMORANI4"), d.i4);
    EXPECT_EQ(IntAl(*ds, i, "SEC"), 1);
    EXPECT_EQ(IntAl(*ds, i, "STOKNO"), stok);
    EXPECT_EQ(IntAl(*ds, i, "CARINO"), 1);
    EXPECT_EQ(TextAl(*ds, i, "VEREN"), QStringLiteral("AHMET YILMAZ"));
    EXPECT_GT(FloatAl(*ds, i, "VERILISTARIHI"), 40000.0);
  }
  // every column the basket grid names is there
  const char* const alanlar[] = {
      "SEC", "VERILISTARIHI", "SIRANO", "SIPARISNO", "CARINO", "TARIH", "AKTAR", "STOKNO", "BARKOD", "FINISHKOD",
      "OEMNO", "STOKADI", "MIKTAR", "BIRIMFIYAT", "TUTAR", "INDIRIMYAZI", "INDIRIMORANI1", "INDIRIMORANI2",
      "INDIRIMORANI3", "INDIRIMTUTAR", "NETBIRIMFIYAT", "KDV", "VERGITUTARI", "NETTUTAR", "KUR", "KURTL",
      "VERENIDNO", "SAAT", "TESLIMID", "KARGOID", "ACIKLAMA", "IDNO", "VERENSIRANO", "VEREN", "CARIKOD", "CARIADI",
      "OEM1", "OEM2", "OEM3", "OEM4", "STOK_STOKNO", "URETICIKODU", "DIGERADI", "DPKOD", "MARKA", "MODEL",
      "ANAGRUP", "OZELKOD", "PKOD", "DURUM", "KALAN", "INDIRIMORANI4"};
  for (const char* a : alanlar) EXPECT_NE(ds->FindField(QString::fromLatin1(a)), nullptr) << a;
}

TEST_F(SepetTest, DegistirSecSilTuru) {
  const TSonucBilgisi k = Oturum(QStringLiteral("MUSTERI"));
  ASSERT_EQ(Ekle(k, 1, KampanyasizStok(0), 2, 0), 1);
  ASSERT_EQ(Ekle(k, 1, KampanyasizStok(1), 1, 0), 1);
  auto ds = Sepet(1);
  ASSERT_EQ(ds->RecordCount(), 2);
  const int s1 = static_cast<int>(IntAl(*ds, 0, "SIRANO"));
  const int s2 = static_cast<int>(IntAl(*ds, 1, "SIRANO"));

  // change the quantity of the first line (stock number 0, line by number)
  EXPECT_EQ(Guncelle(k, 1, s1, 7, 0, FloatAl(*ds, 0, "INDIRIMORANI1"), FloatAl(*ds, 0, "INDIRIMORANI2"),
                     FloatAl(*ds, 0, "INDIRIMORANI3"), FloatAl(*ds, 0, "INDIRIMORANI4")),
            1);
  EXPECT_EQ(Guncelle(k, 1, 999999, 7, 0), 0);  // no such line
  EXPECT_EQ(Guncelle(k, 2, s1, 7, 0), 0);       // not this customer's line
  ds = Sepet(1);
  EXPECT_DOUBLE_EQ(FloatAl(*ds, SatirBul(*ds, "SIRANO", s1), "MIKTAR"), 7);
  EXPECT_NEAR(FloatAl(*ds, SatirBul(*ds, "SIRANO", s1), "TUTAR"),
              7 * FloatAl(*ds, SatirBul(*ds, "SIRANO", s1), "BIRIMFIYAT"), 0.005);

  // selection marks
  Cagir(QStringLiteral("SepetSecimGuncelle"), {s2, 0});
  ds = Sepet(1);
  EXPECT_EQ(IntAl(*ds, SatirBul(*ds, "SIRANO", s2), "SEC"), 0);
  EXPECT_EQ(IntAl(*ds, SatirBul(*ds, "SIRANO", s1), "SEC"), 1);
  Cagir(QStringLiteral("SepetSecimGuncelle"), {s2, 1});
  EXPECT_EQ(IntAl(*Sepet(1), 1, "SEC"), 1);

  // delete one line, then the rest
  Cagir(QStringLiteral("SepetSatirSil"), {OturumJson(k), s1, QStringLiteral("BRK-STOK")});
  ds = Sepet(1);
  ASSERT_EQ(ds->RecordCount(), 1);
  EXPECT_EQ(IntAl(*ds, 0, "SIRANO"), s2);
  Cagir(QStringLiteral("SepetHepsiniSil"), {OturumJson(k)});
  EXPECT_EQ(Sepet(1)->RecordCount(), 0);
}

TEST_F(SepetTest, MusteriFiyatiKatalogdanGelir) {
  // A customer cannot set prices: his line carries the catalogue price and his discount rates,
  // whatever the call says; a seller's line keeps what he typed.
  const int stok = KampanyasizStok();
  auto liste = Paket(QStringLiteral("StokAraGetirDravik"), {QStringLiteral("%"), OturumJson(Oturum(QStringLiteral("MUSTERI")))});
  const int satir = SatirBul(*liste, "STOK_STOKNO", stok);
  ASSERT_GE(satir, 0);
  ASSERT_EQ(Ekle(Oturum(QStringLiteral("MUSTERI")), 1, stok, 2, 0.01, 99, 0, 0, 0), 1);
  ASSERT_EQ(Ekle(Oturum(QStringLiteral("SATICI")), 1, stok, 2, 123.45, 7, 0, 0, 0), 1);
  auto ds = Sepet(1);
  ASSERT_EQ(ds->RecordCount(), 2);
  EXPECT_DOUBLE_EQ(FloatAl(*ds, 0, "BIRIMFIYAT"), FloatAl(*liste, satir, "FIYAT"));
  EXPECT_EQ(TextAl(*ds, 0, "BARKOD"), TextAl(*liste, satir, "BARKOD"));  // not the "BRK" of the call
  EXPECT_EQ(TextAl(*ds, 1, "STOKADI"), TextAl(*liste, satir, "ADI"));
  EXPECT_DOUBLE_EQ(FloatAl(*ds, 0, "INDIRIMORANI1"), FloatAl(*liste, satir, "IND1"));
  EXPECT_NEAR(FloatAl(*ds, 0, "NETBIRIMFIYAT"), FloatAl(*liste, satir, "NETFIYAT"), 0.011);
  EXPECT_DOUBLE_EQ(FloatAl(*ds, 1, "BIRIMFIYAT"), 123.45);
  EXPECT_DOUBLE_EQ(FloatAl(*ds, 1, "INDIRIMORANI1"), 7);
}

TEST_F(SepetTest, GecersizSatirlarReddedilir) {
  const TSonucBilgisi k = Oturum(QStringLiteral("MUSTERI"));
  const int stok = KampanyasizStok();
  struct Durum { const char* neden; int carino; int stokno; double miktar; double fiyat; };
  const Durum durumlar[] = {
      {"miktar 0", 1, stok, 0, 10},         {"eksi miktar", 1, stok, -2, 10},
      {"bilinmeyen stok", 1, 9999999, 1, 10}, {"başka müşterinin sepeti", 2, stok, 1, 10},
      {"bilinmeyen cari", 0, stok, 1, 10},
  };
  for (const Durum& d : durumlar) EXPECT_EQ(Ekle(k, d.carino, d.stokno, d.miktar, d.fiyat), 0) << d.neden;
  EXPECT_EQ(Ekle(Oturum(QStringLiteral("SATICI")), 1, stok, 1, -5), 0) << "eksi fiyat";
  EXPECT_EQ(Sepet(1)->RecordCount(), 0);
  EXPECT_EQ(Sepet(2)->RecordCount(), 0);
  // a session of another customer deletes nothing of this basket
  ASSERT_EQ(Ekle(k, 1, stok, 1, 10), 1);
  Cagir(QStringLiteral("SepetHepsiniSil"), {OturumJson(Oturum(QStringLiteral("KISITLI")))});
  EXPECT_EQ(Sepet(1)->RecordCount(), 1);
}

TEST_F(SepetTest, EkIndirimVeVadeUyarisi) {
  Yanit y = Cagir(QStringLiteral("EkfiyatIndirimVer"), {});
  EXPECT_EQ(y.Ogeler().back().json, "\"3|1,5\"");

  y = Cagir(QStringLiteral("CariVadeGunGecmismiBul"), {1});
  EXPECT_EQ(y.Ogeler().back().json,
            "\"Vadesi 45 gün geçmiş 48.250,75 TL bakiyeniz bulunmaktadır. Lütfen ödemenizi yapınız.\"");
  for (int cari : {2, 3, 0, 12345}) {
    y = Cagir(QStringLiteral("CariVadeGunGecmismiBul"), {cari});
    EXPECT_EQ(y.Ogeler().back().json, "\"\"") << cari;
  }
}

}  // namespace
