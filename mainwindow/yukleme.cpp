// The start-up loading sequence of the main window: header, scrolling text, the three
// banners, the opening-advertisement count and the page counters. The steps run one after
// another on one worker; each opens its own clone of the connection and hands its update to
// the main thread, waiting until it is done.
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPointer>

#include "desk/gifresim.h"
#include "mainwindow/Unit1.h"
#include "mainwindow/yukleme.h"
#include "mainwindow/sekmeciz.h"
#include "platform/controls/kayanyazi.h"
#include "platform/controls/resimkayan.h"
#include "platform/core/sayibicim.h"
#include "platform/core/veriseti.h"
#include "platform/rpc/dsbaglanti.h"
#include "session/baglantiu.h"
#include "session/beklesinu.h"
#include "session/proxim.h"
#include "session/utils.h"

QString SayacMetni(const TField* a) {
  switch (a->DataType()) {
    case TFieldType::ftInteger:
    case TFieldType::ftLargeint: return QString::number(a->AsLargeInt());
    case TFieldType::ftFloat:
    case TFieldType::ftCurrency:
    case TFieldType::ftBCD: return FloatToStr(a->AsFloat());
    default: return a->AsString();
  }
}

namespace {

// Reads one picture method's stream on the clone; empty when there is no complete content.
// announced is set to the size the server announced (-1 when the call failed).
QByteArray ResimAl(TSQLConnection& klon, QIODevice* (TServerMethods1Client::*yontem)(qint64&), qint64* duyurulan) {
  *duyurulan = -1;
  QByteArray kopya;
  try {
    TServerMethods1Client proxy(&klon);
    qint64 boy = 0;
    QIODevice* akis = (proxy.*yontem)(boy);
    *duyurulan = boy;
    if (boy != 0 && !AkisKopyala(akis, boy, kopya)) kopya.clear();
  } catch (...) {
    // Picture errors leave the picture as it was.
    *duyurulan = -1;
    kopya.clear();
  }
  return kopya;
}
}  // namespace

void TForm1::AnaBilgiAl() {
  kullanicilbl->setText(sbilgi->ADI());
  cariadilbl->setText(sbilgi->CariAdi());
  saticilbl->setText(sbilgi->SaticiAdi() + QStringLiteral(" Telefonu: ") + sbilgi->SaticiTelefon() +
                     QStringLiteral(" email: ") + sbilgi->SaticiMail());
}

void TForm1::KayanYaziYaz(const QString& metin) {
  kayanyazi->Durdur();
  kayanyazi->Temizle();
  if (!metin.trimmed().isEmpty()) kayanyazi->Ekle(metin, true);
  kayanyazi->Baslat();
}

void TForm1::UstResimYaz(const QByteArray& resim) {
  GifResim1->SetAnimate(false);
  GifResim1->ResimYukle(resim);
  GifResim1->SetAnimate(true);
}

void TForm1::UstBannerYaz(const QByteArray& resim) {
  if (resim.isEmpty()) {
    RxGIFAnimator2->Temizle();
    RxGIFAnimator2->setFixedHeight(0);
    return;
  }
  RxGIFAnimator2->SetAnimate(false);
  if (RxGIFAnimator2->ResimYukle(resim)) RxGIFAnimator2->setFixedHeight(RxGIFAnimator2->ResimBoyutu().height());
  RxGIFAnimator2->SetAnimate(true);
}

void TForm1::AltBannerYaz(const QByteArray& resim) {
  if (resim.isEmpty()) {
    Panel5->setFixedHeight(40);
    return;
  }
  if (resim.size() < 11) return;
  QImage bmp;
  if (!bmp.loadFromData(resim, "BMP") && !bmp.loadFromData(resim)) return;
  Image3->setPixmap(QPixmap::fromImage(bmp));
  RealTimeMarquee1->ResimAta(bmp);
  RealTimeMarquee1->setFixedHeight(bmp.height());
  RealTimeMarquee1->setVisible(true);
  RealTimeMarquee1->Baslat();
  Panel5->setFixedHeight(bmp.height() + 40);
}

void TForm1::AcilisReklamAdetYaz(int adet) { SayacYaz(sTabSheetduyuru, adet, QStringLiteral("Duyurular")); }

void TForm1::BalonYazSatir(const QList<QString>& d) {
  if (d.size() < 5) return;
  auto yaz = [this](QWidget* sayfa, const QString& deger, const QString& ad) {
    sPageControl1->BaslikAta(sayfa, deger + QLatin1Char('=') + ad);
  };
  yaz(ssepet, d[0], QStringLiteral("Sepet"));
  yaz(syeniler, d[1], QStringLiteral("Yeni Stoklar"));
  yaz(skampanyali, d[2], QStringLiteral("Kampanyalı"));
  yaz(sTabSheetduyuru, d[3], QStringLiteral("Duyurular"));
  yaz(sTabbakiyeler, d[4], QStringLiteral("Bakiyeler"));
}

void TForm1::YuklemeSirasiBaslat(std::function<void()> sonra) {
  if (yuklemeSuruyor_) {
    // A notification during a running sequence: run it once more when this one ends.
    tekrarYukle_ = true;
    return;
  }
  yuklemeSuruyor_ = true;
  // Clones are made here, on the main thread; each step clones this closed template.
  std::shared_ptr<TSQLConnection> sablon(bagc->Clone());
  auto oturum = std::make_shared<TSonucBilgisi>();
  oturum->Kopyala(sbilgi.get());
  auto kapandi = kapandi_;
  QPointer<TForm1> pencere(this);
  auto adet = std::make_shared<int>(0);

  // Hands one update to the main thread and waits until it has run there.
  auto anaIs = [pencere, kapandi](std::function<void(TForm1*)> f) {
    if (kapandi->load()) return;
    QMetaObject::invokeMethod(
        qApp,
        [pencere, f] {
          if (pencere) f(pencere.data());
        },
        Qt::BlockingQueuedConnection);
  };
  // Opens a clone for one step; a failure shows the connection message and skips the step.
  auto klonAc = [sablon, kapandi]() -> std::unique_ptr<TSQLConnection> {
    if (kapandi->load()) return nullptr;
    std::unique_ptr<TSQLConnection> k = sablon->Clone();
    if (!BaglantiAc(*k, 1)) return nullptr;
    return k;
  };

  Async([=] {
    anaIs([](TForm1* f) { f->AnaBilgiAl(); });

    if (auto k = klonAc()) {
      try {
        TServerMethods1Client proxy(k.get());
        const QString metin = proxy.KayanYaziGetir();
        anaIs([metin](TForm1* f) { f->KayanYaziYaz(metin); });
      } catch (...) {
        // The text stays as it was; the other steps go on.
      }
      k->Close();
    }

    using Yontem = QIODevice* (TServerMethods1Client::*)(qint64&);
    const std::pair<Yontem, void (TForm1::*)(const QByteArray&)> resimler[] = {
        {&TServerMethods1Client::BannerResimVer, &TForm1::UstResimYaz},
        {&TServerMethods1Client::BannerResimVer2, &TForm1::UstBannerYaz},
        {&TServerMethods1Client::BannerResimVer3, &TForm1::AltBannerYaz}};
    for (const auto& [yontem, yaz] : resimler) {
      auto k = klonAc();
      if (!k) continue;
      qint64 duyurulan = -1;
      const QByteArray resim = ResimAl(*k, yontem, &duyurulan);
      k->Close();
      // The header picture changes only with a complete copy; the banners also on length 0.
      const bool bos = duyurulan == 0;
      if (resim.isEmpty() && !(bos && yaz != &TForm1::UstResimYaz)) continue;
      anaIs([resim, yaz = yaz](TForm1* f) { (f->*yaz)(resim); });
    }

    *adet = 0;
    if (auto k = klonAc()) {
      try {
        TServerMethods1Client proxy(k.get());
        *adet = proxy.AcilisReklamAdet();
        const int n = *adet;
        anaIs([n](TForm1* f) { f->AcilisReklamAdetYaz(n); });
      } catch (...) {
        *adet = 0;
      }
      k->Close();
    }

    if (auto k = klonAc()) {
      try {
        TServerMethods1Client proxy(k.get());
        TDBXReader* okuyucu = proxy.BalonGetir(OturumKopyasi(oturum.get()));
        TClientDataSet ds;
        ReaderToDataSet(okuyucu, ds);
        if (ds.Active()) {
          for (ds.First(); !ds.Eof(); ds.Next()) {
            QList<QString> satir;
            for (int i = 0; i < ds.FieldCount() && i < 5; ++i) satir << SayacMetni(ds.Fields(i));
            anaIs([satir](TForm1* f) { f->BalonYazSatir(satir); });
          }
        }
      } catch (...) {
        // The counters stay as they were.
      }
      k->Close();
    }
  })->Await(this, [this, adet, sonra] {
    _acilisadet = *adet;
    yuklemeSuruyor_ = false;
    if (sonra) sonra();
    AcilisReklamGoster();
    emit YuklemeBitti();
    if (tekrarYukle_) {
      tekrarYukle_ = false;
      YuklemeSirasiBaslat();
    }
  });
}

void TForm1::GeriBildirimAl() {
  YuklemeSirasiBaslat([this] { emit GeriBildirimGeldi(); });
}
