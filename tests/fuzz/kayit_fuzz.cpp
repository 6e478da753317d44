// Feeds arbitrary bytes to every record reader. Readers may reject the input with
// EKayitHatasi; anything else (a crash, another exception, a leak) is a finding.
#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstddef>
#include <cstdint>

#include "session/kayitjson.h"

namespace {

template <class T>
void Oku(const QJsonValue& v) {
  try {
    auto k = KayitJsonOku<T>(v);
    if (k) {
      // what was read must write and read back
      const QJsonValue yeniden = KayitJsonYaz(k.get());
      auto ikinci = KayitJsonOku<T>(yeniden);
      if (!ikinci) __builtin_trap();
    }
  } catch (const EKayitHatasi&) {
  }
}

void HepsiniOku(const QJsonValue& v) {
  Oku<TSonucBilgisi>(v);
  Oku<TSiparisDipAyrinti>(v);
  Oku<TTusSonuclari>(v);
  Oku<TMobilCariBilgisi>(v);
  Oku<TAcilisEkran>(v);
  Oku<TAcilisEkranlariki>(v);
  Oku<TMobilStok>(v);
  Oku<TMobilSepet>(v);
  Oku<TAcilisEkranlar>(v);
  Oku<TMobilStoklar>(v);
  Oku<TMobilSepetler>(v);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* veri, std::size_t boyut) {
  const QByteArray bayt(reinterpret_cast<const char*>(veri), static_cast<qsizetype>(boyut));
  const QJsonDocument d = QJsonDocument::fromJson(bayt);
  if (d.isObject()) {
    HepsiniOku(d.object());
  } else if (d.isArray()) {
    // every element, as a reply's result array would carry them
    for (const QJsonValue& e : d.array()) HepsiniOku(e);
  }
  // the text helper takes any bytes
  try {
    KayitJsonMetniOku<TSonucBilgisi>(bayt.toStdString());
  } catch (const EKayitHatasi&) {
  }
  return 0;
}
