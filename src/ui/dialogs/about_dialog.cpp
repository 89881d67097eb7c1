// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/about_dialog.hpp"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "ui/dialogs/sys_info.hpp"
#include "ui/support/app_info.hpp"
#include "ui/support/fonts.hpp"
#include "ui/support/pictures.hpp"
#include "ui/support/qt_strings.hpp"
#include "ui/support/twips.hpp"

namespace flex::ui {
namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& place) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QLatin1String(name));
  l->setGeometry(place);
  l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  l->setWordWrap(true);
  return l;
}

}  // namespace

AboutDialog::AboutDialog(SysInfoHost& sysInfo, std::chrono::milliseconds burstGap)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      host_(sysInfo),
      burstGap_(burstGap) {
  setObjectName(QStringLiteral("frmAbout"));
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);
  setFont(captionFont(false));
  const Twips tw(logicalDpiX());
  const QString title = fromUtf8(kAppTitle);
  setWindowTitle(QStringLiteral("About ") + title);
  setWindowIcon(spannerIcon());

  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("picIcon"));
  picture->setPixmap(buildingPicture());
  picture->setAlignment(Qt::AlignCenter);
  picture->setGeometry(tw.rect(240, 240, 540, 540));

  QLabel* heading = label(this, "lblTitle", title, tw.rect(1050, 240, 3885, 480));
  heading->setFont(captionFont(true, 12));
  label(this, "lblVersion",
        QStringLiteral("Version %1.%2.%3")
            .arg(kAppVersion.major)
            .arg(kAppVersion.minor)
            .arg(kAppVersion.revision),
        tw.rect(1050, 780, 3885, 225));
  label(this, "lblDescription",
        QStringLiteral("Programma gratuito per la creazione di Flex Personalizzate per il "
                       "cellulare Motorola A835. Programma realizzato da Tessaron!"),
        tw.rect(1050, 1125, 3885, 810));

  // The etched separator: a grey line with a white one below it.
  auto* line = new QFrame(this);
  line->setObjectName(QStringLiteral("Line1"));
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setGeometry(tw(120), tw(2280) - 1, tw(5684) - tw(120), 3);

  label(this, "lblDisclaimer",
        QStringLiteral("Attenzione: i marchi \"Motorola\" sono di proprietà di Motorola. "
                       "Un grazie a tutti quelli che hanno aiutato nella realizzazione di "
                       "questo programma."),
        tw.rect(255, 2400, 4110, 1065));

  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("cmdOK"));
  ok_->setGeometry(tw.rect(4440, 2625, 1260, 345));
  ok_->setDefault(true);  // Enter; Esc closes the dialog as well (QDialog::reject)
  connect(ok_, &QPushButton::clicked, this, &QDialog::close);

  sysInfo_ = new QPushButton(QStringLiteral("&System Info..."), this);
  sysInfo_->setObjectName(QStringLiteral("cmdSysInfo"));
  sysInfo_->setGeometry(tw.rect(4440, 3075, 1245, 345));
  connect(sysInfo_, &QPushButton::clicked, this, [this] {
    const bool sameBurst = lastClick_.isValid() && lastClick_.elapsed() < burstGap_.count();
    lastClick_.start();
    if (!sameBurst) startSysInfo(host_, kAppTitle);
  });

  setFixedSize(tw.size(5730, 3555));
}

}  // namespace flex::ui
