// The frames of the program's windows: a title bar with the system menu and
// a close box, never a maximise box. The windows also have fixed sizes, so
// their borders cannot be dragged.
#ifndef TAVRIK_UI_WINDOW_FLAGS_H_
#define TAVRIK_UI_WINDOW_FLAGS_H_

#include <Qt>

namespace tavrik::ui {

// The Help and About windows.
inline constexpr Qt::WindowFlags kDialogWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowCloseButtonHint;

// The main window: the above and a minimise box.
inline constexpr Qt::WindowFlags kMainWindowFlags = kDialogWindowFlags | Qt::WindowMinimizeButtonHint;

}  // namespace tavrik::ui

#endif  // TAVRIK_UI_WINDOW_FLAGS_H_
