#pragma once
// Shared pieces of the commerce methods: a small prepared-statement wrapper, the price and
// line-amount arithmetic and settings lookups.

#include <QString>
#include <sqlite3.h>

#include <functional>
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

// --- packets shared by several methods

class PaketYazici;

// Adds a text cell straight from a result column (no QString round trip).
void MetinYaz(PaketYazici& p, int col, const Sorgu& s, int scol);

// The customer's prices of the stocks that match `kosul` (an SQL condition over the stock
// table aliased "s", with ? parameters bound by `bagla` starting at index 2), in the columns of
// the stock lists (STOK_STOKNO, BARKOD, ADI, ... FIYAT, IND1..IND4, INDIRIMYAZI, NETFIYAT,
// KDVDAHIL, LISTEFIYAT1, KAMPFIYAT, TEKCEKIMFIYAT, NAKITFIYAT ...). `sirala` orders the rows.
// kampanyali false (customers without campaigns): campaign stocks are priced as ordinary ones.
std::string StokPaketiYaz(sqlite3* db, int carino, bool kampanyali, const QString& kosul,
                          const std::function<void(Sorgu&)>& bagla, const QString& sirala = QStringLiteral("s.SIRA, s.STOK_STOKNO"));

// The cash and single-charge discount percentages of the payment ways (settings).
double NakitIskonto(sqlite3* db);
double TekCekimIskonto(sqlite3* db);

// Basket lines or order lines in the one column set the basket, order, balances and movements
// grids read (SEC, VERILISTARIHI, SIRANO, ... TUTAR, INDIRIMTUTAR, NETBIRIMFIYAT, VERGITUTARI,
// NETTUTAR, ... TESLIMEDILEN, KALAN, STOKHAR_NO, ILKFIYAT, ELDEKI ...), amounts computed here.
// kosul: an SQL condition over the basket ("b") or the order lines ("l") and orders ("o");
// its ? parameters are bound by `bagla` from index 1.
enum class SatirKaynagi { Sepet, Siparis };
std::string SatirPaketiYaz(sqlite3* db, SatirKaynagi kaynak, const QString& kosul,
                           const std::function<void(Sorgu&)>& bagla, const QString& sirala);

// An amount as "#,###,##0.00" with Turkish separators ("48.250,75").
QString TutarYazisi(double tutar);

// The price of one stock for one customer as the stock lists show it: unit price (the campaign
// price for a campaign stock), the customer's discount rates (none on a campaign price), VAT.
struct StokFiyati {
  bool var = false;
  double fiyat = 0;
  double ind[4] = {0, 0, 0, 0};
  double kdv = 0;
  int k = 0;
  QString barkod, adi;
};
StokFiyati StokFiyatiBul(sqlite3* db, int carino, int stokno, bool kampanyali = true);

// Account types that may set prices (sellers).
inline bool FiyatYetkili(int musteriTipi) { return musteriTipi == 1 || musteriTipi == 2; }
// Account type 4 is not entitled to campaign prices.
inline bool Kampanyali(int musteriTipi) { return musteriTipi != 4; }
