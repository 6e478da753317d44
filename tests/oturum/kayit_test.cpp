// Records: defaults, field lists, properties and Kopyala.
#include <gtest/gtest.h>

#include "kayit_ortak.h"

TEST(Kayitlar, YeniOturumKaydininVarsayilanlari) {
  const TSonucBilgisi k;
  for (const auto& a : TSonucBilgisi::Alanlar()) {
    SCOPED_TRACE(a.ad);
    switch (a.tur) {
      case TAlanTuru::Metin: EXPECT_TRUE((k.*a.metin).isEmpty()); break;
      case TAlanTuru::Mantik: EXPECT_FALSE(k.*a.mantik); break;
      case TAlanTuru::Tamsayi: {
        const std::string ad = a.ad;
        EXPECT_EQ(k.*a.tamsayi, (ad == "FMusteriTipi" || ad == "FVersion") ? 1 : 0);
        break;
      }
      default: ADD_FAILURE() << "beklenmeyen alan türü";
    }
  }
  EXPECT_EQ(k.MusteriTipi(), 1);
  EXPECT_EQ(k.Version(), 1);
  EXPECT_FALSE(k.Varmi());
}

TEST(Kayitlar, AlanAdlariVeSiralari) {
  const std::vector<std::string> oturum = {
      "FBILGISAYARID", "FSaticiMail", "FSirano", "FCariAdi", "FSIFRE", "FSaticiNo", "FCARINO",
      "FAKTIF", "FKullanicimail", "FADI", "FSaticiTelefon", "Fcarikod", "FVarmi", "FSaticiAdi",
      "FBilgiSayarAdi", "FDisip", "FIcip", "FBilgisayarKullanici", "FMusteriTipi", "FVersion"};
  EXPECT_EQ(AlanAdlari<TSonucBilgisi>(), oturum);
  EXPECT_EQ(AlanAdlari<TSiparisDipAyrinti>(),
            (std::vector<std::string>{"FSizinMesaj", "FDurumu", "FVeren", "FKargo", "FBizimMesaj",
                                      "FTeslimCinsi", "FKargoCinsi", "FSaticiNotu"}));
  EXPECT_EQ(AlanAdlari<TTusSonuclari>(),
            (std::vector<std::string>{"FAlindi", "FOnaylandi", "FParcaliHazirlandi", "FSevkEdildi",
                                      "FHazirlandi", "FGoruldu"}));
  EXPECT_EQ(AlanAdlari<TAcilisEkran>(), (std::vector<std::string>{"FSiraNo", "FResim", "FBaslik", "FArama"}));
  // The mobile records: first and last fields and the kinds that matter on the wire.
  const auto stok = AlanAdlari<TMobilStok>();
  EXPECT_EQ(stok.front(), "FStokNo");
  EXPECT_EQ(stok.back(), "FFiyat");
  const auto sepet = AlanAdlari<TMobilSepet>();
  EXPECT_EQ(sepet.front(), "FKARGOID");
  EXPECT_EQ(sepet.back(), "FResim");
  for (const auto& a : TMobilSepet::Alanlar()) {
    const std::string ad = a.ad;
    if (ad == "FTARIH" || ad == "FVERILISTARIHI") EXPECT_EQ(a.tur, TAlanTuru::Tarih) << ad;
    if (ad == "FACIKLAMA") EXPECT_EQ(a.tur, TAlanTuru::Tamsayi);
    if (ad == "FIDNO") EXPECT_EQ(a.tur, TAlanTuru::Ondalik);
  }
}

TEST(Kayitlar, YeniMobilStokAdetVeKdv18Tasir) {
  const TMobilStok s;
  EXPECT_EQ(s.Birim(), QStringLiteral("ADET"));
  EXPECT_EQ(s.KDV(), 18.0);
  EXPECT_EQ(s.StokNo(), 0);
  EXPECT_TRUE(s.Adi().isEmpty());
  EXPECT_EQ(s.Fiyat(), 0.0);
}

TEST(Kayitlar, OzelliklerAlaniOkurVeYazar) {
  TSonucBilgisi k;
  k.SetSirano(42);
  k.SetBILGISAYARID(QStringLiteral("ABC"));
  k.Setcarikod(QStringLiteral("120.01"));
  k.SetVarmi(true);
  k.SetMusteriTipi(2);
  EXPECT_EQ(k.Sirano(), 42);
  EXPECT_EQ(k.BILGISAYARID(), QStringLiteral("ABC"));
  EXPECT_EQ(k.carikod(), QStringLiteral("120.01"));
  EXPECT_TRUE(k.Varmi());
  EXPECT_EQ(k.MusteriTipi(), 2);
  TTusSonuclari t;
  t.SetGoruldu(7);
  EXPECT_EQ(t.Goruldu(), 7);
  TMobilCariBilgisi c;
  c.SetTLBAKIYE(-12.5);
  EXPECT_EQ(c.TLBAKIYE(), -12.5);
}

template <class T>
class KopyalaTesti : public ::testing::Test {};
using DuzKayitlar = ::testing::Types<TSonucBilgisi, TSiparisDipAyrinti, TTusSonuclari, TMobilCariBilgisi,
                                     TAcilisEkran, TMobilStok, TMobilSepet>;
TYPED_TEST_SUITE(KopyalaTesti, DuzKayitlar);

TYPED_TEST(KopyalaTesti, HerAlaniKopyalar) {
  TypeParam kaynak;
  Doldur(kaynak, 1);
  TypeParam hedef;
  Doldur(hedef, 2);
  hedef.Kopyala(&kaynak);
  EXPECT_EQ(Farklar(hedef, kaynak), std::vector<std::string>{});
  // texts are values: changing the source later does not reach the copy
  Doldur(kaynak, 3);
  TypeParam beklenen;
  Doldur(beklenen, 1);
  EXPECT_EQ(Farklar(hedef, beklenen), std::vector<std::string>{});
}

TYPED_TEST(KopyalaTesti, YeniKayittanKopyalaDoluKaydiSifirlar) {
  const TypeParam yeni;
  TypeParam dolu;
  Doldur(dolu, 5);
  ASSERT_EQ(Farklar(dolu, yeni).size(), TypeParam::Alanlar().size());  // every field was changed
  dolu.Kopyala(&yeni);
  EXPECT_EQ(Farklar(dolu, yeni), std::vector<std::string>{});
}

TYPED_TEST(KopyalaTesti, KendiUzerineVeBosKaynak) {
  TypeParam k;
  Doldur(k, 4);
  TypeParam beklenen;
  Doldur(beklenen, 4);
  k.Kopyala(&k);
  EXPECT_EQ(Farklar(k, beklenen), std::vector<std::string>{});
  k.Kopyala(nullptr);  // nothing to copy: the record stays as it is
  EXPECT_EQ(Farklar(k, beklenen), std::vector<std::string>{});
}

TEST(Kayitlar, EkranListesiKopyasiEkranlariPaylasir) {
  auto e = std::make_shared<TAcilisEkran>();
  e->SetBaslik(QStringLiteral("Kampanya"));
  TAcilisEkranlariki kaynak;
  kaynak.SetEkranlar({e});
  std::shared_ptr<TAcilisEkran> tutulan;
  {
    TAcilisEkranlariki kopya;
    kopya.Kopyala(&kaynak);
    kopya.Kopyala(&kopya);
    ASSERT_EQ(kopya.Ekranlar().size(), 1u);
    tutulan = kopya.Ekranlar()[0];
  }
  kaynak.SetEkranlar({});
  // the screens outlive the holders that referred to them
  EXPECT_EQ(tutulan->Baslik(), QStringLiteral("Kampanya"));
}

TEST(Kayitlar, SahipListeOgeleriniTutar) {
  TMobilStoklar l;
  auto s = std::make_unique<TMobilStok>();
  s->SetKod(QStringLiteral("A-1"));
  l.Add(std::move(s));
  l.Add(std::make_unique<TMobilStok>());
  EXPECT_EQ(l.Count(), 2);
  EXPECT_EQ(l.Items(0)->Kod(), QStringLiteral("A-1"));
  EXPECT_EQ(l.Items(1)->Birim(), QStringLiteral("ADET"));
  EXPECT_THROW(l.Items(2), std::out_of_range);
}
