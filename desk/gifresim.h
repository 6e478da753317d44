#pragma once
// Picture control that can play an animated GIF. `Animate` switches the animation on and off;
// other pictures (JPEG, PNG, BMP) show as still pictures. Stretch, proportional scaling and
// centring follow the usual picture control settings.

#include <QByteArray>
#include <QImage>
#include <QMovie>
#include <QWidget>
#include <memory>

class QBuffer;

class TGifResim : public QWidget {
  Q_OBJECT
  Q_PROPERTY(bool Animate READ Animate WRITE SetAnimate)
 public:
  explicit TGifResim(QWidget* parent = nullptr);
  ~TGifResim() override;

  bool Animate() const { return FAnimate; }
  void SetAnimate(bool deger);

  // Loads a picture; the format is recognised from the data. Returns false, and keeps the
  // picture shown so far, when the data is not a picture.
  bool ResimYukle(const QByteArray& veri);
  bool DosyadanYukle(const QString& yol);
  void Temizle();

  bool Bos() const;      // no picture, or a picture without frames
  bool GifMi() const;    // the picture is a GIF (animatable)
  bool Oynuyor() const;  // the GIF's animation is running
  QSize ResimBoyutu() const;
  QImage Kare() const;  // the frame shown now

  bool Transparent() const { return saydam_; }
  void SetTransparent(bool deger);
  bool Stretch() const { return uzat_; }
  void SetStretch(bool deger);
  bool Proportional() const { return oranli_; }
  void SetProportional(bool deger);
  bool Center() const { return ortala_; }
  void SetCenter(bool deger);
  // With AutoSize the control is as high as its picture, and 0 pixels high without one
  // (the top banner strip).
  bool AutoSize() const { return otomatikBoy_; }
  void SetAutoSize(bool deger);

  // GIF pictures can be read (the picture reader of this build knows the format).
  static bool GifDestekleniyor();

  QSize sizeHint() const override;

 signals:
  void ResimDegisti();

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QRect CizimAlani(const QSize& boy) const;
  void BoyUygula();

  bool FAnimate = false;
  bool saydam_ = false;
  bool uzat_ = false;
  bool oranli_ = false;
  bool ortala_ = false;
  bool otomatikBoy_ = false;
  QByteArray veri_;
  std::unique_ptr<QBuffer> tampon_;
  std::unique_ptr<QMovie> film_;  // GIF pictures
  QImage resim_;                  // still pictures
};
