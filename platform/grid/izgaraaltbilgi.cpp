#include "platform/grid/izgaraaltbilgi.h"

#include <QHeaderView>
#include <QPainter>
#include <QTableView>

#include "platform/grid/izgara.h"

TIzgaraAltBilgi::TIzgaraAltBilgi(TVeriIzgarasi* izgara) : QWidget(izgara), izgara_(izgara) {
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QSize TIzgaraAltBilgi::sizeHint() const {
  return QSize(100, qMax(26, fontMetrics().height() + 12));
}

QRect TIzgaraAltBilgi::KolonAlani(int kolon) const {
  QTableView* t = izgara_->Tablo();
  QHeaderView* h = t->horizontalHeader();
  if (kolon < 0 || kolon >= izgara_->KolonSayisi() || h->isSectionHidden(kolon)) return {};
  const int sol = t->frameWidth() + (t->verticalHeader()->isVisible() ? t->verticalHeader()->width() : 0);
  return QRect(sol + h->sectionViewportPosition(kolon), 0, h->sectionSize(kolon), height());
}

void TIzgaraAltBilgi::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const TIzgaraStili& s = izgara_->Stil();
  p.fillRect(rect(), s.altBilgi);
  p.setPen(s.cizgi);
  p.drawLine(rect().topLeft(), rect().topRight());
  QTableView* t = izgara_->Tablo();
  const int sol = t->frameWidth() + (t->verticalHeader()->isVisible() ? t->verticalHeader()->width() : 0);
  p.setClipRect(QRect(sol, 0, width() - sol, height()));
  TIzgaraModeli* m = izgara_->Model();
  QFont f = font();
  f.setBold(true);
  p.setFont(f);
  const QFontMetrics fm(f);
  for (int c = 0; c < izgara_->KolonSayisi(); ++c) {
    if (izgara_->Kolon(c)->AltOzet() == TOzetTuru::Yok) continue;
    const QRect r = KolonAlani(c);
    if (!r.isValid()) continue;
    const QRect kutu = r.adjusted(2, 3, -2, -3);
    p.setPen(s.cizgi.darker(115));
    p.setBrush(Qt::NoBrush);
    p.drawRect(kutu);
    p.setPen(s.yazi);
    p.drawText(kutu.adjusted(4, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter,
               fm.elidedText(m->OzetMetni(c), Qt::ElideLeft, kutu.width() - 8));
  }
}
