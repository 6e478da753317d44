// Page captions with counters, the tab painter and the multi-row page control.
#include <QApplication>
#include <QImage>
#include <QStyle>
#include <QLabel>
#include <QPainter>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

#include "mainwindow/sekmeciz.h"
#include "platform/controls/gorunum.h"

namespace {

bool SayiRengiVar(const QImage& img, const QRect& alan) {
  const QColor hedef = SekmeSayiRengi();
  for (int y = alan.top(); y <= alan.bottom(); ++y) {
    for (int x = alan.left(); x <= alan.right(); ++x) {
      const QColor c = img.pixelColor(x, y);
      if (std::abs(c.red() - hedef.red()) <= 12 && std::abs(c.green() - hedef.green()) <= 12 &&
          std::abs(c.blue() - hedef.blue()) <= 12) {
        return true;
      }
    }
  }
  return false;
}

QImage SekmeResmi(const QString& baslik, TSekmeDurumu durum = TSekmeDurumu::Normal) {
  static QWidget w;
  QImage img(TSekmeCubugu::kGenislik, TSekmeCubugu::kYukseklik, QImage::Format_ARGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  SekmeCiz(p, img.rect(), baslik, QIcon(), durum, &w);
  return img;
}

}  // namespace

class SekmeCizTesti : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    QVERIFY(GorunumUygula());
    QVERIFY(GorunumEtkin());
    const QColor vurgu = QApplication::palette().color(QPalette::Highlight);
    QVERIFY(vurgu.blue() > vurgu.green() && vurgu.red() > vurgu.green());  // purple
  }

  void BaslikCoz_data() {
    QTest::addColumn<QString>("metin");
    QTest::addColumn<int>("sayi");
    QTest::addColumn<QString>("baslik");
    QTest::newRow("sayaçlı") << "12=Sepet" << 12 << "Sepet";
    QTest::newRow("sıfır") << "0=Stok Listesi" << 0 << "Stok Listesi";
    QTest::newRow("eşitsiz") << "Önceki Siparişler" << 0 << "Önceki Siparişler";
    QTest::newRow("ilk eşittir") << "3=a=b" << 3 << "a=b";
    QTest::newRow("boş sayı") << "=Duyurular" << 0 << "Duyurular";
    QTest::newRow("sayı değil") << "abc=Dosyalar" << 0 << "Dosyalar";
    QTest::newRow("ondalıklı") << "7,5=Bakiyeler" << 0 << "Bakiyeler";
    QTest::newRow("eksi") << "-4=Sepet" << -4 << "Sepet";
    QTest::newRow("taşan") << "99999999999=Sepet" << 0 << "Sepet";
    QTest::newRow("uzun başlık") << "1=" + QString(150, QLatin1Char('x')) << 1 << QString(100, QLatin1Char('x'));
    QTest::newRow("boş") << "" << 0 << "";
  }

  void BaslikCoz() {
    QFETCH(QString, metin);
    QFETCH(int, sayi);
    QFETCH(QString, baslik);
    const TSekmeBasligi b = SekmeBasligiCoz(metin);
    QCOMPARE(b.sayi, sayi);
    QCOMPARE(b.baslik, baslik);
  }

  void BaslikYaz() {
    QCOMPARE(SekmeBasligiYaz(12, QStringLiteral("Sepet")), QStringLiteral("12=Sepet"));
    QCOMPARE(SekmeBasligiYaz(1234567, QStringLiteral("Stok Listesi")), QStringLiteral("1234567=Stok Listesi"));
    const TSekmeBasligi geri = SekmeBasligiCoz(SekmeBasligiYaz(0, QStringLiteral("Kampanyalı")));
    QCOMPARE(geri.sayi, 0);
    QCOMPARE(geri.baslik, QStringLiteral("Kampanyalı"));
  }

  // "(N)" sits at the top right in its own colour, only for a count above 0.
  void SayacRengi_data() {
    QTest::addColumn<QString>("baslik");
    QTest::addColumn<bool>("sayacVar");
    QTest::newRow("12") << "12=Yeni Stoklar" << true;
    QTest::newRow("1, seçili") << "1=Sepet" << true;
    QTest::newRow("0") << "0=Yeni Stoklar" << false;
    QTest::newRow("eşitsiz") << "Yeni Stoklar" << false;
    QTest::newRow("eksi") << "-3=Sepet" << false;
  }

  void SayacRengi() {
    QFETCH(QString, baslik);
    QFETCH(bool, sayacVar);
    for (TSekmeDurumu durum : {TSekmeDurumu::Normal, TSekmeDurumu::Secili, TSekmeDurumu::Sicak}) {
      const QImage img = SekmeResmi(baslik, durum);
      const QRect sagUst(img.width() / 2, 0, img.width() / 2, img.height() / 2);
      const QRect solAlt(0, img.height() / 2, img.width() / 2, img.height() / 2);
      QCOMPARE(SayiRengiVar(img, sagUst), sayacVar);
      QVERIFY(!SayiRengiVar(img, solAlt));
    }
  }

  // The title is drawn (dark pixels around the middle) with or without a counter.
  void BaslikCizilir() {
    const QImage img = SekmeResmi(QStringLiteral("5=Duyurular"));
    int koyu = 0;
    for (int x = 10; x < 110; ++x) {
      for (int y = 20; y < 36; ++y) koyu += qGray(img.pixel(x, y)) < 110 ? 1 : 0;
    }
    QVERIFY(koyu > 20);
  }

  void SatirlaraSarar() {
    TSekmeCubugu cubuk;
    const QStringList adlar{"Stok Listesi", "Sepet", "Önceki Siparişler", "Cari Ekstre",
                            "Yeni Stoklar", "Kampanyalı Stoklar", "Duyurular", "Bakiyeler",
                            "Sanal Pos", "Dosyalar"};
    for (const QString& a : adlar) cubuk.SekmeEkle(a);
    struct Durum { int genislik, satir; } durumlar[] = {{1350, 1}, {1200, 1}, {1199, 2}, {500, 3}, {60, 10}};
    for (const auto& d : durumlar) {
      cubuk.resize(d.genislik, 200);
      QCOMPARE(cubuk.SatirSayisi(), d.satir);
      QCOMPARE(cubuk.heightForWidth(d.genislik), d.satir * TSekmeCubugu::kYukseklik + 2);
    }
    cubuk.resize(500, 200);  // four tabs a row, three rows
    // The selected tab's row is the bottom one, next to the page.
    QCOMPARE(cubuk.Secili(), 0);
    QCOMPARE(cubuk.SekmeAlani(0), QRect(0, 100, 120, 50));
    QCOMPARE(cubuk.SekmeAlani(5), QRect(120, 0, 120, 50));
    QCOMPARE(cubuk.SekmeAlani(9), QRect(120, 50, 120, 50));
    cubuk.SeciliAta(5);
    QCOMPARE(cubuk.SekmeAlani(5), QRect(120, 100, 120, 50));
    QCOMPARE(cubuk.SekmeAlani(0), QRect(0, 0, 120, 50));
    QCOMPARE(cubuk.SekmeAlani(9), QRect(120, 50, 120, 50));
    QCOMPARE(cubuk.SekmeAt(QPoint(130, 110)), 5);
    cubuk.GorunurAta(1, false);  // a hidden tab leaves no gap
    QVERIFY(cubuk.SekmeAlani(1).isEmpty());
    QCOMPARE(cubuk.SekmeAlani(5), QRect(0, 100, 120, 50));
    QCOMPARE(cubuk.SekmeAlani(9), QRect(0, 50, 120, 50));
    QCOMPARE(cubuk.SekmeAt(QPoint(10, 10)), 0);
  }

  // Several rows: a selected tab does not paint over the tab below it.
  void SeciliSekmeAltindakiniOrtmez() {
    TSekmeCubugu cubuk;
    for (int i = 0; i < 8; ++i) cubuk.SekmeEkle(QStringLiteral("%1=Sayfa").arg(i + 1));
    cubuk.resize(4 * TSekmeCubugu::kGenislik, 200);
    cubuk.SeciliAta(1);
    const QImage img = cubuk.grab().toImage();
    for (int i = 0; i < 8; ++i) {
      const QRect r = cubuk.SekmeAlani(i);
      QVERIFY2(SayiRengiVar(img, QRect(r.center().x(), r.top(), r.width() / 2, r.height() / 2)),
               qPrintable(QString::number(i)));
    }
  }

  // Ten pages in a wide window: one row of tabs, and the window keeps its height.
  void PencereBoyuKorunur() {
    QWidget pencere;
    auto* dikey = new QVBoxLayout(&pencere);
    auto* pk = new TSayfaKontrol;
    for (int i = 0; i < 10; ++i) pk->SayfaEkle(new QLabel(QString::number(i)), QStringLiteral("%1=Sayfa").arg(i));
    dikey->addWidget(pk);
    pencere.resize(1300, 700);
    pencere.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pencere));
    QCOMPARE(pencere.height(), 700);
    QCOMPARE(pk->Cubuk()->height(), TSekmeCubugu::kYukseklik + 2);
    pencere.resize(700, 700);  // narrower: the tabs wrap into two rows
    QTRY_COMPARE(pk->Cubuk()->height(), 2 * TSekmeCubugu::kYukseklik + 2);
  }

  void SayfaKontrolu() {
    TSayfaKontrol pk;
    pk.resize(800, 500);
    QWidget *stok = new QLabel("stok"), *sepet = new QLabel("sepet"), *kamp = new QLabel("kamp");
    pk.SayfaEkle(stok, QStringLiteral("Stok Listesi"));
    pk.SayfaEkle(sepet, QStringLiteral("Sepet"));
    pk.SayfaEkle(kamp, QStringLiteral("Kampanyalı Stoklar"));
    pk.show();
    QCOMPARE(pk.AktifSayfa(), stok);

    QSignalSpy gosterildi(&pk, &TSayfaKontrol::SayfaGosterildi);
    QSignalSpy gizlendi(&pk, &TSayfaKontrol::SayfaGizlendi);
    QTest::mouseClick(pk.Cubuk(), Qt::LeftButton, {}, pk.Cubuk()->SekmeAlani(1).center());
    QCOMPARE(pk.AktifSayfa(), sepet);
    QVERIFY(sepet->isVisible());
    QVERIFY(!stok->isVisible());
    QCOMPARE(gosterildi.takeFirst().at(0).value<QWidget*>(), sepet);
    QCOMPARE(gizlendi.takeFirst().at(0).value<QWidget*>(), stok);

    pk.SayacYaz(sepet, 12, QStringLiteral("Sepet"));
    QCOMPARE(pk.Baslik(1), QStringLiteral("12=Sepet"));

    // Removing the campaign page from the tab row; hiding the active page moves on.
    pk.AktifAta(kamp);
    pk.SekmeGorunurAta(kamp, false);
    QVERIFY(!pk.SekmeGorunur(kamp));
    QCOMPARE(pk.AktifSayfa(), sepet);
    pk.AktifAta(kamp);  // a hidden page cannot be activated
    QCOMPARE(pk.AktifSayfa(), sepet);
  }
};

QTEST_MAIN(SekmeCizTesti)
#include "tst_sekmeciz.moc"
