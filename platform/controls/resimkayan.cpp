#include "platform/controls/resimkayan.h"

#include <QPainter>

TResimKayan::TResimKayan(QWidget* parent) : TKayanYazi(parent) {
  AralikAta(0);
  connect(this, &TKayanYazi::CizimIste, this, &TResimKayan::Ciz);
}

void TResimKayan::ResimAta(const QImage& resim) {
  Temizle();
  resim_ = resim;
  if (resim_.isNull()) return;
  setFixedHeight(resim_.height());
  CizimEkle(resim_.width());
}

void TResimKayan::Ciz(QPainter* p, const QRect& alan, int) {
  if (resim_.isNull()) return;
  p->drawImage(QPoint(alan.left(), alan.top() + (alan.height() - resim_.height()) / 2), resim_);
}
