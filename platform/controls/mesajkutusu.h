#pragma once
// The program's message box: a Qt message box with the kind's title and icon, Turkish button
// captions and the default button first in the tab order.

#include <QMessageBox>

#include "session/utils.h"

class TMesajKutusu : public QMessageBox {
  Q_OBJECT
 public:
  explicit TMesajKutusu(const MesajIstegi& istek, QWidget* parent = nullptr);

  // The box's button for b, or nullptr when the box does not have it.
  QAbstractButton* Dugme(TMsgDlgBtn b) const;
  // Shows the box modally and gives the pressed button's result code.
  int Goster();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void Ortala();
  QList<QPair<TMsgDlgBtn, QAbstractButton*>> dugmeler_;
  TMsgDlgBtn varsayilan_;
};

// Builds and shows the box for a request; returns the result code.
int MesajKutusuGoster(const MesajIstegi& istek);

// Installs MesajKutusuGoster as the handler of MesajGoster. Called once at program start.
void MesajKutusuKur();

// Font size of every message box, in points (0: the application's font).
void MesajKutusuYaziBoyutuAta(int punto);
int MesajKutusuYaziBoyutu();
