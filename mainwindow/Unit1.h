#pragma once
// The program's main window: header, search bar, banners, the page control with its counters,
// status legend, scrolling strips, the general menu and the exit question. The pages' own
// content lives in the page objects of this folder; the start-up loading sequence in
// yukleme.cpp, the frame's controls in cerceve.cpp, the pages in sayfalar.cpp and the server
// notification hookup in bildirim.cpp.

#include <QMainWindow>
#include <QString>
#include <QList>
#include <atomic>
#include <functional>
#include <memory>

#include "mainwindow/rolkurallari.h"

class QAction;
class QGridLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;
class QWidget;
class TClientDataSet;
class TGeriBildirimKanali;
class TGifResim;
class TKayanYazi;
class TMesgulGosterge;
class TResimKayan;
class TSQLConnection;
class TSayfaKontrol;
class TSonucBilgisi;
class TStokSayfasi;
class TSepetSayfasi;

class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // Start-up: identity, connection, login, role rules, background loading, notifications.
  // Returns false when the program was ended during the login (tests only get here).
  bool FormCreate();

  // --- state
  std::unique_ptr<TSQLConnection> bagc;
  std::unique_ptr<TSonucBilgisi> sbilgi;
  int _acilisadet = 0;
  double FSepetTutar = 0;
  TRolKurallari Roller;

  // --- data sets of the list pages
  TClientDataSet* stok;
  TClientDataSet* sepet;
  TClientDataSet* ONCEKILER;
  TClientDataSet* EKSTRE;
  TClientDataSet* YENILER;
  TClientDataSet* kampstok;
  TClientDataSet* dosyatable;

  // --- page objects: stock list (search, openers, basket writers) and basket
  TStokSayfasi* StokSayfasi = nullptr;
  TSepetSayfasi* SepetSayfasi = nullptr;

  // --- header strip
  QWidget* Panel1;
  QLabel* Image1;
  QWidget* GridPanel1;
  QLabel* kullanicilbl;
  QLabel* cariadilbl;
  QLabel* saticilbl;
  TGifResim* GifResim1;
  QToolButton* Button3;
  QMenu* Genelmenu;
  QAction* M1;          // "Mail Gönder"
  QAction* N4;          // "Şifre Değiştirme İsteği"
  QAction* WebSitesi1;  // the portal's web site
  QAction* G1;          // "Çıkış"
  QAction* R1;          // "Raporlar"

  // --- search bar
  QWidget* Panel2;
  QLineEdit* araedit;
  QToolButton* SpeedButton2;  // "Ara"
  QToolButton* SpeedButton1;  // "Temizle"
  QPushButton* musteritus;    // "Başka Cari Seç"
  TMesgulGosterge* gifstokara;
  TMesgulGosterge* gifyeniler;
  TMesgulGosterge* gifkampanyali;
  TMesgulGosterge* gifduyuru;
  TMesgulGosterge* gifoncekiler;
  TMesgulGosterge* gifdosyalar;
  TMesgulGosterge* gifekstre;

  // --- top banner, pages, legend, bottom strip
  TGifResim* RxGIFAnimator2;
  TSayfaKontrol* sPageControl1;
  QWidget* sstoklistesi;
  QWidget* ssepet;
  QWidget* sonceki;
  QWidget* sccariekstre;
  QWidget* syeniler;
  QWidget* skampanyali;
  QWidget* sTabSheetduyuru;
  QWidget* sTabbakiyeler;
  QWidget* ss;
  QWidget* tabdosya;
  QWidget* Panel3;
  QWidget* Panel5;
  TKayanYazi* kayanyazi;
  TResimKayan* RealTimeMarquee1;
  QLabel* Image3;

  // --- handlers of the frame
  void G1Click();
  void M1Click();
  void N4Click();
  void WebSitesi1Click();
  void R1Click();
  void musteritusClick();
  bool FormCloseQuery();  // the exit question; true when the window may close
  void FormClose();

  // --- loading sequence steps (yukleme.cpp); each may run on the main thread directly
  void AnaBilgiAl();
  void KayanYaziYaz(const QString& metin);
  void UstResimYaz(const QByteArray& resim);
  void UstBannerYaz(const QByteArray& resim);
  void AltBannerYaz(const QByteArray& resim);
  void AcilisReklamAdetYaz(int adet);
  void BalonYazSatir(const QList<QString>& degerler);  // the five values already as caption text
  // Runs the whole sequence on one worker; sonra runs on the main thread at the end.
  void YuklemeSirasiBaslat(std::function<void()> sonra = {});
  // The reload after a server notification (queued onto the main thread by the channel).
  void GeriBildirimAl();
  void AcilisReklamGoster();
  bool YuklemeSuruyor() const { return yuklemeSuruyor_; }

  // Writes count + "=" + name into a page's caption.
  void SayacYaz(QWidget* sayfa, qint64 sayi, const QString& ad);

 signals:
  void YuklemeBitti();     // the start-up sequence (or a reload) has ended
  void GeriBildirimGeldi();  // a server notification was handled

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  void CerceveKur();
  void UstSeritKur(QWidget* ust);
  void AramaCubuguKur(QWidget* ust);
  void DurumAciklamasiKur(QWidget* ust);
  void AltSeritKur(QWidget* ust);
  void MenuKur();
  void SayfalariKur();
  bool GirisVeYetkiAyarla();
  void RolKurallariUygula();
  void BildirimKaydet();

  std::shared_ptr<std::atomic_bool> kapandi_;
  std::unique_ptr<TGeriBildirimKanali> kanal_;
  bool yuklemeSuruyor_ = false;
  bool tekrarYukle_ = false;
};
