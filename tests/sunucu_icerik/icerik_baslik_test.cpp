// Header content and content pages: demo data, counters, banners, opening screens, new and
// campaign stocks, downloadable files.

#include <gtest/gtest.h>

#include <QCryptographicHash>

#include "icerik_ortam.h"
#include "platform/core/paket.h"

namespace {

// Everything the content side stored, as one fingerprint.
QByteArray IcerikParmakIzi(sqlite3* db) {
  QCryptographicHash h(QCryptographicHash::Sha256);
  for (const char* tablo : {"icerikayar", "bannerlar", "acilisekranlari", "dosyalar", "carieki", "ekstre", "faturalar",
                            "faturasatirlari", "tahsilatlar", "sanalpos"}) {
    sqlite3_stmt* st = nullptr;
    const QByteArray sql = QByteArray("SELECT * FROM ") + tablo + " ORDER BY 1";
    sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr);
    while (sqlite3_step(st) == SQLITE_ROW)
      for (int c = 0; c < sqlite3_column_count(st); ++c) {
        const void* p = sqlite3_column_blob(st, c);
        h.addData(QByteArrayView(static_cast<const char*>(p), sqlite3_column_bytes(st, c)));
        h.addData("|");
      }
    sqlite3_finalize(st);
  }
  return h.result();
}

}  // namespace

TEST(IcerikVerisi, AyniTohumAyniVeriFarkliTohumFarkliVeri) {
  IcerikVeritabani a(7), b(7), c(8);
  EXPECT_EQ(IcerikParmakIzi(a.db), IcerikParmakIzi(b.db));
  EXPECT_NE(IcerikParmakIzi(a.db), IcerikParmakIzi(c.db));
  // a second set-up on a filled database adds nothing
  const qint64 once = Sayi(a.db, QStringLiteral("SELECT COUNT(*) FROM ekstre"));
  IcerikVerisiKur(a.db, VeriAyarlari{7, 300, {}});
  EXPECT_EQ(Sayi(a.db, QStringLiteral("SELECT COUNT(*) FROM ekstre")), once);
  EXPECT_EQ(IcerikParmakIzi(a.db), IcerikParmakIzi(b.db));
}

class BaslikIcerigi : public IcerikSuiti {};

TEST_F(BaslikIcerigi, SayaclarKonumlaOkunanBesDegerVerir) {
  const IcerikTablo t = BalonTablosu(v_->db, MusteriOturumu());
  ASSERT_EQ(t.satirlar.size(), 1u);
  ASSERT_EQ(t.Adlar(), (QStringList{"SEPET", "YENI", "KAMPANYA", "DUYURU", "BAKIYE"}));
  const std::vector<IcerikTur> turler = {IcerikTur::Int, IcerikTur::Int, IcerikTur::Int, IcerikTur::Int,
                                         IcerikTur::Float};
  for (std::size_t i = 0; i < turler.size(); ++i) EXPECT_EQ(t.sutunlar[i].tur, turler[i]) << i;
  const auto& s = t.satirlar[0];
  EXPECT_EQ(s[0].toLongLong(), Sayi(v_->db, QStringLiteral("SELECT COUNT(*) FROM sepet WHERE CARINO = 1")));
  EXPECT_EQ(s[1].toLongLong(), Sayi(v_->db, QStringLiteral("SELECT COUNT(*) FROM stoklar WHERE Y > 0")));
  EXPECT_EQ(s[2].toLongLong(), Sayi(v_->db, QStringLiteral("SELECT COUNT(*) FROM stoklar WHERE K > 0")));
  EXPECT_EQ(s[3].toInt(), AcilisReklamSayisi(v_->db));
  EXPECT_EQ(s[4].toDouble(),
            double(Sayi(v_->db, QStringLiteral("SELECT COUNT(*) FROM siparissatirlari WHERE CARINO = 1 AND KALAN > 0"))));
  EXPECT_GT(s[1].toInt(), 0);
  EXPECT_GT(s[2].toInt(), 0);

  IcerikOturum kampanyasiz = MusteriOturumu();
  kampanyasiz.musteriTipi = 4;
  EXPECT_EQ(BalonTablosu(v_->db, kampanyasiz).satirlar[0][2].toInt(), 0);
}

TEST_F(BaslikIcerigi, KayanYaziBasitHtmlVeTurkce) {
  const QString y = KayanYazi(v_->db);
  EXPECT_TRUE(y.contains(QStringLiteral("<b>")));
  EXPECT_TRUE(y.contains(QStringLiteral("siparişler")));
  EXPECT_FALSE(y.trimmed().isEmpty());
}

TEST_F(BaslikIcerigi, BannerlarBicimleriyle) {
  const QByteArray baslik = BannerResmi(v_->db, 1), ust = BannerResmi(v_->db, 2), alt = BannerResmi(v_->db, 3);
  EXPECT_TRUE(baslik.startsWith("\xFF\xD8\xFF"));
  EXPECT_EQ(KareSayisi(baslik, "jpeg"), 1);
  EXPECT_TRUE(ust.startsWith("GIF89a"));
  EXPECT_GT(KareSayisi(ust, "gif"), 1);
  EXPECT_TRUE(alt.startsWith("BM"));
  const QImage bmp = QImage::fromData(alt, "BMP");
  ASSERT_FALSE(bmp.isNull());
  EXPECT_GT(bmp.height(), 10);
  EXPECT_TRUE(BannerResmi(v_->db, 4).isEmpty());
}

TEST(GifYazici, KarelerGeriOkununcaAyniRenkleriVerir) {
  // flat frames of palette colours come back exactly, also over the 4096-code dictionary limit
  std::vector<QImage> kareler;
  const QRgb renkler[] = {qRgb(255, 0, 0), qRgb(0, 102, 255), qRgb(255, 255, 255)};
  for (QRgb r : renkler) {
    QImage im(300, 200, QImage::Format_RGB32);
    im.fill(r);
    for (int x = 0; x < 300; x += 7) im.setPixel(x, (x * 13) % 200, qRgb(0, 0, 0));
    kareler.push_back(im);
  }
  const QByteArray gif = GifAnimasyonYaz(kareler, 50);
  QByteArray kopya = gif;
  QBuffer buf(&kopya);
  buf.open(QIODevice::ReadOnly);
  QImageReader r(&buf, "gif");
  for (std::size_t i = 0; i < kareler.size(); ++i) {
    const QImage im = r.read();
    ASSERT_FALSE(im.isNull()) << i;
    for (const QPoint p : {QPoint(1, 1), QPoint(299, 199), QPoint(7, 91), QPoint(150, 100)})
      EXPECT_EQ(im.pixel(p) & 0xFFFFFF, kareler[i].pixel(p) & 0xFFFFFF) << i << " " << p.x() << "," << p.y();
  }
  EXPECT_TRUE(r.read().isNull());
}

TEST_F(BaslikIcerigi, AcilisEkranlariJpegHexVeBaglantilar) {
  const auto ekranlar = AcilisEkranlari(v_->db);
  ASSERT_EQ(int(ekranlar.size()), AcilisReklamSayisi(v_->db));
  ASSERT_GE(ekranlar.size(), 3u);
  QStringList baglantilar;
  for (const auto& e : ekranlar) {
    EXPECT_FALSE(e.baslik.isEmpty());
    const QByteArray b = QByteArray::fromHex(e.resim.toLatin1());
    EXPECT_EQ(e.resim.size(), b.size() * 2);
    EXPECT_TRUE(b.startsWith("\xFF\xD8\xFF")) << e.siraNo;
    EXPECT_FALSE(QImage::fromData(b, "JPEG").isNull()) << e.siraNo;
    baglantilar << e.arama;
  }
  EXPECT_TRUE(baglantilar.contains(QStringLiteral("#KAMPANYA#")));
  EXPECT_TRUE(baglantilar.contains(QStringLiteral("#YENİ#")));
  EXPECT_TRUE(std::any_of(baglantilar.begin(), baglantilar.end(),
                          [](const QString& s) { return !s.isEmpty() && !s.startsWith(QLatin1Char('#')); }));

  // one advertisement by position counted from 0; outside the range there is none
  struct Durum {
    int sira;
    bool var;
  };
  for (const Durum d : {Durum{0, true}, Durum{int(ekranlar.size()) - 1, true}, Durum{int(ekranlar.size()), false},
                        Durum{-1, false}}) {
    const auto e = AcilisReklami(v_->db, d.sira);
    EXPECT_EQ(e.has_value(), d.var) << d.sira;
    if (e) EXPECT_EQ(e->baslik, ekranlar[std::size_t(d.sira)].baslik);
  }
}

TEST(YeniStoklar, MusteriyeStokAramasiGibiFiyatlanir) {
  IcerikVeritabani v;
  // one new stock on campaign
  IcerikCalistir(v.db, QStringLiteral("UPDATE stoklar SET K = 1, KAMPFIYAT = ROUND(FIYAT * 0.8, 2) WHERE STOK_STOKNO = "
                                      "(SELECT MIN(STOK_STOKNO) FROM stoklar WHERE Y > 0)"));
  struct Durum {
    int carino;
    bool kampanyali;  // customer 3's account has no campaigns
  };
  for (const Durum d : {Durum{1, true}, Durum{3, false}}) {
    TClientDataSet ds;
    PaketiYukle(TVeriPaketi(QByteArray::fromStdString(YeniStoklarPaketi(v.db, d.carino))), ds);
    ASSERT_EQ(qint64(ds.RecordCount()), Sayi(v.db, QStringLiteral("SELECT COUNT(*) FROM stoklar WHERE Y > 0")));
    for (const char* ad : {"BARKOD", "ADI", "BIRIM", "MARKA", "K", "LISTEFIYAT1", "KAMPFIYAT", "INDIRIMYAZI", "NETFIYAT",
                           "KDVDAHIL", "OEM1", "OEM4", "FINISHKOD", "URETICIKODU", "DIGERADI", "OEMNO", "MODEL",
                           "ANAGRUP", "OZELKOD", "KDV", "FIYAT", "STOK_STOKNO", "BARKOD_BARKODNO", "DPKOD", "KALAN",
                           "PKOD", "ALINANSIPARIS", "VERILENSIPARIS", "INDIRIM"})
      EXPECT_NE(ds.FindField(QLatin1String(ad)), nullptr) << ad;
    int kampanyaliSatir = 0;
    for (ds.First(); !ds.Eof(); ds.Next()) {
      const double net = ds.FieldByName(QStringLiteral("NETFIYAT"))->AsFloat();
      const double kdv = ds.FieldByName(QStringLiteral("KDV"))->AsFloat();
      EXPECT_NEAR(ds.FieldByName(QStringLiteral("KDVDAHIL"))->AsFloat(), IcerikYuvarla(net * (1 + kdv / 100)), 0.001);
      EXPECT_LE(net, ds.FieldByName(QStringLiteral("LISTEFIYAT1"))->AsFloat() + 0.001);
      if (ds.FieldByName(QStringLiteral("K"))->AsInteger() > 0) {
        ++kampanyaliSatir;
        EXPECT_DOUBLE_EQ(net, ds.FieldByName(QStringLiteral("KAMPFIYAT"))->AsFloat());
      }
    }
    EXPECT_EQ(kampanyaliSatir > 0, d.kampanyali) << d.carino;
  }
}

TEST_F(BaslikIcerigi, KampanyaliStoklarHesapTuruneGore) {
  const qint64 kampanyali = Sayi(v_->db, QStringLiteral("SELECT COUNT(*) FROM stoklar WHERE K > 0 AND KAMPFIYAT > 0"));
  struct Durum {
    int tip;
    qint64 satir;
  };
  for (const Durum d : {Durum{0, kampanyali}, Durum{1, kampanyali}, Durum{2, kampanyali}, Durum{4, 0}}) {
    const IcerikTablo t = KampanyaliStoklar(v_->db, 1, d.tip);
    EXPECT_EQ(qint64(t.satirlar.size()), d.satir) << d.tip;
    for (const char* ad : {"BARKOD", "ADI", "RESIM", "BIRIM", "MARKA", "ESKIFIYAT", "FIYAT", "Y", "K", "INDIRIMYAZI",
                           "NETFIYAT", "KDVDAHIL", "DURUM", "STOK_STOKNO", "KALAN"})
      EXPECT_GE(t.Sutun(QLatin1String(ad)), 0) << ad;
    for (int i = 0; i < int(t.satirlar.size()); ++i) {
      EXPECT_EQ(t.Deger(i, "K").toInt(), 1);
      EXPECT_LT(t.Deger(i, "FIYAT").toDouble(), t.Deger(i, "ESKIFIYAT").toDouble());
      EXPECT_DOUBLE_EQ(t.Deger(i, "NETFIYAT").toDouble(), t.Deger(i, "FIYAT").toDouble());
      EXPECT_TRUE(t.Deger(i, "INDIRIMYAZI").toString().startsWith(QLatin1Char('%')));
    }
  }
  EXPECT_GT(kampanyali, 0);
}

TEST_F(BaslikIcerigi, DosyalarTurleriVeBaytlari) {
  const IcerikTablo t = DosyaListesi(v_->db);
  ASSERT_EQ(t.Adlar(), (QStringList{"SIRANO", "TUR", "ACIKLAMA", "DOSYAYOL", "ILERI"}));
  struct Beklenen {
    QString uzanti;
    int tur;
    QByteArray bas;
  };
  const std::vector<Beklenen> beklenen = {{".pdf", 4, "%PDF"},        {".xls", 6, "<?xml"},
                                          {".doc", 3, "{\\rtf1"},     {".jpg", 2, "\xFF\xD8\xFF"},
                                          {".zip", 0, "PK\x03\x04"}, {".txt", 0, "Dravik"}};
  for (const Beklenen& b : beklenen) {
    int satir = -1;
    for (int i = 0; i < int(t.satirlar.size()); ++i)
      if (t.Deger(i, "DOSYAYOL").toString().endsWith(b.uzanti)) satir = i;
    ASSERT_GE(satir, 0) << b.uzanti.toStdString();
    EXPECT_EQ(t.Deger(satir, "TUR").toInt(), b.tur) << b.uzanti.toStdString();
    EXPECT_EQ(t.Deger(satir, "ILERI").toInt(), 0);
    QByteArray veri;
    QString ad;
    ASSERT_TRUE(BelgeVer(v_->db, t.Deger(satir, "SIRANO").toInt(), &veri, &ad));
    EXPECT_TRUE(veri.startsWith(b.bas)) << b.uzanti.toStdString();
    EXPECT_EQ(ad, t.Deger(satir, "DOSYAYOL").toString());
  }
  QByteArray veri("x");
  QString ad("x");
  EXPECT_FALSE(BelgeVer(v_->db, 9999, &veri, &ad));
}

TEST_F(BaslikIcerigi, CariDurumBakiyeMetni) {
  const double bakiye = IcerikDeger(v_->db, QStringLiteral("SELECT BAKIYE FROM cariler WHERE CARINO = 1")).toDouble();
  EXPECT_EQ(CariDurum(v_->db, 1), TutarYaz(bakiye));
  EXPECT_THROW(CariDurum(v_->db, 987654), std::exception);
}

TEST(TutarYazisi, TurkceBicim) {
  struct Durum {
    double deger;
    const char* yazi;
  };
  for (const Durum d : {Durum{0, "0,00"}, Durum{5.5, "5,50"}, Durum{1234.5, "1.234,50"}, Durum{1234567.891, "1.234.567,89"},
                        Durum{-2500, "-2.500,00"}, Durum{-0.001, "0,00"}, Durum{2.675, "2,68"}})
    EXPECT_EQ(TutarYaz(d.deger), QString::fromUtf8(d.yazi)) << d.deger;
}

TEST(Dosyalar, IndirilenDosyaAdiKlasorIcermez) {
  // the client saves the file on the desktop under the name it receives
  IcerikVeritabani v;
  struct Durum {
    const char* yol;
    const char* ad;
  };
  int no = 100;
  for (const Durum d : {Durum{"../../etc/Fiyat Listesi.pdf", "Fiyat Listesi.pdf"},
                        Durum{"C:\\Belgeler\\..\\Liste.xls", "Liste.xls"}, Durum{"Okubeni.txt", "Okubeni.txt"}}) {
    IcerikCalistir(v.db, QStringLiteral("INSERT INTO dosyalar(SIRANO, ACIKLAMA, DOSYAYOL, VERI) VALUES(?, 'x', ?, ?)"),
                   {++no, QString::fromUtf8(d.yol), QByteArray("abc")});
    QByteArray veri;
    QString ad;
    ASSERT_TRUE(BelgeVer(v.db, no, &veri, &ad));
    EXPECT_EQ(ad, QString::fromUtf8(d.ad)) << d.yol;
    EXPECT_EQ(veri, QByteArray("abc"));
  }
}
