#pragma once
// Where the program reaches its servers, and how it ends.
// The addresses are built in and can be replaced on the command line (see DravikB2B.cpp).

#include <QString>
#include <QStringList>
#include <functional>

struct TProgramAyarlari {
  QString SunucuHost = QStringLiteral("b2b.dravik.com.tr");  // the portal's application server
  QString SunucuPort = QStringLiteral("9090");
  QString WebAdres = QStringLiteral("http://www.dravik.com.tr/");       // the portal's web site, ends in "/"
  QString UreticiAdres = QStringLiteral("http://www.telmora.com.tr/");  // the maker's host, ends in "/"
  QString Kimlik;              // when not empty, used instead of the computer identity
  bool OtomatikGiris = false;  // press "Giriş" once when the login window opens
};

TProgramAyarlari& ProgramAyarlari();

// The portal's web site short name shown in the general menu (its host name).
QString WebSitesiKisaAdi();
// The computer identity: the override of the command line, else BilgisayarIdAl().
QString KimlikAl();

// Applies the command line (QCoreApplication must exist). Returns false with a message
// in *hata when an option is malformed. --help and --version are handled by the caller.
bool KomutSatiriniUygula(const QStringList& argumanlar, QString* hata, QString* yardim = nullptr);

// Ends the program at once with exit code 0. Tests install a hook that records the call
// instead; callers must then simply return.
void ProgramiBitir();
void ProgramiBitirKur(std::function<void()> kanca);  // an empty function restores the real end
