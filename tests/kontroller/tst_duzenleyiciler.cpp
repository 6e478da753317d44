// The amount edit, the whole-number spin edit and the date picker.
#include <QCalendarWidget>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include "platform/controls/tamsayispin.h"
#include "platform/controls/tarihsecici.h"
#include "platform/controls/tutaredit.h"

class DuzenleyiciTesti : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { BicimAyarlariKur(TFormatSettings::Turkce()); }

  void Gosterim_data() {
    QTest::addColumn<double>("deger");
    QTest::addColumn<QString>("metin");
    QTest::newRow("milyon") << 1234567.5 << "1.234.567,50";
    QTest::newRow("sıfır") << 0.0 << "0,00";
    QTest::newRow("eksi") << -1500.25 << "-1.500,25";
    QTest::newRow("yuvarlama") << 2.675 << "2,68";
    QTest::newRow("küçük") << 0.5 << "0,50";
  }

  void Gosterim() {
    QFETCH(double, deger);
    QFETCH(QString, metin);
    TTutarEdit e;
    e.DegerAta(deger);
    QCOMPARE(e.text(), metin);
    QCOMPARE(e.Deger(), deger);
  }

  // Typing keeps the thousands grouping; either "." or "," types the decimal separator;
  // leaving the field writes the full format.
  void YazarkenBicimKorunur_data() {
    QTest::addColumn<QString>("tuslar");
    QTest::addColumn<QString>("yazarken");
    QTest::addColumn<double>("deger");
    QTest::addColumn<QString>("sonra");
    QTest::newRow("binlik") << "1234567" << "1.234.567" << 1234567.0 << "1.234.567,00";
    QTest::newRow("virgüllü") << "1234,5" << "1.234,5" << 1234.5 << "1.234,50";
    QTest::newRow("noktayla ondalık") << "1234.75" << "1.234,75" << 1234.75 << "1.234,75";
    QTest::newRow("harfler yok sayılır") << "12a3b" << "123" << 123.0 << "123,00";
    QTest::newRow("eksi") << "-2500" << "-2.500" << -2500.0 << "-2.500,00";
    QTest::newRow("ikinci ayırıcı") << "1,2,3" << "1,23" << 1.23 << "1,23";
  }

  void YazarkenBicimKorunur() {
    QFETCH(QString, tuslar);
    QFETCH(QString, yazarken);
    QFETCH(double, deger);
    QFETCH(QString, sonra);
    QWidget pencere;
    auto* e = new TTutarEdit(&pencere);
    auto* diger = new QLineEdit(&pencere);
    diger->move(0, 40);
    pencere.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pencere));
    e->setFocus();
    e->selectAll();
    QTest::keyClicks(e, tuslar);
    QCOMPARE(e->text(), yazarken);
    QCOMPARE(e->Deger(), deger);
    diger->setFocus();
    QTRY_COMPARE(e->text(), sonra);
  }

  // Typing in the middle keeps the cursor on the same digit.
  void ImlecYerindeKalir() {
    TTutarEdit e;
    e.setText(QStringLiteral("123"));
    e.setCursorPosition(1);  // 1|23
    QTest::keyClicks(&e, QStringLiteral("9"));
    QCOMPARE(e.text(), QStringLiteral("1.923"));
    QCOMPARE(e.cursorPosition(), 3);  // 1.9|23
    QTest::keyClick(&e, Qt::Key_Backspace);
    QCOMPARE(e.text(), QStringLiteral("123"));
    QCOMPARE(e.cursorPosition(), 1);
  }

  void SaltOkunurVeGecersiz() {
    TTutarEdit e;
    e.DegerAta(50);
    e.setReadOnly(true);
    QTest::keyClicks(&e, QStringLiteral("99"));
    QCOMPARE(e.text(), QStringLiteral("50,00"));
    e.setReadOnly(false);
    e.setText(QStringLiteral("1,2,3"));  // pasted nonsense goes back to the last value
    QVERIFY(!e.Gecerli());
    QCOMPARE(e.Deger(), 50.0);
    e.Bicimle();
    QCOMPARE(e.text(), QStringLiteral("50,00"));
    e.setText(QString());
    QCOMPARE(e.Deger(), 0.0);
    e.GosterimBicimiAta(QStringLiteral("#,###,##00.00"));
    QCOMPARE(e.text(), QStringLiteral("00,00"));
  }

  void DegerDegistiSinyali() {
    TTutarEdit e;
    QSignalSpy sinyal(&e, &TTutarEdit::DegerDegisti);
    e.selectAll();
    QTest::keyClicks(&e, QStringLiteral("12"));
    QVERIFY(!sinyal.isEmpty());
    QCOMPARE(sinyal.last().at(0).toDouble(), 12.0);
  }

  void Spin_data() {
    QTest::addColumn<QString>("metin");
    QTest::addColumn<int>("deger");
    QTest::newRow("sayı") << "25" << 25;
    QTest::newRow("boş") << "" << 1;
    QTest::newRow("üstünde") << "20000" << 10000;
  }

  // A text that is not a whole number yields the minimum.
  void Spin() {
    QFETCH(QString, metin);
    QFETCH(int, deger);
    TTamSayiSpin s(1, 10000, 1);
    s.findChild<QLineEdit*>()->setText(metin);
    QCOMPARE(s.Deger(), deger);
  }

  void SpinAraligi() {
    TTamSayiSpin s(1, 1000, 1);
    QCOMPARE(s.value(), 1);
    s.DegerAta(5000);
    QCOMPARE(s.Deger(), 1000);
    s.DegerAta(0);
    QCOMPARE(s.Deger(), 1);
    s.DegerAta(1500);  // no thousands separator in the text
    QCOMPARE(s.text(), QStringLiteral("1000"));
  }

  void Tarih() {
    TTarihSecici t;
    QCOMPARE(t.Tarih(), QDate::currentDate());
    QVERIFY(t.calendarPopup());
    QCOMPARE(t.locale().language(), QLocale::Turkish);
    t.TarihAta(QDate(2026, 3, 9));
    QCOMPARE(t.text(), QStringLiteral("09.03.2026"));
    QCOMPARE(t.calendarWidget()->firstDayOfWeek(), Qt::Monday);
  }
};

QTEST_MAIN(DuzenleyiciTesti)
#include "tst_duzenleyiciler.moc"
