// What the desktop program sets on its QApplication before it makes any
// window: the name it shows (also the caption of its error boxes) and its
// icon.
#ifndef TAVRIK_UI_APPLICATION_SETUP_H_
#define TAVRIK_UI_APPLICATION_SETUP_H_

#include <QApplication>

namespace tavrik::ui {

// The application's name rather than its display name: Qt would append a
// display name to every window caption on X11 and Wayland.
inline constexpr char kApplicationName[] = "TAVRIK Simple beacon decoder";

void SetUpApplication(QApplication& application);

}  // namespace tavrik::ui

#endif  // TAVRIK_UI_APPLICATION_SETUP_H_
