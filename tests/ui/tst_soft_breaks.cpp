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
  void cutting_data() {
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("box");  // pieces of 3
    QTest::newRow("one piece") << "abc"
                               << "abc";
    QTest::newRow("whole pieces") << "abcdef"
                                  << "abc|def";
    QTest::newRow("a short last piece") << "abcdefg"
                                        << "abc|def|g";
    QTest::newRow("each line on its own") << "abcd\n\nefghij"
                                          << "abc|d\n\nefg|hij";
    QTest::newRow("empty") << ""
                           << "";
  }
  void cutting() {
    QFETCH(QString, record);
    QFETCH(QString, box);
    const SoftBreaks breaks = SoftBreaks::cutting(record, 3);
    QCOMPARE(breaks.positions(), breaksIn(box).positions());
    QCOMPARE(breaks.insertedInto(record), box.replace('|', '\n'));
  }

  void places_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("document");
    QTest::addColumn<int>("record");
    QTest::addColumn<int>("back");  // the document position of `record`
    QTest::newRow("before a break") << "abc|def|g" << 2 << 2 << 2;
    QTest::newRow("at a break: the next block") << "abc|def|g" << 3 << 3 << 4;
    QTest::newRow("after a break") << "abc|def|g" << 4 << 3 << 4;
    QTest::newRow("the end, after two") << "abc|def|g" << 9 << 7 << 9;
    QTest::newRow("an emptied block") << "abc||def" << 4 << 3 << 5;
    QTest::newRow("a typed break counts") << "ab\ncd|ef" << 3 << 3 << 3;
    QTest::newRow("after a typed one") << "ab\ncd|ef" << 6 << 5 << 6;
  }
  void places() {
    QFETCH(QString, box);
    QFETCH(int, document);
    QFETCH(int, record);
    QFETCH(int, back);
    const SoftBreaks breaks = breaksIn(box);
    QCOMPARE(breaks.recordPosition(document), record);
    QCOMPARE(breaks.documentPosition(record), back);
    QCOMPARE(breaks.isBreak(document), box.mid(document, 1) == "|");
  }
};

QTEST_APPLESS_MAIN(SoftBreaksTest)
#include "tst_soft_breaks.moc"
