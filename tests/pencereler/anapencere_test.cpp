// Main window against the reference server: start-up through the login, header, counters,
// scrolling text, banners, role rules, notifications, the exit question and the background
// page load.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "desk/gifresim.h"
#include "mainwindow/Unit1.h"
#include "mainwindow/sayfayukle.h"
#include "mainwindow/sekmeciz.h"
#include "mainwindow/yukleme.h"
#include "platform/controls/kayanyazi.h"
#include "platform/controls/mesgulgosterge.h"
#include "platform/controls/resimkayan.h"
#include "platform/core/sayibicim.h"
#include "platform/core/veriseti.h"
#include "platform/grid/izgara.h"
#include "platform/rpc/dsbaglanti.h"
#include "session/baglantiu.h"
#include "session/girisformu.h"
#include "session/mesajsahte.h"
#include "session/programayarlari.h"
#include "session/proxim.h"
#include "session/utils.h"
#include "tests/ortak/sunucusureci.h"
#include "tests/pencereler/pencereortami.h"

class AnaPencereTesti : public QObject, TPencereOrtami {
  Q_OBJECT

  void AyarYaz(const QString& isim) {
    QDir().mkpath(ayarKoku.path() + "/dravik");
    QFile f(ayarKoku.path() + "/dravik/ayar.ini");
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("[kullanici]\r\nisim=%1\r\nsifre=1234\r\nhatırla=1\r\n").arg(isim).toUtf8());
  }

  // Starts the window as the program does, logged in as the account of the identity.
  std::unique_ptr<TForm1> Baslat(const QString& kimlik, const QString& isim) {
    AyarYaz(isim);
    ProgramAyarlari().Kimlik = kimlik;
    ProgramAyarlari().OtomatikGiris = true;
    auto f = std::make_unique<TForm1>();
    if (!f->FormCreate()) return nullptr;
    QSignalSpy bitti(f.get(), &TForm1::YuklemeBitti);
    f->show();
    if (!bitti.wait(30000)) return nullptr;
    return f;
  }

  // What the server gives for the counters, as caption texts.
  QList<QString> BeklenenSayaclar(const TSonucBilgisi& b) {
    TSQLConnection bag;
    srv->Ayarla(bag);
    bag.Open();
    TServerMethods1Client p(&bag);
    auto* kopya = new TSonucBilgisi;
    kopya->Kopyala(&b);
    TClientDataSet ds;
    ReaderToDataSet(p.BalonGetir(kopya), ds);
    QList<QString> s;
    ds.First();
    for (int i = 0; i < 5 && i < ds.FieldCount(); ++i) s << SayacMetni(ds.Fields(i));
    return s;
  }

 private slots:
  void initTestCase() { QVERIFY2(OrtamKur(), qPrintable(srv->Hata())); }
  void cleanupTestCase() { OrtamBirak(); }
  void init() { OrtamSifirla(); }

  void baslangicVeUstBilgi() {
    SahteMesajGosterici sahte;
    auto f = Baslat("DEMO-MUSTERI", "MUSTERI");
    QVERIFY(f);
    QCOMPARE(f->windowTitle(), QStringLiteral("Dravik B2B Programı"));
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Dravik B2B"));
    QCOMPARE(f->kullanicilbl->text(), QStringLiteral("MUSTERI"));
    QVERIFY(!f->cariadilbl->text().isEmpty());
    QCOMPARE(f->cariadilbl->text(), f->sbilgi->CariAdi());
    QCOMPARE(f->saticilbl->text(),
             QStringLiteral("AHMET YILMAZ Telefonu: 0212 555 10 01 email: ahmet.yilmaz@dravik.com.tr"));

    // Counters: "<n>=<name>", the double of the balances without decimals when whole.
    const QList<QString> s = BeklenenSayaclar(*f->sbilgi);
    QCOMPARE(s.size(), 5);
    QCOMPARE(f->sPageControl1->Baslik(1), s[0] + "=Sepet");
    QCOMPARE(f->sPageControl1->Baslik(4), s[1] + "=Yeni Stoklar");
    QCOMPARE(f->sPageControl1->Baslik(5), s[2] + "=Kampanyalı");
    QCOMPARE(f->sPageControl1->Baslik(6), s[3] + "=Duyurular");
    QCOMPARE(f->sPageControl1->Baslik(7), s[4] + "=Bakiyeler");
    for (const QString& v : s) QVERIFY2(!v.contains('.') && !v.endsWith(",0"), qPrintable(v));

    // Scrolling text as the server sent it.
    TSQLConnection bag;
    srv->Ayarla(bag);
    bag.Open();
    TServerMethods1Client p(&bag);
    const QString kayan = p.KayanYaziGetir();
    QCOMPARE(f->kayanyazi->OgeSayisi(), kayan.trimmed().isEmpty() ? 0 : 1);
    if (!kayan.trimmed().isEmpty()) QCOMPARE(f->kayanyazi->OgeMetni(0), kayan);
    QVERIFY(f->kayanyazi->Calisiyor());

    // Banners: the header picture, the top strip as high as its picture, the bottom strip 40 above it.
    QVERIFY(!f->GifResim1->Bos());
    QVERIFY(f->RxGIFAnimator2->height() > 0);
    QCOMPARE(f->RxGIFAnimator2->height(), f->RxGIFAnimator2->ResimBoyutu().height());
    QVERIFY(f->RealTimeMarquee1->isVisible());
    QCOMPARE(f->Panel5->height(), f->RealTimeMarquee1->Resim().height() + 40);
    QVERIFY(sahte.Kutular().isEmpty());
  }

  void cerceve() {
    auto f = Baslat("DEMO-MUSTERI", "MUSTERI");
    QVERIFY(f);
    const QStringList tasarim{"Stok Listesi", "Sepet", "Önceki Siparişler", "Cari Ekstre", "Yeni Stoklar",
                              "Kampanyalı Stoklar", "Duyurular", "Bakiyeler", "Sanal Pos", "Dosyalar"};
    QCOMPARE(f->sPageControl1->Sayi(), 10);
    const QList<QWidget*> sayfalar{f->sstoklistesi, f->ssepet, f->sonceki, f->sccariekstre, f->syeniler,
                                   f->skampanyali, f->sTabSheetduyuru, f->sTabbakiyeler, f->ss, f->tabdosya};
    for (int i = 0; i < 10; ++i) {
      QCOMPARE(f->sPageControl1->Sayfa(i), sayfalar[i]);
      QCOMPARE(SekmeBasligiCoz(f->sPageControl1->Baslik(i)).baslik.isEmpty(), false);
    }
    QCOMPARE(f->sPageControl1->Baslik(0), tasarim[0]);
    QCOMPARE(f->sPageControl1->Baslik(2), tasarim[2]);
    QCOMPARE(f->sPageControl1->Baslik(3), tasarim[3]);
    QCOMPARE(f->sPageControl1->AktifSayfa(), f->sstoklistesi);

    QStringList menu;
    for (QAction* a : f->Genelmenu->actions()) menu << (a->isSeparator() ? "-" : a->text());
    QCOMPARE(menu, (QStringList{"Mail Gönder", "-", "Şifre Değiştirme İsteği", "-", QUrl(srv->WebAdres()).host(), "-",
                                "Çıkış", "-", "Raporlar"}));
    QCOMPARE(f->Panel1->height(), 123);
    QCOMPARE(f->Panel2->height(), 35);
    QCOMPARE(f->Panel3->height(), 27);
    QCOMPARE(f->araedit->width(), 340);
    QCOMPARE(f->musteritus->text(), QStringLiteral("Başka Cari Seç"));
    for (auto* g : {f->gifstokara, f->gifyeniler, f->gifkampanyali, f->gifduyuru, f->gifoncekiler, f->gifdosyalar,
                    f->gifekstre})
      QVERIFY(!g->isVisible());
    QStringList aciklama;
    for (QLabel* l : f->Panel3->findChildren<QLabel*>())
      if (!l->text().isEmpty()) aciklama << l->text();
    QCOMPARE(aciklama, (QStringList{"Durum Açıklaması:    ", " Stok mevcut  ", " Telefon Açınız  ", " Yolda  ",
                                    " Tedarik Sürecinde ", " Özel Sipariş  ", " Yok  "}));
  }

  void rolKurallari_data() {
    QTest::addColumn<QString>("kimlik");
    QTest::addColumn<QString>("isim");
    QTest::addColumn<bool>("musteritus");
    QTest::addColumn<bool>("raporlar");
    QTest::addColumn<bool>("kampanya");
    QTest::newRow("0 müşteri") << "DEMO-MUSTERI" << "MUSTERI" << false << false << true;
    QTest::newRow("1 satıcı") << "DEMO-SATICI" << "SATICI" << true << true << true;
    QTest::newRow("3 kısıtlı") << "DEMO-KISITLI" << "KISITLI" << false << false << true;
    QTest::newRow("4 kampanyasız") << "DEMO-KAMPANYASIZ" << "KAMPANYASIZ" << false << false << false;
  }
  void rolKurallari() {
    QFETCH(QString, kimlik);
    QFETCH(QString, isim);
    QFETCH(bool, musteritus);
    QFETCH(bool, raporlar);
    QFETCH(bool, kampanya);
    auto f = Baslat(kimlik, isim);
    QVERIFY(f);
    QCOMPARE(f->musteritus->isVisible(), musteritus);
    QCOMPARE(f->R1->isVisible(), raporlar);
    QCOMPARE(f->sPageControl1->SekmeGorunur(f->skampanyali), kampanya);
    QCOMPARE(f->Roller.kampanyaSutunlari, kampanya);
  }

  void eksikResimlerDegistirmez() {
    QVERIFY(srv->HataKur("BannerResimVer2", "kisa_akis", 0, {}, 0));
    QVERIFY(srv->HataKur("BannerResimVer3", "kisa_akis", 0, {}, 0));
    QVERIFY(srv->HataKur("BannerResimVer", "hata", 0, "resim yok", 0));
    SahteMesajGosterici sahte;
    auto f = Baslat("DEMO-MUSTERI", "MUSTERI");
    QVERIFY(f);
    QCOMPARE(f->RxGIFAnimator2->height(), 0);
    QCOMPARE(f->Panel5->height(), 40);
    QVERIFY(!f->RealTimeMarquee1->isVisible());
    QVERIFY(f->GifResim1->Bos());
    QVERIFY(sahte.Kutular().isEmpty());
    QVERIFY(f->sPageControl1->Baslik(1).endsWith("=Sepet"));
  }

  void bildirimYeniler() {
    auto f = Baslat("DEMO-MUSTERI", "MUSTERI");
    QVERIFY(f);
    QTRY_VERIFY_WITH_TIMEOUT(srv->DinleyiciSayisi() >= 1, 15000);
    const QString sepet = f->sPageControl1->Baslik(1);
    f->sPageControl1->BaslikAta(f->ssepet, QStringLiteral("Sepet"));
    f->sPageControl1->BaslikAta(f->sTabbakiyeler, QStringLiteral("Bakiyeler"));
    f->kullanicilbl->setText(QStringLiteral("-"));
    QSignalSpy geldi(f.get(), &TForm1::GeriBildirimGeldi);
    QVERIFY(srv->Bildir(QJsonValue(QStringLiteral("yenile"))) >= 1);
    QVERIFY(geldi.wait(20000));
    QCOMPARE(f->kullanicilbl->text(), QStringLiteral("MUSTERI"));
    QCOMPARE(f->sPageControl1->Baslik(1), sepet);
    QVERIFY(f->sPageControl1->Baslik(7).endsWith("=Bakiyeler"));
  }

  void cikisSorusu_data() {
    QTest::addColumn<int>("cevap");
    QTest::addColumn<bool>("bitti");
    QTest::newRow("Hayır") << mrNo << false;
    QTest::newRow("Evet") << mrYes << true;
  }
  void cikisSorusu() {
    QFETCH(int, cevap);
    QFETCH(bool, bitti);
    auto f = Baslat("DEMO-MUSTERI", "MUSTERI");
    QVERIFY(f);
    SahteMesajGosterici sahte;
    sahte.Cevapla(cevap);
    f->G1->trigger();
    QCOMPARE(sahte.Kutular().size(), 1);
    const auto k = sahte.Son();
    QCOMPARE(k.metin, QStringLiteral("Programdan Çıkmak İstiyor musunuz ?"));
    QCOMPARE(k.tur, mtSoru);
    QCOMPARE(k.butonlar, (TMsgDlgButtons{mbYes, mbNo}));
    QCOMPARE(k.varsayilan, mbYes);
    QCOMPARE(bitis, bitti ? 1 : 0);
    QCOMPARE(f->isVisible(), !bitti);
  }

  void girisIptaliPencereyiGostermez() {
    ProgramAyarlari().Kimlik = QStringLiteral("DEMO-MUSTERI");
    QTimer gozcu;
    connect(&gozcu, &QTimer::timeout, this, [] {
      for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* g = qobject_cast<Tgirisform*>(w); g && g->isVisible()) g->Button2->click();
    });
    gozcu.start(20);
    TForm1 f;
    QVERIFY(!f.FormCreate());
    QVERIFY(bitis >= 1);
    QVERIFY(!f.isVisible());
  }

  void sayfaYukleme_data() {
    QTest::addColumn<bool>("kapali");
    QTest::newRow("başarılı") << false;
    QTest::newRow("sunucu kapalı") << true;
  }
  void sayfaYukleme() {
    QFETCH(bool, kapali);
    SahteMesajGosterici sahte;
    TSQLConnection bag;
    srv->Ayarla(bag);
    if (kapali) bag.Params[QStringLiteral("Port")] = QString::number(KapaliPort());
    QWidget kap;
    auto* edit = new QLineEdit(&kap);
    auto* gif = new TMesgulGosterge(&kap);
    auto* izgara = new TVeriIzgarasi(&kap);
    TClientDataSet ds;
    izgara->SetVeriSeti(&ds);
    kap.show();
    int sayi = -1;
    bool basarili = false;
    bool bitti = false;
    TSayfaYuklemesi y;
    y.izgara = izgara;
    y.kilitli = edit;
    y.mesgul = gif;
    y.veri = &ds;
    y.cagri = [](TServerMethods1Client& p, TClientDataSet& d) { PaketiYukle(p.YenilerVer2(1), d); };
    y.bitti = [&](int n, bool b) {
      sayi = n;
      basarili = b;
      bitti = true;
    };
    SayfaYukle(&kap, bag, y);
    QVERIFY(!edit->isEnabled());
    QVERIFY(gif->isVisible());
    QCOMPARE(izgara->VeriSeti(), nullptr);
    QTRY_VERIFY_WITH_TIMEOUT(bitti, 30000);
    QVERIFY(edit->isEnabled());
    QVERIFY(!gif->isVisible());
    QCOMPARE(izgara->VeriSeti(), &ds);
    QCOMPARE(basarili, !kapali);
    if (kapali) {
      QCOMPARE(sahte.Kutular().size(), 1);
      QCOMPARE(sahte.Son().metin, QString::fromUtf8(BaglantiKurulamiyorMetni));
      QCOMPARE(sahte.Son().tur, mtHata);
    } else {
      QVERIFY(sayi > 0);
      QCOMPARE(sayi, ds.RecordCount());
      QVERIFY(sahte.Kutular().isEmpty());
    }
  }
};

QTEST_MAIN(AnaPencereTesti)
#include "anapencere_test.moc"
