// The stock list and basket pages against the reference server; the server's call log is
// the witness of what the client sent.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "ordering/ONAYSIPU.h"
#include "ordering/orantiliresim.h"
#include "ordering/secenekgrubu.h"
#include "platform/controls/mesgulgosterge.h"
#include "ordering/stokayarintiU.h"
#include "platform/controls/tamsayispin.h"
#include "platform/controls/tutaredit.h"
#include "platform/core/paket.h"
#include "platform/grid/excelkaydet.h"
#include "platform/grid/izgara.h"
#include "session/kayitjson.h"
#include "tests/stoksepet/stoksepet_ortak.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QTemporaryDir>

using namespace stoksepet;

namespace {

int Alan(TClientDataSet* ds, const char* ad) { return ds->FieldByName(QLatin1String(ad))->Index(); }

// The basket line of a stock, -1 when none.
int SepetSatiri(TClientDataSet* sepet, int stokno) {
  if (!sepet->Active()) return -1;
  for (int r = 0; r < sepet->RecordCount(); ++r)
    if (sepet->IntAt(r, Alan(sepet, "STOKNO")) == stokno) return r;
  return -1;
}

// Searches, focuses the first row and adds it through the stock dialog with the quantity
// and (when editable) the price; returns the stock's row in `stok`.
int IlkStoguEkle(Ortam& o, int adet, double fiyat, bool* fiyatAcik = nullptr) {
  if (!o.Ara(QStringLiteral("FREN")) || o.form->stok->RecordCount() == 0) return -1;
  o.Stok().cxGrid1->SetOdakSatiri(0);
  ModalCevapla<Tstokayarinti>([=](Tstokayarinti* d) {
    if (fiyatAcik) *fiyatAcik = !d->birimfiyat->isReadOnly();
    d->adet->setValue(adet);
    if (!d->birimfiyat->isReadOnly()) d->birimfiyat->DegerAta(fiyat);
    d->done(1);
  });
  o.Stok().cxGrid1DBTableView1DblClick();
  return 0;
}

}  // namespace

class TstStokSepetUctan : public QObject {
  Q_OBJECT
 private slots:
  // Two letters and a blank get the warning and nothing is sent; a leading blank is sent as typed.
  void ucHarfKurali() {
    Ortam o;
    QVERIFY(o.Kur());
    o.form->sPageControl1->AktifAta(o.form->ssepet);
    QVERIFY(o.Ara(QStringLiteral("FR ")));
    QCOMPARE(o.form->sPageControl1->AktifSayfa(), o.form->sstoklistesi);
    QCOMPARE(o.mesaj.Son().metin, QStringLiteral("Lütfen en az 3 harf giriniz !"));
    QCOMPARE(o.mesaj.Son().tur, mtUyari);
    QVERIFY(Cagrilari(o.sunucu, QStringLiteral("StokAraGetirDravik")).isEmpty());

    QVERIFY(o.Ara(QStringLiteral(" FRE")));
    const auto cagrilar = Cagrilari(o.sunucu, QStringLiteral("StokAraGetirDravik"));
    QCOMPARE(cagrilar.size(), 1);
    QCOMPARE(cagrilar[0].at(0).toString(), QStringLiteral(" FRE"));
    QCOMPARE(cagrilar[0].at(1).toObject(),
             QJsonDocument::fromJson(QByteArray::fromStdString(KayitJsonMetni(o.form->sbilgi.get()))).object());
  }

  // The caption carries the count of the result; the grid is attached again and the box usable.
  void aramaSayaci() {
    Ortam o;
    QVERIFY(o.Kur());
    QVERIFY(o.Ara(QStringLiteral("FREN")));
    const int n = o.form->stok->RecordCount();
    QVERIFY(n > 0);
    QCOMPARE(o.StokBasligi(), QString::number(n) + QStringLiteral("=Stok Listesi"));
    QCOMPARE(o.Stok().cxGrid1->VeriSeti(), o.form->stok);
    QVERIFY(o.form->araedit->isEnabled());
    QVERIFY(!o.form->gifstokara->isVisible());
    QVERIFY(o.mesaj.Kutular().isEmpty());
    QVERIFY(o.Ara(QStringLiteral("QQQZZZXXX")));
    QCOMPARE(o.StokBasligi(), QStringLiteral("0=Stok Listesi"));
    // "Temizle" empties the list and restores the caption.
    o.Stok().SpeedButton1Click();
    QVERIFY(!o.form->stok->Active());
    QCOMPARE(o.StokBasligi(), QStringLiteral("Stok Listesi"));
    QVERIFY(o.form->araedit->text().isEmpty());
  }

  void aramaHatasi_data() {
    QTest::addColumn<QString>("tur");
    QTest::newRow("error answer") << QStringLiteral("hata");
    QTest::newRow("malformed answer") << QStringLiteral("bozuk_cevap");
    QTest::newRow("connection refused") << QStringLiteral("baglanti_reddet");
  }
  // A failed search empties the list, says so, and leaves the box usable.
  void aramaHatasi() {
    QFETCH(QString, tur);
    Ortam o;
    QVERIFY(o.Kur());
    QVERIFY(o.Ara(QStringLiteral("FREN")));
    QVERIFY(o.sunucu.HataKur(QStringLiteral("StokAraGetirDravik"), tur, 0, QStringLiteral("arıza"), 0));
    QVERIFY(o.Ara(QStringLiteral("FILTRE")));
    QCOMPARE(o.mesaj.Son().metin, QString::fromUtf8(BaglantiKurulamiyorMetni));
    QCOMPARE(o.mesaj.Son().tur, mtHata);
    QCOMPARE(o.StokBasligi(), QStringLiteral("Stok Listesi"));
    QVERIFY(!o.form->stok->Active());
    QVERIFY(o.form->araedit->isEnabled());
    QCOMPARE(o.Stok().cxGrid1->VeriSeti(), o.form->stok);
  }

  // While the search runs the box is disabled, the grid detached and the busy picture on;
  // "Ara", "Temizle" and Enter do nothing; the window keeps answering.
  void aramaSurerken() {
    Ortam o;
    QVERIFY(o.Kur());
    QVERIFY(o.sunucu.HataKur(QStringLiteral("StokAraGetirDravik"), QStringLiteral("gecikme"), 600));
    o.form->araedit->setText(QStringLiteral("FREN"));
    bool bitti = false;
    connect(&o.Stok(), &TStokSayfasi::AramaBitti, this, [&](bool) { bitti = true; });
    QTest::keyClick(o.form->araedit, Qt::Key_Return);
    QVERIFY(!bitti);
    QVERIFY(!o.form->araedit->isEnabled());
    QVERIFY(!o.Stok().cxGrid1->VeriSeti());
    QVERIFY(o.form->gifstokara->isVisible());
    o.Stok().SpeedButton2Click();
    o.Stok().SpeedButton1Click();
    QVERIFY(Bekle([&] { return bitti; }));
    QCOMPARE(Cagrilari(o.sunucu, QStringLiteral("StokAraGetirDravik")).size(), 1);
    QVERIFY(o.form->stok->RecordCount() > 0);
    QCOMPARE(o.Stok().cxGrid1->VeriSeti(), o.form->stok);
  }

  void digerAcicilar_data() {
    QTest::addColumn<bool>("kampanya");
    QTest::newRow("new stocks") << false;
    QTest::newRow("campaign stocks") << true;
  }
  // The new-stock and campaign openers: the picture first, no stock number or rates in the
  // dialog, the campaign price never editable; the line written from the list's row.
  void digerAcicilar() {
    QFETCH(bool, kampanya);
    Ortam o;
    QVERIFY(o.Kur());
    o.form->sbilgi->SetMusteriTipi(1);
    TClientDataSet* liste = kampanya ? o.form->kampstok : o.form->YENILER;
    {
      QVERIFY(BaglantiAc(*o.form->bagc, 0));
      TServerMethods1Client p(o.form->bagc.get());
      auto* k = new TSonucBilgisi;
      k->Kopyala(o.form->sbilgi.get());
      PaketiYukle(p.StokAraGetirDravik(QStringLiteral("FREN"), k), *liste);
      o.form->bagc->Close();
    }
    const int stokno = int(liste->IntAt(2, Alan(liste, "STOK_STOKNO")));
    bool fiyatKilitli = false;
    int stoknoDialog = -1;
    double ind1 = -1;
    QString etiket2, indirim;
    ModalCevapla<Tstokayarinti>([&](Tstokayarinti* d) {
      fiyatKilitli = d->birimfiyat->isReadOnly();
      stoknoDialog = d->_stokno;
      ind1 = d->ind1;
      etiket2 = d->Label2->text();
      indirim = d->indirimoran->text();
      d->adet->setValue(2);
      d->done(1);
    });
    o.sunucu.CagrilariTemizle();
    o.Stok().EkleVeyaDegistir(liste, stokno);
    QCOMPARE(fiyatKilitli, kampanya);
    QCOMPARE(stoknoDialog, 0);
    QCOMPARE(ind1, 0.0);
    liste->Locate(QStringLiteral("STOK_STOKNO"), stokno);
    const QString yazi = liste->FieldByName(QStringLiteral("INDIRIMYAZI"))->AsString();
    if (kampanya) {
      QCOMPARE(etiket2, QStringLiteral("Kampanyalı Fiyat:"));
      QCOMPARE(indirim, QStringLiteral("Kampanyalı ") + yazi);
    } else if (liste->FieldByName(QStringLiteral("K"))->AsInteger() == 0) {
      QCOMPARE(indirim, QStringLiteral("İndirim:  % ") + yazi);
    }
    // The picture is fetched before the dialog shows: the first call after the basket's load.
    QList<QJsonObject> log;
    for (const QJsonObject& c : o.sunucu.Cagrilar())
      if (c.value(QStringLiteral("yontem")).toString() != QLatin1String("SepetVer2")) log.append(c);
    QVERIFY(log.size() >= 2);
    QCOMPARE(log[0].value(QStringLiteral("yontem")).toString(), QStringLiteral("ResimVer5"));
    QCOMPARE(log[0].value(QStringLiteral("params")).toArray().at(0).toInt(), stokno);
    QCOMPARE(log[1].value(QStringLiteral("yontem")).toString(), QStringLiteral("SepetEkle2"));
    const auto c = Cagrilari(o.sunucu, QStringLiteral("SepetEkle2"));
    QCOMPARE(c.size(), 1);
    QCOMPARE(c[0].at(2).toInt(), stokno);
    QCOMPARE(c[0].at(5).toDouble(), 2.0);
    QCOMPARE(c[0].at(8).toDouble(), liste->FieldByName(QStringLiteral("IND1"))->AsFloat());
  }

  void sepeteEkle_data() {
    QTest::addColumn<int>("tip");
    QTest::addColumn<bool>("fiyatAcik");
    QTest::newRow("customer") << 0 << false;
    QTest::newRow("seller") << 1 << true;
    QTest::newRow("seller with price authority") << 2 << true;
    QTest::newRow("restricted customer") << 3 << false;
  }
  // A new line is written with the row's values, the dialog's quantity and price, and the
  // basket reloaded.
  void sepeteEkle() {
    QFETCH(int, tip);
    QFETCH(bool, fiyatAcik);
    Ortam o;
    QVERIFY(o.Kur());
    o.form->sbilgi->SetMusteriTipi(tip);
    bool acik = !fiyatAcik;
    QCOMPARE(IlkStoguEkle(o, 3, 19.99, &acik), 0);
    QCOMPARE(acik, fiyatAcik);
    TClientDataSet* s = o.form->stok;
    const auto c = Cagrilari(o.sunucu, QStringLiteral("SepetEkle2"));
    QCOMPARE(c.size(), 1);
    const QJsonArray p = c[0];
    QCOMPARE(p.at(1).toInt(), o.form->sbilgi->CARINO());
    QCOMPARE(p.at(2).toInt(), int(s->IntAt(0, Alan(s, "STOK_STOKNO"))));
    QCOMPARE(p.at(3).toString(), s->TextAt(0, Alan(s, "BARKOD")));
    QCOMPARE(p.at(4).toString(), s->TextAt(0, Alan(s, "ADI")));
    QCOMPARE(p.at(5).toDouble(), 3.0);
    QCOMPARE(p.at(6).toDouble(), double(int(s->FloatAt(0, Alan(s, "KDV")))));
    QCOMPARE(p.at(7).toDouble(), fiyatAcik ? 19.99 : s->FloatAt(0, Alan(s, "FIYAT")));
    QCOMPARE(p.at(8).toDouble(), s->FloatAt(0, Alan(s, "IND1")));
    QCOMPARE(p.at(9).toInt(), o.form->sbilgi->Sirano());
    QCOMPARE(p.at(10).toInt(), int(s->IntAt(0, Alan(s, "K"))));
    QCOMPARE(p.at(11).toDouble(), s->FloatAt(0, Alan(s, "IND2")));
    QCOMPARE(p.at(13).toDouble(), s->FloatAt(0, Alan(s, "IND4")));
    const int stokno = p.at(2).toInt();
    QVERIFY(SepetSatiri(o.form->sepet, stokno) >= 0);
    QCOMPARE(o.SepetBasligi(), QString::number(o.form->sepet->RecordCount()) + QStringLiteral("=Sepet"));
  }

  // A stock already in the basket opens its line (its quantity) and is written as a change
  // with stock number 0 and the line number; Cancel writes nothing.
  void sepetteOlanStok() {
    Ortam o;
    QVERIFY(o.Kur());
    QCOMPARE(IlkStoguEkle(o, 4, 0), 0);
    const int stokno = int(o.form->stok->IntAt(0, Alan(o.form->stok, "STOK_STOKNO")));
    TClientDataSet* sp = o.form->sepet;
    const int satir = SepetSatiri(sp, stokno);
    QVERIFY(satir >= 0);
    const int sirano = int(sp->IntAt(satir, Alan(sp, "SIRANO")));

    int gosterilen = -1;
    ModalCevapla<Tstokayarinti>([&](Tstokayarinti* d) {
      gosterilen = d->adet->value();
      d->reject();
    });
    o.Stok().cxGrid1DBTableView1DblClick();
    QCOMPARE(gosterilen, 4);
    QVERIFY(Cagrilari(o.sunucu, QStringLiteral("SepetGuncelle2")).isEmpty());

    ModalCevapla<Tstokayarinti>([&](Tstokayarinti* d) {
      d->adet->setValue(7);
      d->done(1);
    });
    o.Stok().cxGrid1DBTableView1DblClick();
    const auto c = Cagrilari(o.sunucu, QStringLiteral("SepetGuncelle2"));
    QCOMPARE(c.size(), 1);
    QCOMPARE(c[0].at(2).toInt(), 0);
    QCOMPARE(c[0].at(5).toDouble(), 7.0);
    QCOMPARE(c[0].at(10).toInt(), sirano);
    QVERIFY(Cagrilari(o.sunucu, QStringLiteral("SepetEkle2")).size() == 1);
    QCOMPARE(sp->FloatAt(SepetSatiri(sp, stokno), Alan(sp, "MIKTAR")), 7.0);
  }

  // Marks: a double click on "Seç" toggles and writes at once; select all / clear all write
  // every line; the totals follow.
  void secim() {
    Ortam o;
    QVERIFY(o.Kur());
    QCOMPARE(IlkStoguEkle(o, 2, 0), 0);
    o.Stok().cxGrid1->SetOdakSatiri(1);
    ModalCevapla<Tstokayarinti>([](Tstokayarinti* d) { d->done(1); });
    o.Stok().cxGrid1DBTableView1DblClick();
    TClientDataSet* sp = o.form->sepet;
    QCOMPARE(sp->RecordCount(), 2);
    TSepetSayfasi& s = o.Sepet();
    const QString hepsi = s.geneltoplaml->text();
    QVERIFY(o.form->FSepetTutar > 0);

    s.cxGrid2->SetOdakSatiri(0);
    s.cxGrid2->SetOdakKolonu(s.cxGrid2->KolonBul(QStringLiteral("SEC")));
    o.sunucu.CagrilariTemizle();
    s.cxGridDBTableView1DblClick();
    auto c = Cagrilari(o.sunucu, QStringLiteral("SepetSecimGuncelle"));
    QCOMPARE(c.size(), 1);
    QCOMPARE(c[0], (QJsonArray{int(sp->IntAt(0, Alan(sp, "SIRANO"))), 0}));
    QCOMPARE(sp->IntAt(0, Alan(sp, "SEC")), 0);
    QVERIFY(s.geneltoplaml->text() != hepsi);

    o.sunucu.CagrilariTemizle();
    s.Button5Click();
    QCOMPARE(Cagrilari(o.sunucu, QStringLiteral("SepetSecimGuncelle")).size(), 2);
    QCOMPARE(s.geneltoplaml->text(), QStringLiteral("0,00"));
    s.Button4Click();
    QCOMPARE(s.geneltoplaml->text(), hepsi);
    // The server keeps the marks: a reload shows them.
    s.SepetYukle();
    QCOMPARE(sp->IntAt(0, Alan(sp, "SEC")), 1);
    QCOMPARE(s.geneltoplaml->text(), hepsi);
    QVERIFY(Cagrilari(o.sunucu, QStringLiteral("SepetGuncelle2")).isEmpty());
    // With the server out of reach the marks change here and the user hears of it once.
    QVERIFY(o.sunucu.HataKur(QStringLiteral("ping"), QStringLiteral("baglanti_reddet"), 0, {}, 0));
    o.mesaj.Temizle();
    s.Button5Click();
    QCOMPARE(o.mesaj.Kutular().size(), 1);
    QCOMPARE(o.mesaj.Son().metin, QString::fromUtf8(BaglantiKurulamiyorMetni));
    QCOMPARE(s.geneltoplaml->text(), QStringLiteral("0,00"));
    QVERIFY(o.sunucu.HatalariTemizle());
    s.SepetYukle();
    QCOMPARE(s.geneltoplaml->text(), hepsi);
    // Any other cell opens the line in the stock dialog.
    s.cxGrid2->SetOdakSatiri(1);
    s.cxGrid2->SetOdakKolonu(s.cxGrid2->KolonBul(QStringLiteral("BARKOD")));
    int adet = -1;
    ModalCevapla<Tstokayarinti>([&](Tstokayarinti* d) {
      adet = d->adet->value();
      d->reject();
    });
    s.cxGridDBTableView1DblClick();
    QCOMPARE(adet, int(sp->FloatAt(1, Alan(sp, "MIKTAR"))));
    QCOMPARE(sp->IntAt(1, Alan(sp, "SEC")), 1);
  }

  // Deleting asks first with "Hayır" as default; "Evet" deletes the line, then the whole basket.
  void silme() {
    Ortam o;
    QVERIFY(o.Kur());
    QCOMPARE(IlkStoguEkle(o, 1, 0), 0);
    o.Stok().cxGrid1->SetOdakSatiri(1);
    ModalCevapla<Tstokayarinti>([](Tstokayarinti* d) { d->done(1); });
    o.Stok().cxGrid1DBTableView1DblClick();
    TClientDataSet* sp = o.form->sepet;
    TSepetSayfasi& s = o.Sepet();
    QCOMPARE(sp->RecordCount(), 2);
    s.cxGrid2->SetOdakSatiri(0);
    const int sirano = int(sp->IntAt(0, Alan(sp, "SIRANO")));
    const QString aciklama = sp->TextAt(0, Alan(sp, "BARKOD")) + "-" + sp->TextAt(0, Alan(sp, "STOKADI"));

    o.mesaj.Temizle();
    s.SatrSil1Click();  // the fake presses the default
    QCOMPARE(o.mesaj.Son().metin, QStringLiteral("Satırı silmek istiyor musunuz "));
    QCOMPARE(o.mesaj.Son().varsayilan, mbNo);
    QCOMPARE(o.mesaj.Son().tur, mtSoru);
    QVERIFY(Cagrilari(o.sunucu, QStringLiteral("SepetSatirSil")).isEmpty());
    QCOMPARE(sp->RecordCount(), 2);

    o.mesaj.Cevapla(mrYes);
    s.SatrSil1Click();
    const auto c = Cagrilari(o.sunucu, QStringLiteral("SepetSatirSil"));
    QCOMPARE(c.size(), 1);
    QCOMPARE(c[0].at(1).toInt(), sirano);
    QCOMPARE(c[0].at(2).toString(), aciklama);
    QCOMPARE(o.mesaj.Son().metin, QStringLiteral("Satır silindi !"));
    QCOMPARE(sp->RecordCount(), 1);
    QCOMPARE(o.SepetBasligi(), QStringLiteral("1=Sepet"));

    o.mesaj.Cevapla(mrYes);
    s.HepsiniSil1Click();
    QCOMPARE(Cagrilari(o.sunucu, QStringLiteral("SepetHepsiniSil")).size(), 1);
    QCOMPARE(o.mesaj.Kutular().at(o.mesaj.Kutular().size() - 2).metin, QStringLiteral("Tüm Sepeti Silmek İstiyor musunuz "));
    QCOMPARE(o.mesaj.Son().metin, QStringLiteral("Sepet Silindi !"));
    QCOMPARE(sp->RecordCount(), 0);
    QCOMPARE(o.SepetBasligi(), QStringLiteral("0=Sepet"));
    // An empty basket asks nothing.
    o.mesaj.Temizle();
    s.HepsiniSil1Click();
    QVERIFY(o.mesaj.Kutular().isEmpty());
  }

  // "Excel Kaydet" asks for the file with the program's filter and writes the basket grid with
  // the extension "xls"; cancelling writes nothing.
  void excelKaydet() {
    Ortam o;
    QVERIFY(o.Kur());
    QCOMPARE(IlkStoguEkle(o, 2, 0), 0);
    QTemporaryDir dizin;
    QString sorulanFiltre;
    QString cevap = dizin.filePath(QStringLiteral("sepetim.xlsx"));
    KayitDialoguKur([&](QWidget*, const QString& filtre) {
      sorulanFiltre = filtre;
      return cevap;
    });
    o.Sepet().Button2Click();
    QCOMPARE(sorulanFiltre, QStringLiteral("Excel|*.xls*"));
    QFileInfo yazilan(dizin.filePath(QStringLiteral("sepetim.xls")));
    QVERIFY(yazilan.exists());
    QVERIFY(yazilan.size() > 0);
    cevap.clear();
    o.Sepet().Button2Click();
    QCOMPARE(QDir(dizin.path()).entryList(QDir::Files).size(), 1);
    KayitDialoguKur(nullptr);
  }

  void gonder_data() {
    QTest::addColumn<int>("tus");  // the dialog's payment button tag
    QTest::addColumn<QString>("odeme");
    QTest::addColumn<double>("ek");
    QTest::newRow("instalments") << 0 << QStringLiteral("Taksitli Çekim") << 0.0;
    QTest::newRow("single payment") << 1 << QStringLiteral("Tek Çekim (%1,5)") << 1.5;
    QTest::newRow("cash") << 2 << QStringLiteral("Nakit Ödeme (%3)") << 3.0;
  }
  // "Gönder" through the confirmation: payment text, note and extra discount as chosen; the
  // basket reloaded after success.
  void gonder() {
    QFETCH(int, tus);
    QFETCH(QString, odeme);
    QFETCH(double, ek);
    Ortam o;
    QVERIFY(o.Kur());
    QCOMPARE(IlkStoguEkle(o, 2, 0), 0);
    TSepetSayfasi& s = o.Sepet();
    s.lbluyarbakiye->setText(QStringLiteral("uyarı metni"));
    QString etiket3, toplam;
    ModalCevapla<TONAYSIP>([&](TONAYSIP* d) {
      etiket3 = d->Label3->text();
      toplam = d->toplam;
      d->boxkargo->Dugme(2)->click();  // "Ambar Teslim": its only company is chosen
      d->aciklamagir->setPlainText(QStringLiteral("kapıya bırakın"));
      d->Button1Click(tus);
    });
    o.sunucu.CagrilariTemizle();
    const QString gonderilen = s.geneltoplaml->text();
    s.Button1Click();
    QCOMPARE(etiket3, QStringLiteral("uyarı metni"));
    QCOMPARE(toplam, gonderilen);
    const auto c = Cagrilari(o.sunucu, QStringLiteral("SiparisKaydetDravik"));
    QCOMPARE(c.size(), 1);
    QCOMPARE(c[0].at(1).toInt(), o.form->sbilgi->CARINO());
    QCOMPARE(c[0].at(4).toString(), odeme + QStringLiteral("\r\nkapıya bırakın"));
    QCOMPARE(c[0].at(5).toInt(), o.form->sbilgi->Sirano());
    QVERIFY(c[0].at(6).toInt() > 0);
    QCOMPARE(c[0].at(7).toDouble(), ek);
    QCOMPARE(c[0].at(8).toString(), odeme);
    QCOMPARE(o.mesaj.Son().metin, QStringLiteral("Siparişiniz Gönderildi !"));
    QVERIFY(!Cagrilari(o.sunucu, QStringLiteral("SepetVer2")).isEmpty());
    QCOMPARE(o.form->sepet->RecordCount(), 0);
  }

  // "Gönder" is the default button while the basket page is shown: Enter in its grid presses it.
  void gonderVarsayilanDugme() {
    Ortam o;
    QVERIFY(o.Kur());
    o.form->activateWindow();
    o.form->sPageControl1->AktifAta(o.form->ssepet);
    QVERIFY(Bekle([&] { return o.Sepet().CalisanUyariSayisi() == 0; }));
    QCOMPARE(o.form->sepet->RecordCount(), 0);
    o.mesaj.Temizle();
    o.Sepet().cxGrid2->setFocus();
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : o.Sepet().cxGrid2, Qt::Key_Return);
    QCOMPARE(o.mesaj.Son().metin, QStringLiteral("Gönderilecek Parça Yok "));
    QVERIFY(Cagrilari(o.sunucu, QStringLiteral("EkfiyatIndirimVer")).isEmpty());
  }

  // Cancelling the confirmation sends nothing; a refused order keeps the basket unreloaded.
  void vazgecVeRet() {
    Ortam o;
    QVERIFY(o.Kur());
    QCOMPARE(IlkStoguEkle(o, 2, 0), 0);
    TSepetSayfasi& s = o.Sepet();
    ModalCevapla<TONAYSIP>([](TONAYSIP* d) { d->reject(); });
    s.Button1Click();
    QVERIFY(Cagrilari(o.sunucu, QStringLiteral("SiparisKaydetDravik")).isEmpty());

    QVERIFY(o.sunucu.HataKur(QStringLiteral("SiparisKaydetDravik"), QStringLiteral("hata")));
    ModalCevapla<TONAYSIP>([](TONAYSIP* d) {
      d->boxkargo->Dugme(2)->click();
      d->Button1Click(0);
    });
    o.sunucu.CagrilariTemizle();
    s.Button1Click();
    QCOMPARE(o.mesaj.Son().metin, QStringLiteral("Sipariş Göndermede Hata"));
    QCOMPARE(o.mesaj.Son().tur, mtHata);
    QVERIFY(Cagrilari(o.sunucu, QStringLiteral("SepetVer2")).isEmpty());
    QCOMPARE(o.form->sepet->RecordCount(), 1);
  }

  // The discount lookup failing keeps 0 and 9, and the confirmation still opens with them.
  void ekIndirimHatasi() {
    Ortam o;
    QVERIFY(o.Kur());
    QVERIFY(o.sunucu.HataKur(QStringLiteral("EkfiyatIndirimVer"), QStringLiteral("hata")));
    const TSiparisIndirimler r = o.Sepet().EkIndirimleriAl();
    QCOMPARE(r.NakitFiyatIskonto, 0.0);
    QCOMPARE(r.TekCekimFiyatIskonto, 9.0);
    const TSiparisIndirimler s = o.Sepet().EkIndirimleriAl();
    QCOMPARE(s.NakitFiyatIskonto, 3.0);
    QCOMPARE(s.TekCekimFiyatIskonto, 1.5);
  }

  void ortadaHata_data() {
    QTest::addColumn<QString>("yontem");
    QTest::addColumn<QString>("tur");
    QTest::newRow("basket load, error") << QStringLiteral("SepetVer2") << QStringLiteral("hata");
    QTest::newRow("basket load, malformed") << QStringLiteral("SepetVer2") << QStringLiteral("bozuk_cevap");
    QTest::newRow("new line, error") << QStringLiteral("SepetEkle2") << QStringLiteral("hata");
    QTest::newRow("line delete, error") << QStringLiteral("SepetSatirSil") << QStringLiteral("hata");
    QTest::newRow("line delete, refused") << QStringLiteral("SepetSatirSil") << QStringLiteral("baglanti_reddet");
  }
  // A server failure in the middle of a step: a clear message, and the basket keeps its line.
  void ortadaHata() {
    QFETCH(QString, yontem);
    QFETCH(QString, tur);
    Ortam o;
    QVERIFY(o.Kur());
    QCOMPARE(IlkStoguEkle(o, 1, 0), 0);
    TClientDataSet* sp = o.form->sepet;
    QCOMPARE(sp->RecordCount(), 1);
    o.mesaj.Temizle();
    QVERIFY(o.sunucu.HataKur(yontem, tur, 0, QStringLiteral("sunucu arızası"), 0));
    if (yontem == QLatin1String("SepetVer2")) {
      o.Sepet().SepetYukle();
    } else if (yontem == QLatin1String("SepetEkle2")) {
      o.Stok().cxGrid1->SetOdakSatiri(1);
      ModalCevapla<Tstokayarinti>([](Tstokayarinti* d) { d->done(1); });
      o.Stok().cxGrid1DBTableView1DblClick();
    } else {
      o.Sepet().cxGrid2->SetOdakSatiri(0);
      o.mesaj.Cevapla(mrYes);
      o.Sepet().SatrSil1Click();
    }
    QVERIFY(!o.mesaj.Kutular().isEmpty());
    QCOMPARE(o.mesaj.Son().tur, mtHata);
    QVERIFY(o.mesaj.Son().metin != QStringLiteral("Satır silindi !"));
    QCOMPARE(sp->RecordCount(), 1);
    QVERIFY(sp->Active());
  }

  // The overdue warning arrives from its own thread; an answer of the second showing wins.
  void bakiyeUyarisi() {
    Ortam o;
    QVERIFY(o.Kur());
    o.form->sPageControl1->AktifAta(o.form->ssepet);
    QVERIFY(Bekle([&] { return o.Sepet().CalisanUyariSayisi() == 0 && !o.Sepet().lbluyarbakiye->text().isEmpty(); }));
    QVERIFY(o.Sepet().lbluyarbakiye->text().contains(QStringLiteral("gün")));
    QVERIFY(!Cagrilari(o.sunucu, QStringLiteral("SepetVer2")).isEmpty());
    // An error of the call clears the text.
    QVERIFY(o.sunucu.HataKur(QStringLiteral("CariVadeGunGecmismiBul"), QStringLiteral("hata")));
    o.Sepet().CariBakiyeUyariBak();
    QVERIFY(Bekle([&] { return o.Sepet().CalisanUyariSayisi() == 0; }));
    QCOMPARE(o.Sepet().lbluyarbakiye->text(), QString());
  }

  void stokResmi_data() {
    QTest::addColumn<QString>("tur");
    QTest::addColumn<bool>("gelir");
    QTest::newRow("whole picture") << QString() << true;
    QTest::newRow("truncated stream") << QStringLiteral("kisa_akis") << false;
    QTest::newRow("error answer") << QStringLiteral("hata") << false;
  }
  void stokResmi() {
    QFETCH(QString, tur);
    QFETCH(bool, gelir);
    Ortam o;
    QVERIFY(o.Kur());
    QVERIFY(o.Ara(QStringLiteral("FREN")));
    TClientDataSet* s = o.form->stok;
    int stokno = -1;
    for (int r = 0; r < s->RecordCount() && stokno < 0; ++r)
      if (s->IntAt(r, Alan(s, "RESIM")) == 1) stokno = int(s->IntAt(r, Alan(s, "STOK_STOKNO")));
    QVERIFY(stokno > 0);
    if (!tur.isEmpty()) QVERIFY(o.sunucu.HataKur(QStringLiteral("ResimVer5"), tur));
    TOrantiliResim resim;
    o.Stok().StokResmiAl(stokno, &resim);
    QCOMPARE(!resim.Resim().isNull(), gelir);
    // Only an error of the call is told, with its kind and text; a short stream is dropped silently.
    if (tur == QLatin1String("hata")) {
      QCOMPARE(o.mesaj.Kutular().size(), 1);
      QVERIFY(o.mesaj.Son().metin.contains(QStringLiteral(": ")));
    } else {
      QVERIFY(o.mesaj.Kutular().isEmpty());
    }
  }
};

QTEST_MAIN(TstStokSepetUctan)
#include "tst_stoksepet_uctan.moc"
