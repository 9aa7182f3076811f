// TUpDown: the frame selector of the main window, a pair of arrow buttons
// stacked in 20 x 25 pixels. It holds a position between a minimum and a
// maximum (32-bit, no wrap-around): the upper arrow moves it up by one, the
// lower arrow down by one, and every click is reported once the position
// has moved (it stays put at a bound).
#ifndef TAVRIK_UI_UPDOWN_H_
#define TAVRIK_UI_UPDOWN_H_

#include <cstdint>

#include <QWidget>

class QToolButton;

class TUpDown : public QWidget {
  Q_OBJECT

 public:
  explicit TUpDown(QWidget* parent = nullptr);

  std::int32_t minimum() const { return minimum_; }
  std::int32_t maximum() const { return maximum_; }
  std::int32_t position() const { return position_; }

  // A maximum below the minimum is raised to it; the position is kept
  // within the new bounds.
  void setRange(std::int32_t minimum, std::int32_t maximum);
  // Kept within the bounds.
  void setPosition(std::int32_t position);

  QToolButton* upButton() const { return up_; }
  QToolButton* downButton() const { return down_; }

 signals:
  void clicked();

 private:
  void Step(std::int32_t delta);

  QToolButton* up_;
  QToolButton* down_;
  std::int32_t minimum_ = 1;
  std::int32_t maximum_ = 100;
  std::int32_t position_ = 1;
};

#endif  // TAVRIK_UI_UPDOWN_H_
