#include "platform/core/paket.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>

#include "platform/core/oletarih.h"

namespace {

// Every type, the awkward values of each, and a null in every column.
void OrnekDoldur(TClientDataSet& ds) {
  ds.AddField("STOKNO", TFieldType::ftInteger);
  ds.AddField("BUYUK", TFieldType::ftLargeint);
  ds.AddField("FIYAT", TFieldType::ftFloat);
  ds.AddField("TUTAR", TFieldType::ftCurrency);
  ds.AddField("ORAN", TFieldType::ftBCD);
  ds.AddField("ADI", TFieldType::ftString, 60);
  ds.AddField("SEC", TFieldType::ftBoolean);
  ds.AddField("GUN", TFieldType::ftDate);
  ds.AddField("ZAMAN", TFieldType::ftDateTime);
  ds.AddField("RESIM", TFieldType::ftBlob);
  const struct {
    qint64 i32, i64;
    double f, para, oran;
    const char* metin;
    bool b;
    double gun, zaman;
    QByteArray bayt;
  } satirlar[] = {
      {std::numeric_limits<int>::min(), std::numeric_limits<qint64>::min(), 0.1, 1234567.89, 18.5,
       "Şişe \"büyük\" \\ yol/ğüİı", true, 45000, 45000.75, QByteArray("\x00\x01\xff\x80", 4)},
      {std::numeric_limits<int>::max(), std::numeric_limits<qint64>::max(), 1e300, -0.01, 0, "satır\nsonu\t\r\x01\x1f",
       false, -1, -1.25, QByteArray()},
      {0, 0, 5e-324, 0, -3.5, "😀 emoji ve \xe2\x80\xa8 ayırıcı", false, 0, 0.5, QByteArray(1000, 'x')},
      {-1, -1, -0.0, 1e15, 1.0 / 3.0, "", true, 2958465, 2958465.999988426, QByteArray("=", 1)},
  };
  ds.AppendRows(5);  // the fifth row stays null
  int r = 0;
  for (const auto& s : satirlar) {
    ds.SetIntAt(r, 0, s.i32);
    ds.SetIntAt(r, 1, s.i64);
    ds.SetFloatAt(r, 2, s.f);
    ds.SetFloatAt(r, 3, s.para);
    ds.SetFloatAt(r, 4, s.oran);
    ds.SetUtf8At(r, 5, s.metin, std::strlen(s.metin));
    ds.SetIntAt(r, 6, s.b);
    ds.SetFloatAt(r, 7, s.gun);
    ds.SetFloatAt(r, 8, s.zaman);
    ds.SetBytesAt(r, 9, s.bayt);
    ++r;
  }
  ds.Open();
}

void AyniOlmali(const TClientDataSet& a, const TClientDataSet& b) {
  ASSERT_EQ(a.FieldCount(), b.FieldCount());
  ASSERT_EQ(a.RecordCount(), b.RecordCount());
  for (int c = 0; c < a.FieldCount(); ++c) {
    EXPECT_EQ(a.Fields(c)->FieldName(), b.Fields(c)->FieldName());
    EXPECT_EQ(a.Fields(c)->DataType(), b.Fields(c)->DataType()) << c;
    EXPECT_EQ(a.Fields(c)->Size(), b.Fields(c)->Size()) << c;
    for (int r = 0; r < a.RecordCount(); ++r) {
      ASSERT_EQ(a.IsNullAt(r, c), b.IsNullAt(r, c)) << r << "," << c;
      if (a.IsNullAt(r, c)) continue;
      switch (a.Fields(c)->DataType()) {
        case TFieldType::ftString:
        case TFieldType::ftBlob: EXPECT_EQ(a.Utf8At(r, c), b.Utf8At(r, c)) << r << "," << c; break;
        case TFieldType::ftInteger:
        case TFieldType::ftLargeint:
        case TFieldType::ftBoolean: EXPECT_EQ(a.IntAt(r, c), b.IntAt(r, c)) << r << "," << c; break;
        default: {
          const double x = a.FloatAt(r, c), y = b.FloatAt(r, c);
          EXPECT_EQ(std::memcmp(&x, &y, sizeof x), 0) << r << "," << c << " " << x << " " << y;  // bit for bit
        }
      }
    }
  }
}

QByteArray Dolgulu(const std::string& s) {
  QByteArray b;
  b.reserve(static_cast<qsizetype>(s.size()) + 128);
  b.append(s.data(), static_cast<qsizetype>(s.size()));
  return b;
}

TEST(Paket, HerTurGidipGelir) {
  TClientDataSet kaynak;
  OrnekDoldur(kaynak);
  const std::string json = PaketYaz(kaynak);
  // texts travel as raw UTF-8; only what JSON requires is escaped
  EXPECT_NE(json.find("Şişe \\\"büyük\\\" \\\\ yol/ğüİı"), std::string::npos);
  EXPECT_NE(json.find("\\u0001\\u001f"), std::string::npos);
  EXPECT_NE(json.find("\"rows\":5"), std::string::npos);

  for (QByteArray bayt : {Dolgulu(json), QByteArray::fromRawData(json.data(), static_cast<qsizetype>(json.size()))}) {
    TClientDataSet hedef;
    PaketiYukle(TVeriPaketi(bayt), hedef);
    EXPECT_TRUE(hedef.Active());
    EXPECT_EQ(hedef.RecNo(), 1);
    AyniOlmali(kaynak, hedef);
    EXPECT_EQ(PaketYaz(hedef), json);
  }
}

TEST(Paket, YanitZarfindakiYer) {
  PaketYazici y;
  y.Alan("A", TFieldType::ftInteger);
  y.Int(0, 7);
  const std::string p = y.Bitir();
  const struct {
    std::string yanit;
    int konum;
    bool acik;
  } durumlar[] = {
      {"{\"result\":[" + p + "]}", 0, true},
      {"{\"error\":null,\"result\":[5,\"x\",{\"a\":[1,2]}," + p + ",true]}", 3, true},
      {"{\"result\":[" + p + ",null],\"extra\":{\"result\":1}}", 1, false},
      {"{\"result\":[null]}", 0, false},
      {"null", -1, false},
      {" \n" + p + " \n", -1, true},
  };
  for (const auto& d : durumlar) {
    TClientDataSet ds;
    ds.AddField("ESKI", TFieldType::ftString);
    ds.Open();
    PaketiYukle(TVeriPaketi(QByteArray::fromStdString(d.yanit), d.konum), ds);
    EXPECT_EQ(ds.Active(), d.acik) << d.yanit;
    if (d.acik) {
      ASSERT_EQ(ds.RecordCount(), 1);
      EXPECT_EQ(ds.FieldByName("A")->AsInteger(), 7);
      EXPECT_EQ(ds.FindField("ESKI"), nullptr);
    } else {
      EXPECT_EQ(ds.FieldCount(), 0);
      EXPECT_EQ(ds.RecordCount(), 0);
    }
  }
}

TEST(Paket, VeriPaketiBaytlariPaylasir) {
  EXPECT_TRUE(TVeriPaketi().Bos());
  const QByteArray yanit("{\"result\":[null]}");
  TVeriPaketi p(yanit, 0);
  EXPECT_FALSE(p.Bos());
  EXPECT_EQ(p.Konum(), 0);
  EXPECT_EQ(p.Bayt().constData(), yanit.constData());  // no copy of the reply
  TVeriPaketi kopya = p;
  EXPECT_EQ(kopya.Bayt().constData(), yanit.constData());
}

TEST(Paket, UyeSirasiSerbest) {
  TClientDataSet ds;
  PaketiYukle(TVeriPaketi(QByteArray(
                  R"({"columns":[[1,null],["a","b"]],"fields":[{"type":"int","name":"X"},{"name":"Y","type":"text","size":3,"yeni":true}],"rows":2,"surum":1})")),
              ds);
  ASSERT_EQ(ds.RecordCount(), 2);
  EXPECT_EQ(ds.IntAt(0, 0), 1);
  EXPECT_TRUE(ds.IsNullAt(1, 0));
  EXPECT_EQ(ds.TextAt(1, 1), "b");
  EXPECT_EQ(ds.Fields(1)->Size(), 3);
}

TEST(Paket, YuklemeTekBildirimVerir) {
  TClientDataSet kaynak;
  OrnekDoldur(kaynak);
  TClientDataSet ds;
  int veri = 0, diger = 0;
  QObject::connect(&ds, &TClientDataSet::DataChanged, [&] { ++veri; });
  QObject::connect(&ds, &TClientDataSet::RecordChanged, [&](int) { ++diger; });
  QObject::connect(&ds, &TClientDataSet::CurrentChanged, [&](int) { ++diger; });
  PaketiYukle(TVeriPaketi(QByteArray::fromStdString(PaketYaz(kaynak))), ds);
  EXPECT_EQ(veri, 1);
  EXPECT_EQ(diger, 0);
  EXPECT_FALSE(ds.ControlsDisabled());
}

TEST(Paket, BozukPaketlerReddedilir) {
  const char* gecerli = R"({"rows":2,"fields":[{"name":"A","type":"int"},{"name":"B","type":"text"}],"columns":[[1,2],["x","y"]]})";
  const struct {
    const char* ad;
    std::string json;
    int konum;
  } durumlar[] = {
      {"boş", "", -1},
      {"JSON değil", "merhaba", -1},
      {"dizi", "[1,2]", -1},
      {"sayı", "5", -1},
      {"rows yok", R"({"fields":[{"name":"A","type":"int"}],"columns":[[1]]})", -1},
      {"fields yok", R"({"rows":1,"columns":[[1]]})", -1},
      {"columns yok", R"({"rows":1,"fields":[{"name":"A","type":"int"}]})", -1},
      {"rows eksi", R"({"rows":-1,"fields":[],"columns":[]})", -1},
      {"rows metin", R"({"rows":"2","fields":[],"columns":[]})", -1},
      {"rows çok büyük", R"({"rows":4000000000,"fields":[{"name":"A","type":"int"}],"columns":[[1]]})", -1},
      {"rows boya uymuyor", R"({"rows":1000000,"fields":[{"name":"A","type":"int"}],"columns":[[1]]})", -1},
      {"alansız satır", R"({"rows":3,"fields":[],"columns":[]})", -1},
      {"kısa sütun", R"({"rows":2,"fields":[{"name":"A","type":"int"}],"columns":[[1]]})", -1},
      {"uzun sütun", R"({"rows":1,"fields":[{"name":"A","type":"int"}],"columns":[[1,2]]})", -1},
      {"eksik sütun", R"({"rows":1,"fields":[{"name":"A","type":"int"},{"name":"B","type":"int"}],"columns":[[1]]})", -1},
      {"fazla sütun", R"({"rows":1,"fields":[{"name":"A","type":"int"}],"columns":[[1],[2]]})", -1},
      {"sütun dizi değil", R"({"rows":1,"fields":[{"name":"A","type":"int"}],"columns":[1]})", -1},
      {"bilinmeyen tür", R"({"rows":1,"fields":[{"name":"A","type":"money"}],"columns":[[1]]})", -1},
      {"ad yok", R"({"rows":1,"fields":[{"type":"int"}],"columns":[[1]]})", -1},
      {"boş ad", R"({"rows":1,"fields":[{"name":"","type":"int"}],"columns":[[1]]})", -1},
      {"tür yok", R"({"rows":1,"fields":[{"name":"A"}],"columns":[[1]]})", -1},
      {"aynı ad", R"({"rows":1,"fields":[{"name":"A","type":"int"},{"name":"a","type":"int"}],"columns":[[1],[2]]})", -1},
      {"int'te metin", R"({"rows":1,"fields":[{"name":"A","type":"int"}],"columns":[["1"]]})", -1},
      {"int'te kesir", R"({"rows":1,"fields":[{"name":"A","type":"int"}],"columns":[[1.5]]})", -1},
      {"int taşıyor", R"({"rows":1,"fields":[{"name":"A","type":"int"}],"columns":[[2147483648]]})", -1},
      {"largeint taşıyor", R"({"rows":1,"fields":[{"name":"A","type":"largeint"}],"columns":[[9223372036854775808]]})", -1},
      {"metinde sayı", R"({"rows":1,"fields":[{"name":"A","type":"text"}],"columns":[[1]]})", -1},
      {"bool'da sayı", R"({"rows":1,"fields":[{"name":"A","type":"bool"}],"columns":[[1]]})", -1},
      {"float'ta metin", R"({"rows":1,"fields":[{"name":"A","type":"float"}],"columns":[["1,5"]]})", -1},
      {"float taşıyor", R"({"rows":1,"fields":[{"name":"A","type":"float"}],"columns":[[1e400]]})", -1},
      {"tarihte nesne", R"({"rows":1,"fields":[{"name":"A","type":"date"}],"columns":[[{}]]})", -1},
      {"bozuk base64", R"({"rows":1,"fields":[{"name":"A","type":"blob"}],"columns":[["!!!"]]})", -1},
      {"bozuk UTF-8", std::string(R"({"rows":1,"fields":[{"name":"A","type":"text"}],"columns":[[")") + "\xc3\x28" + "\"]]}", -1},
      {"kesik", std::string(gecerli).substr(0, 60), -1},
      {"kapanmamış", std::string(gecerli, std::strlen(gecerli) - 1), -1},
      {"fazla veri", std::string(gecerli) + " {}", -1},
      {"zarfsız konum", gecerli, 0},
      {"result yok", std::string(R"({"error":"x"})"), 0},
      {"result dizi değil", std::string(R"({"result":{}})"), 0},
      {"konum dışarıda", std::string(R"({"result":[)") + gecerli + "]}", 1},
      {"konumda sayı", std::string(R"({"result":[)") + gecerli + ",5]}", 1},
      {"kesik zarf", std::string(R"({"result":[)") + gecerli + ",", 0},
  };
  for (const auto& d : durumlar) {
    TClientDataSet ds;
    OrnekDoldur(ds);  // a loaded set: a failed load must leave it closed and empty
    try {
      PaketiYukle(TVeriPaketi(QByteArray::fromStdString(d.json), d.konum), ds);
      ADD_FAILURE() << "kabul edildi: " << d.ad;
    } catch (const EPaketHatasi& e) {
      EXPECT_EQ(std::string(e.what()).rfind("Veri paketi", 0), 0u) << d.ad << ": " << e.what();
    }
    EXPECT_FALSE(ds.Active()) << d.ad;
    EXPECT_EQ(ds.FieldCount(), 0) << d.ad;
    EXPECT_EQ(ds.RecordCount(), 0) << d.ad;
    EXPECT_FALSE(ds.ControlsDisabled()) << d.ad;
  }
}

TEST(Paket, HerKesikBoyReddedilir) {
  TClientDataSet kaynak;
  OrnekDoldur(kaynak);
  const std::string json = "{\"result\":[" + PaketYaz(kaynak) + "]}";
  for (std::size_t n = 0; n < json.size(); ++n) {
    TClientDataSet ds;
    EXPECT_THROW(PaketiYukle(TVeriPaketi(QByteArray::fromStdString(json.substr(0, n)), 0), ds), EPaketHatasi) << n;
    EXPECT_EQ(ds.FieldCount(), 0);
  }
  TClientDataSet ds;
  PaketiYukle(TVeriPaketi(QByteArray::fromStdString(json), 0), ds);
  AyniOlmali(kaynak, ds);
}

TEST(PaketYazici, SatirSatirVeSutunSutunAyniPaket) {
  auto alanlar = [](PaketYazici& y) {
    y.Alan("NO", TFieldType::ftInteger);
    y.Alan("ADI", TFieldType::ftString, 20);
    y.Alan("FIYAT", TFieldType::ftCurrency);
  };
  PaketYazici satirSatir, sutunSutun;
  alanlar(satirSatir);
  alanlar(sutunSutun);
  for (int r = 0; r < 3; ++r) {
    satirSatir.Int(0, r);
    satirSatir.Text(1, QString("ürün %1").arg(r));
    if (r == 1) satirSatir.Null(2);
    else satirSatir.Float(2, r + 0.25);
  }
  for (int r = 0; r < 3; ++r) sutunSutun.Int(0, r);
  for (int r = 0; r < 3; ++r) sutunSutun.Text(1, QString("ürün %1").arg(r));
  sutunSutun.Float(2, 0.25);
  sutunSutun.Null(2);
  sutunSutun.Float(2, 2.25);
  EXPECT_EQ(satirSatir.Hucre(2), 3);
  const std::string a = satirSatir.Bitir();
  EXPECT_EQ(a, sutunSutun.Bitir());
  EXPECT_EQ(a,
            R"({"rows":3,"fields":[{"name":"NO","type":"int"},{"name":"ADI","type":"text","size":20},)"
            R"({"name":"FIYAT","type":"currency"}],"columns":[[0,1,2],["ürün 0","ürün 1","ürün 2"],[0.25,null,2.25]]})");
}

TEST(PaketYazici, YanlisKullanimlar) {
  PaketYazici y;
  const int no = y.Alan("NO", TFieldType::ftInteger);
  const int ad = y.Alan("AD", TFieldType::ftString);
  const int b = y.Alan("B", TFieldType::ftBoolean);
  EXPECT_THROW(y.Text(no, std::string_view("x")), std::invalid_argument);
  EXPECT_THROW(y.Float(no, 1.5), std::invalid_argument);
  EXPECT_THROW(y.Int(no, 1LL << 40), std::invalid_argument);
  EXPECT_THROW(y.Int(ad, 1), std::invalid_argument);
  EXPECT_THROW(y.Bool(ad, true), std::invalid_argument);
  EXPECT_THROW(y.Int(b, 1), std::invalid_argument);
  EXPECT_THROW(y.Null(7), std::out_of_range);
  EXPECT_THROW(y.Alan("", TFieldType::ftInteger), std::invalid_argument);
  y.Int(no, 1);
  EXPECT_THROW(y.Bitir(), std::logic_error);  // columns of different lengths
}

TEST(PaketYazici, OzelDegerler) {
  PaketYazici y;
  y.Alan("F", TFieldType::ftFloat);
  y.Alan("M", TFieldType::ftString);
  y.Float(0, std::nan(""));
  y.Text(1, std::string_view("a\xff" "b"));  // not UTF-8: repaired, the packet stays readable
  y.Float(0, 0.5);
  y.Text(1, std::string_view("\0", 1));
  y.Null(0);
  y.Text(1, "düz");  // a literal picks the UTF-8 form
  const std::string json = y.Bitir();
  TClientDataSet ds;
  PaketiYukle(TVeriPaketi(QByteArray::fromStdString(json)), ds);
  EXPECT_TRUE(ds.IsNullAt(0, 0));  // JSON has no NaN
  EXPECT_EQ(ds.TextAt(0, 1), QString::fromUtf8("a\xef\xbf\xbd" "b"));
  EXPECT_EQ(ds.FloatAt(1, 0), 0.5);
  EXPECT_EQ(ds.Utf8At(1, 1), std::string_view("\0", 1));
  EXPECT_NE(json.find("\\u0000"), std::string::npos);
  EXPECT_EQ(ds.TextAt(2, 1), "düz");
}

TEST(PaketYazici, CYereliSayilariDegistirmez) {
  const std::string eski = std::setlocale(LC_NUMERIC, nullptr);
  std::setlocale(LC_NUMERIC, "tr_TR.UTF-8");
  PaketYazici y;
  y.Alan("F", TFieldType::ftFloat);
  y.Float(0, 1234.5);
  const std::string json = y.Bitir();
  std::setlocale(LC_NUMERIC, eski.c_str());
  EXPECT_NE(json.find("[[1234.5]]"), std::string::npos) << json;
}

TEST(PaketYazici, BosPaket) {
  PaketYazici y;
  const std::string json = y.Bitir();
  EXPECT_EQ(json, R"({"rows":0,"fields":[],"columns":[]})");
  TClientDataSet ds;
  PaketiYukle(TVeriPaketi(QByteArray::fromStdString(json)), ds);
  EXPECT_TRUE(ds.Active());
  EXPECT_EQ(ds.FieldCount(), 0);
  EXPECT_EQ(ds.RecordCount(), 0);

  TClientDataSet kapali;
  EXPECT_EQ(PaketYaz(kapali), json);
}

}  // namespace
