#pragma once
// The parts of TVeriIzgarasi: the table view, its column header (captions, sort arrows and
// filter buttons) and its row indicator.

#include <QHeaderView>
#include <QTableView>

class TVeriIzgarasi;

class TIzgaraTablosu : public QTableView {
  Q_OBJECT
 public:
  explicit TIzgaraTablosu(TVeriIzgarasi* izgara);

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;

 private:
  TVeriIzgarasi* izgara_;
};

class TIzgaraBasligi : public QHeaderView {
  Q_OBJECT
 public:
  explicit TIzgaraBasligi(TVeriIzgarasi* izgara);
  // The filter button of a section in the header's own coordinates (empty when none).
  QRect FiltreDugmesi(int kolon) const;
  void SetYukseklik(int y);
  int Yukseklik() const { return yukseklik_; }
  QSize sizeHint() const override;

 protected:
  void paintSection(QPainter* p, const QRect& rect, int kolon) const override;
  void mousePressEvent(QMouseEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;

 private:
  TVeriIzgarasi* izgara_;
  int yukseklik_ = 40;
};

// Row indicator: a narrow vertical header with a mark on the focused row.
class TSatirGostergesi : public QHeaderView {
  Q_OBJECT
 public:
  explicit TSatirGostergesi(TVeriIzgarasi* izgara);
  QSize sizeHint() const override;

 protected:
  void paintSection(QPainter* p, const QRect& rect, int satir) const override;

 private:
  TVeriIzgarasi* izgara_;
};
