// Start-up figures against the reference server: program start (application, style, main
// window) to the login window shown, and the login to a populated main window (header,
// counters, banners, scrolling text). Prints milliseconds; median of several rounds.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "mainwindow/Unit1.h"
#include "platform/controls/gorunum.h"
#include "platform/controls/mesajkutusu.h"
#include "session/girisformu.h"
#include "session/programayarlari.h"
#include "tests/ortak/sunucusureci.h"

namespace {
double Orta(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}
}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer baslangic;
  baslangic.start();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir ayar;
  qputenv("XDG_CONFIG_HOME", ayar.path().toUtf8());
  QApplication uyg(argc, argv);
  GorunumUygula();
  MesajKutusuKur();
  const double uygulamaMs = baslangic.nsecsElapsed() / 1e6;

  TSunucuSureci srv;
  if (!srv.Baslat()) {
    std::fprintf(stderr, "sunucu başlamadı: %s\n", qPrintable(srv.Hata()));
    return 1;
  }
  QDir().mkpath(ayar.path() + "/dravik");
  {
    QFile f(ayar.path() + "/dravik/ayar.ini");
    f.open(QIODevice::WriteOnly);
    f.write(QStringLiteral("[kullanici]\r\nisim=MUSTERI\r\nsifre=1234\r\nhatırla=1\r\n").toUtf8());
  }
  TProgramAyarlari& a = ProgramAyarlari();
  a.SunucuHost = srv.Host();
  a.SunucuPort = QString::number(srv.Port());
  a.WebAdres = srv.WebAdres();
  a.UreticiAdres = srv.WebAdres();
  a.Kimlik = QStringLiteral("DEMO-MUSTERI");
  a.OtomatikGiris = true;
  ProgramiBitirKur([] {});

  const int turlar = 7;
  std::vector<double> girisPenceresi, anaPencere;
  for (int t = 0; t < turlar; ++t) {
    QElapsedTimer sure;
    sure.start();
    double gorundu = -1;
    double girisBasildi = -1;
    QTimer gozcu;
    QObject::connect(&gozcu, &QTimer::timeout, [&] {
      for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* g = qobject_cast<Tgirisform*>(w); g && g->isVisible()) {
          if (gorundu < 0) gorundu = sure.nsecsElapsed() / 1e6;
          if (girisBasildi < 0 && !g->Button1->isEnabled()) girisBasildi = sure.nsecsElapsed() / 1e6;
        }
    });
    gozcu.start(0);
    TForm1 f;
    if (!f.FormCreate()) {
      std::fprintf(stderr, "giriş başarısız\n");
      return 1;
    }
    gozcu.stop();
    QSignalSpy bitti(&f, &TForm1::YuklemeBitti);
    f.show();
    if (!bitti.wait(60000)) {
      std::fprintf(stderr, "yükleme bitmedi\n");
      return 1;
    }
    const double son = sure.nsecsElapsed() / 1e6;
    girisPenceresi.push_back(gorundu);
    anaPencere.push_back(son - std::max(0.0, girisBasildi));
  }
  std::printf("uygulama ve görünüm hazır: %.1f ms\n", uygulamaMs);
  std::printf("ana pencere oluşturma -> giriş penceresi görünür (ortanca, %d tur): %.1f ms\n", turlar,
              Orta(girisPenceresi));
  std::printf("program başı -> giriş penceresi (ilk tur): %.1f ms\n", uygulamaMs + girisPenceresi.front());
  std::printf("\"Giriş\" -> dolu ana pencere (başlık, sayaçlar, afişler; ortanca, %d tur): %.1f ms\n", turlar,
              Orta(anaPencere));
  return 0;
}
