#include "platform/controls/golgeetiket.h"

#include <QPainter>

TGolgeliEtiket::TGolgeliEtiket(QWidget* parent) : QLabel(parent) {}

TGolgeliEtiket::TGolgeliEtiket(const QString& metin, QWidget* parent) : QLabel(metin, parent) {}

void TGolgeliEtiket::GolgeRengiAta(const QColor& renk) {
  golgeRengi_ = renk;
  update();
}

void TGolgeliEtiket::GolgeKaymasiAta(const QPoint& kayma) {
  kayma_ = kayma;
  updateGeometry();
  update();
}

QColor TGolgeliEtiket::YaziRengi() const { return palette().color(QPalette::WindowText); }

void TGolgeliEtiket::YaziRengiAta(const QColor& renk) {
  QPalette p = palette();
  p.setColor(QPalette::WindowText, renk);
  setPalette(p);
}

QSize TGolgeliEtiket::sizeHint() const {
  return QLabel::sizeHint() + QSize(std::abs(kayma_.x()), std::abs(kayma_.y()));
}

QSize TGolgeliEtiket::minimumSizeHint() const {
  return QLabel::minimumSizeHint() + QSize(std::abs(kayma_.x()), std::abs(kayma_.y()));
}

void TGolgeliEtiket::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(font());
  int bayrak = int(alignment());
  if (wordWrap()) bayrak |= Qt::TextWordWrap;
  QRect alan = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
  // Room for the shadow on the side it falls to.
  alan.adjust(std::max(0, -kayma_.x()), std::max(0, -kayma_.y()), -std::max(0, kayma_.x()),
              -std::max(0, kayma_.y()));
  p.setPen(golgeRengi_);
  p.drawText(alan.translated(kayma_), bayrak, text());
  p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  p.drawText(alan, bayrak, text());
}
