#include "session/girisformu.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QTimer>

#include "desk/formistekyeniu.h"
#include "platform/controls/golgeetiket.h"
#include "platform/controls/mesgulgosterge.h"
#include "platform/rpc/dsbaglanti.h"
#include "session/ayardosyasi.h"
#include "session/baglantiu.h"
#include "session/beklesinu.h"
#include "session/dosyaindiru.h"
#include "session/programayarlari.h"
#include "session/proxim.h"
#include "session/utils.h"
#include "session/webistek.h"

namespace {

// The password edit shows every character as "*", whatever the style's own mark is.
class TYildizliSifreStili : public QProxyStyle {
 public:
  int styleHint(StyleHint ipucu, const QStyleOption* o, const QWidget* w, QStyleHintReturn* r) const override {
    if (ipucu == SH_LineEdit_PasswordCharacter) return '*';
    return QProxyStyle::styleHint(ipucu, o, w, r);
  }
};
const QString kBolum = QStringLiteral("kullanici");
const QString kIsim = QStringLiteral("isim");
const QString kSifre = QStringLiteral("sifre");
const QString kHatirla = QStringLiteral("hatırla");
const QString kHataliGiris = QStringLiteral("Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !");

// Keeps what is typed in capitals, with the cursor where it was.
void BuyukHarfYap(QLineEdit* e) {
  QObject::connect(e, &QLineEdit::textEdited, e, [e](const QString& t) {
    const QString b = t.toUpper();
    if (b == t) return;
    const int imlec = e->cursorPosition();
    e->setText(b);
    e->setCursorPosition(qMin(imlec, int(b.size())));
  });
}

QPixmap ArkaPlanResmi(const QSize& boy) {
  QPixmap p(boy);
  QPainter g(&p);
  QLinearGradient lg(0, 0, 0, boy.height());
  lg.setColorAt(0.0, QColor(226, 214, 240));
  lg.setColorAt(0.45, QColor(132, 92, 178));
  lg.setColorAt(1.0, QColor(58, 30, 94));
  g.fillRect(p.rect(), lg);
  g.setPen(QColor(255, 255, 255, 235));
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(40);
  f.setBold(true);
  g.setFont(f);
  g.drawText(QRect(0, 130, boy.width(), 56), Qt::AlignCenter, QStringLiteral("Dravik B2B"));
  f.setPixelSize(15);
  f.setBold(false);
  g.setFont(f);
  g.drawText(QRect(0, 184, boy.width(), 24), Qt::AlignCenter, QStringLiteral("Online Sipariş Programı"));
  return p;
}
}  // namespace

struct Tgirisform::TBaglanSonucu {
  bool dogrusonuc = false;
  TSonucBilgisi kayit;
};

std::function<bool(Tgirisform*)> Tgirisform::CariSecimiAcici;

QString Tgirisform::AyarDosyasiYolu() { return AyarKlasoru() + QStringLiteral("/ayar.ini"); }

Tgirisform::Tgirisform(QWidget* owner)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      dur_(std::make_shared<std::atomic_bool>(false)) {
  // A window of its own with its own taskbar button; the opener still owns its lifetime.
  if (owner) connect(owner, &QObject::destroyed, this, [this] { deleteLater(); });
  setObjectName(QStringLiteral("girisform"));
  setWindowTitle(QStringLiteral("Giriş"));
  setFixedSize(368, 550);
  QFont f(QStringLiteral("Tahoma"));
  f.setPixelSize(13);
  f.setBold(true);
  setFont(f);

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(rect());
  Image1->setAlignment(Qt::AlignCenter);
  Image1->setPixmap(ArkaPlanResmi(size()));

  RxLabel1 = new TGolgeliEtiket(this);
  RxLabel1->setObjectName(QStringLiteral("RxLabel1"));
  RxLabel1->setText(QStringLiteral("Telmora Yazılım Ltd. Şti.\nAtatürk Cad. No: 12 Çankaya\nTel: 0 (312) 555 00 00"));
  RxLabel1->setAlignment(Qt::AlignCenter);
  QFont af(QStringLiteral("Arial"));
  af.setPixelSize(19);
  af.setBold(true);
  RxLabel1->setFont(af);
  RxLabel1->YaziRengiAta(Qt::black);
  RxLabel1->GolgeRengiAta(Qt::white);
  RxLabel1->setGeometry(8, 14, 352, 96);

  const QString turuncu = QStringLiteral("color: white; background-color: rgb(255,128,0); font-weight: bold;");
  Label1 = new QLabel(QStringLiteral(" Kullanıcı Adı:"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setStyleSheet(turuncu);
  Label1->setGeometry(44, 262, 280, 24);
  adi = new QLineEdit(this);
  adi->setObjectName(QStringLiteral("adi"));
  adi->setGeometry(44, 288, 280, 30);
  BuyukHarfYap(adi);

  Label2 = new QLabel(QStringLiteral(" Şifre:"), this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setStyleSheet(turuncu);
  Label2->setGeometry(44, 330, 280, 24);
  sifre = new QLineEdit(this);
  sifre->setObjectName(QStringLiteral("sifre"));
  sifre->setGeometry(44, 356, 280, 30);
  sifre->setEchoMode(QLineEdit::Password);
  auto* yildiz = new TYildizliSifreStili;  // every character as "*"
  yildiz->setParent(sifre);
  sifre->setStyle(yildiz);

  BuyukHarfYap(sifre);

  benihatirla = new QCheckBox(QStringLiteral("Beni hatırla"), this);
  benihatirla->setObjectName(QStringLiteral("benihatirla"));
  benihatirla->setChecked(true);
  benihatirla->setStyleSheet(QStringLiteral("QCheckBox { color: white; }"));
  benihatirla->setGeometry(44, 396, 280, 24);

  Button1 = new QPushButton(QStringLiteral("Giriş"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(44, 432, 134, 40);
  Button1->setAutoDefault(false);
  Button2 = new QPushButton(QStringLiteral("Vazgeç"), this);
  Button2->setObjectName(QStringLiteral("Button2"));
  Button2->setGeometry(190, 432, 134, 40);
  Button2->setAutoDefault(false);

  RxGIFAnimator1 = new TMesgulGosterge(this, 28);
  RxGIFAnimator1->setObjectName(QStringLiteral("RxGIFAnimator1"));
  RxGIFAnimator1->setGeometry(170, 488, 28, 28);
  RxGIFAnimator1->Durdur();

  setTabOrder(Button1, Button2);
  setTabOrder(Button2, benihatirla);
  setTabOrder(benihatirla, adi);
  setTabOrder(adi, sifre);

  adi->installEventFilter(this);
  sifre->installEventFilter(this);
  connect(Button1, &QPushButton::clicked, this, &Tgirisform::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &Tgirisform::Button2Click);

  // FormCreate
  idsi = KimlikAl();
  AyarOku();
}

Tgirisform::~Tgirisform() { dur_->store(true); }

void Tgirisform::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  adi->setFocus();
  if (ProgramAyarlari().OtomatikGiris && !otomatikBasildi_) {
    otomatikBasildi_ = true;
    QTimer::singleShot(0, this, [this] {
      if (Button1->isEnabled()) Button1Click();
    });
  }
}

void Tgirisform::reject() {
  // Closing the window stops a lookup still running in the background.
  dur_->store(true);
  QDialog::reject();
}

void Tgirisform::AyarOku() {
  TAyarDosyasi ini(AyarDosyasiYolu());
  if (!ini.Varmi()) return;
  ini.Oku();
  benihatirla->setChecked(ini.MantiksalOku(kBolum, kHatirla, true));
  if (benihatirla->isChecked()) {
    adi->setText(ini.DegerOku(kBolum, kIsim).toUpper());
    sifre->setText(ini.DegerOku(kBolum, kSifre).toUpper());
  }
}

void Tgirisform::AyarYaz() {
  TAyarDosyasi ini(AyarDosyasiYolu());
  ini.Oku();
  ini.DegerYaz(kBolum, kIsim, adi->text());
  ini.DegerYaz(kBolum, kSifre, sifre->text());
  ini.MantiksalYaz(kBolum, kHatirla, benihatirla->isChecked());
  QString hata;
  if (!ini.Kaydet(&hata))
    MesajGoster(QStringLiteral("Giriş bilgileri kaydedilemedi.\r\n%1\r\n%2").arg(ini.Yol(), hata), mtUyari, {mbOK}, mbOK);
}

void Tgirisform::UyariGoster(const QString& metin, QLineEdit* alan) {
  QApplication::beep();
  MesajGoster(metin, mtUyari, {mbOK}, mbOK);
  alan->selectAll();
  alan->setFocus();
}

bool Tgirisform::eventFilter(QObject* nesne, QEvent* olay) {
  if (olay->type() == QEvent::KeyPress) {
    const auto* k = static_cast<QKeyEvent*>(olay);
    if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
      if (nesne == adi) {
        if (adi->text().trimmed().isEmpty()) {
          UyariGoster(QStringLiteral("Lütfen kullanıcı adını giriniz !"), adi);
        } else {
          sifre->selectAll();
          sifre->setFocus();
        }
        return true;
      }
      if (nesne == sifre) {
        if (sifre->text().trimmed().isEmpty())
          UyariGoster(QStringLiteral("Lütfen kullanıcı şifresini giriniz !"), sifre);
        else if (Button1->isEnabled())
          Button1Click();
        return true;
      }
    }
  }
  return QDialog::eventFilter(nesne, olay);
}

void Tgirisform::Button2Click() {
  dur_->store(true);
  ProgramiBitir();
  QDialog::reject();
}

QString Tgirisform::DisIpAl(const std::atomic_bool* dur) {
  TWebIstegi istek;
  istek.adres = ProgramAyarlari().UreticiAdres + QStringLiteral("ip.php");
  istek.baglanmaMs = 15000;
  istek.okumaMs = 1500;
  istek.dur = dur;
  for (;;) {
    if (dur && dur->load()) return {};
    const TWebYaniti y = WebAl(istek);
    if (y.Basarili()) return QString::fromUtf8(y.govde).trimmed();
    // Wait a second before asking again, waking early when told to stop.
    for (int i = 0; i < 10; ++i) {
      if (dur && dur->load()) return {};
      QThread::msleep(100);
    }
  }
}

void Tgirisform::Button1Click() {
  if (!Button1->isEnabled()) return;
  Button1->setText(QStringLiteral("Bağlanıyor..."));
  Button1->setEnabled(false);
  auto i = std::make_shared<QString>();
  RxGIFAnimator1->Baslat();
  auto dur = dur_;
  Async([i, dur] { *i = DisIpAl(dur.get()); })->Await(this, [this, i] {
    Button1->setText(QStringLiteral("Giriş!"));
    RxGIFAnimator1->Durdur();
    Devamet(*i);
  });
}

void Tgirisform::Devamet(const QString& ip) {
  if (ip.trimmed().isEmpty()) {
    MesajGoster(QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyiniz !"), mtHata, {mbOK}, mbOK);
    Button1->setEnabled(true);
    return;
  }
  Bilgim->SetDisip(ip);
  bagim->Params[QStringLiteral("HostName")] = ProgramAyarlari().SunucuHost;
  auto sonuc = std::make_shared<TBaglanSonucu>();
  auto klon = std::shared_ptr<TSQLConnection>(bagim->Clone());
  const QString kimlik = idsi;
  auto dur = dur_;
  Async([sonuc, klon, kimlik, dur] {
    // SunucuyaBaglan: the server's record for this computer on a clone of the connection.
    try {
      if (!BaglantiAc(*klon, 0)) {
        klon->Close();
        return;
      }
      bool kayitVar = false;
      try {
        TServerMethods1Client proxy(klon.get());
        // The record belongs to the proxy's command: copy it before the proxy ends.
        if (const TSonucBilgisi* r = proxy.BuyukGetir(kimlik)) {
          sonuc->kayit.Kopyala(r);
          kayitVar = true;
        }
      } catch (const EDSHatasi& e) {
        MesajGoster(e.Mesaj(), mtHata, {mbOK}, mbOK);
      } catch (const std::exception& e) {
        MesajGoster(QString::fromUtf8(e.what()), mtHata, {mbOK}, mbOK);
      }
      klon->Close();
      if (!kayitVar) return;
      TSonucBilgisi& k = sonuc->kayit;
      k.SetBilgiSayarAdi(BilgisayarAdiAl());
      k.SetBilgisayarKullanici(KullaniciAdiAl());
      k.SetIcip(YerelIpAl());
      k.SetBILGISAYARID(KimlikAl());
      const QString dis = DisIpAl(dur.get());
      if (dur->load()) return;
      k.SetDisip(dis);
      sonuc->dogrusonuc = true;
    } catch (...) {
      sonuc->dogrusonuc = false;
    }
  })->Await(this, [this, sonuc] { GirisKarari(sonuc); });
}

void Tgirisform::TekrarDenemeyeDon() {
  Button1->setEnabled(true);
  adi->selectAll();
  adi->setFocus();
}

void Tgirisform::GirisKarari(const std::shared_ptr<TBaglanSonucu>& sonuc) {
  RxGIFAnimator1->Durdur();
  if (!sonuc->dogrusonuc) {
    MesajGoster(QStringLiteral("Bağlantı Kurulamadı !"), mtHata, {mbOK}, mbOK);
    TekrarDenemeyeDon();
    return;
  }
  Bilgim->Kopyala(&sonuc->kayit);
  if (Bilgim->Version() != kSurum) {
    GuncellemeAc();
    return;
  }
  if (!Bilgim->Varmi()) {
    IstekFormuAc();
    return;
  }
  if (adi->text() == Bilgim->ADI() && sifre->text() == Bilgim->SIFRE()) {
    AyarYaz();
    if (Bilgim->AKTIF() == 1) {
      if (Bilgim->MusteriTipi() == 1 || Bilgim->MusteriTipi() == 2) {
        if (!CariSecimiAc()) {
          ProgramiBitir();
          QDialog::reject();
          return;
        }
      }
      accept();
      return;
    }
  }
  MesajGoster(kHataliGiris, mtUyari, {mbOK}, mbOK);
  TekrarDenemeyeDon();
}

void Tgirisform::GuncellemeAc() {
  Tdosyaindir* d = Tdosyaindir::Yeni(this, Bilgim->Version());
  d->bag = bagim;
  d->exec();
  delete d;
  // The download window ends the program on every way out.
  ProgramiBitir();
  QDialog::reject();
}

void Tgirisform::IstekFormuAc() {
  auto* f = new Tformistekyeni(this);
  f->setWindowTitle(QStringLiteral("Dravik B2B Programı İstek Formu"));
  f->Git(ProgramAyarlari().WebAdres + QStringLiteral("formmailgonder.aspx?carino=0&kullanici= &id=") + KimlikAl());
  f->exec();
  delete f;
  ProgramiBitir();
  QDialog::reject();
}

bool Tgirisform::CariSecimiAc() { return CariSecimiAcici ? CariSecimiAcici(this) : true; }
