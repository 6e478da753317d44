// Customer reports as PDF documents.

#include <gtest/gtest.h>

#include <QDate>

#include "icerik_ortam.h"

namespace {

class Raporlar : public IcerikSuiti {};

const double kGun = double(QDate(1899, 12, 30).daysTo(QDate(2026, 12, 1)));
const double kYilBasi = double(QDate(1899, 12, 30).daysTo(QDate(2026, 1, 1)));

}  // namespace

TEST_F(Raporlar, RaporNumarasinaGorePdf) {
  struct Durum {
    const char* ad;
    int rapor, idno, carino;
    const char* satici;
    double t1, t2;
    bool pdf;
    int enAzSayfa;
  };
  const std::vector<Durum> durumlar = {
      {"cari özeti", 6, 2, 1, "AHMET YILMAZ", kGun, kGun, true, 1},
      {"toplu alacak vadeleri, tüm satıcılar", 6, 3, 0, ".", kGun, kGun, true, 2},
      {"toplu alacak vadeleri, bir satıcı", 6, 2, 0, "SATICI", kGun, kGun, true, 1},
      {"alış satış tablosu", 7, 2, 1, "AHMET YILMAZ", kYilBasi, kGun, true, 1},
      {"bilinmeyen rapor", 5, 2, 1, ".", kGun, kGun, false, 0},
      {"müşteri başka carinin raporunu alamaz", 6, 1, 2, ".", kGun, kGun, false, 0},
  };
  for (const Durum& d : durumlar) {
    const QByteArray pdf = RaporPdf(v_->db, d.rapor, d.rapor, d.idno, d.carino, QString::fromUtf8(d.satici), d.t1, d.t2);
    EXPECT_EQ(pdf.startsWith("%PDF-"), d.pdf) << d.ad;
    if (!d.pdf) {
      EXPECT_TRUE(pdf.isEmpty()) << d.ad;
      continue;
    }
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF")) << d.ad;
    EXPECT_GE(PdfSayfaSayisi(pdf), d.enAzSayfa) << d.ad;
    // the TrueType font travels with the document, so Turkish letters render anywhere
    EXPECT_TRUE(pdf.contains("DejaVuSans")) << d.ad;
  }
}

TEST_F(Raporlar, UzunListeBirSaticidanKisaTumSaticilardan) {
  const QByteArray hepsi = RaporPdf(v_->db, 6, 6, 3, 0, QStringLiteral("."), kGun, kGun);
  const QByteArray biri = RaporPdf(v_->db, 6, 6, 2, 0, QStringLiteral("AHMET YILMAZ"), kGun, kGun);
  ASSERT_FALSE(hepsi.isEmpty());
  ASSERT_FALSE(biri.isEmpty());
  EXPECT_GT(PdfSayfaSayisi(hepsi), PdfSayfaSayisi(biri));
  // the seller user's name names the same seller as the seller's own name
  EXPECT_EQ(PdfSayfaSayisi(RaporPdf(v_->db, 6, 6, 2, 0, QStringLiteral("SATICI"), kGun, kGun)), PdfSayfaSayisi(biri));
}

TEST(PdfYazici, UzunTabloSayfalaraBolunurTurkceMetinleYazilir) {
  IcerikPdfTablo t;
  t.baslik = QStringLiteral("ĞÜŞİÖÇ ğüşıöç");
  t.sutunlar << QStringLiteral("Sıra") << QStringLiteral("Açıklama") << QStringLiteral("Tutar");
  t.genislikler = {1, 5, 2};
  t.sagaYasli = {true, false, true};
  for (int i = 0; i < 200; ++i)
    t.satirlar.push_back({QString::number(i), QStringLiteral("Çok uzun bir açıklama metni %1 ").repeated(6).arg(i),
                          TutarYaz(i * 1000.5)});
  const QByteArray pdf = IcerikPdfYaz(t);
  ASSERT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_GE(PdfSayfaSayisi(pdf), 4);
  t.satirlar.resize(3);
  EXPECT_EQ(PdfSayfaSayisi(IcerikPdfYaz(t)), 1);
}
