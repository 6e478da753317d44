#pragma once
// Number texts of the program: display patterns ("#,###,##0.00", ",0.00 TL;-,0.00 TL" ...),
// plain number texts and their reading back, all under the program's regional settings.
//
// Nothing here depends on the C library's locale (Qt switches it to the user's locale when
// the application object is created); digits are produced with std::to_chars/from_chars.

#include <QChar>
#include <QString>
#include <stdexcept>

struct TFormatSettings {
  QChar DecimalSeparator;
  QChar ThousandSeparator;

  static TFormatSettings Turkce();     // "," decimals, "." thousands
  static TFormatSettings Ingilizce();  // "." decimals, "," thousands
  friend bool operator==(const TFormatSettings&, const TFormatSettings&) = default;
};

// A text that is not a number.
class EDonusumHatasi : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The program's regional settings: taken from the user's locale on first use (Turkish when
// the system offers only C/POSIX). Set them at start-up or in tests; not meant to change while
// other threads format numbers.
const TFormatSettings& BicimAyarlari();
void BicimAyarlariKur(const TFormatSettings& ayarlar);
TFormatSettings SistemBicimAyarlari();  // what the user's locale gives, without storing it

// Formats v with a display pattern: '0' digit, '#' optional digit, '.' decimal point, ','
// anywhere in the integer part groups thousands, "..." and '...' literal text, other
// characters literal; up to three sections "positive;negative;zero" (the negative section
// shows the value without its sign). Rounds halves away from zero on the value's
// 15-significant-digit decimal form. An empty pattern gives FloatToStr.
QString FormatFloat(const QString& desen, double v, const TFormatSettings& ayarlar = BicimAyarlari());

// Shortest decimal text with at most 15 significant digits: 3, 5,5, 0,1, 1E20.
QString FloatToStr(double v, const TFormatSettings& ayarlar = BicimAyarlari());

// Fixed decimals without grouping, as the "%f" of a format text: FormatF(1234.5, 2) = "1234,50".
QString FormatF(double v, int ondalik = 2, const TFormatSettings& ayarlar = BicimAyarlari());

// Reads a number written with the settings' decimal separator (no thousands separators):
// optional spaces around, sign, digits, decimals, exponent. ",5" and "-,50" read as well.
double StrToFloat(const QString& metin, const TFormatSettings& ayarlar = BicimAyarlari());
bool TryStrToFloat(const QString& metin, double& sonuc, const TFormatSettings& ayarlar = BicimAyarlari());

// Rounds an amount to two decimals the way every amount of the program is rounded: format
// with "#,###,##.00", drop the thousands separators, read back. Non-finite values come back
// unchanged.
double IkiHaneYuvarla(double x);
