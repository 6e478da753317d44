// The grid model over a data set: filter, sort, footer summaries, groups, incremental search,
// update batches. Every test runs under QAbstractItemModelTester.

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

#include "izgara_ortak.h"
#include "platform/grid/izgaraikonlari.h"
#include "platform/grid/izgaramodeli.h"

class TestIzgaraModeli : public QObject {
  Q_OBJECT

  TClientDataSet ds;
  std::unique_ptr<TIzgaraModeli> m;
  std::unique_ptr<QAbstractItemModelTester> denetci;
  TIzgaraKolonu *kStokno{}, *kAdi{}, *kMarka{}, *kFiyat{}, *kDurum{}, *kTarih{};

  // data-set rows in the order shown (data rows only)
  std::vector<int> Satirlar() const {
    std::vector<int> v;
    for (int g = 0; g < m->rowCount(); ++g)
      if (m->KaynakSatir(g) >= 0) v.push_back(m->KaynakSatir(g));
    return v;
  }
  int Kolon(TIzgaraKolonu* k) const { return m->KolonIndeksi(k); }

 private slots:
  void initTestCase() { BicimAyarlariKur(TFormatSettings::Turkce()); }

  void init() {
    OrnekDoldur(ds);
    m = std::make_unique<TIzgaraModeli>();
    denetci = std::make_unique<QAbstractItemModelTester>(m.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    kStokno = m->KolonEkle(QStringLiteral("kStokno"), QStringLiteral("STOKNO"), QString());
    kAdi = m->KolonEkle(QStringLiteral("kAdi"), QStringLiteral("ADI"), QStringLiteral("Açıklama"));
    kMarka = m->KolonEkle(QStringLiteral("kMarka"), QStringLiteral("MARKA"), QStringLiteral("Marka"));
    kFiyat = m->KolonEkle(QStringLiteral("kFiyat"), QStringLiteral("FIYAT"), QStringLiteral("Fiyat"));
    kDurum = m->KolonEkle(QStringLiteral("kDurum"), QStringLiteral("DURUM"), QStringLiteral("Durum"));
    kDurum->SetTur(TKolonTuru::Ikon);
    kDurum->SetDegerListesi(DurumDegerListesi());
    kTarih = m->KolonEkle(QStringLiteral("kTarih"), QStringLiteral("tarih"), QStringLiteral("Tarih"));
    m->SetVeriSeti(&ds);
  }
  void cleanup() {
    denetci.reset();
    m.reset();
  }

  void hucreler_veri_setinden_okunur() {
    QCOMPARE(m->rowCount(), 6);
    QCOMPARE(m->columnCount(), 6);
    // caption, or the field name when there is none
    QCOMPARE(m->headerData(Kolon(kStokno), Qt::Horizontal).toString(), QStringLiteral("STOKNO"));
    QCOMPARE(m->headerData(Kolon(kAdi), Qt::Horizontal).toString(), QStringLiteral("Açıklama"));
    QCOMPARE(m->index(1, Kolon(kFiyat)).data().toString(), QStringLiteral("1.234,50"));
    QCOMPARE(m->index(0, Kolon(kAdi)).data().toString(), QStringLiteral("ışık"));
    // field names bind case-insensitively; icon columns give the icon and the description
    QCOMPARE(m->index(2, Kolon(kTarih)).data(TIzgaraModeli::HamDegerRolu).toDate(), QDate(2026, 3, 1));
    QVERIFY(!m->index(2, Kolon(kDurum)).data(Qt::DecorationRole).value<QIcon>().isNull());
    QCOMPARE(m->index(2, Kolon(kDurum)).data(Qt::ToolTipRole).toString(), QStringLiteral("Telefon Açınız"));
    QVERIFY(m->index(3, Kolon(kDurum)).data(Qt::DecorationRole).value<QIcon>().isNull());  // empty value
    QVERIFY(!(m->flags(m->index(0, 0)) & Qt::ItemIsEditable));
    // a cell is read from the data set, not from a copy
    ds.SetTextAt(0, 1, QStringLiteral("değişti"));
    QCOMPARE(m->index(0, Kolon(kAdi)).data().toString(), QStringLiteral("değişti"));
  }

  void filtre_data() {
    QTest::addColumn<QString>("kolon");
    QTest::addColumn<QStringList>("degerler");
    QTest::addColumn<QString>("kolon2");
    QTest::addColumn<QStringList>("degerler2");
    QTest::addColumn<QList<int>>("beklenen");
    QTest::newRow("one value") << "kMarka" << QStringList{"Bosch"} << "" << QStringList{} << QList<int>{0, 2, 5};
    QTest::newRow("two values") << "kMarka" << QStringList{"Valeo", "Çelik"} << "" << QStringList{} << QList<int>{1, 3, 4};
    QTest::newRow("formatted number") << "kFiyat" << QStringList{"1.234,50"} << "" << QStringList{} << QList<int>{1};
    QTest::newRow("icon description and empty") << "kDurum" << QStringList{"Var", ""} << "" << QStringList{} << QList<int>{0, 3};
    QTest::newRow("date text") << "kTarih" << QStringList{"@ilk"} << "" << QStringList{} << QList<int>{0, 5};
    QTest::newRow("two columns") << "kMarka" << QStringList{"Bosch"} << "kDurum" << QStringList{"Yolda", "Var"} << QList<int>{0, 5};
    QTest::newRow("no match") << "kMarka" << QStringList{"Yok böyle"} << "" << QStringList{} << QList<int>{};
    QTest::newRow("empty list clears") << "kMarka" << QStringList{} << "" << QStringList{} << QList<int>{0, 1, 2, 3, 4, 5};
  }
  void filtre() {
    QFETCH(QString, kolon);
    QFETCH(QStringList, degerler);
    QFETCH(QString, kolon2);
    QFETCH(QStringList, degerler2);
    QFETCH(QList<int>, beklenen);
    if (degerler == QStringList{"@ilk"}) degerler = {ds.DisplayTextAt(0, 5)};  // the first row's date as shown
    m->FiltreKur(Kolon(m->KolonBul(kolon)), degerler);
    if (!kolon2.isEmpty()) m->FiltreKur(Kolon(m->KolonBul(kolon2)), degerler2);
    QCOMPARE(Satirlar(), std::vector<int>(beklenen.begin(), beklenen.end()));
    QCOMPARE(m->Filtreli(Kolon(m->KolonBul(kolon))), !degerler.isEmpty());
    m->FiltreTemizle();
    QCOMPARE(m->rowCount(), 6);
  }

  void farkli_degerler() {
    // texts in Turkish alphabetical order, numbers by value, empty cells once
    QCOMPARE(m->FarkliDegerler(Kolon(kMarka)), (QStringList{"Bosch", "Çelik", "Valeo"}));
    QCOMPARE(m->FarkliDegerler(Kolon(kFiyat)), (QStringList{"0,10", "3,00", "7,25", "12,50", "100,00", "1.234,50"}));
    const QStringList durum = m->FarkliDegerler(Kolon(kDurum));
    QCOMPARE(durum.size(), 6);
    QVERIFY(durum.contains(QString()));
    QVERIFY(durum.contains(QStringLiteral("Tedarik Sürecinde")));
  }

  void siralama_data() {
    QTest::addColumn<QString>("kolon");
    QTest::addColumn<int>("yon");
    QTest::addColumn<QList<int>>("beklenen");
    // Turkish order: a, ç, ı, i; equal marks keep the data set's order (stable)
    QTest::newRow("text up") << "kAdi" << int(Qt::AscendingOrder) << QList<int>{5, 3, 4, 0, 1, 2};
    QTest::newRow("text down") << "kAdi" << int(Qt::DescendingOrder) << QList<int>{2, 1, 0, 4, 3, 5};
    QTest::newRow("number up") << "kFiyat" << int(Qt::AscendingOrder) << QList<int>{5, 2, 3, 0, 4, 1};
    QTest::newRow("stable on equal brands") << "kMarka" << int(Qt::AscendingOrder) << QList<int>{0, 2, 5, 3, 1, 4};
    QTest::newRow("stable descending") << "kMarka" << int(Qt::DescendingOrder) << QList<int>{1, 4, 3, 0, 2, 5};
    QTest::newRow("date, equal days keep order") << "kTarih" << int(Qt::AscendingOrder) << QList<int>{4, 1, 0, 5, 3, 2};
    QTest::newRow("empty first") << "kDurum" << int(Qt::AscendingOrder) << QList<int>{3, 1, 0, 2, 5, 4};
  }
  void siralama() {
    QFETCH(QString, kolon);
    QFETCH(int, yon);
    QFETCH(QList<int>, beklenen);
    m->Sirala(Kolon(m->KolonBul(kolon)), Qt::SortOrder(yon));
    QCOMPARE(Satirlar(), std::vector<int>(beklenen.begin(), beklenen.end()));
    // the shown row of every data row is found back
    for (int g = 0; g < m->rowCount(); ++g) QCOMPARE(m->GorunenSatir(m->KaynakSatir(g)), g);
    m->Sirala(-1, Qt::AscendingOrder);
    QCOMPARE(Satirlar(), (std::vector<int>{0, 1, 2, 3, 4, 5}));
  }

  void siralama_ve_filtre_birlikte() {
    m->FiltreKur(Kolon(kMarka), {QStringLiteral("Bosch")});
    m->Sirala(Kolon(kFiyat), Qt::DescendingOrder);
    QCOMPARE(Satirlar(), (std::vector<int>{0, 2, 5}));
    QCOMPARE(m->GorunenSatir(1), -1);  // filtered out
  }

  void alt_ozetler_data() {
    QTest::addColumn<QStringList>("filtre");
    QTest::addColumn<QString>("sayi");
    QTest::addColumn<QString>("toplam");
    QTest::addColumn<QString>("stokToplam");
    QTest::newRow("all rows") << QStringList{} << "6" << "1.357,35" << "75";
    QTest::newRow("filtered rows") << QStringList{"Valeo"} << "2" << "1.334,50" << "25";
    QTest::newRow("nothing shown") << QStringList{"Yok"} << "0" << "0,00" << "0";
  }
  void alt_ozetler() {
    QFETCH(QStringList, filtre);
    QFETCH(QString, sayi);
    QFETCH(QString, toplam);
    QFETCH(QString, stokToplam);
    kAdi->SetAltOzet(TOzetTuru::Sayi);
    kFiyat->SetAltOzet(TOzetTuru::Toplam);
    kStokno->SetAltOzet(TOzetTuru::Toplam);
    kDurum->SetAltOzet(TOzetTuru::Sayi);
    m->Yenile();
    m->FiltreKur(Kolon(kMarka), filtre);
    QCOMPARE(m->OzetMetni(Kolon(kAdi)), sayi);
    QCOMPARE(m->OzetMetni(Kolon(kFiyat)), toplam);   // the field's display format
    QCOMPARE(m->OzetMetni(Kolon(kStokno)), stokToplam);  // an integer field without a format
    QCOMPARE(m->OzetMetni(Kolon(kMarka)), QString());    // no summary
    if (filtre.isEmpty()) QCOMPARE(m->OzetMetni(Kolon(kDurum)), QStringLiteral("5"));  // empty cells not counted
  }

  void ozet_hucreyle_ayni_bicimde_data() {
    QTest::addColumn<int>("tur");
    QTest::addColumn<QString>("bicim");
    QTest::addColumn<QString>("beklenen");
    QTest::newRow("money without a format") << int(TFieldType::ftCurrency) << "" << "3.703,50";
    QTest::newRow("float without a format") << int(TFieldType::ftFloat) << "" << "3703,5";
    QTest::newRow("float with a format") << int(TFieldType::ftFloat) << "#,###,##00.00" << "3.703,50";
    QTest::newRow("integer with a format") << int(TFieldType::ftLargeint) << "#,##0" << "3.703";
  }
  void ozet_hucreyle_ayni_bicimde() {
    QFETCH(int, tur);
    QFETCH(QString, bicim);
    QFETCH(QString, beklenen);
    TClientDataSet d;
    d.AddField(QStringLiteral("TUTAR"), TFieldType(tur));
    const double degerler[] = {1234.25, 2469.25};
    for (double v : degerler) {
      const int r = d.AppendRow();
      if (TFieldType(tur) == TFieldType::ftLargeint) d.SetIntAt(r, 0, qint64(v));
      else d.SetFloatAt(r, 0, v);
    }
    d.Open();
    d.Fields(0)->SetDisplayFormat(bicim);
    TIzgaraModeli model;
    model.KolonEkle(QStringLiteral("kTutar"), QStringLiteral("TUTAR"), QString())->SetAltOzet(TOzetTuru::Toplam);
    model.SetVeriSeti(&d);
    QCOMPARE(model.OzetMetni(0), beklenen);
  }

  void kayit_degisince_ozet_ve_hucre_yenilenir() {
    kFiyat->SetAltOzet(TOzetTuru::Toplam);
    m->Yenile();
    QSignalSpy degisen(m.get(), &QAbstractItemModel::dataChanged);
    QSignalSpy sifirlanan(m.get(), &QAbstractItemModel::modelReset);
    ds.SetRecNo(2);
    ds.Edit();
    ds.FieldByName(QStringLiteral("FIYAT"))->SetAsFloat(1000);
    ds.Post();
    QCOMPARE(m->OzetMetni(Kolon(kFiyat)), QStringLiteral("1.122,85"));
    QVERIFY(!degisen.isEmpty());
    QCOMPARE(degisen.last().at(0).value<QModelIndex>().row(), 1);
    QCOMPARE(sifirlanan.count(), 0);  // no rebuild for one posted record
  }

  void kayit_degisince_sira_bir_kez_yenilenir() {
    m->Sirala(Kolon(kFiyat), Qt::AscendingOrder);
    QSignalSpy sifirlanan(m.get(), &QAbstractItemModel::modelReset);
    ds.SetFloatAt(5, 3, 5000);  // the cheapest becomes the dearest
    ds.SetFloatAt(5, 3, 6000);
    QTRY_COMPARE(sifirlanan.count(), 1);
    QCOMPARE(Satirlar().back(), 5);
  }

  void gruplama() {
    kFiyat->SetGrupOzet(TOzetTuru::Toplam);
    kAdi->SetGrupOzet(TOzetTuru::Sayi);
    m->Sirala(Kolon(kFiyat), Qt::DescendingOrder);
    m->Grupla(Kolon(kMarka));
    // groups in ascending order, each: head, its rows (sorted), footer
    QCOMPARE(m->GrupSayisi(), 3);
    QCOMPARE(m->GrupMetni(0), QStringLiteral("Bosch"));
    QCOMPARE(m->GrupMetni(1), QStringLiteral("Çelik"));
    QCOMPARE(m->GrupMetni(2), QStringLiteral("Valeo"));
    QCOMPARE(m->rowCount(), 6 + 2 * 3);
    QCOMPARE(m->SatirTuru(0), TSatirTuru::GrupBasi);
    QCOMPARE(m->index(0, 0).data().toString(), QStringLiteral("Marka: Bosch"));
    QCOMPARE(m->KaynakSatir(1), 0);
    QCOMPARE(m->KaynakSatir(2), 2);
    QCOMPARE(m->KaynakSatir(3), 5);
    QCOMPARE(m->SatirTuru(4), TSatirTuru::GrupSonu);
    QCOMPARE(m->GrupOzetMetni(0, Kolon(kFiyat)), QStringLiteral("15,60"));
    QCOMPARE(m->index(4, Kolon(kAdi)).data().toString(), QStringLiteral("3"));
    QCOMPARE(m->GrupOzetMetni(2, Kolon(kFiyat)), QStringLiteral("1.334,50"));
    QCOMPARE(m->TumVeriSatirlari(), (std::vector<int>{0, 2, 5, 3, 1, 4}));

    // collapse one: head and footer stay, the rows go; the state survives a rebuild
    m->SetGrupAcik(0, false);
    QCOMPARE(m->rowCount(), 3 + 2 * 3);
    QCOMPARE(m->SatirTuru(1), TSatirTuru::GrupSonu);
    QCOMPARE(m->GorunenSatir(0), -1);
    m->Yenile();
    QVERIFY(!m->GrupAcik(0));
    QCOMPARE(m->rowCount(), 3 + 2 * 3);
    m->TumGruplar(false);
    QCOMPARE(m->rowCount(), 2 * 3);
    QCOMPARE(m->TumVeriSatirlari().size(), std::size_t(6));  // the export still sees every row
    m->TumGruplar(true);
    QCOMPARE(m->rowCount(), 12);
    // a filter leaves out the empty groups
    m->FiltreKur(Kolon(kMarka), {QStringLiteral("Valeo")});
    QCOMPARE(m->GrupSayisi(), 1);
    QCOMPARE(m->rowCount(), 4);
    m->Grupla(-1);
    QCOMPARE(m->rowCount(), 2);
  }

  void artimli_arama_data() {
    QTest::addColumn<QString>("kolon");
    QTest::addColumn<QString>("onek");
    QTest::addColumn<int>("baslangic");
    QTest::addColumn<int>("beklenen");
    QTest::newRow("dotless capital I folds to ı") << "kAdi" << "IŞ" << 0 << 0;
    QTest::newRow("from the focused row on") << "kAdi" << "ış" << 1 << 1;
    QTest::newRow("wraps round") << "kAdi" << "ışık" << 2 << 0;
    QTest::newRow("dotted İ is i") << "kAdi" << "iğ" << 0 << 2;
    QTest::newRow("ç is not c") << "kAdi" << "ce" << 0 << -1;
    QTest::newRow("Ç capital") << "kAdi" << "çE" << 0 << 4;
    QTest::newRow("numbers as shown") << "kFiyat" << "1.2" << 0 << 1;
    QTest::newRow("icon description") << "kDurum" << "tel" << 0 << 2;
    QTest::newRow("no match") << "kMarka" << "x" << 0 << -1;
  }
  void artimli_arama() {
    QFETCH(QString, kolon);
    QFETCH(QString, onek);
    QFETCH(int, baslangic);
    QFETCH(int, beklenen);
    QCOMPARE(m->AramaBul(Kolon(m->KolonBul(kolon)), onek, baslangic), beklenen);
  }

  void arama_grup_satirlarini_atlar() {
    m->Grupla(Kolon(kMarka));
    const int g = m->AramaBul(Kolon(kMarka), QStringLiteral("val"), 0);
    QCOMPARE(m->SatirTuru(g), TSatirTuru::Veri);
    QCOMPARE(m->KaynakSatir(g), 1);
  }

  void guncelleme_sonunda_bir_kez_yenilenir() {
    QSignalSpy sifirlanan(m.get(), &QAbstractItemModel::modelReset);
    m->BeginUpdate();
    m->BeginUpdate();
    OrnekDoldur(ds);  // fields and rows replaced
    ds.AppendRow();
    QCOMPARE(sifirlanan.count(), 0);
    m->EndUpdate();
    QCOMPARE(sifirlanan.count(), 0);
    m->EndUpdate();
    QCOMPARE(sifirlanan.count(), 1);
    QCOMPARE(m->rowCount(), 7);
  }

  void veri_seti_silinince_bosalir() {
    auto gecici = std::make_unique<TClientDataSet>();
    OrnekDoldur(*gecici);
    m->SetVeriSeti(gecici.get());
    QCOMPARE(m->rowCount(), 6);
    gecici.reset();
    QCOMPARE(m->rowCount(), 0);
    QVERIFY(!m->VeriSeti());
  }

  void ayrilinca_bos_baglaninca_dolu() {
    m->FiltreKur(Kolon(kMarka), {QStringLiteral("Bosch")});
    m->SetVeriSeti(nullptr);
    QCOMPARE(m->rowCount(), 0);
    QCOMPARE(m->OzetMetni(Kolon(kFiyat)), QString());
    ds.Close();
    OrnekDoldur(ds);
    m->SetVeriSeti(&ds);
    QCOMPARE(Satirlar(), (std::vector<int>{0, 2, 5}));  // the filter stays
    // a missing field leaves its column empty
    auto* yok = m->KolonEkle(QStringLiteral("kYok"), QStringLiteral("YOKALAN"), QStringLiteral("Yok"));
    QCOMPARE(m->index(0, Kolon(yok)).data().toString(), QString());
  }
};

QTEST_MAIN(TestIzgaraModeli)
#include "tst_izgaramodeli.moc"
