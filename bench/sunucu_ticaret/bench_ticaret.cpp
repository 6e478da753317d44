// Figures of the server's demo data and stock search: time to generate the large catalogue,
// time and packet size of searches that match all, many and few stocks.
//
//   bench_ticaret [stok adedi, default 100000]

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <sqlite3.h>

#include "platform/core/paket.h"
#include "session/kayitjson.h"
#include "veritabani.h"
#include "yontem.h"

int main(int argc, char** argv) {
  QGuiApplication uyg(argc, argv);
  const int adet = argc > 1 ? std::atoi(argv[1]) : 100000;
  QTemporaryDir dizin;
  sqlite3* db = nullptr;
  sqlite3_open(dizin.filePath(QStringLiteral("bench.sqlite")).toUtf8().constData(), &db);

  VeriAyarlari ayar;
  ayar.stokAdedi = adet;
  QElapsedTimer t;
  t.start();
  VeritabaniKur(db, ayar);
  std::printf("demo data, %d stocks: %lld ms\n", adet, static_cast<long long>(t.elapsed()));

  YontemTablosu tablo;
  TicaretYontemleriniKaydet(tablo);
  const YontemIsleyici* ara = tablo.Bul(QStringLiteral("StokAraGetirDravik"));
  TSonucBilgisi k;
  k.SetCARINO(1);
  for (const char* metin : {"%", "A", "FREN", "ŞANZIMAN DOBLO", "04465"}) {
    Cagri c;
    c.yontem = QStringLiteral("StokAraGetirDravik");
    c.girdiler = {QString::fromUtf8(metin), KayitJsonYaz(&k)};
    c.db = db;
    Yanit y;
    t.restart();
    (*ara)(c, y);
    const qint64 ms = t.elapsed();
    TClientDataSet ds;
    PaketiYukle(TVeriPaketi(QByteArray::fromStdString(y.Ogeler().back().json)), ds);
    std::printf("search \"%s\": %d rows, %zu packet bytes, %lld ms\n", metin, ds.RecordCount(),
                y.Ogeler().back().json.size(), static_cast<long long>(ms));
  }
  t.restart();
  int resim = 0;
  for (int no = 1; no <= 50; ++no) resim += StokResmi(db, no).isEmpty() ? 0 : 1;
  std::printf("pictures: %d of the first 50 stocks drawn in %lld ms\n", resim, static_cast<long long>(t.elapsed()));
  t.restart();
  for (int no = 1; no <= 50; ++no) StokResmi(db, no);
  std::printf("pictures again (cache): %lld ms\n", static_cast<long long>(t.elapsed()));
  sqlite3_close(db);
  return 0;
}
