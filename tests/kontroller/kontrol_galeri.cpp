// Gallery of the small controls with sample data, for looking at them on screen.
//   kontrol_galeri [--mesaj] [--tarayicisiz] [--sekme N] [--genislik N] [--resim DOSYA]
// --mesaj opens a question box after a second; --tarayicisiz leaves the browser page out;
// --resim DOSYA saves a picture of the window and quits.
#include <QApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "desk/gifresim.h"
#include "desk/webguncelle.h"
#include "mainwindow/sekmeciz.h"
#include "platform/controls/golgeetiket.h"
#include "platform/controls/gorunum.h"
#include "platform/controls/kayanyazi.h"
#include "platform/controls/mesajkutusu.h"
#include "platform/controls/mesgulgosterge.h"
#include "platform/controls/resimkayan.h"
#include "platform/controls/tamsayispin.h"
#include "platform/controls/tarihsecici.h"
#include "platform/controls/tutaredit.h"
#include "session/utils.h"

namespace {

QByteArray OrnekGif() {  // two 4 x 4 frames, red and blue
  return QByteArray::fromHex(
      "47494638396104000400f00000ff000000000021f904000500000021ff0b4e45545343415045322e300301"
      "0000002c0000000004000400000204848f09050021f90400050000002c00000000040004008000"
      "00ff0000000204848f0905003b");
}

QImage AltBanner() {
  QImage img(900, 60, QImage::Format_RGB32);
  QPainter p(&img);
  QLinearGradient g(0, 0, 900, 0);
  g.setColorAt(0, QColor(0x6a, 0x3d, 0x9a));
  g.setColorAt(1, QColor(0xe0, 0x7b, 0x39));
  p.fillRect(img.rect(), g);
  p.setPen(Qt::white);
  QFont f(QStringLiteral("DejaVu Sans"), 20, QFont::Bold);
  p.setFont(f);
  p.drawText(img.rect(), Qt::AlignCenter, QStringLiteral("Alt banner: Yılbaşı kampanyası — %20 indirim!"));
  return img;
}

QWidget* KontrollerSayfasi() {
  auto* sayfa = new QWidget;
  auto* izgara = new QGridLayout(sayfa);

  auto* form = new QFormLayout;
  auto* tutar = new TTutarEdit;
  tutar->DegerAta(1234567.5);
  form->addRow(QStringLiteral("Fiyat:"), tutar);
  auto* salt = new TTutarEdit;
  salt->DegerAta(-2500.75);
  salt->setReadOnly(true);
  form->addRow(QStringLiteral("KDV Dahil:"), salt);
  form->addRow(QStringLiteral("Adet:"), new TTamSayiSpin(1, 10000, 1));
  form->addRow(QStringLiteral("Tarih 1:"), new TTarihSecici);
  auto* soru = new QPushButton(QStringLiteral("Soru sor"));
  QObject::connect(soru, &QPushButton::clicked, soru, [] {
    MesajGoster(QStringLiteral("Satırı silmek istiyor musunuz "), mtSoru, TMsgDlgButtons{mbYes, mbNo}, mbNo);
  });
  form->addRow(QStringLiteral("Mesaj:"), soru);
  izgara->addLayout(form, 0, 0);

  auto* arka = new QWidget;
  arka->setAutoFillBackground(true);
  QPalette turuncu = arka->palette();
  turuncu.setColor(QPalette::Window, QColor(0xe0, 0x7b, 0x39));
  arka->setPalette(turuncu);
  arka->setFixedSize(520, 140);
  auto* adres = new TGolgeliEtiket(QStringLiteral("Örnek Mah. Çiçek Sok. No: 12\nŞişli / İstanbul\nTel: 0212 555 00 00"), arka);
  adres->setFont(QFont(QStringLiteral("DejaVu Sans"), 19, QFont::Bold));
  adres->setAlignment(Qt::AlignCenter);
  adres->YaziRengiAta(Qt::black);
  adres->GolgeRengiAta(Qt::white);
  adres->GolgeKaymasiAta({2, 2});
  auto* arkaDuzen = new QVBoxLayout(arka);
  arkaDuzen->addWidget(adres);
  izgara->addWidget(arka, 0, 1, Qt::AlignTop);
  izgara->setColumnStretch(0, 1);

  auto* gifler = new QHBoxLayout;
  gifler->addWidget(new QLabel(QStringLiteral("Yükleniyor:")));
  for (int i = 0; i < 7; ++i) {
    auto* m = new TMesgulGosterge(nullptr, 16 + 2 * i);
    gifler->addWidget(m);
  }
  gifler->addStretch();
  izgara->addLayout(gifler, 1, 0, 1, 2);

  auto* gif = new TGifResim;
  gif->ResimYukle(OrnekGif());
  gif->SetStretch(true);
  gif->SetProportional(true);
  gif->SetCenter(true);
  gif->SetAnimate(true);
  gif->setFixedSize(120, 60);
  auto* gifSatir = new QHBoxLayout;
  gifSatir->addWidget(new QLabel(QStringLiteral("TGifResim (Animate):")));
  gifSatir->addWidget(gif);
  gifSatir->addStretch();
  izgara->addLayout(gifSatir, 2, 0, 1, 2);
  izgara->setRowStretch(3, 1);
  return sayfa;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  const bool uygulandi = GorunumUygula();
  MesajKutusuKur();
  MesajKutusuYaziBoyutuAta(15);

  QWidget pencere;
  pencere.setWindowTitle(QStringLiteral("Dravik B2B Programı — kontrol galerisi"));
  auto* dikey = new QVBoxLayout(&pencere);

  auto* ust = new QLabel(uygulandi ? QStringLiteral("Görünüm uygulandı: ĞÜŞİÖÇ ğüşıöç")
                                   : QStringLiteral("Varsayılan görünüm"));
  dikey->addWidget(ust);

  auto* pk = new TSayfaKontrol;
  QStyle* st = app.style();
  const QList<QPair<QString, QIcon>> sayfalar{
      {QStringLiteral("0=Stok Listesi"), QIcon()},
      {QStringLiteral("12=Sepet"), st->standardIcon(QStyle::SP_DialogSaveButton)},
      {QStringLiteral("Önceki Siparişler"), st->standardIcon(QStyle::SP_FileDialogDetailedView)},
      {QStringLiteral("Cari Ekstre"), st->standardIcon(QStyle::SP_FileIcon)},
      {QStringLiteral("3=Yeni Stoklar"), st->standardIcon(QStyle::SP_FileDialogNewFolder)},
      {QStringLiteral("5=Kampanyalı"), st->standardIcon(QStyle::SP_DialogYesButton)},
      {QStringLiteral("2=Duyurular"), st->standardIcon(QStyle::SP_MessageBoxInformation)},
      {QStringLiteral("7=Bakiyeler"), st->standardIcon(QStyle::SP_DirIcon)},
      {QStringLiteral("Sanal Pos"), st->standardIcon(QStyle::SP_DriveNetIcon)},
      {QStringLiteral("1234=Dosyalar"), st->standardIcon(QStyle::SP_DirOpenIcon)},
  };
  for (int i = 0; i < sayfalar.size(); ++i) {
    QWidget* sayfa;
    if (i == 0) {
      sayfa = KontrollerSayfasi();
    } else if (QString neden; i == 8 && !TWebBrowser::Kullanilabilir(&neden)) {
      sayfa = new QLabel(neden);  // the engine would end the program: say why instead
      static_cast<QLabel*>(sayfa)->setAlignment(Qt::AlignCenter);
    } else if (i == 8 && !args.contains(QStringLiteral("--tarayicisiz"))) {
      auto* web = new TWebBrowser;
      web->setHtml(QStringLiteral("<html><body style='font-family:DejaVu Sans'><h2>Sanal Pos</h2>"
                                  "<p>Ödeme sayfası burada açılır. Şişli, Çağlayan, Ğ İ Ö Ü</p></body></html>"));
      sayfa = web;
    } else {
      sayfa = new QLabel(QStringLiteral("Sayfa: ") + SekmeBasligiCoz(sayfalar[i].first).baslik);
      static_cast<QLabel*>(sayfa)->setAlignment(Qt::AlignCenter);
    }
    pk->SayfaEkle(sayfa, sayfalar[i].first, sayfalar[i].second);
  }
  dikey->addWidget(pk, 1);

  auto* resimKayan = new TResimKayan;
  resimKayan->ResimAta(AltBanner());
  resimKayan->HizAta(80);
  resimKayan->Baslat();
  dikey->addWidget(resimKayan);

  auto* kayan = new TKayanYazi;
  QFont arial(QStringLiteral("DejaVu Sans"));
  arial.setPixelSize(24);
  kayan->setFont(arial);
  kayan->setFixedHeight(40);
  kayan->AralikAta(5);
  kayan->Ekle(QStringLiteral("<b>Duyuru:</b> <font color=\"#c0392b\">Yeni ürünler</font> geldi — "
                             "<i>kampanyalı stoklar</i> sayfasına göz atın. Şirket İçi Öğle Arası 12:00"));
  kayan->Baslat();
  dikey->addWidget(kayan);

  const int genislik = args.indexOf(QStringLiteral("--genislik"));
  pencere.resize(genislik > 0 && genislik + 1 < args.size() ? args[genislik + 1].toInt() : 1300, 700);
  pencere.show();

  const int sekme = args.indexOf(QStringLiteral("--sekme"));
  if (sekme > 0 && sekme + 1 < args.size()) pk->AktifAta(args[sekme + 1].toInt());
  if (args.contains(QStringLiteral("--mesaj"))) {
    QTimer::singleShot(1000, &pencere, [] {
      MesajGoster(QStringLiteral("Programdan Çıkmak İstiyor musunuz ?"), mtSoru, TMsgDlgButtons{mbYes, mbNo}, mbYes);
    });
  }
  // --resim DOSYA: saves a picture of the window after three seconds and quits.
  const int resim = args.indexOf(QStringLiteral("--resim"));
  if (resim > 0 && resim + 1 < args.size()) {
    const QString dosya = args[resim + 1];
    QTimer::singleShot(3000, &pencere, [&pencere, dosya, resimKayan, kayan] {
      qInfo("pencere %dx%d, alt banner %d,%d %dx%d, kayan yazi %d,%d %dx%d", pencere.width(), pencere.height(),
            resimKayan->x(), resimKayan->y(), resimKayan->width(), resimKayan->height(), kayan->x(),
            kayan->y(), kayan->width(), kayan->height());
      for (QWidget* w : pencere.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        qInfo("%s min %dx%d hint %dx%d", w->metaObject()->className(), w->minimumSizeHint().width(),
              w->minimumSizeHint().height(), w->sizeHint().width(), w->sizeHint().height());
      pencere.grab().save(dosya);
      QApplication::quit();
    });
  }
  return app.exec();
}
