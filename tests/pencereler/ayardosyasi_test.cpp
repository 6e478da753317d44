// The settings file reader/writer: verbatim UTF-8 keys, case-insensitive lookup,
// preserved foreign entries, tolerant reading of damaged files, atomic save.
#include "session/ayardosyasi.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {
QByteArray DosyaOku(const QString& yol) {
  QFile f(yol);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly));
  return f.readAll();
}
void DosyaYaz(const QString& yol, const QByteArray& veri) {
  QFile f(yol);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(veri);
}
}  // namespace

TEST(AyarDosyasi, WritesTurkishKeyVerbatimAndReadsItBack) {
  QTemporaryDir dir;
  const QString yol = dir.filePath("ayar.ini");
  TAyarDosyasi yaz(yol);
  EXPECT_FALSE(yaz.Varmi());
  yaz.Oku();
  yaz.DegerYaz("kullanici", "isim", "ŞÜKRÜ ÇAĞ");
  yaz.DegerYaz("kullanici", "sifre", "A=B;C");
  yaz.MantiksalYaz("kullanici", "hatırla", false);
  ASSERT_TRUE(yaz.Kaydet());

  const QByteArray ham = DosyaOku(yol);
  EXPECT_EQ(QString::fromUtf8(ham),
            QString::fromUtf8("[kullanici]\r\nisim=ŞÜKRÜ ÇAĞ\r\nsifre=A=B;C\r\nhatırla=0\r\n"));
  EXPECT_FALSE(ham.contains("%U"));

  TAyarDosyasi oku(yol);
  ASSERT_TRUE(oku.Oku());
  EXPECT_EQ(oku.DegerOku("kullanici", "isim"), QString::fromUtf8("ŞÜKRÜ ÇAĞ"));
  EXPECT_EQ(oku.DegerOku("kullanici", "sifre"), "A=B;C");
  EXPECT_FALSE(oku.MantiksalOku("kullanici", "hatırla", true));
}

TEST(AyarDosyasi, RewriteKeepsForeignEntriesAndOrder) {
  QTemporaryDir dir;
  const QString yol = dir.filePath("ayar.ini");
  DosyaYaz(yol, "; not\n[diger]\na=1\n\n[KULLANICI]\nISIM=ESKI\nrenk=mavi\n");
  TAyarDosyasi a(yol);
  ASSERT_TRUE(a.Oku());
  a.DegerYaz("kullanici", "isim", "YENI");
  a.MantiksalYaz("kullanici", "hatırla", true);
  ASSERT_TRUE(a.Kaydet());
  EXPECT_EQ(DosyaOku(yol),
            QByteArray("; not\r\n[diger]\r\na=1\r\n\r\n[KULLANICI]\r\nISIM=YENI\r\nrenk=mavi\r\n") +
                QString::fromUtf8("hatırla=1\r\n").toUtf8());
}

struct OkumaDurumu {
  const char* ad;
  QByteArray icerik;
  QString isim;
  bool hatirla;  // read with default true
};

class AyarOkuma : public ::testing::TestWithParam<OkumaDurumu> {};

TEST_P(AyarOkuma, ReadsAsFarAsItGoes) {
  const auto& d = GetParam();
  TAyarDosyasi a(QStringLiteral("yok"));
  a.MetniYukle(d.icerik);
  EXPECT_EQ(a.DegerOku("kullanici", "isim", "-"), d.isim) << d.ad;
  EXPECT_EQ(a.MantiksalOku("kullanici", "hatırla", true), d.hatirla) << d.ad;
}

INSTANTIATE_TEST_SUITE_P(
    Durumlar, AyarOkuma,
    ::testing::Values(
        OkumaDurumu{"empty", "", "-", true},
        OkumaDurumu{"bom and crlf", QByteArray("\xEF\xBB\xBF[kullanici]\r\nisim=AL\xC4\xB0\r\nhat\xC4\xB1rla=0\r\n"),
                    QString::fromUtf8("ALİ"), false},
        OkumaDurumu{"spaces around", QByteArray("  [ kullanici ] \n  isim =  VELI  \n hat\xC4\xB1rla = 5\n"), "VELI",
                    true},
        OkumaDurumu{"not a number keeps default", QByteArray("[kullanici]\nhat\xC4\xB1rla=evet\n"), "-", true},
        OkumaDurumu{"hex number", QByteArray("[kullanici]\nhat\xC4\xB1rla=0x0\n"), "-", false},
        OkumaDurumu{"truncated in the middle", QByteArray("[kullanici]\nisim=AHMET\nhat\xC4"), "AHMET", true},
        OkumaDurumu{"garbage and nul bytes", QByteArray("\x01\x02[kull\0\xFF\n[kullanici\nisim\n=x\n[kullanici]\nisim=Z\n", 48),
                    "Z", true},
        OkumaDurumu{"key outside any section", QByteArray("isim=X\n"), "-", true},
        OkumaDurumu{"other section", QByteArray("[baska]\nisim=X\n"), "-", true}),
    [](const auto& info) {
      std::string s = info.param.ad;
      for (auto& c : s)
        if (!isalnum(static_cast<unsigned char>(c))) c = '_';
      return s;
    });

TEST(AyarDosyasi, SaveFailsCleanlyWhenFolderIsMissing) {
  QTemporaryDir dir;
  TAyarDosyasi a(dir.filePath("yok/klasor/ayar.ini"));
  a.DegerYaz("kullanici", "isim", "X");
  QString hata;
  EXPECT_FALSE(a.Kaydet(&hata));
  EXPECT_FALSE(hata.isEmpty());
}

TEST(AyarDosyasi, ValueWithLineBreakStaysOneEntry) {
  QTemporaryDir dir;
  const QString yol = dir.filePath("ayar.ini");
  TAyarDosyasi a(yol);
  a.DegerYaz("kullanici", "isim", "A\r\n[kotu]\nsifre=B");
  ASSERT_TRUE(a.Kaydet());
  TAyarDosyasi b(yol);
  ASSERT_TRUE(b.Oku());
  EXPECT_EQ(b.DegerOku("kullanici", "isim"), "A  [kotu] sifre=B");
  EXPECT_EQ(b.DegerOku("kullanici", "sifre", "-"), "-");
}
