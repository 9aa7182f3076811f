#include "window_font.h"

#include <QFontDatabase>

namespace tavrik::ui {
namespace {

bool RegisterStandIn() {
  if (!QFontDatabase::hasFamily(kWindowFontFamily)) {
    QFont::insertSubstitution(kWindowFontFamily, kStandInFontFamily);
  }
  return true;
}

}  // namespace

QFont WindowFont() {
  static const bool registered = RegisterStandIn();
  (void)registered;
  QFont font(kWindowFontFamily);
  font.setPixelSize(11);
  // Full hinting snaps the glyphs to the pixel grid, as the bitmap face
  // would be, and keeps the widest label texts a pixel or two narrower.
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

}  // namespace tavrik::ui
