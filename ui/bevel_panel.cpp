#include "bevel_panel.h"

#include <QPainter>
#include <QPalette>
#include <qdrawutil.h>

BevelPanel::BevelPanel(QWidget* parent) : QWidget(parent) {
  QPalette colours = palette();
  colours.setColor(QPalette::Window, Qt::white);
  setPalette(colours);
  setAutoFillBackground(true);
}

void BevelPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // Each bevel is one pixel wide: the outer one shaded as sunk into the
  // window, the inner one as raised out of it.
  qDrawShadePanel(&painter, rect(), palette(), /*sunken=*/true, 1);
  qDrawShadePanel(&painter, rect().adjusted(1, 1, -1, -1), palette(), /*sunken=*/false, 1);
}
