// Discount step, URL encoding, browser locator and the data-set helpers.
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/core/sayibicim.h"
#include "platform/core/veriseti.h"
#include "session/utils.h"

TEST(Utils, IskontoDus) {
  struct Durum {
    double tutar, yuzde, beklenen;
  };
  const Durum durumlar[] = {
      {1000, 5, 950},     {1000, 0, 1000},   {1000, -5, 1000}, {200, 12.5, 175},
      {0, 10, 0},         {1000, 100, 0},    {-400, 25, -300}, {99.99, 1e-9, 99.99 - 99.99 * 1e-9 / 100},
  };
  for (const auto& d : durumlar) EXPECT_DOUBLE_EQ(IskontoDus(d.tutar, d.yuzde), d.beklenen) << d.tutar << " " << d.yuzde;
  // no rounding
  EXPECT_EQ(IskontoDus(10, 3.3), 10 - 10 * 3.3 / 100);
}

TEST(Utils, SiparisTurleri) {
  EXPECT_EQ(sNormal, 0);
  EXPECT_EQ(sTekCEkim, 1);
  EXPECT_EQ(sNakit, 2);
  const TSiparisIndirimler i;
  EXPECT_EQ(i.NakitFiyatIskonto, 0.0);
  EXPECT_EQ(i.TekCekimFiyatIskonto, 0.0);
}

TEST(Utils, UrlKodla) {
  const std::pair<const char*, const char*> durumlar[] = {
      {"", ""},
      {"abcXYZ019", "abcXYZ019"},
      {"-._~", "-._~"},
      {"fren balatası", "fren%20balatas%C4%B1"},
      {"ŞİĞÜÖÇ", "%C5%9E%C4%B0%C4%9E%C3%9C%C3%96%C3%87"},
      {"a&b=c/d?e#f+g%", "a%26b%3Dc%2Fd%3Fe%23f%2Bg%25"},
      {"#KAMPANYA#", "%23KAMPANYA%23"},
  };
  for (const auto& [girdi, beklenen] : durumlar)
    EXPECT_EQ(UrlKodla(QString::fromUtf8(girdi)), QString::fromUtf8(beklenen)) << girdi;
}

TEST(Utils, ChromeYolu) {
  QTemporaryDir d;
  ASSERT_TRUE(d.isValid());
  const QString a = d.filePath("a"), b = d.filePath("b"), c = d.filePath("c");
  QFile(b).open(QIODevice::WriteOnly);
  QFile(c).open(QIODevice::WriteOnly);
  EXPECT_EQ(IlkVarOlanDosya({a, b, c}), b);
  EXPECT_EQ(IlkVarOlanDosya({a, d.path()}), QString());  // a folder is not the browser
  EXPECT_EQ(IlkVarOlanDosya({}), QString());
  const QStringList adaylar = ChromeAdaylari();
  ASSERT_FALSE(adaylar.isEmpty());
  EXPECT_EQ(adaylar.first(), QStringLiteral("/usr/bin/google-chrome"));
  EXPECT_TRUE(adaylar.contains(QStringLiteral("/usr/bin/chromium")));
  EXPECT_EQ(ChromeYoluBul(), IlkVarOlanDosya(adaylar));
}

namespace {

// A basket-like data set: SEC, STOKADI and two float-ish columns; rows given as SEC values
// (-1 for null).
void SepetKur(TClientDataSet& ds, const std::vector<int>& secimler, bool ac = true) {
  ds.ClearFields();
  const int sec = ds.AddField(QStringLiteral("SEC"), TFieldType::ftInteger);
  const int ad = ds.AddField(QStringLiteral("STOKADI"), TFieldType::ftString, 50);
  for (std::size_t i = 0; i < secimler.size(); ++i) {
    const int r = ds.AppendRow();
    if (secimler[i] < 0) ds.SetNullAt(r, sec);
    else ds.SetIntAt(r, sec, secimler[i]);
    ds.SetTextAt(r, ad, QStringLiteral("stok %1").arg(i + 1));
  }
  if (ac) ds.Open();
}

}  // namespace

TEST(Utils, VeriVarmiVeSeciliVarmi) {
  struct Durum {
    const char* ad;
    std::vector<int> secimler;
    bool ac;
    bool veri, secili;
    int konum;  // RecNo after SeciliVarmi (1-based), 0 to skip
  };
  const Durum durumlar[] = {
      {"kapali", {1, 1}, false, false, false, 0},
      {"bos", {}, true, false, false, 0},
      {"hic secili yok", {0, 2, -1}, true, true, false, 0},
      {"ikinci satir secili", {0, 1, 1}, true, true, true, 2},
      {"ilk satir secili", {1, 0}, true, true, true, 1},
      {"son satir secili", {0, 0, 0, 1}, true, true, true, 4},
  };
  for (const auto& d : durumlar) {
    SCOPED_TRACE(d.ad);
    TClientDataSet ds;
    SepetKur(ds, d.secimler, d.ac);
    EXPECT_EQ(VeriVarmi(ds), d.veri);
    if (d.ac && !d.secimler.empty()) ds.Last();
    EXPECT_EQ(SeciliVarmi(ds), d.secili);
    if (d.secili) {
      EXPECT_EQ(ds.RecNo(), d.konum);
      EXPECT_EQ(ds.FieldByName("SEC")->AsInteger(), 1);
    } else if (d.veri) {
      EXPECT_TRUE(ds.Eof());  // stands after the last row
    }
  }
  EXPECT_FALSE(VeriVarmi(static_cast<TClientDataSet*>(nullptr)));
  EXPECT_FALSE(SeciliVarmi(static_cast<TClientDataSet*>(nullptr)));
}

TEST(Utils, SecAlaniOlmayanVeriSeti) {
  TClientDataSet ds;
  ds.AddField(QStringLiteral("STOKADI"), TFieldType::ftString);
  ds.AppendRow();
  ds.Open();
  EXPECT_TRUE(VeriVarmi(ds));
  EXPECT_FALSE(SeciliVarmi(ds));
}

TEST(Utils, FloatAlanBicimleYalnizOndalikAlanlar) {
  TClientDataSet ds;
  const std::pair<const char*, TFieldType> alanlar[] = {
      {"TUTAR", TFieldType::ftFloat},    {"PARA", TFieldType::ftCurrency}, {"ONDALIK", TFieldType::ftBCD},
      {"ADET", TFieldType::ftInteger},   {"AD", TFieldType::ftString},      {"TARIH", TFieldType::ftDateTime},
  };
  for (const auto& [ad, tur] : alanlar) ds.AddField(QString::fromLatin1(ad), tur);
  ds.Open();
  FloatAlanBicimle(ds);
  for (const auto& [ad, tur] : alanlar) {
    SCOPED_TRACE(ad);
    EXPECT_EQ(ds.FieldByName(QString::fromLatin1(ad))->DisplayFormat(),
              tur == TFieldType::ftFloat ? QStringLiteral("#,###,##0.00") : QString());
  }
  FloatAlanBicimle(static_cast<TClientDataSet*>(nullptr));  // nothing to do, no crash

  // under Turkish regional settings
  const TFormatSettings onceki = BicimAyarlari();
  BicimAyarlariKur(TFormatSettings::Turkce());
  const int tutar = ds.FieldByName(QStringLiteral("TUTAR"))->Index();
  const std::pair<double, const char*> degerler[] = {{1234567.5, "1.234.567,50"}, {0, "0,00"}, {-12.345, "-12,35"}};
  for (const auto& [deger, metin] : degerler) {
    const int r = ds.AppendRow();
    ds.SetFloatAt(r, tutar, deger);
    EXPECT_EQ(ds.DisplayTextAt(r, tutar), QString::fromUtf8(metin)) << deger;
  }
  BicimAyarlariKur(onceki);
}
