#pragma once
// Deterministic demo data: everything follows from VeriAyarlari.tohum through DemoRastgele, so
// the same seed gives the same rows on every machine and library.

#include "veritabani.h"

#include <cstdint>

struct sqlite3;

// A small splitmix64 generator; its output depends on nothing but the seed.
class DemoRastgele {
 public:
  explicit DemoRastgele(std::uint64_t tohum) : durum_(tohum) {}
  std::uint64_t Sonraki();
  int Aralik(int alt, int ust);          // alt..ust inclusive
  double Ondalik(double alt, double ust);  // [alt, ust)
  bool Olasilik(int yuzde);              // true in yuzde of 100 cases

 private:
  std::uint64_t durum_;
};

// Fills an empty database (schema already created) inside the caller's transaction.
void DemoVeriDoldur(sqlite3* db, const VeriAyarlari& ayar);

// The demo user names (ADI); every demo password is "1234".
namespace demo {
inline constexpr const char* kMusteri = "MUSTERI";            // type 0, customer 1
inline constexpr const char* kSatici = "SATICI";              // type 1, seller 1
inline constexpr const char* kFiyatYetkili = "FIYATYETKILI";  // type 2, seller 2
inline constexpr const char* kKisitli = "KISITLI";            // type 3, customer 2
inline constexpr const char* kKampanyasiz = "KAMPANYASIZ";    // type 4, customer 3
inline constexpr const char* kPasif = "PASIF";                // type 0, inactive, customer 4
inline constexpr const char* kSifre = "1234";
}  // namespace demo
