#pragma once
// The basket page of the main window: the basket as the server keeps it, its totals, the
// overdue-balance warning, selection marks written through at once, change and delete of
// lines, the spreadsheet export and the sending of the marked lines as an order.

#include <QObject>
#include <QString>
#include <atomic>
#include <memory>

#include "session/utils.h"

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QShortcut;
class QWidget;
class TClientDataSet;
class TForm1;
class TVeriIzgarasi;
struct TRolKurallari;

// The totals of the selected lines, each running sum rounded to two decimals after every line.
struct TSepetToplamlari {
  double T = 0;  // "Toplam:"
  double I = 0;  // "İndirim Toplam:"
  double N = 0;  // "Ara Toplam:"
  double V = 0;  // "Vergi:"
  double G = 0;  // "Genel Toplam:"
};
TSepetToplamlari SepetToplamlariniHesapla(const TClientDataSet& sepet);

// Reads the answer of the extra-discount lookup, "cash|single payment" with "," or "." as the
// decimal mark. False (and the rates untouched) when the answer does not hold two numbers.
bool EkIndirimCoz(const QString& cevap, TSiparisIndirimler& oranlar);

// The payment text and the extra discount of each way of paying.
QString OdemeMetni(TSiparisSonuc sonuc, const TSiparisIndirimler& oranlar, double* ekIndirim = nullptr);

class TSepetSayfasi : public QObject {
  Q_OBJECT
 public:
  explicit TSepetSayfasi(TForm1* form);
  ~TSepetSayfasi() override;

  TForm1* Form;
  TVeriIzgarasi* cxGrid2;  // the view cxGridDBTableView1 on sepet
  QWidget* panelsec;
  QPushButton* Button4;  // "Hepsini Seç"
  QPushButton* Button5;  // "Seçimleri Kaldır"
  QLabel* lbluyarbakiye;
  QWidget* Panel4;
  QGroupBox* Toplamlar;
  QLabel* aratoplaml;
  QLabel* Label4;  // "İndirim Toplam:"
  QLabel* indiriml;
  QLabel* nettutarl;
  QLabel* Label6;  // "Vergi:"
  QLabel* vergil;
  QLabel* geneltoplaml;
  QPushButton* Button1;  // "Gönder"
  QPushButton* Button2;  // "Excel Kaydet"
  QMenu* PopupMenu1;
  QAction* Deitir1;      // "Satır Değiştir"
  QAction* SatrSil1;     // "Satır Sil"
  QAction* HepsiniSil1;  // "Hepsini Sil"

  void ssepetShow();
  void SepetYukle();
  void ToplamlariHesapla();
  void CariBakiyeUyariBak();  // starts the lookup on a thread of its own
  int CalisanUyariSayisi() const { return uyariSayisi_->load(); }
  void cxGrid2Resize();
  void SepetKolonlariDuzenle();
  void Button4Click() { HepsiniIsaretle(1); }
  void Button5Click() { HepsiniIsaretle(0); }
  // Writes one mark; false when the connection could not be opened (its message was shown).
  bool SecimGuncelle(int sirano, int secim);
  void Deitir1Click();
  void cxGridDBTableView1DblClick() { Deitir1Click(); }
  void SatrSil1Click();
  void HepsiniSil1Click();
  void Button2Click();
  void Button1Click();
  TSiparisIndirimler EkIndirimleriAl();
  bool SiparisiGonder(int kargoFirma, int kargoTuru, int teslimTuru, const QString& not_, TSiparisSonuc sonuc,
                      const TSiparisIndirimler& oranlar);
  void RolleriUygula(const TRolKurallari& r);

 signals:
  void UyariYazildi(const QString& metin);

 protected:
  bool eventFilter(QObject* nesne, QEvent* olay) override;

 private:
  void KolonlariKur();
  void AltPanelleriKur(QWidget* sayfa);
  void HepsiniIsaretle(int secim);

  QShortcut* gonderKisayolu_ = nullptr;
  std::shared_ptr<std::atomic_int> uyariSayisi_;
};
