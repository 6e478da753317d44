#pragma once
// A fresh in-memory database with the commerce and the content demo data, and the sessions of
// the demo users.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include "icerik.h"
#include "veritabani.h"

class IcerikVeritabani {
 public:
  explicit IcerikVeritabani(std::uint32_t tohum = 1) {
    sqlite3_open(":memory:", &db);
    VeriAyarlari a;
    a.tohum = tohum;
    a.stokAdedi = 300;
    VeritabaniKur(db, a);
    IcerikVerisiKur(db, a);
  }
  ~IcerikVeritabani() { sqlite3_close(db); }
  IcerikVeritabani(const IcerikVeritabani&) = delete;
  IcerikVeritabani& operator=(const IcerikVeritabani&) = delete;

  sqlite3* db = nullptr;
};

// A test suite on one such database, built when the suite starts and dropped when it ends.
class IcerikSuiti : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { v_ = new IcerikVeritabani(); }
  static void TearDownTestSuite() {
    delete v_;
    v_ = nullptr;
  }
  static inline IcerikVeritabani* v_ = nullptr;
};

// Demo users (see the commerce demo data): customer 1, seller 1, seller 2 with price authority.
inline IcerikOturum MusteriOturumu() { return {1, 1, 0, 0, QStringLiteral("MUSTERI")}; }
inline IcerikOturum SaticiOturumu() { return {2, 0, 1, 1, QStringLiteral("SATICI")}; }
inline IcerikOturum YetkiliOturumu() { return {3, 0, 2, 2, QStringLiteral("FIYATYETKILI")}; }

inline qint64 Sayi(sqlite3* db, const QString& sql, const QVariantList& b = {}) {
  return IcerikDeger(db, sql, b, 0).toLongLong();
}

// Number of frames a picture reader finds in the bytes (0 when it cannot read them).
inline int KareSayisi(const QByteArray& b, const char* bicim) {
  QByteArray kopya = b;
  QBuffer buf(&kopya);
  buf.open(QIODevice::ReadOnly);
  QImageReader r(&buf, bicim);
  int n = 0;
  while (true) {
    const QImage im = r.read();
    if (im.isNull()) break;
    ++n;
  }
  return n;
}

inline int PdfSayfaSayisi(const QByteArray& pdf) {
  // "/Type /Page" also matches "/Type /Pages"
  return int(pdf.count("/Type /Page")) - int(pdf.count("/Type /Pages"));
}
