// The connection to the application server on libcurl: one easy handle per open connection,
// kept alive between the calls of one open/close span and freed by Close.

#include "platform/rpc/dsbaglanti.h"

#include <curl/curl.h>

#include "platform/rpc/curlortak.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <atomic>
#include <mutex>

namespace {

// Bytes the packet decoder may read past the end of a reply (simdjson's padding).
constexpr qsizetype kDolguBayt = 64;


struct Aktarim {
  QByteArray* govde = nullptr;
  QElapsedTimer sonIlerleme;
  curl_off_t sonAlinan = -1;
  curl_off_t sonGonderilen = -1;
  int okumaSuresiMs = 0;
  bool zamanAsimi = false;
};

size_t BaslikAl(char* veri, size_t boy, size_t adet, void* kullanici) {
  auto* a = static_cast<Aktarim*>(kullanici);
  const size_t n = boy * adet;
  QByteArray satir = QByteArray::fromRawData(veri, qsizetype(n)).trimmed();
  if (satir.size() > 15 && satir.left(15).toLower() == "content-length:") {
    bool tamam = false;
    const qint64 uzunluk = satir.mid(15).trimmed().toLongLong(&tamam);
    if (tamam && uzunluk > 0 && uzunluk < (qint64(1) << 34)) a->govde->reserve(qsizetype(uzunluk) + kDolguBayt);
  }
  return n;
}

size_t GovdeAl(char* veri, size_t boy, size_t adet, void* kullanici) {
  auto* a = static_cast<Aktarim*>(kullanici);
  const size_t n = boy * adet;
  a->govde->append(veri, qsizetype(n));
  return n;
}

// Read timeout: the transfer is given up when neither side moved a byte for okumaSuresiMs.
int IlerlemeIzle(void* kullanici, curl_off_t, curl_off_t alinan, curl_off_t, curl_off_t gonderilen) {
  auto* a = static_cast<Aktarim*>(kullanici);
  if (alinan != a->sonAlinan || gonderilen != a->sonGonderilen) {
    a->sonAlinan = alinan;
    a->sonGonderilen = gonderilen;
    a->sonIlerleme.restart();
    return 0;
  }
  if (a->okumaSuresiMs > 0 && a->sonIlerleme.elapsed() > a->okumaSuresiMs) {
    a->zamanAsimi = true;
    return 1;
  }
  return 0;
}

QString TasimaHatasiMetni(CURLcode kod, const Aktarim& a, const QString& host, const QString& port,
                          const char* ayrinti) {
  if (a.zamanAsimi || kod == CURLE_OPERATION_TIMEDOUT)
    return QStringLiteral("Sunucu zamanında cevap vermedi (%1:%2).").arg(host, port);
  switch (kod) {
    case CURLE_COULDNT_CONNECT:
    case CURLE_COULDNT_RESOLVE_HOST:
      return QStringLiteral("Sunucuya bağlanılamadı (%1:%2).").arg(host, port);
    case CURLE_GOT_NOTHING:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_PARTIAL_FILE:
      return QStringLiteral("Sunucu bağlantısı beklenmedik şekilde kapandı (%1:%2).").arg(host, port);
    default:
      return QStringLiteral("Sunucu ile iletişim hatası: %1")
          .arg(QString::fromUtf8(ayrinti && *ayrinti ? ayrinti : curl_easy_strerror(kod)));
  }
}

// Marks the connection busy for one call; a second thread using the same connection at the
// same time gets an error instead of corrupting the handle.
class MesgulKilidi {
 public:
  explicit MesgulKilidi(std::atomic<bool>& b) : b_(b) {
    bool beklenen = false;
    if (!b_.compare_exchange_strong(beklenen, true))
      throw EDSHatasi(QStringLiteral("Bağlantı aynı anda iki iş parçacığından kullanılamaz."));
  }
  ~MesgulKilidi() { b_.store(false); }

 private:
  std::atomic<bool>& b_;
};

}  // namespace

struct TSQLConnection::Impl {
  CURL* curl = nullptr;
  curl_slist* basliklar = nullptr;
  char hata[CURL_ERROR_SIZE] = {};
  std::atomic<bool> mesgul{false};

  ~Impl() { Birak(); }
  void Birak() {
    if (curl) curl_easy_cleanup(curl);
    curl = nullptr;
    if (basliklar) curl_slist_free_all(basliklar);
    basliklar = nullptr;
  }
};

TSQLConnection::TSQLConnection() : d(std::make_unique<Impl>()) {
  Params.insert(QStringLiteral("CommunicationProtocol"), QStringLiteral("tcp/ip"));
  Params.insert(QStringLiteral("HostName"), QStringLiteral("localhost"));
  Params.insert(QStringLiteral("Port"), QStringLiteral("9090"));
  Params.insert(QStringLiteral("DatasnapContext"), QStringLiteral("datasnap/"));
  Params.insert(QStringLiteral("Filters"), QStringLiteral("{}"));
}

TSQLConnection::~TSQLConnection() = default;

QString TSQLConnection::TemelAdres() const {
  QString host = Params.value(QStringLiteral("HostName"), QStringLiteral("localhost"));
  if (host.contains(QLatin1Char(':')) && !host.startsWith(QLatin1Char('['))) host = u'[' + host + u']';
  QString baglam = Params.value(QStringLiteral("DatasnapContext"), QStringLiteral("datasnap/"));
  while (baglam.startsWith(QLatin1Char('/'))) baglam.remove(0, 1);
  if (!baglam.isEmpty() && !baglam.endsWith(QLatin1Char('/'))) baglam += QLatin1Char('/');
  return QStringLiteral("http://%1:%2/%3").arg(host, Params.value(QStringLiteral("Port"), QStringLiteral("9090")), baglam);
}

bool TSQLConnection::Connected() const { return d->curl != nullptr; }

void TSQLConnection::Close() {
  if (d->mesgul.load()) return;  // another thread is inside a call; it keeps the handle
  d->Birak();
}

void TSQLConnection::Open() {
  MesgulKilidi kilit(d->mesgul);
  CurlHazirla();
  d->Birak();
  CURL* c = curl_easy_init();
  if (!c) throw EDSHatasi(QStringLiteral("Bağlantı hazırlanamadı."));
  d->curl = c;
  curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(c, CURLOPT_TCP_NODELAY, 1L);
  curl_easy_setopt(c, CURLOPT_TCP_KEEPALIVE, 1L);
  curl_easy_setopt(c, CURLOPT_NOPROXY, "*");
  curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http");
  curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, long(ConnectTimeoutMs > 0 ? ConnectTimeoutMs : 5000));
  curl_easy_setopt(c, CURLOPT_ERRORBUFFER, d->hata);
  curl_easy_setopt(c, CURLOPT_HEADERFUNCTION, &BaslikAl);
  curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &GovdeAl);
  curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, &IlerlemeIzle);
  curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
  d->basliklar = curl_slist_append(nullptr, "Content-Type: application/json");
  d->basliklar = curl_slist_append(d->basliklar, "Expect:");

  QByteArray govde;
  Aktarim a;
  a.govde = &govde;
  a.okumaSuresiMs = ConnectTimeoutMs > 0 ? ConnectTimeoutMs : 5000;
  a.sonIlerleme.start();
  const QByteArray adres = (TemelAdres() + QStringLiteral("ping")).toUtf8();
  curl_easy_setopt(c, CURLOPT_URL, adres.constData());
  curl_easy_setopt(c, CURLOPT_HTTPGET, 1L);
  curl_easy_setopt(c, CURLOPT_HEADERDATA, &a);
  curl_easy_setopt(c, CURLOPT_WRITEDATA, &a);
  curl_easy_setopt(c, CURLOPT_XFERINFODATA, &a);
  d->hata[0] = 0;
  const CURLcode kod = curl_easy_perform(c);
  long durum = 0;
  curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &durum);
  if (kod != CURLE_OK || durum != 200) {
    const QString metin = kod != CURLE_OK
        ? TasimaHatasiMetni(kod, a, Params.value(QStringLiteral("HostName")), Params.value(QStringLiteral("Port")), d->hata)
        : QStringLiteral("Sunucu bağlantıyı kabul etmedi (HTTP %1).").arg(durum);
    d->Birak();
    throw EDSHatasi(metin);
  }
}

std::unique_ptr<TSQLConnection> TSQLConnection::Clone() const {
  auto k = std::make_unique<TSQLConnection>();
  k->ConnectionName = ConnectionName;
  k->DriverName = DriverName;
  k->LoginPrompt = LoginPrompt;
  k->Params = Params;
  k->ConnectTimeoutMs = ConnectTimeoutMs;
  k->ReadTimeoutMs = ReadTimeoutMs;
  return k;
}

QByteArray TSQLConnection::Cagir(const QString& yontem, const QByteArray& girdilerJson) {
  MesgulKilidi kilit(d->mesgul);
  CURL* c = d->curl;
  if (!c) throw EDSHatasi(QStringLiteral("Sunucu bağlantısı açık değil."));

  QByteArray istek;
  istek.reserve(girdilerJson.size() + 16);
  istek.append("{\"params\":").append(girdilerJson.isEmpty() ? QByteArray("[]") : girdilerJson).append('}');

  QByteArray govde;
  Aktarim a;
  a.govde = &govde;
  a.okumaSuresiMs = ReadTimeoutMs;
  a.sonIlerleme.start();
  const QByteArray adres =
      (TemelAdres() + QStringLiteral("rest/TServerMethods1/") + yontem).toUtf8();
  curl_easy_setopt(c, CURLOPT_URL, adres.constData());
  curl_easy_setopt(c, CURLOPT_POST, 1L);
  curl_easy_setopt(c, CURLOPT_POSTFIELDS, istek.constData());
  curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(istek.size()));
  curl_easy_setopt(c, CURLOPT_HTTPHEADER, d->basliklar);
  curl_easy_setopt(c, CURLOPT_HEADERDATA, &a);
  curl_easy_setopt(c, CURLOPT_WRITEDATA, &a);
  curl_easy_setopt(c, CURLOPT_XFERINFODATA, &a);
  d->hata[0] = 0;
  const CURLcode kod = curl_easy_perform(c);
  if (kod != CURLE_OK) {
    const QString metin = TasimaHatasiMetni(kod, a, Params.value(QStringLiteral("HostName")),
                                            Params.value(QStringLiteral("Port")), d->hata);
    throw EDSHatasi(metin);
  }
  long durum = 0;
  curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &durum);
  if (durum != 200) {
    const QJsonObject nesne = QJsonDocument::fromJson(govde).object();
    const QString mesaj = nesne.value(QStringLiteral("error")).toString();
    if (!mesaj.isEmpty()) throw EDSHatasi(mesaj);
    throw EDSHatasi(QStringLiteral("Sunucu isteği yerine getiremedi (HTTP %1).").arg(durum));
  }
  if (govde.capacity() - govde.size() < kDolguBayt) govde.reserve(govde.size() + kDolguBayt);
  return govde;
}
