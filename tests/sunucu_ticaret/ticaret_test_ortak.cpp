#include "ticaret_test_ortak.h"

#include <QJsonDocument>
#include <sqlite3.h>

#include "platform/core/paket.h"
#include "session/kayitjson.h"

sqlite3* DemoVeritabani(const VeriAyarlari& ayar, const QString& yol) {
  sqlite3* db = nullptr;
  const QByteArray ad = yol.isEmpty() ? QByteArray(":memory:") : yol.toUtf8();
  if (sqlite3_open(ad.constData(), &db) != SQLITE_OK) return nullptr;
  VeritabaniKur(db, ayar);
  return db;
}

void TicaretTest::SetUp() {
  VeriAyarlari ayar;
  ayar.tohum = 7;
  ayar.stokAdedi = 600;
  ayar.demoKimlik = QStringLiteral("TEST-KIMLIK-1");
  db = DemoVeritabani(ayar);
  ASSERT_NE(db, nullptr);
  TicaretYontemleriniKaydet(tablo);
}

void TicaretTest::TearDown() { sqlite3_close(db); }

Yanit TicaretTest::Cagir(const QString& yontem, const QJsonArray& girdiler) {
  bool yazar = false;
  const YontemIsleyici* isle = tablo.Bul(yontem, &yazar);
  if (!isle) throw std::runtime_error("yöntem yok: " + yontem.toStdString());
  Cagri c;
  c.yontem = yontem;
  c.girdiler = girdiler;
  c.db = db;
  Yanit y;
  if (yazar) sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
  try {
    (*isle)(c, y);
  } catch (...) {
    if (yazar) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
  if (yazar) sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
  return y;
}

std::unique_ptr<TClientDataSet> TicaretTest::Paket(const QString& yontem, const QJsonArray& girdiler) {
  Yanit y = Cagir(yontem, girdiler);
  auto ds = std::make_unique<TClientDataSet>();
  EXPECT_FALSE(y.Ogeler().empty());
  if (y.Ogeler().empty()) return ds;
  const auto& son = y.Ogeler().back();
  EXPECT_EQ(son.tur, Yanit::Tur::Paket);
  PaketiYukle(TVeriPaketi(QByteArray::fromStdString(son.json)), *ds);
  return ds;
}

QJsonValue OturumJson(const TSonucBilgisi& k) { return KayitJsonYaz(&k); }

TSonucBilgisi TicaretTest::Oturum(const QString& kullanici) {
  const QString kimlik = QStringLiteral("OTURUM-") + kullanici;
  BilgisayarKaydet(db, kimlik, KullaniciNoBul(db, kullanici));
  Yanit y = Cagir(QStringLiteral("BuyukGetir"), {kimlik});
  auto k = KayitJsonMetniOku<TSonucBilgisi>(y.Ogeler().back().json);
  EXPECT_TRUE(k);
  return k ? *k : TSonucBilgisi();
}

static int Kolon(const TClientDataSet& ds, const char* alan) {
  TField* f = ds.FindField(QString::fromLatin1(alan));
  if (!f) throw std::runtime_error(std::string("alan yok: ") + alan);
  return f->Index();
}

qint64 IntAl(const TClientDataSet& ds, int satir, const char* alan) { return ds.IntAt(satir, Kolon(ds, alan)); }
double FloatAl(const TClientDataSet& ds, int satir, const char* alan) { return ds.FloatAt(satir, Kolon(ds, alan)); }
QString TextAl(const TClientDataSet& ds, int satir, const char* alan) { return ds.TextAt(satir, Kolon(ds, alan)); }

int SatirBul(const TClientDataSet& ds, const char* alan, qint64 deger) {
  const int c = Kolon(ds, alan);
  for (int i = 0; i < ds.RecordCount(); ++i)
    if (ds.IntAt(i, c) == deger) return i;
  return -1;
}

#include <QGuiApplication>

// The server runs with a QGuiApplication (picture painting and the JPEG writer); so do the tests.
int main(int argc, char** argv) {
  QGuiApplication uyg(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
