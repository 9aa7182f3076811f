#include "application_setup.h"

#include "artwork.h"

namespace tavrik::ui {

void SetUpApplication(QApplication& application) {
  application.setApplicationName(QString::fromLatin1(kApplicationName));
  application.setWindowIcon(ProgramIcon());
}

}  // namespace tavrik::ui
