// Pictures of the stock list (narrow and wide) and of the basket page against a reference
// server, for looking at them: stoksepet_ekran <folder>
#include <QDir>
#include <QLabel>

#include "ordering/stokayarintiU.h"
#include "platform/grid/izgara.h"
#include "tests/stoksepet/stoksepet_ortak.h"

using namespace stoksepet;

int main(int argc, char** argv) {
  QApplication uyg(argc, argv);
  const QString klasor = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
  Ortam o;
  if (!o.Kur()) {
    std::fprintf(stderr, "kurulamadı: %s\n", qPrintable(o.sunucu.Hata()));
    return 1;
  }
  auto kaydet = [&](const QString& ad) {
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
    QTest::qWait(200);
    o.form->grab().save(klasor + u'/' + ad);
    std::printf("%s\n", qPrintable(klasor + u'/' + ad));
  };
  o.form->resize(1152, 760);
  if (!o.Ara(QStringLiteral("FREN"))) return 1;
  kaydet(QStringLiteral("stok_dar_1152.png"));
  o.form->resize(1400, 760);
  kaydet(QStringLiteral("stok_genis_1400.png"));

  for (int satir : {0, 1, 2}) {
    o.Stok().cxGrid1->SetOdakSatiri(satir);
    ModalCevapla<Tstokayarinti>([satir](Tstokayarinti* d) {
      d->adet->setValue(satir + 2);
      d->done(1);
    });
    o.Stok().cxGrid1DBTableView1DblClick();
  }
  o.form->sPageControl1->AktifAta(o.form->ssepet);
  Bekle([&] { return o.Sepet().CalisanUyariSayisi() == 0; });
  o.Sepet().cxGrid2->SetOdakSatiri(1);
  o.Sepet().cxGrid2->SetOdakKolonu(o.Sepet().cxGrid2->KolonBul(QStringLiteral("SEC")));
  o.Sepet().cxGridDBTableView1DblClick();
  kaydet(QStringLiteral("sepet_1400.png"));
  return 0;
}
