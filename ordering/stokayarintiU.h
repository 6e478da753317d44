#pragma once
// "Sepete Ekle": the modal dialog through which a stock line enters or changes in the basket.
//
// The opener fills the inputs (kdvoran, ind1..ind4, _stokno), the stock's labels, the unit price
// and the quantity, unlocks the price for sellers, shows the dialog modally and, on OK
// (result 1), reads the text of adet and the value of birimfiyat. The dialog itself calls no
// server method; it only fetches the stock's picture from the portal's web host.

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <atomic>
#include <memory>

#include "ordering/orantiliresim.h"
#include "platform/controls/tamsayispin.h"
#include "platform/controls/tutaredit.h"

class Tstokayarinti : public QDialog {
  Q_OBJECT
 public:
  explicit Tstokayarinti(QWidget* AOwner = nullptr);
  ~Tstokayarinti() override;

  // Inputs set by the opener before showing.
  double kdvoran = 0;
  double ind1 = 0, ind2 = 0, ind3 = 0, ind4 = 0;
  int _stokno = 0;

  // Stock labels.
  QLabel* barkod;
  QLabel* adi;
  QLabel* finishkod;
  QLabel* marka;
  QLabel* model;
  TOrantiliResim* Image1;

  // Amount panel.
  TTamSayiSpin* adet;
  TTutarEdit* birimfiyat;
  TTutarEdit* indtutar;
  TTutarEdit* kdvdahiltutar;
  TTutarEdit* geneltutar;
  QLabel* Label2;       // caption of the unit price ("Fiyat:" / "Kampanyalı Fiyat:")
  QLabel* indirimoran;  // caption of the discount amount
  QPushButton* ParcaliTus1;  // "Sipariş ekle"
  QPushButton* ParcaliTus2;  // "Vazgeç"

  // Whether a seller may type the unit price: account types 1 and 2, never on the campaign list.
  static bool FiyatDegistirebilir(int musteriTipi, bool kampanyaListesi = false);
  // Unlocks birimfiyat when FiyatDegistirebilir allows it; otherwise keeps it read-only.
  void FiyatKilidiAyarla(int musteriTipi, bool kampanyaListesi = false);

  // The quantity as the amounts use it: the text of adet as a whole number, else the minimum.
  int Miktar() const;

  // Recalculates indtutar, kdvdahiltutar and geneltutar from the inputs.
  void TutarHesapla();
  // Starts fetching the stock's picture ("resimgoster.ashx?id=" on the web host) on a worker.
  void ResimGoster();

  // Bodies shorter than this are no picture.
  static constexpr int EnKucukResimBoyu = 1200;

  // The firm's logo shown until a stock picture arrives.
  static QImage Logo();

  // Closing: OK gives 1, Cancel (the button, Escape, the close box) gives 2. A picture still
  // on its way is dropped once the dialog has closed.
  void done(int r) override;
  void reject() override;

 protected:
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* nesne, QEvent* olay) override;

 private:
  void FormActivate();
  void ResimGeldi(const QByteArray& govde);

  bool acildi_ = false;
  // Tells a running download that the dialog is gone.
  std::shared_ptr<std::atomic_bool> kapandi_;
};
