// Registration of the content, document, seller-desk, report and mail methods: each handler
// reads its inputs, calls the function of icerik.h that does the work and writes the answer
// (tables as data packets, records in their JSON object form, streams with their size).

#include "icerik.h"
#include "platform/core/paket.h"
#include "session/kayitjson.h"
#include "yontem.h"

namespace {

TFieldType PaketTuru(IcerikTur t) {
  switch (t) {
    case IcerikTur::Int: return TFieldType::ftInteger;
    case IcerikTur::Float: return TFieldType::ftFloat;
    case IcerikTur::Tarih: return TFieldType::ftDate;
    case IcerikTur::Bool: return TFieldType::ftBoolean;
    case IcerikTur::Text: break;
  }
  return TFieldType::ftString;
}

IcerikOturum OturumAl(const Cagri& c, int i) {
  const auto k = c.Oturum(i);
  if (!k) throw YontemHatasi(QStringLiteral("%1: oturum bilgisi gönderilmedi.").arg(c.yontem));
  IcerikOturum o;
  o.sirano = k->Sirano();
  o.carino = k->CARINO();
  o.saticiNo = k->SaticiNo();
  o.musteriTipi = k->MusteriTipi();
  o.adi = k->ADI();
  return o;
}

void Akis(Yanit& y, const QByteArray& b) {
  y.Int(b.size());
  y.Akis(b);
}

TAcilisEkran EkranKaydi(const IcerikEkran& e) {
  TAcilisEkran k;
  k.SetSiraNo(e.siraNo);
  k.SetResim(e.resim);
  k.SetBaslik(e.baslik);
  k.SetArama(e.arama);
  return k;
}

TMobilCariBilgisi MobilCariKaydi(const IcerikMobilCari& m) {
  TMobilCariBilgisi k;
  k.SetCARINO(m.carino);
  k.SetCARIKOD(m.carikod);
  k.SetCARIADI(m.cariadi);
  k.SetOzelKod(m.ozelKod);
  k.SetAnaGrup(m.anaGrup);
  k.SetAltGrup(m.altGrup);
  k.SetADRES1(m.adres1);
  k.SetADRES2(m.adres2);
  k.SetILCE(m.ilce);
  k.SetTEL1(m.tel1);
  k.SetTEL2(m.tel2);
  k.SetFAX1(m.fax1);
  k.SetFAX2(m.fax2);
  k.SetGSM(m.gsm);
  k.SetEMAIL(m.email);
  k.SetYETKILI(m.yetkili);
  k.SetSEHIR(m.sehir);
  k.SetULKE(m.ulke);
  k.SetSATICIADI(m.saticiAdi);
  k.SetSATICITELEFON(m.saticiTelefon);
  k.SetSATICIMAIL(m.saticiMail);
  k.SetVERGIDAIRESI(m.vergiDairesi);
  k.SetVERGINO(m.vergiNo);
  k.SetTLBORC(m.tlBorc);
  k.SetTLALACAK(m.tlAlacak);
  k.SetTLBAKIYE(m.tlBakiye);
  k.SetKULLANICIADI(m.kullaniciAdi);
  k.SetSIFRE(m.sifre);
  k.SetMAIL(m.mail);
  k.SetBILGISAYARID(m.bilgisayarId);
  return k;
}

QStringList Metinler(const Cagri& c, int adet) {
  QStringList l;
  for (int i = 0; i < adet; ++i) l << c.Text(i);
  return l;
}

}  // namespace

std::string IcerikPaketi(const IcerikTablo& t) {
  PaketYazici p;
  for (const IcerikSutun& s : t.sutunlar) p.Alan(s.ad.toStdString(), PaketTuru(s.tur), s.tur == IcerikTur::Text ? (s.boy > 0 ? s.boy : 255) : 0);
  for (const auto& satir : t.satirlar) {
    for (std::size_t i = 0; i < t.sutunlar.size(); ++i) {
      const QVariant v = i < satir.size() ? satir[i] : QVariant();
      const int col = int(i);
      if (!v.isValid()) {
        p.Null(col);
        continue;
      }
      switch (t.sutunlar[i].tur) {
        case IcerikTur::Int: p.Int(col, v.toLongLong()); break;
        case IcerikTur::Float:
        case IcerikTur::Tarih: p.Float(col, v.toDouble()); break;
        case IcerikTur::Bool: p.Bool(col, v.toBool()); break;
        case IcerikTur::Text: p.Text(col, v.toString()); break;
      }
    }
  }
  return p.Bitir();
}

std::string IcerikTusJson(const IcerikTus& t) {
  TTusSonuclari k;
  k.SetAlindi(t.alindi);
  k.SetOnaylandi(t.onaylandi);
  k.SetGoruldu(t.goruldu);
  k.SetParcaliHazirlandi(t.parcaliHazirlandi);
  k.SetHazirlandi(t.hazirlandi);
  k.SetSevkEdildi(t.sevkEdildi);
  return KayitJsonMetni(&k);
}

std::string IcerikEkranJson(const std::optional<IcerikEkran>& e) {
  if (!e) return "null";
  const TAcilisEkran k = EkranKaydi(*e);
  return KayitJsonMetni(&k);
}

std::string IcerikEkranlarJson(const std::vector<IcerikEkran>& l) {
  TAcilisEkranlariki k;
  TAcilisEkranlariki::Liste liste;
  for (const auto& e : l) liste.push_back(std::make_shared<TAcilisEkran>(EkranKaydi(e)));
  k.SetEkranlar(liste);
  return KayitJsonMetni(&k);
}

std::string IcerikMobilCariJson(const std::optional<IcerikMobilCari>& m) {
  if (!m) return "null";
  const TMobilCariBilgisi k = MobilCariKaydi(*m);
  return KayitJsonMetni(&k);
}

void IcerikYontemleriniKaydet(YontemTablosu& t) {
  // header content
  t.Ekle(QStringLiteral("BalonGetir"), [](Cagri& c, Yanit& y) { y.Paket(IcerikPaketi(BalonTablosu(c.db, OturumAl(c, 0)))); });
  t.Ekle(QStringLiteral("KayanYaziGetir"), [](Cagri& c, Yanit& y) { y.Text(KayanYazi(c.db)); });
  t.Ekle(QStringLiteral("BannerResimVer"), [](Cagri& c, Yanit& y) { Akis(y, BannerResmi(c.db, 1)); });
  t.Ekle(QStringLiteral("BannerResimVer2"), [](Cagri& c, Yanit& y) { Akis(y, BannerResmi(c.db, 2)); });
  t.Ekle(QStringLiteral("BannerResimVer3"), [](Cagri& c, Yanit& y) { Akis(y, BannerResmi(c.db, 3)); });
  t.Ekle(QStringLiteral("AcilisReklamAdet"), [](Cagri& c, Yanit& y) { y.Int(AcilisReklamSayisi(c.db)); });
  t.Ekle(QStringLiteral("AcilisREklamVer"), [](Cagri& c, Yanit& y) { y.Json(IcerikEkranJson(AcilisReklami(c.db, c.Int(0)))); });
  t.Ekle(QStringLiteral("AcilisEkranlarVer2"), [](Cagri& c, Yanit& y) { y.Json(IcerikEkranlarJson(AcilisEkranlari(c.db))); });

  // content pages
  t.Ekle(QStringLiteral("YenilerVer2"), [](Cagri& c, Yanit& y) { y.Paket(YeniStoklarPaketi(c.db, c.Int(0))); });
  t.Ekle(QStringLiteral("KampanyaliVer2"),
         [](Cagri& c, Yanit& y) { y.Paket(IcerikPaketi(KampanyaliStoklar(c.db, c.Int(0), c.Int(1)))); });
  t.Ekle(QStringLiteral("DosyaListesi2"), [](Cagri& c, Yanit& y) { y.Paket(IcerikPaketi(DosyaListesi(c.db))); });
  t.Ekle(QStringLiteral("BelgeIndir"), [](Cagri& c, Yanit& y) {
    QByteArray veri;
    QString ad;
    BelgeVer(c.db, c.Int(0), &veri, &ad);
    y.Int(veri.size());
    y.Text(ad);
    y.Akis(veri);
  });
  t.Ekle(QStringLiteral("CariDurumVer"), [](Cagri& c, Yanit& y) { y.Text(CariDurum(c.db, c.Int(0))); });

  // statement and documents
  t.Ekle(QStringLiteral("CariEkstreVer"), [](Cagri& c, Yanit& y) { y.Paket(IcerikPaketi(CariEkstre(c.db, c.Int(0)))); });
  t.Ekle(QStringLiteral("FaturaGetir"),
         [](Cagri& c, Yanit& y) { y.Paket(IcerikPaketi(FaturaSatirlari(c.db, c.Int(0), c.Int(1)))); });
  t.Ekle(QStringLiteral("FaturaAltGetir"), [](Cagri& c, Yanit& y) { y.Paket(IcerikPaketi(FaturaAlt(c.db, c.Int(0)))); });
  t.Ekle(QStringLiteral("Tahsilat"), [](Cagri& c, Yanit& y) { y.Paket(IcerikPaketi(TahsilatSatirlari(c.db, c.Int(0)))); });
  t.Ekle(QStringLiteral("SanalposSiranoVer"), [](Cagri& c, Yanit& y) { y.Int(SanalposSirano(c.db, c.Int(0))); });
  t.Ekle(QStringLiteral("SAnalPosPdfVer"), [](Cagri& c, Yanit& y) { Akis(y, SanalPosPdf(c.db, c.Int(0))); });

  // seller desk
  t.Ekle(QStringLiteral("CariAra"),
         [](Cagri& c, Yanit& y) { y.Paket(IcerikPaketi(CariAra(c.db, OturumAl(c, 0), c.Text(1)))); });
  t.Ekle(QStringLiteral("CariSepetVer"),
         [](Cagri& c, Yanit& y) { y.Paket(IcerikPaketi(CariSepetListesi(c.db, OturumAl(c, 0), c.Int(1)))); });
  t.Ekle(QStringLiteral("SepetSayisi"), [](Cagri& c, Yanit& y) { y.Int(SepetliCariSayisi(c.db, OturumAl(c, 0))); });
  t.Ekle(QStringLiteral("TusSonuclariVer"),
         [](Cagri& c, Yanit& y) { y.Json(IcerikTusJson(TusSonuclari(c.db, OturumAl(c, 0)))); });
  t.Ekle(QStringLiteral("RaporGetir"), [](Cagri& c, Yanit& y) {
    Akis(y, RaporPdf(c.db, c.Int(0), c.Int(1), c.Int(2), c.Int(3), c.Text(4), c.Float(5), c.Float(6)));
  });
  t.Ekle(QStringLiteral("RaporAlinanSiparisler"), [](Cagri& c, Yanit& y) {
    y.Paket(IcerikPaketi(AlinanSiparisler(c.db, OturumAl(c, 0), c.Float(1), c.Float(2))));
  });
  t.Ekle(QStringLiteral("RaporEnCokSatilanStoklar"), [](Cagri& c, Yanit& y) {
    y.Paket(IcerikPaketi(EnCokSatilanStoklar(c.db, OturumAl(c, 0), c.Float(1), c.Float(2))));
  });

  // request forms
  t.Ekle(QStringLiteral("MobilCariBilgisiGetir"),
         [](Cagri& c, Yanit& y) { y.Json(IcerikMobilCariJson(MobilCariBilgisi(c.db, c.Int(0), c.Text(1)))); });
  t.Ekle(QStringLiteral("MailGonserCari"),
         [](Cagri& c, Yanit& y) { y.Int(MailIstegiKaydet(c.db, c.yontem, Metinler(c, 16))); }, true);
  t.Ekle(QStringLiteral("MailGonserCariNormal"),
         [](Cagri& c, Yanit& y) { y.Int(MailIstegiKaydet(c.db, c.yontem, Metinler(c, 17))); }, true);
}
