#include "mainwindow/bildirim.h"

#include <QCoreApplication>
#include <QMetaObject>

#include "platform/rpc/dsbaglanti.h"
#include "platform/rpc/dskanal.h"

namespace {
const QString kKanal = QStringLiteral("Kolmaren");

// The notification callback: runs on the channel's thread, only queues the reload.
class TGeriBildirim : public TDBXNamedCallback {
 public:
  TGeriBildirim(const QString& ad, std::function<void()> geldi) : TDBXNamedCallback(ad), geldi_(std::move(geldi)) {}
  QJsonValue Execute(const QJsonValue&) override {
    GeriBildirimAlQue();
    return QJsonValue(true);
  }

 private:
  void GeriBildirimAlQue() {
    if (QCoreApplication* a = QCoreApplication::instance())
      QMetaObject::invokeMethod(a, geldi_, Qt::QueuedConnection);
  }
  std::function<void()> geldi_;
};
}  // namespace

struct TGeriBildirimKanali::Impl {
  TDSClientCallbackChannelManager DSClientCallbackChannelManager1;
};

TGeriBildirimKanali::TGeriBildirimKanali(const TSQLConnection& baglanti, std::function<void()> geldi)
    : d(std::make_unique<Impl>()) {
  auto& m = d->DSClientCallbackChannelManager1;
  m.CommunicationProtocol = QStringLiteral("tcp/ip");
  m.ChannelName = kKanal;
  m.ManagerId = QStringLiteral("KolmarenId");
  m.HostName = baglanti.Params.value(QStringLiteral("HostName"));
  m.Port = baglanti.Params.value(QStringLiteral("Port"));
  m.RegisterCallback(std::make_unique<TGeriBildirim>(kKanal, std::move(geldi)));
}

TGeriBildirimKanali::~TGeriBildirimKanali() {
  d->DSClientCallbackChannelManager1.UnregisterCallback(kKanal);
  d->DSClientCallbackChannelManager1.Durdur();
}

bool TGeriBildirimKanali::Dinliyor() const { return d->DSClientCallbackChannelManager1.Bagli(); }
