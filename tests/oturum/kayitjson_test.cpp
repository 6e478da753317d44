// The records' JSON object wire form: envelope, round trips and rejected input.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include "kayit_ortak.h"
#include "session/kayitjson.h"

namespace {

QJsonValue Json(const char* metin) {
  const QJsonDocument d = QJsonDocument::fromJson(QByteArray("[") + metin + "]");
  EXPECT_TRUE(d.isArray()) << metin;
  return d.array().at(0);
}

}  // namespace

TEST(KayitJson, OturumKaydininZarfiVeAlanTurleri) {
  TSonucBilgisi k;
  k.SetADI(QStringLiteral("Ayşe"));
  k.SetSirano(17);
  k.SetVarmi(true);
  const QJsonValue v = KayitJsonYaz(&k, 3);
  ASSERT_TRUE(v.isObject());
  const QJsonObject o = v.toObject();
  EXPECT_EQ(o.value("type").toString(), QStringLiteral("baglantiu.TSonucBilgisi"));
  EXPECT_EQ(o.value("id").toInt(), 3);
  const QJsonObject f = o.value("fields").toObject();
  EXPECT_EQ(f.size(), 20);
  EXPECT_EQ(f.value("FADI").toString(), QStringLiteral("Ayşe"));
  EXPECT_TRUE(f.value("FSirano").isDouble());
  EXPECT_EQ(f.value("FSirano").toInt(), 17);
  EXPECT_TRUE(f.value("FVarmi").isBool());
  EXPECT_EQ(f.value("FMusteriTipi").toInt(), 1);
  EXPECT_TRUE(f.value("Fcarikod").isString());
  EXPECT_TRUE(f.contains("FBilgiSayarAdi"));
}

TEST(KayitJson, TurAdlari) {
  EXPECT_STREQ(TSiparisDipAyrinti::TurAdi, "baglantiu.TSiparisDipAyrinti");
  EXPECT_STREQ(TTusSonuclari::TurAdi, "baglantiu.TTusSonuclari");
  EXPECT_STREQ(TMobilCariBilgisi::TurAdi, "mobilstokunit.TMobilCariBilgisi");
  EXPECT_STREQ(TAcilisEkran::TurAdi, "mobilstokunit.TAcilisEkran");
  EXPECT_STREQ(TAcilisEkranlariki::TurAdi, "mobilstokunit.TAcilisEkranlariki");
  EXPECT_STREQ(TMobilStok::TurAdi, "mobilstokunit.TMobilStok");
  EXPECT_STREQ(TMobilSepet::TurAdi, "mobilstokunit.TMobilSepet");
}

template <class T>
class JsonGidisDonus : public ::testing::Test {};
using DuzKayitlar = ::testing::Types<TSonucBilgisi, TSiparisDipAyrinti, TTusSonuclari, TMobilCariBilgisi,
                                     TAcilisEkran, TMobilStok, TMobilSepet>;
TYPED_TEST_SUITE(JsonGidisDonus, DuzKayitlar);

TYPED_TEST(JsonGidisDonus, YazilanAynenOkunur) {
  TypeParam k;
  Doldur(k, 7);
  const auto geri = KayitJsonOku<TypeParam>(KayitJsonYaz(&k));
  ASSERT_TRUE(geri);
  EXPECT_EQ(Farklar(*geri, k), std::vector<std::string>{});
  // through the compact text as well, extreme integers included
  for (const auto& a : TypeParam::Alanlar())
    if (a.tur == TAlanTuru::Tamsayi) k.*a.tamsayi = std::numeric_limits<int>::min();
  const auto metinden = KayitJsonMetniOku<TypeParam>(KayitJsonMetni(&k, 9));
  ASSERT_TRUE(metinden);
  EXPECT_EQ(Farklar(*metinden, k), std::vector<std::string>{});
}

TYPED_TEST(JsonGidisDonus, BosKayitNullOlur) {
  EXPECT_TRUE(KayitJsonYaz(static_cast<const TypeParam*>(nullptr)).isNull());
  EXPECT_EQ(KayitJsonMetni(static_cast<const TypeParam*>(nullptr)), "null");
  EXPECT_EQ(KayitJsonOku<TypeParam>(QJsonValue(QJsonValue::Null)), nullptr);
  EXPECT_EQ(KayitJsonMetniOku<TypeParam>("null"), nullptr);
}

TEST(KayitJson, EkranlarKayitDizisiOlarakGider) {
  TAcilisEkranlariki l;
  TAcilisEkranlariki::Liste ekranlar;
  for (int i = 1; i <= 2; ++i) {
    auto e = std::make_shared<TAcilisEkran>();
    e->SetSiraNo(i);
    e->SetResim(QStringLiteral("FFD8FF"));
    e->SetBaslik(QStringLiteral("Duyuru %1").arg(i));
    e->SetArama(i == 1 ? QStringLiteral("#YENİ#") : QStringLiteral("#KAMPANYA#"));
    ekranlar.push_back(e);
  }
  l.SetEkranlar(ekranlar);
  const QJsonObject o = KayitJsonYaz(&l).toObject();
  EXPECT_EQ(o.value("type").toString(), QStringLiteral("mobilstokunit.TAcilisEkranlariki"));
  const QJsonArray dizi = o.value("fields").toObject().value("FEkranlar").toArray();
  ASSERT_EQ(dizi.size(), 2);
  EXPECT_EQ(dizi.at(1).toObject().value("type").toString(), QStringLiteral("mobilstokunit.TAcilisEkran"));
  EXPECT_EQ(dizi.at(1).toObject().value("fields").toObject().value("FArama").toString(), QStringLiteral("#KAMPANYA#"));

  const auto geri = KayitJsonOku<TAcilisEkranlariki>(o);
  ASSERT_TRUE(geri);
  ASSERT_EQ(geri->Ekranlar().size(), 2u);
  for (int i = 0; i < 2; ++i) EXPECT_EQ(Farklar(*geri->Ekranlar()[i], *ekranlar[i]), std::vector<std::string>{});

  // an empty slot is left out on the wire
  TAcilisEkranlariki bosluklu;
  bosluklu.SetEkranlar({nullptr, ekranlar[1], nullptr});
  const auto bosluksuz = KayitJsonOku<TAcilisEkranlariki>(KayitJsonYaz(&bosluklu));
  ASSERT_TRUE(bosluksuz);
  ASSERT_EQ(bosluksuz->Ekranlar().size(), 1u);
  EXPECT_EQ(bosluksuz->Ekranlar()[0]->Baslik(), QStringLiteral("Duyuru 2"));

  const auto bos = KayitJsonOku<TAcilisEkranlariki>(
      Json(R"({"type":"mobilstokunit.TAcilisEkranlariki","id":1,"fields":{"FEkranlar":[]}})"));
  ASSERT_TRUE(bos);
  EXPECT_TRUE(bos->Ekranlar().empty());
}

TEST(KayitJson, SahipListelerGidipGelir) {
  TMobilSepetler l;
  for (int i = 0; i < 3; ++i) {
    auto s = std::make_unique<TMobilSepet>();
    Doldur(*s, i);
    l.Add(std::move(s));
  }
  const auto geri = KayitJsonMetniOku<TMobilSepetler>(KayitJsonMetni(&l));
  ASSERT_TRUE(geri);
  ASSERT_EQ(geri->Count(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Farklar(*geri->Items(i), *l.Items(i)), std::vector<std::string>{});

  TMobilStoklar stoklar;
  stoklar.Add(std::make_unique<TMobilStok>());
  stoklar.Add(nullptr);
  const auto s = KayitJsonOku<TMobilStoklar>(KayitJsonYaz(&stoklar));
  ASSERT_TRUE(s);
  ASSERT_EQ(s->Count(), 1);
  EXPECT_EQ(s->Items(0)->Birim(), QStringLiteral("ADET"));
  TAcilisEkranlar ekranlar;
  EXPECT_EQ(KayitJsonOku<TAcilisEkranlar>(KayitJsonYaz(&ekranlar))->Count(), 0);
}

TEST(KayitJson, BilinmeyenAlanlarAtlanir) {
  TTusSonuclari t;
  t.SetSevkEdildi(4);
  QJsonObject o = KayitJsonYaz(&t).toObject();
  QJsonObject f = o.value("fields").toObject();
  f.insert("FYeniAlan", "ne olursa");
  o.insert("fields", f);
  o.insert("ek", 1);
  const auto geri = KayitJsonOku<TTusSonuclari>(o);
  ASSERT_TRUE(geri);
  EXPECT_EQ(geri->SevkEdildi(), 4);
  // integral numbers written with a fraction part or exponent are still integers
  f.insert("FAlindi", 2e3);
  o.insert("fields", f);
  EXPECT_EQ(KayitJsonOku<TTusSonuclari>(o)->Alindi(), 2000);
}

// A valid record text with one part replaced.
QByteArray OturumMetni(const QString& anahtar, const QJsonValue& deger, bool sil = false) {
  QJsonObject o = KayitJsonYaz(std::make_unique<TSonucBilgisi>().get()).toObject();
  QJsonObject f = o.value("fields").toObject();
  if (sil) f.remove(anahtar);
  else f.insert(anahtar, deger);
  o.insert("fields", f);
  return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

struct BozukDurum {
  const char* ad;
  QByteArray json;
  const char* hataParcasi;  // the error text must name this
};

TEST(KayitJson, BozukGirdiAnlasilirHataVerir) {
  const std::vector<BozukDurum> durumlar = {
      {"dizi", "[1,2]", "dizi geldi"},
      {"metin", "\"baglantiu.TSonucBilgisi\"", "metin geldi"},
      {"sayi", "12", "sayı geldi"},
      {"yanlis tur", R"({"type":"baglantiu.TTusSonuclari","id":1,"fields":{}})", "baglantiu.TTusSonuclari"},
      {"tur yok", R"({"id":1,"fields":{}})", "\"type\""},
      {"tur sayi", R"({"type":5,"id":1,"fields":{}})", "\"type\""},
      {"fields yok", R"({"type":"baglantiu.TSonucBilgisi","id":1})", "\"fields\""},
      {"fields dizi", R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":[]})", "\"fields\""},
      {"id metin", R"({"type":"baglantiu.TSonucBilgisi","id":"1","fields":{}})", "\"id\""},
      {"eksik alan", OturumMetni("FADI", {}, true), "FADI"},
      {"metin yerine sayi", OturumMetni("FADI", 5), "FADI"},
      {"metin yerine null", OturumMetni("FSIFRE", QJsonValue()), "FSIFRE"},
      {"tamsayi yerine metin", OturumMetni("FSirano", "5"), "FSirano"},
      {"kesirli tamsayi", OturumMetni("FCARINO", 1.5), "FCARINO"},
      {"buyuk tamsayi", OturumMetni("FCARINO", 3e9), "FCARINO"},
      {"kucuk tamsayi", OturumMetni("FAKTIF", -2147483649.0), "FAKTIF"},
      {"mantik yerine sayi", OturumMetni("FVarmi", 1), "FVarmi"},
      {"mantik yerine metin", OturumMetni("FVarmi", "true"), "FVarmi"},
      {"tamsayi yerine nesne", OturumMetni("FVersion", QJsonObject{}), "FVersion"},
  };
  for (const auto& d : durumlar) {
    SCOPED_TRACE(d.ad);
    const QJsonDocument belge = QJsonDocument::fromJson("[" + d.json + "]");
    ASSERT_TRUE(belge.isArray());
    try {
      KayitJsonOku<TSonucBilgisi>(belge.array().at(0));
      ADD_FAILURE() << "hata bekleniyordu";
    } catch (const EKayitHatasi& e) {
      EXPECT_NE(std::string(e.what()).find(d.hataParcasi), std::string::npos) << e.what();
    }
  }
}

TEST(KayitJson, IcKayitHatalariAlaniAdlandirir) {
  const std::vector<std::pair<const char*, const char*>> durumlar = {
      {R"({"type":"mobilstokunit.TAcilisEkranlariki","id":1,"fields":{}})", "FEkranlar"},
      {R"({"type":"mobilstokunit.TAcilisEkranlariki","id":1,"fields":{"FEkranlar":{}}})", "FEkranlar"},
      {R"({"type":"mobilstokunit.TAcilisEkranlariki","id":1,"fields":{"FEkranlar":[null]}})", "FEkranlar"},
      {R"({"type":"mobilstokunit.TAcilisEkranlariki","id":1,"fields":{"FEkranlar":[{"type":"mobilstokunit.TAcilisEkran","id":2,"fields":{"FSiraNo":1,"FResim":"","FBaslik":""}}]}})",
       "FArama"},
  };
  for (const auto& [json, parca] : durumlar) {
    SCOPED_TRACE(json);
    try {
      KayitJsonOku<TAcilisEkranlariki>(Json(json));
      ADD_FAILURE() << "hata bekleniyordu";
    } catch (const EKayitHatasi& e) {
      EXPECT_NE(std::string(e.what()).find(parca), std::string::npos) << e.what();
    }
  }
  // float fields take any number, integral or not, but no text
  TMobilStok s;
  QJsonObject o = KayitJsonYaz(&s).toObject();
  QJsonObject f = o.value("fields").toObject();
  f.insert("FKDV", 8);
  o.insert("fields", f);
  EXPECT_EQ(KayitJsonOku<TMobilStok>(o)->KDV(), 8.0);
  f.insert("FKDV", "8");
  o.insert("fields", f);
  EXPECT_THROW(KayitJsonOku<TMobilStok>(o), EKayitHatasi);
  EXPECT_THROW(KayitJsonMetniOku<TMobilStok>("{bozuk"), EKayitHatasi);
  EXPECT_THROW(KayitJsonMetniOku<TMobilStok>("null] , [null"), EKayitHatasi);
}
