#include "session/kayitjson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <limits>

namespace {

// ---------------------------------------------------------------- writing

QJsonObject Zarf(const char* turAdi, int id, const QJsonObject& alanlar) {
  QJsonObject o;
  o.insert(QStringLiteral("type"), QString::fromLatin1(turAdi));
  o.insert(QStringLiteral("id"), id);
  o.insert(QStringLiteral("fields"), alanlar);
  return o;
}

template <class T>
QJsonValue DuzYaz(const T* k, int id) {
  if (!k) return QJsonValue(QJsonValue::Null);
  QJsonObject alanlar;
  for (const TAlan<T>& a : T::Alanlar()) {
    const QString ad = QString::fromLatin1(a.ad);
    switch (a.tur) {
      case TAlanTuru::Metin: alanlar.insert(ad, k->*a.metin); break;
      case TAlanTuru::Tamsayi: alanlar.insert(ad, k->*a.tamsayi); break;
      case TAlanTuru::Ondalik:
      case TAlanTuru::Tarih: {
        // JSON has no NaN or infinity; such a value travels as 0.
        const double d = k->*a.ondalik;
        alanlar.insert(ad, std::isfinite(d) ? d : 0.0);
        break;
      }
      case TAlanTuru::Mantik: alanlar.insert(ad, k->*a.mantik); break;
    }
  }
  return Zarf(T::TurAdi, id, alanlar);
}

template <class Liste>
QJsonValue ListeYaz(const Liste* l, int id) {
  if (!l) return QJsonValue(QJsonValue::Null);
  QJsonArray dizi;
  // An empty slot carries nothing and the reader takes no null entries: it is left out.
  for (int i = 0; i < l->Count(); ++i)
    if (l->Items(i)) dizi.append(DuzYaz(l->Items(i), id + 1 + static_cast<int>(dizi.size())));
  QJsonObject alanlar;
  alanlar.insert(QStringLiteral("FItems"), dizi);
  return Zarf(Liste::TurAdi, id, alanlar);
}

// ---------------------------------------------------------------- reading

[[noreturn]] void Hata(const QString& metin) { throw EKayitHatasi(metin); }

QString JsonTurAdi(const QJsonValue& v) {
  switch (v.type()) {
    case QJsonValue::Null: return QStringLiteral("null");
    case QJsonValue::Bool: return QStringLiteral("mantıksal değer");
    case QJsonValue::Double: return QStringLiteral("sayı");
    case QJsonValue::String: return QStringLiteral("metin");
    case QJsonValue::Array: return QStringLiteral("dizi");
    case QJsonValue::Object: return QStringLiteral("nesne");
    default: return QStringLiteral("tanımsız değer");
  }
}

// Checks the envelope and returns the "fields" object.
QJsonObject ZarfOku(const QJsonValue& deger, const char* beklenenTur) {
  const QString tur = QString::fromLatin1(beklenenTur);
  if (!deger.isObject())
    Hata(QStringLiteral("%1 kaydı bekleniyordu, %2 geldi.").arg(tur, JsonTurAdi(deger)));
  const QJsonObject o = deger.toObject();
  const QJsonValue t = o.value(QStringLiteral("type"));
  if (!t.isString())
    Hata(QStringLiteral("%1 kaydında \"type\" alanı eksik ya da metin değil.").arg(tur));
  if (t.toString() != tur)
    Hata(QStringLiteral("%1 kaydı bekleniyordu, \"%2\" türü geldi.").arg(tur, t.toString().left(80)));
  const QJsonValue id = o.value(QStringLiteral("id"));
  if (!id.isUndefined() && !id.isDouble())
    Hata(QStringLiteral("%1 kaydında \"id\" alanı sayı değil.").arg(tur));
  const QJsonValue f = o.value(QStringLiteral("fields"));
  if (!f.isObject())
    Hata(QStringLiteral("%1 kaydında \"fields\" nesnesi eksik.").arg(tur));
  return f.toObject();
}

QJsonValue AlanDegeri(const QJsonObject& alanlar, const char* kayitTuru, const char* ad) {
  const QJsonValue v = alanlar.value(QLatin1String(ad));
  if (v.isUndefined())
    Hata(QStringLiteral("%1 kaydında %2 alanı eksik.").arg(QLatin1String(kayitTuru), QLatin1String(ad)));
  return v;
}

[[noreturn]] void TurHatasi(const char* kayitTuru, const char* ad, const QString& beklenen, const QJsonValue& v) {
  Hata(QStringLiteral("%1 kaydının %2 alanı %3 olmalı, %4 geldi.")
           .arg(QLatin1String(kayitTuru), QLatin1String(ad), beklenen, JsonTurAdi(v)));
}

template <class T>
std::unique_ptr<T> DuzOku(const QJsonValue& deger) {
  if (deger.isNull()) return nullptr;
  const QJsonObject alanlar = ZarfOku(deger, T::TurAdi);
  auto k = std::make_unique<T>();
  for (const TAlan<T>& a : T::Alanlar()) {
    const QJsonValue v = AlanDegeri(alanlar, T::TurAdi, a.ad);
    switch (a.tur) {
      case TAlanTuru::Metin:
        if (!v.isString()) TurHatasi(T::TurAdi, a.ad, QStringLiteral("metin"), v);
        k.get()->*a.metin = v.toString();
        break;
      case TAlanTuru::Tamsayi: {
        if (!v.isDouble()) TurHatasi(T::TurAdi, a.ad, QStringLiteral("tamsayı"), v);
        const double d = v.toDouble();
        if (!(d == std::floor(d)) || d < std::numeric_limits<int>::min() || d > std::numeric_limits<int>::max())
          Hata(QStringLiteral("%1 kaydının %2 alanı 32 bitlik bir tamsayı olmalı.")
                   .arg(QLatin1String(T::TurAdi), QLatin1String(a.ad)));
        k.get()->*a.tamsayi = static_cast<int>(d);
        break;
      }
      case TAlanTuru::Ondalik:
      case TAlanTuru::Tarih:
        if (!v.isDouble()) TurHatasi(T::TurAdi, a.ad, QStringLiteral("sayı"), v);
        k.get()->*a.ondalik = v.toDouble();
        break;
      case TAlanTuru::Mantik:
        if (!v.isBool()) TurHatasi(T::TurAdi, a.ad, QStringLiteral("true ya da false"), v);
        k.get()->*a.mantik = v.toBool();
        break;
    }
  }
  return k;
}

// Reads the record array under `ad`; every element must be a record object (no null).
template <class T>
std::vector<std::unique_ptr<T>> DiziOku(const QJsonObject& alanlar, const char* kayitTuru, const char* ad) {
  const QJsonValue v = AlanDegeri(alanlar, kayitTuru, ad);
  if (!v.isArray()) TurHatasi(kayitTuru, ad, QStringLiteral("kayıt dizisi"), v);
  const QJsonArray dizi = v.toArray();
  std::vector<std::unique_ptr<T>> sonuc;
  sonuc.reserve(static_cast<std::size_t>(dizi.size()));
  for (qsizetype i = 0; i < dizi.size(); ++i) {
    const QJsonValue e = dizi.at(i);
    if (e.isNull())
      Hata(QStringLiteral("%1 kaydının %2 alanının %3. öğesi boş (null).")
               .arg(QLatin1String(kayitTuru), QLatin1String(ad))
               .arg(i + 1));
    sonuc.push_back(DuzOku<T>(e));
  }
  return sonuc;
}

template <class Liste>
std::unique_ptr<Liste> ListeOku(const QJsonValue& deger) {
  if (deger.isNull()) return nullptr;
  const QJsonObject alanlar = ZarfOku(deger, Liste::TurAdi);
  auto l = std::make_unique<Liste>();
  for (auto& oge : DiziOku<typename Liste::Oge>(alanlar, Liste::TurAdi, "FItems")) l->Add(std::move(oge));
  return l;
}

template <class T>
struct Kayit {
  static QJsonValue Yaz(const T* k, int id) { return DuzYaz(k, id); }
  static std::unique_ptr<T> Oku(const QJsonValue& v) { return DuzOku<T>(v); }
};
template <>
struct Kayit<TAcilisEkranlariki> {
  static QJsonValue Yaz(const TAcilisEkranlariki* k, int id) {
    if (!k) return QJsonValue(QJsonValue::Null);
    QJsonArray dizi;
    for (const auto& e : k->Ekranlar())
      if (e) dizi.append(DuzYaz(e.get(), id + 1 + static_cast<int>(dizi.size())));
    QJsonObject alanlar;
    alanlar.insert(QStringLiteral("FEkranlar"), dizi);
    return Zarf(TAcilisEkranlariki::TurAdi, id, alanlar);
  }
  static std::unique_ptr<TAcilisEkranlariki> Oku(const QJsonValue& deger) {
    if (deger.isNull()) return nullptr;
    const QJsonObject alanlar = ZarfOku(deger, TAcilisEkranlariki::TurAdi);
    TAcilisEkranlariki::Liste liste;
    for (auto& e : DiziOku<TAcilisEkran>(alanlar, TAcilisEkranlariki::TurAdi, "FEkranlar"))
      liste.push_back(std::shared_ptr<TAcilisEkran>(std::move(e)));
    auto k = std::make_unique<TAcilisEkranlariki>();
    k->SetEkranlar(liste);
    return k;
  }
};
template <>
struct Kayit<TAcilisEkranlar> {
  static QJsonValue Yaz(const TAcilisEkranlar* k, int id) { return ListeYaz(k, id); }
  static std::unique_ptr<TAcilisEkranlar> Oku(const QJsonValue& v) { return ListeOku<TAcilisEkranlar>(v); }
};
template <>
struct Kayit<TMobilStoklar> {
  static QJsonValue Yaz(const TMobilStoklar* k, int id) { return ListeYaz(k, id); }
  static std::unique_ptr<TMobilStoklar> Oku(const QJsonValue& v) { return ListeOku<TMobilStoklar>(v); }
};
template <>
struct Kayit<TMobilSepetler> {
  static QJsonValue Yaz(const TMobilSepetler* k, int id) { return ListeYaz(k, id); }
  static std::unique_ptr<TMobilSepetler> Oku(const QJsonValue& v) { return ListeOku<TMobilSepetler>(v); }
};

}  // namespace

template <class T>
std::unique_ptr<T> KayitJsonOku(const QJsonValue& deger) {
  return Kayit<T>::Oku(deger);
}

template <class T>
std::string KayitJsonMetni(const T* kayit, int id) {
  const QJsonValue v = Kayit<T>::Yaz(kayit, id);
  if (v.isNull()) return "null";
  return QJsonDocument(v.toObject()).toJson(QJsonDocument::Compact).toStdString();
}

template <class T>
std::unique_ptr<T> KayitJsonMetniOku(const std::string& metin) {
  // Wrapped in an array so that a bare "null" parses as well.
  QJsonParseError hata{};
  const QByteArray sarili = "[" + QByteArray::fromStdString(metin) + "]";
  const QJsonDocument d = QJsonDocument::fromJson(sarili, &hata);
  if (hata.error != QJsonParseError::NoError || !d.isArray() || d.array().size() != 1)
    throw EKayitHatasi(QStringLiteral("%1 kaydının JSON metni okunamadı.").arg(QLatin1String(T::TurAdi)));
  return Kayit<T>::Oku(d.array().at(0));
}

#define KAYIT_JSON(T)                                                                  \
  QJsonValue KayitJsonYaz(const T* kayit, int id) { return Kayit<T>::Yaz(kayit, id); } \
  template std::unique_ptr<T> KayitJsonOku<T>(const QJsonValue&);                      \
  template std::string KayitJsonMetni<T>(const T*, int);                               \
  template std::unique_ptr<T> KayitJsonMetniOku<T>(const std::string&);

KAYIT_JSON(TSonucBilgisi)
KAYIT_JSON(TSiparisDipAyrinti)
KAYIT_JSON(TTusSonuclari)
KAYIT_JSON(TMobilCariBilgisi)
KAYIT_JSON(TAcilisEkran)
KAYIT_JSON(TAcilisEkranlariki)
KAYIT_JSON(TMobilStok)
KAYIT_JSON(TMobilSepet)
KAYIT_JSON(TAcilisEkranlar)
KAYIT_JSON(TMobilStoklar)
KAYIT_JSON(TMobilSepetler)
