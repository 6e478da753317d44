// Every proxy operation reaches the reference server (a child process) under its method name
// with its inputs in declaration order, as the server's call log shows.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <atomic>
#include <functional>
#include <thread>

#include "platform/core/paket.h"
#include "platform/core/veriseti.h"
#include "platform/rpc/dsbaglanti.h"
#include "session/baglantiu.h"
#include "session/kayitjson.h"
#include "session/proxim.h"
#include "tests/ortak/sunucusureci.h"

namespace {

// The session of the demo customer, as BuyukGetir gave it; every call gets a fresh copy.
TSonucBilgisi gOturum;
TSonucBilgisi* Oturum() {
  auto* k = new TSonucBilgisi;
  k->Kopyala(&gOturum);
  return k;
}

// Results must arrive in their declared form whatever the server computed.
void Okuyucu(TDBXReader* r) {
  TClientDataSet ds;
  ASSERT_NE(r, nullptr);
  ReaderToDataSet(r, ds);
  EXPECT_TRUE(ds.Active());
}
void Paket(const TVeriPaketi& p) {
  TClientDataSet ds;
  PaketiYukle(p, ds);
  EXPECT_TRUE(ds.Active());
}
void Akis(QIODevice* a, const qint64& boy) {  // boy by reference: read after the call set it
  ASSERT_NE(a, nullptr);
  EXPECT_GE(boy, 0);
  QByteArray icerik;
  if (boy > 0) EXPECT_TRUE(AkisKopyala(a, boy, icerik));
}

struct Cagri {
  const char* yontem;
  std::function<void(TServerMethods1Client&)> cagir;
  const char* girdiler;  // expected inputs; "$O" stands for the session record's object form
};

QJsonArray Beklenen(const char* metin) {
  const std::unique_ptr<TSonucBilgisi> o(Oturum());  // same field values as the copies sent
  QByteArray m(metin);
  m.replace("$O", QByteArray::fromStdString(KayitJsonMetni(o.get())));
  return QJsonDocument::fromJson("[" + m + "]").array();
}

const QStringList kOnAlti = {QStringLiteral("id"),  QStringLiteral("Başlık"), QStringLiteral("Firma"), QStringLiteral("Adres 1"),
                             QStringLiteral("Adres 2"), QStringLiteral("Çankaya"), QStringLiteral("Ankara"), QStringLiteral("312"),
                             QStringLiteral("313"), QStringLiteral("VD"), QStringLiteral("123"), QStringLiteral("Yetkili"),
                             QStringLiteral("KULLANICI"), QStringLiteral("şifre"), QStringLiteral("a@b.c"), QStringLiteral("Ambar")};
const char kOnAltiJson[] =
    "\"id\",\"Başlık\",\"Firma\",\"Adres 1\",\"Adres 2\",\"Çankaya\",\"Ankara\",\"312\",\"313\",\"VD\",\"123\","
    "\"Yetkili\",\"KULLANICI\",\"şifre\",\"a@b.c\",\"Ambar\"";

std::vector<Cagri> Cagrilar() {
  static QString ad;
  static qint64 b;
  const auto& k = kOnAlti;
  return {
      {"BuyukGetir", [](auto& p) { p.BuyukGetir("DISK-1"); }, "\"DISK-1\""},
      {"StokAraGetirDravik", [](auto& p) { Paket(p.StokAraGetirDravik("vida", Oturum())); }, "\"vida\",$O"},
      {"ResimVer5", [](auto& p) { Akis(p.ResimVer5(12, b), b); }, "12"},
      {"SepetVer2", [](auto& p) { Paket(p.SepetVer2(7)); }, "7"},
      {"SepetEkle2", [](auto& p) { p.SepetEkle2(Oturum(), 7, 12, "B12", "Vida M8", 2.5, 18, 10.25, 5, 3, 1, 2, 3, 4.5); },
       "$O,7,12,\"B12\",\"Vida M8\",2.5,18,10.25,5,3,1,2,3,4.5"},
      {"SepetGuncelle2", [](auto& p) { p.SepetGuncelle2(Oturum(), 7, 0, "B12", "Vida M8", 3, 18, 10.25, 5, 3, 44, 0, 0, 0); },
       "$O,7,0,\"B12\",\"Vida M8\",3,18,10.25,5,3,44,0,0,0"},
      {"SepetSatirSil", [](auto& p) { p.SepetSatirSil(Oturum(), 44, "Vida M8 silindi"); }, "$O,44,\"Vida M8 silindi\""},
      {"SepetHepsiniSil", [](auto& p) { p.SepetHepsiniSil(Oturum()); }, "$O"},
      {"SepetSecimGuncelle", [](auto& p) { p.SepetSecimGuncelle(44, 1); }, "44,1"},
      {"EkfiyatIndirimVer", [](auto& p) { p.EkfiyatIndirimVer(); }, ""},
      {"CariVadeGunGecmismiBul", [](auto& p) { p.CariVadeGunGecmismiBul(7); }, "7"},
      {"SiparisKaydetDravik", [](auto& p) { p.SiparisKaydetDravik(Oturum(), 7, 1, 2, "Acele", 3, 4, 1.5, "Nakit"); },
       "$O,7,1,2,\"Acele\",3,4,1.5,\"Nakit\""},
      {"TeslimVer", [](auto& p) { Okuyucu(p.TeslimVer()); }, ""},
      {"KargoVer", [](auto& p) { Okuyucu(p.KargoVer()); }, ""},
      {"KargolarVer", [](auto& p) { Okuyucu(p.KargolarVer(2)); }, "2"},
      {"OncekiSiparisler", [](auto& p) { Okuyucu(p.OncekiSiparisler(7)); }, "7"},
      {"CariEkstreVer", [](auto& p) { Okuyucu(p.CariEkstreVer(7)); }, "7"},
      {"SiparisAyrintisi2", [](auto& p) { Okuyucu(p.SiparisAyrintisi2(7, 100)); }, "7,100"},
      {"SiparisAytintisiDip", [](auto& p) { p.SiparisAytintisiDip(0, 100); }, "0,100"},
      {"FaturaGetir", [](auto& p) { Okuyucu(p.FaturaGetir(7, 200)); }, "7,200"},
      {"FaturaAltGetir", [](auto& p) { Okuyucu(p.FaturaAltGetir(200)); }, "200"},
      {"Tahsilat", [](auto& p) { Okuyucu(p.Tahsilat(300)); }, "300"},
      {"SanalposSiranoVer", [](auto& p) { p.SanalposSiranoVer(300); }, "300"},
      {"SAnalPosPdfVer", [](auto& p) { Akis(p.SAnalPosPdfVer(5, b), b); }, "5"},
      {"TumSiparislerVer", [](auto& p) { Okuyucu(p.TumSiparislerVer(7, 12)); }, "7,12"},
      {"BakiyelerVer2", [](auto& p) { Okuyucu(p.BakiyelerVer2(7)); }, "7"},
      {"BakiyeDuzenle", [](auto& p) { p.BakiyeDuzenle(Oturum(), 12, 44, 100, 5, 2, "B12"); }, "$O,12,44,100,5,2,\"B12\""},
      {"BakiyeDegistir", [](auto& p) { p.BakiyeDegistir(Oturum(), 12, 44, 100, 5, 1, "B12"); }, "$O,12,44,100,5,1,\"B12\""},
      {"BakiyeFiyatDegistir", [](auto& p) { p.BakiyeFiyatDegistir(Oturum(), 12, 44, 100, 5, 1, "B12", 9.75, 2.5); },
       "$O,12,44,100,5,1,\"B12\",9.75,2.5"},
      {"BalonGetir", [](auto& p) { Okuyucu(p.BalonGetir(Oturum())); }, "$O"},
      {"KayanYaziGetir", [](auto& p) { p.KayanYaziGetir(); }, ""},
      {"BannerResimVer", [](auto& p) { Akis(p.BannerResimVer(b), b); }, ""},
      {"BannerResimVer2", [](auto& p) { Akis(p.BannerResimVer2(b), b); }, ""},
      {"BannerResimVer3", [](auto& p) { Akis(p.BannerResimVer3(b), b); }, ""},
      {"AcilisReklamAdet", [](auto& p) { p.AcilisReklamAdet(); }, ""},
      {"AcilisREklamVer", [](auto& p) { p.AcilisREklamVer(1); }, "1"},
      {"AcilisEkranlarVer2", [](auto& p) { p.AcilisEkranlarVer2(); }, ""},
      {"YenilerVer2", [](auto& p) { Paket(p.YenilerVer2(7)); }, "7"},
      {"KampanyaliVer2", [](auto& p) { Paket(p.KampanyaliVer2(7, 4)); }, "7,4"},
      {"DosyaListesi2", [](auto& p) { Okuyucu(p.DosyaListesi2()); }, ""},
      {"BelgeIndir", [](auto& p) { Akis(p.BelgeIndir(3, b, ad), b); }, "3"},
      {"CariDurumVer", [](auto& p) { p.CariDurumVer(7); }, "7"},
      {"CariAra", [](auto& p) { Okuyucu(p.CariAra(Oturum(), "OTO")); }, "$O,\"OTO\""},
      {"CariSepetVer", [](auto& p) { Okuyucu(p.CariSepetVer(Oturum(), 2)); }, "$O,2"},
      {"SepetSayisi", [](auto& p) { p.SepetSayisi(Oturum()); }, "$O"},
      {"TusSonuclariVer", [](auto& p) { p.TusSonuclariVer(Oturum()); }, "$O"},
      {"RaporGetir", [](auto& p) { Akis(p.RaporGetir(1, 2, 3, 7, "MEHMET", 45000, 45030.5, b), b); },
       "1,2,3,7,\"MEHMET\",45000,45030.5"},
      {"RaporAlinanSiparisler", [](auto& p) { Okuyucu(p.RaporAlinanSiparisler(Oturum(), 45000, 45030)); }, "$O,45000,45030"},
      {"RaporEnCokSatilanStoklar", [](auto& p) { Okuyucu(p.RaporEnCokSatilanStoklar(Oturum(), 45000, 45030)); }, "$O,45000,45030"},
      {"MobilCariBilgisiGetir", [](auto& p) { p.MobilCariBilgisiGetir(7, "DISK-1"); }, "7,\"DISK-1\""},
      {"MailGonserCari",
       [k](auto& p) { p.MailGonserCari(k[0], k[1], k[2], k[3], k[4], k[5], k[6], k[7], k[8], k[9], k[10], k[11], k[12], k[13], k[14], k[15]); },
       kOnAltiJson},
      {"MailGonserCariNormal",
       [k](auto& p) {
         p.MailGonserCariNormal(k[0], k[1], k[2], k[3], k[4], k[5], k[6], k[7], k[8], k[9], k[10], k[11], k[12], k[13], k[14], k[15],
                                QStringLiteral("Konu"));
       },
       nullptr},
  };
}

TEST(ProxyCagrilari, HerYontemAdiVeGirdileriyleSunucuyaUlasirVeCevabiOkunur) {
  TSunucuSureci sunucu({QStringLiteral("--stoklar"), QStringLiteral("200")});
  ASSERT_TRUE(sunucu.Baslat()) << sunucu.Hata().toStdString();
  TSQLConnection bag;
  sunucu.Ayarla(bag);
  bag.Open();
  TServerMethods1Client p(bag.DBXConnection());
  TSonucBilgisi* demo = p.BuyukGetir(QStringLiteral("DEMO-MUSTERI"));
  ASSERT_NE(demo, nullptr);
  gOturum.Kopyala(demo);
  EXPECT_GT(gOturum.CARINO(), 0);
  for (const auto& c : Cagrilar()) {
    SCOPED_TRACE(c.yontem);
    ASSERT_TRUE(sunucu.CagrilariTemizle());
    try {
      c.cagir(p);
    } catch (const EDSHatasi& e) {
      // the method may refuse made-up inputs with its own message; the answer's form must hold
      EXPECT_FALSE(e.Mesaj().startsWith(QStringLiteral("Sunucunun"))) << e.what();
      EXPECT_FALSE(e.Mesaj().startsWith(QStringLiteral("Sunucuda böyle"))) << e.what();
    }
    const QList<QJsonObject> log = sunucu.Cagrilar();
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0].value(QStringLiteral("yontem")).toString(), QString::fromLatin1(c.yontem));
    const QByteArray beklenen = c.girdiler ? QByteArray(c.girdiler) : QByteArray(kOnAltiJson) + ",\"Konu\"";
    EXPECT_EQ(log[0].value(QStringLiteral("params")).toArray(), Beklenen(beklenen.constData()));
  }
}

TEST(ProxyCagrilari, OldurulenSunucudaKaydedilenKaybolmaz) {
  QTemporaryDir dizin;
  const QString db = dizin.filePath(QStringLiteral("kalici.db"));
  auto sepetSatiri = [](TSunucuSureci& s) {
    TSQLConnection bag;
    s.Ayarla(bag);
    bag.Open();
    TServerMethods1Client p(bag.DBXConnection());
    TClientDataSet ds;
    PaketiYukle(p.SepetVer2(gOturum.CARINO()), ds);
    return ds.RecordCount();
  };
  int once = 0;
  {
    TSunucuSureci a({QStringLiteral("--stoklar"), QStringLiteral("200"), QStringLiteral("--db"), db});
    ASSERT_TRUE(a.Baslat()) << a.Hata().toStdString();
    TSQLConnection bag;
    a.Ayarla(bag);
    bag.Open();
    TServerMethods1Client p(bag.DBXConnection());
    TSonucBilgisi* demo = p.BuyukGetir(QStringLiteral("DEMO-MUSTERI"));
    ASSERT_NE(demo, nullptr);
    gOturum.Kopyala(demo);
    once = sepetSatiri(a);
    EXPECT_EQ(p.SepetEkle2(Oturum(), gOturum.CARINO(), 3, "", "Deneme", 2, 18, 100, 0, gOturum.Sirano(), 0, 0, 0, 0), 1);
    a.Oldur();  // no clean shutdown
  }
  TSunucuSureci b({QStringLiteral("--stoklar"), QStringLiteral("200"), QStringLiteral("--db"), db});
  ASSERT_TRUE(b.Baslat()) << b.Hata().toStdString();
  EXPECT_EQ(sepetSatiri(b), once + 1);
}

TEST(ProxyCagrilari, KisaGelenResimDusurulur) {
  TSunucuSureci s({QStringLiteral("--stoklar"), QStringLiteral("200")});
  ASSERT_TRUE(s.Baslat()) << s.Hata().toStdString();
  TSQLConnection bag;
  s.Ayarla(bag);
  bag.Open();
  TServerMethods1Client p(bag.DBXConnection());
  int stokno = 0;
  qint64 boy = 0;
  QByteArray resim;
  for (int no = 1; no <= 200 && stokno == 0; ++no)
    if (AkisKopyala(p.ResimVer5(no, boy), boy, resim)) stokno = no;
  ASSERT_GT(stokno, 0) << "resmi olan stok yok";
  EXPECT_TRUE(resim.startsWith("\xFF\xD8"));  // a JPEG

  ASSERT_TRUE(s.HataKur(QStringLiteral("ResimVer5"), QStringLiteral("kisa_akis")));
  QByteArray kisa;
  EXPECT_FALSE(AkisKopyala(p.ResimVer5(stokno, boy), boy, kisa));
  EXPECT_EQ(boy, resim.size());
  EXPECT_TRUE(kisa.isEmpty());
}

TEST(ProxyCagrilari, AyniAndaYazanlarBirbiriniBozmaz) {
  TSunucuSureci s({QStringLiteral("--stoklar"), QStringLiteral("200")});
  ASSERT_TRUE(s.Baslat()) << s.Hata().toStdString();
  TSQLConnection ana;
  s.Ayarla(ana);
  ana.Open();
  TServerMethods1Client p(ana.DBXConnection());
  TSonucBilgisi* demo = p.BuyukGetir(QStringLiteral("DEMO-MUSTERI"));
  ASSERT_NE(demo, nullptr);
  gOturum.Kopyala(demo);
  auto satirlar = [&] {
    TClientDataSet ds;
    PaketiYukle(p.SepetVer2(gOturum.CARINO()), ds);
    return ds.RecordCount();
  };
  const int once = satirlar();
  constexpr int kIs = 4, kSatir = 15;
  std::atomic<int> eklenen{0};
  std::vector<QString> hatalar(kIs);
  std::vector<std::thread> isler;
  for (int i = 0; i < kIs; ++i) {
    isler.emplace_back([&, i] {
      try {
        auto k = ana.Clone();
        k->Open();
        TServerMethods1Client v(k->DBXConnection());
        TClientDataSet ds;
        for (int j = 0; j < kSatir; ++j) {
          eklenen += v.SepetEkle2(Oturum(), gOturum.CARINO(), 1 + (i * kSatir + j) % 150, "", "Paralel", 1, 18, 10, 0,
                                  gOturum.Sirano(), 0, 0, 0, 0);
          PaketiYukle(v.StokAraGetirDravik(QStringLiteral("FREN"), Oturum()), ds);  // readers alongside
        }
      } catch (const std::exception& e) {
        hatalar[i] = QString::fromUtf8(e.what());
      }
    });
  }
  for (auto& t : isler) t.join();
  for (const QString& h : hatalar) EXPECT_TRUE(h.isEmpty()) << h.toStdString();
  EXPECT_EQ(eklenen.load(), kIs * kSatir);
  EXPECT_EQ(satirlar(), once + kIs * kSatir);
}

}  // namespace

TEST(ProxyCagrilari, MailIstegiSaklanirVeYoneticiyeGorunur) {
  TSunucuSureci s({QStringLiteral("--stoklar"), QStringLiteral("200")});
  ASSERT_TRUE(s.Baslat()) << s.Hata().toStdString();
  TSQLConnection bag;
  s.Ayarla(bag);
  bag.Open();
  TServerMethods1Client p(bag.DBXConnection());
  const auto& k = kOnAlti;
  p.MailGonserCariNormal(k[0], k[1], k[2], k[3], k[4], k[5], k[6], k[7], k[8], k[9], k[10], k[11], k[12], k[13], k[14],
                         k[15], QStringLiteral("Sipariş hakkında"));
  int durum = 0;
  const QJsonArray liste = QJsonDocument::fromJson(s.Get(QStringLiteral("admin/mailler"), &durum)).array();
  EXPECT_EQ(durum, 200);
  ASSERT_EQ(liste.size(), 1);
  const QJsonObject m = liste[0].toObject();
  EXPECT_EQ(m.value(QStringLiteral("yontem")).toString(), QStringLiteral("MailGonserCariNormal"));
  QStringList beklenen = kOnAlti;
  beklenen << QStringLiteral("Sipariş hakkında");
  QStringList gelen;
  for (const auto& v : m.value(QStringLiteral("alanlar")).toArray()) gelen << v.toString();
  EXPECT_EQ(gelen, beklenen);
}
