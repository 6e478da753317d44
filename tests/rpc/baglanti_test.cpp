// The connection: open/close, the server's error text, refused and broken connections, a
// silent server, malformed answers, clones on two threads.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <atomic>
#include <thread>

#include "denemesunucusu.h"

namespace {

class BaglantiTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s = new DenemeSunucusu;
    s->Yontemler().Ekle(QStringLiteral("DenemeTopla"), [](Cagri& c, Yanit& y) { y.Int(c.Int(0) + c.Int(1)); });
    s->Yontemler().Ekle(QStringLiteral("DenemeHata"), [](Cagri& c, Yanit&) {
      throw YontemHatasi(QStringLiteral("Stok bulunamadı: %1 (çğıöşü)").arg(c.Text(0)));
    });
    s->Yontemler().Ekle(QStringLiteral("DenemeCokme"), [](Cagri&, Yanit&) { throw std::runtime_error("beklenmedik"); });
    s->Baslat();
  }
  static void TearDownTestSuite() {
    delete s;
    s = nullptr;
  }
  void SetUp() override { s->Istek("DELETE", QStringLiteral("/admin/cagrilar")); }
  void TearDown() override { s->Istek("DELETE", QStringLiteral("/admin/hata")); }
  static DenemeSunucusu* s;
};
DenemeSunucusu* BaglantiTest::s = nullptr;

// A loopback port on which nobody listens.
int BosPort() {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
  socklen_t l = sizeof a;
  getsockname(fd, reinterpret_cast<sockaddr*>(&a), &l);
  close(fd);
  return ntohs(a.sin_port);
}

TEST_F(BaglantiTest, AcCagirKapat) {
  auto b = s->Baglanti();
  EXPECT_FALSE(b->Connected());
  b->Open();
  EXPECT_TRUE(b->Connected());
  EXPECT_EQ(b->Cagir(QStringLiteral("DenemeTopla"), "[2,40]"), QByteArray("{\"result\":[42]}"));
  // the kept-alive connection serves the next call too
  EXPECT_EQ(b->Cagir(QStringLiteral("DenemeTopla"), "[-5,5]"), QByteArray("{\"result\":[0]}"));
  b->Close();
  EXPECT_FALSE(b->Connected());
  EXPECT_THROW(b->Cagir(QStringLiteral("DenemeTopla"), "[1,1]"), EDSHatasi);
}

TEST_F(BaglantiTest, CevapPaketCozucusuIcinDolguluGelir) {
  auto b = s->Baglanti();
  b->Open();
  const QByteArray c = b->Cagir(QStringLiteral("DenemeTopla"), "[1,2]");
  EXPECT_GE(c.capacity() - c.size(), 64);
}

TEST_F(BaglantiTest, AyarlarVeKopya) {
  TSQLConnection b;
  EXPECT_EQ(b.ConnectionName, QStringLiteral("DataSnapCONNECTION"));
  EXPECT_EQ(b.DriverName, QStringLiteral("DataSnap"));
  EXPECT_FALSE(b.LoginPrompt);
  EXPECT_EQ(b.Params.value(QStringLiteral("CommunicationProtocol")), QStringLiteral("tcp/ip"));
  EXPECT_EQ(b.Params.value(QStringLiteral("Port")), QStringLiteral("9090"));
  EXPECT_EQ(b.Params.value(QStringLiteral("DatasnapContext")), QStringLiteral("datasnap/"));
  EXPECT_EQ(b.Params.value(QStringLiteral("Filters")), QStringLiteral("{}"));

  auto acik = s->Baglanti(1234);
  acik->Open();
  auto k = acik->Clone();
  EXPECT_FALSE(k->Connected());
  EXPECT_EQ(k->Params, acik->Params);
  EXPECT_EQ(k->ReadTimeoutMs, 1234);
  EXPECT_EQ(k->TemelAdres(), QStringLiteral("http://127.0.0.1:%1/datasnap/").arg(s->Port()));
}

TEST_F(BaglantiTest, SunucununHataMetniCagiranaUlasir) {
  auto b = s->Baglanti();
  b->Open();
  struct Durum {
    const char* yontem;
    const char* girdi;
    QString metin;
  } durumlar[] = {
      {"DenemeHata", "[\"A-12\"]", QStringLiteral("Stok bulunamadı: A-12 (çğıöşü)")},
      {"DenemeTopla", "[1,\"iki\"]", QStringLiteral("DenemeTopla: 2. parametre tamsayı olmalı (gelen: metin).")},
      {"DenemeTopla", "[1]", QStringLiteral("DenemeTopla: 2. parametre eksik.")},
      {"DenemeTopla", "[1.5,1]", QStringLiteral("DenemeTopla: 1. parametre 32 bit tamsayı olmalı (gelen: sayı).")},
      {"DenemeTopla", "[1,3000000000]", QStringLiteral("DenemeTopla: 2. parametre 32 bit tamsayı olmalı (gelen: sayı).")},
      {"YokBoyleBirYontem", "[]", QStringLiteral("Sunucuda böyle bir yöntem yok: YokBoyleBirYontem")},
      {"DenemeCokme", "[]", QStringLiteral("Sunucuda beklenmeyen bir hata oluştu (DenemeCokme): beklenmedik")},
  };
  for (const auto& d : durumlar) {
    try {
      b->Cagir(QString::fromLatin1(d.yontem), d.girdi);
      ADD_FAILURE() << d.yontem << " hata vermedi";
    } catch (const EDSHatasi& e) {
      EXPECT_EQ(e.Mesaj(), d.metin) << d.yontem;
    }
  }
  // an injected error carries the given text; the next call is normal again
  s->HataKur(QStringLiteral("DenemeTopla"), "hata", 0, QStringLiteral("Sepet kilitli"));
  try {
    b->Cagir(QStringLiteral("DenemeTopla"), "[1,1]");
    ADD_FAILURE();
  } catch (const EDSHatasi& e) {
    EXPECT_EQ(e.Mesaj(), QStringLiteral("Sepet kilitli"));
  }
  EXPECT_EQ(b->Cagir(QStringLiteral("DenemeTopla"), "[1,1]"), QByteArray("{\"result\":[2]}"));
}

TEST_F(BaglantiTest, UlasilamayanSunucudaAcmaHataVerir) {
  TSQLConnection b;
  b.Params.insert(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
  b.Params.insert(QStringLiteral("Port"), QString::number(BosPort()));
  try {
    b.Open();
    ADD_FAILURE() << "açıldı";
  } catch (const EDSHatasi& e) {
    EXPECT_TRUE(e.Mesaj().startsWith(QStringLiteral("Sunucuya bağlanılamadı"))) << e.Mesaj().toStdString();
  }
  EXPECT_FALSE(b.Connected());
}

TEST_F(BaglantiTest, CevapsizKapananBaglanti) {
  auto b = s->Baglanti();
  b->Open();
  // every attempt is refused (the transport retries once on a fresh connection by itself)
  s->HataKur(QStringLiteral("DenemeTopla"), "baglanti_reddet", 0, {}, 0);
  try {
    b->Cagir(QStringLiteral("DenemeTopla"), "[1,1]");
    ADD_FAILURE();
  } catch (const EDSHatasi& e) {
    EXPECT_TRUE(e.Mesaj().startsWith(QStringLiteral("Sunucu bağlantısı beklenmedik şekilde kapandı"))) << e.Mesaj().toStdString();
  }
  // the same connection object recovers on the next call (a new TCP connection)
  s->Istek("DELETE", QStringLiteral("/admin/hata"));
  EXPECT_EQ(b->Cagir(QStringLiteral("DenemeTopla"), "[3,4]"), QByteArray("{\"result\":[7]}"));

  s->HataKur(QStringLiteral("ping"), "baglanti_reddet", 0, {}, 0);
  auto b2 = s->Baglanti();
  EXPECT_THROW(b2->Open(), EDSHatasi);
  EXPECT_FALSE(b2->Connected());
}

TEST_F(BaglantiTest, SessizSunucuOkumaSuresindeKesilir) {
  auto b = s->Baglanti(1200);
  b->Open();
  s->HataKur(QStringLiteral("DenemeTopla"), "gecikme", 8000);
  QElapsedTimer t;
  t.start();
  try {
    b->Cagir(QStringLiteral("DenemeTopla"), "[1,1]");
    ADD_FAILURE();
  } catch (const EDSHatasi& e) {
    EXPECT_TRUE(e.Mesaj().startsWith(QStringLiteral("Sunucu zamanında cevap vermedi"))) << e.Mesaj().toStdString();
  }
  EXPECT_LT(t.elapsed(), 6000);
  // a short delay under the limit is only slow
  s->HataKur(QStringLiteral("DenemeTopla"), "gecikme", 300);
  EXPECT_EQ(b->Cagir(QStringLiteral("DenemeTopla"), "[1,1]"), QByteArray("{\"result\":[2]}"));
}

TEST_F(BaglantiTest, IkiKopyaIkiIsParcacigindaAyniAnda) {
  auto ana = s->Baglanti();
  std::atomic<int> hatalar{0};
  auto is = [&](int taban) {
    auto k = ana->Clone();
    try {
      k->Open();
      for (int i = 0; i < 50; ++i) {
        const QByteArray beklenen = "{\"result\":[" + QByteArray::number(taban + i + 1) + "]}";
        if (k->Cagir(QStringLiteral("DenemeTopla"), "[" + QByteArray::number(taban + i) + ",1]") != beklenen) ++hatalar;
      }
      k->Close();
    } catch (...) {
      ++hatalar;
    }
  };
  std::thread a(is, 0), c(is, 1000);
  a.join();
  c.join();
  EXPECT_EQ(hatalar.load(), 0);
}

TEST_F(BaglantiTest, AyniBaglantiIkinciIsParcacigindanReddedilir) {
  auto b = s->Baglanti();
  b->Open();
  s->HataKur(QStringLiteral("DenemeTopla"), "gecikme", 1500);
  std::thread yavas([&] { b->Cagir(QStringLiteral("DenemeTopla"), "[1,1]"); });
  QElapsedTimer t;
  t.start();
  // wait until the slow call has reached the server
  while (!s->Istek("GET", QStringLiteral("/admin/cagrilar")).contains("DenemeTopla") && t.elapsed() < 5000)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  try {
    b->Cagir(QStringLiteral("DenemeTopla"), "[2,2]");
    ADD_FAILURE();
  } catch (const EDSHatasi& e) {
    EXPECT_EQ(e.Mesaj(), QStringLiteral("Bağlantı aynı anda iki iş parçacığından kullanılamaz."));
  }
  yavas.join();
}

TEST_F(BaglantiTest, BozukCevap) {
  auto b = s->Baglanti();
  b->Open();
  s->HataKur(QStringLiteral("DenemeTopla"), "bozuk_cevap");
  // the transport hands the body on; the proxy's reader rejects it (see the proxy tests)
  const QByteArray c = b->Cagir(QStringLiteral("DenemeTopla"), "[1,1]");
  EXPECT_TRUE(QJsonDocument::fromJson(c).isNull());
}

}  // namespace
