#include "session/webistek.h"

#include <httplib.h>

#include <QUrl>

QString TWebYaniti::DurumMetni() const {
  if (!tamam) return hata;
  QString s = QStringLiteral("HTTP %1").arg(durum);
  if (!neden.isEmpty()) s += QLatin1Char(' ') + neden;
  if (durum >= 200 && durum < 300 && duyurulanUzunluk >= 0 && duyurulanUzunluk != govde.size())
    s = QStringLiteral("Eksik yanıt: %1/%2 bayt").arg(govde.size()).arg(duyurulanUzunluk);
  return s;
}

TWebYaniti WebAl(const TWebIstegi& istek) {
  TWebYaniti y;
  const QUrl url(istek.adres);
  if (!url.isValid() || url.host().isEmpty() ||
      (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))) {
    y.hata = QStringLiteral("Geçersiz adres: %1").arg(istek.adres);
    return y;
  }
  const std::string kok =
      (url.scheme() + QStringLiteral("://") + url.authority(QUrl::FullyEncoded)).toStdString();
  QString yol = url.path(QUrl::FullyEncoded);
  if (yol.isEmpty()) yol = QStringLiteral("/");
  if (url.hasQuery()) yol += QLatin1Char('?') + url.query(QUrl::FullyEncoded);

  try {
    httplib::Client c(kok);
    c.set_follow_location(true);
    c.set_connection_timeout(std::chrono::milliseconds(istek.baglanmaMs));
    c.set_read_timeout(std::chrono::milliseconds(istek.okumaMs));
    c.set_write_timeout(std::chrono::milliseconds(istek.okumaMs));
    c.set_decompress(true);
    httplib::Headers basliklar;
    for (const auto& [a, d] : istek.basliklar) basliklar.emplace(a.toStdString(), d.toStdString());

    std::string govde;
    qint64 duyurulan = -1;
    auto sonuc = c.Get(
        yol.toStdString(), basliklar,
        [&](const httplib::Response& r) {
          govde.clear();
          duyurulan = -1;
          if (r.has_header("Content-Length") && !r.has_header("Content-Encoding")) {
            try {
              duyurulan = std::stoll(r.get_header_value("Content-Length"));
            } catch (...) {
              duyurulan = -1;
            }
          }
          return !(istek.dur && istek.dur->load());
        },
        [&](const char* veri, size_t n) {
          govde.append(veri, n);
          return !(istek.dur && istek.dur->load());
        },
        [&](uint64_t okunan, uint64_t toplam) {
          if (istek.ilerleme) istek.ilerleme(qint64(okunan), qint64(toplam));
          return !(istek.dur && istek.dur->load());
        });
    if (!sonuc) {
      y.hata = istek.dur && istek.dur->load() ? QStringLiteral("İptal edildi")
                                              : QString::fromStdString(httplib::to_string(sonuc.error()));
      return y;
    }
    y.tamam = true;
    y.durum = sonuc->status;
    y.govde = QByteArray(govde.data(), qsizetype(govde.size()));
    y.duyurulanUzunluk = duyurulan;
    y.neden = QString::fromStdString(sonuc->reason);
  } catch (const std::exception& e) {
    y.hata = QString::fromUtf8(e.what());
  }
  return y;
}
