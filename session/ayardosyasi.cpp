#include "session/ayardosyasi.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
bool Esit(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }
}  // namespace

TAyarDosyasi::TAyarDosyasi(QString yol) : yol_(std::move(yol)) {}

bool TAyarDosyasi::Varmi() const { return QFileInfo(yol_).isFile(); }

bool TAyarDosyasi::Oku() {
  bolumler_.clear();
  QFile f(yol_);
  if (!f.open(QIODevice::ReadOnly)) return false;
  // Settings files are tiny; a huge file is not ours, read only its beginning.
  MetniYukle(f.read(1 << 20));
  return true;
}

void TAyarDosyasi::MetniYukle(const QByteArray& veriHam) {
  bolumler_.clear();
  QByteArray veri = veriHam;
  if (veri.startsWith("\xEF\xBB\xBF")) veri.remove(0, 3);
  veri.replace('\0', ' ');
  const QString metin = QString::fromUtf8(veri);
  bolumler_.push_back(Bolum{});
  for (QString satir : metin.split(QLatin1Char('\n'))) {
    if (satir.endsWith(QLatin1Char('\r'))) satir.chop(1);
    const QString kirpik = satir.trimmed();
    if (kirpik.startsWith(QLatin1Char('['))) {
      const int son = kirpik.indexOf(QLatin1Char(']'));
      if (son > 0) {
        bolumler_.push_back(Bolum{kirpik.mid(1, son - 1).trimmed(), {}});
        continue;
      }
    }
    const int esit = satir.indexOf(QLatin1Char('='));
    if (esit > 0 && !kirpik.startsWith(QLatin1Char(';'))) {
      const QString anahtar = satir.left(esit).trimmed();
      if (!anahtar.isEmpty()) {
        bolumler_.back().satirlar.push_back(Satir{anahtar, satir.mid(esit + 1).trimmed(), satir});
        continue;
      }
    }
    bolumler_.back().satirlar.push_back(Satir{{}, {}, satir});
  }
  // Drop the trailing empty line that split() leaves after the final newline.
  auto& son = bolumler_.back().satirlar;
  if (!son.empty() && son.back().anahtar.isEmpty() && son.back().ham.isEmpty()) son.pop_back();
}

const TAyarDosyasi::Bolum* TAyarDosyasi::BolumBul(const QString& ad) const {
  for (const auto& b : bolumler_)
    if (!b.ad.isEmpty() && Esit(b.ad, ad)) return &b;
  return nullptr;
}

TAyarDosyasi::Bolum* TAyarDosyasi::BolumBul(const QString& ad) {
  return const_cast<Bolum*>(std::as_const(*this).BolumBul(ad));
}

const TAyarDosyasi::Satir* TAyarDosyasi::SatirBul(const QString& bolum, const QString& anahtar) const {
  const Bolum* b = BolumBul(bolum);
  if (!b) return nullptr;
  for (const auto& s : b->satirlar)
    if (!s.anahtar.isEmpty() && Esit(s.anahtar, anahtar)) return &s;
  return nullptr;
}

QString TAyarDosyasi::DegerOku(const QString& bolum, const QString& anahtar, const QString& varsayilan) const {
  const Satir* s = SatirBul(bolum, anahtar);
  return s ? s->deger : varsayilan;
}

int TAyarDosyasi::TamsayiOku(const QString& bolum, const QString& anahtar, int varsayilan) const {
  const Satir* s = SatirBul(bolum, anahtar);
  if (!s) return varsayilan;
  QString m = s->deger.trimmed();
  bool tamam = false;
  int sonuc = 0;
  if (m.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
    sonuc = m.mid(2).toInt(&tamam, 16);
  else if (m.startsWith(QLatin1Char('$')))
    sonuc = m.mid(1).toInt(&tamam, 16);
  else
    sonuc = m.toInt(&tamam, 10);
  return tamam ? sonuc : varsayilan;
}

bool TAyarDosyasi::MantiksalOku(const QString& bolum, const QString& anahtar, bool varsayilan) const {
  return TamsayiOku(bolum, anahtar, varsayilan ? 1 : 0) != 0;
}

void TAyarDosyasi::DegerYaz(const QString& bolum, const QString& anahtar, const QString& degerHam) {
  // A value is one line: line breaks would split the entry.
  QString deger = degerHam;
  deger.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
  if (bolumler_.empty()) bolumler_.push_back(Bolum{});
  Bolum* b = BolumBul(bolum);
  if (!b) {
    bolumler_.push_back(Bolum{bolum, {}});
    b = &bolumler_.back();
  }
  for (auto& s : b->satirlar) {
    if (!s.anahtar.isEmpty() && Esit(s.anahtar, anahtar)) {
      s.deger = deger;
      s.ham = s.anahtar + QLatin1Char('=') + deger;
      return;
    }
  }
  // New keys go after the section's last entry, before trailing blank lines.
  auto yer = b->satirlar.end();
  while (yer != b->satirlar.begin() && std::prev(yer)->anahtar.isEmpty() && std::prev(yer)->ham.trimmed().isEmpty())
    --yer;
  b->satirlar.insert(yer, Satir{anahtar, deger, anahtar + QLatin1Char('=') + deger});
}

void TAyarDosyasi::MantiksalYaz(const QString& bolum, const QString& anahtar, bool deger) {
  DegerYaz(bolum, anahtar, deger ? QStringLiteral("1") : QStringLiteral("0"));
}

QByteArray TAyarDosyasi::Metin() const {
  QString m;
  for (const auto& b : bolumler_) {
    if (!b.ad.isEmpty()) m += QLatin1Char('[') + b.ad + QLatin1String("]\r\n");
    for (const auto& s : b.satirlar) m += s.ham + QLatin1String("\r\n");
  }
  return m.toUtf8();
}

bool TAyarDosyasi::Kaydet(QString* hata) const {
  QSaveFile f(yol_);
  if (!f.open(QIODevice::WriteOnly)) {
    if (hata) *hata = f.errorString();
    return false;
  }
  f.write(Metin());
  if (!f.commit()) {
    if (hata) *hata = f.errorString();
    return false;
  }
  return true;
}
