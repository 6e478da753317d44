// The stock search as the user sees it: from Enter in the search box to the grid attached
// again with the count in the page caption, for about 1,000, 10,000 and 100,000 stocks, next to
// curl's fetch of the same answer from the same server; and the main thread's longest stall
// meanwhile, measured by a 1 ms timer.
//
//   QT_QPA_PLATFORM=offscreen stokarama_bench [--tekrar N]
//
// Goals: at most 1.5 x curl for 10,000 and 100,000 stocks; no main-thread stall over 50 ms.

#include <QApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryFile>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "mainwindow/Unit1.h"
#include "mainwindow/sayfa_stok.h"
#include "mainwindow/sekmeciz.h"
#include "platform/core/veriseti.h"
#include "platform/rpc/dsbaglanti.h"
#include "session/baglantiu.h"
#include "session/kayitjson.h"
#include "session/mesajsahte.h"
#include "session/proxim.h"
#include "tests/ortak/sunucusureci.h"
#include "bench/ortak/aramaolcum.h"

namespace {

using namespace aramaolcum;

struct Olcum {
  double ms = 0;
  double enUzunDurma = 0;
  int satir = 0;
};

// Enter in the search box; waits for the continuation; the 1 ms timer watches the main thread.
Olcum Ara(TForm1& f, const QString& metin) {
  Olcum o;
  f.araedit->setText(metin);
  bool bitti = false;
  auto c = QObject::connect(f.StokSayfasi, &TStokSayfasi::AramaBitti, [&](bool) { bitti = true; });
  QTimer nabiz;
  nabiz.setTimerType(Qt::PreciseTimer);
  nabiz.setInterval(1);
  QElapsedTimer saat;
  qint64 son = 0;
  QObject::connect(&nabiz, &QTimer::timeout, [&] {
    const qint64 simdi = saat.nsecsElapsed();
    o.enUzunDurma = std::max(o.enUzunDurma, (simdi - son) / 1e6);
    son = simdi;
  });
  saat.start();
  nabiz.start();
  QTest::keyClick(f.araedit, Qt::Key_Return);
  while (!bitti) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  o.ms = saat.nsecsElapsed() / 1e6;
  const qint64 simdi = saat.nsecsElapsed();
  o.enUzunDurma = std::max(o.enUzunDurma, (simdi - son) / 1e6);
  nabiz.stop();
  QObject::disconnect(c);
  o.satir = f.stok->RecordCount();
  return o;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication uyg(argc, argv);
  const int tekrar = TekrarSayisi(uyg.arguments());

  std::printf("sunucu hazırlanıyor (--stoklar 100000)...\n");
  std::fflush(stdout);
  TSunucuSureci sunucu({QStringLiteral("--stoklar"), QStringLiteral("100000")});
  if (!sunucu.Baslat(900000)) {
    std::fprintf(stderr, "sunucu başlamadı: %s\n", qPrintable(sunucu.Hata()));
    return 1;
  }
  SahteMesajGosterici mesaj;
  TForm1 f;
  f.sbilgi = std::make_unique<TSonucBilgisi>();
  sunucu.Ayarla(*f.bagc);
  {
    TSQLConnection bag;
    sunucu.Ayarla(bag);
    bag.Open();
    TServerMethods1Client p(&bag);
    TSonucBilgisi* k = p.BuyukGetir(QStringLiteral("DEMO-MUSTERI"));
    if (!k) return 1;
    f.sbilgi->Kopyala(k);
  }
  f.resize(1350, 710);
  f.show();

  // The search texts closest to each row target, among a few candidates.
  const QStringList adaylar = {QStringLiteral("BOSCH 1.6"), QStringLiteral("VALEO 1.6"), QStringLiteral("BOSCH FORD"),
                               QStringLiteral("VALEO FORD"), QStringLiteral("BOSCH FIAT"), QStringLiteral("FILTRE"),
                               QStringLiteral("FREN FORD"), QStringLiteral("FIAT"), QStringLiteral("VALEO"),
                               QStringLiteral("FREN BOSCH"), QStringLiteral("BOSCH"), QStringLiteral("FORD"),
                               QStringLiteral("RENAULT"), QStringLiteral("TOYOTA"), QStringLiteral("% %"),
                               QStringLiteral("%%%"), QStringLiteral("* *")};
  std::vector<std::pair<QString, int>> sayilar;
  for (const QString& a : adaylar) sayilar.emplace_back(a, Ara(f, a).satir);
  std::printf("aday metinler:");
  for (const auto& [a, n] : sayilar) std::printf(" \"%s\"=%d", qPrintable(a), n);
  std::printf("\n");

  std::printf("\n%-8s %-14s %8s %10s %10s %7s %12s\n", "hedef", "metin", "satır", "enter_ms", "curl_ms", "oran",
              "durma_ms");
  double enUzun = 0;
  for (const int hedef : {1000, 10000, 100000}) {
    const QString metin = EnYakinMetin(sayilar, hedef);
    QTemporaryFile govde;
    AramaGovdesiYaz(govde, metin, f.sbilgi.get());

    std::vector<double> enter, curl, durma;
    int satir = 0;
    for (int t = 0; t < tekrar; ++t) {
      const Olcum o = Ara(f, metin);
      satir = o.satir;
      enter.push_back(o.ms);
      durma.push_back(o.enUzunDurma);
      curl.push_back(CurlIleAra(sunucu, govde.fileName()));
    }
    const double e = Ortanca(enter), c = Ortanca(curl);
    const double d = *std::max_element(durma.begin(), durma.end());
    enUzun = std::max(enUzun, d);
    std::printf("%-8d %-14s %8d %10.1f %10.1f %7.2f %12.1f\n", hedef, qPrintable(u'"' + metin + u'"'), satir, e, c,
                c > 0 ? e / c : 0, d);
    std::fflush(stdout);
  }
  std::printf("\nbaşlık: %s\n", qPrintable(f.sPageControl1->Baslik(0)));
  std::printf("hedef: enter->grid <= 1.5 x curl (10.000 ve 100.000), ana iş parçacığı durması <= 50 ms; en uzun: %.1f ms\n",
              enUzun);
  return 0;
}
