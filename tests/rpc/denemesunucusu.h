#pragma once
// An in-process reference server for the transport and proxy tests: ephemeral loopback
// ports, a small catalogue, and test methods registered over the real ones where a test needs
// a known answer.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <curl/curl.h>
#include <memory>

#include "platform/rpc/curlortak.h"
#include "platform/rpc/dsbaglanti.h"
#include "server/sunucu.h"
#include "server/yontem.h"

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
    QByteArray cevap;
    if (durum) *durum = 0;
    CurlHazirla();
    CURL* c = curl_easy_init();
    const QByteArray url =
        QStringLiteral("http://127.0.0.1:%1%2").arg(web ? sunucu->WebPort() : sunucu->Port()).arg(yol).toUtf8();
    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_NOPROXY, "*");
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, 20000L);
    curl_easy_setopt(c, CURLOPT_CUSTOMREQUEST, yontem);
    if (!govde.isEmpty()) {
      curl_easy_setopt(c, CURLOPT_POSTFIELDS, govde.constData());
      curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE, long(govde.size()));
    }
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, +[](char* p, size_t b, size_t n, void* k) {
      static_cast<QByteArray*>(k)->append(p, qsizetype(b * n));
      return b * n;
    });
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &cevap);
    if (curl_easy_perform(c) == CURLE_OK && durum) {
      long k = 0;
      curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &k);
      *durum = int(k);
    }
    curl_easy_cleanup(c);
    return cevap;
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
