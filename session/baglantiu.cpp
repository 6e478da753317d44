#include "session/baglantiu.h"

std::span<const TAlan<TSonucBilgisi>> TSonucBilgisi::Alanlar() {
  using R = TSonucBilgisi;
  static const TAlan<R> alanlar[] = {
      TAlan<R>::Metin("FBILGISAYARID", &R::FBILGISAYARID),
      TAlan<R>::Metin("FSaticiMail", &R::FSaticiMail),
      TAlan<R>::Tamsayi("FSirano", &R::FSirano),
      TAlan<R>::Metin("FCariAdi", &R::FCariAdi),
      TAlan<R>::Metin("FSIFRE", &R::FSIFRE),
      TAlan<R>::Tamsayi("FSaticiNo", &R::FSaticiNo),
      TAlan<R>::Tamsayi("FCARINO", &R::FCARINO),
      TAlan<R>::Tamsayi("FAKTIF", &R::FAKTIF),
      TAlan<R>::Metin("FKullanicimail", &R::FKullanicimail),
      TAlan<R>::Metin("FADI", &R::FADI),
      TAlan<R>::Metin("FSaticiTelefon", &R::FSaticiTelefon),
      TAlan<R>::Metin("Fcarikod", &R::Fcarikod),
      TAlan<R>::Mantik("FVarmi", &R::FVarmi),
      TAlan<R>::Metin("FSaticiAdi", &R::FSaticiAdi),
      TAlan<R>::Metin("FBilgiSayarAdi", &R::FBilgiSayarAdi),
      TAlan<R>::Metin("FDisip", &R::FDisip),
      TAlan<R>::Metin("FIcip", &R::FIcip),
      TAlan<R>::Metin("FBilgisayarKullanici", &R::FBilgisayarKullanici),
      TAlan<R>::Tamsayi("FMusteriTipi", &R::FMusteriTipi),
      TAlan<R>::Tamsayi("FVersion", &R::FVersion),
  };
  return alanlar;
}

void TSonucBilgisi::Kopyala(const TSonucBilgisi* kaynak) {
  if (kaynak && kaynak != this) *this = *kaynak;
}

TSonucBilgisi* OturumKopyasi(const TSonucBilgisi* kaynak) {
  auto* k = new TSonucBilgisi;
  k->Kopyala(kaynak);
  return k;
}

std::span<const TAlan<TSiparisDipAyrinti>> TSiparisDipAyrinti::Alanlar() {
  using R = TSiparisDipAyrinti;
  static const TAlan<R> alanlar[] = {
      TAlan<R>::Metin("FSizinMesaj", &R::FSizinMesaj),
      TAlan<R>::Metin("FDurumu", &R::FDurumu),
      TAlan<R>::Metin("FVeren", &R::FVeren),
      TAlan<R>::Metin("FKargo", &R::FKargo),
      TAlan<R>::Metin("FBizimMesaj", &R::FBizimMesaj),
      TAlan<R>::Metin("FTeslimCinsi", &R::FTeslimCinsi),
      TAlan<R>::Metin("FKargoCinsi", &R::FKargoCinsi),
      TAlan<R>::Metin("FSaticiNotu", &R::FSaticiNotu),
  };
  return alanlar;
}

void TSiparisDipAyrinti::Kopyala(const TSiparisDipAyrinti* kaynak) {
  if (kaynak && kaynak != this) *this = *kaynak;
}

std::span<const TAlan<TTusSonuclari>> TTusSonuclari::Alanlar() {
  using R = TTusSonuclari;
  static const TAlan<R> alanlar[] = {
      TAlan<R>::Tamsayi("FAlindi", &R::FAlindi),
      TAlan<R>::Tamsayi("FOnaylandi", &R::FOnaylandi),
      TAlan<R>::Tamsayi("FParcaliHazirlandi", &R::FParcaliHazirlandi),
      TAlan<R>::Tamsayi("FSevkEdildi", &R::FSevkEdildi),
      TAlan<R>::Tamsayi("FHazirlandi", &R::FHazirlandi),
      TAlan<R>::Tamsayi("FGoruldu", &R::FGoruldu),
  };
  return alanlar;
}

void TTusSonuclari::Kopyala(const TTusSonuclari* kaynak) {
  if (kaynak && kaynak != this) *this = *kaynak;
}

