#pragma once
// Table model of a data grid over a client data set. Cells are read straight from the data
// set (TClientDataSet::...At); the model keeps only an index list of the rows it shows (after
// the filter, the sort and the grouping) and the summaries.

#include <QAbstractTableModel>
#include <QCollator>
#include <QHash>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <memory>
#include <vector>

#include "platform/core/veriseti.h"
#include "platform/grid/izgarakolonu.h"

enum class TSatirTuru { Veri, GrupBasi, GrupSonu };

class TIzgaraModeli : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Roller {
    KaynakSatirRolu = Qt::UserRole + 1,  // data-set row of a data row, -1 for group rows
    SatirTuruRolu,                       // TSatirTuru as int
    GrupNoRolu,                          // group index of a group row, -1 otherwise
    HamDegerRolu                         // the stored value (QVariant) of the cell
  };

  explicit TIzgaraModeli(QObject* parent = nullptr);
  ~TIzgaraModeli() override;

  // --- columns (owned by the model)
  TIzgaraKolonu* KolonEkle(const QString& ad, const QString& alanAdi, const QString& baslik);
  int KolonSayisi() const { return int(kolonlar_.size()); }
  TIzgaraKolonu* Kolon(int i) const { return kolonlar_.at(std::size_t(i)).get(); }
  int KolonIndeksi(const TIzgaraKolonu* k) const;
  // By component name or, failing that, by field name (case-insensitive).
  TIzgaraKolonu* KolonBul(const QString& ad) const;

  // --- data set
  void SetVeriSeti(TClientDataSet* ds);  // nullptr detaches
  TClientDataSet* VeriSeti() const { return ds_; }
  void BeginUpdate();
  void EndUpdate();                      // rebuilds once when the last update ends
  bool Guncelleniyor() const { return guncelleme_ > 0; }
  void Yenile();                         // rebuild rows, filter, sort, groups and summaries

  // --- rows as shown
  int KaynakSatir(int gorunenSatir) const;  // data-set row, -1 for group rows
  int GorunenSatir(int kaynakSatir) const;  // -1 when filtered out or inside a collapsed group
  TSatirTuru SatirTuru(int gorunenSatir) const;
  int GrupNo(int gorunenSatir) const;
  int VeriSatirSayisi() const { return int(suzulmus_.size()); }
  // Data-set rows in the order shown with every group expanded (export).
  std::vector<int> TumVeriSatirlari() const;

  // Text of a cell as shown (display format, value-list description for icons).
  QString HucreMetni(int kaynakSatir, int kolon) const;
  QVariant HamDeger(int kaynakSatir, int kolon) const;
  bool SayisalKolon(int kolon) const;
  bool TarihKolonu(int kolon) const;

  // --- filter by value lists: a row passes when, for every filtered column, its text is one of
  // the chosen values.
  QStringList FarkliDegerler(int kolon) const;     // sorted, "" for empty cells
  void FiltreKur(int kolon, const QStringList& degerler);  // empty list clears the column's filter
  void FiltreTemizle(int kolon = -1);              // -1: every column
  bool Filtreli(int kolon) const;
  QStringList FiltreDegerleri(int kolon) const;
  bool FiltreVar() const { return !filtreler_.empty(); }

  // --- sort (stable; -1 = the data set's order)
  void Sirala(int kolon, Qt::SortOrder yon);
  int SiraKolonu() const { return siraKolonu_; }
  Qt::SortOrder SiraYonu() const { return siraYonu_; }

  // --- grouping by one column, groups in ascending order of their text
  void Grupla(int kolon);  // -1 ends the grouping
  int GrupKolonu() const { return grupKolonu_; }
  int GrupSayisi() const { return int(gruplar_.size()); }
  QString GrupMetni(int grup) const;
  int GrupSatirSayisi(int grup) const;
  bool GrupAcik(int grup) const;
  void SetGrupAcik(int grup, bool acik);
  void TumGruplar(bool acik);

  // --- summaries (recomputed with the rows)
  QString OzetMetni(int kolon) const;               // grid footer
  QString GrupOzetMetni(int grup, int kolon) const; // group footer
  double OzetDegeri(int kolon) const;
  double GrupOzetDegeri(int grup, int kolon) const;

  // --- incremental search: first data row at or after `baslangic` (wrapping round) whose text
  // in the column starts with `onek`, compared case-insensitively with Turkish letters.
  int AramaBul(int kolon, const QString& onek, int baslangic) const;

  // QAbstractItemModel
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 signals:
  void OzetlerDegisti();
  void KolonDegisti(int kolon);  // caption or visibility

 private:
  struct TGrup {
    QString metin;
    int ilk = 0;   // first index into grupSatirlari_
    int adet = 0;
    bool acik = true;
    std::vector<double> toplam;  // per column (sum or count)
  };
  void VeriDegisti();
  void KayitDegisti(int satir);
  void AlanlariBagla();
  void OzetleriHesapla() const;
  void SatirlariKur();
  double SayiAt(int kaynakSatir, int kolon) const;
  bool OzetSayilir(int kaynakSatir, int kolon) const;
  QString OzetBicimle(int kolon, double deger, TOzetTuru tur) const;
  void TersHaritaGecersiz() { tersGecerli_ = false; }

  std::vector<std::unique_ptr<TIzgaraKolonu>> kolonlar_;
  QPointer<TClientDataSet> ds_;
  QMetaObject::Connection baglantilar_[3];
  int guncelleme_ = 0;
  bool bekleyenYenileme_ = false;

  QHash<int, QSet<QString>> filtreler_;
  int siraKolonu_ = -1;
  Qt::SortOrder siraYonu_ = Qt::AscendingOrder;
  int grupKolonu_ = -1;
  QHash<QString, bool> kapaliGruplar_;  // collapsed groups by text, kept across rebuilds

  std::vector<int> suzulmus_;       // data rows after filter and sort
  std::vector<int> grupSatirlari_;  // data rows ordered by group
  std::vector<TGrup> gruplar_;
  std::vector<int> gorunen_;        // >= 0 data row; -(2g+1) group head, -(2g+2) group foot
  mutable std::vector<double> ozetler_;
  mutable bool ozetKirli_ = false;
  mutable std::vector<int> ters_;   // data row -> shown row
  mutable bool tersGecerli_ = false;
  QCollator harmanlayici_;
};

// Lower case with Turkish letter rules (I -> ı, İ -> i), for searching.
QString TurkceKucuk(const QString& s);
