#include "tests/ortak/sunucusureci.h"

#include <signal.h>
#include <sys/prctl.h>

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include "platform/rpc/dsbaglanti.h"
#include "tests/ortak/httpistek.h"

TSunucuSureci::TSunucuSureci(QStringList ekArgumanlar) : ekler_(std::move(ekArgumanlar)) {}

TSunucuSureci::~TSunucuSureci() { Durdur(); }

QString TSunucuSureci::SunucuProgrami() { return QStringLiteral(DRAVIK_SUNUCU_YOLU); }
QString TSunucuSureci::Adres() const { return QStringLiteral("http://127.0.0.1:%1/").arg(port_); }
QString TSunucuSureci::WebAdres() const { return QStringLiteral("http://127.0.0.1:%1/").arg(webPort_); }
QString TSunucuSureci::VeritabaniYolu() const { return dizin_.filePath(QStringLiteral("sunucu.db")); }

bool TSunucuSureci::Baslat(int beklemeMs) {
  if (surec_) return true;
  if (!dizin_.isValid()) {
    hata_ = QStringLiteral("geçici klasör oluşturulamadı");
    return false;
  }
  surec_ = std::make_unique<QProcess>();
  surec_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
  // the server ends with the test process even when a test aborts
  surec_->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
  QStringList arg{QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--web-port"), QStringLiteral("0"),
                  QStringLiteral("--adres"), QStringLiteral("127.0.0.1"), QStringLiteral("--db"), VeritabaniYolu()};
  arg += ekler_;
  surec_->start(SunucuProgrami(), arg);
  if (!surec_->waitForStarted(10000)) {
    hata_ = QStringLiteral("sunucu başlatılamadı: %1").arg(surec_->errorString());
    surec_.reset();
    return false;
  }
  static const QRegularExpression satirDeseni(QStringLiteral("DINLIYOR port=(\\d+) web=(\\d+)"));
  QByteArray cikti;
  QElapsedTimer sure;
  sure.start();
  while (sure.elapsed() < beklemeMs) {
    if (surec_->state() == QProcess::NotRunning) break;
    surec_->waitForReadyRead(200);
    cikti += surec_->readAllStandardOutput();
    const auto m = satirDeseni.match(QString::fromUtf8(cikti));
    if (m.hasMatch()) {
      port_ = m.captured(1).toInt();
      webPort_ = m.captured(2).toInt();
      return true;
    }
  }
  hata_ = QStringLiteral("sunucu hazır olmadı (çıktı: %1)").arg(QString::fromUtf8(cikti));
  Durdur();
  return false;
}

void TSunucuSureci::Durdur() {
  if (!surec_) return;
  if (surec_->state() != QProcess::NotRunning) {
    surec_->terminate();
    if (!surec_->waitForFinished(5000)) {
      surec_->kill();
      surec_->waitForFinished(5000);
    }
  }
  surec_.reset();
}

void TSunucuSureci::Oldur() {
  if (!surec_) return;
  surec_->kill();
  surec_->waitForFinished(5000);
  surec_.reset();
}

void TSunucuSureci::Ayarla(TSQLConnection& baglanti) const {
  baglanti.Params.insert(QStringLiteral("HostName"), Host());
  baglanti.Params.insert(QStringLiteral("Port"), QString::number(port_));
}

QByteArray TSunucuSureci::Istek(const QByteArray& yontem, const QString& adres, const QByteArray& govde, int* durum) const {
  return HttpIstek(yontem, adres, govde, durum, 30000);
}

bool TSunucuSureci::HataKur(const QString& yontem, const QString& tur, int ms, const QString& mesaj, int kez) {
  const QJsonObject o{{QStringLiteral("yontem"), yontem}, {QStringLiteral("tur"), tur}, {QStringLiteral("ms"), ms},
                      {QStringLiteral("mesaj"), mesaj}, {QStringLiteral("kez"), kez}};
  int durum = 0;
  Istek("POST", Adres() + QStringLiteral("admin/hata"), QJsonDocument(o).toJson(QJsonDocument::Compact), &durum);
  return durum == 200;
}

bool TSunucuSureci::HatalariTemizle() {
  int durum = 0;
  Istek("DELETE", Adres() + QStringLiteral("admin/hata"), {}, &durum);
  return durum == 200;
}

QList<QJsonObject> TSunucuSureci::Cagrilar() {
  QList<QJsonObject> l;
  const QByteArray govde = Get(QStringLiteral("admin/cagrilar"));
  for (const QByteArray& satir : govde.split('\n'))
    if (!satir.trimmed().isEmpty()) l << QJsonDocument::fromJson(satir).object();
  return l;
}

bool TSunucuSureci::CagrilariTemizle() {
  int durum = 0;
  Istek("DELETE", Adres() + QStringLiteral("admin/cagrilar"), {}, &durum);
  return durum == 200;
}

int TSunucuSureci::Bildir(const QJsonValue& mesaj, const QString& kanal) {
  const QJsonObject o{{QStringLiteral("mesaj"), mesaj}, {QStringLiteral("kanal"), kanal}};
  int durum = 0;
  const QByteArray c = Istek("POST", Adres() + QStringLiteral("admin/bildir"), QJsonDocument(o).toJson(QJsonDocument::Compact), &durum);
  if (durum != 200) return -1;
  return QJsonDocument::fromJson(c).object().value(QStringLiteral("alici")).toInt(-1);
}

int TSunucuSureci::DinleyiciSayisi(const QString& kanal) {
  const QByteArray c = Get(QStringLiteral("admin/dinleyiciler?kanal=") + kanal);
  return QJsonDocument::fromJson(c).object().value(QStringLiteral("sayi")).toInt(-1);
}
