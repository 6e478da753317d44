// Pictures of the demo content: the animated upper banner (our own GIF89a writer, since Qt
// reads GIF but cannot write it), the header picture, the lower bitmap banner and the
// opening-screen JPEGs. Only shapes are painted, so no display or font is needed.

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>
#include <unordered_map>

#include "icerik.h"

std::uint64_t IcerikRastgele::Sonraki() {
  std::uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

int IcerikRastgele::Aralik(int alt, int ust) {
  if (ust <= alt) return alt;
  return alt + int(Sonraki() % std::uint64_t(ust - alt + 1));
}

double IcerikRastgele::Kesir() { return double(Sonraki() >> 11) / double(1ull << 53); }

QByteArray ResimBaytlari(const QImage& resim, const char* bicim, int kalite) {
  QByteArray b;
  QBuffer buf(&b);
  buf.open(QIODevice::WriteOnly);
  if (!resim.save(&buf, bicim, kalite)) return {};
  return b;
}

QString HexYaz(const QByteArray& baytlar) { return QString::fromLatin1(baytlar.toHex().toUpper()); }

namespace {

// ---- GIF89a ---------------------------------------------------------------------------

class BitYazici {
 public:
  void Yaz(int kod, int genislik) {
    birikim_ |= std::uint32_t(kod) << bit_;
    bit_ += genislik;
    while (bit_ >= 8) {
      veri_.append(char(birikim_ & 0xFF));
      birikim_ >>= 8;
      bit_ -= 8;
    }
  }
  QByteArray Bitir() {
    if (bit_ > 0) veri_.append(char(birikim_ & 0xFF));
    birikim_ = 0;
    bit_ = 0;
    return veri_;
  }
 private:
  QByteArray veri_;
  std::uint32_t birikim_ = 0;
  int bit_ = 0;
};

// LZW of 8-bit indexes as GIF wants it (variable code width up to 12 bits).
QByteArray GifLzw(const uchar* pikseller, qsizetype adet) {
  const int temizle = 256, son = 257;
  BitYazici b;
  int genislik = 9;
  int enBuyuk = son;
  std::unordered_map<std::uint32_t, int> sozluk;
  sozluk.reserve(8192);
  b.Yaz(temizle, genislik);
  if (adet == 0) {
    b.Yaz(son, genislik);
    return b.Bitir();
  }
  int kod = pikseller[0];
  for (qsizetype i = 1; i < adet; ++i) {
    const int c = pikseller[i];
    const std::uint32_t anahtar = (std::uint32_t(kod) << 8) | std::uint32_t(c);
    auto it = sozluk.find(anahtar);
    if (it != sozluk.end()) {
      kod = it->second;
      continue;
    }
    b.Yaz(kod, genislik);
    sozluk.emplace(anahtar, ++enBuyuk);
    if (enBuyuk >= (1 << genislik) && genislik < 12) ++genislik;
    if (enBuyuk >= 4095) {
      b.Yaz(temizle, genislik);
      sozluk.clear();
      genislik = 9;
      enBuyuk = son;
    }
    kod = c;
  }
  b.Yaz(kod, genislik);
  // the reader adds one more entry after the last code; follow it before the end code
  ++enBuyuk;
  if (enBuyuk >= (1 << genislik) && genislik < 12) ++genislik;
  b.Yaz(son, genislik);
  return b.Bitir();
}

void Kelime(QByteArray& o, int v) {
  o.append(char(v & 0xFF));
  o.append(char((v >> 8) & 0xFF));
}

QVector<QRgb> Palet() {
  // a fixed 6x6x6 colour cube plus greys: good enough for flat banner art
  QVector<QRgb> p;
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b) p.append(qRgb(r * 51, g * 51, b * 51));
  for (int i = 0; p.size() < 256; ++i) p.append(qRgb(8 + i * 6, 8 + i * 6, 8 + i * 6));
  return p;
}

QImage Gradyan(int w, int h, QColor a, QColor b) {
  QImage im(w, h, QImage::Format_RGB32);
  QPainter p(&im);
  QLinearGradient g(0, 0, w, h);
  g.setColorAt(0, a);
  g.setColorAt(1, b);
  p.fillRect(im.rect(), g);
  return im;
}

}  // namespace

QByteArray GifAnimasyonYaz(const std::vector<QImage>& kareler, int gecikme) {
  if (kareler.empty()) return {};
  const int w = kareler.front().width(), h = kareler.front().height();
  const QVector<QRgb> palet = Palet();
  QByteArray o("GIF89a");
  Kelime(o, w);
  Kelime(o, h);
  o.append(char(0xF7));  // global colour table of 256 entries
  o.append(char(0));
  o.append(char(0));
  for (QRgb c : palet) {
    o.append(char(qRed(c)));
    o.append(char(qGreen(c)));
    o.append(char(qBlue(c)));
  }
  // loop for ever
  o.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
  for (const QImage& kaynak : kareler) {
    QImage kare = kaynak.scaled(w, h).convertToFormat(QImage::Format_Indexed8, palet, Qt::ThresholdDither);
    o.append("\x21\xF9\x04", 3);
    o.append(char(0x04));  // keep the frame, no transparency
    Kelime(o, gecikme);
    o.append(char(0));
    o.append(char(0));
    o.append(char(0x2C));
    Kelime(o, 0);
    Kelime(o, 0);
    Kelime(o, w);
    Kelime(o, h);
    o.append(char(0));
    QByteArray indeksler;
    indeksler.reserve(qsizetype(w) * h);
    for (int y = 0; y < h; ++y) indeksler.append(reinterpret_cast<const char*>(kare.constScanLine(y)), w);
    const QByteArray lzw = GifLzw(reinterpret_cast<const uchar*>(indeksler.constData()), indeksler.size());
    o.append(char(8));
    for (qsizetype i = 0; i < lzw.size(); i += 255) {
      const qsizetype n = std::min<qsizetype>(255, lzw.size() - i);
      o.append(char(n));
      o.append(lzw.constData() + i, n);
    }
    o.append(char(0));
  }
  o.append(char(0x3B));
  return o;
}

QByteArray UstBannerGif(std::uint32_t tohum) {
  IcerikRastgele r(tohum + 101);
  const int w = 960, h = 60, kareAdet = 6;
  const QColor a(r.Aralik(0, 60), r.Aralik(60, 120), r.Aralik(150, 220));
  const QColor b(r.Aralik(150, 230), r.Aralik(20, 80), r.Aralik(20, 80));
  std::vector<QImage> kareler;
  for (int k = 0; k < kareAdet; ++k) {
    QImage im = Gradyan(w, h, a, b);
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // a row of discs, one of them lit, moving from frame to frame
    for (int i = 0; i < 12; ++i) {
      const bool yanik = (i % kareAdet) == k;
      p.setBrush(yanik ? QColor(255, 204, 0) : QColor(255, 255, 255, 90));
      p.drawEllipse(QPointF(40 + i * 80, h / 2.0), yanik ? 20 : 12, yanik ? 20 : 12);
    }
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(k * (w / double(kareAdet)), h - 6, w / double(kareAdet), 6));
    kareler.push_back(im);
  }
  return GifAnimasyonYaz(kareler, 40);
}

QByteArray BaslikBanner(std::uint32_t tohum) {
  IcerikRastgele r(tohum + 202);
  QImage im = Gradyan(519, 123, QColor(20, 40, r.Aralik(90, 160)), QColor(r.Aralik(0, 40), 150, 200));
  QPainter p(&im);
  p.setRenderHint(QPainter::Antialiasing);
  for (int i = 0; i < 8; ++i) {
    p.setBrush(QColor(255, 255, 255, r.Aralik(30, 90)));
    p.setPen(Qt::NoPen);
    const int s = r.Aralik(20, 70);
    p.drawEllipse(r.Aralik(0, 500), r.Aralik(0, 110), s, s);
  }
  p.end();
  return ResimBaytlari(im, "JPG", 85);
}

QByteArray AltBannerBmp(std::uint32_t tohum) {
  IcerikRastgele r(tohum + 303);
  QImage im = Gradyan(1200, 60, QColor(240, 240, 240), QColor(r.Aralik(120, 200), 200, 255));
  QPainter p(&im);
  p.setPen(QPen(QColor(30, 180, 223), 4));
  for (int x = 0; x < 1200; x += 150) p.drawLine(x, 10, x + 100, 50);
  p.end();
  return ResimBaytlari(im.convertToFormat(QImage::Format_RGB888), "BMP");
}

QByteArray EkranResmi(std::uint32_t tohum, int no) {
  IcerikRastgele r(tohum * 31 + std::uint32_t(no) * 7 + 404);
  QImage im = Gradyan(600, 400, QColor(r.Aralik(0, 255), r.Aralik(0, 255), r.Aralik(0, 255)),
                      QColor(r.Aralik(0, 255), r.Aralik(0, 255), r.Aralik(0, 255)));
  QPainter p(&im);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 6; ++i) {
    p.setBrush(QColor(r.Aralik(0, 255), r.Aralik(0, 255), r.Aralik(0, 255), 160));
    QPainterPath yol;
    yol.addRoundedRect(r.Aralik(0, 450), r.Aralik(0, 300), r.Aralik(60, 200), r.Aralik(40, 120), 12, 12);
    p.drawPath(yol);
  }
  p.end();
  return ResimBaytlari(im, "JPG", 80);
}
