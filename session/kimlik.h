#pragma once
// Where the identity and folder helpers of utils.h read the machine from. Tests replace
// the sources with a fake tree in a temporary folder and fixed names.

#include <QString>
#include <functional>

struct KimlikKaynaklari {
  QString sysKoku = QStringLiteral("/sys");               // sysfs root (block/, class/net/)
  QString udevKoku = QStringLiteral("/run/udev/data");    // udev database (b<major>:<minor>)
  std::function<QString()> bilgisayarAdi;   // empty function: the system's host name
  std::function<QString()> kullaniciAdi;    // empty function: the passwd entry, else $USER
  std::function<QString()> evKlasoru;       // empty function: $HOME, else the passwd entry
  std::function<QString()> ayarKoku;        // empty function: $XDG_CONFIG_HOME, else ~/.config
};

// The sources in use (a copy) and their replacement; KimlikKaynaklariSifirla restores the
// real machine.
KimlikKaynaklari KimlikKaynaklariAl();
void KimlikKaynaklariKur(const KimlikKaynaklari& k);
void KimlikKaynaklariSifirla();
