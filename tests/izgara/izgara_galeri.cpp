// Gallery of the data grid with sample data: a stock list (icons, word-wrapped texts, the
// custom-drawn price cell, footer count), a basket (check boxes, amounts, footer sums), a
// files list (type icons, download buttons, progress bars, 58-pixel rows) and a report list
// grouped by seller with group footers. For screenshots:
//   xvfb-run -a -s "-screen 0 1366x768x24" build/tests/izgara/izgara_galeri
//   izgara_galeri --kaydet /tmp/galeri.png   (writes the window into a picture and ends)

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QMenu>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/core/oletarih.h"
#include "platform/core/sayibicim.h"
#include "platform/grid/izgara.h"
#include "platform/grid/izgaraikonlari.h"

namespace {
const QString kTutar = QStringLiteral("#,###,##0.00");

QWidget* Kutu(const QString& baslik, TVeriIzgarasi* iz) {
  auto* k = new QGroupBox(baslik);
  auto* l = new QVBoxLayout(k);
  l->setContentsMargins(4, 4, 4, 4);
  l->addWidget(iz);
  return k;
}

TVeriIzgarasi* StokIzgarasi(TClientDataSet* ds) {
  ds->AddField(QStringLiteral("DURUM"), TFieldType::ftInteger);
  ds->AddField(QStringLiteral("BARKOD"), TFieldType::ftString);
  ds->AddField(QStringLiteral("ADI"), TFieldType::ftString);
  ds->AddField(QStringLiteral("MARKA"), TFieldType::ftString);
  ds->AddField(QStringLiteral("RESIM"), TFieldType::ftInteger);
  ds->AddField(QStringLiteral("Y"), TFieldType::ftInteger);
  ds->AddField(QStringLiteral("K"), TFieldType::ftInteger);
  ds->AddField(QStringLiteral("INDIRIMYAZI"), TFieldType::ftString);
  for (const char* a : {"LISTEFIYAT1", "KAMPFIYAT", "NETFIYAT", "KDVDAHIL"}) ds->AddField(QString::fromLatin1(a), TFieldType::ftFloat);
  struct S { int durum; const char* barkod; const char16_t* adi; const char16_t* marka; int resim, y, k; const char16_t* ind; double liste, kamp; };
  const S satirlar[] = {
      {1, "8690001112223", u"Fren balatası ön takım, seramik", u"Bosch", 1, 1, 0, u"%10 + %5", 1250.5, 0},
      {0, "8690001112230", u"Yağ filtresi", u"Mahle", 0, 0, 1, u"%15", 189.9, 150},
      {2, "8690001112247", u"Şanzıman yağı 75W-90 1 litre", u"Öztürk", 1, 0, 0, u"%5", 420, 0},
      {3, "8690001112254", u"Çamurluk sağ ön", u"Çelik", 0, 1, 1, u"%20 + %2", 2890.75, 2500},
      {4, "8690001112261", u"Işık ampulü H7 12V 55W", u"Valeo", 1, 0, 0, u"%0", 35.5, 0},
      {5, "8690001112278", u"İç dikiz aynası", u"Şahin", 0, 0, 0, u"%8", 640, 0},
  };
  for (const S& s : satirlar) {
    const int r = ds->AppendRow();
    ds->SetIntAt(r, 0, s.durum);
    ds->SetTextAt(r, 1, QString::fromLatin1(s.barkod));
    ds->SetTextAt(r, 2, QString::fromUtf16(s.adi));
    ds->SetTextAt(r, 3, QString::fromUtf16(s.marka));
    ds->SetIntAt(r, 4, s.resim);
    ds->SetIntAt(r, 5, s.y);
    ds->SetIntAt(r, 6, s.k);
    ds->SetTextAt(r, 7, QString::fromUtf16(s.ind));
    ds->SetFloatAt(r, 8, s.liste);
    ds->SetFloatAt(r, 9, s.kamp);
    ds->SetFloatAt(r, 10, s.liste * 0.85);
    ds->SetFloatAt(r, 11, s.liste * 0.85 * 1.18);
  }
  ds->Open();
  for (int c = 8; c <= 11; ++c) ds->Fields(c)->SetDisplayFormat(kTutar);

  auto* iz = new TVeriIzgarasi;
  auto* durum = iz->KolonEkle(QStringLiteral("DURUM"), QStringLiteral("DURUM"), QStringLiteral("Durum"));
  durum->SetTur(TKolonTuru::Ikon);
  durum->SetDegerListesi(DurumDegerListesi());
  auto* barkod = iz->KolonEkle(QStringLiteral("BARKOD"), QStringLiteral("BARKOD"), QStringLiteral("Barkod"));
  barkod->SetSatirKaydir(true);
  barkod->SetAltOzet(TOzetTuru::Sayi);
  barkod->SetAgirlik(2);
  auto* adi = iz->KolonEkle(QStringLiteral("ADI"), QStringLiteral("ADI"), QStringLiteral("Açıklama"));
  adi->SetSatirKaydir(true);
  adi->SetAgirlik(3);
  iz->KolonEkle(QStringLiteral("MARKA"), QStringLiteral("MARKA"), QStringLiteral("Marka"))->SetAgirlik(2);
  const std::pair<const char*, std::vector<TDegerOgesi>> ikonlar[] = {
      {"RESIM", ResimDegerListesi()}, {"Y", YeniDegerListesi()}, {"K", KampanyaDegerListesi()}};
  const char16_t* ad[] = {u"Resim", u"Yeni", u"Kampanyalı"};
  int i = 0;
  for (const auto& [alan, liste] : ikonlar) {
    auto* k = iz->KolonEkle(QString::fromLatin1(alan), QString::fromLatin1(alan), QString::fromUtf16(ad[i++]));
    k->SetTur(TKolonTuru::Ikon);
    k->SetDegerListesi(liste);
  }
  auto* ind = iz->KolonEkle(QStringLiteral("INDIRIMYAZI"), QStringLiteral("INDIRIMYAZI"), QStringLiteral("İndirim Oran"));
  ind->SetHizalama(Qt::AlignCenter);
  ind->SetAgirlik(2);
  auto* fiyat = iz->KolonEkle(QStringLiteral("FiyatBilgisi"), QString(), QStringLiteral("Fiyat Bilgisi"));
  fiyat->SetAgirlik(3);
  fiyat->SetOzelCizim([ds](const TCizimBilgisi& b) {
    b.painter->fillRect(b.rect, b.arkaPlan);
    const int r = b.satir;
    QString t = QStringLiteral("Liste Fiyatı: ") + FormatFloat(kTutar, ds->FloatAt(r, 8)) + QStringLiteral("\n");
    if (ds->FloatAt(r, 9) > 0) t += QStringLiteral("Kampanyalı Fiyat: ") + FormatFloat(kTutar, ds->FloatAt(r, 9)) + QStringLiteral("\n");
    t += QStringLiteral("NetFiyat: ") + FormatFloat(kTutar, ds->FloatAt(r, 10)) + QStringLiteral("\n");
    t += QStringLiteral("KDV li Fiyat: ") + FormatFloat(kTutar, ds->FloatAt(r, 11));
    b.painter->setPen(b.yaziRengi);
    b.painter->drawText(b.rect.adjusted(10, 0, -10, 0), Qt::AlignRight | Qt::AlignVCenter, t);
  });
  iz->SetSatirYuksekligi(100);
  iz->SetAltBilgiGoster(true);
  iz->SetVeriSeti(ds);
  return iz;
}

TVeriIzgarasi* SepetIzgarasi(TClientDataSet* ds) {
  ds->AddField(QStringLiteral("SEC"), TFieldType::ftInteger);
  ds->AddField(QStringLiteral("VERILISTARIHI"), TFieldType::ftDate);
  ds->AddField(QStringLiteral("STOKADI"), TFieldType::ftString);
  ds->AddField(QStringLiteral("MIKTAR"), TFieldType::ftFloat);
  ds->AddField(QStringLiteral("BIRIMFIYAT"), TFieldType::ftFloat);
  ds->AddField(QStringLiteral("NETTUTAR"), TFieldType::ftFloat);
  ds->AddField(QStringLiteral("DURUM"), TFieldType::ftInteger);
  const char16_t* adlar[] = {u"Fren balatası ön takım", u"Yağ filtresi", u"Şanzıman yağı", u"Çamurluk sağ ön", u"Işık ampulü H7"};
  for (int i = 0; i < 5; ++i) {
    const int r = ds->AppendRow();
    ds->SetIntAt(r, 0, i % 2 == 0 ? 1 : 0);
    ds->SetFloatAt(r, 1, TarihtenOle(QDate(2026, 12, 1 + i * 2)));
    ds->SetTextAt(r, 2, QString::fromUtf16(adlar[i]));
    ds->SetFloatAt(r, 3, 1 + i * 2);
    ds->SetFloatAt(r, 4, 100.5 * (i + 1));
    ds->SetFloatAt(r, 5, (1 + i * 2) * 100.5 * (i + 1));
    ds->SetIntAt(r, 6, i);
  }
  ds->Open();
  for (int c = 3; c <= 5; ++c) ds->Fields(c)->SetDisplayFormat(kTutar);
  auto* iz = new TVeriIzgarasi;
  auto* sec = iz->KolonEkle(QStringLiteral("SEC"), QStringLiteral("SEC"), QStringLiteral("Seç"));
  sec->SetTur(TKolonTuru::Onay);
  auto* tarih = iz->KolonEkle(QStringLiteral("VERILISTARIHI"), QStringLiteral("VERILISTARIHI"), QStringLiteral("Sipariş Tarihi"));
  tarih->SetAltOzet(TOzetTuru::Sayi);
  iz->KolonEkle(QStringLiteral("STOKADI"), QStringLiteral("STOKADI"), QStringLiteral("Stok Açıklama"))->SetAgirlik(3);
  for (auto [alan, baslik] : {std::pair{"MIKTAR", u"Miktar"}, {"BIRIMFIYAT", u"Birim Fiyat"}, {"NETTUTAR", u"Net Tutar"}}) {
    auto* k = iz->KolonEkle(QString::fromLatin1(alan), QString::fromLatin1(alan), QString::fromUtf16(baslik));
    k->SetHizalama(Qt::AlignRight | Qt::AlignVCenter);
    if (QByteArray(alan) != "BIRIMFIYAT") k->SetAltOzet(TOzetTuru::Toplam);
  }
  auto* durum = iz->KolonEkle(QStringLiteral("DURUM"), QStringLiteral("DURUM"), QStringLiteral("Durum"));
  durum->SetTur(TKolonTuru::Ikon);
  durum->SetDegerListesi(DurumDegerListesi());
  durum->SetAciklamaGoster(true);
  iz->SetAltBilgiGoster(true);
  iz->SetOdakCercevesi(false);
  iz->SetVeriSeti(ds);
  QObject::connect(iz, &TVeriIzgarasi::OnayTiklandi, iz, [ds](int satir, TIzgaraKolonu*) {
    ds->SetIntAt(satir, 0, ds->IntAt(satir, 0) == 1 ? 0 : 1);
  });
  return iz;
}

TVeriIzgarasi* DosyaIzgarasi(TClientDataSet* ds) {
  ds->AddField(QStringLiteral("SIRANO"), TFieldType::ftInteger);
  ds->AddField(QStringLiteral("TUR"), TFieldType::ftInteger);
  ds->AddField(QStringLiteral("ACIKLAMA"), TFieldType::ftString);
  ds->AddField(QStringLiteral("ILERI"), TFieldType::ftInteger);
  const char16_t* adlar[] = {u"Fiyat listesi 2026", u"Kampanya broşürü", u"Ürün kataloğu", u"Bayi sözleşmesi"};
  const int turler[] = {6, 4, 2, 3};
  const int ileri[] = {100, 45, 0, 0};
  for (int i = 0; i < 4; ++i) {
    const int r = ds->AppendRow();
    ds->SetIntAt(r, 0, i + 1);
    ds->SetIntAt(r, 1, turler[i]);
    ds->SetTextAt(r, 2, QString::fromUtf16(adlar[i]));
    ds->SetIntAt(r, 3, ileri[i]);
  }
  ds->Open();
  auto* iz = new TVeriIzgarasi;
  auto* tur = iz->KolonEkle(QStringLiteral("TUR"), QStringLiteral("TUR"), QStringLiteral("Tür"));
  tur->SetTur(TKolonTuru::Ikon);
  tur->SetDegerListesi(DosyaTuruDegerListesi());
  iz->KolonEkle(QStringLiteral("ACIKLAMA"), QStringLiteral("ACIKLAMA"), QStringLiteral("Dosya Açıklama"))->SetAgirlik(4);
  auto* indir = iz->KolonEkle(QStringLiteral("BUTON"), QString(), QStringLiteral("İndir"));
  indir->SetTur(TKolonTuru::Dugme);
  indir->SetDugmeIkonu(IndirIkonu());
  auto* ileriK = iz->KolonEkle(QStringLiteral("ILERI"), QStringLiteral("ILERI"), QStringLiteral("İleri"));
  ileriK->SetTur(TKolonTuru::Ilerleme);
  ileriK->SetAgirlik(2);
  for (int c = 0; c < iz->KolonSayisi(); ++c) iz->Kolon(c)->SetFiltrelenebilir(false);
  iz->SetSatirYuksekligi(58);
  iz->SetVeriSeti(ds);
  return iz;
}

TVeriIzgarasi* RaporIzgarasi(TClientDataSet* ds) {
  ds->AddField(QStringLiteral("SATICIADI"), TFieldType::ftString);
  ds->AddField(QStringLiteral("TARIH"), TFieldType::ftDate);
  ds->AddField(QStringLiteral("CARIADI"), TFieldType::ftString);
  ds->AddField(QStringLiteral("TUTAR"), TFieldType::ftFloat);
  const char16_t* saticilar[] = {u"Şule Yılmaz", u"Ahmet Çelik", u"Ömer Işık"};
  const char16_t* cariler[] = {u"Doğan Oto", u"Güneş Yedek Parça", u"Kuzey Otomotiv", u"Çağ Ticaret"};
  for (int i = 0; i < 9; ++i) {
    const int r = ds->AppendRow();
    ds->SetTextAt(r, 0, QString::fromUtf16(saticilar[i % 3]));
    ds->SetFloatAt(r, 1, TarihtenOle(QDate(2026, 11, 1 + i * 3)));
    ds->SetTextAt(r, 2, QString::fromUtf16(cariler[i % 4]));
    ds->SetFloatAt(r, 3, 1500.25 * (i + 1));
  }
  ds->Open();
  ds->Fields(3)->SetDisplayFormat(kTutar);
  auto* iz = new TVeriIzgarasi;
  auto* satici = iz->KolonEkle(QStringLiteral("SATICIADI"), QStringLiteral("SATICIADI"), QStringLiteral("Satıcı"));
  satici->SetGorunur(false);
  auto* tarih = iz->KolonEkle(QStringLiteral("TARIH"), QStringLiteral("TARIH"), QStringLiteral("Tarih"));
  tarih->SetAltOzet(TOzetTuru::Sayi);
  tarih->SetGrupOzet(TOzetTuru::Sayi);
  iz->KolonEkle(QStringLiteral("CARIADI"), QStringLiteral("CARIADI"), QStringLiteral("Cari Adı"))->SetAgirlik(3);
  auto* tutar = iz->KolonEkle(QStringLiteral("TUTAR"), QStringLiteral("TUTAR"), QStringLiteral("Tutar"));
  tutar->SetHizalama(Qt::AlignRight | Qt::AlignVCenter);
  tutar->SetAltOzet(TOzetTuru::Toplam);
  tutar->SetGrupOzet(TOzetTuru::Toplam);
  tutar->SetAgirlik(2);
  iz->SetSatirYuksekligi(26);
  iz->SetBaslikYuksekligi(30);
  iz->SetAltBilgiGoster(true);
  iz->SetVeriSeti(ds);
  iz->Grupla(satici);
  iz->Model()->SetGrupAcik(1, false);
  return iz;
}
}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  BicimAyarlariKur(TFormatSettings::Turkce());
  QString kayit;
  bool filtre = false, menu = false;
  for (int i = 1; i < argc; ++i) {
    if (QByteArray(argv[i]) == "--kaydet" && i + 1 < argc) kayit = QString::fromLocal8Bit(argv[i + 1]);
    if (QByteArray(argv[i]) == "--filtre") filtre = true;  // opens the brand filter of the stock list
    if (QByteArray(argv[i]) == "--menu") menu = true;      // opens the column chooser of the basket
  }

  QWidget pencere;
  pencere.setWindowTitle(QStringLiteral("Izgara galerisi"));
  auto* yer = new QGridLayout(&pencere);
  TClientDataSet stok, sepet, dosya, rapor;
  auto* s = StokIzgarasi(&stok);
  auto* b = SepetIzgarasi(&sepet);
  auto* d = DosyaIzgarasi(&dosya);
  auto* r = RaporIzgarasi(&rapor);
  yer->addWidget(Kutu(QStringLiteral("Stok Listesi"), s), 0, 0, 1, 2);
  yer->addWidget(Kutu(QStringLiteral("Sepet"), b), 1, 0);
  yer->addWidget(Kutu(QStringLiteral("Dosyalar"), d), 1, 1);
  yer->addWidget(Kutu(QStringLiteral("Alınan Siparişler"), r), 0, 2, 2, 1);
  yer->setColumnStretch(0, 3);
  yer->setColumnStretch(1, 2);
  yer->setColumnStretch(2, 2);
  yer->setRowStretch(0, 3);
  yer->setRowStretch(1, 2);
  pencere.resize(1366, 768);
  pencere.show();
  // widths by weight once the layout has sized the grids
  QTimer::singleShot(0, [&] {
    for (TVeriIzgarasi* iz : {s, b, d, r}) iz->AgirligaGoreDagit(30);
    s->SetOdakSatiri(1);
    b->SetOdakSatiri(2);
    if (filtre) s->FiltrePenceresiAc(s->KolonBul(QStringLiteral("MARKA")));
    if (menu) b->KolonSecimMenusu()->popup(b->mapToGlobal(QPoint(20, 40)));
  });
  if (!kayit.isEmpty()) {
    QTimer::singleShot(300, [&] {
      pencere.grab().save(kayit);
      app.quit();
    });
  }
  return app.exec();
}
