// Customer reports of the seller desk as PDF documents:
//   6 with a customer: the customer's summary (statement up to a day, with its balance);
//   6 without a customer: receivables of all (or one seller's) customers by due date;
//   7: the customer's sales and purchases (returns) table over a range of days, with its seller.

#include <QHash>
#include <cmath>

#include "icerik.h"
#include "yontem.h"

namespace {

struct Istek {
  int carino = 0;
  QString satici;
  double gun1 = 0, gun2 = 0;  // whole days
  QString kapsam;             // SQL condition on cariler c
  QVariantList baglar;
};

// What the requesting user may see: a customer user only his own account; a seller the
// customers of the seller named in the request ("." or empty: every seller).
bool KapsamKur(sqlite3* db, int idno, Istek* i) {
  const IcerikTablo k = IcerikSorgu(db, QStringLiteral("SELECT MUSTERITIPI, CARINO FROM kullanicilar WHERE SIRANO = ?"),
                                    {{"TIP", IcerikTur::Int}, {"CARINO", IcerikTur::Int}}, {idno});
  if (!k.satirlar.empty()) {
    const int tip = k.satirlar[0][0].toInt();
    if (tip != 1 && tip != 2) {
      const int kendi = k.satirlar[0][1].toInt();
      if (i->carino != 0 && i->carino != kendi) return false;
      i->carino = kendi;
    }
  }
  if (i->carino > 0) {
    i->kapsam = QStringLiteral("c.CARINO = ?");
    i->baglar = {i->carino};
    return true;
  }
  const QString s = i->satici.trimmed();
  if (s.isEmpty() || s == QLatin1String(".")) {
    i->kapsam = QStringLiteral("1");
    return true;
  }
  // a seller user's name (FADI) or a seller's own name (SATICISI)
  int no = int(IcerikDeger(db, QStringLiteral("SELECT SATICINO FROM kullanicilar WHERE ADI = ? AND SATICINO > 0"), {s}, 0)
                   .toLongLong());
  if (no == 0)
    no = int(IcerikDeger(db, QStringLiteral("SELECT SATICINO FROM saticilar WHERE ADI = ?"), {s}, 0).toLongLong());
  i->kapsam = QStringLiteral("c.SATICINO = ?");
  i->baglar = {no};
  return true;
}

QString CariBasligi(sqlite3* db, int carino) {
  const IcerikTablo t = IcerikSorgu(db, QStringLiteral("SELECT CARIKOD, CARIADI FROM cariler WHERE CARINO = ?"),
                                    {{"CARIKOD"}, {"CARIADI"}}, {carino});
  if (t.satirlar.empty()) return QStringLiteral("Cari: %1").arg(carino);
  return QStringLiteral("Cari: %1 - %2").arg(t.satirlar[0][0].toString(), t.satirlar[0][1].toString());
}

QString BakiyeYazisi(double b) {
  return TutarYaz(std::fabs(b)) + (b > 0.004 ? QStringLiteral(" (Borçlu)") : b < -0.004 ? QStringLiteral(" (Alacaklı)") : QString());
}

QByteArray CariOzeti(sqlite3* db, const Istek& i) {
  IcerikPdfTablo p;
  p.baslik = QStringLiteral("Cari Özeti");
  p.altBasliklar << CariBasligi(db, i.carino) << QStringLiteral("Temsilci: %1").arg(i.satici)
                 << QStringLiteral("Tarih: %1").arg(TarihYaz(i.gun1));
  p.sutunlar << QStringLiteral("Tarih") << QStringLiteral("Tür") << QStringLiteral("Evrak No")
             << QStringLiteral("Açıklama") << QStringLiteral("Borç") << QStringLiteral("Alacak")
             << QStringLiteral("Bakiye");
  p.genislikler = {1.2, 2, 1.4, 3, 1.4, 1.4, 1.6};
  p.sagaYasli = {false, false, false, false, true, true, true};
  const IcerikTablo e = IcerikSorgu(
      db,
      QStringLiteral("SELECT TARIH, TURADI, EVRAK, ACIKLAMA, BORC, ALACAK FROM ekstre WHERE CARINO = ? AND TARIH < ? "
                     "ORDER BY TARIH, SIRANO"),
      {{"TARIH", IcerikTur::Tarih}, {"TURADI"}, {"EVRAK"}, {"ACIKLAMA"}, {"BORC", IcerikTur::Float},
       {"ALACAK", IcerikTur::Float}},
      {i.carino, i.gun1 + 1});
  double borc = 0, alacak = 0;
  for (const auto& s : e.satirlar) {
    borc += s[4].toDouble();
    alacak += s[5].toDouble();
    p.satirlar.push_back({TarihYaz(s[0].toDouble()), s[1].toString(), s[2].toString(), s[3].toString(),
                          TutarYaz(s[4].toDouble()), TutarYaz(s[5].toDouble()), BakiyeYazisi(IcerikYuvarla(borc - alacak))});
  }
  p.dipSatirlar << QStringLiteral("Toplam Borç: %1").arg(TutarYaz(borc))
                << QStringLiteral("Toplam Alacak: %1").arg(TutarYaz(alacak))
                << QStringLiteral("Bakiye: %1").arg(BakiyeYazisi(IcerikYuvarla(borc - alacak)));
  return IcerikPdfYaz(p);
}

// Receivables by due date: payments close the oldest debts first, so what is still open is
// the newest part of each customer's debts.
QByteArray TopluAlacakVadeleri(sqlite3* db, const Istek& i) {
  IcerikPdfTablo p;
  p.baslik = QStringLiteral("Cari Toplu Alacak Vadeleri");
  p.altBasliklar << QStringLiteral("Satıcı: %1").arg(i.satici.trimmed() == QLatin1String(".") || i.satici.trimmed().isEmpty()
                                                          ? QStringLiteral("Tümü")
                                                          : i.satici)
                 << QStringLiteral("Tarih: %1").arg(TarihYaz(i.gun1));
  p.sutunlar << QStringLiteral("Cari Kod") << QStringLiteral("Cari Adı") << QStringLiteral("Evrak No")
             << QStringLiteral("Evrak Tarihi") << QStringLiteral("Vade Tarihi") << QStringLiteral("Gecikme (Gün)")
             << QStringLiteral("Kalan Tutar");
  p.genislikler = {1.3, 3.2, 1.4, 1.2, 1.2, 1.1, 1.5};
  p.sagaYasli = {false, false, false, false, false, true, true};
  const IcerikTablo e = IcerikSorgu(
      db,
      QStringLiteral("SELECT c.CARINO, c.CARIKOD, c.CARIADI, x.TARIH, x.EVRAK, x.BORC, x.ALACAK, COALESCE(f.VADE, 0) "
                     "FROM ekstre x JOIN cariler c ON c.CARINO = x.CARINO LEFT JOIN faturalar f ON f.IDNO = x.IDNO "
                     "AND x.IDNO > 0 WHERE x.TARIH < ? AND %1 ORDER BY c.CARIADI, c.CARINO, x.TARIH, x.SIRANO")
          .arg(i.kapsam),
      {{"CARINO", IcerikTur::Int}, {"CARIKOD"}, {"CARIADI"}, {"TARIH", IcerikTur::Tarih}, {"EVRAK"},
       {"BORC", IcerikTur::Float}, {"ALACAK", IcerikTur::Float}, {"VADE", IcerikTur::Int}},
      QVariantList{i.gun1 + 1} + i.baglar);
  double genel = 0, gecmis = 0;
  std::size_t bas = 0;
  while (bas < e.satirlar.size()) {
    std::size_t son = bas;
    const int carino = e.satirlar[bas][0].toInt();
    double odenen = 0;
    while (son < e.satirlar.size() && e.satirlar[son][0].toInt() == carino) odenen += e.satirlar[son++][6].toDouble();
    double cariToplam = 0;
    std::vector<QStringList> satirlar;
    for (std::size_t k = bas; k < son; ++k) {
      const auto& s = e.satirlar[k];
      double borc = s[5].toDouble();
      const double kapanan = std::min(borc, odenen);
      odenen -= kapanan;
      borc = IcerikYuvarla(borc - kapanan);
      if (borc <= 0) continue;
      const double vade = s[3].toDouble() + s[7].toInt();
      const int gecikme = std::max(0, int(i.gun1 - vade));
      cariToplam += borc;
      if (gecikme > 0) gecmis += borc;
      satirlar.push_back({s[1].toString(), s[2].toString(), s[4].toString(), TarihYaz(s[3].toDouble()), TarihYaz(vade),
                          QString::number(gecikme), TutarYaz(borc)});
    }
    if (!satirlar.empty()) {
      for (auto& s : satirlar) p.satirlar.push_back(s);
      p.satirlar.push_back({QString(), QStringLiteral("%1 toplamı").arg(e.satirlar[bas][2].toString()), QString(),
                            QString(), QString(), QString(), TutarYaz(cariToplam)});
      genel += cariToplam;
    }
    bas = son;
  }
  p.dipSatirlar << QStringLiteral("Genel Toplam: %1").arg(TutarYaz(genel))
                << QStringLiteral("Vadesi Geçmiş: %1").arg(TutarYaz(gecmis));
  return IcerikPdfYaz(p);
}

QByteArray AlisSatisTablosu(sqlite3* db, const Istek& i) {
  IcerikPdfTablo p;
  p.baslik = QStringLiteral("Cari Alış Satış Tablosu (Satıcılı)");
  p.altBasliklar << (i.carino > 0 ? CariBasligi(db, i.carino) : QStringLiteral("Cari: Tümü"))
                 << QStringLiteral("Satıcı: %1").arg(i.satici)
                 << QStringLiteral("Tarih Aralığı: %1 - %2").arg(TarihYaz(i.gun1), TarihYaz(i.gun2));
  p.sutunlar << QStringLiteral("Tarih") << QStringLiteral("Evrak No") << QStringLiteral("Tür")
             << QStringLiteral("Stok") << QStringLiteral("Miktar") << QStringLiteral("Birim Fiyat")
             << QStringLiteral("Net Tutar") << QStringLiteral("KDV") << QStringLiteral("Toplam")
             << QStringLiteral("Satıcı");
  p.genislikler = {1.1, 1.2, 1.0, 3.2, 0.8, 1.1, 1.2, 1.0, 1.2, 1.4};
  p.sagaYasli = {false, false, false, false, true, true, true, true, true, false};
  const IcerikTablo t = IcerikSorgu(
      db,
      QStringLiteral("SELECT f.TARIH, f.EVRAKNO, f.TURADI, COALESCE(s.ADI, ''), fs.MIKTAR, fs.BIRIMFIYAT, fs.NET, "
                     "fs.VERGI, f.SATICIADI FROM faturasatirlari fs JOIN faturalar f ON f.IDNO = fs.IDNO "
                     "JOIN cariler c ON c.CARINO = f.CARINO LEFT JOIN stoklar s ON s.STOK_STOKNO = fs.STOKNO "
                     "WHERE f.TARIH >= ? AND f.TARIH < ? AND %1 ORDER BY f.TARIH, f.IDNO, fs.SIRANO")
          .arg(i.kapsam),
      {{"TARIH", IcerikTur::Tarih}, {"EVRAKNO"}, {"TURADI"}, {"STOK"}, {"MIKTAR", IcerikTur::Float},
       {"FIYAT", IcerikTur::Float}, {"NET", IcerikTur::Float}, {"VERGI", IcerikTur::Float}, {"SATICI"}},
      QVariantList{i.gun1, i.gun2 + 1} + i.baglar);
  double satis = 0, alis = 0;
  for (const auto& s : t.satirlar) {
    const bool iade = s[2].toString().contains(QStringLiteral("İade"));
    const double toplam = IcerikYuvarla(s[6].toDouble() + s[7].toDouble());
    (iade ? alis : satis) += toplam;
    p.satirlar.push_back({TarihYaz(s[0].toDouble()), s[1].toString(), iade ? QStringLiteral("Alış") : QStringLiteral("Satış"),
                          s[3].toString(), QString::number(s[4].toDouble()), TutarYaz(s[5].toDouble()),
                          TutarYaz(s[6].toDouble()), TutarYaz(s[7].toDouble()), TutarYaz(toplam), s[8].toString()});
  }
  p.dipSatirlar << QStringLiteral("Satış Toplamı: %1").arg(TutarYaz(satis))
                << QStringLiteral("Alış (İade) Toplamı: %1").arg(TutarYaz(alis))
                << QStringLiteral("Net: %1").arg(TutarYaz(satis - alis));
  return IcerikPdfYaz(p);
}

}  // namespace

QByteArray RaporPdf(sqlite3* db, int raporno, int /*bolum*/, int idno, int carino, const QString& saticiadi,
                    double tarih1, double tarih2) {
  if (raporno != 6 && raporno != 7) return {};
  Istek i;
  i.carino = std::max(0, carino);
  i.satici = saticiadi;
  i.gun1 = std::isfinite(tarih1) ? std::floor(tarih1) : 0;
  i.gun2 = std::isfinite(tarih2) ? std::floor(tarih2) : i.gun1;
  if (!KapsamKur(db, idno, &i)) return {};
  if (raporno == 7) return AlisSatisTablosu(db, i);
  return i.carino > 0 ? CariOzeti(db, i) : TopluAlacakVadeleri(db, i);
}
