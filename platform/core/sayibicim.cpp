#include "platform/core/sayibicim.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <string>

TFormatSettings TFormatSettings::Turkce() { return {QLatin1Char(','), QLatin1Char('.')}; }
TFormatSettings TFormatSettings::Ingilizce() { return {QLatin1Char('.'), QLatin1Char(',')}; }

namespace {

TFormatSettings& Ayarlar() {
  static TFormatSettings a = SistemBicimAyarlari();
  return a;
}

// A finite value as at most 15 significant decimal digits: |v| = 0.D x 10^us, D without
// trailing zeros ("" for zero).
struct Ondalik {
  std::string rakam;
  int us = 0;
  bool negatif = false;

  bool Sifir() const { return rakam.empty(); }

  // Keeps `ondalik` digits after the point, halves away from zero.
  void Yuvarla(int ondalik) {
    const long kes = static_cast<long>(us) + ondalik;  // digits kept
    if (kes >= static_cast<long>(rakam.size())) return;
    if (kes < 0) {
      rakam.clear();
      return;
    }
    const bool yukari = rakam[static_cast<std::size_t>(kes)] >= '5';
    rakam.resize(static_cast<std::size_t>(kes));
    if (yukari) {
      long i = kes - 1;
      while (i >= 0 && rakam[static_cast<std::size_t>(i)] == '9') {
        rakam[static_cast<std::size_t>(i)] = '0';
        --i;
      }
      if (i >= 0) {
        ++rakam[static_cast<std::size_t>(i)];
      } else {
        rakam.insert(rakam.begin(), '1');
        ++us;
      }
    }
    while (!rakam.empty() && rakam.back() == '0') rakam.pop_back();
    if (rakam.empty()) us = 0;
  }

  // Digits of the integer part ("" when below 1).
  std::string Tam() const {
    std::string t;
    for (int i = 0; i < us; ++i)
      t += i < static_cast<int>(rakam.size()) ? rakam[static_cast<std::size_t>(i)] : '0';
    return t;
  }
  // The i-th digit after the point.
  char Kesir(int i) const {
    long k = static_cast<long>(us) + i;
    if (k < 0 || k >= static_cast<long>(rakam.size())) return '0';
    return rakam[static_cast<std::size_t>(k)];
  }
};

Ondalik Ayristir(double v) {
  Ondalik o;
  o.negatif = std::signbit(v);
  if (v == 0.0) return o;
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 14);
  std::string_view s(buf, static_cast<std::size_t>(r.ptr - buf));  // d.ddddddddddddddde[+-]xx
  std::size_t e = s.find('e');
  for (std::size_t i = 0; i < e; ++i)
    if (s[i] != '.') o.rakam += s[i];
  int us = 0;
  std::string_view ust = s.substr(e + 1);
  if (!ust.empty() && ust[0] == '+') ust.remove_prefix(1);
  std::from_chars(ust.data(), ust.data() + ust.size(), us);
  o.us = us + 1;
  while (!o.rakam.empty() && o.rakam.back() == '0') o.rakam.pop_back();
  return o;
}

QString SonluOlmayan(double v) {
  if (std::isnan(v)) return QStringLiteral("NAN");
  return v < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

// One section of a display pattern.
struct Bolum {
  QString once, sonra;  // literal text before and after the number
  int tamYer = 0;       // placeholders of the integer part
  int enAzTam = 0;      // forced integer digits
  bool grup = false;
  bool nokta = false;
  int kesirYer = 0;     // placeholders after the point
  int enAzKesir = 0;    // forced decimals
  bool yerVar = false;  // any digit placeholder at all
};

Bolum BolumCoz(const QString& desen) {
  Bolum b;
  int ilkSifir = -1;  // placeholder index of the first '0' in the integer part
  QChar tirnak;
  for (QChar c : desen) {
    if (!tirnak.isNull()) {
      if (c == tirnak) tirnak = QChar();
      else (b.yerVar ? b.sonra : b.once) += c;
      continue;
    }
    switch (c.unicode()) {
      case '"':
      case '\'': tirnak = c; break;
      case '0':
      case '#':
        b.yerVar = true;
        if (b.nokta) {
          ++b.kesirYer;
          if (c == QLatin1Char('0')) b.enAzKesir = b.kesirYer;
        } else {
          if (c == QLatin1Char('0') && ilkSifir < 0) ilkSifir = b.tamYer;
          ++b.tamYer;
        }
        break;
      case '.':
        if (!b.nokta) {
          b.nokta = true;
          b.yerVar = true;
        } else {
          (b.yerVar ? b.sonra : b.once) += c;
        }
        break;
      case ',':
        if (!b.nokta) b.grup = true;
        else b.sonra += c;
        break;
      default: (b.yerVar ? b.sonra : b.once) += c; break;
    }
  }
  if (ilkSifir >= 0) b.enAzTam = b.tamYer - ilkSifir;
  return b;
}

QStringList Bolumler(const QString& desen) {
  QStringList l;
  QString cur;
  QChar tirnak;
  for (QChar c : desen) {
    if (!tirnak.isNull()) {
      if (c == tirnak) tirnak = QChar();
    } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
      tirnak = c;
    } else if (c == QLatin1Char(';')) {
      l << cur;
      cur.clear();
      continue;
    }
    cur += c;
  }
  l << cur;
  return l;
}

QString Grupla(const std::string& tam, QChar ayirici) {
  QString s;
  s.reserve(static_cast<qsizetype>(tam.size() + tam.size() / 3));
  for (std::size_t i = 0; i < tam.size(); ++i) {
    if (i > 0 && (tam.size() - i) % 3 == 0) s += ayirici;
    s += QLatin1Char(tam[i]);
  }
  return s;
}

QString BolumYaz(const Bolum& b, const Ondalik& o, const TFormatSettings& a) {
  QString s = b.once;
  if (b.yerVar) {
    std::string tam = o.Tam();
    if (static_cast<int>(tam.size()) < b.enAzTam) tam.insert(0, static_cast<std::size_t>(b.enAzTam) - tam.size(), '0');
    s += b.grup ? Grupla(tam, a.ThousandSeparator) : QString::fromLatin1(tam.data(), static_cast<qsizetype>(tam.size()));
    int kesir = b.enAzKesir;
    for (int i = b.enAzKesir; i < b.kesirYer; ++i)
      if (o.Kesir(i) != '0') kesir = i + 1;
    if (kesir > 0) {
      s += a.DecimalSeparator;
      for (int i = 0; i < kesir; ++i) s += QLatin1Char(o.Kesir(i));
    }
  }
  s += b.sonra;
  return s;
}

}  // namespace

TFormatSettings SistemBicimAyarlari() {
  QLocale sys = QLocale::system();
  if (sys.language() == QLocale::C) return TFormatSettings::Turkce();
  QString ond = sys.decimalPoint();
  QString grp = sys.groupSeparator();
  if (ond.isEmpty()) return TFormatSettings::Turkce();
  return {ond.at(0), grp.isEmpty() ? QChar() : grp.at(0)};
}

const TFormatSettings& BicimAyarlari() { return Ayarlar(); }
void BicimAyarlariKur(const TFormatSettings& ayarlar) { Ayarlar() = ayarlar; }

QString FormatFloat(const QString& desen, double v, const TFormatSettings& a) {
  if (!std::isfinite(v)) return SonluOlmayan(v);
  if (desen.isEmpty()) return FloatToStr(v, a);
  const QStringList bolumler = Bolumler(desen);
  const bool negatif = v < 0;
  int secilen = 0;
  if (negatif && bolumler.size() > 1 && !bolumler[1].isEmpty()) secilen = 1;
  if (v == 0 && bolumler.size() > 2 && !bolumler[2].isEmpty()) secilen = 2;
  Bolum b = BolumCoz(bolumler[secilen]);
  Ondalik o = Ayristir(v);
  o.Yuvarla(b.kesirYer);
  if (o.Sifir() && secilen != 2) {
    // rounded to zero: the zero section when there is one, never a minus sign
    if (bolumler.size() > 2 && !bolumler[2].isEmpty()) return BolumYaz(BolumCoz(bolumler[2]), o, a);
    if (secilen == 1) b = BolumCoz(bolumler[0]);
    return BolumYaz(b, o, a);
  }
  QString s = BolumYaz(b, o, a);
  if (negatif && secilen == 0) s.prepend(QLatin1Char('-'));
  return s;
}

QString FloatToStr(double v, const TFormatSettings& a) {
  if (!std::isfinite(v)) return SonluOlmayan(v);
  Ondalik o = Ayristir(v);
  if (o.Sifir()) return QStringLiteral("0");
  QString s;
  if (o.negatif) s += QLatin1Char('-');
  const int n = static_cast<int>(o.rakam.size());
  if (o.us > 15 || o.us < -3) {
    s += QLatin1Char(o.rakam[0]);
    if (n > 1) {
      s += a.DecimalSeparator;
      s += QString::fromLatin1(o.rakam.data() + 1, n - 1);
    }
    s += QLatin1Char('E');
    s += QString::number(o.us - 1);
    return s;
  }
  std::string tam = o.Tam();
  s += tam.empty() ? QStringLiteral("0") : QString::fromLatin1(tam.data(), static_cast<qsizetype>(tam.size()));
  const int kesir = n - o.us;
  if (kesir > 0) {
    s += a.DecimalSeparator;
    for (int i = 0; i < kesir; ++i) s += QLatin1Char(o.Kesir(i));
  }
  return s;
}

QString FormatF(double v, int ondalik, const TFormatSettings& a) {
  if (!std::isfinite(v)) return SonluOlmayan(v);
  if (ondalik < 0) ondalik = 0;
  if (ondalik > 18) ondalik = 18;
  Ondalik o = Ayristir(v);
  o.Yuvarla(ondalik);
  QString s;
  if (o.negatif && !o.Sifir()) s += QLatin1Char('-');
  std::string tam = o.Tam();
  s += tam.empty() ? QStringLiteral("0") : QString::fromLatin1(tam.data(), static_cast<qsizetype>(tam.size()));
  if (ondalik > 0) {
    s += a.DecimalSeparator;
    for (int i = 0; i < ondalik; ++i) s += QLatin1Char(o.Kesir(i));
  }
  return s;
}

bool TryStrToFloat(const QString& metin, double& sonuc, const TFormatSettings& a) {
  const QString t = metin.trimmed();
  std::string tam, kesir, ust;
  bool eksi = false, ustEksi = false;
  int i = 0;
  const int n = static_cast<int>(t.size());
  if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) eksi = t[i++] == QLatin1Char('-');
  while (i < n && t[i] >= QLatin1Char('0') && t[i] <= QLatin1Char('9')) tam += static_cast<char>(t[i++].unicode());
  if (i < n && t[i] == a.DecimalSeparator) {
    ++i;
    while (i < n && t[i] >= QLatin1Char('0') && t[i] <= QLatin1Char('9')) kesir += static_cast<char>(t[i++].unicode());
  }
  if (tam.empty() && kesir.empty()) return false;
  if (i < n && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
    ++i;
    if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) ustEksi = t[i++] == QLatin1Char('-');
    while (i < n && t[i] >= QLatin1Char('0') && t[i] <= QLatin1Char('9')) ust += static_cast<char>(t[i++].unicode());
    if (ust.empty()) return false;
  }
  if (i != n) return false;
  std::string s = (tam.empty() ? std::string("0") : tam) + "." + (kesir.empty() ? std::string("0") : kesir);
  if (!ust.empty()) s += std::string("e") + (ustEksi ? "-" : "") + ust;
  double d = 0;
  auto r = std::from_chars(s.data(), s.data() + s.size(), d);
  if (r.ec == std::errc::result_out_of_range) {
    // too small reads as zero; too large is not a number we can hold
    std::size_t ilk = tam.find_first_not_of('0');
    long buyukluk = ilk == std::string::npos ? -static_cast<long>(kesir.find_first_not_of('0'))
                                             : static_cast<long>(tam.size() - ilk);
    if (kesir.find_first_not_of('0') == std::string::npos && ilk == std::string::npos) buyukluk = 0;
    long us = 0;
    std::from_chars(ust.data(), ust.data() + ust.size(), us);
    if (ust.size() > 9) us = 1000000000L;
    if (buyukluk + (ustEksi ? -us : us) > 0) return false;
    d = 0.0;
  } else if (r.ec != std::errc() || r.ptr != s.data() + s.size()) {
    return false;
  }
  sonuc = eksi ? -d : d;
  return true;
}

double StrToFloat(const QString& metin, const TFormatSettings& a) {
  double d = 0;
  if (!TryStrToFloat(metin, d, a))
    throw EDonusumHatasi(QStringLiteral("'%1' geçerli bir sayı değil").arg(metin).toStdString());
  return d;
}

double IkiHaneYuvarla(double x) {
  if (!std::isfinite(x)) return x;
  const TFormatSettings& a = BicimAyarlari();
  QString s = FormatFloat(QStringLiteral("#,###,##.00"), x, a);
  s.remove(a.ThousandSeparator);
  return StrToFloat(s, a);
}
