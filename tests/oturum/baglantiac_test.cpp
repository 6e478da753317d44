// The connection opener against a loopback port where nothing listens.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "platform/rpc/dsbaglanti.h"
#include "session/mesajsahte.h"
#include "session/utils.h"

namespace {

// A loopback port that was free a moment ago: bound to port 0, read back, closed.
int KapaliPort() {
  const int s = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  a.sin_port = 0;
  if (s < 0 || ::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) return 0;
  socklen_t n = sizeof a;
  ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &n);
  ::close(s);
  return ntohs(a.sin_port);
}

// Records the pauses instead of sleeping.
struct SayanBekleme {
  std::atomic<int> sayi{0};
  std::atomic<int> toplamMs{0};
  SayanBekleme() {
    BaglantiAcBeklemeKur([this](int ms) {
      ++sayi;
      toplamMs += ms;
    });
  }
  ~SayanBekleme() { BaglantiAcBeklemeKur(nullptr); }
};

void Hazirla(TSQLConnection& con, int port) {
  con.Params[QStringLiteral("HostName")] = QStringLiteral("127.0.0.1");
  con.Params[QStringLiteral("Port")] = QString::number(port);
  con.ConnectTimeoutMs = 2000;
}

}  // namespace

TEST(BaglantiAc, UlasilamayanSunucu) {
  const int port = KapaliPort();
  ASSERT_GT(port, 0);
  struct Durum {
    int bildir;
    int mesaj;
  };
  for (const Durum d : {Durum{1, 1}, Durum{0, 0}}) {
    SCOPED_TRACE(d.bildir);
    SahteMesajGosterici sahte;
    SayanBekleme bekleme;
    TSQLConnection con;
    Hazirla(con, port);
    EXPECT_FALSE(BaglantiAc(con, d.bildir));
    EXPECT_FALSE(con.Connected());
    // eleven attempts: ten 500 ms pauses between them
    EXPECT_EQ(bekleme.sayi.load(), BaglantiAcDenemeSayisi - 1);
    EXPECT_EQ(bekleme.toplamMs.load(), (BaglantiAcDenemeSayisi - 1) * 500);
    const auto kutular = sahte.Kutular();
    ASSERT_EQ(kutular.size(), d.mesaj);
    if (d.mesaj) {
      EXPECT_EQ(kutular[0].metin, QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"));
      EXPECT_EQ(kutular[0].tur, 1);
      EXPECT_EQ(kutular[0].butonlar, TMsgDlgButtons{mbOK});
      EXPECT_EQ(kutular[0].varsayilan, mbOK);
    }
  }
}

TEST(BaglantiAc, IscideMesajAnaIpligeGider) {
  const int port = KapaliPort();
  ASSERT_GT(port, 0);
  SahteMesajGosterici sahte;
  SayanBekleme bekleme;
  std::atomic<int> sonuc{-1};
  std::thread isci([&] {
    TSQLConnection con;
    Hazirla(con, port);
    sonuc = BaglantiAc(con, 1) ? 1 : 0;
  });
  QElapsedTimer t;
  t.start();
  while (sonuc.load() < 0 && t.elapsed() < 30000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  isci.join();
  EXPECT_EQ(sonuc.load(), 0);
  ASSERT_EQ(sahte.Kutular().size(), 1);
  EXPECT_EQ(sahte.Son().iplik, QCoreApplication::instance()->thread());
}
