// The session record of a computer identity.

#include "session/baglantiu.h"
#include "session/kayitjson.h"
#include "ticaret_ortak.h"
#include "ticaret_yontemleri.h"
#include "yontem.h"

// BuyukGetir(idsi text) -> TSonucBilgisi.
// A known identity gives its user's record (FVarmi true); an unknown one a record with FVarmi
// false that still carries the offered version, so the client goes on to its request form.
static void BuyukGetir(Cagri& c, Yanit& y) {
  const QString idsi = c.Text(0).trimmed();
  TSonucBilgisi k;
  k.SetBILGISAYARID(idsi);
  const int sunulan = AyarOku(c.db, QStringLiteral("SURUM"), QStringLiteral("6")).toInt();
  k.SetVersion(sunulan > 0 ? sunulan : 6);
  k.SetVarmi(false);
  k.SetMusteriTipi(0);
  k.SetAKTIF(0);

  Sorgu s(c.db,
          "SELECT b.SURUM, u.SIRANO, u.ADI, u.SIFRE, u.AKTIF, u.MUSTERITIPI, u.MAIL, "
          "IFNULL(cr.CARINO, 0), IFNULL(cr.CARIKOD, ''), IFNULL(cr.CARIADI, ''), "
          "IFNULL(st.SATICINO, 0), IFNULL(st.ADI, ''), IFNULL(st.TELEFON, ''), IFNULL(st.MAIL, '') "
          "FROM bilgisayarlar b JOIN kullanicilar u ON u.SIRANO = b.KULLANICINO "
          "LEFT JOIN cariler cr ON cr.CARINO = u.CARINO AND u.CARINO > 0 "
          "LEFT JOIN saticilar st ON st.SATICINO = CASE WHEN u.SATICINO > 0 THEN u.SATICINO ELSE cr.SATICINO END "
          "WHERE b.KIMLIK = ? AND b.KIMLIK <> ''");
  s.Bagla(1, idsi);
  if (s.Adim()) {
    if (!s.BosMu(0) && s.Int(0) > 0) k.SetVersion(static_cast<int>(s.Int(0)));
    k.SetVarmi(true);
    k.SetSirano(static_cast<int>(s.Int(1)));
    k.SetADI(s.Text(2));
    k.SetSIFRE(s.Text(3));
    k.SetAKTIF(static_cast<int>(s.Int(4)));
    k.SetMusteriTipi(static_cast<int>(s.Int(5)));
    k.SetKullanicimail(s.Text(6));
    k.SetCARINO(static_cast<int>(s.Int(7)));
    k.Setcarikod(s.Text(8));
    k.SetCariAdi(s.Text(9));
    k.SetSaticiNo(static_cast<int>(s.Int(10)));
    k.SetSaticiAdi(s.Text(11));
    k.SetSaticiTelefon(s.Text(12));
    k.SetSaticiMail(s.Text(13));
  }
  y.Json(KayitJsonMetni(&k));
}

void OturumYontemleriniKaydet(YontemTablosu& t) { t.Ekle(QStringLiteral("BuyukGetir"), BuyukGetir); }
