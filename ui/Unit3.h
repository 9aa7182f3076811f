// TForm3: the Help window, a short usage text above the logo. Created
// hidden at start-up and shown without being modal from the main window's
// " Help" entry. The text may be edited but is never saved: it is written
// afresh each time the window is shown after being hidden.
#ifndef TAVRIK_UI_UNIT3_H_
#define TAVRIK_UI_UNIT3_H_

#include <QWidget>

class QLabel;
class QPlainTextEdit;

class TForm3 : public QWidget {
  Q_OBJECT

 public:
  // `owner` (the main window) keeps the window and is where it is centred.
  explicit TForm3(QWidget* owner = nullptr);

  QPlainTextEdit* Memo1;
  QLabel* Image1;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Empties Memo1 and writes the help text into it.
  void FormShow();
};

#endif  // TAVRIK_UI_UNIT3_H_
