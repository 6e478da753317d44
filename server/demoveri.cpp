#include "demoveri.h"

#include "katlama.h"
#include "ticaret_ortak.h"

#include <QDate>
#include <QStringList>
#include <sqlite3.h>

#include <array>
#include <cmath>

std::uint64_t DemoRastgele::Sonraki() {
  std::uint64_t z = (durum_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

int DemoRastgele::Aralik(int alt, int ust) {
  const std::uint64_t genislik = static_cast<std::uint64_t>(ust - alt) + 1;
  return alt + static_cast<int>(Sonraki() % genislik);
}

double DemoRastgele::Ondalik(double alt, double ust) {
  const double u = static_cast<double>(Sonraki() >> 11) / 9007199254740992.0;  // 2^53
  return alt + (ust - alt) * u;
}

bool DemoRastgele::Olasilik(int yuzde) { return Aralik(0, 99) < yuzde; }

namespace {

struct Parca {
  const char* adi;
  const char* digerAdi;
  const char* anaGrup;
  const char* birim;
  double fiyat;  // typical list price in TL
};

const Parca kParcalar[] = {
    {"FREN BALATASI ÖN", "BRAKE PAD FRONT", "FREN", "TAKIM", 1450},
    {"FREN BALATASI ARKA", "BRAKE PAD REAR", "FREN", "TAKIM", 1180},
    {"FREN DİSKİ ÖN", "BRAKE DISC", "FREN", "ADET", 1890},
    {"FREN KALİPERİ SOL", "BRAKE CALIPER", "FREN", "ADET", 3650},
    {"FREN HORTUMU", "BRAKE HOSE", "FREN", "ADET", 390},
    {"EL FRENİ TELİ", "PARKING BRAKE CABLE", "FREN", "ADET", 560},
    {"ABS SENSÖRÜ ÖN SAĞ", "ABS SENSOR", "ELEKTRİK", "ADET", 980},
    {"DEBRİYAJ SETİ", "CLUTCH KIT", "ŞANZIMAN", "TAKIM", 6900},
    {"DEBRİYAJ RULMANI", "CLUTCH RELEASE BEARING", "ŞANZIMAN", "ADET", 1250},
    {"ŞANZIMAN YAĞ KEÇESİ", "GEARBOX OIL SEAL", "ŞANZIMAN", "ADET", 240},
    {"ŞANZIMAN TAKOZU", "GEARBOX MOUNT", "ŞANZIMAN", "ADET", 870},
    {"VİTES HALATI", "GEAR CABLE", "ŞANZIMAN", "ADET", 1340},
    {"GERİ VİTES MÜŞÜRÜ", "REVERSE LIGHT SWITCH", "ŞANZIMAN", "ADET", 310},
    {"AMORTİSÖR ÖN SAĞ", "SHOCK ABSORBER FRONT", "SÜSPANSİYON", "ADET", 2450},
    {"AMORTİSÖR ARKA", "SHOCK ABSORBER REAR", "SÜSPANSİYON", "ADET", 1990},
    {"AMORTİSÖR TAKOZU", "STRUT MOUNT", "SÜSPANSİYON", "ADET", 640},
    {"ROTİL", "BALL JOINT", "SÜSPANSİYON", "ADET", 520},
    {"ROT BAŞI", "TIE ROD END", "DİREKSİYON", "ADET", 470},
    {"ROT MİLİ", "AXIAL ROD", "DİREKSİYON", "ADET", 690},
    {"SALINCAK ÖN SOL", "CONTROL ARM", "SÜSPANSİYON", "ADET", 1750},
    {"Z ROT", "STABILISER LINK", "SÜSPANSİYON", "ADET", 430},
    {"HELEZON YAY", "COIL SPRING", "SÜSPANSİYON", "ADET", 1120},
    {"DİREKSİYON KUTUSU", "STEERING RACK", "DİREKSİYON", "ADET", 9800},
    {"HİDROLİK DİREKSİYON POMPASI", "POWER STEERING PUMP", "DİREKSİYON", "ADET", 5400},
    {"YAĞ FİLTRESİ", "OIL FILTER", "FİLTRE", "ADET", 180},
    {"HAVA FİLTRESİ", "AIR FILTER", "FİLTRE", "ADET", 260},
    {"POLEN FİLTRESİ", "CABIN FILTER", "FİLTRE", "ADET", 210},
    {"YAKIT FİLTRESİ", "FUEL FILTER", "FİLTRE", "ADET", 340},
    {"TRİGER SETİ", "TIMING BELT KIT", "MOTOR", "TAKIM", 3200},
    {"TRİGER KAYIŞI", "TIMING BELT", "MOTOR", "ADET", 950},
    {"V KAYIŞI", "V-RIBBED BELT", "MOTOR", "ADET", 420},
    {"GERGİ RULMANI", "TENSIONER PULLEY", "MOTOR", "ADET", 780},
    {"SU POMPASI", "WATER PUMP", "SOĞUTMA", "ADET", 1650},
    {"TERMOSTAT", "THERMOSTAT", "SOĞUTMA", "ADET", 560},
    {"RADYATÖR", "RADIATOR", "SOĞUTMA", "ADET", 3900},
    {"FAN MOTORU", "RADIATOR FAN", "SOĞUTMA", "ADET", 2750},
    {"KALORİFER RADYATÖRÜ", "HEATER CORE", "SOĞUTMA", "ADET", 1480},
    {"SU HORTUMU ÜST", "COOLANT HOSE", "SOĞUTMA", "ADET", 330},
    {"ISI SENSÖRÜ", "TEMPERATURE SENSOR", "ELEKTRİK", "ADET", 290},
    {"OKSİJEN SENSÖRÜ", "LAMBDA SENSOR", "ELEKTRİK", "ADET", 2100},
    {"BUJİ", "SPARK PLUG", "ELEKTRİK", "ADET", 160},
    {"ATEŞLEME BOBİNİ", "IGNITION COIL", "ELEKTRİK", "ADET", 1380},
    {"MARŞ MOTORU", "STARTER MOTOR", "ELEKTRİK", "ADET", 5600},
    {"ŞARJ DİNAMOSU", "ALTERNATOR", "ELEKTRİK", "ADET", 6800},
    {"KIZDIRMA BUJİSİ", "GLOW PLUG", "ELEKTRİK", "ADET", 390},
    {"CAM KRİKOSU SAĞ", "WINDOW REGULATOR", "KAPORTA", "ADET", 1290},
    {"KAPI KOLU DIŞ", "DOOR HANDLE", "KAPORTA", "ADET", 360},
    {"ÖN TAMPON", "FRONT BUMPER", "KAPORTA", "ADET", 2900},
    {"YAN AYNA SOL", "WING MIRROR", "KAPORTA", "ADET", 1850},
    {"AYNA CAMI SAĞ", "MIRROR GLASS", "KAPORTA", "ADET", 280},
    {"SİLECEK SÜPÜRGESİ", "WIPER BLADE", "KAPORTA", "TAKIM", 340},
    {"SİLECEK MOTORU", "WIPER MOTOR", "ELEKTRİK", "ADET", 1760},
    {"FAR SOL", "HEADLAMP LEFT", "AYDINLATMA", "ADET", 4200},
    {"FAR SAĞ", "HEADLAMP RIGHT", "AYDINLATMA", "ADET", 4200},
    {"STOP LAMBASI SAĞ", "TAIL LAMP", "AYDINLATMA", "ADET", 1650},
    {"SİS FARI", "FOG LAMP", "AYDINLATMA", "ADET", 890},
    {"SİNYAL LAMBASI", "INDICATOR LAMP", "AYDINLATMA", "ADET", 240},
    {"FAR IŞIK AYAR MOTORU", "HEADLAMP LEVELLING MOTOR", "AYDINLATMA", "ADET", 720},
    {"PLAKA LAMBASI", "LICENCE PLATE LIGHT", "AYDINLATMA", "ADET", 150},
    {"EGZOZ SUSTURUCU ARKA", "REAR SILENCER", "EGZOZ", "ADET", 1450},
    {"KATALİTİK KONVERTÖR", "CATALYTIC CONVERTER", "EGZOZ", "ADET", 8900},
    {"EGZOZ MANİFOLD CONTASI", "EXHAUST MANIFOLD GASKET", "EGZOZ", "ADET", 190},
    {"SİLİNDİR KAPAK CONTASI", "CYLINDER HEAD GASKET", "MOTOR", "ADET", 1150},
    {"KRANK KEÇESİ ÖN", "CRANKSHAFT SEAL", "MOTOR", "ADET", 260},
    {"PİSTON SEGMAN TAKIMI", "PISTON RING SET", "MOTOR", "TAKIM", 2300},
    {"MOTOR KULAĞI", "ENGINE MOUNT", "MOTOR", "ADET", 1320},
    {"ENJEKTÖR", "INJECTOR", "MOTOR", "ADET", 4600},
    {"TURBO ŞARJ", "TURBOCHARGER", "MOTOR", "ADET", 18500},
    {"KLİMA KOMPRESÖRÜ", "AC COMPRESSOR", "SOĞUTMA", "ADET", 11200},
    {"AKS KÖRÜĞÜ", "CV BOOT", "ŞANZIMAN", "TAKIM", 310},
    {"AKS MİLİ SAĞ", "DRIVE SHAFT", "ŞANZIMAN", "ADET", 4800},
    {"TEKER RULMANI ÖN", "WHEEL BEARING KIT", "SÜSPANSİYON", "TAKIM", 1180},
    {"MOTOR YAĞI 5W30 4 LT", "ENGINE OIL 5W-30", "MADENİ YAĞ", "ADET", 1350},
    {"ANTİFRİZ 3 LT", "COOLANT", "MADENİ YAĞ", "ADET", 420},
};

const char* const kMarkalar[] = {"BOSCH", "VALEO", "SACHS", "MANN", "MAHLE", "FEBI",
                                  "LEMFÖRDER", "TRW", "NGK", "GATES", "DAYCO", "SKF",
                                  "MONROE", "HELLA", "DENSO", "CONTITECH", "ÇELİKLER", "OTOKAR YEDEK",
                                  "MEYLE", "ELRING"};

// Vehicle models with the maker's OEM code style: 0 Toyota-like "04465-0D150",
// 1 VW-like "1K0 615 301 AA", 2 Renault-like "7701208174", 3 Fiat-like "46420891",
// 4 Ford-like "1 742 413", 5 Hyundai-like "58101-1JA00".
struct Arac {
  const char* model;
  int oemBicim;
};
const Arac kAraclar[] = {
    {"FIAT DOBLO 1.3 MJT", 3},    {"FIAT EGEA 1.4", 3},        {"TOFAŞ ŞAHİN 1.6", 3},
    {"RENAULT CLIO IV 1.5 DCI", 2}, {"RENAULT MEGANE III", 2},  {"DACIA DUSTER 1.5 DCI", 2},
    {"FORD TRANSIT 2.2 TDCI", 4}, {"FORD FOCUS III 1.6", 4},    {"FORD COURIER 1.5", 4},
    {"VW PASSAT B6 2.0 TDI", 1},  {"VW GOLF VII 1.6 TDI", 1},   {"SKODA OCTAVIA III", 1},
    {"TOYOTA COROLLA 1.6", 0},    {"TOYOTA HILUX 2.5 D4D", 0},  {"HONDA CIVIC 1.6", 0},
    {"HYUNDAI ACCENT ERA", 5},    {"HYUNDAI I20 1.4", 5},       {"KIA SPORTAGE 1.7 CRDI", 5},
    {"OPEL ASTRA H 1.3 CDTI", 3}, {"PEUGEOT 301 1.6 HDI", 2},   {"CITROEN BERLINGO 1.6", 2},
    {"MERCEDES SPRINTER 313", 1}, {"BMW 3 E90 320D", 1},        {"ISUZU NPR 4.3", 0},
};

const char* const kOzelKodlar[] = {"YERLİ", "İTHAL", "OEM", "MUADİL"};

QString Rakamlar(DemoRastgele& r, int n) {
  QString s;
  for (int i = 0; i < n; ++i) s += QChar(u'0' + r.Aralik(0, 9));
  return s;
}

QString Harfler(DemoRastgele& r, int n) {
  QString s;
  for (int i = 0; i < n; ++i) s += QChar(u'A' + r.Aralik(0, 25));
  return s;
}

QString OemKodu(DemoRastgele& r, int bicim) {
  switch (bicim) {
    case 0: return Rakamlar(r, 5) + u'-' + Rakamlar(r, 1) + Harfler(r, 1) + Rakamlar(r, 3);
    case 1: return Rakamlar(r, 1) + Harfler(r, 1) + Rakamlar(r, 1) + u' ' + Rakamlar(r, 3) + u' ' +
                   Rakamlar(r, 3) + u' ' + Harfler(r, 2);
    case 2: return QStringLiteral("77") + Rakamlar(r, 8);
    case 3: return QStringLiteral("4") + Rakamlar(r, 7);
    case 4: return Rakamlar(r, 1) + u' ' + Rakamlar(r, 3) + u' ' + Rakamlar(r, 3);
    default: return Rakamlar(r, 5) + u'-' + Rakamlar(r, 1) + Harfler(r, 2) + Rakamlar(r, 2);
  }
}

// EAN-13 with its check digit.
QString Ean13(const QString& on2) {
  int toplam = 0;
  for (int i = 0; i < 12; ++i) toplam += (on2[i].unicode() - u'0') * (i % 2 ? 3 : 1);
  return on2 + QChar(u'0' + (10 - toplam % 10) % 10);
}

double OleTarih(const QDate& d) { return static_cast<double>(QDate(1899, 12, 30).daysTo(d)); }

// The demo data's "today": fixed, so the same seed always gives the same dates.
const QDate kBugun(2026, 11, 30);

void SaticilarVeKullanicilar(sqlite3* db) {
  SqlCalistir(db, R"SQL(
INSERT INTO saticilar(SATICINO, ADI, TELEFON, MAIL) VALUES
  (1, 'AHMET YILMAZ', '0212 555 10 01', 'ahmet.yilmaz@dravik.com.tr'),
  (2, 'MEHMET KAYA', '0212 555 10 02', 'mehmet.kaya@dravik.com.tr'),
  (3, 'AYŞE DEMİR', '0212 555 10 03', 'ayse.demir@dravik.com.tr');
INSERT INTO kullanicilar(SIRANO, ADI, SIFRE, AKTIF, MUSTERITIPI, CARINO, SATICINO, MAIL, ADSOYAD) VALUES
  (1, 'MUSTERI', '1234', 1, 0, 1, 0, 'siparis@ozkardesler.com.tr', 'KEMAL ÖZ'),
  (2, 'SATICI', '1234', 1, 1, 0, 1, 'ahmet.yilmaz@dravik.com.tr', 'AHMET YILMAZ'),
  (3, 'FIYATYETKILI', '1234', 1, 2, 0, 2, 'mehmet.kaya@dravik.com.tr', 'MEHMET KAYA'),
  (4, 'KISITLI', '1234', 1, 3, 2, 0, 'satinalma@gunesoto.com.tr', 'SELİM GÜNEŞ'),
  (5, 'KAMPANYASIZ', '1234', 1, 4, 3, 0, 'info@caglaryedek.com.tr', 'ÇAĞLAR ŞEN'),
  (6, 'PASIF', '1234', 0, 0, 4, 0, 'muhasebe@irmakotomotiv.com.tr', 'İLKER IRMAK'),
  (7, 'SATICI3', '1234', 1, 1, 0, 3, 'ayse.demir@dravik.com.tr', 'AYŞE DEMİR');
INSERT INTO bilgisayarlar(KIMLIK, KULLANICINO, SURUM) VALUES
  ('DEMO-MUSTERI', 1, NULL),
  ('DEMO-SATICI', 2, NULL),
  ('DEMO-FIYATYETKILI', 3, NULL),
  ('DEMO-KISITLI', 4, NULL),
  ('DEMO-KAMPANYASIZ', 5, NULL),
  ('DEMO-PASIF', 6, NULL),
  ('DEMO-SURUM7', 1, 7),
  ('DEMO-SURUM5', 1, 5);
INSERT INTO ayarlar(AD, DEGER) VALUES ('SURUM', '6'), ('NAKITISKONTO', '3'), ('TEKCEKIMISKONTO', '1,5');
INSERT INTO teslimler(SIRANO, ADI) VALUES
  (1, 'Gel Al'), (2, 'Kargo ile Gönderilsin'), (3, 'Servis ile Teslim');
INSERT INTO kargoturleri(SIRANO, ADI) VALUES
  (1, 'Alıcı Ödemeli'), (2, 'Gönderici Ödemeli'), (3, 'Ambar Teslim');
INSERT INTO kargolar(SIRANO, TURNO, ADI, UYARI) VALUES
  (1, 1, 'YURTİÇİ KARGO', 'Alıcı ödemeli gönderiler 1 iş günü içinde teslim edilir.'),
  (2, 1, 'ARAS KARGO', 'Saat 16:00''dan sonra verilen siparişler ertesi gün kargoya verilir.'),
  (3, 1, 'MNG KARGO', ''),
  (4, 2, 'YURTİÇİ KARGO', 'Gönderici ödemeli kargo ücreti faturanıza eklenir.'),
  (5, 2, 'SÜRAT KARGO', 'Gönderici ödemeli kargo ücreti faturanıza eklenir.'),
  (6, 3, 'DRAVİK AMBAR SEVKİYAT', 'Ambar teslimleri Salı ve Cuma günleri yapılır.');
)SQL");
}

const char* const kFirmaAdlari[] = {"ÖZ KARDEŞLER", "GÜNEŞ OTO", "ÇAĞLAR YEDEK PARÇA", "IRMAK OTOMOTİV",
                                    "YILDIZ OTO", "ŞAHİN MOTOR", "DOĞAN OTO", "KARTAL YEDEK PARÇA",
                                    "EGE OTOMOTİV", "TOROS OTO", "BOĞAZİÇİ OTO", "ANADOLU YEDEK PARÇA",
                                    "ERCİYES OTO", "UĞUR OTOMOTİV", "İLKAY OTO", "AKSU YEDEK PARÇA"};
const char* const kFirmaEkleri[] = {"LTD. ŞTİ.", "A.Ş.", "TİC. LTD. ŞTİ.", "SAN. VE TİC. A.Ş."};
struct Sehir {
  const char* sehir;
  const char* ilce;
  const char* vd;
};
const Sehir kSehirler[] = {{"İSTANBUL", "BAYRAMPAŞA", "BAYRAMPAŞA"}, {"ANKARA", "YENİMAHALLE", "OSTİM"},
                           {"İZMİR", "BORNOVA", "BORNOVA"},         {"BURSA", "OSMANGAZİ", "OSMANGAZİ"},
                           {"KONYA", "KARATAY", "MEVLANA"},         {"ADANA", "SEYHAN", "5 OCAK"},
                           {"KAYSERİ", "MELİKGAZİ", "ERCİYES"},     {"TRABZON", "ORTAHİSAR", "KARADENİZ"}};

void Cariler(sqlite3* db, DemoRastgele& r) {
  Sorgu s(db,
          "INSERT INTO cariler(CARINO, CARIKOD, CARIADI, SATICINO, ADRES1, ADRES2, ILCE, SEHIR, TELEFON, "
          "FAX, VERGIDAIRESI, VERGINO, YETKILI, MAIL, KARGOAMBAR, BAKIYE, VADEGECIKME, INDIRIMGRUBU, AKTIF) "
          "VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
  const char* const yetkililer[] = {"KEMAL ÖZ", "SELİM GÜNEŞ", "ÇAĞLAR ŞEN", "İLKER IRMAK", "ZEYNEP YILDIZ",
                                    "HASAN ŞAHİN", "MURAT DOĞAN", "EMRE KARTAL"};
  const int adet = 40;
  for (int no = 1; no <= adet; ++no) {
    const int ad = (no - 1) % 16;
    const QString adi = QString::fromUtf8(kFirmaAdlari[ad]) +
                        (no > 16 ? QStringLiteral(" %1").arg((no - 1) / 16 + 1) : QString()) + u' ' +
                        QString::fromUtf8(kFirmaEkleri[r.Aralik(0, 3)]);
    const Sehir& sh = kSehirler[r.Aralik(0, 7)];
    // Customers 1..4 (the demo accounts) and every fourth one belong to seller 1.
    const int satici = (no <= 4 || no % 4 == 0) ? 1 : (no % 2 ? 2 : 3);
    double bakiye = Yuvarla2(r.Ondalik(0, 85000));
    int gecikme = r.Olasilik(30) ? r.Aralik(5, 90) : 0;
    if (no == 1) { bakiye = 48250.75; gecikme = 45; }  // the demo customer sees the overdue warning
    if (no == 2 || no == 3) gecikme = 0;
    const int grup = no == 1 ? 2 : r.Aralik(1, 4);
    s.Bagla(1, no)
        .Bagla(2, QStringLiteral("120.%1").arg(no, 4, 10, QChar(u'0')))
        .Bagla(3, adi)
        .Bagla(4, satici)
        .Bagla(5, QStringLiteral("%1 SANAYİ SİTESİ %2. BLOK NO:%3")
                      .arg(QString::fromUtf8(sh.ilce))
                      .arg(r.Aralik(1, 12))
                      .arg(r.Aralik(1, 80)))
        .Bagla(6, QString())
        .Bagla(7, QString::fromUtf8(sh.ilce))
        .Bagla(8, QString::fromUtf8(sh.sehir))
        .Bagla(9, QStringLiteral("0%1 %2 %3 %4").arg(r.Aralik(212, 488)).arg(Rakamlar(r, 3), Rakamlar(r, 2), Rakamlar(r, 2)))
        .Bagla(10, QStringLiteral("0%1 %2 %3 %4").arg(r.Aralik(212, 488)).arg(Rakamlar(r, 3), Rakamlar(r, 2), Rakamlar(r, 2)))
        .Bagla(11, QString::fromUtf8(sh.vd))
        .Bagla(12, Rakamlar(r, 10))
        .Bagla(13, QString::fromUtf8(yetkililer[(no - 1) % 8]))
        .Bagla(14, QStringLiteral("cari%1@ornek.com.tr").arg(no))
        .Bagla(15, no % 3 ? QStringLiteral("YURTİÇİ KARGO") : QStringLiteral("DRAVİK AMBAR SEVKİYAT"))
        .Bagla(16, bakiye)
        .Bagla(17, gecikme)
        .Bagla(18, grup)
        .Bagla(19, 1);
    s.Calistir();
    s.Sifirla();
  }
}

void Indirimler(sqlite3* db, DemoRastgele& r) {
  QStringList gruplar;
  for (const Parca& p : kParcalar) {
    const QString g = QString::fromUtf8(p.anaGrup);
    if (!gruplar.contains(g)) gruplar << g;
  }
  // Group 1 and 2 chain two or three rates, group 3 one rate, group 4 none.
  const double temel[4][4] = {{10, 5, 0, 0}, {15, 5, 2, 0}, {20, 0, 0, 0}, {0, 0, 0, 0}};
  Sorgu s(db, "INSERT INTO indirimler(GRUPNO, ANAGRUP, IND1, IND2, IND3, IND4) VALUES(?,?,?,?,?,?)");
  for (int g = 1; g <= 4; ++g) {
    for (const QString& ag : gruplar) {
      const double ek = g == 4 ? 0.0 : r.Aralik(0, 2) * 2.5;
      s.Bagla(1, g).Bagla(2, ag).Bagla(3, temel[g - 1][0] + ek).Bagla(4, temel[g - 1][1])
          .Bagla(5, temel[g - 1][2]).Bagla(6, temel[g - 1][3]);
      s.Calistir();
      s.Sifirla();
    }
  }
}

void Stoklar(sqlite3* db, DemoRastgele& r, int adet) {
  Sorgu s(db,
          "INSERT INTO stoklar(STOK_STOKNO, BARKOD, BARKOD_BARKODNO, ADI, MARKA, MODEL, FINISHKOD, OEM1, OEM2, "
          "OEM3, OEM4, OEMNO, URETICIKODU, DIGERADI, DPKOD, PKOD, BIRIM, ANAGRUP, OZELKOD, KDV, FIYAT, "
          "ESKIFIYAT, KAMPFIYAT, K, Y, DURUM, RESIM, KALAN, ALINANSIPARIS, VERILENSIPARIS, ARAMA, SIRA) "
          "VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
  constexpr int kParcaAdedi = static_cast<int>(std::size(kParcalar));
  constexpr int kMarkaAdedi = static_cast<int>(std::size(kMarkalar));
  constexpr int kAracAdedi = static_cast<int>(std::size(kAraclar));
  for (int no = 1; no <= adet; ++no) {
    const Parca& p = kParcalar[r.Aralik(0, kParcaAdedi - 1)];
    const int markaNo = r.Aralik(0, kMarkaAdedi - 1);
    const QString marka = QString::fromUtf8(kMarkalar[markaNo]);
    const Arac& a = kAraclar[r.Aralik(0, kAracAdedi - 1)];
    const QString model = QString::fromUtf8(a.model);
    const QString adi = QString::fromUtf8(p.adi) + u' ' + model;
    const QString barkod =
        Ean13(QStringLiteral("869%1%2").arg(markaNo, 3, 10, QChar(u'0')).arg(no, 6, 10, QChar(u'0')));
    const QString finish = marka.left(2).toUpper() + u'-' + Rakamlar(r, 5);
    const QString oem1 = OemKodu(r, a.oemBicim);
    const QString oem2 = r.Olasilik(60) ? OemKodu(r, a.oemBicim) : QString();
    const QString oem3 = r.Olasilik(30) ? OemKodu(r, r.Aralik(0, 5)) : QString();
    const QString oem4 = r.Olasilik(15) ? OemKodu(r, r.Aralik(0, 5)) : QString();
    const QString uretici = QStringLiteral("%1 %2 %3").arg(Rakamlar(r, 1), Rakamlar(r, 3), Rakamlar(r, 3));
    const QString diger = QString::fromUtf8(p.digerAdi);
    const QString dpkod = QStringLiteral("DP") + Rakamlar(r, 5);
    const QString pkod = QStringLiteral("P") + Rakamlar(r, 4);
    const QString ozel = QString::fromUtf8(kOzelKodlar[r.Aralik(0, 3)]);
    const double fiyat = Yuvarla2(p.fiyat * r.Ondalik(0.7, 1.6));
    const double eski = Yuvarla2(fiyat * r.Ondalik(0.8, 0.97));
    const bool kampanya = r.Olasilik(8);
    const double kampFiyat = kampanya ? Yuvarla2(fiyat * (1.0 - r.Aralik(2, 5) * 5 / 100.0)) : 0.0;
    const int yeni = r.Olasilik(6) ? 1 : 0;
    const int z = r.Aralik(0, 99);
    const int durum = z < 60 ? 1 : z < 75 ? 0 : z < 80 ? 2 : z < 88 ? 3 : z < 93 ? 4 : 5;
    const int resim = r.Olasilik(70) ? 1 : 0;
    const double kalan = durum == 1 ? r.Aralik(1, 250) : 0;
    const double alinan = r.Olasilik(40) ? r.Aralik(1, 40) : 0;
    const double verilen = r.Olasilik(25) ? r.Aralik(1, 60) : 0;

    QString arama = TurkceKatla(adi + u' ' + marka + u' ' + diger + u' ' + barkod + u' ' + finish + u' ' +
                                oem1 + u' ' + oem2 + u' ' + oem3 + u' ' + oem4 + u' ' + uretici + u' ' +
                                dpkod + u' ' + pkod);
    for (const QString* kod : {&finish, &oem1, &oem2, &oem3, &oem4, &uretici})
      if (!kod->isEmpty()) arama += u' ' + KodKatla(*kod);

    s.Bagla(1, no).Bagla(2, barkod).Bagla(3, 100000 + no).Bagla(4, adi).Bagla(5, marka).Bagla(6, model)
        .Bagla(7, finish).Bagla(8, oem1).Bagla(9, oem2).Bagla(10, oem3).Bagla(11, oem4).Bagla(12, oem1)
        .Bagla(13, uretici).Bagla(14, diger).Bagla(15, dpkod).Bagla(16, pkod)
        .Bagla(17, QString::fromUtf8(p.birim)).Bagla(18, QString::fromUtf8(p.anaGrup)).Bagla(19, ozel)
        .Bagla(20, 20.0).Bagla(21, fiyat).Bagla(22, eski).Bagla(23, kampFiyat).Bagla(24, kampanya ? 1 : 0)
        .Bagla(25, yeni).Bagla(26, durum).Bagla(27, resim).Bagla(28, kalan).Bagla(29, alinan)
        .Bagla(30, verilen).Bagla(31, arama).Bagla(32, TurkceSiraAnahtari(adi));
    s.Calistir();
    s.Sifirla();
  }
}

// Earlier orders with their lines: the demo customers 1..5 get several, the others a few.
void Siparisler(sqlite3* db, DemoRastgele& r, int stokAdedi) {
  Sorgu sip(db,
            "INSERT INTO siparisler(IDNO, CARINO, TARIH, SAAT, VERENID, VEREN, TESLIMID, KARGOID, KARGOFIRMAID, "
            "ACIKLAMA, EKINDIRIM, ODEMEBILGI, DURUMNO, DURUM, BIZIMMESAJ, SATICINOTU) "
            "VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
  Sorgu satir(db,
              "INSERT INTO siparissatirlari(IDNO, SEPETSIRANO, CARINO, STOKNO, BARKOD, STOKADI, MIKTAR, KDV, "
              "BIRIMFIYAT, ILKFIYAT, IND1, IND2, IND3, IND4, TESLIMEDILEN, KALAN, VERENID, VERILISTARIHI, SAAT) "
              "SELECT ?, ?, ?, s.STOK_STOKNO, s.BARKOD, s.ADI, ?, s.KDV, "
              "CASE WHEN s.K > 0 THEN s.KAMPFIYAT ELSE s.FIYAT END, "
              "CASE WHEN s.K > 0 THEN s.KAMPFIYAT ELSE s.FIYAT END, "
              "CASE WHEN s.K > 0 THEN 0 ELSE i.IND1 END, CASE WHEN s.K > 0 THEN 0 ELSE i.IND2 END, "
              "CASE WHEN s.K > 0 THEN 0 ELSE i.IND3 END, CASE WHEN s.K > 0 THEN 0 ELSE i.IND4 END, "
              "?, ?, ?, ?, ? "
              "FROM stoklar s JOIN cariler c ON c.CARINO = ? "
              "LEFT JOIN indirimler i ON i.GRUPNO = c.INDIRIMGRUBU AND i.ANAGRUP = s.ANAGRUP "
              "WHERE s.STOK_STOKNO = ?");
  const char* const notlar[] = {"", "Acil gönderilmesini rica ederiz.", "Faturayı e-posta ile iletiniz.",
                                "Eksik parçaları bir sonraki sevkiyata ekleyiniz.", ""};
  const char* const bizim[] = {"", "Siparişiniz hazırlanıyor.", "Eksik kalemler tedarik edilince gönderilecektir.",
                               "Kargoya teslim edildi.", ""};
  const char* const odemeler[] = {"Taksitli Çekim", "Tek Çekim (%1,5)", "Nakit Ödeme (%3)"};
  const double ekler[] = {0, 1.5, 3};
  int idno = 0;
  for (int cari = 1; cari <= 40; ++cari) {
    const int siparisAdedi = cari <= 5 ? 8 : r.Aralik(0, 3);
    // The ordering user: the customer's own user where it has one, else its seller's.
    const int verenId = cari == 1 ? 1 : cari == 2 ? 4 : cari == 3 ? 5 : cari == 4 ? 6 : 2;
    QString veren;
    {
      Sorgu k(db, "SELECT ADSOYAD FROM kullanicilar WHERE SIRANO = ?");
      k.Bagla(1, verenId);
      if (k.Adim()) veren = k.Text(0);
    }
    for (int n = 0; n < siparisAdedi; ++n) {
      ++idno;
      const QDate gun = kBugun.addDays(-(siparisAdedi - n) * 11 - r.Aralik(0, 6));
      const QString saat = QStringLiteral("%1:%2:%3")
                               .arg(r.Aralik(8, 18), 2, 10, QChar(u'0'))
                               .arg(r.Aralik(0, 59), 2, 10, QChar(u'0'))
                               .arg(r.Aralik(0, 59), 2, 10, QChar(u'0'));
      // Older orders are further along; the last two are still open.
      const int durumNo = n >= siparisAdedi - 2 ? r.Aralik(0, 2) : r.Aralik(3, 5);
      const int teslim = r.Aralik(1, 3);
      const int kargoTur = r.Aralik(1, 3);
      const int firma = kargoTur == 1 ? r.Aralik(1, 3) : kargoTur == 2 ? r.Aralik(4, 5) : 6;
      const int odeme = r.Aralik(0, 2);
      const QString not1 = QString::fromUtf8(notlar[r.Aralik(0, 4)]);
      sip.Bagla(1, idno).Bagla(2, cari).Bagla(3, OleTarih(gun)).Bagla(4, saat).Bagla(5, verenId).Bagla(6, veren)
          .Bagla(7, teslim).Bagla(8, kargoTur).Bagla(9, firma)
          .Bagla(10, QString::fromUtf8(odemeler[odeme]) + QStringLiteral("\r\n") + not1)
          .Bagla(11, ekler[odeme]).Bagla(12, QString::fromUtf8(odemeler[odeme])).Bagla(13, durumNo)
          .Bagla(14, SiparisDurumAdi(durumNo)).Bagla(15, QString::fromUtf8(bizim[r.Aralik(0, 4)]))
          .Bagla(16, r.Olasilik(25) ? QStringLiteral("Müşteri ile telefonda görüşüldü.") : QString());
      sip.Calistir();
      sip.Sifirla();
      const int satirAdedi = r.Aralik(2, 6);
      for (int k = 0; k < satirAdedi; ++k) {
        const int stok = r.Aralik(1, stokAdedi);
        const double miktar = r.Aralik(1, 12);
        double teslimEdilen = 0;
        if (durumNo == 5) teslimEdilen = miktar;
        else if (durumNo == 3) teslimEdilen = r.Aralik(0, static_cast<int>(miktar) - 1);
        else if (durumNo == 4) teslimEdilen = r.Olasilik(50) ? miktar : 0;
        satir.Bagla(1, idno).Bagla(2, 0).Bagla(3, cari).Bagla(4, miktar).Bagla(5, teslimEdilen)
            .Bagla(6, miktar - teslimEdilen).Bagla(7, verenId).Bagla(8, OleTarih(gun)).Bagla(9, saat)
            .Bagla(10, cari).Bagla(11, stok);
        satir.Calistir();
        satir.Sifirla();
      }
    }
  }
}

}  // namespace

void DemoVeriDoldur(sqlite3* db, const VeriAyarlari& ayar) {
  DemoRastgele r(ayar.tohum);
  SaticilarVeKullanicilar(db);
  if (!ayar.demoKimlik.isEmpty()) BilgisayarKaydet(db, ayar.demoKimlik, 1);
  Cariler(db, r);
  Indirimler(db, r);
  const int stokAdedi = std::max(1, ayar.stokAdedi);
  Stoklar(db, r, stokAdedi);
  Siparisler(db, r, stokAdedi);
}
