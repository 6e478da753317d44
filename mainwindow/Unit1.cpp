#include "mainwindow/Unit1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QPointer>
#include <QUrl>

#include "mainwindow/bildirim.h"
#include "mainwindow/sayfa_sepet.h"
#include "mainwindow/sayfa_stok.h"
#include "mainwindow/sekmeciz.h"
#include "platform/controls/mesajkutusu.h"
#include "platform/core/veriseti.h"
#include "platform/rpc/dsbaglanti.h"
#include "session/baglantiu.h"
#include "session/girisformu.h"
#include "session/programayarlari.h"
#include "session/utils.h"

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent), bagc(std::make_unique<TSQLConnection>()), kapandi_(std::make_shared<std::atomic_bool>(false)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Dravik B2B Programı"));
  resize(1350, 710);
  QFont f(QStringLiteral("Tahoma"));
  f.setPixelSize(13);
  f.setBold(true);
  setFont(f);

  stok = new TClientDataSet(this);
  sepet = new TClientDataSet(this);
  ONCEKILER = new TClientDataSet(this);
  EKSTRE = new TClientDataSet(this);
  YENILER = new TClientDataSet(this);
  kampstok = new TClientDataSet(this);
  dosyatable = new TClientDataSet(this);
  stok->setObjectName(QStringLiteral("stok"));
  sepet->setObjectName(QStringLiteral("sepet"));
  ONCEKILER->setObjectName(QStringLiteral("ONCEKILER"));
  EKSTRE->setObjectName(QStringLiteral("EKSTRE"));
  YENILER->setObjectName(QStringLiteral("YENILER"));
  kampstok->setObjectName(QStringLiteral("kampstok"));
  dosyatable->setObjectName(QStringLiteral("dosyatable"));

  CerceveKur();
  StokSayfasi = new TStokSayfasi(this);
  SepetSayfasi = new TSepetSayfasi(this);
}

TForm1::~TForm1() {
  kapandi_->store(true);
  kanal_.reset();
}

bool TForm1::FormCreate() {
  _acilisadet = 0;
  setWindowTitle(QStringLiteral("Dravik B2B Programı"));
  MesajKutusuYaziBoyutuAta(15);
  // The application's title (the taskbar's group name); the window caption stays the long name.
  QCoreApplication::setApplicationName(QStringLiteral("Dravik B2B"));

  sbilgi = std::make_unique<TSonucBilgisi>();
  sbilgi->SetBilgiSayarAdi(BilgisayarAdiAl());
  sbilgi->SetBilgisayarKullanici(KullaniciAdiAl());
  sbilgi->SetIcip(YerelIpAl());
  sbilgi->SetBILGISAYARID(KimlikAl());

  bagc->Params[QStringLiteral("HostName")] = ProgramAyarlari().SunucuHost;
  bagc->Params[QStringLiteral("Port")] = ProgramAyarlari().SunucuPort;
  WebSitesi1->setText(WebSitesiKisaAdi());

  if (!GirisVeYetkiAyarla()) return false;

  YuklemeSirasiBaslat([this] {
    if (isMinimized()) showMaximized();
  });
  BildirimKaydet();
  return true;
}

bool TForm1::GirisVeYetkiAyarla() {
  {
    Tgirisform giris(this);
    giris.bagim = bagc.get();
    giris.Bilgim = sbilgi.get();
    if (giris.exec() != QDialog::Accepted) {
      ProgramiBitir();
      return false;
    }
  }
  if (sbilgi->Disip().trimmed().isEmpty()) {
    ProgramiBitir();
    return false;
  }
  RolKurallariUygula();
  return true;
}

void TForm1::RolKurallariUygula() {
  Roller = RolKurallari(sbilgi->MusteriTipi());
  musteritus->setVisible(Roller.musteritus);
  R1->setVisible(Roller.raporlar);
  sPageControl1->SekmeGorunurAta(skampanyali, Roller.kampanyaSayfasi);
  StokSayfasi->RolleriUygula(Roller);
  SepetSayfasi->RolleriUygula(Roller);
}

void TForm1::G1Click() { close(); }

// The mail form, the password-change request and the reports window are opened here once
// they are part of the program.
void TForm1::M1Click() {}
void TForm1::N4Click() {}
void TForm1::R1Click() {}
void TForm1::musteritusClick() {}

void TForm1::WebSitesi1Click() {
  QDesktopServices::openUrl(QUrl(ProgramAyarlari().WebAdres));
  araedit->selectAll();
  araedit->setFocus();
}

bool TForm1::FormCloseQuery() {
  if (MesajGoster(QStringLiteral("Programdan Çıkmak İstiyor musunuz ?"), mtSoru, {mbYes, mbNo}, mbYes) != mrYes)
    return false;
  ProgramiBitir();
  return true;
}

void TForm1::FormClose() { kanal_.reset(); }

void TForm1::closeEvent(QCloseEvent* e) {
  if (!FormCloseQuery()) {
    e->ignore();
    return;
  }
  FormClose();
  e->accept();
}

void TForm1::AcilisReklamGoster() {
  // The opening advertisements window is shown here once it is part of the program.
  if (_acilisadet == 0) return;
}

void TForm1::BildirimKaydet() {
  QPointer<TForm1> pencere(this);
  kanal_ = std::make_unique<TGeriBildirimKanali>(*bagc, [pencere] {
    if (pencere) pencere->GeriBildirimAl();
  });
}
