#pragma once
// Shared fixture of the stock list and basket tests: the main window without its login, its
// connection pointed at a reference server on a loopback port and its session record the
// demo customer's, message boxes answered by a fake, and helpers that answer the modal
// dialogs the page opens.

#include <QApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonObject>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "mainwindow/Unit1.h"
#include "mainwindow/sayfa_sepet.h"
#include "mainwindow/sayfa_stok.h"
#include "mainwindow/sekmeciz.h"
#include "platform/core/sayibicim.h"
#include "platform/core/veriseti.h"
#include "platform/rpc/dsbaglanti.h"
#include "session/baglantiu.h"
#include "session/mesajsahte.h"
#include "session/programayarlari.h"
#include "session/proxim.h"
#include "session/utils.h"
#include "tests/ortak/sunucusureci.h"

namespace stoksepet {

// The demo customer's session record as the server gives it for its computer identity.
inline bool OturumAl(TSunucuSureci& sunucu, TSonucBilgisi& hedef, const QString& kimlik = QStringLiteral("DEMO-MUSTERI")) {
  TSQLConnection b;
  sunucu.Ayarla(b);
  if (!BaglantiAc(b, 0)) return false;
  TServerMethods1Client p(&b);
  TSonucBilgisi* s = p.BuyukGetir(kimlik);
  if (!s) return false;
  hedef.Kopyala(s);
  b.Close();
  return true;
}

// Calls of one method in the server's call log.
inline QList<QJsonArray> Cagrilari(TSunucuSureci& sunucu, const QString& yontem) {
  QList<QJsonArray> l;
  for (const QJsonObject& c : sunucu.Cagrilar())
    if (c.value(QStringLiteral("yontem")).toString() == yontem) l.append(c.value(QStringLiteral("params")).toArray());
  return l;
}

// Waits (running the event loop) until the condition holds; false on timeout.
inline bool Bekle(const std::function<bool()>& kosul, int ms = 20000) {
  QElapsedTimer t;
  t.start();
  while (!kosul()) {
    if (t.elapsed() > ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(2);
  }
  return true;
}

// Answers the next modal dialog of type T with the given action (run inside its event loop).
template <class T>
void ModalCevapla(std::function<void(T*)> eylem) {
  auto* zamanlayici = new QTimer;
  zamanlayici->setInterval(10);
  QObject::connect(zamanlayici, &QTimer::timeout, [zamanlayici, eylem] {
    if (auto* d = qobject_cast<T*>(QApplication::activeModalWidget())) {
      zamanlayici->stop();
      zamanlayici->deleteLater();
      eylem(d);
    }
  });
  zamanlayici->start();
}

// The main window against a fresh server.
class Ortam {
 public:
  explicit Ortam(QStringList ekler = {}) : sunucu(std::move(ekler)) {}

  bool Kur(const QString& kimlik = QStringLiteral("DEMO-MUSTERI")) {
    BicimAyarlariKur(TFormatSettings::Turkce());
    BaglantiAcBeklemeKur([](int) {});
    if (!sunucu.Baslat()) return false;
    ProgramAyarlari().WebAdres = sunucu.WebAdres();
    form = std::make_unique<TForm1>();
    form->sbilgi = std::make_unique<TSonucBilgisi>();
    if (!OturumAl(sunucu, *form->sbilgi, kimlik)) return false;
    sunucu.Ayarla(*form->bagc);
    form->resize(1350, 710);
    form->show();
    return QTest::qWaitForWindowExposed(form.get());
  }
  ~Ortam() { BaglantiAcBeklemeKur(nullptr); }

  TStokSayfasi& Stok() { return *form->StokSayfasi; }
  TSepetSayfasi& Sepet() { return *form->SepetSayfasi; }

  // Runs a search for the text as if typed and Enter pressed; waits for its end.
  bool Ara(const QString& metin) {
    form->araedit->setText(metin);
    bool bitti = false;
    auto c = QObject::connect(&Stok(), &TStokSayfasi::AramaBitti, [&](bool) { bitti = true; });
    QTest::keyClick(form->araedit, Qt::Key_Return);
    const bool sonuc = Bekle([&] { return bitti || !Stok().AramaSuruyor(); });
    QObject::disconnect(c);
    return sonuc;
  }

  QString StokBasligi() const { return form->sPageControl1->Baslik(0); }
  QString SepetBasligi() const { return form->sPageControl1->Baslik(1); }

  TSunucuSureci sunucu;
  SahteMesajGosterici mesaj;
  std::unique_ptr<TForm1> form;
};

}  // namespace stoksepet
