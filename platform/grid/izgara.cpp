#include "platform/grid/izgara.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/grid/izgaraaltbilgi.h"
#include "platform/grid/izgaracizici.h"
#include "platform/grid/izgarafiltre.h"
#include "platform/grid/izgaratablosu.h"

TVeriIzgarasi::TVeriIzgarasi(QWidget* parent) : QWidget(parent) {
  model_ = new TIzgaraModeli(this);
  tablo_ = new TIzgaraTablosu(this);
  baslik_ = new TIzgaraBasligi(this);
  gosterge_ = new TSatirGostergesi(this);
  cizici_ = new TIzgaraCizici(this);
  alt_ = new TIzgaraAltBilgi(this);

  tablo_->setHorizontalHeader(baslik_);
  tablo_->setVerticalHeader(gosterge_);
  tablo_->setModel(model_);
  tablo_->setItemDelegate(cizici_);
  tablo_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tablo_->setSelectionBehavior(QAbstractItemView::SelectRows);
  tablo_->setSelectionMode(QAbstractItemView::SingleSelection);
  tablo_->setShowGrid(false);
  tablo_->setWordWrap(true);
  tablo_->setCornerButtonEnabled(false);
  tablo_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  tablo_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  gosterge_->setDefaultSectionSize(40);
  gosterge_->setMinimumSectionSize(8);
  baslik_->SetYukseklik(40);

  koseDugmesi_ = new QToolButton(tablo_);
  koseDugmesi_->setAutoRaise(true);
  koseDugmesi_->setToolTip(QStringLiteral("Kolonlar"));
  koseDugmesi_->setText(QStringLiteral("≡"));
  koseDugmesi_->setFocusPolicy(Qt::NoFocus);
  connect(koseDugmesi_, &QToolButton::clicked, this, [this] {
    KolonSecimMenusu()->popup(koseDugmesi_->mapToGlobal(QPoint(0, koseDugmesi_->height())));
  });

  auto* yerlesim = new QVBoxLayout(this);
  yerlesim->setContentsMargins(0, 0, 0, 0);
  yerlesim->setSpacing(0);
  yerlesim->addWidget(tablo_);
  yerlesim->addWidget(alt_);
  alt_->hide();

  connect(baslik_, &QHeaderView::sectionClicked, this, &TVeriIzgarasi::BaslikTiklandi);
  const auto altGuncelle = [this] { alt_->update(); };
  connect(baslik_, &QHeaderView::sectionResized, this, altGuncelle);
  connect(baslik_, &QHeaderView::sectionMoved, this, altGuncelle);
  connect(baslik_, &QHeaderView::geometriesChanged, this, [this] {
    alt_->update();
    KoseDugmesiYerlestir();
  });
  connect(tablo_->horizontalScrollBar(), &QScrollBar::valueChanged, this, altGuncelle);
  connect(model_, &TIzgaraModeli::OzetlerDegisti, this, altGuncelle);
  connect(model_, &TIzgaraModeli::KolonDegisti, this, &TVeriIzgarasi::KolonGorunurlugu);
  connect(model_, &QAbstractItemModel::modelReset, this, &TVeriIzgarasi::ModelYenilendi);
  connect(model_, &QAbstractItemModel::modelAboutToBeReset, this, [this] { cizici_->ResimleriUnut(); });
  connect(tablo_->selectionModel(), &QItemSelectionModel::currentChanged, this, &TVeriIzgarasi::GecerliDegisti);
  tablo_->viewport()->installEventFilter(this);
}

TVeriIzgarasi::~TVeriIzgarasi() {
  // The table goes first, while this object is whole: its header and scroll bar signal as they
  // are taken down, and nothing of this grid may answer them any more.
  QObject::disconnect(dsBaglanti_);
  tablo_->viewport()->removeEventFilter(this);
  baslik_->disconnect(this);
  tablo_->horizontalScrollBar()->disconnect(this);
  tablo_->selectionModel()->disconnect(this);
  model_->disconnect(this);
  delete tablo_;
}

QTableView* TVeriIzgarasi::Tablo() const { return tablo_; }
QWidget* TVeriIzgarasi::AltBilgi() const { return alt_; }

// ---------------------------------------------------------------- columns

TIzgaraKolonu* TVeriIzgarasi::KolonEkle(const QString& ad, const QString& alanAdi, const QString& baslik) {
  TIzgaraKolonu* k = model_->KolonEkle(ad, alanAdi, baslik);
  baslik_->resizeSection(model_->KolonSayisi() - 1, 100);
  return k;
}

int TVeriIzgarasi::KolonSayisi() const { return model_->KolonSayisi(); }
TIzgaraKolonu* TVeriIzgarasi::Kolon(int i) const { return model_->Kolon(i); }
TIzgaraKolonu* TVeriIzgarasi::KolonBul(const QString& ad) const { return model_->KolonBul(ad); }
int TVeriIzgarasi::KolonIndeksi(const TIzgaraKolonu* k) const { return model_->KolonIndeksi(k); }

int TVeriIzgarasi::KolonGenisligi(const TIzgaraKolonu* k) const {
  const int c = KolonIndeksi(k);
  return c < 0 ? 0 : baslik_->sectionSize(c);
}

void TVeriIzgarasi::SetKolonGenisligi(TIzgaraKolonu* k, int genislik) {
  const int c = KolonIndeksi(k);
  if (c < 0 || !k->Gorunur()) return;
  baslik_->resizeSection(c, qMax(0, genislik));
}

QList<TIzgaraKolonu*> TVeriIzgarasi::GorunurKolonlar() const {
  QList<TIzgaraKolonu*> l;
  for (int v = 0; v < baslik_->count(); ++v) {
    const int c = baslik_->logicalIndex(v);
    if (c >= 0 && c < KolonSayisi() && Kolon(c)->Gorunur()) l << Kolon(c);
  }
  return l;
}

void TVeriIzgarasi::KolonGorunurlugu(int kolon) {
  if (kolon < 0 || kolon >= KolonSayisi()) return;
  const bool gizli = !Kolon(kolon)->Gorunur();
  if (baslik_->isSectionHidden(kolon) != gizli) {
    baslik_->setSectionHidden(kolon, gizli);
    emit KolonlarDegisti();
  }
  baslik_->viewport()->update();
  alt_->update();
}

// ---------------------------------------------------------------- data set

void TVeriIzgarasi::SetVeriSeti(TClientDataSet* ds) {
  QObject::disconnect(dsBaglanti_);
  ds_ = ds;
  arama_.clear();
  if (ds) dsBaglanti_ = connect(ds, &TClientDataSet::CurrentChanged, this, &TVeriIzgarasi::VeriSetiKaydiDegisti);
  model_->SetVeriSeti(ds);
}

TClientDataSet* TVeriIzgarasi::VeriSeti() const { return ds_; }

void TVeriIzgarasi::BeginUpdate() {
  if (guncelleme_++ == 0) {
    tablo_->setUpdatesEnabled(false);
    alt_->setUpdatesEnabled(false);
  }
  model_->BeginUpdate();
}

void TVeriIzgarasi::EndUpdate() {
  if (guncelleme_ == 0) return;
  model_->EndUpdate();
  if (--guncelleme_ == 0) {
    tablo_->setUpdatesEnabled(true);
    alt_->setUpdatesEnabled(true);
    alt_->update();
  }
}

void TVeriIzgarasi::ModelYenilendi() {
  // the focused row follows the data set's current record
  for (int c = 0; c < KolonSayisi(); ++c) baslik_->setSectionHidden(c, !Kolon(c)->Gorunur());
  if (ds_ && ds_->Active() && ds_->RecNo() > 0) VeriSetiKaydiDegisti(ds_->RecNo() - 1);
  alt_->update();
}

void TVeriIzgarasi::VeriSetiKaydiDegisti(int satir) {
  if (senkron_ || model_->Guncelleniyor()) return;
  const int g = model_->GorunenSatir(satir);
  const int g0 = tablo_->currentIndex().row();
  if (g < 0 || g == g0) return;
  int c = tablo_->currentIndex().column();
  if (c < 0 || baslik_->isSectionHidden(c)) {
    const auto l = GorunurKolonlar();
    c = l.isEmpty() ? 0 : KolonIndeksi(l.first());
  }
  senkron_ = true;
  tablo_->setCurrentIndex(model_->index(g, c));
  senkron_ = false;
}

void TVeriIzgarasi::GecerliDegisti(const QModelIndex& yeni, const QModelIndex& eski) {
  gosterge_->viewport()->update();
  if (yeni.row() == eski.row()) return;
  const int satir = yeni.isValid() ? model_->KaynakSatir(yeni.row()) : -1;
  if (!senkron_ && ds_ && satir >= 0 && ds_->RecNo() != satir + 1) {
    senkron_ = true;
    ds_->SetRecNo(satir + 1);
    senkron_ = false;
  }
  emit OdakDegisti(satir);
}

// ---------------------------------------------------------------- look and options

void TVeriIzgarasi::SetSatirYuksekligi(int piksel) {
  gosterge_->setMinimumSectionSize(qMin(8, piksel));
  gosterge_->setDefaultSectionSize(piksel);
}
int TVeriIzgarasi::SatirYuksekligi() const { return gosterge_->defaultSectionSize(); }
void TVeriIzgarasi::SetBaslikYuksekligi(int piksel) { baslik_->SetYukseklik(piksel); }
int TVeriIzgarasi::BaslikYuksekligi() const { return baslik_->Yukseklik(); }
void TVeriIzgarasi::SetBaslikGoster(bool g) { baslik_->setVisible(g); }
void TVeriIzgarasi::SetSatirGostergesi(bool g) {
  gosterge_->setVisible(g);
  KoseDugmesiYerlestir();
}
bool TVeriIzgarasi::SatirGostergesi() const { return !gosterge_->isHidden(); }
void TVeriIzgarasi::SetAltBilgiGoster(bool g) { alt_->setVisible(g); }
bool TVeriIzgarasi::AltBilgiGoster() const { return !alt_->isHidden(); }
void TVeriIzgarasi::SetSiralamaAcik(bool a) {
  siralamaAcik_ = a;
  if (!a && model_->SiraKolonu() >= 0) model_->Sirala(-1, Qt::AscendingOrder);
}
void TVeriIzgarasi::SetFiltreDugmeleri(bool a) {
  filtreDugmeleri_ = a;
  baslik_->viewport()->update();
}
void TVeriIzgarasi::SetKolonTasima(bool a) { baslik_->setSectionsMovable(a); }
void TVeriIzgarasi::SetKolonBoyutlama(bool a) {
  baslik_->setSectionResizeMode(a ? QHeaderView::Interactive : QHeaderView::Fixed);
}
void TVeriIzgarasi::SetOdakCercevesi(bool g) {
  odakCercevesi_ = g;
  tablo_->viewport()->update();
}
void TVeriIzgarasi::SetPikselKaydirma(bool p) {
  tablo_->setVerticalScrollMode(p ? QAbstractItemView::ScrollPerPixel : QAbstractItemView::ScrollPerItem);
}
void TVeriIzgarasi::SetStil(const TIzgaraStili& s) {
  stil_ = s;
  tablo_->viewport()->update();
  alt_->update();
}

QColor TVeriIzgarasi::SatirArkaPlani(int kaynakSatir, bool secili) const {
  if (secili) return stil_.seciliSatir;
  const int g = model_->GorunenSatir(kaynakSatir);
  return ((g < 0 ? kaynakSatir : g) % 2 == 0) ? stil_.ciftSatir : stil_.tekSatir;
}

void TVeriIzgarasi::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  KoseDugmesiYerlestir();
}

void TVeriIzgarasi::KoseDugmesiYerlestir() {
  const bool var = !gosterge_->isHidden() && !baslik_->isHidden();
  koseDugmesi_->setVisible(var);
  if (!var) return;
  const int f = tablo_->frameWidth();
  koseDugmesi_->setGeometry(f, f, qMax(14, gosterge_->width()), baslik_->height());
  koseDugmesi_->raise();
}

// ---------------------------------------------------------------- focus

int TVeriIzgarasi::OdakSatiri() const {
  const QModelIndex ix = tablo_->currentIndex();
  return ix.isValid() ? model_->KaynakSatir(ix.row()) : -1;
}

void TVeriIzgarasi::SetOdakSatiri(int kaynakSatir) {
  const int g = model_->GorunenSatir(kaynakSatir);
  if (g < 0) return;
  int c = tablo_->currentIndex().column();
  if (c < 0 || baslik_->isSectionHidden(c)) {
    const auto l = GorunurKolonlar();
    c = l.isEmpty() ? 0 : KolonIndeksi(l.first());
  }
  tablo_->setCurrentIndex(model_->index(g, c));
  tablo_->scrollTo(model_->index(g, c));
}

TIzgaraKolonu* TVeriIzgarasi::OdakKolonu() const {
  const int c = tablo_->currentIndex().column();
  return c >= 0 && c < KolonSayisi() ? Kolon(c) : nullptr;
}

void TVeriIzgarasi::SetOdakKolonu(TIzgaraKolonu* k) {
  const int c = KolonIndeksi(k);
  if (c < 0) return;
  int g = tablo_->currentIndex().row();
  if (g < 0) g = 0;
  if (g < model_->rowCount()) tablo_->setCurrentIndex(model_->index(g, c));
  arama_.clear();
}

// ---------------------------------------------------------------- filter, sort, groups

void TVeriIzgarasi::FiltreKur(TIzgaraKolonu* k, const QStringList& degerler) {
  model_->FiltreKur(KolonIndeksi(k), degerler);
  baslik_->viewport()->update();
}

void TVeriIzgarasi::FiltreTemizle() {
  model_->FiltreTemizle();
  baslik_->viewport()->update();
}

void TVeriIzgarasi::Sirala(TIzgaraKolonu* k, Qt::SortOrder yon) {
  model_->Sirala(k ? KolonIndeksi(k) : -1, yon);
  baslik_->viewport()->update();
}

void TVeriIzgarasi::BaslikTiklandi(int kolon) {
  if (!siralamaAcik_ || kolon < 0 || kolon >= KolonSayisi() || !Kolon(kolon)->Siralanabilir()) return;
  const Qt::SortOrder yon = (model_->SiraKolonu() == kolon && model_->SiraYonu() == Qt::AscendingOrder)
                                ? Qt::DescendingOrder : Qt::AscendingOrder;
  model_->Sirala(kolon, yon);
  baslik_->viewport()->update();
}

void TVeriIzgarasi::Grupla(TIzgaraKolonu* k) { model_->Grupla(k ? KolonIndeksi(k) : -1); }
void TVeriIzgarasi::GruplariDaralt() { model_->TumGruplar(false); }
void TVeriIzgarasi::GruplariGenislet() { model_->TumGruplar(true); }

QWidget* TVeriIzgarasi::FiltrePenceresiAc(TIzgaraKolonu* k) {
  const int c = KolonIndeksi(k);
  if (c < 0 || !filtreDugmeleri_ || !k->Filtrelenebilir()) return nullptr;
  auto* p = new TIzgaraFiltrePenceresi(this, k);
  const QPoint yer(baslik_->sectionViewportPosition(c), baslik_->height());
  p->move(baslik_->mapToGlobal(yer));
  p->show();
  return p;
}

QMenu* TVeriIzgarasi::KolonSecimMenusu() {
  auto* menu = findChild<QMenu*>(QStringLiteral("kolonSecimMenusu"), Qt::FindDirectChildrenOnly);
  if (!menu) {
    menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("kolonSecimMenusu"));
  }
  menu->clear();
  for (int c = 0; c < KolonSayisi(); ++c) {
    TIzgaraKolonu* k = Kolon(c);
    if (!k->Secenekte()) continue;
    QAction* a = menu->addAction(k->Baslik());
    a->setCheckable(true);
    a->setChecked(k->Gorunur());
    connect(a, &QAction::toggled, this, [this, k](bool acik) {
      k->SetGorunur(acik);
      if (acik && KolonGenisligi(k) < 20) SetKolonGenisligi(k, 100);
    });
  }
  return menu;
}

// ---------------------------------------------------------------- layout

int TVeriIzgarasi::AgirligaGoreDagit(int ayrilan) {
  int toplam = 0;
  for (int c = 0; c < KolonSayisi(); ++c)
    if (Kolon(c)->Gorunur()) toplam += Kolon(c)->Agirlik();
  if (toplam <= 0) return 0;
  const int birim = qMax(0, (width() - ayrilan) / toplam);
  for (int c = 0; c < KolonSayisi(); ++c)
    if (Kolon(c)->Gorunur()) baslik_->resizeSection(c, Kolon(c)->Agirlik() * birim);
  return birim;
}

void TVeriIzgarasi::EnUygunGenislik() {
  // a sample of the rows shown: the first ones, the visible ones and some spread over the rest
  const int n = model_->rowCount();
  std::vector<int> ornek;
  for (int g = 0; g < std::min(n, 100); ++g) ornek.push_back(g);
  const int ust = tablo_->rowAt(0);
  if (ust >= 0)
    for (int g = ust; g < std::min(n, ust + 50); ++g) ornek.push_back(g);
  if (n > 100)
    for (int i = 1; i <= 100; ++i) ornek.push_back(int((qint64(n - 1) * i) / 100));
  std::sort(ornek.begin(), ornek.end());
  ornek.erase(std::unique(ornek.begin(), ornek.end()), ornek.end());

  const QFontMetrics fm = tablo_->fontMetrics();
  QFont kalin = baslik_->font();
  const QFontMetrics bfm(kalin);
  for (int c = 0; c < KolonSayisi(); ++c) {
    TIzgaraKolonu* k = Kolon(c);
    if (!k->Gorunur()) continue;
    int w = bfm.horizontalAdvance(k->Baslik()) + 16 + (filtreDugmeleri_ && k->Filtrelenebilir() ? 18 : 0) +
            (siralamaAcik_ ? 12 : 0);
    switch (k->Tur()) {
      case TKolonTuru::Ikon: w = std::max(w, k->AciklamaGoster() ? 120 : 36); break;
      case TKolonTuru::Onay: w = std::max(w, 32); break;
      case TKolonTuru::Dugme: w = std::max(w, 48); break;
      case TKolonTuru::Ilerleme: w = std::max(w, 90); break;
      case TKolonTuru::Resim: w = std::max(w, KolonGenisligi(k)); break;
      default:
        for (int g : ornek) {
          const int r = model_->KaynakSatir(g);
          if (r < 0) continue;
          const QString t = model_->HucreMetni(r, c);
          int tw = 0;
          for (const QString& s : t.split(QLatin1Char('\n'))) tw = std::max(tw, fm.horizontalAdvance(s));
          w = std::max(w, std::min(tw + 12, 600));
        }
        if (k->AltOzet() != TOzetTuru::Yok) {
          QFont f = alt_->font();
          f.setBold(true);
          w = std::max(w, QFontMetrics(f).horizontalAdvance(model_->OzetMetni(c)) + 20);
        }
    }
    baslik_->resizeSection(c, w);
  }
}

// ---------------------------------------------------------------- keys, mouse, search

bool TVeriIzgarasi::AramaKarakteri(const QString& yazi) {
  QModelIndex cur = tablo_->currentIndex();
  int c = cur.column();
  if (c < 0 || baslik_->isSectionHidden(c)) {
    const auto l = GorunurKolonlar();
    if (l.isEmpty()) return false;
    c = KolonIndeksi(l.first());
  }
  const QString aday = arama_ + yazi;
  const int g = model_->AramaBul(c, aday, cur.isValid() ? cur.row() : 0);
  if (g < 0) return false;
  arama_ = aday;
  const QModelIndex ix = model_->index(g, c);
  tablo_->setCurrentIndex(ix);
  tablo_->scrollTo(ix);
  return true;
}

bool TVeriIzgarasi::TusBasildi(QKeyEvent* e) {
  const QModelIndex cur = tablo_->currentIndex();
  if (cur.isValid() && model_->SatirTuru(cur.row()) == TSatirTuru::GrupBasi) {
    const int grup = model_->GrupNo(cur.row());
    if (e->key() == Qt::Key_Plus || e->key() == Qt::Key_Right) {
      model_->SetGrupAcik(grup, true);
      return true;
    }
    if (e->key() == Qt::Key_Minus || e->key() == Qt::Key_Left) {
      model_->SetGrupAcik(grup, false);
      return true;
    }
  }
  if (!artimliArama_ || (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    arama_.clear();
    return false;
  }
  if (e->key() == Qt::Key_Backspace && !arama_.isEmpty()) {
    arama_.chop(1);
    if (!arama_.isEmpty()) {
      const QString s = arama_;
      arama_.clear();
      AramaKarakteri(s);
    }
    return true;
  }
  if (e->key() == Qt::Key_Escape && !arama_.isEmpty()) {
    arama_.clear();
    return true;
  }
  const QString t = e->text();
  if (!t.isEmpty() && t.at(0).isPrint() && !(t.at(0).isSpace() && arama_.isEmpty())) {
    AramaKarakteri(t);
    return true;
  }
  arama_.clear();
  return false;
}

void TVeriIzgarasi::FareBasildi(const QModelIndex& ix, const QPoint& yer) {
  if (!ix.isValid()) return;
  const TSatirTuru tur = model_->SatirTuru(ix.row());
  if (tur == TSatirTuru::GrupBasi) {
    const QRect r = tablo_->visualRect(ix);
    const int x0 = -baslik_->offset();
    if (yer.x() >= x0 && yer.x() < x0 + 24 && r.contains(yer)) {
      const int g = model_->GrupNo(ix.row());
      model_->SetGrupAcik(g, !model_->GrupAcik(g));
    }
    return;
  }
  if (tur != TSatirTuru::Veri) return;
  TIzgaraKolonu* k = Kolon(ix.column());
  const int satir = model_->KaynakSatir(ix.row());
  if (k->Tur() == TKolonTuru::Onay) emit OnayTiklandi(satir, k);
  else if (k->Tur() == TKolonTuru::Dugme) emit DugmeTiklandi(satir, k);
}

void TVeriIzgarasi::SetOtomatikGenislik(bool a) {
  otomatikGenislik_ = a;
  tablo_->setHorizontalScrollBarPolicy(a ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
  if (a) GenisligeSigdir();
}

void TVeriIzgarasi::GenisligeSigdir() {
  const int alan = tablo_->viewport()->width();
  int toplam = 0;
  std::vector<int> gorunur;
  for (int c = 0; c < KolonSayisi(); ++c)
    if (Kolon(c)->Gorunur()) {
      gorunur.push_back(c);
      toplam += std::max(1, baslik_->sectionSize(c));
    }
  if (gorunur.empty() || alan <= 0) return;
  int kalan = alan;
  for (std::size_t i = 0; i < gorunur.size(); ++i) {
    const int c = gorunur[i];
    const int w = (i + 1 == gorunur.size()) ? kalan
                                             : int(qint64(std::max(1, baslik_->sectionSize(c))) * alan / toplam);
    baslik_->resizeSection(c, std::max(1, w));
    kalan -= w;
  }
}

bool TVeriIzgarasi::eventFilter(QObject* o, QEvent* e) {
  if (o == tablo_->viewport() && e->type() == QEvent::Resize) {
    KoseDugmesiYerlestir();
    if (otomatikGenislik_) GenisligeSigdir();
  }
  return QWidget::eventFilter(o, e);
}
