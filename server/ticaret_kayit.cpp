// Registration of the commerce methods.

#include "ticaret_yontemleri.h"
#include "yontem.h"

void TicaretYontemleriniKaydet(YontemTablosu& t) {
  OturumYontemleriniKaydet(t);
  StokYontemleriniKaydet(t);
  SepetYontemleriniKaydet(t);
  SiparisYontemleriniKaydet(t);
  BakiyeYontemleriniKaydet(t);
}
