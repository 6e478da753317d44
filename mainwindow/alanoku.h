#pragma once
// Reading a field of a data set's current record by name, with an empty value where the field is
// absent or null (the server decides which columns a list carries).

#include "platform/core/veriseti.h"

namespace alanoku {

inline QString Metin(TClientDataSet* ds, const char* alan) {
  TField* f = ds->FindField(QLatin1String(alan));
  return f ? f->AsString() : QString();
}
inline double Sayi(TClientDataSet* ds, const char* alan) {
  TField* f = ds->FindField(QLatin1String(alan));
  return f && !f->IsNull() ? f->AsFloat() : 0.0;
}
inline int Tamsayi(TClientDataSet* ds, const char* alan) {
  TField* f = ds->FindField(QLatin1String(alan));
  return f && !f->IsNull() ? f->AsInteger() : 0;
}

}  // namespace alanoku
