// Open order balances: listing, closing, changing the quantity and the price.

#include "ticaret_test_ortak.h"

namespace {

class BakiyeTest : public TicaretTest {
 protected:
  std::unique_ptr<TClientDataSet> Bakiyeler(int carino = 1) { return Paket(QStringLiteral("BakiyelerVer2"), {carino}); }
  qint64 Yaz(const char* yontem, const TSonucBilgisi& k, const TClientDataSet& ds, int satir, double adet,
             double bakiye, double fiyat = 0, double ind = 0) {
    QJsonArray g{OturumJson(k),
                 static_cast<int>(IntAl(ds, satir, "STOK_STOKNO")),
                 static_cast<int>(IntAl(ds, satir, "SIRANO")),
                 static_cast<int>(IntAl(ds, satir, "STOKHAR_NO")),
                 adet,
                 bakiye,
                 TextAl(ds, satir, "BARKOD")};
    if (QByteArray(yontem) == "BakiyeFiyatDegistir") {
      g[1] = 0;
      g.append(fiyat);
      g.append(ind);
    }
    return std::stoll(Cagir(QString::fromLatin1(yontem), g).Ogeler().back().json);
  }
};

TEST_F(BakiyeTest, AcikBakiyelerListelenir) {
  auto ds = Bakiyeler();
  ASSERT_GT(ds->RecordCount(), 0);
  for (const char* a : {"SIRANO", "STOKHAR_NO", "STOK_STOKNO", "IDNO", "BARKOD", "ACIKLAMA", "FINISHKOD", "MARKA",
                        "MODEL", "MIKTAR", "TESLIMEDILEN", "KALAN", "ELDEKI", "BIRIMFIYAT", "INDIRIMORANI1", "TUTAR",
                        "INDIRIMTUTAR", "ILKFIYAT", "ALINANSIPARIS", "VERILENSIPARIS", "DURUM", "INDIRIMYAZI"})
    EXPECT_NE(ds->FindField(QString::fromLatin1(a)), nullptr) << a;
  for (int i = 0; i < ds->RecordCount(); ++i) {
    EXPECT_GT(FloatAl(*ds, i, "KALAN"), 0);
    EXPECT_NEAR(FloatAl(*ds, i, "KALAN"), FloatAl(*ds, i, "MIKTAR") - FloatAl(*ds, i, "TESLIMEDILEN"), 1e-9);
    EXPECT_EQ(IntAl(*ds, i, "CARINO"), 1);
    EXPECT_EQ(TextAl(*ds, i, "ACIKLAMA"), TextAl(*ds, i, "STOKADI"));  // the balance dialog's description
    EXPECT_FALSE(TextAl(*ds, i, "ACIKLAMA").isEmpty());
  }
  EXPECT_EQ(Bakiyeler(999)->RecordCount(), 0);
}

TEST_F(BakiyeTest, DegistirSilVeFiyat) {
  const TSonucBilgisi musteri = Oturum(QStringLiteral("MUSTERI"));
  auto ds = Bakiyeler();
  const int adet = ds->RecordCount();
  ASSERT_GE(adet, 2);
  const qint64 no0 = IntAl(*ds, 0, "STOKHAR_NO");
  const qint64 no1 = IntAl(*ds, 1, "STOKHAR_NO");

  // new balance 7 (sent as both quantity and balance)
  EXPECT_EQ(Yaz("BakiyeDegistir", musteri, *ds, 0, 7, 7), 1);
  auto yeni = Bakiyeler();
  const int s0 = SatirBul(*yeni, "STOKHAR_NO", no0);
  ASSERT_GE(s0, 0);
  EXPECT_DOUBLE_EQ(FloatAl(*yeni, s0, "KALAN"), 7);
  EXPECT_GE(FloatAl(*yeni, s0, "MIKTAR"), 7 + FloatAl(*yeni, s0, "TESLIMEDILEN"));

  // closing a balance removes it from the list
  EXPECT_EQ(Yaz("BakiyeDuzenle", musteri, *yeni, SatirBul(*yeni, "STOKHAR_NO", no1), FloatAl(*yeni, 1, "MIKTAR"),
                FloatAl(*yeni, 1, "KALAN")),
            1);
  yeni = Bakiyeler();
  EXPECT_EQ(yeni->RecordCount(), adet - 1);
  EXPECT_LT(SatirBul(*yeni, "STOKHAR_NO", no1), 0);

  // price and rate: only a seller with price authority; the first price stays
  const int s = SatirBul(*yeni, "STOKHAR_NO", no0);
  const double ilk = FloatAl(*yeni, s, "ILKFIYAT");
  EXPECT_EQ(Yaz("BakiyeFiyatDegistir", musteri, *yeni, s, 7, 7, 100, 10), 0);
  EXPECT_EQ(Yaz("BakiyeFiyatDegistir", Oturum(QStringLiteral("SATICI")), *yeni, s, 7, 7, 100, 10), 0);
  TSonucBilgisi yetkili = Oturum(QStringLiteral("FIYATYETKILI"));
  yetkili.SetCARINO(1);  // the customer chosen on the desk
  EXPECT_EQ(Yaz("BakiyeFiyatDegistir", yetkili, *yeni, s, 7, 7, 100, 10), 1);
  yeni = Bakiyeler();
  const int s2 = SatirBul(*yeni, "STOKHAR_NO", no0);
  EXPECT_DOUBLE_EQ(FloatAl(*yeni, s2, "BIRIMFIYAT"), 100);
  EXPECT_DOUBLE_EQ(FloatAl(*yeni, s2, "INDIRIMORANI1"), 10);
  EXPECT_DOUBLE_EQ(FloatAl(*yeni, s2, "ILKFIYAT"), ilk);
  EXPECT_NEAR(FloatAl(*yeni, s2, "NETBIRIMFIYAT"), 90, 1e-9);
  EXPECT_EQ(TextAl(*yeni, s2, "INDIRIMYAZI"), QStringLiteral("10"));
}

TEST_F(BakiyeTest, BaskaMusterininBakiyesiDegismez) {
  auto ds = Bakiyeler(1);
  const double once = FloatAl(*ds, 0, "KALAN");
  const TSonucBilgisi baska = Oturum(QStringLiteral("KISITLI"));  // customer 2
  EXPECT_EQ(Yaz("BakiyeDegistir", baska, *ds, 0, 1, 1), 0);
  EXPECT_EQ(Yaz("BakiyeDuzenle", baska, *ds, 0, 1, 1), 0);
  EXPECT_EQ(Yaz("BakiyeDegistir", Oturum(QStringLiteral("MUSTERI")), *ds, 0, -3, -3), 0);
  EXPECT_DOUBLE_EQ(FloatAl(*Bakiyeler(1), 0, "KALAN"), once);
}

}  // namespace
