#pragma once
// Picture marquee of the bottom banner: one picture scrolling from right to left.

#include <QImage>

#include "platform/controls/kayanyazi.h"

class TResimKayan : public TKayanYazi {
  Q_OBJECT
 public:
  explicit TResimKayan(QWidget* parent = nullptr);

  // Replaces the scrolling picture (the marquee keeps its running state). A null picture
  // leaves the marquee empty. The control takes the picture's height.
  void ResimAta(const QImage& resim);
  const QImage& Resim() const { return resim_; }

 private:
  void Ciz(QPainter* p, const QRect& alan, int oge);
  QImage resim_;
};
