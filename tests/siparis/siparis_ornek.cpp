// Shows the stock dialog or the order confirmation filled with sample data.
//   siparis_ornek stok|onay [--kaydet resim.png]
// With --kaydet the window is drawn into the file after a moment and the program ends.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

#include "ordering/ONAYSIPU.h"
#include "ordering/secenekgrubu.h"
#include "ordering/stokayarintiU.h"
#include "platform/controls/gorunum.h"
#include "platform/controls/tutaredit.h"
#include "platform/core/sayibicim.h"
#include "session/programayarlari.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  GorunumUygula();
  BicimAyarlariKur(TFormatSettings::Turkce());
  const QStringList a = app.arguments();
  const QString tur = a.value(1, QStringLiteral("stok"));
  const int k = a.indexOf(QStringLiteral("--kaydet"));
  const QString dosya = k > 0 ? a.value(k + 1) : QString();
  ProgramAyarlari().WebAdres = QStringLiteral("http://127.0.0.1:9/");  // no picture host

  QDialog* pencere = nullptr;
  if (tur == QStringLiteral("onay")) {
    TSonucBilgisi b;
    b.SetADI(QStringLiteral("AYŞE ÇINAR"));
    b.SetCariAdi(QStringLiteral("ÖZGÜR YAPI MARKET LTD. ŞTİ."));
    auto* d = new TONAYSIP(nullptr, nullptr, QStringLiteral("Vadesi geçmiş 12.450,00 TL bakiyeniz bulunmaktadır."), &b,
                           QStringLiteral("18.265,40"), 18265.40, 3, 1.5);
    for (auto [ad, id] : {std::pair{"Gel Al", 1}, {"Kargo ile Gönderilsin", 2}, {"Servis ile Teslim", 3}})
      d->teslimbox->Ekle(QString::fromUtf8(ad), id);
    d->teslimbox->ItemIndexAta(1);
    for (auto [ad, id] : {std::pair{"Alıcı Ödemeli", 1}, {"Gönderici Ödemeli", 2}, {"Ambar Teslim", 3}})
      d->boxkargo->Ekle(QString::fromUtf8(ad), id);
    d->boxkargo->ItemIndexAta(0);
    d->kargocombo->addItems({QStringLiteral(" "), QStringLiteral("YURTİÇİ KARGO"), QStringLiteral("ARAS KARGO")});
    d->kargocombo->setCurrentIndex(2);
    d->uyarikargo->setText(QStringLiteral("Saat 16:00'dan sonra verilen siparişler ertesi gün kargoya verilir."));
    d->aciklamagir->setPlainText(QStringLiteral("Öğleden sonra teslim edilsin."));
    pencere = d;
  } else {
    auto* d = new Tstokayarinti;
    d->barkod->setText(QStringLiteral("8690000123456"));
    d->adi->setText(QStringLiteral("ÇELİK KAPI KOLU ROZETLİ İNOX"));
    d->finishkod->setText(QStringLiteral("SN-04"));
    d->marka->setText(QStringLiteral("DRAVİK"));
    d->model->setText(QStringLiteral("Lale"));
    d->kdvoran = 20;
    d->ind1 = 10;
    d->ind2 = 5;
    d->birimfiyat->DegerAta(19.99);
    d->FiyatKilidiAyarla(1);
    d->indirimoran->setText(QStringLiteral("İndirim: %10+5"));
    d->adet->setValue(3);
    pencere = d;
  }
  pencere->show();
  if (!dosya.isEmpty()) {
    QTimer::singleShot(800, [&] {
      pencere->grab().save(dosya);
      app.quit();
    });
  }
  const int r = app.exec();
  delete pencere;
  return r;
}
