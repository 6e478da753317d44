#pragma once
// Paints the cells of TVeriIzgarasi: row styles, cell borders, texts, icons, check boxes,
// buttons, progress bars, pictures, group rows, and the owner's custom-drawn cells.

#include <QCache>
#include <QPixmap>
#include <QStyledItemDelegate>

class TVeriIzgarasi;

class TIzgaraCizici : public QStyledItemDelegate {
  Q_OBJECT
 public:
  explicit TIzgaraCizici(TVeriIzgarasi* izgara);
  void paint(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& ix) const override;
  QSize sizeHint(const QStyleOptionViewItem& o, const QModelIndex& ix) const override;
  QWidget* createEditor(QWidget*, const QStyleOptionViewItem&, const QModelIndex&) const override {
    return nullptr;
  }
  void ResimleriUnut() { resimler_.clear(); }

 private:
  void GrupBasiCiz(QPainter* p, const QRect& r, const QModelIndex& ix) const;
  TVeriIzgarasi* izgara_;
  mutable QCache<int, QPixmap> resimler_;  // decoded pictures by data-set row
};
