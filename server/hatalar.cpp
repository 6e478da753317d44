#include "hatalar.h"

#include <stdexcept>

namespace {
struct TurAdi { HataTuru tur; const char* ad; };
constexpr TurAdi kTurler[] = {
    {HataTuru::Gecikme, "gecikme"},       {HataTuru::Hata, "hata"},
    {HataTuru::KisaAkis, "kisa_akis"},    {HataTuru::BaglantiReddet, "baglanti_reddet"},
    {HataTuru::BozukCevap, "bozuk_cevap"},
};
}  // namespace

QString HataTuruAdi(HataTuru tur) {
  for (const auto& t : kTurler)
    if (t.tur == tur) return QString::fromLatin1(t.ad);
  return {};
}

HataTanimi HataTanimiOku(const QJsonObject& nesne, QString* anahtar) {
  const QString yontem = nesne.value(QStringLiteral("yontem")).toString();
  if (yontem.isEmpty()) throw std::invalid_argument("\"yontem\" (yöntem adı veya sayfa yolu) gerekli");
  const QString tur = nesne.value(QStringLiteral("tur")).toString();
  HataTanimi h;
  bool bulundu = false;
  for (const auto& t : kTurler) {
    if (tur == QLatin1String(t.ad)) {
      h.tur = t.tur;
      bulundu = true;
    }
  }
  if (!bulundu)
    throw std::invalid_argument("\"tur\" şunlardan biri olmalı: gecikme, hata, kisa_akis, baglanti_reddet, bozuk_cevap");
  h.ms = nesne.value(QStringLiteral("ms")).toInt(0);
  if (h.ms < 0 || h.ms > 600000) throw std::invalid_argument("\"ms\" 0 ile 600000 arasında olmalı");
  h.mesaj = nesne.value(QStringLiteral("mesaj")).toString(QStringLiteral("Sunucu hatası"));
  h.kez = nesne.value(QStringLiteral("kez")).toInt(1);
  if (anahtar) *anahtar = yontem;
  return h;
}

void HataTablosu::Kur(const QString& anahtar, const HataTanimi& hata) {
  std::lock_guard<std::mutex> k(kilit_);
  hatalar_[anahtar] = hata;
}

std::optional<HataTanimi> HataTablosu::Al(const QString& anahtar) {
  std::lock_guard<std::mutex> k(kilit_);
  auto it = hatalar_.find(anahtar);
  if (it == hatalar_.end()) return std::nullopt;
  HataTanimi h = it->second;
  if (it->second.kez > 0 && --it->second.kez == 0) hatalar_.erase(it);
  return h;
}

void HataTablosu::Temizle() {
  std::lock_guard<std::mutex> k(kilit_);
  hatalar_.clear();
}

QJsonObject HataTablosu::Durum() const {
  std::lock_guard<std::mutex> k(kilit_);
  QJsonObject o;
  for (const auto& [ad, h] : hatalar_)
    o.insert(ad, QJsonObject{{QStringLiteral("tur"), HataTuruAdi(h.tur)},
                             {QStringLiteral("ms"), h.ms},
                             {QStringLiteral("mesaj"), h.mesaj},
                             {QStringLiteral("kez"), h.kez}});
  return o;
}
