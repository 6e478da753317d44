#include "cagrikaydi.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <stdexcept>

CagriKaydi::CagriKaydi(const QString& dosyaYolu) {
  if (dosyaYolu.isEmpty()) return;
  dosya_.setFileName(dosyaYolu);
  if (!dosya_.open(QIODevice::WriteOnly | QIODevice::Append))
    throw std::runtime_error(("Çağrı kaydı dosyası açılamadı: " + dosyaYolu).toStdString());
}

void CagriKaydi::Ekle(const QString& yontem, const QByteArray& paramsJson) {
  QByteArray params = paramsJson.trimmed();
  if (params.isEmpty() || params.front() != '[') params = "[]";
  QByteArray satir;
  satir.reserve(params.size() + yontem.size() + 80);
  satir.append("{\"yontem\":")
      .append(QJsonDocument(QJsonArray{yontem}).toJson(QJsonDocument::Compact).mid(1).chopped(1))
      .append(",\"params\":")
      .append(params)
      .append(",\"zaman\":\"")
      .append(QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs).toLatin1())
      .append("\"}\n");
  std::lock_guard<std::mutex> k(kilit_);
  // a long-running server keeps the newest lines in memory; the file keeps them all
  constexpr size_t kEnCok = 200000;
  if (satirlar_.size() >= kEnCok) satirlar_.erase(satirlar_.begin(), satirlar_.begin() + kEnCok / 2);
  satirlar_.push_back(satir);
  if (dosya_.isOpen()) {
    dosya_.write(satir);
    dosya_.flush();
  }
}

QByteArray CagriKaydi::Satirlar() const {
  std::lock_guard<std::mutex> k(kilit_);
  QByteArray s;
  for (const auto& l : satirlar_) s += l;
  return s;
}

void CagriKaydi::Temizle() {
  std::lock_guard<std::mutex> k(kilit_);
  satirlar_.clear();
}
