#pragma once
// Web request form: the portal's request page in a browser, and a "Kapat" button.
// The caller sets the caption, navigates `sitem` and shows the form modally.

#include <QDialog>
#include <QString>

class QPushButton;
class TWebBrowser;

class Tformistekyeni : public QDialog {
  Q_OBJECT
 public:
  explicit Tformistekyeni(QWidget* AOwner = nullptr);

  TWebBrowser* sitem;
  QPushButton* Button1;

  // Opens the address in `sitem` (kept as given, for the caller and for tests).
  void Git(const QString& adres);
  const QString& Adres() const { return adres_; }

  void Button1Click();

 private:
  QString adres_;
};
