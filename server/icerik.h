#pragma once
// Content, documents, statement, seller desk and reports of the reference server.
// The handlers registered by IcerikYontemleriniKaydet are thin: each reads its inputs and
// writes what one of the functions below computes, so tests can call these directly.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct sqlite3;

// ---- table results -------------------------------------------------------------------

enum class IcerikTur { Int, Float, Text, Tarih, Bool };

struct IcerikSutun {
  QString ad;
  IcerikTur tur = IcerikTur::Text;
  int boy = 0;  // text width (0: the writer's default)
};

// Rows of named, typed columns; a date is an OLE Automation date (double).
struct IcerikTablo {
  std::vector<IcerikSutun> sutunlar;
  std::vector<std::vector<QVariant>> satirlar;

  int Sutun(const QString& ad) const;                    // -1 when missing
  QVariant Deger(int satir, const QString& ad) const;    // invalid when missing
  QStringList Adlar() const;
};

// Runs a query; column i of the result gets name and type from sutunlar[i].
// Errors throw YontemHatasi with a Turkish message.
IcerikTablo IcerikSorgu(sqlite3* db, const QString& sql, std::vector<IcerikSutun> sutunlar,
                        const QVariantList& baglar = {});
void IcerikCalistir(sqlite3* db, const QString& sql, const QVariantList& baglar = {});
QVariant IcerikDeger(sqlite3* db, const QString& sql, const QVariantList& baglar = {},
                     const QVariant& bos = {});  // first column of the first row
bool IcerikTabloVar(sqlite3* db, const char* ad);

// ---- session facts the methods need ----------------------------------------------------

struct IcerikOturum {
  int sirano = 0;       // the logged-in user's number
  int carino = 0;       // the customer worked for
  int saticiNo = 0;     // the seller's number
  int musteriTipi = 0;  // 0 customer, 1 seller, 2 seller with price authority, 3, 4
  QString adi;          // user name
};

// ---- records ----------------------------------------------------------------------------

struct IcerikEkran {  // one opening screen / advertisement
  int siraNo = 0;
  QString resim;  // JPEG as hexadecimal text, two digits per byte
  QString baslik;
  QString arama;
};

struct IcerikTus {  // counts of the seller desk's status buttons
  int alindi = 0, onaylandi = 0, goruldu = 0, parcaliHazirlandi = 0, hazirlandi = 0, sevkEdildi = 0;
};

struct IcerikMobilCari {  // a customer's contact and tax data
  int carino = 0;
  QString carikod, cariadi, ozelKod, anaGrup, altGrup, adres1, adres2, ilce, tel1, tel2, fax1, fax2,
      gsm, email, yetkili, sehir, ulke, saticiAdi, saticiTelefon, saticiMail, vergiDairesi, vergiNo,
      kullaniciAdi, sifre, mail, bilgisayarId;
  double tlBorc = 0, tlAlacak = 0, tlBakiye = 0;
};

struct IcerikMail {  // one stored mail request (never sent)
  int sirano = 0;
  QString yontem;       // "MailGonserCari" or "MailGonserCariNormal"
  QStringList alanlar;  // the texts as received, in order
};

// ---- demo data and pictures -------------------------------------------------------------

// Deterministic generator of the demo data (splitmix64).
class IcerikRastgele {
 public:
  explicit IcerikRastgele(std::uint64_t tohum) : s_(tohum * 0x9E3779B97F4A7C15ull + 0x1234567ull) {}
  std::uint64_t Sonraki();
  int Aralik(int alt, int ust);  // alt..ust inclusive
  double Kesir();                // [0, 1)
 private:
  std::uint64_t s_;
};

// GIF89a of several frames (looping); delay in hundredths of a second.
QByteArray GifAnimasyonYaz(const std::vector<QImage>& kareler, int gecikme);
QByteArray UstBannerGif(std::uint32_t tohum);     // animated upper banner
QByteArray BaslikBanner(std::uint32_t tohum);     // header picture (JPEG)
QByteArray AltBannerBmp(std::uint32_t tohum);     // lower banner (Windows bitmap)
QByteArray EkranResmi(std::uint32_t tohum, int no);  // JPEG of an opening screen
QString HexYaz(const QByteArray& baytlar);           // two upper-case digits per byte
QByteArray ResimBaytlari(const QImage& resim, const char* bicim, int kalite = -1);

// ---- PDFs ------------------------------------------------------------------------------

// One page-flowing table document; empty when the PDF library fails.
struct IcerikPdfTablo {
  QString baslik;
  QStringList altBasliklar;                  // lines under the title
  QStringList sutunlar;
  std::vector<double> genislikler;           // relative column widths
  std::vector<bool> sagaYasli;               // numbers right-aligned
  std::vector<QStringList> satirlar;
  QStringList dipSatirlar;                   // lines after the table
};
QByteArray IcerikPdfYaz(const IcerikPdfTablo& t);

// Two-decimal rounding, halves away from zero.
double IcerikYuvarla(double x);

// Amount in the Turkish display form "#,###,##0.00" ("1.234,50").
QString TutarYaz(double v);
QString TarihYaz(double ole);  // "dd.MM.yyyy"

// ---- header content and content pages (icerik_baslik.cpp) --------------------------------

// One row: SEPET, YENI, KAMPANYA, DUYURU (int) and BAKIYE (float), read by position.
IcerikTablo BalonTablosu(sqlite3* db, const IcerikOturum& o);
QString KayanYazi(sqlite3* db);
QByteArray BannerResmi(sqlite3* db, int no);  // 1 header, 2 upper, 3 lower; empty when none
int AcilisReklamSayisi(sqlite3* db);
std::optional<IcerikEkran> AcilisReklami(sqlite3* db, int sira);  // sira counts from 0
std::vector<IcerikEkran> AcilisEkranlari(sqlite3* db);
std::string YeniStoklarPaketi(sqlite3* db, int carino);  // data packet, priced as the stock search
IcerikTablo KampanyaliStoklar(sqlite3* db, int carino, int musteriTipi);
IcerikTablo DosyaListesi(sqlite3* db);
bool BelgeVer(sqlite3* db, int sirano, QByteArray* veri, QString* ad);  // false: no such file
QString CariDurum(sqlite3* db, int carino);  // the balance as "1.234,56"

// ---- statement and documents (icerik_belge.cpp) -------------------------------------------

IcerikTablo CariEkstre(sqlite3* db, int carino);
IcerikTablo FaturaSatirlari(sqlite3* db, int carino, int idno);
IcerikTablo FaturaAlt(sqlite3* db, int idno);
IcerikTablo TahsilatSatirlari(sqlite3* db, int idno);
int SanalposSirano(sqlite3* db, int idno);       // 0 when the collection has no receipt
QByteArray SanalPosPdf(sqlite3* db, int sirano);  // empty when there is no such receipt

// ---- seller desk, lists and requests (icerik_satici.cpp) ----------------------------------

IcerikTablo CariAra(sqlite3* db, const IcerikOturum& o, const QString& aranan);
IcerikTablo CariSepetListesi(sqlite3* db, const IcerikOturum& o, int kod);  // kod 1..7
int SepetliCariSayisi(sqlite3* db, const IcerikOturum& o);
IcerikTus TusSonuclari(sqlite3* db, const IcerikOturum& o);
IcerikTablo AlinanSiparisler(sqlite3* db, const IcerikOturum& o, double tarih1, double tarih2);
IcerikTablo EnCokSatilanStoklar(sqlite3* db, const IcerikOturum& o, double tarih1, double tarih2);
std::optional<IcerikMobilCari> MobilCariBilgisi(sqlite3* db, int sirano, const QString& idsi);
int MailIstegiKaydet(sqlite3* db, const QString& yontem, const QStringList& alanlar);
std::vector<IcerikMail> MailIstekleri(sqlite3* db);  // stored requests, oldest first

// ---- reports (icerik_rapor.cpp) -----------------------------------------------------------

// Report PDF; empty for an unknown report number (the client then opens nothing).
QByteArray RaporPdf(sqlite3* db, int raporno, int bolum, int idno, int carino, const QString& saticiadi,
                    double tarih1, double tarih2);

// ---- wire forms (icerik_yontemler.cpp) ----------------------------------------------------

std::string IcerikPaketi(const IcerikTablo& t);  // data packet JSON
std::string IcerikTusJson(const IcerikTus& t);   // TTusSonuclari record
std::string IcerikEkranJson(const std::optional<IcerikEkran>& e);  // TAcilisEkran or null
std::string IcerikEkranlarJson(const std::vector<IcerikEkran>& l);  // TAcilisEkranlariki
std::string IcerikMobilCariJson(const std::optional<IcerikMobilCari>& m);  // TMobilCariBilgisi or null
