#pragma once
// A plain HTTP request for the tests (admin endpoints, raw method calls): no proxy, no signals,
// the body of the answer collected. Header only; a test using it links libcurl.

#include <curl/curl.h>

#include <QByteArray>
#include <QString>

#include "platform/rpc/curlortak.h"

// Returns the body of the answer; durum, when given, gets the HTTP status (0: no answer).
// A POST always carries its body, even an empty one.
inline QByteArray HttpIstek(const QByteArray& yontem, const QString& adres, const QByteArray& govde = {},
                            int* durum = nullptr, long zamanAsimiMs = 30000) {
  QByteArray cevap;
  if (durum) *durum = 0;
  CurlHazirla();
  CURL* c = curl_easy_init();
  if (!c) return cevap;
  const QByteArray url = adres.toUtf8();
  curl_easy_setopt(c, CURLOPT_URL, url.constData());
  curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(c, CURLOPT_NOPROXY, "*");
  curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, zamanAsimiMs);
  curl_easy_setopt(c, CURLOPT_CUSTOMREQUEST, yontem.constData());
  if (!govde.isEmpty() || yontem == "POST") {
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
