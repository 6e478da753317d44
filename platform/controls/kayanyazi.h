#pragma once
// Scrolling marquee. Its items (simple HTML, plain text, pictures or owner-drawn cells) move
// from right to left, one after another with a gap between them, and start again from the
// right edge when the last one has left. The scrolling pauses while the control is hidden.

#include <QElapsedTimer>
#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <vector>

class QTextDocument;

class TKayanYazi : public QWidget {
  Q_OBJECT
 public:
  explicit TKayanYazi(QWidget* parent = nullptr);
  ~TKayanYazi() override;

  void Durdur();
  void Baslat();
  bool Calisiyor() const { return calisiyor_; }
  void Temizle();
  // Adds an item and returns its index. HTML items render simple markup (b, i, u, font
  // colour and size, br); plain items show the text as it is.
  int Ekle(const QString& metin, bool html = true);
  int ResimEkle(const QImage& resim);
  // An item drawn by the owner through the CizimIste signal, genislik pixels wide.
  int CizimEkle(int genislik);
  int OgeSayisi() const { return int(ogeler_.size()); }
  QString OgeMetni(int i) const;

  int Aralik() const { return aralik_; }
  void AralikAta(int piksel);  // the gap between items
  double Hiz() const { return hiz_; }
  void HizAta(double pikselSaniye);
  double Konum() const { return konum_; }  // distance scrolled in this round, in pixels
  // Width of one round: the items and their gaps.
  int IcerikGenisligi() const;
  // Left edge of item i in widget coordinates at the current scroll position.
  int OgeSolu(int i) const;

 signals:
  void CizimIste(QPainter* p, const QRect& alan, int oge);

 protected:
  void paintEvent(QPaintEvent*) override;
  void showEvent(QShowEvent*) override;
  void hideEvent(QHideEvent*) override;
  void changeEvent(QEvent*) override;

 private:
  struct Oge {
    enum Tur { Html, Metin, Resim, Cizim } tur;
    QString metin;
    QImage resim;
    std::unique_ptr<QTextDocument> belge;
    int genislik = 0;
  };
  void Adim();
  void ZamanlayiciyiAyarla();
  void BelgeyiHazirla(Oge& o);

  std::vector<Oge> ogeler_;
  QTimer zamanlayici_;
  QElapsedTimer gecen_;
  bool calisiyor_ = false;
  int aralik_ = 5;
  double hiz_ = 60.0;
  double konum_ = 0.0;
};
