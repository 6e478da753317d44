// The client proxy: marshals the inputs by position, makes the call through the connection and
// reads the outputs and the return value from the reply's "result" array.

#include "session/proxim.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <charconv>
#include <cmath>

#include "platform/core/veriseti.h"
#include "session/baglantiu.h"
#include "session/kayitjson.h"
#include "session/mobilstokunit.h"

// ---- input parameters as a JSON array text

class TParametreYazici {
 public:
  TParametreYazici() { metin_.append('['); }
  void Int(int v) { Ayrac().append(QByteArray::number(v)); }
  void Float(double v) {
    if (!std::isfinite(v)) {
      Ayrac().append("null");
      return;
    }
    char tampon[32];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, v);
    Ayrac().append(tampon, qsizetype(r.ptr - tampon));
  }
  void Text(const QString& v) {
    Ayrac().append(QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact).mid(1).chopped(1));
  }
  // The session copy: marshalled, then freed when the proxy owns its arguments.
  void Oturum(TSonucBilgisi* kayit, bool sahip) {
    std::unique_ptr<TSonucBilgisi> birak(sahip ? kayit : nullptr);
    Ayrac().append(QByteArray::fromStdString(KayitJsonMetni(kayit)));
  }
  QByteArray Metin() const { return metin_ + ']'; }

 private:
  QByteArray& Ayrac() {
    if (metin_.size() > 1) metin_.append(',');
    return metin_;
  }
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

// ---- one operation per remote method

TSonucBilgisi* TServerMethods1Client::BuyukGetir(const QString& idsi) {
  TDBXCommand& komut = Komut(FBuyukGetirCommand, QStringLiteral("BuyukGetir"));
  TParametreYazici p;
  p.Text(idsi);
  QByteArray cevap = Calistir(komut, p);
  const TSonucDizisi s(cevap, komut.Text);
  auto kayit = s.Kayit<TSonucBilgisi>(0);
  TSonucBilgisi* sonuc = kayit.get();
  komut.kayit = std::shared_ptr<TSonucBilgisi>(std::move(kayit));
  return sonuc;
}

TVeriPaketi TServerMethods1Client::StokAraGetirDravik(const QString& kod, TSonucBilgisi* bilgi) {
  TDBXCommand& komut = Komut(FStokAraGetirDravikCommand, QStringLiteral("StokAraGetirDravik"));
  TParametreYazici p;
  p.Text(kod);
  p.Oturum(bilgi, FInstanceOwner);
  QByteArray cevap = Calistir(komut, p);
  return TVeriPaketi(std::move(cevap), 0);
}

QIODevice* TServerMethods1Client::ResimVer5(int stokno, qint64& boy) {
  TDBXCommand& komut = Komut(FResimVer5Command, QStringLiteral("ResimVer5"));
  TParametreYazici p;
  p.Int(stokno);
  QByteArray cevap = Calistir(komut, p);
  const TSonucDizisi s(cevap, komut.Text);
  boy = s.Int64(0);
  komut.akis = s.Akis(1);
  return komut.akis.get();
}

TVeriPaketi TServerMethods1Client::SepetVer2(int carino) {
  TDBXCommand& komut = Komut(FSepetVer2Command, QStringLiteral("SepetVer2"));
  TParametreYazici p;
  p.Int(carino);
  QByteArray cevap = Calistir(komut, p);
  return TVeriPaketi(std::move(cevap), 0);
}

int TServerMethods1Client::SepetEkle2(TSonucBilgisi* bilgim, int carino, int stokno, const QString& barkod, const QString& stokadi, double miktar, double kdv, double fiyat, double ind1, int verenid, int k, double ind2, double ind3, double ind4) {
  TDBXCommand& komut = Komut(FSepetEkle2Command, QStringLiteral("SepetEkle2"));
  TParametreYazici p;
  p.Oturum(bilgim, FInstanceOwner);
  p.Int(carino);
  p.Int(stokno);
  p.Text(barkod);
  p.Text(stokadi);
  p.Float(miktar);
  p.Float(kdv);
  p.Float(fiyat);
  p.Float(ind1);
  p.Int(verenid);
  p.Int(k);
  p.Float(ind2);
  p.Float(ind3);
  p.Float(ind4);
  QByteArray cevap = Calistir(komut, p);
  const TSonucDizisi s(cevap, komut.Text);
  return s.Int(0);
}

int TServerMethods1Client::SepetGuncelle2(TSonucBilgisi* bilgim, int carino, int stokno, const QString& barkod, const QString& stokadi, double miktar, double kdv, double fiyat, double ind1, int verenid, int _sepetsirano, double ind2, double ind3, double ind4) {
  TDBXCommand& komut = Komut(FSepetGuncelle2Command, QStringLiteral("SepetGuncelle2"));
  TParametreYazici p;
  p.Oturum(bilgim, FInstanceOwner);
  p.Int(carino);
  p.Int(stokno);
  p.Text(barkod);
  p.Text(stokadi);
  p.Float(miktar);
  p.Float(kdv);
  p.Float(fiyat);
  p.Float(ind1);
  p.Int(verenid);
  p.Int(_sepetsirano);
  p.Float(ind2);
  p.Float(ind3);
  p.Float(ind4);
  QByteArray cevap = Calistir(komut, p);
  const TSonucDizisi s(cevap, komut.Text);
  return s.Int(0);
}

int TServerMethods1Client::SepetSatirSil(TSonucBilgisi* bilgi, int satirno, const QString& aciklamam) {
  TDBXCommand& komut = Komut(FSepetSatirSilCommand, QStringLiteral("SepetSatirSil"));
  TParametreYazici p;
  p.Oturum(bilgi, FInstanceOwner);
  p.Int(satirno);
  p.Text(aciklamam);
  QByteArray cevap = Calistir(komut, p);
  const TSonucDizisi s(cevap, komut.Text);
  return s.Int(0);
}

int TServerMethods1Client::SepetHepsiniSil(TSonucBilgisi* bilgi) {
  TDBXCommand& komut = Komut(FSepetHepsiniSilCommand, QStringLiteral("SepetHepsiniSil"));
  TParametreYazici p;
  p.Oturum(bilgi, FInstanceOwner);
  QByteArray cevap = Calistir(komut, p);
  const TSonucDizisi s(cevap, komut.Text);
  return s.Int(0);
}

void TServerMethods1Client::SepetSecimGuncelle(int sirano, int secim) {
  TDBXCommand& komut = Komut(FSepetSecimGuncelleCommand, QStringLiteral("SepetSecimGuncelle"));
  TParametreYazici p;
  p.Int(sirano);
  p.Int(secim);
  QByteArray cevap = Calistir(komut, p);
  const TSonucDizisi s(cevap, komut.Text);
  (void)s;
}

QString TServerMethods1Client::EkfiyatIndirimVer() {
  TDBXCommand& komut = Komut(FEkfiyatIndirimVerCommand, QStringLiteral("EkfiyatIndirimVer"));
  TParametreYazici p;
  QByteArray cevap = Calistir(komut, p);
  const TSonucDizisi s(cevap, komut.Text);
  return s.Text(0);
}

QString TServerMethods1Client::CariVadeGunGecmismiBul(int carino) {
  TDBXCommand& komut = Komut(FCariVadeGunGecmismiBulCommand, QStringLiteral("CariVadeGunGecmismiBul"));
  TParametreYazici p;
  p.Int(carino);
  QByteArray cevap = Calistir(komut, p);
  const TSonucDizisi s(cevap, komut.Text);
  return s.Text(0);
}

bool TServerMethods1Client::SiparisKaydetDravik(TSonucBilgisi* BB, int _carino, int _teslim, int _kargo, const QString& _aciklama, int _verenid, int _kargoyeni, double ekindirim, const QString& ebilgi) {
  TDBXCommand& komut = Komut(FSiparisKaydetDravikCommand, QStringLiteral("SiparisKaydetDravik"));
  TParametreYazici p;
  p.Oturum(BB, FInstanceOwner);
  p.Int(_carino);
  p.Int(_teslim);
  p.Int(_kargo);
  p.Text(_aciklama);
  p.Int(_verenid);
  p.Int(_kargoyeni);
  p.Float(ekindirim);
  p.Text(ebilgi);
  QByteArray cevap = Calistir(komut, p);
  const TSonucDizisi s(cevap, komut.Text);
  return s.Bool(0);
}

TDBXReader* TServerMethods1Client::TeslimVer() {
  TDBXCommand& komut = Komut(FTeslimVerCommand, QStringLiteral("TeslimVer"));
  TParametreYazici p;
  QByteArray cevap = Calistir(komut, p);
  komut.okuyucu = std::make_unique<TDBXReader>(std::move(cevap), 0);
  return komut.okuyucu.get();
}

TDBXReader* TServerMethods1Client::KargoVer() {
  TDBXCommand& komut = Komut(FKargoVerCommand, QStringLiteral("KargoVer"));
  TParametreYazici p;
  QByteArray cevap = Calistir(komut, p);
  komut.okuyucu = std::make_unique<TDBXReader>(std::move(cevap), 0);
  return komut.okuyucu.get();
}

TDBXReader* TServerMethods1Client::KargolarVer(int gn) {
  TDBXCommand& komut = Komut(FKargolarVerCommand, QStringLiteral("KargolarVer"));
  TParametreYazici p;
  p.Int(gn);
  QByteArray cevap = Calistir(komut, p);
  komut.okuyucu = std::make_unique<TDBXReader>(std::move(cevap), 0);
  return komut.okuyucu.get();
}

TDBXReader* TServerMethods1Client::OncekiSiparisler(int carino) {
  TDBXCommand& komut = Komut(FOncekiSiparislerCommand, QStringLiteral("OncekiSiparisler"));
  TParametreYazici p;
  p.Int(carino);
  QByteArray cevap = Calistir(komut, p);
  komut.okuyucu = std::make_unique<TDBXReader>(std::move(cevap), 0);
  return komut.okuyucu.get();
}

TDBXReader* TServerMethods1Client::CariEkstreVer(int carino) {
  TDBXCommand& komut = Komut(FCariEkstreVerCommand, QStringLiteral("CariEkstreVer"));
  TParametreYazici p;
  p.Int(carino);
  QByteArray cevap = Calistir(komut, p);
  komut.okuyucu = std::make_unique<TDBXReader>(std::move(cevap), 0);
  return komut.okuyucu.get();
}

TDBXReader* TServerMethods1Client::SiparisAyrintisi2(int carino, int idnosu) {
  TDBXCommand& komut = Komut(FSiparisAyrintisi2Command, QStringLiteral("SiparisAyrintisi2"));
  TParametreYazici p;
  p.Int(carino);
  p.Int(idnosu);
  QByteArray cevap = Calistir(komut, p);
  komut.okuyucu = std::make_unique<TDBXReader>(std::move(cevap), 0);
  return komut.okuyucu.get();
}

TSiparisDipAyrinti* TServerMethods1Client::SiparisAytintisiDip(int carino, int siranosu) {
  TDBXCommand& komut = Komut(FSiparisAytintisiDipCommand, QStringLiteral("SiparisAytintisiDip"));
  TParametreYazici p;
  p.Int(carino);
  p.Int(siranosu);
  QByteArray cevap = Calistir(komut, p);
  const TSonucDizisi s(cevap, komut.Text);
  auto kayit = s.Kayit<TSiparisDipAyrinti>(0);
  TSiparisDipAyrinti* sonuc = kayit.get();
  komut.kayit = std::shared_ptr<TSiparisDipAyrinti>(std::move(kayit));
  return sonuc;
}

TDBXReader* TServerMethods1Client::FaturaGetir(int carino, int idnosu) {
  TDBXCommand& komut = Komut(FFaturaGetirCommand, QStringLiteral("FaturaGetir"));
  TParametreYazici p;
  p.Int(carino);
  p.Int(idnosu);
  QByteArray cevap = Calistir(komut, p);
  komut.okuyucu = std::make_unique<TDBXReader>(std::move(cevap), 0);
  return komut.okuyucu.get();
}

TDBXReader* TServerMethods1Client::FaturaAltGetir(int idnosu) {
  TDBXCommand& komut = Komut(FFaturaAltGetirCommand, QStringLiteral("FaturaAltGetir"));
  TParametreYazici p;
  p.Int(idnosu);
  QByteArray cevap = Calistir(komut, p);
  komut.okuyucu = std::make_unique<TDBXReader>(std::move(cevap), 0);
  return komut.okuyucu.get();
}

TDBXReader* TServerMethods1Client::Tahsilat(int idnosu) {
  TDBXCommand& komut = Komut(FTahsilatCommand, QStringLiteral("Tahsilat"));
  TParametreYazici p;
  p.Int(idnosu);
  QByteArray cevap = Calistir(komut, p);
  komut.okuyucu = std::make_unique<TDBXReader>(std::move(cevap), 0);
  return komut.okuyucu.get();
}

int TServerMethods1Client::SanalposSiranoVer(int idnosu) {
  TDBXCommand& komut = Komut(FSanalposSiranoVerCommand, QStringLiteral("SanalposSiranoVer"));
  TParametreYazici p;
  p.Int(idnosu);
  QByteArray cevap = Calistir(komut, p);
  const TSonucDizisi s(cevap, komut.Text);
  return s.Int(0);
}

QIODevice* TServerMethods1Client::SAnalPosPdfVer(int sirano, qint64& boy) {
  TDBXCommand& komut = Komut(FSAnalPosPdfVerCommand, QStringLiteral("SAnalPosPdfVer"));
  TParametreYazici p;
  p.Int(sirano);
  QByteArray cevap = Calistir(komut, p);
  const TSonucDizisi s(cevap, komut.Text);
  boy = s.Int64(0);
  komut.akis = s.Akis(1);
  return komut.akis.get();
}

TDBXReader* TServerMethods1Client::TumSiparislerVer(int carino, int stokno) {
  TDBXCommand& komut = Komut(FTumSiparislerVerCommand, QStringLiteral("TumSiparislerVer"));
  TParametreYazici p;
  p.Int(carino);
  p.Int(stokno);
  QByteArray cevap = Calistir(komut, p);
  komut.okuyucu = std::make_unique<TDBXReader>(std::move(cevap), 0);
  return komut.okuyucu.get();
}

TDBXReader* TServerMethods1Client::BakiyelerVer2(int carino) {
  TDBXCommand& komut = Komut(FBakiyelerVer2Command, QStringLiteral("BakiyelerVer2"));
  TParametreYazici p;
  p.Int(carino);
  QByteArray cevap = Calistir(komut, p);
  komut.okuyucu = std::make_unique<TDBXReader>(std::move(cevap), 0);
  return komut.okuyucu.get();
}

int TServerMethods1Client::BakiyeDuzenle(TSonucBilgisi* k, int stokno, int sepetsirano, int siparissirano, double Adet, double Bakiye, const QString& barkod) {
  TDBXCommand& komut = Komut(FBakiyeDuzenleCommand, QStringLiteral("BakiyeDuzenle"));
  TParametreYazici p;
  p.Oturum(k, FInstanceOwner);
  p.Int(stokno);
  p.Int(sepetsirano);
  p.Int(siparissirano);
  p.Float(Adet);
  p.Float(Bakiye);
  p.Text(barkod);
  QByteArray cevap = Calistir(komut, p);
  const TSonucDizisi s(cevap, komut.Text);
  return s.Int(0);
}

int TServerMethods1Client::BakiyeDegistir(TSonucBilgisi* k, int stokno, int sepetsirano, int siparissirano, double Adet, double Bakiye, const QString& barkod) {
  TDBXCommand& komut = Komut(FBakiyeDegistirCommand, QStringLiteral("BakiyeDegistir"));
  TParametreYazici p;
  p.Oturum(k, FInstanceOwner);
  p.Int(stokno);
  p.Int(sepetsirano);
  p.Int(siparissirano);
  p.Float(Adet);
  p.Float(Bakiye);
  p.Text(barkod);
  QByteArray cevap = Calistir(komut, p);
  const TSonucDizisi s(cevap, komut.Text);
  return s.Int(0);
}

int TServerMethods1Client::BakiyeFiyatDegistir(TSonucBilgisi* k, int stokno, int sepetsirano, int siparissirano, double Adet, double Bakiye, const QString& barkod, double fiyat, double ind) {
  TDBXCommand& komut = Komut(FBakiyeFiyatDegistirCommand, QStringLiteral("BakiyeFiyatDegistir"));
  TParametreYazici p;
  p.Oturum(k, FInstanceOwner);
  p.Int(stokno);
  p.Int(sepetsirano);
  p.Int(siparissirano);
  p.Float(Adet);
  p.Float(Bakiye);
  p.Text(barkod);
  p.Float(fiyat);
  p.Float(ind);
  QByteArray cevap = Calistir(komut, p);
  const TSonucDizisi s(cevap, komut.Text);
  return s.Int(0);
}

TDBXReader* TServerMethods1Client::BalonGetir(TSonucBilgisi* bil) {
  TDBXCommand& komut = Komut(FBalonGetirCommand, QStringLiteral("BalonGetir"));
  TParametreYazici p;
  p.Oturum(bil, FInstanceOwner);
  QByteArray cevap = Calistir(komut, p);
  komut.okuyucu = std::make_unique<TDBXReader>(std::move(cevap), 0);
  return komut.okuyucu.get();
}

QString TServerMethods1Client::KayanYaziGetir() {
  TDBXCommand& komut = Komut(FKayanYaziGetirCommand, QStringLiteral("KayanYaziGetir"));
  TParametreYazici p;
  QByteArray cevap = Calistir(komut, p);
  const TSonucDizisi s(cevap, komut.Text);
  return s.Text(0);
}

QIODevice* TServerMethods1Client::BannerResimVer(qint64& size) {
  TDBXCommand& komut = Komut(FBannerResimVerCommand, QStringLiteral("BannerResimVer"));
  TParametreYazici p;
  QByteArray cevap = Calistir(komut, p);
  const TSonucDizisi s(cevap, komut.Text);
  size = s.Int64(0);
  komut.akis = s.Akis(1);
  return komut.akis.get();
}

QIODevice* TServerMethods1Client::BannerResimVer2(qint64& size) {
  TDBXCommand& komut = Komut(FBannerResimVer2Command, QStringLiteral("BannerResimVer2"));
  TParametreYazici p;
  QByteArray cevap = Calistir(komut, p);
  const TSonucDizisi s(cevap, komut.Text);
  size = s.Int64(0);
  komut.akis = s.Akis(1);
  return komut.akis.get();
}

QIODevice* TServerMethods1Client::BannerResimVer3(qint64& size) {
  TDBXCommand& komut = Komut(FBannerResimVer3Command, QStringLiteral("BannerResimVer3"));
  TParametreYazici p;
  QByteArray cevap = Calistir(komut, p);
  const TSonucDizisi s(cevap, komut.Text);
  size = s.Int64(0);
  komut.akis = s.Akis(1);
  return komut.akis.get();
}

int TServerMethods1Client::AcilisReklamAdet() {
  TDBXCommand& komut = Komut(FAcilisReklamAdetCommand, QStringLiteral("AcilisReklamAdet"));
  TParametreYazici p;
  QByteArray cevap = Calistir(komut, p);
  const TSonucDizisi s(cevap, komut.Text);
  return s.Int(0);
}

TAcilisEkran* TServerMethods1Client::AcilisREklamVer(int sira) {
  TDBXCommand& komut = Komut(FAcilisREklamVerCommand, QStringLiteral("AcilisREklamVer"));
  TParametreYazici p;
  p.Int(sira);
  QByteArray cevap = Calistir(komut, p);
  const TSonucDizisi s(cevap, komut.Text);
  auto kayit = s.Kayit<TAcilisEkran>(0);
  TAcilisEkran* sonuc = kayit.get();
  komut.kayit = std::shared_ptr<TAcilisEkran>(std::move(kayit));
  return sonuc;
}

TAcilisEkranlariki* TServerMethods1Client::AcilisEkranlarVer2() {
  TDBXCommand& komut = Komut(FAcilisEkranlarVer2Command, QStringLiteral("AcilisEkranlarVer2"));
  TParametreYazici p;
  QByteArray cevap = Calistir(komut, p);
  const TSonucDizisi s(cevap, komut.Text);
  auto kayit = s.Kayit<TAcilisEkranlariki>(0);
  TAcilisEkranlariki* sonuc = kayit.get();
  komut.kayit = std::shared_ptr<TAcilisEkranlariki>(std::move(kayit));
  return sonuc;
}

TVeriPaketi TServerMethods1Client::YenilerVer2(int carino) {
  TDBXCommand& komut = Komut(FYenilerVer2Command, QStringLiteral("YenilerVer2"));
  TParametreYazici p;
  p.Int(carino);
  QByteArray cevap = Calistir(komut, p);
  return TVeriPaketi(std::move(cevap), 0);
}

TVeriPaketi TServerMethods1Client::KampanyaliVer2(int cario, int satici) {
  TDBXCommand& komut = Komut(FKampanyaliVer2Command, QStringLiteral("KampanyaliVer2"));
  TParametreYazici p;
  p.Int(cario);
  p.Int(satici);
  QByteArray cevap = Calistir(komut, p);
  return TVeriPaketi(std::move(cevap), 0);
}

TDBXReader* TServerMethods1Client::DosyaListesi2() {
  TDBXCommand& komut = Komut(FDosyaListesi2Command, QStringLiteral("DosyaListesi2"));
  TParametreYazici p;
  QByteArray cevap = Calistir(komut, p);
  komut.okuyucu = std::make_unique<TDBXReader>(std::move(cevap), 0);
  return komut.okuyucu.get();
}

QIODevice* TServerMethods1Client::BelgeIndir(int sirano, qint64& size, QString& adi) {
  TDBXCommand& komut = Komut(FBelgeIndirCommand, QStringLiteral("BelgeIndir"));
  TParametreYazici p;
  p.Int(sirano);
  QByteArray cevap = Calistir(komut, p);
  const TSonucDizisi s(cevap, komut.Text);
  size = s.Int64(0);
  adi = s.Text(1);
  komut.akis = s.Akis(2);
  return komut.akis.get();
}

QString TServerMethods1Client::CariDurumVer(int carino) {
  TDBXCommand& komut = Komut(FCariDurumVerCommand, QStringLiteral("CariDurumVer"));
  TParametreYazici p;
  p.Int(carino);
  QByteArray cevap = Calistir(komut, p);
  const TSonucDizisi s(cevap, komut.Text);
  return s.Text(0);
}

TDBXReader* TServerMethods1Client::CariAra(TSonucBilgisi* bil, const QString& aranan) {
  TDBXCommand& komut = Komut(FCariAraCommand, QStringLiteral("CariAra"));
  TParametreYazici p;
  p.Oturum(bil, FInstanceOwner);
  p.Text(aranan);
  QByteArray cevap = Calistir(komut, p);
  komut.okuyucu = std::make_unique<TDBXReader>(std::move(cevap), 0);
  return komut.okuyucu.get();
}

TDBXReader* TServerMethods1Client::CariSepetVer(TSonucBilgisi* bil, int n) {
  TDBXCommand& komut = Komut(FCariSepetVerCommand, QStringLiteral("CariSepetVer"));
  TParametreYazici p;
  p.Oturum(bil, FInstanceOwner);
  p.Int(n);
  QByteArray cevap = Calistir(komut, p);
  komut.okuyucu = std::make_unique<TDBXReader>(std::move(cevap), 0);
  return komut.okuyucu.get();
}

int TServerMethods1Client::SepetSayisi(TSonucBilgisi* bil) {
  TDBXCommand& komut = Komut(FSepetSayisiCommand, QStringLiteral("SepetSayisi"));
  TParametreYazici p;
  p.Oturum(bil, FInstanceOwner);
  QByteArray cevap = Calistir(komut, p);
  const TSonucDizisi s(cevap, komut.Text);
  return s.Int(0);
}

TTusSonuclari* TServerMethods1Client::TusSonuclariVer(TSonucBilgisi* bil) {
  TDBXCommand& komut = Komut(FTusSonuclariVerCommand, QStringLiteral("TusSonuclariVer"));
  TParametreYazici p;
  p.Oturum(bil, FInstanceOwner);
  QByteArray cevap = Calistir(komut, p);
  const TSonucDizisi s(cevap, komut.Text);
  auto kayit = s.Kayit<TTusSonuclari>(0);
  TTusSonuclari* sonuc = kayit.get();
  komut.kayit = std::shared_ptr<TTusSonuclari>(std::move(kayit));
  return sonuc;
}

QIODevice* TServerMethods1Client::RaporGetir(int raporno, int bolum, int idno, int carino, const QString& saticiadi, double tarih1, double tarih2, qint64& size) {
  TDBXCommand& komut = Komut(FRaporGetirCommand, QStringLiteral("RaporGetir"));
  TParametreYazici p;
  p.Int(raporno);
  p.Int(bolum);
  p.Int(idno);
  p.Int(carino);
  p.Text(saticiadi);
  p.Float(tarih1);
  p.Float(tarih2);
  QByteArray cevap = Calistir(komut, p);
  const TSonucDizisi s(cevap, komut.Text);
  size = s.Int64(0);
  komut.akis = s.Akis(1);
  return komut.akis.get();
}

TDBXReader* TServerMethods1Client::RaporAlinanSiparisler(TSonucBilgisi* bilgi, double tarih1, double tarih2) {
  TDBXCommand& komut = Komut(FRaporAlinanSiparislerCommand, QStringLiteral("RaporAlinanSiparisler"));
  TParametreYazici p;
  p.Oturum(bilgi, FInstanceOwner);
  p.Float(tarih1);
  p.Float(tarih2);
  QByteArray cevap = Calistir(komut, p);
  komut.okuyucu = std::make_unique<TDBXReader>(std::move(cevap), 0);
  return komut.okuyucu.get();
}

TDBXReader* TServerMethods1Client::RaporEnCokSatilanStoklar(TSonucBilgisi* bilgi, double tarih1, double tarih2) {
  TDBXCommand& komut = Komut(FRaporEnCokSatilanStoklarCommand, QStringLiteral("RaporEnCokSatilanStoklar"));
  TParametreYazici p;
  p.Oturum(bilgi, FInstanceOwner);
  p.Float(tarih1);
  p.Float(tarih2);
  QByteArray cevap = Calistir(komut, p);
  komut.okuyucu = std::make_unique<TDBXReader>(std::move(cevap), 0);
  return komut.okuyucu.get();
}

TMobilCariBilgisi* TServerMethods1Client::MobilCariBilgisiGetir(int sirano, const QString& _idsi) {
  TDBXCommand& komut = Komut(FMobilCariBilgisiGetirCommand, QStringLiteral("MobilCariBilgisiGetir"));
  TParametreYazici p;
  p.Int(sirano);
  p.Text(_idsi);
  QByteArray cevap = Calistir(komut, p);
  const TSonucDizisi s(cevap, komut.Text);
  auto kayit = s.Kayit<TMobilCariBilgisi>(0);
  TMobilCariBilgisi* sonuc = kayit.get();
  komut.kayit = std::shared_ptr<TMobilCariBilgisi>(std::move(kayit));
  return sonuc;
}

int TServerMethods1Client::MailGonserCari(const QString& idsi, const QString& baslik, const QString& firmaadi, const QString& adres1, const QString& adres2, const QString& ilce, const QString& sehir, const QString& telefon, const QString& fax, const QString& vd, const QString& vn, const QString& yetkili, const QString& kullaniciadi, const QString& sifre, const QString& mail, const QString& kargoambar) {
  TDBXCommand& komut = Komut(FMailGonserCariCommand, QStringLiteral("MailGonserCari"));
  TParametreYazici p;
  p.Text(idsi);
  p.Text(baslik);
  p.Text(firmaadi);
  p.Text(adres1);
  p.Text(adres2);
  p.Text(ilce);
  p.Text(sehir);
  p.Text(telefon);
  p.Text(fax);
  p.Text(vd);
  p.Text(vn);
  p.Text(yetkili);
  p.Text(kullaniciadi);
  p.Text(sifre);
  p.Text(mail);
  p.Text(kargoambar);
  QByteArray cevap = Calistir(komut, p);
  const TSonucDizisi s(cevap, komut.Text);
  return s.Int(0);
}

int TServerMethods1Client::MailGonserCariNormal(const QString& idsi, const QString& baslik, const QString& firmaadi, const QString& adres1, const QString& adres2, const QString& ilce, const QString& sehir, const QString& telefon, const QString& fax, const QString& vd, const QString& vn, const QString& yetkili, const QString& kullaniciadi, const QString& sifre, const QString& mail, const QString& kargoambar, const QString& konu) {
  TDBXCommand& komut = Komut(FMailGonserCariNormalCommand, QStringLiteral("MailGonserCariNormal"));
  TParametreYazici p;
  p.Text(idsi);
  p.Text(baslik);
  p.Text(firmaadi);
  p.Text(adres1);
  p.Text(adres2);
  p.Text(ilce);
  p.Text(sehir);
  p.Text(telefon);
  p.Text(fax);
  p.Text(vd);
  p.Text(vn);
  p.Text(yetkili);
  p.Text(kullaniciadi);
  p.Text(sifre);
  p.Text(mail);
  p.Text(kargoambar);
  p.Text(konu);
  QByteArray cevap = Calistir(komut, p);
  const TSonucDizisi s(cevap, komut.Text);
  return s.Int(0);
}
