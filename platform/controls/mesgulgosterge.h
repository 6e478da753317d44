#pragma once
// Small busy animation: a ring of dots turning while a load runs. The windows show it when a
// load starts and hide it when it ends; it turns only while visible.

#include <QColor>
#include <QTimer>
#include <QWidget>

class TMesgulGosterge : public QWidget {
  Q_OBJECT
 public:
  explicit TMesgulGosterge(QWidget* parent = nullptr, int boy = 24);

  void Baslat() { show(); }
  void Durdur() { hide(); }
  bool Donuyor() const { return zamanlayici_.isActive(); }
  int Adim() const { return adim_; }
  void RenkAta(const QColor& renk);

  QSize sizeHint() const override { return {boy_, boy_}; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void showEvent(QShowEvent*) override;
  void hideEvent(QHideEvent*) override;

 private:
  static constexpr int kNokta = 10;
  QTimer zamanlayici_;
  QColor renk_;
  int boy_;
  int adim_ = 0;
};
