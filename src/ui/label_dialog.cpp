#include "ui/frm_gprs.hpp"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "text/ansi.hpp"
#include "session/editor.hpp"
#include "ui/fonts.hpp"
#include "ui/twips.hpp"

namespace flex::ui {

FrmGprs::FrmGprs(Editor& editor, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      editor_(editor) {
  setObjectName(QStringLiteral("frmGPRS"));
  setWindowTitle(QStringLiteral("Personalizzazione Scritta GPRS"));
  setFont(captionFont(false));
  const Twips tw(logicalDpiX());

  label1_ = new QLabel(
      QStringLiteral("Inserisci i caratteri che vuoi visualizzare invece della scritta GPRS "
                     "(massimo 12):"),
      this);
  label1_->setObjectName(QStringLiteral("Label1"));
  label1_->setWordWrap(true);
  label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label1_->setGeometry(tw.rect(120, 120, 3615, 495));

  txt1_ = new QLineEdit(this);
  txt1_->setObjectName(QStringLiteral("txt1"));
  txt1_->setFont(captionFont(true, 9.75));
  txt1_->setGeometry(tw.rect(240, 720, 2175, 405));

  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("cmdOKGPRS"));
  ok_->setGeometry(tw.rect(2640, 720, 495, 375));

  setFixedSize(tw.size(3900, 1260));

  // textEdited: the person's typing only; the text set from the editor raises nothing.
  connect(txt1_, &QLineEdit::textEdited, this, [this](const QString& text) {
    editor_.setLabelText(ansi::fromUtf8(text.toStdString()));
  });
  connect(ok_, &QPushButton::clicked, this, [this] { editor_.confirmLabel(); });
  redraw();
}

void FrmGprs::redraw() {
  const QString text = QString::fromStdString(ansi::toUtf8(editor_.state().labelText));
  if (txt1_->text() == text) return;
  const QSignalBlocker blocker(txt1_);
  txt1_->setText(text);
}

void FrmGprs::closeEvent(QCloseEvent* event) {
  // The close box: the editor unloads the dialog (and tells the main window to destroy it).
  // When the editor closed it first, there is nothing left to do.
  editor_.closeLabelDialog();
  event->accept();
}

}  // namespace flex::ui
