// The line packet shared by the basket, order detail, movements and balances methods.

#include "platform/core/paket.h"
#include "ticaret_ortak.h"

namespace {

// Raw columns of both queries, in this order.
enum Ham {
  hSec, hVerilis, hSirano, hSiparisNo, hCarino, hTarih, hAktar, hStokno, hBarkod, hFinish, hOemNo,
  hStokAdi, hMiktar, hBirimFiyat, hInd1, hInd2, hInd3, hInd4, hKdv, hVerenId, hSaat, hTeslimId,
  hKargoId, hAciklama, hIdno, hVeren, hCariKod, hCariAdi, hOem1, hOem2, hOem3, hOem4, hUretici,
  hDiger, hDpKod, hMarka, hModel, hAnaGrup, hOzelKod, hPKod, hDurum, hKalan, hTeslimEdilen,
  hStokharNo, hIlkFiyat, hEldeki, hAlinan, hVerilen, hTeslim, hKargo
};

const char* const kSepetSql =
    "SELECT b.SEC, b.VERILISTARIHI, b.SIRANO, 0, b.CARINO, b.VERILISTARIHI, 0, b.STOKNO, b.BARKOD, "
    "IFNULL(s.FINISHKOD, ''), IFNULL(s.OEMNO, ''), b.STOKADI, b.MIKTAR, b.BIRIMFIYAT, b.IND1, b.IND2, b.IND3, "
    "b.IND4, b.KDV, b.VERENID, b.SAAT, 0, 0, b.STOKADI, 0, IFNULL(u.ADSOYAD, ''), IFNULL(c.CARIKOD, ''), "
    "IFNULL(c.CARIADI, ''), IFNULL(s.OEM1, ''), IFNULL(s.OEM2, ''), IFNULL(s.OEM3, ''), IFNULL(s.OEM4, ''), "
    "IFNULL(s.URETICIKODU, ''), IFNULL(s.DIGERADI, ''), IFNULL(s.DPKOD, ''), IFNULL(s.MARKA, ''), "
    "IFNULL(s.MODEL, ''), IFNULL(s.ANAGRUP, ''), IFNULL(s.OZELKOD, ''), IFNULL(s.PKOD, ''), "
    "IFNULL(s.DURUM, 0), IFNULL(s.KALAN, 0), 0, 0, b.BIRIMFIYAT, IFNULL(s.KALAN, 0), "
    "IFNULL(s.ALINANSIPARIS, 0), IFNULL(s.VERILENSIPARIS, 0), '', '' "
    "FROM sepet b LEFT JOIN stoklar s ON s.STOK_STOKNO = b.STOKNO "
    "LEFT JOIN cariler c ON c.CARINO = b.CARINO LEFT JOIN kullanicilar u ON u.SIRANO = b.VERENID ";

const char* const kSiparisSql =
    "SELECT 0, l.VERILISTARIHI, CASE WHEN l.SEPETSIRANO > 0 THEN l.SEPETSIRANO ELSE l.STOKHAR_NO END, "
    "o.IDNO, l.CARINO, o.TARIH, 1, l.STOKNO, l.BARKOD, "
    "IFNULL(s.FINISHKOD, ''), IFNULL(s.OEMNO, ''), l.STOKADI, l.MIKTAR, l.BIRIMFIYAT, l.IND1, l.IND2, l.IND3, "
    "l.IND4, l.KDV, l.VERENID, l.SAAT, o.TESLIMID, o.KARGOID, l.STOKADI, o.IDNO, "
    "CASE WHEN IFNULL(u.ADSOYAD, '') <> '' THEN u.ADSOYAD ELSE o.VEREN END, IFNULL(c.CARIKOD, ''), "
    "IFNULL(c.CARIADI, ''), IFNULL(s.OEM1, ''), IFNULL(s.OEM2, ''), IFNULL(s.OEM3, ''), IFNULL(s.OEM4, ''), "
    "IFNULL(s.URETICIKODU, ''), IFNULL(s.DIGERADI, ''), IFNULL(s.DPKOD, ''), IFNULL(s.MARKA, ''), "
    "IFNULL(s.MODEL, ''), IFNULL(s.ANAGRUP, ''), IFNULL(s.OZELKOD, ''), IFNULL(s.PKOD, ''), "
    "IFNULL(s.DURUM, 0), l.KALAN, l.TESLIMEDILEN, l.STOKHAR_NO, l.ILKFIYAT, IFNULL(s.KALAN, 0), "
    "IFNULL(s.ALINANSIPARIS, 0), IFNULL(s.VERILENSIPARIS, 0), IFNULL(t.ADI, ''), IFNULL(k.ADI, '') "
    "FROM siparissatirlari l JOIN siparisler o ON o.IDNO = l.IDNO "
    "LEFT JOIN stoklar s ON s.STOK_STOKNO = l.STOKNO LEFT JOIN cariler c ON c.CARINO = l.CARINO "
    "LEFT JOIN kullanicilar u ON u.SIRANO = l.VERENID LEFT JOIN teslimler t ON t.SIRANO = o.TESLIMID "
    "LEFT JOIN kargoturleri k ON k.SIRANO = o.KARGOID ";

}  // namespace

std::string SatirPaketiYaz(sqlite3* db, SatirKaynagi kaynak, const QString& kosul,
                           const std::function<void(Sorgu&)>& bagla, const QString& sirala) {
  const QByteArray sql = (QString::fromUtf8(kaynak == SatirKaynagi::Sepet ? kSepetSql : kSiparisSql) +
                          QStringLiteral("WHERE ") + (kosul.isEmpty() ? QStringLiteral("1") : kosul) +
                          QStringLiteral(" ORDER BY ") + sirala)
                             .toUtf8();
  Sorgu s(db, sql.constData());
  if (bagla) bagla(s);

  using T = TFieldType;
  PaketYazici p;
  // Output columns: the basket grid's order, then the order-line extras.
  enum class K { Ham, Tutar, IndirimYazi, IndirimTutar, NetBirim, Vergi, Net };
  struct Kolon { const char* ad; T tur; K kaynak; int ham; };
  static const Kolon kKolonlar[] = {
      {"SEC", T::ftInteger, K::Ham, hSec},
      {"VERILISTARIHI", T::ftDateTime, K::Ham, hVerilis},
      {"SIRANO", T::ftInteger, K::Ham, hSirano},
      {"SIPARISNO", T::ftInteger, K::Ham, hSiparisNo},
      {"CARINO", T::ftInteger, K::Ham, hCarino},
      {"TARIH", T::ftDateTime, K::Ham, hTarih},
      {"AKTAR", T::ftInteger, K::Ham, hAktar},
      {"STOKNO", T::ftInteger, K::Ham, hStokno},
      {"BARKOD", T::ftString, K::Ham, hBarkod},
      {"FINISHKOD", T::ftString, K::Ham, hFinish},
      {"OEMNO", T::ftString, K::Ham, hOemNo},
      {"STOKADI", T::ftString, K::Ham, hStokAdi},
      {"MIKTAR", T::ftFloat, K::Ham, hMiktar},
      {"BIRIMFIYAT", T::ftFloat, K::Ham, hBirimFiyat},
      {"TUTAR", T::ftFloat, K::Tutar, 0},
      {"INDIRIMYAZI", T::ftString, K::IndirimYazi, 0},
      {"INDIRIMORANI1", T::ftFloat, K::Ham, hInd1},
      {"INDIRIMORANI2", T::ftFloat, K::Ham, hInd2},
      {"INDIRIMORANI3", T::ftFloat, K::Ham, hInd3},
      {"INDIRIMTUTAR", T::ftFloat, K::IndirimTutar, 0},
      {"NETBIRIMFIYAT", T::ftFloat, K::NetBirim, 0},
      {"KDV", T::ftFloat, K::Ham, hKdv},
      {"VERGITUTARI", T::ftFloat, K::Vergi, 0},
      {"NETTUTAR", T::ftFloat, K::Net, 0},
      {"KUR", T::ftString, K::Ham, -1},
      {"KURTL", T::ftFloat, K::Ham, -2},
      {"VERENIDNO", T::ftInteger, K::Ham, hVerenId},
      {"SAAT", T::ftString, K::Ham, hSaat},
      {"TESLIMID", T::ftInteger, K::Ham, hTeslimId},
      {"KARGOID", T::ftInteger, K::Ham, hKargoId},
      {"ACIKLAMA", T::ftString, K::Ham, hAciklama},
      {"IDNO", T::ftInteger, K::Ham, hIdno},
      {"VERENSIRANO", T::ftInteger, K::Ham, hVerenId},
      {"VEREN", T::ftString, K::Ham, hVeren},
      {"CARIKOD", T::ftString, K::Ham, hCariKod},
      {"CARIADI", T::ftString, K::Ham, hCariAdi},
      {"OEM1", T::ftString, K::Ham, hOem1},
      {"OEM2", T::ftString, K::Ham, hOem2},
      {"OEM3", T::ftString, K::Ham, hOem3},
      {"OEM4", T::ftString, K::Ham, hOem4},
      {"STOK_STOKNO", T::ftInteger, K::Ham, hStokno},
      {"URETICIKODU", T::ftString, K::Ham, hUretici},
      {"DIGERADI", T::ftString, K::Ham, hDiger},
      {"DPKOD", T::ftString, K::Ham, hDpKod},
      {"MARKA", T::ftString, K::Ham, hMarka},
      {"MODEL", T::ftString, K::Ham, hModel},
      {"ANAGRUP", T::ftString, K::Ham, hAnaGrup},
      {"OZELKOD", T::ftString, K::Ham, hOzelKod},
      {"PKOD", T::ftString, K::Ham, hPKod},
      {"DURUM", T::ftInteger, K::Ham, hDurum},
      {"KALAN", T::ftFloat, K::Ham, hKalan},
      {"INDIRIMORANI4", T::ftFloat, K::Ham, hInd4},
      {"TESLIMEDILEN", T::ftFloat, K::Ham, hTeslimEdilen},
      {"STOKHAR_NO", T::ftInteger, K::Ham, hStokharNo},
      {"ILKFIYAT", T::ftFloat, K::Ham, hIlkFiyat},
      {"ELDEKI", T::ftFloat, K::Ham, hEldeki},
      {"ALINANSIPARIS", T::ftFloat, K::Ham, hAlinan},
      {"VERILENSIPARIS", T::ftFloat, K::Ham, hVerilen},
      {"TESLIM", T::ftString, K::Ham, hTeslim},
      {"KARGO", T::ftString, K::Ham, hKargo},
  };
  for (const Kolon& k : kKolonlar) p.Alan(k.ad, k.tur);

  while (s.Adim()) {
    const SatirTutarlari t = SatirHesapla(s.Float(hMiktar), s.Float(hBirimFiyat), s.Float(hKdv), s.Float(hInd1),
                                          s.Float(hInd2), s.Float(hInd3), s.Float(hInd4));
    int col = 0;
    for (const Kolon& k : kKolonlar) {
      switch (k.kaynak) {
        case K::Tutar: p.Float(col, t.tutar); break;
        case K::IndirimTutar: p.Float(col, t.indirimTutar); break;
        case K::NetBirim: p.Float(col, t.netBirimFiyat); break;
        case K::Vergi: p.Float(col, t.vergiTutari); break;
        case K::Net: p.Float(col, t.netTutar); break;
        case K::IndirimYazi:
          p.Text(col, IndirimYazisi(s.Float(hInd1), s.Float(hInd2), s.Float(hInd3), s.Float(hInd4)));
          break;
        case K::Ham:
          if (k.ham == -1) p.Text(col, std::string_view("TL"));
          else if (k.ham == -2) p.Float(col, 1.0);
          else if (k.tur == T::ftString) MetinYaz(p, col, s, k.ham);
          else if (k.tur == T::ftInteger) p.Int(col, s.Int(k.ham));
          else p.Float(col, s.Float(k.ham));
          break;
      }
      ++col;
    }
  }
  return p.Bitir();
}
