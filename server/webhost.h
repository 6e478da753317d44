#pragma once
// The web-host pages served on the second port: the caller's address, stock pictures, the
// card-payment page, the request page and the setup file.

#include <QByteArray>
#include <functional>

namespace httplib { class Server; struct Request; }
class HataTablosu;
struct sqlite3;

struct WebOrtami {
  HataTablosu* hatalar = nullptr;
  std::function<sqlite3*()> veritabani;                  // this thread's database connection
  std::function<void(const httplib::Request&)> kopar;    // closes the caller's socket unanswered
};

void WebSayfalariniKur(httplib::Server& sunucu, const WebOrtami& ortam);

// The deterministic setup file served as "/exe/DravikB2BSetup.exe".
QByteArray KurulumDosyasi();
