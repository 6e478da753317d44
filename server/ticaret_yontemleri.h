#pragma once
// The commerce methods by group; TicaretYontemleriniKaydet (yontem.h) registers them all.

class YontemTablosu;

void OturumYontemleriniKaydet(YontemTablosu& t);  // BuyukGetir
void StokYontemleriniKaydet(YontemTablosu& t);    // StokAraGetirDravik, ResimVer5
void SepetYontemleriniKaydet(YontemTablosu& t);   // basket, extra discounts, overdue warning
void SiparisYontemleriniKaydet(YontemTablosu& t); // order saving, delivery/cargo kinds, history
void BakiyeYontemleriniKaydet(YontemTablosu& t);  // open order balances
