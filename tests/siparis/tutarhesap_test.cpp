// Amounts of the stock dialog: chained discounts, VAT-inclusive unit price and line total.
#include <gtest/gtest.h>

#include "ordering/tutarhesap.h"
#include "platform/core/sayibicim.h"

namespace {

struct IndirimDurumu {
  const char* ad;
  double brut, d1, d2, d3, d4, miktar;
  double indirim, net, netBirim;
};

class IndirimUygulaTest : public ::testing::TestWithParam<IndirimDurumu> {};

TEST_P(IndirimUygulaTest, ZincirlemeIndirim) {
  const IndirimDurumu& d = GetParam();
  const TIndirimSonucu s = IndirimUygula(d.brut, d.d1, d.d2, d.d3, d.d4, d.miktar);
  EXPECT_NEAR(s.indirimTutari, d.indirim, 1e-9);
  EXPECT_DOUBLE_EQ(s.netTutar, d.net);
  EXPECT_DOUBLE_EQ(s.netBirimFiyat, d.netBirim);
}

INSTANTIATE_TEST_SUITE_P(
    Tablo, IndirimUygulaTest,
    ::testing::Values(
        // 10 and 5 make 14.5 % in all, not 15 %.
        IndirimDurumu{"OnVeBes", 100, 10, 5, 0, 0, 1, 14.5, 85.5, 85.5},
        IndirimDurumu{"SifirVeEksiAtlanir", 100, 0, -5, 0, -100, 4, 0, 100, 25},
        IndirimDurumu{"DordunSirasi", 1000, 10, 10, 10, 10, 1, 343.9, 656.1, 656.1},
        IndirimDurumu{"YuzdeYuzHepsiniSiler", 250, 100, 0, 0, 0, 5, 250, 0, 0},
        IndirimDurumu{"OrnekSatir", 59.97, 10, 5, 0, 0, 3, 8.69565, 51.27, 17.09},
        // Quantity 0: the unit price cannot be divided out and shows 0.
        IndirimDurumu{"MiktarSifir", 0, 10, 0, 0, 0, 0, 0, 0, 0},
        IndirimDurumu{"MiktarSifirBrutVar", 80, 25, 0, 0, 0, 0, 20, 60, 0},
        // The net unit price is the rounded net divided by the quantity, rounded again.
        IndirimDurumu{"BirimYuvarlanir", 10, 0, 0, 0, 0, 3, 0, 10, 3.33},
        IndirimDurumu{"YarimYukari", 0.125, 0, 0, 0, 0, 1, 0, 0.13, 0.13}),
    [](const auto& i) { return std::string(i.param.ad); });

struct TutarDurumu {
  const char* ad;
  double fiyat, miktar, i1, i2, i3, i4, kdv;
  double indtutar, kdvdahil, genel;
};

class TutarHesaplaTest : public ::testing::TestWithParam<TutarDurumu> {};

TEST_P(TutarHesaplaTest, Tutarlar) {
  const TutarDurumu& d = GetParam();
  const TTutarSonucu s = TutarHesapla(d.fiyat, d.miktar, d.i1, d.i2, d.i3, d.i4, d.kdv);
  EXPECT_NEAR(s.indtutar, d.indtutar, 1e-9);
  EXPECT_DOUBLE_EQ(s.kdvdahiltutar, d.kdvdahil);
  EXPECT_DOUBLE_EQ(s.geneltutar, d.genel);
}

INSTANTIATE_TEST_SUITE_P(
    Tablo, TutarHesaplaTest,
    ::testing::Values(
        // 19.99 x 3 less 10 % and 5 %, VAT 20 %: the total is the rounded VAT-inclusive unit
        // price times the quantity (61.53), not the net plus VAT (61.52).
        TutarDurumu{"OrnekSatir", 19.99, 3, 10, 5, 0, 0, 20, 8.69565, 20.51, 61.53},
        TutarDurumu{"IndirimsizKdvsiz", 12.5, 4, 0, 0, 0, 0, 0, 0, 12.5, 50},
        TutarDurumu{"KdvOn", 100, 1, 10, 5, 0, 0, 10, 14.5, 94.05, 94.05},
        TutarDurumu{"YuzdeYuz", 40, 2, 100, 0, 0, 0, 20, 80, 0, 0},
        TutarDurumu{"MiktarSifir", 19.99, 0, 10, 0, 0, 0, 20, 0, 0, 0},
        TutarDurumu{"BuyukTutar", 1234567.89, 10000, 0, 0, 0, 0, 20, 0, 1481481.47, 14814814700}),
    [](const auto& i) { return std::string(i.param.ad); });

// The amounts come out the same whatever the regional settings.
TEST(TutarHesapla, BicimAyarlarindanBagimsiz) {
  const TFormatSettings eski = BicimAyarlari();
  for (const TFormatSettings& a : {TFormatSettings::Turkce(), TFormatSettings::Ingilizce()}) {
    BicimAyarlariKur(a);
    const TTutarSonucu s = TutarHesapla(19.99, 3, 10, 5, 0, 0, 20);
    EXPECT_DOUBLE_EQ(s.kdvdahiltutar, 20.51);
    EXPECT_DOUBLE_EQ(s.geneltutar, 61.53);
  }
  BicimAyarlariKur(eski);
}

}  // namespace
