#pragma once
// Server-push notifications: clients listen on a channel by name with a callback id (one
// long-lived event stream each); a push goes to every listener of the channel.

#include <QString>
#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>

class BildirimMerkezi {
 public:
  // One registered listener; its queue is filled by Yayinla and drained by the stream.
  struct Dinleyici {
    QString kanal;
    QString id;
    std::deque<std::string> kuyruk;  // JSON payloads not yet sent
    bool bitti = false;
  };

  std::shared_ptr<Dinleyici> Kaydol(const QString& kanal, const QString& id);
  void Birak(const std::shared_ptr<Dinleyici>& d);
  // Queues the JSON payload to every listener of the channel; returns how many got it.
  int Yayinla(const QString& kanal, const std::string& json);
  // Waits up to ms for a payload; false when nothing arrived (or the listener was ended).
  bool Bekle(const std::shared_ptr<Dinleyici>& d, int ms, std::string* json);
  int DinleyiciSayisi(const QString& kanal) const;
  void HepsiniBitir();  // server stop: every stream ends

 private:
  mutable std::mutex kilit_;
  std::condition_variable kosul_;
  std::multimap<QString, std::shared_ptr<Dinleyici>> dinleyiciler_;
};
