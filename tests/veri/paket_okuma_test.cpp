// The packet reader reads the cells of each column from the column's text itself: every form
// of a cell that JSON allows must come out right, and every form it does not allow must be refused.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <cstring>
#include <string>

#include "platform/core/paket.h"

namespace {

double Sayi(const char* s) {  // the exact double of a number text, whatever the C locale
  double d = 0;
  std::from_chars(s, s + std::strlen(s), d);
  return d;
}

std::string TekSutun(const char* tur, const std::string& hucreler, int satir) {
  return R"({"rows":)" + std::to_string(satir) + R"(,"fields":[{"name":"A","type":")" + tur +
         R"("}],"columns":[)" + hucreler + "]}";
}

TEST(PaketOkuma, SayilarinHerBicimi) {
  const char* sayilar[] = {"0",      "-0",     "1.25",    "123456.78", "0.1",     "-0.5E-1", "1e2",
                           "4.9e-324", "1.7976931348623157e308", "9007199254740993", "123456789012345678",
                           "0.30000000000000004", "12345678901234567890123", "464093.65780000004",
                           "0.000000000000000000000123", "2.5e+3"};
  std::string hucreler = "[";
  for (const char* s : sayilar) hucreler += std::string(hucreler.size() > 1 ? " ,\n\t" : "") + s;
  hucreler += " ]";
  TClientDataSet ds;
  const int n = static_cast<int>(std::size(sayilar));
  PaketiYukle(TVeriPaketi(QByteArray::fromStdString(TekSutun("float", hucreler, n))), ds);
  ASSERT_EQ(ds.RecordCount(), n);
  for (int r = 0; r < n; ++r) {
    const double beklenen = Sayi(sayilar[r]);
    EXPECT_EQ(ds.FloatAt(r, 0), beklenen) << sayilar[r];
    EXPECT_EQ(std::signbit(ds.FloatAt(r, 0)), std::signbit(beklenen)) << sayilar[r];
  }
}

TEST(PaketOkuma, TamsayiSinirlariVeBosluklar) {
  TClientDataSet ds;
  PaketiYukle(TVeriPaketi(QByteArray(
                  "{ \"rows\" : 4 , \"fields\" : [ {\"name\":\"A\",\"type\":\"int\"} , {\"name\":\"B\",\"type\":\"largeint\"} ,"
                  " {\"name\":\"C\",\"type\":\"bool\"} ] ,\n \"columns\" : [\n [ 2147483647 ,-2147483648,\r\n0 , null ] ,"
                  "[9223372036854775807,-9223372036854775808,-0,null],[true ,false, null,\ttrue] ] }\n")),
              ds);
  ASSERT_EQ(ds.RecordCount(), 4);
  EXPECT_EQ(ds.IntAt(0, 0), 2147483647);
  EXPECT_EQ(ds.IntAt(1, 0), -2147483648LL);
  EXPECT_EQ(ds.IntAt(2, 0), 0);
  EXPECT_TRUE(ds.IsNullAt(3, 0));
  EXPECT_EQ(ds.IntAt(0, 1), std::numeric_limits<qint64>::max());
  EXPECT_EQ(ds.IntAt(1, 1), std::numeric_limits<qint64>::min());
  EXPECT_EQ(ds.IntAt(2, 1), 0);
  EXPECT_TRUE(ds.IsNullAt(3, 1));
  EXPECT_EQ(ds.IntAt(0, 2), 1);
  EXPECT_EQ(ds.IntAt(1, 2), 0);
  EXPECT_TRUE(ds.IsNullAt(2, 2));
  EXPECT_EQ(ds.IntAt(3, 2), 1);
}

TEST(PaketOkuma, MetinlerKacislarIleVeUzunlukSinirlarinda) {
  const struct {
    const char* json;
    std::string metin;
  } durumlar[] = {
      {R"("")", ""},
      {R"("ÇELİK VİDA şişe")", "ÇELİK VİDA şişe"},
      {R"("tırnak \" ters \\ bölü \/ ")", "tırnak \" ters \\ bölü / "},
      {R"("\b\f\n\r\t")", "\b\f\n\r\t"},
      {R"("\u00c7\u0130 \ud83d\ude00 \u0000son")", std::string("Çİ 😀 \0son", 14)},
      {R"("0123456789abcde")", "0123456789abcde"},    // the closing quote at the end of a block
      {R"("0123456789abcdef")", "0123456789abcdef"},  // and at the start of the next one
      {R"("0123456789abcdefghijklmnopqrstu\"")", "0123456789abcdefghijklmnopqrstu\""},
      {R"("null")", "null"},
  };
  std::string hucreler = "[";
  for (const auto& d : durumlar) hucreler += std::string(hucreler.size() > 1 ? ", " : "") + d.json;
  hucreler += ",null]";
  const int n = static_cast<int>(std::size(durumlar));
  TClientDataSet ds;
  PaketiYukle(TVeriPaketi(QByteArray::fromStdString(TekSutun("text", hucreler, n + 1))), ds);
  ASSERT_EQ(ds.RecordCount(), n + 1);
  for (int r = 0; r < n; ++r) {
    EXPECT_FALSE(ds.IsNullAt(r, 0)) << durumlar[r].json;
    EXPECT_EQ(std::string(ds.Utf8At(r, 0)), durumlar[r].metin) << durumlar[r].json;
  }
  EXPECT_TRUE(ds.IsNullAt(n, 0));
}

TEST(PaketOkuma, BozukHucrelerReddedilir) {
  const struct {
    const char* tur;
    std::string hucreler;
  } durumlar[] = {
      {"int", "[1,,2]"},       {"int", "[1 2]"},        {"int", "[,1,2]"},      {"int", "[1,2,]"},
      {"int", "[01,2]"},       {"int", "[+1,2]"},       {"int", "[-,2]"},       {"int", "[1.5,2]"},
      {"int", "[1e2,2]"},      {"int", "[0x10,2]"},     {"int", "[1-2,2]"},     {"int", "[nul,2]"},
      {"int", "[nullx,2]"},    {"int", "[[1],2]"},      {"int", "[{},2]"},      {"int", "[1,\"2\"]"},
      {"largeint", "[99999999999999999999,1]"},        {"float", "[1.,2]"},    {"float", "[.5,2]"},
      {"float", "[1e,2]"},     {"float", "[1e+,2]"},    {"float", "[NaN,2]"},   {"float", "[Infinity,2]"},
      {"float", "[-Infinity,2]"}, {"float", "[1.5.5,2]"}, {"float", "[00.5,2]"},  {"float", "[1e999,2]"},
      {"float", "[true,2]"},   {"bool", "[truex,true]"}, {"bool", "[fals,true]"}, {"bool", "[0,true]"},
      {"text", "[\"a\" \"b\"]"}, {"text", "[\"\\x\",\"b\"]"}, {"text", "[\"\\ud800\",\"b\"]"},
      {"text", "[\"\\udc00\",\"b\"]"}, {"text", "[\"\\u12g4\",\"b\"]"}, {"text", "[\"a\tb\",\"b\"]"},
      {"text", "[\"a\",1]"},   {"text", "[\"a\"1,\"b\"]"}, {"text", "[\"a\",\"b\"}"}, {"blob", "[\"QQ==\",1]"},
  };
  for (const auto& d : durumlar) {
    TClientDataSet ds;
    const std::string json = TekSutun(d.tur, d.hucreler, 2);
    try {
      PaketiYukle(TVeriPaketi(QByteArray::fromStdString(json)), ds);
      ADD_FAILURE() << "kabul edildi: " << json;
    } catch (const EPaketHatasi& e) {
      EXPECT_EQ(std::string(e.what()).rfind("Veri paketi bozuk", 0), 0u) << json << ": " << e.what();
    }
    EXPECT_FALSE(ds.Active()) << json;
    EXPECT_EQ(ds.FieldCount(), 0) << json;
  }
}

}  // namespace

namespace {

// A text column far longer than the one before it: the reader's room for it must grow, and every
// text must stay whole. Also read from bytes without spare room after them (no terminator).
TEST(PaketOkuma, UzunMetinSutunuVeSinirsizBaytlar) {
  PaketYazici y;
  y.Alan("KISA", TFieldType::ftString);
  y.Alan("UZUN", TFieldType::ftString);
  y.Alan("NO", TFieldType::ftInteger);
  const int satir = 300;
  auto uzun = [](int r) { return std::string(static_cast<std::size_t>(r % 7 == 0 ? 2000 : 40 + r), 'a' + r % 26); };
  for (int r = 0; r < satir; ++r) {
    y.Text(0, std::string_view(r % 2 ? "x" : ""));
    y.Text(1, uzun(r));
    y.Int(2, r);
  }
  const std::string json = y.Bitir();
  for (bool ham : {false, true}) {
    TClientDataSet ds;
    const QByteArray bayt = ham ? QByteArray::fromRawData(json.data(), static_cast<qsizetype>(json.size()))
                                : QByteArray::fromStdString(json);
    PaketiYukle(TVeriPaketi(bayt), ds);
    ASSERT_EQ(ds.RecordCount(), satir);
    for (int r = 0; r < satir; ++r) {
      ASSERT_EQ(std::string(ds.Utf8At(r, 0)), r % 2 ? "x" : "") << r;
      ASSERT_EQ(std::string(ds.Utf8At(r, 1)), uzun(r)) << r;
      ASSERT_EQ(ds.IntAt(r, 2), r);
    }
  }
}

// The end of the reply right after a value, and members around the columns.
TEST(PaketOkuma, YanitinSonuVeSutunlardanSonrakiUyeler) {
  for (const char* json : {
           R"({"columns":[[1],["a"]],"x":[{"y":[1e400,-0.5,"\u00e7",true,false,null]}],"rows":1,"fields":[{"name":"A","type":"int"},{"name":"B","type":"text"}]})",
           R"({"rows":1,"fields":[{"name":"A","type":"int"},{"name":"B","type":"text"}],"columns":[[1],["a"]],"z":null})",
       }) {
    TClientDataSet ds;
    PaketiYukle(TVeriPaketi(QByteArray(json)), ds);
    ASSERT_EQ(ds.RecordCount(), 1) << json;
    EXPECT_EQ(ds.IntAt(0, 0), 1);
    EXPECT_EQ(ds.TextAt(0, 1), "a");
  }
  for (const char* json : {"null", " null ", "{\"result\":[null]}"}) {
    TClientDataSet ds;
    PaketiYukle(TVeriPaketi(QByteArray::fromRawData(json, static_cast<qsizetype>(std::strlen(json))),
                            json[0] == '{' ? 0 : -1),
                ds);
    EXPECT_FALSE(ds.Active()) << json;
  }
  for (const char* json : {"nul", "n", "{\"result\":[nul", "{\"result\":[null]", "null x", "{\"x\":[1,{]}"}) {
    TClientDataSet ds;
    EXPECT_THROW(PaketiYukle(TVeriPaketi(QByteArray::fromRawData(json, static_cast<qsizetype>(std::strlen(json))),
                                         json[0] == '{' ? 0 : -1),
                             ds),
                 EPaketHatasi)
        << json;
  }
}

}  // namespace
