#pragma once
// Writer of Excel 97-2003 workbooks (.xls): BIFF8 records in an OLE2 compound file, typed
// cells (numbers, shared texts in UTF-16, dates as day numbers with a date format).
//
// Cells are appended sheet by sheet in row order; the records are built as they come, so a
// large sheet is held once in memory as its record bytes.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

class QIODevice;

class TXlsYazici {
 public:
  static constexpr int kEnFazlaSatir = 65536;  // rows of a BIFF8 sheet
  static constexpr int kEnFazlaKolon = 256;

  TXlsYazici();

  int SayfaEkle(const QString& ad);  // returns the sheet index; later cells go to it
  int SayfaSayisi() const { return int(sayfalar_.size()); }
  void KolonGenisligi(int kolon, int piksel);  // of the current sheet

  // Cells of the current sheet, rows and columns 0-based, in ascending row order.
  void Sayi(int satir, int kolon, double deger, const QString& bicim = {});
  void Metin(int satir, int kolon, const QString& metin, bool kalin = false);
  void Tarih(int satir, int kolon, double oleGun, bool saatli);

  // The whole file.
  QByteArray Olustur() const;
  bool Yaz(QIODevice& cihaz) const;

 private:
  struct TSayfa {
    QString ad;
    QByteArray hucreler;       // cell records
    std::vector<int> genislik; // pixels per column, 0 = default
    int sonSatir = -1, sonKolon = -1;
  };
  int MetinNo(const QString& s);
  int BicimXf(const QString& bicim);
  void Hucre(int satir, int kolon);
  QByteArray Genel(const std::vector<qint64>& sayfaKonumlari, std::vector<int>* konumYerleri) const;
  QByteArray SayfaBasi(const TSayfa& s, bool ilk) const;
  static QByteArray SayfaSonu(bool ilk);

  std::vector<TSayfa> sayfalar_;
  QStringList metinler_;
  QHash<QString, int> metinNo_;
  qint64 metinToplam_ = 0;
  QStringList bicimler_;       // custom number formats, numbered from 164
  QHash<QString, int> bicimXf_;
};

// OLE2 compound file with one stream "Workbook" holding `akis` (padded to 4096 bytes).
bool BilesikDosyaYaz(QIODevice& cihaz, const QList<QByteArray>& akisParcalari);
