#pragma once
// JSON object wire form of the records, as client and server exchange them:
//   {"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FBILGISAYARID":"...", ...}}
// A missing record is JSON null. TAcilisEkranlariki carries its screens as an array of
// record objects under "FEkranlar"; the owning lists carry theirs under "FItems".

#include <QJsonValue>
#include <memory>
#include <stdexcept>
#include <string>

#include "session/baglantiu.h"
#include "session/mobilstokunit.h"

// A record that could not be read: the text names the field or the part that is wrong.
class EKayitHatasi : public std::runtime_error {
 public:
  explicit EKayitHatasi(const QString& mesaj) : std::runtime_error(mesaj.toStdString()) {}
  QString Mesaj() const { return QString::fromStdString(what()); }
};

// Writers: nullptr gives JSON null.
QJsonValue KayitJsonYaz(const TSonucBilgisi* kayit, int id = 1);
QJsonValue KayitJsonYaz(const TSiparisDipAyrinti* kayit, int id = 1);
QJsonValue KayitJsonYaz(const TTusSonuclari* kayit, int id = 1);
QJsonValue KayitJsonYaz(const TMobilCariBilgisi* kayit, int id = 1);
QJsonValue KayitJsonYaz(const TAcilisEkran* kayit, int id = 1);
QJsonValue KayitJsonYaz(const TAcilisEkranlariki* kayit, int id = 1);
QJsonValue KayitJsonYaz(const TMobilStok* kayit, int id = 1);
QJsonValue KayitJsonYaz(const TMobilSepet* kayit, int id = 1);
QJsonValue KayitJsonYaz(const TAcilisEkranlar* kayit, int id = 1);
QJsonValue KayitJsonYaz(const TMobilStoklar* kayit, int id = 1);
QJsonValue KayitJsonYaz(const TMobilSepetler* kayit, int id = 1);

// Compact UTF-8 JSON text of a record ("null" for nullptr).
template <class T>
std::string KayitJsonMetni(const T* kayit, int id = 1);

// Reader: JSON null gives nullptr; anything else must be the record's object form.
// Throws EKayitHatasi on a wrong type name, a missing or mistyped field, an integer that is
// not integral or out of the 32-bit range. Unknown extra fields are ignored.
// Instantiated for every record type above.
template <class T>
std::unique_ptr<T> KayitJsonOku(const QJsonValue& deger);

// Reads a record from JSON text (UTF-8); a syntax error is an EKayitHatasi too.
template <class T>
std::unique_ptr<T> KayitJsonMetniOku(const std::string& metin);
