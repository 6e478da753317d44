// The stock dialog: amounts shown as the inputs change, its keys, the price lock per account
// type and the picture fetched from a web host of the test on a loopback port.
#include <httplib.h>

#include <QBuffer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QThreadPool>
#include <QtTest>
#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

#include "ordering/orantiliresim.h"
#include "ordering/stokayarintiU.h"
#include "platform/controls/tamsayispin.h"
#include "platform/controls/tutaredit.h"
#include "platform/core/sayibicim.h"
#include "session/programayarlari.h"

namespace {

// A small JPEG padded with trailing bytes to exactly boy bytes (decoders stop at its end mark).
QByteArray Jpeg(int boy, QColor renk = Qt::red) {
  QImage r(8, 8, QImage::Format_RGB32);
  r.fill(renk);
  QByteArray b;
  QBuffer tampon(&b);
  tampon.open(QIODevice::WriteOnly);
  r.save(&tampon, "JPG", 80);
  if (b.size() < boy) b.append(QByteArray(boy - b.size(), '\0'));
  return b;
}

// The portal's picture page on 127.0.0.1, answering each stock number as told.
class ResimSunucusu {
 public:
  struct Cevap {
    int durum = 200;
    QByteArray govde;
    int gecikmeMs = 0;
  };

  ResimSunucusu() {
    s_.Get("/resimgoster.ashx", [this](const httplib::Request& req, httplib::Response& res) {
      Cevap c;
      {
        std::lock_guard<std::mutex> k(kilit_);
        c = cevaplar_[std::stoi(req.get_param_value("id"))];
      }
      if (c.gecikmeMs) std::this_thread::sleep_for(std::chrono::milliseconds(c.gecikmeMs));
      res.status = c.durum;
      res.set_content(c.govde.toStdString(), "image/jpeg");
      ++sayac_;
    });
    port_ = s_.bind_to_any_port("127.0.0.1");
    is_ = std::thread([this] { s_.listen_after_bind(); });
  }
  ~ResimSunucusu() {
    s_.stop();
    is_.join();
  }
  void Ayarla(int id, Cevap c) {
    std::lock_guard<std::mutex> k(kilit_);
    cevaplar_[id] = std::move(c);
  }
  QString Adres() const { return QStringLiteral("http://127.0.0.1:%1/").arg(port_); }
  int Sayac() const { return sayac_; }

 private:
  httplib::Server s_;
  int port_ = 0;
  std::thread is_;
  std::mutex kilit_;
  std::map<int, Cevap> cevaplar_;
  std::atomic_int sayac_{0};
};

// Lets every picture download end and its continuation run.
void IndirmeleriBitir() {
  QThreadPool::globalInstance()->waitForDone(20000);
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
}

}  // namespace

class TstStokAyrinti : public QObject {
  Q_OBJECT
  std::unique_ptr<ResimSunucusu> web;

 private slots:
  void initTestCase() {
    BicimAyarlariKur(TFormatSettings::Turkce());
    web = std::make_unique<ResimSunucusu>();
    ProgramAyarlari().WebAdres = web->Adres();
  }
  void cleanupTestCase() {
    QThreadPool::globalInstance()->waitForDone(20000);
    web.reset();
  }

  void baslangic() {
    Tstokayarinti d;
    QCOMPARE(d.windowTitle(), QStringLiteral("Sepete Ekle"));
    QCOMPARE(d.ParcaliTus1->text(), QStringLiteral("Sipariş ekle"));
    QCOMPARE(d.ParcaliTus2->text(), QStringLiteral("Vazgeç"));
    QCOMPARE(d.Label2->text(), QStringLiteral("Fiyat:"));
    QCOMPARE(d.indirimoran->text(), QStringLiteral("İndirim:"));
    QCOMPARE(d.adet->minimum(), 1);
    QCOMPARE(d.adet->maximum(), 10000);
    QCOMPARE(d.adet->value(), 1);
    QVERIFY(d.birimfiyat->isReadOnly());
    for (TTutarEdit* e : {d.indtutar, d.kdvdahiltutar, d.geneltutar}) QVERIFY(e->isReadOnly());
    QCOMPARE(d.Image1->Resim().size(), QSize(512, 350));
    QCOMPARE(d.kdvoran, 0.0);
    QCOMPARE(d._stokno, 0);
  }

  // Amounts shown once the dialog opens and after the quantity changes.
  void tutarlar_data() {
    QTest::addColumn<double>("fiyat");
    QTest::addColumn<int>("miktar");
    QTest::addColumn<double>("i1");
    QTest::addColumn<double>("i2");
    QTest::addColumn<double>("kdv");
    QTest::addColumn<QString>("ind");
    QTest::addColumn<QString>("kdvdahil");
    QTest::addColumn<QString>("genel");
    QTest::newRow("ornek satir") << 19.99 << 3 << 10.0 << 5.0 << 20.0 << "8,70" << "20,51" << "61,53";
    QTest::newRow("yuzde yuz") << 40.0 << 2 << 100.0 << 0.0 << 20.0 << "80,00" << "0,00" << "0,00";
    QTest::newRow("binlik") << 1250.0 << 10 << 0.0 << 0.0 << 20.0 << "0,00" << "1.500,00" << "15.000,00";
    QTest::newRow("sifir oranlar") << 100.0 << 1 << 0.0 << -5.0 << 0.0 << "0,00" << "100,00" << "100,00";
  }
  void tutarlar() {
    QFETCH(double, fiyat);
    QFETCH(int, miktar);
    QFETCH(double, i1);
    QFETCH(double, i2);
    QFETCH(double, kdv);
    Tstokayarinti d;
    d._stokno = 999999;  // no picture
    d.kdvoran = kdv;
    d.ind1 = i1;
    d.ind2 = i2;
    d.birimfiyat->DegerAta(fiyat);
    d.indtutar->DegerAta(12345);  // replaced by the first recalculation
    d.show();
    QVERIFY(d.indtutar->Deger() != 12345);
    // Typing the quantity recalculates.
    d.adet->selectAll();
    QTest::keyClicks(d.adet, QString::number(miktar));
    QTEST(d.indtutar->text(), "ind");
    QTEST(d.kdvdahiltutar->text(), "kdvdahil");
    QTEST(d.geneltutar->text(), "genel");
    IndirmeleriBitir();
  }

  void ilkHesapGorunmedenOnce() {
    Tstokayarinti d;
    d._stokno = 999999;
    d.kdvoran = 20;
    d.birimfiyat->DegerAta(10);
    d.geneltutar->DegerAta(777);
    QString gorunurken;
    d.show();
    gorunurken = d.geneltutar->text();
    QCOMPARE(gorunurken, QStringLiteral("12,00"));
    // The quantity has the focus with its text selected, so typing replaces it.
    QCOMPARE(d.focusWidget(), static_cast<QWidget*>(d.adet));
    QCOMPARE(d.adet->findChild<QLineEdit*>()->selectedText(), QStringLiteral("1"));
    IndirmeleriBitir();
  }

  void miktarSifirYazilirsa() {
    Tstokayarinti d;
    d._stokno = 999999;
    d.kdvoran = 20;
    d.ind1 = 25;
    d.birimfiyat->DegerAta(80);
    d.show();
    d.adet->selectAll();
    QTest::keyClicks(d.adet, QStringLiteral("0"));
    QCOMPARE(d.adet->text(), QStringLiteral("0"));
    QCOMPARE(d.geneltutar->text(), QStringLiteral("0,00"));
    QCOMPARE(d.kdvdahiltutar->text(), QStringLiteral("0,00"));
    QCOMPARE(d.indtutar->text(), QStringLiteral("0,00"));  // gross 0 x 80
    d.adet->selectAll();
    QTest::keyClicks(d.adet, QStringLiteral("3"));
    QCOMPARE(d.geneltutar->text(), QStringLiteral("216,00"));
    // An empty text counts as the minimum, 1.
    d.adet->selectAll();
    QTest::keyClick(d.adet, Qt::Key_Backspace);
    QCOMPARE(d.adet->text(), QString());
    QCOMPARE(d.geneltutar->text(), QStringLiteral("72,00"));
    IndirmeleriBitir();
  }

  // Typing a price (a seller) recalculates on every key release.
  void fiyatYazilinca() {
    Tstokayarinti d;
    d._stokno = 999999;
    d.kdvoran = 20;
    d.FiyatKilidiAyarla(1);
    d.birimfiyat->DegerAta(1);
    d.show();
    d.adet->selectAll();
    QTest::keyClicks(d.adet, QStringLiteral("2"));
    d.birimfiyat->setFocus();
    d.birimfiyat->selectAll();
    QTest::keyClicks(d.birimfiyat, QStringLiteral("25,5"));
    QCOMPARE(d.birimfiyat->Deger(), 25.5);
    QCOMPARE(d.kdvdahiltutar->text(), QStringLiteral("30,60"));
    QCOMPARE(d.geneltutar->text(), QStringLiteral("61,20"));
    IndirmeleriBitir();
  }

  void tuslar_data() {
    QTest::addColumn<QString>("alan");
    QTest::addColumn<int>("tus");
    QTest::addColumn<bool>("kapanir");
    QTest::newRow("adet Return") << "adet" << int(Qt::Key_Return) << true;
    QTest::newRow("adet Enter") << "adet" << int(Qt::Key_Enter) << true;
    QTest::newRow("fiyat Return") << "birimfiyat" << int(Qt::Key_Return) << false;
    QTest::newRow("fiyat Enter") << "birimfiyat" << int(Qt::Key_Enter) << false;
    QTest::newRow("indirim Return") << "indtutar" << int(Qt::Key_Return) << false;
    QTest::newRow("adet Escape") << "adet" << int(Qt::Key_Escape) << true;
  }
  void tuslar() {
    QFETCH(QString, alan);
    QFETCH(int, tus);
    QFETCH(bool, kapanir);
    Tstokayarinti d;
    d._stokno = 999999;
    d.FiyatKilidiAyarla(2);
    d.show();
    QWidget* w = d.findChild<QWidget*>(alan);
    QVERIFY(w);
    w->setFocus();
    QTest::keyClick(w, Qt::Key(tus));
    QCOMPARE(d.isVisible(), !kapanir);
    if (kapanir) QCOMPARE(d.result(), tus == Qt::Key_Escape ? 2 : 1);
    IndirmeleriBitir();
  }

  // The opener reads the quantity's text after OK: it is always a whole number in the range.
  void okMiktarMetni_data() {
    QTest::addColumn<QString>("yazilan");
    QTest::addColumn<bool>("enter");
    QTest::addColumn<QString>("okunan");
    QTest::newRow("25 Enter") << "25" << true << "25";
    QTest::newRow("0 Enter") << "0" << true << "1";
    QTest::newRow("0 dugme") << "0" << false << "1";
  }
  void okMiktarMetni() {
    QFETCH(QString, yazilan);
    QFETCH(bool, enter);
    Tstokayarinti d;
    d._stokno = 999999;
    d.show();
    d.adet->selectAll();
    QTest::keyClicks(d.adet, yazilan);
    if (enter)
      QTest::keyClick(d.adet, Qt::Key_Return);
    else
      QTest::mouseClick(d.ParcaliTus1, Qt::LeftButton);
    QCOMPARE(d.result(), 1);
    QTEST(d.adet->text(), "okunan");
    IndirmeleriBitir();
  }

  // "Sipariş ekle" gives 1, "Vazgeç" 2, as the openers expect.
  void dugmeler() {
    for (bool tamam : {true, false}) {
      Tstokayarinti d;
      d._stokno = 999999;
      d.show();
      QTest::mouseClick(tamam ? d.ParcaliTus1 : d.ParcaliTus2, Qt::LeftButton);
      QVERIFY(!d.isVisible());
      QCOMPARE(d.result(), tamam ? 1 : 2);
      IndirmeleriBitir();
    }
  }

  void fiyatKilidi_data() {
    QTest::addColumn<int>("tip");
    QTest::addColumn<bool>("kampanya");
    QTest::addColumn<bool>("duzenlenir");
    for (int tip = 0; tip <= 4; ++tip) {
      const bool satici = tip == 1 || tip == 2;
      QTest::addRow("tip %d", tip) << tip << false << satici;
      QTest::addRow("tip %d kampanya", tip) << tip << true << false;
    }
  }
  void fiyatKilidi() {
    QFETCH(int, tip);
    QFETCH(bool, kampanya);
    QFETCH(bool, duzenlenir);
    QCOMPARE(Tstokayarinti::FiyatDegistirebilir(tip, kampanya), duzenlenir);
    Tstokayarinti d;
    d.FiyatKilidiAyarla(tip, kampanya);
    QCOMPARE(!d.birimfiyat->isReadOnly(), duzenlenir);
    // A locked price ignores typing.
    d.birimfiyat->DegerAta(5);
    d.birimfiyat->setFocus();
    d.birimfiyat->selectAll();
    QTest::keyClicks(d.birimfiyat, QStringLiteral("9"));
    QCOMPARE(d.birimfiyat->Deger(), duzenlenir ? 9.0 : 5.0);
  }

  void resim_data() {
    QTest::addColumn<int>("durum");
    QTest::addColumn<int>("boy");
    QTest::addColumn<bool>("jpeg");
    QTest::addColumn<bool>("yuklenir");
    QTest::newRow("1199 bayt") << 200 << 1199 << true << false;
    QTest::newRow("1200 bayt") << 200 << 1200 << true << true;
    QTest::newRow("buyuk") << 200 << 40000 << true << true;
    QTest::newRow("resim degil") << 200 << 5000 << false << false;
    QTest::newRow("404") << 404 << 5000 << true << false;
    QTest::newRow("500") << 500 << 5000 << true << false;
    QTest::newRow("bos") << 200 << 0 << true << false;
  }
  void resim() {
    QFETCH(int, durum);
    QFETCH(int, boy);
    QFETCH(bool, jpeg);
    QFETCH(bool, yuklenir);
    static int stokno = 100;
    ++stokno;
    web->Ayarla(stokno, {durum, jpeg ? Jpeg(boy, Qt::blue) : QByteArray(boy, 'x'), 0});
    const int once = web->Sayac();
    Tstokayarinti d;
    d._stokno = stokno;
    const QImage logo = d.Image1->Resim();
    d.show();
    QTRY_VERIFY_WITH_TIMEOUT(web->Sayac() > once, 10000);
    IndirmeleriBitir();
    if (yuklenir) {
      QCOMPARE(d.Image1->Resim().size(), QSize(8, 8));
    } else {
      QVERIFY(d.Image1->Resim() == logo);
    }
  }

  // The opener's own picture stays when the host has none for stock number 0.
  void acaninResmiKalir() {
    web->Ayarla(0, {404, QByteArray("Resim bulunamadı"), 0});
    Tstokayarinti d;
    QImage acan(20, 10, QImage::Format_RGB32);
    acan.fill(Qt::green);
    d.Image1->ResimAta(acan);
    const int once = web->Sayac();
    d.show();
    QTRY_VERIFY_WITH_TIMEOUT(web->Sayac() > once, 10000);
    IndirmeleriBitir();
    QVERIFY(d.Image1->Resim() == acan);
  }

  // A picture that arrives after the dialog was closed and destroyed is dropped.
  void gecGelenResim() {
    web->Ayarla(77, {200, Jpeg(30000), 600});
    const int once = web->Sayac();
    {
      auto* d = new Tstokayarinti;
      d->_stokno = 77;
      d->show();
      QTest::qWait(100);  // the request is on its way
      d->reject();
      delete d;
    }
    QTRY_VERIFY_WITH_TIMEOUT(web->Sayac() > once, 10000);
    IndirmeleriBitir();
    QTest::qWait(50);

    // The same late answer reaches a dialog that is still open.
    Tstokayarinti acik;
    acik._stokno = 77;
    acik.show();
    QTRY_COMPARE_WITH_TIMEOUT(acik.Image1->Resim().size(), QSize(8, 8), 10000);
  }
};

QTEST_MAIN(TstStokAyrinti)
#include "tst_stokayarinti.moc"
