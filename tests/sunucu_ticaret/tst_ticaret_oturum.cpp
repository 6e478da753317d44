// The session record of a computer identity (BuyukGetir) for every login outcome.

#include "session/kayitjson.h"
#include "ticaret_test_ortak.h"

namespace {

class OturumTest : public TicaretTest {
 protected:
  std::unique_ptr<TSonucBilgisi> Getir(const QString& kimlik) {
    Yanit y = Cagir(QStringLiteral("BuyukGetir"), {kimlik});
    EXPECT_EQ(y.Ogeler().size(), 1u);
    EXPECT_EQ(y.Ogeler().back().tur, Yanit::Tur::Deger);
    return KayitJsonMetniOku<TSonucBilgisi>(y.Ogeler().back().json);
  }
};

TEST_F(OturumTest, DemoKimlikleriHerHesapTurunuVerir) {
  struct Durum {
    const char* kimlik;
    bool varmi;
    const char* adi;
    int tip;
    int aktif;
    int surum;
    bool cariVar;
  };
  const Durum durumlar[] = {
      {"DEMO-MUSTERI", true, "MUSTERI", 0, 1, 6, true},
      {"DEMO-SATICI", true, "SATICI", 1, 1, 6, false},
      {"DEMO-FIYATYETKILI", true, "FIYATYETKILI", 2, 1, 6, false},
      {"DEMO-KISITLI", true, "KISITLI", 3, 1, 6, true},
      {"DEMO-KAMPANYASIZ", true, "KAMPANYASIZ", 4, 1, 6, true},
      {"DEMO-PASIF", true, "PASIF", 0, 0, 6, true},
      {"DEMO-SURUM7", true, "MUSTERI", 0, 1, 7, true},
      {"DEMO-SURUM5", true, "MUSTERI", 0, 1, 5, true},
      {"TEST-KIMLIK-1", true, "MUSTERI", 0, 1, 6, true},  // the configured demo identity
      {"BILINMEYEN-123", false, "", 0, 0, 6, false},
      {"", false, "", 0, 0, 6, false},
  };
  for (const Durum& d : durumlar) {
    SCOPED_TRACE(d.kimlik);
    auto k = Getir(QString::fromUtf8(d.kimlik));
    ASSERT_TRUE(k);
    EXPECT_EQ(k->Varmi(), d.varmi);
    EXPECT_EQ(k->ADI(), QString::fromUtf8(d.adi));
    EXPECT_EQ(k->MusteriTipi(), d.tip);
    EXPECT_EQ(k->AKTIF(), d.aktif);
    EXPECT_EQ(k->Version(), d.surum);
    EXPECT_EQ(k->BILGISAYARID(), QString::fromUtf8(d.kimlik));
    EXPECT_EQ(k->CARINO() > 0, d.cariVar);
    EXPECT_EQ(!k->CariAdi().isEmpty(), d.cariVar);
    if (d.varmi) {
      EXPECT_EQ(k->SIFRE(), QStringLiteral("1234"));
      EXPECT_GT(k->Sirano(), 0);
      EXPECT_FALSE(k->SaticiAdi().isEmpty());  // a customer's seller, or the seller himself
      EXPECT_GT(k->SaticiNo(), 0);
    }
  }
}

TEST_F(OturumTest, MusteriKaydiCariVeSaticiBilgisiTasir) {
  auto k = Getir(QStringLiteral("DEMO-MUSTERI"));
  ASSERT_TRUE(k);
  EXPECT_EQ(k->CARINO(), 1);
  EXPECT_EQ(k->carikod(), QStringLiteral("120.0001"));
  EXPECT_TRUE(k->CariAdi().startsWith(QStringLiteral("ÖZ KARDEŞLER")));
  EXPECT_EQ(k->SaticiAdi(), QStringLiteral("AHMET YILMAZ"));
  EXPECT_EQ(k->SaticiTelefon(), QStringLiteral("0212 555 10 01"));
  EXPECT_EQ(k->SaticiMail(), QStringLiteral("ahmet.yilmaz@dravik.com.tr"));
  EXPECT_FALSE(k->Kullanicimail().isEmpty());
}

TEST_F(OturumTest, SunulanSurumVeKimlikEslemesiAyarlanir) {
  SunulanSurumAyarla(db, 7);
  EXPECT_EQ(Getir(QStringLiteral("DEMO-SATICI"))->Version(), 7);
  EXPECT_EQ(Getir(QStringLiteral("YOK-BOYLE"))->Version(), 7);
  EXPECT_EQ(Getir(QStringLiteral("DEMO-SURUM5"))->Version(), 5);  // its own override stays

  BilgisayarKaydet(db, QStringLiteral("YENI-PC"), KullaniciNoBul(db, QStringLiteral("FIYATYETKILI")));
  auto k = Getir(QStringLiteral("YENI-PC"));
  EXPECT_TRUE(k->Varmi());
  EXPECT_EQ(k->MusteriTipi(), 2);
  EXPECT_EQ(KullaniciNoBul(db, QStringLiteral("KIMSE")), 0);
}

TEST_F(OturumTest, EksikParametreHataVerir) {
  EXPECT_THROW(Cagir(QStringLiteral("BuyukGetir"), {}), YontemHatasi);
}

}  // namespace
