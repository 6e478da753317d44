// Table documents as PDF (reports, receipts, the price list among the files), written with
// libharu and the DejaVu TrueType font so that Turkish letters come out right.

#include <hpdf.h>

#include <QDate>
#include <QFile>
#include <cmath>

#include "icerik.h"

namespace {

const char* const kYaziTipi = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const char* const kKalinYaziTipi = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

void HataYakala(HPDF_STATUS, HPDF_STATUS, void* kullanici) { *static_cast<bool*>(kullanici) = true; }

class PdfBelge {
 public:
  PdfBelge() {
    doc_ = HPDF_New(HataYakala, &hata_);
    if (!doc_) {
      hata_ = true;
      return;
    }
    HPDF_SetCompressionMode(doc_, HPDF_COMP_ALL);
    HPDF_UseUTFEncodings(doc_);
    HPDF_SetCurrentEncoder(doc_, "UTF-8");
    const char* ad = HPDF_LoadTTFontFromFile(doc_, kYaziTipi, HPDF_TRUE);
    const char* kalin = QFile::exists(kKalinYaziTipi) ? HPDF_LoadTTFontFromFile(doc_, kKalinYaziTipi, HPDF_TRUE) : ad;
    if (ad) yazi_ = HPDF_GetFont(doc_, ad, "UTF-8");
    if (kalin) kalin_ = HPDF_GetFont(doc_, kalin, "UTF-8");
    if (!yazi_) hata_ = true;
    if (!kalin_) kalin_ = yazi_;
  }
  ~PdfBelge() {
    if (doc_) HPDF_Free(doc_);
  }
  PdfBelge(const PdfBelge&) = delete;
  PdfBelge& operator=(const PdfBelge&) = delete;

  bool Hatali() const { return hata_; }
  HPDF_Doc doc_ = nullptr;
  HPDF_Font yazi_ = nullptr;
  HPDF_Font kalin_ = nullptr;
  bool hata_ = false;

  QByteArray Kaydet() {
    if (hata_) return {};
    if (HPDF_SaveToStream(doc_) != HPDF_OK) return {};
    HPDF_UINT32 boy = HPDF_GetStreamSize(doc_);
    QByteArray b(qsizetype(boy), '\0');
    HPDF_UINT32 okunan = boy;
    HPDF_ResetStream(doc_);
    HPDF_ReadFromStream(doc_, reinterpret_cast<HPDF_BYTE*>(b.data()), &okunan);
    b.truncate(qsizetype(okunan));
    if (hata_ || !b.startsWith("%PDF")) return {};
    return b;
  }
};

// Writes a table across as many landscape A4 pages as it needs.
class TabloSayfalari {
 public:
  TabloSayfalari(PdfBelge& b, const IcerikPdfTablo& t) : b_(b), t_(t) {
    double toplam = 0;
    for (double g : t.genislikler) toplam += g;
    if (toplam <= 0) toplam = 1;
    double x = kSol;
    for (std::size_t i = 0; i < std::size_t(t.sutunlar.size()); ++i) {
      const double g = i < t.genislikler.size() ? t.genislikler[i] : 1.0;
      const double w = (kGenislik - 2 * kSol) * g / toplam;
      xler_.push_back(x);
      wler_.push_back(w);
      x += w;
    }
  }

  void Yaz() {
    YeniSayfa(true);
    for (const QStringList& satir : t_.satirlar) {
      if (y_ < kAlt + kSatir) YeniSayfa(false);
      Satir(satir, b_.yazi_, false);
    }
    if (t_.satirlar.empty()) {
      Metin(kSol, y_ - kSatir, "Kayıt bulunamadı.", b_.yazi_, 9);
      y_ -= kSatir;
    }
    y_ -= 6;
    for (const QString& s : t_.dipSatirlar) {
      if (y_ < kAlt + kSatir) YeniSayfa(false);
      Metin(kSol, y_ - kSatir, s, b_.kalin_, 9);
      y_ -= kSatir + 2;
    }
    SayfaNumaralari();
  }

 private:
  static constexpr double kGenislik = 841.89, kYukseklik = 595.28, kSol = 32, kAlt = 40, kSatir = 13;

  void YeniSayfa(bool ilk) {
    HPDF_Page p = HPDF_AddPage(b_.doc_);
    HPDF_Page_SetSize(p, HPDF_PAGE_SIZE_A4, HPDF_PAGE_LANDSCAPE);
    sayfalar_.push_back(p);
    sayfa_ = p;
    y_ = kYukseklik - 36;
    Metin(kSol, y_ - 16, t_.baslik, b_.kalin_, ilk ? 15 : 11);
    y_ -= ilk ? 24 : 20;
    if (ilk) {
      for (const QString& s : t_.altBasliklar) {
        Metin(kSol, y_ - 11, s, b_.yazi_, 9.5);
        y_ -= 13;
      }
      y_ -= 4;
    }
    Satir(t_.sutunlar, b_.kalin_, true);
  }

  void Satir(const QStringList& hucreler, HPDF_Font yazi, bool baslik) {
    const double taban = y_ - kSatir + 3;
    if (baslik) {
      HPDF_Page_SetRGBFill(sayfa_, 0.86f, 0.90f, 0.96f);
      HPDF_Page_Rectangle(sayfa_, kSol, y_ - kSatir, kGenislik - 2 * kSol, kSatir);
      HPDF_Page_Fill(sayfa_);
      HPDF_Page_SetRGBFill(sayfa_, 0, 0, 0);
    }
    for (int i = 0; i < hucreler.size() && i < int(xler_.size()); ++i) {
      const bool sag = !baslik && std::size_t(i) < t_.sagaYasli.size() && t_.sagaYasli[std::size_t(i)];
      const QString s = Kisalt(hucreler[i], yazi, 8, wler_[std::size_t(i)] - 4);
      double x = xler_[std::size_t(i)] + 2;
      if (sag) x = xler_[std::size_t(i)] + wler_[std::size_t(i)] - 2 - Genislik(s, yazi, 8);
      Metin(x, taban, s, yazi, 8);
    }
    HPDF_Page_SetLineWidth(sayfa_, 0.3f);
    HPDF_Page_SetGrayStroke(sayfa_, 0.7f);
    HPDF_Page_MoveTo(sayfa_, kSol, y_ - kSatir);
    HPDF_Page_LineTo(sayfa_, kGenislik - kSol, y_ - kSatir);
    HPDF_Page_Stroke(sayfa_);
    y_ -= kSatir;
  }

  double Genislik(const QString& s, HPDF_Font yazi, double boy) {
    HPDF_Page_SetFontAndSize(sayfa_, yazi, HPDF_REAL(boy));
    return HPDF_Page_TextWidth(sayfa_, s.toUtf8().constData());
  }

  QString Kisalt(QString s, HPDF_Font yazi, double boy, double en) {
    if (Genislik(s, yazi, boy) <= en) return s;
    while (!s.isEmpty() && Genislik(s + QStringLiteral("…"), yazi, boy) > en) s.chop(1);
    return s + QStringLiteral("…");
  }

  void Metin(double x, double y, const QString& s, HPDF_Font yazi, double boy) {
    HPDF_Page_BeginText(sayfa_);
    HPDF_Page_SetFontAndSize(sayfa_, yazi, HPDF_REAL(boy));
    HPDF_Page_TextOut(sayfa_, HPDF_REAL(x), HPDF_REAL(y), s.toUtf8().constData());
    HPDF_Page_EndText(sayfa_);
  }

  void SayfaNumaralari() {
    const int n = int(sayfalar_.size());
    for (int i = 0; i < n; ++i) {
      sayfa_ = sayfalar_[std::size_t(i)];
      const QString s = QStringLiteral("Sayfa %1 / %2").arg(i + 1).arg(n);
      Metin(kGenislik - kSol - Genislik(s, b_.yazi_, 8), 20, s, b_.yazi_, 8);
    }
  }

  PdfBelge& b_;
  const IcerikPdfTablo& t_;
  std::vector<double> xler_, wler_;
  std::vector<HPDF_Page> sayfalar_;
  HPDF_Page sayfa_ = nullptr;
  double y_ = 0;
};

}  // namespace

QByteArray IcerikPdfYaz(const IcerikPdfTablo& t) {
  PdfBelge b;
  if (b.Hatali()) return {};
  HPDF_SetInfoAttr(b.doc_, HPDF_INFO_CREATOR, "Dravik B2B");
  HPDF_SetInfoAttr(b.doc_, HPDF_INFO_TITLE, t.baslik.toUtf8().constData());
  TabloSayfalari(b, t).Yaz();
  return b.Kaydet();
}

double IcerikYuvarla(double x) {
  if (!std::isfinite(x)) return 0;
  const double y = std::round(std::fabs(x) * 100.0 + 1e-7) / 100.0;
  return x < 0 ? -y : y;
}

QString TutarYaz(double v) {
  if (!std::isfinite(v)) v = 0;
  const bool eksi = v < 0;
  const qint64 kurus = qint64(std::llround(IcerikYuvarla(std::fabs(v)) * 100.0));
  QString tam = QString::number(kurus / 100);
  for (int i = tam.size() - 3; i > 0; i -= 3) tam.insert(i, QLatin1Char('.'));
  return (eksi && kurus != 0 ? QStringLiteral("-") : QString()) + tam + QLatin1Char(',') +
         QStringLiteral("%1").arg(kurus % 100, 2, 10, QLatin1Char('0'));
}

QString TarihYaz(double ole) {
  if (!std::isfinite(ole)) return {};
  return QDate(1899, 12, 30).addDays(qint64(std::floor(ole))).toString(QStringLiteral("dd.MM.yyyy"));
}
