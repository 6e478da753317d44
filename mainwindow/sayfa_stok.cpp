#include "mainwindow/sayfa_stok.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QToolButton>
#include <memory>

#include "mainwindow/Unit1.h"
#include "mainwindow/alanoku.h"
#include "mainwindow/sayfa_sepet.h"
#include "mainwindow/sayfayukle.h"
#include "mainwindow/sekmeciz.h"
#include "ordering/orantiliresim.h"
#include "ordering/stokayarintiU.h"
#include "platform/controls/tamsayispin.h"
#include "platform/controls/tutaredit.h"
#include "platform/core/paket.h"
#include "platform/core/sayibicim.h"
#include "platform/core/veriseti.h"
#include "platform/grid/izgara.h"
#include "platform/grid/izgaraikonlari.h"
#include "platform/rpc/dsbaglanti.h"
#include "session/baglantiu.h"
#include "session/proxim.h"
#include "session/utils.h"

namespace {

// Field readers of the current record that tolerate a missing field.
using alanoku::Metin;
using alanoku::Sayi;
using alanoku::Tamsayi;

QString HataMetni(const std::exception& e) {
  if (auto* d = dynamic_cast<const EDSHatasi*>(&e)) return QLatin1String(d->TurAdi()) + QStringLiteral(": ") + d->Mesaj();
  if (dynamic_cast<const EVeriSetiHatasi*>(&e)) return QStringLiteral("EDatabaseError: ") + QString::fromUtf8(e.what());
  return QStringLiteral("Exception: ") + QString::fromUtf8(e.what());
}

struct KolonTanimi {
  const char* alan;
  const char* baslik;  // nullptr: no caption (the field name shows)
  bool gorunur;
  int agirlik;
  bool secenekte;
  bool kaydir;
};

// The stock grid's columns in their order.
const KolonTanimi kStokKolonlari[] = {
    {"DURUM", "Durum", true, 1, true, false},
    {"OEM1", "Oem1", false, 2, true, true},
    {"OEM2", "Oem2", false, 2, true, true},
    {"OEM3", "Oem3", false, 2, true, true},
    {"BARKOD", "Barkod", true, 2, true, true},
    {"ADI", "Açıklama", true, 3, true, true},
    {"OEM4", "Oem4", false, 2, true, true},
    {"STOK_STOKNO", nullptr, false, 1, false, false},
    {"FINISHKOD", "Finish Kod", false, 2, true, false},
    {"URETICIKODU", "Üretici Kod", false, 2, true, false},
    {"MARKA", "Marka", true, 2, true, false},
    {"RESIM", "Resim", true, 1, true, false},
    {"BARKOD_BARKODNO", nullptr, false, 1, false, false},
    {"DIGERADI", "Diğer Adı", false, 3, true, false},
    {"DPKOD", nullptr, false, 2, false, false},
    {"OEMNO", "Oem No", false, 2, true, false},
    {"BIRIM", "Birim", false, 1, true, false},
    {"MODEL", "Model", false, 2, true, false},
    {"ANAGRUP", "Ana Grup", false, 2, true, false},
    {"OZELKOD", "Özel Kod", false, 2, true, false},
    {"KALAN", nullptr, false, 1, false, false},
    {"PKOD", nullptr, false, 1, false, false},
    {"KDV", nullptr, false, 1, true, false},
    {"ALINANSIPARIS", nullptr, false, 1, false, false},
    {"VERILENSIPARIS", nullptr, false, 1, false, false},
    {"LISTEFIYAT1", "Liste Fiyatı", false, 2, true, false},
    {"KAMPFIYAT", "Kampanyalı Fiyat", false, 2, true, false},
    {"FIYAT", "Liste Fiyatı", false, 2, true, false},
    {"Y", "Yeni", true, 1, true, false},
    {"K", "Kampanyalı", true, 1, true, false},
    {"INDIRIMYAZI", "İndirim Oran", true, 2, true, false},
    {"NETFIYAT", "Net Fiyatı", false, 2, true, false},
    {"KDVDAHIL", "KDV Dahil Fiyat", false, 3, true, false},
    {nullptr, "Fiyat Bilgisi", false, 2, true, false},
    {"TEKCEKIMFIYAT", "Tek Çekim", true, 2, true, false},
    {"NAKITFIYAT", "Nakit", true, 2, true, false},
};

const char* const kGenisFiyatlar[] = {"LISTEFIYAT1", "KAMPFIYAT", "NETFIYAT", "KDVDAHIL"};

}  // namespace

QChar AramaHarfiKatla(QChar c) {
  switch (c.unicode()) {
    case 0x011F: return QLatin1Char('g');  // ğ
    case 0x00FC: return QLatin1Char('u');  // ü
    case 0x015F: return QLatin1Char('s');  // ş
    case 0x00F6: return QLatin1Char('o');  // ö
    case 0x00E7: return QLatin1Char('c');  // ç
    case 0x011E: return QLatin1Char('G');  // Ğ
    case 0x00DC: return QLatin1Char('U');  // Ü
    case 0x015E: return QLatin1Char('S');  // Ş
    case 0x0130: return QLatin1Char('I');  // İ
    case 0x00D6: return QLatin1Char('O');  // Ö
    case 0x00C7: return QLatin1Char('C');  // Ç
    case 0x0131: return QLatin1Char('I');  // ı
    default: return c;
  }
}

QString AramaMetniKatla(const QString& metin) {
  QString s = metin;
  for (QChar& c : s) c = AramaHarfiKatla(c);
  return s;
}

QString FiyatBilgisiMetni(double listeFiyat, double kampFiyat, double netFiyat, double kdvDahil) {
  const QString desen = QStringLiteral("#,###,##0.00");
  QString s = QStringLiteral("Liste Fiyatı: ") + FormatFloat(desen, listeFiyat) + QStringLiteral("\r\n");
  if (kampFiyat > 0) s += QStringLiteral("Kampanyalı Fiyat: ") + FormatFloat(desen, kampFiyat) + QStringLiteral("\r\n");
  s += QStringLiteral("NetFiyat: ") + FormatFloat(desen, netFiyat) + QStringLiteral("\r\n");
  s += QStringLiteral("KDV li Fiyat: ") + FormatFloat(desen, kdvDahil) + QStringLiteral("\r\n");
  return s;
}

TStokSayfasi::TStokSayfasi(TForm1* form) : QObject(form), Form(form) {
  setObjectName(QStringLiteral("StokSayfasi"));
  cxGrid1 = new TVeriIzgarasi(Form->sstoklistesi);
  cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
  if (Form->sstoklistesi->layout()) Form->sstoklistesi->layout()->addWidget(cxGrid1);
  KolonlariKur();
  cxGrid1->SetVeriSeti(Form->stok);
  cxGrid1->installEventFilter(this);

  popstok = new QMenu(cxGrid1);
  popstok->setObjectName(QStringLiteral("popstok"));
  S2 = popstok->addAction(QStringLiteral("Sepete Ekle"));
  S2->setObjectName(QStringLiteral("S2"));
  popstok->addSeparator();
  B1 = popstok->addAction(QStringLiteral("Sipariş Bakiyeleriniz"));
  B1->setObjectName(QStringLiteral("B1"));
  B1->setEnabled(false);  // the item has no action of its own
  popstok->addSeparator();
  S3 = popstok->addAction(QStringLiteral("Siparişleri Göster"));
  S3->setObjectName(QStringLiteral("S3"));
  connect(S2, &QAction::triggered, this, [this] { S2Click(); });
  connect(S3, &QAction::triggered, this, [this] { S3Click(); });
  connect(cxGrid1, &TVeriIzgarasi::BaglamMenusuIstendi, this, [this](int, const QPoint& yer) { popstok->popup(yer); });
  connect(cxGrid1, &TVeriIzgarasi::CiftTiklandi, this, [this](int) { cxGrid1DBTableView1DblClick(); });

  Form->araedit->installEventFilter(this);
  connect(Form->SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });
  connect(Form->SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
}

void TStokSayfasi::KolonlariKur() {
  cxGrid1->SetSatirYuksekligi(40);
  cxGrid1->SetBaslikYuksekligi(40);
  cxGrid1->SetArtimliArama(true);
  cxGrid1->SetFiltreDugmeleri(true);
  cxGrid1->SetSatirGostergesi(true);
  cxGrid1->SetAltBilgiGoster(true);
  const QString onEk = QStringLiteral("cxGrid1DBTableView1");
  for (const KolonTanimi& t : kStokKolonlari) {
    TIzgaraKolonu* k;
    if (!t.alan) {
      k = cxGrid1->KolonEkle(onEk + QStringLiteral("FiyatBilgisi"), {}, QString::fromUtf8(t.baslik));
      k->SetTur(TKolonTuru::Ozel);
      k->SetOzelCizim([this](const TCizimBilgisi& b) { FiyatBilgisiCiz(b); });
      k->SetMetinSaglayici([this](int satir) {
        TClientDataSet* ds = Form->stok;
        auto deger = [&](const char* a) {
          TField* f = ds->FindField(QLatin1String(a));
          return f ? ds->FloatAt(satir, f->Index()) : 0.0;
        };
        return FiyatBilgisiMetni(deger("LISTEFIYAT1"), deger("KAMPFIYAT"), deger("NETFIYAT"), deger("KDVDAHIL"));
      });
      k->SetFiltrelenebilir(false);
      k->SetSiralanabilir(false);
    } else {
      const QString alan = QLatin1String(t.alan);
      QString ad = onEk + alan;
      if (alan == QLatin1String("TEKCEKIMFIYAT")) ad = onEk + QStringLiteral("TekCekim");
      if (alan == QLatin1String("NAKITFIYAT")) ad = onEk + QStringLiteral("Nakit");
      k = cxGrid1->KolonEkle(ad, alan, t.baslik ? QString::fromUtf8(t.baslik) : QString());
    }
    k->SetGorunur(t.gorunur);
    k->SetAgirlik(t.agirlik);
    k->SetSecenekte(t.secenekte);
    k->SetSatirKaydir(t.kaydir);
  }
  auto ikonlu = [this](const char* alan, std::vector<TDegerOgesi> liste) {
    TIzgaraKolonu* k = cxGrid1->KolonBul(QLatin1String(alan));
    k->SetTur(TKolonTuru::Ikon);
    k->SetDegerListesi(std::move(liste));
    k->SetAciklamaGoster(false);
    k->SetHizalama(Qt::AlignCenter);
  };
  ikonlu("DURUM", DurumDegerListesi());
  ikonlu("RESIM", ResimDegerListesi());
  ikonlu("Y", YeniDegerListesi());
  ikonlu("K", KampanyaDegerListesi());
  cxGrid1->KolonBul(QStringLiteral("INDIRIMYAZI"))->SetHizalama(Qt::AlignCenter);
  for (const char* a : {"LISTEFIYAT1", "KAMPFIYAT", "FIYAT", "NETFIYAT", "KDVDAHIL", "TEKCEKIMFIYAT", "NAKITFIYAT"})
    cxGrid1->KolonBul(QLatin1String(a))->SetHizalama(Qt::AlignRight | Qt::AlignVCenter);
  cxGrid1->KolonBul(QStringLiteral("ADI"))->SetAltOzet(TOzetTuru::Sayi);
}

void TStokSayfasi::RolleriUygula(const TRolKurallari& r) {
  auto ayarla = [this](const char* alan, bool goster) {
    TIzgaraKolonu* k = cxGrid1->KolonBul(QLatin1String(alan));
    k->SetGorunur(goster);
    k->SetSecenekte(goster);
  };
  ayarla("KALAN", r.kalanSutunu);
  ayarla("ALINANSIPARIS", r.siparisSutunlari);
  ayarla("VERILENSIPARIS", r.siparisSutunlari);
  if (!r.kampanyaSutunlari) {
    ayarla("K", false);
    ayarla("KAMPFIYAT", false);
  }
  if (Form->araedit->isEnabled()) StokKolonlariDuzenle();
}

bool TStokSayfasi::Genis() const { return Form->width() > 1152; }

void TStokSayfasi::StokKolonlariDuzenle() {
  cxGrid1->BeginUpdate();
  const bool genis = Genis();
  for (const char* a : kGenisFiyatlar) cxGrid1->KolonBul(QLatin1String(a))->SetGorunur(genis);
  TIzgaraKolonu* fiyatBilgisi = cxGrid1->KolonBul(QStringLiteral("cxGrid1DBTableView1FiyatBilgisi"));
  fiyatBilgisi->SetGorunur(!genis);
  cxGrid1->SetSatirYuksekligi(genis ? 60 : 100);
  const int kaydirma = cxGrid1->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, cxGrid1);
  cxGrid1->AgirligaGoreDagit(kaydirma + 10);
  if (!genis) {
    const struct {
      const char* ad;
      int genislik;
    } sabitler[] = {{"OEM1", 80}, {"OEM2", 70}, {"OEM3", 70}, {"OZELKOD", 60}};
    for (const auto& s : sabitler) cxGrid1->SetKolonGenisligi(cxGrid1->KolonBul(QLatin1String(s.ad)), s.genislik);
    cxGrid1->SetKolonGenisligi(fiyatBilgisi, 150 - kaydirma);
    cxGrid1->SetSatirYuksekligi(100);
  }
  cxGrid1->EndUpdate();
}

void TStokSayfasi::cxGrid1Resize() {
  if (Form->araedit->isEnabled()) StokKolonlariDuzenle();
}

void TStokSayfasi::FiyatBilgisiCiz(const TCizimBilgisi& b) {
  TClientDataSet* ds = Form->stok;
  if (!b.painter || !ds->Active() || b.satir < 0 || b.satir >= ds->RecordCount()) return;
  auto deger = [&](const char* a) {
    TField* f = ds->FindField(QLatin1String(a));
    return f ? ds->FloatAt(b.satir, f->Index()) : 0.0;
  };
  const QString metin =
      FiyatBilgisiMetni(deger("LISTEFIYAT1"), deger("KAMPFIYAT"), deger("NETFIYAT"), deger("KDVDAHIL"));
  QPainter& p = *b.painter;
  p.save();
  p.fillRect(b.rect, cxGrid1->SatirArkaPlani(b.satir, b.secili));
  p.setPen(b.secili ? cxGrid1->Stil().seciliYazi : cxGrid1->Stil().yazi);
  // The window's bold font would break every amount onto a line of its own in this narrow cell.
  QFont yazi = cxGrid1->font();
  yazi.setBold(false);
  yazi.setPixelSize(11);
  p.setFont(yazi);
  QString satirlar = metin;
  satirlar.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (satirlar.endsWith(QLatin1Char('\n'))) satirlar.chop(1);
  p.drawText(b.rect.adjusted(10, 0, -10, 0), Qt::AlignRight | Qt::AlignVCenter | Qt::TextWordWrap, satirlar);
  p.restore();
}

// ------------------------------------------------------------------ search

bool TStokSayfasi::araeditKeyPress(QChar& tus) {
  if (tus == QLatin1Char('\r')) {
    AramaEnter();
    return true;
  }
  tus = AramaHarfiKatla(tus);
  return false;
}

bool TStokSayfasi::eventFilter(QObject* nesne, QEvent* olay) {
  if (nesne == cxGrid1 && olay->type() == QEvent::Resize) {
    cxGrid1Resize();
    return false;
  }
  if (nesne == Form->araedit && olay->type() == QEvent::KeyPress && !katlamaGonderiyor_) {
    auto* k = static_cast<QKeyEvent*>(olay);
    if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
      QChar tus(QLatin1Char('\r'));
      araeditKeyPress(tus);
      return true;
    }
    if (k->text().size() == 1) {
      QChar tus = k->text().at(0);
      araeditKeyPress(tus);
      if (tus != k->text().at(0)) {
        // The folded letter goes on as if it had been typed (the box then capitalises it).
        QKeyEvent yeni(QEvent::KeyPress, 0, k->modifiers(), QString(tus), k->isAutoRepeat(), k->count());
        katlamaGonderiyor_ = true;
        QCoreApplication::sendEvent(Form->araedit, &yeni);
        katlamaGonderiyor_ = false;
        return true;
      }
    }
  }
  return QObject::eventFilter(nesne, olay);
}

void TStokSayfasi::AramaEnter() {
  if (Form->sPageControl1->AktifSayfa() != Form->sstoklistesi) Form->sPageControl1->AktifAta(Form->sstoklistesi);
  if (Form->araedit->text().trimmed().size() < 3) {
    MesajGoster(QStringLiteral("Lütfen en az 3 harf giriniz !"), mtUyari, {mbOK}, mbOK);
    return;
  }
  StokListesiAl();
}

void TStokSayfasi::SpeedButton2Click() {
  if (Form->araedit->isEnabled()) AramaEnter();
}

void TStokSayfasi::SpeedButton1Click() {
  if (!Form->araedit->isEnabled()) return;
  if (Form->stok->Active()) Form->stok->Close();
  Form->sPageControl1->BaslikAta(Form->sstoklistesi, QStringLiteral("Stok Listesi"));
  Form->sPageControl1->AktifAta(Form->sstoklistesi);
  cxGrid1->FiltreTemizle();
  Form->araedit->clear();
  Form->araedit->selectAll();
  Form->araedit->setFocus();
}

void TStokSayfasi::StokListesiAl() {
  aramaSuruyor_ = true;
  cxGrid1->FiltreTemizle();
  // The text as the box holds it (in capitals, not trimmed) and a copy of the session record.
  const QString metin = Form->araedit->text().toUpper();
  auto oturum = std::make_shared<TSonucBilgisi>();
  if (Form->sbilgi) oturum->Kopyala(Form->sbilgi.get());

  TSayfaYuklemesi y;
  y.izgara = cxGrid1;
  y.izgaraAyir = true;
  y.kilitli = Form->araedit;
  y.mesgul = Form->gifstokara;
  y.veri = Form->stok;
  y.cagri = [metin, oturum](TServerMethods1Client& p, TClientDataSet& ds) {
    PaketiYukle(p.StokAraGetirDravik(metin, OturumKopyasi(oturum.get())), ds);
  };
  y.hataBasarisizlik = true;
  y.bitti = [this](int sayi, bool basarili) {
    if (basarili) {
      Form->SayacYaz(Form->sstoklistesi, sayi, QStringLiteral("Stok Listesi"));
    } else {
      if (Form->stok->Active()) Form->stok->Close();
      Form->sPageControl1->BaslikAta(Form->sstoklistesi, QStringLiteral("Stok Listesi"));
    }
    Form->araedit->selectAll();
    Form->araedit->setFocus();
    aramaSuruyor_ = false;
    emit AramaBitti(basarili);
  };
  SayfaYukle(this, *Form->bagc, std::move(y));
}

// ------------------------------------------------------------------ add or change

void TStokSayfasi::cxGrid1DBTableView1DblClick() {
  const int satir = cxGrid1->OdakSatiri();
  TClientDataSet* ds = Form->stok;
  if (satir < 0 || !ds->Active() || !cxGrid1->VeriSeti()) return;
  TField* f = ds->FindField(QStringLiteral("STOK_STOKNO"));
  if (!f) return;
  EkleVeyaDegistir(ds, int(ds->IntAt(satir, f->Index())));
}

void TStokSayfasi::S3Click() {
  // The window of all orders of the focused stock opens here once it is part of the program.
}

void TStokSayfasi::EkleVeyaDegistir(TClientDataSet* liste, int stokno) {
  if (liste->FindField(QStringLiteral("STOK_STOKNO"))) liste->Locate(QStringLiteral("STOK_STOKNO"), stokno);
  TClientDataSet* sepet = Form->sepet;
  if (!sepet->Active()) Form->SepetSayfasi->SepetYukle();
  if (sepet->Active() && sepet->FindField(QStringLiteral("STOKNO")) &&
      sepet->Locate(QStringLiteral("STOKNO"), stokno)) {
    SepetSatirDegistir(Tamsayi(sepet, "SIRANO"));
    return;
  }
  if (liste == Form->YENILER)
    YeniStokSepeteEkle(stokno);
  else if (liste == Form->kampstok)
    KampanyaliSepeteEkle(stokno);
  else
    StokSepeteEkle(stokno);
}

bool TStokSayfasi::DialogOnayi(Tstokayarinti& d, double& fiyat, double& miktar) {
  if (d.exec() != mrOk) return false;
  double m = 0;
  miktar = TryStrToFloat(d.adet->cleanText(), m) ? m : double(d.adet->value());
  fiyat = d.birimfiyat->Deger();
  return true;
}

void TStokSayfasi::DialogDoldur(Tstokayarinti& d, TClientDataSet* D, const QString& indirimOnEki, bool kampanyaListesi) {
  d.kdvoran = Sayi(D, "KDV");
  d.barkod->setText(Metin(D, "BARKOD"));
  d.adi->setText(Metin(D, "ADI"));
  d.marka->setText(Metin(D, "MARKA"));
  d.finishkod->setText(Metin(D, "FINISHKOD"));
  d.model->setText(Metin(D, "MODEL"));
  d.birimfiyat->DegerAta(Sayi(D, "FIYAT"));
  const int tip = Form->sbilgi ? Form->sbilgi->MusteriTipi() : 0;
  d.FiyatKilidiAyarla(tip, kampanyaListesi);
  if (kampanyaListesi || Sayi(D, "K") > 0) {
    d.Label2->setText(QStringLiteral("Kampanyalı Fiyat:"));
    d.indirimoran->setText(QStringLiteral("Kampanyalı ") + Metin(D, "INDIRIMYAZI"));
  } else {
    d.indirimoran->setText(indirimOnEki + Metin(D, "INDIRIMYAZI"));
  }
}

void TStokSayfasi::StokSepeteEkle(int stokno) {
  TClientDataSet* D = Form->stok;
  if (!D->Active() || !D->Locate(QStringLiteral("STOK_STOKNO"), stokno)) return;
  Tstokayarinti d(Form);
  d._stokno = stokno;
  DialogDoldur(d, D, QStringLiteral("İndirim: %"), false);
  d.ind1 = Sayi(D, "IND1");
  d.ind2 = Sayi(D, "IND2");
  d.ind3 = Sayi(D, "IND3");
  d.ind4 = Sayi(D, "IND4");
  double fiyat = 0, miktar = 0;
  if (DialogOnayi(d, fiyat, miktar)) SepeteYaz(D, fiyat, miktar);
}

void TStokSayfasi::YeniStokSepeteEkle(int stokno) {
  TClientDataSet* D = Form->YENILER;
  if (!D->Active() || !D->Locate(QStringLiteral("STOK_STOKNO"), stokno)) return;
  Tstokayarinti d(Form);
  StokResmiAl(stokno, d.Image1);
  DialogDoldur(d, D, QStringLiteral("İndirim:  % "), false);
  double fiyat = 0, miktar = 0;
  if (DialogOnayi(d, fiyat, miktar)) SepeteYaz(D, fiyat, miktar);
}

void TStokSayfasi::KampanyaliSepeteEkle(int stokno) {
  TClientDataSet* D = Form->kampstok;
  if (!D->Active() || !D->Locate(QStringLiteral("STOK_STOKNO"), stokno)) return;
  Tstokayarinti d(Form);
  StokResmiAl(stokno, d.Image1);
  DialogDoldur(d, D, {}, true);
  double fiyat = 0, miktar = 0;
  if (DialogOnayi(d, fiyat, miktar)) SepeteYaz(D, fiyat, miktar);
}

void TStokSayfasi::SepetSatirDegistir(int sirano) {
  TClientDataSet* S = Form->sepet;
  if (!S->Active() || !S->Locate(QStringLiteral("SIRANO"), sirano)) return;
  Tstokayarinti d(Form);
  d._stokno = Tamsayi(S, "STOKNO");
  d.kdvoran = Sayi(S, "KDV");
  d.barkod->setText(Metin(S, "BARKOD"));
  d.adi->setText(Metin(S, "STOKADI"));
  d.marka->setText(Metin(S, "MARKA"));
  d.finishkod->setText(Metin(S, "FINISHKOD"));
  d.model->setText(Metin(S, "MODEL"));
  d.ind1 = Sayi(S, "INDIRIMORANI1");
  d.ind2 = Sayi(S, "INDIRIMORANI2");
  d.ind3 = Sayi(S, "INDIRIMORANI3");
  d.ind4 = Sayi(S, "INDIRIMORANI4");
  d.indirimoran->setText(QStringLiteral("İndirim: %") + Metin(S, "INDIRIMYAZI"));
  d.birimfiyat->DegerAta(Sayi(S, "BIRIMFIYAT"));
  d.FiyatKilidiAyarla(Form->sbilgi ? Form->sbilgi->MusteriTipi() : 0, false);
  d.adet->DegerAta(int(Sayi(S, "MIKTAR")));
  double fiyat = 0, miktar = 0;
  if (!DialogOnayi(d, fiyat, miktar)) return;
  // The basket may have been reloaded while the dialog was open: write the line by its number.
  if (!S->Active() || !S->Locate(QStringLiteral("SIRANO"), sirano)) return;
  SepetGuncelleYaz(sirano, fiyat, miktar);
  Form->SepetSayfasi->SepetYukle();
}

// ------------------------------------------------------------------ writers

void TStokSayfasi::SepeteYaz(TClientDataSet* D, double fiyat, double miktar) {
  std::unique_ptr<TSonucBilgisi> kopya(OturumKopyasi(Form->sbilgi.get()));
  TSQLConnection& bagc = *Form->bagc;
  if (!BaglantiAc(bagc, 1)) return;
  int sonuc = 0;
  try {
    TServerMethods1Client p(&bagc);
    const int carino = Form->sbilgi ? Form->sbilgi->CARINO() : 0;
    const int verenid = Form->sbilgi ? Form->sbilgi->Sirano() : 0;
    sonuc = p.SepetEkle2(kopya.release(), carino, Tamsayi(D, "STOK_STOKNO"), Metin(D, "BARKOD"), Metin(D, "ADI"),
                         miktar, Tamsayi(D, "KDV"), fiyat, Sayi(D, "IND1"), verenid, Tamsayi(D, "K"), Sayi(D, "IND2"),
                         Sayi(D, "IND3"), Sayi(D, "IND4"));
  } catch (const std::exception& e) {
    bagc.Close();
    MesajGoster(HataMetni(e), mtHata, {mbOK}, mbOK);
    return;
  }
  if (sonuc == 1) Form->SepetSayfasi->SepetYukle();
  bagc.Close();
}

void TStokSayfasi::SepetGuncelleYaz(int sirano, double fiyat, double miktar) {
  TClientDataSet* S = Form->sepet;
  std::unique_ptr<TSonucBilgisi> kopya(OturumKopyasi(Form->sbilgi.get()));
  TSQLConnection& bagc = *Form->bagc;
  if (!BaglantiAc(bagc, 1)) return;
  int sonuc = 0;
  try {
    TServerMethods1Client p(&bagc);
    const int carino = Form->sbilgi ? Form->sbilgi->CARINO() : 0;
    const int verenid = Form->sbilgi ? Form->sbilgi->Sirano() : 0;
    sonuc = p.SepetGuncelle2(kopya.release(), carino, 0, Metin(S, "BARKOD"), Metin(S, "STOKADI"), miktar,
                             Tamsayi(S, "KDV"), fiyat, Sayi(S, "INDIRIMORANI1"), verenid, sirano,
                             Sayi(S, "INDIRIMORANI2"), Sayi(S, "INDIRIMORANI3"), Sayi(S, "INDIRIMORANI4"));
  } catch (const std::exception& e) {
    bagc.Close();
    MesajGoster(HataMetni(e), mtHata, {mbOK}, mbOK);
    return;
  }
  if (sonuc == 1) Form->SepetSayfasi->SepetYukle();
  bagc.Close();
}

void TStokSayfasi::StokResmiAl(int stokno, TOrantiliResim* resim) {
  TSQLConnection& bagc = *Form->bagc;
  if (!BaglantiAc(bagc, 1)) return;
  try {
    TServerMethods1Client p(&bagc);
    qint64 boy = 0;
    QIODevice* akis = p.ResimVer5(stokno, boy);
    QByteArray kopya;
    if (boy != 0 && AkisKopyala(akis, boy, kopya)) {
      QImage r;
      if (r.loadFromData(kopya, "JPEG") && resim) resim->ResimAta(r);
    }
  } catch (const std::exception& e) {
    MesajGoster(HataMetni(e), 4, {mbOK}, mbOK);
  }
  bagc.Close();
}
