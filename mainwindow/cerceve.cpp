// The frame of the main window: header strip, search bar, top banner, status legend and
// the bottom strip with its two marquees.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "desk/gifresim.h"
#include "mainwindow/Unit1.h"
#include "mainwindow/sekmeciz.h"
#include "platform/controls/kayanyazi.h"
#include "platform/controls/mesgulgosterge.h"
#include "platform/controls/resimkayan.h"
#include "platform/grid/izgaraikonlari.h"
#include "session/programayarlari.h"

namespace {
QFont Yazi(int piksel, bool kalin, const QString& aile = QStringLiteral("Tahoma")) {
  QFont f(aile);
  f.setPixelSize(piksel);
  f.setBold(kalin);
  return f;
}

// The picture at the left of the header: the program's mark.
QPixmap LogoResmi() {
  QPixmap p(180, 123);
  p.fill(Qt::transparent);
  QPainter g(&p);
  g.setRenderHint(QPainter::Antialiasing);
  QLinearGradient lg(0, 0, 180, 123);
  lg.setColorAt(0, QColor(120, 76, 170));
  lg.setColorAt(1, QColor(62, 32, 100));
  g.setBrush(lg);
  g.setPen(Qt::NoPen);
  g.drawRoundedRect(QRectF(8, 10, 164, 103), 14, 14);
  g.setPen(Qt::white);
  g.setFont(Yazi(34, true, QStringLiteral("Arial")));
  g.drawText(QRect(8, 14, 164, 60), Qt::AlignCenter, QStringLiteral("Dravik"));
  g.setFont(Yazi(18, true, QStringLiteral("Arial")));
  g.drawText(QRect(8, 66, 164, 36), Qt::AlignCenter, QStringLiteral("B2B"));
  return p;
}
}  // namespace

void TForm1::CerceveKur() {
  auto* merkez = new QWidget(this);
  merkez->setObjectName(QStringLiteral("merkez"));
  auto* dikey = new QVBoxLayout(merkez);
  dikey->setContentsMargins(0, 0, 0, 0);
  dikey->setSpacing(0);
  UstSeritKur(merkez);
  dikey->addWidget(Panel1);
  AramaCubuguKur(merkez);
  dikey->addWidget(Panel2);

  RxGIFAnimator2 = new TGifResim(merkez);
  RxGIFAnimator2->setObjectName(QStringLiteral("RxGIFAnimator2"));
  RxGIFAnimator2->SetCenter(true);
  RxGIFAnimator2->setFixedHeight(0);
  dikey->addWidget(RxGIFAnimator2);

  SayfalariKur();
  sPageControl1->setParent(merkez);
  dikey->addWidget(sPageControl1, 1);

  DurumAciklamasiKur(merkez);
  dikey->addWidget(Panel3);
  AltSeritKur(merkez);
  dikey->addWidget(Panel5);
  setCentralWidget(merkez);
}

void TForm1::UstSeritKur(QWidget* ust) {
  Panel1 = new QWidget(ust);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFixedHeight(123);
  auto* yatay = new QHBoxLayout(Panel1);
  yatay->setContentsMargins(0, 0, 6, 0);
  yatay->setSpacing(8);

  Image1 = new QLabel(Panel1);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setFixedWidth(180);
  Image1->setPixmap(LogoResmi());
  yatay->addWidget(Image1);

  GridPanel1 = new QWidget(Panel1);
  GridPanel1->setObjectName(QStringLiteral("GridPanel1"));
  auto* izgara = new QGridLayout(GridPanel1);
  izgara->setContentsMargins(4, 8, 4, 8);
  izgara->setHorizontalSpacing(4);
  const QStringList basliklar{QStringLiteral("Kullanıcı: "), QStringLiteral("Firma: "), QStringLiteral("Temsilci: ")};
  QLabel** degerler[] = {&kullanicilbl, &cariadilbl, &saticilbl};
  const char* adlar[] = {"kullanicilbl", "cariadilbl", "saticilbl"};
  for (int i = 0; i < 3; ++i) {
    auto* b = new QLabel(basliklar[i], GridPanel1);
    b->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    izgara->addWidget(b, i, 0);
    *degerler[i] = new QLabel(GridPanel1);
    (*degerler[i])->setObjectName(QLatin1String(adlar[i]));
    (*degerler[i])->setTextInteractionFlags(Qt::TextSelectableByMouse);
    izgara->addWidget(*degerler[i], i, 1);
  }
  izgara->setColumnStretch(1, 1);
  yatay->addWidget(GridPanel1, 1);

  GifResim1 = new TGifResim(Panel1);
  GifResim1->setObjectName(QStringLiteral("GifResim1"));
  GifResim1->setFixedWidth(519);
  GifResim1->SetCenter(true);
  GifResim1->SetProportional(true);
  yatay->addWidget(GifResim1);

  MenuKur();
  Button3 = new QToolButton(Panel1);
  Button3->setObjectName(QStringLiteral("Button3"));
  Button3->setPopupMode(QToolButton::MenuButtonPopup);
  Button3->setMenu(Genelmenu);
  Button3->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
  Button3->setIconSize(QSize(48, 48));
  Button3->setToolTip(QStringLiteral("Menü"));
  connect(Button3, &QToolButton::clicked, Button3, &QToolButton::showMenu);
  yatay->addWidget(Button3, 0, Qt::AlignVCenter);
}

void TForm1::MenuKur() {
  Genelmenu = new QMenu(this);
  Genelmenu->setObjectName(QStringLiteral("Genelmenu"));
  M1 = Genelmenu->addAction(QStringLiteral("Mail Gönder"), this, &TForm1::M1Click);
  M1->setObjectName(QStringLiteral("M1"));
  Genelmenu->addSeparator();
  N4 = Genelmenu->addAction(QStringLiteral("Şifre Değiştirme İsteği"), this, &TForm1::N4Click);
  N4->setObjectName(QStringLiteral("N4"));
  Genelmenu->addSeparator();
  WebSitesi1 = Genelmenu->addAction(QStringLiteral("Web Sitesi"), this, &TForm1::WebSitesi1Click);
  WebSitesi1->setObjectName(QStringLiteral("WebSitesi1"));
  Genelmenu->addSeparator();
  G1 = Genelmenu->addAction(QStringLiteral("Çıkış"), this, &TForm1::G1Click);
  G1->setObjectName(QStringLiteral("G1"));
  Genelmenu->addSeparator();
  R1 = Genelmenu->addAction(QStringLiteral("Raporlar"), this, &TForm1::R1Click);
  R1->setObjectName(QStringLiteral("R1"));
  R1->setVisible(false);
}

void TForm1::AramaCubuguKur(QWidget* ust) {
  Panel2 = new QWidget(ust);
  Panel2->setObjectName(QStringLiteral("Panel2"));
  Panel2->setFixedHeight(35);
  auto* yatay = new QHBoxLayout(Panel2);
  yatay->setContentsMargins(6, 2, 6, 2);
  yatay->setSpacing(4);

  auto* simge = new QLabel(Panel2);
  simge->setPixmap(style()->standardIcon(QStyle::SP_FileDialogContentsView).pixmap(24, 24));
  yatay->addWidget(simge);

  araedit = new QLineEdit(Panel2);
  araedit->setObjectName(QStringLiteral("araedit"));
  araedit->setFixedWidth(340);
  araedit->setFont(Yazi(20, false));
  connect(araedit, &QLineEdit::textEdited, araedit, [this](const QString& t) {
    const QString b = t.toUpper();
    if (b == t) return;
    const int imlec = araedit->cursorPosition();
    araedit->setText(b);
    araedit->setCursorPosition(imlec);
  });
  yatay->addWidget(araedit);

  SpeedButton2 = new QToolButton(Panel2);
  SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
  SpeedButton2->setToolTip(QStringLiteral("Ara"));
  SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
  SpeedButton2->setAutoRaise(true);
  yatay->addWidget(SpeedButton2);
  SpeedButton1 = new QToolButton(Panel2);
  SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
  SpeedButton1->setToolTip(QStringLiteral("Temizle"));
  SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_DialogResetButton));
  SpeedButton1->setAutoRaise(true);
  yatay->addWidget(SpeedButton1);

  musteritus = new QPushButton(QStringLiteral("Başka Cari Seç"), Panel2);
  musteritus->setObjectName(QStringLiteral("musteritus"));
  musteritus->setVisible(false);
  connect(musteritus, &QPushButton::clicked, this, &TForm1::musteritusClick);
  yatay->addWidget(musteritus);

  TMesgulGosterge** gifler[] = {&gifstokara, &gifyeniler, &gifkampanyali, &gifduyuru,
                               &gifoncekiler, &gifdosyalar, &gifekstre};
  const char* adlar[] = {"gifstokara", "gifyeniler", "gifkampanyali", "gifduyuru",
                         "gifoncekiler", "gifdosyalar", "gifekstre"};
  for (int i = 0; i < 7; ++i) {
    *gifler[i] = new TMesgulGosterge(Panel2, 24);
    (*gifler[i])->setObjectName(QLatin1String(adlar[i]));
    (*gifler[i])->Durdur();
    yatay->addWidget(*gifler[i]);
  }
  yatay->addStretch(1);
}

void TForm1::DurumAciklamasiKur(QWidget* ust) {
  Panel3 = new QWidget(ust);
  Panel3->setObjectName(QStringLiteral("Panel3"));
  Panel3->setFixedHeight(27);
  auto* yatay = new QHBoxLayout(Panel3);
  yatay->setContentsMargins(6, 0, 6, 0);
  yatay->setSpacing(2);
  yatay->addWidget(new QLabel(QStringLiteral("Durum Açıklaması:    "), Panel3));
  // Status values of the grids' status column, in the legend's order.
  const std::pair<int, const char*> durumlar[] = {
      {1, " Stok mevcut  "}, {2, " Telefon Açınız  "}, {3, " Yolda  "},
      {5, " Tedarik Sürecinde "}, {4, " Özel Sipariş  "}, {0, " Yok  "}};
  for (const auto& [durum, metin] : durumlar) {
    auto* simge = new QLabel(Panel3);
    simge->setPixmap(DurumIkonu(durum).pixmap(20, 20));
    yatay->addWidget(simge);
    yatay->addWidget(new QLabel(QString::fromUtf8(metin), Panel3));
  }
  yatay->addStretch(1);
}

void TForm1::AltSeritKur(QWidget* ust) {
  Panel5 = new QWidget(ust);
  Panel5->setObjectName(QStringLiteral("Panel5"));
  Panel5->setFixedHeight(40);
  auto* dikey = new QVBoxLayout(Panel5);
  dikey->setContentsMargins(0, 0, 0, 0);
  dikey->setSpacing(0);

  RealTimeMarquee1 = new TResimKayan(Panel5);
  RealTimeMarquee1->setObjectName(QStringLiteral("RealTimeMarquee1"));
  RealTimeMarquee1->setVisible(false);
  dikey->addWidget(RealTimeMarquee1);

  Image3 = new QLabel(Panel5);
  Image3->setObjectName(QStringLiteral("Image3"));
  Image3->setVisible(false);

  kayanyazi = new TKayanYazi(Panel5);
  kayanyazi->setObjectName(QStringLiteral("kayanyazi"));
  kayanyazi->setFixedHeight(40);
  kayanyazi->setFont(Yazi(24, false, QStringLiteral("Arial")));
  kayanyazi->AralikAta(5);
  dikey->addWidget(kayanyazi, 0, Qt::AlignBottom);
}
