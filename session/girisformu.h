#pragma once
// Login window: identifies the computer and the user against the server and hands the filled
// session record back to the main window.

#include <QDialog>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TGolgeliEtiket;
class TMesgulGosterge;
class TSQLConnection;
class TSonucBilgisi;

class Tgirisform : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kSurum = 6;  // this client's own version

  explicit Tgirisform(QWidget* owner = nullptr);
  ~Tgirisform() override;

  TSQLConnection* bagim = nullptr;  // the main window's connection, not owned
  TSonucBilgisi* Bilgim = nullptr;  // the main window's session record, not owned
  QString idsi;                     // the computer identity

  QLabel* Image1;
  TGolgeliEtiket* RxLabel1;
  QLabel* Label1;
  QLineEdit* adi;
  QLabel* Label2;
  QLineEdit* sifre;
  QCheckBox* benihatirla;
  QPushButton* Button1;
  QPushButton* Button2;
  TMesgulGosterge* RxGIFAnimator1;

  void AyarOku();
  void AyarYaz();
  void Button1Click();
  void Button2Click();
  void Devamet(const QString& ip);

  // The external IP address: "ip.php" on the maker's host, asked again every second until it
  // answers. Gives an empty text only when dur becomes true.
  static QString DisIpAl(const std::atomic_bool* dur = nullptr);

  // Opens the customer desk of a seller and says whether it ended with OK. The desk is
  // another window of the program; until it is hooked in here a seller keeps the customer
  // the server sent.
  static std::function<bool(Tgirisform*)> CariSecimiAcici;

  static QString AyarDosyasiYolu();  // "ayar.ini" in AyarKlasoru()

 protected:
  bool eventFilter(QObject* nesne, QEvent* olay) override;
  void showEvent(QShowEvent* e) override;
  void reject() override;

 private:
  struct TBaglanSonucu;
  void GirisKarari(const std::shared_ptr<TBaglanSonucu>& sonuc);
  void GuncellemeAc();
  void IstekFormuAc();
  bool CariSecimiAc();
  void TekrarDenemeyeDon();
  void UyariGoster(const QString& metin, QLineEdit* alan);

  std::shared_ptr<std::atomic_bool> dur_;
  bool otomatikBasildi_ = false;
};
