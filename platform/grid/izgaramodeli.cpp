#include "platform/grid/izgaramodeli.h"

#include <QLocale>
#include <QTimer>
#include <algorithm>
#include <limits>
#include <numeric>

#include "platform/grid/izgarabicim.h"

QString TurkceKucuk(const QString& s) {
  QString t = s;
  for (QChar& c : t) {
    if (c == QChar(u'I')) c = QChar(u'ı');
    else if (c == QChar(u'İ')) c = QChar(u'i');
  }
  return t.toLower();
}

namespace {
bool SayisalTur(TFieldType t) {
  switch (t) {
    case TFieldType::ftInteger:
    case TFieldType::ftLargeint:
    case TFieldType::ftFloat:
    case TFieldType::ftCurrency:
    case TFieldType::ftBCD:
    case TFieldType::ftBoolean:
      return true;
    default:
      return false;
  }
}
bool TamsayiTur(TFieldType t) {
  return t == TFieldType::ftInteger || t == TFieldType::ftLargeint || t == TFieldType::ftBoolean;
}
}  // namespace

TIzgaraModeli::TIzgaraModeli(QObject* parent) : QAbstractTableModel(parent) {
  harmanlayici_.setLocale(QLocale(QLocale::Turkish, QLocale::Turkey));
  harmanlayici_.setCaseSensitivity(Qt::CaseInsensitive);
  harmanlayici_.setNumericMode(true);
}

TIzgaraModeli::~TIzgaraModeli() = default;

TIzgaraKolonu* TIzgaraModeli::KolonEkle(const QString& ad, const QString& alanAdi,
                                        const QString& baslik) {
  const int n = int(kolonlar_.size());
  beginInsertColumns({}, n, n);
  kolonlar_.push_back(std::make_unique<TIzgaraKolonu>(ad, alanAdi, baslik));
  TIzgaraKolonu* k = kolonlar_.back().get();
  if (ds_) {
    TField* f = ds_->FindField(alanAdi);
    k->alanIndeksi = (f && !alanAdi.isEmpty()) ? f->Index() : -1;
  }
  ozetler_.push_back(0);
  for (TGrup& g : gruplar_) g.toplam.push_back(0);
  endInsertColumns();
  k->degisti_ = [this, k] {
    const int i = KolonIndeksi(k);
    emit headerDataChanged(Qt::Horizontal, i, i);
    emit KolonDegisti(i);
  };
  return k;
}

int TIzgaraModeli::KolonIndeksi(const TIzgaraKolonu* k) const {
  for (std::size_t i = 0; i < kolonlar_.size(); ++i)
    if (kolonlar_[i].get() == k) return int(i);
  return -1;
}

TIzgaraKolonu* TIzgaraModeli::KolonBul(const QString& ad) const {
  for (const auto& k : kolonlar_)
    if (k->Ad().compare(ad, Qt::CaseInsensitive) == 0) return k.get();
  for (const auto& k : kolonlar_)
    if (!k->AlanAdi().isEmpty() && k->AlanAdi().compare(ad, Qt::CaseInsensitive) == 0) return k.get();
  return nullptr;
}

// ---------------------------------------------------------------- data set

void TIzgaraModeli::SetVeriSeti(TClientDataSet* ds) {
  for (auto& b : baglantilar_) QObject::disconnect(b);
  ds_ = ds;
  if (ds) {
    baglantilar_[0] = connect(ds, &TClientDataSet::DataChanged, this, &TIzgaraModeli::VeriDegisti);
    baglantilar_[1] = connect(ds, &TClientDataSet::RecordChanged, this, &TIzgaraModeli::KayitDegisti);
    // a data set freed while shown: the grid empties instead of reading freed memory
    baglantilar_[2] = connect(ds, &QObject::destroyed, this, [this] { Yenile(); });
  }
  Yenile();
}

void TIzgaraModeli::BeginUpdate() { ++guncelleme_; }

void TIzgaraModeli::EndUpdate() {
  if (guncelleme_ == 0) return;
  if (--guncelleme_ == 0) Yenile();
}

void TIzgaraModeli::VeriDegisti() {
  if (guncelleme_ > 0) {
    bekleyenYenileme_ = true;
    return;
  }
  Yenile();
}

void TIzgaraModeli::KayitDegisti(int satir) {
  if (guncelleme_ > 0) {
    bekleyenYenileme_ = true;
    return;
  }
  // A posted value may move the row in or out of the filter, the order or a group: rebuild
  // once when the changes of this turn are over.
  if (!filtreler_.isEmpty() || siraKolonu_ >= 0 || grupKolonu_ >= 0) {
    if (!bekleyenYenileme_) {
      bekleyenYenileme_ = true;
      QTimer::singleShot(0, this, [this] {
        if (bekleyenYenileme_ && guncelleme_ == 0) Yenile();
      });
    }
    return;
  }
  // Otherwise the rows stay; the footer is summed again when next read.
  ozetKirli_ = true;
  const int g = GorunenSatir(satir);
  if (g >= 0) emit dataChanged(index(g, 0), index(g, columnCount() - 1));
  emit OzetlerDegisti();
}

void TIzgaraModeli::OzetleriHesapla() const {
  ozetKirli_ = false;
  ozetler_.assign(kolonlar_.size(), 0.0);
  if (!ds_ || !ds_->Active()) return;
  std::vector<int> ozetKolonlari;
  for (int c = 0; c < KolonSayisi(); ++c)
    if (kolonlar_[std::size_t(c)]->AltOzet() != TOzetTuru::Yok) ozetKolonlari.push_back(c);
  if (ozetKolonlari.empty()) return;
  const int n = ds_->RecordCount();
  for (int r : suzulmus_) {
    if (r >= n) continue;  // rows dropped since the last rebuild (it follows)
    for (int c : ozetKolonlari) {
      if (kolonlar_[std::size_t(c)]->AltOzet() == TOzetTuru::Sayi) {
        if (OzetSayilir(r, c)) ozetler_[std::size_t(c)] += 1;
      } else {
        ozetler_[std::size_t(c)] += SayiAt(r, c);
      }
    }
  }
}

void TIzgaraModeli::Yenile() {
  if (guncelleme_ > 0) {
    bekleyenYenileme_ = true;
    return;
  }
  bekleyenYenileme_ = false;
  beginResetModel();
  AlanlariBagla();
  SatirlariKur();
  endResetModel();
  emit OzetlerDegisti();
}

void TIzgaraModeli::AlanlariBagla() {
  for (auto& k : kolonlar_) {
    k->alanIndeksi = -1;
    if (!ds_ || k->AlanAdi().isEmpty()) continue;
    if (TField* f = ds_->FindField(k->AlanAdi())) k->alanIndeksi = f->Index();
  }
}

double TIzgaraModeli::SayiAt(int r, int c) const {
  const TIzgaraKolonu* k = kolonlar_[std::size_t(c)].get();
  if (!ds_ || k->alanIndeksi < 0) return 0;
  return ds_->FloatAt(r, k->alanIndeksi);  // an empty cell reads as 0
}

bool TIzgaraModeli::OzetSayilir(int r, int c) const {
  const TIzgaraKolonu* k = kolonlar_[std::size_t(c)].get();
  if (k->alanIndeksi < 0) return true;  // unbound columns count every row
  return !ds_->IsNullAt(r, k->alanIndeksi);
}

// One pass over the data set for the filter and the footer, then the sort and the groups
// over the rows that passed.
void TIzgaraModeli::SatirlariKur() {
  suzulmus_.clear();
  grupSatirlari_.clear();
  gruplar_.clear();
  gorunen_.clear();
  TersHaritaGecersiz();
  const int nk = KolonSayisi();
  ozetler_.assign(std::size_t(nk), 0.0);
  ozetKirli_ = false;
  if (!ds_ || !ds_->Active()) return;
  const int n = ds_->RecordCount();

  std::vector<int> ozetKolonlari, grupOzetKolonlari;
  for (int c = 0; c < nk; ++c) {
    if (kolonlar_[std::size_t(c)]->AltOzet() != TOzetTuru::Yok) ozetKolonlari.push_back(c);
    if (kolonlar_[std::size_t(c)]->GrupOzet() != TOzetTuru::Yok) grupOzetKolonlari.push_back(c);
  }
  struct TFiltre {
    int kolon;
    const QSet<QString>* degerler;
  };
  std::vector<TFiltre> filtre;
  for (auto it = filtreler_.cbegin(); it != filtreler_.cend(); ++it)
    if (it.key() < nk) filtre.push_back({it.key(), &it.value()});

  suzulmus_.reserve(std::size_t(n));
  for (int r = 0; r < n; ++r) {
    bool gecti = true;
    for (const TFiltre& f : filtre) {
      if (!f.degerler->contains(HucreMetni(r, f.kolon))) {
        gecti = false;
        break;
      }
    }
    if (!gecti) continue;
    suzulmus_.push_back(r);
    for (int c : ozetKolonlari) {
      if (kolonlar_[std::size_t(c)]->AltOzet() == TOzetTuru::Sayi) {
        if (OzetSayilir(r, c)) ozetler_[std::size_t(c)] += 1;
      } else {
        ozetler_[std::size_t(c)] += SayiAt(r, c);
      }
    }
  }

  if (siraKolonu_ >= 0 && siraKolonu_ < nk) {
    const bool artan = siraYonu_ == Qt::AscendingOrder;
    if (SayisalKolon(siraKolonu_) || TarihKolonu(siraKolonu_)) {
      const int alan = kolonlar_[std::size_t(siraKolonu_)]->alanIndeksi;
      std::vector<std::pair<double, int>> a;  // (value, row); nulls sort first
      a.reserve(suzulmus_.size());
      for (int r : suzulmus_)
        a.emplace_back(ds_->IsNullAt(r, alan) ? -std::numeric_limits<double>::infinity()
                                              : ds_->FloatAt(r, alan), r);
      std::stable_sort(a.begin(), a.end(), [artan](const auto& x, const auto& y) {
        return artan ? x.first < y.first : y.first < x.first;
      });
      for (std::size_t i = 0; i < a.size(); ++i) suzulmus_[i] = a[i].second;
    } else {
      std::vector<QCollatorSortKey> anahtar;
      anahtar.reserve(suzulmus_.size());
      for (int r : suzulmus_) anahtar.push_back(harmanlayici_.sortKey(HucreMetni(r, siraKolonu_)));
      std::vector<int> sira(suzulmus_.size());
      std::iota(sira.begin(), sira.end(), 0);
      std::stable_sort(sira.begin(), sira.end(), [&](int x, int y) {
        const int k = anahtar[std::size_t(x)].compare(anahtar[std::size_t(y)]);
        return artan ? k < 0 : k > 0;
      });
      std::vector<int> yeni(suzulmus_.size());
      for (std::size_t i = 0; i < sira.size(); ++i) yeni[i] = suzulmus_[std::size_t(sira[i])];
      suzulmus_.swap(yeni);
    }
  }

  if (grupKolonu_ < 0 || grupKolonu_ >= nk) {
    gorunen_ = suzulmus_;
    return;
  }

  // Groups: the distinct texts in ascending order, rows of a group in the order above.
  QHash<QString, int> grupNo;
  std::vector<int> satirGrubu(suzulmus_.size());
  for (std::size_t i = 0; i < suzulmus_.size(); ++i) {
    const QString m = HucreMetni(suzulmus_[i], grupKolonu_);
    auto it = grupNo.find(m);
    if (it == grupNo.end()) {
      it = grupNo.insert(m, int(gruplar_.size()));
      TGrup g;
      g.metin = m;
      gruplar_.push_back(std::move(g));
    }
    satirGrubu[i] = it.value();
    gruplar_[std::size_t(it.value())].adet++;
  }
  std::vector<int> sira(gruplar_.size());
  std::iota(sira.begin(), sira.end(), 0);
  std::stable_sort(sira.begin(), sira.end(), [&](int a, int b) {
    return harmanlayici_.compare(gruplar_[std::size_t(a)].metin, gruplar_[std::size_t(b)].metin) < 0;
  });
  std::vector<int> yeniNo(gruplar_.size());
  std::vector<TGrup> sirali;
  sirali.reserve(gruplar_.size());
  int ilk = 0;
  for (std::size_t i = 0; i < sira.size(); ++i) {
    yeniNo[std::size_t(sira[i])] = int(i);
    TGrup g = std::move(gruplar_[std::size_t(sira[i])]);
    g.ilk = ilk;
    ilk += g.adet;
    g.acik = !kapaliGruplar_.value(g.metin, false);
    g.toplam.assign(std::size_t(nk), 0.0);
    sirali.push_back(std::move(g));
  }
  gruplar_.swap(sirali);
  grupSatirlari_.assign(suzulmus_.size(), 0);
  std::vector<int> doluluk(gruplar_.size(), 0);
  for (std::size_t i = 0; i < suzulmus_.size(); ++i) {
    const int g = yeniNo[std::size_t(satirGrubu[i])];
    TGrup& gr = gruplar_[std::size_t(g)];
    const int r = suzulmus_[i];
    grupSatirlari_[std::size_t(gr.ilk + doluluk[std::size_t(g)]++)] = r;
    for (int c : grupOzetKolonlari) {
      if (kolonlar_[std::size_t(c)]->GrupOzet() == TOzetTuru::Sayi) {
        if (OzetSayilir(r, c)) gr.toplam[std::size_t(c)] += 1;
      } else {
        gr.toplam[std::size_t(c)] += SayiAt(r, c);
      }
    }
  }
  gorunen_.reserve(grupSatirlari_.size() + 2 * gruplar_.size());
  for (std::size_t g = 0; g < gruplar_.size(); ++g) {
    const TGrup& gr = gruplar_[g];
    gorunen_.push_back(-(2 * int(g) + 1));
    if (gr.acik)
      gorunen_.insert(gorunen_.end(), grupSatirlari_.begin() + gr.ilk,
                      grupSatirlari_.begin() + gr.ilk + gr.adet);
    gorunen_.push_back(-(2 * int(g) + 2));
  }
}

// ---------------------------------------------------------------- rows

int TIzgaraModeli::KaynakSatir(int g) const {
  if (g < 0 || g >= int(gorunen_.size())) return -1;
  const int v = gorunen_[std::size_t(g)];
  return v >= 0 ? v : -1;
}

int TIzgaraModeli::GorunenSatir(int kaynak) const {
  if (!ds_ || kaynak < 0) return -1;
  if (grupKolonu_ < 0 && siraKolonu_ < 0 && filtreler_.isEmpty())
    return kaynak < int(gorunen_.size()) ? kaynak : -1;
  if (!tersGecerli_) {
    ters_.assign(std::size_t(ds_->RecordCount()), -1);
    for (std::size_t i = 0; i < gorunen_.size(); ++i)
      if (gorunen_[i] >= 0 && gorunen_[i] < int(ters_.size())) ters_[std::size_t(gorunen_[i])] = int(i);
    tersGecerli_ = true;
  }
  return kaynak < int(ters_.size()) ? ters_[std::size_t(kaynak)] : -1;
}

TSatirTuru TIzgaraModeli::SatirTuru(int g) const {
  if (g < 0 || g >= int(gorunen_.size())) return TSatirTuru::Veri;
  const int v = gorunen_[std::size_t(g)];
  if (v >= 0) return TSatirTuru::Veri;
  return ((-v) % 2 == 1) ? TSatirTuru::GrupBasi : TSatirTuru::GrupSonu;
}

int TIzgaraModeli::GrupNo(int g) const {
  if (g < 0 || g >= int(gorunen_.size())) return -1;
  const int v = gorunen_[std::size_t(g)];
  return v >= 0 ? -1 : (-v - 1) / 2;
}

std::vector<int> TIzgaraModeli::TumVeriSatirlari() const {
  return grupKolonu_ >= 0 ? grupSatirlari_ : suzulmus_;
}

bool TIzgaraModeli::SayisalKolon(int c) const {
  const TIzgaraKolonu* k = kolonlar_[std::size_t(c)].get();
  return ds_ && k->alanIndeksi >= 0 && SayisalTur(ds_->Fields(k->alanIndeksi)->DataType());
}

bool TIzgaraModeli::TarihKolonu(int c) const {
  const TIzgaraKolonu* k = kolonlar_[std::size_t(c)].get();
  if (!ds_ || k->alanIndeksi < 0) return false;
  const TFieldType t = ds_->Fields(k->alanIndeksi)->DataType();
  return t == TFieldType::ftDate || t == TFieldType::ftDateTime;
}

QVariant TIzgaraModeli::HamDeger(int r, int c) const {
  const TIzgaraKolonu* k = kolonlar_[std::size_t(c)].get();
  if (!ds_ || k->alanIndeksi < 0 || r < 0 || r >= ds_->RecordCount()) return {};
  return ds_->ValueAt(r, k->alanIndeksi);
}

QString TIzgaraModeli::HucreMetni(int r, int c) const {
  const TIzgaraKolonu* k = kolonlar_[std::size_t(c)].get();
  if (!ds_ || r < 0 || r >= ds_->RecordCount()) return {};
  if (k->alanIndeksi < 0) return k->MetinSaglayici() ? k->MetinSaglayici()(r) : QString();
  if (ds_->IsNullAt(r, k->alanIndeksi)) {
    if (k->Tur() == TKolonTuru::Ikon) {
      const int i = k->DegerIndeksi(QVariant());
      if (i >= 0) return k->DegerListesi()[std::size_t(i)].aciklama;
    }
    return {};
  }
  if (k->Tur() == TKolonTuru::Ikon) {
    const int i = k->DegerIndeksi(ds_->ValueAt(r, k->alanIndeksi));
    if (i >= 0 && !k->DegerListesi()[std::size_t(i)].aciklama.isEmpty())
      return k->DegerListesi()[std::size_t(i)].aciklama;
  }
  return ds_->DisplayTextAt(r, k->alanIndeksi);
}

// ---------------------------------------------------------------- filter

QStringList TIzgaraModeli::FarkliDegerler(int kolon) const {
  QStringList sonuc;
  if (!ds_ || !ds_->Active() || kolon < 0 || kolon >= KolonSayisi()) return sonuc;
  QSet<QString> gorulen;
  const int n = ds_->RecordCount();
  for (int r = 0; r < n; ++r) {
    QString m = HucreMetni(r, kolon);
    if (!gorulen.contains(m)) {
      gorulen.insert(m);
      sonuc.push_back(std::move(m));
    }
  }
  if (SayisalKolon(kolon) || TarihKolonu(kolon)) {
    // numbers and dates in the order of their values
    std::vector<std::pair<double, QString>> a;
    const int alan = kolonlar_[std::size_t(kolon)]->alanIndeksi;
    QHash<QString, double> deger;
    for (int r = 0; r < n && deger.size() < sonuc.size(); ++r) {
      const QString m = HucreMetni(r, kolon);
      if (!deger.contains(m))
        deger.insert(m, ds_->IsNullAt(r, alan) ? -std::numeric_limits<double>::infinity()
                                               : ds_->FloatAt(r, alan));
    }
    for (const QString& m : sonuc) a.emplace_back(deger.value(m), m);
    std::stable_sort(a.begin(), a.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
    sonuc.clear();
    for (auto& p : a) sonuc.push_back(p.second);
  } else {
    std::stable_sort(sonuc.begin(), sonuc.end(),
                     [this](const QString& a, const QString& b) { return harmanlayici_.compare(a, b) < 0; });
  }
  return sonuc;
}

void TIzgaraModeli::FiltreKur(int kolon, const QStringList& degerler) {
  if (kolon < 0 || kolon >= KolonSayisi()) return;
  if (degerler.isEmpty()) filtreler_.remove(kolon);
  else filtreler_[kolon] = QSet<QString>(degerler.begin(), degerler.end());
  Yenile();
}

void TIzgaraModeli::FiltreTemizle(int kolon) {
  if (kolon < 0) {
    if (filtreler_.isEmpty()) return;
    filtreler_.clear();
  } else if (!filtreler_.remove(kolon)) {
    return;
  }
  Yenile();
}

bool TIzgaraModeli::Filtreli(int kolon) const { return filtreler_.contains(kolon); }

QStringList TIzgaraModeli::FiltreDegerleri(int kolon) const {
  const QSet<QString> s = filtreler_.value(kolon);
  return QStringList(s.begin(), s.end());
}

// ---------------------------------------------------------------- sort and groups

void TIzgaraModeli::Sirala(int kolon, Qt::SortOrder yon) {
  siraKolonu_ = (kolon >= 0 && kolon < KolonSayisi()) ? kolon : -1;
  siraYonu_ = yon;
  Yenile();
}

void TIzgaraModeli::Grupla(int kolon) {
  grupKolonu_ = (kolon >= 0 && kolon < KolonSayisi()) ? kolon : -1;
  kapaliGruplar_.clear();
  Yenile();
}

QString TIzgaraModeli::GrupMetni(int g) const {
  return (g >= 0 && g < GrupSayisi()) ? gruplar_[std::size_t(g)].metin : QString();
}
int TIzgaraModeli::GrupSatirSayisi(int g) const {
  return (g >= 0 && g < GrupSayisi()) ? gruplar_[std::size_t(g)].adet : 0;
}
bool TIzgaraModeli::GrupAcik(int g) const {
  return (g >= 0 && g < GrupSayisi()) ? gruplar_[std::size_t(g)].acik : false;
}

void TIzgaraModeli::SetGrupAcik(int g, bool acik) {
  if (g < 0 || g >= GrupSayisi() || gruplar_[std::size_t(g)].acik == acik) return;
  TGrup& gr = gruplar_[std::size_t(g)];
  if (acik) kapaliGruplar_.remove(gr.metin);
  else kapaliGruplar_.insert(gr.metin, true);
  // the group's head row stays; its data rows come or go right below it
  int bas = 0;
  while (bas < int(gorunen_.size()) && gorunen_[std::size_t(bas)] != -(2 * g + 1)) ++bas;
  if (bas >= int(gorunen_.size()) || gr.adet == 0) {
    gr.acik = acik;
    return;
  }
  if (acik) {
    beginInsertRows({}, bas + 1, bas + gr.adet);
    gr.acik = true;
    gorunen_.insert(gorunen_.begin() + bas + 1, grupSatirlari_.begin() + gr.ilk,
                    grupSatirlari_.begin() + gr.ilk + gr.adet);
    TersHaritaGecersiz();
    endInsertRows();
  } else {
    beginRemoveRows({}, bas + 1, bas + gr.adet);
    gr.acik = false;
    gorunen_.erase(gorunen_.begin() + bas + 1, gorunen_.begin() + bas + 1 + gr.adet);
    TersHaritaGecersiz();
    endRemoveRows();
  }
  emit dataChanged(index(bas, 0), index(bas, columnCount() - 1));
}

void TIzgaraModeli::TumGruplar(bool acik) {
  if (grupKolonu_ < 0) return;
  beginResetModel();
  gorunen_.clear();
  for (std::size_t g = 0; g < gruplar_.size(); ++g) {
    TGrup& gr = gruplar_[g];
    gr.acik = acik;
    if (acik) kapaliGruplar_.remove(gr.metin);
    else kapaliGruplar_.insert(gr.metin, true);
    gorunen_.push_back(-(2 * int(g) + 1));
    if (acik)
      gorunen_.insert(gorunen_.end(), grupSatirlari_.begin() + gr.ilk,
                      grupSatirlari_.begin() + gr.ilk + gr.adet);
    gorunen_.push_back(-(2 * int(g) + 2));
  }
  TersHaritaGecersiz();
  endResetModel();
}

// ---------------------------------------------------------------- summaries

QString TIzgaraModeli::OzetBicimle(int kolon, double deger, TOzetTuru tur) const {
  if (tur == TOzetTuru::Yok) return {};
  if (tur == TOzetTuru::Sayi) return QString::number(qint64(deger));
  const TIzgaraKolonu* k = kolonlar_[std::size_t(kolon)].get();
  QString bicim;
  bool tamsayi = false;
  if (ds_ && k->alanIndeksi >= 0) {
    TField* f = ds_->Fields(k->alanIndeksi);
    bicim = f->DisplayFormat();
    tamsayi = TamsayiTur(f->DataType());
    // money shows with two decimals in the cells even without a format; so does its sum
    if (bicim.isEmpty() && f->DataType() == TFieldType::ftCurrency) bicim = QStringLiteral("#,##0.00");
  }
  return IzgaraSayiBicimle(deger, bicim, tamsayi);
}

double TIzgaraModeli::OzetDegeri(int kolon) const {
  if (ozetKirli_) OzetleriHesapla();
  return (kolon >= 0 && kolon < int(ozetler_.size())) ? ozetler_[std::size_t(kolon)] : 0.0;
}

double TIzgaraModeli::GrupOzetDegeri(int g, int kolon) const {
  if (g < 0 || g >= GrupSayisi() || kolon < 0 || kolon >= KolonSayisi()) return 0;
  const auto& t = gruplar_[std::size_t(g)].toplam;
  return kolon < int(t.size()) ? t[std::size_t(kolon)] : 0.0;
}

QString TIzgaraModeli::OzetMetni(int kolon) const {
  if (kolon < 0 || kolon >= KolonSayisi()) return {};
  return OzetBicimle(kolon, OzetDegeri(kolon), kolonlar_[std::size_t(kolon)]->AltOzet());
}

QString TIzgaraModeli::GrupOzetMetni(int g, int kolon) const {
  if (kolon < 0 || kolon >= KolonSayisi()) return {};
  return OzetBicimle(kolon, GrupOzetDegeri(g, kolon), kolonlar_[std::size_t(kolon)]->GrupOzet());
}

// ---------------------------------------------------------------- search

int TIzgaraModeli::AramaBul(int kolon, const QString& onek, int baslangic) const {
  const int n = int(gorunen_.size());
  if (kolon < 0 || kolon >= KolonSayisi() || onek.isEmpty() || n == 0) return -1;
  const QString aranan = TurkceKucuk(onek);
  if (baslangic < 0 || baslangic >= n) baslangic = 0;
  const auto katla = [](QChar c) {
    if (c == QChar(u'I')) return QChar(u'ı');
    if (c == QChar(u'İ')) return QChar(u'i');
    return c.toLower();
  };
  for (int i = 0; i < n; ++i) {
    const int g = (baslangic + i) % n;
    const int r = KaynakSatir(g);
    if (r < 0) continue;
    const QString m = HucreMetni(r, kolon);
    if (m.size() < aranan.size()) continue;
    bool uyar = true;
    for (qsizetype j = 0; j < aranan.size() && uyar; ++j) uyar = katla(m.at(j)) == aranan.at(j);
    if (uyar) return g;
  }
  return -1;
}

// ---------------------------------------------------------------- QAbstractItemModel

int TIzgaraModeli::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(gorunen_.size());
}

int TIzgaraModeli::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : KolonSayisi();
}

QVariant TIzgaraModeli::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  const int g = index.row(), c = index.column();
  const TIzgaraKolonu* k = kolonlar_[std::size_t(c)].get();
  const TSatirTuru tur = SatirTuru(g);
  switch (role) {
    case KaynakSatirRolu: return KaynakSatir(g);
    case SatirTuruRolu: return int(tur);
    case GrupNoRolu: return GrupNo(g);
    default: break;
  }
  if (tur == TSatirTuru::GrupBasi) {
    if (role == Qt::DisplayRole && grupKolonu_ >= 0)
      return kolonlar_[std::size_t(grupKolonu_)]->Baslik() + QStringLiteral(": ") + GrupMetni(GrupNo(g));
    return {};
  }
  if (tur == TSatirTuru::GrupSonu) {
    if (role == Qt::DisplayRole) return GrupOzetMetni(GrupNo(g), c);
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
  }
  const int r = KaynakSatir(g);
  if (!ds_ || r >= ds_->RecordCount()) return {};
  switch (role) {
    case Qt::DisplayRole:
      switch (k->Tur()) {
        case TKolonTuru::Metin:
        case TKolonTuru::Ozel:
          return HucreMetni(r, c);
        case TKolonTuru::Ikon:
          return k->AciklamaGoster() ? HucreMetni(r, c) : QVariant();
        case TKolonTuru::Ilerleme:
          return k->alanIndeksi >= 0 && !ds_->IsNullAt(r, k->alanIndeksi)
                     ? QVariant(qBound(qint64(0), ds_->IntAt(r, k->alanIndeksi), qint64(100)))
                     : QVariant(0);
        default:
          return {};
      }
    case Qt::EditRole:
    case HamDegerRolu:
      return HamDeger(r, c);
    case Qt::DecorationRole:
      if (k->Tur() == TKolonTuru::Ikon && k->alanIndeksi >= 0) {
        const int i = k->DegerIndeksi(ds_->IsNullAt(r, k->alanIndeksi) ? QVariant() : ds_->ValueAt(r, k->alanIndeksi));
        if (i >= 0) return k->DegerListesi()[std::size_t(i)].ikon;
      }
      return {};
    case Qt::CheckStateRole:
      if (k->Tur() == TKolonTuru::Onay)
        return (k->alanIndeksi >= 0 && !ds_->IsNullAt(r, k->alanIndeksi) && ds_->IntAt(r, k->alanIndeksi) == 1)
                   ? Qt::Checked : Qt::Unchecked;
      return {};
    case Qt::ToolTipRole:
      return k->Tur() == TKolonTuru::Ikon ? QVariant(HucreMetni(r, c)) : QVariant();
    case Qt::TextAlignmentRole:
      return int(k->Hizalama());
    default:
      return {};
  }
}

QVariant TIzgaraModeli::headerData(int section, Qt::Orientation o, int role) const {
  if (o != Qt::Horizontal || section < 0 || section >= KolonSayisi()) return {};
  if (role == Qt::DisplayRole) return kolonlar_[std::size_t(section)]->Baslik();
  return {};
}

Qt::ItemFlags TIzgaraModeli::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}
