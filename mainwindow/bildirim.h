#pragma once
// Server notifications of the main window: the callback registered on the channel
// "Kolmaren". A notification only queues the reload onto the main thread.

#include <QJsonValue>
#include <QString>
#include <functional>
#include <memory>

class TSQLConnection;

class TGeriBildirimKanali {
 public:
  // Listens on the channel at the connection's host and port; geldi is queued onto the
  // main thread for every notification.
  TGeriBildirimKanali(const TSQLConnection& baglanti, std::function<void()> geldi);
  ~TGeriBildirimKanali();  // unregisters the callback
  bool Dinliyor() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> d;
};
