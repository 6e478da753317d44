// The scrolling marquee and the picture marquee.
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "platform/controls/kayanyazi.h"
#include "platform/controls/resimkayan.h"

namespace {

int KirmiziSayisi(const QImage& img) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) {
      const QColor c = img.pixelColor(x, y);
      n += (c.red() > 180 && c.green() < 80 && c.blue() < 80) ? 1 : 0;
    }
  }
  return n;
}

}  // namespace

class KayanYaziTesti : public QObject {
  Q_OBJECT
 private slots:
  void DurdurTemizleEkleBaslat() {
    TKayanYazi k;
    k.resize(400, 40);
    QVERIFY(!k.Calisiyor());
    QCOMPARE(k.Ekle(QStringLiteral("<b>Kampanya</b> başladı")), 0);
    QCOMPARE(k.Ekle(QStringLiteral("İkinci"), false), 1);
    QCOMPARE(k.OgeSayisi(), 2);
    QCOMPARE(k.OgeMetni(0), QStringLiteral("<b>Kampanya</b> başladı"));
    k.Baslat();
    QVERIFY(k.Calisiyor());
    k.Durdur();
    k.Temizle();
    QCOMPARE(k.OgeSayisi(), 0);
    QCOMPARE(k.OgeMetni(0), QString());
    k.Baslat();  // running with no items is allowed and draws nothing
    QVERIFY(k.Calisiyor());
  }

  // Items follow one another with the gap between them.
  void Aralik() {
    TKayanYazi k;
    k.resize(300, 40);
    k.AralikAta(5);
    k.CizimEkle(100);
    k.CizimEkle(40);
    k.CizimEkle(60);
    QCOMPARE(k.IcerikGenisligi(), 100 + 40 + 60 + 2 * 5);
    QCOMPARE(k.OgeSolu(0), 300);  // a round starts at the right edge
    QCOMPARE(k.OgeSolu(1), 405);
    QCOMPARE(k.OgeSolu(2), 450);
    k.AralikAta(-3);
    QCOMPARE(k.Aralik(), 0);
  }

  // It moves only while running and visible, and moves on after being shown again.
  void KaymaVeGizlenme() {
    TKayanYazi k;
    k.resize(300, 40);
    k.HizAta(400);
    k.Ekle(QStringLiteral("Duyuru"));
    k.show();
    QVERIFY(QTest::qWaitForWindowExposed(&k));
    QTest::qWait(100);
    QCOMPARE(k.Konum(), 0.0);  // not started
    k.Baslat();
    QTRY_VERIFY_WITH_TIMEOUT(k.Konum() > 5, 3000);
    k.hide();
    QTest::qWait(30);
    const double gizliyken = k.Konum();
    QTest::qWait(200);
    QCOMPARE(k.Konum(), gizliyken);
    k.show();
    QTRY_VERIFY_WITH_TIMEOUT(k.Konum() > gizliyken + 5, 3000);
    k.Durdur();
    QTest::qWait(30);
    const double durunca = k.Konum();
    QTest::qWait(200);
    QCOMPARE(k.Konum(), durunca);
  }

  // A full round brings the text back to the right edge.
  void TurBasaDoner() {
    TKayanYazi k;
    k.resize(100, 40);
    k.HizAta(5000);
    k.CizimEkle(50);
    k.show();
    QVERIFY(QTest::qWaitForWindowExposed(&k));
    k.Baslat();
    double enBuyuk = 0;
    bool dondu = false;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 3000 && !dondu) {
      QTest::qWait(15);
      dondu = k.Konum() < enBuyuk;
      enBuyuk = std::max(enBuyuk, k.Konum());
    }
    QVERIFY(dondu);
    QVERIFY(enBuyuk <= 150 + 5000 * 0.2);
  }

  // Simple HTML is rendered: a red font tag gives red pixels, plain text shows the markup.
  void HtmlCizilir() {
    TKayanYazi k;
    k.resize(600, 40);
    QFont f = k.font();
    f.setPixelSize(24);
    k.setFont(f);
    k.Ekle(QStringLiteral("<font color=\"#ff0000\"><b>İNDİRİM</b></font> haftası"));
    const QImage bos = k.grab().toImage();
    QCOMPARE(KirmiziSayisi(bos), 0);  // a round starts beyond the right edge
    k.show();
    QVERIFY(QTest::qWaitForWindowExposed(&k));
    k.HizAta(1000);
    k.Baslat();
    QTRY_VERIFY_WITH_TIMEOUT(k.Konum() > 400, 3000);
    k.Durdur();
    QVERIFY(KirmiziSayisi(k.grab().toImage()) > 20);

    TKayanYazi duz;
    duz.resize(600, 40);
    duz.Ekle(QStringLiteral("<font color=\"#ff0000\">x</font>"), false);
    duz.CizimEkle(0);
    QVERIFY(duz.OgeSolu(1) - duz.OgeSolu(0) > QFontMetrics(duz.font()).horizontalAdvance("<font"));
  }

  void ResimKayan() {
    TResimKayan r;
    r.resize(300, 10);
    QImage resim(200, 60, QImage::Format_RGB32);
    resim.fill(Qt::red);
    r.ResimAta(resim);
    QCOMPARE(r.height(), 60);
    QCOMPARE(r.OgeSayisi(), 1);
    QCOMPARE(r.IcerikGenisligi(), 200);
    r.show();
    QVERIFY(QTest::qWaitForWindowExposed(&r));
    r.HizAta(3000);
    r.Baslat();
    QTRY_VERIFY_WITH_TIMEOUT(r.Konum() > 200, 3000);
    r.Durdur();
    QVERIFY(KirmiziSayisi(r.grab().toImage()) > 1000);
    r.ResimAta(QImage());
    QCOMPARE(r.OgeSayisi(), 0);
  }
};

QTEST_MAIN(KayanYaziTesti)
#include "tst_kayanyazi.moc"
