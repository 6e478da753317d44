#pragma once
// The reference server's SQLite database: schema, deterministic demo data and the lookups the
// framework's web-host pages need.

#include <QByteArray>
#include <QString>
#include <cstdint>

struct sqlite3;

struct VeriAyarlari {
  std::uint32_t tohum = 1;      // seed of the demo data
  int stokAdedi = 2000;         // catalogue size (100000 in the large-catalogue mode)
  QString demoKimlik;           // a computer identity registered as the demo customer (empty: none)
};

// Creates the schema and fills the demo data when the database is empty.
void VeritabaniKur(sqlite3* db, const VeriAyarlari& ayar);   // commerce: users, customers, stocks, baskets, orders ...
void IcerikVerisiKur(sqlite3* db, const VeriAyarlari& ayar); // content, documents, statement, seller side

// JPEG picture of a stock (empty when the stock has none), for "resimgoster.ashx?id=".
QByteArray StokResmi(sqlite3* db, int stokno);
