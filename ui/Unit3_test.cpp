// The Help window writes its thirteen lines afresh each time it goes from
// hidden to shown, and leaves the text alone while it stays shown.
#include "Unit3.h"

#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>

namespace {

QStringList Lines(const QPlainTextEdit& memo) {
  QStringList lines;
  for (QTextBlock block = memo.document()->begin(); block.isValid(); block = block.next()) {
    lines << block.text();
  }
  return lines;
}

}  // namespace

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void showWritesThirteenLines() {
    TForm3 Form3;
    Form3.show();
    const QStringList lines = Lines(*Form3.Memo1);
    QCOMPARE(lines.size(), 13);
    // The empty lines, the quoted commands with their trailing spaces and the
    // no-break space opening the note are part of the text.
    for (const int empty : {0, 2, 5, 7, 10, 11}) QVERIFY2(lines[empty].isEmpty(), qPrintable(lines[empty]));
    QVERIFY(lines[3].startsWith(QStringLiteral("\"Open .KSS file\" allows")));
    QVERIFY(lines[3].endsWith(QStringLiteral("AGWonlineKISSplus ")));
    QVERIFY(lines[8].startsWith(QStringLiteral("\"Write .HEX file\" allows")));
    QVERIFY(lines[8].endsWith(QStringLiteral("data ")));
    QCOMPARE(lines[12].left(7), QChar(0x00A0) + QStringLiteral("      "));
  }

  void typedTextLastsUntilTheWindowIsHidden() {
    TForm3 Form3;
    Form3.show();
    const QString help = Form3.Memo1->toPlainText();
    Form3.Memo1->setPlainText(QStringLiteral("notes of the user"));

    Form3.show();  // already shown: nothing to write
    QCOMPARE(Form3.Memo1->toPlainText(), QStringLiteral("notes of the user"));

    Form3.close();
    Form3.show();
    QCOMPARE(Form3.Memo1->toPlainText(), help);
  }
};

QTEST_MAIN(HelpWindowTest)
#include "Unit3_test.moc"
