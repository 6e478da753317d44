#pragma once
// Plain synchronous web GET for the login's address lookup and the update download.
// Runs on the calling (worker) thread; follows redirects.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <atomic>
#include <functional>

struct TWebIstegi {
  QString adres;
  int baglanmaMs = 15000;
  int okumaMs = 15000;
  QList<QPair<QByteArray, QByteArray>> basliklar;
  // Called with (bytes read so far, total length or 0 when the host announces none).
  std::function<void(qint64, qint64)> ilerleme;
  const std::atomic_bool* dur = nullptr;  // true stops the transfer
};

struct TWebYaniti {
  bool tamam = false;  // a complete answer arrived (any status)
  int durum = 0;       // HTTP status code
  QByteArray govde;
  QString hata;        // what went wrong, for a message, when tamam is false
  qint64 duyurulanUzunluk = -1;  // Content-Length, -1 when not given
  QString neden;                 // the status line's reason text
  // A complete success answer: status 2xx and the whole announced body.
  bool Basarili() const {
    return tamam && durum >= 200 && durum < 300 && (duyurulanUzunluk < 0 || duyurulanUzunluk == govde.size());
  }
  QString DurumMetni() const;  // "HTTP 404" and the reason, for messages
};

TWebYaniti WebAl(const TWebIstegi& istek);
