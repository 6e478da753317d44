#pragma once
// What each account type changes on the main window. The pages' grids read the column
// flags when they build their columns.

struct TRolKurallari {
  bool musteritus = false;          // "Başka Cari Seç"
  bool raporlar = false;            // menu item "Raporlar"
  bool kalanSutunu = false;         // KALAN in the stock, new-stock, campaign and basket grids
  bool siparisSutunlari = false;    // ALINANSIPARIS and VERILENSIPARIS in the stock, new-stock and campaign grids
  bool sepetDurumSutunu = true;     // DURUM in the basket grid
  bool kampanyaSayfasi = true;      // page "Kampanyalı Stoklar"
  bool kampanyaSutunlari = true;    // K and KAMPFIYAT in the stock and new-stock grids
};

TRolKurallari RolKurallari(int musteriTipi);
