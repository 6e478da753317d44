// Order sending from the selected basket lines, the delivery and cargo choices, the earlier
// orders with their lines and footer, and the order movements of a stock.

#include <sqlite3.h>

#include "session/kayitjson.h"
#include "ticaret_test_ortak.h"

namespace {

class SiparisTest : public TicaretTest {
 protected:
  void SetUp() override {
    TicaretTest::SetUp();
    k = Oturum(QStringLiteral("MUSTERI"));
  }
  int Ekle(int stokno, double miktar) {
    Yanit y = Cagir(QStringLiteral("SepetEkle2"), {OturumJson(k), 1, stokno, QString(), QString(), miktar, 20.0, 0.0,
                                                   0.0, k.Sirano(), 0, 0.0, 0.0, 0.0});
    return std::stoi(y.Ogeler().back().json);
  }
  bool Gonder(int teslim = 2, int kargo = 1, int firma = 1, double ek = 1.5,
              const QString& odeme = QStringLiteral("Tek Çekim (%1,5)")) {
    Yanit y = Cagir(QStringLiteral("SiparisKaydetDravik"),
                    {OturumJson(k), 1, teslim, kargo, odeme + QStringLiteral("\r\nAcil lütfen"), k.Sirano(), firma, ek,
                     odeme});
    return y.Ogeler().back().json == "true";
  }
  qint64 SiparisSayisi() {
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT COUNT(*) FROM siparisler WHERE CARINO = 1", -1, &st, nullptr);
    sqlite3_step(st);
    const qint64 n = sqlite3_column_int64(st, 0);
    sqlite3_finalize(st);
    return n;
  }
  TSonucBilgisi k;
};

TEST_F(SiparisTest, SeciliSatirlarSiparisOlurVeGecmisteGorunur) {
  ASSERT_EQ(Ekle(10, 3), 1);
  ASSERT_EQ(Ekle(11, 2), 1);
  ASSERT_EQ(Ekle(12, 5), 1);
  auto sepet = Paket(QStringLiteral("SepetVer2"), {1});
  ASSERT_EQ(sepet->RecordCount(), 3);
  const int kalacak = static_cast<int>(IntAl(*sepet, 2, "SIRANO"));
  Cagir(QStringLiteral("SepetSecimGuncelle"), {kalacak, 0});
  const double tutar = FloatAl(*sepet, 0, "TUTAR") + FloatAl(*sepet, 1, "TUTAR");
  const double net = FloatAl(*sepet, 0, "NETTUTAR") + FloatAl(*sepet, 1, "NETTUTAR");
  const double vergi = FloatAl(*sepet, 0, "VERGITUTARI") + FloatAl(*sepet, 1, "VERGITUTARI");

  const qint64 once = SiparisSayisi();
  ASSERT_TRUE(Gonder());
  EXPECT_EQ(SiparisSayisi(), once + 1);

  // the unselected line stays in the basket
  sepet = Paket(QStringLiteral("SepetVer2"), {1});
  ASSERT_EQ(sepet->RecordCount(), 1);
  EXPECT_EQ(IntAl(*sepet, 0, "SIRANO"), kalacak);

  // the new order heads the earlier orders, with the choices and totals
  auto onceki = Paket(QStringLiteral("OncekiSiparisler"), {1});
  ASSERT_EQ(onceki->RecordCount(), once + 1);
  const char* const alanlar[] = {"CARINO", "IDNO", "TARIH", "KUR", "KURTL", "VERENIDNO", "KARGO", "TESLIM", "VEREN",
                                 "CARIKOD", "CARIADI", "VERGI", "NETTUTAR", "TUTAR", "DURUM", "KARGOADI",
                                 "VERENINNOTU", "ALANNOTU"};
  for (const char* a : alanlar) EXPECT_NE(onceki->FindField(QString::fromLatin1(a)), nullptr) << a;
  const int idno = static_cast<int>(IntAl(*onceki, 0, "IDNO"));
  EXPECT_EQ(TextAl(*onceki, 0, "TESLIM"), QStringLiteral("Kargo ile Gönderilsin"));
  EXPECT_EQ(TextAl(*onceki, 0, "KARGO"), QStringLiteral("Alıcı Ödemeli"));
  EXPECT_EQ(TextAl(*onceki, 0, "KARGOADI"), QStringLiteral("YURTİÇİ KARGO"));
  EXPECT_EQ(TextAl(*onceki, 0, "DURUM"), QStringLiteral("Alındı"));
  EXPECT_EQ(TextAl(*onceki, 0, "VEREN"), QStringLiteral("KEMAL ÖZ"));
  EXPECT_EQ(TextAl(*onceki, 0, "VERENINNOTU"), QStringLiteral("Tek Çekim (%1,5)\r\nAcil lütfen"));
  EXPECT_NEAR(FloatAl(*onceki, 0, "TUTAR"), tutar, 0.001);
  EXPECT_NEAR(FloatAl(*onceki, 0, "NETTUTAR"), net, 0.001);
  EXPECT_NEAR(FloatAl(*onceki, 0, "VERGI"), vergi, 0.001);

  // its lines, with the whole quantity still open
  auto satirlar = Paket(QStringLiteral("SiparisAyrintisi2"), {1, idno});
  ASSERT_EQ(satirlar->RecordCount(), 2);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(IntAl(*satirlar, i, "IDNO"), idno);
    EXPECT_DOUBLE_EQ(FloatAl(*satirlar, i, "TESLIMEDILEN"), 0);
    EXPECT_DOUBLE_EQ(FloatAl(*satirlar, i, "KALAN"), FloatAl(*satirlar, i, "MIKTAR"));
    EXPECT_DOUBLE_EQ(FloatAl(*satirlar, i, "ILKFIYAT"), FloatAl(*satirlar, i, "BIRIMFIYAT"));
    EXPECT_GT(IntAl(*satirlar, i, "STOKHAR_NO"), 0);
  }
  EXPECT_EQ(IntAl(*satirlar, 0, "STOKNO"), 10);
  EXPECT_DOUBLE_EQ(FloatAl(*satirlar, 0, "MIKTAR"), 3);
  // another customer does not see them
  EXPECT_EQ(Paket(QStringLiteral("SiparisAyrintisi2"), {2, idno})->RecordCount(), 0);

  // the footer
  Yanit y = Cagir(QStringLiteral("SiparisAytintisiDip"), {0, idno});
  auto dip = KayitJsonMetniOku<TSiparisDipAyrinti>(y.Ogeler().back().json);
  ASSERT_TRUE(dip);
  EXPECT_EQ(dip->Durumu(), QStringLiteral("Alındı"));
  EXPECT_EQ(dip->TeslimCinsi(), QStringLiteral("Kargo ile Gönderilsin"));
  EXPECT_EQ(dip->KargoCinsi(), QStringLiteral("Alıcı Ödemeli"));
  EXPECT_EQ(dip->Kargo(), QStringLiteral("YURTİÇİ KARGO"));
  EXPECT_EQ(dip->Veren(), QStringLiteral("KEMAL ÖZ"));
  EXPECT_EQ(dip->SizinMesaj(), QStringLiteral("Tek Çekim (%1,5)\r\nAcil lütfen"));
  y = Cagir(QStringLiteral("SiparisAytintisiDip"), {0, 987654});
  EXPECT_EQ(y.Ogeler().back().json, "null");

  // the movements of one stock and of all stocks
  auto hareket = Paket(QStringLiteral("TumSiparislerVer"), {1, 10});
  ASSERT_GE(hareket->RecordCount(), 1);
  for (int i = 0; i < hareket->RecordCount(); ++i) EXPECT_EQ(IntAl(*hareket, i, "STOKNO"), 10);
  auto hepsi = Paket(QStringLiteral("TumSiparislerVer"), {1, 0});
  EXPECT_GT(hepsi->RecordCount(), hareket->RecordCount());
  for (const char* a : {"ELDEKI", "ALINANSIPARIS", "VERILENSIPARIS", "ILKFIYAT", "STOKHAR_NO", "DURUM", "TESLIMEDILEN",
                        "KALAN", "INDIRIMORANI1"})
    EXPECT_NE(hepsi->FindField(QString::fromLatin1(a)), nullptr) << a;
}

TEST_F(SiparisTest, SecimYoksaVeyaSecenekGecersizseReddedilir) {
  const qint64 once = SiparisSayisi();
  EXPECT_FALSE(Gonder()) << "boş sepet";
  ASSERT_EQ(Ekle(10, 1), 1);
  auto sepet = Paket(QStringLiteral("SepetVer2"), {1});
  Cagir(QStringLiteral("SepetSecimGuncelle"), {static_cast<int>(IntAl(*sepet, 0, "SIRANO")), 0});
  EXPECT_FALSE(Gonder()) << "seçili satır yok";
  Cagir(QStringLiteral("SepetSecimGuncelle"), {static_cast<int>(IntAl(*sepet, 0, "SIRANO")), 1});
  struct Durum { const char* neden; int teslim, kargo, firma; };
  for (const Durum& d : {Durum{"teslim yok", 99, 1, 1}, Durum{"kargo türü yok", 2, 99, 1},
                         Durum{"firma başka türün", 2, 1, 6}, Durum{"firma yok", 2, 1, 0}})
    EXPECT_FALSE(Gonder(d.teslim, d.kargo, d.firma)) << d.neden;
  EXPECT_EQ(SiparisSayisi(), once);
  EXPECT_EQ(Paket(QStringLiteral("SepetVer2"), {1})->RecordCount(), 1);
  EXPECT_TRUE(Gonder(1, 3, 6, 0, QStringLiteral("Taksitli Çekim")));
  EXPECT_EQ(Paket(QStringLiteral("SepetVer2"), {1})->RecordCount(), 0);
}

TEST_F(SiparisTest, TeslimVeKargoSecenekleri) {
  auto teslim = Paket(QStringLiteral("TeslimVer"), {});
  ASSERT_GE(teslim->RecordCount(), 2);
  EXPECT_EQ(teslim->Fields(0)->DataType(), TFieldType::ftInteger);
  EXPECT_EQ(teslim->Fields(1)->DataType(), TFieldType::ftString);
  auto kargo = Paket(QStringLiteral("KargoVer"), {});
  ASSERT_EQ(kargo->RecordCount(), 3);
  EXPECT_EQ(kargo->Fields(0)->DataType(), TFieldType::ftInteger);

  struct Durum { int tur; int adet; const char* ilk; };
  for (const Durum& d : {Durum{1, 3, "YURTİÇİ KARGO"}, Durum{2, 2, "YURTİÇİ KARGO"},
                         Durum{3, 1, "DRAVİK AMBAR SEVKİYAT"}, Durum{77, 0, ""}}) {
    auto ds = Paket(QStringLiteral("KargolarVer"), {d.tur});
    ASSERT_EQ(ds->RecordCount(), d.adet) << d.tur;
    for (const char* a : {"ADI", "SIRANO", "UYARI"}) EXPECT_NE(ds->FindField(QString::fromLatin1(a)), nullptr);
    if (d.adet) EXPECT_EQ(TextAl(*ds, 0, "ADI"), QString::fromUtf8(d.ilk));
  }
  auto tek = Paket(QStringLiteral("KargolarVer"), {3});
  EXPECT_FALSE(TextAl(*tek, 0, "UYARI").isEmpty());
}

TEST_F(SiparisTest, DemoGecmisiDoluVeTutarli) {
  auto onceki = Paket(QStringLiteral("OncekiSiparisler"), {1});
  ASSERT_EQ(onceki->RecordCount(), 8);
  // newest first
  for (int i = 1; i < onceki->RecordCount(); ++i)
    EXPECT_GE(FloatAl(*onceki, i - 1, "TARIH"), FloatAl(*onceki, i, "TARIH"));
  // each order's totals are the sums of its lines
  for (int i = 0; i < onceki->RecordCount(); ++i) {
    auto satir = Paket(QStringLiteral("SiparisAyrintisi2"), {1, static_cast<int>(IntAl(*onceki, i, "IDNO"))});
    ASSERT_GT(satir->RecordCount(), 0);
    double tutar = 0, net = 0;
    for (int j = 0; j < satir->RecordCount(); ++j) {
      tutar += FloatAl(*satir, j, "TUTAR");
      net += FloatAl(*satir, j, "NETTUTAR");
      EXPECT_NEAR(FloatAl(*satir, j, "KALAN"),
                  FloatAl(*satir, j, "MIKTAR") - FloatAl(*satir, j, "TESLIMEDILEN"), 1e-9);
    }
    EXPECT_NEAR(FloatAl(*onceki, i, "TUTAR"), tutar, 0.001);
    EXPECT_NEAR(FloatAl(*onceki, i, "NETTUTAR"), net, 0.001);
  }
}

}  // namespace
