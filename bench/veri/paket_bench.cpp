// Builds a packet of 100,000 rows x 40 columns (10 integer, 15 float, 15 Turkish text),
// decodes it into a data set and compares the time with a plain copy of the same values
// ("the floor"). Prints wire MB/s, the ratio, and the resident memory of the data set, and checks
// every decoded cell against the values written.
#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <time.h>

#include "platform/core/paket.h"

namespace {

constexpr int kSatir = 100000;
constexpr int kTam = 10, kKesirli = 15, kMetin = 15;

long DurumKB(const char* ad) {  // a line of /proc/self/status in kB
  std::ifstream f("/proc/self/status");
  std::string satir;
  const std::size_t n = std::strlen(ad);
  while (std::getline(f, satir))
    if (satir.compare(0, n, ad) == 0) return std::atol(satir.c_str() + n + 1);
  return -1;
}

double Saniye(std::chrono::steady_clock::time_point bas) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - bas).count();
}

double IslemciSaniye() {  // CPU time of this thread: steadier than wall time on a busy machine
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

struct Kaynak {
  std::vector<std::vector<std::int32_t>> tam;
  std::vector<std::vector<double>> kesirli;
  std::vector<std::vector<std::string>> metin;
};

Kaynak Uret() {
  static const char* kelimeler[] = {"ÇELİK", "VİDA",  "şişe",   "DÜĞME",  "ÖRGÜ",   "IŞIK",  "Ağaç",  "SOMUN",
                                    "RULMAN", "KAYIŞ", "CONTA", "FİLTRE", "POMPA", "ÜÇGEN", "yağ",   "MİL",
                                    "DİŞLİ", "ŞAFT",  "Gövde",  "KAPAK"};
  std::mt19937_64 rng(20261211);
  Kaynak k;
  k.tam.assign(kTam, std::vector<std::int32_t>(kSatir));
  k.kesirli.assign(kKesirli, std::vector<double>(kSatir));
  k.metin.assign(kMetin, std::vector<std::string>(kSatir));
  for (auto& c : k.tam)
    for (auto& v : c) v = static_cast<std::int32_t>(rng() % 2000000) - 1000;
  for (int c = 0; c < kKesirli; ++c)
    for (auto& v : k.kesirli[c]) {
      double x = static_cast<double>(rng() % 100000000) / 100.0;  // prices with two decimals
      v = c % 3 == 2 ? x * 1.18 : x;                              // and computed amounts
    }
  for (auto& c : k.metin)
    for (auto& v : c) {
      int n = 2 + static_cast<int>(rng() % 4);
      for (int i = 0; i < n; ++i) {
        if (i) v += ' ';
        v += kelimeler[rng() % 20];
      }
    }
  return k;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const long rssBaslangic = DurumKB("VmRSS:");

  QByteArray bayt;
  double yazmaSn = 0, yazmaCpu = 0, tabanSn = 1e9, tabanCpu = 1e9;
  {
    Kaynak k = Uret();
    auto bas = std::chrono::steady_clock::now();
    const double yazmaBas = IslemciSaniye();
    PaketYazici y;
    for (int c = 0; c < kTam; ++c) y.Alan("TAM" + std::to_string(c), TFieldType::ftInteger);
    for (int c = 0; c < kKesirli; ++c) y.Alan("TUTAR" + std::to_string(c), TFieldType::ftFloat);
    for (int c = 0; c < kMetin; ++c) y.Alan("ADI" + std::to_string(c), TFieldType::ftString, 60);
    for (int r = 0; r < kSatir; ++r) {
      int col = 0;
      for (int c = 0; c < kTam; ++c) y.Int(col++, k.tam[c][r]);
      for (int c = 0; c < kKesirli; ++c) y.Float(col++, k.kesirli[c][r]);
      for (int c = 0; c < kMetin; ++c) y.Text(col++, k.metin[c][r]);
    }
    std::string json = y.Bitir();
    yazmaSn = Saniye(bas);
    yazmaCpu = IslemciSaniye() - yazmaBas;
    bayt.reserve(static_cast<qsizetype>(json.size()) + 64);  // room for the parser's padding
    bayt.append(json.data(), static_cast<qsizetype>(json.size()));

    // The floor: the same values copied into fresh vectors, texts into one buffer per column
    // reserved to the exact size (the best a copy can do).
    std::vector<std::size_t> metinBayt(kMetin);
    for (int c = 0; c < kMetin; ++c)
      for (const auto& s : k.metin[c]) metinBayt[c] += s.size();
    for (int tekrar = 0; tekrar < 3; ++tekrar) {
      bas = std::chrono::steady_clock::now();
      const double cpu = IslemciSaniye();
      std::vector<std::vector<std::int32_t>> t(kTam);
      std::vector<std::vector<double>> f(kKesirli);
      std::vector<std::vector<char>> m(kMetin);
      std::vector<std::vector<std::uint32_t>> o(kMetin);
      for (int c = 0; c < kTam; ++c) t[c] = k.tam[c];
      for (int c = 0; c < kKesirli; ++c) f[c] = k.kesirli[c];
      for (int c = 0; c < kMetin; ++c) {
        o[c].reserve(kSatir + 1);
        m[c].reserve(metinBayt[c]);
        for (const auto& s : k.metin[c]) {
          o[c].push_back(static_cast<std::uint32_t>(m[c].size()));
          m[c].insert(m[c].end(), s.begin(), s.end());
        }
      }
      tabanSn = std::min(tabanSn, Saniye(bas));
      tabanCpu = std::min(tabanCpu, IslemciSaniye() - cpu);
    }
  }

  const double mb = static_cast<double>(bayt.size()) / 1e6;
  TClientDataSet ds;
  double yuklemeSn = 1e9, yuklemeCpu = 1e9;
  const int yuklemeTekrari = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;  // more for profiling
  for (int tekrar = 0; tekrar < yuklemeTekrari; ++tekrar) {
    auto bas = std::chrono::steady_clock::now();
    const double cpu = IslemciSaniye();
    PaketiYukle(TVeriPaketi(bayt), ds);
    yuklemeSn = std::min(yuklemeSn, Saniye(bas));
    yuklemeCpu = std::min(yuklemeCpu, IslemciSaniye() - cpu);
  }
  if (ds.RecordCount() != kSatir || ds.FieldCount() != 40) {
    std::printf("HATA: %d satır, %d alan\n", ds.RecordCount(), ds.FieldCount());
    return 1;
  }
  bayt = QByteArray();
  const long rssVeriSeti = DurumKB("VmRSS:");

  // the decoded cells must be the values written (checked after the memory figure, from the same seed)
  {
    const Kaynak k = Uret();
    long yanlis = 0;
    for (int r = 0; r < kSatir; ++r) {
      int col = 0;
      for (int c = 0; c < kTam; ++c, ++col) yanlis += ds.IsNullAt(r, col) || ds.IntAt(r, col) != k.tam[c][r];
      for (int c = 0; c < kKesirli; ++c, ++col) yanlis += ds.IsNullAt(r, col) || ds.FloatAt(r, col) != k.kesirli[c][r];
      for (int c = 0; c < kMetin; ++c, ++col) yanlis += ds.IsNullAt(r, col) || ds.Utf8At(r, col) != k.metin[c][r];
    }
    if (yanlis) {
      std::printf("HATA: %ld hücre yazılandan farklı okundu\n", yanlis);
      return 1;
    }
  }

  std::printf("paket: %d satır x 40 sütun (10 tamsayı, 15 ondalıklı, 15 metin), %.1f MB\n", kSatir, mb);
  std::printf("yazma (PaketYazici): %.3f s, %.0f MB/s (işlemci süresi %.3f s)\n", yazmaSn, mb / yazmaSn, yazmaCpu);
  std::printf("yükleme (PaketiYukle): %.3f s, %.0f MB/s (işlemci süresiyle %.0f MB/s)\n", yuklemeSn, mb / yuklemeSn,
              mb / yuklemeCpu);
  std::printf("taban (aynı değerlerin düz kopyası): %.3f s, %.0f MB/s\n", tabanSn, mb / tabanSn);
  std::printf("oran yükleme/taban: %.2f (hedef <= 1.5); işlemci süresiyle %.3f / %.3f s = %.2f\n",
              yuklemeSn / tabanSn, yuklemeCpu, tabanCpu, yuklemeCpu / tabanCpu);
  std::printf("veri setinin tuttuğu bellek: %.1f MB\n", static_cast<double>(ds.BellekKullanimi()) / 1e6);
  std::printf("yerleşik bellek: başlangıç %.1f MB, yalnız veri seti varken %.1f MB (fark %.1f MB, hedef < 80), "
              "en yüksek %.1f MB\n",
              rssBaslangic / 1024.0, rssVeriSeti / 1024.0, (rssVeriSeti - rssBaslangic) / 1024.0,
              DurumKB("VmHWM:") / 1024.0);
  return 0;
}
