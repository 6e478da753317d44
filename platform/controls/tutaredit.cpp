#include "platform/controls/tutaredit.h"

#include <QKeyEvent>

TTutarEdit::TTutarEdit(QWidget* parent) : QLineEdit(parent), ayarlar_(BicimAyarlari()) {
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  setText(FormatFloat(bicim_, 0, ayarlar_));
  // Any change of the text but DegerAta's own makes the text the value.
  connect(this, &QLineEdit::textChanged, this, [this] { duzenlendi_ = true; });
  connect(this, &QLineEdit::textEdited, this, [this] {
    YazarkenBicimle();
    emit DegerDegisti(Deger());
  });
  connect(this, &QLineEdit::editingFinished, this, &TTutarEdit::Bicimle);
}

namespace {

// The text without thousands separators and blanks, ready for StrToFloat.
QString SadeMetin(const QString& metin, const TFormatSettings& a) {
  QString s;
  s.reserve(metin.size());
  for (QChar c : metin) {
    if (c == a.ThousandSeparator || c.isSpace()) continue;
    s.append(c);
  }
  return s;
}

}  // namespace

bool TTutarEdit::Gecerli() const {
  const QString s = SadeMetin(text(), ayarlar_);
  double d = 0;
  return s.isEmpty() || TryStrToFloat(s, d, ayarlar_);
}

double TTutarEdit::Deger() const {
  if (!duzenlendi_) return deger_;
  const QString s = SadeMetin(text(), ayarlar_);
  double d = 0;
  if (s.isEmpty() || s == QLatin1String("-")) return 0;
  return TryStrToFloat(s, d, ayarlar_) ? d : deger_;
}

void TTutarEdit::DegerAta(double deger) {
  deger_ = deger;
  setText(FormatFloat(bicim_, deger, ayarlar_));
  duzenlendi_ = false;
}

void TTutarEdit::GosterimBicimiAta(const QString& bicim) {
  const double d = Deger();
  bicim_ = bicim;
  DegerAta(d);
}

void TTutarEdit::AyarlarAta(const TFormatSettings& ayarlar) {
  const double d = Deger();
  ayarlar_ = ayarlar;
  DegerAta(d);
}

void TTutarEdit::Bicimle() {
  if (!Gecerli()) {  // an unreadable text goes back to the last good value
    DegerAta(deger_);
    return;
  }
  const double d = Deger();
  const bool degisti = d != deger_;
  DegerAta(d);
  if (degisti) emit DegerDegisti(d);
}

void TTutarEdit::focusOutEvent(QFocusEvent* e) {
  QLineEdit::focusOutEvent(e);
  if (!isReadOnly()) Bicimle();
}

void TTutarEdit::keyPressEvent(QKeyEvent* e) {
  const QString t = e->text();
  if (isReadOnly() || t.size() != 1 || e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
    QLineEdit::keyPressEvent(e);
    return;
  }
  const QChar c = t.front();
  if (c.isDigit() || c == QLatin1Char('-')) {
    QLineEdit::keyPressEvent(e);
    return;
  }
  if (c == QLatin1Char('.') || c == QLatin1Char(',')) {
    // Either key types the decimal separator; a second separator is ignored.
    if (hasSelectedText() && selectedText().contains(ayarlar_.DecimalSeparator)) del();
    if (!text().contains(ayarlar_.DecimalSeparator)) {
      if (hasSelectedText()) del();
      insert(QString(ayarlar_.DecimalSeparator));
      YazarkenBicimle();
      emit DegerDegisti(Deger());
    }
    return;
  }
  if (c.isPrint()) return;  // letters and other marks do not belong in an amount
  QLineEdit::keyPressEvent(e);
}

void TTutarEdit::YazarkenBicimle() {
  const QString eski = text();
  const int imlec = cursorPosition();
  const QChar ondalik = ayarlar_.DecimalSeparator;
  const QChar binlik = ayarlar_.ThousandSeparator;
  auto anlamli = [&](QChar c) { return c != binlik && !c.isSpace(); };

  int solda = 0;  // significant characters left of the cursor
  for (int i = 0; i < imlec && i < eski.size(); ++i) solda += anlamli(eski[i]) ? 1 : 0;

  QString isaret, tam, kesir;
  bool kesirVar = false;
  for (QChar c : eski) {
    if (!anlamli(c)) continue;
    if (c == QLatin1Char('-') && tam.isEmpty() && !kesirVar && isaret.isEmpty()) {
      isaret = c;
    } else if (c == ondalik && !kesirVar) {
      kesirVar = true;
    } else if (c.isDigit()) {
      (kesirVar ? kesir : tam).append(c);
    }
  }
  QString gruplu;
  for (qsizetype i = 0; i < tam.size(); ++i) {
    if (i > 0 && (tam.size() - i) % 3 == 0 && bicim_.contains(QLatin1Char(','))) gruplu.append(binlik);
    gruplu.append(tam[i]);
  }
  QString yeni = isaret + gruplu;
  if (kesirVar) yeni += ondalik + kesir;
  if (yeni == eski) return;

  int konum = 0;
  for (int sayac = 0; konum < yeni.size() && sayac < solda; ++konum) {
    sayac += anlamli(yeni[konum]) ? 1 : 0;
  }
  setText(yeni);
  setCursorPosition(konum);
}
