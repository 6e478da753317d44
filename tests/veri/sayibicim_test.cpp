#include "platform/core/sayibicim.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <clocale>
#include <cmath>
#include <limits>

namespace {

const TFormatSettings TR = TFormatSettings::Turkce();
const TFormatSettings EN = TFormatSettings::Ingilizce();

// Sets the program's regional settings for one test and puts the old ones back.
class AyarKoru {
 public:
  explicit AyarKoru(const TFormatSettings& a) : eski_(BicimAyarlari()) { BicimAyarlariKur(a); }
  ~AyarKoru() { BicimAyarlariKur(eski_); }

 private:
  TFormatSettings eski_;
};

struct BicimDurumu {
  const char* desen;
  double deger;
  bool turkce;
  const char* beklenen;
};

TEST(FormatFloat, DesenlerTablosu) {
  const BicimDurumu durumlar[] = {
      {"#,###,##0.00", 1234567.5, true, "1.234.567,50"},
      {"#,###,##0.00", 0, true, "0,00"},
      {"#,###,##0.00", 0.5, true, "0,50"},
      {"#,###,##0.00", -1234.567, true, "-1.234,57"},
      {"#,###,##0.00", 999.995, true, "1.000,00"},
      {"#,###,##0.00", 1.005, true, "1,01"},
      {"#,###,##0.00", 2.675, true, "2,68"},
      {"#,###,##0.00", -0.005, true, "-0,01"},
      {"#,###,##0.00", -0.004, true, "0,00"},  // rounds to zero: no minus sign
      {"#,###,##0.00", 123456789012.345, true, "123.456.789.012,35"},
      {"#,###,##0.00", 1e18, true, "1.000.000.000.000.000.000,00"},
      {"#,###,##00.00", 5.5, true, "05,50"},
      {"#,###,##00.00", 1234.5, true, "1.234,50"},
      {"#,###,##00.00", 0, true, "00,00"},
      {"#,###,##.00", 0.5, true, ",50"},
      {"#,###,##.00", 0, true, ",00"},
      {"#,###,##.00", -0.25, true, "-,25"},
      {"#,###,##.00", 1234567.891, true, "1.234.567,89"},
      {",0.00 TL;-,0.00 TL", 1234.5, true, "1.234,50 TL"},
      {",0.00 TL;-,0.00 TL", -1234.5, true, "-1.234,50 TL"},
      {",0.00 TL;-,0.00 TL", 0, true, "0,00 TL"},
      {",0.00 TL;-,0.00 TL", -0.001, true, "0,00 TL"},
      {"0.00", 3.14159, true, "3,14"},
      {"0.00", 1234567.5, true, "1234567,50"},
      {"0", 2.5, true, "3"},
      {"0", -2.5, true, "-3"},
      {"0", 0.4, true, "0"},
      {"0.##", 1.5, true, "1,5"},
      {"0.##", 2, true, "2"},
      {"0.00;(0.00);\"sıfır\"", -2, true, "(2,00)"},
      {"0.00;(0.00);\"sıfır\"", 0, true, "sıfır"},
      {"\"Tutar: \"#,##0.00", 1500, true, "Tutar: 1.500,00"},
      {"#,###,##0.00", 1234567.5, false, "1,234,567.50"},
      {"#,###,##.00", 0.5, false, ".50"},
      {",0.00 TL;-,0.00 TL", -1234.5, false, "-1,234.50 TL"},
      {"0.00", 0.125, false, "0.13"},
  };
  for (const auto& d : durumlar) {
    EXPECT_EQ(FormatFloat(QString::fromUtf8(d.desen), d.deger, d.turkce ? TR : EN), QString::fromUtf8(d.beklenen))
        << d.desen << " " << d.deger;
  }
}

TEST(FormatFloat, SonluOlmayanDegerler) {
  EXPECT_EQ(FormatFloat("#,###,##0.00", std::nan(""), TR), "NAN");
  EXPECT_EQ(FormatFloat("#,###,##0.00", std::numeric_limits<double>::infinity(), TR), "INF");
  EXPECT_EQ(FormatFloat("#,###,##0.00", -std::numeric_limits<double>::infinity(), TR), "-INF");
}

TEST(FormatFloat, VarsayilanAyarlarProgramAyarlaridir) {
  AyarKoru k(EN);
  EXPECT_EQ(FormatFloat("#,###,##0.00", 1234.5), "1,234.50");
  BicimAyarlariKur(TR);
  EXPECT_EQ(FormatFloat("#,###,##0.00", 1234.5), "1.234,50");
}

TEST(FloatToStr, Tablo) {
  const struct {
    double deger;
    const char* turkce;
    const char* ingilizce;
  } durumlar[] = {
      {3, "3", "3"},
      {5.5, "5,5", "5.5"},
      {0.1, "0,1", "0.1"},
      {-0.25, "-0,25", "-0.25"},
      {0, "0", "0"},
      {100, "100", "100"},
      {1.0 / 3.0, "0,333333333333333", "0.333333333333333"},
      {0.1 + 0.2, "0,3", "0.3"},
      {0.0001, "0,0001", "0.0001"},
      {0.00001, "1E-5", "1E-5"},
      {1e14, "100000000000000", "100000000000000"},
      {1e15, "1E15", "1E15"},
      {1e20, "1E20", "1E20"},
      {123456789012345678.0, "1,23456789012346E17", "1.23456789012346E17"},
  };
  for (const auto& d : durumlar) {
    EXPECT_EQ(FloatToStr(d.deger, TR), QString::fromUtf8(d.turkce)) << d.deger;
    EXPECT_EQ(FloatToStr(d.deger, EN), QString::fromUtf8(d.ingilizce)) << d.deger;
  }
}

TEST(FormatF, IkiOndalikGruplamasiz) {
  EXPECT_EQ(FormatF(1234.5, 2, TR), "1234,50");
  EXPECT_EQ(FormatF(50, 2, TR), "50,00");
  EXPECT_EQ(FormatF(1.5, 2, TR), "1,50");
  EXPECT_EQ(FormatF(0.005, 2, TR), "0,01");
  EXPECT_EQ(FormatF(-0.001, 2, TR), "0,00");
  EXPECT_EQ(FormatF(-2.345, 2, TR), "-2,35");
  EXPECT_EQ(FormatF(1234.5, 2, EN), "1234.50");
  EXPECT_EQ(FormatF(7.6, 0, TR), "8");
  // the download window's progress text is built from these pieces
  EXPECT_EQ(QString("%1  İndirilen: %2/%3").arg(FormatF(50, 2, TR), FormatF(1.5, 2, TR), FormatF(3, 2, TR)),
            "50,00  İndirilen: 1,50/3,00");
}

TEST(StrToFloat, GecerliMetinler) {
  const struct {
    const char* metin;
    bool turkce;
    double beklenen;
  } durumlar[] = {
      {"3", true, 3},         {"5,5", true, 5.5},     {",50", true, 0.5},        {"-,50", true, -0.5},
      {" 12,25 ", true, 12.25}, {"+1", true, 1},      {"1E3", true, 1000},       {"1,5e-2", true, 0.015},
      {"0", true, 0},         {"7,", true, 7},        {"1234567,89", true, 1234567.89},
      {"1e-400", true, 0},    {"1.5", false, 1.5},    {".5", false, 0.5},        {"-1234.5", false, -1234.5},
  };
  for (const auto& d : durumlar) {
    double v = -99;
    EXPECT_TRUE(TryStrToFloat(QString::fromUtf8(d.metin), v, d.turkce ? TR : EN)) << d.metin;
    EXPECT_EQ(v, d.beklenen) << d.metin;
    EXPECT_EQ(StrToFloat(QString::fromUtf8(d.metin), d.turkce ? TR : EN), d.beklenen) << d.metin;
  }
}

TEST(StrToFloat, GecersizMetinler) {
  const struct {
    const char* metin;
    bool turkce;
  } durumlar[] = {
      {"", true},   {"   ", true},  {"abc", true},    {"1.234,5", true}, {"1,2,3", true}, {"12a", true},
      {"e5", true}, {"-", true},    {",", true},      {"1e", true},      {"1e999", true}, {"0,0001e99999", true}, {"--1", true},
      {"1,5", false}, {"NAN", true}, {"INF", true},   {"١٢", true},
  };
  for (const auto& d : durumlar) {
    double v = 42;
    EXPECT_FALSE(TryStrToFloat(QString::fromUtf8(d.metin), v, d.turkce ? TR : EN)) << d.metin;
    EXPECT_EQ(v, 42) << "failed reads leave the target alone: " << d.metin;
    EXPECT_THROW(StrToFloat(QString::fromUtf8(d.metin), d.turkce ? TR : EN), EDonusumHatasi) << d.metin;
  }
}

TEST(IkiHaneYuvarla, YarimlarSifirdanUzaga) {
  const struct {
    double girdi;
    double beklenen;
  } durumlar[] = {
      {1.005, 1.01},   {2.675, 2.68},       {-0.005, -0.01},       {0.125, 0.13},  {-1234.565, -1234.57},
      {0.5, 0.5},      {0, 0},              {1234567.891, 1234567.89}, {0.1 + 0.2, 0.3}, {0.004, 0},
      {99.995, 100},   {1e12 + 0.5, 1e12 + 0.5},  {-0.001, 0},
  };
  for (bool turkce : {true, false}) {
    AyarKoru k(turkce ? TR : EN);
    for (const auto& d : durumlar) EXPECT_EQ(IkiHaneYuvarla(d.girdi), d.beklenen) << d.girdi << " turkce=" << turkce;
  }
  EXPECT_TRUE(std::isnan(IkiHaneYuvarla(std::nan(""))));
}

TEST(BicimAyarlari, SistemYereli) {
  const QLocale sys = QLocale::system();
  if (sys.language() == QLocale::C || sys.language() == QLocale::Turkish) {
    EXPECT_EQ(SistemBicimAyarlari(), TR);
  } else {
    EXPECT_EQ(SistemBicimAyarlari().DecimalSeparator, sys.decimalPoint().at(0));
  }
}

TEST(BicimAyarlari, CKutuphanesininYereliEtkilemez) {
  // Whatever the C library's numeric locale says, texts depend only on the settings given.
  const std::string eski = std::setlocale(LC_NUMERIC, nullptr);
  std::setlocale(LC_NUMERIC, "tr_TR.UTF-8");
  EXPECT_EQ(FloatToStr(0.5, EN), "0.5");
  EXPECT_EQ(FormatFloat("#,###,##0.00", 1234.5, EN), "1,234.50");
  EXPECT_EQ(StrToFloat("0.5", EN), 0.5);
  EXPECT_EQ(StrToFloat("0,5", TR), 0.5);
  std::setlocale(LC_NUMERIC, eski.c_str());
}

}  // namespace
