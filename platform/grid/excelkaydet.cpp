#include "platform/grid/excelkaydet.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/core/oletarih.h"
#include "platform/grid/izgara.h"
#include "platform/grid/xlsyazici.h"
#include "session/utils.h"

namespace {
KayitDialogu& Dialog() {
  static KayitDialogu d;
  return d;
}

// "Excel|*.xls*" in QFileDialog's form: "Excel (*.xls*)"
QString QtFiltresi(const QString& filtre) {
  const QStringList p = filtre.split(QLatin1Char('|'));
  QStringList sonuc;
  for (int i = 0; i + 1 < p.size(); i += 2) sonuc << QStringLiteral("%1 (%2)").arg(p[i], QString(p[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')));
  return sonuc.join(QStringLiteral(";;"));
}

struct TKolonBilgisi {
  int kolon;
  int alan;
  TFieldType tur;
  QString bicim;
};

QString Yaz(TVeriIzgarasi* izgara, TIzgaraModeli* m, TClientDataSet* ds, const QList<TIzgaraKolonu*>& kolonlar,
            const std::vector<TKolonBilgisi>& bilgi, const std::vector<int>& satirlar, const QString& hedef,
            QString* hata);

QString Hata(QString* hata, const QString& metin) {
  if (hata) *hata = metin;
  MesajGoster(metin, mtHata, TMsgDlgButtons{mbOK}, mbOK);
  return {};
}
}  // namespace

QString ExcelFiltresi() { return QStringLiteral("Excel|*.xls*"); }

QString XlsUzantisiVer(const QString& yol) {
  if (yol.isEmpty()) return yol;
  const int bolu = std::max(yol.lastIndexOf(QLatin1Char('/')), yol.lastIndexOf(QLatin1Char('\\')));
  const int nokta = yol.lastIndexOf(QLatin1Char('.'));
  const QString govde = (nokta > bolu + 1) ? yol.left(nokta) : (nokta == yol.size() - 1 ? yol.left(nokta) : yol);
  return govde + QStringLiteral(".xls");
}

QString ExcelKaydet(TVeriIzgarasi* izgara, const QString& yol, QString* hata) {
  if (hata) hata->clear();
  if (!izgara || yol.trimmed().isEmpty()) return Hata(hata, QStringLiteral("Kaydedilecek dosya adı boş."));
  const QString hedef = XlsUzantisiVer(yol);
  const QList<TIzgaraKolonu*> kolonlar = izgara->GorunurKolonlar();
  if (kolonlar.size() > TXlsYazici::kEnFazlaKolon)
    return Hata(hata, QStringLiteral("Excel dosyasına en fazla %1 kolon yazılabilir; lütfen kolon sayısını azaltın.")
                          .arg(TXlsYazici::kEnFazlaKolon));

  TIzgaraModeli* m = izgara->Model();
  TClientDataSet* ds = m->VeriSeti();
  std::vector<TKolonBilgisi> bilgi;
  for (TIzgaraKolonu* k : kolonlar) {
    TKolonBilgisi b{m->KolonIndeksi(k), -1, TFieldType::ftString, {}};
    if (ds && k->alanIndeksi >= 0 && k->alanIndeksi < ds->FieldCount()) {
      b.alan = k->alanIndeksi;
      b.tur = ds->Fields(b.alan)->DataType();
      b.bicim = ds->Fields(b.alan)->DisplayFormat();
    }
    bilgi.push_back(b);
  }

  // rows: groups expanded, each group introduced by its heading
  std::vector<int> satirlar;  // >= 0 data row, < 0 -(group + 1)
  if (m->GrupKolonu() >= 0) {
    const std::vector<int> tum = m->TumVeriSatirlari();
    std::size_t i = 0;
    for (int g = 0; g < m->GrupSayisi(); ++g) {
      satirlar.push_back(-(g + 1));
      for (int n = 0; n < m->GrupSatirSayisi(g) && i < tum.size(); ++n) satirlar.push_back(tum[i++]);
    }
  } else {
    satirlar = m->TumVeriSatirlari();
  }

  try {
    return Yaz(izgara, m, ds, kolonlar, bilgi, satirlar, hedef, hata);
  } catch (const std::exception& e) {
    return Hata(hata, QStringLiteral("Dosya kaydedilemedi: %1").arg(QString::fromUtf8(e.what())));
  }
}

namespace {
QString Yaz(TVeriIzgarasi* izgara, TIzgaraModeli* m, TClientDataSet* ds, const QList<TIzgaraKolonu*>& kolonlar,
            const std::vector<TKolonBilgisi>& bilgi, const std::vector<int>& satirlar, const QString& hedef,
            QString* hata) {
  TXlsYazici xls;
  const int satirSayisi = ds ? ds->RecordCount() : 0;
  const int sayfaBasina = TXlsYazici::kEnFazlaSatir - 1;
  const int sayfaSayisi = std::max<int>(1, int((satirlar.size() + sayfaBasina - 1) / sayfaBasina));
  std::size_t i = 0;
  for (int s = 0; s < sayfaSayisi; ++s) {
    xls.SayfaEkle(QStringLiteral("Sayfa%1").arg(s + 1));
    for (int c = 0; c < kolonlar.size(); ++c) {
      xls.KolonGenisligi(c, izgara->KolonGenisligi(kolonlar[c]));
      xls.Metin(0, c, kolonlar[c]->Baslik(), true);
    }
    for (int satir = 1; satir <= sayfaBasina && i < satirlar.size(); ++satir, ++i) {
      const int r = satirlar[i];
      if (r >= satirSayisi) continue;
      if (r < 0) {
        const int g = -r - 1;
        xls.Metin(satir, 0, m->Kolon(m->GrupKolonu())->Baslik() + QStringLiteral(": ") + m->GrupMetni(g), true);
        continue;
      }
      for (int c = 0; c < int(bilgi.size()); ++c) {
        const TKolonBilgisi& b = bilgi[std::size_t(c)];
        const TIzgaraKolonu* k = kolonlar[c];
        if (b.alan < 0) {
          if (k->MetinSaglayici()) {
            const QString t = k->MetinSaglayici()(r);
            if (!t.isEmpty()) xls.Metin(satir, c, t);
          }
          continue;
        }
        if (ds->IsNullAt(r, b.alan) || k->Tur() == TKolonTuru::Resim || k->Tur() == TKolonTuru::Dugme) continue;
        switch (b.tur) {
          case TFieldType::ftInteger:
          case TFieldType::ftLargeint:
          case TFieldType::ftBoolean:
            xls.Sayi(satir, c, double(ds->IntAt(r, b.alan)), b.bicim);
            break;
          case TFieldType::ftFloat:
          case TFieldType::ftCurrency:
          case TFieldType::ftBCD:
            xls.Sayi(satir, c, ds->FloatAt(r, b.alan), b.bicim);
            break;
          case TFieldType::ftDate:
          case TFieldType::ftDateTime: {
            const double gun = ds->FloatAt(r, b.alan);
            xls.Tarih(satir, c, gun, b.tur == TFieldType::ftDateTime && gun != std::floor(gun));
            break;
          }
          case TFieldType::ftBlob:
            break;
          default: {
            const QString t = ds->TextAt(r, b.alan);
            if (!t.isEmpty()) xls.Metin(satir, c, t);
          }
        }
      }
    }
  }

  const QFileInfo fi(hedef);
  if (!fi.absoluteDir().exists())
    return Hata(hata, QStringLiteral("Dosya kaydedilemedi: \"%1\" klasörü bulunamadı.").arg(QDir::toNativeSeparators(fi.absolutePath())));
  QSaveFile dosya(hedef);
  if (!dosya.open(QIODevice::WriteOnly))
    return Hata(hata, QStringLiteral("Dosya kaydedilemedi: \"%1\" yazılamıyor (%2).")
                          .arg(QDir::toNativeSeparators(hedef), dosya.errorString()));
  if (!xls.Yaz(dosya) || !dosya.commit()) {
    const QString neden = dosya.errorString();
    dosya.cancelWriting();
    return Hata(hata, QStringLiteral("Dosya kaydedilemedi: \"%1\" yazılırken hata oluştu (%2).")
                          .arg(QDir::toNativeSeparators(hedef), neden));
  }
  return hedef;
}

}  // namespace

void KayitDialoguKur(KayitDialogu dialog) { Dialog() = std::move(dialog); }

QString KayitDosyasiSor(QWidget* sahip) {
  if (Dialog()) return Dialog()(sahip, ExcelFiltresi());
  return QFileDialog::getSaveFileName(sahip, QStringLiteral("Excel Kaydet"), QString(), QtFiltresi(ExcelFiltresi()));
}

QString ExcelKaydetDialogla(TVeriIzgarasi* izgara, QWidget* sahip) {
  const QString yol = KayitDosyasiSor(sahip);
  if (yol.isEmpty()) return {};
  return ExcelKaydet(izgara, yol);
}
