// The computer's identity and local facts, read from sysfs, the udev database, the passwd
// entry and the XDG folders. Every source can be replaced (kimlik.h).

#include "session/kimlik.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QRegularExpression>
#include <QSysInfo>
#include <cstring>

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

#include "session/utils.h"

namespace {

QMutex kaynakKilidi;
KimlikKaynaklari& Kaynaklar() {
  static KimlikKaynaklari k;
  return k;
}

QString DosyaMetni(const QString& yol) {
  QFile f(yol);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(f.read(4096)).trimmed();
}

QStringList SiraliGirdiler(const QString& klasor) {
  QDir d(klasor);
  return d.entryList(QDir::Dirs | QDir::Files | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Disks as the kernel names them; loop, ram, zram, dm-, md and optical devices are skipped.
bool FizikselDiskAdi(const QString& ad) {
  static const QRegularExpression desen(
      QStringLiteral("^(sd[a-z]+|nvme\\d+n\\d+|vd[a-z]+|hd[a-z]+|xvd[a-z]+|mmcblk\\d+)$"));
  return desen.match(ad).hasMatch();
}

QString UdevSeriNo(const QString& udevKoku, const QString& diskKlasoru) {
  const QString aygit = DosyaMetni(diskKlasoru + QStringLiteral("/dev"));  // "8:0"
  if (aygit.isEmpty()) return {};
  QFile f(udevKoku + QStringLiteral("/b") + aygit);
  if (!f.open(QIODevice::ReadOnly)) return {};
  const QList<QByteArray> satirlar = f.read(1 << 16).split('\n');
  for (const QByteArray& s : satirlar)
    if (s.startsWith("E:ID_SERIAL_SHORT=")) return QString::fromUtf8(s.mid(18)).trimmed();
  return {};
}

QString EvKlasoru(const KimlikKaynaklari& k) {
  if (k.evKlasoru) return k.evKlasoru();
  const QByteArray ev = qgetenv("HOME");
  if (!ev.isEmpty()) return QString::fromLocal8Bit(ev);
  if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return QString::fromLocal8Bit(pw->pw_dir);
  return {};
}

QString AyarKoku(const KimlikKaynaklari& k) {
  if (k.ayarKoku) return k.ayarKoku();
  const QString xdg = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
  if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg)) return xdg;
  const QString ev = EvKlasoru(k);
  return ev.isEmpty() ? QString() : ev + QStringLiteral("/.config");
}

// The folder of an XDG user directory (XDG_DOCUMENTS_DIR, XDG_DESKTOP_DIR) from
// user-dirs.dirs, else ~/<yedek> when it exists, else home.
QString KullaniciKlasoru(const char* anahtar, const QString& yedek) {
  const KimlikKaynaklari k = KimlikKaynaklariAl();
  const QString ev = EvKlasoru(k);
  const QString kok = AyarKoku(k);
  if (!kok.isEmpty()) {
    QFile f(kok + QStringLiteral("/user-dirs.dirs"));
    if (f.open(QIODevice::ReadOnly)) {
      const QByteArray onek = QByteArray(anahtar) + '=';
      for (QByteArray satir : f.read(1 << 16).split('\n')) {
        satir = satir.trimmed();
        if (!satir.startsWith(onek)) continue;
        QString deger = QString::fromUtf8(satir.mid(onek.size())).trimmed();
        if (deger.size() >= 2 && deger.startsWith(u'"') && deger.endsWith(u'"')) deger = deger.mid(1, deger.size() - 2);
        if (deger.startsWith(QStringLiteral("$HOME"))) deger = ev + deger.mid(5);
        if (QDir::isAbsolutePath(deger) && QFileInfo(deger).isDir()) return QDir::cleanPath(deger);
      }
    }
  }
  if (!ev.isEmpty() && QFileInfo(ev + u'/' + yedek).isDir()) return ev + u'/' + yedek;
  return ev;
}

}  // namespace

KimlikKaynaklari KimlikKaynaklariAl() {
  QMutexLocker kilit(&kaynakKilidi);
  return Kaynaklar();
}

void KimlikKaynaklariKur(const KimlikKaynaklari& k) {
  QMutexLocker kilit(&kaynakKilidi);
  Kaynaklar() = k;
}

void KimlikKaynaklariSifirla() { KimlikKaynaklariKur(KimlikKaynaklari{}); }

// ---------------------------------------------------------------- identity

QString DiskSeriNoAl() {
  const KimlikKaynaklari k = KimlikKaynaklariAl();
  const QString blok = k.sysKoku + QStringLiteral("/block");
  for (const QString& ad : SiraliGirdiler(blok)) {
    if (!FizikselDiskAdi(ad)) continue;
    const QString disk = blok + u'/' + ad;
    if (DosyaMetni(disk + QStringLiteral("/removable")) == QStringLiteral("1")) continue;
    // Only the first disk counts; its serial comes from the first source that has one.
    for (const QString& dosya : {QStringLiteral("/device/serial"), QStringLiteral("/serial")}) {
      const QString s = DosyaMetni(disk + dosya);
      if (!s.isEmpty()) return s.toUpper();
    }
    if (const QString s = UdevSeriNo(k.udevKoku, disk); !s.isEmpty()) return s.toUpper();
    return DosyaMetni(disk + QStringLiteral("/device/wwid")).toUpper();
  }
  return {};
}

QString MacAdresiAl() {
  const KimlikKaynaklari k = KimlikKaynaklariAl();
  const QString net = k.sysKoku + QStringLiteral("/class/net");
  // Adapters backed by a device first, then virtual ones (bridges, containers), each by name.
  QStringList fiziksel, sanal;
  for (const QString& ad : SiraliGirdiler(net)) {
    if (ad == QStringLiteral("lo")) continue;
    (QFileInfo::exists(net + u'/' + ad + QStringLiteral("/device")) ? fiziksel : sanal) << ad;
  }
  const QString sifir = QStringLiteral("00-00-00-00-00-00");
  QString metin;
  for (const QString& ad : fiziksel + sanal) {
    const QStringList baytlar = DosyaMetni(net + u'/' + ad + QStringLiteral("/address")).split(u':');
    metin.clear();
    if (baytlar.size() >= 6) {
      QStringList cift;
      for (int i = 0; i < 6; ++i) {
        bool tamam = false;
        const uint b = baytlar[i].toUInt(&tamam, 16);
        if (!tamam || b > 0xFF) { cift.clear(); break; }
        cift << QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
      }
      if (cift.size() == 6) metin = cift.join(u'-');
    }
    // An adapter without a readable address ends the walk with an empty text.
    if (metin != sifir) break;
  }
  return metin;
}

QString BilgisayarIdAl() {
  QString id;
  try {
    id = DiskSeriNoAl().trimmed();
  } catch (...) {
    id.clear();
  }
  if (id.isEmpty()) {
    try {
      id = MacAdresiAl().trimmed();
    } catch (...) {
      id.clear();
    }
  }
  id.remove(u' ');
  if (id == QStringLiteral("K71PQW4R918264M") || id == QStringLiteral("M58TRZ2J347159C"))
    id = QStringLiteral("907261835574");
  return id;
}

QString BilgisayarAdiAl() {
  const KimlikKaynaklari k = KimlikKaynaklariAl();
  if (k.bilgisayarAdi) return k.bilgisayarAdi();
  char ad[256] = {};
  if (gethostname(ad, sizeof ad - 1) != 0) return {};
  return QString::fromLocal8Bit(ad);
}

QString KullaniciAdiAl() {
  const KimlikKaynaklari k = KimlikKaynaklariAl();
  if (k.kullaniciAdi) return k.kullaniciAdi();
  passwd pw{};
  passwd* sonuc = nullptr;
  char tampon[4096];
  if (getpwuid_r(geteuid(), &pw, tampon, sizeof tampon, &sonuc) == 0 && sonuc && sonuc->pw_name)
    return QString::fromLocal8Bit(sonuc->pw_name);
  return QString::fromLocal8Bit(qgetenv("USER"));
}

QString YerelIpAl() {
  const QString yedek = QStringLiteral("127.0.0.1");
  const QByteArray ad = BilgisayarAdiAl().toLocal8Bit();
  if (ad.isEmpty()) return yedek;
  addrinfo ipucu{};
  ipucu.ai_family = AF_INET;
  ipucu.ai_socktype = SOCK_STREAM;
  addrinfo* liste = nullptr;
  if (getaddrinfo(ad.constData(), nullptr, &ipucu, &liste) != 0 || !liste) return yedek;
  QString sonuc = yedek;
  for (addrinfo* a = liste; a; a = a->ai_next) {
    if (a->ai_family != AF_INET || !a->ai_addr) continue;
    char metin[INET_ADDRSTRLEN] = {};
    const auto* sin = reinterpret_cast<const sockaddr_in*>(a->ai_addr);
    if (inet_ntop(AF_INET, &sin->sin_addr, metin, sizeof metin)) {
      sonuc = QString::fromLatin1(metin);
      break;
    }
  }
  freeaddrinfo(liste);
  return sonuc;
}

// ---------------------------------------------------------------- folders

QString AyarKlasoru() {
  const KimlikKaynaklari k = KimlikKaynaklariAl();
  QString kok = AyarKoku(k);
  if (kok.isEmpty()) kok = QDir::tempPath();
  const QString klasor = QDir::cleanPath(kok + QStringLiteral("/dravik"));
  // The config root itself may be missing on a fresh account: create the whole path.
  QDir().mkpath(klasor);
  return klasor;
}

QString BelgelerKlasoru() { return KullaniciKlasoru("XDG_DOCUMENTS_DIR", QStringLiteral("Documents")); }

QString MasaustuKlasoru() { return KullaniciKlasoru("XDG_DESKTOP_DIR", QStringLiteral("Desktop")); }
