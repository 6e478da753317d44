// Computer identity over a fake sysfs tree, the host facts and the folders.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "session/kimlik.h"
#include "session/utils.h"

namespace {

// A temporary machine: files under a fake sysfs root and udev database.
class SahteMakine {
 public:
  SahteMakine() {
    EXPECT_TRUE(dizin_.isValid());
    KimlikKaynaklari k;
    k.sysKoku = dizin_.filePath("sys");
    k.udevKoku = dizin_.filePath("udev");
    k.bilgisayarAdi = [] { return QStringLiteral("depo-pc"); };
    k.kullaniciAdi = [] { return QStringLiteral("ayse"); };
    k.evKlasoru = [this] { return dizin_.filePath("ev"); };
    k.ayarKoku = [this] { return dizin_.filePath("ev/.config"); };
    QDir().mkpath(dizin_.filePath("sys/block"));
    QDir().mkpath(dizin_.filePath("sys/class/net"));
    QDir().mkpath(dizin_.filePath("ev"));
    KimlikKaynaklariKur(k);
  }
  ~SahteMakine() { KimlikKaynaklariSifirla(); }

  void Dosya(const QString& yol, const QByteArray& icerik) {
    const QString tam = dizin_.filePath(yol);
    QDir().mkpath(QFileInfo(tam).path());
    QFile f(tam);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(icerik);
  }
  void Klasor(const QString& yol) { QDir().mkpath(dizin_.filePath(yol)); }
  void Kaynak(const std::function<void(KimlikKaynaklari&)>& degistir) {
    KimlikKaynaklari k = KimlikKaynaklariAl();
    degistir(k);
    KimlikKaynaklariKur(k);
  }
  QString Yol(const QString& yol) const { return dizin_.filePath(yol); }

 private:
  QTemporaryDir dizin_;
};

struct KimlikDurumu {
  const char* ad;
  std::vector<std::pair<const char*, const char*>> dosyalar;  // path -> contents ("/" at the end: folder)
  const char* disk;
  const char* mac;
  const char* kimlik;
};

}  // namespace

TEST(Kimlik, DiskVeAdaptorYuruyusu) {
  const std::vector<KimlikDurumu> durumlar = {
      {"seri numarasinda bosluklar",
       {{"sys/block/sda/device/serial", "  wd 12 ab\n"}},
       "WD 12 AB", "", "WD12AB"},
      {"sanal diskler atlanir",
       {{"sys/block/loop0/serial", "LOOP"}, {"sys/block/dm-0/serial", "DM"}, {"sys/block/zram0/serial", "Z"},
        {"sys/block/nvme0n1/device/serial", "s4evnx0m123456 "}},
       "S4EVNX0M123456", "", "S4EVNX0M123456"},
      {"udev veritabani",
       {{"sys/block/sda/dev", "8:0\n"}, {"udev/b8:0", "S:disk/by-id/x\nE:ID_SERIAL=WDC_X\nE:ID_SERIAL_SHORT=wd-wx41\n"}},
       "WD-WX41", "", "WD-WX41"},
      {"cikarilabilir disk atlanir",
       {{"sys/block/sda/removable", "1"}, {"sys/block/sda/device/serial", "USB"}, {"sys/block/sdb/device/serial", "IC1"}},
       "IC1", "", "IC1"},
      {"seri yok, adaptor adresi",
       {{"sys/block/sda/dev", "8:0"}, {"sys/class/net/lo/address", "00:00:00:00:00:00"},
        {"sys/class/net/eth0/address", "00:1a:2b:3c:4d:5e\n"}, {"sys/class/net/eth0/device/", ""}},
       "", "00-1A-2B-3C-4D-5E", "00-1A-2B-3C-4D-5E"},
      {"ilk adaptor sifir, ikincisi gercek",
       {{"sys/class/net/eth0/address", "00:00:00:00:00:00"}, {"sys/class/net/eth1/address", "a4:bb:6d:01:02:03"}},
       "", "A4-BB-6D-01-02-03", "A4-BB-6D-01-02-03"},
      {"adresi okunamayan adaptor yuruyusu bitirir",
       {{"sys/class/net/eth0/mtu", "1500"}, {"sys/class/net/eth1/address", "a4:bb:6d:01:02:03"}},
       "", "", ""},
      {"aygitli adaptor sanaldan once",
       {{"sys/class/net/docker0/address", "02:42:ac:11:00:02"}, {"sys/class/net/enp3s0/address", "10:20:30:40:50:60"},
        {"sys/class/net/enp3s0/device/", ""}},
       "", "10-20-30-40-50-60", "10-20-30-40-50-60"},
      {"sabit seri 1", {{"sys/block/sda/device/serial", "k71pqw4r918264m"}}, "K71PQW4R918264M", "", "907261835574"},
      {"sabit seri 2 bosluklu", {{"sys/block/vda/serial", " M58TRZ2J 347159C"}}, "M58TRZ2J 347159C", "", "907261835574"},
      {"hicbir sey yok", {}, "", "", ""},
      {"yalniz sifir adres", {{"sys/class/net/eth0/address", "00:00:00:00:00:00"}}, "", "00-00-00-00-00-00",
       "00-00-00-00-00-00"},
  };
  for (const auto& d : durumlar) {
    SCOPED_TRACE(d.ad);
    SahteMakine m;
    for (const auto& [yol, icerik] : d.dosyalar) {
      const QString y = QString::fromUtf8(yol);
      if (y.endsWith(u'/')) m.Klasor(y);
      else m.Dosya(y, icerik);
    }
    EXPECT_EQ(DiskSeriNoAl(), QString::fromUtf8(d.disk));
    EXPECT_EQ(MacAdresiAl(), QString::fromUtf8(d.mac));
    EXPECT_EQ(BilgisayarIdAl(), QString::fromUtf8(d.kimlik));
  }
}

TEST(Kimlik, BilgisayarVeKullaniciAdi) {
  SahteMakine m;
  EXPECT_EQ(BilgisayarAdiAl(), QStringLiteral("depo-pc"));
  EXPECT_EQ(KullaniciAdiAl(), QStringLiteral("ayse"));
  // Names longer than 15 characters are kept whole.
  m.Kaynak([](KimlikKaynaklari& k) { k.bilgisayarAdi = [] { return QStringLiteral("muhasebe-bilgisayari-2"); }; });
  EXPECT_EQ(BilgisayarAdiAl(), QStringLiteral("muhasebe-bilgisayari-2"));
  // The real machine gives something without throwing.
  KimlikKaynaklariSifirla();
  EXPECT_FALSE(BilgisayarAdiAl().isEmpty());
  EXPECT_FALSE(KullaniciAdiAl().isEmpty());
}

TEST(Kimlik, YerelIp) {
  const std::vector<std::pair<QString, QString>> durumlar = {
      {QStringLiteral("127.0.0.5"), QStringLiteral("127.0.0.5")},  // the first IPv4 of the name's resolution
      {QStringLiteral("localhost"), QStringLiteral("127.0.0.1")},
      {QString(), QStringLiteral("127.0.0.1")},                    // no name at all
      {QStringLiteral("::1"), QStringLiteral("127.0.0.1")},        // no IPv4 address
  };
  for (const auto& [ad, beklenen] : durumlar) {
    SCOPED_TRACE(ad.toStdString());
    SahteMakine m;
    m.Kaynak([ad = ad](KimlikKaynaklari& k) { k.bilgisayarAdi = [ad] { return ad; }; });
    EXPECT_EQ(YerelIpAl(), beklenen);
  }
}

TEST(Kimlik, AyarKlasoruOlusturulur) {
  SahteMakine m;
  // the config root does not exist yet on a fresh account
  const QString beklenen = m.Yol("ev/.config/dravik");
  ASSERT_FALSE(QFileInfo::exists(beklenen));
  EXPECT_EQ(AyarKlasoru(), beklenen);
  EXPECT_TRUE(QFileInfo(beklenen).isDir());
  EXPECT_EQ(AyarKlasoru(), beklenen);  // already there: same path
}

TEST(Kimlik, BelgelerVeMasaustuKlasorleri) {
  {
    SahteMakine m;
    m.Klasor("ev/Belgeler");
    m.Klasor("ev/Masaüstü");
    m.Dosya("ev/.config/user-dirs.dirs",
            "# comment\nXDG_DESKTOP_DIR=\"$HOME/Masaüstü\"\nXDG_DOCUMENTS_DIR=\"$HOME/Belgeler\"\n");
    EXPECT_EQ(BelgelerKlasoru(), m.Yol("ev/Belgeler"));
    EXPECT_EQ(MasaustuKlasoru(), m.Yol("ev/Masaüstü"));
  }
  {
    // the named folders are missing: the English defaults, when present
    SahteMakine m;
    m.Dosya("ev/.config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Yok\"\n");
    m.Klasor("ev/Documents");
    EXPECT_EQ(BelgelerKlasoru(), m.Yol("ev/Documents"));
    EXPECT_EQ(MasaustuKlasoru(), m.Yol("ev"));
  }
  {
    // an absolute folder outside home
    SahteMakine m;
    m.Klasor("baska/belgeler");
    m.Dosya("ev/.config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"" + m.Yol("baska/belgeler").toUtf8() + "\"\n");
    EXPECT_EQ(BelgelerKlasoru(), m.Yol("baska/belgeler"));
  }
}
