#include "desk/formistekyeniu.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "desk/webguncelle.h"

Tformistekyeni::Tformistekyeni(QWidget* AOwner) : QDialog(AOwner) {
  setObjectName(QStringLiteral("formistekyeni"));
  resize(900, 680);
  auto* dikey = new QVBoxLayout(this);
  dikey->setContentsMargins(0, 0, 0, 0);
  dikey->setSpacing(0);
  sitem = new TWebBrowser(this);
  sitem->setObjectName(QStringLiteral("sitem"));
  dikey->addWidget(sitem, 1);
  auto* alt = new QHBoxLayout;
  alt->setContentsMargins(6, 6, 6, 6);
  alt->addStretch(1);
  Button1 = new QPushButton(QStringLiteral("Kapat"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setMinimumSize(110, 34);
  alt->addWidget(Button1);
  dikey->addLayout(alt);
  connect(Button1, &QPushButton::clicked, this, &Tformistekyeni::Button1Click);
}

void Tformistekyeni::Git(const QString& adres) {
  adres_ = adres;
  sitem->setUrl(QUrl(adres, QUrl::TolerantMode));
}

void Tformistekyeni::Button1Click() { close(); }
