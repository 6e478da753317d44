// The server framework: transactions of write methods, the call log, the web-host pages and
// their faults, the start-up checks.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "denemesunucusu.h"
#include "server/webhost.h"

namespace {

class SunucuTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    kayitDizini = new QTemporaryDir;
    SunucuAyarlari a;
    a.port = 0;
    a.isciSayisi = 6;
    a.veri.stokAdedi = 40;
    a.cagriKaydiYolu = kayitDizini->filePath(QStringLiteral("cagrilar.jsonl"));
    s = new DenemeSunucusu;
    s->sunucu = std::make_unique<Sunucu>(a);
    auto& t = s->Yontemler();
    auto calistir = [](sqlite3* db, const char* sql) {
      if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) throw std::runtime_error(sqlite3_errmsg(db));
    };
    // writes two rows; the second only when asked, then fails when asked
    t.Ekle(QStringLiteral("DenemeYaz"), [calistir](Cagri& c, Yanit& y) {
      calistir(c.db, "CREATE TABLE IF NOT EXISTS deneme_satir(a INTEGER)");
      calistir(c.db, "INSERT INTO deneme_satir VALUES(1)");
      if (c.Bool(0)) throw YontemHatasi(QStringLiteral("Sipariş kaydedilemedi"));
      calistir(c.db, "INSERT INTO deneme_satir VALUES(2)");
      y.Bool(true);
    }, true);
    t.Ekle(QStringLiteral("DenemeSay"), [](Cagri& c, Yanit& y) {
      sqlite3_stmt* st = nullptr;
      int n = -1;
      if (sqlite3_prepare_v2(c.db, "SELECT COUNT(*) FROM deneme_satir", -1, &st, nullptr) == SQLITE_OK &&
          sqlite3_step(st) == SQLITE_ROW)
        n = sqlite3_column_int(st, 0);
      sqlite3_finalize(st);
      y.Int(n);
    });
    s->Baslat();
  }
  static void TearDownTestSuite() {
    delete s;
    delete kayitDizini;
  }
  void TearDown() override { s->Istek("DELETE", QStringLiteral("/admin/hata")); }

  static QByteArray Cagir(const char* yontem, const QByteArray& params, int* durum = nullptr) {
    return s->Istek("POST", QStringLiteral("/datasnap/rest/TServerMethods1/") + QLatin1String(yontem),
                    "{\"params\":" + params + "}", durum);
  }
  static DenemeSunucusu* s;
  static QTemporaryDir* kayitDizini;
};
DenemeSunucusu* SunucuTest::s = nullptr;
QTemporaryDir* SunucuTest::kayitDizini = nullptr;

TEST_F(SunucuTest, YazanYontemHatadaHicbirSeyBirakmaz) {
  int durum = 0;
  EXPECT_EQ(Cagir("DenemeYaz", "[false]", &durum), QByteArray("{\"result\":[true]}"));
  EXPECT_EQ(Cagir("DenemeSay", "[]"), QByteArray("{\"result\":[2]}"));
  EXPECT_EQ(Cagir("DenemeYaz", "[true]", &durum), QByteArray("{\"error\":\"Sipariş kaydedilemedi\"}"));
  EXPECT_EQ(durum, 500);
  EXPECT_EQ(Cagir("DenemeSay", "[]"), QByteArray("{\"result\":[2]}"));  // the first insert was rolled back
}

TEST_F(SunucuTest, GecersizIstekler) {
  struct Durum {
    const char* yontem;
    QByteArray govde;
    int durum;
  } durumlar[] = {
      {"DenemeSay", "bozuk", 400},
      {"DenemeSay", "{\"params\":5}", 400},
      {"Yok", "{\"params\":[]}", 404},
  };
  for (const auto& d : durumlar) {
    int durum = 0;
    const QByteArray c = s->Istek("POST", QStringLiteral("/datasnap/rest/TServerMethods1/") + QLatin1String(d.yontem), d.govde, &durum);
    EXPECT_EQ(durum, d.durum) << d.govde.constData();
    EXPECT_FALSE(QJsonDocument::fromJson(c).object().value(QStringLiteral("error")).toString().isEmpty());
  }
}

TEST_F(SunucuTest, CagriKaydiBellekteVeDosyada) {
  s->Istek("DELETE", QStringLiteral("/admin/cagrilar"));
  Cagir("DenemeSay", "[1,\"iki\",null,{\"a\":true}]");
  const QList<QByteArray> satirlar = s->Istek("GET", QStringLiteral("/admin/cagrilar")).split('\n');
  ASSERT_GE(satirlar.size(), 1);
  const QJsonObject o = QJsonDocument::fromJson(satirlar[0]).object();
  EXPECT_EQ(o.value(QStringLiteral("yontem")).toString(), QStringLiteral("DenemeSay"));
  EXPECT_EQ(o.value(QStringLiteral("params")).toArray(),
            QJsonDocument::fromJson("[1,\"iki\",null,{\"a\":true}]").array());
  EXPECT_TRUE(QDateTime::fromString(o.value(QStringLiteral("zaman")).toString(), Qt::ISODateWithMs).isValid());

  QFile f(kayitDizini->filePath(QStringLiteral("cagrilar.jsonl")));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.readAll().contains(satirlar[0]));
  // clearing empties the memory only
  s->Istek("DELETE", QStringLiteral("/admin/cagrilar"));
  EXPECT_TRUE(s->Istek("GET", QStringLiteral("/admin/cagrilar")).isEmpty());
}

TEST_F(SunucuTest, WebSayfalari) {
  int durum = 0;
  EXPECT_EQ(s->Istek("GET", QStringLiteral("/ip.php"), {}, &durum, true), QByteArray("127.0.0.1"));
  EXPECT_EQ(durum, 200);

  const QByteArray kart = s->Istek("GET",
      QStringLiteral("/lorvakart.html?carino=15&sube=MERKEZ&firmasi=%3Cb%3EA%26B%20Ltd%3C%2Fb%3E&bakiye=1.234%2C50"),
      {}, &durum, true);
  EXPECT_EQ(durum, 200);
  EXPECT_TRUE(kart.contains("<b id=\"carino\">15</b>"));
  EXPECT_TRUE(kart.contains("<b id=\"sube\">MERKEZ</b>"));
  EXPECT_TRUE(kart.contains("&lt;b&gt;A&amp;B Ltd&lt;/b&gt;"));  // echoed safely
  EXPECT_FALSE(kart.contains("<b>A&B"));
  EXPECT_TRUE(kart.contains("1.234,50"));

  const QByteArray istek = s->Istek("GET", QStringLiteral("/formmailgonder.aspx?carino=0&kullanici=%20&id=DISK-42"), {}, &durum, true);
  EXPECT_EQ(durum, 200);
  EXPECT_TRUE(istek.contains("DISK-42"));
  EXPECT_TRUE(QString::fromUtf8(istek).contains(QStringLiteral("İstek Formu")));

  const QByteArray kurulum = s->Istek("GET", QStringLiteral("/exe/DravikB2BSetup.exe"), {}, &durum, true);
  EXPECT_EQ(durum, 200);
  EXPECT_EQ(kurulum, KurulumDosyasi());
  EXPECT_TRUE(kurulum.startsWith("MZ"));

  s->Istek("GET", QStringLiteral("/resimgoster.ashx?id=abc"), {}, &durum, true);
  EXPECT_EQ(durum, 404);
  s->Istek("GET", QStringLiteral("/resimgoster.ashx?id=99999999"), {}, &durum, true);
  EXPECT_EQ(durum, 404);
}

TEST_F(SunucuTest, WebSayfasiHatalari) {
  int durum = 0;
  s->HataKur(QStringLiteral("/exe/DravikB2BSetup.exe"), "kisa_akis");
  s->Istek("GET", QStringLiteral("/exe/DravikB2BSetup.exe"), {}, &durum, true);
  EXPECT_EQ(durum, 0);  // the transfer ends short of its announced length
  s->HataKur(QStringLiteral("/ip.php"), "hata", 0, QStringLiteral("bakımda"));
  EXPECT_EQ(s->Istek("GET", QStringLiteral("/ip.php"), {}, &durum, true), QByteArray("bakımda"));
  EXPECT_EQ(durum, 500);
  s->HataKur(QStringLiteral("/ip.php"), "baglanti_reddet");
  s->Istek("GET", QStringLiteral("/ip.php"), {}, &durum, true);
  EXPECT_EQ(durum, 0);
  EXPECT_EQ(s->Istek("GET", QStringLiteral("/ip.php"), {}, &durum, true), QByteArray("127.0.0.1"));
}

TEST_F(SunucuTest, HataTanimiDenetlenir) {
  int durum = 0;
  for (const QByteArray govde : {QByteArray("{\"tur\":\"hata\"}"), QByteArray("{\"yontem\":\"X\",\"tur\":\"patlat\"}"),
                                 QByteArray("{\"yontem\":\"X\",\"tur\":\"gecikme\",\"ms\":-4}")}) {
    s->Istek("POST", QStringLiteral("/admin/hata"), govde, &durum);
    EXPECT_EQ(durum, 400) << govde.constData();
  }
  // kez: 2 hits twice, then the method answers normally
  s->HataKur(QStringLiteral("DenemeSay"), "hata", 0, QStringLiteral("iki kez"), 2);
  Cagir("DenemeSay", "[]", &durum);
  EXPECT_EQ(durum, 500);
  Cagir("DenemeSay", "[]", &durum);
  EXPECT_EQ(durum, 500);
  Cagir("DenemeSay", "[]", &durum);
  EXPECT_EQ(durum, 200);
}

TEST(SunucuBaslangic, BellekVeritabaniReddedilir) {
  SunucuAyarlari a;
  a.port = 0;
  a.veritabaniYolu = QStringLiteral(":memory:");
  Sunucu s(a);
  EXPECT_THROW(s.Baslat(), std::runtime_error);
}

TEST(SunucuBaslangic, DoluPortAcikcaReddedilir) {
  DenemeSunucusu ilk;
  ilk.Baslat();
  SunucuAyarlari a;
  a.port = ilk.Port();
  a.veri.stokAdedi = 40;
  Sunucu ikinci(a);
  EXPECT_THROW(ikinci.Baslat(), std::runtime_error);
}

}  // namespace
