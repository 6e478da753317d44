#include "platform/controls/kayanyazi.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QPainter>
#include <QTextDocument>
#include <cmath>

TKayanYazi::TKayanYazi(QWidget* parent) : QWidget(parent) {
  zamanlayici_.setInterval(20);
  zamanlayici_.setTimerType(Qt::PreciseTimer);
  connect(&zamanlayici_, &QTimer::timeout, this, &TKayanYazi::Adim);
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

TKayanYazi::~TKayanYazi() = default;

void TKayanYazi::Durdur() {
  calisiyor_ = false;
  ZamanlayiciyiAyarla();
}

void TKayanYazi::Baslat() {
  calisiyor_ = true;
  ZamanlayiciyiAyarla();
}

void TKayanYazi::Temizle() {
  ogeler_.clear();
  konum_ = 0;
  ZamanlayiciyiAyarla();
  update();
}

void TKayanYazi::BelgeyiHazirla(Oge& o) {
  if (o.tur != Oge::Html && o.tur != Oge::Metin) return;
  if (!o.belge) o.belge = std::make_unique<QTextDocument>();
  o.belge->setDocumentMargin(0);
  o.belge->setDefaultFont(font());
  o.belge->setDefaultStyleSheet(QStringLiteral("body { color: %1; }")
                                    .arg(palette().color(QPalette::WindowText).name()));
  if (o.tur == Oge::Html) {
    o.belge->setHtml(o.metin);
  } else {
    o.belge->setPlainText(o.metin);
  }
  // One line: the item is as wide as its text.
  o.belge->setTextWidth(-1);
  o.genislik = int(std::ceil(o.belge->idealWidth()));
}

int TKayanYazi::Ekle(const QString& metin, bool html) {
  Oge o{html ? Oge::Html : Oge::Metin, metin, {}, nullptr, 0};
  // Line breaks of a one-line marquee become spaces.
  if (!html) o.metin.replace(QLatin1String("\r\n"), QLatin1String(" ")).replace(QLatin1Char('\n'), QLatin1Char(' '));
  BelgeyiHazirla(o);
  ogeler_.push_back(std::move(o));
  ZamanlayiciyiAyarla();
  update();
  return OgeSayisi() - 1;
}

int TKayanYazi::ResimEkle(const QImage& resim) {
  ogeler_.push_back(Oge{Oge::Resim, {}, resim, nullptr, resim.width()});
  ZamanlayiciyiAyarla();
  update();
  return OgeSayisi() - 1;
}

int TKayanYazi::CizimEkle(int genislik) {
  ogeler_.push_back(Oge{Oge::Cizim, {}, {}, nullptr, std::max(0, genislik)});
  ZamanlayiciyiAyarla();
  update();
  return OgeSayisi() - 1;
}

QString TKayanYazi::OgeMetni(int i) const {
  return i >= 0 && i < OgeSayisi() ? ogeler_[size_t(i)].metin : QString();
}

void TKayanYazi::AralikAta(int piksel) {
  aralik_ = std::max(0, piksel);
  update();
}

void TKayanYazi::HizAta(double pikselSaniye) { hiz_ = std::max(0.0, pikselSaniye); }

int TKayanYazi::IcerikGenisligi() const {
  int toplam = 0;
  for (const auto& o : ogeler_) toplam += o.genislik;
  if (!ogeler_.empty()) toplam += aralik_ * (OgeSayisi() - 1);
  return toplam;
}

int TKayanYazi::OgeSolu(int i) const {
  int x = width() - int(konum_);
  for (int k = 0; k < i && k < OgeSayisi(); ++k) x += ogeler_[size_t(k)].genislik + aralik_;
  return x;
}

void TKayanYazi::ZamanlayiciyiAyarla() {
  const bool calissin = calisiyor_ && isVisible() && !ogeler_.empty();
  if (calissin && !zamanlayici_.isActive()) {
    gecen_.start();
    zamanlayici_.start();
  } else if (!calissin && zamanlayici_.isActive()) {
    zamanlayici_.stop();
  }
}

void TKayanYazi::Adim() {
  if (ogeler_.empty()) {
    zamanlayici_.stop();
    return;
  }
  // Move by the time that really passed, so a late tick does not slow the text down;
  // a long gap (a busy window) is not made up at once.
  const double saniye = std::min(0.2, gecen_.restart() / 1000.0);
  konum_ += hiz_ * saniye;
  const double tur = double(width() + IcerikGenisligi());
  if (konum_ > tur) konum_ = std::fmod(konum_, std::max(1.0, tur));
  update();
}

void TKayanYazi::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  // Sub-pixel position keeps slow scrolling smooth.
  const double kayma = konum_ - std::floor(konum_);
  p.translate(-kayma, 0);
  for (int i = 0; i < OgeSayisi(); ++i) {
    Oge& o = ogeler_[size_t(i)];
    const int x = OgeSolu(i);
    if (x > width() + 1) break;
    if (x + o.genislik < -1) continue;
    switch (o.tur) {
      case Oge::Html:
      case Oge::Metin: {
        const int h = int(std::ceil(o.belge->size().height()));
        p.save();
        p.translate(x, (height() - h) / 2);
        o.belge->drawContents(&p);
        p.restore();
        break;
      }
      case Oge::Resim:
        p.drawImage(QPoint(x, (height() - o.resim.height()) / 2), o.resim);
        break;
      case Oge::Cizim:
        emit CizimIste(&p, QRect(x, 0, o.genislik, height()), i);
        break;
    }
  }
}

void TKayanYazi::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  ZamanlayiciyiAyarla();
}

void TKayanYazi::hideEvent(QHideEvent* e) {
  QWidget::hideEvent(e);
  ZamanlayiciyiAyarla();
}

void TKayanYazi::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::FontChange || e->type() == QEvent::PaletteChange) {
    for (auto& o : ogeler_) BelgeyiHazirla(o);
    update();
  }
}
