#include "session/utils.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMutex>
#include <QThread>
#include <QUrl>
#include <cstdio>

#include "platform/core/veriseti.h"
#include "platform/rpc/dsbaglanti.h"

double IskontoDus(double tutar, double yuzde) {
  if (yuzde > 0) return tutar - tutar * yuzde / 100;
  return tutar;
}

// ---------------------------------------------------------------- message box

namespace {

QMutex mesajKilidi;
MesajGosterici& Gosterici() {
  static MesajGosterici g;
  return g;
}

QMutex beklemeKilidi;
std::function<void(int)>& Bekleme() {
  static std::function<void(int)> b;
  return b;
}

constexpr TMsgDlgBtn tumDugmeler[] = {mbYes,   mbNo,     mbOK,       mbCancel,  mbAbort,
                                      mbRetry, mbIgnore, mbYesToAll, mbNoToAll, mbHelp};

}  // namespace

QList<TMsgDlgBtn> Dugmeler(TMsgDlgButtons butonlar) {
  QList<TMsgDlgBtn> l;
  for (TMsgDlgBtn b : tumDugmeler)
    if (butonlar.Icerir(b)) l << b;
  return l;
}

int DugmeSonucu(TMsgDlgBtn b) {
  switch (b) {
    case mbYes: return mrYes;
    case mbNo: return mrNo;
    case mbOK: return mrOk;
    case mbCancel: return mrCancel;
    case mbAbort: return mrAbort;
    case mbRetry: return mrRetry;
    case mbIgnore: return mrIgnore;
    case mbYesToAll: return mrYesToAll;
    case mbNoToAll: return mrNoToAll;
    case mbHelp: return mrHelp;
  }
  return mrNone;
}

QString DugmeBasligi(TMsgDlgBtn b) {
  switch (b) {
    case mbYes: return QStringLiteral("Evet");
    case mbNo: return QStringLiteral("Hayır");
    case mbOK: return QStringLiteral("Tamam");
    case mbCancel: return QStringLiteral("Vazgeç");
    case mbAbort: return QStringLiteral("İptal");
    case mbRetry: return QStringLiteral("Tekrar");
    case mbIgnore: return QStringLiteral("Atla");
    case mbYesToAll: return QStringLiteral("Tümüne Evet");
    case mbNoToAll: return QStringLiteral("Tümüne Hayır");
    case mbHelp: return QStringLiteral("Yardım");
  }
  return {};
}

QString MesajBasligi(int tur) {
  switch (tur) {
    case mtUyari: return QStringLiteral("Uyarı");
    case mtHata: return QStringLiteral("Hata");
    case mtBilgi: return QStringLiteral("Bilgi");
    case mtSoru: return QStringLiteral("Soru");
    default: return {};
  }
}

void MesajGostericiKur(MesajGosterici gosterici) {
  QMutexLocker kilit(&mesajKilidi);
  Gosterici() = std::move(gosterici);
}

MesajGosterici MesajGostericiAl() {
  QMutexLocker kilit(&mesajKilidi);
  return Gosterici();
}

int MesajGoster(const QString& metin, int tur, TMsgDlgButtons butonlar, TMsgDlgBtn varsayilan) {
  const MesajIstegi istek{metin, tur, butonlar, varsayilan};
  const MesajGosterici g = MesajGostericiAl();
  QCoreApplication* uyg = QCoreApplication::instance();
  if (!g || !uyg) {
    const QString baslik = MesajBasligi(tur);
    std::fprintf(stderr, "%s%s%s\n", qUtf8Printable(baslik), baslik.isEmpty() ? "" : ": ", qUtf8Printable(metin));
    return DugmeSonucu(varsayilan);
  }
  if (QThread::currentThread() == uyg->thread()) return g(istek);
  // From a worker: the box is shown by the main thread while this thread waits.
  int sonuc = DugmeSonucu(varsayilan);
  QMetaObject::invokeMethod(uyg, [&] { sonuc = g(istek); }, Qt::BlockingQueuedConnection);
  return sonuc;
}

// ---------------------------------------------------------------- connection opener

void BaglantiAcBeklemeKur(std::function<void(int ms)> bekle) {
  QMutexLocker kilit(&beklemeKilidi);
  Bekleme() = std::move(bekle);
}

bool BaglantiAc(TSQLConnection& con, int bildir) {
  std::function<void(int)> bekle;
  {
    QMutexLocker kilit(&beklemeKilidi);
    bekle = Bekleme();
  }
  if (!bekle) bekle = [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); };

  con.Close();
  for (int deneme = 1; deneme <= BaglantiAcDenemeSayisi; ++deneme) {
    try {
      con.Open();
      if (con.Connected()) break;
    } catch (...) {
      // the next attempt follows; the last error is not shown
    }
    con.Close();
    // No pause after the last attempt: nothing follows it.
    if (deneme < BaglantiAcDenemeSayisi) bekle(BaglantiAcBeklemeMs);
  }
  const bool acik = con.Connected();
  if (!acik && bildir == 1) MesajGoster(QString::fromUtf8(BaglantiKurulamiyorMetni), mtHata, {mbOK}, mbOK);
  return acik;
}

// ---------------------------------------------------------------- data-set helpers

bool VeriVarmi(TClientDataSet* ds) { return ds && ds->Active() && ds->RecordCount() != 0; }

bool SeciliVarmi(TClientDataSet* ds) {
  if (!VeriVarmi(ds)) return false;
  TField* sec = ds->FindField(QStringLiteral("SEC"));
  ds->First();
  while (!ds->Eof()) {
    if (sec && !sec->IsNull() && sec->AsFloat() == 1.0) return true;
    ds->Next();
  }
  return false;
}

void FloatAlanBicimle(TClientDataSet* ds) {
  if (!ds) return;
  for (int i = 0; i < ds->FieldCount(); ++i) {
    TField* f = ds->Fields(i);
    if (f && f->DataType() == TFieldType::ftFloat) f->SetDisplayFormat(QStringLiteral("#,###,##0.00"));
  }
}

// ---------------------------------------------------------------- text and files

QString UrlKodla(const QString& metin) { return QString::fromLatin1(QUrl::toPercentEncoding(metin)); }

QStringList ChromeAdaylari() {
#ifdef Q_OS_WIN
  return {QStringLiteral("C:\\Program Files (x86)\\Google\\Chrome\\Application\\chrome.exe"),
          QStringLiteral("C:\\Program Files (x86)\\Google\\Application\\chrome.exe"),
          QStringLiteral("C:\\Program Files\\Google\\Chrome\\Application\\chrome.exe"),
          QStringLiteral("C:\\Program Files\\Google\\Chrome\\chrome.exe"),
          QStringLiteral("C:\\Users\\") + KullaniciAdiAl() +
              QStringLiteral("\\AppData\\Local\\Google\\Chrome\\Application\\chrome.exe")};
#else
  return {QStringLiteral("/usr/bin/google-chrome"), QStringLiteral("/usr/bin/google-chrome-stable"),
          QStringLiteral("/usr/bin/chromium"),      QStringLiteral("/usr/bin/chromium-browser"),
          QStringLiteral("/snap/bin/chromium"),     QStringLiteral("/opt/google/chrome/chrome")};
#endif
}

QString IlkVarOlanDosya(const QStringList& adaylar) {
  for (const QString& yol : adaylar)
    if (QFileInfo(yol).isFile()) return yol;
  return {};
}

QString ChromeYoluBul() { return IlkVarOlanDosya(ChromeAdaylari()); }
