#include "ordering/secenekgrubu.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

TSecenekGrubu::TSecenekGrubu(const QString& baslik, QWidget* parent)
    : QGroupBox(baslik, parent), grup_(new QButtonGroup(this)), duzen_(new QVBoxLayout(this)) {
  grup_->setExclusive(true);
  duzen_->setContentsMargins(8, 6, 8, 6);
  duzen_->setSpacing(4);
  duzen_->addStretch();
  connect(grup_, &QButtonGroup::idClicked, this, [this](int) { emit Tiklandi(); });
}

void TSecenekGrubu::Temizle() {
  for (QRadioButton* b : dugmeler_) {
    grup_->removeButton(b);
    delete b;
  }
  dugmeler_.clear();
  idler_.clear();
}

void TSecenekGrubu::Ekle(const QString& baslik, int id) {
  auto* b = new QRadioButton(baslik, this);
  grup_->addButton(b, dugmeler_.size());
  duzen_->insertWidget(dugmeler_.size(), b);
  dugmeler_.append(b);
  idler_.append(id);
}

QString TSecenekGrubu::Baslik(int i) const {
  QRadioButton* b = dugmeler_.value(i);
  return b ? b->text() : QString();
}

int TSecenekGrubu::ItemIndex() const {
  for (int i = 0; i < dugmeler_.size(); ++i)
    if (dugmeler_[i]->isChecked()) return i;
  return -1;
}

void TSecenekGrubu::ItemIndexAta(int i) {
  if (dugmeler_.isEmpty()) return;
  if (i < 0) {
    grup_->setExclusive(false);
    for (QRadioButton* b : dugmeler_) b->setChecked(false);
    grup_->setExclusive(true);
    return;
  }
  dugmeler_[qMin(i, int(dugmeler_.size()) - 1)]->setChecked(true);
}

int TSecenekGrubu::SeciliId() const {
  const int i = ItemIndex();
  return i < 0 ? 0 : idler_[i];
}
