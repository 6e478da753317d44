#include "ticaret_ortak.h"

#include "yontem.h"

#include <QDateTime>
#include <QLocale>
#include <cmath>

Sorgu::Sorgu(sqlite3* db, const char* sql) : db_(db) {
  if (sqlite3_prepare_v2(db, sql, -1, &st_, nullptr) != SQLITE_OK) {
    const QString hata = QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_finalize(st_);
    st_ = nullptr;
    throw YontemHatasi(QStringLiteral("Veritabanı hatası: %1").arg(hata));
  }
}

Sorgu::~Sorgu() { sqlite3_finalize(st_); }

Sorgu& Sorgu::Bagla(int i, qint64 v) {
  sqlite3_bind_int64(st_, i, v);
  return *this;
}

Sorgu& Sorgu::Bagla(int i, double v) {
  sqlite3_bind_double(st_, i, v);
  return *this;
}

Sorgu& Sorgu::Bagla(int i, const QString& v) {
  const QByteArray u = v.toUtf8();
  sqlite3_bind_text(st_, i, u.constData(), static_cast<int>(u.size()), SQLITE_TRANSIENT);
  return *this;
}

Sorgu& Sorgu::BaglaNull(int i) {
  sqlite3_bind_null(st_, i);
  return *this;
}

bool Sorgu::Adim() {
  const int rc = sqlite3_step(st_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  throw YontemHatasi(QStringLiteral("Veritabanı hatası: %1").arg(QString::fromUtf8(sqlite3_errmsg(db_))));
}

void Sorgu::Calistir() {
  while (Adim()) {
  }
}

void Sorgu::Sifirla() {
  sqlite3_reset(st_);
  sqlite3_clear_bindings(st_);
}

QString Sorgu::Text(int c) const {
  const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st_, c));
  return p ? QString::fromUtf8(p, sqlite3_column_bytes(st_, c)) : QString();
}

void SqlCalistir(sqlite3* db, const char* sql) {
  char* hata = nullptr;
  if (sqlite3_exec(db, sql, nullptr, nullptr, &hata) != SQLITE_OK) {
    const QString metin = QString::fromUtf8(hata ? hata : "?");
    sqlite3_free(hata);
    throw YontemHatasi(QStringLiteral("Veritabanı hatası: %1").arg(metin));
  }
}

qint64 TekSayi(sqlite3* db, const char* sql, qint64 bos) {
  Sorgu s(db, sql);
  return s.Adim() && !s.BosMu(0) ? s.Int(0) : bos;
}

qint64 TekSayi(sqlite3* db, const char* sql, qint64 bos, qint64 arg) {
  Sorgu s(db, sql);
  s.Bagla(1, arg);
  return s.Adim() && !s.BosMu(0) ? s.Int(0) : bos;
}

QString AyarOku(sqlite3* db, const QString& ad, const QString& bos) {
  Sorgu s(db, "SELECT DEGER FROM ayarlar WHERE AD = ?");
  s.Bagla(1, ad);
  return s.Adim() ? s.Text(0) : bos;
}

void AyarYaz(sqlite3* db, const QString& ad, const QString& deger) {
  Sorgu s(db, "INSERT INTO ayarlar(AD, DEGER) VALUES(?, ?) ON CONFLICT(AD) DO UPDATE SET DEGER = excluded.DEGER");
  s.Bagla(1, ad).Bagla(2, deger).Calistir();
}

double Yuvarla2(double x) {
  // The tiny nudge keeps 2.675 (stored as 2.67499999...) rounding to 2.68 as the decimal reads.
  const double k = std::fabs(x) * 100.0;
  const double r = std::floor(k + 0.5 + 1e-9 * std::max(1.0, k));
  return std::copysign(r / 100.0, x) + 0.0;
}

double ZincirIndirim(double brut, double i1, double i2, double i3, double i4) {
  double x = brut;
  for (double d : {i1, i2, i3, i4})
    if (d > 0) x -= x * d / 100.0;
  return x;
}

QString OranYazisi(double oran) {
  QString s = QString::number(oran, 'f', 2);
  while (s.endsWith(u'0')) s.chop(1);
  if (s.endsWith(u'.')) s.chop(1);
  s.replace(u'.', u',');
  return s;
}

QString IndirimYazisi(double i1, double i2, double i3, double i4) {
  QStringList parcalar;
  for (double d : {i1, i2, i3, i4})
    if (d > 0) parcalar << OranYazisi(d);
  return parcalar.join(u'+');
}

SatirTutarlari SatirHesapla(double miktar, double birimFiyat, double kdv, double i1, double i2,
                            double i3, double i4) {
  SatirTutarlari t;
  t.tutar = Yuvarla2(miktar * birimFiyat);
  t.netTutar = Yuvarla2(ZincirIndirim(miktar * birimFiyat, i1, i2, i3, i4));
  t.indirimTutar = Yuvarla2(t.tutar - t.netTutar);
  t.netBirimFiyat = miktar != 0 ? Yuvarla2(t.netTutar / miktar) : 0.0;
  t.vergiTutari = Yuvarla2(t.netTutar * kdv / 100.0);
  return t;
}

double SimdiOle() {
  const QDateTime simdi = QDateTime::currentDateTime();
  const qint64 gun = QDate(1899, 12, 30).daysTo(simdi.date());
  return static_cast<double>(gun) + simdi.time().msecsSinceStartOfDay() / 86400000.0;
}

QString SimdiSaat() { return QTime::currentTime().toString(QStringLiteral("hh:mm:ss")); }

QString SiparisDurumAdi(int durumNo) {
  switch (durumNo) {
    case 0: return QStringLiteral("Alındı");
    case 1: return QStringLiteral("Onaylandı");
    case 2: return QStringLiteral("Görüldü");
    case 3: return QStringLiteral("Parçalı Hazırlandı");
    case 4: return QStringLiteral("Hazırlandı");
    case 5: return QStringLiteral("Sevk Edildi");
    default: return {};
  }
}

QString TutarYazisi(double tutar) {
  const double y = Yuvarla2(tutar);
  const qint64 kurus = static_cast<qint64>(std::llround(std::fabs(y) * 100.0));
  QString tam = QString::number(kurus / 100);
  for (qsizetype i = tam.size() - 3; i > 0; i -= 3) tam.insert(i, u'.');
  return (y < 0 ? QStringLiteral("-") : QString()) + tam + u',' +
         QStringLiteral("%1").arg(kurus % 100, 2, 10, QChar(u'0'));
}

StokFiyati StokFiyatiBul(sqlite3* db, int carino, int stokno, bool kampanyali) {
  StokFiyati f;
  Sorgu s(db,
          "SELECT s.FIYAT, s.KAMPFIYAT, s.K, s.KDV, IFNULL(i.IND1, 0), IFNULL(i.IND2, 0), IFNULL(i.IND3, 0), "
          "IFNULL(i.IND4, 0), s.BARKOD, s.ADI FROM stoklar s "
          "LEFT JOIN indirimler i ON i.GRUPNO = (SELECT INDIRIMGRUBU FROM cariler WHERE CARINO = ?1) "
          "AND i.ANAGRUP = s.ANAGRUP WHERE s.STOK_STOKNO = ?2");
  s.Bagla(1, carino).Bagla(2, stokno);
  if (!s.Adim()) return f;
  f.var = true;
  f.k = static_cast<int>(s.Int(2));
  f.kdv = s.Float(3);
  f.barkod = s.Text(8);
  f.adi = s.Text(9);
  if (kampanyali && f.k > 0 && s.Float(1) > 0) {
    f.fiyat = s.Float(1);
  } else {
    f.k = 0;
    f.fiyat = s.Float(0);
    for (int i = 0; i < 4; ++i) f.ind[i] = s.Float(4 + i);
  }
  return f;
}
