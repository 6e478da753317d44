// The content methods as the client meets them: an in-process server on an ephemeral loopback
// port, the client's proxy, its stream copy and its record and packet readers.

#include <gtest/gtest.h>

#include <QDate>

#include "icerik_ortam.h"
#include "platform/core/paket.h"
#include "platform/core/veriseti.h"
#include "platform/rpc/dsbaglanti.h"
#include "server/sunucu.h"
#include "session/baglantiu.h"
#include "session/mobilstokunit.h"
#include "session/proxim.h"
#include "tests/ortak/gomulusunucu.h"

namespace {

class UctanUca : public GomuluSunucuTesti {
 protected:
  static void SetUpTestSuite() { SunucuKur(QStringLiteral("icerik.db"), 200); }

  // A fresh session copy for one call (the proxy frees it).
  static TSonucBilgisi* Oturum(int sirano, int carino, int saticiNo, int tip) {
    auto* k = new TSonucBilgisi();
    k->SetSirano(sirano);
    k->SetCARINO(carino);
    k->SetSaticiNo(saticiNo);
    k->SetMusteriTipi(tip);
    return k;
  }
};

}  // namespace

TEST_F(UctanUca, BaslikSayaclariVeResimler) {
  TClientDataSet balon;
  ReaderToDataSet(vekil_->BalonGetir(Oturum(1, 1, 0, 0)), balon);
  ASSERT_EQ(balon.RecordCount(), 1);
  EXPECT_EQ(balon.Fields(3)->AsInteger(), vekil_->AcilisReklamAdet());
  EXPECT_EQ(balon.Fields(4)->DataType(), TFieldType::ftFloat);

  struct Durum {
    const char* ad;
    std::function<QIODevice*(qint64&)> cagri;
    QByteArray bas;
  };
  const std::vector<Durum> durumlar = {
      {"BannerResimVer", [&](qint64& b) { return vekil_->BannerResimVer(b); }, "\xFF\xD8\xFF"},
      {"BannerResimVer2", [&](qint64& b) { return vekil_->BannerResimVer2(b); }, "GIF89a"},
      {"BannerResimVer3", [&](qint64& b) { return vekil_->BannerResimVer3(b); }, "BM"},
  };
  for (const Durum& d : durumlar) {
    qint64 boy = 0;
    QByteArray kopya;
    QIODevice* akis = d.cagri(boy);  // the size is known only after the call
    ASSERT_TRUE(AkisKopyala(akis, boy, kopya)) << d.ad;
    EXPECT_EQ(kopya.size(), boy) << d.ad;
    EXPECT_TRUE(kopya.startsWith(d.bas)) << d.ad;
  }
  EXPECT_FALSE(vekil_->KayanYaziGetir().trimmed().isEmpty());
}

TEST_F(UctanUca, DuyurularVeDosyalar) {
  TAcilisEkranlariki* hepsi = vekil_->AcilisEkranlarVer2();
  ASSERT_NE(hepsi, nullptr);
  ASSERT_EQ(int(hepsi->Ekranlar().size()), vekil_->AcilisReklamAdet());
  for (const auto& e : hepsi->Ekranlar())
    EXPECT_FALSE(QImage::fromData(QByteArray::fromHex(e->Resim().toLatin1()), "JPEG").isNull()) << e->SiraNo();
  TAcilisEkran* ilk = vekil_->AcilisREklamVer(0);
  ASSERT_NE(ilk, nullptr);
  EXPECT_EQ(ilk->Arama(), QStringLiteral("#KAMPANYA#"));

  TClientDataSet dosyalar;
  ReaderToDataSet(vekil_->DosyaListesi2(), dosyalar);
  ASSERT_GT(dosyalar.RecordCount(), 0);
  const int sirano = dosyalar.FieldByName(QStringLiteral("SIRANO"))->AsInteger();
  qint64 boy = 0;
  QString ad;
  QByteArray kopya;
  QIODevice* belge = vekil_->BelgeIndir(sirano, boy, ad);
  ASSERT_TRUE(AkisKopyala(belge, boy, kopya));
  EXPECT_EQ(ad, dosyalar.FieldByName(QStringLiteral("DOSYAYOL"))->AsString());
  EXPECT_TRUE(kopya.startsWith("%PDF"));

  TClientDataSet kamp;
  PaketiYukle(vekil_->KampanyaliVer2(1, 4), kamp);
  EXPECT_EQ(kamp.RecordCount(), 0);
  PaketiYukle(vekil_->KampanyaliVer2(1, 0), kamp);
  EXPECT_GT(kamp.RecordCount(), 0);
  EXPECT_FALSE(vekil_->CariDurumVer(1).isEmpty());
}

TEST_F(UctanUca, EkstreFaturaTahsilatVeRaporlar) {
  TClientDataSet ekstre;
  ReaderToDataSet(vekil_->CariEkstreVer(1), ekstre);
  ASSERT_GT(ekstre.RecordCount(), 0);
  int fatura = 0;
  for (ekstre.First(); !ekstre.Eof() && fatura == 0; ekstre.Next())
    if (ekstre.FieldByName(QStringLiteral("TURADI"))->AsString().contains(QStringLiteral("Fatura")))
      fatura = ekstre.FieldByName(QStringLiteral("IDNO"))->AsInteger();
  ASSERT_GT(fatura, 0);
  TClientDataSet satirlar, alt;
  ReaderToDataSet(vekil_->FaturaGetir(1, fatura), satirlar);
  ReaderToDataSet(vekil_->FaturaAltGetir(fatura), alt);
  EXPECT_GT(satirlar.RecordCount(), 0);
  ASSERT_EQ(alt.RecordCount(), 1);
  EXPECT_GT(alt.FieldByName(QStringLiteral("KDVDAHIL"))->AsFloat(), 0);

  const double bugun = double(QDate(1899, 12, 30).daysTo(QDate(2026, 12, 1)));
  qint64 boy = 0;
  QByteArray pdf;
  QIODevice* rapor = vekil_->RaporGetir(6, 6, 2, 1, QStringLiteral("AHMET YILMAZ"), bugun, bugun, boy);
  ASSERT_TRUE(AkisKopyala(rapor, boy, pdf));
  EXPECT_TRUE(pdf.startsWith("%PDF"));
  // an unknown report answers size 0: no content
  rapor = vekil_->RaporGetir(99, 99, 2, 1, QStringLiteral("."), bugun, bugun, boy);
  EXPECT_EQ(boy, 0);
  EXPECT_FALSE(AkisKopyala(rapor, boy, pdf));
}

TEST_F(UctanUca, SaticiMasasiVeMailIstegi) {
  TClientDataSet cariler;
  ReaderToDataSet(vekil_->CariAra(Oturum(2, 0, 1, 1), QString()), cariler);
  EXPECT_GT(cariler.RecordCount(), 0);
  TTusSonuclari* tus = vekil_->TusSonuclariVer(Oturum(2, 0, 1, 1));
  ASSERT_NE(tus, nullptr);
  TClientDataSet alindi;
  ReaderToDataSet(vekil_->CariSepetVer(Oturum(2, 0, 1, 1), 2), alindi);
  EXPECT_EQ(tus->Alindi(), alindi.RecordCount());

  // the returned record belongs to the proxy until the next call of the method: keep a copy
  TMobilCariBilgisi kopya;
  ASSERT_NE(vekil_->MobilCariBilgisiGetir(0, QStringLiteral("DEMO-MUSTERI")), nullptr);
  kopya.Kopyala(vekil_->MobilCariBilgisiGetir(0, QStringLiteral("DEMO-MUSTERI")));
  const TMobilCariBilgisi* cari = &kopya;
  EXPECT_EQ(cari->CARINO(), 1);
  EXPECT_EQ(vekil_->MobilCariBilgisiGetir(0, QStringLiteral("BILINMEYEN")), nullptr);

  EXPECT_EQ(vekil_->MailGonserCariNormal(QStringLiteral("DEMO-MUSTERI"), QStringLiteral("Konu"), cari->CARIADI(),
                                         cari->ADRES1(), cari->ADRES2(), cari->ILCE(), cari->SEHIR(), cari->TEL1(),
                                         cari->FAX1(), cari->VERGIDAIRESI(), cari->VERGINO(), cari->YETKILI(),
                                         cari->KULLANICIADI(), cari->SIFRE(), cari->MAIL(), QString(),
                                         QStringLiteral("Merhaba,\"Sipariş durumu\"")),
            1);
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(sunucu_->VeritabaniYolu().toUtf8().constData(), &db), SQLITE_OK);
  const auto istekler = MailIstekleri(db);
  sqlite3_close(db);
  ASSERT_FALSE(istekler.empty());
  EXPECT_EQ(istekler.back().yontem, QStringLiteral("MailGonserCariNormal"));
  EXPECT_EQ(istekler.back().alanlar.value(2), cari->CARIADI());
  EXPECT_EQ(istekler.back().alanlar.last(), QStringLiteral("Merhaba,\"Sipariş durumu\""));
}

int main(int argc, char** argv) { return GomuluSunucuTestleri(argc, argv); }
