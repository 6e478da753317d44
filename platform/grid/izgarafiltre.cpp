#include "platform/grid/izgarafiltre.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/grid/izgara.h"

QString TIzgaraFiltrePenceresi::TumuMetni() { return QStringLiteral("(Tümü)"); }
QString TIzgaraFiltrePenceresi::BosMetni() { return QStringLiteral("(Boş)"); }

TIzgaraFiltrePenceresi::TIzgaraFiltrePenceresi(TVeriIzgarasi* izgara, TIzgaraKolonu* kolon)
    : QFrame(izgara, Qt::Popup), izgara_(izgara), kolon_(kolon) {
  setAttribute(Qt::WA_DeleteOnClose);
  setFrameShape(QFrame::StyledPanel);
  auto* dikey = new QVBoxLayout(this);
  dikey->setContentsMargins(4, 4, 4, 4);
  liste_ = new QListWidget(this);
  liste_->setUniformItemSizes(true);
  dikey->addWidget(liste_);
  auto* yatay = new QHBoxLayout;
  yatay->addStretch();
  auto* tamam = new QPushButton(QStringLiteral("Tamam"), this);
  auto* vazgec = new QPushButton(QStringLiteral("Vazgeç"), this);
  yatay->addWidget(tamam);
  yatay->addWidget(vazgec);
  dikey->addLayout(yatay);
  connect(tamam, &QPushButton::clicked, this, &TIzgaraFiltrePenceresi::Uygula);
  connect(vazgec, &QPushButton::clicked, this, &QWidget::close);

  TIzgaraModeli* m = izgara->Model();
  const int c = m->KolonIndeksi(kolon);
  const QStringList secili = m->FiltreDegerleri(c);
  auto* tumu = new QListWidgetItem(TumuMetni(), liste_);
  tumu->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
  tumu->setCheckState(secili.isEmpty() ? Qt::Checked : Qt::Unchecked);
  for (const QString& d : m->FarkliDegerler(c)) {
    auto* oge = new QListWidgetItem(d.isEmpty() ? BosMetni() : d, liste_);
    oge->setData(Qt::UserRole, d);
    oge->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    oge->setCheckState(secili.contains(d) ? Qt::Checked : Qt::Unchecked);
  }
  connect(liste_, &QListWidget::itemChanged, this, &TIzgaraFiltrePenceresi::OgeDegisti);
  resize(qMax(220, izgara->KolonGenisligi(kolon)), 320);
}

void TIzgaraFiltrePenceresi::OgeDegisti(QListWidgetItem* oge) {
  QSignalBlocker b(liste_);
  if (oge == liste_->item(0)) {
    if (oge->checkState() == Qt::Checked)
      for (int i = 1; i < liste_->count(); ++i) liste_->item(i)->setCheckState(Qt::Unchecked);
  } else if (oge->checkState() == Qt::Checked) {
    liste_->item(0)->setCheckState(Qt::Unchecked);
  }
}

void TIzgaraFiltrePenceresi::Uygula() {
  QStringList degerler;
  if (liste_->item(0)->checkState() != Qt::Checked)
    for (int i = 1; i < liste_->count(); ++i)
      if (liste_->item(i)->checkState() == Qt::Checked) degerler << liste_->item(i)->data(Qt::UserRole).toString();
  izgara_->FiltreKur(kolon_, degerler);
  close();
}
