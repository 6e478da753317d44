#include "session/mobilstokunit.h"

std::span<const TAlan<TMobilCariBilgisi>> TMobilCariBilgisi::Alanlar() {
  using R = TMobilCariBilgisi;
  static const TAlan<R> alanlar[] = {
      TAlan<R>::Metin("FBILGISAYARID", &R::FBILGISAYARID),
      TAlan<R>::Metin("FSEHIR", &R::FSEHIR),
      TAlan<R>::Metin("FFAX1", &R::FFAX1),
      TAlan<R>::Metin("FSATICIMAIL", &R::FSATICIMAIL),
      TAlan<R>::Metin("FSATICIADI", &R::FSATICIADI),
      TAlan<R>::Metin("FCARIADI", &R::FCARIADI),
      TAlan<R>::Metin("FEMAIL", &R::FEMAIL),
      TAlan<R>::Metin("FVERGIDAIRESI", &R::FVERGIDAIRESI),
      TAlan<R>::Metin("FYETKILI", &R::FYETKILI),
      TAlan<R>::Metin("FAltGrup", &R::FAltGrup),
      TAlan<R>::Metin("FTEL2", &R::FTEL2),
      TAlan<R>::Metin("FSIFRE", &R::FSIFRE),
      TAlan<R>::Metin("FGSM", &R::FGSM),
      TAlan<R>::Metin("FTEL1", &R::FTEL1),
      TAlan<R>::Metin("FADRES2", &R::FADRES2),
      TAlan<R>::Ondalik("FTLBORC", &R::FTLBORC),
      TAlan<R>::Ondalik("FTLALACAK", &R::FTLALACAK),
      TAlan<R>::Metin("FADRES1", &R::FADRES1),
      TAlan<R>::Metin("FULKE", &R::FULKE),
      TAlan<R>::Metin("FAnaGrup", &R::FAnaGrup),
      TAlan<R>::Tamsayi("FCARINO", &R::FCARINO),
      TAlan<R>::Ondalik("FTLBAKIYE", &R::FTLBAKIYE),
      TAlan<R>::Metin("FVERGINO", &R::FVERGINO),
      TAlan<R>::Metin("FMAIL", &R::FMAIL),
      TAlan<R>::Metin("FOzelKod", &R::FOzelKod),
      TAlan<R>::Metin("FKULLANICIADI", &R::FKULLANICIADI),
      TAlan<R>::Metin("FSATICITELEFON", &R::FSATICITELEFON),
      TAlan<R>::Metin("FCARIKOD", &R::FCARIKOD),
      TAlan<R>::Metin("FFAX2", &R::FFAX2),
      TAlan<R>::Metin("FILCE", &R::FILCE),
  };
  return alanlar;
}

void TMobilCariBilgisi::Kopyala(const TMobilCariBilgisi* kaynak) {
  if (kaynak && kaynak != this) *this = *kaynak;
}

std::span<const TAlan<TAcilisEkran>> TAcilisEkran::Alanlar() {
  using R = TAcilisEkran;
  static const TAlan<R> alanlar[] = {
      TAlan<R>::Tamsayi("FSiraNo", &R::FSiraNo),
      TAlan<R>::Metin("FResim", &R::FResim),
      TAlan<R>::Metin("FBaslik", &R::FBaslik),
      TAlan<R>::Metin("FArama", &R::FArama),
  };
  return alanlar;
}

void TAcilisEkran::Kopyala(const TAcilisEkran* kaynak) {
  if (kaynak && kaynak != this) *this = *kaynak;
}

std::span<const TAlan<TMobilStok>> TMobilStok::Alanlar() {
  using R = TMobilStok;
  static const TAlan<R> alanlar[] = {
      TAlan<R>::Tamsayi("FStokNo", &R::FStokNo),
      TAlan<R>::Tamsayi("FResimVar", &R::FResimVar),
      TAlan<R>::Metin("FResim", &R::FResim),
      TAlan<R>::Tamsayi("FYeni", &R::FYeni),
      TAlan<R>::Metin("FDepartman", &R::FDepartman),
      TAlan<R>::Ondalik("FVerilenSiparis", &R::FVerilenSiparis),
      TAlan<R>::Metin("FAltGrup", &R::FAltGrup),
      TAlan<R>::Tamsayi("FDurum", &R::FDurum),
      TAlan<R>::Metin("FRenk", &R::FRenk),
      TAlan<R>::Metin("FBirim", &R::FBirim),
      TAlan<R>::Ondalik("FKDV", &R::FKDV),
      TAlan<R>::Ondalik("FAlinanSiparis", &R::FAlinanSiparis),
      TAlan<R>::Ondalik("FIsk2", &R::FIsk2),
      TAlan<R>::Metin("FAnaGrup", &R::FAnaGrup),
      TAlan<R>::Metin("FKod", &R::FKod),
      TAlan<R>::Ondalik("FIsk3", &R::FIsk3),
      TAlan<R>::Ondalik("FListeFiyati", &R::FListeFiyati),
      TAlan<R>::Metin("FBeden", &R::FBeden),
      TAlan<R>::Ondalik("FNetFiyat", &R::FNetFiyat),
      TAlan<R>::Ondalik("FIsk1", &R::FIsk1),
      TAlan<R>::Ondalik("FKDVliFiyat", &R::FKDVliFiyat),
      TAlan<R>::Ondalik("FIsk4", &R::FIsk4),
      TAlan<R>::Metin("FOzelKod", &R::FOzelKod),
      TAlan<R>::Tamsayi("FKampnayali", &R::FKampnayali),
      TAlan<R>::Metin("FBarkod", &R::FBarkod),
      TAlan<R>::Ondalik("FIndirimOran", &R::FIndirimOran),
      TAlan<R>::Ondalik("FKalan", &R::FKalan),
      TAlan<R>::Metin("FUreticiKod", &R::FUreticiKod),
      TAlan<R>::Ondalik("FKampanyaliFiyat", &R::FKampanyaliFiyat),
      TAlan<R>::Metin("FOemNo", &R::FOemNo),
      TAlan<R>::Tamsayi("FBarkodNo", &R::FBarkodNo),
      TAlan<R>::Metin("FPKod", &R::FPKod),
      TAlan<R>::Metin("FDpKod", &R::FDpKod),
      TAlan<R>::Metin("FAdi", &R::FAdi),
      TAlan<R>::Ondalik("FFiyat", &R::FFiyat),
  };
  return alanlar;
}

void TMobilStok::Kopyala(const TMobilStok* kaynak) {
  if (kaynak && kaynak != this) *this = *kaynak;
}

std::span<const TAlan<TMobilSepet>> TMobilSepet::Alanlar() {
  using R = TMobilSepet;
  static const TAlan<R> alanlar[] = {
      TAlan<R>::Tamsayi("FKARGOID", &R::FKARGOID),
      TAlan<R>::Tamsayi("FStokNo", &R::FStokNo),
      TAlan<R>::Ondalik("FTARIH", &R::FTARIH, TAlanTuru::Tarih),
      TAlan<R>::Tamsayi("FSIRANO", &R::FSIRANO),
      TAlan<R>::Metin("FCARIADI", &R::FCARIADI),
      TAlan<R>::Ondalik("FVERILISTARIHI", &R::FVERILISTARIHI, TAlanTuru::Tarih),
      TAlan<R>::Tamsayi("FDurum", &R::FDurum),
      TAlan<R>::Ondalik("FMIKTAR", &R::FMIKTAR),
      TAlan<R>::Tamsayi("FVERENIDNO", &R::FVERENIDNO),
      TAlan<R>::Ondalik("FNETTUTAR", &R::FNETTUTAR),
      TAlan<R>::Ondalik("FKDVLITUTAR", &R::FKDVLITUTAR),
      TAlan<R>::Ondalik("FKDV", &R::FKDV),
      TAlan<R>::Tamsayi("FAKTAR", &R::FAKTAR),
      TAlan<R>::Metin("FSAAT", &R::FSAAT),
      TAlan<R>::Ondalik("FVERGITUTARI", &R::FVERGITUTARI),
      TAlan<R>::Metin("FPKod", &R::FPKod),
      TAlan<R>::Metin("FMODEL", &R::FMODEL),
      TAlan<R>::Ondalik("FINDIRIMTUTAR", &R::FINDIRIMTUTAR),
      TAlan<R>::Tamsayi("FSTOK_STOKNO", &R::FSTOK_STOKNO),
      TAlan<R>::Ondalik("FBIRIMFIYAT", &R::FBIRIMFIYAT),
      TAlan<R>::Tamsayi("FSEC", &R::FSEC),
      TAlan<R>::Metin("FOEM2", &R::FOEM2),
      TAlan<R>::Metin("FOEM3", &R::FOEM3),
      TAlan<R>::Metin("FAnaGrup", &R::FAnaGrup),
      TAlan<R>::Metin("FMARKA", &R::FMARKA),
      TAlan<R>::Metin("FVEREN", &R::FVEREN),
      TAlan<R>::Metin("FSTOKADI", &R::FSTOKADI),
      TAlan<R>::Metin("FOEM1", &R::FOEM1),
      TAlan<R>::Tamsayi("FCARINO", &R::FCARINO),
      TAlan<R>::Tamsayi("FVERENSIRANO", &R::FVERENSIRANO),
      TAlan<R>::Tamsayi("FACIKLAMA", &R::FACIKLAMA),
      TAlan<R>::Ondalik("FINDIRIMORANI2", &R::FINDIRIMORANI2),
      TAlan<R>::Metin("FOEM4", &R::FOEM4),
      TAlan<R>::Metin("FKUR", &R::FKUR),
      TAlan<R>::Ondalik("FINDIRIMORANI3", &R::FINDIRIMORANI3),
      TAlan<R>::Tamsayi("FSIPARISNO", &R::FSIPARISNO),
      TAlan<R>::Ondalik("FIDNO", &R::FIDNO),
      TAlan<R>::Metin("FOzelKod", &R::FOzelKod),
      TAlan<R>::Metin("FDpKod", &R::FDpKod),
      TAlan<R>::Ondalik("FKURTL", &R::FKURTL),
      TAlan<R>::Ondalik("FINDIRIMORANI1", &R::FINDIRIMORANI1),
      TAlan<R>::Metin("FDIGERADI", &R::FDIGERADI),
      TAlan<R>::Metin("FBarkod", &R::FBarkod),
      TAlan<R>::Ondalik("FTUTAR", &R::FTUTAR),
      TAlan<R>::Metin("FURETICIKODU", &R::FURETICIKODU),
      TAlan<R>::Ondalik("FKalan", &R::FKalan),
      TAlan<R>::Metin("FFINISHKOD", &R::FFINISHKOD),
      TAlan<R>::Metin("FCARIKOD", &R::FCARIKOD),
      TAlan<R>::Ondalik("FNETBIRIMFIYAT", &R::FNETBIRIMFIYAT),
      TAlan<R>::Metin("FOemNo", &R::FOemNo),
      TAlan<R>::Tamsayi("FTESLIMID", &R::FTESLIMID),
      TAlan<R>::Tamsayi("FResimVar", &R::FResimVar),
      TAlan<R>::Metin("FResim", &R::FResim),
  };
  return alanlar;
}

void TMobilSepet::Kopyala(const TMobilSepet* kaynak) {
  if (kaynak && kaynak != this) *this = *kaynak;
}

void TAcilisEkranlariki::Kopyala(const TAcilisEkranlariki* kaynak) {
  if (kaynak && kaynak != this) FEkranlar = kaynak->FEkranlar;
}
