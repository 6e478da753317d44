#pragma once
// Amount edit: shows its value with a display format ("#,###,##0.00") under the program's
// regional settings, and keeps the thousands grouping while the user types. The full format
// comes back when editing ends (Enter or leaving the field).

#include <QLineEdit>

#include "platform/core/sayibicim.h"

class TTutarEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TTutarEdit(QWidget* parent = nullptr);

  // The value set with DegerAta, exactly, until the user edits the text; then the text read
  // as a number (0 for an empty text).
  double Deger() const;
  void DegerAta(double deger);
  // True when the text reads as a number (an empty text counts as 0).
  bool Gecerli() const;

  const QString& GosterimBicimi() const { return bicim_; }
  void GosterimBicimiAta(const QString& bicim);
  void AyarlarAta(const TFormatSettings& ayarlar);
  const TFormatSettings& Ayarlar() const { return ayarlar_; }

  // Rewrites the text with the display format (what leaving the field does).
  void Bicimle();

 signals:
  void DegerDegisti(double deger);

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  void YazarkenBicimle();
  QString bicim_ = QStringLiteral("#,###,##0.00");
  TFormatSettings ayarlar_;
  double deger_ = 0;
  bool duzenlendi_ = false;  // the text was typed since the last DegerAta
};
