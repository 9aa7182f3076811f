#include "application_setup.h"

#include "artwork.h"

namespace tavrik::ui {

void SetUpApplication(QApplication& application) {
  application.setApplicationDisplayName(QString::fromLatin1(kApplicationDisplayName));
  application.setWindowIcon(ProgramIcon());
}

}  // namespace tavrik::ui
