// Table results of the content methods and the few SQLite helpers they share.

#include <sqlite3.h>

#include "icerik.h"
#include "yontem.h"

int IcerikTablo::Sutun(const QString& ad) const {
  for (std::size_t i = 0; i < sutunlar.size(); ++i)
    if (sutunlar[i].ad == ad) return int(i);
  return -1;
}

QVariant IcerikTablo::Deger(int satir, const QString& ad) const {
  const int s = Sutun(ad);
  if (s < 0 || satir < 0 || std::size_t(satir) >= satirlar.size()) return {};
  return satirlar[std::size_t(satir)][std::size_t(s)];
}

QStringList IcerikTablo::Adlar() const {
  QStringList l;
  for (const auto& s : sutunlar) l << s.ad;
  return l;
}

namespace {

class Hazir {
 public:
  Hazir(sqlite3* db, const QString& sql, const QVariantList& baglar) : db_(db) {
    const QByteArray u = sql.toUtf8();
    if (sqlite3_prepare_v2(db, u.constData(), int(u.size()), &st_, nullptr) != SQLITE_OK) Hata();
    for (int i = 0; i < baglar.size(); ++i) {
      const QVariant& v = baglar[i];
      int r = SQLITE_OK;
      switch (v.typeId()) {
        case QMetaType::UnknownType:
          r = sqlite3_bind_null(st_, i + 1);
          break;
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::Bool:
        case QMetaType::UInt:
          r = sqlite3_bind_int64(st_, i + 1, v.toLongLong());
          break;
        case QMetaType::Double:
          r = sqlite3_bind_double(st_, i + 1, v.toDouble());
          break;
        case QMetaType::QByteArray: {
          const QByteArray b = v.toByteArray();
          r = sqlite3_bind_blob(st_, i + 1, b.constData(), int(b.size()), SQLITE_TRANSIENT);
          break;
        }
        default: {
          const QByteArray t = v.toString().toUtf8();
          r = sqlite3_bind_text(st_, i + 1, t.constData(), int(t.size()), SQLITE_TRANSIENT);
        }
      }
      if (r != SQLITE_OK) Hata();
    }
  }
  ~Hazir() { sqlite3_finalize(st_); }
  Hazir(const Hazir&) = delete;
  Hazir& operator=(const Hazir&) = delete;

  bool Adim() {
    const int r = sqlite3_step(st_);
    if (r == SQLITE_ROW) return true;
    if (r != SQLITE_DONE) Hata();
    return false;
  }
  sqlite3_stmt* st_ = nullptr;

  [[noreturn]] void Hata() {
    throw YontemHatasi(QStringLiteral("Veritabanı hatası: %1").arg(QString::fromUtf8(sqlite3_errmsg(db_))));
  }

 private:
  sqlite3* db_;
};

QVariant Oku(sqlite3_stmt* st, int c, IcerikTur tur) {
  const bool bos = sqlite3_column_type(st, c) == SQLITE_NULL;
  switch (tur) {
    case IcerikTur::Int:
      return bos ? QVariant(0) : QVariant(int(sqlite3_column_int64(st, c)));
    case IcerikTur::Float:
    case IcerikTur::Tarih:
      return bos ? QVariant(0.0) : QVariant(sqlite3_column_double(st, c));
    case IcerikTur::Bool:
      return QVariant(!bos && sqlite3_column_int64(st, c) != 0);
    case IcerikTur::Text:
      break;
  }
  if (bos) return QVariant(QString());
  const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, c));
  return QVariant(QString::fromUtf8(p, sqlite3_column_bytes(st, c)));
}

}  // namespace

IcerikTablo IcerikSorgu(sqlite3* db, const QString& sql, std::vector<IcerikSutun> sutunlar,
                        const QVariantList& baglar) {
  Hazir h(db, sql, baglar);
  IcerikTablo t;
  t.sutunlar = std::move(sutunlar);
  const int n = std::min<int>(int(t.sutunlar.size()), sqlite3_column_count(h.st_));
  while (h.Adim()) {
    std::vector<QVariant> satir(t.sutunlar.size());
    for (int c = 0; c < n; ++c) satir[std::size_t(c)] = Oku(h.st_, c, t.sutunlar[std::size_t(c)].tur);
    t.satirlar.push_back(std::move(satir));
  }
  return t;
}

void IcerikCalistir(sqlite3* db, const QString& sql, const QVariantList& baglar) {
  Hazir h(db, sql, baglar);
  while (h.Adim()) {
  }
}

QVariant IcerikDeger(sqlite3* db, const QString& sql, const QVariantList& baglar, const QVariant& bos) {
  Hazir h(db, sql, baglar);
  if (!h.Adim() || sqlite3_column_type(h.st_, 0) == SQLITE_NULL) return bos;
  switch (sqlite3_column_type(h.st_, 0)) {
    case SQLITE_INTEGER: return QVariant(qint64(sqlite3_column_int64(h.st_, 0)));
    case SQLITE_FLOAT: return QVariant(sqlite3_column_double(h.st_, 0));
    case SQLITE_BLOB:
      return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(h.st_, 0)),
                                 sqlite3_column_bytes(h.st_, 0)));
    default:
      return QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(h.st_, 0)),
                                        sqlite3_column_bytes(h.st_, 0)));
  }
}

bool IcerikTabloVar(sqlite3* db, const char* ad) {
  return IcerikDeger(db, QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type='table' AND name=?"),
                     {QString::fromLatin1(ad)}, 0)
             .toLongLong() > 0;
}
