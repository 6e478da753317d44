#pragma once
// One column of a data grid: the field it shows (by name), how it shows it and what the
// footer and group footers sum under it.

#include <QColor>
#include <QIcon>
#include <QObject>
#include <QRect>
#include <QString>
#include <QVariant>
#include <functional>
#include <vector>

class QPainter;
class TVeriIzgarasi;

// What a cell of the column shows.
enum class TKolonTuru {
  Metin,     // the field's display text
  Ikon,      // an icon chosen by the value (value list)
  Onay,      // a check box: ticked for 1, clear for 0
  Dugme,     // a push button (not bound to a field)
  Ilerleme,  // a progress bar, 0 to 100
  Resim,     // a picture stored as bytes in the field (format recognised from the content)
  Ozel       // drawn by the owner's callback only
};

// Summary shown under a column, in the grid footer or in a group footer.
enum class TOzetTuru { Yok, Sayi, Toplam };

// One entry of an icon column's value list.
struct TDegerOgesi {
  QVariant deger;     // the stored value (an invalid QVariant stands for an empty cell)
  QIcon ikon;
  QString aciklama;   // description (tool tip, filter list, export text)
};

// What a custom-draw callback is told about the cell.
struct TCizimBilgisi {
  QPainter* painter = nullptr;
  QRect rect;
  int satir = -1;         // data-set row (0-based)
  int gorunenSatir = -1;  // row as shown in the grid
  bool secili = false;    // the row is selected
  bool odakli = false;    // the cell is the focused cell
  QColor arkaPlan;        // the background the grid would use (selected / even / odd style)
  QColor yaziRengi;       // the text colour the grid would use
};

class TIzgaraKolonu {
 public:
  using CizimFonksiyonu = std::function<void(const TCizimBilgisi&)>;
  using MetinFonksiyonu = std::function<QString(int satir)>;

  TIzgaraKolonu(QString ad, QString alanAdi, QString baslik);

  const QString& Ad() const { return ad_; }                 // component name
  const QString& AlanAdi() const { return alanAdi_; }       // bound field, empty when unbound
  QString Baslik() const;                                   // caption (field name when empty)
  const QString& BaslikMetni() const { return baslik_; }
  void SetBaslik(const QString& b);

  bool Gorunur() const { return gorunur_; }
  void SetGorunur(bool g);
  bool Secenekte() const { return secenekte_; }             // offered in the column chooser
  void SetSecenekte(bool s) { secenekte_ = s; }

  int Agirlik() const { return agirlik_; }                  // share in the width-by-weight layout
  void SetAgirlik(int a) { agirlik_ = a < 0 ? 0 : a; }
  Qt::Alignment Hizalama() const { return hizalama_; }
  void SetHizalama(Qt::Alignment h) { hizalama_ = h; }
  bool SatirKaydir() const { return kaydir_; }              // word wrap, several lines
  void SetSatirKaydir(bool k) { kaydir_ = k; }

  TKolonTuru Tur() const { return tur_; }
  void SetTur(TKolonTuru t) { tur_ = t; }
  const std::vector<TDegerOgesi>& DegerListesi() const { return degerler_; }
  void SetDegerListesi(std::vector<TDegerOgesi> d) { degerler_ = std::move(d); }
  bool AciklamaGoster() const { return aciklamaGoster_; }   // icon columns: draw the description too
  void SetAciklamaGoster(bool g) { aciklamaGoster_ = g; }
  const QIcon& DugmeIkonu() const { return dugmeIkonu_; }
  void SetDugmeIkonu(const QIcon& i) { dugmeIkonu_ = i; }

  const CizimFonksiyonu& OzelCizim() const { return cizim_; }
  void SetOzelCizim(CizimFonksiyonu f) { cizim_ = std::move(f); }
  // Text of an unbound or custom-drawn column for the export, best fit and search.
  const MetinFonksiyonu& MetinSaglayici() const { return metin_; }
  void SetMetinSaglayici(MetinFonksiyonu f) { metin_ = std::move(f); }

  TOzetTuru AltOzet() const { return altOzet_; }            // grid footer
  void SetAltOzet(TOzetTuru o) { altOzet_ = o; }
  TOzetTuru GrupOzet() const { return grupOzet_; }          // group footers
  void SetGrupOzet(TOzetTuru o) { grupOzet_ = o; }

  bool Filtrelenebilir() const { return filtrelenebilir_; }
  void SetFiltrelenebilir(bool f) { filtrelenebilir_ = f; }
  bool Siralanabilir() const { return siralanabilir_; }
  void SetSiralanabilir(bool s) { siralanabilir_ = s; }

  // Index of the value in the value list, -1 when the list has no such value.
  int DegerIndeksi(const QVariant& v) const;

  // Bound field index in the attached data set, -1 when absent (kept by the model).
  int alanIndeksi = -1;

 private:
  friend class TVeriIzgarasi;
  friend class TIzgaraModeli;
  QString ad_, alanAdi_, baslik_;
  bool gorunur_ = true;
  bool secenekte_ = true;
  int agirlik_ = 1;
  Qt::Alignment hizalama_ = Qt::AlignLeft | Qt::AlignVCenter;
  bool kaydir_ = false;
  TKolonTuru tur_ = TKolonTuru::Metin;
  std::vector<TDegerOgesi> degerler_;
  bool aciklamaGoster_ = false;
  QIcon dugmeIkonu_;
  CizimFonksiyonu cizim_;
  MetinFonksiyonu metin_;
  TOzetTuru altOzet_ = TOzetTuru::Yok;
  TOzetTuru grupOzet_ = TOzetTuru::Yok;
  bool filtrelenebilir_ = true;
  bool siralanabilir_ = true;
  std::function<void()> degisti_;  // set by the grid: visibility or caption changed
};
