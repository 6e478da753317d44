#include "platform/grid/izgaratablosu.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "platform/grid/izgara.h"
#include "platform/grid/izgaraikonlari.h"

// ---------------------------------------------------------------- table

TIzgaraTablosu::TIzgaraTablosu(TVeriIzgarasi* izgara) : QTableView(izgara), izgara_(izgara) {}

void TIzgaraTablosu::keyPressEvent(QKeyEvent* e) {
  if (izgara_->TusBasildi(e)) return;
  QTableView::keyPressEvent(e);
}

void TIzgaraTablosu::mousePressEvent(QMouseEvent* e) {
  izgara_->AramaTemizle();
  QTableView::mousePressEvent(e);
  if (e->button() == Qt::LeftButton) izgara_->FareBasildi(indexAt(e->position().toPoint()), e->position().toPoint());
}

void TIzgaraTablosu::mouseDoubleClickEvent(QMouseEvent* e) {
  const QModelIndex ix = indexAt(e->position().toPoint());
  if (!ix.isValid() || e->button() != Qt::LeftButton) {
    QTableView::mouseDoubleClickEvent(e);
    return;
  }
  TIzgaraModeli* m = izgara_->Model();
  const TSatirTuru tur = m->SatirTuru(ix.row());
  if (tur == TSatirTuru::GrupBasi) {
    const int g = m->GrupNo(ix.row());
    m->SetGrupAcik(g, !m->GrupAcik(g));
    return;
  }
  if (tur == TSatirTuru::Veri) emit izgara_->CiftTiklandi(m->KaynakSatir(ix.row()));
}

void TIzgaraTablosu::contextMenuEvent(QContextMenuEvent* e) {
  const QModelIndex ix = indexAt(e->pos());
  if (ix.isValid()) setCurrentIndex(ix);
  emit izgara_->BaglamMenusuIstendi(ix.isValid() ? izgara_->Model()->KaynakSatir(ix.row()) : -1,
                                    e->globalPos());
}

// ---------------------------------------------------------------- column header

TIzgaraBasligi::TIzgaraBasligi(TVeriIzgarasi* izgara) : QHeaderView(Qt::Horizontal, izgara), izgara_(izgara) {
  setSectionsClickable(true);
  setSectionsMovable(true);
  setHighlightSections(false);
  setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setMinimumSectionSize(8);
}

void TIzgaraBasligi::SetYukseklik(int y) {
  yukseklik_ = y;
  setFixedHeight(y);
  updateGeometry();
}

QSize TIzgaraBasligi::sizeHint() const {
  QSize s = QHeaderView::sizeHint();
  s.setHeight(yukseklik_);
  return s;
}

QRect TIzgaraBasligi::FiltreDugmesi(int kolon) const {
  if (!izgara_->FiltreDugmeleri() || kolon < 0 || kolon >= izgara_->KolonSayisi()) return {};
  if (!izgara_->Kolon(kolon)->Filtrelenebilir() || isSectionHidden(kolon)) return {};
  const int x = sectionViewportPosition(kolon);
  const int w = sectionSize(kolon);
  if (w < 30) return {};
  return QRect(x + w - 18, (height() - 14) / 2, 14, 14);
}

void TIzgaraBasligi::paintSection(QPainter* p, const QRect& rect, int kolon) const {
  if (!rect.isValid() || kolon < 0 || kolon >= izgara_->KolonSayisi()) return;
  const TIzgaraKolonu* k = izgara_->Kolon(kolon);
  TIzgaraModeli* m = izgara_->Model();
  p->save();
  QLinearGradient gr(rect.topLeft(), rect.bottomLeft());
  gr.setColorAt(0, QColor(250, 251, 253));
  gr.setColorAt(1, QColor(229, 233, 240));
  p->fillRect(rect, gr);
  p->setPen(QColor(190, 196, 206));
  p->drawLine(rect.topRight(), rect.bottomRight());
  p->drawLine(rect.bottomLeft(), rect.bottomRight());

  QRect yazi = rect.adjusted(5, 2, -4, -2);
  const QRect filtre = FiltreDugmesi(kolon);
  if (filtre.isValid()) {
    const QRect fr(rect.right() - 17, rect.top() + (rect.height() - 14) / 2, 14, 14);
    FiltreIkonu(m->Filtreli(kolon)).paint(p, fr);
    yazi.setRight(fr.left() - 2);
  }
  if (m->SiraKolonu() == kolon) {
    const int x = yazi.right() - 8;
    const int y = rect.center().y();
    QPolygon ok;
    if (m->SiraYonu() == Qt::AscendingOrder) ok << QPoint(x, y + 3) << QPoint(x + 8, y + 3) << QPoint(x + 4, y - 3);
    else ok << QPoint(x, y - 3) << QPoint(x + 8, y - 3) << QPoint(x + 4, y + 3);
    p->setRenderHint(QPainter::Antialiasing);
    p->setPen(Qt::NoPen);
    p->setBrush(QColor(90, 90, 90));
    p->drawPolygon(ok);
    yazi.setRight(x - 3);
  }
  p->setPen(QColor(30, 30, 30));
  const QString baslik = k->Baslik();
  const QFontMetrics fm(p->font());
  if (fm.horizontalAdvance(baslik) <= yazi.width() || fm.height() * 2 > yazi.height())
    p->drawText(yazi, Qt::AlignLeft | Qt::AlignVCenter, fm.elidedText(baslik, Qt::ElideRight, yazi.width()));
  else
    p->drawText(yazi, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, baslik);
  p->restore();
}

void TIzgaraBasligi::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) {
    const QPoint yer = e->position().toPoint();
    const int kolon = logicalIndexAt(yer);
    const QRect r = FiltreDugmesi(kolon);
    if (r.isValid() && r.adjusted(-2, -4, 2, 4).contains(yer)) {
      izgara_->FiltrePenceresiAc(izgara_->Kolon(kolon));
      e->accept();
      return;
    }
  }
  QHeaderView::mousePressEvent(e);
}

void TIzgaraBasligi::contextMenuEvent(QContextMenuEvent* e) {
  izgara_->KolonSecimMenusu()->popup(e->globalPos());
}

// ---------------------------------------------------------------- row indicator

TSatirGostergesi::TSatirGostergesi(TVeriIzgarasi* izgara) : QHeaderView(Qt::Vertical, izgara), izgara_(izgara) {
  setSectionResizeMode(QHeaderView::Fixed);
  setSectionsClickable(false);
  setHighlightSections(false);
}

QSize TSatirGostergesi::sizeHint() const { return QSize(14, QHeaderView::sizeHint().height()); }

void TSatirGostergesi::paintSection(QPainter* p, const QRect& rect, int satir) const {
  p->save();
  p->fillRect(rect, QColor(236, 239, 244));
  p->setPen(QColor(200, 205, 214));
  p->drawLine(rect.topRight(), rect.bottomRight());
  p->drawLine(rect.bottomLeft(), rect.bottomRight());
  const QModelIndex cur = izgara_->Tablo()->currentIndex();
  if (cur.isValid() && cur.row() == satir) {
    const QPoint c = rect.center();
    p->setRenderHint(QPainter::Antialiasing);
    p->setPen(Qt::NoPen);
    p->setBrush(QColor(40, 40, 40));
    p->drawPolygon(QPolygon({QPoint(c.x() - 3, c.y() - 5), QPoint(c.x() + 3, c.y()), QPoint(c.x() - 3, c.y() + 5)}));
  }
  p->restore();
}
