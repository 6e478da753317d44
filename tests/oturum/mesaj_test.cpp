// The message seam: titles and captions, the fake handler, the hand-off from a worker thread
// and the fallback without a handler.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

#include "session/mesajsahte.h"
#include "session/utils.h"

TEST(Mesaj, BasliklarVeDugmeler) {
  const std::pair<int, const char*> basliklar[] = {{0, "Uyarı"}, {1, "Hata"}, {2, "Bilgi"}, {3, "Soru"}, {9, ""}};
  for (const auto& [tur, metin] : basliklar) EXPECT_EQ(MesajBasligi(tur), QString::fromUtf8(metin)) << tur;

  struct Dugme {
    TMsgDlgBtn b;
    const char* baslik;
    int sonuc;
  };
  const Dugme dugmeler[] = {
      {mbYes, "Evet", 6},          {mbNo, "Hayır", 7},          {mbOK, "Tamam", 1},  {mbCancel, "Vazgeç", 2},
      {mbAbort, "İptal", 3},       {mbRetry, "Tekrar", 4},      {mbIgnore, "Atla", 5},
      {mbYesToAll, "Tümüne Evet", mrYesToAll}, {mbNoToAll, "Tümüne Hayır", mrNoToAll}, {mbHelp, "Yardım", mrHelp},
  };
  for (const auto& d : dugmeler) {
    EXPECT_EQ(DugmeBasligi(d.b), QString::fromUtf8(d.baslik));
    EXPECT_EQ(DugmeSonucu(d.b), d.sonuc) << d.baslik;
  }
  const TMsgDlgButtons evetHayir{mbNo, mbYes};
  EXPECT_TRUE(evetHayir.Icerir(mbYes));
  EXPECT_FALSE(evetHayir.Icerir(mbOK));
  EXPECT_EQ(Dugmeler(evetHayir), (QList<TMsgDlgBtn>{mbYes, mbNo}));
  EXPECT_EQ(TMsgDlgButtons{mbOK} | mbCancel, (TMsgDlgButtons{mbCancel, mbOK}));
}

TEST(Mesaj, SahteKutularKaydedilirVeSiradanCevaplanir) {
  SahteMesajGosterici sahte;
  sahte.Cevapla({mrYes, mrNo});
  EXPECT_EQ(MesajGoster(QStringLiteral("Silinsin mi?"), mtSoru, {mbYes, mbNo}, mbNo), mrYes);
  EXPECT_EQ(MesajGoster(QStringLiteral("Çıkılsın mı?"), mtSoru, {mbYes, mbNo}, mbYes), mrNo);
  // empty queue: the default button
  EXPECT_EQ(MesajGoster(QStringLiteral("Silinsin mi?"), mtSoru, {mbYes, mbNo}, mbNo), mrNo);
  EXPECT_EQ(MesajGoster(QStringLiteral("Kaydedildi"), mtBilgi, {mbOK}, mbOK), mrOk);
  const auto k = sahte.Kutular();
  ASSERT_EQ(k.size(), 4);
  EXPECT_EQ(k[1].metin, QStringLiteral("Çıkılsın mı?"));
  EXPECT_EQ(k[1].varsayilan, mbYes);
  EXPECT_EQ(k[3].tur, mtBilgi);
  EXPECT_EQ(k[3].butonlar, TMsgDlgButtons{mbOK});
  EXPECT_EQ(k[0].iplik, QCoreApplication::instance()->thread());
}

TEST(Mesaj, IscidenAnaIpligeDevredilir) {
  SahteMesajGosterici sahte;
  sahte.Cevapla(mrRetry);
  std::atomic<int> sonuc{-1};
  std::atomic<bool> bitti{false};
  std::thread isci([&] {
    sonuc = MesajGoster(QStringLiteral("Tekrar denensin mi?"), mtHata, {mbRetry, mbCancel}, mbCancel);
    bitti = true;
  });
  QElapsedTimer t;
  t.start();
  while (!bitti && t.elapsed() < 10000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  isci.join();
  EXPECT_EQ(sonuc.load(), mrRetry);
  ASSERT_EQ(sahte.Kutular().size(), 1);
  EXPECT_EQ(sahte.Son().iplik, QCoreApplication::instance()->thread());
  EXPECT_EQ(sahte.Son().metin, QStringLiteral("Tekrar denensin mi?"));
}

TEST(Mesaj, GostericiYokkenVarsayilanDoner) {
  const MesajGosterici onceki = MesajGostericiAl();
  MesajGostericiKur(nullptr);
  EXPECT_EQ(MesajGoster(QStringLiteral("deneme"), mtSoru, {mbYes, mbNo}, mbNo), mrNo);
  EXPECT_EQ(MesajGoster(QStringLiteral("deneme"), mtUyari, {mbOK}, mbOK), mrOk);
  MesajGostericiKur(onceki);
  {
    SahteMesajGosterici ic;
    EXPECT_TRUE(static_cast<bool>(MesajGostericiAl()));
  }
  EXPECT_EQ(static_cast<bool>(MesajGostericiAl()), static_cast<bool>(onceki));  // restored
}
