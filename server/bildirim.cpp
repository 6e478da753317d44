#include "bildirim.h"

#include <chrono>

std::shared_ptr<BildirimMerkezi::Dinleyici> BildirimMerkezi::Kaydol(const QString& kanal, const QString& id) {
  auto d = std::make_shared<Dinleyici>();
  d->kanal = kanal;
  d->id = id;
  std::lock_guard<std::mutex> k(kilit_);
  dinleyiciler_.emplace(kanal, d);
  return d;
}

void BildirimMerkezi::Birak(const std::shared_ptr<Dinleyici>& d) {
  std::lock_guard<std::mutex> k(kilit_);
  auto [b, s] = dinleyiciler_.equal_range(d->kanal);
  for (auto it = b; it != s; ++it) {
    if (it->second == d) {
      dinleyiciler_.erase(it);
      break;
    }
  }
}

int BildirimMerkezi::Yayinla(const QString& kanal, const std::string& json) {
  int n = 0;
  {
    std::lock_guard<std::mutex> k(kilit_);
    auto [b, s] = dinleyiciler_.equal_range(kanal);
    for (auto it = b; it != s; ++it) {
      it->second->kuyruk.push_back(json);
      ++n;
    }
  }
  kosul_.notify_all();
  return n;
}

bool BildirimMerkezi::Bekle(const std::shared_ptr<Dinleyici>& d, int ms, std::string* json) {
  std::unique_lock<std::mutex> k(kilit_);
  kosul_.wait_for(k, std::chrono::milliseconds(ms), [&] { return d->bitti || !d->kuyruk.empty(); });
  if (d->bitti || d->kuyruk.empty()) return false;
  *json = std::move(d->kuyruk.front());
  d->kuyruk.pop_front();
  return true;
}

int BildirimMerkezi::DinleyiciSayisi(const QString& kanal) const {
  std::lock_guard<std::mutex> k(kilit_);
  return int(dinleyiciler_.count(kanal));
}

void BildirimMerkezi::HepsiniBitir() {
  {
    std::lock_guard<std::mutex> k(kilit_);
    for (auto& [ad, d] : dinleyiciler_) d->bitti = true;
  }
  kosul_.notify_all();
}
