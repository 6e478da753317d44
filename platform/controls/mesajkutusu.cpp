#include "platform/controls/mesajkutusu.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace {

int yaziBoyutu = 0;

QMessageBox::Icon Simge(int tur) {
  switch (tur) {
    case mtUyari: return QMessageBox::Warning;
    case mtHata: return QMessageBox::Critical;
    case mtBilgi: return QMessageBox::Information;
    case mtSoru: return QMessageBox::Question;
    default: return QMessageBox::NoIcon;
  }
}

QMessageBox::ButtonRole Rol(TMsgDlgBtn b) {
  switch (b) {
    case mbYes: case mbYesToAll: return QMessageBox::YesRole;
    case mbNo: case mbNoToAll: return QMessageBox::NoRole;
    case mbOK: return QMessageBox::AcceptRole;
    case mbCancel: case mbAbort: return QMessageBox::RejectRole;
    case mbHelp: return QMessageBox::HelpRole;
    case mbRetry: case mbIgnore: return QMessageBox::ActionRole;
  }
  return QMessageBox::ActionRole;
}

}  // namespace

TMesajKutusu::TMesajKutusu(const MesajIstegi& istek, QWidget* parent)
    : QMessageBox(parent), varsayilan_(istek.varsayilan) {
  setWindowTitle(MesajBasligi(istek.tur));
  setIcon(Simge(istek.tur));
  // The program's texts break lines with "\r\n"; the box wants plain line feeds.
  QString metin = istek.metin;
  metin.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  setText(metin);
  setTextFormat(Qt::PlainText);
  setWindowModality(Qt::ApplicationModal);
  if (yaziBoyutu > 0) {
    QFont f = font();
    f.setPointSize(yaziBoyutu);
    setFont(f);
  }

  TMsgDlgButtons butonlar = istek.butonlar;
  if (butonlar.Bos()) butonlar = TMsgDlgButtons{mbOK};  // a box always has a way out
  for (TMsgDlgBtn b : Dugmeler(butonlar)) {
    QAbstractButton* d = addButton(DugmeBasligi(b), Rol(b));
    dugmeler_.append({b, d});
  }
  // The default must be one of the box's buttons; otherwise the first one is.
  if (!Dugme(varsayilan_)) varsayilan_ = dugmeler_.first().first;
  auto* varsayilanDugme = qobject_cast<QPushButton*>(Dugme(varsayilan_));
  setDefaultButton(varsayilanDugme);

  // Escape answers like the box's cancelling button, when it has one.
  for (TMsgDlgBtn b : {mbCancel, mbNo, mbAbort, mbOK}) {
    if (QAbstractButton* d = Dugme(b)) {
      setEscapeButton(d);
      break;
    }
  }

  // The default button first in the tab order, the others after it in display order.
  QWidget* onceki = varsayilanDugme;
  for (const auto& [b, d] : dugmeler_) {
    if (d == varsayilanDugme) continue;
    QWidget::setTabOrder(onceki, d);
    onceki = d;
  }
}

QAbstractButton* TMesajKutusu::Dugme(TMsgDlgBtn b) const {
  for (const auto& [tur, d] : dugmeler_) {
    if (tur == b) return d;
  }
  return nullptr;
}

void TMesajKutusu::Ortala() {
  QScreen* ekran = QGuiApplication::primaryScreen();
  if (!ekran) return;
  const QRect alan = ekran->availableGeometry();
  QRect cerceve = frameGeometry();
  cerceve.moveCenter(alan.center());
  move(cerceve.topLeft());
}

void TMesajKutusu::showEvent(QShowEvent* e) {
  QMessageBox::showEvent(e);
  Ortala();
  if (QAbstractButton* d = Dugme(varsayilan_)) d->setFocus(Qt::OtherFocusReason);
}

int TMesajKutusu::Goster() {
  // The platform's sound of the kind; Linux desktops offer only the bell.
  QApplication::beep();
  exec();
  QAbstractButton* basilan = clickedButton();
  for (const auto& [b, d] : dugmeler_) {
    if (d == basilan) return DugmeSonucu(b);
  }
  // Closed without a button (window manager): as the cancelling answer.
  return mrCancel;
}

int MesajKutusuGoster(const MesajIstegi& istek) {
  TMesajKutusu kutu(istek, QApplication::activeWindow());
  return kutu.Goster();
}

void MesajKutusuKur() { MesajGostericiKur(&MesajKutusuGoster); }

void MesajKutusuYaziBoyutuAta(int punto) { yaziBoyutu = std::max(0, punto); }
int MesajKutusuYaziBoyutu() { return yaziBoyutu; }
