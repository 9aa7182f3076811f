// The pictures built into the desktop program: the logo shown by the main
// and Help windows, and the program's icon.
#ifndef TAVRIK_UI_ARTWORK_H_
#define TAVRIK_UI_ARTWORK_H_

#include <QIcon>
#include <QPixmap>

namespace tavrik::ui {

// 484 x 203.
QPixmap LogoPicture();

// 32 x 32, with transparency.
QIcon ProgramIcon();

}  // namespace tavrik::ui

#endif  // TAVRIK_UI_ARTWORK_H_
