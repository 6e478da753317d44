#pragma once
// The background load of a list page, shared by the pages' loaders:
//   main thread: busy picture on, the page's control disabled, the grid held in an update and
//                (where the page says so) detached from its data set;
//   worker:      a clone of the connection opened silently, the call through a proxy filling
//                the page's data set with its controls off, float fields formatted;
//   main thread: the grid re-attached and released, control enabled, busy picture off, the
//                page's counter written, and on failure the connection message.

#include <QString>
#include <functional>

class QObject;
class QWidget;
class TClientDataSet;
class TMesgulGosterge;
class TSQLConnection;
class TServerMethods1Client;
class TVeriIzgarasi;

struct TSayfaYuklemesi {
  TVeriIzgarasi* izgara = nullptr;    // held in an update while loading (may be null)
  bool izgaraAyir = true;             // detach the grid from its data set while loading
  QWidget* kilitli = nullptr;         // disabled while loading: the grid or the search box
  TMesgulGosterge* mesgul = nullptr;  // the page's busy animation
  TClientDataSet* veri = nullptr;     // filled on the worker
  // The server call on the worker: loads its result into the data set. May throw.
  std::function<void(TServerMethods1Client&, TClientDataSet&)> cagri;
  bool hataBasarisizlik = true;       // an error of the call counts as failure (else it is ignored)
  // On the main thread after the load: the loaded record count and whether it succeeded.
  std::function<void(int kayitSayisi, bool basarili)> bitti;
};

// Starts the load; returns at once. sahip guards the continuation (skipped when it is gone).
void SayfaYukle(QObject* sahip, const TSQLConnection& bagc, TSayfaYuklemesi y);
