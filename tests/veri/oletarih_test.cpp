#include "platform/core/oletarih.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

QDateTime Z(int y, int a, int g, int s = 0, int d = 0, int sn = 0, int ms = 0) {
  return QDateTime(QDate(y, a, g), QTime(s, d, sn, ms));
}

TEST(OleTarih, GunSayisiVeSaat) {
  const struct {
    double ole;
    QDateTime zaman;
    double geriDonus;  // what the date-time converts back to
  } durumlar[] = {
      {0, Z(1899, 12, 30), 0},
      {1, Z(1899, 12, 31), 1},
      {2.5, Z(1900, 1, 1, 12), 2.5},
      {36526, Z(2000, 1, 1), 36526},
      {45000.75, Z(2023, 3, 15, 18), 45000.75},
      {-1, Z(1899, 12, 29), -1},
      {-1.25, Z(1899, 12, 29, 6), -1.25},        // before the base day the fraction still runs forward
      {-0.5, Z(1899, 12, 30, 12), 0.5},          // -1 < x < 0 is the base day, as 0 < x < 1
      {-657434, Z(100, 1, 1), -657434},          // first valid day
      {2958465.5, Z(9999, 12, 31, 12), 2958465.5},
      {1.9999999999, Z(1900, 1, 1), 2},          // rounds to the next midnight, not 24:00
  };
  for (const auto& d : durumlar) {
    EXPECT_EQ(OledenTarihSaat(d.ole), d.zaman) << d.ole;
    EXPECT_EQ(OledenTarih(d.ole), d.zaman.date()) << d.ole;
    EXPECT_DOUBLE_EQ(TarihSaattenOle(d.zaman), d.geriDonus) << d.ole;
  }
}

TEST(OleTarih, MilisaniyeGidipGelir) {
  const QDateTime z = Z(2024, 2, 29, 23, 59, 59, 999);
  EXPECT_EQ(OledenTarihSaat(TarihSaattenOle(z)), z);
  const QDateTime once = Z(1850, 6, 1, 7, 30, 15, 250);
  EXPECT_EQ(OledenTarihSaat(TarihSaattenOle(once)), once);
  EXPECT_EQ(TarihtenOle(QDate(2023, 3, 15)), 45000);
}

TEST(OleTarih, GecersizDegerler) {
  for (double v : {std::nan(""), std::numeric_limits<double>::infinity(), 1e10, -657435.0, 2958466.0, -1e300})
    EXPECT_FALSE(OledenTarihSaat(v).isValid()) << v;
  EXPECT_FALSE(OledenTarih(std::nan("")).isValid());
  EXPECT_EQ(TarihSaattenOle(QDateTime()), 0);
  EXPECT_EQ(TarihtenOle(QDate()), 0);
}

}  // namespace
