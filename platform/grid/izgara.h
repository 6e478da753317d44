#pragma once
// Read-only data grid bound to a client data set: typed columns (text, icon, check box,
// button, progress bar, custom drawn), header filters, incremental search, sorting, grouping
// with group footers, a footer with summaries, a row indicator and a column chooser.
//
// The grid never copies the data: its model reads the cells from the data set and keeps only
// the order of the rows it shows. While a worker fills the data set the grid is detached
// (VeriSetiniAyir) or held in an update (BeginUpdate/EndUpdate) and repaints once at the end.

#include <QColor>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "platform/core/veriseti.h"
#include "platform/grid/izgarakolonu.h"
#include "platform/grid/izgaramodeli.h"

class QTableView;
class QToolButton;
class QMenu;
class TIzgaraTablosu;
class TIzgaraBasligi;
class TSatirGostergesi;
class TIzgaraCizici;
class TIzgaraAltBilgi;

// Colours of the grid's row styles.
struct TIzgaraStili {
  QColor ciftSatir{255, 255, 255};      // rows with an even index
  QColor tekSatir{244, 247, 252};       // rows with an odd index
  QColor seciliSatir{51, 122, 204};     // the selected row
  QColor seciliYazi{255, 255, 255};
  QColor yazi{20, 20, 20};
  QColor cizgi{215, 220, 228};          // cell borders
  QColor grupSatiri{228, 233, 242};     // group heads
  QColor grupAltSatiri{240, 242, 246};  // group footers
  QColor altBilgi{236, 239, 244};       // grid footer
};

class TVeriIzgarasi : public QWidget {
  Q_OBJECT
 public:
  explicit TVeriIzgarasi(QWidget* parent = nullptr);
  ~TVeriIzgarasi() override;

  // --- columns
  TIzgaraKolonu* KolonEkle(const QString& ad, const QString& alanAdi, const QString& baslik = {});
  int KolonSayisi() const;
  TIzgaraKolonu* Kolon(int i) const;
  TIzgaraKolonu* KolonBul(const QString& adVeyaAlan) const;
  int KolonIndeksi(const TIzgaraKolonu* k) const;
  int KolonGenisligi(const TIzgaraKolonu* k) const;
  void SetKolonGenisligi(TIzgaraKolonu* k, int genislik);
  QList<TIzgaraKolonu*> GorunurKolonlar() const;  // in the order shown

  // --- data set
  void SetVeriSeti(TClientDataSet* ds);
  void VeriSetiniAyir() { SetVeriSeti(nullptr); }
  TClientDataSet* VeriSeti() const;
  void BeginUpdate();
  void EndUpdate();

  // --- look and options
  void SetSatirYuksekligi(int piksel);
  int SatirYuksekligi() const;
  void SetBaslikYuksekligi(int piksel);
  int BaslikYuksekligi() const;
  void SetBaslikGoster(bool g);
  void SetSatirGostergesi(bool g);
  bool SatirGostergesi() const;
  void SetAltBilgiGoster(bool g);
  bool AltBilgiGoster() const;
  void SetSiralamaAcik(bool a);
  bool SiralamaAcik() const { return siralamaAcik_; }
  void SetFiltreDugmeleri(bool a);
  bool FiltreDugmeleri() const { return filtreDugmeleri_; }
  void SetArtimliArama(bool a) { artimliArama_ = a; }
  bool ArtimliArama() const { return artimliArama_; }
  void SetKolonTasima(bool a);      // the user may drag columns to another place
  void SetKolonBoyutlama(bool a);   // the user may drag column edges
  void SetOdakCercevesi(bool g);
  bool OdakCercevesi() const { return odakCercevesi_; }
  void SetPikselKaydirma(bool p);
  const TIzgaraStili& Stil() const { return stil_; }
  void SetStil(const TIzgaraStili& s);
  // The background of a row as the grid paints it (for custom-drawn cells).
  QColor SatirArkaPlani(int kaynakSatir, bool secili) const;

  // --- focus: rows are data-set rows (0-based), -1 when none
  int OdakSatiri() const;
  void SetOdakSatiri(int kaynakSatir);
  TIzgaraKolonu* OdakKolonu() const;
  void SetOdakKolonu(TIzgaraKolonu* k);

  // --- filter, sort, groups
  void FiltreKur(TIzgaraKolonu* k, const QStringList& degerler);  // empty list clears
  void FiltreTemizle();
  void Sirala(TIzgaraKolonu* k, Qt::SortOrder yon = Qt::AscendingOrder);  // nullptr: data-set order
  void Grupla(TIzgaraKolonu* k);  // nullptr ends the grouping
  void GruplariDaralt();
  void GruplariGenislet();
  QWidget* FiltrePenceresiAc(TIzgaraKolonu* k);  // the header's value list (a popup)
  QMenu* KolonSecimMenusu();                   // the header's quick customisation (offered columns)

  // --- layout
  // Unit = (grid width - ayrilan) / sum of the visible columns' weights, truncated; every visible
  // column gets weight x unit. Returns the unit (0 when no visible column has a weight).
  int AgirligaGoreDagit(int ayrilan = 30);
  // Widths fitted to the header and to a sample of the rows shown.
  void EnUygunGenislik();
  // Columns always fill the visible width, keeping their proportions (no horizontal scrolling).
  void SetOtomatikGenislik(bool a);
  bool OtomatikGenislik() const { return otomatikGenislik_; }

  // --- incremental search
  const QString& AramaMetni() const { return arama_; }
  void AramaTemizle() { arama_.clear(); }
  bool AramaKarakteri(const QString& yazi);  // appends to the search text; false when nothing matches

  TIzgaraModeli* Model() const { return model_; }
  QTableView* Tablo() const;
  QWidget* AltBilgi() const;

 signals:
  void CiftTiklandi(int satir);
  void BaglamMenusuIstendi(int satir, const QPoint& global);
  void OnayTiklandi(int satir, TIzgaraKolonu* kolon);
  void DugmeTiklandi(int satir, TIzgaraKolonu* kolon);
  void OdakDegisti(int satir);
  void KolonlarDegisti();

 protected:
  void resizeEvent(QResizeEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  friend class TIzgaraTablosu;
  friend class TIzgaraCizici;
  friend class TIzgaraBasligi;
  void KolonGorunurlugu(int kolon);
  void VeriSetiKaydiDegisti(int satir);
  void GecerliDegisti(const QModelIndex& yeni, const QModelIndex& eski);
  void ModelYenilendi();
  void BaslikTiklandi(int kolon);
  void KoseDugmesiYerlestir();
  void GenisligeSigdir();
  bool TusBasildi(QKeyEvent* e);
  void FareBasildi(const QModelIndex& ix, const QPoint& yer);

  TIzgaraModeli* model_;
  TIzgaraTablosu* tablo_;
  TIzgaraBasligi* baslik_;
  TSatirGostergesi* gosterge_;
  TIzgaraCizici* cizici_;
  TIzgaraAltBilgi* alt_;
  QToolButton* koseDugmesi_;
  QPointer<TClientDataSet> ds_;
  QMetaObject::Connection dsBaglanti_;
  TIzgaraStili stil_;
  bool siralamaAcik_ = true;
  bool filtreDugmeleri_ = true;
  bool artimliArama_ = true;
  bool odakCercevesi_ = true;
  bool otomatikGenislik_ = false;
  bool senkron_ = false;  // guards the focused row <-> RecNo hand-over
  int guncelleme_ = 0;
  QString arama_;
};
