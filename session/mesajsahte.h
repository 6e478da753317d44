#pragma once
// Test helper: while alive, answers every MesajGoster call instead of a real box. Each box is
// recorded (kind, text, buttons, default, thread); answers come from a queue, and with an
// empty queue the default button is pressed. The previous handler is restored at the end.
//
//   SahteMesajGosterici sahte;
//   sahte.Cevapla(mrYes);
//   ... code under test ...
//   ASSERT_EQ(sahte.Kutular().size(), 1);  EXPECT_EQ(sahte.Kutular()[0].metin, "...");

#include <QList>
#include <QMutex>
#include <QThread>
#include <deque>
#include <initializer_list>

#include "session/utils.h"

class SahteMesajGosterici {
 public:
  struct Kutu {
    int tur = 0;
    QString metin;
    TMsgDlgButtons butonlar;
    TMsgDlgBtn varsayilan = mbOK;
    QThread* iplik = nullptr;  // the thread the handler ran on
    int sonuc = 0;             // the code answered
  };

  SahteMesajGosterici() : onceki_(MesajGostericiAl()) {
    MesajGostericiKur([this](const MesajIstegi& i) { return Goster(i); });
  }
  ~SahteMesajGosterici() { MesajGostericiKur(onceki_); }
  SahteMesajGosterici(const SahteMesajGosterici&) = delete;
  SahteMesajGosterici& operator=(const SahteMesajGosterici&) = delete;

  // Queues the codes of the next boxes (mrYes, mrNo, mrOk ...).
  void Cevapla(std::initializer_list<int> sonuclar) {
    QMutexLocker k(&kilit_);
    for (int s : sonuclar) cevaplar_.push_back(s);
  }
  void Cevapla(int sonuc) { Cevapla({sonuc}); }

  QList<Kutu> Kutular() const {
    QMutexLocker k(&kilit_);
    return kutular_;
  }
  Kutu Son() const {
    QMutexLocker k(&kilit_);
    return kutular_.isEmpty() ? Kutu{} : kutular_.last();
  }
  void Temizle() {
    QMutexLocker k(&kilit_);
    kutular_.clear();
    cevaplar_.clear();
  }

 private:
  int Goster(const MesajIstegi& i) {
    QMutexLocker k(&kilit_);
    int sonuc = DugmeSonucu(i.varsayilan);
    if (!cevaplar_.empty()) {
      sonuc = cevaplar_.front();
      cevaplar_.pop_front();
    }
    kutular_.append(Kutu{i.tur, i.metin, i.butonlar, i.varsayilan, QThread::currentThread(), sonuc});
    return sonuc;
  }

  MesajGosterici onceki_;
  mutable QMutex kilit_;
  QList<Kutu> kutular_;
  std::deque<int> cevaplar_;
};
