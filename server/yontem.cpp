// Reading a call's input parameters, building an answer, and the table of methods.

#include "yontem.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QStringList>
#include <charconv>
#include <cmath>

#include "platform/core/paket.h"
#include "session/baglantiu.h"
#include "session/kayitjson.h"

namespace {

const char* TurAdi(const QJsonValue& v) {
  switch (v.type()) {
    case QJsonValue::Null: return "null";
    case QJsonValue::Bool: return "bool";
    case QJsonValue::Double: return "sayı";
    case QJsonValue::String: return "metin";
    case QJsonValue::Array: return "dizi";
    case QJsonValue::Object: return "nesne";
    default: return "yok";
  }
}

}  // namespace

// ---- Cagri

static QJsonValue Girdi(const Cagri& c, int i) {
  if (i < 0 || i >= c.girdiler.size())
    throw YontemHatasi(QStringLiteral("%1: %2. parametre eksik.").arg(c.yontem).arg(i + 1));
  return c.girdiler.at(i);
}

[[noreturn]] static void TurHatasi(const Cagri& c, int i, const QJsonValue& v, const char* beklenen) {
  throw YontemHatasi(QStringLiteral("%1: %2. parametre %3 olmalı (gelen: %4).")
                         .arg(c.yontem)
                         .arg(i + 1)
                         .arg(QString::fromUtf8(beklenen), QString::fromUtf8(TurAdi(v))));
}

int Cagri::Int(int i) const {
  const QJsonValue v = Girdi(*this, i);
  if (!v.isDouble()) TurHatasi(*this, i, v, "tamsayı");
  const double d = v.toDouble();
  if (d != std::floor(d) || d < -2147483648.0 || d > 2147483647.0) TurHatasi(*this, i, v, "32 bit tamsayı");
  return int(d);
}

qint64 Cagri::Int64(int i) const {
  const QJsonValue v = Girdi(*this, i);
  if (!v.isDouble()) TurHatasi(*this, i, v, "tamsayı");
  const double d = v.toDouble();
  if (d != std::floor(d) || std::fabs(d) > 9007199254740992.0) TurHatasi(*this, i, v, "64 bit tamsayı");
  return qint64(d);
}

double Cagri::Float(int i) const {
  const QJsonValue v = Girdi(*this, i);
  if (!v.isDouble()) TurHatasi(*this, i, v, "sayı");
  return v.toDouble();
}

QString Cagri::Text(int i) const {
  const QJsonValue v = Girdi(*this, i);
  if (v.isNull()) return QString();
  if (!v.isString()) TurHatasi(*this, i, v, "metin");
  return v.toString();
}

bool Cagri::Bool(int i) const {
  const QJsonValue v = Girdi(*this, i);
  if (!v.isBool()) TurHatasi(*this, i, v, "bool");
  return v.toBool();
}

std::unique_ptr<TSonucBilgisi> Cagri::Oturum(int i) const {
  const QJsonValue v = Girdi(*this, i);
  if (v.isNull()) return nullptr;
  if (!v.isObject()) TurHatasi(*this, i, v, "oturum kaydı");
  try {
    return KayitJsonOku<TSonucBilgisi>(v);
  } catch (const std::exception& e) {
    throw YontemHatasi(QStringLiteral("%1: %2. parametre okunamadı: %3")
                           .arg(yontem)
                           .arg(i + 1)
                           .arg(QString::fromUtf8(e.what())));
  }
}

// ---- Yanit

void Yanit::Int(qint64 v) { ogeler_.push_back({Tur::Deger, std::to_string(v), {}}); }

void Yanit::Float(double v) {
  if (!std::isfinite(v)) {
    Null();
    return;
  }
  char tampon[32];
  const auto r = std::to_chars(tampon, tampon + sizeof tampon, v);
  ogeler_.push_back({Tur::Deger, std::string(tampon, r.ptr), {}});
}

void Yanit::Text(const QString& v) {
  const QByteArray u = v.toUtf8();
  std::string o;
  o.reserve(size_t(u.size()) + 2);
  JsonMetin(o, std::string_view(u.constData(), size_t(u.size())));
  ogeler_.push_back({Tur::Deger, std::move(o), {}});
}
void Yanit::Bool(bool v) { ogeler_.push_back({Tur::Deger, v ? "true" : "false", {}}); }
void Yanit::Null() { ogeler_.push_back({Tur::Deger, "null", {}}); }
void Yanit::Json(const std::string& json) { ogeler_.push_back({Tur::Deger, json.empty() ? "null" : json, {}}); }
void Yanit::Paket(std::string paketJson) { ogeler_.push_back({Tur::Paket, std::move(paketJson), {}}); }
void Yanit::Akis(const QByteArray& baytlar) { ogeler_.push_back({Tur::Akis, {}, baytlar}); }

// ---- YontemTablosu

void YontemTablosu::Ekle(const QString& ad, YontemIsleyici isleyici, bool yazar) {
  for (auto& k : kayitlar_) {
    if (k.ad == ad) {
      k.isle = std::move(isleyici);
      k.yazar = yazar;
      return;
    }
  }
  kayitlar_.push_back({ad, std::move(isleyici), yazar});
}

const YontemIsleyici* YontemTablosu::Bul(const QString& ad, bool* yazar) const {
  for (const auto& k : kayitlar_) {
    if (k.ad == ad) {
      if (yazar) *yazar = k.yazar;
      return &k.isle;
    }
  }
  return nullptr;
}

QStringList YontemTablosu::Adlar() const {
  QStringList l;
  for (const auto& k : kayitlar_) l << k.ad;
  return l;
}
