#include "platform/core/veriseti.h"

#include <QByteArray>
#include <QDate>
#include <QStringView>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <type_traits>
#include <utility>

#include "platform/core/oletarih.h"
#include "platform/core/sayibicim.h"

namespace {

bool MetinTuru(TFieldType t) { return t == TFieldType::ftString || t == TFieldType::ftBlob; }
bool TamsayiTuru(TFieldType t) {
  return t == TFieldType::ftInteger || t == TFieldType::ftLargeint || t == TFieldType::ftBoolean;
}
bool TarihTuru(TFieldType t) { return t == TFieldType::ftDate || t == TFieldType::ftDateTime; }

// Byte buffer of a text column whose growth leaves the new bytes as they are: the packet reader
// grows it by a whole column at once and fills it at once, so zero-filling would be wasted work.
template <class T>
struct IlkDegersiz : std::allocator<T> {
  using value_type = T;
  template <class U>
  struct rebind {
    using other = IlkDegersiz<U>;
  };
  IlkDegersiz() = default;
  template <class U>
  IlkDegersiz(const IlkDegersiz<U>&) noexcept {}
  template <class U>
  void construct(U* p) noexcept(std::is_nothrow_default_constructible_v<U>) {
    ::new (static_cast<void*>(p)) U;
  }
  template <class U, class... A>
  void construct(U* p, A&&... a) {
    ::new (static_cast<void*>(p)) U(std::forward<A>(a)...);
  }
};
using Tampon = std::vector<char, IlkDegersiz<char>>;

// One column: a typed value vector (only the one its type needs), null bits, and for texts
// and bytes one buffer with the start and length of every cell.
struct Sutun {
  QString ad;
  TFieldType tur = TFieldType::ftString;
  int boyut = 0;
  QString bicim;
  std::unique_ptr<TField> alan;

  std::vector<std::uint64_t> bos;  // bit set = null
  std::vector<std::int32_t> i32;   // ftInteger
  std::vector<std::int64_t> i64;   // ftLargeint
  std::vector<double> f;           // float, currency, decimal, dates
  std::vector<std::uint8_t> b;     // ftBoolean
  std::vector<std::uint32_t> bas;  // texts, bytes: start in metin
  std::vector<std::uint32_t> uz;   // texts, bytes: length
  Tampon metin;
  std::size_t atik = 0;  // bytes of metin no cell points at any more

  bool Bos(int r) const { return (bos[static_cast<std::size_t>(r) >> 6] >> (r & 63)) & 1u; }
  void BosYap(int r) { bos[static_cast<std::size_t>(r) >> 6] |= (std::uint64_t{1} << (r & 63)); }
  void DoluYap(int r) { bos[static_cast<std::size_t>(r) >> 6] &= ~(std::uint64_t{1} << (r & 63)); }

  void Buyut(int n) {  // n rows in all, new ones null
    // new rows are null; the bits past the last row are kept set as well
    bos.resize((static_cast<std::size_t>(n) + 63) / 64, ~std::uint64_t{0});
    switch (tur) {
      case TFieldType::ftInteger: i32.resize(n); break;
      case TFieldType::ftLargeint: i64.resize(n); break;
      case TFieldType::ftBoolean: b.resize(n); break;
      case TFieldType::ftString:
      case TFieldType::ftBlob:
        bas.resize(n);
        uz.resize(n);
        break;
      default: f.resize(n); break;
    }
  }

  void Ayir(int n) {
    bos.reserve((static_cast<std::size_t>(n) + 63) / 64);
    switch (tur) {
      case TFieldType::ftInteger: i32.reserve(n); break;
      case TFieldType::ftLargeint: i64.reserve(n); break;
      case TFieldType::ftBoolean: b.reserve(n); break;
      case TFieldType::ftString:
      case TFieldType::ftBlob:
        bas.reserve(n);
        uz.reserve(n);
        break;
      default: f.reserve(n); break;
    }
  }

  std::string_view Bayt(int r) const { return {metin.data() + bas[r], uz[r]}; }

  void BaytYaz(int r, const char* p, std::size_t n) {
    if (n > std::numeric_limits<std::uint32_t>::max() ||
        metin.size() + n > std::numeric_limits<std::uint32_t>::max())
      throw EVeriSetiHatasi("Metin alanı için bellek sınırı aşıldı: " + ad.toStdString());
    if (n > 0 && p >= metin.data() && p < metin.data() + metin.size()) {
      // the bytes come from this buffer (a cell copied within the column): keep them valid
      // while the buffer grows
      const std::size_t konum = static_cast<std::size_t>(p - metin.data());
      metin.reserve(metin.size() + n);
      p = metin.data() + konum;
    }
    if (!Bos(r)) atik += uz[r];
    bas[r] = static_cast<std::uint32_t>(metin.size());
    uz[r] = static_cast<std::uint32_t>(n);
    metin.insert(metin.end(), p, p + n);
    DoluYap(r);
    if (atik > (1u << 20) && atik > metin.size() / 2) Sikistir();
  }

  void Sikistir() {  // drop the bytes of overwritten cells
    Tampon yeni;
    yeni.reserve(metin.size() - atik);
    for (std::size_t r = 0; r < bas.size(); ++r) {
      if (Bos(static_cast<int>(r))) continue;
      std::uint32_t s = static_cast<std::uint32_t>(yeni.size());
      yeni.insert(yeni.end(), metin.begin() + bas[r], metin.begin() + bas[r] + uz[r]);
      bas[r] = s;
    }
    metin.swap(yeni);
    atik = 0;
  }

  std::size_t Bellek() const {
    return bos.capacity() * 8 + i32.capacity() * 4 + i64.capacity() * 8 + f.capacity() * 8 + b.capacity() +
           bas.capacity() * 4 + uz.capacity() * 4 + metin.capacity();
  }
};

QString TurAdi(TFieldType t) {
  switch (t) {
    case TFieldType::ftInteger: return QStringLiteral("tamsayı");
    case TFieldType::ftLargeint: return QStringLiteral("büyük tamsayı");
    case TFieldType::ftFloat: return QStringLiteral("ondalıklı sayı");
    case TFieldType::ftCurrency: return QStringLiteral("para");
    case TFieldType::ftBCD: return QStringLiteral("sabit ondalıklı sayı");
    case TFieldType::ftString: return QStringLiteral("metin");
    case TFieldType::ftBoolean: return QStringLiteral("mantıksal");
    case TFieldType::ftDate: return QStringLiteral("tarih");
    case TFieldType::ftDateTime: return QStringLiteral("tarih-saat");
    case TFieldType::ftBlob: return QStringLiteral("ikili veri");
  }
  return {};
}

[[noreturn]] void DonusumHatasi(const QString& deger, const QString& alan, TFieldType t) {
  throw EVeriSetiHatasi(QStringLiteral("'%1' değeri %2 alanı için geçerli bir %3 değil")
                            .arg(deger, alan, TurAdi(t))
                            .toStdString());
}

// Delphi-style date pattern to Qt's: d, m (month), y, h, n (minute), s, z.
QString TarihDeseni(const QString& desen) {
  QString q;
  q.reserve(desen.size());
  for (QChar c : desen) {
    switch (c.toLower().unicode()) {
      case 'm': q += QLatin1Char('M'); break;
      case 'n': q += QLatin1Char('m'); break;
      case 'h': q += QLatin1Char('H'); break;
      case 'd': q += QLatin1Char('d'); break;
      case 'y': q += QLatin1Char('y'); break;
      case 's': q += QLatin1Char('s'); break;
      case 'z': q += QLatin1Char('z'); break;
      default:
        if (c.isLetter()) {
          q += QLatin1Char('\'');
          q += c;
          q += QLatin1Char('\'');
        } else {
          q += c;
        }
    }
  }
  return q;
}

QString TarihMetni(TFieldType t, double ole, const QString& bicim) {
  QDateTime z = OledenTarihSaat(ole);
  if (!z.isValid()) return {};
  if (!bicim.isEmpty()) return z.toString(TarihDeseni(bicim));
  if (t == TFieldType::ftDate || z.time().msecsSinceStartOfDay() == 0)
    return z.date().toString(QStringLiteral("dd.MM.yyyy"));
  return z.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

}  // namespace

struct TClientDataSet::Impl {
  std::vector<std::unique_ptr<Sutun>> sutunlar;
  int satir = 0;
  bool aktif = false;
  int cur = -1;  // 0-based current row, -1 when empty
  bool bof = true;
  bool eof = true;
  int kapali = 0;          // DisableControls depth
  bool bekleyen = false;   // something changed while controls were disabled
  bool duzenleme = false;  // between Edit and Post/Cancel
  std::vector<QVariant> tampon;
  std::vector<bool> tamponDegisti;

  Sutun& S(int col) const {
    if (col < 0 || col >= static_cast<int>(sutunlar.size()))
      throw EVeriSetiHatasi("Alan sırası geçersiz: " + std::to_string(col));
    return *sutunlar[static_cast<std::size_t>(col)];
  }
  void Satir(int row) const {
    if (row < 0 || row >= satir) throw EVeriSetiHatasi("Kayıt sırası geçersiz: " + std::to_string(row));
  }
};

// ---------------------------------------------------------------- TField

TField::TField(TClientDataSet* ds, int index) : ds_(ds), index_(index) {}

const QString& TField::FieldName() const { return ds_->d->S(index_).ad; }
TFieldType TField::DataType() const { return ds_->d->S(index_).tur; }
int TField::Index() const { return index_; }
int TField::Size() const { return ds_->d->S(index_).boyut; }
const QString& TField::DisplayFormat() const { return ds_->d->S(index_).bicim; }
void TField::SetDisplayFormat(const QString& bicim) {
  Sutun& s = ds_->d->S(index_);
  if (s.bicim == bicim) return;
  s.bicim = bicim;
  ds_->VeriDegisti();
}

QVariant TField::Value() const {
  auto& d = *ds_->d;
  if (d.duzenleme) return d.tampon[static_cast<std::size_t>(index_)];
  if (d.cur < 0) return {};
  return ds_->ValueAt(d.cur, index_);
}

bool TField::IsNull() const { return Value().isNull(); }

int TField::AsInteger() const {
  qint64 v = AsLargeInt();
  if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
    DonusumHatasi(QString::number(v), FieldName(), TFieldType::ftInteger);
  return static_cast<int>(v);
}

qint64 TField::AsLargeInt() const {
  QVariant v = Value();
  if (v.isNull()) return 0;
  TFieldType t = DataType();
  if (TamsayiTuru(t)) return v.toLongLong();
  if (t == TFieldType::ftString) {
    bool ok = false;
    qint64 r = v.toString().trimmed().toLongLong(&ok);
    if (!ok) DonusumHatasi(v.toString(), FieldName(), TFieldType::ftLargeint);
    return r;
  }
  if (t == TFieldType::ftBlob) DonusumHatasi(QStringLiteral("(BLOB)"), FieldName(), TFieldType::ftLargeint);
  double f = AsFloat();
  if (!(std::fabs(f) < 9.2e18)) DonusumHatasi(FloatToStr(f), FieldName(), TFieldType::ftLargeint);
  return std::llround(f);
}

double TField::AsFloat() const {
  auto& d = *ds_->d;
  TFieldType t = DataType();
  if (!d.duzenleme && t != TFieldType::ftString && t != TFieldType::ftBlob)
    return d.cur < 0 ? 0.0 : ds_->FloatAt(d.cur, index_);
  QVariant v = Value();
  if (v.isNull()) return 0.0;
  if (TamsayiTuru(t)) return static_cast<double>(v.toLongLong());
  if (t == TFieldType::ftString) {
    double r = 0;
    if (!TryStrToFloat(v.toString(), r)) DonusumHatasi(v.toString(), FieldName(), TFieldType::ftFloat);
    return r;
  }
  if (t == TFieldType::ftDate) return TarihtenOle(v.toDate());
  if (t == TFieldType::ftDateTime) return TarihSaattenOle(v.toDateTime());
  if (t == TFieldType::ftBlob) DonusumHatasi(QStringLiteral("(BLOB)"), FieldName(), TFieldType::ftFloat);
  return v.toDouble();
}

QString TField::AsString() const {
  auto& d = *ds_->d;
  if (!d.duzenleme) return d.cur < 0 ? QString() : ds_->TextAt(d.cur, index_);
  QVariant v = d.tampon[static_cast<std::size_t>(index_)];
  if (v.isNull()) return {};
  switch (DataType()) {
    case TFieldType::ftString: return v.toString();
    case TFieldType::ftBlob: return QString::fromUtf8(v.toByteArray());
    case TFieldType::ftBoolean: return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case TFieldType::ftInteger:
    case TFieldType::ftLargeint: return QString::number(v.toLongLong());
    case TFieldType::ftDate: return TarihMetni(TFieldType::ftDate, TarihtenOle(v.toDate()), {});
    case TFieldType::ftDateTime:
      return TarihMetni(TFieldType::ftDateTime, TarihSaattenOle(v.toDateTime()), {});
    default: return FloatToStr(v.toDouble());
  }
}

bool TField::AsBoolean() const {
  QVariant v = Value();
  if (v.isNull()) return false;
  TFieldType t = DataType();
  if (t == TFieldType::ftBoolean) return v.toBool();
  if (t == TFieldType::ftString) {
    QString m = v.toString().trimmed();
    if (m.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || m == QLatin1String("1")) return true;
    if (m.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0 || m == QLatin1String("0")) return false;
    DonusumHatasi(m, FieldName(), TFieldType::ftBoolean);
  }
  return AsFloat() != 0.0;
}

QDateTime TField::AsDateTime() const {
  QVariant v = Value();
  if (v.isNull()) return {};
  switch (DataType()) {
    case TFieldType::ftDate: return QDateTime(v.toDate(), QTime(0, 0));
    case TFieldType::ftDateTime: return v.toDateTime();
    case TFieldType::ftString: {
      QString m = v.toString().trimmed();
      for (const char* d : {"dd.MM.yyyy HH:mm:ss", "dd.MM.yyyy HH:mm", "dd.MM.yyyy", "yyyy-MM-ddTHH:mm:ss", "yyyy-MM-dd"}) {
        QDateTime z = QDateTime::fromString(m, QString::fromLatin1(d));
        if (z.isValid()) return z;
      }
      DonusumHatasi(m, FieldName(), TFieldType::ftDateTime);
    }
    case TFieldType::ftBlob:
    case TFieldType::ftBoolean: DonusumHatasi(v.toString(), FieldName(), TFieldType::ftDateTime);
    default: return OledenTarihSaat(AsFloat());
  }
}

QByteArray TField::AsBytes() const {
  QVariant v = Value();
  if (v.isNull()) return {};
  if (DataType() == TFieldType::ftBlob) return v.toByteArray();
  return AsString().toUtf8();
}

QString TField::DisplayText() const {
  auto& d = *ds_->d;
  if (!d.duzenleme) return d.cur < 0 ? QString() : ds_->DisplayTextAt(d.cur, index_);
  if (IsNull()) return {};
  const Sutun& s = d.S(index_);
  switch (s.tur) {
    case TFieldType::ftString: return AsString();
    case TFieldType::ftBlob: return QStringLiteral("(BLOB)");
    case TFieldType::ftBoolean: return AsString();
    case TFieldType::ftDate:
    case TFieldType::ftDateTime: return TarihMetni(s.tur, AsFloat(), s.bicim);
    case TFieldType::ftInteger:
    case TFieldType::ftLargeint:
      return s.bicim.isEmpty() ? AsString() : FormatFloat(s.bicim, AsFloat());
    case TFieldType::ftCurrency:
      return FormatFloat(s.bicim.isEmpty() ? QStringLiteral("#,##0.00") : s.bicim, AsFloat());
    default: return s.bicim.isEmpty() ? FloatToStr(AsFloat()) : FormatFloat(s.bicim, AsFloat());
  }
}

namespace {
// The value v as the canonical variant of a field type (null stays null).
QVariant Kanonik(const QVariant& v, TFieldType t, const QString& alan) {
  if (!v.isValid() || v.isNull()) return {};
  bool ok = true;
  const bool metin = v.metaType().id() == QMetaType::QString;
  switch (t) {
    case TFieldType::ftInteger:
    case TFieldType::ftLargeint: {
      qint64 r = 0;
      if (metin) {
        r = v.toString().trimmed().toLongLong(&ok);
      } else if (v.metaType().id() == QMetaType::Double || v.metaType().id() == QMetaType::Float) {
        double f = v.toDouble();
        ok = std::isfinite(f) && std::fabs(f) < 9.2e18;
        r = ok ? std::llround(f) : 0;
      } else {
        r = v.toLongLong(&ok);
      }
      if (ok && t == TFieldType::ftInteger &&
          (r < std::numeric_limits<int>::min() || r > std::numeric_limits<int>::max()))
        ok = false;
      if (!ok) DonusumHatasi(v.toString(), alan, t);
      return t == TFieldType::ftInteger ? QVariant(static_cast<int>(r)) : QVariant(r);
    }
    case TFieldType::ftFloat:
    case TFieldType::ftCurrency:
    case TFieldType::ftBCD: {
      double r = 0;
      if (metin) ok = TryStrToFloat(v.toString(), r);
      else r = v.toDouble(&ok);
      if (!ok) DonusumHatasi(v.toString(), alan, t);
      return r;
    }
    case TFieldType::ftString:
      if (v.metaType().id() == QMetaType::Double) return FloatToStr(v.toDouble());
      if (v.metaType().id() == QMetaType::QByteArray) return QString::fromUtf8(v.toByteArray());
      return v.toString();
    case TFieldType::ftBlob:
      if (metin) return v.toString().toUtf8();
      return v.toByteArray();
    case TFieldType::ftBoolean:
      if (metin) {
        QString m = v.toString().trimmed();
        if (m.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || m == QLatin1String("1")) return true;
        if (m.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0 || m == QLatin1String("0")) return false;
        DonusumHatasi(m, alan, t);
      }
      return v.toBool();
    case TFieldType::ftDate:
    case TFieldType::ftDateTime: {
      QDateTime z;
      switch (v.metaType().id()) {
        case QMetaType::QDate: z = QDateTime(v.toDate(), QTime(0, 0)); break;
        case QMetaType::QDateTime: z = v.toDateTime(); break;
        case QMetaType::Double:
        case QMetaType::Int:
        case QMetaType::LongLong: z = OledenTarihSaat(v.toDouble()); break;
        default: break;
      }
      if (!z.isValid()) DonusumHatasi(v.toString(), alan, t);
      if (t == TFieldType::ftDate) return z.date();
      return z;
    }
  }
  return {};
}
}  // namespace

namespace {
void DuzenlemeGerekli(bool duzenleme) {
  if (!duzenleme) throw EVeriSetiHatasi("Veri kümesi düzenleme durumunda değil");
}
}  // namespace

void TField::SetValue(const QVariant& v) {
  auto& d = *ds_->d;
  DuzenlemeGerekli(d.duzenleme);
  const Sutun& s = d.S(index_);
  d.tampon[static_cast<std::size_t>(index_)] = Kanonik(v, s.tur, s.ad);
  d.tamponDegisti[static_cast<std::size_t>(index_)] = true;
}
void TField::SetAsInteger(int v) { SetValue(QVariant(v)); }
void TField::SetAsLargeInt(qint64 v) { SetValue(QVariant(v)); }
void TField::SetAsFloat(double v) { SetValue(QVariant(v)); }
void TField::SetAsString(const QString& v) { SetValue(QVariant(v)); }
void TField::SetAsBoolean(bool v) { SetValue(QVariant(v)); }
void TField::SetAsDateTime(const QDateTime& v) {
  if (!v.isValid()) {
    Clear();
    return;
  }
  SetValue(QVariant(v));
}
void TField::Clear() {
  auto& d = *ds_->d;
  DuzenlemeGerekli(d.duzenleme);
  d.S(index_);
  d.tampon[static_cast<std::size_t>(index_)] = QVariant();
  d.tamponDegisti[static_cast<std::size_t>(index_)] = true;
}

// ---------------------------------------------------------------- TClientDataSet

TClientDataSet::TClientDataSet(QObject* parent) : QObject(parent), d(std::make_unique<Impl>()) {}
TClientDataSet::~TClientDataSet() = default;

void TClientDataSet::VeriDegisti() {
  if (d->kapali > 0) d->bekleyen = true;
  else emit DataChanged();
}
void TClientDataSet::KayitDegisti(int row) {
  if (d->kapali > 0) d->bekleyen = true;
  else emit RecordChanged(row);
}
void TClientDataSet::KonumDegisti() {
  if (d->kapali > 0) d->bekleyen = true;
  else emit CurrentChanged(d->cur);
}

bool TClientDataSet::Active() const { return d->aktif; }

void TClientDataSet::Open() {
  if (d->aktif) return;
  d->aktif = true;
  d->cur = d->satir > 0 ? 0 : -1;
  d->bof = true;
  d->eof = d->satir == 0;
  VeriDegisti();
}

void TClientDataSet::Close() {
  bool degisti = d->aktif || !d->sutunlar.empty() || d->satir > 0;
  d->duzenleme = false;
  d->tampon.clear();
  d->tamponDegisti.clear();
  d->sutunlar.clear();
  d->satir = 0;
  d->aktif = false;
  d->cur = -1;
  d->bof = d->eof = true;
  if (degisti) VeriDegisti();
}

void TClientDataSet::ClearFields() { Close(); }

int TClientDataSet::RecordCount() const { return d->aktif ? d->satir : 0; }
int TClientDataSet::FieldCount() const { return static_cast<int>(d->sutunlar.size()); }
TField* TClientDataSet::Fields(int i) const { return d->S(i).alan.get(); }

TField* TClientDataSet::FindField(const QString& ad) const {
  for (auto& s : d->sutunlar)
    if (s->ad.compare(ad, Qt::CaseInsensitive) == 0) return s->alan.get();
  return nullptr;
}

TField* TClientDataSet::FieldByName(const QString& ad) const {
  TField* f = FindField(ad);
  if (!f) throw EVeriSetiHatasi(QStringLiteral("%1 alanı bulunamadı").arg(ad).toStdString());
  return f;
}

// ---- navigation

int TClientDataSet::RecNo() const { return d->aktif && d->cur >= 0 ? d->cur + 1 : 0; }

void TClientDataSet::SetRecNo(int recNo) {
  if (!d->aktif || d->satir == 0) return;
  if (d->duzenleme) Post();
  int yeni = std::clamp(recNo, 1, d->satir) - 1;
  d->bof = d->eof = false;
  if (yeni == d->cur) return;
  d->cur = yeni;
  KonumDegisti();
}

bool TClientDataSet::Bof() const { return !d->aktif || d->bof; }
bool TClientDataSet::Eof() const { return !d->aktif || d->eof; }

void TClientDataSet::First() {
  if (!d->aktif) return;
  if (d->duzenleme) Post();
  int eski = d->cur;
  d->cur = d->satir > 0 ? 0 : -1;
  d->bof = true;
  d->eof = d->satir == 0;
  if (eski != d->cur) KonumDegisti();
}

void TClientDataSet::Last() {
  if (!d->aktif) return;
  if (d->duzenleme) Post();
  int eski = d->cur;
  d->cur = d->satir - 1;
  d->eof = true;
  d->bof = d->satir == 0;
  if (eski != d->cur) KonumDegisti();
}

void TClientDataSet::Next() {
  if (!d->aktif) return;
  if (d->duzenleme) Post();
  if (d->cur + 1 < d->satir) {
    ++d->cur;
    d->bof = d->eof = false;
    KonumDegisti();
  } else {
    d->eof = true;
  }
}

void TClientDataSet::Prior() {
  if (!d->aktif) return;
  if (d->duzenleme) Post();
  if (d->cur > 0) {
    --d->cur;
    d->bof = d->eof = false;
    KonumDegisti();
  } else {
    d->bof = true;
  }
}

bool TClientDataSet::Locate(const QString& alan, const QVariant& deger) {
  TField* f = FieldByName(alan);
  if (!d->aktif) return false;
  const int col = f->Index();
  const Sutun& s = d->S(col);
  const bool bos = !deger.isValid() || deger.isNull();
  QVariant aranan;
  if (!bos) {
    try {
      aranan = Kanonik(deger, s.tur, s.ad);
    } catch (const EVeriSetiHatasi&) {
      return false;  // a value this field cannot hold matches no row
    }
  }
  QByteArray bayt;
  if (!bos && s.tur == TFieldType::ftString) bayt = aranan.toString().toUtf8();
  if (!bos && s.tur == TFieldType::ftBlob) bayt = aranan.toByteArray();
  const std::string_view aranBayt(bayt.constData(), static_cast<std::size_t>(bayt.size()));
  int bulunan = -1;
  for (int r = 0; r < d->satir && bulunan < 0; ++r) {
    if (s.Bos(r)) {
      if (bos) bulunan = r;
      continue;
    }
    if (bos) continue;
    switch (s.tur) {
      case TFieldType::ftInteger: bulunan = s.i32[r] == aranan.toInt() ? r : -1; break;
      case TFieldType::ftLargeint: bulunan = s.i64[r] == aranan.toLongLong() ? r : -1; break;
      case TFieldType::ftBoolean: bulunan = (s.b[r] != 0) == aranan.toBool() ? r : -1; break;
      case TFieldType::ftString:
      case TFieldType::ftBlob: bulunan = s.Bayt(r) == aranBayt ? r : -1; break;
      case TFieldType::ftDate: bulunan = s.f[r] == TarihtenOle(aranan.toDate()) ? r : -1; break;
      case TFieldType::ftDateTime:
        bulunan = OledenTarihSaat(s.f[r]) == aranan.toDateTime() ? r : -1;
        break;
      default: bulunan = s.f[r] == aranan.toDouble() ? r : -1; break;
    }
  }
  if (bulunan < 0) return false;
  if (d->duzenleme) Post();
  d->bof = d->eof = false;
  if (bulunan != d->cur) {
    d->cur = bulunan;
    KonumDegisti();
  }
  return true;
}

// ---- edits

void TClientDataSet::Edit() {
  if (!d->aktif) throw EVeriSetiHatasi("Veri kümesi kapalı");
  if (d->duzenleme) return;
  if (d->cur < 0) throw EVeriSetiHatasi("Düzenlenecek kayıt yok");
  const std::size_t n = d->sutunlar.size();
  d->tampon.assign(n, QVariant());
  d->tamponDegisti.assign(n, false);
  for (std::size_t i = 0; i < n; ++i) d->tampon[i] = ValueAt(d->cur, static_cast<int>(i));
  d->duzenleme = true;
}

void TClientDataSet::Post() {
  if (!d->duzenleme) return;
  const int row = d->cur;
  bool degisti = false;
  // Write through the cell writers without their own signals; one RecordChanged follows.
  ++d->kapali;
  bool bekleyen = d->bekleyen;
  try {
    for (std::size_t i = 0; i < d->tampon.size(); ++i) {
      if (!d->tamponDegisti[i]) continue;
      degisti = true;
      const int col = static_cast<int>(i);
      const QVariant& v = d->tampon[i];
      if (v.isNull()) {
        SetNullAt(row, col);
        continue;
      }
      switch (d->S(col).tur) {
        case TFieldType::ftInteger:
        case TFieldType::ftLargeint:
        case TFieldType::ftBoolean: SetIntAt(row, col, v.toLongLong()); break;
        case TFieldType::ftString: SetTextAt(row, col, v.toString()); break;
        case TFieldType::ftBlob: SetBytesAt(row, col, v.toByteArray()); break;
        case TFieldType::ftDate: SetFloatAt(row, col, TarihtenOle(v.toDate())); break;
        case TFieldType::ftDateTime: SetFloatAt(row, col, TarihSaattenOle(v.toDateTime())); break;
        default: SetFloatAt(row, col, v.toDouble()); break;
      }
    }
  } catch (...) {
    --d->kapali;
    d->bekleyen = bekleyen;
    throw;
  }
  --d->kapali;
  d->bekleyen = bekleyen;
  d->duzenleme = false;
  d->tampon.clear();
  d->tamponDegisti.clear();
  if (degisti) KayitDegisti(row);
}

void TClientDataSet::Cancel() {
  d->duzenleme = false;
  d->tampon.clear();
  d->tamponDegisti.clear();
}

bool TClientDataSet::Editing() const { return d->duzenleme; }

// ---- views

void TClientDataSet::DisableControls() { ++d->kapali; }

void TClientDataSet::EnableControls() {
  if (d->kapali == 0) return;
  if (--d->kapali == 0 && d->bekleyen) {
    d->bekleyen = false;
    emit DataChanged();
  }
}

bool TClientDataSet::ControlsDisabled() const { return d->kapali > 0; }

// ---- cells

bool TClientDataSet::IsNullAt(int row, int col) const {
  const Sutun& s = d->S(col);
  d->Satir(row);
  return s.Bos(row);
}

qint64 TClientDataSet::IntAt(int row, int col) const {
  const Sutun& s = d->S(col);
  d->Satir(row);
  if (s.Bos(row)) return 0;
  switch (s.tur) {
    case TFieldType::ftInteger: return s.i32[row];
    case TFieldType::ftLargeint: return s.i64[row];
    case TFieldType::ftBoolean: return s.b[row];
    case TFieldType::ftString: {
      std::string_view m = s.Bayt(row);
      bool ok = false;
      qint64 r = QByteArray::fromRawData(m.data(), static_cast<qsizetype>(m.size())).trimmed().toLongLong(&ok);
      return ok ? r : 0;
    }
    case TFieldType::ftBlob: return 0;
    default: {
      double f = s.f[row];
      return std::isfinite(f) && std::fabs(f) < 9.2e18 ? std::llround(f) : 0;
    }
  }
}

double TClientDataSet::FloatAt(int row, int col) const {
  const Sutun& s = d->S(col);
  d->Satir(row);
  if (s.Bos(row)) return 0.0;
  switch (s.tur) {
    case TFieldType::ftInteger: return s.i32[row];
    case TFieldType::ftLargeint: return static_cast<double>(s.i64[row]);
    case TFieldType::ftBoolean: return s.b[row];
    case TFieldType::ftString: {
      double r = 0;
      std::string_view m = s.Bayt(row);
      return TryStrToFloat(QString::fromUtf8(m.data(), static_cast<qsizetype>(m.size())), r) ? r : 0.0;
    }
    case TFieldType::ftBlob: return 0.0;
    default: return s.f[row];
  }
}

QString TClientDataSet::TextAt(int row, int col) const {
  const Sutun& s = d->S(col);
  d->Satir(row);
  if (s.Bos(row)) return {};
  switch (s.tur) {
    case TFieldType::ftString:
    case TFieldType::ftBlob: {
      std::string_view m = s.Bayt(row);
      return QString::fromUtf8(m.data(), static_cast<qsizetype>(m.size()));
    }
    case TFieldType::ftInteger: return QString::number(s.i32[row]);
    case TFieldType::ftLargeint: return QString::number(s.i64[row]);
    case TFieldType::ftBoolean: return s.b[row] ? QStringLiteral("True") : QStringLiteral("False");
    case TFieldType::ftDate:
    case TFieldType::ftDateTime: return TarihMetni(s.tur, s.f[row], {});
    default: return FloatToStr(s.f[row]);
  }
}

std::string_view TClientDataSet::Utf8At(int row, int col) const {
  const Sutun& s = d->S(col);
  d->Satir(row);
  if (s.Bos(row) || !MetinTuru(s.tur)) return {};
  return s.Bayt(row);
}

QVariant TClientDataSet::ValueAt(int row, int col) const {
  const Sutun& s = d->S(col);
  d->Satir(row);
  if (s.Bos(row)) return {};
  switch (s.tur) {
    case TFieldType::ftInteger: return s.i32[row];
    case TFieldType::ftLargeint: return static_cast<qlonglong>(s.i64[row]);
    case TFieldType::ftBoolean: return s.b[row] != 0;
    case TFieldType::ftString: return TextAt(row, col);
    case TFieldType::ftBlob: {
      std::string_view m = s.Bayt(row);
      return QByteArray(m.data(), static_cast<qsizetype>(m.size()));
    }
    case TFieldType::ftDate: return OledenTarih(s.f[row]);
    case TFieldType::ftDateTime: return OledenTarihSaat(s.f[row]);
    default: return s.f[row];
  }
}

QString TClientDataSet::DisplayTextAt(int row, int col) const {
  const Sutun& s = d->S(col);
  d->Satir(row);
  if (s.Bos(row)) return {};
  switch (s.tur) {
    case TFieldType::ftString:
    case TFieldType::ftBoolean: return TextAt(row, col);
    case TFieldType::ftBlob: return QStringLiteral("(BLOB)");
    case TFieldType::ftDate:
    case TFieldType::ftDateTime: return TarihMetni(s.tur, s.f[row], s.bicim);
    case TFieldType::ftInteger:
    case TFieldType::ftLargeint:
      return s.bicim.isEmpty() ? TextAt(row, col) : FormatFloat(s.bicim, FloatAt(row, col));
    case TFieldType::ftCurrency:
      return FormatFloat(s.bicim.isEmpty() ? QStringLiteral("#,##0.00") : s.bicim, s.f[row]);
    default: return s.bicim.isEmpty() ? FloatToStr(s.f[row]) : FormatFloat(s.bicim, s.f[row]);
  }
}

// ---- building

int TClientDataSet::AddField(const QString& ad, TFieldType tur, int boyut) {
  if (ad.isEmpty()) throw EVeriSetiHatasi("Alan adı boş olamaz");
  if (FindField(ad)) throw EVeriSetiHatasi(QStringLiteral("%1 alanı zaten var").arg(ad).toStdString());
  if (d->duzenleme) Cancel();
  auto s = std::make_unique<Sutun>();
  s->ad = ad;
  s->tur = tur;
  s->boyut = boyut;
  const int col = static_cast<int>(d->sutunlar.size());
  s->alan.reset(new TField(this, col));
  s->Buyut(d->satir);
  d->sutunlar.push_back(std::move(s));
  VeriDegisti();
  return col;
}

void TClientDataSet::Reserve(int satir) {
  if (satir <= 0) return;
  for (auto& s : d->sutunlar) s->Ayir(satir);
}

void TClientDataSet::ReserveBytes(int col, std::size_t bayt) {
  Sutun& s = d->S(col);
  if (MetinTuru(s.tur) && bayt <= std::numeric_limits<std::uint32_t>::max()) s.metin.reserve(s.metin.size() + bayt);
}

TClientDataSet::HamSutun TClientDataSet::HamYazim(int col) {
  Sutun& s = d->S(col);
  HamSutun h;
  h.bos = s.bos.data();
  switch (s.tur) {
    case TFieldType::ftInteger: h.i32 = s.i32.data(); break;
    case TFieldType::ftLargeint: h.i64 = s.i64.data(); break;
    case TFieldType::ftBoolean: h.b = s.b.data(); break;
    case TFieldType::ftString:
    case TFieldType::ftBlob: break;
    default: h.f = s.f.data(); break;
  }
  if (d->satir > 0) d->bekleyen = d->bekleyen || d->kapali > 0;
  return h;
}

TClientDataSet::HamMetin TClientDataSet::HamMetinYazim(int col, std::size_t bayt) {
  Sutun& s = d->S(col);
  if (!MetinTuru(s.tur)) DonusumHatasi(QStringLiteral("(BLOB)"), s.ad, s.tur);
  const std::size_t once = s.metin.size();
  if (bayt > std::numeric_limits<std::uint32_t>::max() - once)
    throw EVeriSetiHatasi("Metin alanı için bellek sınırı aşıldı: " + s.ad.toStdString());
  if (s.metin.capacity() < once + bayt) s.metin.reserve(once + bayt);  // just the room asked for
  s.metin.resize(once + bayt);  // not zero-filled (see Tampon)
  HamMetin h;
  h.bos = s.bos.data();
  h.bas = s.bas.data();
  h.uz = s.uz.data();
  h.yer = s.metin.data() + once;
  h.kalan = bayt;
  h.konum = static_cast<std::uint32_t>(once);
  if (d->satir > 0) d->bekleyen = d->bekleyen || d->kapali > 0;
  return h;
}

void TClientDataSet::HamMetinBitir(int col, const HamMetin& h) {
  Sutun& s = d->S(col);
  if (h.konum <= s.metin.size()) s.metin.resize(h.konum);
}

int TClientDataSet::AppendRows(int adet) {
  if (adet < 0 || adet > std::numeric_limits<int>::max() - d->satir)
    throw EVeriSetiHatasi("Satır sayısı geçersiz");
  const int ilk = d->satir;
  if (adet == 0) return ilk;
  for (auto& s : d->sutunlar) s->Buyut(ilk + adet);
  d->satir += adet;
  if (d->aktif && d->cur < 0) {
    d->cur = 0;
    d->bof = true;
    d->eof = false;
  }
  VeriDegisti();
  return ilk;
}

int TClientDataSet::AppendRow() { return AppendRows(1); }

void TClientDataSet::SetNullAt(int row, int col) {
  Sutun& s = d->S(col);
  d->Satir(row);
  if (s.Bos(row)) return;
  if (MetinTuru(s.tur)) s.atik += s.uz[row];
  s.BosYap(row);
  KayitDegisti(row);
}

void TClientDataSet::SetIntAt(int row, int col, qint64 v) {
  Sutun& s = d->S(col);
  d->Satir(row);
  switch (s.tur) {
    case TFieldType::ftInteger:
      if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
        DonusumHatasi(QString::number(v), s.ad, s.tur);
      s.i32[row] = static_cast<std::int32_t>(v);
      break;
    case TFieldType::ftLargeint: s.i64[row] = v; break;
    case TFieldType::ftBoolean: s.b[row] = v != 0; break;
    case TFieldType::ftString:
    case TFieldType::ftBlob: {
      std::string m = std::to_string(v);
      s.BaytYaz(row, m.data(), m.size());
      break;
    }
    default: s.f[row] = static_cast<double>(v); break;
  }
  s.DoluYap(row);
  KayitDegisti(row);
}

void TClientDataSet::SetFloatAt(int row, int col, double v) {
  Sutun& s = d->S(col);
  d->Satir(row);
  switch (s.tur) {
    case TFieldType::ftInteger:
    case TFieldType::ftLargeint:
    case TFieldType::ftBoolean:
      if (!std::isfinite(v) || std::fabs(v) >= 9.2e18) DonusumHatasi(FloatToStr(v), s.ad, s.tur);
      SetIntAt(row, col, std::llround(v));
      return;
    case TFieldType::ftString:
    case TFieldType::ftBlob: {
      QByteArray m = FloatToStr(v).toUtf8();
      s.BaytYaz(row, m.constData(), static_cast<std::size_t>(m.size()));
      break;
    }
    default: s.f[row] = v; break;
  }
  s.DoluYap(row);
  KayitDegisti(row);
}

void TClientDataSet::SetUtf8At(int row, int col, const char* p, std::size_t n) {
  Sutun& s = d->S(col);
  d->Satir(row);
  if (MetinTuru(s.tur)) {
    s.BaytYaz(row, p, n);
    KayitDegisti(row);
    return;
  }
  QVariant v = Kanonik(QString::fromUtf8(p, static_cast<qsizetype>(n)), s.tur, s.ad);
  switch (s.tur) {
    case TFieldType::ftDate: SetFloatAt(row, col, TarihtenOle(v.toDate())); break;
    case TFieldType::ftDateTime: SetFloatAt(row, col, TarihSaattenOle(v.toDateTime())); break;
    case TFieldType::ftInteger:
    case TFieldType::ftLargeint:
    case TFieldType::ftBoolean: SetIntAt(row, col, v.toLongLong()); break;
    default: SetFloatAt(row, col, v.toDouble()); break;
  }
}

void TClientDataSet::SetTextAt(int row, int col, QStringView v) {
  QByteArray u = v.toUtf8();
  SetUtf8At(row, col, u.constData(), static_cast<std::size_t>(u.size()));
}

void TClientDataSet::SetBytesAt(int row, int col, const QByteArray& v) {
  Sutun& s = d->S(col);
  d->Satir(row);
  if (!MetinTuru(s.tur)) DonusumHatasi(QStringLiteral("(BLOB)"), s.ad, s.tur);
  s.BaytYaz(row, v.constData(), static_cast<std::size_t>(v.size()));
  KayitDegisti(row);
}

std::size_t TClientDataSet::BellekKullanimi() const {
  std::size_t t = 0;
  for (auto& s : d->sutunlar) t += s->Bellek();
  return t;
}
