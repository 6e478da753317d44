#pragma once
// Small data sets for the grid tests.

#include <QDate>
#include <QString>
#include <memory>

#include "platform/core/oletarih.h"
#include "platform/core/sayibicim.h"
#include "platform/core/veriseti.h"

// Columns: STOKNO, ADI, MARKA, FIYAT ("#,###,##0.00"), DURUM, TARIH, SEC.
struct OrnekSatir {
  int stokno;
  const char16_t* adi;
  const char16_t* marka;
  double fiyat;
  int durum;  // -1: empty
  QDate tarih;
  int sec;
};

inline const OrnekSatir kOrnekSatirlar[] = {
    {10, u"ışık", u"Bosch", 12.5, 1, QDate(2026, 1, 5), 1},
    {11, u"Işıklı ayna", u"Valeo", 1234.5, 0, QDate(2025, 12, 31), 0},
    {12, u"İğne", u"Bosch", 3, 2, QDate(2026, 3, 1), 1},
    {13, u"çanta", u"Çelik", 7.25, -1, QDate(2026, 2, 14), 0},
    {14, u"Çekiç", u"Valeo", 100, 5, QDate(2024, 6, 30), 0},
    {15, u"armut", u"Bosch", 0.1, 3, QDate(2026, 1, 5), 1},
};

inline void OrnekAlanlar(TClientDataSet& ds) {
  ds.ClearFields();
  ds.AddField(QStringLiteral("STOKNO"), TFieldType::ftInteger);
  ds.AddField(QStringLiteral("ADI"), TFieldType::ftString, 50);
  ds.AddField(QStringLiteral("MARKA"), TFieldType::ftString, 30);
  ds.AddField(QStringLiteral("FIYAT"), TFieldType::ftFloat);
  ds.AddField(QStringLiteral("DURUM"), TFieldType::ftInteger);
  ds.AddField(QStringLiteral("TARIH"), TFieldType::ftDate);
  ds.AddField(QStringLiteral("SEC"), TFieldType::ftInteger);
}

inline void OrnekDoldur(TClientDataSet& ds) {
  OrnekAlanlar(ds);
  for (const OrnekSatir& s : kOrnekSatirlar) {
    const int r = ds.AppendRow();
    ds.SetIntAt(r, 0, s.stokno);
    ds.SetTextAt(r, 1, QString::fromUtf16(s.adi));
    ds.SetTextAt(r, 2, QString::fromUtf16(s.marka));
    ds.SetFloatAt(r, 3, s.fiyat);
    if (s.durum >= 0) ds.SetIntAt(r, 4, s.durum);
    ds.SetFloatAt(r, 5, TarihtenOle(s.tarih));
    ds.SetIntAt(r, 6, s.sec);
  }
  ds.Open();
  ds.Fields(3)->SetDisplayFormat(QStringLiteral("#,###,##0.00"));
}

// A large data set of n rows for the speed checks: texts, prices, status.
inline void BuyukDoldur(TClientDataSet& ds, int n) {
  ds.ClearFields();
  ds.AddField(QStringLiteral("STOK_STOKNO"), TFieldType::ftInteger);
  ds.AddField(QStringLiteral("BARKOD"), TFieldType::ftString, 20);
  ds.AddField(QStringLiteral("ADI"), TFieldType::ftString, 60);
  ds.AddField(QStringLiteral("MARKA"), TFieldType::ftString, 20);
  ds.AddField(QStringLiteral("LISTEFIYAT1"), TFieldType::ftFloat);
  ds.AddField(QStringLiteral("KAMPFIYAT"), TFieldType::ftFloat);
  ds.AddField(QStringLiteral("NETFIYAT"), TFieldType::ftFloat);
  ds.AddField(QStringLiteral("KDVDAHIL"), TFieldType::ftFloat);
  ds.AddField(QStringLiteral("DURUM"), TFieldType::ftInteger);
  ds.AddField(QStringLiteral("RESIM"), TFieldType::ftInteger);
  ds.AddField(QStringLiteral("Y"), TFieldType::ftInteger);
  ds.AddField(QStringLiteral("K"), TFieldType::ftInteger);
  ds.AddField(QStringLiteral("INDIRIMYAZI"), TFieldType::ftString, 30);
  ds.AddField(QStringLiteral("TEKCEKIMFIYAT"), TFieldType::ftFloat);
  ds.AddField(QStringLiteral("NAKITFIYAT"), TFieldType::ftFloat);
  ds.Reserve(n);
  static const char16_t* const kMarka[] = {u"Bosch", u"Valeo", u"Çelik", u"Mahle", u"Şahin", u"Öztürk"};
  for (int i = 0; i < n; ++i) {
    const int r = ds.AppendRow();
    ds.SetIntAt(r, 0, 100000 + i);
    ds.SetTextAt(r, 1, QStringLiteral("869%1").arg(i, 10, 10, QLatin1Char('0')));
    ds.SetTextAt(r, 2, QStringLiteral("Ürün %1 fren balatası ön takım").arg(i));
    ds.SetTextAt(r, 3, QString::fromUtf16(kMarka[i % 6]));
    const double f = 10.0 + (i % 997) * 1.37;
    ds.SetFloatAt(r, 4, f);
    ds.SetFloatAt(r, 5, (i % 3 == 0) ? f * 0.9 : 0.0);
    ds.SetFloatAt(r, 6, f * 0.8);
    ds.SetFloatAt(r, 7, f * 0.8 * 1.18);
    ds.SetIntAt(r, 8, i % 6);
    ds.SetIntAt(r, 9, i % 2);
    ds.SetIntAt(r, 10, (i % 7) == 0 ? 1 : 0);
    ds.SetIntAt(r, 11, (i % 3) == 0 ? 1 : 0);
    ds.SetTextAt(r, 12, QStringLiteral("%%%1 + %%5").arg(10 + i % 20));
    ds.SetFloatAt(r, 13, f * 0.78);
    ds.SetFloatAt(r, 14, f * 0.75);
  }
  ds.Open();
  for (int c : {4, 5, 6, 7, 13, 14}) ds.Fields(c)->SetDisplayFormat(QStringLiteral("#,###,##0.00"));
}
