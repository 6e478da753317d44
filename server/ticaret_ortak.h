#pragma once
// Shared pieces of the commerce methods: a small prepared-statement wrapper, the price and
// line-amount arithmetic and settings lookups.

#include <QString>
#include <sqlite3.h>

#include <string>

// A prepared statement; errors throw YontemHatasi with a Turkish message.
class Sorgu {
 public:
  Sorgu(sqlite3* db, const char* sql);
  ~Sorgu();
  Sorgu(const Sorgu&) = delete;
  Sorgu& operator=(const Sorgu&) = delete;

  Sorgu& Bagla(int i, qint64 v);
  Sorgu& Bagla(int i, int v) { return Bagla(i, static_cast<qint64>(v)); }
  Sorgu& Bagla(int i, double v);
  Sorgu& Bagla(int i, const QString& v);
  Sorgu& BaglaNull(int i);

  bool Adim();        // true while a row is ready
  void Calistir();    // runs to the end
  void Sifirla();     // reset for another run with new bindings

  bool BosMu(int c) const { return sqlite3_column_type(st_, c) == SQLITE_NULL; }
  qint64 Int(int c) const { return sqlite3_column_int64(st_, c); }
  double Float(int c) const { return sqlite3_column_double(st_, c); }
  QString Text(int c) const;
  sqlite3_stmt* Ham() const { return st_; }

 private:
  sqlite3* db_;
  sqlite3_stmt* st_ = nullptr;
};

void SqlCalistir(sqlite3* db, const char* sql);
// One integer (or the default when no row / NULL).
qint64 TekSayi(sqlite3* db, const char* sql, qint64 bos = 0);
qint64 TekSayi(sqlite3* db, const char* sql, qint64 bos, qint64 arg);

QString AyarOku(sqlite3* db, const QString& ad, const QString& bos = {});
void AyarYaz(sqlite3* db, const QString& ad, const QString& deger);

// Two-decimal rounding, halves away from zero (tolerant of binary representation errors).
double Yuvarla2(double x);

// Chained discounts: each positive rate applies to what the earlier left.
double ZincirIndirim(double brut, double i1, double i2, double i3, double i4);

// Discount rates as shown in the lists: positive rates joined by "+", decimal comma
// ("10+5", "12,5+5"); empty when there is none.
QString IndirimYazisi(double i1, double i2, double i3, double i4);

// Plain decimal text with a comma and no trailing zeros ("1,5", "3").
QString OranYazisi(double oran);

// The amounts of one basket or order line, as the server computes them.
struct SatirTutarlari {
  double tutar = 0;          // quantity x unit price
  double indirimTutar = 0;   // tutar - net amount
  double netTutar = 0;       // after the chained discounts, before VAT
  double netBirimFiyat = 0;  // net amount / quantity
  double vergiTutari = 0;    // VAT on the net amount
};
SatirTutarlari SatirHesapla(double miktar, double birimFiyat, double kdv, double i1, double i2,
                            double i3, double i4);

// The current moment as an OLE Automation date, and its time as "hh:mm:ss".
double SimdiOle();
QString SimdiSaat();

// The text names of the order states by DURUMNO.
QString SiparisDurumAdi(int durumNo);
