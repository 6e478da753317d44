#pragma once
// "Sipariş Onay": the last step before the basket's marked lines are sent as an order.
//
// The basket page constructs it (Ac) with the connection, its balance message, the session
// record, the formatted basket total, the total as a number and the cash and single-payment
// discount rates, and shows it modally. It closes with OK (1) only from one of the three
// payment buttons after the delivery kind, cargo kind and cargo company have been chosen;
// the opener then reads Sonuc(), td, kt, KN and the text of aciklamagir. It saves nothing.

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>

#include "ordering/secenekgrubu.h"
#include "platform/core/veriseti.h"
#include "session/baglantiu.h"
#include "session/utils.h"

class TSQLConnection;

class TONAYSIP : public QDialog {
  Q_OBJECT
 public:
  TONAYSIP(QWidget* AOwner, TSQLConnection* _c, const QString& mesaj, const TSonucBilgisi* _sbilgi,
           const QString& _toplam, double normaltutar, double NakitFiyatIskonto, double TekCekimFiyatIskonto);
  // The opener's constructor call; the caller owns (and deletes) the dialog.
  static TONAYSIP* Ac(QWidget* AOwner, TSQLConnection* _c, const QString& mesaj, const TSonucBilgisi* _sbilgi,
                      const QString& _toplam, double normaltutar, double NakitFiyatIskonto,
                      double TekCekimFiyatIskonto);

  TSQLConnection* bagc;
  TSonucBilgisi sbilgi;  // a copy of the opener's record
  QString toplam;

  // Read by the opener after OK.
  TSiparisSonuc Sonuc() const { return FSonuc; }
  int td = 0;  // delivery kind id
  int kt = 0;  // cargo kind id
  int KN = 0;  // cargo company id (SIRANO)

  TSecenekGrubu* teslimbox;  // "Teslim Durumu"
  TSecenekGrubu* boxkargo;   // "Kargo Türleri"
  QGroupBox* kargokutu;      // "Kargo"
  QComboBox* kargocombo;
  QLabel* uyarikargo;
  QGroupBox* mesajkutu;      // "Mesaj"
  QPlainTextEdit* aciklamagir;
  QLabel* Label2;  // summary
  QLabel* Label3;  // the opener's message
  QLabel* Label1;  // question
  QPushButton* Button1;  // "Taksitli Ödeme", tag 0
  QPushButton* Button3;  // "Tek Çekim", tag 1
  QPushButton* Button4;  // "Nakit Ödeme", tag 2
  QPushButton* Button2;  // "Vazgeç"
  TClientDataSet kargo;  // companies of the chosen cargo kind: ADI, SIRANO, UYARI

  // Handlers, public so that the opener's tests can drive them.
  void boxkargoClick();
  void kargocomboChange();
  void Button1Click(int tag);

  // Cancel ("Vazgeç", Escape, the close box) gives 2.
  void reject() override { done(mrCancel); }

  // The summary's lines (joined with line breaks in Label2).
  static QString OzetMetni(const QString& kullanici, const QString& cari, const QString& toplam, double tekCekim,
                           double nakit);

 private:
  void ListeleriYukle();
  int KargoSatiri() const;  // row of kargo for the list's choice, -1 when none

  TSiparisSonuc FSonuc = sNormal;
};
