// Stock search, the customer's stock prices and stock pictures.

#include "katlama.h"
#include "ticaret_ortak.h"
#include "ticaret_yontemleri.h"
#include "veritabani.h"
#include "yontem.h"

#include "platform/core/paket.h"
#include "session/baglantiu.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "demoveri.h"

void MetinYaz(PaketYazici& p, int col, const Sorgu& s, int scol) {
  const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(s.Ham(), scol));
  if (!t) {
    p.Text(col, std::string_view());
    return;
  }
  p.Text(col, std::string_view(t, static_cast<std::size_t>(sqlite3_column_bytes(s.Ham(), scol))));
}

static double SayiAyari(sqlite3* db, const char* ad, double bos) {
  QString m = AyarOku(db, QString::fromLatin1(ad)).trimmed();
  m.replace(u',', u'.');
  bool ok = false;
  const double v = m.toDouble(&ok);
  return ok ? v : bos;
}

double NakitIskonto(sqlite3* db) { return SayiAyari(db, "NAKITISKONTO", 0); }
double TekCekimIskonto(sqlite3* db) { return SayiAyari(db, "TEKCEKIMISKONTO", 0); }

std::string StokPaketiYaz(sqlite3* db, int carino, bool kampanyali, const QString& kosul,
                          const std::function<void(Sorgu&)>& bagla, const QString& sirala) {
  const double nakit = NakitIskonto(db);
  const double tek = TekCekimIskonto(db);
  const QString sql = QStringLiteral(
                          "SELECT s.DURUM, s.OEM1, s.OEM2, s.OEM3, s.BARKOD, s.ADI, s.OEM4, s.STOK_STOKNO, "
                          "s.FINISHKOD, s.URETICIKODU, s.MARKA, s.RESIM, s.BARKOD_BARKODNO, s.DIGERADI, s.DPKOD, "
                          "s.OEMNO, s.BIRIM, s.MODEL, s.ANAGRUP, s.OZELKOD, s.KALAN, s.PKOD, s.KDV, "
                          "s.ALINANSIPARIS, s.VERILENSIPARIS, s.FIYAT, s.KAMPFIYAT, s.K, s.Y, s.ESKIFIYAT, "
                          "IFNULL(i.IND1, 0), IFNULL(i.IND2, 0), IFNULL(i.IND3, 0), IFNULL(i.IND4, 0) "
                          "FROM stoklar s "
                          "LEFT JOIN indirimler i ON i.GRUPNO = (SELECT INDIRIMGRUBU FROM cariler WHERE CARINO = ?1) "
                          "AND i.ANAGRUP = s.ANAGRUP "
                          "WHERE %1 ORDER BY %2")
                          .arg(kosul.isEmpty() ? QStringLiteral("1") : kosul, sirala);
  const QByteArray sqlU = sql.toUtf8();
  Sorgu s(db, sqlU.constData());
  s.Bagla(1, carino);
  if (bagla) bagla(s);

  PaketYazici p;
  // Columns 0..24 come straight from the query, in the stock grid's order.
  struct Ham { const char* ad; TFieldType tur; };
  static const Ham kHam[] = {
      {"DURUM", TFieldType::ftInteger},      {"OEM1", TFieldType::ftString},
      {"OEM2", TFieldType::ftString},        {"OEM3", TFieldType::ftString},
      {"BARKOD", TFieldType::ftString},      {"ADI", TFieldType::ftString},
      {"OEM4", TFieldType::ftString},        {"STOK_STOKNO", TFieldType::ftInteger},
      {"FINISHKOD", TFieldType::ftString},   {"URETICIKODU", TFieldType::ftString},
      {"MARKA", TFieldType::ftString},       {"RESIM", TFieldType::ftInteger},
      {"BARKOD_BARKODNO", TFieldType::ftInteger}, {"DIGERADI", TFieldType::ftString},
      {"DPKOD", TFieldType::ftString},       {"OEMNO", TFieldType::ftString},
      {"BIRIM", TFieldType::ftString},       {"MODEL", TFieldType::ftString},
      {"ANAGRUP", TFieldType::ftString},     {"OZELKOD", TFieldType::ftString},
      {"KALAN", TFieldType::ftFloat},        {"PKOD", TFieldType::ftString},
      {"KDV", TFieldType::ftFloat},          {"ALINANSIPARIS", TFieldType::ftFloat},
      {"VERILENSIPARIS", TFieldType::ftFloat}};
  constexpr int kHamAdet = static_cast<int>(std::size(kHam));
  for (const Ham& h : kHam) p.Alan(h.ad, h.tur);
  const int cListe = p.Alan("LISTEFIYAT1", TFieldType::ftFloat);
  const int cKamp = p.Alan("KAMPFIYAT", TFieldType::ftFloat);
  const int cFiyat = p.Alan("FIYAT", TFieldType::ftFloat);
  const int cY = p.Alan("Y", TFieldType::ftInteger);
  const int cK = p.Alan("K", TFieldType::ftInteger);
  const int cYazi = p.Alan("INDIRIMYAZI", TFieldType::ftString);
  const int cNet = p.Alan("NETFIYAT", TFieldType::ftFloat);
  const int cKdvDahil = p.Alan("KDVDAHIL", TFieldType::ftFloat);
  const int cTek = p.Alan("TEKCEKIMFIYAT", TFieldType::ftFloat);
  const int cNakit = p.Alan("NAKITFIYAT", TFieldType::ftFloat);
  const int cInd1 = p.Alan("IND1", TFieldType::ftFloat);
  const int cInd2 = p.Alan("IND2", TFieldType::ftFloat);
  const int cInd3 = p.Alan("IND3", TFieldType::ftFloat);
  const int cInd4 = p.Alan("IND4", TFieldType::ftFloat);
  const int cIndirim = p.Alan("INDIRIM", TFieldType::ftFloat);
  const int cEski = p.Alan("ESKIFIYAT", TFieldType::ftFloat);

  while (s.Adim()) {
    for (int c = 0; c < kHamAdet; ++c) {
      if (kHam[c].tur == TFieldType::ftString)
        MetinYaz(p, c, s, c);
      else if (kHam[c].tur == TFieldType::ftInteger)
        p.Int(c, s.Int(c));
      else
        p.Float(c, s.Float(c));
    }
    const double kdv = s.Float(22);
    const double liste = s.Float(25);
    const double kamp = s.Float(26);
    const int k = static_cast<int>(s.Int(27));
    double ind[4] = {s.Float(30), s.Float(31), s.Float(32), s.Float(33)};
    // A campaign stock is sold at its campaign price; the customer's discounts do not stack.
    const bool kampanya = kampanyali && k > 0 && kamp > 0;
    const double fiyat = kampanya ? kamp : liste;
    if (kampanya) ind[0] = ind[1] = ind[2] = ind[3] = 0;
    const double net = Yuvarla2(ZincirIndirim(fiyat, ind[0], ind[1], ind[2], ind[3]));
    const double kdvDahil = Yuvarla2(net * (1.0 + kdv / 100.0));
    QString yazi;
    if (kampanya)
      yazi = liste > 0 ? u'%' + OranYazisi(std::round((1.0 - kamp / liste) * 100.0)) : QString();
    else
      yazi = IndirimYazisi(ind[0], ind[1], ind[2], ind[3]);
    p.Float(cListe, liste);
    p.Float(cKamp, kampanya ? kamp : 0.0);
    p.Float(cFiyat, fiyat);
    p.Int(cY, s.Int(28));
    p.Int(cK, kampanya ? k : 0);
    p.Text(cYazi, yazi);
    p.Float(cNet, net);
    p.Float(cKdvDahil, kdvDahil);
    p.Float(cTek, Yuvarla2(kdvDahil * (1.0 - tek / 100.0)));
    p.Float(cNakit, Yuvarla2(kdvDahil * (1.0 - nakit / 100.0)));
    p.Float(cInd1, ind[0]);
    p.Float(cInd2, ind[1]);
    p.Float(cInd3, ind[2]);
    p.Float(cInd4, ind[3]);
    p.Float(cIndirim, liste > 0 ? Yuvarla2((1.0 - net / liste) * 100.0) : 0.0);
    p.Float(cEski, s.Float(29));
  }
  return p.Bitir();
}

// StokAraGetirDravik(kod text, bilgi session) -> packet.
// Every word of the text must occur in the stock's folded search text (name, brand, model,
// other name, barcode, finish/OEM/maker codes; codes also without their punctuation).
// "%" or "*" alone lists the whole catalogue; a blank text lists nothing.
static constexpr int kEnFazlaKelime = 60;

static void StokAraGetirDravik(Cagri& c, Yanit& y) {
  const QString kod = c.Text(0);
  const auto bilgi = c.Oturum(1);
  const int carino = bilgi ? bilgi->CARINO() : 0;
  const bool kampanyali = !bilgi || Kampanyali(bilgi->MusteriTipi());
  bool hepsi = false;
  const QStringList kelimeler = AramaKelimeleri(kod, &hepsi);
  QString kosul;
  if (kelimeler.size() > kEnFazlaKelime) {
    // No stock's search text holds that many different words (and SQL would refuse the query).
    kosul = QStringLiteral("0");
  } else if (kelimeler.isEmpty()) {
    kosul = hepsi ? QStringLiteral("1") : QStringLiteral("0");
  } else {
    QStringList parcalar;
    for (int i = 0; i < kelimeler.size(); ++i) parcalar << QStringLiteral("instr(s.ARAMA, ?%1) > 0").arg(i + 2);
    kosul = parcalar.join(QStringLiteral(" AND "));
  }
  y.Paket(StokPaketiYaz(c.db, carino, kampanyali, kosul, [&](Sorgu& s) {
    if (kelimeler.size() <= kEnFazlaKelime)
      for (int i = 0; i < kelimeler.size(); ++i) s.Bagla(i + 2, kelimeler[i]);
  }));
}

namespace {

// A picture of a spare part: a deterministic drawing from the stock number (no text, so no
// font machinery is needed), 480 x 360, JPEG.
QByteArray ResimCiz(int stokno, const QString& anaGrup) {
  DemoRastgele r(0x5EED0000ull + static_cast<std::uint64_t>(stokno) * 7919u);
  QImage img(480, 360, QImage::Format_RGB32);
  const QColor zemin1 = QColor::fromHsv(r.Aralik(0, 359), r.Aralik(10, 40), 245);
  const QColor zemin2 = QColor::fromHsv(r.Aralik(0, 359), r.Aralik(20, 60), 200);
  {
    QPainter boya(&img);
    boya.setRenderHint(QPainter::Antialiasing);
    QLinearGradient zemin(0, 0, 480, 360);
    zemin.setColorAt(0, zemin1);
    zemin.setColorAt(1, zemin2);
    boya.fillRect(img.rect(), zemin);
    const QColor metal = QColor::fromHsv(r.Aralik(190, 230), r.Aralik(0, 40), r.Aralik(120, 200));
    const QColor vurgu = QColor::fromHsv(r.Aralik(0, 359), r.Aralik(150, 255), r.Aralik(150, 230));
    const int tur = (qHash(anaGrup) + static_cast<uint>(stokno)) % 3;
    boya.setPen(QPen(metal.darker(160), 3));
    if (tur == 0) {
      // a disc with bolt holes
      QRadialGradient g(240, 180, 150, 200, 140);
      g.setColorAt(0, metal.lighter(150));
      g.setColorAt(1, metal.darker(130));
      boya.setBrush(g);
      boya.drawEllipse(QPointF(240, 180), 150, 150);
      boya.setBrush(zemin1);
      boya.drawEllipse(QPointF(240, 180), 45, 45);
      const int delik = r.Aralik(4, 6);
      boya.setBrush(metal.darker(200));
      for (int i = 0; i < delik; ++i) {
        const double a = 2 * M_PI * i / delik;
        boya.drawEllipse(QPointF(240 + 80 * std::cos(a), 180 + 80 * std::sin(a)), 12, 12);
      }
    } else if (tur == 1) {
      // a box-shaped part with ribs
      QLinearGradient g(60, 80, 420, 300);
      g.setColorAt(0, metal.lighter(140));
      g.setColorAt(1, metal.darker(140));
      boya.setBrush(g);
      boya.drawRoundedRect(QRectF(70, 90, 340, 190), 24, 24);
      boya.setPen(QPen(metal.darker(200), 4));
      const int kaburga = r.Aralik(5, 11);
      for (int i = 1; i < kaburga; ++i) {
        const double x = 70 + 340.0 * i / kaburga;
        boya.drawLine(QPointF(x, 105), QPointF(x, 265));
      }
    } else {
      // a shaft with two joints
      QLinearGradient g(0, 150, 0, 210);
      g.setColorAt(0, metal.lighter(160));
      g.setColorAt(1, metal.darker(150));
      boya.setBrush(g);
      boya.drawRoundedRect(QRectF(60, 160, 360, 40), 18, 18);
      boya.setBrush(metal.darker(120));
      boya.drawEllipse(QPointF(70, 180), 50, 50);
      boya.drawEllipse(QPointF(410, 180), 50, 50);
    }
    boya.setPen(Qt::NoPen);
    boya.setBrush(vurgu);
    boya.drawRect(QRectF(0, 330, 480, 30));
    // fine grain so the picture is not trivially small
    for (int i = 0; i < 1500; ++i) {
      const int x = r.Aralik(0, 479), yy = r.Aralik(0, 329);
      img.setPixelColor(x, yy, img.pixelColor(x, yy).darker(r.Aralik(105, 125)));
    }
  }
  QByteArray bayt;
  QBuffer tampon(&bayt);
  tampon.open(QIODevice::WriteOnly);
  QImageWriter yazici(&tampon, "jpg");
  yazici.setQuality(85);
  if (!yazici.write(img)) return {};
  return bayt;
}

}  // namespace

QByteArray StokResmi(sqlite3* db, int stokno) {
  {
    Sorgu s(db, "SELECT JPEG FROM resimler WHERE STOKNO = ?");
    s.Bagla(1, stokno);
    if (s.Adim()) {
      const void* p = sqlite3_column_blob(s.Ham(), 0);
      return QByteArray(static_cast<const char*>(p), sqlite3_column_bytes(s.Ham(), 0));
    }
  }
  QString anaGrup;
  {
    Sorgu s(db, "SELECT ANAGRUP FROM stoklar WHERE STOK_STOKNO = ? AND RESIM = 1");
    s.Bagla(1, stokno);
    if (!s.Adim()) return {};
    anaGrup = s.Text(0);
  }
  const QByteArray jpeg = ResimCiz(stokno, anaGrup);
  if (jpeg.isEmpty()) return {};
  // The cache is an optimisation: a read-only moment of the database must not lose the picture.
  sqlite3_stmt* st = nullptr;
  if (sqlite3_prepare_v2(db, "INSERT OR REPLACE INTO resimler(STOKNO, JPEG) VALUES(?, ?)", -1, &st, nullptr) == SQLITE_OK) {
    sqlite3_bind_int(st, 1, stokno);
    sqlite3_bind_blob(st, 2, jpeg.constData(), static_cast<int>(jpeg.size()), SQLITE_TRANSIENT);
    sqlite3_step(st);
  }
  sqlite3_finalize(st);
  return jpeg;
}

// ResimVer5(stokno int, out boy size) -> stream; size 0 and no bytes when there is no picture.
static void ResimVer5(Cagri& c, Yanit& y) {
  const QByteArray jpeg = StokResmi(c.db, c.Int(0));
  y.Int(jpeg.size());
  y.Akis(jpeg);
}

void StokYontemleriniKaydet(YontemTablosu& t) {
  t.Ekle(QStringLiteral("StokAraGetirDravik"), StokAraGetirDravik);
  t.Ekle(QStringLiteral("ResimVer5"), ResimVer5);
}
