// Seller desk lists and counts, date-range lists, the contact record and the mail requests.

#include <gtest/gtest.h>

#include <QDate>

#include "icerik_ortam.h"

namespace {

QSet<int> Carinolar(const IcerikTablo& t) {
  QSet<int> s;
  for (int i = 0; i < int(t.satirlar.size()); ++i) s.insert(t.Deger(i, "CARINO").toInt());
  return s;
}

QSet<int> SaticininCarileri(sqlite3* db, int satici) {
  const IcerikTablo t = IcerikSorgu(db, QStringLiteral("SELECT CARINO FROM cariler WHERE SATICINO = ?"),
                                    {{"CARINO", IcerikTur::Int}}, {satici});
  return Carinolar(t);
}

double Ole(int yil, int ay, int gun) { return double(QDate(1899, 12, 30).daysTo(QDate(yil, ay, gun))); }

// An order of one line for a customer on a day, in a state.
int SiparisEkle(sqlite3* db, int carino, double tarih, int durumNo, int stokno, double miktar, double fiyat) {
  IcerikCalistir(db,
                 QStringLiteral("INSERT INTO siparisler(CARINO, TARIH, SAAT, VEREN, DURUMNO, DURUM) "
                                "VALUES(?, ?, '10:00:00', 'TEST', ?, 'X')"),
                 {carino, tarih, durumNo});
  const int idno = int(Sayi(db, QStringLiteral("SELECT MAX(IDNO) FROM siparisler")));
  IcerikCalistir(db,
                 QStringLiteral("INSERT INTO siparissatirlari(IDNO, CARINO, STOKNO, MIKTAR, KDV, BIRIMFIYAT, KALAN) "
                                "VALUES(?, ?, ?, ?, 20, ?, ?)"),
                 {idno, carino, stokno, miktar, fiyat, miktar});
  return idno;
}

}  // namespace

TEST(SaticiMasasi, AramaSaticininCarileriyleSinirli) {
  IcerikVeritabani v;
  const QSet<int> birinci = SaticininCarileri(v.db, 1);
  ASSERT_FALSE(birinci.isEmpty());
  const IcerikTablo t = CariAra(v.db, SaticiOturumu(), QString());
  EXPECT_EQ(Carinolar(t), birinci);
  for (const char* ad : {"CARINO", "CARIKOD", "CARIADI", "SATICISI", "TLBAKIYE", "DURUM", "SEPET", "ALINDI", "ONAYLANDI",
                         "GORULDU", "HAZIRLANDI", "PARCALIHAZIRLANDI", "OZELKOD", "KOD1", "KOD2", "KOD3", "KOD4", "KOD5",
                         "TEL1", "TEL2", "ILCE", "IL", "GSM", "YETKILI", "INDIRIM", "VADE", "VADEKONTROLGUN",
                         "VADEKONTROLAY", "VERGIDAIRESI", "VERGINO", "ADRES1", "ADRES2", "ANAGRUP", "ALTGRUP", "FAX1",
                         "FAX2", "EMAIL"})
    EXPECT_GE(t.Sutun(QLatin1String(ad)), 0) << ad;
  EXPECT_EQ(t.sutunlar[std::size_t(t.Sutun(QStringLiteral("TLBAKIYE")))].tur, IcerikTur::Float);
  const QString satici = IcerikDeger(v.db, QStringLiteral("SELECT ADI FROM saticilar WHERE SATICINO = 1")).toString();
  for (int i = 0; i < int(t.satirlar.size()); ++i) {
    EXPECT_EQ(t.Deger(i, "SATICISI").toString(), satici);
    const double b = t.Deger(i, "TLBAKIYE").toDouble();
    EXPECT_EQ(t.Deger(i, "DURUM").toString(),
              b > 0.004 ? QStringLiteral("Borçlu") : b < -0.004 ? QStringLiteral("Alacaklı") : QString());
  }
  // a customer session sees only his own account
  EXPECT_EQ(Carinolar(CariAra(v.db, MusteriOturumu(), QString())), QSet<int>{1});
}

TEST(SaticiMasasi, AramaMetniTurkceHarflerdenBagimsiz) {
  IcerikVeritabani v;
  const IcerikTablo hepsi = CariAra(v.db, SaticiOturumu(), QString());
  ASSERT_FALSE(hepsi.satirlar.empty());
  const QString ad = hepsi.Deger(0, "CARIADI").toString();
  const QString kelime = ad.split(QLatin1Char(' ')).first();
  const QString kod = hepsi.Deger(0, "CARIKOD").toString();
  struct Durum {
    QString metin;
    bool bulunur;
  };
  const std::vector<Durum> durumlar = {
      {kelime, true},
      {kelime.toLower(), true},
      {QString(kelime).replace(QStringLiteral("İ"), QStringLiteral("I")).replace(QStringLiteral("Ş"), QStringLiteral("S")), true},
      {QStringLiteral("  ") + kod + QStringLiteral(" "), true},
      {QStringLiteral("%"), true},
      {QStringLiteral("QQQZZZXX"), false},
  };
  for (const Durum& d : durumlar) {
    const IcerikTablo t = CariAra(v.db, SaticiOturumu(), d.metin);
    EXPECT_EQ(Carinolar(t).contains(hepsi.Deger(0, "CARINO").toInt()), d.bulunur) << d.metin.toStdString();
    EXPECT_TRUE(Carinolar(t).subtract(Carinolar(hepsi)).isEmpty());
  }
}

TEST(SaticiMasasi, KodaGoreListelerVeDugmeSayilari) {
  IcerikVeritabani v;
  // a customer of seller 1 with no basket and no orders gets one order in each state
  IcerikCalistir(v.db, QStringLiteral("DELETE FROM siparissatirlari"));
  IcerikCalistir(v.db, QStringLiteral("DELETE FROM siparisler"));
  IcerikCalistir(v.db, QStringLiteral("DELETE FROM sepet"));
  const QList<int> carileri = SaticininCarileri(v.db, 1).values();
  ASSERT_GE(carileri.size(), 3);
  const int a = carileri[0], b = carileri[1];
  const int baskasi = int(Sayi(v.db, QStringLiteral("SELECT MIN(CARINO) FROM cariler WHERE SATICINO <> 1")));
  IcerikCalistir(v.db, QStringLiteral("INSERT INTO sepet(CARINO, STOKNO, MIKTAR) VALUES(?, 1, 2), (?, 2, 1), (?, 3, 1)"),
                 {a, a, baskasi});
  struct Durum {
    int kod;
    int durumNo;
  };
  const std::vector<Durum> durumlar = {{2, 0}, {3, 1}, {4, 2}, {5, 3}, {6, 4}, {7, 5}};
  for (const Durum& d : durumlar) {
    SiparisEkle(v.db, b, Ole(2026, 11, 1), d.durumNo, 1, 1, 10);
    SiparisEkle(v.db, baskasi, Ole(2026, 11, 1), d.durumNo, 1, 1, 10);
  }
  SiparisEkle(v.db, a, Ole(2026, 11, 2), 0, 1, 1, 10);

  EXPECT_EQ(Carinolar(CariSepetListesi(v.db, SaticiOturumu(), 1)), QSet<int>{a});
  EXPECT_EQ(SepetliCariSayisi(v.db, SaticiOturumu()), 1);
  EXPECT_EQ(Carinolar(CariSepetListesi(v.db, SaticiOturumu(), 2)), (QSet<int>{a, b}));
  for (const Durum& d : durumlar)
    if (d.kod > 2) EXPECT_EQ(Carinolar(CariSepetListesi(v.db, SaticiOturumu(), d.kod)), QSet<int>{b}) << d.kod;

  const IcerikTus t = TusSonuclari(v.db, SaticiOturumu());
  EXPECT_EQ(t.alindi, 2);
  EXPECT_EQ(t.onaylandi, 1);
  EXPECT_EQ(t.goruldu, 1);
  EXPECT_EQ(t.parcaliHazirlandi, 1);
  EXPECT_EQ(t.hazirlandi, 1);
  EXPECT_EQ(t.sevkEdildi, 1);

  const IcerikTablo liste = CariSepetListesi(v.db, SaticiOturumu(), 1);
  EXPECT_EQ(liste.Deger(0, "SEPET").toInt(), 2);
  EXPECT_THROW(CariSepetListesi(v.db, SaticiOturumu(), 8), std::exception);
  EXPECT_THROW(CariSepetListesi(v.db, SaticiOturumu(), 0), std::exception);
}

TEST(TarihAraligi, AlinanSiparislerVeEnCokSatilanlar) {
  IcerikVeritabani v;
  IcerikCalistir(v.db, QStringLiteral("DELETE FROM siparissatirlari"));
  IcerikCalistir(v.db, QStringLiteral("DELETE FROM siparisler"));
  const QList<int> birinci = SaticininCarileri(v.db, 1).values();
  const int ikinciSaticinin = int(Sayi(v.db, QStringLiteral("SELECT MIN(CARINO) FROM cariler WHERE SATICINO = 2")));
  ASSERT_FALSE(birinci.isEmpty());
  ASSERT_GT(ikinciSaticinin, 0);
  const double gun = Ole(2026, 10, 15);
  const int s1 = SiparisEkle(v.db, birinci[0], gun + 0.75, 0, 5, 3, 100);  // evening of the day
  SiparisEkle(v.db, birinci[0], gun + 1, 1, 5, 2, 100);                    // next day
  SiparisEkle(v.db, ikinciSaticinin, gun + 0.25, 0, 6, 10, 10);
  SiparisEkle(v.db, birinci[0], gun - 1, 0, 7, 1, 10);                     // day before

  struct Durum {
    IcerikOturum oturum;
    double t1, t2;
    int siparis;
  };
  const std::vector<Durum> durumlar = {
      {SaticiOturumu(), gun, gun + 0.5, 1},        // one day, times of day ignored
      {SaticiOturumu(), gun, gun + 1, 2},
      {SaticiOturumu(), gun - 1, gun + 1, 3},
      {SaticiOturumu(), gun + 1, gun, 0},          // first day after the last: nothing
      {YetkiliOturumu(), gun, gun, 2},             // price authority: every seller's customers
  };
  for (const Durum& d : durumlar) {
    const IcerikTablo t = AlinanSiparisler(v.db, d.oturum, d.t1, d.t2);
    EXPECT_EQ(int(t.satirlar.size()), d.siparis) << d.t1 << " " << d.t2 << " tip " << d.oturum.musteriTipi;
  }
  const IcerikTablo t = AlinanSiparisler(v.db, SaticiOturumu(), gun, gun);
  ASSERT_EQ(t.Adlar(), (QStringList{"SATICIADI", "IDNO", "CARINO", "TARIH", "KUR", "KURTL", "VERENIDNO", "KARGO", "TESLIM",
                                    "VEREN", "CARIKOD", "CARIADI", "DURUM", "KARGOADI", "VERGI", "NETTUTAR", "TUTAR"}));
  EXPECT_EQ(t.sutunlar[1].tur, IcerikTur::Float);
  EXPECT_EQ(t.sutunlar[3].tur, IcerikTur::Tarih);
  EXPECT_EQ(int(t.Deger(0, "IDNO").toDouble()), s1);
  EXPECT_NEAR(t.Deger(0, "NETTUTAR").toDouble(), 300, 0.001);
  EXPECT_NEAR(t.Deger(0, "VERGI").toDouble(), 60, 0.001);
  EXPECT_NEAR(t.Deger(0, "TUTAR").toDouble(), 360, 0.001);
  EXPECT_FALSE(t.Deger(0, "SATICIADI").toString().isEmpty());

  const IcerikTablo s = EnCokSatilanStoklar(v.db, YetkiliOturumu(), gun - 1, gun + 1);
  ASSERT_EQ(s.Adlar(), (QStringList{"BARKOD", "KOD", "ADI", "DEPARTMAN", "MIKTAR", "NETTUTAR", "TLVERGI", "TUTAR"}));
  ASSERT_EQ(s.satirlar.size(), 3u);
  // stock 6: 10 pieces, stock 5: 3 + 2, stock 7: 1 -- most sold first
  EXPECT_DOUBLE_EQ(s.Deger(0, "MIKTAR").toDouble(), 10);
  EXPECT_DOUBLE_EQ(s.Deger(1, "MIKTAR").toDouble(), 5);
  EXPECT_NEAR(s.Deger(1, "NETTUTAR").toDouble(), 500, 0.001);
  EXPECT_NEAR(s.Deger(1, "TUTAR").toDouble(), 600, 0.001);
  EXPECT_DOUBLE_EQ(s.Deger(2, "MIKTAR").toDouble(), 1);
  EXPECT_EQ(s.Deger(1, "BARKOD").toString(),
            IcerikDeger(v.db, QStringLiteral("SELECT BARKOD FROM stoklar WHERE STOK_STOKNO = 5")).toString());
  EXPECT_EQ(EnCokSatilanStoklar(v.db, SaticiOturumu(), gun - 1, gun + 1).satirlar.size(), 2u);
}

TEST(IstekFormlari, MobilCariBilgisiBilgisayarKimligiyle) {
  IcerikVeritabani v;
  const auto m = MobilCariBilgisi(v.db, 0, QStringLiteral("DEMO-MUSTERI"));
  ASSERT_TRUE(m.has_value());
  EXPECT_EQ(m->carino, 1);
  EXPECT_EQ(m->kullaniciAdi, QStringLiteral("MUSTERI"));
  EXPECT_EQ(m->bilgisayarId, QStringLiteral("DEMO-MUSTERI"));
  EXPECT_EQ(m->cariadi, IcerikDeger(v.db, QStringLiteral("SELECT CARIADI FROM cariler WHERE CARINO = 1")).toString());
  EXPECT_FALSE(m->adres1.isEmpty());
  EXPECT_FALSE(m->saticiAdi.isEmpty());
  EXPECT_NEAR(m->tlBorc - m->tlAlacak, m->tlBakiye, 0.01);

  const auto satici = MobilCariBilgisi(v.db, 0, QStringLiteral("DEMO-SATICI"));
  ASSERT_TRUE(satici.has_value());
  EXPECT_EQ(satici->carino, 0);
  EXPECT_EQ(satici->saticiAdi, QStringLiteral("AHMET YILMAZ"));

  EXPECT_FALSE(MobilCariBilgisi(v.db, 0, QStringLiteral("BILINMEYEN")).has_value());
  EXPECT_FALSE(MobilCariBilgisi(v.db, 0, QString()).has_value());
}

TEST(IstekFormlari, MailIstekleriSaklanirGonderilmez) {
  IcerikVeritabani v;
  QStringList sifre;
  for (int i = 0; i < 16; ++i) sifre << QStringLiteral("alan %1 ğüşıöç").arg(i);
  sifre[1] = QStringLiteral("Şifre Değiştirme İsteği");
  QStringList normal = sifre;
  normal[1] = QStringLiteral("Konu başlığı");
  normal << QStringLiteral("birinci satır,\"ikinci satır\"");
  EXPECT_EQ(MailIstegiKaydet(v.db, QStringLiteral("MailGonserCari"), sifre), 1);
  EXPECT_EQ(MailIstegiKaydet(v.db, QStringLiteral("MailGonserCariNormal"), normal), 1);
  const auto l = MailIstekleri(v.db);
  ASSERT_EQ(l.size(), 2u);
  EXPECT_EQ(l[0].yontem, QStringLiteral("MailGonserCari"));
  EXPECT_EQ(l[0].alanlar, sifre);
  EXPECT_EQ(l[1].yontem, QStringLiteral("MailGonserCariNormal"));
  EXPECT_EQ(l[1].alanlar, normal);
  EXPECT_LT(l[0].sirano, l[1].sirano);
}
