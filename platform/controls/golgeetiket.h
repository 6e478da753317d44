#pragma once
// Label with a shadow: the text is drawn once in the shadow colour, moved by a few pixels,
// and again in the label's own colour on top.

#include <QColor>
#include <QLabel>

class TGolgeliEtiket : public QLabel {
  Q_OBJECT
 public:
  explicit TGolgeliEtiket(QWidget* parent = nullptr);
  explicit TGolgeliEtiket(const QString& metin, QWidget* parent = nullptr);

  QColor GolgeRengi() const { return golgeRengi_; }
  void GolgeRengiAta(const QColor& renk);
  QPoint GolgeKaymasi() const { return kayma_; }
  void GolgeKaymasiAta(const QPoint& kayma);
  QColor YaziRengi() const;
  void YaziRengiAta(const QColor& renk);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QColor golgeRengi_ = Qt::white;
  QPoint kayma_{1, 1};
};
