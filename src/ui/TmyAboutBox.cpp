#include "ui/TmyAboutBox.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "core/desktop/DesktopActions.h"
#include "ui/AppIcon.h"

namespace cvd::ui {

TmyAboutBox::TmyAboutBox(std::function<void()> mailSupport, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TmyAboutBox"));
  setWindowTitle(QStringLiteral("About Corvinade"));
  setAccessibleName(QStringLiteral("About Corvinade"));

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel"));
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  auto* icon = new QLabel(panel);
  icon->setPixmap(AppIconPixmap(48));
  icon->setAccessibleName(QStringLiteral("Corvinade icon"));
  ProductName = new QLabel(QStringLiteral("Corvinade"), panel);
  ProductName->setObjectName(QStringLiteral("ProductName"));
  QFont big = ProductName->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  ProductName->setFont(big);
  Version = new QLabel(QString::fromStdString(VersionLine()), panel);
  Version->setObjectName(QStringLiteral("Version"));
  auto* blurb = new QLabel(QStringLiteral("Clipboard history and text snippets for the Linux desktop"), panel);
  blurb->setWordWrap(true);

  // A flat button that looks like a link: it takes the keyboard focus and
  // Enter like any other button.
  MailLink = new QPushButton(QString::fromUtf8(kSupportAddress), panel);
  MailLink->setObjectName(QStringLiteral("MailLink"));
  MailLink->setAccessibleName(QStringLiteral("E-mail Corvinade support"));
  MailLink->setFlat(true);
  MailLink->setCursor(Qt::PointingHandCursor);
  MailLink->setAutoDefault(false);
  MailLink->setStyleSheet(QStringLiteral("QPushButton { color: blue; text-decoration: underline; border: none; }"));
  connect(MailLink, &QPushButton::clicked, this, [this, mailSupport = std::move(mailSupport)] {
    if (mailSupport) mailSupport();
    accept();
  });

  auto* heading = new QHBoxLayout;
  heading->addWidget(icon, 0, Qt::AlignTop);
  auto* names = new QVBoxLayout;
  names->addWidget(ProductName);
  names->addWidget(Version);
  names->addWidget(blurb);
  heading->addLayout(names, 1);
  auto* inside = new QVBoxLayout(panel);
  inside->addLayout(heading);
  inside->addSpacing(12);
  inside->addWidget(MailLink, 0, Qt::AlignHCenter);

  OKButton = new QPushButton(QStringLiteral("OK"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

  auto* outer = new QVBoxLayout(this);
  outer->addWidget(panel);
  outer->addWidget(OKButton, 0, Qt::AlignHCenter);
  setFixedSize(QSize(330, 210).expandedTo(sizeHint()));
  OKButton->setFocus();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

}  // namespace cvd::ui
