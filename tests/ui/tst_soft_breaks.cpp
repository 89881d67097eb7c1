// SPDX-License-Identifier: GPL-3.0-or-later
// The soft breaks of a raw preview, written into the box's text as '|': where they cut a
// record, and which places of the box and of the record they make one.
#include <QtTest>

#include "ui/previews/soft_breaks.hpp"

using flex::ui::SoftBreaks;

namespace {

SoftBreaks breaksIn(const QString& box) {
  std::vector<int> positions;
  for (int i = 0; i < box.size(); ++i)
    if (box[i] == '|') positions.push_back(i);
  return SoftBreaks(positions);
}

}  // namespace

class SoftBreaksTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // Pieces of 3: the box each record is laid out as.
  void cutting() {
    const struct {
      const char *record, *box;
    } rows[] = {{"abc", "abc"},
                {"abcdef", "abc|def"},
                {"abcdefg", "abc|def|g"},
                {"abcd\n\nefghij", "abc|d\n\nefg|hij"},  // each line on its own
                {"", ""}};
    for (const auto& row : rows) {
      const SoftBreaks breaks = SoftBreaks::cutting(QString(row.record), 3);
      QCOMPARE(breaks.positions(), breaksIn(row.box).positions());
      QCOMPARE(breaks.insertedInto(QString(row.record)), QString(row.box).replace('|', '\n'));
    }
  }

  // Every place of a box: the record position of each document position, and back.
  void places() {
    const struct {
      const char *box, *records, *documents;
    } rows[] = {{"abc|def|g", "0123345667", "01245689"},
                {"abc||def", "012333456", "0125678"},     // a block emptied by an edit
                {"ab\ncd|ef", "012345567", "01234678"}};  // a typed break is the record's
    for (const auto& row : rows) {
      const QString box = row.box, documents = row.documents;
      const SoftBreaks breaks = breaksIn(box);
      QString found;
      for (int at = 0; at <= box.size(); ++at) {
        found += QString::number(breaks.recordPosition(at));
        QCOMPARE(breaks.isBreak(at), box.mid(at, 1) == "|");
      }
      for (int at = 0; at < documents.size(); ++at)
        found += QString::number(breaks.documentPosition(at));
      QCOMPARE(found, row.records + documents);
    }
  }
};

QTEST_APPLESS_MAIN(SoftBreaksTest)
#include "tst_soft_breaks.moc"
