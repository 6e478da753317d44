#include "platform/core/paket.h"

#include <simdjson.h>

#include <QByteArray>

#include <charconv>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <cmath>
#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>
#include <utility>


namespace {

struct TurAdi {
  TFieldType tur;
  const char* ad;
};
constexpr TurAdi kTurler[] = {
    {TFieldType::ftInteger, "int"},   {TFieldType::ftLargeint, "largeint"}, {TFieldType::ftFloat, "float"},
    {TFieldType::ftCurrency, "currency"}, {TFieldType::ftBCD, "decimal"}, {TFieldType::ftString, "text"},
    {TFieldType::ftBoolean, "bool"},  {TFieldType::ftDate, "date"},         {TFieldType::ftDateTime, "datetime"},
    {TFieldType::ftBlob, "blob"},
};

[[noreturn]] void Bozuk(const std::string& ne) { throw EPaketHatasi("Veri paketi bozuk: " + ne); }

struct AlanTanimi {
  QString ad;
  TFieldType tur = TFieldType::ftString;
  int boyut = 0;
};

std::string SutunAdi(const TClientDataSet& ds, int col) {
  return ds.Fields(col)->FieldName().toStdString();
}

// ---- reading
//
// The reply is read in one pass straight from its bytes (after one check of the whole reply as
// UTF-8): the cells of a column go from the text into the column's storage with nothing built
// in between. Whatever JSON does not allow is refused on the way.

namespace sj = simdjson::SIMDJSON_BUILTIN_IMPLEMENTATION;

inline bool Bosluk(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; }
inline const char* BoslukAtla(const char* p) {
  while (Bosluk(*p)) ++p;
  return p;
}
// what may end a scalar: white space, a bracket, a comma or a colon, and the end of the reply (the
// bytes after it are zero); whether it may stand there is checked by the caller
inline bool Ayrac(char c) {
  return Bosluk(c) || c == ',' || c == ']' || c == '}' || c == ':' || c == '[' || c == '{' || c == '\0';
}

inline bool Kelime(const char* p, const char (&k)[5]) { return std::memcmp(p, k, 4) == 0 && Ayrac(p[4]); }

// The closing quote of a string whose text starts at p, or nullptr when a backslash or a control
// character (which the slow path refuses) comes first.
inline const char* TirnakBul(const char* p, const char* son) {
#if defined(__SSE2__)
  const __m128i tirnak = _mm_set1_epi8('"'), ters = _mm_set1_epi8('\\'), kontrol = _mm_set1_epi8(0x1F);
  for (; p < son; p += 16) {  // the reply has padding after it: a block may read past its end
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i k = _mm_cmpeq_epi8(_mm_max_epu8(b, kontrol), kontrol);  // bytes <= 0x1F
    const unsigned m = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(b, tirnak), _mm_cmpeq_epi8(b, ters)), k)));
    if (m) {
      const char* q = p + __builtin_ctz(m);
      if (q >= son || *q != '"') return nullptr;
      return q;
    }
  }
  return nullptr;
#else
  for (; p < son; ++p) {
    if (*p == '"') return p;
    if (*p == '\\' || static_cast<unsigned char>(*p) < 0x20) return nullptr;
  }
  return nullptr;
#endif
}

inline int HexDeger(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool Hex4(const char* p, const char* son, std::uint32_t& v) {
  if (son - p < 4) return false;
  v = 0;
  for (int i = 0; i < 4; ++i) {
    const int h = HexDeger(p[i]);
    if (h < 0) return false;
    v = v * 16 + static_cast<std::uint32_t>(h);
  }
  return true;
}

void Utf8Ekle(std::string& o, std::uint32_t k) {
  if (k < 0x80) {
    o += static_cast<char>(k);
  } else if (k < 0x800) {
    o += static_cast<char>(0xC0 | (k >> 6));
    o += static_cast<char>(0x80 | (k & 0x3F));
  } else if (k < 0x10000) {
    o += static_cast<char>(0xE0 | (k >> 12));
    o += static_cast<char>(0x80 | ((k >> 6) & 0x3F));
    o += static_cast<char>(0x80 | (k & 0x3F));
  } else {
    o += static_cast<char>(0xF0 | (k >> 18));
    o += static_cast<char>(0x80 | ((k >> 12) & 0x3F));
    o += static_cast<char>(0x80 | ((k >> 6) & 0x3F));
    o += static_cast<char>(0x80 | (k & 0x3F));
  }
}

// A string with escapes (p just after the opening quote): its text into o, p after the closing quote.
bool KacisliMetin(const char*& p, const char* son, std::string& o) {
  o.clear();
  const char* q = p;
  while (q < son) {
    const char c = *q;
    if (c == '"') {
      p = q + 1;
      return true;
    }
    if (static_cast<unsigned char>(c) < 0x20) return false;  // raw control characters are not JSON
    if (c != '\\') {
      o += c;
      ++q;
      continue;
    }
    if (son - q < 2) return false;
    const char e = q[1];
    q += 2;
    switch (e) {
      case '"': o += '"'; break;
      case '\\': o += '\\'; break;
      case '/': o += '/'; break;
      case 'b': o += '\b'; break;
      case 'f': o += '\f'; break;
      case 'n': o += '\n'; break;
      case 'r': o += '\r'; break;
      case 't': o += '\t'; break;
      case 'u': {
        std::uint32_t k = 0;
        if (!Hex4(q, son, k)) return false;
        q += 4;
        if (k >= 0xD800 && k < 0xDC00) {  // high surrogate: its low half must follow
          std::uint32_t d = 0;
          if (son - q < 6 || q[0] != '\\' || q[1] != 'u' || !Hex4(q + 2, son, d) || d < 0xDC00 || d > 0xDFFF)
            return false;
          q += 6;
          k = 0x10000 + ((k - 0xD800) << 10) + (d - 0xDC00);
        } else if (k >= 0xDC00 && k <= 0xDFFF) {
          return false;  // a low half alone
        }
        Utf8Ekle(o, k);
        break;
      }
      default: return false;
    }
  }
  return false;
}

// A string cell at p (its opening quote): the text as a view (into the reply, or into tampon when
// it has escapes) and p after it; false when p holds no valid string.
inline bool MetinOku(const char*& p, const char* son, std::string& tampon, std::string_view& s) {
  if (*p != '"') return false;
  const char* bas = p + 1;
  if (const char* q = TirnakBul(bas, son)) {
    s = std::string_view(bas, static_cast<std::size_t>(q - bas));
    p = q + 1;
    return true;
  }
  const char* q = bas;
  if (!KacisliMetin(q, son, tampon)) return false;
  s = tampon;
  p = q;
  return true;
}

inline void Dolu(std::uint64_t* bos, int row) { bos[row >> 6] &= ~(std::uint64_t{1} << (row & 63)); }

// Walks the cells of a column's array at p (its '[') up to its ']', moving p after it; oku(p, row)
// reads a cell of the column's kind at p, stores it and moves p after it, or returns false when
// the cell is of another kind (then only null is accepted).
template <class Oku>
void Hucreler(const char*& p, const char* son, const TClientDataSet& ds, int col, std::int64_t satir, Oku&& oku) {
  auto okunamadi = [&] { Bozuk(SutunAdi(ds, col) + " sütunu okunamadı"); };
  p = BoslukAtla(p + 1);
  std::int64_t r = 0;
  if (*p != ']') {
    for (;;) {
      if (p >= son) okunamadi();
      if (r >= satir) Bozuk(SutunAdi(ds, col) + " sütununda satır sayısından fazla değer var");
      const int row = static_cast<int>(r++);
      if (!oku(p, row)) {
        if (!Kelime(p, "null"))
          Bozuk(SutunAdi(ds, col) + " sütununun " + std::to_string(row + 1) + ". değeri " +
                PaketTurAdi(ds.Fields(col)->DataType()) + " türüne uymuyor");
        p += 4;
      }
      p = BoslukAtla(p);
      if (*p == ',') {
        p = BoslukAtla(p + 1);
        continue;
      }
      if (*p == ']') break;
      okunamadi();
    }
  }
  if (p >= son) okunamadi();
  ++p;
  if (r != satir) Bozuk(SutunAdi(ds, col) + " sütununda satır sayısından az değer var");
}

// past a number that the number parser has accepted
inline const char* SayiSonu(const char* p) {
  while ((*p >= '0' && *p <= '9') || *p == '-' || *p == '+' || *p == '.' || *p == 'e' || *p == 'E') ++p;
  return p;
}

inline bool Rakam(char c) { return static_cast<unsigned char>(c - '0') < 10; }
inline const std::uint8_t* U8(const char* p) { return reinterpret_cast<const std::uint8_t*>(p); }

// The digits at q, up to 8 of them, read at once (no branch on their count): how many there are
// (8: perhaps more follow) and their value. Looks at 8 bytes (the reply has padding after it).
inline int SekizeKadarRakam(const char* q, std::uint64_t& deger) {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
  std::uint64_t w;
  std::memcpy(&w, q, 8);
  const std::uint64_t t = w - 0x3030303030303030ULL;  // a digit's byte becomes its value
  // bytes that are no digit get their high bit set (below '0': wrapped; above '9': +0x76 reaches it)
  const std::uint64_t degil = (t | (t + 0x7676767676767676ULL)) & 0x8080808080808080ULL;
  const int n = degil ? __builtin_ctzll(degil) >> 3 : 8;
  if (n == 0) {
    deger = 0;
    return 0;
  }
  std::uint64_t v = t << (8 * (8 - n));  // the digits to the top, zeros (leading zeros) below
  v = (v & 0x0F0F0F0F0F0F0F0FULL) * 2561 >> 8;
  v = (v & 0x00FF00FF00FF00FFULL) * 6553601 >> 16;
  deger = (v & 0x0000FFFF0000FFFFULL) * 42949672960001ULL >> 32;
  return n;
#else
  int n = 0;
  std::uint64_t v = 0;
  while (n < 8 && Rakam(q[n])) v = v * 10 + static_cast<unsigned>(q[n++] - '0');
  deger = v;
  return n;
#endif
}

constexpr std::uint64_t kOnlar[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000};

// The digits at q into v (v * 10^count + their value), q after them.
inline void Rakamlar(const char*& q, std::uint64_t& v) {
  std::uint64_t d = 0;
  const int n = SekizeKadarRakam(q, d);
  v = v * kOnlar[n] + d;
  q += n;
  if (n == 8)
    while (Rakam(*q)) v = v * 10 + static_cast<unsigned>(*q++ - '0');
}

// An integral number at p (moves p after it); false when the cell is no integral number.
inline bool TamOku(const char*& p, std::int64_t& x) {
  const char* q = p;
  const bool eksi = *q == '-';
  q += eksi;
  const char* const ilk = q;
  std::uint64_t v = 0;
  Rakamlar(q, v);
  const std::size_t n = static_cast<std::size_t>(q - ilk);
  if (n > 18) {  // near the limits: the parser's own checks
    if (sj::numberparsing::parse_integer(U8(p)).get(x) != simdjson::SUCCESS) return false;
    p = q;
    return true;
  }
  if (n == 0 || (n > 1 && *ilk == '0') || !Ayrac(*q)) return false;
  x = eksi ? -static_cast<std::int64_t>(v) : static_cast<std::int64_t>(v);
  p = q;
  return true;
}

constexpr double kOnunKuvveti[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// A number at p (moves p after it); false when the cell is no number. Plain decimals whose digits
// fit in 53 bits are divided exactly by a power of ten (correctly rounded); the rest go through
// the parser's number reader.
inline bool KesirOku(const char*& p, double& x) {
  const char* q = p;
  const bool eksi = *q == '-';
  q += eksi;
  const char* const ilk = q;
  std::uint64_t v = 0;
  Rakamlar(q, v);
  const std::size_t tamN = static_cast<std::size_t>(q - ilk);
  if (tamN == 0 || (tamN > 1 && *ilk == '0')) return false;
  std::size_t kesN = 0;
  if (*q == '.') {
    const char* const k = ++q;
    Rakamlar(q, v);  // wraps only when there are more than 19 digits: then the slow path below
    kesN = static_cast<std::size_t>(q - k);
    if (kesN == 0) return false;
  }
  if (*q == 'e' || *q == 'E' || tamN + kesN > 19 || v > (std::uint64_t{1} << 53) || kesN > 22) {
    if (sj::numberparsing::parse_double(U8(p)).get(x) != simdjson::SUCCESS) return false;
    p = SayiSonu(q);
    return true;
  }
  if (!Ayrac(*q)) return false;
  const double d = static_cast<double>(v) / kOnunKuvveti[kesN];
  x = eksi ? -d : d;
  p = q;
  return true;
}

// The reply as a cursor: p walks the bytes up to son (the end of the reply; the buffer has padding
// after it, so a few bytes may be looked at past son).
struct Imlec {
  const char* p;
  const char* son;
  std::string tampon;  // a key or text with escapes
  std::size_t oncekiMetin = 0;  // bytes of the last text column read

  void Atla() { p = BoslukAtla(p); }
  bool Bitti() const { return p >= son; }
  // a string at p (its text in s), or error ne
  std::string_view Metin(const char* ne) {
    std::string_view s;
    if (p >= son || !MetinOku(p, son, tampon, s)) Bozuk(ne);
    return s;
  }
  // ':' between a key and its value, or error ne
  void IkiNokta(const char* ne) {
    Atla();
    if (p >= son || *p != ':') Bozuk(ne);
    ++p;
    Atla();
  }
  // after a member or an element: true when another follows (',' eaten), false at the closing
  // bracket (eaten); anything else is error ne
  bool Sonraki(char kapanis, const char* ne) {
    Atla();
    if (p < son && *p == ',') {
      ++p;
      Atla();
      return true;
    }
    if (p < son && *p == kapanis) {
      ++p;
      return false;
    }
    Bozuk(ne);
  }
  // at an opening bracket: eats it; true when the object or array is empty (closing bracket eaten)
  bool Ac(char kapanis) {
    ++p;
    Atla();
    if (p < son && *p == kapanis) {
      ++p;
      return true;
    }
    return false;
  }
  // any JSON value, checked and passed over
  void DegerAtla(int derinlik = 0) {
    if (p >= son || derinlik > 1024) Bozuk("geçersiz JSON");
    const char c = *p;
    if (c == '{') {
      if (Ac('}')) return;
      do {
        Metin("geçersiz JSON");
        IkiNokta("geçersiz JSON");
        DegerAtla(derinlik + 1);
      } while (Sonraki('}', "geçersiz JSON"));
    } else if (c == '[') {
      if (Ac(']')) return;
      do DegerAtla(derinlik + 1);
      while (Sonraki(']', "geçersiz JSON"));
    } else if (c == '"') {
      Metin("geçersiz JSON");
    } else if (Kelime(p, "null") || Kelime(p, "true")) {
      p += 4;
    } else if (c == 'f' && Kelime(p + 1, "alse")) {
      p += 5;
    } else {
      SayiAtla();
    }
  }
  // a number by JSON's grammar (its size does not matter here)
  void SayiAtla() {
    const char* q = p;
    q += *q == '-';
    if (*q == '0') {
      ++q;
    } else {
      if (!Rakam(*q)) Bozuk("geçersiz JSON");
      while (Rakam(*q)) ++q;
    }
    if (*q == '.') {
      ++q;
      if (!Rakam(*q)) Bozuk("geçersiz JSON");
      while (Rakam(*q)) ++q;
    }
    if (*q == 'e' || *q == 'E') {
      ++q;
      if (*q == '+' || *q == '-') ++q;
      if (!Rakam(*q)) Bozuk("geçersiz JSON");
      while (Rakam(*q)) ++q;
    }
    if (q > son || !Ayrac(*q)) Bozuk("geçersiz JSON");
    p = q;
  }
};

void SutunCoz(Imlec& im, TClientDataSet& ds, int col, std::int64_t satir) {
  const TFieldType tur = ds.Fields(col)->DataType();
  if (im.Bitti() || *im.p != '[') Bozuk(SutunAdi(ds, col) + " sütunu bir dizi değil");
  const char* const son = im.son;
  // the texts of a column take less than the rest of the reply; the columns after it share that,
  // and a text column is likely to take about as much as the one before
  const std::size_t kalanBayt = static_cast<std::size_t>(son - im.p);
  std::size_t tahmin = kalanBayt / static_cast<std::size_t>(ds.FieldCount() - col) * 5 / 4 + 64;
  if (im.oncekiMetin > 0) tahmin = im.oncekiMetin + im.oncekiMetin / 16 + 64;
  tahmin = std::min(tahmin, kalanBayt);
  if (tur == TFieldType::ftBlob) ds.ReserveBytes(col, tahmin);
  const TClientDataSet::HamSutun h = ds.HamYazim(col);
  std::string& tampon = im.tampon;
  const char*& p = im.p;
  switch (tur) {
    case TFieldType::ftInteger:
      Hucreler(p, son, ds, col, satir, [&](const char*& p, int row) {
        std::int64_t x = 0;
        if (!TamOku(p, x)) return false;
        if (x < std::numeric_limits<std::int32_t>::min() || x > std::numeric_limits<std::int32_t>::max())
          Bozuk(SutunAdi(ds, col) + " sütununda 32 bite sığmayan sayı var");
        h.i32[row] = static_cast<std::int32_t>(x);
        Dolu(h.bos, row);
        return true;
      });
      break;
    case TFieldType::ftLargeint:
      Hucreler(p, son, ds, col, satir, [&](const char*& p, int row) {
        std::int64_t x = 0;
        if (!TamOku(p, x)) return false;
        h.i64[row] = x;
        Dolu(h.bos, row);
        return true;
      });
      break;
    case TFieldType::ftBoolean:
      Hucreler(p, son, ds, col, satir, [&](const char*& p, int row) {
        if (Kelime(p, "true")) {
          h.b[row] = 1;
          p += 4;
        } else if (*p == 'f' && Kelime(p + 1, "alse")) {
          h.b[row] = 0;
          p += 5;
        } else {
          return false;
        }
        Dolu(h.bos, row);
        return true;
      });
      break;
    case TFieldType::ftString: {
      // room for the texts at once (grown when the guess is short), filled straight from the reply
      std::size_t oda = tahmin;
      TClientDataSet::HamMetin m = ds.HamMetinYazim(col, oda);
      const std::uint32_t ilkKonum = m.konum;
      Hucreler(p, son, ds, col, satir, [&](const char*& p, int row) {
        std::string_view s;
        if (!MetinOku(p, son, tampon, s)) return false;
        if (s.size() > m.kalan) {
          // short guess: room for the rest of the rows at the bytes per row so far
          const std::size_t yazilan = m.konum - ilkKonum;
          ds.HamMetinBitir(col, m);
          const std::size_t satirBasi = yazilan / static_cast<std::size_t>(row + 1) + 1;
          oda = static_cast<std::size_t>(satir - row) * satirBasi * 17 / 16 + s.size() + 64;
          oda = std::min(oda, kalanBayt);
          m = ds.HamMetinYazim(col, oda);
        }
        if (!s.empty()) std::memcpy(m.yer, s.data(), s.size());
        m.bas[row] = m.konum;
        m.uz[row] = static_cast<std::uint32_t>(s.size());
        m.yer += s.size();
        m.kalan -= s.size();
        m.konum += static_cast<std::uint32_t>(s.size());
        Dolu(m.bos, row);
        return true;
      });
      ds.HamMetinBitir(col, m);
      im.oncekiMetin = m.konum - ilkKonum;
      break;
    }
    case TFieldType::ftBlob:
      Hucreler(p, son, ds, col, satir, [&](const char*& p, int row) {
        std::string_view s;
        if (!MetinOku(p, son, tampon, s)) return false;
        auto sonuc = QByteArray::fromBase64Encoding(QByteArray::fromRawData(s.data(), static_cast<qsizetype>(s.size())),
                                                    QByteArray::AbortOnBase64DecodingErrors);
        if (!sonuc) Bozuk(SutunAdi(ds, col) + " sütununun " + std::to_string(row + 1) + ". değeri base64 değil");
        ds.SetBytesAt(row, col, *sonuc);
        return true;
      });
      break;
    default:  // float, currency, decimal, dates
      Hucreler(p, son, ds, col, satir, [&](const char*& p, int row) {
        double x = 0;
        if (!KesirOku(p, x)) return false;
        h.f[row] = x;
        Dolu(h.bos, row);
        return true;
      });
      break;
  }
}

std::vector<AlanTanimi> AlanlariCoz(Imlec& im) {
  std::vector<AlanTanimi> alanlar;
  if (im.Bitti() || *im.p != '[') Bozuk("\"fields\" bir dizi değil");
  if (im.Ac(']')) return alanlar;
  do {
    if (im.Bitti() || *im.p != '{') Bozuk("alan tanımı bir nesne değil");
    AlanTanimi a;
    bool adVar = false, turVar = false;
    if (!im.Ac('}')) {
      do {
        const std::string anahtar(im.Metin("alan tanımı okunamadı"));
        im.IkiNokta("alan tanımı okunamadı");
        if (anahtar == "name") {
          if (im.Bitti() || *im.p != '"') Bozuk("alan adı metin değil");
          const std::string_view s = im.Metin("alan adı metin değil");
          a.ad = QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
          adVar = true;
        } else if (anahtar == "type") {
          if (im.Bitti() || *im.p != '"') Bozuk("alan türü metin değil");
          const std::string_view s = im.Metin("alan türü metin değil");
          if (!PaketTuru(s, a.tur)) Bozuk("bilinmeyen alan türü \"" + std::string(s) + "\"");
          turVar = true;
        } else if (anahtar == "size") {
          std::int64_t n = 0;
          if (!TamOku(im.p, n) || n < 0 || n > std::numeric_limits<int>::max()) Bozuk("alan boyu geçersiz");
          a.boyut = static_cast<int>(n);
        } else {
          im.DegerAtla();
        }
      } while (im.Sonraki('}', "alan tanımı okunamadı"));
    }
    if (!adVar || a.ad.isEmpty()) Bozuk("alan adı eksik");
    if (!turVar) Bozuk(a.ad.toStdString() + " alanının türü eksik");
    alanlar.push_back(std::move(a));
  } while (im.Sonraki(']', "alan tanımı okunamadı"));
  return alanlar;
}

void SutunlariCoz(Imlec& im, TClientDataSet& ds, std::int64_t satir) {
  if (im.Bitti() || *im.p != '[') Bozuk("\"columns\" bir dizi değil");
  int col = 0;
  if (!im.Ac(']')) {
    do {
      if (col >= ds.FieldCount()) Bozuk("alan sayısından fazla sütun var");
      SutunCoz(im, ds, col, satir);
      ++col;
    } while (im.Sonraki(']', "\"columns\" okunamadı"));
  }
  if (col != ds.FieldCount()) Bozuk("alan sayısından az sütun var");
}

// The packet object itself (or null) at the cursor; the cursor ends after it.
void PaketCoz(Imlec& im, TClientDataSet& ds, std::size_t bayt) {
  if (im.Bitti()) Bozuk("paket okunamadı");
  if (Kelime(im.p, "null")) {
    im.p += 4;
    return;  // no data: closed and empty
  }
  if (*im.p != '{') {
    im.DegerAtla();
    Bozuk("paket bir nesne değil");
  }

  std::int64_t satir = -1;
  bool alanVar = false, sutunVar = false;
  const char* ertelenen = nullptr;  // "columns" met before "rows" or "fields"
  auto satirlariAc = [&] {
    // every row takes at least two bytes in every column: a wrong count must not reserve memory
    if (ds.FieldCount() == 0 && satir > 0) Bozuk("alanı olmayan pakette satır olamaz");
    if (ds.FieldCount() > 0 && static_cast<std::uint64_t>(satir) > bayt / 2) Bozuk("satır sayısı paketin boyuna uymuyor");
    ds.AppendRows(static_cast<int>(satir));
  };
  if (!im.Ac('}')) {
    do {
      const std::string anahtar(im.Metin("paket okunamadı"));
      im.IkiNokta("paket okunamadı");
      if (anahtar == "rows") {
        std::int64_t n = 0;
        if (im.Bitti() || !TamOku(im.p, n) || n < 0 || n > std::numeric_limits<int>::max())
          Bozuk("\"rows\" geçersiz");
        if (satir >= 0 || sutunVar) Bozuk("\"rows\" yinelenmiş ya da yerinde değil");
        satir = n;
      } else if (anahtar == "fields") {
        if (alanVar || sutunVar) Bozuk("\"fields\" yinelenmiş ya da yerinde değil");
        for (auto& a : AlanlariCoz(im)) {
          if (ds.FindField(a.ad)) Bozuk(a.ad.toStdString() + " alanı iki kez tanımlanmış");
          ds.AddField(a.ad, a.tur, a.boyut);
        }
        alanVar = true;
      } else if (anahtar == "columns") {
        if (sutunVar || ertelenen) Bozuk("\"columns\" yinelenmiş");
        if (satir < 0 || !alanVar) {
          ertelenen = im.p;  // read after the other members
          im.DegerAtla();
          continue;
        }
        satirlariAc();
        SutunlariCoz(im, ds, satir);
        sutunVar = true;
      } else {
        im.DegerAtla();
      }
    } while (im.Sonraki('}', "paket okunamadı"));
  }
  if (satir < 0) Bozuk("\"rows\" eksik");
  if (!alanVar) Bozuk("\"fields\" eksik");
  if (ertelenen) {
    const char* const sonra = im.p;
    im.p = ertelenen;
    satirlariAc();
    SutunlariCoz(im, ds, satir);
    sutunVar = true;
    im.p = sonra;
  }
  if (!sutunVar) Bozuk("\"columns\" eksik");
  ds.Open();
}

void Coz(const TVeriPaketi& paket, TClientDataSet& ds) {
  const QByteArray& b = paket.Bayt();
  if (b.isEmpty()) Bozuk("boş yanıt");
  QByteArray paylasilan = b;  // shares the bytes; only used to learn the spare room after them
  const std::size_t boy = static_cast<std::size_t>(b.size());
  const std::size_t bosluk = static_cast<std::size_t>(std::max<qsizetype>(0, paylasilan.data_ptr().freeSpaceAtEnd()));
  // the reader looks a few bytes past the end (blocks of 16 in texts): with less room after the
  // bytes it reads a padded copy
  simdjson::padded_string kopya;
  const char* bas = b.constData();
  if (bosluk < simdjson::SIMDJSON_PADDING) {
    kopya = simdjson::padded_string(b.constData(), boy);
    bas = kopya.data();
  }
  if (!simdjson::validate_utf8(bas, boy)) Bozuk("geçersiz JSON");
  Imlec im{bas, bas + boy, {}, 0};
  im.Atla();
  if (im.Bitti()) Bozuk("geçersiz JSON");

  if (paket.Konum() < 0) {
    PaketCoz(im, ds, boy);
  } else {
    if (*im.p != '{') {
      im.DegerAtla();
      Bozuk("yanıt bir nesne değil");
    }
    bool bulundu = false, sonucVar = false;
    if (!im.Ac('}')) {
      do {
        const std::string anahtar(im.Metin("yanıt okunamadı"));
        im.IkiNokta("yanıt okunamadı");
        if (anahtar != "result") {
          im.DegerAtla();
          continue;
        }
        if (sonucVar) Bozuk("\"result\" yinelenmiş");
        sonucVar = true;
        if (im.Bitti() || *im.p != '[') Bozuk("\"result\" bir dizi değil");
        if (im.Ac(']')) continue;
        int i = 0;
        do {
          if (i++ == paket.Konum()) {
            PaketCoz(im, ds, boy);
            bulundu = true;
          } else {
            im.DegerAtla();
          }
        } while (im.Sonraki(']', "\"result\" okunamadı"));
      } while (im.Sonraki('}', "yanıt okunamadı"));
    }
    if (!sonucVar) Bozuk("yanıtta \"result\" yok");
    if (!bulundu) Bozuk("yanıtın \"result\" dizisinde " + std::to_string(paket.Konum()) + ". sırada değer yok");
  }
  im.Atla();
  if (!im.Bitti()) Bozuk("paketten sonra fazla veri var");
}

}  // namespace

// ---- writing

void JsonMetin(std::string& o, std::string_view s) {
  static const char kHex[] = "0123456789abcdef";
  o += '"';
  std::size_t bas = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (c >= 0x20 && c != '"' && c != '\\') continue;
    o.append(s.data() + bas, i - bas);
    bas = i + 1;
    switch (c) {
      case '"': o += "\\\""; break;
      case '\\': o += "\\\\"; break;
      case '\n': o += "\\n"; break;
      case '\r': o += "\\r"; break;
      case '\t': o += "\\t"; break;
      case '\b': o += "\\b"; break;
      case '\f': o += "\\f"; break;
      default:
        o += "\\u00";
        o += kHex[c >> 4];
        o += kHex[c & 15];
    }
  }
  o.append(s.data() + bas, s.size() - bas);
  o += '"';
}

namespace {

void Sayi(std::string& o, std::int64_t v) {
  char buf[24];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  o.append(buf, static_cast<std::size_t>(r.ptr - buf));
}

void Sayi(std::string& o, double v) {
  if (!std::isfinite(v)) {
    o += "null";
    return;
  }
  char buf[32];
  auto r = std::to_chars(buf, buf + sizeof buf, v);  // shortest text that reads back exactly
  o.append(buf, static_cast<std::size_t>(r.ptr - buf));
}

bool Kesirli(TFieldType t) {
  return t == TFieldType::ftFloat || t == TFieldType::ftCurrency || t == TFieldType::ftBCD ||
         t == TFieldType::ftDate || t == TFieldType::ftDateTime;
}

}  // namespace

const char* PaketTurAdi(TFieldType tur) {
  for (const auto& t : kTurler)
    if (t.tur == tur) return t.ad;
  return "?";
}

bool PaketTuru(std::string_view ad, TFieldType& tur) {
  for (const auto& t : kTurler)
    if (ad == t.ad) {
      tur = t.tur;
      return true;
    }
  return false;
}

void PaketiYukle(const TVeriPaketi& paket, TClientDataSet& ds) {
  ds.DisableControls();
  ds.ClearFields();
  try {
    Coz(paket, ds);
  } catch (const EPaketHatasi&) {
    ds.ClearFields();
    ds.EnableControls();
    throw;
  } catch (const EVeriSetiHatasi& e) {
    ds.ClearFields();
    ds.EnableControls();
    throw EPaketHatasi(std::string("Veri paketi bozuk: ") + e.what());
  } catch (const std::bad_alloc&) {
    ds.ClearFields();
    ds.EnableControls();
    throw EPaketHatasi("Veri paketi için bellek yetmedi");
  }
  ds.EnableControls();
}

// ---- PaketYazici

PaketYazici::AlanBilgisi& PaketYazici::Sutun(int col) {
  if (col < 0 || col >= static_cast<int>(alanlar_.size()))
    throw std::out_of_range("Paket sütunu geçersiz: " + std::to_string(col));
  return alanlar_[static_cast<std::size_t>(col)];
}

std::string& PaketYazici::Yer(AlanBilgisi& a, std::size_t enAz) {
  ++enAz;  // the comma
  if (a.parca.empty() || a.parca.back().capacity() - a.parca.back().size() < enAz) {
    const std::size_t onceki = a.parca.empty() ? 128 : a.parca.back().capacity();
    a.parca.emplace_back();
    a.parca.back().reserve(std::max(std::min<std::size_t>(onceki * 2, 1u << 20), enAz));
  }
  std::string& b = a.parca.back();
  if (a.adet++ > 0) b += ',';
  return b;
}

int PaketYazici::Alan(std::string_view ad, TFieldType tur, int boyut) {
  if (ad.empty()) throw std::invalid_argument("Alan adı boş olamaz");
  alanlar_.push_back(AlanBilgisi{std::string(ad), tur, boyut, {}, 0});
  return static_cast<int>(alanlar_.size()) - 1;
}

std::int64_t PaketYazici::Hucre(int col) const {
  return const_cast<PaketYazici*>(this)->Sutun(col).adet;
}

void PaketYazici::Null(int col) {
  AlanBilgisi& a = Sutun(col);
  Yer(a, 4) += "null";
}

void PaketYazici::Int(int col, std::int64_t v) {
  AlanBilgisi& a = Sutun(col);
  if (a.tur == TFieldType::ftInteger) {
    if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
      throw std::invalid_argument(a.ad + " alanı 32 bitlik tamsayı; değer sığmıyor");
  } else if (a.tur != TFieldType::ftLargeint && !Kesirli(a.tur)) {
    throw std::invalid_argument(a.ad + " alanına tamsayı yazılamaz");
  }
  Sayi(Yer(a, 32), v);
}

void PaketYazici::Float(int col, double v) {
  AlanBilgisi& a = Sutun(col);
  if (!Kesirli(a.tur)) throw std::invalid_argument(a.ad + " alanına ondalıklı sayı yazılamaz");
  Sayi(Yer(a, 32), v);
}

void PaketYazici::Text(int col, std::string_view utf8) {
  AlanBilgisi& a = Sutun(col);
  if (a.tur != TFieldType::ftString) throw std::invalid_argument(a.ad + " alanına metin yazılamaz");
  if (simdjson::validate_utf8(utf8.data(), utf8.size())) {
    JsonMetin(Yer(a, utf8.size() * 6 + 2), utf8);
  } else {
    QByteArray onarilmis = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toUtf8();
    JsonMetin(Yer(a, static_cast<std::size_t>(onarilmis.size()) * 6 + 2),
              std::string_view(onarilmis.constData(), static_cast<std::size_t>(onarilmis.size())));
  }
}

void PaketYazici::Text(int col, const QString& v) {
  QByteArray u = v.toUtf8();
  Text(col, std::string_view(u.constData(), static_cast<std::size_t>(u.size())));
}

void PaketYazici::Bytes(int col, std::string_view bayt) {
  AlanBilgisi& a = Sutun(col);
  if (a.tur != TFieldType::ftBlob) throw std::invalid_argument(a.ad + " alanına ikili veri yazılamaz");
  QByteArray b64 = QByteArray::fromRawData(bayt.data(), static_cast<qsizetype>(bayt.size())).toBase64();
  std::string& b = Yer(a, static_cast<std::size_t>(b64.size()) + 2);
  b += '"';
  b.append(b64.constData(), static_cast<std::size_t>(b64.size()));
  b += '"';
}

void PaketYazici::Bool(int col, bool v) {
  AlanBilgisi& a = Sutun(col);
  if (a.tur != TFieldType::ftBoolean) throw std::invalid_argument(a.ad + " alanına mantıksal değer yazılamaz");
  Yer(a, 5) += v ? "true" : "false";
}

std::string PaketYazici::Bitir() {
  std::int64_t satir = alanlar_.empty() ? 0 : alanlar_.front().adet;
  std::size_t boy = 64;
  for (const auto& a : alanlar_) {
    if (a.adet != satir) throw std::logic_error("Paket sütunlarının uzunlukları farklı: " + a.ad);
    boy += a.ad.size() + 48;
    for (const auto& p : a.parca) boy += p.size();
  }
  std::string o;
  o.reserve(boy);
  o += "{\"rows\":";
  Sayi(o, satir);
  o += ",\"fields\":[";
  for (std::size_t i = 0; i < alanlar_.size(); ++i) {
    const auto& a = alanlar_[i];
    if (i) o += ',';
    o += "{\"name\":";
    JsonMetin(o, a.ad);
    o += ",\"type\":\"";
    o += PaketTurAdi(a.tur);
    o += '"';
    if (a.boyut > 0) {
      o += ",\"size\":";
      Sayi(o, static_cast<std::int64_t>(a.boyut));
    }
    o += '}';
  }
  o += "],\"columns\":[";
  for (std::size_t i = 0; i < alanlar_.size(); ++i) {
    if (i) o += ',';
    o += '[';
    for (auto& p : alanlar_[i].parca) {
      o += p;
      std::string().swap(p);
    }
    o += ']';
  }
  o += "]}";
  alanlar_.clear();
  return o;
}

std::string PaketYaz(const TClientDataSet& ds) {
  PaketYazici y;
  const int alan = ds.FieldCount();
  for (int c = 0; c < alan; ++c) {
    TField* f = ds.Fields(c);
    QByteArray ad = f->FieldName().toUtf8();
    y.Alan(std::string_view(ad.constData(), static_cast<std::size_t>(ad.size())), f->DataType(), f->Size());
  }
  const int satir = ds.Active() ? ds.RecordCount() : 0;
  for (int c = 0; c < alan; ++c) {
    const TFieldType t = ds.Fields(c)->DataType();
    for (int r = 0; r < satir; ++r) {
      if (ds.IsNullAt(r, c)) {
        y.Null(c);
        continue;
      }
      switch (t) {
        case TFieldType::ftInteger:
        case TFieldType::ftLargeint: y.Int(c, ds.IntAt(r, c)); break;
        case TFieldType::ftBoolean: y.Bool(c, ds.IntAt(r, c) != 0); break;
        case TFieldType::ftString: y.Text(c, ds.Utf8At(r, c)); break;
        case TFieldType::ftBlob: y.Bytes(c, ds.Utf8At(r, c)); break;
        default: y.Float(c, ds.FloatAt(r, c)); break;
      }
    }
  }
  return y.Bitir();
}
