#pragma once
// Transfer records of module mobilstokunit: customer data, opening screens, and the
// stock / basket records of the mobile methods with their owning lists.

#include <QString>
#include <memory>
#include <span>
#include <vector>

#include "session/baglantiu.h"

// A customer's account, contact and tax data.
class TMobilCariBilgisi {
 public:
  static constexpr const char* TurAdi = "mobilstokunit.TMobilCariBilgisi";
  static std::span<const TAlan<TMobilCariBilgisi>> Alanlar();

  // Copies every field of kaynak into this record (nothing happens when kaynak is null).
  void Kopyala(const TMobilCariBilgisi* kaynak);

  int CARINO() const { return FCARINO; }
  QString CARIKOD() const { return FCARIKOD; }
  QString CARIADI() const { return FCARIADI; }
  QString OzelKod() const { return FOzelKod; }
  QString AnaGrup() const { return FAnaGrup; }
  QString AltGrup() const { return FAltGrup; }
  QString ADRES1() const { return FADRES1; }
  QString ADRES2() const { return FADRES2; }
  QString ILCE() const { return FILCE; }
  QString TEL1() const { return FTEL1; }
  QString TEL2() const { return FTEL2; }
  QString FAX1() const { return FFAX1; }
  QString FAX2() const { return FFAX2; }
  QString GSM() const { return FGSM; }
  QString EMAIL() const { return FEMAIL; }
  QString YETKILI() const { return FYETKILI; }
  QString SEHIR() const { return FSEHIR; }
  QString ULKE() const { return FULKE; }
  QString SATICIADI() const { return FSATICIADI; }
  QString SATICITELEFON() const { return FSATICITELEFON; }
  QString SATICIMAIL() const { return FSATICIMAIL; }
  QString VERGIDAIRESI() const { return FVERGIDAIRESI; }
  QString VERGINO() const { return FVERGINO; }
  double TLBORC() const { return FTLBORC; }
  double TLALACAK() const { return FTLALACAK; }
  double TLBAKIYE() const { return FTLBAKIYE; }
  QString KULLANICIADI() const { return FKULLANICIADI; }
  QString SIFRE() const { return FSIFRE; }
  QString MAIL() const { return FMAIL; }
  QString BILGISAYARID() const { return FBILGISAYARID; }

  void SetCARINO(int v) { FCARINO = v; }
  void SetCARIKOD(const QString& v) { FCARIKOD = v; }
  void SetCARIADI(const QString& v) { FCARIADI = v; }
  void SetOzelKod(const QString& v) { FOzelKod = v; }
  void SetAnaGrup(const QString& v) { FAnaGrup = v; }
  void SetAltGrup(const QString& v) { FAltGrup = v; }
  void SetADRES1(const QString& v) { FADRES1 = v; }
  void SetADRES2(const QString& v) { FADRES2 = v; }
  void SetILCE(const QString& v) { FILCE = v; }
  void SetTEL1(const QString& v) { FTEL1 = v; }
  void SetTEL2(const QString& v) { FTEL2 = v; }
  void SetFAX1(const QString& v) { FFAX1 = v; }
  void SetFAX2(const QString& v) { FFAX2 = v; }
  void SetGSM(const QString& v) { FGSM = v; }
  void SetEMAIL(const QString& v) { FEMAIL = v; }
  void SetYETKILI(const QString& v) { FYETKILI = v; }
  void SetSEHIR(const QString& v) { FSEHIR = v; }
  void SetULKE(const QString& v) { FULKE = v; }
  void SetSATICIADI(const QString& v) { FSATICIADI = v; }
  void SetSATICITELEFON(const QString& v) { FSATICITELEFON = v; }
  void SetSATICIMAIL(const QString& v) { FSATICIMAIL = v; }
  void SetVERGIDAIRESI(const QString& v) { FVERGIDAIRESI = v; }
  void SetVERGINO(const QString& v) { FVERGINO = v; }
  void SetTLBORC(double v) { FTLBORC = v; }
  void SetTLALACAK(double v) { FTLALACAK = v; }
  void SetTLBAKIYE(double v) { FTLBAKIYE = v; }
  void SetKULLANICIADI(const QString& v) { FKULLANICIADI = v; }
  void SetSIFRE(const QString& v) { FSIFRE = v; }
  void SetMAIL(const QString& v) { FMAIL = v; }
  void SetBILGISAYARID(const QString& v) { FBILGISAYARID = v; }

 private:
  QString FBILGISAYARID;
  QString FSEHIR;
  QString FFAX1;
  QString FSATICIMAIL;
  QString FSATICIADI;
  QString FCARIADI;
  QString FEMAIL;
  QString FVERGIDAIRESI;
  QString FYETKILI;
  QString FAltGrup;
  QString FTEL2;
  QString FSIFRE;
  QString FGSM;
  QString FTEL1;
  QString FADRES2;
  double FTLBORC = 0;
  double FTLALACAK = 0;
  QString FADRES1;
  QString FULKE;
  QString FAnaGrup;
  int FCARINO = 0;
  double FTLBAKIYE = 0;
  QString FVERGINO;
  QString FMAIL;
  QString FOzelKod;
  QString FKULLANICIADI;
  QString FSATICITELEFON;
  QString FCARIKOD;
  QString FFAX2;
  QString FILCE;
};

// One opening screen, advertisement or announcement; FResim is the picture as hex text.
class TAcilisEkran {
 public:
  static constexpr const char* TurAdi = "mobilstokunit.TAcilisEkran";
  static std::span<const TAlan<TAcilisEkran>> Alanlar();

  // Copies every field of kaynak into this record (nothing happens when kaynak is null).
  void Kopyala(const TAcilisEkran* kaynak);

  int SiraNo() const { return FSiraNo; }
  QString Resim() const { return FResim; }
  QString Baslik() const { return FBaslik; }
  QString Arama() const { return FArama; }

  void SetSiraNo(int v) { FSiraNo = v; }
  void SetResim(const QString& v) { FResim = v; }
  void SetBaslik(const QString& v) { FBaslik = v; }
  void SetArama(const QString& v) { FArama = v; }

 private:
  int FSiraNo = 0;
  QString FResim;
  QString FBaslik;
  QString FArama;
};

// All opening screens at once. The holder shares the screens: destroying it leaves the
// screens alive for whoever still holds them.
class TAcilisEkranlariki {
 public:
  static constexpr const char* TurAdi = "mobilstokunit.TAcilisEkranlariki";
  using Liste = std::vector<std::shared_ptr<TAcilisEkran>>;

  void Kopyala(const TAcilisEkranlariki* kaynak);

  const Liste& Ekranlar() const { return FEkranlar; }
  void SetEkranlar(const Liste& v) { FEkranlar = v; }

 private:
  Liste FEkranlar;
};

// One stock for a mobile client.
class TMobilStok {
 public:
  static constexpr const char* TurAdi = "mobilstokunit.TMobilStok";
  static std::span<const TAlan<TMobilStok>> Alanlar();

  // Copies every field of kaynak into this record (nothing happens when kaynak is null).
  void Kopyala(const TMobilStok* kaynak);

  int StokNo() const { return FStokNo; }
  int ResimVar() const { return FResimVar; }
  QString Resim() const { return FResim; }
  int Yeni() const { return FYeni; }
  QString Departman() const { return FDepartman; }
  double VerilenSiparis() const { return FVerilenSiparis; }
  QString AltGrup() const { return FAltGrup; }
  int Durum() const { return FDurum; }
  QString Renk() const { return FRenk; }
  QString Birim() const { return FBirim; }
  double KDV() const { return FKDV; }
  double AlinanSiparis() const { return FAlinanSiparis; }
  double Isk2() const { return FIsk2; }
  QString AnaGrup() const { return FAnaGrup; }
  QString Kod() const { return FKod; }
  double Isk3() const { return FIsk3; }
  double ListeFiyati() const { return FListeFiyati; }
  QString Beden() const { return FBeden; }
  double NetFiyat() const { return FNetFiyat; }
  double Isk1() const { return FIsk1; }
  double KDVliFiyat() const { return FKDVliFiyat; }
  double Isk4() const { return FIsk4; }
  QString OzelKod() const { return FOzelKod; }
  int Kampnayali() const { return FKampnayali; }
  QString Barkod() const { return FBarkod; }
  double IndirimOran() const { return FIndirimOran; }
  double Kalan() const { return FKalan; }
  QString UreticiKod() const { return FUreticiKod; }
  double KampanyaliFiyat() const { return FKampanyaliFiyat; }
  QString OemNo() const { return FOemNo; }
  int BarkodNo() const { return FBarkodNo; }
  QString PKod() const { return FPKod; }
  QString DpKod() const { return FDpKod; }
  QString Adi() const { return FAdi; }
  double Fiyat() const { return FFiyat; }

  void SetStokNo(int v) { FStokNo = v; }
  void SetResimVar(int v) { FResimVar = v; }
  void SetResim(const QString& v) { FResim = v; }
  void SetYeni(int v) { FYeni = v; }
  void SetDepartman(const QString& v) { FDepartman = v; }
  void SetVerilenSiparis(double v) { FVerilenSiparis = v; }
  void SetAltGrup(const QString& v) { FAltGrup = v; }
  void SetDurum(int v) { FDurum = v; }
  void SetRenk(const QString& v) { FRenk = v; }
  void SetBirim(const QString& v) { FBirim = v; }
  void SetKDV(double v) { FKDV = v; }
  void SetAlinanSiparis(double v) { FAlinanSiparis = v; }
  void SetIsk2(double v) { FIsk2 = v; }
  void SetAnaGrup(const QString& v) { FAnaGrup = v; }
  void SetKod(const QString& v) { FKod = v; }
  void SetIsk3(double v) { FIsk3 = v; }
  void SetListeFiyati(double v) { FListeFiyati = v; }
  void SetBeden(const QString& v) { FBeden = v; }
  void SetNetFiyat(double v) { FNetFiyat = v; }
  void SetIsk1(double v) { FIsk1 = v; }
  void SetKDVliFiyat(double v) { FKDVliFiyat = v; }
  void SetIsk4(double v) { FIsk4 = v; }
  void SetOzelKod(const QString& v) { FOzelKod = v; }
  void SetKampnayali(int v) { FKampnayali = v; }
  void SetBarkod(const QString& v) { FBarkod = v; }
  void SetIndirimOran(double v) { FIndirimOran = v; }
  void SetKalan(double v) { FKalan = v; }
  void SetUreticiKod(const QString& v) { FUreticiKod = v; }
  void SetKampanyaliFiyat(double v) { FKampanyaliFiyat = v; }
  void SetOemNo(const QString& v) { FOemNo = v; }
  void SetBarkodNo(int v) { FBarkodNo = v; }
  void SetPKod(const QString& v) { FPKod = v; }
  void SetDpKod(const QString& v) { FDpKod = v; }
  void SetAdi(const QString& v) { FAdi = v; }
  void SetFiyat(double v) { FFiyat = v; }

 private:
  int FStokNo = 0;
  int FResimVar = 0;
  QString FResim;
  int FYeni = 0;
  QString FDepartman;
  double FVerilenSiparis = 0;
  QString FAltGrup;
  int FDurum = 0;
  QString FRenk;
  QString FBirim = QStringLiteral("ADET");
  double FKDV = 18;
  double FAlinanSiparis = 0;
  double FIsk2 = 0;
  QString FAnaGrup;
  QString FKod;
  double FIsk3 = 0;
  double FListeFiyati = 0;
  QString FBeden;
  double FNetFiyat = 0;
  double FIsk1 = 0;
  double FKDVliFiyat = 0;
  double FIsk4 = 0;
  QString FOzelKod;
  int FKampnayali = 0;
  QString FBarkod;
  double FIndirimOran = 0;
  double FKalan = 0;
  QString FUreticiKod;
  double FKampanyaliFiyat = 0;
  QString FOemNo;
  int FBarkodNo = 0;
  QString FPKod;
  QString FDpKod;
  QString FAdi;
  double FFiyat = 0;
};

// One basket line for a mobile client. FTARIH and FVERILISTARIHI are OLE dates.
class TMobilSepet {
 public:
  static constexpr const char* TurAdi = "mobilstokunit.TMobilSepet";
  static std::span<const TAlan<TMobilSepet>> Alanlar();

  // Copies every field of kaynak into this record (nothing happens when kaynak is null).
  void Kopyala(const TMobilSepet* kaynak);

  int KARGOID() const { return FKARGOID; }
  int StokNo() const { return FStokNo; }
  double TARIH() const { return FTARIH; }
  int SIRANO() const { return FSIRANO; }
  QString CARIADI() const { return FCARIADI; }
  double VERILISTARIHI() const { return FVERILISTARIHI; }
  int Durum() const { return FDurum; }
  double MIKTAR() const { return FMIKTAR; }
  int VERENIDNO() const { return FVERENIDNO; }
  double NETTUTAR() const { return FNETTUTAR; }
  double KDVLITUTAR() const { return FKDVLITUTAR; }
  double KDV() const { return FKDV; }
  int AKTAR() const { return FAKTAR; }
  QString SAAT() const { return FSAAT; }
  double VERGITUTARI() const { return FVERGITUTARI; }
  QString PKod() const { return FPKod; }
  QString MODEL() const { return FMODEL; }
  double INDIRIMTUTAR() const { return FINDIRIMTUTAR; }
  int STOK_STOKNO() const { return FSTOK_STOKNO; }
  double BIRIMFIYAT() const { return FBIRIMFIYAT; }
  int SEC() const { return FSEC; }
  QString OEM2() const { return FOEM2; }
  QString OEM3() const { return FOEM3; }
  QString AnaGrup() const { return FAnaGrup; }
  QString MARKA() const { return FMARKA; }
  QString VEREN() const { return FVEREN; }
  QString STOKADI() const { return FSTOKADI; }
  QString OEM1() const { return FOEM1; }
  int CARINO() const { return FCARINO; }
  int VERENSIRANO() const { return FVERENSIRANO; }
  int ACIKLAMA() const { return FACIKLAMA; }
  double INDIRIMORANI2() const { return FINDIRIMORANI2; }
  QString OEM4() const { return FOEM4; }
  QString KUR() const { return FKUR; }
  double INDIRIMORANI3() const { return FINDIRIMORANI3; }
  int SIPARISNO() const { return FSIPARISNO; }
  double IDNO() const { return FIDNO; }
  QString OzelKod() const { return FOzelKod; }
  QString DpKod() const { return FDpKod; }
  double KURTL() const { return FKURTL; }
  double INDIRIMORANI1() const { return FINDIRIMORANI1; }
  QString DIGERADI() const { return FDIGERADI; }
  QString Barkod() const { return FBarkod; }
  double TUTAR() const { return FTUTAR; }
  QString URETICIKODU() const { return FURETICIKODU; }
  double Kalan() const { return FKalan; }
  QString FINISHKOD() const { return FFINISHKOD; }
  QString CARIKOD() const { return FCARIKOD; }
  double NETBIRIMFIYAT() const { return FNETBIRIMFIYAT; }
  QString OemNo() const { return FOemNo; }
  int TESLIMID() const { return FTESLIMID; }
  int ResimVar() const { return FResimVar; }
  QString Resim() const { return FResim; }

  void SetKARGOID(int v) { FKARGOID = v; }
  void SetStokNo(int v) { FStokNo = v; }
  void SetTARIH(double v) { FTARIH = v; }
  void SetSIRANO(int v) { FSIRANO = v; }
  void SetCARIADI(const QString& v) { FCARIADI = v; }
  void SetVERILISTARIHI(double v) { FVERILISTARIHI = v; }
  void SetDurum(int v) { FDurum = v; }
  void SetMIKTAR(double v) { FMIKTAR = v; }
  void SetVERENIDNO(int v) { FVERENIDNO = v; }
  void SetNETTUTAR(double v) { FNETTUTAR = v; }
  void SetKDVLITUTAR(double v) { FKDVLITUTAR = v; }
  void SetKDV(double v) { FKDV = v; }
  void SetAKTAR(int v) { FAKTAR = v; }
  void SetSAAT(const QString& v) { FSAAT = v; }
  void SetVERGITUTARI(double v) { FVERGITUTARI = v; }
  void SetPKod(const QString& v) { FPKod = v; }
  void SetMODEL(const QString& v) { FMODEL = v; }
  void SetINDIRIMTUTAR(double v) { FINDIRIMTUTAR = v; }
  void SetSTOK_STOKNO(int v) { FSTOK_STOKNO = v; }
  void SetBIRIMFIYAT(double v) { FBIRIMFIYAT = v; }
  void SetSEC(int v) { FSEC = v; }
  void SetOEM2(const QString& v) { FOEM2 = v; }
  void SetOEM3(const QString& v) { FOEM3 = v; }
  void SetAnaGrup(const QString& v) { FAnaGrup = v; }
  void SetMARKA(const QString& v) { FMARKA = v; }
  void SetVEREN(const QString& v) { FVEREN = v; }
  void SetSTOKADI(const QString& v) { FSTOKADI = v; }
  void SetOEM1(const QString& v) { FOEM1 = v; }
  void SetCARINO(int v) { FCARINO = v; }
  void SetVERENSIRANO(int v) { FVERENSIRANO = v; }
  void SetACIKLAMA(int v) { FACIKLAMA = v; }
  void SetINDIRIMORANI2(double v) { FINDIRIMORANI2 = v; }
  void SetOEM4(const QString& v) { FOEM4 = v; }
  void SetKUR(const QString& v) { FKUR = v; }
  void SetINDIRIMORANI3(double v) { FINDIRIMORANI3 = v; }
  void SetSIPARISNO(int v) { FSIPARISNO = v; }
  void SetIDNO(double v) { FIDNO = v; }
  void SetOzelKod(const QString& v) { FOzelKod = v; }
  void SetDpKod(const QString& v) { FDpKod = v; }
  void SetKURTL(double v) { FKURTL = v; }
  void SetINDIRIMORANI1(double v) { FINDIRIMORANI1 = v; }
  void SetDIGERADI(const QString& v) { FDIGERADI = v; }
  void SetBarkod(const QString& v) { FBarkod = v; }
  void SetTUTAR(double v) { FTUTAR = v; }
  void SetURETICIKODU(const QString& v) { FURETICIKODU = v; }
  void SetKalan(double v) { FKalan = v; }
  void SetFINISHKOD(const QString& v) { FFINISHKOD = v; }
  void SetCARIKOD(const QString& v) { FCARIKOD = v; }
  void SetNETBIRIMFIYAT(double v) { FNETBIRIMFIYAT = v; }
  void SetOemNo(const QString& v) { FOemNo = v; }
  void SetTESLIMID(int v) { FTESLIMID = v; }
  void SetResimVar(int v) { FResimVar = v; }
  void SetResim(const QString& v) { FResim = v; }

 private:
  int FKARGOID = 0;
  int FStokNo = 0;
  double FTARIH = 0;
  int FSIRANO = 0;
  QString FCARIADI;
  double FVERILISTARIHI = 0;
  int FDurum = 0;
  double FMIKTAR = 0;
  int FVERENIDNO = 0;
  double FNETTUTAR = 0;
  double FKDVLITUTAR = 0;
  double FKDV = 0;
  int FAKTAR = 0;
  QString FSAAT;
  double FVERGITUTARI = 0;
  QString FPKod;
  QString FMODEL;
  double FINDIRIMTUTAR = 0;
  int FSTOK_STOKNO = 0;
  double FBIRIMFIYAT = 0;
  int FSEC = 0;
  QString FOEM2;
  QString FOEM3;
  QString FAnaGrup;
  QString FMARKA;
  QString FVEREN;
  QString FSTOKADI;
  QString FOEM1;
  int FCARINO = 0;
  int FVERENSIRANO = 0;
  int FACIKLAMA = 0;
  double FINDIRIMORANI2 = 0;
  QString FOEM4;
  QString FKUR;
  double FINDIRIMORANI3 = 0;
  int FSIPARISNO = 0;
  double FIDNO = 0;
  QString FOzelKod;
  QString FDpKod;
  double FKURTL = 0;
  double FINDIRIMORANI1 = 0;
  QString FDIGERADI;
  QString FBarkod;
  double FTUTAR = 0;
  QString FURETICIKODU;
  double FKalan = 0;
  QString FFINISHKOD;
  QString FCARIKOD;
  double FNETBIRIMFIYAT = 0;
  QString FOemNo;
  int FTESLIMID = 0;
  int FResimVar = 0;
  QString FResim;
};

// An owning list of records (destroying the list frees its entries).
// On the wire: {"type":..., "id":..., "fields":{"FItems":[record objects...]}}.
template <class T>
class TSahipListe {
 public:
  using Oge = T;
  void Add(std::unique_ptr<T> oge) { FItems.push_back(std::move(oge)); }
  int Count() const { return static_cast<int>(FItems.size()); }
  T* Items(int i) const { return FItems.at(static_cast<std::size_t>(i)).get(); }
  void Clear() { FItems.clear(); }

 private:
  std::vector<std::unique_ptr<T>> FItems;
};

class TAcilisEkranlar : public TSahipListe<TAcilisEkran> {
 public:
  static constexpr const char* TurAdi = "mobilstokunit.TAcilisEkranlar";
};
class TMobilStoklar : public TSahipListe<TMobilStok> {
 public:
  static constexpr const char* TurAdi = "mobilstokunit.TMobilStoklar";
};
class TMobilSepetler : public TSahipListe<TMobilSepet> {
 public:
  static constexpr const char* TurAdi = "mobilstokunit.TMobilSepetler";
};
