// Header content (counters, scrolling text, banners, opening screens) and the content pages
// (new and campaign stocks, downloadable files, the balance text of the payment page).

#include <QHash>
#include <cmath>

#include "icerik.h"
#include "ticaret_ortak.h"
#include "yontem.h"

namespace {

int TekTamsayi(sqlite3* db, const QString& sql, const QVariantList& baglar = {}) {
  return int(IcerikDeger(db, sql, baglar, 0).toLongLong());
}

}  // namespace

IcerikTablo BalonTablosu(sqlite3* db, const IcerikOturum& o) {
  IcerikTablo t;
  t.sutunlar = {{"SEPET", IcerikTur::Int}, {"YENI", IcerikTur::Int}, {"KAMPANYA", IcerikTur::Int},
                {"DUYURU", IcerikTur::Int}, {"BAKIYE", IcerikTur::Float}};
  const int sepet = TekTamsayi(db, QStringLiteral("SELECT COUNT(*) FROM sepet WHERE CARINO = ?"), {o.carino});
  const int yeni = TekTamsayi(db, QStringLiteral("SELECT COUNT(*) FROM stoklar WHERE Y > 0"));
  // a customer without campaigns never sees the campaign page
  const int kampanya =
      o.musteriTipi == 4 ? 0 : TekTamsayi(db, QStringLiteral("SELECT COUNT(*) FROM stoklar WHERE K > 0"));
  const int duyuru = AcilisReklamSayisi(db);
  const double bakiye = IcerikDeger(db, QStringLiteral("SELECT COUNT(*) FROM siparissatirlari WHERE CARINO = ? AND KALAN > 0"),
                                    {o.carino}, 0).toDouble();
  t.satirlar.push_back({sepet, yeni, kampanya, duyuru, bakiye});
  return t;
}

QString KayanYazi(sqlite3* db) {
  return IcerikDeger(db, QStringLiteral("SELECT DEGER FROM icerikayar WHERE AD = 'KAYANYAZI'"), {}, QString()).toString();
}

QByteArray BannerResmi(sqlite3* db, int no) {
  return IcerikDeger(db, QStringLiteral("SELECT RESIM FROM bannerlar WHERE NO = ?"), {no}, QByteArray()).toByteArray();
}

int AcilisReklamSayisi(sqlite3* db) { return TekTamsayi(db, QStringLiteral("SELECT COUNT(*) FROM acilisekranlari")); }

namespace {

std::vector<IcerikEkran> Ekranlar(sqlite3* db) {
  const IcerikTablo t = IcerikSorgu(
      db, QStringLiteral("SELECT SIRANO, RESIM, BASLIK, ARAMA FROM acilisekranlari ORDER BY SIRA, SIRANO"),
      {{"SIRANO", IcerikTur::Int}, {"RESIM"}, {"BASLIK"}, {"ARAMA"}});
  std::vector<IcerikEkran> l;
  for (const auto& s : t.satirlar) l.push_back({s[0].toInt(), s[1].toString(), s[2].toString(), s[3].toString()});
  return l;
}

}  // namespace

std::optional<IcerikEkran> AcilisReklami(sqlite3* db, int sira) {
  if (sira < 0) return std::nullopt;
  const auto l = AcilisEkranlari(db);
  if (std::size_t(sira) >= l.size()) return std::nullopt;
  return l[std::size_t(sira)];
}

std::vector<IcerikEkran> AcilisEkranlari(sqlite3* db) { return Ekranlar(db); }

// ---- new and campaign stocks ----------------------------------------------------------

namespace {

struct Oranlar {
  double i1 = 0, i2 = 0, i3 = 0, i4 = 0;
};

// The customer's chained discount rates by main group of stocks.
QHash<QString, Oranlar> CariIndirimleri(sqlite3* db, int carino) {
  QHash<QString, Oranlar> h;
  const IcerikTablo t = IcerikSorgu(
      db, QStringLiteral("SELECT i.ANAGRUP, i.IND1, i.IND2, i.IND3, i.IND4 FROM indirimler i "
                         "JOIN cariler c ON c.INDIRIMGRUBU = i.GRUPNO WHERE c.CARINO = ?"),
      {{"ANAGRUP"}, {"IND1", IcerikTur::Float}, {"IND2", IcerikTur::Float}, {"IND3", IcerikTur::Float},
       {"IND4", IcerikTur::Float}},
      {carino});
  for (const auto& s : t.satirlar)
    h.insert(s[0].toString(), {s[1].toDouble(), s[2].toDouble(), s[3].toDouble(), s[4].toDouble()});
  return h;
}

const char* const kStokAlanlari =
    "STOK_STOKNO, BARKOD, BARKOD_BARKODNO, ADI, MARKA, MODEL, FINISHKOD, OEM1, OEM2, OEM3, OEM4, OEMNO, "
    "URETICIKODU, DIGERADI, DPKOD, PKOD, BIRIM, ANAGRUP, OZELKOD, KDV, FIYAT, KAMPFIYAT, K, Y, DURUM, RESIM, KALAN, "
    "ALINANSIPARIS, VERILENSIPARIS";

// The campaign list's rows priced for the customer: FIYAT is the campaign price, ESKIFIYAT the
// list price before the campaign.
IcerikTablo KampanyaListesi(sqlite3* db, int carino, const QString& kosul) {
  const std::vector<IcerikSutun> ham = {
      {"STOK_STOKNO", IcerikTur::Int}, {"BARKOD"}, {"BARKOD_BARKODNO", IcerikTur::Int}, {"ADI"}, {"MARKA"},
      {"MODEL"}, {"FINISHKOD"}, {"OEM1"}, {"OEM2"}, {"OEM3"}, {"OEM4"}, {"OEMNO"}, {"URETICIKODU"},
      {"DIGERADI"}, {"DPKOD"}, {"PKOD"}, {"BIRIM"}, {"ANAGRUP"}, {"OZELKOD"}, {"KDV", IcerikTur::Float},
      {"FIYAT", IcerikTur::Float}, {"KAMPFIYAT", IcerikTur::Float},
      {"K", IcerikTur::Int}, {"Y", IcerikTur::Int}, {"DURUM", IcerikTur::Int}, {"RESIM", IcerikTur::Int},
      {"KALAN", IcerikTur::Float}, {"ALINANSIPARIS", IcerikTur::Float}, {"VERILENSIPARIS", IcerikTur::Float}};
  const IcerikTablo s = IcerikSorgu(
      db, QStringLiteral("SELECT %1 FROM stoklar WHERE %2 ORDER BY STOK_STOKNO").arg(QLatin1String(kStokAlanlari), kosul),
      ham);
  const QHash<QString, Oranlar> oranlar = CariIndirimleri(db, carino);

  IcerikTablo t;
  using T = IcerikTur;
  t.sutunlar = {{"BARKOD"}, {"ADI"}, {"RESIM", T::Int}, {"BIRIM"}, {"MARKA"}, {"ESKIFIYAT", T::Float},
                {"FIYAT", T::Float}, {"Y", T::Int}, {"K", T::Int}, {"INDIRIMYAZI"}, {"NETFIYAT", T::Float},
                {"KDVDAHIL", T::Float}, {"DURUM", T::Int}};
  const std::vector<IcerikSutun> ortak = {
      {"OEM1"}, {"OEM2"}, {"OEM3"}, {"OEM4"}, {"FINISHKOD"}, {"URETICIKODU"}, {"DIGERADI"}, {"OEMNO"},
      {"MODEL"}, {"ANAGRUP"}, {"OZELKOD"}, {"KDV", T::Float}, {"STOK_STOKNO", T::Int},
      {"BARKOD_BARKODNO", T::Int}, {"DPKOD"}, {"KALAN", T::Float}, {"PKOD"}, {"ALINANSIPARIS", T::Float},
      {"VERILENSIPARIS", T::Float}, {"INDIRIM", T::Float}};
  t.sutunlar.insert(t.sutunlar.end(), ortak.begin(), ortak.end());

  for (const auto& r : s.satirlar) {
    auto v = [&](const char* ad) { return r[std::size_t(s.Sutun(QLatin1String(ad)))]; };
    const double liste = v("FIYAT").toDouble(), kdv = v("KDV").toDouble();
    const bool kamp = v("K").toInt() > 0 && v("KAMPFIYAT").toDouble() > 0;
    // a campaign price is already the net price; other stocks get the customer's chained rates
    double net = 0;
    QString yazi;
    if (kamp) {
      net = v("KAMPFIYAT").toDouble();
      if (liste > 0) yazi = QLatin1Char('%') + OranYazisi(std::round((1.0 - net / liste) * 100.0));
    } else {
      const Oranlar o = oranlar.value(v("ANAGRUP").toString());
      net = Yuvarla2(ZincirIndirim(liste, o.i1, o.i2, o.i3, o.i4));
      yazi = IndirimYazisi(o.i1, o.i2, o.i3, o.i4);
    }
    const double kdvDahil = Yuvarla2(net * (1 + kdv / 100.0));
    const double indirim = liste > 0 ? Yuvarla2((1 - net / liste) * 100.0) : 0.0;
    std::vector<QVariant> satir = {v("BARKOD"), v("ADI"), v("RESIM"), v("BIRIM"), v("MARKA"), liste,
                                   kamp ? v("KAMPFIYAT") : QVariant(liste), v("Y"), v("K"), yazi, net, kdvDahil,
                                   v("DURUM")};
    for (const char* ad : {"OEM1", "OEM2", "OEM3", "OEM4", "FINISHKOD", "URETICIKODU", "DIGERADI", "OEMNO", "MODEL",
                           "ANAGRUP", "OZELKOD", "KDV", "STOK_STOKNO", "BARKOD_BARKODNO", "DPKOD", "KALAN", "PKOD",
                           "ALINANSIPARIS", "VERILENSIPARIS"})
      satir.push_back(v(ad));
    satir.push_back(indirim);
    t.satirlar.push_back(std::move(satir));
  }
  return t;
}

}  // namespace

std::string YeniStoklarPaketi(sqlite3* db, int carino) {
  // the same columns and prices as the stock search, so a new stock goes into the basket the
  // same way; a customer whose account has no campaigns gets ordinary prices
  const bool kampanyali =
      IcerikDeger(db, QStringLiteral("SELECT COUNT(*) FROM kullanicilar WHERE CARINO = ? AND MUSTERITIPI = 4"), {carino}, 0)
          .toLongLong() == 0;
  return StokPaketiYaz(db, carino, kampanyali, QStringLiteral("s.Y > 0"), {}, QStringLiteral("s.STOK_STOKNO"));
}

IcerikTablo KampanyaliStoklar(sqlite3* db, int carino, int musteriTipi) {
  // account type 4 is a customer without campaigns: the list stays empty for him
  return KampanyaListesi(db, carino,
                         musteriTipi == 4 ? QStringLiteral("0") : QStringLiteral("K > 0 AND KAMPFIYAT > 0"));
}

// ---- files and balance text -----------------------------------------------------------

namespace {

int DosyaTuru(const QString& yol) {
  const int nokta = yol.lastIndexOf(QLatin1Char('.'));
  const QString uzanti = nokta < 0 ? QString() : yol.mid(nokta).toUpper();
  if (uzanti == QLatin1String(".PDF")) return 4;
  if (uzanti == QLatin1String(".XLSX") || uzanti == QLatin1String(".XLS")) return 6;
  if (uzanti == QLatin1String(".BMP") || uzanti == QLatin1String(".PNG") || uzanti == QLatin1String(".JPG")) return 2;
  if (uzanti == QLatin1String(".DOC") || uzanti == QLatin1String(".DOCX")) return 3;
  if (uzanti == QLatin1String(".PPT") || uzanti == QLatin1String(".PPTX")) return 5;
  if (uzanti == QLatin1String(".MDB")) return 1;
  return 0;
}

}  // namespace

IcerikTablo DosyaListesi(sqlite3* db) {
  IcerikTablo t = IcerikSorgu(db, QStringLiteral("SELECT SIRANO, 0, ACIKLAMA, DOSYAYOL, 0 FROM dosyalar ORDER BY SIRANO"),
                              {{"SIRANO", IcerikTur::Int}, {"TUR", IcerikTur::Int}, {"ACIKLAMA", IcerikTur::Text, 200},
                               {"DOSYAYOL", IcerikTur::Text, 255}, {"ILERI", IcerikTur::Int}});
  for (auto& s : t.satirlar) s[1] = DosyaTuru(s[3].toString());
  return t;
}

bool BelgeVer(sqlite3* db, int sirano, QByteArray* veri, QString* ad) {
  const IcerikTablo t = IcerikSorgu(db, QStringLiteral("SELECT DOSYAYOL FROM dosyalar WHERE SIRANO = ?"), {{"DOSYAYOL"}},
                                    {sirano});
  if (t.satirlar.empty()) return false;
  // only the last part of the stored path: the client writes the file under this name
  QString yol = t.satirlar[0][0].toString();
  yol = yol.mid(std::max(yol.lastIndexOf(QLatin1Char('/')), yol.lastIndexOf(QLatin1Char('\\'))) + 1);
  if (ad) *ad = yol;
  if (veri)
    *veri = IcerikDeger(db, QStringLiteral("SELECT VERI FROM dosyalar WHERE SIRANO = ?"), {sirano}, QByteArray())
                .toByteArray();
  return true;
}

QString CariDurum(sqlite3* db, int carino) {
  const QVariant b = IcerikDeger(db, QStringLiteral("SELECT BAKIYE FROM cariler WHERE CARINO = ?"), {carino});
  if (!b.isValid()) throw YontemHatasi(QStringLiteral("Cari bulunamadı: %1").arg(carino));
  return TutarYaz(b.toDouble());
}
