#pragma once
// A captioned group of radio buttons, one per item, each item carrying an integer id.
// Tiklandi is emitted when the user picks an item (mouse or keyboard), not when the
// program sets the selection.

#include <QGroupBox>
#include <QList>

class QButtonGroup;
class QRadioButton;
class QVBoxLayout;

class TSecenekGrubu : public QGroupBox {
  Q_OBJECT
 public:
  explicit TSecenekGrubu(const QString& baslik, QWidget* parent = nullptr);

  void Temizle();
  void Ekle(const QString& baslik, int id);
  int Sayi() const { return dugmeler_.size(); }
  QString Baslik(int i) const;
  int Id(int i) const { return idler_.value(i); }
  QRadioButton* Dugme(int i) const { return dugmeler_.value(i); }

  // Index of the selected item, -1 when none.
  int ItemIndex() const;
  // Selects item i (clamped to the last item); -1 clears the selection.
  void ItemIndexAta(int i);
  // Id of the selected item; 0 when none is selected.
  int SeciliId() const;

 signals:
  void Tiklandi();

 private:
  QButtonGroup* grup_;
  QVBoxLayout* duzen_;
  QList<QRadioButton*> dugmeler_;
  QList<int> idler_;
};
