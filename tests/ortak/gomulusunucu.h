#pragma once
// The reference server inside the test process (its database in a temporary folder, an
// ephemeral loopback port) and a test suite that talks to it through the client's proxy.
// Header only: a test using it links dravik_server_core.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <memory>

#include "platform/rpc/dsbaglanti.h"
#include "server/sunucu.h"
#include "session/proxim.h"

class GomuluSunucu {
 public:
  GomuluSunucu(const QString& veritabaniAdi, int stokAdedi) : yol_(dizin_.filePath(veritabaniAdi)) {
    SunucuAyarlari a;
    a.port = 0;
    a.webPort = 0;
    a.isciSayisi = 4;
    a.veritabaniYolu = yol_;
    a.veri.stokAdedi = stokAdedi;
    sunucu_ = std::make_unique<Sunucu>(a);
    sunucu_->Baslat();
  }
  ~GomuluSunucu() { sunucu_->Durdur(); }
  GomuluSunucu(const GomuluSunucu&) = delete;
  GomuluSunucu& operator=(const GomuluSunucu&) = delete;

  int Port() const { return sunucu_->Port(); }
  const QString& VeritabaniYolu() const { return yol_; }
  // Opens bag on this server.
  void Baglan(TSQLConnection& bag) const {
    bag.Params.insert(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
    bag.Params.insert(QStringLiteral("Port"), QString::number(Port()));
    bag.Open();
  }

 private:
  QTemporaryDir dizin_;  // outlives the server
  QString yol_;
  std::unique_ptr<Sunucu> sunucu_;
};

// One server for the suite (the suite's SetUpTestSuite calls SunucuKur); a connection and a
// proxy for each test.
class GomuluSunucuTesti : public ::testing::Test {
 protected:
  static void SunucuKur(const QString& veritabaniAdi, int stokAdedi) {
    sunucu_ = new GomuluSunucu(veritabaniAdi, stokAdedi);
  }
  static void TearDownTestSuite() {
    delete sunucu_;
    sunucu_ = nullptr;
  }
  void SetUp() override {
    sunucu_->Baglan(bag_);
    vekil_ = std::make_unique<TServerMethods1Client>(&bag_);
  }
  void TearDown() override {
    vekil_.reset();
    bag_.Close();
  }

  static inline GomuluSunucu* sunucu_ = nullptr;
  TSQLConnection bag_;
  std::unique_ptr<TServerMethods1Client> vekil_;
};

// main() of such a test: pictures need a GUI application, offscreen unless told otherwise.
inline int GomuluSunucuTestleri(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication uygulama(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
