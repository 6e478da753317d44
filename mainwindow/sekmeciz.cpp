#include "mainwindow/sekmeciz.h"

#include <algorithm>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QToolTip>
#include <QMouseEvent>
#include <QPainter>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionTab>
#include <QVBoxLayout>

TSekmeBasligi SekmeBasligiCoz(const QString& baslik) {
  TSekmeBasligi s;
  const qsizetype esit = baslik.indexOf(QLatin1Char('='));
  if (esit < 0) {
    s.baslik = baslik;
    return s;
  }
  bool tamam = false;
  const int sayi = baslik.left(esit).trimmed().toInt(&tamam);
  // A counter that is not a whole number (or does not fit) draws no badge instead of failing.
  s.sayi = tamam ? sayi : 0;
  s.baslik = baslik.mid(esit + 1, 100);
  return s;
}

QString SekmeBasligiYaz(qint64 sayi, const QString& ad) {
  return QString::number(sayi) + QLatin1Char('=') + ad;
}

void SekmeCiz(QPainter& p, const QRect& r, const QString& baslik, const QIcon& simge,
              TSekmeDurumu durum, const QWidget* w) {
  const TSekmeBasligi b = SekmeBasligiCoz(baslik);
  QStyle* stil = w ? w->style() : nullptr;

  QStyleOptionTab opt;
  if (w) opt.initFrom(w);
  opt.rect = r;
  opt.shape = QTabBar::RoundedNorth;
  opt.position = QStyleOptionTab::Middle;
  opt.state &= ~(QStyle::State_Selected | QStyle::State_MouseOver | QStyle::State_HasFocus);
  if (durum == TSekmeDurumu::Secili) opt.state |= QStyle::State_Selected;
  if (durum == TSekmeDurumu::Sicak) opt.state |= QStyle::State_MouseOver;
  if (stil) {
    // Some styles paint a selected tab down to the pane; with several rows that would cover
    // the tab below it.
    p.save();
    p.setClipRect(r);
    stil->drawControl(QStyle::CE_TabBarTabShape, &opt, &p, w);
    p.restore();
  } else {
    p.fillRect(r, durum == TSekmeDurumu::Secili ? QColor(Qt::white) : QColor(0xdc, 0xcf, 0xec));
  }

  QRect alan = r.adjusted(0, 5, 0, -5);
  QRect yaziAlani = alan.adjusted(3, 0, -3, 0);
  if (!simge.isNull()) {
    const int boy = 32;
    const QRect simgeAlani(r.left() + 4, r.top() + (r.height() - boy) / 2, boy, boy);
    simge.paint(&p, simgeAlani, Qt::AlignCenter,
                opt.state & QStyle::State_Enabled ? QIcon::Normal : QIcon::Disabled);
    yaziAlani.setLeft(simgeAlani.right() + 3);
  }

  const QPalette pal = w ? w->palette() : QPalette();
  p.save();
  p.setPen(pal.color(opt.state & QStyle::State_Enabled ? QPalette::Active : QPalette::Disabled,
                     QPalette::WindowText));
  QFont yazi = w ? w->font() : p.font();
  // A word wider than the tab (a long title beside the icon) is drawn a little smaller rather
  // than cut at both edges.
  for (int i = 0; i < 4; ++i) {
    const QRect gerek = QFontMetrics(yazi).boundingRect(yaziAlani, Qt::AlignCenter | Qt::TextWordWrap, b.baslik);
    if (gerek.width() <= yaziAlani.width() && gerek.height() <= yaziAlani.height()) break;
    if (yazi.pointSizeF() > 0) yazi.setPointSizeF(yazi.pointSizeF() * 0.9);
    else yazi.setPixelSize(std::max(8, yazi.pixelSize() * 9 / 10));
  }
  p.setFont(yazi);
  p.drawText(yaziAlani, Qt::AlignCenter | Qt::TextWordWrap, b.baslik);
  p.restore();

  if (b.sayi > 0) {
    const QRect sayiAlani = alan.adjusted(2, -3, -2, 3);
    p.save();
    QFont f = w ? w->font() : p.font();
    f.setBold(true);
    p.setFont(f);
    p.setPen(SekmeSayiRengi());
    p.drawText(sayiAlani, Qt::AlignTop | Qt::AlignRight,
               QLatin1Char('(') + QString::number(b.sayi) + QLatin1Char(')'));
    p.restore();
  }
}

// ---- tab row

TSekmeCubugu::TSekmeCubugu(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setFocusPolicy(Qt::TabFocus);
  setAttribute(Qt::WA_Hover);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  setFixedHeight(kYukseklik + 2);
}

int TSekmeCubugu::SekmeEkle(const QString& baslik, const QIcon& simge) {
  sekmeler_.push_back({baslik, simge, true});
  const int i = Sayi() - 1;
  if (secili_ < 0) secili_ = i;
  Yerlesim();
  return i;
}

void TSekmeCubugu::SekmeSil(int i) {
  if (i < 0 || i >= Sayi()) return;
  sekmeler_.erase(sekmeler_.begin() + i);
  if (secili_ == i) {
    secili_ = -1;
    SeciliAta(SiradakiGorunur(i - 1, +1));
  } else if (secili_ > i) {
    --secili_;
  }
  sicak_ = -1;
  Yerlesim();
}

QString TSekmeCubugu::Baslik(int i) const {
  return i >= 0 && i < Sayi() ? sekmeler_[size_t(i)].baslik : QString();
}

void TSekmeCubugu::BaslikAta(int i, const QString& baslik) {
  if (i < 0 || i >= Sayi()) return;
  sekmeler_[size_t(i)].baslik = baslik;
  update();
}

QIcon TSekmeCubugu::Simge(int i) const {
  return i >= 0 && i < Sayi() ? sekmeler_[size_t(i)].simge : QIcon();
}

void TSekmeCubugu::SimgeAta(int i, const QIcon& simge) {
  if (i < 0 || i >= Sayi()) return;
  sekmeler_[size_t(i)].simge = simge;
  update();
}

bool TSekmeCubugu::Gorunur(int i) const {
  return i >= 0 && i < Sayi() && sekmeler_[size_t(i)].gorunur;
}

void TSekmeCubugu::GorunurAta(int i, bool gorunur) {
  if (i < 0 || i >= Sayi() || sekmeler_[size_t(i)].gorunur == gorunur) return;
  sekmeler_[size_t(i)].gorunur = gorunur;
  if (!gorunur && secili_ == i) {
    int yeni = SiradakiGorunur(i, +1);
    if (yeni < 0) yeni = SiradakiGorunur(i, -1);
    secili_ = -1;
    if (yeni >= 0) SeciliAta(yeni);
    else emit SeciliDegisti(-1);
  } else if (gorunur && secili_ < 0) {
    SeciliAta(i);
  }
  Yerlesim();
}

void TSekmeCubugu::SeciliAta(int i) {
  if (i < 0 || i >= Sayi() || !Gorunur(i) || i == secili_) return;
  secili_ = i;
  update();
  emit SeciliDegisti(i);
}

int TSekmeCubugu::GorunurSayisi() const {
  int n = 0;
  for (const auto& s : sekmeler_) n += s.gorunur ? 1 : 0;
  return n;
}

int TSekmeCubugu::SiradakiGorunur(int i, int yon) const {
  for (int k = i + yon; k >= 0 && k < Sayi(); k += yon) {
    if (sekmeler_[size_t(k)].gorunur) return k;
  }
  return -1;
}

int TSekmeCubugu::SatirSayisiFor(int w) const {
  const int n = GorunurSayisi();
  if (n == 0) return 1;
  const int satirda = std::max(1, w / kGenislik);
  return (n + satirda - 1) / satirda;
}

int TSekmeCubugu::heightForWidth(int w) const { return SatirSayisiFor(w) * kYukseklik + 2; }

QSize TSekmeCubugu::sizeHint() const {
  return {std::max(1, GorunurSayisi()) * kGenislik, height()};
}

QSize TSekmeCubugu::minimumSizeHint() const { return {kGenislik, kYukseklik + 2}; }

QRect TSekmeCubugu::SekmeAlani(int i) const {
  if (!Gorunur(i)) return {};
  const int satirda = std::max(1, width() / kGenislik);
  auto siraBul = [&](int j) {
    int sira = 0;
    for (int k = 0; k < j; ++k) sira += sekmeler_[size_t(k)].gorunur ? 1 : 0;
    return sira;
  };
  const int sira = siraBul(i);
  int satir = sira / satirda;
  // The row of the selected tab sits at the bottom, next to its page; the rows below it
  // move up by one.
  if (Gorunur(secili_)) {
    const int seciliSatir = siraBul(secili_) / satirda;
    const int son = SatirSayisiFor(width()) - 1;
    if (satir == seciliSatir) {
      satir = son;
    } else if (satir > seciliSatir) {
      --satir;
    }
  }
  return {(sira % satirda) * kGenislik, satir * kYukseklik, kGenislik, kYukseklik};
}

int TSekmeCubugu::SekmeAt(const QPoint& nokta) const {
  for (int i = 0; i < Sayi(); ++i) {
    if (SekmeAlani(i).contains(nokta)) return i;
  }
  return -1;
}

void TSekmeCubugu::Yerlesim() {
  // Until the layout has given the bar its width, one row is the best guess; a wrong guess
  // here would make the whole window as tall as ten rows of tabs.
  const int h = testAttribute(Qt::WA_Resized) ? heightForWidth(width()) : kYukseklik + 2;
  if (height() != h) setFixedHeight(h);
  update();
}

void TSekmeCubugu::resizeEvent(QResizeEvent*) { Yerlesim(); }

void TSekmeCubugu::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  // Under the tabs, the frame line that joins them to the page.
  p.setPen(palette().color(QPalette::Mid));
  p.drawLine(0, height() - 1, width(), height() - 1);
  for (int i = 0; i < Sayi(); ++i) {
    if (!Gorunur(i) || i == secili_) continue;
    SekmeCiz(p, SekmeAlani(i), sekmeler_[size_t(i)].baslik, sekmeler_[size_t(i)].simge,
             i == sicak_ ? TSekmeDurumu::Sicak : TSekmeDurumu::Normal, this);
  }
  if (Gorunur(secili_)) {  // the selected tab last, over its neighbours
    SekmeCiz(p, SekmeAlani(secili_), sekmeler_[size_t(secili_)].baslik,
             sekmeler_[size_t(secili_)].simge, TSekmeDurumu::Secili, this);
    if (hasFocus()) {
      QStyleOptionFocusRect odak;
      odak.initFrom(this);
      odak.rect = SekmeAlani(secili_).adjusted(4, 4, -4, -4);
      style()->drawPrimitive(QStyle::PE_FrameFocusRect, &odak, &p, this);
    }
  }
}

bool TSekmeCubugu::event(QEvent* e) {
  if (e->type() == QEvent::ToolTip) {
    // The whole title, for titles too long for the tab.
    auto* he = static_cast<QHelpEvent*>(e);
    const int i = SekmeAt(he->pos());
    if (i >= 0) {
      QToolTip::showText(he->globalPos(), SekmeBasligiCoz(Baslik(i)).baslik, this, SekmeAlani(i));
    } else {
      QToolTip::hideText();
    }
    return true;
  }
  return QWidget::event(e);
}

void TSekmeCubugu::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  const int i = SekmeAt(e->position().toPoint());
  if (i >= 0) SeciliAta(i);
}

void TSekmeCubugu::mouseMoveEvent(QMouseEvent* e) {
  const int i = SekmeAt(e->position().toPoint());
  if (i != sicak_) {
    sicak_ = i;
    update();
  }
}

void TSekmeCubugu::leaveEvent(QEvent*) {
  if (sicak_ >= 0) {
    sicak_ = -1;
    update();
  }
}

void TSekmeCubugu::keyPressEvent(QKeyEvent* e) {
  int yon = 0;
  if (e->key() == Qt::Key_Left) yon = -1;
  if (e->key() == Qt::Key_Right) yon = +1;
  if (yon == 0) {
    QWidget::keyPressEvent(e);
    return;
  }
  const int i = SiradakiGorunur(secili_, yon);
  if (i >= 0) SeciliAta(i);
}

// ---- page control

TSayfaKontrol::TSayfaKontrol(QWidget* parent)
    : QWidget(parent), cubuk_(new TSekmeCubugu(this)), yigin_(new QStackedWidget(this)) {
  auto* dikey = new QVBoxLayout(this);
  dikey->setContentsMargins(0, 0, 0, 0);
  dikey->setSpacing(0);
  dikey->addWidget(cubuk_);
  dikey->addWidget(yigin_, 1);
  connect(cubuk_, &TSekmeCubugu::SeciliDegisti, this, &TSayfaKontrol::Degistir);
}

int TSayfaKontrol::SayfaEkle(QWidget* sayfa, const QString& baslik, const QIcon& simge) {
  yigin_->addWidget(sayfa);
  const int i = cubuk_->SekmeEkle(baslik, simge);
  if (i == 0) {
    yigin_->setCurrentIndex(0);
  }
  return i;
}

int TSayfaKontrol::Sayi() const { return cubuk_->Sayi(); }
QWidget* TSayfaKontrol::Sayfa(int i) const { return yigin_->widget(i); }
int TSayfaKontrol::SayfaSirasi(QWidget* sayfa) const { return yigin_->indexOf(sayfa); }
QString TSayfaKontrol::Baslik(int i) const { return cubuk_->Baslik(i); }
void TSayfaKontrol::BaslikAta(int i, const QString& baslik) { cubuk_->BaslikAta(i, baslik); }
void TSayfaKontrol::BaslikAta(QWidget* sayfa, const QString& baslik) {
  cubuk_->BaslikAta(SayfaSirasi(sayfa), baslik);
}
void TSayfaKontrol::SayacYaz(QWidget* sayfa, qint64 sayi, const QString& ad) {
  BaslikAta(sayfa, SekmeBasligiYaz(sayi, ad));
}
void TSayfaKontrol::SekmeGorunurAta(QWidget* sayfa, bool gorunur) {
  cubuk_->GorunurAta(SayfaSirasi(sayfa), gorunur);
}
bool TSayfaKontrol::SekmeGorunur(QWidget* sayfa) const {
  return cubuk_->Gorunur(SayfaSirasi(sayfa));
}
int TSayfaKontrol::AktifSira() const { return cubuk_->Secili(); }
QWidget* TSayfaKontrol::AktifSayfa() const {
  return cubuk_->Secili() >= 0 ? yigin_->widget(cubuk_->Secili()) : nullptr;
}
void TSayfaKontrol::AktifAta(int i) { cubuk_->SeciliAta(i); }
void TSayfaKontrol::AktifAta(QWidget* sayfa) { cubuk_->SeciliAta(SayfaSirasi(sayfa)); }

void TSayfaKontrol::Degistir(int i) {
  QWidget* eski = yigin_->currentWidget();
  QWidget* yeni = i >= 0 ? yigin_->widget(i) : nullptr;
  if (eski == yeni) return;
  if (eski) emit SayfaGizlendi(eski);
  if (yeni) {
    yigin_->setCurrentWidget(yeni);
  } else if (eski) {
    eski->hide();
  }
  emit AktifDegisti(i);
  if (yeni) emit SayfaGosterildi(yeni);
}
