#pragma once
// The value-list filter of a grid column: the distinct values with check boxes, "(Tümü)"
// to show every row.

#include <QFrame>

class QListWidget;
class QListWidgetItem;
class TVeriIzgarasi;
class TIzgaraKolonu;

class TIzgaraFiltrePenceresi : public QFrame {
  Q_OBJECT
 public:
  TIzgaraFiltrePenceresi(TVeriIzgarasi* izgara, TIzgaraKolonu* kolon);
  QListWidget* Liste() const { return liste_; }
  void Uygula();  // applies the ticked values (none or "(Tümü)": no filter) and closes

  static QString TumuMetni();  // "(Tümü)"
  static QString BosMetni();   // "(Boş)", the entry of empty cells

 private:
  void OgeDegisti(QListWidgetItem* oge);
  TVeriIzgarasi* izgara_;
  TIzgaraKolonu* kolon_;
  QListWidget* liste_;
};
