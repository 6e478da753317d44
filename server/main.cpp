// dravik-server: the reference application server. Prints "DINLIYOR port=<p> web=<w>" once
// both ports listen, then serves until SIGINT or SIGTERM.

#include <signal.h>

#include <QCommandLineParser>
#include <QGuiApplication>
#include <cstdio>
#include <iostream>

#include "session/utils.h"
#include "sunucu.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication uyg(argc, argv);  // pictures and fonts of the generated images
  QCoreApplication::setApplicationName(QStringLiteral("dravik-server"));

  QCommandLineParser p;
  p.setApplicationDescription(QStringLiteral("Dravik B2B başvuru sunucusu (uygulama sunucusu ve web sayfaları)."));
  p.addHelpOption();
  const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Uygulama sunucusu portu (0: sistem seçer). Varsayılan 9090."), QStringLiteral("N"), QStringLiteral("9090"));
  const QCommandLineOption webPort(QStringLiteral("web-port"), QStringLiteral("Web sayfaları portu (0: sistem seçer). Varsayılan 0."), QStringLiteral("N"), QStringLiteral("0"));
  const QCommandLineOption adres(QStringLiteral("adres"), QStringLiteral("Dinlenecek adres. Varsayılan 127.0.0.1."), QStringLiteral("IP"), QStringLiteral("127.0.0.1"));
  const QCommandLineOption db(QStringLiteral("db"), QStringLiteral("SQLite veritabanı dosyası (\":memory:\" olamaz). Varsayılan: geçici klasörde yeni bir dosya."), QStringLiteral("YOL"));
  const QCommandLineOption tohum(QStringLiteral("seed"), QStringLiteral("Örnek verinin tohumu. Varsayılan 1."), QStringLiteral("N"), QStringLiteral("1"));
  const QCommandLineOption stoklar(QStringLiteral("stoklar"), QStringLiteral("Katalogdaki stok sayısı. Varsayılan 2000."), QStringLiteral("N"));
  const QCommandLineOption buyuk(QStringLiteral("buyuk-katalog"), QStringLiteral("100000 stokluk katalog (--stoklar 100000)."));
  const QCommandLineOption demo(QStringLiteral("demo"), QStringLiteral("Bu bilgisayarın kimliğini örnek müşteri olarak kaydet."));
  const QCommandLineOption kayit(QStringLiteral("cagri-kaydi"), QStringLiteral("Çağrı kaydının (JSON satırları) yazılacağı dosya."), QStringLiteral("YOL"));
  const QCommandLineOption isci(QStringLiteral("isci"), QStringLiteral("Dinleyici başına iş parçacığı sayısı. Varsayılan 32."), QStringLiteral("N"), QStringLiteral("32"));
  p.addOptions({port, webPort, adres, db, tohum, stoklar, buyuk, demo, kayit, isci});
  p.process(uyg);

  auto sayi = [&](const QCommandLineOption& o, int enAz, int enCok) {
    bool tamam = false;
    const int v = p.value(o).toInt(&tamam);
    if (!tamam || v < enAz || v > enCok) {
      std::cerr << "Geçersiz değer: --" << o.names().first().toStdString() << " " << p.value(o).toStdString() << "\n";
      std::exit(2);
    }
    return v;
  };

  SunucuAyarlari a;
  a.port = sayi(port, 0, 65535);
  a.webPort = sayi(webPort, 0, 65535);
  a.adres = p.value(adres);
  a.veritabaniYolu = p.value(db);
  a.cagriKaydiYolu = p.value(kayit);
  a.isciSayisi = sayi(isci, 4, 256);
  a.veri.tohum = std::uint32_t(sayi(tohum, 0, 2147483647));
  if (p.isSet(stoklar)) a.veri.stokAdedi = sayi(stoklar, 1, 2000000);
  if (p.isSet(buyuk)) a.veri.stokAdedi = 100000;
  if (p.isSet(demo)) a.veri.demoKimlik = BilgisayarIdAl();

  // SIGINT/SIGTERM are taken by sigwait below; the server threads inherit the blocked mask.
  sigset_t sinyaller;
  sigemptyset(&sinyaller);
  sigaddset(&sinyaller, SIGINT);
  sigaddset(&sinyaller, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &sinyaller, nullptr);

  Sunucu sunucu(a);
  try {
    sunucu.Baslat();
  } catch (const std::exception& e) {
    std::cerr << "Sunucu başlatılamadı: " << e.what() << "\n";
    return 1;
  }
  std::printf("DINLIYOR port=%d web=%d\n", sunucu.Port(), sunucu.WebPort());
  std::fflush(stdout);

  int sinyal = 0;
  sigwait(&sinyaller, &sinyal);
  sunucu.Durdur();
  return 0;
}
