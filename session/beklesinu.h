#pragma once
// Background work with a continuation on the calling thread:
//
//   Async([=] { ...runs on a pool thread... })->Await([=] { ...runs on this thread... });
//
// Await starts the work and returns at once; the continuation is queued to the thread that
// called Await (it needs that thread's event loop) and runs after the work has ended. The
// work, the continuation and what they capture stay alive until then and are released on
// the calling thread. The work must catch its own errors; one that escapes is written to
// stderr and the continuation still runs.

#include <QObject>
#include <functional>
#include <memory>

class IAwait {
 public:
  virtual ~IAwait() = default;
  virtual void Await(std::function<void()> devam) = 0;
  // The continuation is skipped when sahip has been destroyed by the time it would run.
  virtual void Await(QObject* sahip, std::function<void()> devam) = 0;
};

class TAwait : public IAwait, public std::enable_shared_from_this<TAwait> {
 public:
  explicit TAwait(std::function<void()> is) : FAsync(std::move(is)) {}
  void Await(std::function<void()> devam) override;
  void Await(QObject* sahip, std::function<void()> devam) override;

 private:
  void Baslat(QObject* sahip, bool sahipli, std::function<void()> devam);
  std::function<void()> FAsync;
};

std::shared_ptr<IAwait> Async(std::function<void()> is);
