// The desktop program: the main window, then the About and Help windows,
// hidden until asked for. The program ends when the main window closes.
#include <QApplication>

#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "application_setup.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  tavrik::ui::SetUpApplication(application);

  TForm1 Form1;
  TForm2 Form2(&Form1);
  TForm3 Form3(&Form1);
  Form1.SetSecondaryWindows(Form2, Form3);

  Form1.show();
  return application.exec();
}
