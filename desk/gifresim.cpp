#include "desk/gifresim.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>

TGifResim::TGifResim(QWidget* parent) : QWidget(parent) { setAutoFillBackground(true); }

TGifResim::~TGifResim() {
  film_.reset();  // the movie reads from the buffer; it goes first
  tampon_.reset();
}

void TGifResim::SetAnimate(bool deger) {
  if (deger == FAnimate) return;
  FAnimate = deger;
  if (Bos() || !GifMi()) return;
  SetTransparent(true);
  if (deger) {
    if (film_->state() == QMovie::Paused) {
      film_->setPaused(false);
    } else if (film_->state() == QMovie::NotRunning) {
      film_->start();
    }
  } else if (film_->state() == QMovie::Running) {
    film_->setPaused(true);
  }
}

bool TGifResim::ResimYukle(const QByteArray& veri) {
  QBuffer okunan;
  okunan.setData(veri);
  okunan.open(QIODevice::ReadOnly);
  QImageReader okuyucu(&okunan);
  const QByteArray bicim = okuyucu.format().toLower();
  if (bicim.isEmpty()) return false;

  if (bicim == "gif") {
    auto tampon = std::make_unique<QBuffer>();
    tampon->setData(veri);
    tampon->open(QIODevice::ReadOnly);
    auto film = std::make_unique<QMovie>(tampon.get(), "gif");
    if (!film->isValid() || !film->jumpToFrame(0) || film->currentImage().isNull()) return false;
    film_.reset();
    tampon_ = std::move(tampon);
    film_ = std::move(film);
    resim_ = QImage();
    connect(film_.get(), &QMovie::updated, this, [this] { update(); });
    // A picture loaded while `Animate` is on waits for the next switch of `Animate`, as a
    // freshly loaded GIF does not start by itself.
  } else {
    QImage resim = okuyucu.read();
    if (resim.isNull()) return false;
    film_.reset();
    tampon_.reset();
    resim_ = std::move(resim);
  }
  veri_ = veri;
  BoyUygula();
  updateGeometry();
  update();
  emit ResimDegisti();
  return true;
}

bool TGifResim::DosyadanYukle(const QString& yol) {
  QFile dosya(yol);
  if (!dosya.open(QIODevice::ReadOnly)) return false;
  return ResimYukle(dosya.readAll());
}

void TGifResim::Temizle() {
  film_.reset();
  tampon_.reset();
  resim_ = QImage();
  veri_.clear();
  BoyUygula();
  updateGeometry();
  update();
  emit ResimDegisti();
}

bool TGifResim::Bos() const {
  if (film_) return film_->currentImage().isNull();
  return resim_.isNull();
}

bool TGifResim::GifMi() const { return film_ != nullptr; }

bool TGifResim::Oynuyor() const { return film_ && film_->state() == QMovie::Running; }

QSize TGifResim::ResimBoyutu() const {
  if (film_) return film_->currentImage().size();
  return resim_.size();
}

QImage TGifResim::Kare() const { return film_ ? film_->currentImage() : resim_; }

void TGifResim::SetTransparent(bool deger) {
  saydam_ = deger;
  setAutoFillBackground(!deger);
  update();
}

void TGifResim::SetStretch(bool deger) {
  uzat_ = deger;
  update();
}

void TGifResim::SetProportional(bool deger) {
  oranli_ = deger;
  update();
}

void TGifResim::SetCenter(bool deger) {
  ortala_ = deger;
  update();
}

void TGifResim::SetAutoSize(bool deger) {
  otomatikBoy_ = deger;
  if (deger) {
    BoyUygula();
  } else {
    setMinimumHeight(0);
    setMaximumHeight(QWIDGETSIZE_MAX);
  }
}

void TGifResim::BoyUygula() {
  if (otomatikBoy_) setFixedHeight(Bos() ? 0 : ResimBoyutu().height());
}

bool TGifResim::GifDestekleniyor() {
  return QImageReader::supportedImageFormats().contains("gif") &&
         QMovie::supportedFormats().contains("gif");
}

QSize TGifResim::sizeHint() const {
  const QSize boy = ResimBoyutu();
  return boy.isEmpty() ? QSize(32, 32) : boy;
}

QRect TGifResim::CizimAlani(const QSize& boy) const {
  const QRect alan = contentsRect();
  QSize hedef = boy;
  const bool kucult = oranli_ && (boy.width() > alan.width() || boy.height() > alan.height());
  if (uzat_ || kucult) {
    hedef = oranli_ ? boy.scaled(alan.size(), Qt::KeepAspectRatio) : alan.size();
  }
  QPoint sol = alan.topLeft();
  if (ortala_) {
    sol += QPoint((alan.width() - hedef.width()) / 2, (alan.height() - hedef.height()) / 2);
  }
  return {sol, hedef};
}

void TGifResim::paintEvent(QPaintEvent*) {
  const QImage kare = Kare();
  if (kare.isNull()) return;
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(CizimAlani(kare.size()), kare);
}
