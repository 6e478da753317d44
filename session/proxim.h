#pragma once
// TServerMethods1Client: the client proxy of the application server, one operation per remote
// method. Built on a connection; an object argument (the session copy) is freed by the call
// once it has been marshalled; a row reader, stream or record result belongs to the method's
// command and stays valid until the next call of that method or the proxy's end; a data packet,
// text or number belongs to the caller.

#include <QBuffer>
#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>
#include <memory>

#include "platform/core/paket.h"
#include "platform/rpc/dsbaglanti.h"

class TClientDataSet;
class TSonucBilgisi;
class TSiparisDipAyrinti;
class TTusSonuclari;
class TMobilCariBilgisi;
class TAcilisEkran;
class TAcilisEkranlariki;

// Table data returned as a row reader: the reply bytes and the packet's place in them.
class TDBXReader {
 public:
  TDBXReader(QByteArray cevap, int konum) : paket_(std::move(cevap), konum) {}
  const TVeriPaketi& Paket() const { return paket_; }

 private:
  TVeriPaketi paket_;
};

// Copies every row of the reader into ds (the data set takes the reader's columns), with the
// data set's controls off during the copy. A null reader leaves ds closed and empty.
// A reader that cannot be read throws EDSHatasi.
void ReaderToDataSet(TDBXReader* okuyucu, TClientDataSet& ds);

// The stream steps: reads from position 0 in blocks of 1024 bytes, appending each block that has
// bytes, and stops after the first block shorter than 1024 bytes. The content is accepted (true,
// hedef filled) only when its length equals the announced size boy. Size 0 (or below): no
// content and nothing is read. blokSonrasi, when given, runs after every block (a caller on the
// main thread lets pending window events through there). boy is taken by reference so that
// AkisKopyala(p.ResimVer5(no, boy), boy, hedef) reads the size the call has just set.
bool AkisKopyala(QIODevice* akis, const qint64& boy, QByteArray& hedef,
                 const std::function<void()>& blokSonrasi = {});

// One method's command: created on the first call of that method and reused; holds what the
// last call returned that the proxy owns.
class TDBXCommand {
 public:
  explicit TDBXCommand(const QString& yontem)
      : CommandType(QStringLiteral("DataSnap.ServerMethod")), Text(QStringLiteral("TServerMethods1.") + yontem),
        Yontem(yontem) {}
  QString CommandType;
  QString Text;    // "TServerMethods1.<method>"
  QString Yontem;  // the method's name
  int CalismaSayisi = 0;

  std::unique_ptr<TDBXReader> okuyucu;
  std::unique_ptr<QBuffer> akis;
  std::shared_ptr<void> kayit;
  void SonuclariBirak() {
    okuyucu.reset();
    akis.reset();
    kayit.reset();
  }
};

class TParametreYazici;

class TServerMethods1Client {
 public:
  explicit TServerMethods1Client(TSQLConnection* baglanti);
  TServerMethods1Client(TSQLConnection* baglanti, bool instanceOwner);
  ~TServerMethods1Client();
  TServerMethods1Client(const TServerMethods1Client&) = delete;
  TServerMethods1Client& operator=(const TServerMethods1Client&) = delete;

  TSonucBilgisi* BuyukGetir(const QString& idsi);
  TVeriPaketi StokAraGetirDravik(const QString& kod, TSonucBilgisi* bilgi);
  QIODevice* ResimVer5(int stokno, qint64& boy);
  TVeriPaketi SepetVer2(int carino);
  int SepetEkle2(TSonucBilgisi* bilgim, int carino, int stokno, const QString& barkod, const QString& stokadi, double miktar, double kdv, double fiyat, double ind1, int verenid, int k, double ind2, double ind3, double ind4);
  int SepetGuncelle2(TSonucBilgisi* bilgim, int carino, int stokno, const QString& barkod, const QString& stokadi, double miktar, double kdv, double fiyat, double ind1, int verenid, int _sepetsirano, double ind2, double ind3, double ind4);
  int SepetSatirSil(TSonucBilgisi* bilgi, int satirno, const QString& aciklamam);
  int SepetHepsiniSil(TSonucBilgisi* bilgi);
  void SepetSecimGuncelle(int sirano, int secim);
  QString EkfiyatIndirimVer();
  QString CariVadeGunGecmismiBul(int carino);
  bool SiparisKaydetDravik(TSonucBilgisi* BB, int _carino, int _teslim, int _kargo, const QString& _aciklama, int _verenid, int _kargoyeni, double ekindirim, const QString& ebilgi);
  TDBXReader* TeslimVer();
  TDBXReader* KargoVer();
  TDBXReader* KargolarVer(int gn);
  TDBXReader* OncekiSiparisler(int carino);
  TDBXReader* CariEkstreVer(int carino);
  TDBXReader* SiparisAyrintisi2(int carino, int idnosu);
  TSiparisDipAyrinti* SiparisAytintisiDip(int carino, int siranosu);
  TDBXReader* FaturaGetir(int carino, int idnosu);
  TDBXReader* FaturaAltGetir(int idnosu);
  TDBXReader* Tahsilat(int idnosu);
  int SanalposSiranoVer(int idnosu);
  QIODevice* SAnalPosPdfVer(int sirano, qint64& boy);
  TDBXReader* TumSiparislerVer(int carino, int stokno);
  TDBXReader* BakiyelerVer2(int carino);
  int BakiyeDuzenle(TSonucBilgisi* k, int stokno, int sepetsirano, int siparissirano, double Adet, double Bakiye, const QString& barkod);
  int BakiyeDegistir(TSonucBilgisi* k, int stokno, int sepetsirano, int siparissirano, double Adet, double Bakiye, const QString& barkod);
  int BakiyeFiyatDegistir(TSonucBilgisi* k, int stokno, int sepetsirano, int siparissirano, double Adet, double Bakiye, const QString& barkod, double fiyat, double ind);
  TDBXReader* BalonGetir(TSonucBilgisi* bil);
  QString KayanYaziGetir();
  QIODevice* BannerResimVer(qint64& size);
  QIODevice* BannerResimVer2(qint64& size);
  QIODevice* BannerResimVer3(qint64& size);
  int AcilisReklamAdet();
  TAcilisEkran* AcilisREklamVer(int sira);
  TAcilisEkranlariki* AcilisEkranlarVer2();
  TVeriPaketi YenilerVer2(int carino);
  TVeriPaketi KampanyaliVer2(int cario, int satici);
  TDBXReader* DosyaListesi2();
  QIODevice* BelgeIndir(int sirano, qint64& size, QString& adi);
  QString CariDurumVer(int carino);
  TDBXReader* CariAra(TSonucBilgisi* bil, const QString& aranan);
  TDBXReader* CariSepetVer(TSonucBilgisi* bil, int n);
  int SepetSayisi(TSonucBilgisi* bil);
  TTusSonuclari* TusSonuclariVer(TSonucBilgisi* bil);
  QIODevice* RaporGetir(int raporno, int bolum, int idno, int carino, const QString& saticiadi, double tarih1, double tarih2, qint64& size);
  TDBXReader* RaporAlinanSiparisler(TSonucBilgisi* bilgi, double tarih1, double tarih2);
  TDBXReader* RaporEnCokSatilanStoklar(TSonucBilgisi* bilgi, double tarih1, double tarih2);
  TMobilCariBilgisi* MobilCariBilgisiGetir(int sirano, const QString& _idsi);
  int MailGonserCari(const QString& idsi, const QString& baslik, const QString& firmaadi, const QString& adres1, const QString& adres2, const QString& ilce, const QString& sehir, const QString& telefon, const QString& fax, const QString& vd, const QString& vn, const QString& yetkili, const QString& kullaniciadi, const QString& sifre, const QString& mail, const QString& kargoambar);
  int MailGonserCariNormal(const QString& idsi, const QString& baslik, const QString& firmaadi, const QString& adres1, const QString& adres2, const QString& ilce, const QString& sehir, const QString& telefon, const QString& fax, const QString& vd, const QString& vn, const QString& yetkili, const QString& kullaniciadi, const QString& sifre, const QString& mail, const QString& kargoambar, const QString& konu);

 protected:
  TSQLConnection* FDBXConnection;
  bool FInstanceOwner;

 private:
  TDBXCommand& Komut(std::unique_ptr<TDBXCommand>& alan, const QString& yontem);
  QByteArray Calistir(TDBXCommand& komut, const TParametreYazici& p);
  // Writes the inputs in order by their type (int, double, text, the session copy) and calls.
  template <class... Girdiler>
  QByteArray Cagir(TDBXCommand& komut, const Girdiler&... girdiler);

  std::unique_ptr<TDBXCommand> FBuyukGetirCommand;
  std::unique_ptr<TDBXCommand> FStokAraGetirDravikCommand;
  std::unique_ptr<TDBXCommand> FResimVer5Command;
  std::unique_ptr<TDBXCommand> FSepetVer2Command;
  std::unique_ptr<TDBXCommand> FSepetEkle2Command;
  std::unique_ptr<TDBXCommand> FSepetGuncelle2Command;
  std::unique_ptr<TDBXCommand> FSepetSatirSilCommand;
  std::unique_ptr<TDBXCommand> FSepetHepsiniSilCommand;
  std::unique_ptr<TDBXCommand> FSepetSecimGuncelleCommand;
  std::unique_ptr<TDBXCommand> FEkfiyatIndirimVerCommand;
  std::unique_ptr<TDBXCommand> FCariVadeGunGecmismiBulCommand;
  std::unique_ptr<TDBXCommand> FSiparisKaydetDravikCommand;
  std::unique_ptr<TDBXCommand> FTeslimVerCommand;
  std::unique_ptr<TDBXCommand> FKargoVerCommand;
  std::unique_ptr<TDBXCommand> FKargolarVerCommand;
  std::unique_ptr<TDBXCommand> FOncekiSiparislerCommand;
  std::unique_ptr<TDBXCommand> FCariEkstreVerCommand;
  std::unique_ptr<TDBXCommand> FSiparisAyrintisi2Command;
  std::unique_ptr<TDBXCommand> FSiparisAytintisiDipCommand;
  std::unique_ptr<TDBXCommand> FFaturaGetirCommand;
  std::unique_ptr<TDBXCommand> FFaturaAltGetirCommand;
  std::unique_ptr<TDBXCommand> FTahsilatCommand;
  std::unique_ptr<TDBXCommand> FSanalposSiranoVerCommand;
  std::unique_ptr<TDBXCommand> FSAnalPosPdfVerCommand;
  std::unique_ptr<TDBXCommand> FTumSiparislerVerCommand;
  std::unique_ptr<TDBXCommand> FBakiyelerVer2Command;
  std::unique_ptr<TDBXCommand> FBakiyeDuzenleCommand;
  std::unique_ptr<TDBXCommand> FBakiyeDegistirCommand;
  std::unique_ptr<TDBXCommand> FBakiyeFiyatDegistirCommand;
  std::unique_ptr<TDBXCommand> FBalonGetirCommand;
  std::unique_ptr<TDBXCommand> FKayanYaziGetirCommand;
  std::unique_ptr<TDBXCommand> FBannerResimVerCommand;
  std::unique_ptr<TDBXCommand> FBannerResimVer2Command;
  std::unique_ptr<TDBXCommand> FBannerResimVer3Command;
  std::unique_ptr<TDBXCommand> FAcilisReklamAdetCommand;
  std::unique_ptr<TDBXCommand> FAcilisREklamVerCommand;
  std::unique_ptr<TDBXCommand> FAcilisEkranlarVer2Command;
  std::unique_ptr<TDBXCommand> FYenilerVer2Command;
  std::unique_ptr<TDBXCommand> FKampanyaliVer2Command;
  std::unique_ptr<TDBXCommand> FDosyaListesi2Command;
  std::unique_ptr<TDBXCommand> FBelgeIndirCommand;
  std::unique_ptr<TDBXCommand> FCariDurumVerCommand;
  std::unique_ptr<TDBXCommand> FCariAraCommand;
  std::unique_ptr<TDBXCommand> FCariSepetVerCommand;
  std::unique_ptr<TDBXCommand> FSepetSayisiCommand;
  std::unique_ptr<TDBXCommand> FTusSonuclariVerCommand;
  std::unique_ptr<TDBXCommand> FRaporGetirCommand;
  std::unique_ptr<TDBXCommand> FRaporAlinanSiparislerCommand;
  std::unique_ptr<TDBXCommand> FRaporEnCokSatilanStoklarCommand;
  std::unique_ptr<TDBXCommand> FMobilCariBilgisiGetirCommand;
  std::unique_ptr<TDBXCommand> FMailGonserCariCommand;
  std::unique_ptr<TDBXCommand> FMailGonserCariNormalCommand;
};
