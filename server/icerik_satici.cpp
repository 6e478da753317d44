// Seller side: the customer desk's lists and counts, the order and best-seller lists over a
// date range, a customer's contact record for the request forms, and the stored mail requests.

#include <QHash>
#include <cmath>

#include "icerik.h"
#include "katlama.h"
#include "ticaret_ortak.h"
#include "yontem.h"

namespace {

bool SaticiMi(const IcerikOturum& o) { return o.musteriTipi == 1 || o.musteriTipi == 2; }

// The seller behind a seller session: the user's own record decides, the session's number
// only when the user is unknown.
int SaticiNo(sqlite3* db, const IcerikOturum& o) {
  const int n = int(IcerikDeger(db, QStringLiteral("SELECT SATICINO FROM kullanicilar WHERE SIRANO = ?"), {o.sirano}, 0)
                        .toLongLong());
  return n > 0 ? n : o.saticiNo;
}

// The customers a session may see on the desk: a seller his own customers, anybody else only
// the customer he works for.
QString Kapsam(sqlite3* db, const IcerikOturum& o, QVariantList* baglar) {
  if (SaticiMi(o)) {
    baglar->append(SaticiNo(db, o));
    return QStringLiteral("c.SATICINO = ?");
  }
  baglar->append(o.carino);
  return QStringLiteral("c.CARINO = ?");
}

// Order lists over a range: a seller with price authority sees every seller's customers.
QString RaporKapsami(sqlite3* db, const IcerikOturum& o, QVariantList* baglar) {
  if (o.musteriTipi == 2) return QStringLiteral("1");
  return Kapsam(db, o, baglar);
}

QString DurumVarMi(int durumNo) {
  return QStringLiteral("EXISTS (SELECT 1 FROM siparisler x WHERE x.CARINO = c.CARINO AND x.DURUMNO = %1)").arg(durumNo);
}

QString DurumSayisi(int durumNo) {
  return QStringLiteral("(SELECT COUNT(*) FROM siparisler x WHERE x.CARINO = c.CARINO AND x.DURUMNO = %1)").arg(durumNo);
}

IcerikTablo CariListesi(sqlite3* db, const IcerikOturum& o, const QString& ekKosul) {
  using T = IcerikTur;
  QVariantList baglar;
  const QString kapsam = Kapsam(db, o, &baglar);
  const QString sql = QStringLiteral(
      "SELECT c.CARINO, c.CARIKOD, c.CARIADI, COALESCE(s.ADI, ''), c.BAKIYE, "
      "CASE WHEN c.BAKIYE > 0.004 THEN 'Borçlu' WHEN c.BAKIYE < -0.004 THEN 'Alacaklı' ELSE '' END, "
      "(SELECT COUNT(*) FROM sepet x WHERE x.CARINO = c.CARINO), %1, %2, %3, %4, %5, "
      "COALESCE(e.OZELKOD, ''), COALESCE(e.KOD1, ''), COALESCE(e.KOD2, ''), COALESCE(e.KOD3, ''), "
      "COALESCE(e.KOD4, ''), COALESCE(e.KOD5, ''), c.TELEFON, COALESCE(e.TEL2, ''), c.ILCE, c.SEHIR, "
      "COALESCE(e.GSM, ''), c.YETKILI, "
      "COALESCE((SELECT MAX(IND1) FROM indirimler i WHERE i.GRUPNO = c.INDIRIMGRUBU), 0), COALESCE(e.VADE, 0), "
      "COALESCE(e.VADEKONTROLGUN, 0), COALESCE(e.VADEKONTROLAY, 0), c.VERGIDAIRESI, c.VERGINO, c.ADRES1, "
      "c.ADRES2, COALESCE(e.ANAGRUP, ''), COALESCE(e.ALTGRUP, ''), c.FAX, COALESCE(e.FAX2, ''), c.MAIL "
      "FROM cariler c LEFT JOIN saticilar s ON s.SATICINO = c.SATICINO LEFT JOIN carieki e ON e.CARINO = c.CARINO "
      "WHERE %6 %7 ORDER BY c.CARIADI, c.CARINO")
                          .arg(DurumSayisi(0), DurumSayisi(1), DurumSayisi(2), DurumSayisi(4), DurumSayisi(3), kapsam,
                               ekKosul.isEmpty() ? QString() : QStringLiteral("AND ") + ekKosul);
  return IcerikSorgu(
      db, sql,
      {{"CARINO", T::Int}, {"CARIKOD", T::Text, 25}, {"CARIADI", T::Text, 100}, {"SATICISI", T::Text, 50},
       {"TLBAKIYE", T::Float}, {"DURUM", T::Text, 20}, {"SEPET", T::Int}, {"ALINDI", T::Int},
       {"ONAYLANDI", T::Int}, {"GORULDU", T::Int}, {"HAZIRLANDI", T::Int}, {"PARCALIHAZIRLANDI", T::Int},
       {"OZELKOD"}, {"KOD1"}, {"KOD2"}, {"KOD3"}, {"KOD4"}, {"KOD5"}, {"TEL1"}, {"TEL2"}, {"ILCE"}, {"IL"}, {"GSM"},
       {"YETKILI"}, {"INDIRIM", T::Float}, {"VADE", T::Int}, {"VADEKONTROLGUN", T::Int}, {"VADEKONTROLAY", T::Int},
       {"VERGIDAIRESI"}, {"VERGINO"}, {"ADRES1"}, {"ADRES2"}, {"ANAGRUP"}, {"ALTGRUP"}, {"FAX1"}, {"FAX2"},
       {"EMAIL"}},
      baglar);
}

int KapsamSayisi(sqlite3* db, const IcerikOturum& o, const QString& kosul) {
  QVariantList baglar;
  const QString kapsam = Kapsam(db, o, &baglar);
  return int(IcerikDeger(db, QStringLiteral("SELECT COUNT(*) FROM cariler c WHERE %1 AND %2").arg(kapsam, kosul), baglar, 0)
                 .toLongLong());
}

}  // namespace

IcerikTablo CariAra(sqlite3* db, const IcerikOturum& o, const QString& aranan) {
  IcerikTablo t = CariListesi(db, o, QString());
  bool hepsi = false;
  const QStringList kelimeler = AramaKelimeleri(aranan, &hepsi);
  if (kelimeler.isEmpty()) return t;
  const int kod = t.Sutun(QStringLiteral("CARIKOD")), ad = t.Sutun(QStringLiteral("CARIADI"));
  std::vector<std::vector<QVariant>> kalan;
  for (auto& s : t.satirlar) {
    const QString metin = TurkceKatla(s[std::size_t(kod)].toString() + QLatin1Char(' ') + s[std::size_t(ad)].toString());
    bool uyar = true;
    for (const QString& k : kelimeler) uyar = uyar && metin.contains(k);
    if (uyar) kalan.push_back(std::move(s));
  }
  t.satirlar = std::move(kalan);
  return t;
}

IcerikTablo CariSepetListesi(sqlite3* db, const IcerikOturum& o, int kod) {
  // 1 customers with basket lines; 2..7 customers with orders received, approved, seen,
  // partly prepared, prepared, shipped
  static const int kDurum[] = {0, 1, 2, 3, 4, 5};
  if (kod == 1) return CariListesi(db, o, QStringLiteral("EXISTS (SELECT 1 FROM sepet x WHERE x.CARINO = c.CARINO)"));
  if (kod >= 2 && kod <= 7) return CariListesi(db, o, DurumVarMi(kDurum[kod - 2]));
  throw YontemHatasi(QStringLiteral("Geçersiz liste kodu: %1").arg(kod));
}

int SepetliCariSayisi(sqlite3* db, const IcerikOturum& o) {
  return KapsamSayisi(db, o, QStringLiteral("EXISTS (SELECT 1 FROM sepet x WHERE x.CARINO = c.CARINO)"));
}

IcerikTus TusSonuclari(sqlite3* db, const IcerikOturum& o) {
  IcerikTus t;
  t.alindi = KapsamSayisi(db, o, DurumVarMi(0));
  t.onaylandi = KapsamSayisi(db, o, DurumVarMi(1));
  t.goruldu = KapsamSayisi(db, o, DurumVarMi(2));
  t.parcaliHazirlandi = KapsamSayisi(db, o, DurumVarMi(3));
  t.hazirlandi = KapsamSayisi(db, o, DurumVarMi(4));
  t.sevkEdildi = KapsamSayisi(db, o, DurumVarMi(5));
  return t;
}

// ---- lists over a date range ----------------------------------------------------------

namespace {

struct Tutarlar {
  double net = 0, vergi = 0, miktar = 0;
};

// Amounts of the order lines in the range, keyed by order (or by stock).
QHash<int, Tutarlar> SatirTutarlariTopla(sqlite3* db, const QString& kapsam, const QVariantList& baglar, bool stokBazli) {
  const IcerikTablo t = IcerikSorgu(
      db,
      QStringLiteral("SELECT l.IDNO, l.STOKNO, l.MIKTAR, l.BIRIMFIYAT, l.KDV, l.IND1, l.IND2, l.IND3, l.IND4, o.EKINDIRIM "
                     "FROM siparissatirlari l JOIN siparisler o ON o.IDNO = l.IDNO JOIN cariler c ON c.CARINO = o.CARINO "
                     "WHERE o.TARIH >= ? AND o.TARIH < ? AND %1")
          .arg(kapsam),
      {{"IDNO", IcerikTur::Int}, {"STOKNO", IcerikTur::Int}, {"MIKTAR", IcerikTur::Float},
       {"BIRIMFIYAT", IcerikTur::Float}, {"KDV", IcerikTur::Float}, {"IND1", IcerikTur::Float},
       {"IND2", IcerikTur::Float}, {"IND3", IcerikTur::Float}, {"IND4", IcerikTur::Float},
       {"EKINDIRIM", IcerikTur::Float}},
      baglar);
  QHash<int, Tutarlar> h;
  for (const auto& s : t.satirlar) {
    const SatirTutarlari st = SatirHesapla(s[2].toDouble(), s[3].toDouble(), s[4].toDouble(), s[5].toDouble(),
                                           s[6].toDouble(), s[7].toDouble(), s[8].toDouble());
    const double ek = 1 - s[9].toDouble() / 100.0;
    Tutarlar& x = h[stokBazli ? s[1].toInt() : s[0].toInt()];
    x.net += st.netTutar * ek;
    x.vergi += st.vergiTutari * ek;
    x.miktar += s[2].toDouble();
  }
  return h;
}

// First and last day as whole days; the end is exclusive.
QVariantList Aralik(double tarih1, double tarih2) {
  return {std::floor(tarih1), std::floor(tarih2) + 1.0};
}

}  // namespace

IcerikTablo AlinanSiparisler(sqlite3* db, const IcerikOturum& o, double tarih1, double tarih2) {
  using T = IcerikTur;
  QVariantList baglar = Aralik(tarih1, tarih2);
  const QString kapsam = RaporKapsami(db, o, &baglar);
  IcerikTablo t = IcerikSorgu(
      db,
      QStringLiteral(
          "SELECT COALESCE(sa.ADI, ''), o.IDNO, o.CARINO, o.TARIH, o.KUR, o.KURTL, o.VERENID, COALESCE(kt.ADI, ''), "
          "COALESCE(te.ADI, ''), o.VEREN, c.CARIKOD, c.CARIADI, o.DURUM, COALESCE(k.ADI, ''), 0, 0, 0 "
          "FROM siparisler o JOIN cariler c ON c.CARINO = o.CARINO LEFT JOIN saticilar sa ON sa.SATICINO = c.SATICINO "
          "LEFT JOIN kargoturleri kt ON kt.SIRANO = o.KARGOID LEFT JOIN teslimler te ON te.SIRANO = o.TESLIMID "
          "LEFT JOIN kargolar k ON k.SIRANO = o.KARGOFIRMAID "
          "WHERE o.TARIH >= ? AND o.TARIH < ? AND %1 ORDER BY sa.ADI, o.TARIH, o.IDNO")
          .arg(kapsam),
      {{"SATICIADI", T::Text, 50}, {"IDNO", T::Float}, {"CARINO", T::Int}, {"TARIH", T::Tarih}, {"KUR", T::Text, 5},
       {"KURTL", T::Float}, {"VERENIDNO", T::Int}, {"KARGO", T::Text, 50}, {"TESLIM", T::Text, 50},
       {"VEREN", T::Text, 50}, {"CARIKOD", T::Text, 25}, {"CARIADI", T::Text, 100}, {"DURUM", T::Text, 100},
       {"KARGOADI", T::Text, 50}, {"VERGI", T::Float}, {"NETTUTAR", T::Float}, {"TUTAR", T::Float}},
      baglar);
  const QHash<int, Tutarlar> tutarlar = SatirTutarlariTopla(db, kapsam, baglar, false);
  for (auto& s : t.satirlar) {
    const Tutarlar x = tutarlar.value(int(s[1].toDouble()));
    const double net = Yuvarla2(x.net), vergi = Yuvarla2(x.vergi);
    s[14] = vergi;
    s[15] = net;
    s[16] = Yuvarla2(net + vergi);
  }
  return t;
}

IcerikTablo EnCokSatilanStoklar(sqlite3* db, const IcerikOturum& o, double tarih1, double tarih2) {
  using T = IcerikTur;
  QVariantList baglar = Aralik(tarih1, tarih2);
  const QString kapsam = RaporKapsami(db, o, &baglar);
  const QHash<int, Tutarlar> tutarlar = SatirTutarlariTopla(db, kapsam, baglar, true);
  IcerikTablo t;
  t.sutunlar = {{"BARKOD", T::Text, 50}, {"KOD", T::Text, 50}, {"ADI", T::Text, 100}, {"DEPARTMAN", T::Text, 50},
                {"MIKTAR", T::Float}, {"NETTUTAR", T::Float}, {"TLVERGI", T::Float}, {"TUTAR", T::Float}};
  for (auto it = tutarlar.begin(); it != tutarlar.end(); ++it) {
    const IcerikTablo s = IcerikSorgu(
        db, QStringLiteral("SELECT BARKOD, URETICIKODU, ADI, ANAGRUP FROM stoklar WHERE STOK_STOKNO = ?"),
        {{"BARKOD"}, {"KOD"}, {"ADI"}, {"DEPARTMAN"}}, {it.key()});
    std::vector<QVariant> satir = s.satirlar.empty()
                                      ? std::vector<QVariant>{QString(), QString::number(it.key()), QString(), QString()}
                                      : s.satirlar[0];
    const double net = Yuvarla2(it->net), vergi = Yuvarla2(it->vergi);
    satir.insert(satir.end(), {it->miktar, net, vergi, Yuvarla2(net + vergi)});
    t.satirlar.push_back(std::move(satir));
  }
  std::sort(t.satirlar.begin(), t.satirlar.end(), [](const auto& a, const auto& b) {
    if (a[4].toDouble() != b[4].toDouble()) return a[4].toDouble() > b[4].toDouble();
    if (a[7].toDouble() != b[7].toDouble()) return a[7].toDouble() > b[7].toDouble();
    return a[0].toString() < b[0].toString();
  });
  return t;
}

// ---- contact record and mail requests ------------------------------------------------

std::optional<IcerikMobilCari> MobilCariBilgisi(sqlite3* db, int sirano, const QString& idsi) {
  int kullanici = 0;
  if (!idsi.trimmed().isEmpty())
    kullanici = int(IcerikDeger(db, QStringLiteral("SELECT KULLANICINO FROM bilgisayarlar WHERE KIMLIK = ?"), {idsi}, 0)
                        .toLongLong());
  if (kullanici == 0 && sirano > 0) kullanici = sirano;
  const IcerikTablo k = IcerikSorgu(
      db, QStringLiteral("SELECT ADI, SIFRE, MAIL, CARINO, SATICINO FROM kullanicilar WHERE SIRANO = ?"),
      {{"ADI"}, {"SIFRE"}, {"MAIL"}, {"CARINO", IcerikTur::Int}, {"SATICINO", IcerikTur::Int}}, {kullanici});
  if (k.satirlar.empty()) return std::nullopt;
  IcerikMobilCari m;
  m.kullaniciAdi = k.satirlar[0][0].toString();
  m.sifre = k.satirlar[0][1].toString();
  m.mail = k.satirlar[0][2].toString();
  m.bilgisayarId = idsi;
  const int carino = k.satirlar[0][3].toInt();
  int satici = k.satirlar[0][4].toInt();

  const IcerikTablo c = IcerikSorgu(
      db,
      QStringLiteral("SELECT c.CARINO, c.CARIKOD, c.CARIADI, c.ADRES1, c.ADRES2, c.ILCE, c.SEHIR, c.TELEFON, c.FAX, "
                     "c.VERGIDAIRESI, c.VERGINO, c.YETKILI, c.MAIL, c.BAKIYE, c.SATICINO, COALESCE(e.OZELKOD, ''), "
                     "COALESCE(e.ANAGRUP, ''), COALESCE(e.ALTGRUP, ''), COALESCE(e.TEL2, ''), COALESCE(e.FAX2, ''), "
                     "COALESCE(e.GSM, ''), COALESCE(e.ULKE, 'TÜRKİYE'), "
                     "COALESCE((SELECT SUM(BORC) FROM ekstre x WHERE x.CARINO = c.CARINO), 0), "
                     "COALESCE((SELECT SUM(ALACAK) FROM ekstre x WHERE x.CARINO = c.CARINO), 0) "
                     "FROM cariler c LEFT JOIN carieki e ON e.CARINO = c.CARINO WHERE c.CARINO = ?"),
      {{"CARINO", IcerikTur::Int}, {"CARIKOD"}, {"CARIADI"}, {"ADRES1"}, {"ADRES2"}, {"ILCE"}, {"SEHIR"}, {"TEL1"},
       {"FAX1"}, {"VD"}, {"VN"}, {"YETKILI"}, {"EMAIL"}, {"BAKIYE", IcerikTur::Float}, {"SATICINO", IcerikTur::Int},
       {"OZELKOD"}, {"ANAGRUP"}, {"ALTGRUP"}, {"TEL2"}, {"FAX2"}, {"GSM"}, {"ULKE"}, {"BORC", IcerikTur::Float},
       {"ALACAK", IcerikTur::Float}},
      {carino});
  if (!c.satirlar.empty()) {
    const auto& s = c.satirlar[0];
    m.carino = s[0].toInt();
    m.carikod = s[1].toString();
    m.cariadi = s[2].toString();
    m.adres1 = s[3].toString();
    m.adres2 = s[4].toString();
    m.ilce = s[5].toString();
    m.sehir = s[6].toString();
    m.tel1 = s[7].toString();
    m.fax1 = s[8].toString();
    m.vergiDairesi = s[9].toString();
    m.vergiNo = s[10].toString();
    m.yetkili = s[11].toString();
    m.email = s[12].toString();
    m.tlBakiye = s[13].toDouble();
    if (satici == 0) satici = s[14].toInt();
    m.ozelKod = s[15].toString();
    m.anaGrup = s[16].toString();
    m.altGrup = s[17].toString();
    m.tel2 = s[18].toString();
    m.fax2 = s[19].toString();
    m.gsm = s[20].toString();
    m.ulke = s[21].toString();
    m.tlBorc = Yuvarla2(s[22].toDouble());
    m.tlAlacak = Yuvarla2(s[23].toDouble());
  }
  const IcerikTablo sa = IcerikSorgu(db, QStringLiteral("SELECT ADI, TELEFON, MAIL FROM saticilar WHERE SATICINO = ?"),
                                     {{"ADI"}, {"TELEFON"}, {"MAIL"}}, {satici});
  if (!sa.satirlar.empty()) {
    m.saticiAdi = sa.satirlar[0][0].toString();
    m.saticiTelefon = sa.satirlar[0][1].toString();
    m.saticiMail = sa.satirlar[0][2].toString();
  }
  return m;
}

int MailIstegiKaydet(sqlite3* db, const QString& yontem, const QStringList& alanlar) {
  QVariantList b{yontem, SimdiOle()};
  for (int i = 0; i < 17; ++i) b.append(i < alanlar.size() ? QVariant(alanlar[i]) : QVariant(QString()));
  IcerikCalistir(db,
                 QStringLiteral("INSERT INTO mailistekleri(YONTEM, ZAMAN, IDSI, BASLIK, FIRMAADI, ADRES1, ADRES2, ILCE, "
                                "SEHIR, TELEFON, FAX, VD, VN, YETKILI, KULLANICIADI, SIFRE, MAIL, KARGOAMBAR, KONU) "
                                "VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
                 b);
  return 1;
}

std::vector<IcerikMail> MailIstekleri(sqlite3* db) {
  std::vector<IcerikSutun> s = {{"SIRANO", IcerikTur::Int}, {"YONTEM"}};
  for (int i = 0; i < 17; ++i) s.push_back({QStringLiteral("A%1").arg(i)});
  const IcerikTablo t = IcerikSorgu(
      db,
      QStringLiteral("SELECT SIRANO, YONTEM, IDSI, BASLIK, FIRMAADI, ADRES1, ADRES2, ILCE, SEHIR, TELEFON, FAX, VD, VN, "
                     "YETKILI, KULLANICIADI, SIFRE, MAIL, KARGOAMBAR, KONU FROM mailistekleri ORDER BY SIRANO"),
      s);
  std::vector<IcerikMail> l;
  for (const auto& r : t.satirlar) {
    IcerikMail m;
    m.sirano = r[0].toInt();
    m.yontem = r[1].toString();
    const int adet = m.yontem == QLatin1String("MailGonserCariNormal") ? 17 : 16;
    for (int i = 0; i < adet; ++i) m.alanlar << r[std::size_t(2 + i)].toString();
    l.push_back(m);
  }
  return l;
}
