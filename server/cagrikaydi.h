#pragma once
// The server's call log: one JSON line per call {"yontem":..,"params":[..],"zaman":".."},
// kept in memory (readable and clearable through the admin endpoints) and, when a file is
// given, appended to that file as well.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <mutex>
#include <vector>

class CagriKaydi {
 public:
  // dosyaYolu empty: memory only. Throws std::runtime_error when the file cannot be opened.
  explicit CagriKaydi(const QString& dosyaYolu = {});
  void Ekle(const QString& yontem, const QByteArray& paramsJson);
  QByteArray Satirlar() const;  // every line, each ending with '\n'
  void Temizle();               // clears the memory; the file keeps its history

 private:
  mutable std::mutex kilit_;
  std::vector<QByteArray> satirlar_;
  QFile dosya_;
};
