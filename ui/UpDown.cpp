#include "UpDown.h"

#include <algorithm>

#include <QToolButton>

TUpDown::TUpDown(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
  setFixedSize(20, 25);
  const struct {
    QToolButton* button;
    Qt::ArrowType arrow;
    const char* name;
    int top;
    int height;
    std::int32_t delta;
  } arrows[] = {{up_, Qt::UpArrow, "UpButton", 0, 13, +1},
                {down_, Qt::DownArrow, "DownButton", 13, 12, -1}};
  for (const auto& arrow : arrows) {
    arrow.button->setObjectName(QLatin1String(arrow.name));
    arrow.button->setArrowType(arrow.arrow);
    arrow.button->setGeometry(0, arrow.top, width(), arrow.height);
    arrow.button->setAutoRepeat(true);
    // Like the arrows of a scroll bar, they never take the keyboard focus.
    arrow.button->setFocusPolicy(Qt::NoFocus);
    const std::int32_t delta = arrow.delta;
    connect(arrow.button, &QToolButton::clicked, this, [this, delta] { Step(delta); });
  }
}

void TUpDown::setRange(std::int32_t minimum, std::int32_t maximum) {
  minimum_ = minimum;
  maximum_ = std::max(minimum, maximum);
  setPosition(position_);
}

void TUpDown::setPosition(std::int32_t position) {
  position_ = std::clamp(position, minimum_, maximum_);
}

void TUpDown::Step(std::int32_t delta) {
  // In 64 bits: a step from the largest 32-bit position must not overflow.
  const std::int64_t target = std::int64_t{position_} + delta;
  position_ = static_cast<std::int32_t>(std::clamp<std::int64_t>(target, minimum_, maximum_));
  emit clicked();
}
