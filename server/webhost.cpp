// The web-host pages: "/ip.php", "/resimgoster.ashx?id=N", "/lorvakart.html?...",
// "/formmailgonder.aspx?...", "/exe/DravikB2BSetup.exe". Each honours the faults set for its path.

#include "webhost.h"

#include <httplib.h>

#include <QString>
#include <chrono>
#include <memory>
#include <thread>

#include "hatalar.h"
#include "veritabani.h"

namespace {

std::string Kacis(const std::string& ham) {
  return QString::fromStdString(ham).toHtmlEscaped().toStdString();
}

void HtmlYaz(httplib::Response& res, const std::string& govde) {
  res.status = 200;
  res.body = govde;
  res.set_header("Content-Type", "text/html; charset=utf-8");
}

// Serves bytes with the announced length but sends only the first half, then closes.
void KisaGonder(httplib::Response& res, const std::string& icerik, const char* tur) {
  auto veri = std::make_shared<std::string>(icerik);
  const size_t yarim = veri->size() / 2;
  res.set_content_provider(veri->size(), tur, [veri, yarim](size_t offset, size_t, httplib::DataSink& sink) {
    if (offset < yarim) return sink.write(veri->data() + offset, yarim - offset);
    return false;
  });
}

// Applies the fault set for this path. True when the request has been answered by the fault.
// A short-stream fault is reported through kisa.
bool HataUygula(const WebOrtami& o, const httplib::Request& req, httplib::Response& res, bool* kisa) {
  auto h = o.hatalar->Al(QString::fromStdString(req.path));
  if (!h) return false;
  switch (h->tur) {
    case HataTuru::Gecikme: std::this_thread::sleep_for(std::chrono::milliseconds(h->ms)); return false;
    case HataTuru::Hata:
      res.status = 500;
      res.set_content(h->mesaj.toStdString(), "text/plain; charset=utf-8");
      return true;
    case HataTuru::KisaAkis: *kisa = true; return false;
    case HataTuru::BaglantiReddet: o.kopar(req); return true;
    case HataTuru::BozukCevap:
      res.status = 200;
      res.set_content("\x01\x02<bozuk", "application/octet-stream");
      return true;
  }
  return false;
}

void Cevapla(httplib::Response& res, bool kisa, std::string govde, const char* tur) {
  if (kisa) return KisaGonder(res, govde, tur);
  res.status = 200;
  res.body = std::move(govde);
  res.set_header("Content-Type", tur);
}

const char kSayfaBasi[] =
    "<!DOCTYPE html>\n<html lang=\"tr\"><head><meta charset=\"utf-8\"><title>%BASLIK%</title>"
    "<style>body{font-family:sans-serif;background:#f4f1fa;margin:24px}"
    ".kart{background:#fff;border:1px solid #c9bfe0;border-radius:8px;padding:16px;max-width:480px}"
    "label{display:block;margin-top:8px}input,textarea{width:95%}</style></head><body><div class=\"kart\">";
const char kSayfaSonu[] = "</div></body></html>\n";

std::string SayfaBasi(const std::string& baslik) {
  std::string s = kSayfaBasi;
  s.replace(s.find("%BASLIK%"), 8, baslik);
  return s;
}

}  // namespace

QByteArray KurulumDosyasi() {
  // 256 KiB: a recognisable head and a byte pattern anyone can recompute.
  QByteArray b("MZ DravikB2BSetup surum 6\r\n");
  b.reserve(256 * 1024);
  quint32 x = 0x2545F491u;
  while (b.size() < 256 * 1024) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    b.append(char(x & 0xFF));
  }
  return b;
}

void WebSayfalariniKur(httplib::Server& s, const WebOrtami& o) {
  using httplib::Request;
  using httplib::Response;

  s.Get("/ip.php", [o](const Request& req, Response& res) {
    bool kisa = false;
    if (HataUygula(o, req, res, &kisa)) return;
    Cevapla(res, kisa, req.remote_addr, "text/plain; charset=utf-8");
  });

  s.Get("/resimgoster.ashx", [o](const Request& req, Response& res) {
    bool kisa = false;
    if (HataUygula(o, req, res, &kisa)) return;
    bool tamam = false;
    const int id = QString::fromStdString(req.get_param_value("id")).toInt(&tamam);
    QByteArray resim;
    if (tamam) resim = StokResmi(o.veritabani(), id);
    if (resim.isEmpty()) {
      res.status = 404;
      res.set_content("Resim bulunamadı", "text/plain; charset=utf-8");
      return;
    }
    Cevapla(res, kisa, resim.toStdString(), "image/jpeg");
  });

  s.Get("/lorvakart.html", [o](const Request& req, Response& res) {
    bool kisa = false;
    if (HataUygula(o, req, res, &kisa)) return;
    std::string h = SayfaBasi("Kredi Kartı ile Ödeme");
    h += "<h2>Kredi Kartı ile Ödeme</h2>";
    h += "<p>Cari No: <b id=\"carino\">" + Kacis(req.get_param_value("carino")) + "</b></p>";
    h += "<p>Şube: <b id=\"sube\">" + Kacis(req.get_param_value("sube")) + "</b></p>";
    h += "<p>Firma: <b id=\"firmasi\">" + Kacis(req.get_param_value("firmasi")) + "</b></p>";
    h += "<p>Bakiye: <b id=\"bakiye\">" + Kacis(req.get_param_value("bakiye")) + "</b></p>";
    h += "<form onsubmit=\"document.getElementById('sonuc').textContent='Ödeme talebiniz alındı.';return false;\">"
         "<label>Kart Üzerindeki İsim<input name=\"isim\"></label>"
         "<label>Kart Numarası<input name=\"kartno\" maxlength=\"19\"></label>"
         "<label>Son Kullanma (AA/YY)<input name=\"skt\" maxlength=\"5\"></label>"
         "<label>Güvenlik Kodu<input name=\"cvv\" maxlength=\"4\"></label>"
         "<label>Tutar<input name=\"tutar\" value=\"" + Kacis(req.get_param_value("bakiye")) + "\"></label>"
         "<p><button type=\"submit\">Ödeme Yap</button></p></form><p id=\"sonuc\"></p>";
    h += kSayfaSonu;
    Cevapla(res, kisa, std::move(h), "text/html; charset=utf-8");
  });

  s.Get("/formmailgonder.aspx", [o](const Request& req, Response& res) {
    bool kisa = false;
    if (HataUygula(o, req, res, &kisa)) return;
    std::string h = SayfaBasi("Dravik B2B İstek Formu");
    h += "<h2>Dravik B2B İstek Formu</h2>";
    h += "<p>Bu bilgisayar için kayıtlı bir kullanıcı bulunamadı. Bilgilerinizi bırakın, size ulaşalım.</p>";
    h += "<p>Bilgisayar Kimliği: <b id=\"kimlik\">" + Kacis(req.get_param_value("id")) + "</b></p>";
    h += "<form onsubmit=\"document.getElementById('sonuc').textContent='İsteğiniz alındı.';return false;\">"
         "<input type=\"hidden\" name=\"carino\" value=\"" + Kacis(req.get_param_value("carino")) + "\">"
         "<label>Firma Adı<input name=\"firma\"></label>"
         "<label>Yetkili<input name=\"yetkili\"></label>"
         "<label>Telefon<input name=\"telefon\"></label>"
         "<label>E-posta<input name=\"mail\"></label>"
         "<label>Açıklama<textarea name=\"aciklama\" rows=\"3\"></textarea></label>"
         "<p><button type=\"submit\">Gönder</button></p></form><p id=\"sonuc\"></p>";
    h += kSayfaSonu;
    Cevapla(res, kisa, std::move(h), "text/html; charset=utf-8");
  });

  s.Get("/exe/DravikB2BSetup.exe", [o](const Request& req, Response& res) {
    bool kisa = false;
    if (HataUygula(o, req, res, &kisa)) return;
    Cevapla(res, kisa, KurulumDosyasi().toStdString(), "application/octet-stream");
  });

  s.set_error_handler([](const Request& req, Response& res) {
    if (res.status == 404 && res.body.empty())
      res.set_content("Sayfa bulunamadı: " + Kacis(req.path), "text/plain; charset=utf-8");
  });
}
