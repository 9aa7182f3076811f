#include "modeless_window.h"

namespace tavrik::ui {

void ShowModeless(QWidget& window, const QWidget& owner) {
  if (window.isHidden()) {
    window.move(owner.geometry().center() - window.rect().center());
  }
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace tavrik::ui
