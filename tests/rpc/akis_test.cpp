// The stream steps: 1024-byte blocks, stop after the first short block, accept only the
// announced size.
#include <gtest/gtest.h>

#include <QBuffer>

#include "session/proxim.h"

namespace {

QByteArray Desen(int n) {
  QByteArray b(n, Qt::Uninitialized);
  for (int i = 0; i < n; ++i) b[i] = char((i * 7 + 3) & 0xFF);
  return b;
}

struct AkisDurumu {
  const char* ad;
  int gercekBoy;      // bytes in the stream
  qint64 bildirilen;  // the size output
  bool kabul;
  int beklenenBlok;   // blocks read (0: the stream is not read at all)
};

class AkisKopyalaTest : public ::testing::TestWithParam<AkisDurumu> {};

TEST_P(AkisKopyalaTest, BloklarVeBoyKurali) {
  const AkisDurumu& d = GetParam();
  QBuffer akis;
  akis.setData(Desen(d.gercekBoy));
  akis.open(QIODevice::ReadOnly);
  akis.seek(d.gercekBoy / 2);  // the copy starts from position 0 whatever the position was
  int blok = 0;
  QByteArray hedef("eski");
  const bool sonuc = AkisKopyala(&akis, d.bildirilen, hedef, [&] { ++blok; });
  EXPECT_EQ(sonuc, d.kabul);
  EXPECT_EQ(blok, d.beklenenBlok);
  if (d.kabul) {
    EXPECT_EQ(hedef, Desen(d.gercekBoy));
  } else {
    EXPECT_TRUE(hedef.isEmpty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Durumlar, AkisKopyalaTest,
    ::testing::Values(AkisDurumu{"boy_sifir_okunmaz", 100, 0, false, 0},
                      AkisDurumu{"bos_akis_boy_sifir", 0, 0, false, 0},
                      AkisDurumu{"negatif_boy", 10, -1, false, 0},
                      AkisDurumu{"tek_bayt", 1, 1, true, 1},
                      AkisDurumu{"blok_eksi_bir", 1023, 1023, true, 1},
                      AkisDurumu{"tam_bir_blok_bos_okumayla_biter", 1024, 1024, true, 2},
                      AkisDurumu{"tam_uc_blok", 3072, 3072, true, 4},
                      AkisDurumu{"blok_arti_bir", 1025, 1025, true, 2},
                      AkisDurumu{"kisa_gelen_dusurulur", 2000, 4000, false, 2},
                      AkisDurumu{"uzun_gelen_dusurulur", 3000, 2048, false, 3}),
    [](const ::testing::TestParamInfo<AkisDurumu>& i) { return std::string(i.param.ad); });

TEST(AkisKopyala, AkisYoksaIcerikYok) {
  QByteArray hedef("x");
  EXPECT_FALSE(AkisKopyala(nullptr, 10, hedef));
  EXPECT_TRUE(hedef.isEmpty());
}

}  // namespace
