#pragma once
// The reference server's SQLite database: schema, deterministic demo data and the lookups the
// framework's web-host pages need.
//
// Commerce tables (created by VeritabaniKur; names and columns are stable, other parts of the
// server read them). Dates are OLE Automation dates (REAL, days since 1899-12-30).
//
//   ayarlar        (AD TEXT PK, DEGER TEXT)
//                  server-wide settings: 'SURUM' offered client version ("6"),
//                  'NAKITISKONTO' / 'TEKCEKIMISKONTO' extra discount percentages ("3" / "1,5").
//   saticilar      (SATICINO PK, ADI, TELEFON, MAIL)
//                  the supplier's sales people.
//   kullanicilar   (SIRANO PK, ADI, SIFRE, AKTIF, MUSTERITIPI, CARINO, SATICINO, MAIL, ADSOYAD)
//                  login accounts; ADI and SIFRE are upper case (the login window types capitals).
//                  MUSTERITIPI 0 customer, 1 seller, 2 seller with price authority,
//                  3 customer with restricted view, 4 customer without campaigns.
//                  CARINO: the customer account of a customer user (0 for sellers);
//                  SATICINO: the seller behind a seller user (0 for customers).
//   bilgisayarlar  (KIMLIK TEXT PK, KULLANICINO, SURUM)
//                  computer identity -> user; SURUM overrides the offered version (NULL: setting).
//   cariler        (CARINO PK, CARIKOD, CARIADI, SATICINO, ADRES1, ADRES2, ILCE, SEHIR, TELEFON,
//                   FAX, VERGIDAIRESI, VERGINO, YETKILI, MAIL, KARGOAMBAR, BAKIYE,
//                   VADEGECIKME, INDIRIMGRUBU, AKTIF)
//                  customer accounts; BAKIYE the open account balance (TL, positive: owes),
//                  VADEGECIKME days the oldest open amount is overdue (0: none),
//                  INDIRIMGRUBU the discount group (table indirimler).
//   indirimler     (GRUPNO, ANAGRUP, IND1, IND2, IND3, IND4; PK (GRUPNO, ANAGRUP))
//                  the chained discount rates (percent) of a group for one main group of stocks.
//   stoklar        (STOK_STOKNO PK, BARKOD, BARKOD_BARKODNO, ADI, MARKA, MODEL, FINISHKOD,
//                   OEM1..OEM4, OEMNO, URETICIKODU, DIGERADI, DPKOD, PKOD, BIRIM, ANAGRUP,
//                   OZELKOD, KDV, FIYAT, ESKIFIYAT, KAMPFIYAT, K, Y, DURUM, RESIM, KALAN,
//                   ALINANSIPARIS, VERILENSIPARIS, ARAMA, SIRA)
//                  the catalogue; FIYAT list price before VAT, KAMPFIYAT campaign price (K > 0),
//                  K campaign mark, Y new mark, DURUM 0..5 availability, RESIM 1 when a picture
//                  exists, KALAN quantity in hand, ARAMA the folded search text, SIRA the key of
//                  the name in Turkish alphabetical order (katlama.h).
//   resimler       (STOKNO PK, JPEG BLOB)  cache of the generated stock pictures.
//   teslimler      (SIRANO PK, ADI)        delivery kinds.
//   kargoturleri   (SIRANO PK, ADI)        cargo kinds.
//   kargolar       (SIRANO PK, TURNO, ADI, UYARI)  cargo companies per cargo kind with a warning.
//   sepet          (SIRANO PK, CARINO, STOKNO, BARKOD, STOKADI, MIKTAR, KDV, BIRIMFIYAT,
//                   IND1..IND4, K, VERENID, SEC, VERILISTARIHI, SAAT)
//                  basket lines kept by the server; SEC 1 selected for ordering.
//   siparisler     (IDNO PK, CARINO, TARIH, SAAT, VERENID, VEREN, TESLIMID, KARGOID,
//                   KARGOFIRMAID, ACIKLAMA, EKINDIRIM, ODEMEBILGI, DURUMNO, DURUM,
//                   BIZIMMESAJ, SATICINOTU, KUR, KURTL)
//                  orders; DURUMNO 0 Alındı, 1 Onaylandı, 2 Görüldü, 3 Parçalı Hazırlandı,
//                  4 Hazırlandı, 5 Sevk Edildi (DURUM the same as text); EKINDIRIM extra discount
//                  percent of the payment way; ODEMEBILGI the payment text.
//   siparissatirlari (STOKHAR_NO PK, IDNO, SEPETSIRANO, CARINO, STOKNO, BARKOD, STOKADI, MIKTAR,
//                   KDV, BIRIMFIYAT, ILKFIYAT, IND1..IND4, TESLIMEDILEN, KALAN, VERENID,
//                   VERILISTARIHI, SAAT)
//                  order lines; KALAN the open balance (0: closed), ILKFIYAT the first price.

#include <QByteArray>
#include <QString>
#include <cstdint>

struct sqlite3;

struct VeriAyarlari {
  std::uint32_t tohum = 1;      // seed of the demo data
  int stokAdedi = 2000;         // catalogue size (100000 in the large-catalogue mode)
  QString demoKimlik;           // a computer identity registered as the demo customer (empty: none)
};

// Creates the schema and fills the demo data when the database is empty.
void VeritabaniKur(sqlite3* db, const VeriAyarlari& ayar);   // commerce: users, customers, stocks, baskets, orders ...
void IcerikVerisiKur(sqlite3* db, const VeriAyarlari& ayar); // content, documents, statement, seller side

// JPEG picture of a stock (empty when the stock has none), for "resimgoster.ashx?id=".
QByteArray StokResmi(sqlite3* db, int stokno);

// --- helpers for tests and demo set-ups

// Registers (or re-registers) a computer identity for a user; surum > 0 overrides the offered
// client version for that identity, 0 uses the server-wide setting.
void BilgisayarKaydet(sqlite3* db, const QString& kimlik, int kullaniciNo, int surum = 0);
// Sets the client version the server offers to every identity without its own override.
void SunulanSurumAyarla(sqlite3* db, int surum);
// The user number of a demo user name (ADI), 0 when unknown.
int KullaniciNoBul(sqlite3* db, const QString& adi);
