// The grid view: column chooser, incremental search by typing, clicks on check-box and button
// cells, focused row and the data set's record, layout by weight, best fit, header sorting and
// filter, custom-drawn cells, a detached fill.

#include <QAbstractItemModelTester>
#include <QBuffer>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

#include "izgara_ortak.h"
#include "platform/grid/izgara.h"
#include "platform/grid/izgarafiltre.h"
#include "platform/grid/izgaraikonlari.h"
#include "platform/grid/izgaratablosu.h"

// Typing as the keyboard does it, Turkish letters included (QTest::keyClicks knows ASCII only).
void Yaz(QWidget* w, const QString& metin) {
  for (QChar c : metin) {
    QKeyEvent basildi(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &basildi);
    QKeyEvent birakildi(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &birakildi);
  }
}

class TestIzgaraGorunum : public QObject {
  Q_OBJECT

  TClientDataSet ds;
  std::unique_ptr<TVeriIzgarasi> iz;
  std::unique_ptr<QAbstractItemModelTester> denetci;
  TIzgaraKolonu *kSec{}, *kStokno{}, *kAdi{}, *kMarka{}, *kFiyat{}, *kDurum{}, *kIndir{}, *kIleri{};

  QTableView* T() const { return iz->Tablo(); }
  QPoint HucreOrtasi(int kaynakSatir, TIzgaraKolonu* k) const {
    const QModelIndex ix = iz->Model()->index(iz->Model()->GorunenSatir(kaynakSatir), iz->KolonIndeksi(k));
    return T()->visualRect(ix).center();
  }

 private slots:
  void initTestCase() { BicimAyarlariKur(TFormatSettings::Turkce()); }

  void init() {
    OrnekDoldur(ds);
    ds.AddField(QStringLiteral("ILERI"), TFieldType::ftInteger);  // added after Open: still bound by name
    iz = std::make_unique<TVeriIzgarasi>();
    denetci = std::make_unique<QAbstractItemModelTester>(iz->Model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    kSec = iz->KolonEkle(QStringLiteral("kSec"), QStringLiteral("SEC"), QStringLiteral("Seç"));
    kSec->SetTur(TKolonTuru::Onay);
    kSec->SetSecenekte(false);
    kStokno = iz->KolonEkle(QStringLiteral("kStokno"), QStringLiteral("STOKNO"));
    kStokno->SetGorunur(false);
    kStokno->SetSecenekte(false);
    kAdi = iz->KolonEkle(QStringLiteral("kAdi"), QStringLiteral("ADI"), QStringLiteral("Açıklama"));
    kAdi->SetAgirlik(3);
    kMarka = iz->KolonEkle(QStringLiteral("kMarka"), QStringLiteral("MARKA"), QStringLiteral("Marka"));
    kMarka->SetAgirlik(2);
    kFiyat = iz->KolonEkle(QStringLiteral("kFiyat"), QStringLiteral("FIYAT"), QStringLiteral("Fiyat"));
    kFiyat->SetAgirlik(2);
    kFiyat->SetHizalama(Qt::AlignRight | Qt::AlignVCenter);
    kFiyat->SetAltOzet(TOzetTuru::Toplam);
    kDurum = iz->KolonEkle(QStringLiteral("kDurum"), QStringLiteral("DURUM"), QStringLiteral("Durum"));
    kDurum->SetTur(TKolonTuru::Ikon);
    kDurum->SetDegerListesi(DurumDegerListesi());
    kDurum->SetGorunur(false);
    kIndir = iz->KolonEkle(QStringLiteral("kIndir"), QString(), QStringLiteral("İndir"));
    kIndir->SetTur(TKolonTuru::Dugme);
    kIndir->SetDugmeIkonu(IndirIkonu());
    kIleri = iz->KolonEkle(QStringLiteral("kIleri"), QStringLiteral("ILERI"), QStringLiteral("İleri"));
    kIleri->SetTur(TKolonTuru::Ilerleme);
    iz->SetVeriSeti(&ds);
    iz->SetAltBilgiGoster(true);
    iz->resize(900, 420);
    iz->show();
    QVERIFY(QTest::qWaitForWindowExposed(iz.get()));
  }
  void cleanup() {
    denetci.reset();
    iz.reset();
  }

  void kolon_secim_menusu() {
    QMenu* menu = iz->KolonSecimMenusu();
    QStringList basliklar;
    for (QAction* a : menu->actions()) basliklar << a->text() + (a->isChecked() ? "+" : "-");
    // offered columns only, ticked when visible
    QCOMPARE(basliklar, (QStringList{"Açıklama+", "Marka+", "Fiyat+", "Durum-", "İndir+", "İleri+"}));
    QSignalSpy degisen(iz.get(), &TVeriIzgarasi::KolonlarDegisti);
    menu->actions().at(3)->trigger();  // show "Durum"
    QVERIFY(kDurum->Gorunur());
    QVERIFY(!T()->horizontalHeader()->isSectionHidden(iz->KolonIndeksi(kDurum)));
    QVERIFY(iz->KolonGenisligi(kDurum) >= 20);
    iz->KolonSecimMenusu()->actions().at(1)->trigger();  // hide "Marka"
    QVERIFY(!kMarka->Gorunur());
    QVERIFY(T()->horizontalHeader()->isSectionHidden(iz->KolonIndeksi(kMarka)));
    QCOMPARE(degisen.count(), 2);
    QVERIFY(!iz->GorunurKolonlar().contains(kMarka));
  }

  void yazarak_arama_data() {
    QTest::addColumn<QString>("kolon");
    QTest::addColumn<QString>("yazilan");
    QTest::addColumn<int>("beklenen");   // data-set row focused afterwards
    QTest::addColumn<QString>("arama");  // the search text kept
    QTest::newRow("Turkish letters") << "kAdi" << "ça" << 3 << "ça";
    QTest::newRow("capital I finds ı") << "kAdi" << "IŞI" << 0 << "IŞI";
    QTest::newRow("a letter that matches nothing is dropped") << "kAdi" << "çax" << 3 << "ça";
    QTest::newRow("in the focused column") << "kMarka" << "va" << 1 << "va";
    QTest::newRow("formatted number") << "kFiyat" << "100" << 4 << "100";
  }
  void yazarak_arama() {
    QFETCH(QString, kolon);
    QFETCH(QString, yazilan);
    QFETCH(int, beklenen);
    QFETCH(QString, arama);
    iz->SetOdakKolonu(iz->KolonBul(kolon));
    Yaz(T(), yazilan);
    QCOMPARE(iz->OdakSatiri(), beklenen);
    QCOMPARE(ds.RecNo(), beklenen + 1);  // the data set follows
    QCOMPARE(iz->AramaMetni(), arama);
    QCOMPARE(iz->OdakKolonu(), iz->KolonBul(kolon));
    // backspace shortens the search, Escape ends it
    QTest::keyClick(T(), Qt::Key_Backspace);
    QCOMPARE(iz->AramaMetni(), arama.chopped(1));
    QTest::keyClick(T(), Qt::Key_Escape);
    QCOMPARE(iz->AramaMetni(), QString());
  }

  void arama_kapaliyken_tuslar_tabloya_gider() {
    iz->SetArtimliArama(false);
    iz->SetOdakSatiri(0);
    Yaz(T(), QStringLiteral("ça"));
    QCOMPARE(iz->AramaMetni(), QString());
    QCOMPARE(iz->OdakSatiri(), 0);
  }

  void onay_ve_dugme_tiklamalari() {
    QSignalSpy onay(iz.get(), &TVeriIzgarasi::OnayTiklandi);
    QSignalSpy dugme(iz.get(), &TVeriIzgarasi::DugmeTiklandi);
    QSignalSpy cift(iz.get(), &TVeriIzgarasi::CiftTiklandi);
    QTest::mouseClick(T()->viewport(), Qt::LeftButton, {}, HucreOrtasi(2, kSec));
    QCOMPARE(onay.count(), 1);
    QCOMPARE(onay.at(0).at(0).toInt(), 2);
    QCOMPARE(onay.at(0).at(1).value<TIzgaraKolonu*>(), kSec);
    QCOMPARE(ds.IntAt(2, 6), 1);  // the owner writes the value, not the grid
    QTest::mouseClick(T()->viewport(), Qt::LeftButton, {}, HucreOrtasi(4, kIndir));
    QCOMPARE(dugme.count(), 1);
    QCOMPARE(dugme.at(0).at(0).toInt(), 4);
    QTest::mouseClick(T()->viewport(), Qt::LeftButton, {}, HucreOrtasi(1, kAdi));
    QCOMPARE(onay.count() + dugme.count(), 2);
    QTest::mouseDClick(T()->viewport(), Qt::LeftButton, {}, HucreOrtasi(5, kMarka));
    QCOMPARE(cift.count(), 1);
    QCOMPARE(cift.at(0).at(0).toInt(), 5);
    // the check box shows the data set's value
    ds.SetIntAt(2, 6, 0);
    QCOMPARE(iz->Model()->index(iz->Model()->GorunenSatir(2), iz->KolonIndeksi(kSec)).data(Qt::CheckStateRole).toInt(),
             int(Qt::Unchecked));
  }

  void odak_satiri_ve_kayit_no() {
    QSignalSpy odak(iz.get(), &TVeriIzgarasi::OdakDegisti);
    iz->Sirala(kFiyat, Qt::DescendingOrder);
    iz->SetOdakSatiri(3);
    QCOMPARE(ds.RecNo(), 4);
    QCOMPARE(odak.last().at(0).toInt(), 3);
    ds.SetRecNo(6);
    QCOMPARE(iz->OdakSatiri(), 5);
    QCOMPARE(T()->currentIndex().row(), 5);  // the cheapest is shown last
    QTest::keyClick(T(), Qt::Key_Up);
    QCOMPARE(ds.RecNo(), 3);  // the row above: price 3
    // a rebuild keeps the focus on the data set's record
    iz->FiltreKur(kMarka, {QStringLiteral("Bosch")});
    QCOMPARE(iz->OdakSatiri(), 2);
  }

  void agirliga_gore_genislik_data() {
    QTest::addColumn<int>("genislik");
    QTest::addColumn<int>("ayrilan");
    QTest::addColumn<bool>("durumGorunur");
    QTest::addColumn<int>("birim");
    // visible weights: Seç 1, Açıklama 3, Marka 2, Fiyat 2, İndir 1, İleri 1 = 10 (+1 with Durum)
    QTest::newRow("grid width - 30") << 900 << 30 << false << 87;
    QTest::newRow("truncated") << 1009 << 30 << false << 97;
    QTest::newRow("hidden column counts once shown") << 900 << 30 << true << 79;
    QTest::newRow("scroll bar + 10") << 1153 << 27 << false << 112;
    QTest::newRow("narrower than the reserve") << 300 << 400 << false << 0;
  }
  void agirliga_gore_genislik() {
    QFETCH(int, genislik);
    QFETCH(int, ayrilan);
    QFETCH(bool, durumGorunur);
    QFETCH(int, birim);
    kDurum->SetGorunur(durumGorunur);
    iz->resize(genislik, 400);
    QCOMPARE(iz->AgirligaGoreDagit(ayrilan), birim);
    for (TIzgaraKolonu* k : iz->GorunurKolonlar()) QCOMPARE(iz->KolonGenisligi(k), k->Agirlik() * birim);
    // a new filter, sort or data set keeps the widths
    iz->FiltreKur(kMarka, {QStringLiteral("Bosch")});
    iz->Sirala(kAdi);
    iz->SetVeriSeti(&ds);
    for (TIzgaraKolonu* k : iz->GorunurKolonlar()) QCOMPARE(iz->KolonGenisligi(k), k->Agirlik() * birim);
  }

  void otomatik_genislik_pencereyi_doldurur() {
    iz->SetKolonGenisligi(kAdi, 300);
    iz->SetKolonGenisligi(kMarka, 100);
    iz->SetOtomatikGenislik(true);
    for (int w : {900, 1200, 700}) {
      iz->resize(w, 400);
      QApplication::processEvents();
      int toplam = 0;
      for (TIzgaraKolonu* k : iz->GorunurKolonlar()) toplam += iz->KolonGenisligi(k);
      QCOMPARE(toplam, T()->viewport()->width());
      QVERIFY(qAbs(iz->KolonGenisligi(kAdi) - 3 * iz->KolonGenisligi(kMarka)) <= 3);  // proportions kept
    }
  }

  void tasima_ve_boyutlama_kapatilir() {
    QHeaderView* h = T()->horizontalHeader();
    QVERIFY(h->sectionsMovable());
    QCOMPARE(h->sectionResizeMode(iz->KolonIndeksi(kAdi)), QHeaderView::Interactive);
    iz->SetKolonTasima(false);
    iz->SetKolonBoyutlama(false);
    QVERIFY(!h->sectionsMovable());
    QCOMPARE(h->sectionResizeMode(iz->KolonIndeksi(kAdi)), QHeaderView::Fixed);
    iz->SetKolonGenisligi(kAdi, 222);  // the program still sets widths
    QCOMPARE(iz->KolonGenisligi(kAdi), 222);
  }

  void baglam_menusu_satiri_verir() {
    QSignalSpy menu(iz.get(), &TVeriIzgarasi::BaglamMenusuIstendi);
    const QPoint yer = HucreOrtasi(3, kMarka);
    QContextMenuEvent e(QContextMenuEvent::Mouse, yer, T()->viewport()->mapToGlobal(yer));
    QApplication::sendEvent(T()->viewport(), &e);
    QCOMPARE(menu.count(), 1);
    QCOMPARE(menu.at(0).at(0).toInt(), 3);
    QCOMPARE(iz->OdakSatiri(), 3);  // the row under the mouse becomes the focused one
  }

  void en_uygun_genislik() {
    ds.SetTextAt(1, 1, QStringLiteral("Çok uzun bir stok açıklaması, iki kat genişlik ister"));
    iz->EnUygunGenislik();
    const int uzun = iz->KolonGenisligi(kAdi);
    QVERIFY(uzun > QFontMetrics(T()->font()).horizontalAdvance(ds.TextAt(1, 1)));
    QVERIFY(iz->KolonGenisligi(kMarka) < uzun / 2);
    QVERIFY(iz->KolonGenisligi(kSec) >= 32);
  }

  void baslik_tiklaninca_siralar() {
    QHeaderView* h = T()->horizontalHeader();
    const int c = iz->KolonIndeksi(kFiyat);
    const QPoint yer(h->sectionViewportPosition(c) + 10, h->height() / 2);
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, yer);
    QCOMPARE(iz->Model()->SiraKolonu(), c);
    QCOMPARE(iz->Model()->KaynakSatir(0), 5);
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, yer);
    QCOMPARE(iz->Model()->SiraYonu(), Qt::DescendingOrder);
    QCOMPARE(iz->Model()->KaynakSatir(0), 1);
    iz->SetSiralamaAcik(false);  // back to the data set's order, clicks do nothing
    QCOMPARE(iz->Model()->SiraKolonu(), -1);
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, yer);
    QCOMPARE(iz->Model()->SiraKolonu(), -1);
    QCOMPARE(iz->Model()->KaynakSatir(0), 0);
  }

  void baslik_filtre_penceresi() {
    auto* baslik = static_cast<TIzgaraBasligi*>(T()->horizontalHeader());
    const QRect dugme = baslik->FiltreDugmesi(iz->KolonIndeksi(kMarka));
    QVERIFY(dugme.isValid());
    QTest::mouseClick(baslik->viewport(), Qt::LeftButton, {}, dugme.center());
    auto* p = iz->findChild<TIzgaraFiltrePenceresi*>();
    QVERIFY(p);
    QListWidget* l = p->Liste();
    QStringList ogeler;
    for (int i = 0; i < l->count(); ++i) ogeler << l->item(i)->text();
    QCOMPARE(ogeler, (QStringList{"(Tümü)", "Bosch", "Çelik", "Valeo"}));
    QCOMPARE(l->item(0)->checkState(), Qt::Checked);
    l->item(2)->setCheckState(Qt::Checked);
    l->item(3)->setCheckState(Qt::Checked);
    QCOMPARE(l->item(0)->checkState(), Qt::Unchecked);
    p->Uygula();
    QCOMPARE(iz->Model()->VeriSatirSayisi(), 3);
    QCOMPARE(iz->Model()->OzetMetni(iz->KolonIndeksi(kFiyat)), QStringLiteral("1.341,75"));
    // opened again: the chosen values are ticked; "(Tümü)" shows every row
    auto* p2 = static_cast<TIzgaraFiltrePenceresi*>(iz->FiltrePenceresiAc(kMarka));
    QCOMPARE(p2->Liste()->item(1)->checkState(), Qt::Unchecked);
    QCOMPARE(p2->Liste()->item(2)->checkState(), Qt::Checked);
    p2->Liste()->item(0)->setCheckState(Qt::Checked);
    QCOMPARE(p2->Liste()->item(2)->checkState(), Qt::Unchecked);
    p2->Uygula();
    QCOMPARE(iz->Model()->VeriSatirSayisi(), 6);
    // no filter button where filtering is off
    kMarka->SetFiltrelenebilir(false);
    QVERIFY(!baslik->FiltreDugmesi(iz->KolonIndeksi(kMarka)).isValid());
    QVERIFY(!iz->FiltrePenceresiAc(kMarka));
  }

  void ozel_cizim_yalniz_gorunen_satirlar() {
    TClientDataSet buyuk;
    BuyukDoldur(buyuk, 20000);
    TVeriIzgarasi g;
    g.KolonEkle(QString(), QStringLiteral("ADI"), QStringLiteral("Açıklama"));
    auto* fiyat = g.KolonEkle(QStringLiteral("FiyatBilgisi"), QString(), QStringLiteral("Fiyat Bilgisi"));
    QSet<int> cizilen;
    QColor arka;
    fiyat->SetOzelCizim([&](const TCizimBilgisi& b) {
      cizilen.insert(b.satir);
      if (b.satir == 1) arka = b.arkaPlan;
      b.painter->fillRect(b.rect, b.arkaPlan);
    });
    g.SetSatirYuksekligi(100);
    g.SetVeriSeti(&buyuk);
    g.resize(600, 700);
    QImage resim(g.size(), QImage::Format_ARGB32);
    g.render(&resim);
    QVERIFY(!cizilen.isEmpty());
    QVERIFY2(cizilen.size() <= 700 / 100 + 1, qPrintable(QString::number(cizilen.size())));
    QVERIFY(*std::max_element(cizilen.begin(), cizilen.end()) < 8);
    QCOMPARE(arka, g.Stil().tekSatir);
    // the callback's fill is what is on screen (default drawing suppressed)
    const QRect r = g.Tablo()->visualRect(g.Model()->index(1, 1));
    const QPoint ic = g.Tablo()->viewport()->mapTo(&g, r.center());
    QCOMPARE(resim.pixelColor(ic), g.Stil().tekSatir);
  }

  // Announcements: no header, no indicator, one picture column read from the field's bytes.
  void resim_kolonu() {
    TClientDataSet d;
    d.AddField(QStringLiteral("RESIM"), TFieldType::ftBlob);
    QImage kirmizi(60, 40, QImage::Format_RGB32);
    kirmizi.fill(Qt::red);
    QByteArray png;
    QBuffer b(&png);
    b.open(QIODevice::WriteOnly);
    kirmizi.save(&b, "PNG");
    d.SetBytesAt(d.AppendRow(), 0, png);
    d.SetBytesAt(d.AppendRow(), 0, QByteArray("resim değil"));  // undecodable: left empty
    d.Open();
    TVeriIzgarasi g;
    auto* k = g.KolonEkle(QStringLiteral("duyuru"), QStringLiteral("RESIM"), QString());
    k->SetTur(TKolonTuru::Resim);
    g.SetBaslikGoster(false);
    g.SetSatirGostergesi(false);
    g.SetPikselKaydirma(true);
    g.SetSatirYuksekligi(120);
    g.SetVeriSeti(&d);
    g.resize(300, 300);
    g.SetKolonGenisligi(k, 200);
    const QImage resim = g.grab().toImage();
    const QRect r1 = g.Tablo()->visualRect(g.Model()->index(0, 0));
    const QRect r2 = g.Tablo()->visualRect(g.Model()->index(1, 0));
    QCOMPARE(r1.height(), 120);
    const QPoint orta = g.Tablo()->viewport()->mapTo(&g, r1.center());
    QCOMPARE(resim.pixelColor(orta), QColor(Qt::red));
    const QPoint bos = g.Tablo()->viewport()->mapTo(&g, r2.center());
    QVERIFY(resim.pixelColor(bos) != QColor(Qt::red));
  }

  void ayrik_doldurma_ve_guncelleme() {
    QSignalSpy sifirlanan(iz->Model(), &QAbstractItemModel::modelReset);
    iz->VeriSetiniAyir();
    iz->BeginUpdate();
    QCOMPARE(iz->Model()->rowCount(), 0);
    // a worker would fill the detached data set here
    ds.Close();
    BuyukDoldur(ds, 1000);
    const int onceki = sifirlanan.count();
    iz->SetVeriSeti(&ds);
    QCOMPARE(sifirlanan.count(), onceki);  // held until the update ends
    iz->EndUpdate();
    QCOMPARE(sifirlanan.count(), onceki + 1);
    QCOMPARE(iz->Model()->rowCount(), 1000);
    QVERIFY(T()->updatesEnabled());
  }

  void tum_kolon_turleri_cizilir() {
    kDurum->SetGorunur(true);
    iz->Grupla(kMarka);
    kFiyat->SetGrupOzet(TOzetTuru::Toplam);
    iz->SetSatirYuksekligi(58);
    const QImage resim = iz->grab().toImage();
    QVERIFY(!resim.isNull());
    QCOMPARE(iz->Model()->rowCount(), 12);
    iz->GruplariDaralt();
    QCOMPARE(iz->Model()->rowCount(), 6);
    // a click on the group head's arrow opens it again
    const QRect r = T()->visualRect(iz->Model()->index(0, iz->KolonIndeksi(kSec)));
    QTest::mouseClick(T()->viewport(), Qt::LeftButton, {}, QPoint(T()->horizontalHeader()->sectionViewportPosition(iz->KolonIndeksi(kSec)) + 8, r.center().y()));
    QCOMPARE(iz->Model()->rowCount(), 9);
  }
};

QTEST_MAIN(TestIzgaraGorunum)
#include "tst_izgaragorunum.moc"
