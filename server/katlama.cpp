#include "katlama.h"

namespace {

QChar KatlaHarf(QChar c) {
  switch (c.unicode()) {
    case u'İ': case u'I': case u'ı': case u'i': case u'Î': case u'î': return u'i';
    case u'Ş': case u'ş': return u's';
    case u'Ğ': case u'ğ': return u'g';
    case u'Ü': case u'ü': case u'Û': case u'û': return u'u';
    case u'Ö': case u'ö': return u'o';
    case u'Ç': case u'ç': return u'c';
    case u'Â': case u'â': return u'a';
    default: break;
  }
  if (c.unicode() < 128) {
    if (c >= u'A' && c <= u'Z') return QChar(c.unicode() + 32);
    return c;
  }
  return c.toLower();
}

}  // namespace

QString TurkceKatla(const QString& metin) {
  QString sonuc;
  sonuc.reserve(metin.size());
  bool bosluk = false;
  for (QChar c : metin) {
    if (c.isSpace()) {
      bosluk = !sonuc.isEmpty();
      continue;
    }
    if (bosluk) sonuc += u' ';
    bosluk = false;
    sonuc += KatlaHarf(c);
  }
  return sonuc;
}

QString KodKatla(const QString& metin) {
  QString sonuc;
  sonuc.reserve(metin.size());
  for (QChar c : metin) {
    if (c.isLetterOrNumber()) sonuc += KatlaHarf(c);
  }
  return sonuc;
}

QStringList AramaKelimeleri(const QString& metin, bool* hepsi) {
  QStringList kelimeler;
  bool joker = false;
  const QStringList parcalar = TurkceKatla(metin).split(u' ', Qt::SkipEmptyParts);
  for (QString k : parcalar) {
    const qsizetype once = k.size();
    k.remove(u'%');
    k.remove(u'*');
    if (k.size() != once && k.isEmpty()) joker = true;
    if (!k.isEmpty()) kelimeler << k;
  }
  // A word inside another word adds nothing: "fren frenler" searches as "frenler".
  kelimeler.removeDuplicates();
  QStringList ozgun;
  for (const QString& k : kelimeler) {
    bool icinde = false;
    for (const QString& d : kelimeler)
      if (d.size() > k.size() && d.contains(k)) icinde = true;
    if (!icinde) ozgun << k;
  }
  if (hepsi) *hepsi = ozgun.isEmpty() && joker;
  return ozgun;
}

QString TurkceSiraAnahtari(const QString& metin) {
  static const QString kAlfabe = QStringLiteral("0123456789ABCÇDEFGĞHIİJKLMNOÖPQRSŞTUÜVWXYZ");
  QString anahtar;
  anahtar.reserve(metin.size());
  for (QChar c : metin) {
    if (c.isSpace()) {
      anahtar += u' ';
      continue;
    }
    // Turkish capitals: i -> İ, ı -> I; the rest through the locale-independent upper case.
    QChar b = c == u'i' ? QChar(u'İ') : c == u'ı' ? QChar(u'I') : c.toUpper();
    const qsizetype i = kAlfabe.indexOf(b);
    if (i >= 0)
      anahtar += QChar(u'0' + static_cast<char16_t>(i));  // '0'..: after blank and punctuation
    else if (b.unicode() < u'0')
      anahtar += b;                                        // blank and punctuation first
    else
      anahtar += QChar(0x100 + b.unicode());               // anything else after the alphabet
  }
  return anahtar;
}
