#include "platform/grid/izgaraikonlari.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>
#include <functional>

namespace {
constexpr int kBoy = 32;

template <typename F>
QIcon Ciz(F f) {
  QPixmap p(kBoy, kBoy);
  p.fill(Qt::transparent);
  {
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    f(g);
  }
  return QIcon(p);
}

QIcon Daire(const QColor& renk, const std::function<void(QPainter&)>& ic) {
  return Ciz([&](QPainter& g) {
    g.setPen(QPen(renk.darker(130), 1.5));
    g.setBrush(renk);
    g.drawEllipse(QRectF(2, 2, 28, 28));
    g.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    g.setBrush(Qt::NoBrush);
    ic(g);
  });
}

QIcon Rozet(const QColor& renk, const QString& yazi, int punto) {
  return Ciz([&](QPainter& g) {
    g.setPen(Qt::NoPen);
    g.setBrush(renk);
    g.drawRoundedRect(QRectF(1, 7, 30, 18), 5, 5);
    QFont f = g.font();
    f.setBold(true);
    f.setPixelSize(punto);
    g.setFont(f);
    g.setPen(Qt::white);
    g.drawText(QRectF(1, 7, 30, 18), Qt::AlignCenter, yazi);
  });
}

QIcon Belge(const QColor& renk, const QString& harf) {
  return Ciz([&](QPainter& g) {
    QPainterPath yol;
    yol.moveTo(6, 2);
    yol.lineTo(20, 2);
    yol.lineTo(27, 9);
    yol.lineTo(27, 30);
    yol.lineTo(6, 30);
    yol.closeSubpath();
    g.setPen(QPen(QColor(110, 110, 110), 1.2));
    g.setBrush(Qt::white);
    g.drawPath(yol);
    g.drawLine(QPointF(20, 2), QPointF(20, 9));
    g.drawLine(QPointF(20, 9), QPointF(27, 9));
    if (!harf.isEmpty()) {
      g.setPen(Qt::NoPen);
      g.setBrush(renk);
      g.drawRoundedRect(QRectF(2, 14, 22, 13), 2, 2);
      QFont f = g.font();
      f.setBold(true);
      f.setPixelSize(harf.size() > 1 ? 8 : 11);
      g.setFont(f);
      g.setPen(Qt::white);
      g.drawText(QRectF(2, 14, 22, 13), Qt::AlignCenter, harf);
    } else {
      g.setPen(QPen(renk, 1.5));
      for (int y = 13; y <= 25; y += 4) g.drawLine(QPointF(10, y), QPointF(23, y));
    }
  });
}
}  // namespace

QIcon DurumIkonu(int durum) {
  switch (durum) {
    case 0:  // none in stock: a red cross
      return Daire(QColor(210, 45, 45), [](QPainter& g) {
        g.drawLine(QPointF(11, 11), QPointF(21, 21));
        g.drawLine(QPointF(21, 11), QPointF(11, 21));
      });
    case 1:  // in stock: a green tick
      return Daire(QColor(40, 160, 70), [](QPainter& g) {
        g.drawPolyline(QPolygonF({QPointF(9, 16.5), QPointF(14, 21.5), QPointF(23, 11)}));
      });
    case 2:  // call us: a handset
      return Daire(QColor(40, 110, 200), [](QPainter& g) {
        g.setPen(Qt::NoPen);
        g.setBrush(Qt::white);
        QPainterPath p;
        p.moveTo(10, 9);
        p.cubicTo(8, 16, 14, 23, 22, 24);
        p.lineTo(24, 20);
        p.lineTo(20, 18);
        p.lineTo(18, 20);
        p.cubicTo(15, 18, 14, 17, 12, 14);
        p.lineTo(14, 12);
        p.lineTo(12, 8);
        p.closeSubpath();
        g.drawPath(p);
      });
    case 3:  // on the way: a lorry
      return Ciz([](QPainter& g) {
        g.setPen(QPen(QColor(150, 95, 0), 1));
        g.setBrush(QColor(240, 160, 20));
        g.drawRect(QRectF(2, 9, 17, 13));
        g.drawPolygon(QPolygonF({QPointF(19, 13), QPointF(25, 13), QPointF(30, 18), QPointF(30, 22), QPointF(19, 22)}));
        g.setBrush(QColor(60, 60, 60));
        g.drawEllipse(QRectF(5, 20, 6, 6));
        g.drawEllipse(QRectF(22, 20, 6, 6));
      });
    case 4:  // special order: a star
      return Ciz([](QPainter& g) {
        QPolygonF y;
        for (int i = 0; i < 10; ++i) {
          const double r = (i % 2) ? 6.0 : 14.0;
          const double a = -M_PI / 2 + i * M_PI / 5;
          y << QPointF(16 + r * std::cos(a), 17 + r * std::sin(a));
        }
        g.setPen(QPen(QColor(90, 40, 140), 1));
        g.setBrush(QColor(150, 80, 200));
        g.drawPolygon(y);
      });
    case 5:  // being supplied: a clock
      return Daire(QColor(0, 140, 140), [](QPainter& g) {
        g.drawLine(QPointF(16, 16), QPointF(16, 8));
        g.drawLine(QPointF(16, 16), QPointF(22, 19));
      });
    default:
      return {};
  }
}

std::vector<TDegerOgesi> DurumDegerListesi() {
  static const char16_t* const kAd[] = {u"Yok", u"Var", u"Telefon Açınız", u"Yolda", u"Özel Sipariş",
                                        u"Tedarik Sürecinde"};
  std::vector<TDegerOgesi> l;
  for (int i = 0; i < 6; ++i) l.push_back({i, DurumIkonu(i), QString::fromUtf16(kAd[i])});
  l.push_back({QVariant(), QIcon(), QString()});
  return l;
}

std::vector<TDegerOgesi> YeniDegerListesi() {
  return {{0, QIcon(), QStringLiteral("Hayır")}, {1, Rozet(QColor(40, 150, 60), QStringLiteral("YENİ"), 9), QStringLiteral("Evet")}};
}

std::vector<TDegerOgesi> KampanyaDegerListesi() {
  return {{0, QIcon(), QString()}, {1, Rozet(QColor(215, 40, 40), QStringLiteral("%"), 14), QStringLiteral("Evet")}};
}

std::vector<TDegerOgesi> ResimDegerListesi() {
  const QIcon foto = Ciz([](QPainter& g) {
    g.setPen(QPen(QColor(70, 70, 70), 1.2));
    g.setBrush(QColor(235, 240, 250));
    g.drawRoundedRect(QRectF(3, 6, 26, 20), 2, 2);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(60, 150, 70));
    g.drawPolygon(QPolygonF({QPointF(5, 24), QPointF(13, 14), QPointF(19, 20), QPointF(22, 17), QPointF(27, 24)}));
    g.setBrush(QColor(240, 190, 30));
    g.drawEllipse(QRectF(20, 9, 5, 5));
  });
  return {{0, QIcon(), QStringLiteral("Yok")}, {1, foto, QStringLiteral("Var")}};
}

QIcon DosyaTuruIkonu(int tur) {
  switch (tur) {
    case 0: return Belge(QColor(120, 120, 120), QString());
    case 1: return Belge(QColor(165, 40, 60), QStringLiteral("DB"));
    case 2: return Belge(QColor(60, 150, 70), QStringLiteral("IMG"));
    case 3: return Belge(QColor(40, 90, 180), QStringLiteral("W"));
    case 4: return Belge(QColor(200, 30, 30), QStringLiteral("PDF"));
    case 5: return Belge(QColor(210, 100, 30), QStringLiteral("P"));
    case 6: return Belge(QColor(30, 120, 60), QStringLiteral("X"));
    default: return {};
  }
}

std::vector<TDegerOgesi> DosyaTuruDegerListesi() {
  static const char16_t* const kAd[] = {u"Dosya", u"Veritabanı", u"Resim", u"Belge", u"PDF", u"Sunu", u"Excel"};
  std::vector<TDegerOgesi> l;
  for (int i = 0; i < 7; ++i) l.push_back({i, DosyaTuruIkonu(i), QString::fromUtf16(kAd[i])});
  return l;
}

QIcon IndirIkonu() {
  return Ciz([](QPainter& g) {
    g.setPen(QPen(QColor(30, 100, 190), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    g.drawLine(QPointF(16, 4), QPointF(16, 20));
    g.drawPolyline(QPolygonF({QPointF(9, 13), QPointF(16, 20), QPointF(23, 13)}));
    g.setPen(QPen(QColor(70, 70, 70), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    g.drawPolyline(QPolygonF({QPointF(5, 21), QPointF(5, 27), QPointF(27, 27), QPointF(27, 21)}));
  });
}

QIcon FiltreIkonu(bool etkin) {
  return Ciz([etkin](QPainter& g) {
    g.setPen(QPen(etkin ? QColor(20, 90, 200) : QColor(120, 120, 120), 1.5));
    g.setBrush(etkin ? QColor(60, 130, 230) : QColor(235, 235, 235));
    g.drawPolygon(QPolygonF({QPointF(4, 6), QPointF(28, 6), QPointF(19, 17), QPointF(19, 27),
                             QPointF(13, 24), QPointF(13, 17)}));
  });
}
