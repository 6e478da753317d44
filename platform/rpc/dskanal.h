#pragma once
// The notification channel client: listens on a channel of the application server (by channel
// name and callback id) on a thread of its own and hands every notification's JSON value to the
// registered callbacks, on that thread. A dropped stream is opened again until the channel is
// stopped. Callers that touch windows queue the work to the main thread themselves.

#include <QJsonValue>
#include <QString>
#include <functional>
#include <memory>

// A named callback: Execute runs on the channel's thread with the notification's JSON value.
class TDBXNamedCallback {
 public:
  explicit TDBXNamedCallback(const QString& name) : Name(name) {}
  virtual ~TDBXNamedCallback() = default;
  virtual QJsonValue Execute(const QJsonValue& arg) = 0;
  QString Name;
};

class TDSClientCallbackChannelManager {
 public:
  TDSClientCallbackChannelManager();
  ~TDSClientCallbackChannelManager();  // stops the thread
  TDSClientCallbackChannelManager(const TDSClientCallbackChannelManager&) = delete;
  TDSClientCallbackChannelManager& operator=(const TDSClientCallbackChannelManager&) = delete;

  // Settings; change them before the first registration.
  QString CommunicationProtocol = QStringLiteral("tcp/ip");
  QString ChannelName;
  QString ManagerId;
  QString HostName = QStringLiteral("localhost");
  QString Port = QStringLiteral("9090");
  QString DSContext = QStringLiteral("datasnap/");
  int ConnectTimeoutMs = 5000;
  int YenidenDenemeMs = 500;      // first wait after a drop; doubles up to EnUzunBeklemeMs
  int EnUzunBeklemeMs = 5000;
  int SessizlikSiniriMs = 20000;  // a stream with no byte for this long counts as dropped

  // Registers the callback under its name (the channel owns it from now on) and starts
  // listening when it is the first. False when the name is already registered.
  bool RegisterCallback(std::unique_ptr<TDBXNamedCallback> callback);
  bool RegisterCallback(const QString& name, std::function<QJsonValue(const QJsonValue&)> islev);
  // Removes the callback; listening stops with the last one. False when the name is unknown.
  bool UnregisterCallback(const QString& name);

  void Durdur();           // stops listening now (callbacks stay registered); never throws
  bool Bagli() const;      // the server has registered this listener on the current stream
  int BaglantiSayisi() const;  // streams opened so far (1 + reconnects)

 private:
  struct Impl;
  std::unique_ptr<Impl> d;
};
