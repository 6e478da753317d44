#pragma once
// Picture control of the stock dialog: draws its image centred and scaled proportionally to
// fit the control.

#include <QImage>
#include <QWidget>

class TOrantiliResim : public QWidget {
  Q_OBJECT
 public:
  explicit TOrantiliResim(QWidget* parent = nullptr);

  const QImage& Resim() const { return resim_; }
  void ResimAta(const QImage& resim);
  // Decodes bytes into the image; false (and the image unchanged) when they are no picture.
  bool ResimYukle(const QByteArray& veri);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QImage resim_;
};
