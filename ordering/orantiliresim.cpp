#include "ordering/orantiliresim.h"

#include <QPainter>

TOrantiliResim::TOrantiliResim(QWidget* parent) : QWidget(parent) {
  setMinimumSize(64, 64);
}

void TOrantiliResim::ResimAta(const QImage& resim) {
  resim_ = resim;
  update();
}

bool TOrantiliResim::ResimYukle(const QByteArray& veri) {
  QImage yeni;
  if (!yeni.loadFromData(veri) || yeni.isNull()) return false;
  ResimAta(yeni);
  return true;
}

void TOrantiliResim::paintEvent(QPaintEvent*) {
  if (resim_.isNull()) return;
  QSize boy = resim_.size();
  boy.scale(size(), Qt::KeepAspectRatio);
  const QRect hedef(QPoint((width() - boy.width()) / 2, (height() - boy.height()) / 2), boy);
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(hedef, resim_);
}
