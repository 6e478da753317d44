#include "mainwindow/sayfa_sepet.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QThread>
#include <QVBoxLayout>
#include <memory>

#include "mainwindow/Unit1.h"
#include "mainwindow/alanoku.h"
#include "mainwindow/sayfa_stok.h"
#include "mainwindow/sekmeciz.h"
#include "ordering/ONAYSIPU.h"
#include "platform/core/paket.h"
#include "platform/core/sayibicim.h"
#include "platform/core/veriseti.h"
#include "platform/grid/excelkaydet.h"
#include "platform/grid/izgara.h"
#include "platform/grid/izgaraikonlari.h"
#include "platform/rpc/dsbaglanti.h"
#include "session/baglantiu.h"
#include "session/proxim.h"

namespace {

const QString kTutarDeseni = QStringLiteral("#,###,##0.00");

using alanoku::Metin;
using alanoku::Tamsayi;

QString HataMetni(const std::exception& e) {
  if (auto* d = dynamic_cast<const EDSHatasi*>(&e)) return d->Mesaj();
  return QString::fromUtf8(e.what());
}

// The basket grid's 53 columns in their order: caption, weight, visible at start, offered.
struct KolonTanimi {
  const char* alan;
  const char* baslik;
  int agirlik;
  bool gorunur;
  bool secenekte;
};
const KolonTanimi kSepetKolonlari[] = {
    {"SEC", "Seç", 1, true, false},
    {"VERILISTARIHI", "Sipariş Tarihi", 1, true, true},
    {"SIRANO", nullptr, 1, false, false},
    {"SIPARISNO", "Sipariş No", 1, false, true},
    {"CARINO", nullptr, 1, false, false},
    {"TARIH", "Tarih", 1, false, true},
    {"AKTAR", nullptr, 1, false, false},
    {"STOKNO", nullptr, 1, false, false},
    {"BARKOD", "Barkod", 2, true, true},
    {"FINISHKOD", "FinishKod", 1, false, true},
    {"OEMNO", "OEMNo", 1, false, true},
    {"STOKADI", "Stok Açıklama", 3, true, true},
    {"MIKTAR", "Miktar", 1, true, true},
    {"BIRIMFIYAT", "Birim Fiyat", 1, true, true},
    {"TUTAR", "Tutar", 1, true, true},
    {"INDIRIMYAZI", "İndirim Oran", 2, true, true},
    {"INDIRIMORANI1", "İndirim Oranı %", 1, false, false},
    {"INDIRIMORANI2", nullptr, 1, false, false},
    {"INDIRIMORANI3", nullptr, 1, false, false},
    {"INDIRIMTUTAR", "İndirim Tutar", 1, false, false},
    {"NETBIRIMFIYAT", "Net Fiyat", 1, true, true},
    {"KDV", nullptr, 1, false, true},
    {"VERGITUTARI", "Vergi Tutarı", 1, true, true},
    {"NETTUTAR", "Net Tutar", 1, true, true},
    {"KUR", "Kur", 1, false, true},
    {"KURTL", nullptr, 1, false, false},
    {"VERENIDNO", nullptr, 1, false, false},
    {"SAAT", "Saat", 1, false, true},
    {"TESLIMID", nullptr, 1, false, false},
    {"KARGOID", nullptr, 1, false, false},
    {"ACIKLAMA", "Açıklama", 1, false, true},
    {"IDNO", nullptr, 1, false, false},
    {"VERENSIRANO", nullptr, 1, false, false},
    {"VEREN", "Veren", 1, true, true},
    {"CARIKOD", "Cari Kod", 1, false, false},
    {"CARIADI", "Cari Adı", 1, false, false},
    {"OEM1", nullptr, 1, false, true},
    {"OEM2", nullptr, 1, false, true},
    {"OEM3", nullptr, 1, false, true},
    {"OEM4", nullptr, 1, false, true},
    {"STOK_STOKNO", nullptr, 1, false, false},
    {"URETICIKODU", nullptr, 1, false, false},
    {"DIGERADI", nullptr, 1, false, true},
    {"DPKOD", nullptr, 1, false, true},
    {"MARKA", "Marka", 1, false, true},
    {"MODEL", "Model", 1, false, true},
    {"ANAGRUP", "Ana Grup", 1, false, true},
    {"OZELKOD", "Özel Kod", 1, false, true},
    {"PKOD", nullptr, 1, false, true},
    {"DURUM", "Durum", 1, true, true},
    {"KALAN", "Kalan", 1, false, false},
    {"INDIRIMORANI4", nullptr, 1, false, true},
};

}  // namespace

// ------------------------------------------------------------------ pure parts

TSepetToplamlari SepetToplamlariniHesapla(const TClientDataSet& sepet) {
  TSepetToplamlari t;
  if (sepet.Active()) {
    auto kolon = [&](const char* a) {
      TField* f = sepet.FindField(QLatin1String(a));
      return f ? f->Index() : -1;
    };
    const int sec = kolon("SEC"), tutar = kolon("TUTAR"), ind = kolon("INDIRIMTUTAR"), vergi = kolon("VERGITUTARI");
    auto deger = [&](int satir, int k) { return k >= 0 ? sepet.FloatAt(satir, k) : 0.0; };
    for (int r = 0, n = sepet.RecordCount(); sec >= 0 && r < n; ++r) {
      if (sepet.IsNullAt(r, sec) || sepet.FloatAt(r, sec) != 1.0) continue;
      t.T = IkiHaneYuvarla(t.T + deger(r, tutar));
      t.I = IkiHaneYuvarla(t.I + deger(r, ind));
      t.V = IkiHaneYuvarla(t.V + deger(r, vergi));
    }
  }
  t.N = IkiHaneYuvarla(t.T - t.I);
  t.G = IkiHaneYuvarla(t.N + t.V);
  return t;
}

bool EkIndirimCoz(const QString& cevap, TSiparisIndirimler& oranlar) {
  const QStringList parcalar = cevap.split(QLatin1Char('|'));
  if (parcalar.size() != 2) return false;
  const QChar ondalik = BicimAyarlari().DecimalSeparator;
  double sayi[2];
  for (int i = 0; i < 2; ++i) {
    QString p = parcalar[i].trimmed();
    p.replace(QLatin1Char(','), ondalik).replace(QLatin1Char('.'), ondalik);
    if (p.isEmpty() || !TryStrToFloat(p, sayi[i])) return false;
  }
  oranlar.NakitFiyatIskonto = sayi[0];
  oranlar.TekCekimFiyatIskonto = sayi[1];
  return true;
}

QString OdemeMetni(TSiparisSonuc sonuc, const TSiparisIndirimler& oranlar, double* ekIndirim) {
  double e = 0;
  QString p;
  switch (sonuc) {
    case sTekCEkim:
      e = oranlar.TekCekimFiyatIskonto;
      p = QStringLiteral("Tek Çekim (%") + FloatToStr(e) + QStringLiteral(")");
      break;
    case sNakit:
      e = oranlar.NakitFiyatIskonto;
      p = QStringLiteral("Nakit Ödeme (%") + FloatToStr(e) + QStringLiteral(")");
      break;
    default:
      p = QStringLiteral("Taksitli Çekim");
      break;
  }
  if (ekIndirim) *ekIndirim = e;
  return p;
}

// ------------------------------------------------------------------ the page

TSepetSayfasi::TSepetSayfasi(TForm1* form)
    : QObject(form), Form(form), uyariSayisi_(std::make_shared<std::atomic_int>(0)) {
  setObjectName(QStringLiteral("SepetSayfasi"));
  QWidget* sayfa = Form->ssepet;
  cxGrid2 = new TVeriIzgarasi(sayfa);
  cxGrid2->setObjectName(QStringLiteral("cxGrid2"));
  if (sayfa->layout()) sayfa->layout()->addWidget(cxGrid2);
  KolonlariKur();
  cxGrid2->SetVeriSeti(Form->sepet);
  cxGrid2->installEventFilter(this);
  AltPanelleriKur(sayfa);

  PopupMenu1 = new QMenu(cxGrid2);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  Deitir1 = PopupMenu1->addAction(QStringLiteral("Satır Değiştir"));
  Deitir1->setObjectName(QStringLiteral("Deitir1"));
  PopupMenu1->addSeparator();
  SatrSil1 = PopupMenu1->addAction(QStringLiteral("Satır Sil"));
  SatrSil1->setObjectName(QStringLiteral("SatrSil1"));
  PopupMenu1->addSeparator();
  HepsiniSil1 = PopupMenu1->addAction(QStringLiteral("Hepsini Sil"));
  HepsiniSil1->setObjectName(QStringLiteral("HepsiniSil1"));
  connect(Deitir1, &QAction::triggered, this, [this] { Deitir1Click(); });
  connect(SatrSil1, &QAction::triggered, this, [this] { SatrSil1Click(); });
  connect(HepsiniSil1, &QAction::triggered, this, [this] { HepsiniSil1Click(); });
  connect(cxGrid2, &TVeriIzgarasi::BaglamMenusuIstendi, this, [this](int, const QPoint& yer) { PopupMenu1->popup(yer); });
  connect(cxGrid2, &TVeriIzgarasi::CiftTiklandi, this, [this](int) { cxGridDBTableView1DblClick(); });

  connect(Form->sPageControl1, &TSayfaKontrol::SayfaGosterildi, this, [this](QWidget* s) {
    if (s == Form->ssepet) ssepetShow();
  });
  ToplamlariHesapla();
}

TSepetSayfasi::~TSepetSayfasi() = default;

void TSepetSayfasi::KolonlariKur() {
  cxGrid2->SetSatirYuksekligi(40);
  cxGrid2->SetBaslikYuksekligi(40);
  cxGrid2->SetArtimliArama(true);
  cxGrid2->SetFiltreDugmeleri(true);
  cxGrid2->SetOdakCercevesi(false);
  cxGrid2->SetAltBilgiGoster(true);
  for (const KolonTanimi& t : kSepetKolonlari) {
    const QString alan = QLatin1String(t.alan);
    TIzgaraKolonu* k = cxGrid2->KolonEkle(QStringLiteral("cxGridDBTableView1") + alan, alan,
                                          t.baslik ? QString::fromUtf8(t.baslik) : QString());
    k->SetAgirlik(t.agirlik);
    k->SetGorunur(t.gorunur);
    k->SetSecenekte(t.secenekte);
  }
  TIzgaraKolonu* sec = cxGrid2->KolonBul(QStringLiteral("SEC"));
  sec->SetTur(TKolonTuru::Onay);
  sec->SetHizalama(Qt::AlignCenter);
  TIzgaraKolonu* durum = cxGrid2->KolonBul(QStringLiteral("DURUM"));
  durum->SetTur(TKolonTuru::Ikon);
  durum->SetDegerListesi(DurumDegerListesi());
  durum->SetHizalama(Qt::AlignCenter);
  cxGrid2->KolonBul(QStringLiteral("INDIRIMYAZI"))->SetHizalama(Qt::AlignCenter);
  for (const char* a : {"MIKTAR", "BIRIMFIYAT", "TUTAR", "NETBIRIMFIYAT", "VERGITUTARI", "NETTUTAR"})
    cxGrid2->KolonBul(QLatin1String(a))->SetHizalama(Qt::AlignRight | Qt::AlignVCenter);
  cxGrid2->KolonBul(QStringLiteral("VERILISTARIHI"))->SetAltOzet(TOzetTuru::Sayi);
  cxGrid2->KolonBul(QStringLiteral("MIKTAR"))->SetAltOzet(TOzetTuru::Toplam);
  cxGrid2->KolonBul(QStringLiteral("NETTUTAR"))->SetAltOzet(TOzetTuru::Toplam);
}

void TSepetSayfasi::AltPanelleriKur(QWidget* sayfa) {
  QFont kalin = Form->font();
  kalin.setBold(true);

  panelsec = new QWidget(sayfa);
  panelsec->setObjectName(QStringLiteral("panelsec"));
  panelsec->setFixedHeight(41);
  auto* secYatay = new QHBoxLayout(panelsec);
  secYatay->setContentsMargins(4, 3, 4, 3);
  Button4 = new QPushButton(QApplication::style()->standardIcon(QStyle::SP_DialogYesButton), QStringLiteral("Hepsini Seç"), panelsec);
  Button4->setObjectName(QStringLiteral("Button4"));
  Button5 = new QPushButton(QApplication::style()->standardIcon(QStyle::SP_DialogNoButton), QStringLiteral("Seçimleri Kaldır"), panelsec);
  Button5->setObjectName(QStringLiteral("Button5"));
  for (QPushButton* b : {Button4, Button5}) {
    b->setFixedWidth(150);
    b->setAutoDefault(false);
    secYatay->addWidget(b);
  }
  lbluyarbakiye = new QLabel(panelsec);
  lbluyarbakiye->setObjectName(QStringLiteral("lbluyarbakiye"));
  QFont uyariYazi(QStringLiteral("Tahoma"));
  uyariYazi.setPixelSize(16);
  uyariYazi.setBold(true);
  lbluyarbakiye->setFont(uyariYazi);
  lbluyarbakiye->setStyleSheet(QStringLiteral("QLabel { color: rgb(220, 0, 0); }"));
  lbluyarbakiye->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  lbluyarbakiye->setWordWrap(true);
  secYatay->addWidget(lbluyarbakiye, 1);
  connect(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
  connect(Button5, &QPushButton::clicked, this, [this] { Button5Click(); });

  Panel4 = new QWidget(sayfa);
  Panel4->setObjectName(QStringLiteral("Panel4"));
  Panel4->setFixedHeight(131);
  auto* altYatay = new QHBoxLayout(Panel4);
  altYatay->setContentsMargins(4, 0, 4, 4);
  altYatay->addStretch(1);
  Toplamlar = new QGroupBox(QStringLiteral("Toplamlar"), Panel4);
  Toplamlar->setObjectName(QStringLiteral("Toplamlar"));
  Toplamlar->setMinimumWidth(330);
  auto* izgara = new QGridLayout(Toplamlar);
  izgara->setContentsMargins(8, 2, 8, 2);
  izgara->setVerticalSpacing(1);
  auto satir = [&](int r, const QString& baslik, QLabel*& deger, const char* ad, bool koyu) {
    auto* b = new QLabel(baslik, Toplamlar);
    b->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    deger = new QLabel(Toplamlar);
    deger->setObjectName(QLatin1String(ad));
    deger->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    deger->setMinimumWidth(130);
    QFont f = Form->font();
    f.setBold(koyu);
    b->setFont(f);
    deger->setFont(f);
    izgara->addWidget(b, r, 0);
    izgara->addWidget(deger, r, 1);
    return b;
  };
  satir(0, QStringLiteral("Toplam:"), aratoplaml, "aratoplaml", false);
  Label4 = satir(1, QStringLiteral("İndirim Toplam:"), indiriml, "indiriml", false);
  Label4->setObjectName(QStringLiteral("Label4"));
  satir(2, QStringLiteral("Ara Toplam:"), nettutarl, "nettutarl", false);
  Label6 = satir(3, QStringLiteral("Vergi:"), vergil, "vergil", false);
  Label6->setObjectName(QStringLiteral("Label6"));
  satir(4, QStringLiteral("Genel Toplam:"), geneltoplaml, "geneltoplaml", true);
  altYatay->addWidget(Toplamlar);

  auto* dugmeler = new QVBoxLayout;
  Button1 = new QPushButton(QApplication::style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("Gönder"), Panel4);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button2 = new QPushButton(QApplication::style()->standardIcon(QStyle::SP_DialogSaveButton), QStringLiteral("Excel Kaydet"), Panel4);
  Button2->setObjectName(QStringLiteral("Button2"));
  for (QPushButton* b : {Button1, Button2}) {
    b->setMinimumSize(150, 50);
    dugmeler->addWidget(b);
  }
  Button1->setDefault(true);
  altYatay->addLayout(dugmeler);
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });

  if (sayfa->layout()) {
    sayfa->layout()->addWidget(panelsec);
    sayfa->layout()->addWidget(Panel4);
  }
  // "Gönder" is the window's default button while the basket page is shown.
  gonderKisayolu_ = new QShortcut(QKeySequence(Qt::Key_Return), sayfa);
  gonderKisayolu_->setContext(Qt::WidgetWithChildrenShortcut);
  connect(gonderKisayolu_, &QShortcut::activated, this, [this] {
    if (Button1->isVisible() && Button1->isEnabled()) Button1->click();
  });
  auto* tus2 = new QShortcut(QKeySequence(Qt::Key_Enter), sayfa);
  tus2->setContext(Qt::WidgetWithChildrenShortcut);
  connect(tus2, &QShortcut::activated, gonderKisayolu_, &QShortcut::activated);
}

void TSepetSayfasi::RolleriUygula(const TRolKurallari& r) {
  TIzgaraKolonu* kalan = cxGrid2->KolonBul(QStringLiteral("KALAN"));
  kalan->SetGorunur(r.kalanSutunu);
  kalan->SetSecenekte(r.kalanSutunu);
  if (!r.sepetDurumSutunu) {
    TIzgaraKolonu* durum = cxGrid2->KolonBul(QStringLiteral("DURUM"));
    durum->SetGorunur(false);
    durum->SetSecenekte(false);
  }
}

bool TSepetSayfasi::eventFilter(QObject* nesne, QEvent* olay) {
  if (nesne == cxGrid2 && olay->type() == QEvent::Resize) cxGrid2Resize();
  return QObject::eventFilter(nesne, olay);
}

void TSepetSayfasi::cxGrid2Resize() {
  if (cxGrid2->isEnabled()) SepetKolonlariDuzenle();
}

void TSepetSayfasi::SepetKolonlariDuzenle() {
  if (!cxGrid2->isEnabled()) return;
  QScreen* ekran = Form->screen() ? Form->screen() : QGuiApplication::primaryScreen();
  if (ekran && ekran->geometry().width() > 1152) {
    cxGrid2->BeginUpdate();
    cxGrid2->AgirligaGoreDagit(30);
    cxGrid2->EndUpdate();
  } else {
    cxGrid2->EnUygunGenislik();
  }
}

// ------------------------------------------------------------------ load and totals

void TSepetSayfasi::ssepetShow() {
  CariBakiyeUyariBak();
  SepetYukle();
}

void TSepetSayfasi::SepetYukle() {
  std::unique_ptr<TSQLConnection> klon(Form->bagc->Clone());
  if (!BaglantiAc(*klon, 1)) return;
  const int carino = Form->sbilgi ? Form->sbilgi->CARINO() : 0;
  try {
    TServerMethods1Client p(klon.get());
    const TVeriPaketi paket = p.SepetVer2(carino);
    // The answer is read once aside, so that a malformed one leaves the basket as it was.
    {
      TClientDataSet deneme;
      PaketiYukle(paket, deneme);
    }
    cxGrid2->BeginUpdate();
    PaketiYukle(paket, *Form->sepet);
    FloatAlanBicimle(*Form->sepet);
    cxGrid2->EndUpdate();
  } catch (const std::exception& e) {
    klon->Close();
    MesajGoster(QString::fromUtf8(BaglantiKurulamiyorMetni), mtHata, {mbOK}, mbOK);
    return;
  }
  klon->Close();
  Form->SayacYaz(Form->ssepet, Form->sepet->RecordCount(), QStringLiteral("Sepet"));
  ToplamlariHesapla();
}

void TSepetSayfasi::ToplamlariHesapla() {
  cxGrid2->BeginUpdate();
  const TSepetToplamlari t = SepetToplamlariniHesapla(*Form->sepet);
  aratoplaml->setText(FormatFloat(kTutarDeseni, t.T));
  indiriml->setText(FormatFloat(kTutarDeseni, t.I));
  nettutarl->setText(FormatFloat(kTutarDeseni, t.N));
  vergil->setText(FormatFloat(kTutarDeseni, t.V));
  geneltoplaml->setText(FormatFloat(kTutarDeseni, t.G));
  const bool vergiVar = t.V > 1, indirimVar = t.I > 1;
  vergil->setVisible(vergiVar);
  Label6->setVisible(vergiVar);
  indiriml->setVisible(indirimVar);
  Label4->setVisible(indirimVar);
  Form->FSepetTutar = t.G;
  cxGrid2->EndUpdate();
}

void TSepetSayfasi::CariBakiyeUyariBak() {
  std::shared_ptr<TSQLConnection> klon(Form->bagc->Clone());
  const int carino = Form->sbilgi ? Form->sbilgi->CARINO() : 0;
  QPointer<QLabel> etiket(lbluyarbakiye);
  QPointer<TSepetSayfasi> sayfa(this);
  auto sayac = uyariSayisi_;
  sayac->fetch_add(1);
  QThread* is = QThread::create([klon, carino, etiket, sayfa, sayac] {
    QString metin;
    if (BaglantiAc(*klon, 0)) {
      try {
        TServerMethods1Client p(klon.get());
        metin = p.CariVadeGunGecmismiBul(carino);
      } catch (...) {
        metin.clear();
      }
      klon->Close();
      QMetaObject::invokeMethod(
          qApp,
          [etiket, sayfa, metin] {
            if (etiket) etiket->setText(metin);
            if (sayfa) emit sayfa->UyariYazildi(metin);
          },
          Qt::BlockingQueuedConnection);
    } else {
      klon->Close();
    }
    sayac->fetch_sub(1);
  });
  connect(is, &QThread::finished, is, &QObject::deleteLater);
  is->start();
}

// ------------------------------------------------------------------ selection

bool TSepetSayfasi::SecimGuncelle(int sirano, int secim) {
  std::unique_ptr<TSQLConnection> klon(Form->bagc->Clone());
  if (!BaglantiAc(*klon, 1)) return false;
  try {
    TServerMethods1Client p(klon.get());
    p.SepetSecimGuncelle(sirano, secim);
  } catch (...) {
    // not reported: the next load shows the server's marks
  }
  klon->Close();
  return true;
}

void TSepetSayfasi::HepsiniIsaretle(int secim) {
  TClientDataSet* s = Form->sepet;
  if (s->Active() && s->FindField(QStringLiteral("SEC"))) {
    // Once the server cannot be reached the remaining lines are marked here only: one message
    // instead of one (and eleven attempts) per line; the next load shows the server's marks.
    bool ulasilir = true;
    for (s->First(); !s->Eof(); s->Next()) {
      s->Edit();
      s->FieldByName(QStringLiteral("SEC"))->SetAsInteger(secim);
      s->Post();
      if (ulasilir) ulasilir = SecimGuncelle(Tamsayi(s, "SIRANO"), secim);
    }
  }
  ToplamlariHesapla();
  if (Form->araedit->isEnabled()) {
    Form->araedit->selectAll();
    Form->araedit->setFocus();
  }
}

void TSepetSayfasi::Deitir1Click() {
  const int satir = cxGrid2->OdakSatiri();
  TClientDataSet* s = Form->sepet;
  if (satir < 0 || !s->Active() || !s->FindField(QStringLiteral("SIRANO"))) return;
  const int sirano = int(s->IntAt(satir, s->FieldByName(QStringLiteral("SIRANO"))->Index()));
  if (!s->Locate(QStringLiteral("SIRANO"), sirano)) return;
  TIzgaraKolonu* kolon = cxGrid2->OdakKolonu();
  if (kolon && kolon->Baslik() == QStringLiteral("Seç") && s->FindField(QStringLiteral("SEC"))) {
    const int yeni = Tamsayi(s, "SEC") == 0 ? 1 : 0;
    s->Edit();
    s->FieldByName(QStringLiteral("SEC"))->SetAsInteger(yeni);
    s->Post();
    SecimGuncelle(sirano, yeni);
    ToplamlariHesapla();
    return;
  }
  Form->StokSayfasi->SepetSatirDegistir(sirano);
}

// ------------------------------------------------------------------ delete

void TSepetSayfasi::SatrSil1Click() {
  const int satir = cxGrid2->OdakSatiri();
  TClientDataSet* s = Form->sepet;
  if (satir < 0 || !s->Active() || !s->FindField(QStringLiteral("SIRANO"))) return;
  const int sirano = int(s->IntAt(satir, s->FieldByName(QStringLiteral("SIRANO"))->Index()));
  if (!s->Locate(QStringLiteral("SIRANO"), sirano)) return;
  const QString aciklama = Metin(s, "BARKOD") + QStringLiteral("-") + Metin(s, "STOKADI");
  if (MesajGoster(QStringLiteral("Satırı silmek istiyor musunuz "), mtSoru, {mbYes, mbNo}, mbNo) != mrYes) return;
  TSQLConnection& bagc = *Form->bagc;
  if (!BaglantiAc(bagc, 1)) return;
  try {
    TServerMethods1Client p(&bagc);
    p.SepetSatirSil(OturumKopyasi(Form->sbilgi.get()), sirano, aciklama);
  } catch (const std::exception& e) {
    // The line was not deleted: say so instead of reporting success, and show the server's state.
    bagc.Close();
    MesajGoster(QStringLiteral("Satır silinemedi: ") + HataMetni(e), mtHata, {mbOK}, mbOK);
    SepetYukle();
    return;
  }
  bagc.Close();
  SepetYukle();
  MesajGoster(QStringLiteral("Satır silindi !"), mtBilgi, {mbOK}, mbOK);
}

void TSepetSayfasi::HepsiniSil1Click() {
  if (!VeriVarmi(Form->sepet)) return;
  if (MesajGoster(QStringLiteral("Tüm Sepeti Silmek İstiyor musunuz "), mtSoru, {mbYes, mbNo}, mbNo) != mrYes) return;
  TSQLConnection& bagc = *Form->bagc;
  if (!BaglantiAc(bagc, 1)) return;
  try {
    TServerMethods1Client p(&bagc);
    p.SepetHepsiniSil(OturumKopyasi(Form->sbilgi.get()));
  } catch (const std::exception& e) {
    bagc.Close();
    MesajGoster(QStringLiteral("Sepet silinemedi: ") + HataMetni(e), mtHata, {mbOK}, mbOK);
    SepetYukle();
    return;
  }
  MesajGoster(QStringLiteral("Sepet Silindi !"), mtBilgi, {mbOK}, mbOK);
  bagc.Close();
  SepetYukle();
}

// ------------------------------------------------------------------ export and sending

void TSepetSayfasi::Button2Click() { ExcelKaydetDialogla(cxGrid2, Form); }

TSiparisIndirimler TSepetSayfasi::EkIndirimleriAl() {
  TSiparisIndirimler oranlar;
  oranlar.NakitFiyatIskonto = 0;
  oranlar.TekCekimFiyatIskonto = 9;
  TSQLConnection& bagc = *Form->bagc;
  if (!BaglantiAc(bagc, 1)) return oranlar;
  try {
    TServerMethods1Client p(&bagc);
    EkIndirimCoz(p.EkfiyatIndirimVer(), oranlar);
  } catch (...) {
    // the starting rates stay
  }
  bagc.Close();
  return oranlar;
}

bool TSepetSayfasi::SiparisiGonder(int kargoFirma, int kargoTuru, int teslimTuru, const QString& not_,
                                   TSiparisSonuc sonuc, const TSiparisIndirimler& oranlar) {
  double ekIndirim = 0;
  const QString odeme = OdemeMetni(sonuc, oranlar, &ekIndirim);
  std::unique_ptr<TSonucBilgisi> kopya(OturumKopyasi(Form->sbilgi.get()));
  TSQLConnection& bagc = *Form->bagc;
  if (!BaglantiAc(bagc, 1)) return false;
  bool cevap = false;
  try {
    TServerMethods1Client p(&bagc);
    const int carino = Form->sbilgi ? Form->sbilgi->CARINO() : 0;
    const int verenid = Form->sbilgi ? Form->sbilgi->Sirano() : 0;
    cevap = p.SiparisKaydetDravik(kopya.release(), carino, teslimTuru, kargoTuru, odeme + QStringLiteral("\r\n") + not_,
                                  verenid, kargoFirma, ekIndirim, odeme);
  } catch (...) {
    cevap = false;
  }
  bagc.Close();
  return cevap;
}

void TSepetSayfasi::Button1Click() {
  TClientDataSet* s = Form->sepet;
  if (!VeriVarmi(s) || !SeciliVarmi(s)) {
    MesajGoster(QStringLiteral("Gönderilecek Parça Yok "), mtUyari, {mbOK}, mbOK);
    return;
  }
  const TSiparisIndirimler oranlar = EkIndirimleriAl();
  std::unique_ptr<TONAYSIP> d(TONAYSIP::Ac(Form, Form->bagc.get(), lbluyarbakiye->text(), Form->sbilgi.get(),
                                           geneltoplaml->text(), Form->FSepetTutar, oranlar.NakitFiyatIskonto,
                                           oranlar.TekCekimFiyatIskonto));
  d->Label3->setText(lbluyarbakiye->text());
  if (d->exec() != mrOk) return;
  if (SiparisiGonder(d->KN, d->kt, d->td, d->aciklamagir->toPlainText(), d->Sonuc(), oranlar)) {
    MesajGoster(QStringLiteral("Siparişiniz Gönderildi !"), mtBilgi, {mbOK}, mbOK);
    SepetYukle();
  } else {
    MesajGoster(QStringLiteral("Sipariş Göndermede Hata"), mtHata, {mbOK}, mbOK);
  }
}
