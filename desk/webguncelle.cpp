#include "desk/webguncelle.h"

#include <QCoreApplication>
#include <QWebEnginePage>
#include <QRegularExpression>
#include <QWebEngineProfile>
#include <unistd.h>

TWebBrowser::TWebBrowser(QWidget* parent)
    : QWebEngineView(parent), profil_(new QWebEngineProfile(this)) {
  varsayilan_ = profil_->httpUserAgent();
  setPage(new QWebEnginePage(profil_, this));
  FUserAgent.clear();
}

TWebBrowser::~TWebBrowser() {
  // The page must go before its profile.
  QWebEnginePage* sayfa = page();
  setPage(nullptr);
  delete sayfa;
}

void TWebBrowser::SetUserAgent(const QString& metin) {
  FUserAgent = metin;
  // Line breaks in a header value would be unsafe; they end the text.
  QString temiz = metin;
  const qsizetype kir = temiz.indexOf(QRegularExpression(QStringLiteral("[\\r\\n]")));
  if (kir >= 0) temiz.truncate(kir);
  profil_->setHttpUserAgent(temiz.isEmpty() ? varsayilan_ : temiz);
}

bool TWebBrowser::Kullanilabilir(bool kok, const QByteArray& sandboxKapali,
                                 const QByteArray& chromiumBayraklari,
                                 const QStringList& argumanlar, QString* neden) {
  if (!kok) return true;
  const bool kapali = (!sandboxKapali.isEmpty() && sandboxKapali != "0") ||
                      chromiumBayraklari.contains("--no-sandbox") ||
                      argumanlar.contains(QStringLiteral("--no-sandbox"));
  if (!kapali && neden) {
    *neden = QStringLiteral(
        "Tarayıcı açılamıyor: program yönetici (root) hesabıyla çalışıyor.\n"
        "QTWEBENGINE_DISABLE_SANDBOX=1 ortam değişkenini ayarlayıp programı yeniden başlatın.");
  }
  return kapali;
}

bool TWebBrowser::Kullanilabilir(QString* neden) {
  const QStringList argumanlar =
      QCoreApplication::instance() ? QCoreApplication::arguments() : QStringList();
  return Kullanilabilir(::geteuid() == 0, qgetenv("QTWEBENGINE_DISABLE_SANDBOX"),
                        qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"), argumanlar, neden);
}
