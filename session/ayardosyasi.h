#pragma once
// A small INI file reader/writer for the program's settings ("ayar.ini").
// Keys and values are kept verbatim in UTF-8 (no escaping of non-ASCII key names such as
// "hatırla"), section and key names are matched without regard to case, the order of sections
// and keys and every unknown entry are preserved, and the file is replaced atomically on save.
// A damaged file is read as far as it goes: lines that are not "key=value" are skipped.

#include <QString>
#include <QStringList>
#include <vector>

class TAyarDosyasi {
 public:
  explicit TAyarDosyasi(QString yol);

  const QString& Yol() const { return yol_; }
  bool Varmi() const;

  // Reads the file; a missing or unreadable file leaves the contents empty and gives false.
  bool Oku();
  // Parses INI text (what Oku does with the file's bytes).
  void MetniYukle(const QByteArray& veri);

  QString DegerOku(const QString& bolum, const QString& anahtar, const QString& varsayilan = {}) const;
  // Integer reading in the manner of the classic INI files: decimal or "0x" hexadecimal;
  // anything else gives the default.
  int TamsayiOku(const QString& bolum, const QString& anahtar, int varsayilan) const;
  // A Boolean is stored as an integer: 0 is false, any other number true.
  bool MantiksalOku(const QString& bolum, const QString& anahtar, bool varsayilan) const;

  void DegerYaz(const QString& bolum, const QString& anahtar, const QString& deger);
  void MantiksalYaz(const QString& bolum, const QString& anahtar, bool deger);

  QByteArray Metin() const;  // the file's contents as they would be saved
  // Writes the file atomically (write to a temporary, then rename); false when it cannot.
  bool Kaydet(QString* hata = nullptr) const;

 private:
  struct Satir {
    QString anahtar;  // empty for lines kept as they are (comments, blank)
    QString deger;
    QString ham;
  };
  struct Bolum {
    QString ad;
    std::vector<Satir> satirlar;
  };
  const Bolum* BolumBul(const QString& ad) const;
  Bolum* BolumBul(const QString& ad);
  const Satir* SatirBul(const QString& bolum, const QString& anahtar) const;

  QString yol_;
  std::vector<Bolum> bolumler_;  // the first one may have an empty name: lines before any section
};
