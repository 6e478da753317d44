// The notification channel on libcurl's multi interface: one long GET of server-sent events,
// woken at once for a stop; reconnects with a growing wait after a drop.

#include "platform/rpc/dskanal.h"

#include <curl/curl.h>

#include "platform/rpc/curlortak.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

namespace {


class TIslevCallback : public TDBXNamedCallback {
 public:
  TIslevCallback(const QString& ad, std::function<QJsonValue(const QJsonValue&)> f)
      : TDBXNamedCallback(ad), f_(std::move(f)) {}
  QJsonValue Execute(const QJsonValue& arg) override { return f_ ? f_(arg) : QJsonValue(true); }

 private:
  std::function<QJsonValue(const QJsonValue&)> f_;
};

}  // namespace

struct TDSClientCallbackChannelManager::Impl {
  TDSClientCallbackChannelManager* sahip = nullptr;
  mutable std::mutex kilit;
  std::condition_variable kosul;
  std::map<QString, std::shared_ptr<TDBXNamedCallback>> geriCagirmalar;
  std::thread is;
  std::atomic<bool> dur{false};
  std::atomic<bool> bagli{false};
  std::atomic<int> baglantiSayisi{0};
  CURLM* coklu = nullptr;  // valid while the thread runs; guarded by kilit for wake-ups

  // the event being read
  QByteArray tampon;
  QByteArray veri;
  std::chrono::steady_clock::time_point sonBayt;

  static size_t AkisVerisi(char* p, size_t boy, size_t adet, void* k);
  void Calis();
  bool AkisOku(const QByteArray& adres);
  void SatirIsle(const QByteArray& satir);
  void Dagit(const QByteArray& json);
  void Baslat();
  void Bitir();
};

size_t TDSClientCallbackChannelManager::Impl::AkisVerisi(char* p, size_t boy, size_t adet, void* k) {
  auto* d = static_cast<Impl*>(k);
  const size_t n = boy * adet;
  d->sonBayt = std::chrono::steady_clock::now();
  d->tampon.append(p, qsizetype(n));
  qsizetype bas = 0;
  for (;;) {
    const qsizetype son = d->tampon.indexOf('\n', bas);
    if (son < 0) break;
    QByteArray satir = d->tampon.mid(bas, son - bas);
    if (satir.endsWith('\r')) satir.chop(1);
    d->SatirIsle(satir);
    bas = son + 1;
  }
  d->tampon.remove(0, bas);
  if (d->tampon.size() > (16 << 20)) return 0;  // a line this long is not an event stream
  return d->dur.load() ? 0 : n;
}

void TDSClientCallbackChannelManager::Impl::SatirIsle(const QByteArray& satir) {
  if (satir.isEmpty()) {  // end of an event
    if (!veri.isEmpty()) Dagit(veri);
    veri.clear();
    return;
  }
  if (satir.startsWith(':')) {
    if (satir.mid(1).trimmed() == "bagli") bagli.store(true);
    return;
  }
  if (satir.startsWith("data:")) {
    QByteArray parca = satir.mid(5);
    if (parca.startsWith(' ')) parca.remove(0, 1);
    if (!veri.isEmpty()) veri.append('\n');
    veri.append(parca);
  }
}

void TDSClientCallbackChannelManager::Impl::Dagit(const QByteArray& json) {
  QJsonParseError h{};
  const QJsonDocument belge = QJsonDocument::fromJson(json, &h);
  QJsonValue deger;
  if (h.error == QJsonParseError::NoError) deger = belge.isObject() ? QJsonValue(belge.object()) : QJsonValue(belge.array());
  else deger = QJsonValue(QString::fromUtf8(json));
  std::vector<std::shared_ptr<TDBXNamedCallback>> liste;
  {
    std::lock_guard<std::mutex> k(kilit);
    for (auto& [ad, cb] : geriCagirmalar) liste.push_back(cb);
  }
  for (auto& cb : liste) {
    try {
      cb->Execute(deger);
    } catch (...) {
      // a callback's failure must not end the channel
    }
  }
}

bool TDSClientCallbackChannelManager::Impl::AkisOku(const QByteArray& adres) {
  CURL* c = curl_easy_init();
  if (!c) return false;
  tampon.clear();
  veri.clear();
  curl_easy_setopt(c, CURLOPT_URL, adres.constData());
  curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(c, CURLOPT_TCP_NODELAY, 1L);
  curl_easy_setopt(c, CURLOPT_NOPROXY, "*");
  curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, long(sahip->ConnectTimeoutMs));
  curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &AkisVerisi);
  curl_easy_setopt(c, CURLOPT_WRITEDATA, this);
  curl_slist* basliklar = curl_slist_append(nullptr, "Accept: text/event-stream");
  curl_easy_setopt(c, CURLOPT_HTTPHEADER, basliklar);
  {
    std::lock_guard<std::mutex> k(kilit);
    curl_multi_add_handle(coklu, c);
  }
  baglantiSayisi.fetch_add(1);
  sonBayt = std::chrono::steady_clock::now();
  bool veriGeldi = false;
  int calisan = 1;
  while (!dur.load()) {
    curl_multi_perform(coklu, &calisan);
    if (calisan == 0) break;
    curl_multi_poll(coklu, nullptr, 0, 1000, nullptr);
    if (bagli.load()) veriGeldi = true;
    const auto sessiz = std::chrono::steady_clock::now() - sonBayt;
    if (sessiz > std::chrono::milliseconds(sahip->SessizlikSiniriMs)) break;
  }
  long durum = 0;
  curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &durum);
  {
    std::lock_guard<std::mutex> k(kilit);
    curl_multi_remove_handle(coklu, c);
  }
  curl_easy_cleanup(c);
  curl_slist_free_all(basliklar);
  bagli.store(false);
  return veriGeldi && durum == 200;
}

void TDSClientCallbackChannelManager::Impl::Calis() {
  QString baglam = sahip->DSContext;
  while (baglam.startsWith(QLatin1Char('/'))) baglam.remove(0, 1);
  if (!baglam.isEmpty() && !baglam.endsWith(QLatin1Char('/'))) baglam += QLatin1Char('/');
  const QByteArray adres =
      QStringLiteral("http://%1:%2/%3kanal/%4?id=%5")
          .arg(sahip->HostName, sahip->Port, baglam,
               QString::fromLatin1(QUrl::toPercentEncoding(sahip->ChannelName)),
               QString::fromLatin1(QUrl::toPercentEncoding(sahip->ManagerId)))
          .toUtf8();
  int bekleme = std::max(10, sahip->YenidenDenemeMs);
  while (!dur.load()) {
    if (AkisOku(adres)) bekleme = std::max(10, sahip->YenidenDenemeMs);  // it was up: start again quickly
    if (dur.load()) break;
    std::unique_lock<std::mutex> k(kilit);
    kosul.wait_for(k, std::chrono::milliseconds(bekleme), [&] { return dur.load(); });
    bekleme = std::min(bekleme * 2, std::max(bekleme, sahip->EnUzunBeklemeMs));
  }
}

void TDSClientCallbackChannelManager::Impl::Baslat() {
  if (is.joinable()) {
    if (!dur.load() || is.get_id() == std::this_thread::get_id()) return;
    is.join();  // a stop asked from a callback: finish it before starting again
    curl_multi_cleanup(coklu);
    coklu = nullptr;
  }
  CurlHazirla();
  dur.store(false);
  coklu = curl_multi_init();
  is = std::thread([this] { Calis(); });
}

void TDSClientCallbackChannelManager::Impl::Bitir() {
  if (!is.joinable()) return;
  dur.store(true);
  {
    std::lock_guard<std::mutex> k(kilit);
    if (coklu) curl_multi_wakeup(coklu);
  }
  kosul.notify_all();
  if (is.get_id() == std::this_thread::get_id()) return;  // asked from a callback: joined later
  is.join();
  curl_multi_cleanup(coklu);
  coklu = nullptr;
}

TDSClientCallbackChannelManager::TDSClientCallbackChannelManager() : d(std::make_unique<Impl>()) {
  d->sahip = this;
}

TDSClientCallbackChannelManager::~TDSClientCallbackChannelManager() { Durdur(); }

bool TDSClientCallbackChannelManager::RegisterCallback(std::unique_ptr<TDBXNamedCallback> callback) {
  if (!callback) return false;
  {
    std::lock_guard<std::mutex> k(d->kilit);
    const QString ad = callback->Name;
    if (d->geriCagirmalar.count(ad)) return false;
    d->geriCagirmalar.emplace(ad, std::shared_ptr<TDBXNamedCallback>(std::move(callback)));
  }
  d->Baslat();
  return true;
}

bool TDSClientCallbackChannelManager::RegisterCallback(const QString& name,
                                                       std::function<QJsonValue(const QJsonValue&)> islev) {
  return RegisterCallback(std::make_unique<TIslevCallback>(name, std::move(islev)));
}

bool TDSClientCallbackChannelManager::UnregisterCallback(const QString& name) {
  bool bos = false;
  {
    std::lock_guard<std::mutex> k(d->kilit);
    if (!d->geriCagirmalar.erase(name)) return false;
    bos = d->geriCagirmalar.empty();
  }
  if (bos) d->Bitir();
  return true;
}

void TDSClientCallbackChannelManager::Durdur() { d->Bitir(); }
bool TDSClientCallbackChannelManager::Bagli() const { return d->bagli.load(); }
int TDSClientCallbackChannelManager::BaglantiSayisi() const { return d->baglantiSayisi.load(); }
