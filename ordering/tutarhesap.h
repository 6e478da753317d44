#pragma once
// The stock dialog's amounts as pure functions: the chained discounts of a line and the
// VAT-inclusive unit price and line total shown while the quantity or the price changes.

struct TIndirimSonucu {
  double indirimTutari = 0;  // gross less what the discounts left, not rounded
  double netTutar = 0;       // what the discounts left, rounded to two decimals
  double netBirimFiyat = 0;  // net amount / quantity, rounded; 0 when the quantity is 0
};

// Applies the rates d1..d4 one after the other, each on what the earlier ones left; a rate of
// 0 or below is skipped.
TIndirimSonucu IndirimUygula(double brut, double d1, double d2, double d3, double d4, double miktar);

struct TTutarSonucu {
  double indtutar = 0;       // discount amount for the whole quantity
  double kdvdahiltutar = 0;  // VAT-inclusive unit price after the discounts, rounded
  double geneltutar = 0;     // line total: the rounded VAT-inclusive unit price times the quantity
};

// fiyat: unit price before discounts without VAT; kdvoran: VAT rate in percent.
TTutarSonucu TutarHesapla(double fiyat, double miktar, double ind1, double ind2, double ind3, double ind4,
                          double kdvoran);
