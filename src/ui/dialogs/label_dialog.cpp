// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/label_dialog.hpp"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QValidator>
#include <algorithm>

#include "session/editor.hpp"
#include "ui/support/fonts.hpp"
#include "ui/support/qt_strings.hpp"
#include "ui/support/twips.hpp"

namespace flex::ui {
namespace {

// Control characters (below 0x20) are dropped from what is typed or pasted: the phone would
// end the label at a NUL and show nothing for the others, which the field shows as blanks.
class NoControlCharacters : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override {
    for (qsizetype i = input.size(); i-- > 0;) {
      if (input[i].unicode() >= 0x20) continue;
      input.remove(i, 1);
      if (i < position) --position;
    }
    return Acceptable;
  }
};

// To a screen reader the dialog is a dialog, not a plain window.
QAccessibleInterface* accessibleDialog(const QString& className, QObject* object) {
  if (className != QLatin1String(LabelDialog::staticMetaObject.className())) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Dialog);
}

}  // namespace

LabelDialog::LabelDialog(Editor& editor, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      editor_(editor) {
  static const bool accessible = (QAccessible::installFactory(&accessibleDialog), true);
  (void)accessible;
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
  textField_->setValidator(new NoControlCharacters(textField_));
  prompt_->setBuddy(textField_);  // a screen reader names the field by the prompt

  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("cmdOKGPRS"));
  ok_->setGeometry(tw.rect(2640, 720, 495, 375));
  ok_->setDefault(true);  // Enter

  setFixedSize(tw.size(3900, 1260));

  // textEdited: the person's typing only; the text set from the editor raises nothing.
  connect(textField_, &QLineEdit::textEdited, this,
          [this](const QString& text) { editor_.setLabelText(toAnsi(text)); });
  connect(ok_, &QPushButton::clicked, this, [this] { editor_.confirmLabel(); });
  redraw();
}

void LabelDialog::redraw() {
  const QString text = fromAnsi(editor_.form().labelText);
  if (textField_->text() == text) return;
  const QSignalBlocker blocker(textField_);
  const int cursor = textField_->cursorPosition();
  textField_->setText(text);
  textField_->setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
}

// Enter is OK, Esc the close box; the field and the button leave both keys to the dialog.
void LabelDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
    ok_->click();
  else if (event->key() == Qt::Key_Escape)
    close();
  else
    QWidget::keyPressEvent(event);
}

void LabelDialog::closeEvent(QCloseEvent* event) {
  // The close box: the editor unloads the dialog (and tells the main window to destroy it).
  // When the editor closed it first, there is nothing left to do.
  editor_.closeLabelDialog();
  event->accept();
}

}  // namespace flex::ui
