#include "session/programayarlari.h"

#include <QCommandLineParser>
#include <QUrl>
#include <cstdio>
#include <cstdlib>

#include "session/utils.h"

namespace {
std::function<void()>& BitirKancasi() {
  static std::function<void()> k;
  return k;
}

QString EgikCizgiyleBitir(QString s) {
  if (!s.endsWith(QLatin1Char('/'))) s += QLatin1Char('/');
  return s;
}

bool AdresGecerli(const QString& s) {
  const QUrl u(s, QUrl::StrictMode);
  return u.isValid() && (u.scheme() == QLatin1String("http") || u.scheme() == QLatin1String("https")) &&
         !u.host().isEmpty();
}
}  // namespace

TProgramAyarlari& ProgramAyarlari() {
  static TProgramAyarlari a;
  return a;
}

QString WebSitesiKisaAdi() {
  const QUrl u(ProgramAyarlari().WebAdres);
  return u.host().isEmpty() ? ProgramAyarlari().WebAdres : u.host();
}

QString KimlikAl() {
  const QString k = ProgramAyarlari().Kimlik.trimmed();
  return k.isEmpty() ? BilgisayarIdAl() : k;
}

bool KomutSatiriniUygula(const QStringList& argumanlar, QString* hata, QString* yardim) {
  QCommandLineParser p;
  p.setApplicationDescription(QStringLiteral("Dravik B2B Programı"));
  p.addHelpOption();
  p.addVersionOption();
  const QCommandLineOption sunucu(QStringLiteral("sunucu"),
                                  QStringLiteral("Uygulama sunucusu (varsayılan %1:%2).")
                                      .arg(ProgramAyarlari().SunucuHost, ProgramAyarlari().SunucuPort),
                                  QStringLiteral("HOST:PORT"));
  const QCommandLineOption web(QStringLiteral("web"),
                               QStringLiteral("Portalın web sitesi (varsayılan %1).").arg(ProgramAyarlari().WebAdres),
                               QStringLiteral("URL"));
  const QCommandLineOption uretici(
      QStringLiteral("uretici"),
      QStringLiteral("Üreticinin sunucusu: ip.php ve kurulum dosyası (varsayılan %1).").arg(ProgramAyarlari().UreticiAdres),
      QStringLiteral("URL"));
  const QCommandLineOption kimlik(QStringLiteral("kimlik"),
                                  QStringLiteral("Bilgisayar kimliği yerine bu metni kullan (deneme için)."),
                                  QStringLiteral("METIN"));
  const QCommandLineOption otomatik(QStringLiteral("otomatik-giris"),
                                    QStringLiteral("Giriş penceresi açılınca \"Giriş\" düğmesine bir kez bas."));
  p.addOptions({sunucu, web, uretici, kimlik, otomatik});
  if (yardim) *yardim = p.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("DravikB2B"));
  if (!p.parse(argumanlar)) {
    if (hata) *hata = p.errorText();
    return false;
  }
  TProgramAyarlari& a = ProgramAyarlari();
  if (p.isSet(sunucu)) {
    const QString v = p.value(sunucu).trimmed();
    const int iki = v.lastIndexOf(QLatin1Char(':'));
    QString host = iki >= 0 ? v.left(iki) : v;
    const QString port = iki >= 0 ? v.mid(iki + 1) : a.SunucuPort;
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']'))) host = host.mid(1, host.size() - 2);
    bool sayi = false;
    const int pn = port.toInt(&sayi);
    if (host.isEmpty() || !sayi || pn <= 0 || pn > 65535) {
      if (hata) *hata = QStringLiteral("--sunucu HOST:PORT biçiminde olmalı: %1").arg(v);
      return false;
    }
    a.SunucuHost = host;
    a.SunucuPort = QString::number(pn);
  }
  for (const auto& [secenek, hedef] : {std::pair{&web, &a.WebAdres}, std::pair{&uretici, &a.UreticiAdres}}) {
    if (!p.isSet(*secenek)) continue;
    const QString v = p.value(*secenek).trimmed();
    if (!AdresGecerli(v)) {
      if (hata) *hata = QStringLiteral("--%1 geçerli bir http adresi olmalı: %2").arg(secenek->names().first(), v);
      return false;
    }
    *hedef = EgikCizgiyleBitir(v);
  }
  if (p.isSet(kimlik)) a.Kimlik = p.value(kimlik);
  a.OtomatikGiris = p.isSet(otomatik);
  return true;
}

void ProgramiBitir() {
  if (BitirKancasi()) {
    BitirKancasi()();
    return;
  }
  std::fflush(stdout);
  std::fflush(stderr);
  std::_Exit(0);
}

void ProgramiBitirKur(std::function<void()> kanca) { BitirKancasi() = std::move(kanca); }
