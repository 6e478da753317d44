// The order confirmation: summary and button texts, the choice lists from the reference
// server, the single-company selection, the three checks and what the basket reads back.
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpServer>
#include <QtTest>
#include <memory>
#include <sqlite3.h>

#include "ordering/ONAYSIPU.h"
#include "ordering/secenekgrubu.h"
#include "platform/core/sayibicim.h"
#include "platform/rpc/dsbaglanti.h"
#include "session/mesajsahte.h"
#include "tests/ortak/sunucusureci.h"

namespace {

TSonucBilgisi Oturum() {
  TSonucBilgisi b;
  b.SetADI(QStringLiteral("AYŞE ÇINAR"));
  b.SetCariAdi(QStringLiteral("ÖZGÜR YAPI MARKET LTD. ŞTİ."));
  b.SetCARINO(15);
  return b;
}

QStringList Basliklar(const TSecenekGrubu* g) {
  QStringList l;
  for (int i = 0; i < g->Sayi(); ++i) l << g->Baslik(i);
  return l;
}

QStringList Ogeler(const QComboBox* c) {
  QStringList l;
  for (int i = 0; i < c->count(); ++i) l << c->itemText(i);
  return l;
}

}  // namespace

class TstOnaySip : public QObject {
  Q_OBJECT
  std::unique_ptr<TSunucuSureci> sunucu;
  std::unique_ptr<TSQLConnection> bagc;
  TSonucBilgisi oturum = Oturum();

  std::unique_ptr<TONAYSIP> Ac(const QString& mesaj = {}) {
    auto d = std::unique_ptr<TONAYSIP>(
        TONAYSIP::Ac(nullptr, bagc.get(), mesaj, &oturum, QStringLiteral("1.000,00"), 1000, 0, 3));
    d->show();
    return d;
  }
  // Picks a cargo kind the way a click does.
  static void KargoTuruSec(TONAYSIP& d, int i) { Tikla(d.boxkargo->Dugme(i)); }
  // Clicks a radio button on its indicator.
  static void Tikla(QRadioButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2)); }

 private slots:
  void initTestCase() {
    BicimAyarlariKur(TFormatSettings::Turkce());
    BaglantiAcBeklemeKur([](int) {});
    sunucu = std::make_unique<TSunucuSureci>();
    QVERIFY2(sunucu->Baslat(), qPrintable(sunucu->Hata()));
    bagc = std::make_unique<TSQLConnection>();
    sunucu->Ayarla(*bagc);
  }
  void cleanupTestCase() {
    bagc.reset();
    sunucu.reset();
    BaglantiAcBeklemeKur(nullptr);
  }

  // Summary and buttons: 1000 with 3 % for a single payment and no cash discount.
  void ozetVeDugmeler() {
    SahteMesajGosterici sahte;
    TONAYSIP d(nullptr, nullptr, QStringLiteral("Vadesi geçmiş bakiyeniz var."), &oturum, QStringLiteral("1.000,00"),
               1000, 0, 3);
    QCOMPARE(d.windowTitle(), QStringLiteral("Sipariş Onay"));
    QCOMPARE(d.Label2->text(), QStringLiteral("Kullanıcı: AYŞE ÇINAR\n"
                                              "Cari              : ÖZGÜR YAPI MARKET LTD. ŞTİ.\n"
                                              "Tutar             : 1.000,00\n"
                                              "Tek Çekim Tutarı  : 970,00\n"
                                              "Nakit Ödeme Tutarı: 1.000,00"));
    for (const QString& satir : d.Label2->text().split('\n').mid(1))
      QCOMPARE(satir.indexOf(QLatin1Char(':')), 18);  // 20-character prefixes: the colon, then a blank
    QCOMPARE(d.Button1->text(), QStringLiteral("Taksitli Ödeme\n1.000,00"));
    QCOMPARE(d.Button3->text(), QStringLiteral("Tek Çekim\n970,00"));
    QCOMPARE(d.Button4->text(), QStringLiteral("Nakit Ödeme\n1.000,00"));
    QCOMPARE(d.Button2->text(), QStringLiteral("Vazgeç"));
    QCOMPARE(d.Label3->text(), QStringLiteral("Vadesi geçmiş bakiyeniz var."));
    QCOMPARE(d.Label1->text(), QStringLiteral("Yukarıda bilgileri verilen siparişi onaylıyor musunuz ?"));
    QCOMPARE(d.teslimbox->title(), QStringLiteral("Teslim Durumu"));
    QCOMPARE(d.boxkargo->title(), QStringLiteral("Kargo Türleri"));
    QCOMPARE(d.kargokutu->title(), QStringLiteral("Kargo"));
    QCOMPARE(d.mesajkutu->title(), QStringLiteral("Mesaj"));
    QVERIFY(sahte.Kutular().isEmpty());
  }

  void odemeTutarlari_data() {
    QTest::addColumn<double>("tutar");
    QTest::addColumn<double>("nakitOran");
    QTest::addColumn<double>("tekOran");
    QTest::addColumn<QString>("tek");
    QTest::addColumn<QString>("nakit");
    QTest::newRow("iki oran") << 1234.5 << 3.0 << 1.5 << "1.215,98" << "1.197,47";
    QTest::newRow("eksi oran") << 250.0 << -2.0 << 0.0 << "250,00" << "250,00";
    QTest::newRow("kucuk") << 0.5 << 10.0 << 0.0 << "0,50" << "0,45";
  }
  void odemeTutarlari() {
    QFETCH(double, tutar);
    QFETCH(double, nakitOran);
    QFETCH(double, tekOran);
    TONAYSIP d(nullptr, nullptr, {}, &oturum, QStringLiteral("x"), tutar, nakitOran, tekOran);
    QTEST(d.Button3->text().section('\n', 1), "tek");
    QTEST(d.Button4->text().section('\n', 1), "nakit");
    QVERIFY(d.Label2->text().endsWith(QStringLiteral("Nakit Ödeme Tutarı: ") + d.Button4->text().section('\n', 1)));
  }

  // Lists of the reference server; the second delivery kind is chosen, no cargo kind.
  void listeler() {
    SahteMesajGosterici sahte;
    auto d = Ac();
    QCOMPARE(Basliklar(d->teslimbox),
             (QStringList{"Gel Al", "Kargo ile Gönderilsin", "Servis ile Teslim"}));
    QCOMPARE(d->teslimbox->ItemIndex(), 1);
    QCOMPARE(d->teslimbox->SeciliId(), 2);
    QCOMPARE(Basliklar(d->boxkargo), (QStringList{"Alıcı Ödemeli", "Gönderici Ödemeli", "Ambar Teslim"}));
    QCOMPARE(d->boxkargo->ItemIndex(), -1);
    QCOMPARE(d->kargocombo->count(), 0);
    QVERIFY(!bagc->Connected());
    QVERIFY(sahte.Kutular().isEmpty());
    // Both lists came from the server.
    QStringList cagrilar;
    for (const QJsonObject& c : sunucu->Cagrilar()) cagrilar << c.value("yontem").toString();
    QVERIFY(cagrilar.contains("TeslimVer"));
    QVERIFY(cagrilar.contains("KargoVer"));
  }

  // Fewer delivery kinds on the server: a single one is chosen, with none nothing is.
  void teslimSayisi_data() {
    QTest::addColumn<QString>("silme");
    QTest::addColumn<QStringList>("kalan");
    QTest::addColumn<int>("secili");
    QTest::newRow("tek") << "DELETE FROM teslimler WHERE SIRANO <> 3" << QStringList{"Servis ile Teslim"} << 0;
    QTest::newRow("hic") << "DELETE FROM teslimler" << QStringList{} << -1;
  }
  void teslimSayisi() {
    QFETCH(QString, silme);
    QFETCH(int, secili);
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(sunucu->VeritabaniYolu().toUtf8().constData(), &db), SQLITE_OK);
    sqlite3_busy_timeout(db, 5000);
    auto calistir = [db](const QString& sql) { return sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr); };
    QCOMPARE(calistir(QStringLiteral("BEGIN; CREATE TEMP TABLE yedek AS SELECT * FROM teslimler; ") + silme + "; COMMIT;"),
             SQLITE_OK);
    SahteMesajGosterici sahte;
    auto d = Ac();
    const QStringList bulunan = Basliklar(d->teslimbox);
    const int bulunanSecim = d->teslimbox->ItemIndex();
    if (secili < 0) {
      KargoTuruSec(*d, 2);
      QTest::mouseClick(d->Button1, Qt::LeftButton);
    }
    QCOMPARE(calistir(QStringLiteral("BEGIN; DELETE FROM teslimler; INSERT INTO teslimler SELECT * FROM yedek; "
                                     "DROP TABLE yedek; COMMIT;")),
             SQLITE_OK);
    sqlite3_close(db);
    QTEST(bulunan, "kalan");
    QCOMPARE(bulunanSecim, secili);
    if (secili < 0) QCOMPARE(sahte.Son().metin, QStringLiteral("Lütfen Teslim Durumu Seçiniz !"));
  }

  void secimGrubu() {
    TSecenekGrubu g(QStringLiteral("x"));
    g.ItemIndexAta(1);
    QCOMPARE(g.ItemIndex(), -1);
    g.Ekle(QStringLiteral("tek"), 9);
    g.ItemIndexAta(1);  // a single item takes the selection
    QCOMPARE(g.ItemIndex(), 0);
    QCOMPARE(g.SeciliId(), 9);
    g.ItemIndexAta(-1);
    QCOMPARE(g.ItemIndex(), -1);
    QCOMPARE(g.SeciliId(), 0);
  }

  // A cargo kind with one company selects it and shows its warning at once.
  void kargoFirmalari() {
    SahteMesajGosterici sahte;
    auto d = Ac();
    KargoTuruSec(*d, 2);
    QCOMPARE(Ogeler(d->kargocombo), (QStringList{" ", "DRAVİK AMBAR SEVKİYAT"}));
    QCOMPARE(d->kargocombo->currentIndex(), 1);
    QCOMPARE(d->uyarikargo->text(), QStringLiteral("Ambar teslimleri Salı ve Cuma günleri yapılır."));

    // Several companies: nothing chosen, no warning, until the user picks one.
    KargoTuruSec(*d, 0);
    QCOMPARE(Ogeler(d->kargocombo), (QStringList{" ", "YURTİÇİ KARGO", "ARAS KARGO", "MNG KARGO"}));
    QCOMPARE(d->kargocombo->currentIndex(), 0);
    QCOMPARE(d->uyarikargo->text(), QString());
    d->kargocombo->setCurrentIndex(2);
    emit d->kargocombo->activated(2);
    QCOMPARE(d->uyarikargo->text(), QStringLiteral("Saat 16:00'dan sonra verilen siparişler ertesi gün kargoya verilir."));
    d->kargocombo->setCurrentIndex(3);
    emit d->kargocombo->activated(3);
    QCOMPARE(d->uyarikargo->text(), QString());  // MNG has no warning
    d->kargocombo->setCurrentIndex(0);
    emit d->kargocombo->activated(0);
    QCOMPARE(d->uyarikargo->text(), QString());
    QVERIFY(!bagc->Connected());
    QVERIFY(sahte.Kutular().isEmpty());
  }

  // The checks in order; only the first failing one is reported and the dialog stays open.
  void denetimler_data() {
    QTest::addColumn<bool>("teslim");
    QTest::addColumn<int>("kargoTuru");  // -1: none
    QTest::addColumn<int>("firma");      // index in the list
    QTest::addColumn<QString>("mesaj");
    QTest::newRow("teslim yok") << false << -1 << 0 << "Lütfen Teslim Durumu Seçiniz !";
    QTest::newRow("teslim yok, digerleri var") << false << 0 << 1 << "Lütfen Teslim Durumu Seçiniz !";
    QTest::newRow("kargo turu yok") << true << -1 << 0 << "Lütfen Kargo Türünü Seçiniz !";
    QTest::newRow("bos firma") << true << 0 << 0 << "Lütfen Kargo  Seçiniz !";
  }
  void denetimler() {
    QFETCH(bool, teslim);
    QFETCH(int, kargoTuru);
    QFETCH(int, firma);
    QFETCH(QString, mesaj);
    SahteMesajGosterici sahte;
    auto d = Ac();
    if (!teslim) d->teslimbox->ItemIndexAta(-1);
    if (kargoTuru >= 0) KargoTuruSec(*d, kargoTuru);
    d->kargocombo->setCurrentIndex(firma);
    for (QPushButton* b : {d->Button1, d->Button3, d->Button4}) {
      sahte.Temizle();
      QTest::mouseClick(b, Qt::LeftButton);
      QCOMPARE(sahte.Kutular().size(), 1);
      QCOMPARE(sahte.Son().metin, mesaj);
      QCOMPARE(sahte.Son().tur, mtUyari);
      QCOMPARE(sahte.Son().butonlar, (TMsgDlgButtons{mbOK}));
      QVERIFY(d->isVisible());
      QCOMPARE(d->result(), 0);
    }
    if (mesaj == QStringLiteral("Lütfen Kargo  Seçiniz !")) QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->kargocombo));
  }

  // The way of paying follows the button; the ids are those of the chosen items.
  void odemeSecimi_data() {
    QTest::addColumn<QString>("dugme");
    QTest::addColumn<int>("sonuc");
    QTest::addColumn<int>("teslim");
    QTest::addColumn<int>("kargoTuru");
    QTest::addColumn<int>("firma");
    QTest::addColumn<int>("td");
    QTest::addColumn<int>("kt");
    QTest::addColumn<int>("KN");
    QTest::newRow("taksitli") << "Button1" << int(sNormal) << 1 << 0 << 2 << 2 << 1 << 2;
    QTest::newRow("tek cekim") << "Button3" << int(sTekCEkim) << 0 << 1 << 2 << 1 << 2 << 5;
    QTest::newRow("nakit, tek firma") << "Button4" << int(sNakit) << 2 << 2 << 1 << 3 << 3 << 6;
  }
  void odemeSecimi() {
    QFETCH(QString, dugme);
    QFETCH(int, teslim);
    QFETCH(int, kargoTuru);
    QFETCH(int, firma);
    SahteMesajGosterici sahte;
    auto d = Ac();
    Tikla(d->teslimbox->Dugme(teslim));
    KargoTuruSec(*d, kargoTuru);
    d->kargocombo->setCurrentIndex(firma);
    d->aciklamagir->setPlainText(QStringLiteral("Öğleden sonra teslim edilsin."));
    QTest::mouseClick(d->findChild<QPushButton*>(dugme), Qt::LeftButton);
    QVERIFY(sahte.Kutular().isEmpty());
    QCOMPARE(d->result(), 1);
    QVERIFY(!d->isVisible());
    QTEST(int(d->Sonuc()), "sonuc");
    QTEST(d->td, "td");
    QTEST(d->kt, "kt");
    QTEST(d->KN, "KN");
    QCOMPARE(d->aciklamagir->toPlainText(), QStringLiteral("Öğleden sonra teslim edilsin."));
  }

  void vazgec() {
    auto d = Ac();
    QTest::mouseClick(d->Button2, Qt::LeftButton);
    QVERIFY(!d->isVisible());
    QCOMPARE(d->result(), 2);
    auto e = Ac();
    QTest::keyClick(e.get(), Qt::Key_Escape);
    QVERIFY(!e->isVisible());
    QCOMPARE(e->result(), 2);
  }

  // Server unreachable: the failure is reported once, the lists stay empty and no payment
  // button can close the dialog.
  void sunucuYok() {
    QTcpServer bos;
    QVERIFY(bos.listen(QHostAddress::LocalHost, 0));
    const quint16 port = bos.serverPort();
    bos.close();
    TSQLConnection kapali;
    kapali.Params = bagc->Params;
    kapali.Params[QStringLiteral("Port")] = QString::number(port);
    kapali.ConnectTimeoutMs = 500;
    SahteMesajGosterici sahte;
    TONAYSIP d(nullptr, &kapali, {}, &oturum, QStringLiteral("1.000,00"), 1000, 0, 0);
    d.show();
    QCOMPARE(sahte.Kutular().size(), 1);
    QCOMPARE(sahte.Son().metin, QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"));
    QCOMPARE(sahte.Son().tur, mtHata);
    QCOMPARE(d.teslimbox->Sayi(), 0);
    QCOMPARE(d.boxkargo->Sayi(), 0);
    sahte.Temizle();
    QTest::mouseClick(d.Button4, Qt::LeftButton);
    QCOMPARE(sahte.Son().metin, QStringLiteral("Lütfen Teslim Durumu Seçiniz !"));
    QVERIFY(d.isVisible());
  }

  // The server goes away after the lists came: a cargo kind click reports it and leaves no
  // company of another kind to choose.
  void kargoTuruSunucuYok() {
    SahteMesajGosterici sahte;
    auto d = Ac();
    KargoTuruSec(*d, 0);
    QCOMPARE(d->kargocombo->count(), 4);
    QVERIFY(sunucu->HataKur(QStringLiteral("KargolarVer"), QStringLiteral("hata"), 0,
                            QStringLiteral("Kargo listesi alınamadı"), 1));
    KargoTuruSec(*d, 1);
    QCOMPARE(sahte.Kutular().size(), 1);
    QCOMPARE(sahte.Son().tur, mtHata);
    QVERIFY(sahte.Son().metin.contains(QStringLiteral("Kargo listesi alınamadı")));
    QCOMPARE(Ogeler(d->kargocombo), QStringList{" "});
    QVERIFY(!bagc->Connected());
    sunucu->HatalariTemizle();
    sahte.Temizle();
    d->kargocombo->setCurrentIndex(0);
    QTest::mouseClick(d->Button1, Qt::LeftButton);
    QCOMPARE(sahte.Son().metin, QStringLiteral("Lütfen Kargo  Seçiniz !"));
  }
};

QTEST_MAIN(TstOnaySip)
#include "tst_onaysip.moc"
