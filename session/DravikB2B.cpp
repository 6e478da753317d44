// Dravik B2B: the program entry. Applies the visual style, creates the main window, whose
// start-up runs the login first, and runs the message loop.
#include <QApplication>
#include <QCoreApplication>
#include <cstdio>
#include <initializer_list>

#include "mainwindow/Unit1.h"
#include "platform/controls/gorunum.h"
#include "platform/controls/mesajkutusu.h"
#include "session/programayarlari.h"

namespace {
bool Secenek(const QStringList& a, std::initializer_list<const char*> adlar) {
  for (const char* ad : adlar)
    if (a.contains(QLatin1String(ad))) return true;
  return false;
}
}  // namespace

int main(int argc, char** argv) {
  QStringList argumanlar;
  for (int i = 0; i < argc; ++i) argumanlar << QString::fromLocal8Bit(argv[i]);

  // Help, version and malformed options are answered without a display.
  {
    QString hata;
    QString yardim;
    const bool tamam = KomutSatiriniUygula(argumanlar, &hata, &yardim);
    if (!tamam) {
      std::fprintf(stderr, "%s\n\n%s", qPrintable(hata), qPrintable(yardim));
      return 2;
    }
    if (Secenek(argumanlar, {"--help", "-h", "-?", "--help-all"})) {
      std::printf("%s", qPrintable(yardim));
      return 0;
    }
    if (Secenek(argumanlar, {"--version", "-v"})) {
      std::printf("Dravik B2B 6\n");
      return 0;
    }
  }

  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);  // the embedded browser needs it
  QApplication uygulama(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("DravikB2B"));
  QCoreApplication::setApplicationVersion(QStringLiteral("6"));

  if (!GorunumUygula()) std::fprintf(stderr, "Görünüm uygulanamadı; varsayılan görünümle devam ediliyor.\n");
  MesajKutusuKur();

  TForm1 anaPencere;
  if (!anaPencere.FormCreate()) return 0;
  anaPencere.showMaximized();
  return uygulama.exec();
}
