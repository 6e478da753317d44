// The proxy's mechanics against an in-process server whose methods give known answers:
// each result kind, the command reuse, ownership of arguments and results, streams end to end.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "denemesunucusu.h"
#include "platform/core/paket.h"
#include "platform/core/veriseti.h"
#include "session/baglantiu.h"
#include "session/kayitjson.h"
#include "session/mobilstokunit.h"
#include "session/proxim.h"

namespace {

QByteArray Desen(qint64 n) {
  QByteArray b(n, Qt::Uninitialized);
  for (qint64 i = 0; i < n; ++i) b[i] = char((i * 31 + 7) & 0xFF);
  return b;
}

std::string SatirPaketi(int adet, const QString& onEk) {
  PaketYazici p;
  const int no = p.Alan("STOKNO", TFieldType::ftInteger);
  const int ad = p.Alan("ADI", TFieldType::ftString, 60);
  const int fiyat = p.Alan("FIYAT", TFieldType::ftFloat);
  for (int i = 0; i < adet; ++i) {
    p.Int(no, i + 1);
    p.Text(ad, onEk + QString::number(i + 1));
    p.Float(fiyat, (i + 1) * 1.25);
  }
  return p.Bitir();
}

class ProxyTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s = new DenemeSunucusu;
    auto& t = s->Yontemler();
    t.Ekle(QStringLiteral("BuyukGetir"), [](Cagri& c, Yanit& y) {
      if (c.Text(0) == QLatin1String("yok")) return y.Null();
      TSonucBilgisi k;
      k.SetBILGISAYARID(c.Text(0));
      k.SetCARINO(77);
      k.SetCariAdi(QStringLiteral("Çağlar Oto Yedek Parça"));
      k.SetVarmi(true);
      y.Json(KayitJsonMetni(&k));
    });
    t.Ekle(QStringLiteral("SepetEkle2"), [](Cagri& c, Yanit& y) {
      auto o = c.Oturum(0);
      y.Int(o ? o->CARINO() * 1000 + c.Int(2) : -1);
    }, true);
    t.Ekle(QStringLiteral("SiparisKaydetDravik"), [](Cagri& c, Yanit& y) { y.Bool(c.Text(4) == QLatin1String("kaydet")); }, true);
    t.Ekle(QStringLiteral("KayanYaziGetir"), [](Cagri&, Yanit& y) { y.Text(QStringLiteral("Yeni ürünler: \"İğne\"\nçğıöşü")); });
    t.Ekle(QStringLiteral("SepetSecimGuncelle"), [](Cagri& c, Yanit&) { c.Int(0); c.Int(1); }, true);
    t.Ekle(QStringLiteral("ResimVer5"), [](Cagri& c, Yanit& y) {
      const QByteArray b = Desen(c.Int(0));
      y.Int(b.size());
      y.Akis(b);
    });
    t.Ekle(QStringLiteral("BelgeIndir"), [](Cagri& c, Yanit& y) {
      const QByteArray b = Desen(c.Int(0));
      y.Int(b.size());
      y.Text(QStringLiteral("Fiyat Listesi %1.pdf").arg(c.Int(0)));
      y.Akis(b);
    });
    t.Ekle(QStringLiteral("SiparisAytintisiDip"), [](Cagri& c, Yanit& y) {
      if (c.Int(1) == 0) return y.Null();
      TSiparisDipAyrinti k;
      k.SetDurumu(QStringLiteral("Sevk Edildi"));
      k.SetSizinMesaj(QStringLiteral("Sipariş %1").arg(c.Int(1)));
      y.Json(KayitJsonMetni(&k));
    });
    t.Ekle(QStringLiteral("AcilisEkranlarVer2"), [](Cagri&, Yanit& y) {
      TAcilisEkranlariki k;
      auto e = std::make_shared<TAcilisEkran>();
      e->SetBaslik(QStringLiteral("Kampanya"));
      e->SetArama(QStringLiteral("#KAMPANYA#"));
      k.SetEkranlar({e});
      y.Json(KayitJsonMetni(&k));
    });
    t.Ekle(QStringLiteral("KargolarVer"), [](Cagri& c, Yanit& y) { y.Paket(SatirPaketi(c.Int(0), QStringLiteral("Kargo "))); });
    t.Ekle(QStringLiteral("SepetVer2"), [](Cagri& c, Yanit& y) { y.Paket(SatirPaketi(c.Int(0), QStringLiteral("Satır "))); });
    s->Baslat();
  }
  static void TearDownTestSuite() {
    delete s;
    s = nullptr;
  }
  void SetUp() override {
    b = s->Baglanti();
    b->Open();
  }
  void TearDown() override { s->Istek("DELETE", QStringLiteral("/admin/hata")); }

  static std::unique_ptr<TSonucBilgisi> Oturum(int carino) {
    auto k = std::make_unique<TSonucBilgisi>();
    k->SetCARINO(carino);
    k->SetADI(QStringLiteral("AHMET"));
    return k;
  }

  static DenemeSunucusu* s;
  std::unique_ptr<TSQLConnection> b;
};
DenemeSunucusu* ProxyTest::s = nullptr;

TEST_F(ProxyTest, OturumKopyasiGonderilirVeSayiDoner) {
  TServerMethods1Client p(b->DBXConnection());
  EXPECT_EQ(p.SepetEkle2(Oturum(12).release(), 5, 345, "B1", "Vida", 2, 18, 10.5, 0, 1, 0, 0, 0, 0), 12345);
  EXPECT_EQ(p.SepetEkle2(nullptr, 5, 345, "B1", "Vida", 2, 18, 10.5, 0, 1, 0, 0, 0, 0), -1);
}

TEST_F(ProxyTest, SahipOlmayanVekilOturumuSilmez) {
  TServerMethods1Client p(b.get(), false);
  TSonucBilgisi kendi;
  kendi.SetCARINO(3);
  EXPECT_EQ(p.SepetEkle2(&kendi, 0, 9, "", "", 0, 0, 0, 0, 0, 0, 0, 0, 0), 3009);
  EXPECT_EQ(kendi.CARINO(), 3);
}

TEST_F(ProxyTest, BoolMetinVeSonucsuzYontem) {
  TServerMethods1Client p(b.get());
  EXPECT_TRUE(p.SiparisKaydetDravik(Oturum(1).release(), 1, 0, 0, "kaydet", 1, 0, 3, "Nakit"));
  EXPECT_FALSE(p.SiparisKaydetDravik(Oturum(1).release(), 1, 0, 0, "başka", 1, 0, 3, "Nakit"));
  EXPECT_EQ(p.KayanYaziGetir(), QStringLiteral("Yeni ürünler: \"İğne\"\nçğıöşü"));
  EXPECT_NO_THROW(p.SepetSecimGuncelle(4, 1));
}

TEST_F(ProxyTest, KayitKomutunMaliVeNullKayit) {
  TServerMethods1Client p(b.get());
  TSonucBilgisi* k = p.BuyukGetir(QStringLiteral("ABC-123"));
  ASSERT_NE(k, nullptr);
  EXPECT_EQ(k->BILGISAYARID(), QStringLiteral("ABC-123"));
  EXPECT_EQ(k->CariAdi(), QStringLiteral("Çağlar Oto Yedek Parça"));
  EXPECT_TRUE(k->Varmi());
  TSonucBilgisi kopya;
  kopya.Kopyala(k);
  EXPECT_EQ(p.BuyukGetir(QStringLiteral("yok")), nullptr);
  EXPECT_EQ(kopya.CARINO(), 77);

  TSiparisDipAyrinti* dip = p.SiparisAytintisiDip(0, 15);
  ASSERT_NE(dip, nullptr);
  EXPECT_EQ(dip->SizinMesaj(), QStringLiteral("Sipariş 15"));
  EXPECT_EQ(p.SiparisAytintisiDip(0, 0), nullptr);

  TAcilisEkranlariki* ekr = p.AcilisEkranlarVer2();
  ASSERT_NE(ekr, nullptr);
  ASSERT_EQ(ekr->Ekranlar().size(), 1u);
  EXPECT_EQ(ekr->Ekranlar()[0]->Arama(), QStringLiteral("#KAMPANYA#"));
}

TEST_F(ProxyTest, OkuyucuVeriSetineKopyalanirVeKomutYenidenKullanilir) {
  TServerMethods1Client p(b.get());
  TClientDataSet ds;
  TDBXReader* r1 = p.KargolarVer(3);
  ASSERT_NE(r1, nullptr);
  ReaderToDataSet(r1, ds);
  EXPECT_FALSE(ds.ControlsDisabled());
  ASSERT_EQ(ds.RecordCount(), 3);
  EXPECT_EQ(ds.FieldByName(QStringLiteral("ADI"))->AsString(), QStringLiteral("Kargo 1"));
  TDBXReader* r2 = p.KargolarVer(1);  // the first reader is replaced by the second call's
  ReaderToDataSet(r2, ds);
  EXPECT_EQ(ds.RecordCount(), 1);
  ReaderToDataSet(nullptr, ds);
  EXPECT_FALSE(ds.Active());
}

TEST_F(ProxyTest, PaketCagiranindir) {
  TVeriPaketi paket;
  {
    TServerMethods1Client p(b.get());
    paket = p.SepetVer2(250);
  }  // the proxy is gone; the packet stays
  TClientDataSet ds;
  PaketiYukle(paket, ds);
  ASSERT_EQ(ds.RecordCount(), 250);
  ds.Last();
  EXPECT_EQ(ds.FieldByName(QStringLiteral("STOKNO"))->AsInteger(), 250);
  EXPECT_DOUBLE_EQ(ds.FieldByName(QStringLiteral("FIYAT"))->AsFloat(), 312.5);
}

TEST_F(ProxyTest, BozukCevaplarAnlasilirHataVerir) {
  TServerMethods1Client p(b.get());
  s->HataKur(QStringLiteral("KayanYaziGetir"), "bozuk_cevap");
  EXPECT_THROW(p.KayanYaziGetir(), EDSHatasi);
  s->HataKur(QStringLiteral("KargolarVer"), "bozuk_cevap");
  TClientDataSet ds;
  TDBXReader* r = p.KargolarVer(2);
  EXPECT_THROW(ReaderToDataSet(r, ds), EDSHatasi);
  EXPECT_FALSE(ds.ControlsDisabled());
}

TEST_F(ProxyTest, AkisKurallariUctanUca) {
  struct Durum {
    int boy;
    bool kabul;
  } durumlar[] = {{0, false}, {1, true}, {1024, true}, {4096, true}, {70001, true}};
  TServerMethods1Client p(b.get());
  for (const auto& d : durumlar) {
    qint64 boy = -5;
    QIODevice* akis = p.ResimVer5(d.boy, boy);
    ASSERT_NE(akis, nullptr);
    EXPECT_EQ(boy, d.boy);
    QByteArray icerik;
    EXPECT_EQ(AkisKopyala(akis, boy, icerik), d.kabul) << d.boy;
    if (d.kabul) EXPECT_EQ(icerik, Desen(d.boy));
  }
  // outputs in declaration order before the stream
  qint64 boy = 0;
  QString ad;
  QIODevice* belge = p.BelgeIndir(3000, boy, ad);
  EXPECT_EQ(boy, 3000);
  EXPECT_EQ(ad, QStringLiteral("Fiyat Listesi 3000.pdf"));
  QByteArray icerik;
  EXPECT_TRUE(AkisKopyala(belge, boy, icerik));
}

TEST_F(ProxyTest, KisaGelenAkisDusurulur) {
  TServerMethods1Client p(b.get());
  s->HataKur(QStringLiteral("ResimVer5"), "kisa_akis");
  qint64 boy = 0;
  QIODevice* akis = p.ResimVer5(5000, boy);
  EXPECT_EQ(boy, 5000);
  QByteArray icerik("önceki");
  EXPECT_FALSE(AkisKopyala(akis, boy, icerik));
  EXPECT_TRUE(icerik.isEmpty());
  // the fault hit once; the next picture is whole
  akis = p.ResimVer5(5000, boy);
  EXPECT_TRUE(AkisKopyala(akis, boy, icerik));
}

TEST_F(ProxyTest, SunucuHatasiCagiranaUlasir) {
  TServerMethods1Client p(b.get());
  s->HataKur(QStringLiteral("SepetEkle2"), "hata", 0, QStringLiteral("Stok kartı kapalı: 42"));
  try {
    p.SepetEkle2(Oturum(1).release(), 1, 42, "", "", 1, 18, 1, 0, 1, 0, 0, 0, 0);
    ADD_FAILURE();
  } catch (const EDSHatasi& e) {
    EXPECT_EQ(e.Mesaj(), QStringLiteral("Stok kartı kapalı: 42"));
  }
}

}  // namespace
