#include "ui/label_dialog.hpp"

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

LabelDialog::LabelDialog(Editor& editor, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      editor_(editor) {
  setObjectName(QStringLiteral("frmGPRS"));
  setWindowTitle(QStringLiteral("Personalizzazione Scritta GPRS"));
  setFont(captionFont(false));
  const Twips tw(logicalDpiX());

  prompt_ = new QLabel(
      QStringLiteral("Inserisci i caratteri che vuoi visualizzare invece della scritta GPRS "
                     "(massimo 12):"),
      this);
  prompt_->setObjectName(QStringLiteral("Label1"));
  prompt_->setWordWrap(true);
  prompt_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  prompt_->setGeometry(tw.rect(120, 120, 3615, 495));

  textField_ = new QLineEdit(this);
  textField_->setObjectName(QStringLiteral("txt1"));
  textField_->setFont(captionFont(true, 9.75));
  textField_->setGeometry(tw.rect(240, 720, 2175, 405));

  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("cmdOKGPRS"));
  ok_->setGeometry(tw.rect(2640, 720, 495, 375));

  setFixedSize(tw.size(3900, 1260));

  // textEdited: the person's typing only; the text set from the editor raises nothing.
  connect(textField_, &QLineEdit::textEdited, this, [this](const QString& text) {
    editor_.setLabelText(ansi::fromUtf8(text.toStdString()));
  });
  connect(ok_, &QPushButton::clicked, this, [this] { editor_.confirmLabel(); });
  redraw();
}

void LabelDialog::redraw() {
  const QString text = QString::fromStdString(ansi::toUtf8(editor_.state().labelText));
  if (textField_->text() == text) return;
  const QSignalBlocker blocker(textField_);
  textField_->setText(text);
}

void LabelDialog::closeEvent(QCloseEvent* event) {
  // The close box: the editor unloads the dialog (and tells the main window to destroy it).
  // When the editor closed it first, there is nothing left to do.
  editor_.closeLabelDialog();
  event->accept();
}

}  // namespace flex::ui
