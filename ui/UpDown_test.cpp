// TUpDown: clicks on either arrow move the position by one within the
// bounds, over the whole 32-bit range, and are reported after the move.
#include "UpDown.h"

#include <cstdint>
#include <limits>
#include <vector>

#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

namespace {
constexpr std::int32_t kLargest = std::numeric_limits<std::int32_t>::max();
}

class UpDownTest : public QObject {
  Q_OBJECT

 private slots:
  void clicksMoveWithinTheBounds_data() {
    QTest::addColumn<std::int32_t>("minimum");
    QTest::addColumn<std::int32_t>("maximum");
    QTest::addColumn<std::int32_t>("start");
    QTest::addColumn<bool>("up");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<std::int32_t>("end");
    QTest::newRow("up inside") << 1 << 100 << 1 << true << 3 << 4;
    QTest::newRow("down inside") << 1 << 100 << 50 << false << 2 << 48;
    QTest::newRow("up stops at the maximum") << 1 << 3 << 2 << true << 3 << 3;
    QTest::newRow("down stops at the minimum") << 1 << 3 << 2 << false << 3 << 1;
    QTest::newRow("past sixteen bits") << 1 << 40000 << 32767 << true << 2 << 32769;
    QTest::newRow("largest position") << 1 << kLargest << kLargest - 1 << true << 2 << kLargest;
  }

  void clicksMoveWithinTheBounds() {
    QFETCH(std::int32_t, minimum);
    QFETCH(std::int32_t, maximum);
    QFETCH(std::int32_t, start);
    QFETCH(bool, up);
    QFETCH(int, clicks);
    QFETCH(std::int32_t, end);
    TUpDown selector;
    selector.setRange(minimum, maximum);
    selector.setPosition(start);
    std::vector<std::int32_t> reported;
    connect(&selector, &TUpDown::clicked, &selector, [&] { reported.push_back(selector.position()); });
    for (int i = 0; i < clicks; ++i) {
      QTest::mouseClick(up ? selector.upButton() : selector.downButton(), Qt::LeftButton);
    }
    QCOMPARE(selector.position(), end);
    QCOMPARE(reported.size(), std::size_t(clicks));  // every click, also at a bound
    QCOMPARE(reported.back(), end);                  // reported once moved
  }

  void rangeKeepsThePositionInside_data() {
    QTest::addColumn<std::int32_t>("minimum");
    QTest::addColumn<std::int32_t>("maximum");
    QTest::addColumn<std::int32_t>("position");
    QTest::addColumn<std::int32_t>("kept_maximum");
    QTest::addColumn<std::int32_t>("kept_position");
    QTest::newRow("position above") << 1 << 3 << 10 << 3 << 3;
    QTest::newRow("position below") << 5 << 9 << 1 << 9 << 5;
    QTest::newRow("maximum below minimum") << 1 << 0 << 7 << 1 << 1;
  }

  void rangeKeepsThePositionInside() {
    QFETCH(std::int32_t, minimum);
    QFETCH(std::int32_t, maximum);
    QFETCH(std::int32_t, position);
    QFETCH(std::int32_t, kept_maximum);
    QFETCH(std::int32_t, kept_position);
    TUpDown selector;
    selector.setRange(1, kLargest);
    selector.setPosition(position);
    selector.setRange(minimum, maximum);
    QCOMPARE(selector.maximum(), kept_maximum);
    QCOMPARE(selector.position(), kept_position);
    selector.setPosition(position);
    QCOMPARE(selector.position(), kept_position);
  }

  void arrowsNeverTakeTheFocus() {
    TUpDown selector;
    QCOMPARE(selector.size(), QSize(20, 25));
    for (QToolButton* button : {selector.upButton(), selector.downButton()}) {
      QCOMPARE(button->focusPolicy(), Qt::NoFocus);
    }
  }
};

QTEST_MAIN(UpDownTest)
#include "UpDown_test.moc"
