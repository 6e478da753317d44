#include "platform/grid/xlsyazici.h"

#include <QBuffer>
#include <QIODevice>
#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace {
// record numbers
constexpr quint16 kBOF = 0x0809, kEOF = 0x000A, kCODEPAGE = 0x0042, kWINDOW1 = 0x003D,
                  kFONT = 0x0031, kFORMAT = 0x041E, kXF = 0x00E0, kSTYLE = 0x0293,
                  kBOUNDSHEET = 0x0085, kSST = 0x00FC, kEXTSST = 0x00FF, kCONTINUE = 0x003C,
                  kDATEMODE = 0x0022, kDIMENSIONS = 0x0200, kCOLINFO = 0x007D, kWINDOW2 = 0x023E,
                  kNUMBER = 0x0203, kLABELSST = 0x00FD;
constexpr int kKayitSiniri = 8224;  // bytes of data in one record

// cell formats (XF indexes)
constexpr quint16 kXfGenel = 15, kXfTarih = 16, kXfTarihSaat = 17, kXfKalin = 18, kXfOzel = 19;

void U8(QByteArray& b, quint8 v) { b.append(char(v)); }
void U16(QByteArray& b, quint16 v) {
  char t[2];
  qToLittleEndian(v, t);
  b.append(t, 2);
}
void U32(QByteArray& b, quint32 v) {
  char t[4];
  qToLittleEndian(v, t);
  b.append(t, 4);
}
void F64(QByteArray& b, double v) {
  quint64 u;
  std::memcpy(&u, &v, 8);
  char t[8];
  qToLittleEndian(u, t);
  b.append(t, 8);
}
void Kayit(QByteArray& b, quint16 no, const QByteArray& veri) {
  U16(b, no);
  U16(b, quint16(veri.size()));
  b.append(veri);
}
bool GenisMi(const QString& s) {
  for (QChar c : s)
    if (c.unicode() > 0xFF) return true;
  return false;
}
void Karakterler(QByteArray& b, const QString& s, bool genis) {
  for (QChar c : s) {
    if (genis) U16(b, c.unicode());
    else U8(b, quint8(c.unicode()));
  }
}
// XLUnicodeString (16-bit length) or ShortXLUnicodeString (8-bit length)
QByteArray UnicodeMetin(const QString& s, bool kisa) {
  QByteArray b;
  const bool genis = GenisMi(s);
  if (kisa) U8(b, quint8(std::min<qsizetype>(s.size(), 255)));
  else U16(b, quint16(s.size()));
  U8(b, genis ? 1 : 0);
  Karakterler(b, kisa ? s.left(255) : s, genis);
  return b;
}
QByteArray Bof(quint16 tur) {
  QByteArray v;
  U16(v, 0x0600);
  U16(v, tur);
  U16(v, 0x0DBB);
  U16(v, 0x07CC);
  U32(v, 0);
  U32(v, 0x06);
  QByteArray b;
  Kayit(b, kBOF, v);
  return b;
}
QByteArray Xf(quint16 font, quint16 bicim, bool stil) {
  QByteArray v;
  U16(v, font);
  U16(v, bicim);
  U16(v, stil ? 0xFFF5 : 0x0001);
  U8(v, 0x20);                            // general, bottom
  U8(v, 0);
  U8(v, 0);
  U8(v, stil ? 0x00 : (bicim ? 0xFC : 0xF8));  // attributes set by this format
  U32(v, 0);
  U32(v, 0);
  U16(v, 0x20C0);                         // automatic pattern colours
  return v;
}
QByteArray Font(bool kalin) {
  QByteArray v;
  U16(v, 200);                 // 10 points
  U16(v, 0);
  U16(v, 0x7FFF);              // automatic colour
  U16(v, kalin ? 700 : 400);
  U16(v, 0);
  U8(v, 0);
  U8(v, 0);
  U8(v, 0);
  U8(v, 0);
  v.append(UnicodeMetin(QStringLiteral("Arial"), true));
  return v;
}

// Builds records that may run past the record limit and go on in CONTINUE records.
class TParcaliKayit {
 public:
  TParcaliKayit(QByteArray& hedef, quint16 no, qint64 taban) : hedef_(hedef), no_(no), taban_(taban) {}
  int Kalan() const { return kKayitSiniri - int(veri_.size()); }
  void Ekle(const QByteArray& b) { veri_.append(b); }
  void Bitir() {
    Kayit(hedef_, ilk_ ? no_ : kCONTINUE, veri_);
    veri_.clear();
    ilk_ = false;
  }
  // absolute stream position and offset inside the record (with its header) of the next byte
  qint64 Konum() const { return taban_ + hedef_.size() + 4 + veri_.size(); }
  int KayitIci() const { return 4 + int(veri_.size()); }

  void MetinEkle(const QString& s) {
    const bool genis = GenisMi(s);
    const int boy = genis ? 2 : 1;
    if (Kalan() < 3 + (s.isEmpty() ? 0 : boy)) Bitir();
    U16(veri_, quint16(s.size()));
    U8(veri_, genis ? 1 : 0);
    int i = 0;
    while (i < s.size()) {
      const int sigan = Kalan() / boy;
      if (sigan == 0) {
        Bitir();
        U8(veri_, genis ? 1 : 0);  // a continued text repeats its width flag
        continue;
      }
      const int n = std::min<int>(sigan, int(s.size()) - i);
      Karakterler(veri_, s.mid(i, n), genis);
      i += n;
    }
  }

 private:
  QByteArray& hedef_;
  quint16 no_;
  qint64 taban_;
  QByteArray veri_;
  bool ilk_ = true;
};
}  // namespace

TXlsYazici::TXlsYazici() = default;

int TXlsYazici::SayfaEkle(const QString& ad) {
  TSayfa s;
  s.ad = ad.left(31);
  sayfalar_.push_back(std::move(s));
  return int(sayfalar_.size()) - 1;
}

void TXlsYazici::KolonGenisligi(int kolon, int piksel) {
  if (sayfalar_.empty() || kolon < 0 || kolon >= kEnFazlaKolon) return;
  auto& g = sayfalar_.back().genislik;
  if (int(g.size()) <= kolon) g.resize(std::size_t(kolon) + 1, 0);
  g[std::size_t(kolon)] = piksel;
}

void TXlsYazici::Hucre(int satir, int kolon) {
  if (sayfalar_.empty()) SayfaEkle(QStringLiteral("Sayfa1"));
  TSayfa& s = sayfalar_.back();
  s.sonSatir = std::max(s.sonSatir, satir);
  s.sonKolon = std::max(s.sonKolon, kolon);
}

int TXlsYazici::MetinNo(const QString& s) {
  ++metinToplam_;
  auto it = metinNo_.find(s);
  if (it != metinNo_.end()) return it.value();
  const int no = int(metinler_.size());
  metinler_.push_back(s);
  metinNo_.insert(s, no);
  return no;
}

int TXlsYazici::BicimXf(const QString& bicim) {
  if (bicim.isEmpty()) return kXfGenel;
  auto it = bicimXf_.find(bicim);
  if (it != bicimXf_.end()) return it.value();
  const int xf = kXfOzel + int(bicimler_.size());
  bicimler_.push_back(bicim);
  bicimXf_.insert(bicim, xf);
  return xf;
}

void TXlsYazici::Sayi(int satir, int kolon, double deger, const QString& bicim) {
  if (satir < 0 || satir >= kEnFazlaSatir || kolon < 0 || kolon >= kEnFazlaKolon) return;
  Hucre(satir, kolon);
  QByteArray v;
  U16(v, quint16(satir));
  U16(v, quint16(kolon));
  U16(v, quint16(BicimXf(bicim)));
  F64(v, deger);
  Kayit(sayfalar_.back().hucreler, kNUMBER, v);
}

void TXlsYazici::Metin(int satir, int kolon, const QString& metin, bool kalin) {
  if (satir < 0 || satir >= kEnFazlaSatir || kolon < 0 || kolon >= kEnFazlaKolon) return;
  Hucre(satir, kolon);
  QByteArray v;
  U16(v, quint16(satir));
  U16(v, quint16(kolon));
  U16(v, kalin ? kXfKalin : kXfGenel);
  U32(v, quint32(MetinNo(metin.left(32767))));
  Kayit(sayfalar_.back().hucreler, kLABELSST, v);
}

void TXlsYazici::Tarih(int satir, int kolon, double oleGun, bool saatli) {
  if (satir < 0 || satir >= kEnFazlaSatir || kolon < 0 || kolon >= kEnFazlaKolon) return;
  Hucre(satir, kolon);
  QByteArray v;
  U16(v, quint16(satir));
  U16(v, quint16(kolon));
  U16(v, saatli ? kXfTarihSaat : kXfTarih);
  F64(v, oleGun);
  Kayit(sayfalar_.back().hucreler, kNUMBER, v);
}

// The workbook globals; `konumYerleri` receives where each sheet's stream position is written.
QByteArray TXlsYazici::Genel(const std::vector<qint64>& sayfaKonumlari, std::vector<int>* konumYerleri) const {
  QByteArray b = Bof(0x0005);
  {
    QByteArray v;
    U16(v, 1200);  // UTF-16
    Kayit(b, kCODEPAGE, v);
  }
  {
    QByteArray v;
    U16(v, 0);
    U16(v, 0);
    U16(v, 0x3A98);
    U16(v, 0x1F40);
    U16(v, 0x0038);
    U16(v, 0);
    U16(v, 0);
    U16(v, 1);
    U16(v, 0x0258);
    Kayit(b, kWINDOW1, v);
  }
  {
    QByteArray v;
    U16(v, 0);  // days counted from 1900
    Kayit(b, kDATEMODE, v);
  }
  Kayit(b, kFONT, Font(false));
  Kayit(b, kFONT, Font(true));
  Kayit(b, kFONT, Font(false));
  Kayit(b, kFONT, Font(false));
  for (int i = 0; i < bicimler_.size(); ++i) {
    QByteArray v;
    U16(v, quint16(164 + i));
    v.append(UnicodeMetin(bicimler_[i], false));
    Kayit(b, kFORMAT, v);
  }
  for (int i = 0; i < 15; ++i) Kayit(b, kXF, Xf(0, 0, true));
  Kayit(b, kXF, Xf(0, 0, false));    // 15 general
  Kayit(b, kXF, Xf(0, 14, false));   // 16 date
  Kayit(b, kXF, Xf(0, 22, false));   // 17 date and time
  Kayit(b, kXF, Xf(1, 0, false));    // 18 bold (captions)
  for (int i = 0; i < bicimler_.size(); ++i) Kayit(b, kXF, Xf(0, quint16(164 + i), false));
  {
    QByteArray v;
    U16(v, 0x8000);
    U8(v, 0);
    U8(v, 0xFF);
    Kayit(b, kSTYLE, v);
  }
  for (std::size_t i = 0; i < sayfalar_.size(); ++i) {
    QByteArray v;
    U32(v, quint32(i < sayfaKonumlari.size() ? sayfaKonumlari[i] : 0));
    U8(v, 0);
    U8(v, 0);
    v.append(UnicodeMetin(sayfalar_[i].ad, true));
    if (konumYerleri) konumYerleri->push_back(int(b.size()) + 4);
    Kayit(b, kBOUNDSHEET, v);
  }
  // shared texts, with an index of every `adim`-th text for quick lookup
  const int n = int(metinler_.size());
  const int adim = std::max(8, (n + 127) / 128);
  QByteArray ext;
  U16(ext, quint16(adim));
  {
    TParcaliKayit sst(b, kSST, 0);
    QByteArray bas;
    U32(bas, quint32(std::min<qint64>(metinToplam_, 0xFFFFFFFF)));
    U32(bas, quint32(n));
    sst.Ekle(bas);
    for (int i = 0; i < n; ++i) {
      if (i % adim == 0) {
        if (sst.Kalan() < 3 + 2) sst.Bitir();  // the text starts in the next record
        U32(ext, quint32(sst.Konum()));
        U16(ext, quint16(sst.KayitIci()));
        U16(ext, 0);
      }
      sst.MetinEkle(metinler_[i]);
    }
    sst.Bitir();
  }
  Kayit(b, kEXTSST, ext);
  Kayit(b, kEOF, {});
  return b;
}

QByteArray TXlsYazici::SayfaBasi(const TSayfa& s, bool) const {
  QByteArray b = Bof(0x0010);
  for (std::size_t c = 0; c < s.genislik.size(); ++c) {
    if (s.genislik[c] <= 0) continue;
    QByteArray v;
    U16(v, quint16(c));
    U16(v, quint16(c));
    U16(v, quint16(std::min(65535, s.genislik[c] * 256 / 7)));
    U16(v, kXfGenel);
    U16(v, 0);
    U16(v, 0);
    Kayit(b, kCOLINFO, v);
  }
  QByteArray v;
  U32(v, 0);
  U32(v, quint32(s.sonSatir + 1));
  U16(v, 0);
  U16(v, quint16(s.sonKolon + 1));
  U16(v, 0);
  Kayit(b, kDIMENSIONS, v);
  return b;
}

QByteArray TXlsYazici::SayfaSonu(bool ilk) {
  QByteArray b;
  QByteArray v;
  U16(v, ilk ? 0x06B6 : 0x00B6);
  U16(v, 0);
  U16(v, 0);
  U16(v, 64);
  U16(v, 0);
  U16(v, 0);
  U16(v, 0);
  U32(v, 0);
  Kayit(b, kWINDOW2, v);
  Kayit(b, kEOF, {});
  return b;
}

bool TXlsYazici::Yaz(QIODevice& cihaz) const {
  TXlsYazici* self = const_cast<TXlsYazici*>(this);
  if (sayfalar_.empty()) self->SayfaEkle(QStringLiteral("Sayfa1"));
  // the globals' size does not depend on the positions written into them
  std::vector<int> yerler;
  QByteArray genel = Genel(std::vector<qint64>(sayfalar_.size(), 0), &yerler);
  QList<QByteArray> parcalar;
  std::vector<QByteArray> baslar, sonlar;
  qint64 konum = genel.size();
  for (std::size_t i = 0; i < sayfalar_.size(); ++i) {
    baslar.push_back(SayfaBasi(sayfalar_[i], i == 0));
    sonlar.push_back(SayfaSonu(i == 0));
    const qint64 k = konum;
    qToLittleEndian(quint32(k), genel.data() + yerler[i]);
    konum += baslar.back().size() + sayfalar_[i].hucreler.size() + sonlar.back().size();
  }
  parcalar << genel;
  for (std::size_t i = 0; i < sayfalar_.size(); ++i)
    parcalar << baslar[i] << sayfalar_[i].hucreler << sonlar[i];
  return BilesikDosyaYaz(cihaz, parcalar);
}

QByteArray TXlsYazici::Olustur() const {
  QByteArray b;
  QBuffer tampon(&b);
  tampon.open(QIODevice::WriteOnly);
  Yaz(tampon);
  return b;
}

// ---------------------------------------------------------------- compound file

namespace {
constexpr quint32 kSerbest = 0xFFFFFFFF, kZincirSonu = 0xFFFFFFFE, kFatSektoru = 0xFFFFFFFD,
                  kDifatSektoru = 0xFFFFFFFC;
constexpr int kSektor = 512;

QByteArray DizinGirdisi(const QString& ad, quint8 tur, quint32 cocuk, quint32 baslangic, quint32 boy) {
  QByteArray b;
  for (int i = 0; i < 32; ++i) U16(b, i < ad.size() ? ad.at(i).unicode() : 0);
  U16(b, quint16(ad.isEmpty() ? 0 : (ad.size() + 1) * 2));
  U8(b, tur);
  U8(b, 1);  // black
  U32(b, kSerbest);
  U32(b, kSerbest);
  U32(b, cocuk);
  b.append(QByteArray(16, '\0'));  // class id
  U32(b, 0);
  b.append(QByteArray(16, '\0'));  // times
  U32(b, baslangic);
  U32(b, boy);
  U32(b, 0);
  return b;
}
}  // namespace

bool BilesikDosyaYaz(QIODevice& cihaz, const QList<QByteArray>& akisParcalari) {
  qint64 uzunluk = 0;
  for (const QByteArray& p : akisParcalari) uzunluk += p.size();
  const qint64 akisBoyu = std::max<qint64>(uzunluk, 4096);  // smaller streams would go to the mini stream
  if (akisBoyu > 0x7FFFFFFFLL) return false;
  const quint32 w = quint32((akisBoyu + kSektor - 1) / kSektor);
  quint32 f = 1, d = 0;
  for (;;) {
    const quint32 toplam = w + f + d + 1;
    const quint32 f2 = (toplam + 127) / 128;
    const quint32 d2 = f2 > 109 ? (f2 - 109 + 126) / 127 : 0;
    if (f2 == f && d2 == d) break;
    f = f2;
    d = d2;
  }
  const quint32 fatIlk = w, difatIlk = w + f, dizin = w + f + d;

  QByteArray bas;
  bas.append(QByteArray::fromHex("D0CF11E0A1B11AE1"));
  bas.append(QByteArray(16, '\0'));
  U16(bas, 0x003E);
  U16(bas, 0x0003);
  U16(bas, 0xFFFE);
  U16(bas, 9);
  U16(bas, 6);
  bas.append(QByteArray(6, '\0'));
  U32(bas, 0);  // directory sectors (version 3: 0)
  U32(bas, f);
  U32(bas, dizin);
  U32(bas, 0);
  U32(bas, 4096);
  U32(bas, kZincirSonu);  // no mini FAT
  U32(bas, 0);
  U32(bas, d ? difatIlk : kZincirSonu);
  U32(bas, d);
  for (quint32 i = 0; i < 109; ++i) U32(bas, i < f ? fatIlk + i : kSerbest);
  if (cihaz.write(bas) != bas.size()) return false;

  for (const QByteArray& p : akisParcalari)
    if (!p.isEmpty() && cihaz.write(p) != p.size()) return false;
  const qint64 dolgu = qint64(w) * kSektor - uzunluk;
  if (dolgu > 0 && cihaz.write(QByteArray(int(dolgu), '\0')) != dolgu) return false;

  // FAT
  QByteArray fat;
  fat.reserve(int(f) * kSektor);
  for (quint32 i = 0; i < f * 128; ++i) {
    quint32 v = kSerbest;
    if (i < w) v = (i + 1 < w) ? i + 1 : kZincirSonu;
    else if (i < w + f) v = kFatSektoru;
    else if (i < w + f + d) v = kDifatSektoru;
    else if (i == dizin) v = kZincirSonu;
    U32(fat, v);
  }
  if (cihaz.write(fat) != fat.size()) return false;
  // DIFAT sectors: the FAT sectors past the first 109
  for (quint32 j = 0; j < d; ++j) {
    QByteArray s;
    for (quint32 i = 0; i < 127; ++i) {
      const quint32 n = 109 + j * 127 + i;
      U32(s, n < f ? fatIlk + n : kSerbest);
    }
    U32(s, j + 1 < d ? difatIlk + j + 1 : kZincirSonu);
    if (cihaz.write(s) != s.size()) return false;
  }
  // directory: root entry, the workbook stream, two empty entries
  QByteArray dz;
  dz.append(DizinGirdisi(QStringLiteral("Root Entry"), 5, 1, kZincirSonu, 0));
  dz.append(DizinGirdisi(QStringLiteral("Workbook"), 2, kSerbest, 0, quint32(akisBoyu)));
  QByteArray bos = DizinGirdisi(QString(), 0, kSerbest, 0, 0);
  dz.append(bos);
  dz.append(bos);
  return cihaz.write(dz) == dz.size();
}
