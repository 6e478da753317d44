#include "mainwindow/sayfayukle.h"

#include <QWidget>
#include <memory>

#include "platform/controls/mesgulgosterge.h"
#include "platform/core/veriseti.h"
#include "platform/grid/izgara.h"
#include "platform/rpc/dsbaglanti.h"
#include "session/beklesinu.h"
#include "session/proxim.h"
#include "session/utils.h"

void SayfaYukle(QObject* sahip, const TSQLConnection& bagc, TSayfaYuklemesi y) {
  if (y.mesgul) y.mesgul->Baslat();
  if (y.kilitli) y.kilitli->setEnabled(false);
  if (y.izgara) {
    if (y.izgaraAyir) y.izgara->VeriSetiniAyir();
    y.izgara->BeginUpdate();
  }

  struct Sonuc {
    bool basarili = false;
    int sayi = 0;
  };
  auto sonuc = std::make_shared<Sonuc>();
  std::shared_ptr<TSQLConnection> klon(bagc.Clone());
  auto is = std::make_shared<TSayfaYuklemesi>(std::move(y));

  Async([sonuc, klon, is] {
    if (!BaglantiAc(*klon, 0)) {
      klon->Close();
      return;
    }
    TClientDataSet& ds = *is->veri;
    bool hata = false;
    ds.DisableControls();
    try {
      TServerMethods1Client proxy(klon.get());
      if (is->cagri) is->cagri(proxy, ds);
      FloatAlanBicimle(ds);
    } catch (...) {
      hata = true;
    }
    ds.EnableControls();
    klon->Close();
    sonuc->basarili = !(hata && is->hataBasarisizlik);
    sonuc->sayi = ds.Active() ? ds.RecordCount() : 0;
  })->Await(sahip, [sonuc, is] {
    if (is->izgara) {
      if (is->izgaraAyir) is->izgara->SetVeriSeti(is->veri);
      is->izgara->EndUpdate();
    }
    if (is->kilitli) is->kilitli->setEnabled(true);
    if (is->mesgul) is->mesgul->Durdur();
    if (is->bitti) is->bitti(sonuc->sayi, sonuc->basarili);
    if (!sonuc->basarili) MesajGoster(QString::fromUtf8(BaglantiKurulamiyorMetni), mtHata, {mbOK}, mbOK);
  });
}
