// The page control of the main window: ten pages in their order, with their icons.
// The pages' content is built by the page objects of this folder.
#include <QStyle>
#include <QVBoxLayout>

#include "mainwindow/Unit1.h"
#include "mainwindow/sekmeciz.h"

namespace {
// The window's icon list, by the index the pages use.
QIcon SekmeSimgesi(const QStyle* s, int i) {
  switch (i) {
    case 1: return s->standardIcon(QStyle::SP_FileDialogListView);    // statement
    case 3: return s->standardIcon(QStyle::SP_FileDialogBack);        // earlier orders
    case 5: return s->standardIcon(QStyle::SP_MessageBoxInformation); // announcements
    case 6: return s->standardIcon(QStyle::SP_DialogApplyButton);     // campaigns
    case 7: return s->standardIcon(QStyle::SP_DirIcon);               // balances, files
    case 8: return s->standardIcon(QStyle::SP_DriveFDIcon);           // basket
    case 10: return s->standardIcon(QStyle::SP_FileDialogNewFolder);  // new stocks
    case 12: return s->standardIcon(QStyle::SP_DriveNetIcon);         // card payment
    default: return {};
  }
}
}  // namespace

void TForm1::SayfalariKur() {
  sPageControl1 = new TSayfaKontrol(this);
  sPageControl1->setObjectName(QStringLiteral("sPageControl1"));
  struct Tanim {
    QWidget** sayfa;
    const char* ad;
    const char* baslik;
    int simge;
  };
  const Tanim tanimlar[] = {
      {&sstoklistesi, "sstoklistesi", "Stok Listesi", -1},
      {&ssepet, "ssepet", "Sepet", 8},
      {&sonceki, "sonceki", "Önceki Siparişler", 3},
      {&sccariekstre, "sccariekstre", "Cari Ekstre", 1},
      {&syeniler, "syeniler", "Yeni Stoklar", 10},
      {&skampanyali, "skampanyali", "Kampanyalı Stoklar", 6},
      {&sTabSheetduyuru, "sTabSheetduyuru", "Duyurular", 5},
      {&sTabbakiyeler, "sTabbakiyeler", "Bakiyeler", 7},
      {&ss, "ss", "Sanal Pos", 12},
      {&tabdosya, "tabdosya", "Dosyalar", 7},
  };
  for (const Tanim& t : tanimlar) {
    *t.sayfa = new QWidget;
    (*t.sayfa)->setObjectName(QLatin1String(t.ad));
    auto* l = new QVBoxLayout(*t.sayfa);
    l->setContentsMargins(0, 0, 0, 0);
    sPageControl1->SayfaEkle(*t.sayfa, QString::fromUtf8(t.baslik), SekmeSimgesi(style(), t.simge));
  }
  sPageControl1->AktifAta(sstoklistesi);
}

void TForm1::SayacYaz(QWidget* sayfa, qint64 sayi, const QString& ad) { sPageControl1->SayacYaz(sayfa, sayi, ad); }
