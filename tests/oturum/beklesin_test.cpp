// Async/Await: work on a pool thread, continuation on the calling thread after the work,
// captured state kept until then, owner guard.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>
#include <memory>

#include "session/beklesinu.h"

namespace {

bool Bekle(const std::function<bool()>& kosul, int ms = 10000) {
  QElapsedTimer t;
  t.start();
  while (!kosul() && t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  return kosul();
}

// Notes on which thread it is destroyed.
struct Iz {
  std::atomic<QThread*>* yer;
  ~Iz() { *yer = QThread::currentThread(); }
};

}  // namespace

TEST(Beklesin, IsHavuzdaDevamAnaIplikteIstenSonra) {
  QThread* ana = QThread::currentThread();
  std::atomic<QThread*> isIplik{nullptr};
  std::atomic<bool> isBitti{false};
  bool devamCalisti = false, devamdaIsBitmisti = false;
  QThread* devamIplik = nullptr;
  QString sonuc;  // written by the work, read by the continuation
  auto paylasilan = std::make_shared<QString>();

  Async([&, paylasilan] {
    isIplik = QThread::currentThread();
    QThread::msleep(50);
    *paylasilan = QStringLiteral("tamam");
    isBitti = true;
  })->Await([&, paylasilan] {
    devamCalisti = true;
    devamIplik = QThread::currentThread();
    devamdaIsBitmisti = isBitti.load();
    sonuc = *paylasilan;
  });
  // Await returned at once; nothing ran here yet
  EXPECT_FALSE(devamCalisti);
  ASSERT_TRUE(Bekle([&] { return devamCalisti; }));
  EXPECT_NE(isIplik.load(), ana);
  EXPECT_NE(isIplik.load(), nullptr);
  EXPECT_EQ(devamIplik, ana);
  EXPECT_TRUE(devamdaIsBitmisti);
  EXPECT_EQ(sonuc, QStringLiteral("tamam"));
}

TEST(Beklesin, YakalananlarAnaIpliktekiDevamdanSonraBirakilir) {
  std::atomic<QThread*> yer{nullptr};
  bool devam = false;
  {
    auto iz = std::make_shared<Iz>(&yer);
    Async([iz] { QThread::msleep(20); })->Await([iz, &devam] { devam = true; });
  }  // the caller holds nothing any more
  EXPECT_EQ(yer.load(), nullptr);
  ASSERT_TRUE(Bekle([&] { return yer.load() != nullptr; }));
  EXPECT_TRUE(devam);
  EXPECT_EQ(yer.load(), QThread::currentThread());
}

TEST(Beklesin, SahipYokOlduysaDevamAtlanir) {
  struct Durum {
    bool sahibiSil;
    bool devamBeklenir;
  };
  for (const Durum d : {Durum{true, false}, Durum{false, true}}) {
    SCOPED_TRACE(d.sahibiSil);
    auto* sahip = new QObject;
    std::atomic<bool> isBitti{false};
    std::atomic<bool> devam{false};
    std::atomic<QThread*> yer{nullptr};
    auto iz = std::make_shared<Iz>(&yer);
    Async([&isBitti] {
      QThread::msleep(30);
      isBitti = true;
    })->Await(sahip, [&devam, iz] { devam = true; });
    iz.reset();
    if (d.sahibiSil) delete sahip;
    ASSERT_TRUE(Bekle([&] { return yer.load() != nullptr; }));
    EXPECT_TRUE(isBitti.load());
    EXPECT_EQ(devam.load(), d.devamBeklenir);
    EXPECT_EQ(yer.load(), QThread::currentThread());
    if (!d.sahibiSil) delete sahip;
  }
}

TEST(Beklesin, IsHatasiKacmazDevamYineCalisir) {
  bool devam = false;
  Async([] { throw std::runtime_error("sunucu yok"); })->Await([&] { devam = true; });
  EXPECT_TRUE(Bekle([&] { return devam; }));
  bool devam2 = false;
  Async([] { throw 42; })->Await([&] { devam2 = true; });
  EXPECT_TRUE(Bekle([&] { return devam2; }));
}

TEST(Beklesin, CokSayidaIsSirayiKaristirmaz) {
  // each continuation sees exactly its own work's result
  constexpr int n = 50;
  std::vector<int> sonuclar(n, -1);
  int tamam = 0;
  for (int i = 0; i < n; ++i) {
    auto deger = std::make_shared<int>(-1);
    Async([deger, i] { *deger = i * i; })->Await([deger, i, &sonuclar, &tamam] {
      sonuclar[i] = *deger;
      ++tamam;
    });
  }
  ASSERT_TRUE(Bekle([&] { return tamam == n; }));
  for (int i = 0; i < n; ++i) EXPECT_EQ(sonuclar[i], i * i);
}

TEST(Beklesin, DevamAwaitCagiranIpliginOlayDongusundeCalisir) {
  QThread iplik;
  iplik.start();
  auto* baglam = new QObject;
  baglam->moveToThread(&iplik);
  QObject::connect(&iplik, &QThread::finished, baglam, &QObject::deleteLater);
  std::atomic<QThread*> devamIplik{nullptr};
  std::atomic<bool> bitti{false};
  QMetaObject::invokeMethod(baglam, [&] {
    Async([] { QThread::msleep(10); })->Await([&] {
      devamIplik = QThread::currentThread();
      bitti = true;
    });
  });
  EXPECT_TRUE(Bekle([&] { return bitti.load(); }));
  EXPECT_EQ(devamIplik.load(), &iplik);
  iplik.quit();
  iplik.wait();
}
