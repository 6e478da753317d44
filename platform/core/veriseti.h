#pragma once
// In-memory client data set: typed columns loaded from a data packet, a current record,
// local edits and a change signal for the views bound to it.
//
// Storage is columnar (one typed vector per field, texts as UTF-8 in one byte buffer with
// offsets), so 100,000 rows and more hold no heap object per cell.

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string_view>
#include <vector>

enum class TFieldType : std::uint8_t {
  ftInteger,   // 32-bit signed
  ftLargeint,  // 64-bit signed
  ftFloat,     // 64-bit floating point
  ftCurrency,  // money, kept as double
  ftBCD,       // fixed-point decimal, kept as double
  ftString,    // text
  ftBoolean,
  ftDate,      // OLE Automation date (days since 1899-12-30)
  ftDateTime,  // OLE Automation date with the time as fraction
  ftBlob       // bytes
};

class EVeriSetiHatasi : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TClientDataSet;

// A field of a data set: a handle on one column, read and written at the current record.
// Valid until the data set's fields are replaced (a new packet, Close, ClearFields).
class TField {
 public:
  const QString& FieldName() const;
  TFieldType DataType() const;
  int Index() const;
  int Size() const;  // declared text length, 0 when unknown

  const QString& DisplayFormat() const;
  void SetDisplayFormat(const QString& bicim);

  bool IsNull() const;
  int AsInteger() const;
  qint64 AsLargeInt() const;
  double AsFloat() const;
  QString AsString() const;
  bool AsBoolean() const;
  QDateTime AsDateTime() const;
  QByteArray AsBytes() const;
  QVariant Value() const;
  QString DisplayText() const;  // the value formatted with DisplayFormat (numbers) or as text

  // Writers: only between Edit and Post of the data set.
  void SetAsInteger(int v);
  void SetAsLargeInt(qint64 v);
  void SetAsFloat(double v);
  void SetAsString(const QString& v);
  void SetAsBoolean(bool v);
  void SetAsDateTime(const QDateTime& v);
  void SetValue(const QVariant& v);
  void Clear();  // set null

 private:
  friend class TClientDataSet;
  TField(TClientDataSet* ds, int index);
  TClientDataSet* ds_;
  int index_;
};

class TClientDataSet : public QObject {
  Q_OBJECT
 public:
  explicit TClientDataSet(QObject* parent = nullptr);
  ~TClientDataSet() override;

  // --- state
  bool Active() const;
  void Open();   // opens with the current fields (an empty set when none)
  void Close();  // drops fields and rows
  int RecordCount() const;
  int FieldCount() const;
  TField* Fields(int i) const;
  TField* FindField(const QString& ad) const;   // nullptr when absent (names compare case-insensitively)
  TField* FieldByName(const QString& ad) const; // throws EVeriSetiHatasi when absent

  // --- navigation (RecNo is 1-based as in the toolkit; 0 when empty)
  int RecNo() const;
  void SetRecNo(int recNo);
  bool Bof() const;
  bool Eof() const;
  void First();
  void Next();
  void Prior();
  void Last();
  bool Locate(const QString& alan, const QVariant& deger);  // exact match; moves there when found

  // --- local edits of the current record
  void Edit();
  void Post();
  void Cancel();
  bool Editing() const;

  // --- views: while controls are disabled no signal reaches them; EnableControls sends one.
  void DisableControls();
  void EnableControls();
  bool ControlsDisabled() const;

  // --- direct cell access by 0-based row and column, for grids and exports (no cursor move)
  bool IsNullAt(int row, int col) const;
  qint64 IntAt(int row, int col) const;      // integer, large integer, Boolean
  double FloatAt(int row, int col) const;    // any numeric or date field
  QString TextAt(int row, int col) const;    // text fields; other kinds as plain text
  std::string_view Utf8At(int row, int col) const;  // text and blob bytes as held ("" otherwise); valid until the next change
  QVariant ValueAt(int row, int col) const;
  QString DisplayTextAt(int row, int col) const;

  // --- building (packet decoder, tests, server side)
  void ClearFields();                                       // closed, no fields, no rows
  int AddField(const QString& ad, TFieldType tur, int boyut = 0);
  void Reserve(int satir);
  void ReserveBytes(int col, std::size_t bayt);             // room for the texts/bytes of a column

  // Raw cells of a numeric column for bulk fills (the packet reader): the typed values and the
  // null bits (bit set = null) of all rows; only the vector of the column's type is given.
  // Valid until rows or fields change; writing through it sends no signal.
  struct HamSutun {
    std::uint64_t* bos = nullptr;
    std::int32_t* i32 = nullptr;   // ftInteger
    std::int64_t* i64 = nullptr;   // ftLargeint
    double* f = nullptr;           // float, currency, decimal, dates
    std::uint8_t* b = nullptr;     // ftBoolean
  };
  HamSutun HamYazim(int col);
  // Texts of a text or blob column in bulk (the packet reader), for rows that are still null:
  // room for `bayt` more bytes behind the column's buffer; copy each cell to yer, note its start
  // (konum) and length, then give the bytes used back with HamMetinBitir before any other change.
  struct HamMetin {
    std::uint64_t* bos = nullptr;
    std::uint32_t* bas = nullptr;
    std::uint32_t* uz = nullptr;
    char* yer = nullptr;          // where the next cell's bytes go
    std::size_t kalan = 0;        // bytes of room left at yer
    std::uint32_t konum = 0;      // position of yer in the column's buffer
  };
  HamMetin HamMetinYazim(int col, std::size_t bayt);
  void HamMetinBitir(int col, const HamMetin& h);
  int AppendRow();                                          // a row of nulls; returns its index
  int AppendRows(int adet);                                 // adet rows of nulls; returns the first index
  void SetNullAt(int row, int col);
  void SetIntAt(int row, int col, qint64 v);
  void SetFloatAt(int row, int col, double v);
  void SetTextAt(int row, int col, QStringView v);
  void SetUtf8At(int row, int col, const char* p, std::size_t n);
  void SetBytesAt(int row, int col, const QByteArray& v);

  // Rough bytes held by the rows (for benchmarks).
  std::size_t BellekKullanimi() const;

  // Direct cell writers mark the change; while controls are enabled AppendRow(s) sends
  // DataChanged and the Set...At writers RecordChanged(row). Bulk fills should run between
  // DisableControls and EnableControls so that views hear of them once.
  //
  // Not thread-safe: one thread at a time. A worker may fill a data set that no view reads
  // (controls disabled, grid detached) and hand it back to the main thread.

 signals:
  // Fields or rows were replaced (load, open, close, or any change while controls were disabled).
  void DataChanged();
  // One record was posted or one cell written (row: 0-based).
  void RecordChanged(int row);
  // The current record moved (row: 0-based, -1 when there is none).
  void CurrentChanged(int row);

 private:
  friend class TField;
  void VeriDegisti();
  void KayitDegisti(int row);
  void KonumDegisti();
  struct Impl;
  std::unique_ptr<Impl> d;
};
