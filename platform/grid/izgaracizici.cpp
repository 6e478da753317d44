#include "platform/grid/izgaracizici.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionProgressBar>
#include <QTableView>

#include "platform/grid/izgara.h"

TIzgaraCizici::TIzgaraCizici(TVeriIzgarasi* izgara)
    : QStyledItemDelegate(izgara), izgara_(izgara), resimler_(64) {}

QSize TIzgaraCizici::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
  return QSize(80, izgara_->SatirYuksekligi());
}

void TIzgaraCizici::GrupBasiCiz(QPainter* p, const QRect& r, const QModelIndex& ix) const {
  const TIzgaraStili& s = izgara_->Stil();
  TIzgaraModeli* m = izgara_->Model();
  QHeaderView* h = izgara_->Tablo()->horizontalHeader();
  // the whole row, of which this cell paints its own part
  const QRect satir(-h->offset(), r.top(), h->length(), r.height());
  p->save();
  p->setClipRect(r);
  p->fillRect(r, s.grupSatiri);
  const int g = m->GrupNo(ix.row());
  const QPoint c(satir.left() + 12, satir.center().y());
  p->setRenderHint(QPainter::Antialiasing);
  p->setPen(Qt::NoPen);
  p->setBrush(QColor(70, 70, 70));
  if (m->GrupAcik(g))
    p->drawPolygon(QPolygon({QPoint(c.x() - 5, c.y() - 3), QPoint(c.x() + 5, c.y() - 3), QPoint(c.x(), c.y() + 3)}));
  else
    p->drawPolygon(QPolygon({QPoint(c.x() - 3, c.y() - 5), QPoint(c.x() + 3, c.y()), QPoint(c.x() - 3, c.y() + 5)}));
  QFont f = p->font();
  f.setBold(true);
  p->setFont(f);
  p->setPen(s.yazi);
  const QString metin = ix.data(Qt::DisplayRole).toString() +
                        QStringLiteral(" (%1)").arg(m->GrupSatirSayisi(g));
  p->drawText(satir.adjusted(24, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter, metin);
  p->setPen(s.cizgi);
  p->drawLine(r.bottomLeft(), r.bottomRight());
  p->restore();
}

void TIzgaraCizici::paint(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& ix) const {
  TIzgaraModeli* m = izgara_->Model();
  const TIzgaraStili& s = izgara_->Stil();
  const QRect r = o.rect;
  const int g = ix.row();
  const TSatirTuru tur = m->SatirTuru(g);
  if (tur == TSatirTuru::GrupBasi) {
    GrupBasiCiz(p, r, ix);
    return;
  }
  if (tur == TSatirTuru::GrupSonu) {
    p->fillRect(r, s.grupAltSatiri);
    const QString t = m->GrupOzetMetni(m->GrupNo(g), ix.column());
    if (!t.isEmpty()) {
      p->save();
      QFont f = p->font();
      f.setBold(true);
      p->setFont(f);
      p->setPen(s.yazi);
      p->drawText(r.adjusted(4, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter,
                  QFontMetrics(f).elidedText(t, Qt::ElideLeft, r.width() - 8));
      p->restore();
    }
    p->setPen(s.cizgi);
    p->drawLine(r.bottomLeft(), r.bottomRight());
    return;
  }

  TIzgaraKolonu* k = m->Kolon(ix.column());
  const int satir = m->KaynakSatir(g);
  const bool secili = o.state & QStyle::State_Selected;
  const QColor arka = secili ? s.seciliSatir : ((g % 2 == 0) ? s.ciftSatir : s.tekSatir);
  const QColor yazi = secili ? s.seciliYazi : s.yazi;

  if (k->OzelCizim()) {
    TCizimBilgisi b;
    b.painter = p;
    b.rect = r;
    b.satir = satir;
    b.gorunenSatir = g;
    b.secili = secili;
    b.odakli = o.state & QStyle::State_HasFocus;
    b.arkaPlan = arka;
    b.yaziRengi = yazi;
    p->save();
    k->OzelCizim()(b);
    p->restore();
  } else {
    p->fillRect(r, arka);
    QStyle* st = izgara_->Tablo()->style();
    switch (k->Tur()) {
      case TKolonTuru::Metin:
      case TKolonTuru::Ozel: {
        const QString t = m->HucreMetni(satir, ix.column());
        if (!t.isEmpty()) {
          p->setPen(yazi);
          const QRect tr = r.adjusted(4, 2, -4, -2);
          if (k->SatirKaydir() || t.contains(QLatin1Char('\n')))
            p->drawText(tr, int(k->Hizalama()) | Qt::TextWordWrap, t);
          else
            p->drawText(tr, int(k->Hizalama()), o.fontMetrics.elidedText(t, Qt::ElideRight, tr.width()));
        }
        break;
      }
      case TKolonTuru::Ikon: {
        const QIcon ikon = ix.data(Qt::DecorationRole).value<QIcon>();
        const int boy = qMin(24, r.height() - 4);
        if (k->AciklamaGoster()) {
          QRect ir(r.left() + 4, r.top() + (r.height() - boy) / 2, boy, boy);
          if (!ikon.isNull()) ikon.paint(p, ir);
          p->setPen(yazi);
          p->drawText(r.adjusted(boy + 8, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter,
                      m->HucreMetni(satir, ix.column()));
        } else if (!ikon.isNull()) {
          ikon.paint(p, QRect(r.left() + (r.width() - boy) / 2, r.top() + (r.height() - boy) / 2, boy, boy));
        }
        break;
      }
      case TKolonTuru::Onay: {
        QStyleOptionButton b;
        const int boy = st->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, izgara_->Tablo());
        b.rect = QRect(r.left() + (r.width() - boy) / 2, r.top() + (r.height() - boy) / 2, boy, boy);
        b.state = QStyle::State_Enabled |
                  (ix.data(Qt::CheckStateRole).toInt() == Qt::Checked ? QStyle::State_On : QStyle::State_Off);
        st->drawPrimitive(QStyle::PE_IndicatorCheckBox, &b, p, izgara_->Tablo());
        break;
      }
      case TKolonTuru::Dugme: {
        QStyleOptionButton b;
        const int h = qMin(r.height() - 6, 34);
        b.rect = QRect(r.left() + 3, r.top() + (r.height() - h) / 2, r.width() - 6, h);
        b.state = QStyle::State_Enabled | QStyle::State_Raised;
        b.icon = k->DugmeIkonu();
        b.iconSize = QSize(qMin(24, h - 6), qMin(24, h - 6));
        st->drawControl(QStyle::CE_PushButton, &b, p, izgara_->Tablo());
        break;
      }
      case TKolonTuru::Ilerleme: {
        QStyleOptionProgressBar b;
        const int h = qMin(r.height() - 8, 22);
        b.rect = QRect(r.left() + 4, r.top() + (r.height() - h) / 2, r.width() - 8, h);
        b.state = QStyle::State_Enabled | QStyle::State_Horizontal;
        b.minimum = 0;
        b.maximum = 100;
        b.progress = ix.data(Qt::DisplayRole).toInt();
        b.textVisible = true;
        b.text = QStringLiteral("%1%").arg(b.progress);
        b.textAlignment = Qt::AlignCenter;
        st->drawControl(QStyle::CE_ProgressBar, &b, p, izgara_->Tablo());
        break;
      }
      case TKolonTuru::Resim: {
        QPixmap* px = resimler_.object(satir);
        if (!px) {
          const QVariant v = m->HamDeger(satir, ix.column());
          QPixmap yeni;
          yeni.loadFromData(v.toByteArray());
          px = new QPixmap(yeni);
          resimler_.insert(satir, px);
        }
        if (!px->isNull()) {
          const QPixmap olcekli = px->scaled(r.size() - QSize(4, 4), Qt::KeepAspectRatio, Qt::SmoothTransformation);
          p->drawPixmap(r.left() + (r.width() - olcekli.width()) / 2, r.top() + (r.height() - olcekli.height()) / 2,
                        olcekli);
        }
        break;
      }
    }
  }
  p->setPen(s.cizgi);
  p->drawLine(r.topRight(), r.bottomRight());
  p->drawLine(r.bottomLeft(), r.bottomRight());
  if (izgara_->OdakCercevesi() && (o.state & QStyle::State_HasFocus)) {
    p->save();
    p->setPen(QPen(secili ? QColor(255, 255, 255) : QColor(60, 60, 60), 1, Qt::DotLine));
    p->drawRect(r.adjusted(1, 1, -2, -2));
    p->restore();
  }
}
