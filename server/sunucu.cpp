// The reference server's framework: HTTP listeners, dispatch of the remote methods by name,
// one SQLite connection per worker thread, write methods in one transaction, the call log,
// fault injection and the notification streams.

#include "sunucu.h"

#include <arpa/inet.h>
#include <dirent.h>
#include <httplib.h>
#include <netinet/in.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/socket.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "bildirim.h"
#include "cagrikaydi.h"
#include "hatalar.h"
#include "icerik.h"
#include "webhost.h"
#include "yontem.h"

namespace {

// ---- one database connection per worker thread

struct IsParcacigiVeritabani {
  std::string yol;
  sqlite3* db = nullptr;
  ~IsParcacigiVeritabani() { Kapat(); }
  void Kapat() {
    if (db) sqlite3_close_v2(db);
    db = nullptr;
  }
};

void Calistir(sqlite3* db, const char* sql) {
  char* hata = nullptr;
  if (sqlite3_exec(db, sql, nullptr, nullptr, &hata) != SQLITE_OK) {
    const std::string metin = hata ? hata : sqlite3_errmsg(db);
    sqlite3_free(hata);
    throw std::runtime_error("Veritabanı hatası: " + metin);
  }
}

sqlite3* VeritabaniAc(const std::string& yol) {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(yol.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                      nullptr) != SQLITE_OK) {
    const std::string metin = db ? sqlite3_errmsg(db) : "bellek yetersiz";
    sqlite3_close_v2(db);
    throw std::runtime_error("Veritabanı açılamadı (" + yol + "): " + metin);
  }
  sqlite3_busy_timeout(db, 15000);
  Calistir(db, "PRAGMA synchronous=FULL");
  return db;
}

sqlite3* BuIsParcacigininVeritabani(const std::string& yol) {
  thread_local IsParcacigiVeritabani vt;
  if (vt.db && vt.yol != yol) vt.Kapat();
  if (!vt.db) {
    vt.db = VeritabaniAc(yol);
    vt.yol = yol;
  }
  return vt.db;
}

// ---- faults that act on the connection itself

// Closes the caller's socket without an answer: the worker's later writes fail and the
// client sees a connection closed with nothing received.
void BaglantiyiKopar(const httplib::Request& req) {
  DIR* dizin = opendir("/proc/self/fd");
  if (!dizin) return;
  while (dirent* g = readdir(dizin)) {
    const int fd = atoi(g->d_name);
    if (fd <= 2) continue;
    sockaddr_storage yerel{}, uzak{};
    socklen_t y = sizeof yerel, u = sizeof uzak;
    if (getsockname(fd, reinterpret_cast<sockaddr*>(&yerel), &y) != 0) continue;
    if (getpeername(fd, reinterpret_cast<sockaddr*>(&uzak), &u) != 0) continue;
    auto port = [](const sockaddr_storage& a) {
      if (a.ss_family == AF_INET) return int(ntohs(reinterpret_cast<const sockaddr_in&>(a).sin_port));
      if (a.ss_family == AF_INET6) return int(ntohs(reinterpret_cast<const sockaddr_in6&>(a).sin6_port));
      return -1;
    };
    if (port(yerel) == req.local_port && port(uzak) == req.remote_port) {
      shutdown(fd, SHUT_RDWR);
      break;
    }
  }
  closedir(dizin);
}

std::string HataGovdesi(const QString& mesaj) {
  return QJsonDocument(QJsonObject{{QStringLiteral("error"), mesaj}}).toJson(QJsonDocument::Compact).toStdString();
}

void JsonYaz(httplib::Response& res, int durum, std::string govde) {
  res.status = durum;
  res.body = std::move(govde);
  res.set_header("Content-Type", "application/json; charset=utf-8");
}

void Uyu(int ms, const std::atomic<bool>& durdu) {
  const auto son = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (!durdu.load() && std::chrono::steady_clock::now() < son)
    std::this_thread::sleep_for(std::chrono::milliseconds(std::min(ms, 20)));
}

// The reply body of an answer: {"result":[...]} with packets written as they are.
std::string CevapGovdesi(const Yanit& y, bool kisaAkis) {
  size_t toplam = 16;
  for (const auto& o : y.Ogeler()) toplam += o.json.size() + size_t(o.akis.size()) * 4 / 3 + 16;
  std::string g;
  g.reserve(toplam);
  g += "{\"result\":[";
  bool ilk = true;
  for (const auto& o : y.Ogeler()) {
    if (!ilk) g += ',';
    ilk = false;
    if (o.tur == Yanit::Tur::Akis) {
      const QByteArray baytlar = kisaAkis && !o.akis.isEmpty() ? o.akis.left(o.akis.size() / 2) : o.akis;
      const QByteArray b64 = baytlar.toBase64();
      g += "{\"stream\":\"";
      g.append(b64.constData(), size_t(b64.size()));
      g += "\"}";
    } else {
      g += o.json;
    }
  }
  g += "]}";
  return g;
}

}  // namespace

struct Sunucu::Impl {
  SunucuAyarlari ayar;
  std::string vtYolu;
  std::unique_ptr<QTemporaryDir> geciciDizin;
  YontemTablosu tablo;
  HataTablosu hatalar;
  std::unique_ptr<CagriKaydi> kayit;
  BildirimMerkezi bildirim;
  httplib::Server api;
  httplib::Server web;
  std::thread apiIs, webIs;
  int port = 0, webPort = 0;
  std::atomic<bool> durdu{false};
  bool basladi = false;

  sqlite3* Vt() { return BuIsParcacigininVeritabani(vtYolu); }
  void YollariKur();
  void YontemCagir(const httplib::Request& req, httplib::Response& res, const QString& ad);
};

void Sunucu::Impl::YontemCagir(const httplib::Request& req, httplib::Response& res, const QString& ad) {
  // the call as it came, for the log
  QJsonParseError pe{};
  const QJsonDocument belge = QJsonDocument::fromJson(QByteArray::fromStdString(req.body), &pe);
  const bool gecerli = pe.error == QJsonParseError::NoError && belge.isObject() &&
                       (belge.object().value(QStringLiteral("params")).isArray() ||
                        belge.object().value(QStringLiteral("params")).isUndefined());
  Cagri cagri;
  cagri.yontem = ad;
  if (gecerli) cagri.girdiler = belge.object().value(QStringLiteral("params")).toArray();
  kayit->Ekle(ad, QJsonDocument(cagri.girdiler).toJson(QJsonDocument::Compact));

  bool kisaAkis = false;
  if (auto h = hatalar.Al(ad)) {
    switch (h->tur) {
      case HataTuru::Gecikme: Uyu(h->ms, durdu); break;
      case HataTuru::Hata: return JsonYaz(res, 500, HataGovdesi(h->mesaj));
      case HataTuru::KisaAkis: kisaAkis = true; break;
      case HataTuru::BaglantiReddet: BaglantiyiKopar(req); return;
      case HataTuru::BozukCevap: return JsonYaz(res, 200, "{\"result\":[1,{\"stream\":");
    }
  }

  bool yazar = false;
  const YontemIsleyici* isle = tablo.Bul(ad, &yazar);
  if (!isle) return JsonYaz(res, 404, HataGovdesi(QStringLiteral("Sunucuda böyle bir yöntem yok: %1").arg(ad)));
  if (!gecerli) return JsonYaz(res, 400, HataGovdesi(QStringLiteral("İstek gövdesi okunamadı: {\"params\":[...]} bekleniyordu.")));

  Yanit yanit;
  sqlite3* db = nullptr;
  try {
    db = Vt();
    cagri.db = db;
    if (yazar) Calistir(db, "BEGIN IMMEDIATE");
    (*isle)(cagri, yanit);
    if (yazar) Calistir(db, "COMMIT");
  } catch (const YontemHatasi& e) {
    if (db && !sqlite3_get_autocommit(db)) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    return JsonYaz(res, 500, HataGovdesi(QString::fromStdString(e.what())));
  } catch (const std::exception& e) {
    if (db && !sqlite3_get_autocommit(db)) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    return JsonYaz(res, 500, HataGovdesi(QStringLiteral("Sunucuda beklenmeyen bir hata oluştu (%1): %2")
                                             .arg(ad, QString::fromStdString(e.what()))));
  } catch (...) {
    if (db && !sqlite3_get_autocommit(db)) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    return JsonYaz(res, 500, HataGovdesi(QStringLiteral("Sunucuda beklenmeyen bir hata oluştu (%1).").arg(ad)));
  }
  // a read method must not leave a transaction open on this thread's connection
  if (!sqlite3_get_autocommit(db)) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
  JsonYaz(res, 200, CevapGovdesi(yanit, kisaAkis));
}

void Sunucu::Impl::YollariKur() {
  using httplib::Request;
  using httplib::Response;

  api.Get("/datasnap/ping", [this](const Request& req, Response& res) {
    if (auto h = hatalar.Al(QStringLiteral("ping"))) {
      if (h->tur == HataTuru::Gecikme) Uyu(h->ms, durdu);
      else if (h->tur == HataTuru::BaglantiReddet) return BaglantiyiKopar(req);
      else return JsonYaz(res, 500, HataGovdesi(h->mesaj));
    }
    JsonYaz(res, 200, "{\"result\":[\"pong\"]}");
  });

  api.Post(R"(/datasnap/rest/TServerMethods1/([A-Za-z0-9_]+))", [this](const Request& req, Response& res) {
    YontemCagir(req, res, QString::fromStdString(req.matches[1].str()));
  });

  api.Get(R"(/datasnap/kanal/([A-Za-z0-9_]+))", [this](const Request& req, Response& res) {
    auto dinleyici = bildirim.Kaydol(QString::fromStdString(req.matches[1].str()),
                                     QString::fromStdString(req.get_param_value("id")));
    res.set_header("Cache-Control", "no-cache");
    auto ilk = std::make_shared<bool>(true);
    res.set_chunked_content_provider(
        "text/event-stream",
        [this, dinleyici, ilk](size_t, httplib::DataSink& sink) {
          if (*ilk) {
            *ilk = false;
            static const char kBagli[] = ": bagli\n\n";
            return sink.write(kBagli, sizeof kBagli - 1);
          }
          if (durdu.load()) return false;
          std::string json;
          if (bildirim.Bekle(dinleyici, 5000, &json)) {
            const std::string olay = "event: bildirim\ndata: " + json + "\n\n";
            return sink.write(olay.data(), olay.size());
          }
          if (dinleyici->bitti || durdu.load()) return false;
          static const char kCanli[] = ": canli\n\n";  // keeps idle streams checked
          return sink.write(kCanli, sizeof kCanli - 1);
        },
        [this, dinleyici](bool) { bildirim.Birak(dinleyici); });
  });

  // ---- admin
  api.Get("/admin/cagrilar", [this](const Request&, Response& res) {
    res.body = kayit->Satirlar().toStdString();
    res.set_header("Content-Type", "application/x-ndjson; charset=utf-8");
  });
  api.Delete("/admin/cagrilar", [this](const Request&, Response& res) {
    kayit->Temizle();
    JsonYaz(res, 200, "{\"tamam\":true}");
  });
  api.Post("/admin/hata", [this](const Request& req, Response& res) {
    try {
      QString anahtar;
      const HataTanimi h = HataTanimiOku(QJsonDocument::fromJson(QByteArray::fromStdString(req.body)).object(), &anahtar);
      hatalar.Kur(anahtar, h);
      JsonYaz(res, 200, "{\"tamam\":true}");
    } catch (const std::exception& e) {
      JsonYaz(res, 400, HataGovdesi(QString::fromUtf8(e.what())));
    }
  });
  api.Delete("/admin/hata", [this](const Request&, Response& res) {
    hatalar.Temizle();
    JsonYaz(res, 200, "{\"tamam\":true}");
  });
  api.Get("/admin/hata", [this](const Request&, Response& res) {
    JsonYaz(res, 200, QJsonDocument(hatalar.Durum()).toJson(QJsonDocument::Compact).toStdString());
  });
  api.Post("/admin/bildir", [this](const Request& req, Response& res) {
    const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(req.body)).object();
    const QString kanal = o.value(QStringLiteral("kanal")).toString(QStringLiteral("Kolmaren"));
    const QJsonObject olay{{QStringLiteral("kanal"), kanal}, {QStringLiteral("mesaj"), o.value(QStringLiteral("mesaj"))}};
    const int n = bildirim.Yayinla(kanal, QJsonDocument(olay).toJson(QJsonDocument::Compact).toStdString());
    JsonYaz(res, 200, "{\"alici\":" + std::to_string(n) + "}");
  });
  api.Get("/admin/dinleyiciler", [this](const Request& req, Response& res) {
    const QString kanal = req.has_param("kanal") ? QString::fromStdString(req.get_param_value("kanal"))
                                                 : QStringLiteral("Kolmaren");
    JsonYaz(res, 200, "{\"sayi\":" + std::to_string(bildirim.DinleyiciSayisi(kanal)) + "}");
  });
  api.Get("/admin/mailler", [this](const Request&, Response& res) {
    // Mail requests are stored, never sent: tests read them here.
    QJsonArray liste;
    for (const IcerikMail& m : MailIstekleri(Vt()))
      liste.append(QJsonObject{{QStringLiteral("sirano"), m.sirano},
                               {QStringLiteral("yontem"), m.yontem},
                               {QStringLiteral("alanlar"), QJsonArray::fromStringList(m.alanlar)}});
    JsonYaz(res, 200, QJsonDocument(liste).toJson(QJsonDocument::Compact).toStdString());
  });
  api.Get("/admin/yontemler", [this](const Request&, Response& res) {
    JsonYaz(res, 200, QJsonDocument(QJsonArray::fromStringList(tablo.Adlar())).toJson(QJsonDocument::Compact).toStdString());
  });

  auto hataIsleyici = [](const Request& req, Response& res) {
    if (res.status == 404 && res.body.empty())
      JsonYaz(res, 404, HataGovdesi(QStringLiteral("Bulunamadı: %1").arg(QString::fromStdString(req.path))));
  };
  api.set_error_handler(hataIsleyici);
  api.set_exception_handler([](const Request&, Response& res, std::exception_ptr) {
    JsonYaz(res, 500, HataGovdesi(QStringLiteral("Sunucuda beklenmeyen bir hata oluştu.")));
  });

  WebOrtami ortam;
  ortam.hatalar = &hatalar;
  ortam.veritabani = [this] { return Vt(); };
  ortam.kopar = &BaglantiyiKopar;
  WebSayfalariniKur(web, ortam);
}

Sunucu::Sunucu(SunucuAyarlari ayar) : d(std::make_unique<Impl>()) {
  d->ayar = std::move(ayar);
  TicaretYontemleriniKaydet(d->tablo);
  IcerikYontemleriniKaydet(d->tablo);
}

Sunucu::~Sunucu() { Durdur(); }

YontemTablosu& Sunucu::Yontemler() { return d->tablo; }
int Sunucu::Port() const { return d->port; }
int Sunucu::WebPort() const { return d->webPort; }

void Sunucu::Baslat() {
  if (d->basladi) return;
  ::signal(SIGPIPE, SIG_IGN);
  QString yol = d->ayar.veritabaniYolu;
  if (yol == QLatin1String(":memory:") || yol.startsWith(QLatin1String("file::memory:")) || yol.contains(QLatin1String("mode=memory")))
    throw std::runtime_error("Bellekte veritabanı kullanılamaz: her iş parçacığı kendi bağlantısını açar; bir dosya yolu verin.");
  if (yol.isEmpty()) {
    d->geciciDizin = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/dravik-sunucu-XXXXXX"));
    if (!d->geciciDizin->isValid()) throw std::runtime_error("Geçici klasör oluşturulamadı.");
    yol = d->geciciDizin->filePath(QStringLiteral("dravik.db"));
  }
  d->vtYolu = yol.toStdString();

  {
    sqlite3* db = VeritabaniAc(d->vtYolu);
    try {
      Calistir(db, "PRAGMA journal_mode=WAL");
      VeritabaniKur(db, d->ayar.veri);
      IcerikVerisiKur(db, d->ayar.veri);
    } catch (...) {
      if (!sqlite3_get_autocommit(db)) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
      sqlite3_close_v2(db);
      throw;
    }
    sqlite3_close_v2(db);
  }

  d->kayit = std::make_unique<CagriKaydi>(d->ayar.cagriKaydiYolu);
  d->YollariKur();

  const size_t isci = size_t(std::max(4, d->ayar.isciSayisi));
  for (httplib::Server* s : {&d->api, &d->web}) {
    s->new_task_queue = [isci] { return new httplib::ThreadPool(isci); };
    s->set_tcp_nodelay(true);
    // no SO_REUSEPORT: a second server on a port in use must fail instead of sharing it
    s->set_socket_options([](int sock) {
      int evet = 1;
      setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &evet, sizeof evet);
    });
    s->set_keep_alive_max_count(100000);
    s->set_keep_alive_timeout(5);  // an idle kept-alive connection holds a worker thread
    s->set_read_timeout(30);
    s->set_write_timeout(60);
    s->set_payload_max_length(size_t(64) << 20);
  }

  const std::string adres = d->ayar.adres.toStdString();
  auto bagla = [&](httplib::Server& s, int istenen) {
    if (istenen == 0) return s.bind_to_any_port(adres);
    return s.bind_to_port(adres, istenen) ? istenen : -1;
  };
  d->port = bagla(d->api, d->ayar.port);
  if (d->port <= 0) throw std::runtime_error("Sunucu portu açılamadı: " + std::to_string(d->ayar.port));
  d->webPort = bagla(d->web, d->ayar.webPort);
  if (d->webPort <= 0) {
    d->api.stop();
    throw std::runtime_error("Web portu açılamadı: " + std::to_string(d->ayar.webPort));
  }
  d->apiIs = std::thread([this] { d->api.listen_after_bind(); });
  d->webIs = std::thread([this] { d->web.listen_after_bind(); });
  d->basladi = true;
}

void Sunucu::Durdur() {
  if (!d->basladi) return;
  d->durdu.store(true);
  d->bildirim.HepsiniBitir();
  d->api.stop();
  d->web.stop();
  if (d->apiIs.joinable()) d->apiIs.join();
  if (d->webIs.joinable()) d->webIs.join();
  d->basladi = false;
}
