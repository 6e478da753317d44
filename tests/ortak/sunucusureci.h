#pragma once
// For end-to-end tests: starts the built dravik-server with a fresh temporary database on
// ephemeral loopback ports, learns the ports from its "DINLIYOR" line, offers the admin
// requests (faults, call log, notifications) and ends the process with the object.

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class TSQLConnection;

class TSunucuSureci {
 public:
  // ekArgumanlar: further server options, e.g. {"--stoklar", "500"}; a "--db PATH" given here
  // replaces the temporary database (for a restart on the same file).
  explicit TSunucuSureci(QStringList ekArgumanlar = {});
  ~TSunucuSureci();
  TSunucuSureci(const TSunucuSureci&) = delete;
  TSunucuSureci& operator=(const TSunucuSureci&) = delete;

  bool Baslat(int beklemeMs = 120000);  // false with Hata() when the server did not come up
  void Durdur();                        // ends the server (also done by the destructor)
  void Oldur();                         // SIGKILL at once, as a crash or power cut would
  QString Hata() const { return hata_; }

  QString Host() const { return QStringLiteral("127.0.0.1"); }
  int Port() const { return port_; }
  int WebPort() const { return webPort_; }
  QString Adres() const;     // "http://127.0.0.1:<port>/"
  QString WebAdres() const;  // "http://127.0.0.1:<web port>/"
  QString VeritabaniYolu() const;
  static QString SunucuProgrami();  // path of the built dravik-server

  // Points a connection at this server (HostName, Port).
  void Ayarla(TSQLConnection& baglanti) const;

  // Admin requests; true when the server accepted them.
  bool HataKur(const QString& yontem, const QString& tur, int ms = 0, const QString& mesaj = {}, int kez = 1);
  bool HatalariTemizle();
  QList<QJsonObject> Cagrilar();  // the call log, oldest first
  bool CagrilariTemizle();
  int Bildir(const QJsonValue& mesaj, const QString& kanal = QStringLiteral("Kolmaren"));  // listeners reached, -1 on error
  int DinleyiciSayisi(const QString& kanal = QStringLiteral("Kolmaren"));

  // Plain HTTP on the server's two ports; durum gets the HTTP status (0: no answer).
  QByteArray Istek(const QByteArray& yontem, const QString& adres, const QByteArray& govde = {}, int* durum = nullptr) const;
  QByteArray Get(const QString& yol, int* durum = nullptr) const { return Istek("GET", Adres() + yol, {}, durum); }
  QByteArray WebGet(const QString& yol, int* durum = nullptr) const { return Istek("GET", WebAdres() + yol, {}, durum); }

 private:
  QStringList ekler_;
  QTemporaryDir dizin_;
  std::unique_ptr<QProcess> surec_;
  int port_ = 0;
  int webPort_ = 0;
  QString hata_;
};
