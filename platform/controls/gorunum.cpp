#include "platform/controls/gorunum.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QFontDatabase>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace {

bool etkin = false;

// Accent colours of the look.
const QColor kMor(0x6a, 0x3d, 0x9a);       // selection, default buttons
const QColor kAcikMor(0xe9, 0xe0, 0xf3);   // window background
const QColor kKoyuMor(0x3b, 0x1f, 0x5c);   // text on light surfaces
const QColor kMorVurgu(0x8e, 0x5c, 0xc4);  // hover

QPalette Palet() {
  QPalette p;
  p.setColor(QPalette::Window, kAcikMor);
  p.setColor(QPalette::WindowText, kKoyuMor);
  p.setColor(QPalette::Base, Qt::white);
  p.setColor(QPalette::AlternateBase, QColor(0xf5, 0xf0, 0xfa));
  p.setColor(QPalette::ToolTipBase, QColor(0xfd, 0xfb, 0xff));
  p.setColor(QPalette::ToolTipText, kKoyuMor);
  p.setColor(QPalette::PlaceholderText, QColor(0x8c, 0x80, 0x99));
  p.setColor(QPalette::Text, QColor(0x22, 0x18, 0x2c));
  p.setColor(QPalette::Button, QColor(0xdc, 0xcf, 0xec));
  p.setColor(QPalette::ButtonText, kKoyuMor);
  p.setColor(QPalette::BrightText, Qt::white);
  p.setColor(QPalette::Light, QColor(0xf7, 0xf2, 0xfc));
  p.setColor(QPalette::Midlight, QColor(0xe4, 0xd8, 0xf1));
  p.setColor(QPalette::Mid, QColor(0xb3, 0x9c, 0xcf));
  p.setColor(QPalette::Dark, QColor(0x7d, 0x62, 0x9c));
  p.setColor(QPalette::Shadow, QColor(0x2a, 0x16, 0x40));
  p.setColor(QPalette::Highlight, kMor);
  p.setColor(QPalette::HighlightedText, Qt::white);
  p.setColor(QPalette::Link, kMor);
  p.setColor(QPalette::LinkVisited, kMorVurgu);
  p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x9a, 0x90, 0xa6));
  p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x9a, 0x90, 0xa6));
  p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x9a, 0x90, 0xa6));
  p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0xb3, 0x9c, 0xcf));
  return p;
}

const char* kStilSayfasi = R"(
QPushButton, QToolButton {
  border: 1px solid #8e5cc4; border-radius: 4px; padding: 4px 12px;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f3ecfa, stop:1 #d9c8ee);
}
QPushButton:hover, QToolButton:hover { background: #e4d4f6; }
QPushButton:pressed, QToolButton:pressed { background: #c9b0e6; }
QPushButton:default { border: 2px solid #6a3d9a; }
QPushButton:focus { border: 2px solid #6a3d9a; }
QPushButton:disabled, QToolButton:disabled { color: #9a90a6; border-color: #c9bdd8; }
QLineEdit {
  border: 1px solid #b39ccf; border-radius: 3px; padding: 2px 4px; background: white;
  selection-background-color: #6a3d9a;
}
QLineEdit:focus { border: 1px solid #6a3d9a; }
QLineEdit:read-only { background: #f5f0fa; }
QMenu { border: 1px solid #8e5cc4; background: #fdfbff; }
QMenu::item:selected { background: #6a3d9a; color: white; }
QToolTip { border: 1px solid #8e5cc4; }
QHeaderView::section { background: #dccfec; color: #3b1f5c; border: 0; border-right: 1px solid #b39ccf; padding: 4px; }
)";

}  // namespace

bool GorunumUygula() {
  auto* uygulama = qobject_cast<QApplication*>(QCoreApplication::instance());
  if (!uygulama) return false;
  QStyle* stil = QStyleFactory::create(QStringLiteral("Fusion"));
  if (!stil) return false;
  QApplication::setStyle(stil);
  QApplication::setPalette(Palet());
  uygulama->setStyleSheet(QString::fromLatin1(kStilSayfasi));

  // DejaVu Sans carries every Turkish letter; keep the size the platform chose.
  QFont yazi = QApplication::font();
  if (QFontDatabase::families().contains(QStringLiteral("DejaVu Sans"))) {
    yazi.setFamily(QStringLiteral("DejaVu Sans"));
  }
  yazi.setStyleStrategy(QFont::PreferAntialias);
  QApplication::setFont(yazi);
  etkin = true;
  return true;
}

bool GorunumEtkin() { return etkin; }
