// Stock search with Turkish folding, the customer's prices in the stock packet, pictures.

#include <QImage>
#include <sqlite3.h>

#include "katlama.h"
#include "ticaret_test_ortak.h"

namespace {

class StokTest : public TicaretTest {
 protected:
  std::unique_ptr<TClientDataSet> Ara(const QString& metin, const QString& kullanici = QStringLiteral("MUSTERI")) {
    return Paket(QStringLiteral("StokAraGetirDravik"), {metin, OturumJson(Oturum(kullanici))});
  }
  qint64 Say(const QString& sql) {
    sqlite3_stmt* st = nullptr;
    const QByteArray u = sql.toUtf8();
    sqlite3_prepare_v2(db, u.constData(), -1, &st, nullptr);
    const qint64 v = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int64(st, 0) : -1;
    sqlite3_finalize(st);
    return v;
  }
};

double Zincir(double x, double a, double b, double c, double d) {
  for (double r : {a, b, c, d})
    if (r > 0) x -= x * r / 100;
  return x;
}
double Y2(double x) { return std::round(x * 100 + 1e-7) / 100; }

TEST_F(StokTest, TurkceHarflerVeBuyukKucukHarfKatlanir) {
  // Every spelling of a word finds the same stocks as the plain capital spelling the search box sends.
  struct Durum { const char* yazilan; const char* duz; };
  const Durum durumlar[] = {
      {"şanzıman", "SANZIMAN"}, {"ŞANZIMAN", "SANZIMAN"}, {"ışık", "ISIK"},  {"IŞIK", "ISIK"},
      {"Işık", "ISIK"},          {"dişki", "DISKI"},        {"DİSKİ", "DISKI"}, {"müşürü", "MUSURU"},
      {"SOĞUTMA", "SOGUTMA"},    {"göğüs", "GOGUS"},
  };
  for (const Durum& d : durumlar) {
    SCOPED_TRACE(d.yazilan);
    auto a = Ara(QString::fromUtf8(d.yazilan));
    auto b = Ara(QString::fromUtf8(d.duz));
    EXPECT_EQ(a->RecordCount(), b->RecordCount());
  }
  auto sanziman = Ara(QStringLiteral("şanzıman"));
  ASSERT_GT(sanziman->RecordCount(), 0);
  for (int i = 0; i < sanziman->RecordCount(); ++i)
    EXPECT_TRUE(TurkceKatla(TextAl(*sanziman, i, "ADI")).contains(QStringLiteral("sanziman")));
  EXPECT_EQ(sanziman->RecordCount(), Say(QStringLiteral("SELECT COUNT(*) FROM stoklar WHERE ADI LIKE '%ŞANZIMAN%'")));
  auto isik = Ara(QStringLiteral("ISIK"));
  ASSERT_GT(isik->RecordCount(), 0);
  EXPECT_TRUE(TextAl(*isik, 0, "ADI").contains(QStringLiteral("IŞIK")));
}

TEST_F(StokTest, SonuclarTurkceAlfabetikSirada) {
  auto ds = Ara(QStringLiteral("%"));
  ASSERT_GT(ds->RecordCount(), 1);
  bool cIleS = false;  // some "Ç..." or "Ş..." name follows a plain "C..." / "S..." name
  for (int i = 1; i < ds->RecordCount(); ++i) {
    const QString once = TextAl(*ds, i - 1, "ADI"), simdi = TextAl(*ds, i, "ADI");
    EXPECT_LE(TurkceSiraAnahtari(once), TurkceSiraAnahtari(simdi)) << i;
    if ((once.startsWith(u'C') && simdi.startsWith(u'Ç')) || (once.startsWith(u'S') && simdi.startsWith(u'Ş')))
      cIleS = true;
  }
  EXPECT_TRUE(cIleS);
}

TEST_F(StokTest, KelimelerinHepsiEslesmeli) {
  auto fren = Ara(QStringLiteral("FREN"));
  auto frenDoblo = Ara(QStringLiteral("fren doblo"));
  ASSERT_GT(frenDoblo->RecordCount(), 0);
  EXPECT_LT(frenDoblo->RecordCount(), fren->RecordCount());
  for (int i = 0; i < frenDoblo->RecordCount(); ++i) {
    const QString adi = TurkceKatla(TextAl(*frenDoblo, i, "ADI"));
    EXPECT_TRUE(adi.contains(QStringLiteral("fren")) && adi.contains(QStringLiteral("doblo"))) << adi.toStdString();
  }
  EXPECT_EQ(Ara(QStringLiteral("FREN ZZQQXX"))->RecordCount(), 0);
  // a pasted page of text is answered (with nothing), not refused
  QStringList uzun;
  for (int i = 0; i < 2000; ++i) uzun << QStringLiteral("kelime%1").arg(i);
  EXPECT_EQ(Ara(uzun.join(u' '))->RecordCount(), 0);
  EXPECT_EQ(Ara(QStringLiteral("fren fren FREN frenler"))->RecordCount(), Ara(QStringLiteral("FRENLER"))->RecordCount());
}

TEST_F(StokTest, KodBarkodVeOemIleBulunur) {
  sqlite3_stmt* st = nullptr;
  sqlite3_prepare_v2(db, "SELECT STOK_STOKNO, BARKOD, OEM1, FINISHKOD FROM stoklar WHERE OEM1 LIKE '%-%' LIMIT 1", -1,
                     &st, nullptr);
  ASSERT_EQ(sqlite3_step(st), SQLITE_ROW);
  const qint64 no = sqlite3_column_int64(st, 0);
  const QString barkod = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 1)));
  const QString oem = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 2)));
  const QString finish = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 3)));
  sqlite3_finalize(st);
  const QString oemDuz = QString(oem).remove(u'-');
  for (const QString& metin : {barkod, oem, oemDuz, oem.toLower(), finish}) {
    SCOPED_TRACE(metin.toStdString());
    auto ds = Ara(metin);
    EXPECT_GE(SatirBul(*ds, "STOK_STOKNO", no), 0);
  }
}

TEST_F(StokTest, JokerHepsiniBosMetinHicbiriniVerir) {
  EXPECT_EQ(Ara(QStringLiteral("%"))->RecordCount(), 600);
  EXPECT_EQ(Ara(QStringLiteral("*"))->RecordCount(), 600);
  EXPECT_EQ(Ara(QStringLiteral("   "))->RecordCount(), 0);
  // a common letter matches a good share of the catalogue (the benchmarks use it)
  EXPECT_GT(Ara(QStringLiteral("A"))->RecordCount(), 300);
}

TEST_F(StokTest, FiyatlarMusteriyeGoreVeTutarli) {
  auto ds = Ara(QStringLiteral("%"));
  const char* const alanlar[] = {
      "STOK_STOKNO", "BARKOD", "ADI", "MARKA", "MODEL", "FINISHKOD", "OEM1", "OEM2", "OEM3", "OEM4", "OEMNO",
      "URETICIKODU", "DIGERADI", "DPKOD", "PKOD", "BIRIM", "ANAGRUP", "OZELKOD", "KDV", "FIYAT", "IND1", "IND2",
      "IND3", "IND4", "INDIRIMYAZI", "INDIRIM", "K", "Y", "DURUM", "RESIM", "KALAN", "ALINANSIPARIS",
      "VERILENSIPARIS", "NETFIYAT", "KDVDAHIL", "LISTEFIYAT1", "KAMPFIYAT", "ESKIFIYAT", "TEKCEKIMFIYAT",
      "NAKITFIYAT", "BARKOD_BARKODNO"};
  for (const char* a : alanlar) EXPECT_NE(ds->FindField(QString::fromLatin1(a)), nullptr) << a;
  EXPECT_EQ(ds->FieldByName(QStringLiteral("STOK_STOKNO"))->DataType(), TFieldType::ftInteger);
  EXPECT_EQ(ds->FieldByName(QStringLiteral("NETFIYAT"))->DataType(), TFieldType::ftFloat);

  int kampanya = 0, indirimli = 0;
  for (int i = 0; i < ds->RecordCount(); ++i) {
    const double fiyat = FloatAl(*ds, i, "FIYAT");
    const double net = FloatAl(*ds, i, "NETFIYAT");
    const double kdv = FloatAl(*ds, i, "KDV");
    const double i1 = FloatAl(*ds, i, "IND1"), i2 = FloatAl(*ds, i, "IND2");
    const double i3 = FloatAl(*ds, i, "IND3"), i4 = FloatAl(*ds, i, "IND4");
    EXPECT_NEAR(net, Y2(Zincir(fiyat, i1, i2, i3, i4)), 0.001) << i;
    const double kdvDahil = FloatAl(*ds, i, "KDVDAHIL");
    EXPECT_NEAR(kdvDahil, Y2(net * (1 + kdv / 100)), 0.001) << i;
    EXPECT_NEAR(FloatAl(*ds, i, "TEKCEKIMFIYAT"), Y2(kdvDahil * (1 - 1.5 / 100)), 0.001);
    EXPECT_NEAR(FloatAl(*ds, i, "NAKITFIYAT"), Y2(kdvDahil * (1 - 3.0 / 100)), 0.001);
    if (IntAl(*ds, i, "K") > 0) {
      ++kampanya;
      EXPECT_DOUBLE_EQ(fiyat, FloatAl(*ds, i, "KAMPFIYAT"));
      EXPECT_LT(fiyat, FloatAl(*ds, i, "LISTEFIYAT1"));
      EXPECT_EQ(i1 + i2 + i3 + i4, 0.0);
      EXPECT_TRUE(TextAl(*ds, i, "INDIRIMYAZI").startsWith(u'%'));
    } else {
      EXPECT_DOUBLE_EQ(fiyat, FloatAl(*ds, i, "LISTEFIYAT1"));
      EXPECT_EQ(FloatAl(*ds, i, "KAMPFIYAT"), 0.0);
      if (i1 > 0) ++indirimli;
    }
  }
  EXPECT_GT(kampanya, 0);
  EXPECT_GT(indirimli, 0);
}

TEST_F(StokTest, IndirimGrubuFarkliMusteriFarkliNetFiyat) {
  // The demo customer (group 2: three chained rates) and a customer of group 4 (no discounts).
  sqlite3_exec(db, "UPDATE cariler SET INDIRIMGRUBU = 4 WHERE CARINO = 2", nullptr, nullptr, nullptr);
  auto musteri = Ara(QStringLiteral("FİLTRESİ"));
  auto kisitli = Ara(QStringLiteral("FİLTRESİ"), QStringLiteral("KISITLI"));
  ASSERT_EQ(musteri->RecordCount(), kisitli->RecordCount());
  ASSERT_GT(musteri->RecordCount(), 0);
  for (int i = 0; i < musteri->RecordCount(); ++i) {
    if (IntAl(*musteri, i, "K") > 0) continue;
    EXPECT_LT(FloatAl(*musteri, i, "NETFIYAT"), FloatAl(*kisitli, i, "NETFIYAT"));
    EXPECT_EQ(FloatAl(*kisitli, i, "NETFIYAT"), FloatAl(*kisitli, i, "FIYAT"));
    EXPECT_EQ(TextAl(*kisitli, i, "INDIRIMYAZI"), QString());
    EXPECT_FALSE(TextAl(*musteri, i, "INDIRIMYAZI").isEmpty());
  }
}

TEST_F(StokTest, KampanyasizMusteriListeFiyatiGorur) {
  auto normal = Ara(QStringLiteral("%"));
  auto kampanyasiz = Ara(QStringLiteral("%"), QStringLiteral("KAMPANYASIZ"));
  ASSERT_EQ(normal->RecordCount(), kampanyasiz->RecordCount());
  int kampanyaliStok = 0;
  for (int i = 0; i < kampanyasiz->RecordCount(); ++i) {
    EXPECT_EQ(IntAl(*kampanyasiz, i, "K"), 0);
    EXPECT_EQ(FloatAl(*kampanyasiz, i, "KAMPFIYAT"), 0.0);
    EXPECT_DOUBLE_EQ(FloatAl(*kampanyasiz, i, "FIYAT"), FloatAl(*kampanyasiz, i, "LISTEFIYAT1"));
    if (IntAl(*normal, i, "K") > 0) {
      ++kampanyaliStok;
      EXPECT_DOUBLE_EQ(FloatAl(*kampanyasiz, i, "FIYAT"), FloatAl(*normal, i, "LISTEFIYAT1"));
    }
  }
  EXPECT_GT(kampanyaliStok, 0);
}

TEST_F(StokTest, ResimlerGecerliJpegVeOnbellekte) {
  sqlite3_stmt* st = nullptr;
  sqlite3_prepare_v2(db, "SELECT (SELECT STOK_STOKNO FROM stoklar WHERE RESIM = 1 LIMIT 1), "
                         "(SELECT STOK_STOKNO FROM stoklar WHERE RESIM = 0 LIMIT 1)", -1, &st, nullptr);
  ASSERT_EQ(sqlite3_step(st), SQLITE_ROW);
  const int var = sqlite3_column_int(st, 0), yok = sqlite3_column_int(st, 1);
  sqlite3_finalize(st);

  const QByteArray jpeg = StokResmi(db, var);
  ASSERT_GE(jpeg.size(), 1200);  // the client ignores shorter answers
  EXPECT_TRUE(jpeg.startsWith("\xFF\xD8"));
  EXPECT_TRUE(jpeg.endsWith("\xFF\xD9"));
  QImage img;
  ASSERT_TRUE(img.loadFromData(jpeg, "JPG"));
  EXPECT_EQ(img.size(), QSize(480, 360));
  EXPECT_EQ(StokResmi(db, var), jpeg);              // from the cache
  EXPECT_EQ(Say(QStringLiteral("SELECT COUNT(*) FROM resimler WHERE STOKNO = %1").arg(var)), 1);

  struct Durum { int stokno; bool var; };
  for (const Durum d : {Durum{var, true}, Durum{yok, false}, Durum{0, false}, Durum{999999, false}}) {
    Yanit y = Cagir(QStringLiteral("ResimVer5"), {d.stokno});
    ASSERT_EQ(y.Ogeler().size(), 2u);
    EXPECT_EQ(y.Ogeler()[1].tur, Yanit::Tur::Akis);
    EXPECT_EQ(y.Ogeler()[0].json, std::to_string(y.Ogeler()[1].akis.size()));
    EXPECT_EQ(!y.Ogeler()[1].akis.isEmpty(), d.var) << d.stokno;
  }
}

TEST_F(StokTest, FarkliStoklarFarkliResim) {
  sqlite3_stmt* st = nullptr;
  sqlite3_prepare_v2(db, "SELECT STOK_STOKNO FROM stoklar WHERE RESIM = 1 LIMIT 2", -1, &st, nullptr);
  ASSERT_EQ(sqlite3_step(st), SQLITE_ROW);
  const int a = sqlite3_column_int(st, 0);
  ASSERT_EQ(sqlite3_step(st), SQLITE_ROW);
  const int b = sqlite3_column_int(st, 0);
  sqlite3_finalize(st);
  EXPECT_NE(StokResmi(db, a), StokResmi(db, b));
}

}  // namespace
