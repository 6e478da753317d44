#pragma once
// The footer row of TVeriIzgarasi: the summaries (count, sum) under their columns, kept in
// line with the columns as they are resized, moved and scrolled.

#include <QWidget>

class TVeriIzgarasi;

class TIzgaraAltBilgi : public QWidget {
  Q_OBJECT
 public:
  explicit TIzgaraAltBilgi(TVeriIzgarasi* izgara);
  QSize sizeHint() const override;
  // Rectangle of a column's summary in the footer's coordinates (empty when not shown).
  QRect KolonAlani(int kolon) const;

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  TVeriIzgarasi* izgara_;
};
