// StokAraGetirDravik end to end (server query, transfer, decode into a data set) for about
// 1,000, 10,000 and 100,000 rows, next to the time curl needs to fetch the same answer from the
// same server, and the client process's peak memory.
//
//   proxy_bench [--tekrar N]
//
// Goals: the proxy call at most 1.5 x curl's fetch; client peak under 250 MB at 100,000 rows.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryFile>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/core/paket.h"
#include "platform/core/veriseti.h"
#include "platform/rpc/dsbaglanti.h"
#include "session/baglantiu.h"
#include "session/kayitjson.h"
#include "session/proxim.h"
#include "tests/ortak/sunucusureci.h"
#include "bench/ortak/aramaolcum.h"

namespace {

using namespace aramaolcum;

long TepeBellekKb() {
  QFile f(QStringLiteral("/proc/self/status"));
  if (!f.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& satir : f.readAll().split('\n'))
    if (satir.startsWith("VmHWM:")) return satir.mid(6).trimmed().split(' ').first().toLong();
  return -1;
}

TSonucBilgisi gOturum;

// One proxy call the way a worker makes it: a fresh connection, the call, the decode, close.
int ProxyCagir(const TSunucuSureci& s, const QString& metin, double* ms) {
  QElapsedTimer t;
  t.start();
  TSQLConnection bag;
  s.Ayarla(bag);
  bag.Open();
  TClientDataSet ds;
  {
    TServerMethods1Client p(bag.DBXConnection());
    auto* kopya = new TSonucBilgisi;
    kopya->Kopyala(&gOturum);
    const TVeriPaketi paket = p.StokAraGetirDravik(metin, kopya);
    ds.DisableControls();
    PaketiYukle(paket, ds);
    ds.EnableControls();
  }
  bag.Close();
  *ms = t.nsecsElapsed() / 1e6;
  return ds.RecordCount();
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication uyg(argc, argv);
  const int tekrar = TekrarSayisi(uyg.arguments());

  std::printf("sunucu hazırlanıyor (--buyuk-katalog)...\n");
  std::fflush(stdout);
  TSunucuSureci sunucu({QStringLiteral("--buyuk-katalog")});
  QElapsedTimer kurulum;
  kurulum.start();
  if (!sunucu.Baslat(900000)) {
    std::fprintf(stderr, "sunucu başlamadı: %s\n", qPrintable(sunucu.Hata()));
    return 1;
  }
  std::printf("sunucu hazır: %.1f s\n", kurulum.elapsed() / 1000.0);
  {
    TSQLConnection bag;
    sunucu.Ayarla(bag);
    bag.Open();
    TServerMethods1Client p(bag.DBXConnection());
    TSonucBilgisi* k = p.BuyukGetir(QStringLiteral("DEMO-MUSTERI"));
    if (!k) {
      std::fprintf(stderr, "örnek müşteri yok\n");
      return 1;
    }
    gOturum.Kopyala(k);
  }

  // The search texts closest to each row target, among a few candidates.
  const QStringList adaylar = {QStringLiteral("BOSCH 1.6"), QStringLiteral("VALEO 1.6"), QStringLiteral("BOSCH FORD"), QStringLiteral("BOSCH RENAULT"), QStringLiteral("VALEO TOYOTA"),
                               QStringLiteral("FREN BOSCH"), QStringLiteral("BOSCH"), QStringLiteral("FORD"),
                               QStringLiteral("RENAULT"), QStringLiteral("TOYOTA"), QStringLiteral("%")};
  std::vector<std::pair<QString, int>> sayilar;
  for (const QString& a : adaylar) {
    double ms = 0;
    sayilar.emplace_back(a, ProxyCagir(sunucu, a, &ms));
  }
  std::printf("\n%-8s %-16s %8s %10s %10s %7s\n", "hedef", "metin", "satır", "proxy_ms", "curl_ms", "oran");
  for (const int hedef : {1000, 10000, 100000}) {
    const QString metin = EnYakinMetin(sayilar, hedef);
    QTemporaryFile govde;
    AramaGovdesiYaz(govde, metin, &gOturum);

    std::vector<double> proxy, curl;
    int satir = 0;
    for (int t = 0; t < tekrar; ++t) {
      double ms = 0;
      satir = ProxyCagir(sunucu, metin, &ms);
      proxy.push_back(ms);
      curl.push_back(CurlIleAra(sunucu, govde.fileName()));
    }
    const double p = Ortanca(proxy), c = Ortanca(curl);
    std::printf("%-8d %-16s %8d %10.1f %10.1f %7.2f\n", hedef, qPrintable(u'"' + metin + u'"'), satir, p, c, c > 0 ? p / c : 0);
    std::fflush(stdout);
  }
  const long kb = TepeBellekKb();
  std::printf("\nistemci tepe bellek (VmHWM): %.1f MB (hedef < 250 MB)\n", kb / 1024.0);
  std::printf("hedef: proxy süresi <= 1.5 x curl\n");
  return 0;
}
