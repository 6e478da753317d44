// The browser control's user agent as a loopback server sees it.
#include <QTcpServer>
#include <QTcpSocket>
#include <QWebEngineProfile>
#include <QtTest>

#include "desk/webguncelle.h"

namespace {

// Answers every request with a tiny page and remembers the User-Agent headers it saw.
class KayitSunucusu : public QTcpServer {
 public:
  QStringList ajanlar;

  KayitSunucusu() {
    connect(this, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* s = nextPendingConnection()) {
        auto tampon = std::make_shared<QByteArray>();
        connect(s, &QTcpSocket::readyRead, s, [this, s, tampon] {
          tampon->append(s->readAll());
          if (!tampon->contains("\r\n\r\n")) return;
          for (const QByteArray& satir : tampon->split('\n')) {
            if (satir.toLower().startsWith("user-agent:")) {
              ajanlar << QString::fromUtf8(satir.mid(11).trimmed());
            }
          }
          tampon->clear();
          s->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 20\r\n"
                   "Connection: close\r\n\r\n<html>Tamam.</html>\n");
          s->disconnectFromHost();
        });
        connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
      }
    });
  }
};

}  // namespace

class WebGuncelleTesti : public QObject {
  Q_OBJECT
 private slots:
  void UserAgent_data() {
    QTest::addColumn<QString>("ajan");
    QTest::addColumn<QString>("beklenen");  // empty: the engine's own
    QTest::newRow("kendi metni") << "DravikB2B/6 (Deneme; çalışma)" << "DravikB2B/6 (Deneme; çalışma)";
    QTest::newRow("boş") << "" << "";
    QTest::newRow("satır sonu kesilir") << "Dravik\r\nX-Eklenen: 1" << "Dravik";
  }

  void UserAgent() {
    QFETCH(QString, ajan);
    QFETCH(QString, beklenen);
    KayitSunucusu sunucu;
    QVERIFY(sunucu.listen(QHostAddress::LocalHost, 0));

    TWebBrowser tarayici;
    QCOMPARE(tarayici.UserAgent(), QString());
    const QString kendi = tarayici.VarsayilanUserAgent();
    QVERIFY(!kendi.isEmpty());
    tarayici.SetUserAgent(ajan);
    QCOMPARE(tarayici.UserAgent(), ajan);
    tarayici.resize(300, 200);
    tarayici.show();

    QSignalSpy bitti(&tarayici, &QWebEngineView::loadFinished);
    tarayici.load(QUrl(QStringLiteral("http://127.0.0.1:%1/sayfa").arg(sunucu.serverPort())));
    QTRY_VERIFY_WITH_TIMEOUT(!sunucu.ajanlar.isEmpty(), 30000);
    // Non-ASCII letters may travel as Latin-1 or UTF-8: compare the ASCII part only.
    const QString gorulen = sunucu.ajanlar.first();
    if (beklenen.isEmpty()) {
      QCOMPARE(gorulen, kendi);
    } else {
      QVERIFY2(gorulen.startsWith(beklenen.left(10)), qPrintable(gorulen));
      QVERIFY(!gorulen.contains(QLatin1String("X-Eklenen")));
    }
    QTRY_VERIFY_WITH_TIMEOUT(!bitti.isEmpty(), 30000);
  }

  // As root the engine starts only with its sandbox switched off by the user.
  void Kullanilabilir_data() {
    QTest::addColumn<bool>("kok");
    QTest::addColumn<QByteArray>("degisken");
    QTest::addColumn<QByteArray>("bayraklar");
    QTest::addColumn<QStringList>("argumanlar");
    QTest::addColumn<bool>("olur");
    QTest::newRow("kullanıcı") << false << QByteArray() << QByteArray() << QStringList() << true;
    QTest::newRow("root, ayarsız") << true << QByteArray() << QByteArray() << QStringList() << false;
    QTest::newRow("root, 0") << true << QByteArray("0") << QByteArray() << QStringList() << false;
    QTest::newRow("root, değişken") << true << QByteArray("1") << QByteArray() << QStringList() << true;
    QTest::newRow("root, bayrak") << true << QByteArray() << QByteArray("--disable-gpu --no-sandbox")
                                  << QStringList() << true;
    QTest::newRow("root, argüman") << true << QByteArray() << QByteArray()
                                   << QStringList{"DravikB2B", "--no-sandbox"} << true;
  }

  void Kullanilabilir() {
    QFETCH(bool, kok);
    QFETCH(QByteArray, degisken);
    QFETCH(QByteArray, bayraklar);
    QFETCH(QStringList, argumanlar);
    QFETCH(bool, olur);
    QString neden;
    QCOMPARE(TWebBrowser::Kullanilabilir(kok, degisken, bayraklar, argumanlar, &neden), olur);
    QCOMPARE(neden.contains(QLatin1String("QTWEBENGINE_DISABLE_SANDBOX=1")), !olur);
  }

  // Two controls keep their own texts.
  void AyriProfiller() {
    TWebBrowser a, b;
    a.SetUserAgent(QStringLiteral("A/1"));
    QCOMPARE(a.Profil()->httpUserAgent(), QStringLiteral("A/1"));
    QCOMPARE(b.Profil()->httpUserAgent(), b.VarsayilanUserAgent());
    a.SetUserAgent(QString());
    QCOMPARE(a.Profil()->httpUserAgent(), a.VarsayilanUserAgent());
  }
};

QTEST_MAIN(WebGuncelleTesti)
#include "tst_webguncelle.moc"
