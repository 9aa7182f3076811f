#include "artwork.h"

#include <QString>

// The resource object comes from tavrik_artwork by way of the static library
// tavrik_ui. Nothing in a program refers to that object, so the linker would
// leave it out of the archive; this call refers to it and registers it.
static void RegisterArtwork() { Q_INIT_RESOURCE(artwork); }

namespace tavrik::ui {
namespace {

QString ArtworkPath(const char* name) {
  static const bool registered = (RegisterArtwork(), true);
  (void)registered;
  return QStringLiteral(":/artwork/") + QLatin1String(name);
}

}  // namespace

QPixmap LogoPicture() { return QPixmap(ArtworkPath("logo.jpg")); }

QIcon ProgramIcon() { return QIcon(ArtworkPath("icon.png")); }

}  // namespace tavrik::ui
