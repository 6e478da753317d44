#pragma once
// Shared pieces of the stock-search benchmarks: the repeat count, the median, the search text
// nearest a row target, and curl fetching the same answer from the same server.

#include <QByteArray>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStringList>
#include <QTemporaryFile>
#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "session/baglantiu.h"
#include "session/kayitjson.h"
#include "tests/ortak/sunucusureci.h"

namespace aramaolcum {

// "--tekrar N" on the command line, else the default.
inline int TekrarSayisi(const QStringList& arg, int varsayilan = 5) {
  const int i = arg.indexOf(QStringLiteral("--tekrar"));
  return i > 0 && i + 1 < arg.size() ? std::max(1, arg[i + 1].toInt()) : varsayilan;
}

inline double Ortanca(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

// The candidate text whose row count is nearest the target.
inline QString EnYakinMetin(const std::vector<std::pair<QString, int>>& sayilar, int hedef) {
  auto en = std::min_element(sayilar.begin(), sayilar.end(), [&](const auto& x, const auto& y) {
    return std::abs(x.second - hedef) < std::abs(y.second - hedef);
  });
  return en == sayilar.end() ? QString() : en->first;
}

// The request body of StokAraGetirDravik for a text and a session, in a file curl can send.
inline bool AramaGovdesiYaz(QTemporaryFile& dosya, const QString& metin, const TSonucBilgisi* oturum) {
  if (!dosya.open()) return false;
  const QByteArray metinJson = QJsonDocument(QJsonArray{metin}).toJson(QJsonDocument::Compact);
  dosya.write("{\"params\":[" + metinJson.mid(1, metinJson.size() - 2) + "," +
              QByteArray::fromStdString(KayitJsonMetni(oturum)) + "]}");
  return dosya.flush();
}

// Milliseconds curl needs to fetch the search answer to /dev/null; -1 when curl fails.
inline double CurlIleAra(const TSunucuSureci& s, const QString& govdeDosyasi) {
  QElapsedTimer t;
  t.start();
  const int kod = QProcess::execute(
      QStringLiteral("/usr/bin/curl"),
      {QStringLiteral("-s"), QStringLiteral("-o"), QStringLiteral("/dev/null"), QStringLiteral("--noproxy"),
       QStringLiteral("*"), QStringLiteral("-H"), QStringLiteral("Content-Type: application/json"),
       QStringLiteral("--data-binary"), u'@' + govdeDosyasi,
       s.Adres() + QStringLiteral("datasnap/rest/TServerMethods1/StokAraGetirDravik")});
  const double ms = t.nsecsElapsed() / 1e6;
  return kod == 0 ? ms : -1;
}

}  // namespace aramaolcum
