#pragma once
// Icons and value lists of the program's icon columns, drawn in code so that they scale and
// need no picture files.

#include <QIcon>
#include <vector>

#include "platform/grid/izgarakolonu.h"

// Stock status DURUM: 0 "Yok", 1 "Var", 2 "Telefon Açınız", 3 "Yolda", 4 "Özel Sipariş",
// 5 "Tedarik Sürecinde", and an empty cell without an icon.
std::vector<TDegerOgesi> DurumDegerListesi();
QIcon DurumIkonu(int durum);  // a null icon for other values

// New mark Y: 0 "Hayır" (no icon), 1 "Evet".
std::vector<TDegerOgesi> YeniDegerListesi();
// Campaign mark K: 0 none, 1 "Evet".
std::vector<TDegerOgesi> KampanyaDegerListesi();
// Picture mark RESIM: 0 "Yok" (no icon), 1 "Var".
std::vector<TDegerOgesi> ResimDegerListesi();
// File type TUR 0 to 6: other, database, picture, document, PDF, presentation, spreadsheet.
std::vector<TDegerOgesi> DosyaTuruDegerListesi();
QIcon DosyaTuruIkonu(int tur);

QIcon IndirIkonu();     // the download button's picture
QIcon FiltreIkonu(bool etkin);  // the header's filter button
