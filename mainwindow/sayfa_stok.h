#pragma once
// The stock list page of the main window: the search typed into the search bar, the stock grid
// with its layout by window width and its custom-drawn price cell, the context menu, and the
// openers and writers through which a stock enters or changes in the basket (also used by the
// basket, new-stock and campaign pages).

#include <QObject>
#include <QString>
#include <vector>

#include "platform/grid/izgarakolonu.h"

class QAction;
class QMenu;
class TClientDataSet;
class TForm1;
class TOrantiliResim;
class TVeriIzgarasi;
class Tstokayarinti;
struct TCizimBilgisi;
struct TRolKurallari;

// A typed character of the search box with the Turkish letters folded to plain Latin letters
// ("ş" -> "s", "ı" -> "I" ...); other characters come back unchanged.
QChar AramaHarfiKatla(QChar c);
QString AramaMetniKatla(const QString& metin);

// The text of the "Fiyat Bilgisi" cell: list, campaign (only when above 0), net and VAT-inclusive price.
QString FiyatBilgisiMetni(double listeFiyat, double kampFiyat, double netFiyat, double kdvDahil);

class TStokSayfasi : public QObject {
  Q_OBJECT
 public:
  explicit TStokSayfasi(TForm1* form);

  TForm1* Form;
  TVeriIzgarasi* cxGrid1;  // the view cxGrid1DBTableView1 on stok
  QMenu* popstok;
  QAction* S2;  // "Sepete Ekle"
  QAction* B1;  // "Sipariş Bakiyeleriniz"
  QAction* S3;  // "Siparişleri Göster"

  // --- search bar
  bool araeditKeyPress(QChar& tus);  // folds the typed character; true for Enter (handled)
  void AramaEnter();                 // Enter in the search box
  void SpeedButton2Click();          // "Ara"
  void SpeedButton1Click();          // "Temizle"
  bool AramaSuruyor() const { return aramaSuruyor_; }

  // --- grid
  void StokKolonlariDuzenle();
  void cxGrid1Resize();
  void cxGrid1DBTableView1DblClick();
  void S2Click() { cxGrid1DBTableView1DblClick(); }
  void S3Click();
  void RolleriUygula(const TRolKurallari& r);
  bool Genis() const;  // the main window is more than 1152 pixels wide

  // --- openers (modal stock dialog) and writers
  void StokSepeteEkle(int stokno);
  void YeniStokSepeteEkle(int stokno);
  void KampanyaliSepeteEkle(int stokno);
  void SepetSatirDegistir(int sirano);
  // Decides between adding and changing for a stock of the given list (stok, YENILER, kampstok).
  void EkleVeyaDegistir(TClientDataSet* liste, int stokno);
  void SepeteYaz(TClientDataSet* D, double fiyat, double miktar);
  void SepetGuncelleYaz(int sirano, double fiyat, double miktar);
  void StokResmiAl(int stokno, TOrantiliResim* resim);

 signals:
  void AramaBitti(bool basarili);  // the search's continuation has run

 protected:
  bool eventFilter(QObject* nesne, QEvent* olay) override;

 private:
  void KolonlariKur();
  void FiyatBilgisiCiz(const TCizimBilgisi& b);
  void StokListesiAl();
  // Shows the dialog and, on OK, gives the quantity and the unit price; false on Cancel.
  bool DialogOnayi(Tstokayarinti& d, double& fiyat, double& miktar);
  // Fills the dialog from the current row of a stock list (stok, YENILER, kampstok).
  void DialogDoldur(Tstokayarinti& d, TClientDataSet* D, const QString& bosluklu, bool kampanyaListesi);

  bool aramaSuruyor_ = false;
  bool katlamaGonderiyor_ = false;
};
