// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window tests' fixture: a main window shown and active before each test, its file names,
// messages and questions answered by the test, the user's settings in a scratch folder.
#include <QtTest>
#include <QtWidgets>

#include "ui/previews/preview_panel.hpp"
#include "ui/previews/raw_preview.hpp"
#include "ui/window/main_window.hpp"
#include "ui/window/option_pages.hpp"

namespace flex::ui {

inline bool activate(QWidget* w) {
  w->activateWindow();
  return QTest::qWaitFor([w] { return QApplication::activeWindow() == w; });
}

// The tool-tip a resting mouse gets at `pos` of a viewport; empty when none shows.
inline QString toolTipAt(QWidget* viewport, QPoint pos) {
  QToolTip::hideText();
  if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); })) return QStringLiteral("(stuck)");
  QHelpEvent help(QEvent::ToolTip, pos, viewport->mapToGlobal(pos));
  QApplication::sendEvent(viewport, &help);
  return QToolTip::isVisible() ? QToolTip::text() : QString();
}

class WindowFixture : public QObject {
  Q_OBJECT

 protected:
  QStringList messages_;  // "title: prompt"
  QStringList folders_;   // where the file dialogs started
  QString openName_, saveName_;
  QString answer_, asked_;  // the answer to the next question, and the question asked
  QTemporaryDir settings_;  // the user's settings, here only
  std::unique_ptr<MainWindow> form_;

  QWidget* child(const char* name) { return form_->findChild<QWidget*>(name); }
  // A left click near the left edge: on a check box's indicator, inside any button.
  static void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, {6, w->height() / 2}); }
  void click(const char* name) { click(child(name)); }
  bool ticked(const char* name) { return child(name)->property("checked").toBool(); }
  const std::string& slot(std::size_t i) const { return form_->editor().document().records[i]; }
  QString status() { return child("StatusBarPanel1")->property("text").toString(); }
  HexView* formatted(std::size_t i) const { return form_->preview()->formattedBox(i); }
  RawPreview* raw(std::size_t i) const { return form_->preview()->rawPreview(i); }
  QString focus() const { return QApplication::focusWidget()->objectName(); }
  std::pair<bool, bool> undoRedoEnabled() {  // "Annulla", "Ripeti"
    return {form_->findChild<QAction*>("mnuAnnulla")->isEnabled(),
            form_->findChild<QAction*>("mnuRipeti")->isEnabled()};
  }

 private Q_SLOTS:
  void initTestCase() {
    QApplication::setQuitOnLastWindowClosed(false);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
  }

  void init() {
    messages_.clear();
    QSettings().clear();
    folders_.clear();
    Prompts prompts;
    prompts.openFileName = [this](QWidget*, const QString& f) { return folders_ << f, openName_; };
    prompts.saveFileName = [this](QWidget*, const QString& f) { return folders_ << f, saveName_; };
    // The box is acknowledged; as it closes, the desktop activates the main window.
    prompts.messageBox = [this](QWidget*, const QString& prompt, const QString& title) {
      messages_ << title + ": " + prompt;
      activate(form_.get());
      form_->optionPages()->box(0)->setFocus();
    };
    asked_.clear();
    prompts.ask = [this](QWidget*, const Question& question) {
      asked_ = question.text;
      for (std::size_t i = 0; i < question.answers.size(); ++i)
        if (question.answers[i].text == answer_) return static_cast<int>(i);
      return question.escapeAnswer;
    };
    form_ = std::make_unique<MainWindow>(prompts);
    form_->show();
    QVERIFY(activate(form_.get()));
  }

  void cleanup() {
    form_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
};

}  // namespace flex::ui
