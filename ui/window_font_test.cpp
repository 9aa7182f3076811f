// The window font on a system without "MS Sans Serif": the regular and
// bold faces of DejaVu Sans Condensed, 11 pixels high.
#include "window_font.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QTest>

class WindowFontTest : public QObject {
  Q_OBJECT

 private slots:
  void standInFaceIsCondensed_data() {
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("style");
    QTest::newRow("regular") << false << "Condensed";
    QTest::newRow("bold") << true << "Condensed Bold";
  }

  void standInFaceIsCondensed() {
    if (QFontDatabase::hasFamily(tavrik::ui::kWindowFontFamily)) QSKIP("MS Sans Serif is installed");
    QFETCH(bool, bold);
    QFETCH(QString, style);
    QFont font = tavrik::ui::WindowFont();
    font.setBold(bold);
    const QFontInfo resolved(font);
    QCOMPARE(resolved.family(), QString(tavrik::ui::kStandInFontFamily));
    QCOMPARE(resolved.styleName(), style);
    QCOMPARE(resolved.pixelSize(), 11);
  }
};

QTEST_MAIN(WindowFontTest)
#include "window_font_test.moc"
