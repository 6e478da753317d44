// The stock list and basket pages without a server: letter folding, the price cell's text,
// the layout by window width, the totals and the extra-discount answer.
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QtTest>

#include "mainwindow/Unit1.h"
#include "mainwindow/sayfa_sepet.h"
#include "mainwindow/sayfa_stok.h"
#include "platform/core/sayibicim.h"
#include "platform/core/veriseti.h"
#include "platform/grid/izgara.h"
#include "session/mesajsahte.h"

namespace {

// A basket of lines (SEC, TUTAR, INDIRIMTUTAR, VERGITUTARI).
struct Satir {
  int sec;
  double tutar, indirim, vergi;
};
}  // namespace
Q_DECLARE_METATYPE(Satir)
namespace {
void SepetDoldur(TClientDataSet& ds, const QList<Satir>& satirlar) {
  ds.ClearFields();
  ds.AddField(QStringLiteral("SIRANO"), TFieldType::ftInteger);
  ds.AddField(QStringLiteral("SEC"), TFieldType::ftInteger);
  ds.AddField(QStringLiteral("TUTAR"), TFieldType::ftFloat);
  ds.AddField(QStringLiteral("INDIRIMTUTAR"), TFieldType::ftFloat);
  ds.AddField(QStringLiteral("VERGITUTARI"), TFieldType::ftFloat);
  ds.Open();
  int no = 1;
  for (const Satir& s : satirlar) {
    const int r = ds.AppendRow();
    ds.SetIntAt(r, 0, no++);
    ds.SetIntAt(r, 1, s.sec);
    ds.SetFloatAt(r, 2, s.tutar);
    ds.SetFloatAt(r, 3, s.indirim);
    ds.SetFloatAt(r, 4, s.vergi);
  }
}

// Types the text key by key, as a keyboard with Turkish letters would send it.
void Yaz(QWidget* w, const QString& metin) {
  for (QChar c : metin) {
    QKeyEvent bas(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(w, &bas);
    QKeyEvent birak(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(w, &birak);
  }
}

}  // namespace

class TstStokSepetSayfalar : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { BicimAyarlariKur(TFormatSettings::Turkce()); }

  void katlama_data() {
    QTest::addColumn<QString>("yazilan");
    QTest::addColumn<QString>("kutuda");
    QTest::newRow("ş ö ğ") << QStringLiteral("şöğ") << QStringLiteral("SOG");
    QTest::newRow("dotless ı") << QStringLiteral("ı") << QStringLiteral("I");
    QTest::newRow("ü ç and capitals") << QStringLiteral("üçĞÜŞİÖÇ") << QStringLiteral("UCGUSIOC");
    QTest::newRow("plain letters and digits") << QStringLiteral("fren 12") << QStringLiteral("FREN 12");
  }
  // Typed characters are folded before they reach the box, which then capitalises them.
  void katlama() {
    QFETCH(QString, yazilan);
    QFETCH(QString, kutuda);
    TForm1 f;
    Yaz(f.araedit, yazilan);
    QCOMPARE(f.araedit->text(), kutuda);
  }

  // Pasted text is searched unchanged: folding applies to typed characters only.
  void yapistirilanKatlanmaz() {
    TForm1 f;
    f.araedit->insert(QStringLiteral("ŞANZIMAN"));
    QCOMPARE(f.araedit->text(), QStringLiteral("ŞANZIMAN"));
  }

  void fiyatBilgisi_data() {
    QTest::addColumn<double>("kamp");
    QTest::addColumn<QString>("metin");
    QTest::newRow("no campaign: three lines")
        << 0.0 << QStringLiteral("Liste Fiyatı: 1.234,50\r\nNetFiyat: 1.000,00\r\nKDV li Fiyat: 1.180,00\r\n");
    QTest::newRow("campaign 12.50: four lines")
        << 12.5
        << QStringLiteral("Liste Fiyatı: 1.234,50\r\nKampanyalı Fiyat: 12,50\r\nNetFiyat: 1.000,00\r\nKDV li Fiyat: 1.180,00\r\n");
  }
  void fiyatBilgisi() {
    QFETCH(double, kamp);
    QFETCH(QString, metin);
    QCOMPARE(FiyatBilgisiMetni(1234.5, kamp, 1000, 1180), metin);
  }

  void yerlesim_data() {
    QTest::addColumn<int>("genislik");
    QTest::addColumn<bool>("genis");
    QTest::newRow("1152 narrow") << 1152 << false;
    QTest::newRow("1153 wide") << 1153 << true;
  }
  // The four price columns or the price cell, and the row height, follow the window width;
  // the campaign price comes back on a wide window even after the role rules hid it.
  void yerlesim() {
    QFETCH(int, genislik);
    QFETCH(bool, genis);
    TForm1 f;
    f.resize(genislik, 700);
    f.StokSayfasi->RolleriUygula(RolKurallari(4));
    QVERIFY(!f.StokSayfasi->cxGrid1->KolonBul(QStringLiteral("KAMPFIYAT"))->Secenekte());
    f.StokSayfasi->StokKolonlariDuzenle();
    TVeriIzgarasi* g = f.StokSayfasi->cxGrid1;
    for (const char* a : {"LISTEFIYAT1", "KAMPFIYAT", "NETFIYAT", "KDVDAHIL"})
      QCOMPARE(g->KolonBul(QLatin1String(a))->Gorunur(), genis);
    TIzgaraKolonu* fb = g->KolonBul(QStringLiteral("cxGrid1DBTableView1FiyatBilgisi"));
    QCOMPARE(fb->Gorunur(), !genis);
    QCOMPARE(g->SatirYuksekligi(), genis ? 60 : 100);
    const int sb = g->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, g);
    if (!genis) {
      QCOMPARE(g->KolonGenisligi(fb), 150 - sb);
    } else {
      int toplam = 0;
      for (TIzgaraKolonu* k : g->GorunurKolonlar()) toplam += k->Agirlik();
      const int birim = (g->width() - (sb + 10)) / toplam;
      QCOMPARE(g->KolonGenisligi(g->KolonBul(QStringLiteral("KDVDAHIL"))), 3 * birim);
    }
  }

  // Every column of the stock grid with its caption, visibility and offer at start.
  void stokKolonlari() {
    TForm1 f;
    TVeriIzgarasi* g = f.StokSayfasi->cxGrid1;
    QCOMPARE(g->KolonSayisi(), 36);
    struct {
      const char* ad;
      const char* baslik;
      bool gorunur, secenekte;
      int agirlik;
    } beklenen[] = {
        {"cxGrid1DBTableView1DURUM", "Durum", true, true, 1},
        {"cxGrid1DBTableView1ADI", "Açıklama", true, true, 3},
        {"cxGrid1DBTableView1STOK_STOKNO", "STOK_STOKNO", false, false, 1},
        {"cxGrid1DBTableView1KALAN", "KALAN", false, false, 1},
        {"cxGrid1DBTableView1INDIRIMYAZI", "İndirim Oran", true, true, 2},
        {"cxGrid1DBTableView1FiyatBilgisi", "Fiyat Bilgisi", false, true, 2},
        {"cxGrid1DBTableView1TekCekim", "Tek Çekim", true, true, 2},
        {"cxGrid1DBTableView1Nakit", "Nakit", true, true, 2},
    };
    for (const auto& b : beklenen) {
      TIzgaraKolonu* k = g->KolonBul(QLatin1String(b.ad));
      QVERIFY2(k, b.ad);
      QCOMPARE(k->Ad(), QLatin1String(b.ad));
      QCOMPARE(k->Baslik(), QString::fromUtf8(b.baslik));
      QCOMPARE(k->Gorunur(), b.gorunur);
      QCOMPARE(k->Secenekte(), b.secenekte);
      QCOMPARE(k->Agirlik(), b.agirlik);
    }
    f.StokSayfasi->RolleriUygula(RolKurallari(1));
    QVERIFY(g->KolonBul(QStringLiteral("KALAN"))->Gorunur());
    QVERIFY(g->KolonBul(QStringLiteral("ALINANSIPARIS"))->Secenekte());
  }

  void toplamlar_data() {
    QTest::addColumn<QList<Satir>>("satirlar");
    QTest::addColumn<QStringList>("etiketler");  // T, I, N, V, G
    QTest::addColumn<bool>("indirimGorunur");
    QTest::addColumn<bool>("vergiGorunur");
    QTest::newRow("two selected and one not")
        << QList<Satir>{{1, 100, 10, 18}, {1, 50, 0.5, 9}, {0, 999, 99, 99}}
        << QStringList{"150,00", "10,50", "139,50", "27,00", "166,50"} << true << true;
    QTest::newRow("rounded after every line")
        << QList<Satir>{{1, 10.004, 0, 0}, {1, 10.004, 0, 0}}
        << QStringList{"20,00", "0,00", "20,00", "0,00", "20,00"} << false << false;
    QTest::newRow("exactly 1.00 hides the rows")
        << QList<Satir>{{1, 10, 1, 1}} << QStringList{"10,00", "1,00", "9,00", "1,00", "10,00"} << false << false;
    QTest::newRow("1.01 shows them")
        << QList<Satir>{{1, 10, 1.01, 1.01}} << QStringList{"10,00", "1,01", "8,99", "1,01", "10,00"} << true << true;
    QTest::newRow("nothing selected")
        << QList<Satir>{{0, 10, 5, 5}} << QStringList{"0,00", "0,00", "0,00", "0,00", "0,00"} << false << false;
    QTest::newRow("thousands") << QList<Satir>{{1, 1234567.891, 0, 0}}
                               << QStringList{"1.234.567,89", "0,00", "1.234.567,89", "0,00", "1.234.567,89"} << false
                               << false;
  }
  void toplamlar() {
    QFETCH(QList<Satir>, satirlar);
    QFETCH(QStringList, etiketler);
    QFETCH(bool, indirimGorunur);
    QFETCH(bool, vergiGorunur);
    TForm1 f;
    f.show();
    SepetDoldur(*f.sepet, satirlar);
    TSepetSayfasi& s = *f.SepetSayfasi;
    s.ToplamlariHesapla();
    QCOMPARE((QStringList{s.aratoplaml->text(), s.indiriml->text(), s.nettutarl->text(), s.vergil->text(),
                          s.geneltoplaml->text()}),
             etiketler);
    QCOMPARE(!s.indiriml->isHidden(), indirimGorunur);
    QCOMPARE(!s.Label4->isHidden(), indirimGorunur);
    QCOMPARE(!s.vergil->isHidden(), vergiGorunur);
    QCOMPARE(!s.Label6->isHidden(), vergiGorunur);
    QCOMPARE(FormatFloat(QStringLiteral("#,###,##0.00"), f.FSepetTutar), etiketler[4]);
  }

  // "Gönder" with no selected line warns and sends nothing (no connection is even tried).
  void gonderilecekParcaYok() {
    TForm1 f;
    SahteMesajGosterici m;
    SepetDoldur(*f.sepet, {{0, 10, 0, 0}});
    f.SepetSayfasi->Button1Click();
    f.sepet->Close();
    f.SepetSayfasi->Button1Click();
    QCOMPARE(m.Kutular().size(), 2);
    for (const auto& k : m.Kutular()) {
      QCOMPARE(k.metin, QStringLiteral("Gönderilecek Parça Yok "));
      QCOMPARE(k.tur, mtUyari);
    }
  }

  void ekIndirim_data() {
    QTest::addColumn<QString>("cevap");
    QTest::addColumn<bool>("okundu");
    QTest::addColumn<double>("nakit");
    QTest::addColumn<double>("tek");
    QTest::newRow("comma") << QStringLiteral("5,5|10") << true << 5.5 << 10.0;
    QTest::newRow("point") << QStringLiteral("5.5|10") << true << 5.5 << 10.0;
    QTest::newRow("server's answer") << QStringLiteral("3|1,5") << true << 3.0 << 1.5;
    QTest::newRow("no bar") << QStringLiteral("5,5") << false << 0.0 << 9.0;
    QTest::newRow("not a number") << QStringLiteral("x|10") << false << 0.0 << 9.0;
    QTest::newRow("three parts") << QStringLiteral("1|2|3") << false << 0.0 << 9.0;
    QTest::newRow("empty") << QString() << false << 0.0 << 9.0;
  }
  // A malformed answer keeps the starting rates 0 and 9.
  void ekIndirim() {
    QFETCH(QString, cevap);
    QFETCH(bool, okundu);
    QFETCH(double, nakit);
    QFETCH(double, tek);
    TSiparisIndirimler o;
    o.TekCekimFiyatIskonto = 9;
    QCOMPARE(EkIndirimCoz(cevap, o), okundu);
    QCOMPARE(o.NakitFiyatIskonto, nakit);
    QCOMPARE(o.TekCekimFiyatIskonto, tek);
  }

  void odemeMetni_data() {
    QTest::addColumn<int>("sonuc");
    QTest::addColumn<QString>("metin");
    QTest::addColumn<double>("ek");
    QTest::newRow("single payment 9") << int(sTekCEkim) << QStringLiteral("Tek Çekim (%9)") << 9.0;
    QTest::newRow("cash 5,5") << int(sNakit) << QStringLiteral("Nakit Ödeme (%5,5)") << 5.5;
    QTest::newRow("instalments") << int(sNormal) << QStringLiteral("Taksitli Çekim") << 0.0;
  }
  void odemeMetni() {
    QFETCH(int, sonuc);
    QFETCH(QString, metin);
    QFETCH(double, ek);
    TSiparisIndirimler o{5.5, 9};
    double e = -1;
    QCOMPARE(OdemeMetni(TSiparisSonuc(sonuc), o, &e), metin);
    QCOMPARE(e, ek);
  }
};

QTEST_MAIN(TstStokSepetSayfalar)
#include "tst_stoksepet_sayfalar.moc"
