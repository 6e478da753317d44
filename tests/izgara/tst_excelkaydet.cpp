// "Excel Kaydet": the grid written as an .xls file and read back with libfreexl.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <freexl.h>

#include "izgara_ortak.h"
#include "platform/grid/excelkaydet.h"
#include "platform/grid/izgara.h"
#include "platform/grid/izgaraikonlari.h"
#include "platform/grid/xlsyazici.h"
#include "session/mesajsahte.h"

namespace {
// A cell as read back: its kind and its value as text.
struct Okunan {
  int tur = FREEXL_CELL_NULL;
  QString metin;
  double sayi = 0;
};

class XlsOkuyucu {
 public:
  explicit XlsOkuyucu(const QString& yol) {
    ok_ = freexl_open(QFile::encodeName(yol).constData(), &h_) == FREEXL_OK;
  }
  ~XlsOkuyucu() {
    if (h_) freexl_close(h_);
  }
  bool Acik() const { return ok_; }
  unsigned SayfaSayisi() {
    unsigned n = 0;
    freexl_get_info(h_, FREEXL_BIFF_SHEET_COUNT, &n);
    return n;
  }
  QString SayfaAdi(unsigned i) {
    const char* ad = nullptr;
    freexl_get_worksheet_name(h_, static_cast<unsigned short>(i), &ad);
    return QString::fromUtf8(ad);
  }
  bool Sec(unsigned i, unsigned* satir, unsigned short* kolon) {
    return freexl_select_active_worksheet(h_, static_cast<unsigned short>(i)) == FREEXL_OK &&
           freexl_worksheet_dimensions(h_, satir, kolon) == FREEXL_OK;
  }
  Okunan Hucre(unsigned satir, unsigned short kolon) {
    FreeXL_CellValue v;
    Okunan o;
    if (freexl_get_cell_value(h_, satir, kolon, &v) != FREEXL_OK) return o;
    o.tur = v.type;
    switch (v.type) {
      case FREEXL_CELL_INT: o.sayi = v.value.int_value; o.metin = QString::number(v.value.int_value); break;
      case FREEXL_CELL_DOUBLE: o.sayi = v.value.double_value; o.metin = QString::number(v.value.double_value); break;
      case FREEXL_CELL_TEXT:
      case FREEXL_CELL_SST_TEXT:
      case FREEXL_CELL_DATE:
      case FREEXL_CELL_DATETIME:
      case FREEXL_CELL_TIME: o.metin = QString::fromUtf8(v.value.text_value); break;
      default: break;
    }
    return o;
  }

 private:
  const void* h_ = nullptr;
  bool ok_ = false;
};

bool Sayisal(int tur) { return tur == FREEXL_CELL_INT || tur == FREEXL_CELL_DOUBLE; }
}  // namespace

class TestExcelKaydet : public QObject {
  Q_OBJECT

  TClientDataSet ds;
  std::unique_ptr<TVeriIzgarasi> izgara;
  QTemporaryDir klasor;

  QString Yol(const QString& ad) const { return klasor.filePath(ad); }

 private slots:
  void initTestCase() {
    BicimAyarlariKur(TFormatSettings::Turkce());
    QVERIFY(klasor.isValid());
  }

  void init() {
    OrnekDoldur(ds);
    izgara = std::make_unique<TVeriIzgarasi>();
    izgara->KolonEkle(QStringLiteral("kSec"), QStringLiteral("SEC"), QStringLiteral("Seç"))->SetTur(TKolonTuru::Onay);
    izgara->KolonEkle(QStringLiteral("kStokno"), QStringLiteral("STOKNO"), QString())->SetGorunur(false);
    izgara->KolonEkle(QStringLiteral("kAdi"), QStringLiteral("ADI"), QStringLiteral("Açıklama"));
    izgara->KolonEkle(QStringLiteral("kMarka"), QStringLiteral("MARKA"), QStringLiteral("Marka"));
    izgara->KolonEkle(QStringLiteral("kFiyat"), QStringLiteral("FIYAT"), QStringLiteral("Fiyat"));
    auto* durum = izgara->KolonEkle(QStringLiteral("kDurum"), QStringLiteral("DURUM"), QStringLiteral("Durum"));
    durum->SetTur(TKolonTuru::Ikon);
    durum->SetDegerListesi(DurumDegerListesi());
    izgara->KolonEkle(QStringLiteral("kTarih"), QStringLiteral("TARIH"), QStringLiteral("Tarih"));
    auto* bilgi = izgara->KolonEkle(QStringLiteral("kBilgi"), QString(), QStringLiteral("Bilgi"));
    bilgi->SetTur(TKolonTuru::Ozel);
    bilgi->SetMetinSaglayici([this](int r) { return QStringLiteral("No: %1").arg(ds.IntAt(r, 0)); });
    izgara->SetVeriSeti(&ds);
  }
  void cleanup() {
    izgara.reset();
    KayitDialoguKur(nullptr);
  }

  void yazilan_dosya_geri_okunur() {
    SahteMesajGosterici sahte;
    const QString yol = ExcelKaydet(izgara.get(), Yol(QStringLiteral("liste.xls")));
    QCOMPARE(yol, Yol(QStringLiteral("liste.xls")));
    QVERIFY(sahte.Kutular().isEmpty());
    XlsOkuyucu x(yol);
    QVERIFY(x.Acik());
    QCOMPARE(x.SayfaSayisi(), 1u);
    unsigned satir = 0;
    unsigned short kolon = 0;
    QVERIFY(x.Sec(0, &satir, &kolon));
    QCOMPARE(satir, 7u);   // captions + 6 rows
    QCOMPARE(kolon, 7);    // the hidden STOKNO is left out
    const QStringList basliklar{"Seç", "Açıklama", "Marka", "Fiyat", "Durum", "Tarih", "Bilgi"};
    for (int c = 0; c < basliklar.size(); ++c) QCOMPARE(x.Hucre(0, c).metin, basliklar[c]);

    // every row and column, typed
    for (int r = 0; r < 6; ++r) {
      const OrnekSatir& s = kOrnekSatirlar[r];
      const unsigned sr = unsigned(r) + 1;
      Okunan sec = x.Hucre(sr, 0);
      QVERIFY(Sayisal(sec.tur));
      QCOMPARE(sec.sayi, double(s.sec));
      Okunan adi = x.Hucre(sr, 1);
      QCOMPARE(adi.tur, FREEXL_CELL_SST_TEXT);
      QCOMPARE(adi.metin, QString::fromUtf16(s.adi));  // Turkish letters survive
      QCOMPARE(x.Hucre(sr, 2).metin, QString::fromUtf16(s.marka));
      Okunan fiyat = x.Hucre(sr, 3);
      QVERIFY(Sayisal(fiyat.tur));
      QCOMPARE(fiyat.sayi, s.fiyat);
      Okunan durum = x.Hucre(sr, 4);
      if (s.durum < 0) {
        QCOMPARE(durum.tur, FREEXL_CELL_NULL);
      } else {
        QVERIFY(Sayisal(durum.tur));
        QCOMPARE(durum.sayi, double(s.durum));
      }
      Okunan tarih = x.Hucre(sr, 5);
      QCOMPARE(tarih.tur, FREEXL_CELL_DATE);
      QCOMPARE(tarih.metin, s.tarih.toString(Qt::ISODate));
      QCOMPARE(x.Hucre(sr, 6).metin, QStringLiteral("No: %1").arg(s.stokno));
    }
  }

  void filtre_siralama_ve_gruplar_gorundugu_gibi() {
    auto* marka = izgara->KolonBul(QStringLiteral("MARKA"));
    izgara->FiltreKur(marka, {QStringLiteral("Bosch"), QStringLiteral("Valeo")});
    izgara->Sirala(izgara->KolonBul(QStringLiteral("FIYAT")), Qt::DescendingOrder);
    izgara->Grupla(marka);
    izgara->GruplariDaralt();  // collapsed groups are written expanded
    const QString yol = ExcelKaydet(izgara.get(), Yol(QStringLiteral("gruplu")));
    QVERIFY(!yol.isEmpty());
    XlsOkuyucu x(yol);
    QVERIFY(x.Acik());
    unsigned satir = 0;
    unsigned short kolon = 0;
    QVERIFY(x.Sec(0, &satir, &kolon));
    const QStringList beklenen{"Açıklama", "Marka: Bosch", "ışık", "İğne", "armut",
                               "Marka: Valeo", "Işıklı ayna", "Çekiç"};
    QCOMPARE(satir, unsigned(beklenen.size()));
    for (int r = 0; r < beklenen.size(); ++r)
      QCOMPARE(x.Hucre(unsigned(r), beklenen[r].startsWith("Marka:") ? 0 : 1).metin, beklenen[r]);
  }

  void uzanti_xls_olur_data() {
    QTest::addColumn<QString>("verilen");
    QTest::addColumn<QString>("beklenen");
    QTest::newRow("xlsx") << "/tmp/a/rapor.xlsx" << "/tmp/a/rapor.xls";
    QTest::newRow("none") << "/tmp/a/rapor" << "/tmp/a/rapor.xls";
    QTest::newRow("other") << "/tmp/a/rapor.txt" << "/tmp/a/rapor.xls";
    QTest::newRow("two dots") << "/tmp/a/rapor.2026.xlsx" << "/tmp/a/rapor.2026.xls";
    QTest::newRow("dot in folder only") << "/tmp/a.b/rapor" << "/tmp/a.b/rapor.xls";
    QTest::newRow("trailing dot") << "/tmp/a/rapor." << "/tmp/a/rapor.xls";
    QTest::newRow("already xls") << "/tmp/a/rapor.xls" << "/tmp/a/rapor.xls";
    QTest::newRow("hidden name") << "/tmp/a/.rapor" << "/tmp/a/.rapor.xls";
  }
  void uzanti_xls_olur() {
    QFETCH(QString, verilen);
    QFETCH(QString, beklenen);
    QCOMPARE(XlsUzantisiVer(verilen), beklenen);
  }

  void yazilan_dosyanin_uzantisi_xls() {
    const QString yol = ExcelKaydet(izgara.get(), Yol(QStringLiteral("sepet.xlsx")));
    QCOMPARE(yol, Yol(QStringLiteral("sepet.xls")));
    QVERIFY(QFile::exists(yol));
    QVERIFY(!QFile::exists(Yol(QStringLiteral("sepet.xlsx"))));
  }

  void yazilamayinca_yarim_dosya_kalmaz_data() {
    QTest::addColumn<QString>("yol");
    QTest::addColumn<QString>("beklenenParca");
    QTest::newRow("missing folder") << klasor.filePath("yok/alt/liste.xls") << "klasörü bulunamadı";
    QTest::newRow("read-only folder") << "/proc/izgara_deneme.xls" << "yazılamıyor";
    QTest::newRow("target is a folder") << klasor.filePath("klasor.xls") << "yazılamıyor";
  }
  void yazilamayinca_yarim_dosya_kalmaz() {
    QFETCH(QString, yol);
    QFETCH(QString, beklenenParca);
    QDir(klasor.path()).mkpath(QStringLiteral("klasor.xls"));
    const QStringList once = QDir(klasor.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    SahteMesajGosterici sahte;
    QString hata;
    QCOMPARE(ExcelKaydet(izgara.get(), yol, &hata), QString());
    QVERIFY2(hata.startsWith(QStringLiteral("Dosya kaydedilemedi")), qPrintable(hata));
    QVERIFY2(hata.contains(beklenenParca), qPrintable(hata));
    QCOMPARE(sahte.Kutular().size(), 1);
    QCOMPARE(sahte.Son().tur, mtHata);
    QCOMPARE(sahte.Son().metin, hata);
    QVERIFY(QFileInfo(yol).isDir() || !QFile::exists(yol));
    QCOMPARE(QDir(klasor.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), once);
  }

  void eski_dosya_basarili_yazimda_degisir() {
    const QString yol = Yol(QStringLiteral("eski.xls"));
    {
      QFile f(yol);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write("eski içerik");
    }
    QCOMPARE(ExcelKaydet(izgara.get(), yol), yol);
    XlsOkuyucu x(yol);
    QVERIFY(x.Acik());
  }

  void kayit_dialogu() {
    QString gelenFiltre;
    int cagri = 0;
    QString cevap = Yol(QStringLiteral("dialog.xlsx"));
    KayitDialoguKur([&](QWidget*, const QString& filtre) {
      ++cagri;
      gelenFiltre = filtre;
      return cevap;
    });
    QCOMPARE(ExcelKaydetDialogla(izgara.get(), nullptr), Yol(QStringLiteral("dialog.xls")));
    QCOMPARE(gelenFiltre, QStringLiteral("Excel|*.xls*"));
    QVERIFY(QFile::exists(Yol(QStringLiteral("dialog.xls"))));
    // cancelled: nothing written, nothing shown
    SahteMesajGosterici sahte;
    cevap.clear();
    QCOMPARE(ExcelKaydetDialogla(izgara.get(), nullptr), QString());
    QCOMPARE(cagri, 2);
    QVERIFY(sahte.Kutular().isEmpty());
  }

  // More rows than one sheet holds, many distinct texts (shared-string continuation records)
  // and a file large enough for the extended sector table of the container.
  void buyuk_liste_birden_cok_sayfaya() {
    TClientDataSet buyuk;
    const int n = 70000;
    BuyukDoldur(buyuk, n);
    TVeriIzgarasi g;
    for (const char* alan : {"STOK_STOKNO", "BARKOD", "ADI", "MARKA", "LISTEFIYAT1", "KAMPFIYAT", "NETFIYAT", "KDVDAHIL", "DURUM"})
      g.KolonEkle(QString(), QString::fromLatin1(alan), QString::fromLatin1(alan));
    g.SetVeriSeti(&buyuk);
    const QString yol = ExcelKaydet(&g, Yol(QStringLiteral("buyuk.xls")));
    QVERIFY(!yol.isEmpty());
    QVERIFY(QFileInfo(yol).size() > 109LL * 128 * 512);  // needs more than the header's 109 table sectors
    XlsOkuyucu x(yol);
    QVERIFY(x.Acik());
    QCOMPARE(x.SayfaSayisi(), 2u);
    QCOMPARE(x.SayfaAdi(0), QStringLiteral("Sayfa1"));
    QCOMPARE(x.SayfaAdi(1), QStringLiteral("Sayfa2"));
    unsigned satir = 0;
    unsigned short kolon = 0;
    QVERIFY(x.Sec(0, &satir, &kolon));
    QCOMPARE(satir, 65536u);
    QCOMPARE(kolon, 9);
    // the last row of the first sheet and the first of the second follow each other
    const int son = 65534;
    QCOMPARE(x.Hucre(65535, 2).metin, buyuk.TextAt(son, 2));
    QCOMPARE(x.Hucre(65535, 0).sayi, double(buyuk.IntAt(son, 0)));
    QVERIFY(x.Sec(1, &satir, &kolon));
    QCOMPARE(satir, unsigned(n - 65535 + 1));
    QCOMPARE(x.Hucre(0, 2).metin, QStringLiteral("ADI"));
    QCOMPARE(x.Hucre(1, 2).metin, buyuk.TextAt(son + 1, 2));
    QCOMPARE(x.Hucre(satir - 1, 2).metin, buyuk.TextAt(n - 1, 2));
    QCOMPARE(x.Hucre(satir - 1, 3).metin, buyuk.TextAt(n - 1, 3));
    QCOMPARE(x.Hucre(satir - 1, 6).sayi, buyuk.FloatAt(n - 1, 6));
  }

  // The writer alone: long texts cross record boundaries (wide and narrow letters); an empty
  // sheet still opens.
  void uzun_metin_ve_bos_sayfa() {
    TXlsYazici w;
    w.SayfaEkle(QStringLiteral("Boş"));
    w.SayfaEkle(QStringLiteral("Uzun"));
    QStringList metinler;
    for (int r = 0; r < 6; ++r) {
      QString m;
      if (r % 2 == 0)
        for (int i = 0; i < 3000; ++i) m += QChar(i % 2 ? u'ş' : u'a');
      else
        m = QString(7000, QLatin1Char('b'));
      metinler << m + QString::number(r);
      w.Metin(r, 0, metinler.last());
    }
    QFile f(Yol(QStringLiteral("uzun.xls")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    QVERIFY(w.Yaz(f));
    f.close();
    XlsOkuyucu x(f.fileName());
    QVERIFY(x.Acik());
    QCOMPARE(x.SayfaSayisi(), 2u);
    QCOMPARE(x.SayfaAdi(0), QStringLiteral("Boş"));
    unsigned satir = 0;
    unsigned short kolon = 0;
    QVERIFY(x.Sec(1, &satir, &kolon));
    QCOMPARE(satir, 6u);
    for (unsigned r = 0; r < 6; ++r) QCOMPARE(x.Hucre(r, 0).metin, metinler[int(r)]);
  }
};

QTEST_MAIN(TestExcelKaydet)
#include "tst_excelkaydet.moc"
