#include "platform/core/veriseti.h"

#include <gtest/gtest.h>

#include <thread>

#include "platform/core/oletarih.h"
#include "platform/core/sayibicim.h"

namespace {

// Signals a data set sent, by kind.
struct Sayac {
  int veri = 0, kayit = 0, konum = 0;
  std::vector<int> kayitlar;
  explicit Sayac(TClientDataSet& ds) {
    QObject::connect(&ds, &TClientDataSet::DataChanged, [this] { ++veri; });
    QObject::connect(&ds, &TClientDataSet::RecordChanged, [this](int r) {
      ++kayit;
      kayitlar.push_back(r);
    });
    QObject::connect(&ds, &TClientDataSet::CurrentChanged, [this](int) { ++konum; });
  }
  int Toplam() const { return veri + kayit + konum; }
};

class VeriSetiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    eski_ = BicimAyarlari();
    BicimAyarlariKur(TFormatSettings::Turkce());
    // Three stock rows; the last has nulls everywhere but the number.
    ds.AddField("STOKNO", TFieldType::ftInteger);
    ds.AddField("ADI", TFieldType::ftString, 60);
    ds.AddField("FIYAT", TFieldType::ftFloat);
    ds.AddField("TUTAR", TFieldType::ftCurrency);
    ds.AddField("SEC", TFieldType::ftBoolean);
    ds.AddField("TARIH", TFieldType::ftDateTime);
    ds.AddField("BUYUK", TFieldType::ftLargeint);
    ds.AddField("RESIM", TFieldType::ftBlob);
    ds.AddField("GUN", TFieldType::ftDate);
    ds.AddField("ORAN", TFieldType::ftBCD);
    ds.AppendRows(3);
    const char* adlar[] = {"Vida", "Şişe \"büyük\"", nullptr};
    for (int r = 0; r < 3; ++r) {
      ds.SetIntAt(r, 0, 10 + r);
      if (!adlar[r]) continue;
      ds.SetTextAt(r, 1, QString::fromUtf8(adlar[r]));
      ds.SetFloatAt(r, 2, 1234567.5 * (r + 1));
      ds.SetFloatAt(r, 3, 99.9);
      ds.SetIntAt(r, 4, r);
      ds.SetFloatAt(r, 5, 45000.75);
      ds.SetIntAt(r, 6, 9000000000LL + r);
      ds.SetBytesAt(r, 7, QByteArray("\x00\x01\xff", 3));
      ds.SetFloatAt(r, 8, 45000);
      ds.SetFloatAt(r, 9, 18.5);
    }
    ds.Open();
  }
  void TearDown() override { BicimAyarlariKur(eski_); }

  TClientDataSet ds;
  TFormatSettings eski_;
};

TEST_F(VeriSetiTest, GezinmeVeSinirlar) {
  EXPECT_TRUE(ds.Active());
  EXPECT_EQ(ds.RecordCount(), 3);
  EXPECT_EQ(ds.RecNo(), 1);
  EXPECT_TRUE(ds.Bof());
  EXPECT_FALSE(ds.Eof());
  ds.Next();
  ds.Next();
  EXPECT_EQ(ds.RecNo(), 3);
  EXPECT_FALSE(ds.Eof());
  ds.Next();  // past the end: stays on the last record
  EXPECT_TRUE(ds.Eof());
  EXPECT_EQ(ds.RecNo(), 3);
  ds.Prior();
  EXPECT_EQ(ds.RecNo(), 2);
  EXPECT_FALSE(ds.Eof());
  ds.First();
  ds.Prior();
  EXPECT_TRUE(ds.Bof());
  EXPECT_EQ(ds.RecNo(), 1);
  ds.Last();
  EXPECT_TRUE(ds.Eof());
  EXPECT_EQ(ds.FieldByName("STOKNO")->AsInteger(), 12);
  ds.SetRecNo(2);
  EXPECT_EQ(ds.FieldByName("ADI")->AsString(), "Şişe \"büyük\"");

  // a walk as the program writes it
  std::vector<int> gorulen;
  for (ds.First(); !ds.Eof(); ds.Next()) gorulen.push_back(ds.FieldByName("STOKNO")->AsInteger());
  EXPECT_EQ(gorulen, (std::vector<int>{10, 11, 12}));
}

TEST(VeriSeti, BosVeKapaliVeriSeti) {
  TClientDataSet ds;
  EXPECT_FALSE(ds.Active());
  EXPECT_EQ(ds.RecordCount(), 0);
  EXPECT_TRUE(ds.Bof() && ds.Eof());
  ds.Next();
  ds.AddField("A", TFieldType::ftInteger);
  ds.Open();
  EXPECT_TRUE(ds.Active());
  EXPECT_EQ(ds.RecNo(), 0);
  EXPECT_TRUE(ds.Bof() && ds.Eof());
  EXPECT_TRUE(ds.FieldByName("A")->IsNull());
  EXPECT_EQ(ds.FieldByName("A")->AsInteger(), 0);
  EXPECT_THROW(ds.Edit(), EVeriSetiHatasi);
  EXPECT_FALSE(ds.Locate("A", 1));
  ds.AppendRow();  // the first row becomes current
  EXPECT_EQ(ds.RecNo(), 1);
  ds.Close();
  EXPECT_EQ(ds.FieldCount(), 0);
  EXPECT_THROW(ds.Edit(), EVeriSetiHatasi);
}

TEST_F(VeriSetiTest, AlanAdlari) {
  EXPECT_EQ(ds.FieldByName("adi")->Index(), 1);
  EXPECT_EQ(ds.FieldByName("Fiyat")->DataType(), TFieldType::ftFloat);
  EXPECT_EQ(ds.FieldByName("ADI")->Size(), 60);
  EXPECT_EQ(ds.FindField("YOK"), nullptr);
  EXPECT_THROW(ds.FieldByName("YOK"), EVeriSetiHatasi);
  EXPECT_THROW(ds.AddField("stokno", TFieldType::ftInteger), EVeriSetiHatasi);
  EXPECT_THROW(ds.Fields(99), EVeriSetiHatasi);
  EXPECT_THROW(ds.IntAt(3, 0), EVeriSetiHatasi);
  EXPECT_THROW(ds.IntAt(-1, 0), EVeriSetiHatasi);
}

TEST_F(VeriSetiTest, Locate) {
  const struct {
    const char* alan;
    QVariant deger;
    bool bulunur;
    int recNo;  // where the cursor stands afterwards
  } durumlar[] = {
      {"STOKNO", 11, true, 2},
      {"STOKNO", QString("12"), true, 3},
      {"STOKNO", 99, false, 3},
      {"ADI", QString::fromUtf8("Şişe \"büyük\""), true, 2},
      {"ADI", QString::fromUtf8("şişe \"büyük\""), false, 2},  // exact match only
      {"ADI", QVariant(), true, 3},                             // a null finds the null cell
      {"FIYAT", 1234567.5, true, 1},
      {"FIYAT", QString("abc"), false, 1},                      // a value the field cannot hold
      {"BUYUK", 9000000001LL, true, 2},
      {"SEC", true, true, 2},
      {"TARIH", OledenTarihSaat(45000.75), true, 1},
      {"GUN", QDate(2023, 3, 15), true, 1},
  };
  for (const auto& d : durumlar) {
    EXPECT_EQ(ds.Locate(d.alan, d.deger), d.bulunur) << d.alan << " " << d.deger.toString().toStdString();
    EXPECT_EQ(ds.RecNo(), d.recNo) << d.alan;
  }
  EXPECT_THROW(ds.Locate("YOK", 1), EVeriSetiHatasi);
}

TEST_F(VeriSetiTest, DuzenlemeKaydetVeVazgec) {
  Sayac s(ds);
  ds.SetRecNo(2);
  TField* ad = ds.FieldByName("ADI");
  TField* fiyat = ds.FieldByName("FIYAT");
  EXPECT_THROW(ad->SetAsString("x"), EVeriSetiHatasi);  // only between Edit and Post

  ds.Edit();
  ad->SetAsString("Somun");
  fiyat->SetAsFloat(12.5);
  EXPECT_EQ(ad->AsString(), "Somun");        // the field shows the edit
  EXPECT_EQ(ds.TextAt(1, 1), "Şişe \"büyük\"");  // the row does not yet
  ds.Cancel();
  EXPECT_FALSE(ds.Editing());
  EXPECT_EQ(ad->AsString(), "Şişe \"büyük\"");
  EXPECT_EQ(s.kayit, 0);

  ds.Edit();
  ad->SetAsString("Somun");
  fiyat->SetAsString("12,5");
  ds.FieldByName("TARIH")->Clear();
  ds.Post();
  EXPECT_EQ(ds.TextAt(1, 1), "Somun");
  EXPECT_EQ(ds.FloatAt(1, 2), 12.5);
  EXPECT_TRUE(ds.IsNullAt(1, 5));
  EXPECT_EQ(s.kayitlar, std::vector<int>{1});

  // moving posts a pending edit, as the toolkit does
  ds.Edit();
  ds.FieldByName("STOKNO")->SetAsInteger(77);
  ds.Next();
  EXPECT_FALSE(ds.Editing());
  EXPECT_EQ(ds.IntAt(1, 0), 77);

  // a value the field cannot hold is refused at once and changes nothing
  ds.Edit();
  EXPECT_THROW(ds.FieldByName("STOKNO")->SetAsString("on iki"), EVeriSetiHatasi);
  EXPECT_THROW(ds.FieldByName("STOKNO")->SetAsLargeInt(5000000000LL), EVeriSetiHatasi);
  ds.Post();
  EXPECT_EQ(ds.IntAt(2, 0), 12);
}

TEST_F(VeriSetiTest, KontrollerKapaliykenSinyalYok) {
  Sayac s(ds);
  ds.DisableControls();
  ds.DisableControls();  // nested
  ds.Next();
  ds.SetFloatAt(0, 2, 1);
  ds.AppendRow();
  ds.Edit();
  ds.FieldByName("ADI")->SetAsString("x");
  ds.Post();
  ds.EnableControls();
  EXPECT_EQ(s.Toplam(), 0);
  EXPECT_TRUE(ds.ControlsDisabled());
  ds.EnableControls();
  EXPECT_EQ(s.veri, 1);
  EXPECT_EQ(s.kayit + s.konum, 0);
  EXPECT_FALSE(ds.ControlsDisabled());

  // nothing changed: enabling sends nothing
  ds.DisableControls();
  ds.EnableControls();
  ds.EnableControls();  // unbalanced: harmless
  EXPECT_EQ(s.veri, 1);

  // with controls on each change is heard as it happens
  ds.First();
  ds.Next();
  ds.SetFloatAt(1, 2, 2);
  EXPECT_EQ(s.konum, 2);
  EXPECT_EQ(s.kayitlar, std::vector<int>{1});
  ds.FieldByName("FIYAT")->SetDisplayFormat("0.00");
  EXPECT_EQ(s.veri, 2);
}

TEST_F(VeriSetiTest, GorunumMetinleri) {
  ds.FieldByName("FIYAT")->SetDisplayFormat("#,###,##0.00");
  const struct {
    int row;
    const char* alan;
    const char* metin;
  } durumlar[] = {
      {0, "FIYAT", "1.234.567,50"},
      {1, "FIYAT", "2.469.135,00"},
      {2, "FIYAT", ""},  // null
      {0, "STOKNO", "10"},
      {0, "ADI", "Vida"},
      {0, "TUTAR", "99,90"},
      {0, "SEC", "False"},
      {1, "SEC", "True"},
      {0, "TARIH", "15.03.2023 18:00:00"},
      {0, "GUN", "15.03.2023"},
      {0, "BUYUK", "9000000000"},
      {0, "RESIM", "(BLOB)"},
      {0, "ORAN", "18,5"},
  };
  for (const auto& d : durumlar) {
    const int col = ds.FieldByName(d.alan)->Index();
    EXPECT_EQ(ds.DisplayTextAt(d.row, col), QString::fromUtf8(d.metin)) << d.alan << " " << d.row;
    ds.SetRecNo(d.row + 1);
    EXPECT_EQ(ds.FieldByName(d.alan)->DisplayText(), QString::fromUtf8(d.metin)) << d.alan;
  }
  ds.FieldByName("STOKNO")->SetDisplayFormat("#,##0");
  ds.FieldByName("TARIH")->SetDisplayFormat("dd.mm.yyyy hh:nn");
  EXPECT_EQ(ds.DisplayTextAt(0, 0), "10");
  EXPECT_EQ(ds.DisplayTextAt(0, 5), "15.03.2023 18:00");
  BicimAyarlariKur(TFormatSettings::Ingilizce());
  EXPECT_EQ(ds.DisplayTextAt(0, 2), "1,234,567.50");
}

TEST_F(VeriSetiTest, DegerlerVeDonusumler) {
  EXPECT_EQ(ds.ValueAt(0, 0), QVariant(10));
  EXPECT_EQ(ds.ValueAt(0, 1), QVariant(QString("Vida")));
  EXPECT_EQ(ds.ValueAt(0, 2), QVariant(1234567.5));
  EXPECT_EQ(ds.ValueAt(1, 4), QVariant(true));
  EXPECT_EQ(ds.ValueAt(0, 5), QVariant(OledenTarihSaat(45000.75)));
  EXPECT_EQ(ds.ValueAt(0, 6), QVariant(qlonglong(9000000000LL)));
  EXPECT_EQ(ds.ValueAt(0, 7), QVariant(QByteArray("\x00\x01\xff", 3)));
  EXPECT_EQ(ds.ValueAt(0, 8), QVariant(QDate(2023, 3, 15)));
  EXPECT_FALSE(ds.ValueAt(2, 1).isValid());
  EXPECT_EQ(ds.Utf8At(1, 1), "Şişe \"büyük\"");

  TField* fiyat = ds.FieldByName("FIYAT");
  EXPECT_EQ(fiyat->AsString(), "1234567,5");
  EXPECT_EQ(fiyat->AsInteger(), 1234568);
  EXPECT_EQ(ds.FieldByName("TARIH")->AsDateTime(), OledenTarihSaat(45000.75));
  EXPECT_EQ(ds.FieldByName("BUYUK")->AsLargeInt(), 9000000000LL);
  EXPECT_THROW(ds.FieldByName("BUYUK")->AsInteger(), EVeriSetiHatasi);
  EXPECT_EQ(ds.FieldByName("RESIM")->AsBytes(), QByteArray("\x00\x01\xff", 3));
  EXPECT_THROW(ds.FieldByName("ADI")->AsFloat(), EVeriSetiHatasi);  // "Vida" is no number

  TClientDataSet m;
  m.AddField("M", TFieldType::ftString);
  m.AppendRow();
  m.Open();
  m.SetTextAt(0, 0, u"12,5");
  EXPECT_EQ(m.FieldByName("M")->AsFloat(), 12.5);
  EXPECT_THROW(m.FieldByName("M")->AsBoolean(), EVeriSetiHatasi);
  EXPECT_THROW(m.SetIntAt(0, 5, 1), EVeriSetiHatasi);
}

TEST(VeriSeti, UzunMetinlerinUzerineYazmak) {
  // Overwriting big texts many times keeps every cell right when the buffer is compacted.
  TClientDataSet ds;
  ds.AddField("M", TFieldType::ftString);
  ds.AppendRows(4);
  ds.Open();
  for (int tur = 0; tur < 40; ++tur)
    for (int r = 0; r < 3; ++r) ds.SetTextAt(r, 0, QString(100000, QChar(u'a' + (tur + r) % 26)));
  ds.SetTextAt(3, 0, u"son");
  for (int r = 0; r < 3; ++r) EXPECT_EQ(ds.TextAt(r, 0), QString(100000, QChar(u'a' + (39 + r) % 26))) << r;
  EXPECT_EQ(ds.TextAt(3, 0), "son");
  EXPECT_LT(ds.BellekKullanimi(), 4u * 1000000u);
  // a cell copied from another cell of the same column, while the buffer grows
  for (int tur = 0; tur < 20; ++tur) {
    std::string_view kaynak = ds.Utf8At(1, 0);
    ds.SetUtf8At(2, 0, kaynak.data(), kaynak.size());
  }
  EXPECT_EQ(ds.TextAt(2, 0), ds.TextAt(1, 0));
  ds.SetNullAt(0, 0);
  EXPECT_TRUE(ds.IsNullAt(0, 0));
  EXPECT_EQ(ds.TextAt(0, 0), "");
}

TEST(VeriSeti, IsciDoldururAnaIplikGosterir) {
  // The hand-off the windows use: controls off on the main thread, a worker fills the set,
  // the main thread switches controls on again and the views hear of it once.
  TClientDataSet ds;
  int veri = 0;
  QObject::connect(&ds, &TClientDataSet::DataChanged, [&] { ++veri; });
  ds.DisableControls();
  std::thread isci([&ds] {
    ds.ClearFields();
    ds.AddField("NO", TFieldType::ftInteger);
    ds.AppendRows(1000);
    for (int r = 0; r < 1000; ++r) ds.SetIntAt(r, 0, r);
    ds.Open();
  });
  isci.join();
  EXPECT_EQ(veri, 0);
  ds.EnableControls();
  EXPECT_EQ(veri, 1);
  ds.Last();
  EXPECT_EQ(ds.FieldByName("NO")->AsInteger(), 999);
}

}  // namespace
