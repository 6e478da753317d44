#include "mainwindow/rolkurallari.h"

TRolKurallari RolKurallari(int musteriTipi) {
  TRolKurallari r;
  switch (musteriTipi) {
    case 1:
    case 2:
      r.musteritus = true;
      r.raporlar = true;
      r.kalanSutunu = true;
      r.siparisSutunlari = true;
      break;
    case 3:
      r.sepetDurumSutunu = false;
      break;
    case 4:
      r.kampanyaSayfasi = false;
      r.kampanyaSutunlari = false;
      break;
    default:
      break;
  }
  return r;
}
