#pragma once
// Data packets: the tabular results of the server's methods in their JSON form (written down in
// docs/protocol.md, "Data packet"):
//
//   {"rows":2,
//    "fields":[{"name":"STOKNO","type":"int"},{"name":"ADI","type":"text","size":60}],
//    "columns":[[1,2],["Vida",null]]}
//
// Types: "int" (32-bit), "largeint", "float", "currency", "decimal", "text", "bool", "date",
// "datetime" (both OLE day numbers), "blob" (base64). null is a null cell.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/veriseti.h"

// A malformed packet (the message is Turkish and names what is wrong).
class EPaketHatasi : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The bytes of a reply and where the packet is in them. The bytes are shared (QByteArray), so
// copying a TVeriPaketi is cheap; the caller owns them.
class TVeriPaketi {
 public:
  TVeriPaketi() = default;
  // konum: the index in the reply's top-level "result" array, -1 when the bytes are the packet.
  explicit TVeriPaketi(QByteArray bayt, int konum = -1) : bayt_(std::move(bayt)), konum_(konum) {}

  const QByteArray& Bayt() const { return bayt_; }
  int Konum() const { return konum_; }
  bool Bos() const { return bayt_.isEmpty(); }

 private:
  QByteArray bayt_;
  int konum_ = -1;
};

// Replaces the fields and rows of ds with the packet's and opens it (current record: the first).
// Controls are disabled during the fill; views hear one DataChanged. A JSON null gives a closed,
// empty data set. Throws EPaketHatasi on malformed input and leaves ds closed and empty.
void PaketiYukle(const TVeriPaketi& paket, TClientDataSet& ds);

// The whole data set as a packet.
std::string PaketYaz(const TClientDataSet& ds);

// Appends the UTF-8 text s to o as a JSON string (quotes, backslash and control characters
// escaped; everything else as it is).
void JsonMetin(std::string& o, std::string_view s);

// The type's name in the packet ("int", "text" ...), and back (false for an unknown name).
const char* PaketTurAdi(TFieldType tur);
bool PaketTuru(std::string_view ad, TFieldType& tur);

// Builds a packet without a data set: declare the fields, then append the cells of each column
// (row by row: columns 0..n-1 for each row; or column by column). Every column must end with
// the same number of cells. Values must suit the column's type (std::invalid_argument
// otherwise): Int for int/largeint (also accepted by the float kinds), Float for the float kinds
// and dates, Text for text, Bytes for blob, Bool for bool. Non-finite floats are written as null
// (JSON has no NaN). Texts that are not valid UTF-8 are repaired (U+FFFD).
class PaketYazici {
 public:
  int Alan(std::string_view ad, TFieldType tur, int boyut = 0);  // returns the column index

  void Null(int col);
  void Int(int col, std::int64_t v);
  void Float(int col, double v);
  void Text(int col, std::string_view utf8);
  void Text(int col, const QString& v);
  void Text(int col, const char* utf8) { Text(col, std::string_view(utf8)); }
  void Bytes(int col, std::string_view bayt);
  void Bool(int col, bool v);

  int AlanSayisi() const { return static_cast<int>(alanlar_.size()); }
  // Cells in a column so far.
  std::int64_t Hucre(int col) const;

  // The packet; throws std::logic_error when the columns differ in length. Empties the writer.
  std::string Bitir();

 private:
  struct AlanBilgisi {
    std::string ad;
    TFieldType tur;
    int boyut;
    // the column's cells so far, comma separated, in blocks that grow up to 1 MB (no copying
    // of what is written as the column grows)
    std::vector<std::string> parca;
    std::int64_t adet = 0;
  };
  AlanBilgisi& Sutun(int col);
  std::string& Yer(AlanBilgisi& a, std::size_t enAz);  // the block to append a cell to (with its comma)
  std::vector<AlanBilgisi> alanlar_;
};
