#include "veritabani.h"
#include "yontem.h"
// (to be written) content, documents, seller side
void IcerikVerisiKur(sqlite3*, const VeriAyarlari&) {}
void IcerikYontemleriniKaydet(YontemTablosu&) {}
