// The font every window of the desktop program asks for: "MS Sans Serif",
// 8 point, 11 pixels high. Where that face is not installed, DejaVu Sans
// Condensed (Debian's fonts-dejavu-extra) stands in for it: it is narrow
// enough that the bold label texts stay within their columns.
#ifndef TAVRIK_UI_WINDOW_FONT_H_
#define TAVRIK_UI_WINDOW_FONT_H_

#include <QFont>

namespace tavrik::ui {

inline constexpr char kWindowFontFamily[] = "MS Sans Serif";
inline constexpr char kStandInFontFamily[] = "DejaVu Sans Condensed";

// Needs a QGuiApplication. The first call registers the stand-in face.
QFont WindowFont();

}  // namespace tavrik::ui

#endif  // TAVRIK_UI_WINDOW_FONT_H_
