// The client proxy: marshals the inputs by position, makes the call through the connection and
// reads the outputs and the return value from the reply's "result" array.

#include "session/proxim.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <charconv>
#include <cmath>
#include <type_traits>

#include "platform/core/veriseti.h"
#include "session/baglantiu.h"
#include "session/kayitjson.h"
#include "session/mobilstokunit.h"

// ---- input parameters as a JSON array text

class TParametreYazici {
 public:
  // sahip: the session copy passed in is freed once written.
  explicit TParametreYazici(bool sahip) : sahip_(sahip) { metin_.append('['); }
  // Writes one input by its type: int, double, text or the session copy.
  template <class T>
  void Yaz(const T& v) {
    if constexpr (std::is_same_v<T, int>) {
      Ayrac().append(QByteArray::number(v));
    } else if constexpr (std::is_same_v<T, double>) {
      Float(v);
    } else if constexpr (std::is_same_v<T, QString>) {
      Ayrac().append(QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact).mid(1).chopped(1));
    } else {
      static_assert(std::is_same_v<T, TSonucBilgisi*>, "no wire form for this input type");
      std::unique_ptr<TSonucBilgisi> birak(sahip_ ? v : nullptr);
      Ayrac().append(QByteArray::fromStdString(KayitJsonMetni(v)));
    }
  }
  QByteArray Metin() const { return metin_ + ']'; }

 private:
  void Float(double v) {
    if (!std::isfinite(v)) {
      Ayrac().append("null");
      return;
    }
    char tampon[32];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, v);
    Ayrac().append(tampon, qsizetype(r.ptr - tampon));
  }
  QByteArray& Ayrac() {
    if (metin_.size() > 1) metin_.append(',');
    return metin_;
  }
  bool sahip_;
  QByteArray metin_;
};

// ---- the reply's "result" array, for methods without table data

namespace {

class TSonucDizisi {
 public:
  TSonucDizisi(const QByteArray& cevap, const QString& komut) : komut_(komut) {
    QJsonParseError hata{};
    const QJsonDocument belge = QJsonDocument::fromJson(cevap, &hata);
    if (hata.error != QJsonParseError::NoError || !belge.isObject() ||
        !belge.object().value(QStringLiteral("result")).isArray())
      throw EDSHatasi(QStringLiteral("Sunucunun cevabı okunamadı (%1).").arg(komut_));
    dizi_ = belge.object().value(QStringLiteral("result")).toArray();
  }

  int Int(int i) const {
    const double d = Sayi(i);
    if (d != std::floor(d) || d < -2147483648.0 || d > 2147483647.0) Bozuk(i);
    return int(d);
  }
  qint64 Int64(int i) const {
    const double d = Sayi(i);
    if (d != std::floor(d) || std::fabs(d) > 9007199254740992.0) Bozuk(i);
    return qint64(d);
  }
  bool Bool(int i) const {
    const QJsonValue v = Deger(i);
    if (!v.isBool()) Bozuk(i);
    return v.toBool();
  }
  QString Text(int i) const {
    const QJsonValue v = Deger(i);
    if (v.isNull()) return QString();
    if (!v.isString()) Bozuk(i);
    return v.toString();
  }
  std::unique_ptr<QBuffer> Akis(int i) const {
    const QJsonValue v = Deger(i);
    auto akis = std::make_unique<QBuffer>();
    if (!v.isNull()) {
      const QJsonValue b64 = v.toObject().value(QStringLiteral("stream"));
      if (!b64.isString()) Bozuk(i);
      auto cozum = QByteArray::fromBase64Encoding(b64.toString().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
      if (!cozum) Bozuk(i);
      akis->setData(*cozum);
    }
    akis->open(QIODevice::ReadOnly);
    return akis;
  }
  template <class T>
  std::unique_ptr<T> Kayit(int i) const {
    try {
      return KayitJsonOku<T>(Deger(i));
    } catch (const EKayitHatasi& e) {
      throw EDSHatasi(QStringLiteral("Sunucunun gönderdiği kayıt okunamadı (%1): %2").arg(komut_, e.Mesaj()));
    }
  }

 private:
  QJsonValue Deger(int i) const {
    if (i >= dizi_.size()) Bozuk(i);
    return dizi_.at(i);
  }
  double Sayi(int i) const {
    const QJsonValue v = Deger(i);
    if (!v.isDouble()) Bozuk(i);
    return v.toDouble();
  }
  [[noreturn]] void Bozuk(int i) const {
    throw EDSHatasi(QStringLiteral("Sunucunun cevabı beklenen biçimde değil (%1, %2. değer).").arg(komut_).arg(i + 1));
  }
  QString komut_;
  QJsonArray dizi_;
};

// ---- what a call returns, kept by the command where the proxy owns it

TSonucDizisi Sonuc(const TDBXCommand& komut, const QByteArray& cevap) { return TSonucDizisi(cevap, komut.Text); }

TVeriPaketi Paket(QByteArray cevap) { return TVeriPaketi(std::move(cevap), 0); }

TDBXReader* Okuyucu(TDBXCommand& komut, QByteArray cevap) {
  komut.okuyucu = std::make_unique<TDBXReader>(std::move(cevap), 0);
  return komut.okuyucu.get();
}

template <class T>
T* Kayit(TDBXCommand& komut, const QByteArray& cevap) {
  auto kayit = Sonuc(komut, cevap).Kayit<T>(0);
  T* sonuc = kayit.get();
  komut.kayit = std::shared_ptr<T>(std::move(kayit));
  return sonuc;
}

// A stream with its size: the size first, then (when asked for) the name, then the stream; what
// was read stays set even when a later value is bad.
QIODevice* Akis(TDBXCommand& komut, const TSonucDizisi& s, qint64& boy, QString* adi = nullptr) {
  boy = s.Int64(0);
  if (adi) *adi = s.Text(1);
  komut.akis = s.Akis(adi ? 2 : 1);
  return komut.akis.get();
}

}  // namespace

// ---- helpers

void ReaderToDataSet(TDBXReader* okuyucu, TClientDataSet& ds) {
  ds.DisableControls();
  try {
    PaketiYukle(okuyucu ? okuyucu->Paket() : TVeriPaketi(QByteArrayLiteral("null")), ds);
  } catch (const std::exception& e) {
    ds.EnableControls();
    throw EDSHatasi(QStringLiteral("Sunucunun gönderdiği tablo okunamadı: %1").arg(QString::fromUtf8(e.what())));
  }
  ds.EnableControls();
}

bool AkisKopyala(QIODevice* akis, const qint64& boy, QByteArray& hedef, const std::function<void()>& blokSonrasi) {
  hedef.clear();
  if (!akis || boy <= 0) return false;
  if (!akis->isOpen() && !akis->open(QIODevice::ReadOnly)) return false;
  if (!akis->isSequential()) akis->seek(0);
  QByteArray bellek;
  char tampon[1024];
  for (;;) {
    const qint64 n = akis->read(tampon, sizeof tampon);
    if (n > 0) bellek.append(tampon, qsizetype(n));
    if (blokSonrasi) blokSonrasi();
    if (n < qint64(sizeof tampon)) break;
  }
  if (bellek.size() != boy) return false;
  hedef = std::move(bellek);
  return true;
}

// ---- proxy

TServerMethods1Client::TServerMethods1Client(TSQLConnection* baglanti) : TServerMethods1Client(baglanti, true) {}

TServerMethods1Client::TServerMethods1Client(TSQLConnection* baglanti, bool instanceOwner)
    : FDBXConnection(baglanti), FInstanceOwner(instanceOwner) {}

TServerMethods1Client::~TServerMethods1Client() = default;

TDBXCommand& TServerMethods1Client::Komut(std::unique_ptr<TDBXCommand>& alan, const QString& yontem) {
  if (!alan) alan = std::make_unique<TDBXCommand>(yontem);
  return *alan;
}

QByteArray TServerMethods1Client::Calistir(TDBXCommand& komut, const TParametreYazici& p) {
  komut.SonuclariBirak();
  ++komut.CalismaSayisi;
  if (!FDBXConnection) throw EDSHatasi(QStringLiteral("Sunucu bağlantısı verilmedi."));
  return FDBXConnection->Cagir(komut.Yontem, p.Metin());
}

template <class... Girdiler>
QByteArray TServerMethods1Client::Cagir(TDBXCommand& komut, const Girdiler&... girdiler) {
  TParametreYazici p(FInstanceOwner);
  (p.Yaz(girdiler), ...);
  return Calistir(komut, p);
}

// ---- one operation per remote method: the inputs in order, then what the answer holds

TSonucBilgisi* TServerMethods1Client::BuyukGetir(const QString& idsi) {
  TDBXCommand& komut = Komut(FBuyukGetirCommand, QStringLiteral("BuyukGetir"));
  return Kayit<TSonucBilgisi>(komut, Cagir(komut, idsi));
}

TVeriPaketi TServerMethods1Client::StokAraGetirDravik(const QString& kod, TSonucBilgisi* bilgi) {
  TDBXCommand& komut = Komut(FStokAraGetirDravikCommand, QStringLiteral("StokAraGetirDravik"));
  return Paket(Cagir(komut, kod, bilgi));
}

QIODevice* TServerMethods1Client::ResimVer5(int stokno, qint64& boy) {
  TDBXCommand& komut = Komut(FResimVer5Command, QStringLiteral("ResimVer5"));
  return Akis(komut, Sonuc(komut, Cagir(komut, stokno)), boy);
}

TVeriPaketi TServerMethods1Client::SepetVer2(int carino) {
  TDBXCommand& komut = Komut(FSepetVer2Command, QStringLiteral("SepetVer2"));
  return Paket(Cagir(komut, carino));
}

int TServerMethods1Client::SepetEkle2(TSonucBilgisi* bilgim, int carino, int stokno, const QString& barkod, const QString& stokadi, double miktar, double kdv, double fiyat, double ind1, int verenid, int k, double ind2, double ind3, double ind4) {
  TDBXCommand& komut = Komut(FSepetEkle2Command, QStringLiteral("SepetEkle2"));
  return Sonuc(komut, Cagir(komut, bilgim, carino, stokno, barkod, stokadi, miktar, kdv, fiyat, ind1, verenid, k, ind2, ind3, ind4)).Int(0);
}

int TServerMethods1Client::SepetGuncelle2(TSonucBilgisi* bilgim, int carino, int stokno, const QString& barkod, const QString& stokadi, double miktar, double kdv, double fiyat, double ind1, int verenid, int _sepetsirano, double ind2, double ind3, double ind4) {
  TDBXCommand& komut = Komut(FSepetGuncelle2Command, QStringLiteral("SepetGuncelle2"));
  return Sonuc(komut, Cagir(komut, bilgim, carino, stokno, barkod, stokadi, miktar, kdv, fiyat, ind1, verenid, _sepetsirano, ind2, ind3, ind4)).Int(0);
}

int TServerMethods1Client::SepetSatirSil(TSonucBilgisi* bilgi, int satirno, const QString& aciklamam) {
  TDBXCommand& komut = Komut(FSepetSatirSilCommand, QStringLiteral("SepetSatirSil"));
  return Sonuc(komut, Cagir(komut, bilgi, satirno, aciklamam)).Int(0);
}

int TServerMethods1Client::SepetHepsiniSil(TSonucBilgisi* bilgi) {
  TDBXCommand& komut = Komut(FSepetHepsiniSilCommand, QStringLiteral("SepetHepsiniSil"));
  return Sonuc(komut, Cagir(komut, bilgi)).Int(0);
}

void TServerMethods1Client::SepetSecimGuncelle(int sirano, int secim) {
  TDBXCommand& komut = Komut(FSepetSecimGuncelleCommand, QStringLiteral("SepetSecimGuncelle"));
  Sonuc(komut, Cagir(komut, sirano, secim));
}

QString TServerMethods1Client::EkfiyatIndirimVer() {
  TDBXCommand& komut = Komut(FEkfiyatIndirimVerCommand, QStringLiteral("EkfiyatIndirimVer"));
  return Sonuc(komut, Cagir(komut)).Text(0);
}

QString TServerMethods1Client::CariVadeGunGecmismiBul(int carino) {
  TDBXCommand& komut = Komut(FCariVadeGunGecmismiBulCommand, QStringLiteral("CariVadeGunGecmismiBul"));
  return Sonuc(komut, Cagir(komut, carino)).Text(0);
}

bool TServerMethods1Client::SiparisKaydetDravik(TSonucBilgisi* BB, int _carino, int _teslim, int _kargo, const QString& _aciklama, int _verenid, int _kargoyeni, double ekindirim, const QString& ebilgi) {
  TDBXCommand& komut = Komut(FSiparisKaydetDravikCommand, QStringLiteral("SiparisKaydetDravik"));
  return Sonuc(komut, Cagir(komut, BB, _carino, _teslim, _kargo, _aciklama, _verenid, _kargoyeni, ekindirim, ebilgi)).Bool(0);
}

TDBXReader* TServerMethods1Client::TeslimVer() {
  TDBXCommand& komut = Komut(FTeslimVerCommand, QStringLiteral("TeslimVer"));
  return Okuyucu(komut, Cagir(komut));
}

TDBXReader* TServerMethods1Client::KargoVer() {
  TDBXCommand& komut = Komut(FKargoVerCommand, QStringLiteral("KargoVer"));
  return Okuyucu(komut, Cagir(komut));
}

TDBXReader* TServerMethods1Client::KargolarVer(int gn) {
  TDBXCommand& komut = Komut(FKargolarVerCommand, QStringLiteral("KargolarVer"));
  return Okuyucu(komut, Cagir(komut, gn));
}

TDBXReader* TServerMethods1Client::OncekiSiparisler(int carino) {
  TDBXCommand& komut = Komut(FOncekiSiparislerCommand, QStringLiteral("OncekiSiparisler"));
  return Okuyucu(komut, Cagir(komut, carino));
}

TDBXReader* TServerMethods1Client::CariEkstreVer(int carino) {
  TDBXCommand& komut = Komut(FCariEkstreVerCommand, QStringLiteral("CariEkstreVer"));
  return Okuyucu(komut, Cagir(komut, carino));
}

TDBXReader* TServerMethods1Client::SiparisAyrintisi2(int carino, int idnosu) {
  TDBXCommand& komut = Komut(FSiparisAyrintisi2Command, QStringLiteral("SiparisAyrintisi2"));
  return Okuyucu(komut, Cagir(komut, carino, idnosu));
}

TSiparisDipAyrinti* TServerMethods1Client::SiparisAytintisiDip(int carino, int siranosu) {
  TDBXCommand& komut = Komut(FSiparisAytintisiDipCommand, QStringLiteral("SiparisAytintisiDip"));
  return Kayit<TSiparisDipAyrinti>(komut, Cagir(komut, carino, siranosu));
}

TDBXReader* TServerMethods1Client::FaturaGetir(int carino, int idnosu) {
  TDBXCommand& komut = Komut(FFaturaGetirCommand, QStringLiteral("FaturaGetir"));
  return Okuyucu(komut, Cagir(komut, carino, idnosu));
}

TDBXReader* TServerMethods1Client::FaturaAltGetir(int idnosu) {
  TDBXCommand& komut = Komut(FFaturaAltGetirCommand, QStringLiteral("FaturaAltGetir"));
  return Okuyucu(komut, Cagir(komut, idnosu));
}

TDBXReader* TServerMethods1Client::Tahsilat(int idnosu) {
  TDBXCommand& komut = Komut(FTahsilatCommand, QStringLiteral("Tahsilat"));
  return Okuyucu(komut, Cagir(komut, idnosu));
}

int TServerMethods1Client::SanalposSiranoVer(int idnosu) {
  TDBXCommand& komut = Komut(FSanalposSiranoVerCommand, QStringLiteral("SanalposSiranoVer"));
  return Sonuc(komut, Cagir(komut, idnosu)).Int(0);
}

QIODevice* TServerMethods1Client::SAnalPosPdfVer(int sirano, qint64& boy) {
  TDBXCommand& komut = Komut(FSAnalPosPdfVerCommand, QStringLiteral("SAnalPosPdfVer"));
  return Akis(komut, Sonuc(komut, Cagir(komut, sirano)), boy);
}

TDBXReader* TServerMethods1Client::TumSiparislerVer(int carino, int stokno) {
  TDBXCommand& komut = Komut(FTumSiparislerVerCommand, QStringLiteral("TumSiparislerVer"));
  return Okuyucu(komut, Cagir(komut, carino, stokno));
}

TDBXReader* TServerMethods1Client::BakiyelerVer2(int carino) {
  TDBXCommand& komut = Komut(FBakiyelerVer2Command, QStringLiteral("BakiyelerVer2"));
  return Okuyucu(komut, Cagir(komut, carino));
}

int TServerMethods1Client::BakiyeDuzenle(TSonucBilgisi* k, int stokno, int sepetsirano, int siparissirano, double Adet, double Bakiye, const QString& barkod) {
  TDBXCommand& komut = Komut(FBakiyeDuzenleCommand, QStringLiteral("BakiyeDuzenle"));
  return Sonuc(komut, Cagir(komut, k, stokno, sepetsirano, siparissirano, Adet, Bakiye, barkod)).Int(0);
}

int TServerMethods1Client::BakiyeDegistir(TSonucBilgisi* k, int stokno, int sepetsirano, int siparissirano, double Adet, double Bakiye, const QString& barkod) {
  TDBXCommand& komut = Komut(FBakiyeDegistirCommand, QStringLiteral("BakiyeDegistir"));
  return Sonuc(komut, Cagir(komut, k, stokno, sepetsirano, siparissirano, Adet, Bakiye, barkod)).Int(0);
}

int TServerMethods1Client::BakiyeFiyatDegistir(TSonucBilgisi* k, int stokno, int sepetsirano, int siparissirano, double Adet, double Bakiye, const QString& barkod, double fiyat, double ind) {
  TDBXCommand& komut = Komut(FBakiyeFiyatDegistirCommand, QStringLiteral("BakiyeFiyatDegistir"));
  return Sonuc(komut, Cagir(komut, k, stokno, sepetsirano, siparissirano, Adet, Bakiye, barkod, fiyat, ind)).Int(0);
}

TDBXReader* TServerMethods1Client::BalonGetir(TSonucBilgisi* bil) {
  TDBXCommand& komut = Komut(FBalonGetirCommand, QStringLiteral("BalonGetir"));
  return Okuyucu(komut, Cagir(komut, bil));
}

QString TServerMethods1Client::KayanYaziGetir() {
  TDBXCommand& komut = Komut(FKayanYaziGetirCommand, QStringLiteral("KayanYaziGetir"));
  return Sonuc(komut, Cagir(komut)).Text(0);
}

QIODevice* TServerMethods1Client::BannerResimVer(qint64& size) {
  TDBXCommand& komut = Komut(FBannerResimVerCommand, QStringLiteral("BannerResimVer"));
  return Akis(komut, Sonuc(komut, Cagir(komut)), size);
}

QIODevice* TServerMethods1Client::BannerResimVer2(qint64& size) {
  TDBXCommand& komut = Komut(FBannerResimVer2Command, QStringLiteral("BannerResimVer2"));
  return Akis(komut, Sonuc(komut, Cagir(komut)), size);
}

QIODevice* TServerMethods1Client::BannerResimVer3(qint64& size) {
  TDBXCommand& komut = Komut(FBannerResimVer3Command, QStringLiteral("BannerResimVer3"));
  return Akis(komut, Sonuc(komut, Cagir(komut)), size);
}

int TServerMethods1Client::AcilisReklamAdet() {
  TDBXCommand& komut = Komut(FAcilisReklamAdetCommand, QStringLiteral("AcilisReklamAdet"));
  return Sonuc(komut, Cagir(komut)).Int(0);
}

TAcilisEkran* TServerMethods1Client::AcilisREklamVer(int sira) {
  TDBXCommand& komut = Komut(FAcilisREklamVerCommand, QStringLiteral("AcilisREklamVer"));
  return Kayit<TAcilisEkran>(komut, Cagir(komut, sira));
}

TAcilisEkranlariki* TServerMethods1Client::AcilisEkranlarVer2() {
  TDBXCommand& komut = Komut(FAcilisEkranlarVer2Command, QStringLiteral("AcilisEkranlarVer2"));
  return Kayit<TAcilisEkranlariki>(komut, Cagir(komut));
}

TVeriPaketi TServerMethods1Client::YenilerVer2(int carino) {
  TDBXCommand& komut = Komut(FYenilerVer2Command, QStringLiteral("YenilerVer2"));
  return Paket(Cagir(komut, carino));
}

TVeriPaketi TServerMethods1Client::KampanyaliVer2(int cario, int satici) {
  TDBXCommand& komut = Komut(FKampanyaliVer2Command, QStringLiteral("KampanyaliVer2"));
  return Paket(Cagir(komut, cario, satici));
}

TDBXReader* TServerMethods1Client::DosyaListesi2() {
  TDBXCommand& komut = Komut(FDosyaListesi2Command, QStringLiteral("DosyaListesi2"));
  return Okuyucu(komut, Cagir(komut));
}

QIODevice* TServerMethods1Client::BelgeIndir(int sirano, qint64& size, QString& adi) {
  TDBXCommand& komut = Komut(FBelgeIndirCommand, QStringLiteral("BelgeIndir"));
  return Akis(komut, Sonuc(komut, Cagir(komut, sirano)), size, &adi);
}

QString TServerMethods1Client::CariDurumVer(int carino) {
  TDBXCommand& komut = Komut(FCariDurumVerCommand, QStringLiteral("CariDurumVer"));
  return Sonuc(komut, Cagir(komut, carino)).Text(0);
}

TDBXReader* TServerMethods1Client::CariAra(TSonucBilgisi* bil, const QString& aranan) {
  TDBXCommand& komut = Komut(FCariAraCommand, QStringLiteral("CariAra"));
  return Okuyucu(komut, Cagir(komut, bil, aranan));
}

TDBXReader* TServerMethods1Client::CariSepetVer(TSonucBilgisi* bil, int n) {
  TDBXCommand& komut = Komut(FCariSepetVerCommand, QStringLiteral("CariSepetVer"));
  return Okuyucu(komut, Cagir(komut, bil, n));
}

int TServerMethods1Client::SepetSayisi(TSonucBilgisi* bil) {
  TDBXCommand& komut = Komut(FSepetSayisiCommand, QStringLiteral("SepetSayisi"));
  return Sonuc(komut, Cagir(komut, bil)).Int(0);
}

TTusSonuclari* TServerMethods1Client::TusSonuclariVer(TSonucBilgisi* bil) {
  TDBXCommand& komut = Komut(FTusSonuclariVerCommand, QStringLiteral("TusSonuclariVer"));
  return Kayit<TTusSonuclari>(komut, Cagir(komut, bil));
}

QIODevice* TServerMethods1Client::RaporGetir(int raporno, int bolum, int idno, int carino, const QString& saticiadi, double tarih1, double tarih2, qint64& size) {
  TDBXCommand& komut = Komut(FRaporGetirCommand, QStringLiteral("RaporGetir"));
  return Akis(komut, Sonuc(komut, Cagir(komut, raporno, bolum, idno, carino, saticiadi, tarih1, tarih2)), size);
}

TDBXReader* TServerMethods1Client::RaporAlinanSiparisler(TSonucBilgisi* bilgi, double tarih1, double tarih2) {
  TDBXCommand& komut = Komut(FRaporAlinanSiparislerCommand, QStringLiteral("RaporAlinanSiparisler"));
  return Okuyucu(komut, Cagir(komut, bilgi, tarih1, tarih2));
}

TDBXReader* TServerMethods1Client::RaporEnCokSatilanStoklar(TSonucBilgisi* bilgi, double tarih1, double tarih2) {
  TDBXCommand& komut = Komut(FRaporEnCokSatilanStoklarCommand, QStringLiteral("RaporEnCokSatilanStoklar"));
  return Okuyucu(komut, Cagir(komut, bilgi, tarih1, tarih2));
}

TMobilCariBilgisi* TServerMethods1Client::MobilCariBilgisiGetir(int sirano, const QString& _idsi) {
  TDBXCommand& komut = Komut(FMobilCariBilgisiGetirCommand, QStringLiteral("MobilCariBilgisiGetir"));
  return Kayit<TMobilCariBilgisi>(komut, Cagir(komut, sirano, _idsi));
}

int TServerMethods1Client::MailGonserCari(const QString& idsi, const QString& baslik, const QString& firmaadi, const QString& adres1, const QString& adres2, const QString& ilce, const QString& sehir, const QString& telefon, const QString& fax, const QString& vd, const QString& vn, const QString& yetkili, const QString& kullaniciadi, const QString& sifre, const QString& mail, const QString& kargoambar) {
  TDBXCommand& komut = Komut(FMailGonserCariCommand, QStringLiteral("MailGonserCari"));
  return Sonuc(komut, Cagir(komut, idsi, baslik, firmaadi, adres1, adres2, ilce, sehir, telefon, fax, vd, vn, yetkili, kullaniciadi, sifre, mail, kargoambar)).Int(0);
}

int TServerMethods1Client::MailGonserCariNormal(const QString& idsi, const QString& baslik, const QString& firmaadi, const QString& adres1, const QString& adres2, const QString& ilce, const QString& sehir, const QString& telefon, const QString& fax, const QString& vd, const QString& vn, const QString& yetkili, const QString& kullaniciadi, const QString& sifre, const QString& mail, const QString& kargoambar, const QString& konu) {
  TDBXCommand& komut = Komut(FMailGonserCariNormalCommand, QStringLiteral("MailGonserCariNormal"));
  return Sonuc(komut, Cagir(komut, idsi, baslik, firmaadi, adres1, adres2, ilce, sehir, telefon, fax, vd, vn, yetkili, kullaniciadi, sifre, mail, kargoambar, konu)).Int(0);
}
