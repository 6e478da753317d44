#include "desk/webguncelle.h"

#include <QWebEnginePage>
#include <QRegularExpression>
#include <QWebEngineProfile>

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
