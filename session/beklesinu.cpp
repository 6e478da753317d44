#include "session/beklesinu.h"

#include <QPointer>
#include <QThreadPool>
#include <cstdio>
#include <exception>

namespace {

// What travels from Await to the continuation. Everything captured is released on the
// calling thread, right after the continuation, whoever drops the last reference.
struct Gorev {
  std::shared_ptr<TAwait> tutucu;
  std::function<void()> is;
  std::function<void()> devam;
  QPointer<QObject> sahip;
  bool sahipli = false;
  QObject* baglam = nullptr;  // lives in the calling thread; receives the continuation

  void Bitir() {
    if (!sahipli || sahip) {
      try {
        if (devam) devam();
      } catch (const std::exception& e) {
        std::fprintf(stderr, "Async: devam hatası: %s\n", e.what());
      } catch (...) {
        std::fprintf(stderr, "Async: devam hatası\n");
      }
    }
    is = nullptr;
    devam = nullptr;
    tutucu.reset();
    if (baglam) baglam->deleteLater();
    baglam = nullptr;
  }
};

}  // namespace

std::shared_ptr<IAwait> Async(std::function<void()> is) { return std::make_shared<TAwait>(std::move(is)); }

void TAwait::Await(std::function<void()> devam) { Baslat(nullptr, false, std::move(devam)); }

void TAwait::Await(QObject* sahip, std::function<void()> devam) { Baslat(sahip, true, std::move(devam)); }

void TAwait::Baslat(QObject* sahip, bool sahipli, std::function<void()> devam) {
  auto g = std::make_shared<Gorev>();
  g->tutucu = shared_from_this();
  g->is = std::move(FAsync);  // the task owns the work from now on
  FAsync = nullptr;
  g->devam = std::move(devam);
  g->sahip = sahip;
  g->sahipli = sahipli;
  g->baglam = new QObject;  // affinity: the thread calling Await

  QThreadPool::globalInstance()->start([g]() mutable {
    try {
      if (g->is) g->is();
    } catch (const std::exception& e) {
      std::fprintf(stderr, "Async: iş hatası: %s\n", e.what());
    } catch (...) {
      std::fprintf(stderr, "Async: iş hatası\n");
    }
    QObject* baglam = g->baglam;
    QMetaObject::invokeMethod(baglam, [g] { g->Bitir(); }, Qt::QueuedConnection);
    g.reset();
  });
}
