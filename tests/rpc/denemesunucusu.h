#pragma once
// An in-process reference server for the transport and proxy tests: ephemeral loopback
// ports, a small catalogue, and test methods registered over the real ones where a test needs
// a known answer.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <memory>

#include "platform/rpc/dsbaglanti.h"
#include "server/sunucu.h"
#include "server/yontem.h"
#include "tests/ortak/httpistek.h"

class DenemeSunucusu {
 public:
  explicit DenemeSunucusu(int port = 0) {
    SunucuAyarlari a;
    a.port = port;
    a.webPort = 0;
    a.isciSayisi = 8;
    a.veri.stokAdedi = 40;
    sunucu = std::make_unique<Sunucu>(a);
  }
  void Baslat() { sunucu->Baslat(); }
  YontemTablosu& Yontemler() { return sunucu->Yontemler(); }
  int Port() const { return sunucu->Port(); }

  std::unique_ptr<TSQLConnection> Baglanti(int okumaMs = 10000) const {
    auto b = std::make_unique<TSQLConnection>();
    b->Params.insert(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
    b->Params.insert(QStringLiteral("Port"), QString::number(sunucu->Port()));
    b->ReadTimeoutMs = okumaMs;
    return b;
  }

  // Plain HTTP on one of the two ports; returns the body, durum the status (0: no answer).
  QByteArray Istek(const char* yontem, const QString& yol, const QByteArray& govde = {}, int* durum = nullptr,
                   bool web = false) const {
    return HttpIstek(yontem,
                     QStringLiteral("http://127.0.0.1:%1%2").arg(web ? sunucu->WebPort() : sunucu->Port()).arg(yol),
                     govde, durum, 20000);
  }

  void HataKur(const QString& yontem, const char* tur, int ms = 0, const QString& mesaj = {}, int kez = 1) const {
    int durum = 0;
    Istek("POST", QStringLiteral("/admin/hata"),
          QStringLiteral("{\"yontem\":\"%1\",\"tur\":\"%2\",\"ms\":%3,\"mesaj\":\"%4\",\"kez\":%5}")
              .arg(yontem, QString::fromLatin1(tur))
              .arg(ms)
              .arg(mesaj)
              .arg(kez)
              .toUtf8(),
          &durum);
    ASSERT_EQ(durum, 200);
  }

  std::unique_ptr<Sunucu> sunucu;
};
