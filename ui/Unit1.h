// TForm1: the main window of the desktop program. It owns the decoder
// controller, shows its display slots on a menu bar, a file name line, the
// logo and a grid of bold labels with a frame selector, and turns the menu
// commands, selector clicks, selector keys and dropped .kss files into
// controller operations. Every operation's failure is reported in a modal
// error box, after which the program carries on.
#ifndef TAVRIK_UI_UNIT1_H_
#define TAVRIK_UI_UNIT1_H_

#include <functional>
#include <optional>
#include <string>

#include <QMainWindow>

#include "decoder/date_time_text.h"
#include "decoder/decoder_controller.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QMessageBox;
class QMimeData;
class TForm2;
class TForm3;
class TUpDown;

class TForm1 : public QMainWindow, public tavrik::DecoderView {
  Q_OBJECT

 public:
  // Asks the user for a file through a Qt name filter; nothing on cancel.
  using FileChooser = std::function<std::optional<std::string>(const QString& filter)>;
  // Shows a prepared error box (modally, in the program).
  using ErrorPresenter = std::function<void(QMessageBox& box)>;

  explicit TForm1(tavrik::DateTimeFormat format = tavrik::DateTimeFormat::FromUserLocale());

  // The program's file dialog and error box by default.
  void SetFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }
  void SetErrorPresenter(ErrorPresenter presenter) { present_error_ = std::move(presenter); }

  // The windows of " About" and " Help"; they close with this window.
  void SetSecondaryWindows(TForm2& about, TForm3& help);

  // Menu bar.
  QMenuBar* MainMenu1;
  QMenu* File1;
  QAction* OpenKSSfile1;
  QAction* Writehexfile1;
  QAction* Exit1;
  QAction* help;
  QAction* About1;

  // Controls, with the slot each shows.
  QLineEdit* Edit1;  // FileNameLine
  QLabel* Image1;    // the logo: LogoVisible
  QLabel* Label5;    // StatusText
  QLabel* Label20;   // RxDateText
  QLabel* Label4;    // FrameCountText
  QLabel* Label2;    // ChoosePrompt
  QLabel* Label1;    // FrameNumberText
  TUpDown* UpDown1;  // FrameSelector
  QLabel* Label6;    // DecodedHeading
  QLabel* Label3;    // OnboardTimeText
  QLabel* Label7;    // MillisecondsText
  QLabel* Label9;    // BatteryText
  QLabel* Label15;   // PaTemperatureText
  QLabel* Label8;    // SystemCurrentText
  QLabel* Label13;   // SolarCurrentText

  // Handlers.
  void FormShow();
  void OpenKSSfile1Click();
  void Writehexfile1Click();
  void UpDown1Click();
  void helpClick();
  void About1Click();
  void Exit1Click();

  // Show frame and the idle look.
  void calcula();
  void apaga();

  // DecoderView. RecordRead keeps doing nothing: a large capture has
  // millions of records, and the slots are shown once its reading ends.
  std::optional<std::string> ChooseFile(const std::string& filter) override;
  void RedrawNow() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void CreateMenu();
  void CreateControls();

  // Open with `chooser` answering the controller's request for a file.
  void Open(const FileChooser& chooser);

  // Runs a controller operation, shows the slots as it left them, and
  // reports its failure, if any, in the error box.
  void Run(const std::function<void()>& operation);
  void ReportError(QString message);

  // Maps every slot onto its control.
  void ShowSlots();

  // Up, Down, Page Up, Page Down, Home and End select a frame while the
  // selector is shown; false for any other key.
  bool SelectWithKey(const QKeyEvent& key);

  // The one local .kss file that `data` carries, if that is all it carries.
  static std::optional<QString> DroppedCapture(const QMimeData* data);

  tavrik::DecoderController controller_;
  FileChooser chooser_;
  const FileChooser* open_chooser_ = nullptr;  // the chooser of the Open under way
  ErrorPresenter present_error_;
  TForm2* about_ = nullptr;
  TForm3* help_ = nullptr;
};

#endif  // TAVRIK_UI_UNIT1_H_
