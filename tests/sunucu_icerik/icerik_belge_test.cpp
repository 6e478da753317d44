// Statement rows, the invoices and collections behind them and the virtual-POS receipts.

#include <gtest/gtest.h>

#include "icerik_ortam.h"

namespace {

class Belgeler : public IcerikSuiti {};

// The client's rule for what a statement row opens: 1 collection, 2 invoice, 0 nothing.
int EvrakTuru(const QString& tur) {
  if (tur == QLatin1String("Tediye") || tur == QLatin1String("Tahsilat")) return 1;
  return tur.contains(QLatin1String("Fatura")) ? 2 : 0;
}

}  // namespace

TEST_F(Belgeler, EkstreSutunlariVeYuruyenBakiye) {
  const IcerikTablo t = CariEkstre(v_->db, 1);
  ASSERT_EQ(t.Adlar(), (QStringList{"CARINO", "TARIH", "TURADI", "EVRAK", "BORC", "ALACAK", "KUR", "BAKIYE", "D", "IDNO",
                                    "ACIKLAMA"}));
  ASSERT_GT(t.satirlar.size(), 3u);
  double bakiye = 0, onceki = -1e9;
  for (int i = 0; i < int(t.satirlar.size()); ++i) {
    EXPECT_EQ(t.Deger(i, "CARINO").toInt(), 1);
    EXPECT_GE(t.Deger(i, "TARIH").toDouble(), onceki);
    onceki = t.Deger(i, "TARIH").toDouble();
    bakiye += t.Deger(i, "BORC").toDouble() - t.Deger(i, "ALACAK").toDouble();
    EXPECT_NEAR(t.Deger(i, "BAKIYE").toDouble(), bakiye, 0.005);
    const QString d = t.Deger(i, "D").toString();
    EXPECT_EQ(d, bakiye > 0.004 ? QStringLiteral("B") : bakiye < -0.004 ? QStringLiteral("A") : QStringLiteral(" "));
  }
  // the statement ends on the customer's account balance
  EXPECT_NEAR(bakiye, IcerikDeger(v_->db, QStringLiteral("SELECT BAKIYE FROM cariler WHERE CARINO = 1")).toDouble(), 0.005);
  EXPECT_TRUE(CariEkstre(v_->db, 987654).satirlar.empty());
}

TEST_F(Belgeler, EkstreTurleriFaturaTahsilatTediyeVeDigerleri) {
  const IcerikTablo t = IcerikSorgu(v_->db, QStringLiteral("SELECT DISTINCT TURADI FROM ekstre"), {{"TURADI"}});
  QStringList turler;
  for (const auto& s : t.satirlar) turler << s[0].toString();
  for (const char* tur : {"Satış Faturası", "Satış İade Faturası", "Tahsilat", "Tediye", "Devir", "Virman"})
    EXPECT_TRUE(turler.contains(QString::fromUtf8(tur))) << tur;
}

TEST_F(Belgeler, HerEkstreSatiriAcildigiBelgeyleTutarli) {
  // every row the client opens finds its document, and the amounts agree with the statement
  const IcerikTablo e = IcerikSorgu(
      v_->db, QStringLiteral("SELECT CARINO, TURADI, IDNO, BORC, ALACAK FROM ekstre WHERE CARINO <= 6 ORDER BY SIRANO"),
      {{"CARINO", IcerikTur::Int}, {"TURADI"}, {"IDNO", IcerikTur::Int}, {"BORC", IcerikTur::Float},
       {"ALACAK", IcerikTur::Float}});
  int fatura = 0, tahsilat = 0;
  for (const auto& s : e.satirlar) {
    const int carino = s[0].toInt(), idno = s[2].toInt();
    const double tutar = s[3].toDouble() + s[4].toDouble();
    switch (EvrakTuru(s[1].toString())) {
      case 2: {
        ++fatura;
        const IcerikTablo satirlar = FaturaSatirlari(v_->db, carino, idno);
        ASSERT_FALSE(satirlar.satirlar.empty()) << idno;
        EXPECT_EQ(satirlar.Deger(0, "STOKHAR_HAREKETTIPI2").toString(), s[1].toString());
        const IcerikTablo alt = FaturaAlt(v_->db, idno);
        ASSERT_EQ(alt.Adlar(), (QStringList{"TOPLAM", "TOPLAMINDIRIM", "MATRAH", "KDVTUTAR", "KDVDAHIL"}));
        ASSERT_EQ(alt.satirlar.size(), 1u);
        EXPECT_NEAR(alt.Deger(0, "KDVDAHIL").toDouble(), tutar, 0.005) << idno;
        double net = 0;
        for (int i = 0; i < int(satirlar.satirlar.size()); ++i) net += satirlar.Deger(i, "STOKHAR_NETTLTUTAR").toDouble();
        EXPECT_NEAR(alt.Deger(0, "MATRAH").toDouble(), net, 0.005);
        EXPECT_NEAR(alt.Deger(0, "TOPLAM").toDouble() - alt.Deger(0, "TOPLAMINDIRIM").toDouble(),
                    alt.Deger(0, "MATRAH").toDouble(), 0.005);
        break;
      }
      case 1: {
        ++tahsilat;
        const IcerikTablo t = TahsilatSatirlari(v_->db, idno);
        ASSERT_FALSE(t.satirlar.empty()) << idno;
        double toplam = 0;
        for (int i = 0; i < int(t.satirlar.size()); ++i) {
          toplam += t.Deger(i, QStringLiteral("Tutar")).toDouble();
          EXPECT_EQ(t.Deger(i, QStringLiteral("Türü")).toString(), s[1].toString());
        }
        EXPECT_NEAR(toplam, tutar, 0.005) << idno;
        break;
      }
      default:
        EXPECT_EQ(idno, 0) << s[1].toString().toStdString();
    }
  }
  EXPECT_GT(fatura, 0);
  EXPECT_GT(tahsilat, 0);
}

TEST_F(Belgeler, FaturaSatirSutunlariVeBaskaCariyeKapali) {
  const int idno = int(Sayi(v_->db, QStringLiteral("SELECT MIN(IDNO) FROM faturalar WHERE CARINO = 1")));
  const IcerikTablo t = FaturaSatirlari(v_->db, 1, idno);
  ASSERT_FALSE(t.satirlar.empty());
  for (const char* ad :
       {"OEMNO", "STOKADI", "FINISHKOD", "MARKA", "MODEL", "ANAGRUP", "BIRIM", "STOKHAR_MIKTAR", "STOKHAR_TLBIRIMFIYATI",
        "STOKHAR_TLTUTAR", "STOKHAR_INDIRIM1", "STOKHAR_INDIRIM2", "KDV", "STOKHAR_TOPLAMINDIRIM", "STOKHAR_TOPLAMMASRAF",
        "STOKHAR_NETTLBIRIMFIYATI", "STOKHAR_NETTLTUTAR", "OZELKOD", "BARKOD", "STOKHAR_HAREKETTARIHI",
        "STOKHAR_HAREKETTIPI2", "EVRAKNO", "STOKHAR_TLVERGI", "IRSALIYEEVRAKNO", "STOKHAR_IRSTARIHI", "SATIRACIKLMASI",
        "STOKHAR_SAAT", "STOKHAR_VADE", "SIPARISEVRAKNO", "SIPARISTARIHI", "IRSALIYETIP2", "STOKHAR_INDIRIM8",
        "STOKHAR_KURTL", "SATICIADI", "BELGENO", "IDNO"})
    EXPECT_GE(t.Sutun(QLatin1String(ad)), 0) << ad;
  EXPECT_EQ(t.sutunlar[std::size_t(t.Sutun(QStringLiteral("STOKHAR_HAREKETTARIHI")))].tur, IcerikTur::Tarih);
  for (int i = 0; i < int(t.satirlar.size()); ++i) {
    const double tutar = t.Deger(i, "STOKHAR_TLTUTAR").toDouble();
    EXPECT_NEAR(tutar - t.Deger(i, "STOKHAR_TOPLAMINDIRIM").toDouble(), t.Deger(i, "STOKHAR_NETTLTUTAR").toDouble(), 0.005);
    EXPECT_FALSE(t.Deger(i, "STOKADI").toString().isEmpty());
  }
  // the invoice belongs to customer 1: asked for another customer it shows nothing
  EXPECT_TRUE(FaturaSatirlari(v_->db, 2, idno).satirlar.empty());
  EXPECT_TRUE(FaturaAlt(v_->db, 987654).satirlar.empty());
}

TEST_F(Belgeler, TahsilatSutunAdlariBaslikOlarak) {
  const int idno = int(Sayi(v_->db, QStringLiteral("SELECT MIN(IDNO) FROM tahsilatlar")));
  const IcerikTablo t = TahsilatSatirlari(v_->db, idno);
  EXPECT_EQ(t.Adlar(), (QStringList{"Tarih", "Türü", "Cins", "Vade", "Tutar", "Açıklama", "EvrakNo", "Ref", "Saat", "Kur",
                                    "KurTL", "Döviz Tutar"}));
  EXPECT_FALSE(t.satirlar.empty());
}

TEST_F(Belgeler, SanalPosNumarasiVeMakbuzPdf) {
  const int kartli = int(Sayi(v_->db, QStringLiteral("SELECT MIN(IDNO) FROM sanalpos")));
  const int kartsiz = int(Sayi(
      v_->db, QStringLiteral("SELECT MIN(IDNO) FROM tahsilatlar WHERE IDNO NOT IN (SELECT IDNO FROM sanalpos)")));
  ASSERT_GT(kartli, 0);
  ASSERT_GT(kartsiz, 0);
  const int no = SanalposSirano(v_->db, kartli);
  EXPECT_GT(no, 0);
  EXPECT_EQ(SanalposSirano(v_->db, kartsiz), 0);
  const QByteArray pdf = SanalPosPdf(v_->db, no);
  EXPECT_TRUE(pdf.startsWith("%PDF"));
  EXPECT_TRUE(pdf.contains("%%EOF"));
  EXPECT_EQ(PdfSayfaSayisi(pdf), 1);
  EXPECT_TRUE(SanalPosPdf(v_->db, 987654).isEmpty());
}
