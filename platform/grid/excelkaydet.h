#pragma once
// "Excel Kaydet": a grid written as an .xls workbook, and the save dialog that asks for the
// file name.

#include <QString>
#include <functional>

class QWidget;
class TVeriIzgarasi;

// The filter of the program's save dialogs.
QString ExcelFiltresi();  // "Excel|*.xls*"

// The path with its extension replaced by "xls" (added when it has none).
QString XlsUzantisiVer(const QString& yol);

// Writes the grid's visible columns (in the order shown, captions in the first row) and every
// row it shows after its filter and sort, groups expanded, with typed cells. Sheets hold
// 65,535 rows each; longer lists go on in further sheets. The file is replaced only when
// everything was written. On failure the Turkish message is shown with MesajGoster and
// returned in `hata`. Returns the path written (the extension forced to "xls"), or empty.
QString ExcelKaydet(TVeriIzgarasi* izgara, const QString& yol, QString* hata = nullptr);

// Save dialog: a function that shows it and returns the chosen path (empty when cancelled).
using KayitDialogu = std::function<QString(QWidget* sahip, const QString& filtre)>;
void KayitDialoguKur(KayitDialogu dialog);  // nullptr: the QFileDialog of the system
QString KayitDosyasiSor(QWidget* sahip);

// The whole button: asks for the file and writes it. Returns the written path or empty.
QString ExcelKaydetDialogla(TVeriIzgarasi* izgara, QWidget* sahip);
