// TForm2: the About window, with the program's version, date and author.
// Created hidden at start-up and shown without being modal from the main
// window's " About" entry; closing it only hides it.
#ifndef TAVRIK_UI_UNIT2_H_
#define TAVRIK_UI_UNIT2_H_

#include <QWidget>

class BevelPanel;
class QLabel;

class TForm2 : public QWidget {
  Q_OBJECT

 public:
  // `owner` (the main window) keeps the window and is where it is centred.
  explicit TForm2(QWidget* owner = nullptr);

  BevelPanel* Panel1;
  QLabel* StaticText3;  // version and date
  QLabel* StaticText1;  // the author's credit line
  QLabel* StaticText2;  // the author's web address, which looks like a link but does nothing
};

#endif  // TAVRIK_UI_UNIT2_H_
