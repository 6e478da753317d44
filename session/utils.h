#pragma once
// Shared helpers of the program: the computer's identity and local facts, folders, the
// message box seam, the connection opener, data-set helpers, URL encoding, the browser
// locator and the discount step.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <initializer_list>

class TClientDataSet;
class TSQLConnection;

// ---------------------------------------------------------------- order payment

// How an order is paid.
enum TSiparisSonuc { sNormal = 0, sTekCEkim = 1, sNakit = 2 };

// Cash and single-charge discount rates in percent.
struct TSiparisIndirimler {
  double NakitFiyatIskonto = 0;
  double TekCekimFiyatIskonto = 0;
};

// The amount less the percentage when the percentage is above 0; otherwise the amount. No rounding.
double IskontoDus(double tutar, double yuzde);

// ---------------------------------------------------------------- identity and machine

QString BilgisayarIdAl();   // disk serial, else adapter address; spaces removed; never throws
QString DiskSeriNoAl();     // serial of the first physical disk, upper-cased; empty when none
QString MacAdresiAl();      // "00-1A-2B-3C-4D-5E" or empty
QString BilgisayarAdiAl();  // host name; empty on error (longer names are kept whole)
QString KullaniciAdiAl();   // signed-in user; empty on error (longer names are kept whole)
QString YerelIpAl();        // first IPv4 address of the host name, else "127.0.0.1"

// ---------------------------------------------------------------- folders (no trailing slash)

QString AyarKlasoru();      // <XDG config home>/dravik, created when missing
QString BelgelerKlasoru();  // the user's documents folder (XDG), else ~/Documents, else home
QString MasaustuKlasoru();  // the user's desktop folder (XDG), else ~/Desktop, else home

// ---------------------------------------------------------------- message box

enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbYesToAll, mbNoToAll, mbHelp };

// A set of buttons: TMsgDlgButtons{mbYes, mbNo}.
class TMsgDlgButtons {
 public:
  constexpr TMsgDlgButtons() = default;
  constexpr TMsgDlgButtons(std::initializer_list<TMsgDlgBtn> l) {
    for (TMsgDlgBtn b : l) bitler_ |= bit(b);
  }
  constexpr bool Icerir(TMsgDlgBtn b) const { return (bitler_ & bit(b)) != 0; }
  constexpr bool contains(TMsgDlgBtn b) const { return Icerir(b); }
  constexpr TMsgDlgButtons& operator|=(TMsgDlgBtn b) { bitler_ |= bit(b); return *this; }
  constexpr TMsgDlgButtons operator|(TMsgDlgBtn b) const { TMsgDlgButtons s = *this; s |= b; return s; }
  constexpr bool Bos() const { return bitler_ == 0; }
  constexpr std::uint32_t Bitler() const { return bitler_; }
  constexpr bool operator==(const TMsgDlgButtons&) const = default;

 private:
  static constexpr std::uint32_t bit(TMsgDlgBtn b) { return 1u << static_cast<unsigned>(b); }
  std::uint32_t bitler_ = 0;
};

// The buttons of a box in their display order (Yes, No, OK, Cancel, Abort, Retry, Ignore,
// Yes to all, No to all, Help).
QList<TMsgDlgBtn> Dugmeler(TMsgDlgButtons butonlar);

// Result codes of the pressed button.
constexpr int mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6,
              mrNo = 7, mrHelp = 9, mrAll = 12, mrNoToAll = 13, mrYesToAll = 14;

// Message kinds.
constexpr int mtUyari = 0, mtHata = 1, mtBilgi = 2, mtSoru = 3;

int DugmeSonucu(TMsgDlgBtn b);        // mbOK -> mrOk ...
QString DugmeBasligi(TMsgDlgBtn b);   // "Evet", "Hayır", "Tamam", "Vazgeç", ...
QString MesajBasligi(int tur);        // "Uyarı", "Hata", "Bilgi", "Soru"; empty for other kinds

struct MesajIstegi {
  QString metin;
  int tur = 0;
  TMsgDlgButtons butonlar;
  TMsgDlgBtn varsayilan = mbOK;
};
using MesajGosterici = std::function<int(const MesajIstegi&)>;

// Installs the handler that shows the boxes (the GUI's message box, or a test fake);
// nullptr removes it. MesajGostericiAl gives the installed one (to restore it later).
void MesajGostericiKur(MesajGosterici gosterici);
MesajGosterici MesajGostericiAl();

// Shows a message and returns the pressed button's code. The handler always runs on the
// main thread: a call from another thread is handed over and waits for the answer. With
// no handler (or no application object) the text goes to stderr and the default button's
// code is returned.
int MesajGoster(const QString& metin, int tur, TMsgDlgButtons butonlar, TMsgDlgBtn varsayilan);

// ---------------------------------------------------------------- connection opener

// Closes the connection, then tries to open it up to 11 times, 500 ms apart. With bildir 1
// a failure shows "Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!" once. True when open.
bool BaglantiAc(TSQLConnection& con, int bildir);

// The pause between attempts (milliseconds); nullptr restores the default (QThread::msleep).
void BaglantiAcBeklemeKur(std::function<void(int ms)> bekle);
inline constexpr int BaglantiAcDenemeSayisi = 11;
inline constexpr int BaglantiAcBeklemeMs = 500;
inline const char* const BaglantiKurulamiyorMetni = "Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!";

// ---------------------------------------------------------------- data-set helpers

bool VeriVarmi(TClientDataSet* ds);    // open and has rows
bool SeciliVarmi(TClientDataSet* ds);  // moves to the first row whose "SEC" is 1
void FloatAlanBicimle(TClientDataSet* ds);  // float fields show "#,###,##0.00"
inline bool VeriVarmi(TClientDataSet& ds) { return VeriVarmi(&ds); }
inline bool SeciliVarmi(TClientDataSet& ds) { return SeciliVarmi(&ds); }
inline void FloatAlanBicimle(TClientDataSet& ds) { FloatAlanBicimle(&ds); }

// ---------------------------------------------------------------- text and files

// Percent-encodes the UTF-8 bytes; letters, digits and "-._~" stay as they are.
QString UrlKodla(const QString& metin);

// Full path of the Chrome (or Chromium) browser, or empty.
QString ChromeYoluBul();
QStringList ChromeAdaylari();                          // the places looked at, in order
QString IlkVarOlanDosya(const QStringList& adaylar);   // first existing file, or empty
