// The demo data: the same seed gives the same rows; set-up is idempotent; the catalogue
// carries consistent, realistic values.

#include <QCryptographicHash>
#include <QTemporaryDir>
#include <sqlite3.h>

#include "demoveri.h"
#include "ticaret_test_ortak.h"

namespace {

// A digest of every row of the commerce tables, in key order.
QByteArray Ozet(sqlite3* db) {
  QCryptographicHash h(QCryptographicHash::Sha256);
  const char* const sorgular[] = {
      "SELECT * FROM kullanicilar ORDER BY SIRANO", "SELECT * FROM bilgisayarlar ORDER BY KIMLIK",
      "SELECT * FROM cariler ORDER BY CARINO",     "SELECT * FROM indirimler ORDER BY GRUPNO, ANAGRUP",
      "SELECT * FROM stoklar ORDER BY STOK_STOKNO", "SELECT * FROM siparisler ORDER BY IDNO",
      "SELECT * FROM siparissatirlari ORDER BY STOKHAR_NO", "SELECT * FROM kargolar ORDER BY SIRANO"};
  for (const char* sql : sorgular) {
    sqlite3_stmt* st = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db, sql, -1, &st, nullptr), SQLITE_OK) << sql;
    while (sqlite3_step(st) == SQLITE_ROW) {
      for (int i = 0; i < sqlite3_column_count(st); ++i) {
        const auto* p = sqlite3_column_text(st, i);
        h.addData(QByteArrayView(p ? reinterpret_cast<const char*>(p) : "<null>"));
        h.addData(QByteArrayView("|"));
      }
    }
    sqlite3_finalize(st);
  }
  return h.result();
}

qint64 Sayi(sqlite3* db, const char* sql) {
  sqlite3_stmt* st = nullptr;
  sqlite3_prepare_v2(db, sql, -1, &st, nullptr);
  const qint64 v = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int64(st, 0) : -1;
  sqlite3_finalize(st);
  return v;
}

}  // namespace

TEST(DemoVeri, AyniTohumAyniSatirlar) {
  VeriAyarlari a;
  a.tohum = 42;
  a.stokAdedi = 500;
  sqlite3* bir = DemoVeritabani(a);
  sqlite3* iki = DemoVeritabani(a);
  a.tohum = 43;
  sqlite3* uc = DemoVeritabani(a);
  EXPECT_EQ(Ozet(bir), Ozet(iki));
  EXPECT_NE(Ozet(bir), Ozet(uc));
  sqlite3_close(bir);
  sqlite3_close(iki);
  sqlite3_close(uc);
}

TEST(DemoVeri, KurulumTekrarlanabilir) {
  QTemporaryDir dizin;
  const QString yol = dizin.filePath(QStringLiteral("demo.sqlite"));
  VeriAyarlari a;
  a.stokAdedi = 300;
  sqlite3* db = DemoVeritabani(a, yol);
  const QByteArray once = Ozet(db);
  sqlite3_close(db);
  // Opening the same file again (the server's next start) changes nothing ...
  a.stokAdedi = 900;
  db = DemoVeritabani(a, yol);
  EXPECT_EQ(Ozet(db), once);
  EXPECT_EQ(Sayi(db, "SELECT COUNT(*) FROM stoklar"), 300);
  // ... except that a demo identity given now is registered for the demo customer.
  a.demoKimlik = QStringLiteral("YENI-MAKINE");
  VeritabaniKur(db, a);
  EXPECT_EQ(Sayi(db, "SELECT KULLANICINO FROM bilgisayarlar WHERE KIMLIK = 'YENI-MAKINE'"),
            Sayi(db, "SELECT SIRANO FROM kullanicilar WHERE ADI = 'MUSTERI'"));
  sqlite3_close(db);
}

TEST(DemoVeri, EskiKatalogSiralamaAnahtariKazanir) {
  QTemporaryDir dizin;
  const QString yol = dizin.filePath(QStringLiteral("eski.sqlite"));
  VeriAyarlari a;
  a.stokAdedi = 50;
  sqlite3* db = DemoVeritabani(a, yol);
  // a file from before the key column: drop it as an old schema would not have it
  ASSERT_EQ(sqlite3_exec(db, "ALTER TABLE stoklar DROP COLUMN SIRA", nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(db);
  db = DemoVeritabani(a, yol);
  EXPECT_EQ(Sayi(db, "SELECT COUNT(*) FROM stoklar WHERE SIRA = ''"), 0);
  EXPECT_EQ(Sayi(db, "SELECT COUNT(*) FROM stoklar"), 50);
  sqlite3_close(db);
}

TEST(DemoVeri, KatalogTutarliVeGercekci) {
  VeriAyarlari a;
  a.stokAdedi = 2000;
  sqlite3* db = DemoVeritabani(a);
  EXPECT_EQ(Sayi(db, "SELECT COUNT(*) FROM stoklar"), 2000);
  EXPECT_EQ(Sayi(db, "SELECT COUNT(DISTINCT BARKOD) FROM stoklar"), 2000);
  // EAN-13 barcodes with a correct check digit
  EXPECT_EQ(Sayi(db, "SELECT COUNT(*) FROM stoklar WHERE length(BARKOD) <> 13"), 0);
  EXPECT_EQ(Sayi(db, "SELECT COUNT(*) FROM stoklar WHERE FIYAT <= 0 OR KDV <> 20"), 0);
  EXPECT_EQ(Sayi(db, "SELECT COUNT(*) FROM stoklar WHERE K > 0 AND (KAMPFIYAT <= 0 OR KAMPFIYAT >= FIYAT)"), 0);
  EXPECT_EQ(Sayi(db, "SELECT COUNT(*) FROM stoklar WHERE DURUM NOT BETWEEN 0 AND 5"), 0);
  EXPECT_EQ(Sayi(db, "SELECT COUNT(DISTINCT DURUM) FROM stoklar"), 6);
  EXPECT_GT(Sayi(db, "SELECT COUNT(*) FROM stoklar WHERE K > 0"), 0);
  EXPECT_GT(Sayi(db, "SELECT COUNT(*) FROM stoklar WHERE Y > 0"), 0);
  EXPECT_GT(Sayi(db, "SELECT COUNT(*) FROM stoklar WHERE RESIM = 1"), 0);
  EXPECT_GT(Sayi(db, "SELECT COUNT(*) FROM stoklar WHERE RESIM = 0"), 0);
  EXPECT_GT(Sayi(db, "SELECT COUNT(*) FROM stoklar WHERE ADI LIKE '%ŞANZIMAN%'"), 0);
  // every open balance line is consistent with what was delivered
  EXPECT_EQ(Sayi(db, "SELECT COUNT(*) FROM siparissatirlari WHERE KALAN <> MIKTAR - TESLIMEDILEN"), 0);
  // the demo customers have a history and open balances
  for (int cari = 1; cari <= 3; ++cari) {
    const QByteArray s1 = QStringLiteral("SELECT COUNT(*) FROM siparisler WHERE CARINO = %1").arg(cari).toUtf8();
    const QByteArray s2 =
        QStringLiteral("SELECT COUNT(*) FROM siparissatirlari WHERE CARINO = %1 AND KALAN > 0").arg(cari).toUtf8();
    EXPECT_GT(Sayi(db, s1.constData()), 0) << cari;
    EXPECT_GT(Sayi(db, s2.constData()), 0) << cari;
  }
  // every account type has a user, one user is inactive; every demo password is upper case
  EXPECT_EQ(Sayi(db, "SELECT COUNT(DISTINCT MUSTERITIPI) FROM kullanicilar"), 5);
  EXPECT_EQ(Sayi(db, "SELECT COUNT(*) FROM kullanicilar WHERE AKTIF = 0"), 1);
  EXPECT_EQ(Sayi(db, "SELECT COUNT(*) FROM kullanicilar WHERE ADI <> upper(ADI) OR SIFRE <> upper(SIFRE)"), 0);
  sqlite3_close(db);
}

TEST(DemoVeri, RastgeleUretecSabit) {
  // The generator's first values are fixed for ever: the demo data must not change between builds.
  DemoRastgele r(1);
  EXPECT_EQ(r.Sonraki(), 0x910A2DEC89025CC1ull);
  DemoRastgele a(99), b(99);
  for (int i = 0; i < 100; ++i) {
    const int x = a.Aralik(3, 9);
    EXPECT_EQ(x, b.Aralik(3, 9));
    EXPECT_GE(x, 3);
    EXPECT_LE(x, 9);
  }
}
