// `Animate` of the animated picture and its picture loading.
#include <QBuffer>
#include <QImage>
#include <QtTest>

#include "desk/gifresim.h"

namespace {

// Two 4 x 4 frames, red then blue, looping.
QByteArray IkiKareliGif() {
  return QByteArray::fromHex(
      "47494638396104000400f00000ff000000000021f904000500000021ff0b4e45545343415045322e300301"
      "0000002c0000000004000400000204848f09050021f90400050000002c00000000040004008000"
      "00ff0000000204848f0905003b");
}

QByteArray Png() {
  QImage img(8, 6, QImage::Format_RGB32);
  img.fill(Qt::green);
  QByteArray veri;
  QBuffer b(&veri);
  b.open(QIODevice::WriteOnly);
  img.save(&b, "PNG");
  return veri;
}

}  // namespace

class GifResimTesti : public QObject {
  Q_OBJECT
 private slots:
  // The value written, what was there before, and what must follow.
  void Animate_data() {
    QTest::addColumn<QString>("resim");  // "", "gif", "png"
    QTest::addColumn<bool>("once");
    QTest::addColumn<bool>("yeni");
    QTest::addColumn<bool>("saydam");
    QTest::addColumn<bool>("oynuyor");
    QTest::newRow("boş, açılır") << "" << false << true << false << false;
    QTest::newRow("png, açılır") << "png" << false << true << false << false;
    QTest::newRow("gif, açılır") << "gif" << false << true << true << true;
    QTest::newRow("gif, kapanır") << "gif" << true << false << true << false;
    QTest::newRow("gif, aynı değer (açık)") << "gif" << true << true << false << true;
    QTest::newRow("gif, aynı değer (kapalı)") << "gif" << false << false << false << false;
  }

  void Animate() {
    QFETCH(QString, resim);
    QFETCH(bool, once);
    QFETCH(bool, yeni);
    QFETCH(bool, saydam);
    QFETCH(bool, oynuyor);
    TGifResim g;
    // The state before: the picture, then `Animate` as it was, transparency reset.
    if (resim == "gif") QVERIFY(g.ResimYukle(IkiKareliGif()));
    if (resim == "png") QVERIFY(g.ResimYukle(Png()));
    g.SetAnimate(once);
    g.SetTransparent(false);

    g.SetAnimate(yeni);
    QCOMPARE(g.Animate(), yeni);
    QCOMPARE(g.Transparent(), saydam);
    QCOMPARE(g.Oynuyor(), oynuyor);
  }

  // The banner sequence: `Animate` off, a new picture, `Animate` on: the GIF plays.
  void SonradanYuklenenGif() {
    TGifResim g;
    g.SetAnimate(true);  // nothing to animate yet: only stored
    QVERIFY(!g.Oynuyor());
    QVERIFY(!g.Transparent());
    QVERIFY(g.ResimYukle(IkiKareliGif()));
    QVERIFY(!g.Oynuyor());  // a freshly loaded GIF waits for the next switch
    g.SetAnimate(false);
    QVERIFY(g.Transparent());
    QVERIFY(g.ResimYukle(IkiKareliGif()));
    g.SetAnimate(true);
    QVERIFY(g.Oynuyor());
    // The frames change while it plays.
    const QRgb ilk = g.Kare().pixel(0, 0);
    QTRY_VERIFY_WITH_TIMEOUT(g.Kare().pixel(0, 0) != ilk, 3000);
    g.SetAnimate(false);
    QVERIFY(!g.Oynuyor());
    const QRgb duran = g.Kare().pixel(0, 0);
    QTest::qWait(200);
    QCOMPARE(g.Kare().pixel(0, 0), duran);
  }

  void Yukleme() {
    QVERIFY(TGifResim::GifDestekleniyor());
    TGifResim g;
    QVERIFY(g.Bos());
    QVERIFY(g.ResimYukle(Png()));
    QVERIFY(!g.GifMi());
    QCOMPARE(g.ResimBoyutu(), QSize(8, 6));
    // Bytes that are not a picture keep the picture shown so far.
    QVERIFY(!g.ResimYukle(QByteArray("bu bir resim değil")));
    QVERIFY(!g.ResimYukle(QByteArray()));
    QVERIFY(!g.ResimYukle(IkiKareliGif().left(20)));
    QCOMPARE(g.ResimBoyutu(), QSize(8, 6));
    QVERIFY(g.ResimYukle(IkiKareliGif()));
    QVERIFY(g.GifMi());
    QCOMPARE(g.ResimBoyutu(), QSize(4, 4));
    g.Temizle();
    QVERIFY(g.Bos());
    g.SetAnimate(true);  // an emptied control only stores the value
    QVERIFY(!g.Transparent());
  }

  // The top banner strip: as high as its picture, 0 pixels without one.
  void OtomatikBoy() {
    TGifResim g;
    g.SetAutoSize(true);
    QCOMPARE(g.height(), 0);
    QVERIFY(g.ResimYukle(Png()));
    QCOMPARE(g.height(), 6);
    QVERIFY(!g.ResimYukle(QByteArray("bozuk")));
    QCOMPARE(g.height(), 6);
    g.Temizle();
    QCOMPARE(g.height(), 0);
  }
};

QTEST_MAIN(GifResimTesti)
#include "tst_gifresim.moc"
