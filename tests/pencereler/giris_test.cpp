// Login window against the reference server: every outcome of the server's record, the
// remembered login in a real ayar.ini, keys, cancel, unreachable hosts and the update download.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "desk/formistekyeniu.h"
#include "platform/controls/golgeetiket.h"
#include "platform/controls/mesgulgosterge.h"
#include "platform/core/sayibicim.h"
#include "platform/rpc/dsbaglanti.h"
#include "session/ayardosyasi.h"
#include "session/baglantiu.h"
#include "session/dosyaindiru.h"
#include "session/girisformu.h"
#include "session/mesajsahte.h"
#include "session/programayarlari.h"
#include "session/utils.h"
#include "tests/ortak/sunucusureci.h"
#include "tests/pencereler/pencereortami.h"

namespace {
const QString kHatali = QStringLiteral("Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !");

QByteArray DosyaOku(const QString& yol) {
  QFile f(yol);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

class GirisTesti : public QObject, TPencereOrtami {
  Q_OBJECT

  QTemporaryDir veriKoku;

  struct Oturum {
    TSQLConnection bag;
    TSonucBilgisi bilgi;
    std::unique_ptr<Tgirisform> f;
  };

  std::unique_ptr<Oturum> Ac(const QString& kimlik, int port = 0) {
    ProgramAyarlari().Kimlik = kimlik;
    auto o = std::make_unique<Oturum>();
    srv->Ayarla(o->bag);
    if (port) o->bag.Params[QStringLiteral("Port")] = QString::number(port);
    o->f = std::make_unique<Tgirisform>();
    o->f->bagim = &o->bag;
    o->f->Bilgim = &o->bilgi;
    o->f->show();
    return o;
  }
  // Types the login, presses "Giriş" and waits until the attempt has ended.
  void Giris(Oturum& o, const QString& isim, const QString& sifre, int ms = 30000) {
    o.f->adi->setText(isim);
    o.f->sifre->setText(sifre);
    QTest::mouseClick(o.f->Button1, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!o.f->isVisible() || o.f->Button1->isEnabled(), ms);
  }
  QString AyarYolu() const { return ayarKoku.path() + QStringLiteral("/dravik/ayar.ini"); }

 private slots:
  void initTestCase() {
    qputenv("XDG_DATA_HOME", veriKoku.path().toUtf8());
    QVERIFY2(OrtamKur(), qPrintable(srv->Hata()));
  }
  void cleanupTestCase() { OrtamBirak(); }
  void init() {
    QFile::remove(AyarYolu());
    OrtamSifirla();
  }

  void girisBasarili_data() {
    QTest::addColumn<QString>("kimlik");
    QTest::addColumn<QString>("isim");
    QTest::addColumn<int>("tip");
    QTest::newRow("musteri") << "DEMO-MUSTERI" << "MUSTERI" << 0;
    QTest::newRow("kisitli") << "DEMO-KISITLI" << "KISITLI" << 3;
    QTest::newRow("kampanyasiz") << "DEMO-KAMPANYASIZ" << "KAMPANYASIZ" << 4;
  }
  void girisBasarili() {
    QFETCH(QString, kimlik);
    QFETCH(QString, isim);
    QFETCH(int, tip);
    SahteMesajGosterici sahte;
    auto o = Ac(kimlik);
    Giris(*o, isim, QStringLiteral("1234"));
    QCOMPARE(o->f->result(), int(QDialog::Accepted));
    QVERIFY(sahte.Kutular().isEmpty());
    QCOMPARE(bitis, 0);
    QCOMPARE(o->bilgi.ADI(), isim);
    QCOMPARE(o->bilgi.MusteriTipi(), tip);
    QCOMPARE(o->bilgi.BILGISAYARID(), kimlik);
    QCOMPARE(o->bilgi.Disip(), QStringLiteral("127.0.0.1"));
    QVERIFY(!o->bilgi.BilgiSayarAdi().isEmpty());
    TAyarDosyasi ini(AyarYolu());
    QVERIFY(ini.Oku());
    QCOMPARE(ini.DegerOku("kullanici", "isim"), isim);
    QCOMPARE(ini.DegerOku("kullanici", "sifre"), QStringLiteral("1234"));
    QVERIFY(DosyaOku(AyarYolu()).contains(QStringLiteral("hatırla=1").toUtf8()));
  }

  // Refused logins: the message, the button back as "Giriş!", and whether ayar.ini was written.
  void girisReddedildi_data() {
    QTest::addColumn<QString>("kimlik");
    QTest::addColumn<QString>("isim");
    QTest::addColumn<QString>("sifre");
    QTest::addColumn<bool>("kaydedildi");
    QTest::newRow("yanlis sifre") << "DEMO-MUSTERI" << "MUSTERI" << "9999" << false;
    QTest::newRow("yanlis isim") << "DEMO-MUSTERI" << "BASKASI" << "1234" << false;
    QTest::newRow("pasif hesap") << "DEMO-PASIF" << "PASIF" << "1234" << true;
  }
  void girisReddedildi() {
    QFETCH(QString, kimlik);
    QFETCH(QString, isim);
    QFETCH(QString, sifre);
    QFETCH(bool, kaydedildi);
    SahteMesajGosterici sahte;
    auto o = Ac(kimlik);
    Giris(*o, isim, sifre);
    QVERIFY(o->f->isVisible());
    QCOMPARE(sahte.Kutular().size(), 1);
    QCOMPARE(sahte.Son().metin, kHatali);
    QCOMPARE(sahte.Son().tur, mtUyari);
    QCOMPARE(o->f->Button1->text(), QStringLiteral("Giriş!"));
    QVERIFY(o->f->Button1->isEnabled());
    QCOMPARE(QFile::exists(AyarYolu()), kaydedildi);
    if (kaydedildi) {
      TAyarDosyasi ini(AyarYolu());
      ini.Oku();
      QCOMPARE(ini.DegerOku("kullanici", "sifre"), sifre);
    }
    QCOMPARE(bitis, 0);
  }

  void sunucuHatasiVeErisilemeyenSunucu_data() {
    QTest::addColumn<bool>("kapali");
    QTest::addColumn<QStringList>("mesajlar");
    QTest::newRow("BuyukGetir hatası") << false << QStringList{"Kayıt okunamadı", "Bağlantı Kurulamadı !"};
    QTest::newRow("sunucu kapalı") << true << QStringList{"Bağlantı Kurulamadı !"};
  }
  void sunucuHatasiVeErisilemeyenSunucu() {
    QFETCH(bool, kapali);
    QFETCH(QStringList, mesajlar);
    if (kapali)
      ProgramAyarlari().SunucuPort = QString::number(KapaliPort());
    else
      QVERIFY(srv->HataKur("BuyukGetir", "hata", 0, "Kayıt okunamadı"));
    SahteMesajGosterici sahte;
    auto o = Ac(QStringLiteral("DEMO-MUSTERI"), kapali ? KapaliPort() : 0);
    Giris(*o, QStringLiteral("MUSTERI"), QStringLiteral("1234"));
    QStringList gelen;
    for (const auto& k : sahte.Kutular()) gelen << k.metin;
    QCOMPARE(gelen, mesajlar);
    QCOMPARE(sahte.Son().tur, mtHata);
    QCOMPARE(o->f->Button1->text(), QStringLiteral("Giriş!"));
    QVERIFY(o->f->adi->hasSelectedText());
    // The next attempt looks the address up and connects again.
    srv->HatalariTemizle();
    if (!kapali) {
      Giris(*o, QStringLiteral("MUSTERI"), QStringLiteral("1234"));
      QCOMPARE(o->f->result(), int(QDialog::Accepted));
    }
  }

  void disAdresBulunamazkenVazgec() {
    ProgramAyarlari().UreticiAdres = QStringLiteral("http://127.0.0.1:%1/").arg(KapaliPort());
    SahteMesajGosterici sahte;
    auto o = Ac(QStringLiteral("DEMO-MUSTERI"));
    o->f->adi->setText(QStringLiteral("MUSTERI"));
    o->f->sifre->setText(QStringLiteral("1234"));
    QTest::mouseClick(o->f->Button1, Qt::LeftButton);
    QCOMPARE(o->f->Button1->text(), QStringLiteral("Bağlanıyor..."));
    QVERIFY(!o->f->Button1->isEnabled());
    QVERIFY(o->f->RxGIFAnimator1->isVisible());
    // The lookup keeps trying; the window stays usable.
    QTest::qWait(1500);
    QCOMPARE(o->f->Button1->text(), QStringLiteral("Bağlanıyor..."));
    o->f->adi->setText(QStringLiteral("X"));
    QCOMPARE(o->f->adi->text(), QStringLiteral("X"));
    QTest::mouseClick(o->f->Button2, Qt::LeftButton);
    QCOMPARE(bitis, 1);
    QCOMPARE(o->f->result(), int(QDialog::Rejected));
    QVERIFY(sahte.Kutular().isEmpty());
  }

  void beniHatirla_data() {
    QTest::addColumn<bool>("hatirla");
    QTest::newRow("işaretli") << true;
    QTest::newRow("işaretsiz") << false;
  }
  void beniHatirla() {
    QFETCH(bool, hatirla);
    SahteMesajGosterici sahte;
    {
      auto o = Ac(QStringLiteral("DEMO-MUSTERI"));
      // First start: no file, empty fields, box ticked.
      QVERIFY(o->f->adi->text().isEmpty());
      QVERIFY(o->f->sifre->text().isEmpty());
      QVERIFY(o->f->benihatirla->isChecked());
      o->f->benihatirla->setChecked(hatirla);
      Giris(*o, QStringLiteral("MUSTERI"), QStringLiteral("1234"));
      QCOMPARE(o->f->result(), int(QDialog::Accepted));
    }
    const QByteArray ham = DosyaOku(AyarYolu());
    QVERIFY(ham.contains("isim=MUSTERI"));
    QVERIFY(ham.contains("sifre=1234"));
    QVERIFY(ham.contains((QStringLiteral("hatırla=") + (hatirla ? "1" : "0")).toUtf8()));
    auto o = Ac(QStringLiteral("DEMO-MUSTERI"));
    QCOMPARE(o->f->benihatirla->isChecked(), hatirla);
    QCOMPARE(o->f->adi->text(), hatirla ? QStringLiteral("MUSTERI") : QString());
    QCOMPARE(o->f->sifre->text(), hatirla ? QStringLiteral("1234") : QString());
    QCOMPARE(o->f->sifre->echoMode(), QLineEdit::Password);
    QCOMPARE(o->f->sifre->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, o->f->sifre),
             int('*'));
  }

  void bozukAyarDosyasi() {
    QDir().mkpath(ayarKoku.path() + "/dravik");
    QFile f(AyarYolu());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("[kullanici]\nisim=AL\xC4\xB0\n\xFF\xFE\0\0garbage\nsifre\nhat\xC4\xB1rla=", 47));
    f.close();
    SahteMesajGosterici sahte;
    auto o = Ac(QStringLiteral("DEMO-MUSTERI"));
    QVERIFY(o->f->benihatirla->isChecked());
    QCOMPARE(o->f->adi->text(), QStringLiteral("ALİ"));
    QVERIFY(o->f->sifre->text().isEmpty());
  }

  void tuslarVeBuyukHarf() {
    SahteMesajGosterici sahte;
    auto o = Ac(QStringLiteral("DEMO-MUSTERI"));
    QApplication::setActiveWindow(o->f.get());
    QVERIFY(QTest::qWaitForWindowActive(o->f.get()));
    // Enter in an empty user name: the warning, focus stays.
    o->f->adi->setFocus();
    QTest::keyClick(o->f->adi, Qt::Key_Return);
    QCOMPARE(sahte.Kutular().size(), 1);
    QCOMPARE(sahte.Son().metin, QStringLiteral("Lütfen kullanıcı adını giriniz !"));
    QCOMPARE(sahte.Son().tur, mtUyari);
    QVERIFY(o->f->adi->hasFocus());
    // Typed letters turn into capitals; Enter moves to the password.
    QTest::keyClicks(o->f->adi, QStringLiteral("musteri"));
    QCOMPARE(o->f->adi->text(), QStringLiteral("MUSTERI"));
    QTest::keyClick(o->f->adi, Qt::Key_Return);
    QVERIFY(o->f->sifre->hasFocus());
    QTest::keyClick(o->f->sifre, Qt::Key_Enter);
    QCOMPARE(sahte.Son().metin, QStringLiteral("Lütfen kullanıcı şifresini giriniz !"));
    QCOMPARE(o->f->Button1->text(), QStringLiteral("Giriş"));
    // Enter in a filled password starts the login like the button, once.
    QTest::keyClicks(o->f->sifre, QStringLiteral("1234"));
    QTest::keyClick(o->f->sifre, Qt::Key_Return);
    QCOMPARE(o->f->Button1->text(), QStringLiteral("Bağlanıyor..."));
    QTest::keyClick(o->f->sifre, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(!o->f->isVisible(), 30000);
    QCOMPARE(o->f->result(), int(QDialog::Accepted));
    QCOMPARE(sahte.Kutular().size(), 2);
  }

  void sekmeSirasiVeDenetimler() {
    auto o = Ac(QStringLiteral("DEMO-MUSTERI"));
    Tgirisform& f = *o->f;
    QCOMPARE(f.windowTitle(), QStringLiteral("Giriş"));
    QCOMPARE(f.size(), QSize(368, 550));
    QCOMPARE(f.Label1->text(), QStringLiteral(" Kullanıcı Adı:"));
    QCOMPARE(f.Label2->text(), QStringLiteral(" Şifre:"));
    QCOMPARE(f.benihatirla->text(), QStringLiteral("Beni hatırla"));
    QCOMPARE(f.Button1->text(), QStringLiteral("Giriş"));
    QCOMPARE(f.Button2->text(), QStringLiteral("Vazgeç"));
    QVERIFY(!f.RxGIFAnimator1->isVisible());
    QCOMPARE(f.RxGIFAnimator1->size(), QSize(28, 28));
    QCOMPARE(f.RxLabel1->text().count('\n'), 2);
    const QList<QWidget*> sira{f.Button1, f.Button2, f.benihatirla, f.adi, f.sifre};
    auto sonraki = [](QWidget* w) {
      do w = w->nextInFocusChain();
      while (!(w->focusPolicy() & Qt::TabFocus));
      return w;
    };
    for (int i = 0; i + 1 < sira.size(); ++i) QCOMPARE(sonraki(sira[i]), sira[i + 1]);
    QCOMPARE(f.idsi, QStringLiteral("DEMO-MUSTERI"));
  }

  void vazgec() {
    auto o = Ac(QStringLiteral("DEMO-MUSTERI"));
    QTest::mouseClick(o->f->Button2, Qt::LeftButton);
    QCOMPARE(bitis, 1);
    QCOMPARE(o->f->result(), int(QDialog::Rejected));
    QVERIFY(!QFile::exists(AyarYolu()));
  }

  void bilinmeyenBilgisayarIstekFormu() {
    SahteMesajGosterici sahte;
    QString baslik, adres;
    QTimer gozcu;
    connect(&gozcu, &QTimer::timeout, this, [&] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* f = qobject_cast<Tformistekyeni*>(w);
        if (f && f->isVisible()) {
          baslik = f->windowTitle();
          adres = f->Adres();
          QCOMPARE(f->Button1->text(), QStringLiteral("Kapat"));
          f->Button1->click();
        }
      }
    });
    gozcu.start(50);
    auto o = Ac(QStringLiteral("BILINMEYEN-PC-7"));
    Giris(*o, QStringLiteral("MUSTERI"), QStringLiteral("1234"));
    QCOMPARE(baslik, QStringLiteral("Dravik B2B Programı İstek Formu"));
    QCOMPARE(adres, srv->WebAdres() + QStringLiteral("formmailgonder.aspx?carino=0&kullanici= &id=BILINMEYEN-PC-7"));
    QCOMPARE(bitis, 1);
    QVERIFY(o->f->result() != QDialog::Accepted);
    QVERIFY(!QFile::exists(AyarYolu()));  // never reaches the password comparison
    QVERIFY(sahte.Kutular().isEmpty());
  }

  // The update download for versions 7 and 5, and the download's refusals.
  void guncelleme_data() {
    QTest::addColumn<QString>("kimlik");
    QTest::addColumn<QString>("hata");  // fault on the setup's path
    QTest::addColumn<QString>("surum");
    QTest::addColumn<QString>("mesajBasi");
    QTest::addColumn<bool>("kaydedildi");
    QTest::newRow("sürüm 7") << "DEMO-SURUM7" << "" << "Version: 7-6" << "Yeni sürümün kurulum dosyası indirildi" << true;
    QTest::newRow("sürüm 5") << "DEMO-SURUM5" << "" << "Version: 5-6" << "Yeni sürümün kurulum dosyası indirildi" << true;
    QTest::newRow("hata sayfası") << "DEMO-SURUM7" << "hata" << "Version: 7-6" << "Hata Oluştu !\r\nHata: HTTP 500" << false;
    QTest::newRow("yarım dosya") << "DEMO-SURUM7" << "kisa_akis" << "Version: 7-6" << "Hata Oluştu !\r\nHata: " << false;
  }
  void guncelleme() {
    QFETCH(QString, kimlik);
    QFETCH(QString, hata);
    QFETCH(QString, surum);
    QFETCH(QString, mesajBasi);
    QFETCH(bool, kaydedildi);
    if (!hata.isEmpty()) QVERIFY(srv->HataKur("/exe/DravikB2BSetup.exe", hata, 0, "Sunucu hatası", 0));
    // A leftover setup from an earlier attempt is deleted first.
    const QString hedef = Tdosyaindir::HedefDosya();
    {
      QFile eski(hedef);
      QVERIFY(eski.open(QIODevice::WriteOnly));
      eski.write("ESKI");
    }
    QString etiket, ilerleme;
    int cubukDeger = -1, cubukUst = -1;
    // The window's state is read when its message box comes up.
    auto bak = [&] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* d = qobject_cast<Tdosyaindir*>(w); d && d->isVisible()) {
          etiket = d->sLabel1->text();
          ilerleme = d->bilgi->text();
          cubukDeger = d->ProgressBar1->value();
          cubukUst = d->ProgressBar1->maximum();
          QCOMPARE(d->windowTitle(), QStringLiteral("Dosya İndir"));
        }
      }
    };
    SahteMesajGosterici sahte;
    const MesajGosterici sahteGosterici = MesajGostericiAl();
    MesajGostericiKur([&](const MesajIstegi& i) {
      bak();
      return sahteGosterici(i);
    });
    auto o = Ac(kimlik);
    Giris(*o, QStringLiteral("MUSTERI"), QStringLiteral("1234"));
    QVERIFY(bitis >= 1);
    QVERIFY(o->f->result() != QDialog::Accepted);
    QVERIFY(etiket.startsWith(QStringLiteral("Dravik B2B Programı Programının\r\nYeni versiyonu indirilecektir\r\n")));
    QVERIFY2(etiket.endsWith(surum), qPrintable(etiket));
    QCOMPARE(sahte.Kutular().size(), 1);
    QVERIFY2(sahte.Son().metin.startsWith(mesajBasi), qPrintable(sahte.Son().metin));
    QCOMPARE(QFile::exists(hedef), kaydedildi);
    if (kaydedildi) {
      const QByteArray veri = DosyaOku(hedef);
      QCOMPARE(veri.size(), 256 * 1024);
      QVERIFY(veri.startsWith("MZ DravikB2BSetup"));
      QCOMPARE(ilerleme, QStringLiteral("Bilgi: %100,00  İndirilen: 0,25/0,25 Mb"));
      QCOMPARE(cubukUst, 256 * 1024);
      QCOMPARE(cubukDeger, 256 * 1024);
      QVERIFY(sahte.Son().metin.contains(QStringLiteral("Windows")));
    }
    MesajGostericiKur(sahteGosterici);
  }

  // Closing the download window midway ends the program; nothing is saved or started, and
  // showing it again starts no second download.
  void indirmeKapatilinca() {
    QVERIFY(srv->HataKur("/exe/DravikB2BSetup.exe", "gecikme", 1500, {}, 0));
    const QString hedef = Tdosyaindir::HedefDosya();
    QFile::remove(hedef);
    SahteMesajGosterici sahte;
    std::unique_ptr<Tdosyaindir> d(Tdosyaindir::Yeni(nullptr, 7));
    QCOMPARE(d->bilgi->text(), QStringLiteral("Lütfen Bekleyin...."));
    QCOMPARE(d->Adres(), srv->WebAdres() + QStringLiteral("exe/DravikB2BSetup.exe"));
    QVERIFY(!d->Basladi());
    d->show();
    QVERIFY(d->Basladi());
    d->hide();
    d->show();
    QTest::qWait(200);
    d->close();
    QCOMPARE(bitis, 1);
    QTest::qWait(2500);
    QVERIFY(!QFile::exists(hedef));
    QVERIFY(sahte.Kutular().isEmpty());
    QCOMPARE(bitis, 1);
  }
};

QTEST_MAIN(GirisTesti)
#include "giris_test.moc"
