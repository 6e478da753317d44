// The registered handlers: exact method names, inputs by position, answers in the order and
// the wire form the client reads (packets into a client data set, records, streams with sizes).

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>

#include "icerik_ortam.h"
#include "platform/core/paket.h"
#include "session/kayitjson.h"
#include "yontem.h"

namespace {

class Yontemler : public IcerikSuiti {
 protected:
  static void SetUpTestSuite() {
    IcerikSuiti::SetUpTestSuite();
    IcerikYontemleriniKaydet(tablo_);
  }

  static Yanit Cagir(const char* yontem, const QJsonArray& girdiler) {
    bool yazar = false;
    const YontemIsleyici* h = tablo_.Bul(QString::fromLatin1(yontem), &yazar);
    EXPECT_NE(h, nullptr) << yontem;
    Yanit y;
    if (!h) return y;
    Cagri c;
    c.yontem = QString::fromLatin1(yontem);
    c.girdiler = girdiler;
    c.db = v_->db;
    (*h)(c, y);
    return y;
  }

  static QJsonValue Oturum(int sirano, int carino, int saticiNo, int tip) {
    TSonucBilgisi k;
    k.SetSirano(sirano);
    k.SetCARINO(carino);
    k.SetSaticiNo(saticiNo);
    k.SetMusteriTipi(tip);
    return KayitJsonYaz(&k);
  }

  static void Yukle(const Yanit::Oge& oge, TClientDataSet& ds) {
    ASSERT_EQ(oge.tur, Yanit::Tur::Paket);
    PaketiYukle(TVeriPaketi(QByteArray::fromStdString(oge.json)), ds);
  }

  static YontemTablosu tablo_;
};
YontemTablosu Yontemler::tablo_;

}  // namespace

TEST_F(Yontemler, AdlarTamOlarakKayitli) {
  const QStringList adlar = tablo_.Adlar();
  for (const char* ad : {"BalonGetir", "KayanYaziGetir", "BannerResimVer", "BannerResimVer2", "BannerResimVer3",
                         "AcilisReklamAdet", "AcilisREklamVer", "AcilisEkranlarVer2", "YenilerVer2", "KampanyaliVer2",
                         "DosyaListesi2", "BelgeIndir", "CariDurumVer", "CariEkstreVer", "FaturaGetir", "FaturaAltGetir",
                         "Tahsilat", "SanalposSiranoVer", "SAnalPosPdfVer", "CariAra", "CariSepetVer", "SepetSayisi",
                         "TusSonuclariVer", "RaporGetir", "RaporAlinanSiparisler", "RaporEnCokSatilanStoklar",
                         "MobilCariBilgisiGetir", "MailGonserCari", "MailGonserCariNormal"})
    EXPECT_TRUE(adlar.contains(QLatin1String(ad))) << ad;
  bool yazar = false;
  tablo_.Bul(QStringLiteral("MailGonserCari"), &yazar);
  EXPECT_TRUE(yazar);
  tablo_.Bul(QStringLiteral("CariAra"), &yazar);
  EXPECT_FALSE(yazar);
}

TEST_F(Yontemler, PaketlerIstemciVeriKumesineYuklenir) {
  TClientDataSet balon;
  Yukle(Cagir("BalonGetir", {Oturum(1, 1, 0, 0)}).Ogeler().at(0), balon);
  ASSERT_EQ(balon.RecordCount(), 1);
  EXPECT_EQ(balon.Fields(0)->DataType(), TFieldType::ftInteger);
  EXPECT_EQ(balon.Fields(4)->DataType(), TFieldType::ftFloat);

  TClientDataSet kamp;
  Yukle(Cagir("KampanyaliVer2", {1, 4}).Ogeler().at(0), kamp);
  EXPECT_EQ(kamp.RecordCount(), 0);
  Yukle(Cagir("KampanyaliVer2", {1, 1}).Ogeler().at(0), kamp);
  EXPECT_GT(kamp.RecordCount(), 0);
  EXPECT_EQ(kamp.FieldByName(QStringLiteral("K"))->AsInteger(), 1);

  TClientDataSet ekstre;
  Yukle(Cagir("CariEkstreVer", {1}).Ogeler().at(0), ekstre);
  EXPECT_GT(ekstre.RecordCount(), 0);
  EXPECT_EQ(ekstre.FieldByName(QStringLiteral("TARIH"))->DataType(), TFieldType::ftDate);
  EXPECT_EQ(ekstre.FieldByName(QStringLiteral("CARINO"))->AsInteger(), 1);

  TClientDataSet tahsilat;
  const int idno = int(Sayi(v_->db, QStringLiteral("SELECT MIN(IDNO) FROM tahsilatlar")));
  Yukle(Cagir("Tahsilat", {idno}).Ogeler().at(0), tahsilat);
  EXPECT_FALSE(tahsilat.FieldByName(QStringLiteral("Türü"))->AsString().isEmpty());
  EXPECT_NE(tahsilat.FindField(QStringLiteral("Döviz Tutar")), nullptr);

  TClientDataSet cariler;
  Yukle(Cagir("CariAra", {Oturum(2, 0, 1, 1), QString()}).Ogeler().at(0), cariler);
  EXPECT_GT(cariler.RecordCount(), 0);
  TClientDataSet liste;
  Yukle(Cagir("CariSepetVer", {Oturum(2, 0, 1, 1), 7}).Ogeler().at(0), liste);
  EXPECT_EQ(liste.FieldCount(), cariler.FieldCount());
}

TEST_F(Yontemler, OturumsuzCagriAnlasilirHataVerir) {
  const YontemIsleyici* h = tablo_.Bul(QStringLiteral("CariAra"));
  ASSERT_NE(h, nullptr);
  Cagri c;
  c.yontem = QStringLiteral("CariAra");
  c.girdiler = {QJsonValue(QJsonValue::Null), QString()};
  c.db = v_->db;
  Yanit y;
  try {
    (*h)(c, y);
    FAIL() << "hata bekleniyordu";
  } catch (const YontemHatasi& e) {
    EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral("oturum")));
  }
}

TEST_F(Yontemler, AkislarBoyuylaGelir) {
  struct Durum {
    const char* yontem;
    QJsonArray girdi;
    QByteArray bas;
  };
  const int pos = int(Sayi(v_->db, QStringLiteral("SELECT MIN(SIRANO) FROM sanalpos")));
  const double gun = 46357;  // 1 December 2026
  const std::vector<Durum> durumlar = {
      {"BannerResimVer", {}, "\xFF\xD8\xFF"},
      {"BannerResimVer2", {}, "GIF89a"},
      {"BannerResimVer3", {}, "BM"},
      {"SAnalPosPdfVer", {pos}, "%PDF"},
      {"SAnalPosPdfVer", {987654}, ""},
      {"RaporGetir", {6, 6, 2, 1, QStringLiteral("AHMET YILMAZ"), gun, gun}, "%PDF"},
      {"RaporGetir", {1, 1, 2, 1, QStringLiteral("."), gun, gun}, ""},
  };
  for (const Durum& d : durumlar) {
    const Yanit y = Cagir(d.yontem, d.girdi);
    ASSERT_EQ(y.Ogeler().size(), 2u) << d.yontem;
    EXPECT_EQ(y.Ogeler()[0].tur, Yanit::Tur::Deger);
    EXPECT_EQ(y.Ogeler()[1].tur, Yanit::Tur::Akis);
    const QByteArray& akis = y.Ogeler()[1].akis;
    EXPECT_EQ(y.Ogeler()[0].json, std::to_string(akis.size())) << d.yontem;
    EXPECT_TRUE(akis.startsWith(d.bas)) << d.yontem;
    EXPECT_EQ(akis.isEmpty(), d.bas.isEmpty()) << d.yontem;
  }

  // BelgeIndir: size, then the file name, then the stream
  const Yanit y = Cagir("BelgeIndir", {1});
  ASSERT_EQ(y.Ogeler().size(), 3u);
  EXPECT_EQ(y.Ogeler()[0].json, std::to_string(y.Ogeler()[2].akis.size()));
  EXPECT_EQ(QJsonDocument::fromJson("[" + QByteArray::fromStdString(y.Ogeler()[1].json) + "]").array().at(0).toString(),
            QStringLiteral("Fiyat Listesi 2026.pdf"));
  const Yanit yok = Cagir("BelgeIndir", {9999});
  ASSERT_EQ(yok.Ogeler().size(), 3u);
  EXPECT_EQ(yok.Ogeler()[0].json, "0");
  EXPECT_TRUE(yok.Ogeler()[2].akis.isEmpty());
}

TEST_F(Yontemler, KayitlarJsonNesneBiciminde) {
  const auto ekran = KayitJsonMetniOku<TAcilisEkran>(Cagir("AcilisREklamVer", {0}).Ogeler().at(0).json);
  ASSERT_TRUE(ekran);
  EXPECT_EQ(ekran->Baslik(), AcilisEkranlari(v_->db).front().baslik);
  EXPECT_FALSE(KayitJsonMetniOku<TAcilisEkran>(Cagir("AcilisREklamVer", {99}).Ogeler().at(0).json));

  const auto hepsi = KayitJsonMetniOku<TAcilisEkranlariki>(Cagir("AcilisEkranlarVer2", {}).Ogeler().at(0).json);
  ASSERT_TRUE(hepsi);
  EXPECT_EQ(int(hepsi->Ekranlar().size()), AcilisReklamSayisi(v_->db));
  EXPECT_EQ(Cagir("AcilisReklamAdet", {}).Ogeler().at(0).json, std::to_string(hepsi->Ekranlar().size()));

  const auto tus = KayitJsonMetniOku<TTusSonuclari>(Cagir("TusSonuclariVer", {Oturum(2, 0, 1, 1)}).Ogeler().at(0).json);
  ASSERT_TRUE(tus);
  EXPECT_EQ(tus->Alindi(), TusSonuclari(v_->db, SaticiOturumu()).alindi);

  const auto cari = KayitJsonMetniOku<TMobilCariBilgisi>(
      Cagir("MobilCariBilgisiGetir", {0, QStringLiteral("DEMO-MUSTERI")}).Ogeler().at(0).json);
  ASSERT_TRUE(cari);
  EXPECT_EQ(cari->CARINO(), 1);
  EXPECT_EQ(Cagir("MobilCariBilgisiGetir", {0, QStringLiteral("YOK")}).Ogeler().at(0).json, "null");
}

TEST_F(Yontemler, MailYontemleriOnAltiVeOnYediMetin) {
  QJsonArray on6;
  for (int i = 0; i < 16; ++i) on6.append(QStringLiteral("m%1").arg(i));
  QJsonArray on7 = on6;
  on7.append(QStringLiteral("konu, \"tırnak\""));
  EXPECT_EQ(Cagir("MailGonserCari", on6).Ogeler().at(0).json, "1");
  EXPECT_EQ(Cagir("MailGonserCariNormal", on7).Ogeler().at(0).json, "1");
  const auto l = MailIstekleri(v_->db);
  ASSERT_GE(l.size(), 2u);
  EXPECT_EQ(l[l.size() - 1].alanlar.last(), QStringLiteral("konu, \"tırnak\""));
  EXPECT_EQ(l[l.size() - 2].alanlar.size(), 16);
}
