#include "ordering/ONAYSIPU.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>
#include <memory>

#include "ordering/secenekgrubu.h"
#include "platform/core/sayibicim.h"
#include "platform/rpc/dsbaglanti.h"
#include "session/proxim.h"

namespace {

const QString kTutarBicimi = QStringLiteral("#,###,##0.00");

void Uyar(const QString& metin) { MesajGoster(metin, mtUyari, TMsgDlgButtons{mbOK}, mbOK); }

// An error no step expects: its text in an error box, as the program shows such errors.
void HataGoster(const std::exception& e) { MesajGoster(QString::fromUtf8(e.what()), mtHata, TMsgDlgButtons{mbOK}, mbOK); }

// Fills a choice group from rows whose first column is the id and second the name.
void SecenekleriDoldur(TSecenekGrubu* grup, TDBXReader* okuyucu) {
  TClientDataSet ds;
  ReaderToDataSet(okuyucu, ds);
  grup->Temizle();
  if (!ds.Active() || ds.FieldCount() < 2) return;
  for (int r = 0; r < ds.RecordCount(); ++r) grup->Ekle(ds.TextAt(r, 1), static_cast<int>(ds.IntAt(r, 0)));
}

QPushButton* OdemeDugmesi(const QString& ad, QWidget* ebeveyn) {
  auto* b = new QPushButton(ebeveyn);
  b->setObjectName(ad);
  b->setAutoDefault(false);
  b->setMinimumSize(150, 52);
  return b;
}

}  // namespace

QString TONAYSIP::OzetMetni(const QString& kullanici, const QString& cari, const QString& toplam, double tekCekim,
                            double nakit) {
  return QStringList{QStringLiteral("Kullanıcı: ") + kullanici,
                     QStringLiteral("Cari              : ") + cari,
                     QStringLiteral("Tutar             : ") + toplam,
                     QStringLiteral("Tek Çekim Tutarı  : ") + FormatFloat(kTutarBicimi, tekCekim),
                     QStringLiteral("Nakit Ödeme Tutarı: ") + FormatFloat(kTutarBicimi, nakit)}
      .join(QLatin1Char('\n'));
}

TONAYSIP* TONAYSIP::Ac(QWidget* AOwner, TSQLConnection* _c, const QString& mesaj, const TSonucBilgisi* _sbilgi,
                       const QString& _toplam, double normaltutar, double NakitFiyatIskonto,
                       double TekCekimFiyatIskonto) {
  return new TONAYSIP(AOwner, _c, mesaj, _sbilgi, _toplam, normaltutar, NakitFiyatIskonto, TekCekimFiyatIskonto);
}

TONAYSIP::TONAYSIP(QWidget* AOwner, TSQLConnection* _c, const QString& mesaj, const TSonucBilgisi* _sbilgi,
                   const QString& _toplam, double normaltutar, double NakitFiyatIskonto, double TekCekimFiyatIskonto)
    : QDialog(AOwner, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), bagc(_c), toplam(_toplam) {
  setObjectName(QStringLiteral("ONAYSIP"));
  setWindowTitle(QStringLiteral("Sipariş Onay"));
  setModal(true);
  resize(894, 526);
  sbilgi.Kopyala(_sbilgi);

  // Top band: delivery, cargo kind, cargo company, note.
  teslimbox = new TSecenekGrubu(QStringLiteral("Teslim Durumu"), this);
  teslimbox->setObjectName(QStringLiteral("teslimbox"));
  boxkargo = new TSecenekGrubu(QStringLiteral("Kargo Türleri"), this);
  boxkargo->setObjectName(QStringLiteral("boxkargo"));

  kargokutu = new QGroupBox(QStringLiteral("Kargo"), this);
  kargocombo = new QComboBox(kargokutu);
  kargocombo->setObjectName(QStringLiteral("kargocombo"));
  kargocombo->setEditable(false);
  uyarikargo = new QLabel(kargokutu);
  uyarikargo->setObjectName(QStringLiteral("uyarikargo"));
  uyarikargo->setWordWrap(true);
  uyarikargo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  uyarikargo->setStyleSheet(QStringLiteral("color: #b00020; font-weight: bold;"));
  auto* kargoDuzen = new QVBoxLayout(kargokutu);
  kargoDuzen->addWidget(kargocombo);
  kargoDuzen->addWidget(uyarikargo, 1);

  mesajkutu = new QGroupBox(QStringLiteral("Mesaj"), this);
  aciklamagir = new QPlainTextEdit(mesajkutu);
  aciklamagir->setObjectName(QStringLiteral("aciklamagir"));
  auto* mesajDuzen = new QVBoxLayout(mesajkutu);
  mesajDuzen->addWidget(aciklamagir);

  auto* bant = new QHBoxLayout;
  bant->addWidget(teslimbox, 2);
  bant->addWidget(boxkargo, 2);
  bant->addWidget(kargokutu, 3);
  bant->addWidget(mesajkutu, 3);

  // The summary in the middle, in a fixed-width font so that the padded prefixes line up.
  Label2 = new QLabel(this);
  Label2->setObjectName(QStringLiteral("Label2"));
  QFont sabit = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  sabit.setPointSizeF(sabit.pointSizeF() * 1.2);
  sabit.setBold(true);
  Label2->setFont(sabit);
  Label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  Label2->setTextInteractionFlags(Qt::TextSelectableByMouse);

  Label3 = new QLabel(mesaj, this);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->setWordWrap(true);
  Label3->setStyleSheet(QStringLiteral("color: #b00020;"));

  Label1 = new QLabel(QStringLiteral("Yukarıda bilgileri verilen siparişi onaylıyor musunuz ?"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setAlignment(Qt::AlignCenter);
  QFont soru = Label1->font();
  soru.setBold(true);
  soru.setPointSizeF(soru.pointSizeF() * 1.15);
  Label1->setFont(soru);

  Button1 = OdemeDugmesi(QStringLiteral("Button1"), this);
  Button3 = OdemeDugmesi(QStringLiteral("Button3"), this);
  Button4 = OdemeDugmesi(QStringLiteral("Button4"), this);
  Button2 = OdemeDugmesi(QStringLiteral("Button2"), this);
  Button2->setText(QStringLiteral("Vazgeç"));
  auto* tuslar = new QHBoxLayout;
  tuslar->addWidget(Button1);
  tuslar->addWidget(Button3);
  tuslar->addWidget(Button4);
  tuslar->addStretch();
  tuslar->addWidget(Button2);

  auto* ana = new QVBoxLayout(this);
  ana->addLayout(bant, 3);
  ana->addWidget(Label2, 2);
  ana->addWidget(Label3);
  ana->addWidget(Label1);
  ana->addLayout(tuslar);

  // Amounts of the three ways of paying.
  const double tekCekim = IskontoDus(normaltutar, TekCekimFiyatIskonto);
  const double nakit = IskontoDus(normaltutar, NakitFiyatIskonto);
  Label2->setText(OzetMetni(sbilgi.ADI(), sbilgi.CariAdi(), toplam, tekCekim, nakit));
  Button1->setText(QStringLiteral("Taksitli Ödeme\n") + toplam);
  Button3->setText(QStringLiteral("Tek Çekim\n") + FormatFloat(kTutarBicimi, tekCekim));
  Button4->setText(QStringLiteral("Nakit Ödeme\n") + FormatFloat(kTutarBicimi, nakit));

  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(0); });
  connect(Button3, &QPushButton::clicked, this, [this] { Button1Click(1); });
  connect(Button4, &QPushButton::clicked, this, [this] { Button1Click(2); });
  connect(Button2, &QPushButton::clicked, this, [this] { done(mrCancel); });
  connect(boxkargo, &TSecenekGrubu::Tiklandi, this, [this] { boxkargoClick(); });
  connect(kargocombo, &QComboBox::activated, this, [this] { kargocomboChange(); });

  if (AOwner) {
    QRect r = frameGeometry();
    r.moveCenter(AOwner->window()->frameGeometry().center());
    move(r.topLeft());
  }

  ListeleriYukle();
}

void TONAYSIP::ListeleriYukle() {
  if (!bagc) return;
  std::unique_ptr<TSQLConnection> klon = bagc->Clone();
  if (!BaglantiAc(*klon, 1)) return;
  try {
    TServerMethods1Client istemci(klon.get());
    SecenekleriDoldur(teslimbox, istemci.TeslimVer());
    teslimbox->ItemIndexAta(1);  // the second kind; the only one when there is a single one
    SecenekleriDoldur(boxkargo, istemci.KargoVer());
  } catch (const std::exception& e) {
    HataGoster(e);
  }
  klon->Close();
}

void TONAYSIP::boxkargoClick() {
  uyarikargo->clear();
  const int i = boxkargo->ItemIndex();
  if (i < 0 || !bagc) return;
  if (!BaglantiAc(*bagc, 1)) {
    // The companies shown belong to the kind chosen before; none may go with the new one.
    kargo.Close();
    kargocombo->clear();
    kargocombo->addItem(QStringLiteral(" "));
    return;
  }
  try {
    TServerMethods1Client istemci(bagc);
    ReaderToDataSet(istemci.KargolarVer(boxkargo->Id(i)), kargo);
  } catch (const std::exception& e) {
    kargo.Close();
    bagc->Close();
    kargocombo->clear();
    kargocombo->addItem(QStringLiteral(" "));
    HataGoster(e);
    return;
  }
  bagc->Close();

  kargocombo->clear();
  kargocombo->addItem(QStringLiteral(" "));
  TField* ad = kargo.Active() ? kargo.FindField(QStringLiteral("ADI")) : nullptr;
  if (ad) {
    for (int r = 0; r < kargo.RecordCount(); ++r) kargocombo->addItem(kargo.TextAt(r, ad->Index()));
  }
  if (kargocombo->count() == 2) {
    kargocombo->setCurrentIndex(1);
    kargocomboChange();
  }
}

int TONAYSIP::KargoSatiri() const {
  const int secim = kargocombo->currentIndex();
  if (secim <= 0 || !kargo.Active()) return -1;
  TField* ad = kargo.FindField(QStringLiteral("ADI"));
  if (!ad) return -1;
  const QString metin = kargocombo->currentText();
  // The row at the list's position; by name only when it does not match.
  if (secim - 1 < kargo.RecordCount() && kargo.TextAt(secim - 1, ad->Index()) == metin) return secim - 1;
  for (int r = 0; r < kargo.RecordCount(); ++r)
    if (kargo.TextAt(r, ad->Index()) == metin) return r;
  return -1;
}

void TONAYSIP::kargocomboChange() {
  try {
    const int r = KargoSatiri();
    TField* uyari = kargo.Active() ? kargo.FindField(QStringLiteral("UYARI")) : nullptr;
    if (r >= 0 && uyari) {
      kargo.SetRecNo(r + 1);
      uyarikargo->setText(kargo.TextAt(r, uyari->Index()));
    } else {
      uyarikargo->clear();
    }
  } catch (...) {
    uyarikargo->clear();
  }
}

void TONAYSIP::Button1Click(int tag) {
  if (teslimbox->ItemIndex() < 0) {
    Uyar(QStringLiteral("Lütfen Teslim Durumu Seçiniz !"));
    return;
  }
  if (boxkargo->ItemIndex() < 0) {
    Uyar(QStringLiteral("Lütfen Kargo Türünü Seçiniz !"));
    return;
  }
  const int satir = KargoSatiri();
  if (kargocombo->currentIndex() <= 0 || satir < 0) {
    Uyar(QStringLiteral("Lütfen Kargo  Seçiniz !"));
    kargocombo->setFocus();
    return;
  }
  TField* sirano = kargo.FindField(QStringLiteral("SIRANO"));
  KN = sirano ? static_cast<int>(kargo.IntAt(satir, sirano->Index())) : 0;
  td = teslimbox->SeciliId();
  kt = boxkargo->SeciliId();
  FSonuc = tag == 1 ? sTekCEkim : tag == 2 ? sNakit : sNormal;
  done(mrOk);
}
