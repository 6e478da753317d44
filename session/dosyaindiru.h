#pragma once
// Update download: fetches the new setup program from the maker's host, shows the progress,
// starts the setup and ends the program. Every way out of this window ends the program.

#include <QDialog>
#include <QString>
#include <atomic>
#include <memory>

class QLabel;
class QPanel;
class QProgressBar;
class QThread;
class QWidget;
class TSQLConnection;

class Tdosyaindir : public QDialog {
  Q_OBJECT
 public:
  // The window for the server's version _y; the caller shows it modally and frees it.
  static Tdosyaindir* Yeni(QWidget* AOwner, int _y);
  ~Tdosyaindir() override;

  TSQLConnection* bag = nullptr;  // handed over by the opener, not used here

  QLabel* sLabel1;
  QWidget* Panel1;
  QLabel* bilgi;
  QProgressBar* ProgressBar1;

  QString Adres() const { return adres_; }       // the setup's address
  static QString HedefDosya();                     // where the setup is saved
  bool Basladi() const { return basladi_->load(); }

  // The progress text for the given byte counts, under the program's regional settings.
  static QString IlerlemeMetni(qint64 okunan, qint64 toplam);

 protected:
  void changeEvent(QEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void reject() override;

 private:
  explicit Tdosyaindir(QWidget* AOwner);
  void Baslat();
  void IlerlemeGoster(qint64 okunan, qint64 toplam);
  void Hata(const QString& metin);
  void SetupCalistir(const QString& yol);
  void Bitir();

  QString adres_;
  std::shared_ptr<std::atomic_bool> basladi_;
  std::shared_ptr<std::atomic_bool> dur_;
  QThread* is_ = nullptr;  // frees itself when done
  bool bitti_ = false;
};
