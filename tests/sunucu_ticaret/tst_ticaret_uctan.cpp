// The commerce methods as the client meets them: an in-process server on an ephemeral loopback
// port, the client's proxy, its packet and record readers and its stream copy.

#include <gtest/gtest.h>

#include <QImage>

#include "platform/core/paket.h"
#include "platform/core/veriseti.h"
#include "platform/rpc/dsbaglanti.h"
#include "server/sunucu.h"
#include "session/baglantiu.h"
#include "session/proxim.h"
#include "tests/ortak/gomulusunucu.h"

namespace {

class TicaretUctan : public GomuluSunucuTesti {
 protected:
  static void SetUpTestSuite() { SunucuKur(QStringLiteral("ticaret.db"), 400); }
  void SetUp() override {
    GomuluSunucuTesti::SetUp();
    TSonucBilgisi* k = vekil_->BuyukGetir(QStringLiteral("DEMO-MUSTERI"));
    ASSERT_NE(k, nullptr);
    oturum_.Kopyala(k);
  }
  // A fresh copy of the session for one call (the proxy frees it).
  TSonucBilgisi* Kopya() {
    auto* k = new TSonucBilgisi();
    k->Kopyala(&oturum_);
    return k;
  }

  TSonucBilgisi oturum_;
};

TEST_F(TicaretUctan, GiristenSiparisGecmisineKadar) {
  EXPECT_TRUE(oturum_.Varmi());
  EXPECT_EQ(oturum_.ADI(), QStringLiteral("MUSTERI"));
  EXPECT_EQ(oturum_.Version(), 6);
  TSonucBilgisi* yok = vekil_->BuyukGetir(QStringLiteral("TANIMSIZ-PC"));
  ASSERT_NE(yok, nullptr);
  EXPECT_FALSE(yok->Varmi());
  EXPECT_EQ(yok->Version(), 6);

  // search as the search box sends it: capitals, Turkish letters of typed text folded
  TClientDataSet stok;
  PaketiYukle(vekil_->StokAraGetirDravik(QStringLiteral("SANZIMAN"), Kopya()), stok);
  TClientDataSet stok2;
  PaketiYukle(vekil_->StokAraGetirDravik(QStringLiteral("şanzıman"), Kopya()), stok2);
  ASSERT_GT(stok.RecordCount(), 0);
  EXPECT_EQ(stok.RecordCount(), stok2.RecordCount());
  stok.First();
  const int stokno = stok.FieldByName(QStringLiteral("STOK_STOKNO"))->AsInteger();

  // into the basket, as the stock list writes it
  vekil_->SepetHepsiniSil(Kopya());
  EXPECT_EQ(vekil_->SepetEkle2(Kopya(), oturum_.CARINO(), stokno, stok.FieldByName(QStringLiteral("BARKOD"))->AsString(),
                               stok.FieldByName(QStringLiteral("ADI"))->AsString(), 3,
                               stok.FieldByName(QStringLiteral("KDV"))->AsInteger(),
                               stok.FieldByName(QStringLiteral("FIYAT"))->AsFloat(),
                               stok.FieldByName(QStringLiteral("IND1"))->AsFloat(), oturum_.Sirano(),
                               stok.FieldByName(QStringLiteral("K"))->AsInteger(),
                               stok.FieldByName(QStringLiteral("IND2"))->AsFloat(),
                               stok.FieldByName(QStringLiteral("IND3"))->AsFloat(),
                               stok.FieldByName(QStringLiteral("IND4"))->AsFloat()),
            1);
  TClientDataSet sepet;
  PaketiYukle(vekil_->SepetVer2(oturum_.CARINO()), sepet);
  ASSERT_EQ(sepet.RecordCount(), 1);
  EXPECT_EQ(sepet.FieldByName(QStringLiteral("STOKNO"))->AsInteger(), stokno);
  EXPECT_EQ(sepet.FieldByName(QStringLiteral("SEC"))->AsInteger(), 1);
  const double netFiyat = stok.FieldByName(QStringLiteral("NETFIYAT"))->AsFloat();
  EXPECT_NEAR(sepet.FieldByName(QStringLiteral("NETBIRIMFIYAT"))->AsFloat(), netFiyat, 0.011);

  // the extra discounts parse as the basket page reads them
  const QStringList ek = vekil_->EkfiyatIndirimVer().split(u'|');
  ASSERT_EQ(ek.size(), 2);
  EXPECT_EQ(ek[1], QStringLiteral("1,5"));
  EXPECT_FALSE(vekil_->CariVadeGunGecmismiBul(oturum_.CARINO()).isEmpty());

  // the order confirmation's lists
  TClientDataSet teslim, kargo, firmalar;
  ReaderToDataSet(vekil_->TeslimVer(), teslim);
  ReaderToDataSet(vekil_->KargoVer(), kargo);
  ReaderToDataSet(vekil_->KargolarVer(3), firmalar);
  ASSERT_GE(teslim.RecordCount(), 2);
  ASSERT_EQ(firmalar.RecordCount(), 1);
  const int firma = firmalar.FieldByName(QStringLiteral("SIRANO"))->AsInteger();
  teslim.SetRecNo(2);

  EXPECT_TRUE(vekil_->SiparisKaydetDravik(Kopya(), oturum_.CARINO(), teslim.Fields(0)->AsInteger(), 3,
                                          QStringLiteral("Nakit Ödeme (%3)\r\nNot"), oturum_.Sirano(), firma, 3,
                                          QStringLiteral("Nakit Ödeme (%3)")));
  EXPECT_FALSE(vekil_->SiparisKaydetDravik(Kopya(), oturum_.CARINO(), teslim.Fields(0)->AsInteger(), 3,
                                           QStringLiteral("x"), oturum_.Sirano(), firma, 0, QStringLiteral("x")));
  PaketiYukle(vekil_->SepetVer2(oturum_.CARINO()), sepet);
  EXPECT_EQ(sepet.RecordCount(), 0);

  TClientDataSet onceki, satirlar;
  ReaderToDataSet(vekil_->OncekiSiparisler(oturum_.CARINO()), onceki);
  ASSERT_GT(onceki.RecordCount(), 0);
  onceki.First();
  const int idno = onceki.FieldByName(QStringLiteral("IDNO"))->AsInteger();
  EXPECT_EQ(onceki.FieldByName(QStringLiteral("KARGOADI"))->AsString(), firmalar.FieldByName(QStringLiteral("ADI"))->AsString());
  ReaderToDataSet(vekil_->SiparisAyrintisi2(oturum_.CARINO(), idno), satirlar);
  ASSERT_EQ(satirlar.RecordCount(), 1);
  EXPECT_EQ(satirlar.FieldByName(QStringLiteral("STOKNO"))->AsInteger(), stokno);
  TSiparisDipAyrinti* dip = vekil_->SiparisAytintisiDip(0, idno);
  ASSERT_NE(dip, nullptr);
  EXPECT_EQ(dip->Durumu(), QStringLiteral("Alındı"));
  EXPECT_EQ(dip->SizinMesaj(), QStringLiteral("Nakit Ödeme (%3)\r\nNot"));
  EXPECT_EQ(vekil_->SiparisAytintisiDip(0, 999999), nullptr);

  // the new order's line is an open balance
  TClientDataSet bakiye;
  ReaderToDataSet(vekil_->BakiyelerVer2(oturum_.CARINO()), bakiye);
  EXPECT_TRUE(bakiye.Locate(QStringLiteral("IDNO"), idno));
}

TEST_F(TicaretUctan, StokResmiAkisOlarakGelir) {
  TClientDataSet stok;
  PaketiYukle(vekil_->StokAraGetirDravik(QStringLiteral("%"), Kopya()), stok);
  ASSERT_TRUE(stok.Locate(QStringLiteral("RESIM"), 1));
  qint64 boy = 0;
  QByteArray kopya;
  QIODevice* akis = vekil_->ResimVer5(stok.FieldByName(QStringLiteral("STOK_STOKNO"))->AsInteger(), boy);
  ASSERT_TRUE(AkisKopyala(akis, boy, kopya));
  EXPECT_EQ(kopya.size(), boy);
  EXPECT_FALSE(QImage::fromData(kopya, "JPEG").isNull());
  ASSERT_TRUE(stok.Locate(QStringLiteral("RESIM"), 0));
  vekil_->ResimVer5(stok.FieldByName(QStringLiteral("STOK_STOKNO"))->AsInteger(), boy);
  EXPECT_EQ(boy, 0);
}

}  // namespace

int main(int argc, char** argv) { return GomuluSunucuTestleri(argc, argv); }
