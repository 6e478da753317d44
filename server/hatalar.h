#pragma once
// Faults injected into the reference server on request, per method name or web-host path:
// a delay, an error with a given text, a stream shorter than announced, a connection closed
// without an answer, or a malformed answer. Used by tests that check how the client copes.

#include <QJsonObject>
#include <QString>
#include <map>
#include <mutex>
#include <optional>

enum class HataTuru { Gecikme, Hata, KisaAkis, BaglantiReddet, BozukCevap };

struct HataTanimi {
  HataTuru tur = HataTuru::Hata;
  int ms = 0;          // delay of "gecikme"
  QString mesaj;       // text of "hata"
  int kez = 1;         // how many calls it hits; below 1: every call until cleared
};

// Reads {"yontem":..,"tur":..,"ms":..,"mesaj":..,"kez":N}; throws std::invalid_argument with a
// Turkish text on a bad request. The key (method name or path) is returned in anahtar.
HataTanimi HataTanimiOku(const QJsonObject& nesne, QString* anahtar);
QString HataTuruAdi(HataTuru tur);

class HataTablosu {
 public:
  void Kur(const QString& anahtar, const HataTanimi& hata);
  // The fault for this key, counted as used; nothing when none is set.
  std::optional<HataTanimi> Al(const QString& anahtar);
  void Temizle();
  QJsonObject Durum() const;

 private:
  mutable std::mutex kilit_;
  std::map<QString, HataTanimi> hatalar_;
};
