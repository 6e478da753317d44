// The account statement and the documents behind its rows: invoice lines and totals,
// collections and the receipts of card payments taken through the virtual POS.

#include "icerik.h"
#include "yontem.h"

IcerikTablo CariEkstre(sqlite3* db, int carino) {
  using T = IcerikTur;
  IcerikTablo t = IcerikSorgu(
      db,
      QStringLiteral("SELECT CARINO, TARIH, TURADI, EVRAK, BORC, ALACAK, KUR, 0, ' ', IDNO, ACIKLAMA FROM ekstre "
                     "WHERE CARINO = ? ORDER BY TARIH, SIRANO"),
      {{"CARINO", T::Int}, {"TARIH", T::Tarih}, {"TURADI", T::Text, 50}, {"EVRAK", T::Text, 30},
       {"BORC", T::Float}, {"ALACAK", T::Float}, {"KUR", T::Text, 5}, {"BAKIYE", T::Float}, {"D", T::Text, 1},
       {"IDNO", T::Int}, {"ACIKLAMA", T::Text, 100}},
      {carino});
  // the running balance, in the order of the rows (the client recomputes it the same way)
  double bakiye = 0;
  for (auto& s : t.satirlar) {
    bakiye = IcerikYuvarla(bakiye + s[4].toDouble() - s[5].toDouble());
    s[7] = bakiye;
    s[8] = bakiye > 0 ? QStringLiteral("B") : bakiye < 0 ? QStringLiteral("A") : QStringLiteral(" ");
  }
  return t;
}

IcerikTablo FaturaSatirlari(sqlite3* db, int carino, int idno) {
  using T = IcerikTur;
  const std::vector<IcerikSutun> sutunlar = {
      {"OEMNO"}, {"STOKADI", T::Text, 100}, {"FINISHKOD"}, {"MARKA"}, {"MODEL"}, {"ANAGRUP"}, {"BIRIM", T::Text, 10},
      {"STOKHAR_MIKTAR", T::Float}, {"STOKHAR_TLBIRIMFIYATI", T::Float}, {"STOKHAR_TLTUTAR", T::Float},
      {"STOKHAR_INDIRIM1", T::Float}, {"STOKHAR_INDIRIM2", T::Float}, {"KDV", T::Float},
      {"STOKHAR_TOPLAMINDIRIM", T::Float}, {"STOKHAR_TOPLAMMASRAF", T::Float},
      {"STOKHAR_NETTLBIRIMFIYATI", T::Float}, {"STOKHAR_NETTLTUTAR", T::Float},
      // hidden, offered
      {"OZELKOD"}, {"BARKOD"}, {"STOKHAR_HAREKETTARIHI", T::Tarih}, {"STOKHAR_HAREKETTIPI2", T::Text, 50},
      {"EVRAKNO", T::Text, 30}, {"STOKHAR_TLVERGI", T::Float}, {"IRSALIYEEVRAKNO", T::Text, 30},
      {"STOKHAR_IRSTARIHI", T::Tarih}, {"SATIRACIKLMASI", T::Text, 100}, {"STOKHAR_SAAT", T::Text, 10},
      {"STOKHAR_VADE", T::Int}, {"SIPARISEVRAKNO", T::Text, 30}, {"SIPARISTARIHI", T::Tarih},
      {"IRSALIYETIP2", T::Text, 50},
      // hidden, not offered
      {"STOKHAR_INDIRIM3", T::Float}, {"STOKHAR_INDIRIM4", T::Float}, {"STOKHAR_INDIRIM5", T::Float},
      {"STOKHAR_INDIRIM6", T::Float}, {"STOKHAR_INDIRIM7", T::Float}, {"STOKHAR_INDIRIM8", T::Float},
      {"STOKHAR_DOVIZBIRIMFIYATI", T::Float}, {"STOKHAR_DOVIZVERGI", T::Float}, {"STOKHAR_DOVIZTUTAR", T::Float},
      {"STOKHAR_PARTI"}, {"STOKHAR_BEDEN"}, {"STOKHAR_RENK"}, {"STOKHAR_MASRAF1", T::Float},
      {"STOKHAR_MASRAF2", T::Float}, {"STOKHAR_DOVIZTOPLAMINDIRIM", T::Float},
      {"STOKHAR_DOVIZTOPLAMMASRAF", T::Float}, {"STOKHAR_NETDOVIZBIRIMFIYATI", T::Float},
      {"STOKHAR_NETDOVIZTUTAR", T::Float}, {"STOKHAR_KURTL", T::Float}, {"SIPARISTIPI"},
      {"IRSALIYETIPINO", T::Int}, {"STOKCARIKOD"}, {"SUBE_NO", T::Int}, {"STOKHAR_CARINO", T::Int},
      {"KUR_KURSIMGE", T::Text, 5}, {"SATICIADI"}, {"URETICIKODU"}, {"DPKOD"}, {"ENADI", T::Text, 100}, {"PKOD"},
      {"BELGENO"}, {"IDNO", T::Int}};
  return IcerikSorgu(
      db,
      QStringLiteral(
          "SELECT s.OEMNO, COALESCE(s.ADI, ''), s.FINISHKOD, s.MARKA, s.MODEL, s.ANAGRUP, COALESCE(s.BIRIM, 'ADET'), "
          "fs.MIKTAR, fs.BIRIMFIYAT, fs.TUTAR, fs.IND1, fs.IND2, fs.KDV, fs.INDIRIM, 0, "
          "CASE WHEN fs.MIKTAR <> 0 THEN ROUND(fs.NET / fs.MIKTAR, 2) ELSE 0 END, fs.NET, "
          "s.OZELKOD, s.BARKOD, f.TARIH, f.TURADI, f.EVRAKNO, fs.VERGI, f.IRSALIYEEVRAKNO, f.TARIH, fs.ACIKLAMA, "
          "f.SAAT, f.VADE, f.SIPARISEVRAKNO, f.SIPARISTARIHI, "
          "CASE WHEN f.TURADI LIKE '%İade%' THEN 'Satış İade İrsaliyesi' ELSE 'Satış İrsaliyesi' END, "
          "0, 0, 0, 0, 0, 0, 0, 0, 0, '', '', '', 0, 0, 0, 0, 0, 0, 1, 'Satış', 1, c.CARIKOD, 1, f.CARINO, 'TL', "
          "f.SATICIADI, s.URETICIKODU, s.DPKOD, s.ADI, s.PKOD, f.EVRAKNO, f.IDNO "
          "FROM faturasatirlari fs JOIN faturalar f ON f.IDNO = fs.IDNO "
          "LEFT JOIN stoklar s ON s.STOK_STOKNO = fs.STOKNO LEFT JOIN cariler c ON c.CARINO = f.CARINO "
          "WHERE fs.IDNO = ? AND f.CARINO = ? ORDER BY fs.SIRANO"),
      sutunlar, {idno, carino});
}

IcerikTablo FaturaAlt(sqlite3* db, int idno) {
  using T = IcerikTur;
  IcerikTablo t = IcerikSorgu(
      db,
      QStringLiteral("SELECT SUM(TUTAR), SUM(INDIRIM), SUM(NET), SUM(VERGI), SUM(NET + VERGI) FROM faturasatirlari "
                     "WHERE IDNO = ? HAVING COUNT(*) > 0"),
      {{"TOPLAM", T::Float}, {"TOPLAMINDIRIM", T::Float}, {"MATRAH", T::Float}, {"KDVTUTAR", T::Float},
       {"KDVDAHIL", T::Float}},
      {idno});
  for (auto& s : t.satirlar)
    for (auto& v : s) v = IcerikYuvarla(v.toDouble());
  return t;
}

IcerikTablo TahsilatSatirlari(sqlite3* db, int idno) {
  using T = IcerikTur;
  return IcerikSorgu(
      db,
      QStringLiteral("SELECT TARIH, TURU, CINS, VADE, TUTAR, ACIKLAMA, EVRAKNO, REF, SAAT, KUR, KURTL, DOVIZTUTAR "
                     "FROM tahsilatlar WHERE IDNO = ? ORDER BY SIRANO"),
      {{QStringLiteral("Tarih"), T::Tarih}, {QStringLiteral("Türü"), T::Text, 20}, {QStringLiteral("Cins"), T::Text, 20},
       {QStringLiteral("Vade"), T::Tarih}, {QStringLiteral("Tutar"), T::Float},
       {QStringLiteral("Açıklama"), T::Text, 100}, {QStringLiteral("EvrakNo"), T::Text, 30},
       {QStringLiteral("Ref"), T::Text, 30}, {QStringLiteral("Saat"), T::Text, 10}, {QStringLiteral("Kur"), T::Text, 5},
       {QStringLiteral("KurTL"), T::Float}, {QStringLiteral("Döviz Tutar"), T::Float}},
      {idno});
}

int SanalposSirano(sqlite3* db, int idno) {
  return int(IcerikDeger(db, QStringLiteral("SELECT SIRANO FROM sanalpos WHERE IDNO = ? ORDER BY SIRANO LIMIT 1"),
                         {idno}, 0)
                 .toLongLong());
}

QByteArray SanalPosPdf(sqlite3* db, int sirano) {
  const IcerikTablo t = IcerikSorgu(
      db,
      QStringLiteral("SELECT p.SIRANO, p.TARIH, p.SAAT, p.KARTNO, p.ONAYKODU, p.TUTAR, p.TAKSIT, "
                     "COALESCE(c.CARIKOD, ''), COALESCE(c.CARIADI, ''), COALESCE(t.EVRAKNO, '') FROM sanalpos p "
                     "LEFT JOIN cariler c ON c.CARINO = p.CARINO "
                     "LEFT JOIN tahsilatlar t ON t.IDNO = p.IDNO WHERE p.SIRANO = ? LIMIT 1"),
      {{"SIRANO", IcerikTur::Int}, {"TARIH", IcerikTur::Tarih}, {"SAAT"}, {"KARTNO"}, {"ONAYKODU"},
       {"TUTAR", IcerikTur::Float}, {"TAKSIT", IcerikTur::Int}, {"CARIKOD"}, {"CARIADI"}, {"EVRAKNO"}},
      {sirano});
  if (t.satirlar.empty()) return {};
  const auto& s = t.satirlar[0];
  IcerikPdfTablo p;
  p.baslik = QStringLiteral("Sanal Pos Ödeme Makbuzu");
  p.altBasliklar << QStringLiteral("Kartlı ödemeniz başarıyla alınmıştır. Bu belge bilgi amaçlıdır.");
  p.sutunlar << QStringLiteral("Bilgi") << QStringLiteral("Değer");
  p.genislikler = {1, 3};
  p.sagaYasli = {false, false};
  const int taksit = s[6].toInt();
  p.satirlar = {
      {QStringLiteral("Makbuz No"), QString::number(s[0].toInt())},
      {QStringLiteral("Tarih / Saat"), TarihYaz(s[1].toDouble()) + QLatin1Char(' ') + s[2].toString()},
      {QStringLiteral("Cari Kod"), s[7].toString()},
      {QStringLiteral("Cari Adı"), s[8].toString()},
      {QStringLiteral("Evrak No"), s[9].toString()},
      {QStringLiteral("Kart No"), s[3].toString()},
      {QStringLiteral("Onay Kodu"), s[4].toString()},
      {QStringLiteral("Taksit"), taksit <= 1 ? QStringLiteral("Tek Çekim") : QStringLiteral("%1 Taksit").arg(taksit)},
      {QStringLiteral("Tutar"), TutarYaz(s[5].toDouble()) + QStringLiteral(" TL")},
  };
  p.dipSatirlar << QStringLiteral("Ödediğiniz tutar cari hesabınıza alacak olarak işlenmiştir.");
  return IcerikPdfYaz(p);
}
