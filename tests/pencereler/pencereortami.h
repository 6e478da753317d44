#pragma once
// Shared set-up of the window tests: a reference server on ephemeral ports, a settings folder
// of their own, the end-program hook counted instead of ending the process, Turkish number
// settings and short pauses between connection attempts.

#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>
#include <memory>

#include "platform/core/sayibicim.h"
#include "session/programayarlari.h"
#include "session/utils.h"
#include "tests/ortak/sunucusureci.h"

class TPencereOrtami {
 protected:
  std::unique_ptr<TSunucuSureci> srv;
  QTemporaryDir ayarKoku;
  int bitis = 0;  // how often the program would have ended

  // Once per test program; false when the server did not start (srv->Hata() says why).
  bool OrtamKur() {
    qputenv("XDG_CONFIG_HOME", ayarKoku.path().toUtf8());
    srv = std::make_unique<TSunucuSureci>();
    if (!srv->Baslat()) return false;
    ProgramiBitirKur([this] { ++bitis; });
    BicimAyarlariKur(TFormatSettings::Turkce());
    BaglantiAcBeklemeKur([](int) { QThread::msleep(10); });
    return true;
  }
  void OrtamBirak() {
    ProgramiBitirKur({});
    BaglantiAcBeklemeKur(nullptr);
  }
  // Before each test: the program's addresses point at the server, no fault is set.
  void OrtamSifirla() {
    bitis = 0;
    ProgramAyarlari() = TProgramAyarlari{};
    ProgramAyarlari().SunucuHost = srv->Host();
    ProgramAyarlari().SunucuPort = QString::number(srv->Port());
    ProgramAyarlari().WebAdres = srv->WebAdres();
    ProgramAyarlari().UreticiAdres = srv->WebAdres();
    srv->HatalariTemizle();
  }

  // A loopback port nobody listens on.
  static int KapaliPort() {
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    const int p = s.serverPort();
    s.close();
    return p;
  }
};
