#pragma once
// Connection to the application server: the settings the program sets on it, open/close,
// clone, and the blocking call that the proxy makes through it.
// One thread at a time uses a connection; a worker uses its own clone.

#include <QByteArray>
#include <QMap>
#include <QString>
#include <memory>
#include <stdexcept>

// An error of a remote call: the server refused or failed the call (its message text),
// the connection broke, or the answer could not be read.
class EDSHatasi : public std::runtime_error {
 public:
  explicit EDSHatasi(const QString& mesaj, const char* tur = "TDBXError")
      : std::runtime_error(mesaj.toStdString()), tur_(tur) {}
  QString Mesaj() const { return QString::fromStdString(what()); }
  const char* TurAdi() const { return tur_; }  // type name shown by handlers that print "type: text"
 private:
  const char* tur_;
};

class TSQLConnection {
 public:
  TSQLConnection();
  ~TSQLConnection();
  TSQLConnection(const TSQLConnection&) = delete;
  TSQLConnection& operator=(const TSQLConnection&) = delete;

  // Settings (defaults as the program sets them).
  QString ConnectionName = QStringLiteral("DataSnapCONNECTION");
  QString DriverName = QStringLiteral("DataSnap");
  bool LoginPrompt = false;
  // "CommunicationProtocol" "tcp/ip", "HostName", "Port" "9090", "DatasnapContext" "datasnap/", "Filters" "{}"
  QMap<QString, QString> Params;
  int ConnectTimeoutMs = 5000;
  int ReadTimeoutMs = 60000;

  void Open();   // throws EDSHatasi when the server cannot be reached
  void Close();  // never throws
  bool Connected() const;

  // A new connection object with the same driver and settings, closed.
  std::unique_ptr<TSQLConnection> Clone() const;

  // One remote call: POST of the input parameters (a JSON array text) to the method;
  // returns the whole answer body. Throws EDSHatasi with the server's message on failure.
  // The connection must be open.
  QByteArray Cagir(const QString& yontem, const QByteArray& girdilerJson);

  // The underlying connection the proxy is created on (this object itself).
  TSQLConnection* DBXConnection() { return this; }

  // Plain GET on the server's port (used by the notification channel and tests).
  QString TemelAdres() const;  // "http://host:port/" + context

 private:
  struct Impl;
  std::unique_ptr<Impl> d;
};
