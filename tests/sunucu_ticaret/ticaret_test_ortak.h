#pragma once
// A temporary demo database and direct calls of the commerce methods for the tests.

#include <QJsonArray>
#include <QString>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/core/veriseti.h"
#include "session/baglantiu.h"
#include "veritabani.h"
#include "yontem.h"

struct sqlite3;

class TicaretTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs a method as the framework would (writers inside a transaction, rolled back on error).
  Yanit Cagir(const QString& yontem, const QJsonArray& girdiler);
  // The packet of a method's last answer item, loaded into a data set.
  std::unique_ptr<TClientDataSet> Paket(const QString& yontem, const QJsonArray& girdiler);
  // A session for a demo user name (as BuyukGetir gives it for that user).
  TSonucBilgisi Oturum(const QString& kullanici);

  sqlite3* db = nullptr;
  YontemTablosu tablo;
};

// The session record in its wire form, for a call's input.
QJsonValue OturumJson(const TSonucBilgisi& k);
// A fresh demo database on disk in a temporary file, or in memory (yol empty).
sqlite3* DemoVeritabani(const VeriAyarlari& ayar, const QString& yol = QString());
// Integer / float / text of a named field at a 0-based row.
qint64 IntAl(const TClientDataSet& ds, int satir, const char* alan);
double FloatAl(const TClientDataSet& ds, int satir, const char* alan);
QString TextAl(const TClientDataSet& ds, int satir, const char* alan);
// The first row whose integer field equals the value, -1 when none.
int SatirBul(const TClientDataSet& ds, const char* alan, qint64 deger);
