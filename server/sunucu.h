#pragma once
// The reference application server: the remote methods over HTTP, the admin endpoints (call
// log, faults, notifications) and, on a port of its own, the web-host pages.

#include <QString>
#include <memory>

#include "veritabani.h"

class YontemTablosu;

struct SunucuAyarlari {
  QString adres = QStringLiteral("127.0.0.1");  // listening address
  int port = 9090;                              // 0: the system chooses
  int webPort = 0;                              // 0: the system chooses
  QString veritabaniYolu;                       // SQLite file; must not be ":memory:"
  QString cagriKaydiYolu;                       // JSON-lines call log file (empty: memory only)
  VeriAyarlari veri;
  int isciSayisi = 32;                          // worker threads per listener
};

class Sunucu {
 public:
  explicit Sunucu(SunucuAyarlari ayar);
  ~Sunucu();
  Sunucu(const Sunucu&) = delete;
  Sunucu& operator=(const Sunucu&) = delete;

  // Creates or opens the database, registers the methods, binds both ports and starts
  // serving on background threads. Throws std::runtime_error with a Turkish text on failure.
  void Baslat();
  void Durdur();  // stops both listeners and ends every notification stream

  int Port() const;
  int WebPort() const;
  YontemTablosu& Yontemler();  // extra methods may be added before Baslat (tests)

 private:
  struct Impl;
  std::unique_ptr<Impl> d;
};
