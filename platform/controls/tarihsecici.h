#pragma once
// Date picker: a date edit with a drop-down calendar in Turkish ("dd.MM.yyyy").

#include <QDate>
#include <QDateEdit>

class TTarihSecici : public QDateEdit {
  Q_OBJECT
 public:
  explicit TTarihSecici(QWidget* parent = nullptr);

  // The picked day, without a time of day.
  QDate Tarih() const { return date(); }
  void TarihAta(const QDate& tarih) { setDate(tarih); }
};
