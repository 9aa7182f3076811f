// Showing a secondary window (Help, About) without making it modal: a
// hidden window is centred on its owner and shown, a shown one is only
// brought to the front.
#ifndef TAVRIK_UI_MODELESS_WINDOW_H_
#define TAVRIK_UI_MODELESS_WINDOW_H_

#include <QWidget>

namespace tavrik::ui {

void ShowModeless(QWidget& window, const QWidget& owner);

}  // namespace tavrik::ui

#endif  // TAVRIK_UI_MODELESS_WINDOW_H_
