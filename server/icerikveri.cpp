// Tables of the content side (header content, opening screens, files, statement, invoices,
// collections, virtual-POS receipts, mail requests) and their deterministic demo data.
//
//   icerikayar      (AD PK, DEGER)          'KAYANYAZI': the scrolling text (simple HTML)
//   bannerlar       (NO PK, RESIM BLOB)     1 header picture (JPEG), 2 upper banner (animated
//                                           GIF), 3 lower banner (Windows bitmap)
//   acilisekranlari (SIRANO PK, SIRA, BASLIK, ARAMA, RESIM)  opening screens; RESIM is a JPEG
//                                           as hexadecimal text; ARAMA "#KAMPANYA#", "#YENİ#"
//                                           or a stock search text
//   dosyalar        (SIRANO PK, ACIKLAMA, DOSYAYOL, VERI BLOB)  downloadable files
//   carieki         (CARINO PK, ...)        customer columns the desk shows beyond cariler's
//   ekstre          (SIRANO PK, CARINO, IDNO, TARIH, TURADI, EVRAK, BORC, ALACAK, KUR, ACIKLAMA)
//                                           statement rows; IDNO the invoice or collection
//   faturalar       (IDNO PK, CARINO, TARIH, TURADI, EVRAKNO, SATICIADI, VADE, SAAT, ...)
//   faturasatirlari (SIRANO PK, IDNO, STOKNO, MIKTAR, BIRIMFIYAT, IND1, IND2, KDV, TUTAR,
//                    INDIRIM, NET, VERGI, ACIKLAMA)
//   tahsilatlar     (SIRANO PK, IDNO, CARINO, TARIH, TURU, CINS, VADE, TUTAR, ACIKLAMA, ...)
//   sanalpos        (SIRANO PK, IDNO, CARINO, TARIH, SAAT, KARTNO, ONAYKODU, TUTAR, TAKSIT)
//   mailistekleri   (SIRANO PK, YONTEM, ZAMAN, IDSI, BASLIK, ... , KONU)  requests, never sent

#include <sqlite3.h>

#include <QBuffer>
#include <QDate>
#include <QImage>
#include <QPainter>
#include <cmath>

#include "icerik.h"
#include "veritabani.h"
#include "yontem.h"

namespace {

const char* const kSema = R"SQL(
CREATE TABLE IF NOT EXISTS icerikayar (AD TEXT PRIMARY KEY, DEGER TEXT NOT NULL DEFAULT '');
CREATE TABLE IF NOT EXISTS bannerlar (NO INTEGER PRIMARY KEY, RESIM BLOB NOT NULL);
CREATE TABLE IF NOT EXISTS acilisekranlari (
  SIRANO INTEGER PRIMARY KEY, SIRA INTEGER NOT NULL, BASLIK TEXT NOT NULL DEFAULT '',
  ARAMA TEXT NOT NULL DEFAULT '', RESIM TEXT NOT NULL DEFAULT '');
CREATE TABLE IF NOT EXISTS dosyalar (
  SIRANO INTEGER PRIMARY KEY, ACIKLAMA TEXT NOT NULL DEFAULT '', DOSYAYOL TEXT NOT NULL DEFAULT '',
  VERI BLOB NOT NULL);
CREATE TABLE IF NOT EXISTS carieki (
  CARINO INTEGER PRIMARY KEY, OZELKOD TEXT NOT NULL DEFAULT '', KOD1 TEXT NOT NULL DEFAULT '',
  KOD2 TEXT NOT NULL DEFAULT '', KOD3 TEXT NOT NULL DEFAULT '', KOD4 TEXT NOT NULL DEFAULT '',
  KOD5 TEXT NOT NULL DEFAULT '', TEL2 TEXT NOT NULL DEFAULT '', GSM TEXT NOT NULL DEFAULT '',
  FAX2 TEXT NOT NULL DEFAULT '', ANAGRUP TEXT NOT NULL DEFAULT '', ALTGRUP TEXT NOT NULL DEFAULT '',
  ULKE TEXT NOT NULL DEFAULT 'TÜRKİYE', VADE INTEGER NOT NULL DEFAULT 30,
  VADEKONTROLGUN INTEGER NOT NULL DEFAULT 0, VADEKONTROLAY INTEGER NOT NULL DEFAULT 0);
CREATE TABLE IF NOT EXISTS ekstre (
  SIRANO INTEGER PRIMARY KEY, CARINO INTEGER NOT NULL, IDNO INTEGER NOT NULL DEFAULT 0,
  TARIH REAL NOT NULL, TURADI TEXT NOT NULL, EVRAK TEXT NOT NULL DEFAULT '',
  BORC REAL NOT NULL DEFAULT 0, ALACAK REAL NOT NULL DEFAULT 0, KUR TEXT NOT NULL DEFAULT 'TL',
  ACIKLAMA TEXT NOT NULL DEFAULT '');
CREATE INDEX IF NOT EXISTS ekstre_cari ON ekstre(CARINO, TARIH);
CREATE TABLE IF NOT EXISTS faturalar (
  IDNO INTEGER PRIMARY KEY, CARINO INTEGER NOT NULL, TARIH REAL NOT NULL, TURADI TEXT NOT NULL,
  EVRAKNO TEXT NOT NULL, SATICIADI TEXT NOT NULL DEFAULT '', VADE INTEGER NOT NULL DEFAULT 0,
  SAAT TEXT NOT NULL DEFAULT '', IRSALIYEEVRAKNO TEXT NOT NULL DEFAULT '',
  SIPARISEVRAKNO TEXT NOT NULL DEFAULT '', SIPARISTARIHI REAL NOT NULL DEFAULT 0);
CREATE INDEX IF NOT EXISTS faturalar_cari ON faturalar(CARINO, TARIH);
CREATE TABLE IF NOT EXISTS faturasatirlari (
  SIRANO INTEGER PRIMARY KEY, IDNO INTEGER NOT NULL, STOKNO INTEGER NOT NULL,
  MIKTAR REAL NOT NULL, BIRIMFIYAT REAL NOT NULL, IND1 REAL NOT NULL DEFAULT 0,
  IND2 REAL NOT NULL DEFAULT 0, KDV REAL NOT NULL DEFAULT 20, TUTAR REAL NOT NULL,
  INDIRIM REAL NOT NULL, NET REAL NOT NULL, VERGI REAL NOT NULL, ACIKLAMA TEXT NOT NULL DEFAULT '');
CREATE INDEX IF NOT EXISTS faturasatirlari_fatura ON faturasatirlari(IDNO);
CREATE TABLE IF NOT EXISTS tahsilatlar (
  SIRANO INTEGER PRIMARY KEY, IDNO INTEGER NOT NULL, CARINO INTEGER NOT NULL, TARIH REAL NOT NULL,
  TURU TEXT NOT NULL, CINS TEXT NOT NULL, VADE REAL NOT NULL, TUTAR REAL NOT NULL,
  ACIKLAMA TEXT NOT NULL DEFAULT '', EVRAKNO TEXT NOT NULL DEFAULT '', REF TEXT NOT NULL DEFAULT '',
  SAAT TEXT NOT NULL DEFAULT '', KUR TEXT NOT NULL DEFAULT 'TL', KURTL REAL NOT NULL DEFAULT 1,
  DOVIZTUTAR REAL NOT NULL DEFAULT 0);
CREATE INDEX IF NOT EXISTS tahsilatlar_evrak ON tahsilatlar(IDNO);
CREATE TABLE IF NOT EXISTS sanalpos (
  SIRANO INTEGER PRIMARY KEY, IDNO INTEGER NOT NULL, CARINO INTEGER NOT NULL, TARIH REAL NOT NULL,
  SAAT TEXT NOT NULL DEFAULT '', KARTNO TEXT NOT NULL, ONAYKODU TEXT NOT NULL,
  TUTAR REAL NOT NULL, TAKSIT INTEGER NOT NULL DEFAULT 1);
CREATE INDEX IF NOT EXISTS sanalpos_evrak ON sanalpos(IDNO);
CREATE TABLE IF NOT EXISTS mailistekleri (
  SIRANO INTEGER PRIMARY KEY AUTOINCREMENT, YONTEM TEXT NOT NULL, ZAMAN REAL NOT NULL,
  IDSI TEXT, BASLIK TEXT, FIRMAADI TEXT, ADRES1 TEXT, ADRES2 TEXT, ILCE TEXT, SEHIR TEXT,
  TELEFON TEXT, FAX TEXT, VD TEXT, VN TEXT, YETKILI TEXT, KULLANICIADI TEXT, SIFRE TEXT, MAIL TEXT,
  KARGOAMBAR TEXT, KONU TEXT);
)SQL";

// The demo statement runs over this year; dates never depend on the clock.
const QDate kIlkGun(2026, 1, 2);

double Ole(const QDate& d) { return double(QDate(1899, 12, 30).daysTo(d)); }

void SemaKur(sqlite3* db) {
  char* hata = nullptr;
  if (sqlite3_exec(db, kSema, nullptr, nullptr, &hata) != SQLITE_OK) {
    const QString m = QString::fromUtf8(hata ? hata : "?");
    sqlite3_free(hata);
    throw YontemHatasi(QStringLiteral("Veritabanı hatası: %1").arg(m));
  }
}

// ---- header content ----------------------------------------------------------------

const char* const kKayanYazi =
    "<b><font color=\"#C0392B\">Kampanya:</font></b> Seçili fren balatalarında "
    "<b>%20 indirim</b> ay sonuna kadar sürüyor!  •  "
    "<font color=\"#1E8449\">Yeni stoklar</font> her gün güncelleniyor.  •  "
    "Saat <b>15:00</b>'e kadar verilen siparişler aynı gün kargoya teslim edilir.  •  "
    "<i>Ödemelerinizi Sanal Pos sayfasından güvenle yapabilirsiniz.</i>";

struct EkranTanimi {
  const char* baslik;
  const char* arama;
};
const EkranTanimi kEkranlar[] = {
    {"Kış Kampanyası Başladı", "#KAMPANYA#"},
    {"Yeni Gelen Ürünlerimiz", "#YENİ#"},
    {"Fren Balatalarında Büyük Fırsat", "BALATA"},
    {"Yağ Filtrelerinde Stoklar Yenilendi", "FİLTRE"},
    {"Şubat Ayı Duyurusu: Yeni Depomuz Açıldı", ""},
};

void BaslikIceriginiDoldur(sqlite3* db, std::uint32_t tohum) {
  IcerikCalistir(db, QStringLiteral("INSERT OR REPLACE INTO icerikayar(AD, DEGER) VALUES('KAYANYAZI', ?)"),
                 {QString::fromUtf8(kKayanYazi)});
  const QByteArray resimler[3] = {BaslikBanner(tohum), UstBannerGif(tohum), AltBannerBmp(tohum)};
  for (int i = 0; i < 3; ++i)
    IcerikCalistir(db, QStringLiteral("INSERT OR REPLACE INTO bannerlar(NO, RESIM) VALUES(?, ?)"),
                   {i + 1, resimler[i]});
  int no = 1;
  for (const EkranTanimi& e : kEkranlar) {
    IcerikCalistir(db,
                   QStringLiteral("INSERT INTO acilisekranlari(SIRANO, SIRA, BASLIK, ARAMA, RESIM) VALUES(?,?,?,?,?)"),
                   {no, no, QString::fromUtf8(e.baslik), QString::fromUtf8(e.arama), HexYaz(EkranResmi(tohum, no))});
    ++no;
  }
}

// ---- files -------------------------------------------------------------------------

quint32 Crc32(const QByteArray& b) {
  quint32 c = 0xFFFFFFFFu;
  for (char ch : b) {
    c ^= quint8(ch);
    for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
  }
  return ~c;
}

void Le(QByteArray& o, quint32 v, int n) {
  for (int i = 0; i < n; ++i) o.append(char((v >> (8 * i)) & 0xFF));
}

// A zip archive whose entries are stored (not compressed).
QByteArray ZipYaz(const std::vector<std::pair<QByteArray, QByteArray>>& girdiler) {
  QByteArray o, merkez;
  for (const auto& [ad, veri] : girdiler) {
    const quint32 crc = Crc32(veri), yer = quint32(o.size());
    Le(o, 0x04034b50, 4); Le(o, 20, 2); Le(o, 0x0800, 2); Le(o, 0, 2); Le(o, 0, 2); Le(o, 0x5C21, 2);
    Le(o, crc, 4); Le(o, quint32(veri.size()), 4); Le(o, quint32(veri.size()), 4);
    Le(o, quint32(ad.size()), 2); Le(o, 0, 2);
    o += ad;
    o += veri;
    Le(merkez, 0x02014b50, 4); Le(merkez, 20, 2); Le(merkez, 20, 2); Le(merkez, 0x0800, 2); Le(merkez, 0, 2);
    Le(merkez, 0, 2); Le(merkez, 0x5C21, 2); Le(merkez, crc, 4); Le(merkez, quint32(veri.size()), 4);
    Le(merkez, quint32(veri.size()), 4); Le(merkez, quint32(ad.size()), 2); Le(merkez, 0, 2); Le(merkez, 0, 2);
    Le(merkez, 0, 2); Le(merkez, 0, 2); Le(merkez, 0, 4); Le(merkez, yer, 4);
    merkez += ad;
  }
  const quint32 merkezYeri = quint32(o.size());
  o += merkez;
  Le(o, 0x06054b50, 4); Le(o, 0, 2); Le(o, 0, 2);
  Le(o, quint32(girdiler.size()), 2); Le(o, quint32(girdiler.size()), 2);
  Le(o, quint32(merkez.size()), 4); Le(o, merkezYeri, 4); Le(o, 0, 2);
  return o;
}

QString XmlKacis(QString s) {
  return s.replace(QLatin1Char('&'), QStringLiteral("&amp;"))
      .replace(QLatin1Char('<'), QStringLiteral("&lt;"))
      .replace(QLatin1Char('>'), QStringLiteral("&gt;"));
}

QString RtfKacis(const QString& s) {
  QString o;
  for (QChar c : s) {
    if (c == QLatin1Char('\\') || c == QLatin1Char('{') || c == QLatin1Char('}'))
      o += QLatin1Char('\\') + QString(c);
    else if (c.unicode() > 127)
      o += QStringLiteral("\\u%1?").arg(int(qint16(c.unicode())));
    else
      o += c;
  }
  return o;
}

void DosyalariDoldur(sqlite3* db, std::uint32_t tohum) {
  // stocks for the price list and the campaign sheet
  const IcerikTablo stok = !IcerikTabloVar(db, "stoklar") ? IcerikTablo{} : IcerikSorgu(
      db, QStringLiteral("SELECT BARKOD, ADI, MARKA, BIRIM, FIYAT, KDV, K, KAMPFIYAT FROM stoklar "
                         "ORDER BY STOK_STOKNO LIMIT 160"),
      {{"BARKOD"}, {"ADI"}, {"MARKA"}, {"BIRIM"}, {"FIYAT", IcerikTur::Float}, {"KDV", IcerikTur::Float},
       {"K", IcerikTur::Int}, {"KAMPFIYAT", IcerikTur::Float}});

  IcerikPdfTablo fl;
  fl.baslik = QStringLiteral("Fiyat Listesi 2026");
  fl.altBasliklar << QStringLiteral("Fiyatlara KDV dahil değildir. Kampanyalı fiyatlar stoklarla sınırlıdır.");
  fl.sutunlar << QStringLiteral("Barkod") << QStringLiteral("Açıklama") << QStringLiteral("Marka")
              << QStringLiteral("Birim") << QStringLiteral("KDV %") << QStringLiteral("Liste Fiyatı");
  fl.genislikler = {2, 5, 2, 1, 1, 1.5};
  fl.sagaYasli = {false, false, false, false, true, true};
  QString xml = QStringLiteral(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<?mso-application progid=\"Excel.Sheet\"?>\n"
      "<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\" "
      "xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\">\n"
      "<Worksheet ss:Name=\"Kampanya\"><Table>\n"
      "<Row><Cell><Data ss:Type=\"String\">Barkod</Data></Cell><Cell><Data ss:Type=\"String\">Açıklama</Data></Cell>"
      "<Cell><Data ss:Type=\"String\">Liste Fiyatı</Data></Cell><Cell><Data ss:Type=\"String\">Kampanyalı Fiyatı</Data></Cell></Row>\n");
  for (std::size_t i = 0; i < stok.satirlar.size(); ++i) {
    const auto& s = stok.satirlar[i];
    fl.satirlar.push_back({s[0].toString(), s[1].toString(), s[2].toString(), s[3].toString(),
                           TutarYaz(s[5].toDouble()), TutarYaz(s[4].toDouble())});
    if (s[6].toInt() > 0)
      xml += QStringLiteral("<Row><Cell><Data ss:Type=\"String\">%1</Data></Cell><Cell><Data ss:Type=\"String\">%2</Data></Cell>"
                            "<Cell><Data ss:Type=\"Number\">%3</Data></Cell><Cell><Data ss:Type=\"Number\">%4</Data></Cell></Row>\n")
                 .arg(XmlKacis(s[0].toString()), XmlKacis(s[1].toString()))
                 .arg(s[4].toDouble(), 0, 'f', 2)
                 .arg(s[7].toDouble(), 0, 'f', 2);
  }
  xml += QStringLiteral("</Table></Worksheet></Workbook>\n");

  const QString sozlesme = QStringLiteral(
      "Bayi Çalışma Sözleşmesi\n\nTaraflar arasında yapılan bu sözleşme, siparişlerin B2B portalı "
      "üzerinden verilmesini, ödemelerin vade günlerinde yapılmasını ve iadelerin 14 gün içinde "
      "bildirilmesini düzenler.\n\nİmza: ____________________");
  QString rtf = QStringLiteral("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs22 ");
  for (const QString& satir : sozlesme.split(QLatin1Char('\n'))) rtf += RtfKacis(satir) + QStringLiteral("\\par\n");
  rtf += QLatin1Char('}');

  const QByteArray okubeni = QStringLiteral(
      "Dravik B2B - Dosyalar\r\n\r\nBu klasördeki belgeler bayilerimizin kullanımı içindir.\r\n"
      "Sorularınız için temsilcinizle görüşebilirsiniz.\r\n").toUtf8();

  struct Dosya {
    QString aciklama, yol;
    QByteArray veri;
  };
  const std::vector<Dosya> dosyalar = {
      {QStringLiteral("Fiyat Listesi 2026"), QStringLiteral("Fiyat Listesi 2026.pdf"), IcerikPdfYaz(fl)},
      {QStringLiteral("Kampanyalı Ürünler Tablosu"), QStringLiteral("Kampanya Listesi.xls"), xml.toUtf8()},
      {QStringLiteral("Bayi Çalışma Sözleşmesi"), QStringLiteral("Bayi Sözleşmesi.doc"), rtf.toUtf8()},
      {QStringLiteral("Ürün Kataloğu Kapağı"), QStringLiteral("Katalog Kapak.jpg"), EkranResmi(tohum, 99)},
      {QStringLiteral("Teknik Dokümanlar Arşivi"), QStringLiteral("Teknik Dokumanlar.zip"),
       ZipYaz({{QByteArray("okubeni.txt"), okubeni}, {QByteArray("sozlesme.rtf"), rtf.toUtf8()}})},
      {QStringLiteral("Okubeni"), QStringLiteral("Okubeni.txt"), okubeni},
  };
  int no = 1;
  for (const Dosya& d : dosyalar)
    IcerikCalistir(db, QStringLiteral("INSERT INTO dosyalar(SIRANO, ACIKLAMA, DOSYAYOL, VERI) VALUES(?,?,?,?)"),
                   {no++, d.aciklama, d.yol, d.veri});
}

// ---- customers: extra columns, statement, invoices, collections --------------------

const char* const kAnaGruplar[] = {"OTOMOTİV", "YEDEK PARÇA", "SANAYİ", "FİLO"};
const char* const kAltGruplar[] = {"BAYİ", "SERVİS", "TOPTANCI", "PERAKENDE"};
const char* const kCinsler[] = {"Nakit", "Havale", "Kredi Kartı", "Çek"};

struct Stok {
  int no;
  double fiyat, kdv;
};

struct CariUret {
  sqlite3* db;
  IcerikRastgele r;
  std::vector<Stok> stoklar;
  int evrakNo = 100000;   // IDNO of invoices and collections (one numbering)
  int posNo = 1;
  int satirNo = 1;

  // One invoice with 2..8 lines; returns its VAT-inclusive total.
  double Fatura(int carino, double tarih, const QString& tur, const QString& satici, int vade, int idno,
                const QString& evrak) {
    const int adet = r.Aralik(2, 8);
    double toplam = 0;
    for (int i = 0; i < adet && !stoklar.empty(); ++i) {
      const Stok& s = stoklar[std::size_t(r.Aralik(0, int(stoklar.size()) - 1))];
      const double miktar = r.Aralik(1, 24);
      const double ind1 = r.Aralik(0, 3) * 5.0, ind2 = r.Aralik(0, 1) * 5.0;
      const double tutar = IcerikYuvarla(miktar * s.fiyat);
      const double net = IcerikYuvarla(tutar * (1 - ind1 / 100) * (1 - ind2 / 100));
      const double vergi = IcerikYuvarla(net * s.kdv / 100);
      toplam += net + vergi;
      IcerikCalistir(db,
                     QStringLiteral("INSERT INTO faturasatirlari(SIRANO, IDNO, STOKNO, MIKTAR, BIRIMFIYAT, IND1, IND2, "
                                    "KDV, TUTAR, INDIRIM, NET, VERGI, ACIKLAMA) VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?)"),
                     {satirNo++, idno, s.no, miktar, s.fiyat, ind1, ind2, s.kdv, tutar, IcerikYuvarla(tutar - net), net,
                      vergi, i == 0 ? QStringLiteral("Depodan teslim") : QString()});
    }
    const int siparisGunu = r.Aralik(1, 6);
    IcerikCalistir(db,
                   QStringLiteral("INSERT INTO faturalar(IDNO, CARINO, TARIH, TURADI, EVRAKNO, SATICIADI, VADE, SAAT, "
                                  "IRSALIYEEVRAKNO, SIPARISEVRAKNO, SIPARISTARIHI) VALUES(?,?,?,?,?,?,?,?,?,?,?)"),
                   {idno, carino, tarih, tur, evrak, satici, vade,
                    QStringLiteral("%1:%2:00").arg(r.Aralik(8, 17), 2, 10, QLatin1Char('0')).arg(r.Aralik(0, 59), 2, 10, QLatin1Char('0')),
                    QStringLiteral("IRS%1").arg(idno), QStringLiteral("SIP%1").arg(idno - siparisGunu),
                    tarih - siparisGunu});
    return IcerikYuvarla(toplam);
  }

  void Tahsilat(int carino, double tarih, const QString& tur, const QString& cins, double tutar, int idno,
                const QString& evrak) {
    // a collection may come in two parts (e.g. two cheques)
    const bool iki = cins == QStringLiteral("Çek") && tutar > 1000;
    const double parca1 = iki ? IcerikYuvarla(tutar / 2) : tutar;
    const double parcalar[2] = {parca1, IcerikYuvarla(tutar - parca1)};
    for (int p = 0; p < (iki ? 2 : 1); ++p) {
      IcerikCalistir(db,
                     QStringLiteral("INSERT INTO tahsilatlar(IDNO, CARINO, TARIH, TURU, CINS, VADE, TUTAR, ACIKLAMA, "
                                    "EVRAKNO, REF, SAAT, KUR, KURTL, DOVIZTUTAR) VALUES(?,?,?,?,?,?,?,?,?,?,?,'TL',1,0)"),
                     {idno, carino, tarih, tur, cins, tarih + (cins == QStringLiteral("Çek") ? 30.0 * (p + 1) : 0.0),
                      parcalar[p],
                      tur == QLatin1String("Tediye") ? QStringLiteral("İade ödemesi") : QStringLiteral("%1 tahsilatı").arg(cins),
                      evrak, QStringLiteral("REF%1-%2").arg(idno).arg(p + 1),
                      QStringLiteral("%1:%2").arg(r.Aralik(9, 18), 2, 10, QLatin1Char('0')).arg(r.Aralik(0, 59), 2, 10, QLatin1Char('0'))});
    }
    if (cins == QStringLiteral("Kredi Kartı") && tur == QLatin1String("Tahsilat")) {
      const QString kart = QStringLiteral("%1******%2").arg(r.Aralik(400000, 559999)).arg(r.Aralik(1000, 9999));
      IcerikCalistir(db,
                     QStringLiteral("INSERT INTO sanalpos(SIRANO, IDNO, CARINO, TARIH, SAAT, KARTNO, ONAYKODU, TUTAR, TAKSIT) "
                                    "VALUES(?,?,?,?,?,?,?,?,?)"),
                     {posNo++, idno, carino, tarih, QStringLiteral("14:%1").arg(r.Aralik(10, 59)), kart,
                      QStringLiteral("%1").arg(r.Aralik(100000, 999999)), tutar, r.Aralik(0, 2) * 3 + 1});
    }
  }

  void Cari(int carino, const QString& satici, double hedefBakiye) {
    IcerikCalistir(db,
                   QStringLiteral("INSERT OR REPLACE INTO carieki(CARINO, OZELKOD, KOD1, KOD2, KOD3, KOD4, KOD5, TEL2, GSM, "
                                  "FAX2, ANAGRUP, ALTGRUP, VADE, VADEKONTROLGUN, VADEKONTROLAY) "
                                  "VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
                   {carino, QStringLiteral("OK%1").arg(r.Aralik(1, 9)), QStringLiteral("BÖLGE %1").arg(r.Aralik(1, 7)),
                    QStringLiteral("K2-%1").arg(r.Aralik(10, 99)), QString(), QString(), QString(),
                    QStringLiteral("0212 %1 %2").arg(r.Aralik(200, 699)).arg(r.Aralik(1000, 9999)),
                    QStringLiteral("05%1 %2 %3").arg(r.Aralik(30, 55)).arg(r.Aralik(100, 999)).arg(r.Aralik(1000, 9999)),
                    r.Aralik(0, 1) ? QStringLiteral("0212 %1 %2").arg(r.Aralik(200, 699)).arg(r.Aralik(1000, 9999)) : QString(),
                    QString::fromUtf8(kAnaGruplar[r.Aralik(0, 3)]), QString::fromUtf8(kAltGruplar[r.Aralik(0, 3)]),
                    r.Aralik(1, 4) * 15, r.Aralik(0, 1) * 10, r.Aralik(0, 2)});

    // movements over the year, oldest first; the first row carries the balance brought
    // forward so that the running balance ends on the customer's account balance
    struct Hareket {
      double tarih;
      QString tur, evrak, aciklama;
      double borc, alacak;
      int idno;
    };
    std::vector<Hareket> h;
    const int adet = r.Aralik(8, 18);
    double gun = Ole(kIlkGun) + r.Aralik(1, 10);
    double bakiye = 0;
    for (int i = 0; i < adet; ++i) {
      gun += r.Aralik(3, 17);
      const int zar = r.Aralik(0, 99);
      const int idno = evrakNo++;
      if (zar < 50) {
        const QString evrak = QStringLiteral("SF%1").arg(idno);
        const double tutar = Fatura(carino, gun, QStringLiteral("Satış Faturası"), satici, r.Aralik(1, 4) * 15, idno, evrak);
        h.push_back({gun, QStringLiteral("Satış Faturası"), evrak, QStringLiteral("Satış"), tutar, 0, idno});
        bakiye += tutar;
      } else if (zar < 56) {
        const QString evrak = QStringLiteral("SI%1").arg(idno);
        const double tutar = Fatura(carino, gun, QStringLiteral("Satış İade Faturası"), satici, 0, idno, evrak);
        h.push_back({gun, QStringLiteral("Satış İade Faturası"), evrak, QStringLiteral("İade"), 0, tutar, idno});
        bakiye -= tutar;
      } else if (zar < 88) {
        const QString cins = QString::fromUtf8(kCinsler[r.Aralik(0, 3)]);
        const double tutar = IcerikYuvarla(std::max(250.0, bakiye * (0.3 + 0.6 * r.Kesir())));
        const QString evrak = QStringLiteral("TH%1").arg(idno);
        Tahsilat(carino, gun, QStringLiteral("Tahsilat"), cins, tutar, idno, evrak);
        h.push_back({gun, QStringLiteral("Tahsilat"), evrak, cins, 0, tutar, idno});
        bakiye -= tutar;
      } else if (zar < 94) {
        const double tutar = IcerikYuvarla(100 + r.Aralik(0, 900) + r.Aralik(0, 99) / 100.0);
        const QString evrak = QStringLiteral("TD%1").arg(idno);
        Tahsilat(carino, gun, QStringLiteral("Tediye"), QStringLiteral("Havale"), tutar, idno, evrak);
        h.push_back({gun, QStringLiteral("Tediye"), evrak, QStringLiteral("Havale"), tutar, 0, idno});
        bakiye += tutar;
      } else {
        const double tutar = IcerikYuvarla(50 + r.Aralik(0, 400));
        h.push_back({gun, QStringLiteral("Virman"), QStringLiteral("VR%1").arg(idno),
                     QStringLiteral("Hesaplar arası virman"), 0, tutar, 0});
        bakiye -= tutar;
      }
    }
    const double devir = IcerikYuvarla(hedefBakiye - bakiye);
    IcerikCalistir(db,
                   QStringLiteral("INSERT INTO ekstre(CARINO, IDNO, TARIH, TURADI, EVRAK, BORC, ALACAK, ACIKLAMA) "
                                  "VALUES(?, 0, ?, 'Devir', 'DEVİR', ?, ?, 'Geçen yıldan devir')"),
                   {carino, Ole(kIlkGun), devir > 0 ? devir : 0.0, devir < 0 ? -devir : 0.0});
    for (const Hareket& x : h)
      IcerikCalistir(db,
                     QStringLiteral("INSERT INTO ekstre(CARINO, IDNO, TARIH, TURADI, EVRAK, BORC, ALACAK, ACIKLAMA) "
                                    "VALUES(?,?,?,?,?,?,?,?)"),
                     {carino, x.idno, x.tarih, x.tur, x.evrak, x.borc, x.alacak, x.aciklama});
  }
};

void CarileriDoldur(sqlite3* db, std::uint32_t tohum) {
  if (!IcerikTabloVar(db, "cariler")) return;
  CariUret u{db, IcerikRastgele(tohum + 7001), {}};
  if (IcerikTabloVar(db, "stoklar")) {
    const IcerikTablo s = IcerikSorgu(
        db, QStringLiteral("SELECT STOK_STOKNO, FIYAT, KDV FROM stoklar WHERE FIYAT > 0 ORDER BY STOK_STOKNO LIMIT 400"),
        {{"STOK_STOKNO", IcerikTur::Int}, {"FIYAT", IcerikTur::Float}, {"KDV", IcerikTur::Float}});
    for (const auto& x : s.satirlar) u.stoklar.push_back({x[0].toInt(), x[1].toDouble(), x[2].toDouble()});
  }
  const bool saticiVar = IcerikTabloVar(db, "saticilar");
  const IcerikTablo c = IcerikSorgu(
      db,
      saticiVar ? QStringLiteral("SELECT c.CARINO, COALESCE(s.ADI, ''), c.BAKIYE FROM cariler c "
                                 "LEFT JOIN saticilar s ON s.SATICINO = c.SATICINO ORDER BY c.CARINO")
                : QStringLiteral("SELECT CARINO, '', BAKIYE FROM cariler ORDER BY CARINO"),
      {{"CARINO", IcerikTur::Int}, {"SATICI"}, {"BAKIYE", IcerikTur::Float}});
  for (const auto& x : c.satirlar) u.Cari(x[0].toInt(), x[1].toString(), x[2].toDouble());
}

}  // namespace

void IcerikVerisiKur(sqlite3* db, const VeriAyarlari& ayar) {
  SemaKur(db);
  if (IcerikDeger(db, QStringLiteral("SELECT COUNT(*) FROM bannerlar"), {}, 0).toLongLong() > 0) return;
  IcerikCalistir(db, QStringLiteral("BEGIN"));
  try {
    BaslikIceriginiDoldur(db, ayar.tohum);
    DosyalariDoldur(db, ayar.tohum);
    CarileriDoldur(db, ayar.tohum);
    IcerikCalistir(db, QStringLiteral("COMMIT"));
  } catch (...) {
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
}
