#include "session/dosyaindiru.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QProgressBar>
#include <QSaveFile>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>
#include <QVBoxLayout>

#include "platform/core/sayibicim.h"
#include "session/girisformu.h"
#include "session/programayarlari.h"
#include "session/utils.h"
#include "session/webistek.h"

namespace {
const char* const kSetupAdi = "DravikB2BSetup.exe";
}

Tdosyaindir* Tdosyaindir::Yeni(QWidget* AOwner, int _y) {
  auto* d = new Tdosyaindir(AOwner);
  d->sLabel1->setText(
      QStringLiteral("Dravik B2B Programı Programının\r\nYeni versiyonu indirilecektir\r\nLütfen Bekleyiniz...!\r\nVersion: ") +
      QString::number(_y) + QLatin1Char('-') + QString::number(Tgirisform::kSurum));
  d->adres_ = ProgramAyarlari().UreticiAdres + QStringLiteral("exe/") + QLatin1String(kSetupAdi);
  d->basladi_->store(false);
  return d;
}

Tdosyaindir::Tdosyaindir(QWidget* AOwner)
    : QDialog(AOwner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      basladi_(std::make_shared<std::atomic_bool>(false)),
      dur_(std::make_shared<std::atomic_bool>(false)) {
  setObjectName(QStringLiteral("dosyaindir"));
  setWindowTitle(QStringLiteral("Dosya İndir"));
  setFixedSize(543, 309);
  auto* dikey = new QVBoxLayout(this);
  dikey->setContentsMargins(0, 0, 0, 0);
  dikey->setSpacing(0);

  sLabel1 = new QLabel(QStringLiteral("Telmora Online Satış Programının\r\nYeni versiyonu indirilecektir.\r\nLütfen Bekleyiniz."), this);
  sLabel1->setObjectName(QStringLiteral("sLabel1"));
  sLabel1->setAlignment(Qt::AlignCenter);
  sLabel1->setWordWrap(true);
  QFont bf(QStringLiteral("Tahoma"));
  bf.setPixelSize(27);
  sLabel1->setFont(bf);
  // Colour value 5786691 is blue 0x58, green 0x4C, red 0x43 in the window toolkit's order.
  sLabel1->setStyleSheet(QStringLiteral("color: rgb(67,76,88);"));
  dikey->addWidget(sLabel1, 1);

  Panel1 = new QWidget(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFixedHeight(58);
  auto* pd = new QVBoxLayout(Panel1);
  pd->setContentsMargins(0, 0, 0, 0);
  pd->setSpacing(0);
  bilgi = new QLabel(QStringLiteral("Lütfen Bekleyin...."), Panel1);
  bilgi->setObjectName(QStringLiteral("bilgi"));
  QFont kf(QStringLiteral("Tahoma"));
  kf.setPixelSize(13);
  kf.setBold(true);
  bilgi->setFont(kf);
  pd->addWidget(bilgi);
  ProgressBar1 = new QProgressBar(Panel1);
  ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
  ProgressBar1->setTextVisible(false);
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
  pd->addWidget(ProgressBar1, 1);
  dikey->addWidget(Panel1);
}

Tdosyaindir::~Tdosyaindir() {
  // A download still running stops at its next block; the thread frees itself.
  dur_->store(true);
}

QString Tdosyaindir::HedefDosya() {
  QString klasor = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  if (klasor.isEmpty()) klasor = QDir::tempPath();
  QDir().mkpath(klasor);
  return klasor + QLatin1Char('/') + QLatin1String(kSetupAdi);
}

QString Tdosyaindir::IlerlemeMetni(qint64 okunan, qint64 toplam) {
  const double yuzde = double(okunan) / double(toplam) * 100.0;
  const double alinan = double(okunan) / 1024.0 / 1024.0;
  const double butun = double(toplam) / 1024.0 / 1024.0;
  return QStringLiteral("Bilgi: %") + FormatF(yuzde, 2) + QStringLiteral("  İndirilen: ") + FormatF(alinan, 2) +
         QLatin1Char('/') + FormatF(butun, 2) + QStringLiteral(" Mb");
}

void Tdosyaindir::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  // Offscreen and some window managers never activate a window; the first show counts too.
  Baslat();
}

void Tdosyaindir::changeEvent(QEvent* e) {
  QDialog::changeEvent(e);
  if (e->type() == QEvent::ActivationChange && isActiveWindow()) Baslat();
}

void Tdosyaindir::Baslat() {
  // Only one download per window, however often it becomes active.
  if (basladi_->exchange(true)) return;
  QPointer<Tdosyaindir> pencere(this);
  const QString adres = adres_;
  auto dur = dur_;
  is_ = QThread::create([pencere, adres, dur] {
    auto anaIs = [pencere](auto f) {
      QMetaObject::invokeMethod(qApp, [pencere, f] {
        if (pencere) f(pencere.data());
      }, Qt::QueuedConnection);
    };
    const QString hedef = HedefDosya();
    if (QFile::exists(hedef) && !QFile::remove(hedef)) {
      anaIs([hedef](Tdosyaindir* d) { d->Hata(QStringLiteral("Eski kurulum dosyası silinemedi: %1").arg(hedef)); });
      return;
    }
    TWebIstegi istek;
    istek.adres = adres;
    istek.baglanmaMs = 60000;
    istek.okumaMs = 60000;
    istek.dur = dur.get();
    istek.basliklar = {
        {"Accept", "text/html,application/xhtml+xml,application/xml;q=0.9,image/webp,image/apng,*/*;q=0.8"},
        {"Accept-Encoding", "gzip, deflate"},
        {"Accept-Language", "en-US,tr-TR;q=0.8,tr;q=0.6,en;q=0.4"},
        {"User-Agent",
         "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/60.0.3112.32 "
         "Safari/537.36"}};
    istek.ilerleme = [anaIs](qint64 okunan, qint64 toplam) {
      anaIs([okunan, toplam](Tdosyaindir* d) { d->IlerlemeGoster(okunan, toplam); });
    };
    const TWebYaniti y = WebAl(istek);
    if (dur->load()) return;
    if (!y.Basarili()) {
      // An error page or a cut-off body is never saved as the setup.
      const QString neden = y.DurumMetni();
      anaIs([neden](Tdosyaindir* d) { d->Hata(neden); });
      return;
    }
    QSaveFile f(hedef);
    if (!f.open(QIODevice::WriteOnly) || f.write(y.govde) != y.govde.size() || !f.commit()) {
      const QString neden = QStringLiteral("%1: %2").arg(hedef, f.errorString());
      anaIs([neden](Tdosyaindir* d) { d->Hata(neden); });
      return;
    }
    anaIs([hedef](Tdosyaindir* d) { d->SetupCalistir(hedef); });
  });
  connect(is_, &QThread::finished, is_, &QObject::deleteLater);
  is_->start();
}

void Tdosyaindir::IlerlemeGoster(qint64 okunan, qint64 toplam) {
  if (toplam <= 0) return;
  bilgi->setText(IlerlemeMetni(okunan, toplam));
  // The bar counts in kilobytes so that files above 2 GB still fit its range.
  const bool buyuk = toplam > std::numeric_limits<int>::max();
  ProgressBar1->setMaximum(int(buyuk ? toplam / 1024 : toplam));
  ProgressBar1->setValue(int(buyuk ? okunan / 1024 : okunan));
  bilgi->repaint();
  ProgressBar1->repaint();
}

void Tdosyaindir::Hata(const QString& metin) {
  MesajGoster(QStringLiteral("Hata Oluştu !\r\nHata: ") + metin, mtHata, {mbOK}, mbOK);
  Bitir();
}

void Tdosyaindir::SetupCalistir(const QString& yol) {
#ifdef Q_OS_WIN
  if (!QProcess::startDetached(yol, {QStringLiteral("/silent")}))
    MesajGoster(QStringLiteral("Kurulum programı başlatılamadı:\r\n") + yol, mtHata, {mbOK}, mbOK);
#else
  MesajGoster(QStringLiteral("Yeni sürümün kurulum dosyası indirildi:\r\n%1\r\n\r\n"
                             "Bu bir Windows kurulum programıdır ve bu bilgisayarda çalıştırılamaz. "
                             "Lütfen yeni sürümü Windows bir bilgisayara kurunuz.")
                  .arg(QDir::toNativeSeparators(yol)),
              mtBilgi, {mbOK}, mbOK);
#endif
  Bitir();
}

void Tdosyaindir::Bitir() {
  if (bitti_) return;
  bitti_ = true;
  dur_->store(true);
  ProgramiBitir();
  // Reached only when a test has replaced the end of the program.
  QDialog::reject();
}

void Tdosyaindir::closeEvent(QCloseEvent* e) {
  e->accept();
  Bitir();
}

void Tdosyaindir::reject() { Bitir(); }
