#pragma once
// Embedded browser control that can present a user-agent text of its own to the pages it
// loads. With an empty text (the state after construction) it behaves as the plain browser.
//
// Each control has a private, off-the-record browsing profile, so its user-agent text does
// not leak into other browser controls of the program.

#include <QString>
#include <QWebEngineView>

class QWebEngineProfile;

class TWebBrowser : public QWebEngineView {
  Q_OBJECT
 public:
  explicit TWebBrowser(QWidget* parent = nullptr);
  ~TWebBrowser() override;

  const QString& UserAgent() const { return FUserAgent; }
  // Stores the text and makes the browser use it from the next request on; the empty text
  // brings back the engine's own user agent.
  void SetUserAgent(const QString& metin);
  // The user agent the engine itself sends.
  QString VarsayilanUserAgent() const { return varsayilan_; }
  QWebEngineProfile* Profil() const { return profil_; }

  // Whether the browser engine can start in this process. Run as root, the engine needs its
  // sandbox switched off by the user (QTWEBENGINE_DISABLE_SANDBOX=1 or --no-sandbox); without
  // that it would end the whole program, so the windows ask first and show `neden` instead.
  static bool Kullanilabilir(QString* neden = nullptr);
  static bool Kullanilabilir(bool kok, const QByteArray& sandboxKapali,
                             const QByteArray& chromiumBayraklari, const QStringList& argumanlar,
                             QString* neden = nullptr);

 private:
  QString FUserAgent;
  QString varsayilan_;
  QWebEngineProfile* profil_;
};
