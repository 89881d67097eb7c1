// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLabel>
#include <QResizeEvent>
#include <QString>

namespace flex::ui {

// The status bar's panel: its text on one line, cut in the middle with "…" where it does not
// fit (a long path keeps its beginning and its file name); the whole text is its tool-tip.
class StatusPanel : public QLabel {
 public:
  using QLabel::QLabel;
  void setFullText(const QString& text) {
    full_ = text;
    setToolTip(text);
    // A screen reader reads the whole text, and something while there is none.
    setAccessibleName(text.isEmpty() ? QStringLiteral("Nessun file aperto") : text);
    fit();
  }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QLabel::resizeEvent(event);
    fit();
  }

 private:
  void fit() { setText(fontMetrics().elidedText(full_, Qt::ElideMiddle, contentsRect().width())); }
  QString full_;
};

}  // namespace flex::ui
