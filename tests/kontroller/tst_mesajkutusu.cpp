// The real message box: titles, icons, Turkish captions, the default button and the codes.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "platform/controls/mesajkutusu.h"
#include "session/utils.h"

Q_DECLARE_METATYPE(TMsgDlgButtons)
Q_DECLARE_METATYPE(TMsgDlgBtn)

namespace {

// Waits for the open box, lets `bak` look at it, then presses the button with `basilacak`.
void KutuyuBekle(const QString& basilacak, std::function<void(TMesajKutusu*)> bak) {
  auto* zaman = new QTimer;
  zaman->setInterval(20);
  auto kalan = std::make_shared<int>(250);  // about five seconds, then give up
  QObject::connect(zaman, &QTimer::timeout, [=] {
    auto* kutu = qobject_cast<TMesajKutusu*>(QApplication::activeModalWidget());
    if (!kutu || !kutu->isVisible()) {
      if (--*kalan == 0) {
        zaman->deleteLater();
        if (auto* w = QApplication::activeModalWidget()) w->close();
      }
      return;
    }
    zaman->stop();
    zaman->deleteLater();
    if (bak) bak(kutu);
    for (QAbstractButton* d : kutu->buttons()) {
      if (d->text() == basilacak) {
        QTest::mouseClick(d, Qt::LeftButton);
        return;
      }
    }
    kutu->reject();
  });
  zaman->start();
}

}  // namespace

class MesajKutusuTesti : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { MesajKutusuKur(); }

  void BasilanDugmeninKodu_data() {
    QTest::addColumn<int>("tur");
    QTest::addColumn<TMsgDlgButtons>("butonlar");
    QTest::addColumn<TMsgDlgBtn>("varsayilan");
    QTest::addColumn<QString>("basilacak");
    QTest::addColumn<int>("kod");
    QTest::addColumn<QString>("baslik");
    QTest::addColumn<QMessageBox::Icon>("simge");
    QTest::addColumn<QStringList>("basliklar");

    const TMsgDlgButtons evetHayir{mbYes, mbNo};
    const QStringList eh{"Evet", "Hayır"};
    QTest::newRow("soru, Hayır varsayılan, Hayır") << 3 << evetHayir << mbNo << "Hayır" << 7 << "Soru"
                                                   << QMessageBox::Question << eh;
    QTest::newRow("soru, Evet varsayılan, Evet") << 3 << evetHayir << mbYes << "Evet" << 6 << "Soru"
                                                 << QMessageBox::Question << eh;
    QTest::newRow("uyarı, Tamam") << 0 << TMsgDlgButtons{mbOK} << mbOK << "Tamam" << 1 << "Uyarı"
                                  << QMessageBox::Warning << QStringList{"Tamam"};
    QTest::newRow("hata, Tamam") << 1 << TMsgDlgButtons{mbOK} << mbOK << "Tamam" << 1 << "Hata"
                                 << QMessageBox::Critical << QStringList{"Tamam"};
    QTest::newRow("bilgi, Vazgeç") << 2 << TMsgDlgButtons{mbOK, mbCancel} << mbOK << "Vazgeç" << 2
                                   << "Bilgi" << QMessageBox::Information
                                   << QStringList{"Tamam", "Vazgeç"};
    QTest::newRow("iptal, tekrar, atla") << 0 << TMsgDlgButtons{mbAbort, mbRetry, mbIgnore} << mbRetry
                                         << "Atla" << 5 << "Uyarı" << QMessageBox::Warning
                                         << QStringList{"İptal", "Tekrar", "Atla"};
    QTest::newRow("İptal") << 1 << TMsgDlgButtons{mbAbort, mbRetry} << mbAbort << "İptal" << 3
                           << "Hata" << QMessageBox::Critical << QStringList{"İptal", "Tekrar"};
    QTest::newRow("Tekrar") << 1 << TMsgDlgButtons{mbAbort, mbRetry} << mbAbort << "Tekrar" << 4
                            << "Hata" << QMessageBox::Critical << QStringList{"İptal", "Tekrar"};
    QTest::newRow("tümüne") << 3 << TMsgDlgButtons{mbYesToAll, mbNoToAll, mbHelp} << mbNoToAll
                            << "Tümüne Evet" << DugmeSonucu(mbYesToAll) << "Soru"
                            << QMessageBox::Question
                            << QStringList{"Tümüne Evet", "Tümüne Hayır", "Yardım"};
  }

  void BasilanDugmeninKodu() {
    QFETCH(int, tur);
    QFETCH(TMsgDlgButtons, butonlar);
    QFETCH(TMsgDlgBtn, varsayilan);
    QFETCH(QString, basilacak);
    QFETCH(int, kod);
    QFETCH(QString, baslik);
    QFETCH(QMessageBox::Icon, simge);
    QFETCH(QStringList, basliklar);

    QString gorulenBaslik, odakta;
    QMessageBox::Icon gorulenSimge = QMessageBox::NoIcon;
    QStringList gorulenBasliklar;
    QPoint merkezFarki(999, 999);
    KutuyuBekle(basilacak, [&](TMesajKutusu* k) {
      gorulenBaslik = k->windowTitle();
      gorulenSimge = k->icon();
      for (QAbstractButton* d : k->buttons()) gorulenBasliklar << d->text();
      if (auto* d = qobject_cast<QAbstractButton*>(k->focusWidget())) odakta = d->text();
      merkezFarki = k->frameGeometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center();
    });
    const int sonuc = MesajGoster(QStringLiteral("Deneme metni"), tur, butonlar, varsayilan);

    QCOMPARE(sonuc, kod);
    QCOMPARE(gorulenBaslik, baslik);
    QCOMPARE(gorulenSimge, simge);
    gorulenBasliklar.sort();
    basliklar.sort();
    QCOMPARE(gorulenBasliklar, basliklar);
    QCOMPARE(odakta, DugmeBasligi(varsayilan));
    QVERIFY2(std::abs(merkezFarki.x()) <= 2 && std::abs(merkezFarki.y()) <= 2,
             qPrintable(QStringLiteral("%1,%2").arg(merkezFarki.x()).arg(merkezFarki.y())));
  }

  // With Yes and No and No as default, Tab from the focused "Hayır" goes on to "Evet":
  // the default is the first stop of the buttons' tab order.
  void VarsayilanSekmeSirasindaIlk() {
    TMesajKutusu kutu(MesajIstegi{QStringLiteral("Silinsin mi?"), 3, TMsgDlgButtons{mbYes, mbNo}, mbNo});
    QList<QAbstractButton*> sira;
    QWidget* w = kutu.Dugme(mbNo);
    for (int i = 0; i < 20 && sira.size() < 2; ++i, w = w->nextInFocusChain()) {
      if (auto* d = qobject_cast<QAbstractButton*>(w); d && !sira.contains(d)) sira << d;
    }
    QCOMPARE(sira.size(), 2);
    QCOMPARE(sira[0]->text(), QStringLiteral("Hayır"));
    QCOMPARE(sira[1]->text(), QStringLiteral("Evet"));
    QCOMPARE(kutu.defaultButton()->text(), QStringLiteral("Hayır"));
  }

  // A default the box does not have falls back to its first button; no buttons at all
  // still give a box that can be closed with "Tamam".
  void GecersizIstekler() {
    TMesajKutusu yanlis(MesajIstegi{QStringLiteral("x"), 0, TMsgDlgButtons{mbYes, mbNo}, mbOK});
    QCOMPARE(yanlis.defaultButton()->text(), QStringLiteral("Evet"));
    TMesajKutusu bos(MesajIstegi{QStringLiteral("x"), 2, TMsgDlgButtons{}, mbOK});
    QCOMPARE(bos.buttons().size(), 1);
    QCOMPARE(bos.buttons().first()->text(), QStringLiteral("Tamam"));
  }

  // Escape answers with the cancelling button: "Hayır" of a question.
  void KacisHayirDer() {
    auto* zaman = new QTimer(this);
    zaman->setInterval(20);
    connect(zaman, &QTimer::timeout, this, [zaman] {
      if (auto* k = qobject_cast<TMesajKutusu*>(QApplication::activeModalWidget()); k && k->isVisible()) {
        zaman->stop();
        QTest::keyClick(k, Qt::Key_Escape);
      }
    });
    zaman->start();
    QTimer::singleShot(5000, this, [] { if (auto* w = QApplication::activeModalWidget()) w->close(); });
    QCOMPARE(MesajGoster(QStringLiteral("Çıkılsın mı?"), 3, TMsgDlgButtons{mbYes, mbNo}, mbYes), 7);
    delete zaman;
  }

  void SatirSonlari() {
    TMesajKutusu kutu(MesajIstegi{QStringLiteral("Belge: Fiyat Listesi\r\nİndirmek İstiyor musunuz ?"), 3,
                                  TMsgDlgButtons{mbYes, mbNo}, mbYes});
    QCOMPARE(kutu.text(), QStringLiteral("Belge: Fiyat Listesi\nİndirmek İstiyor musunuz ?"));
    QCOMPARE(kutu.textFormat(), Qt::PlainText);  // "<b>" in a stock name shows as it is
  }

  void YaziBoyutu() {
    MesajKutusuYaziBoyutuAta(15);
    TMesajKutusu kutu(MesajIstegi{QStringLiteral("x"), 2, TMsgDlgButtons{mbOK}, mbOK});
    QCOMPARE(kutu.font().pointSize(), 15);
    MesajKutusuYaziBoyutuAta(0);
  }
};

QTEST_MAIN(MesajKutusuTesti)
#include "tst_mesajkutusu.moc"
