#pragma once
// How a method of the reference server is registered, reads its input parameters and builds
// its answer. The framework (sunucu.cpp) turns an answer into the reply body
// {"result":[outputs..., return value]} (see docs/protocol.md).

#include <QJsonArray>
#include <QString>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

struct sqlite3;
class TSonucBilgisi;

// An error whose text reaches the client as the server's message.
class YontemHatasi : public std::runtime_error {
 public:
  explicit YontemHatasi(const QString& mesaj) : std::runtime_error(mesaj.toStdString()) {}
};

// One incoming call.
struct Cagri {
  QString yontem;
  QJsonArray girdiler;  // input parameters by position
  sqlite3* db = nullptr; // the database connection of this call (a write method runs inside a transaction)

  // Readers by position; a missing or wrongly typed parameter throws YontemHatasi.
  int Int(int i) const;
  qint64 Int64(int i) const;
  double Float(int i) const;
  QString Text(int i) const;
  bool Bool(int i) const;
  std::unique_ptr<TSonucBilgisi> Oturum(int i) const;  // nullptr when the client sent null
};

// The answer: output parameters in declaration order, then the return value.
class Yanit {
 public:
  enum class Tur { Deger, Paket, Akis };
  void Int(qint64 v);
  void Float(double v);
  void Text(const QString& v);
  void Bool(bool v);
  void Null();
  void Json(const std::string& json);      // any ready JSON value (a record from KayitJsonYaz, ...)
  void Paket(std::string paketJson);       // table data (reader or packet), in the packet form
  void Akis(const QByteArray& baytlar);    // a stream's bytes; the size output is written separately with Int

  struct Oge { Tur tur; std::string json; QByteArray akis; };
  const std::vector<Oge>& Ogeler() const { return ogeler_; }
  std::vector<Oge>& Ogeler() { return ogeler_; }

 private:
  std::vector<Oge> ogeler_;
};

using YontemIsleyici = std::function<void(Cagri&, Yanit&)>;

class YontemTablosu {
 public:
  // yazar: the method writes; it runs inside one transaction, rolled back when it throws.
  void Ekle(const QString& ad, YontemIsleyici isleyici, bool yazar = false);
  const YontemIsleyici* Bul(const QString& ad, bool* yazar = nullptr) const;
  QStringList Adlar() const;

 private:
  struct Kayit { QString ad; YontemIsleyici isle; bool yazar; };
  std::vector<Kayit> kayitlar_;
};

// Registration, one function per group of methods (called by the framework at start).
void TicaretYontemleriniKaydet(YontemTablosu& t);  // session, stocks, basket, orders, balances
void IcerikYontemleriniKaydet(YontemTablosu& t);   // header content, documents, statement, seller desk, reports, mails
