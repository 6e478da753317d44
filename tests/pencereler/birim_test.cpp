// Pure rules of the windows: account-type rules, the command line, the download's progress
// text and the page counters' number text.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "mainwindow/rolkurallari.h"
#include "mainwindow/yukleme.h"
#include "platform/core/sayibicim.h"
#include "platform/core/veriseti.h"
#include "session/dosyaindiru.h"
#include "session/programayarlari.h"

TEST(RolKurallari, EachAccountType) {
  struct Durum {
    int tip;
    bool musteritus, raporlar, kalan, siparis, durum, kampanyaSayfasi, kampanyaSutunlari;
  };
  const Durum durumlar[] = {
      {0, false, false, false, false, true, true, true},
      {1, true, true, true, true, true, true, true},
      {2, true, true, true, true, true, true, true},
      {3, false, false, false, false, false, true, true},
      {4, false, false, false, false, true, false, false},
      {9, false, false, false, false, true, true, true},
  };
  for (const Durum& d : durumlar) {
    const TRolKurallari r = RolKurallari(d.tip);
    SCOPED_TRACE(d.tip);
    EXPECT_EQ(r.musteritus, d.musteritus);
    EXPECT_EQ(r.raporlar, d.raporlar);
    EXPECT_EQ(r.kalanSutunu, d.kalan);
    EXPECT_EQ(r.siparisSutunlari, d.siparis);
    EXPECT_EQ(r.sepetDurumSutunu, d.durum);
    EXPECT_EQ(r.kampanyaSayfasi, d.kampanyaSayfasi);
    EXPECT_EQ(r.kampanyaSutunlari, d.kampanyaSutunlari);
  }
}

TEST(KomutSatiri, OverridesAndRejects) {
  struct Durum {
    QStringList arg;
    bool tamam;
    QString host, port, web, uretici, kimlik;
    bool otomatik;
  };
  const TProgramAyarlari varsayilan;
  const Durum durumlar[] = {
      {{}, true, varsayilan.SunucuHost, "9090", varsayilan.WebAdres, varsayilan.UreticiAdres, "", false},
      {{"--sunucu", "127.0.0.1:4567", "--web", "http://127.0.0.1:80/portal", "--uretici", "https://u.example.com",
        "--kimlik", "DEMO-MUSTERI", "--otomatik-giris"},
       true, "127.0.0.1", "4567", "http://127.0.0.1:80/portal/", "https://u.example.com/", "DEMO-MUSTERI", true},
      {{"--sunucu", "sunucu.local"}, true, "sunucu.local", "9090", varsayilan.WebAdres, varsayilan.UreticiAdres, "", false},
      {{"--sunucu", "[::1]:9091"}, true, "::1", "9091", varsayilan.WebAdres, varsayilan.UreticiAdres, "", false},
      {{"--sunucu", "host:0"}, false},
      {{"--sunucu", "host:70000"}, false},
      {{"--sunucu", ":9090"}, false},
      {{"--web", "ftp://x/"}, false},
      {{"--uretici", "yok"}, false},
      {{"--bilinmeyen"}, false},
  };
  for (const Durum& d : durumlar) {
    SCOPED_TRACE(d.arg.join(' ').toStdString());
    ProgramAyarlari() = TProgramAyarlari{};
    QString hata;
    const bool tamam = KomutSatiriniUygula(QStringList{"DravikB2B"} + d.arg, &hata);
    EXPECT_EQ(tamam, d.tamam) << hata.toStdString();
    if (!tamam || !d.tamam) {
      EXPECT_FALSE(hata.isEmpty());
      continue;
    }
    const TProgramAyarlari& a = ProgramAyarlari();
    EXPECT_EQ(a.SunucuHost, d.host);
    EXPECT_EQ(a.SunucuPort, d.port);
    EXPECT_EQ(a.WebAdres, d.web);
    EXPECT_EQ(a.UreticiAdres, d.uretici);
    EXPECT_EQ(a.Kimlik, d.kimlik);
    EXPECT_EQ(a.OtomatikGiris, d.otomatik);
  }
  ProgramAyarlari() = TProgramAyarlari{};
}

TEST(KomutSatiri, HelpNamesEveryOption) {
  QString yardim;
  ASSERT_TRUE(KomutSatiriniUygula({"DravikB2B"}, nullptr, &yardim));
  for (const char* s : {"--sunucu <HOST:PORT>", "--web <URL>", "--uretici <URL>", "--kimlik", "--otomatik-giris"})
    EXPECT_TRUE(yardim.contains(QLatin1String(s))) << s;
}

TEST(Indirme, ProgressTextUnderRegionalSettings) {
  struct Durum {
    TFormatSettings ayar;
    qint64 okunan, toplam;
    const char* metin;
  };
  const qint64 mb = 1024 * 1024;
  const Durum durumlar[] = {
      {TFormatSettings::Turkce(), 3 * mb / 2, 3 * mb, "Bilgi: %50,00  İndirilen: 1,50/3,00 Mb"},
      {TFormatSettings::Turkce(), 0, 262144, "Bilgi: %0,00  İndirilen: 0,00/0,25 Mb"},
      {TFormatSettings::Turkce(), 262144, 262144, "Bilgi: %100,00  İndirilen: 0,25/0,25 Mb"},
      {TFormatSettings::Turkce(), 1, 3, "Bilgi: %33,33  İndirilen: 0,00/0,00 Mb"},
      {TFormatSettings::Ingilizce(), 3 * mb / 2, 3 * mb, "Bilgi: %50.00  İndirilen: 1.50/3.00 Mb"},
      {TFormatSettings::Turkce(), 1536 * mb, 3072 * mb, "Bilgi: %50,00  İndirilen: 1536,00/3072,00 Mb"},
  };
  const TFormatSettings onceki = BicimAyarlari();
  for (const Durum& d : durumlar) {
    BicimAyarlariKur(d.ayar);
    EXPECT_EQ(Tdosyaindir::IlerlemeMetni(d.okunan, d.toplam), QString::fromUtf8(d.metin));
  }
  BicimAyarlariKur(onceki);
}

TEST(Sayac, NumberTextOfCounterValues) {
  const TFormatSettings onceki = BicimAyarlari();
  BicimAyarlariKur(TFormatSettings::Turkce());
  TClientDataSet ds;
  ds.AddField("a", TFieldType::ftInteger);
  ds.AddField("b", TFieldType::ftLargeint);
  ds.AddField("c", TFieldType::ftFloat);
  ds.AddField("d", TFieldType::ftFloat);
  ds.AddField("e", TFieldType::ftFloat);
  const int r = ds.AppendRow();
  ds.SetIntAt(r, 0, 12345);
  ds.SetIntAt(r, 1, 7);
  ds.SetFloatAt(r, 2, 7.0);
  ds.SetFloatAt(r, 3, 2.5);
  ds.SetFloatAt(r, 4, -3.0);
  ds.Open();
  ds.First();
  const char* beklenen[] = {"12345", "7", "7", "2,5", "-3"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(SayacMetni(ds.Fields(i)), QString::fromUtf8(beklenen[i])) << i;
  BicimAyarlariKur(onceki);
}
