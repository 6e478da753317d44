#include "veritabani.h"
#include "yontem.h"
// (to be written) schema, demo data and commerce methods
void VeritabaniKur(sqlite3*, const VeriAyarlari&) {}
QByteArray StokResmi(sqlite3*, int) { return {}; }
void TicaretYontemleriniKaydet(YontemTablosu&) {}
