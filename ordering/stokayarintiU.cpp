#include "ordering/stokayarintiU.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <exception>

#include "ordering/orantiliresim.h"
#include "ordering/tutarhesap.h"
#include "platform/controls/golgeetiket.h"
#include "platform/controls/tamsayispin.h"
#include "platform/controls/tutaredit.h"
#include "session/beklesinu.h"
#include "session/programayarlari.h"
#include "session/utils.h"
#include "session/webistek.h"

namespace {

TGolgeliEtiket* Baslik(const QString& metin, QWidget* ebeveyn) {
  auto* l = new TGolgeliEtiket(metin, ebeveyn);
  QFont f = l->font();
  f.setBold(true);
  l->setFont(f);
  l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return l;
}

QLabel* Deger(const QString& ad, QWidget* ebeveyn) {
  auto* l = new QLabel(ebeveyn);
  l->setObjectName(ad);
  l->setTextInteractionFlags(Qt::TextSelectableByMouse);
  l->setWordWrap(true);
  return l;
}

TTutarEdit* Tutar(const QString& ad, QWidget* ebeveyn) {
  auto* e = new TTutarEdit(ebeveyn);
  e->setObjectName(ad);
  e->GosterimBicimiAta(QStringLiteral("#,###,##0.00"));
  e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  e->setReadOnly(true);
  e->DegerAta(0);
  return e;
}

bool EnterTusu(QEvent* olay) {
  if (olay->type() != QEvent::KeyPress) return false;
  const int k = static_cast<QKeyEvent*>(olay)->key();
  return k == Qt::Key_Return || k == Qt::Key_Enter;
}

// Downloads the stock's picture; empty when the host fails or the body is too short to be one.
QByteArray GosterYeni(const QString& webAdres, int stokno, const std::atomic_bool* dur) {
  TWebIstegi istek;
  istek.adres = webAdres + QStringLiteral("resimgoster.ashx?id=") + QString::number(stokno);
  istek.dur = dur;
  TWebYaniti yanit;
  try {
    yanit = WebAl(istek);
  } catch (...) {
    return {};
  }
  if (!yanit.Basarili() || yanit.govde.size() < Tstokayarinti::EnKucukResimBoyu) return {};
  return yanit.govde;
}

}  // namespace

Tstokayarinti::Tstokayarinti(QWidget* AOwner)
    : QDialog(AOwner), kapandi_(std::make_shared<std::atomic_bool>(false)) {
  setObjectName(QStringLiteral("stokayarinti"));
  setWindowTitle(QStringLiteral("Sepete Ekle"));
  setModal(true);
  resize(550, 631);

  // Header: the stock's identity.
  auto* ust = new QWidget(this);
  ust->setObjectName(QStringLiteral("ustpanel"));
  auto* ustDuzen = new QGridLayout(ust);
  ustDuzen->setContentsMargins(10, 8, 10, 8);
  ustDuzen->setHorizontalSpacing(10);
  ustDuzen->setVerticalSpacing(4);
  barkod = Deger(QStringLiteral("barkod"), ust);
  adi = Deger(QStringLiteral("adi"), ust);
  finishkod = Deger(QStringLiteral("finishkod"), ust);
  marka = Deger(QStringLiteral("marka"), ust);
  model = Deger(QStringLiteral("model"), ust);
  const std::pair<const char*, QLabel*> satirlar[] = {
      {"Barkod:", barkod}, {"Açıklama:", adi}, {"Finish Kod:", finishkod}, {"Marka:", marka}, {"Model:", model}};
  int s = 0;
  for (const auto& [baslik, deger] : satirlar) {
    ustDuzen->addWidget(Baslik(QString::fromUtf8(baslik), ust), s, 0);
    ustDuzen->addWidget(deger, s, 1);
    ++s;
  }
  ustDuzen->setColumnStretch(1, 1);

  // The picture fills the middle.
  Image1 = new TOrantiliResim(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->ResimAta(Logo());

  // Amounts, with the two buttons on the right.
  auto* alt = new QWidget(this);
  alt->setObjectName(QStringLiteral("altpanel"));
  auto* tutarDuzen = new QGridLayout;
  tutarDuzen->setHorizontalSpacing(8);
  tutarDuzen->setVerticalSpacing(4);
  adet = new TTamSayiSpin(1, 10000, 1, alt);
  adet->setObjectName(QStringLiteral("adet"));
  adet->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  adet->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
  birimfiyat = Tutar(QStringLiteral("birimfiyat"), alt);
  indtutar = Tutar(QStringLiteral("indtutar"), alt);
  kdvdahiltutar = Tutar(QStringLiteral("kdvdahiltutar"), alt);
  geneltutar = Tutar(QStringLiteral("geneltutar"), alt);
  Label2 = Baslik(QStringLiteral("Fiyat:"), alt);
  Label2->setObjectName(QStringLiteral("Label2"));
  indirimoran = Baslik(QStringLiteral("İndirim:"), alt);
  indirimoran->setObjectName(QStringLiteral("indirimoran"));
  const std::pair<QLabel*, QWidget*> tutarlar[] = {{Baslik(QStringLiteral("Adet:"), alt), adet},
                                                  {Label2, birimfiyat},
                                                  {indirimoran, indtutar},
                                                  {Baslik(QStringLiteral("KDV Dahil:"), alt), kdvdahiltutar},
                                                  {Baslik(QStringLiteral("Tutar:"), alt), geneltutar}};
  s = 0;
  for (const auto& [etiket, kutu] : tutarlar) {
    kutu->setMinimumWidth(150);
    tutarDuzen->addWidget(etiket, s, 0);
    tutarDuzen->addWidget(kutu, s, 1);
    ++s;
  }

  ParcaliTus1 = new QPushButton(QStringLiteral("Sipariş ekle"), alt);
  ParcaliTus1->setObjectName(QStringLiteral("ParcaliTus1"));
  ParcaliTus2 = new QPushButton(QStringLiteral("Vazgeç"), alt);
  ParcaliTus2->setObjectName(QStringLiteral("ParcaliTus2"));
  auto* tuslar = new QVBoxLayout;
  for (QPushButton* b : {ParcaliTus1, ParcaliTus2}) {
    // Enter closes the dialog only from the quantity; no button answers it by default.
    b->setAutoDefault(false);
    b->setDefault(false);
    b->setMinimumSize(130, 44);
    tuslar->addWidget(b);
  }
  tuslar->addStretch();

  auto* altDuzen = new QHBoxLayout(alt);
  altDuzen->setContentsMargins(10, 6, 10, 10);
  altDuzen->addLayout(tutarDuzen);
  altDuzen->addStretch();
  altDuzen->addLayout(tuslar);

  auto* ana = new QVBoxLayout(this);
  ana->setContentsMargins(0, 0, 0, 0);
  ana->setSpacing(0);
  ana->addWidget(ust);
  ana->addWidget(Image1, 1);
  ana->addWidget(alt);

  connect(ParcaliTus1, &QPushButton::clicked, this, [this] { done(mrOk); });
  connect(ParcaliTus2, &QPushButton::clicked, this, [this] { done(mrCancel); });
  // adetChange: every change of the text, also one the spin box does not take as a value yet ("0").
  adet->installEventFilter(this);
  if (auto* satir = adet->findChild<QLineEdit*>()) {
    satir->installEventFilter(this);
    connect(satir, &QLineEdit::textChanged, this, [this] { TutarHesapla(); });
  } else {
    connect(adet, &QSpinBox::textChanged, this, [this] { TutarHesapla(); });
  }
  for (TTutarEdit* e : {birimfiyat, indtutar, kdvdahiltutar, geneltutar}) e->installEventFilter(this);

  setTabOrder(adet, birimfiyat);
  setTabOrder(birimfiyat, ParcaliTus1);
  setTabOrder(ParcaliTus1, ParcaliTus2);
  adet->setFocus();
}

Tstokayarinti::~Tstokayarinti() { *kapandi_ = true; }

void Tstokayarinti::done(int r) {
  *kapandi_ = true;
  // The opener reads the quantity's text: a text the spin box holds outside its range (a typed
  // "0" closed with Enter) is brought into the range first, so no line goes out with quantity 0.
  if (r == mrOk) adet->interpretText();
  QDialog::done(r);
}

void Tstokayarinti::reject() { done(mrCancel); }

bool Tstokayarinti::FiyatDegistirebilir(int musteriTipi, bool kampanyaListesi) {
  return !kampanyaListesi && (musteriTipi == 1 || musteriTipi == 2);
}

void Tstokayarinti::FiyatKilidiAyarla(int musteriTipi, bool kampanyaListesi) {
  birimfiyat->setReadOnly(!FiyatDegistirebilir(musteriTipi, kampanyaListesi));
}

int Tstokayarinti::Miktar() const {
  bool tamam = false;
  const int n = adet->text().trimmed().toInt(&tamam);
  return tamam ? n : adet->minimum();
}

void Tstokayarinti::TutarHesapla() {
  try {
    const TTutarSonucu t = ::TutarHesapla(birimfiyat->Deger(), Miktar(), ind1, ind2, ind3, ind4, kdvoran);
    indtutar->DegerAta(t.indtutar);
    kdvdahiltutar->DegerAta(t.kdvdahiltutar);
    geneltutar->DegerAta(t.geneltutar);
  } catch (const std::exception&) {
    // A price too large to format leaves the amounts as they were; the keys go on working.
  }
}

void Tstokayarinti::ResimGoster() {
  const int stokno = _stokno;
  const QString webAdres = ProgramAyarlari().WebAdres;
  const std::shared_ptr<std::atomic_bool> kapandi = kapandi_;
  auto govde = std::make_shared<QByteArray>();
  // The continuation is owner-guarded: a picture that arrives after the dialog is gone is dropped.
  Async([webAdres, stokno, kapandi, govde] { *govde = GosterYeni(webAdres, stokno, kapandi.get()); })->Await(this, [this, govde] {
    if (!govde->isEmpty()) ResimGeldi(*govde);
  });
}

void Tstokayarinti::ResimGeldi(const QByteArray& govde) {
  if (*kapandi_) return;
  Image1->ResimYukle(govde);  // a body that is no picture leaves the current one
}

void Tstokayarinti::FormActivate() {
  TutarHesapla();
  ResimGoster();
  adet->setFocus();
  adet->selectAll();
}

void Tstokayarinti::showEvent(QShowEvent* e) {
  if (!acildi_) {
    acildi_ = true;
    if (QScreen* ekran = screen()) {
      QRect r = frameGeometry();
      r.moveCenter(ekran->availableGeometry().center());
      move(r.topLeft());
    }
    FormActivate();
  }
  QDialog::showEvent(e);
}

bool Tstokayarinti::eventFilter(QObject* nesne, QEvent* olay) {
  const bool adettenMi = nesne == adet || (nesne && nesne->parent() == adet);
  if (adettenMi && EnterTusu(olay)) {  // adetKeyDown
    olay->accept();
    done(mrOk);
    return true;
  }
  if (nesne == birimfiyat && EnterTusu(olay)) {  // birimfiyatKeyDown
    olay->accept();
    return true;
  }
  if (olay->type() == QEvent::KeyRelease &&
      (nesne == birimfiyat || nesne == indtutar || nesne == kdvdahiltutar || nesne == geneltutar)) {
    TutarHesapla();  // birimfiyatKeyUp
  }
  return QDialog::eventFilter(nesne, olay);
}

QImage Tstokayarinti::Logo() {
  QImage logo(512, 350, QImage::Format_RGB32);
  QPainter p(&logo);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(0, 0, 0, 350);
  g.setColorAt(0, QColor(0x4b, 0x2a, 0x6b));
  g.setColorAt(1, QColor(0x1f, 0x10, 0x30));
  p.fillRect(logo.rect(), g);
  QFont f(QStringLiteral("Sans Serif"));
  f.setBold(true);
  f.setPixelSize(96);
  p.setFont(f);
  p.setPen(QColor(0xf2, 0xe6, 0xff));
  p.drawText(QRect(0, 60, 512, 150), Qt::AlignCenter, QStringLiteral("DRAVIK"));
  f.setPixelSize(36);
  f.setBold(false);
  p.setFont(f);
  p.setPen(QColor(0xc9, 0xa8, 0xf0));
  p.drawText(QRect(0, 200, 512, 60), Qt::AlignCenter, QStringLiteral("B2B"));
  p.end();
  return logo;
}
