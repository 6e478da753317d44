#pragma once
// Session record and the small records of module baglantiu.
// Plain value classes: fields with an "F" prefix, a getter named like the field without it,
// a setter that only stores, and Kopyala. Each record lists its fields in declaration order
// in Alanlar(); the JSON wire form (kayitjson.h) and the tests walk that list.

#include <QString>
#include <span>

// How a field travels: texts as JSON strings, integers as integral JSON numbers,
// floating-point numbers and OLE dates as JSON numbers, Booleans as true/false.
enum class TAlanTuru { Metin, Tamsayi, Ondalik, Mantik, Tarih };

// One entry of a record's field list: the wire name, its kind and the member it maps to.
template <class T>
struct TAlan {
  const char* ad;
  TAlanTuru tur;
  QString T::*metin = nullptr;
  int T::*tamsayi = nullptr;
  double T::*ondalik = nullptr;  // also OLE dates
  bool T::*mantik = nullptr;

  static constexpr TAlan Metin(const char* a, QString T::*m) { return {a, TAlanTuru::Metin, m, nullptr, nullptr, nullptr}; }
  static constexpr TAlan Tamsayi(const char* a, int T::*m) { return {a, TAlanTuru::Tamsayi, nullptr, m, nullptr, nullptr}; }
  static constexpr TAlan Ondalik(const char* a, double T::*m, TAlanTuru t = TAlanTuru::Ondalik) {
    return {a, t, nullptr, nullptr, m, nullptr};
  }
  static constexpr TAlan Mantik(const char* a, bool T::*m) { return {a, TAlanTuru::Mantik, nullptr, nullptr, nullptr, m}; }
};

// The session record: who is logged in, the customer worked for, that customer's seller
// and the computer the program runs on. Every remote call gets its own copy (Kopyala).
class TSonucBilgisi {
 public:
  static constexpr const char* TurAdi = "baglantiu.TSonucBilgisi";
  static std::span<const TAlan<TSonucBilgisi>> Alanlar();

  // Copies every field of kaynak into this record (nothing happens when kaynak is null).
  void Kopyala(const TSonucBilgisi* kaynak);

  int Sirano() const { return FSirano; }
  QString BILGISAYARID() const { return FBILGISAYARID; }
  QString ADI() const { return FADI; }
  QString SIFRE() const { return FSIFRE; }
  int CARINO() const { return FCARINO; }
  int AKTIF() const { return FAKTIF; }
  QString Kullanicimail() const { return FKullanicimail; }
  QString carikod() const { return Fcarikod; }
  QString CariAdi() const { return FCariAdi; }
  int SaticiNo() const { return FSaticiNo; }
  QString SaticiTelefon() const { return FSaticiTelefon; }
  QString SaticiMail() const { return FSaticiMail; }
  bool Varmi() const { return FVarmi; }
  QString SaticiAdi() const { return FSaticiAdi; }
  QString BilgiSayarAdi() const { return FBilgiSayarAdi; }
  QString Disip() const { return FDisip; }
  QString Icip() const { return FIcip; }
  QString BilgisayarKullanici() const { return FBilgisayarKullanici; }
  int MusteriTipi() const { return FMusteriTipi; }
  int Version() const { return FVersion; }

  void SetSirano(int v) { FSirano = v; }
  void SetBILGISAYARID(const QString& v) { FBILGISAYARID = v; }
  void SetADI(const QString& v) { FADI = v; }
  void SetSIFRE(const QString& v) { FSIFRE = v; }
  void SetCARINO(int v) { FCARINO = v; }
  void SetAKTIF(int v) { FAKTIF = v; }
  void SetKullanicimail(const QString& v) { FKullanicimail = v; }
  void Setcarikod(const QString& v) { Fcarikod = v; }
  void SetCariAdi(const QString& v) { FCariAdi = v; }
  void SetSaticiNo(int v) { FSaticiNo = v; }
  void SetSaticiTelefon(const QString& v) { FSaticiTelefon = v; }
  void SetSaticiMail(const QString& v) { FSaticiMail = v; }
  void SetVarmi(bool v) { FVarmi = v; }
  void SetSaticiAdi(const QString& v) { FSaticiAdi = v; }
  void SetBilgiSayarAdi(const QString& v) { FBilgiSayarAdi = v; }
  void SetDisip(const QString& v) { FDisip = v; }
  void SetIcip(const QString& v) { FIcip = v; }
  void SetBilgisayarKullanici(const QString& v) { FBilgisayarKullanici = v; }
  void SetMusteriTipi(int v) { FMusteriTipi = v; }
  void SetVersion(int v) { FVersion = v; }

 private:
  QString FBILGISAYARID;
  QString FSaticiMail;
  int FSirano = 0;
  QString FCariAdi;
  QString FSIFRE;
  int FSaticiNo = 0;
  int FCARINO = 0;
  int FAKTIF = 0;
  QString FKullanicimail;
  QString FADI;
  QString FSaticiTelefon;
  QString Fcarikod;
  bool FVarmi = false;
  QString FSaticiAdi;
  QString FBilgiSayarAdi;
  QString FDisip;
  QString FIcip;
  QString FBilgisayarKullanici;
  int FMusteriTipi = 1;
  int FVersion = 1;
};

// A fresh copy of the session record for one remote call (the call frees it); a new record's
// defaults when there is no source.
TSonucBilgisi* OturumKopyasi(const TSonucBilgisi* kaynak);

// Footer of one order.
class TSiparisDipAyrinti {
 public:
  static constexpr const char* TurAdi = "baglantiu.TSiparisDipAyrinti";
  static std::span<const TAlan<TSiparisDipAyrinti>> Alanlar();

  // Copies every field of kaynak into this record (nothing happens when kaynak is null).
  void Kopyala(const TSiparisDipAyrinti* kaynak);

  QString Durumu() const { return FDurumu; }
  QString TeslimCinsi() const { return FTeslimCinsi; }
  QString KargoCinsi() const { return FKargoCinsi; }
  QString Kargo() const { return FKargo; }
  QString Veren() const { return FVeren; }
  QString SizinMesaj() const { return FSizinMesaj; }
  QString BizimMesaj() const { return FBizimMesaj; }
  QString SaticiNotu() const { return FSaticiNotu; }

  void SetDurumu(const QString& v) { FDurumu = v; }
  void SetTeslimCinsi(const QString& v) { FTeslimCinsi = v; }
  void SetKargoCinsi(const QString& v) { FKargoCinsi = v; }
  void SetKargo(const QString& v) { FKargo = v; }
  void SetVeren(const QString& v) { FVeren = v; }
  void SetSizinMesaj(const QString& v) { FSizinMesaj = v; }
  void SetBizimMesaj(const QString& v) { FBizimMesaj = v; }
  void SetSaticiNotu(const QString& v) { FSaticiNotu = v; }

 private:
  QString FSizinMesaj;
  QString FDurumu;
  QString FVeren;
  QString FKargo;
  QString FBizimMesaj;
  QString FTeslimCinsi;
  QString FKargoCinsi;
  QString FSaticiNotu;
};

// Counts behind the order-status buttons of the customer desk.
class TTusSonuclari {
 public:
  static constexpr const char* TurAdi = "baglantiu.TTusSonuclari";
  static std::span<const TAlan<TTusSonuclari>> Alanlar();

  // Copies every field of kaynak into this record (nothing happens when kaynak is null).
  void Kopyala(const TTusSonuclari* kaynak);

  int Alindi() const { return FAlindi; }
  int Onaylandi() const { return FOnaylandi; }
  int Goruldu() const { return FGoruldu; }
  int ParcaliHazirlandi() const { return FParcaliHazirlandi; }
  int Hazirlandi() const { return FHazirlandi; }
  int SevkEdildi() const { return FSevkEdildi; }

  void SetAlindi(int v) { FAlindi = v; }
  void SetOnaylandi(int v) { FOnaylandi = v; }
  void SetGoruldu(int v) { FGoruldu = v; }
  void SetParcaliHazirlandi(int v) { FParcaliHazirlandi = v; }
  void SetHazirlandi(int v) { FHazirlandi = v; }
  void SetSevkEdildi(int v) { FSevkEdildi = v; }

 private:
  int FAlindi = 0;
  int FOnaylandi = 0;
  int FParcaliHazirlandi = 0;
  int FSevkEdildi = 0;
  int FHazirlandi = 0;
  int FGoruldu = 0;
};
