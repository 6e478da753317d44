// The notification channel: registration, delivery on the channel's thread, reconnection after
// the server went away, stop.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "denemesunucusu.h"
#include "platform/rpc/dskanal.h"

namespace {

struct Toplayici {
  std::mutex m;
  std::condition_variable k;
  std::vector<QJsonValue> gelenler;
  std::thread::id isParcacigi;
  QJsonValue Ekle(const QJsonValue& v) {
    std::lock_guard<std::mutex> l(m);
    gelenler.push_back(v);
    isParcacigi = std::this_thread::get_id();
    k.notify_all();
    return QJsonValue(true);
  }
  bool Bekle(size_t adet, int ms) {
    std::unique_lock<std::mutex> l(m);
    return k.wait_for(l, std::chrono::milliseconds(ms), [&] { return gelenler.size() >= adet; });
  }
};

bool Bekle(const std::function<bool()>& kosul, int ms) {
  QElapsedTimer t;
  t.start();
  while (!kosul()) {
    if (t.elapsed() > ms) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

void Ayarla(TDSClientCallbackChannelManager& kanal, int port) {
  kanal.ChannelName = QStringLiteral("Kolmaren");
  kanal.ManagerId = QStringLiteral("KolmarenId");
  kanal.HostName = QStringLiteral("127.0.0.1");
  kanal.Port = QString::number(port);
  kanal.YenidenDenemeMs = 100;
  kanal.EnUzunBeklemeMs = 400;
}

int Bildir(DenemeSunucusu& s, const QByteArray& mesaj) {
  int durum = 0;
  const QByteArray c = s.Istek("POST", QStringLiteral("/admin/bildir"), "{\"mesaj\":" + mesaj + "}", &durum);
  return durum == 200 ? QJsonDocument::fromJson(c).object().value(QStringLiteral("alici")).toInt() : -1;
}

TEST(Kanal, BildirimKendiIsParcacigindaUlasir) {
  DenemeSunucusu s;
  s.Baslat();
  Toplayici t;
  TDSClientCallbackChannelManager kanal;
  Ayarla(kanal, s.Port());
  ASSERT_TRUE(kanal.RegisterCallback(QStringLiteral("Kolmaren"), [&](const QJsonValue& v) { return t.Ekle(v); }));
  EXPECT_FALSE(kanal.RegisterCallback(QStringLiteral("Kolmaren"), nullptr));  // one callback per name
  ASSERT_TRUE(Bekle([&] { return kanal.Bagli(); }, 5000));
  EXPECT_EQ(Bildir(s, "\"yenile\""), 1);
  EXPECT_EQ(Bildir(s, "{\"sayfa\":\"sepet\",\"adet\":2}"), 1);
  ASSERT_TRUE(t.Bekle(2, 5000));
  EXPECT_EQ(t.gelenler[0].toObject().value(QStringLiteral("mesaj")).toString(), QStringLiteral("yenile"));
  EXPECT_EQ(t.gelenler[0].toObject().value(QStringLiteral("kanal")).toString(), QStringLiteral("Kolmaren"));
  EXPECT_EQ(t.gelenler[1].toObject().value(QStringLiteral("mesaj")).toObject().value(QStringLiteral("adet")).toInt(), 2);
  EXPECT_NE(t.isParcacigi, std::this_thread::get_id());

  // unregistering the last callback stops listening; the server forgets the listener
  EXPECT_TRUE(kanal.UnregisterCallback(QStringLiteral("Kolmaren")));
  EXPECT_FALSE(kanal.UnregisterCallback(QStringLiteral("Kolmaren")));
  EXPECT_TRUE(Bekle([&] { return Bildir(s, "\"x\"") == 0; }, 8000));
}

TEST(Kanal, SunucuGidipGelinceYenidenBaglanir) {
  auto s = std::make_unique<DenemeSunucusu>();
  s->Baslat();
  const int port = s->Port();
  Toplayici t;
  TDSClientCallbackChannelManager kanal;
  Ayarla(kanal, port);
  kanal.RegisterCallback(QStringLiteral("Kolmaren"), [&](const QJsonValue& v) { return t.Ekle(v); });
  ASSERT_TRUE(Bekle([&] { return kanal.Bagli(); }, 5000));
  s.reset();  // the server goes away
  EXPECT_TRUE(Bekle([&] { return !kanal.Bagli(); }, 5000));

  s = std::make_unique<DenemeSunucusu>(port);  // and comes back on the same port
  s->Baslat();
  ASSERT_TRUE(Bekle([&] { return kanal.Bagli(); }, 8000));
  EXPECT_GE(kanal.BaglantiSayisi(), 2);
  EXPECT_EQ(Bildir(*s, "\"tekrar\""), 1);
  ASSERT_TRUE(t.Bekle(1, 5000));
  EXPECT_EQ(t.gelenler[0].toObject().value(QStringLiteral("mesaj")).toString(), QStringLiteral("tekrar"));
}

TEST(Kanal, UlasilamayanSunucudaDurdurmaBeklemez) {
  TDSClientCallbackChannelManager kanal;
  Ayarla(kanal, 1);  // nothing listens on port 1
  kanal.RegisterCallback(QStringLiteral("Kolmaren"), [](const QJsonValue&) { return QJsonValue(true); });
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_FALSE(kanal.Bagli());
  QElapsedTimer t;
  t.start();
  kanal.Durdur();
  EXPECT_LT(t.elapsed(), 2000);
}

}  // namespace
