#include "platform/controls/mesgulgosterge.h"

#include <QPainter>
#include <QtMath>

TMesgulGosterge::TMesgulGosterge(QWidget* parent, int boy)
    : QWidget(parent), renk_(palette().color(QPalette::Highlight)), boy_(boy) {
  setFixedSize(boy_, boy_);
  setAttribute(Qt::WA_TranslucentBackground);
  zamanlayici_.setInterval(80);
  connect(&zamanlayici_, &QTimer::timeout, this, [this] {
    adim_ = (adim_ + 1) % kNokta;
    update();
  });
  setToolTip(QStringLiteral("Yükleniyor..."));
}

void TMesgulGosterge::RenkAta(const QColor& renk) {
  renk_ = renk;
  update();
}

void TMesgulGosterge::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(width() / 2.0, height() / 2.0);
  const double yaricap = std::min(width(), height()) / 2.0;
  const double nokta = std::max(1.5, yaricap / 4.5);
  for (int i = 0; i < kNokta; ++i) {
    // The dot at the head of the turn is full colour, the ones behind it fade out.
    const int geri = (adim_ - i + kNokta) % kNokta;
    QColor c = renk_;
    c.setAlphaF(std::max(0.15, 1.0 - geri / double(kNokta)));
    const double aci = 2 * M_PI * i / kNokta - M_PI / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(std::cos(aci) * (yaricap - nokta), std::sin(aci) * (yaricap - nokta)),
                  nokta, nokta);
  }
}

void TMesgulGosterge::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  zamanlayici_.start();
}

void TMesgulGosterge::hideEvent(QHideEvent* e) {
  QWidget::hideEvent(e);
  zamanlayici_.stop();
}
