// Turkish letter folding of the search texts.

#include <gtest/gtest.h>

#include "katlama.h"
#include "ticaret_test_ortak.h"

TEST(Katlama, TurkceHarflerHerIkiYondeBulusur) {
  struct Durum { const char* girdi; const char* beklenen; };
  const Durum durumlar[] = {
      {"şanzıman", "sanziman"},       {"ŞANZIMAN", "sanziman"},        {"SANZIMAN", "sanziman"},
      {"ışık", "isik"},               {"ISIK", "isik"},                {"IŞIK", "isik"},
      {"İstanbul", "istanbul"},       {"iSTANBUL", "istanbul"},        {"ĞÜŞİÖÇ", "gusioc"},
      {"ğüşıöç", "gusioc"},           {"  fren   balatası  ", "fren balatasi"}, {"Âlem", "alem"},
      {"04465-0D150", "04465-0d150"}, {"", ""},
  };
  for (const Durum& d : durumlar)
    EXPECT_EQ(TurkceKatla(QString::fromUtf8(d.girdi)), QString::fromUtf8(d.beklenen)) << d.girdi;
}

TEST(Katlama, KodlarNoktalamasizKatlanir) {
  EXPECT_EQ(KodKatla(QStringLiteral("04465-0D150")), QStringLiteral("044650d150"));
  EXPECT_EQ(KodKatla(QStringLiteral("1K0 615 301 AA")), QStringLiteral("1k0615301aa"));
  EXPECT_EQ(KodKatla(QStringLiteral("BO-12.345/Ş")), QStringLiteral("bo12345s"));
}

TEST(Katlama, AramaKelimeleriVeJoker) {
  bool hepsi = true;
  EXPECT_EQ(AramaKelimeleri(QStringLiteral(" Fren  DİSKİ "), &hepsi), (QStringList{"fren", "diski"}));
  EXPECT_FALSE(hepsi);
  EXPECT_TRUE(AramaKelimeleri(QStringLiteral("%"), &hepsi).isEmpty());
  EXPECT_TRUE(hepsi);
  EXPECT_TRUE(AramaKelimeleri(QStringLiteral("   "), &hepsi).isEmpty());
  EXPECT_FALSE(hepsi);
  EXPECT_EQ(AramaKelimeleri(QStringLiteral("%fren*"), &hepsi), QStringList{"fren"});
  EXPECT_FALSE(hepsi);
  EXPECT_EQ(AramaKelimeleri(QStringLiteral("fren FRENLER diski fren"), &hepsi), (QStringList{"frenler", "diski"}));
}

TEST(Katlama, TurkceAlfabetikSira) {
  // Each name must sort after the one before it.
  const char* const sirali[] = {"2 LT ANTİFRİZ", "AKS", "CAM KRİKOSU", "ÇAMURLUK", "DİSK", "GERGİ", "ĞAZ",
                                "HORTUM", "ISI SENSÖRÜ", "ıslak", "İÇ AYNA", "istop", "OKSİJEN", "ÖN TAMPON",
                                "SU POMPASI", "ŞANZIMAN", "ŞANZIMAN TAKOZU", "UÇ", "ÜST HORTUM", "Z ROT"};
  for (std::size_t i = 1; i < std::size(sirali); ++i)
    EXPECT_LT(TurkceSiraAnahtari(QString::fromUtf8(sirali[i - 1])), TurkceSiraAnahtari(QString::fromUtf8(sirali[i])))
        << sirali[i - 1] << " < " << sirali[i];
  EXPECT_EQ(TurkceSiraAnahtari(QStringLiteral("şanzıman")), TurkceSiraAnahtari(QStringLiteral("ŞANZIMAN")));
}
