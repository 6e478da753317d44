// Without a widget application the style cannot be applied and says so.
#include <QtTest>

#include "platform/controls/gorunum.h"

class GorunumTesti : public QObject {
  Q_OBJECT
 private slots:
  void UygulamaYokken() {
    QVERIFY(!GorunumUygula());
    QVERIFY(!GorunumEtkin());
  }
};

QTEST_GUILESS_MAIN(GorunumTesti)
#include "tst_gorunum.moc"
