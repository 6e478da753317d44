#pragma once
// Page control of the main window and its tab painter.
//
// A page caption may carry a counter: "12=Sepet" is drawn as the title "Sepet" with "(12)"
// at the tab's top right. A caption without "=" is all title.

#include <QColor>
#include <QIcon>
#include <QString>
#include <QWidget>
#include <vector>

class QPainter;
class QStackedWidget;
class QStyle;

// A caption split into its counter and its title.
struct TSekmeBasligi {
  int sayi = 0;    // 0 when the caption has no counter or the counter is not a whole number
  QString baslik;  // at most 100 characters
};

TSekmeBasligi SekmeBasligiCoz(const QString& baslik);
// The caption a loader writes: the count in decimal digits, "=" and the page's name.
QString SekmeBasligiYaz(qint64 sayi, const QString& ad);

// Colour of the counter.
inline QColor SekmeSayiRengi() { return QColor(30, 180, 223); }

enum class TSekmeDurumu { Normal, Sicak, Secili };

// Draws one tab: the style's tab background for the state, the icon (32 pixels) on the left,
// the title centred and word-wrapped, the counter at the top right.
void SekmeCiz(QPainter& p, const QRect& r, const QString& baslik, const QIcon& simge,
              TSekmeDurumu durum, const QWidget* w);

// Tab row that wraps into several rows when its tabs do not fit in one.
class TSekmeCubugu : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kGenislik = 120;
  static constexpr int kYukseklik = 50;

  explicit TSekmeCubugu(QWidget* parent = nullptr);

  int SekmeEkle(const QString& baslik, const QIcon& simge = QIcon());
  void SekmeSil(int i);
  int Sayi() const { return int(sekmeler_.size()); }
  QString Baslik(int i) const;
  void BaslikAta(int i, const QString& baslik);
  QIcon Simge(int i) const;
  void SimgeAta(int i, const QIcon& simge);
  bool Gorunur(int i) const;
  void GorunurAta(int i, bool gorunur);
  int Secili() const { return secili_; }
  void SeciliAta(int i);

  // Rectangle of tab i in this widget, empty when hidden.
  QRect SekmeAlani(int i) const;
  int SekmeAt(const QPoint& nokta) const;
  int SatirSayisi() const { return SatirSayisiFor(width()); }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  // Height of the row of tabs at width w; the bar takes it whenever its width changes.
  int heightForWidth(int w) const override;

 signals:
  void SeciliDegisti(int i);

 protected:
  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void leaveEvent(QEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  void resizeEvent(QResizeEvent*) override;

 private:
  struct Sekme {
    QString baslik;
    QIcon simge;
    bool gorunur = true;
  };
  int SatirSayisiFor(int w) const;
  int GorunurSayisi() const;
  int SiradakiGorunur(int i, int yon) const;
  void Yerlesim();

  std::vector<Sekme> sekmeler_;
  int secili_ = -1;
  int sicak_ = -1;
};

// Page control: the tab row above a stack of pages. Page show/hide events reach the pages as
// the stack shows them; the signals below report the same for the window's handlers.
class TSayfaKontrol : public QWidget {
  Q_OBJECT
 public:
  explicit TSayfaKontrol(QWidget* parent = nullptr);

  int SayfaEkle(QWidget* sayfa, const QString& baslik, const QIcon& simge = QIcon());
  int Sayi() const;
  QWidget* Sayfa(int i) const;
  int SayfaSirasi(QWidget* sayfa) const;
  QString Baslik(int i) const;
  void BaslikAta(int i, const QString& baslik);
  void BaslikAta(QWidget* sayfa, const QString& baslik);
  // Writes count + "=" + name into the caption of the page.
  void SayacYaz(QWidget* sayfa, qint64 sayi, const QString& ad);
  // Shows or hides a page's tab; hiding the active page activates the next visible one.
  void SekmeGorunurAta(QWidget* sayfa, bool gorunur);
  bool SekmeGorunur(QWidget* sayfa) const;
  int AktifSira() const;
  QWidget* AktifSayfa() const;
  void AktifAta(int i);
  void AktifAta(QWidget* sayfa);
  TSekmeCubugu* Cubuk() const { return cubuk_; }

 signals:
  void AktifDegisti(int i);
  void SayfaGosterildi(QWidget* sayfa);
  void SayfaGizlendi(QWidget* sayfa);

 private:
  void Degistir(int i);
  TSekmeCubugu* cubuk_;
  QStackedWidget* yigin_;
};
