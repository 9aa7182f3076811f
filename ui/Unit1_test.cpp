// The main window driven as a user would: menu entries, selector clicks and
// keys, dropped files, and the Help and About windows. The file dialog and
// the error box are replaced by recorders, so no test waits on a modal
// dialog; captures are made with the project's capture builder.
#include "Unit1.h"

#include <deque>
#include <filesystem>
#include <memory>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QWindow>

#include "Unit2.h"
#include "Unit3.h"
#include "UpDown.h"
#include "application_setup.h"
#include "capture/capture_builder.h"
#include "testing/scratch_directory.h"

namespace {

using tavrik::capture::CaptureBuilder;
using tavrik::capture::TelemetryFields;
namespace fs = std::filesystem;

const QStringList kFieldLabels = {"Label3", "Label7", "Label9", "Label8", "Label13", "Label15"};
const QStringList kOneFrameLook = kFieldLabels + QStringList{"Label5", "Label20", "Label4", "Label6"};
const QStringList kSeveralFramesLook = kOneFrameLook + QStringList{"Label2", "Label1", "UpDown1"};
// While a file is read, and after a read that failed.
const QStringList kReadingLook = kSeveralFramesLook + QStringList{"Image1"};
const QStringList kIdleLook = {"Image1"};
const QStringList kStatusOnly = {"Label5"};

TelemetryFields Fields(std::uint16_t milliseconds) {
  return {.milliseconds = milliseconds, .onboard_time = 0x626D1234, .solar_current = 200,
          .system_current = 300, .battery_voltage = 4000, .pa_temperature = 250};
}

// Frame n has n milliseconds, shown as "+n ms" in Label7.
CaptureBuilder Frames(int count) {
  CaptureBuilder capture;
  for (int n = 1; n <= count; ++n) {
    capture.NumericTimestamp(0x01807A1BC0DB + 1000 * n).Telemetry(Fields(std::uint16_t(n)));
  }
  return capture;
}

QByteArray Bytes(const CaptureBuilder& capture) {
  const std::vector<std::uint8_t>& bytes = capture.Bytes();
  return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

class CurrentDirectory {
 public:
  explicit CurrentDirectory(const fs::path& directory) : previous_(fs::current_path()) {
    fs::current_path(directory);
  }
  ~CurrentDirectory() { fs::current_path(previous_); }

 private:
  fs::path previous_;
};

struct ErrorBox {
  QString caption;
  QString text;
  QMessageBox::Icon icon;
  QMessageBox::StandardButtons buttons;
};

// The three windows as the program makes them, with the decoder directory
// a scratch directory, a scripted file dialog and a recording error box.
class Program {
 public:
  explicit Program(tavrik::DateTimeFormat format = tavrik::DateTimeFormat::Iso8601())
      : in_run_dir_(run_dir.path()), Form1(std::move(format)) {
    Form1.SetFileChooser([this](const QString& filter) {
      filters << filter;
      std::optional<std::string> answer = answers.front();
      answers.pop_front();
      return answer;
    });
    Form1.SetErrorPresenter([this](QMessageBox& box) {
      boxes.push_back({box.windowTitle(), box.text(), box.icon(), box.standardButtons()});
    });
    Form1.SetSecondaryWindows(Form2, Form3);
    Form1.show();
  }

  std::string File(const std::string& name, const QByteArray& bytes) {
    return files.WriteFile(name, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                           std::size_t(bytes.size())));
  }

  // "Open .KSS file", with the dialog answering `path` (cancelling if none).
  void Open(std::optional<std::string> path) {
    answers.push_back(std::move(path));
    Form1.OpenKSSfile1->trigger();
  }

  QStringList VisibleControls() const {
    QStringList names;
    for (const QWidget* control : Form1.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (control != Form1.Edit1 && control->isVisible()) names << control->objectName();
    }
    names.sort();
    return names;
  }

  const tavrik::testing::ScratchDirectory run_dir;  // the decoder directory
  const tavrik::testing::ScratchDirectory files;
  std::deque<std::optional<std::string>> answers;
  QStringList filters;
  std::vector<ErrorBox> boxes;

 private:
  CurrentDirectory in_run_dir_;

 public:
  TForm1 Form1;
  TForm2 Form2{&Form1};
  TForm3 Form3{&Form1};
};

// Whether `window` is centred on `centre`, give or take its frame, which
// the window system adds around the placed window.
bool CentredOn(const QWidget& window, QPoint centre) {
  const QSize frame = window.frameGeometry().size() - window.size();
  const int off_centre = (window.geometry().center() - centre).manhattanLength();
  return off_centre <= frame.width() + frame.height() + 2;
}

QStringList Sorted(QStringList names) {
  names.sort();
  return names;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { tavrik::ui::SetUpApplication(*qApp); }
  void init() { program_ = std::make_unique<Program>(); }
  void cleanup() { program_.reset(); }

  void startsIdle() {
    TForm1& Form1 = program_->Form1;
    QCOMPARE(Form1.Edit1->text(), QString());
    QVERIFY(Form1.Edit1->isReadOnly());
    QCOMPARE(program_->VisibleControls(), kIdleLook);
    QVERIFY(!Form1.Writehexfile1->isEnabled());
    QVERIFY(Form1.OpenKSSfile1->isEnabled());

    QCOMPARE(Form1.windowTitle(), QStringLiteral("  TAVRIK  Simple beacon decoder    v1.1     by  ZORVAK"));
    QStringList bar;
    for (const QAction* entry : Form1.MainMenu1->actions()) bar << entry->text();
    QCOMPARE(bar, (QStringList{" File", " Help", " About"}));
    QStringList file;
    for (const QAction* entry : Form1.File1->actions()) file << entry->text();
    QCOMPARE(file, (QStringList{"Open .KSS file", "Write .HEX file", "Exit"}));
  }

  void windowHasFixedSizeAndIsCentred() {
    TForm1& Form1 = program_->Form1;
    QCOMPARE(Form1.centralWidget()->geometry(), QRect(QPoint(0, Form1.MainMenu1->height()), QSize(564, 290)));
    QCOMPARE(Form1.minimumSize(), Form1.maximumSize());
    QCOMPARE(Form1.size(), QSize(564, 290 + Form1.MainMenu1->height()));
    QVERIFY(!(Form1.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(Form1.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(CentredOn(Form1, Form1.screen()->availableGeometry().center()));
  }

  void openShowsWhatTheFileHolds_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");  // null: the file does not exist
    QTest::addColumn<QStringList>("visible");
    QTest::addColumn<QString>("status");    // Label5; "PATH" stands for the file's path
    QTest::addColumn<QString>("frames");    // Label4
    QTest::addColumn<bool>("write");
    QTest::addColumn<QString>("error");

    CaptureBuilder cut = Frames(3);
    cut.Raw(std::vector<std::uint8_t>{0xC0, 0x00, 0x01});
    const CaptureBuilder other =
        CaptureBuilder().NumericTimestamp(1).DataRecord(std::vector<std::uint8_t>{1, 2, 3});

    QTest::newRow("several frames") << "pass.kss" << Bytes(Frames(3)) << kSeveralFramesLook
                                    << " Telemetry data " << " This file contains  3  frames" << true << "";
    QTest::newRow("one frame") << "one.kss" << Bytes(Frames(1)) << kOneFrameLook << " Telemetry data "
                               << " This file contains  1  frame" << true << "";
    QTest::newRow("no telemetry") << "other.kss" << Bytes(other) << kStatusOnly
                                  << "  This KSS file is not TAVRIK telemetry !  " << "" << false << "";
    QTest::newRow("empty file") << "empty.kss" << QByteArray("") << kStatusOnly
                                << "PATH   is not a valid file !" << "" << false << "";
    QTest::newRow("ends inside a record") << "cut.kss" << Bytes(cut) << kReadingLook << "" << "3" << true
                                          << "Read beyond end of file.";
    QTest::newRow("missing file") << "missing.kss" << QByteArray() << kReadingLook << "" << "" << false
                                  << "File not found.";
  }

  void openShowsWhatTheFileHolds() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, visible);
    QFETCH(QString, status);
    QFETCH(QString, frames);
    QFETCH(bool, write);
    QFETCH(QString, error);
    Program& program = *program_;
    const std::string path = bytes.isNull() ? (program.files.path() / name.toStdString()).string()
                                            : program.File(name.toStdString(), bytes);

    program.Open(path);

    const TForm1& Form1 = program.Form1;
    QCOMPARE(program.filters, QStringList{"Kiss files (*.kss) (*.[kK][sS][sS])"});
    QCOMPARE(program.VisibleControls(), Sorted(visible));
    QCOMPARE(Form1.Edit1->text(), QString::fromStdString(path));
    QCOMPARE(Form1.Writehexfile1->isEnabled(), write);
    if (!status.isEmpty()) QCOMPARE(Form1.Label5->text(), status.replace("PATH", QString::fromStdString(path)));
    if (!frames.isEmpty()) QCOMPARE(Form1.Label4->text(), frames);
    if (error.isEmpty()) {
      QCOMPARE(program.boxes.size(), std::size_t(0));
    } else {
      QCOMPARE(program.boxes.size(), std::size_t(1));
      const ErrorBox& box = program.boxes.front();
      QCOMPARE(box.text, error);
      QCOMPARE(box.caption, QStringLiteral("TAVRIK Simple beacon decoder"));
      QCOMPARE(box.icon, QMessageBox::Critical);
      QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
  }

  void openShowsTheFirstFrame() {
    Program& program = *program_;
    program.Open(program.File("pass.kss", Bytes(Frames(3))));
    const TForm1& Form1 = program.Form1;
    QCOMPARE(Form1.Label1->text(), QStringLiteral("1"));
    QCOMPARE(Form1.Label2->text(), QStringLiteral(" Choose the frame to be decoded:"));
    QCOMPARE(Form1.Label6->text(), QStringLiteral(" Decoded data : "));
    QCOMPARE(Form1.Label7->text(), QStringLiteral("+1 ms"));
    QCOMPARE(Form1.Label20->text(), QStringLiteral(" RX date: 2022-04-30 10:54:41 UTC"));
    QCOMPARE(Form1.Label3->text(), QStringLiteral(" On-board unix time : 2022-04-30 10:40:52"));
    QCOMPARE(Form1.Label9->text(), QStringLiteral(" Battery voltage:   4.000 V"));
    QCOMPARE(Form1.Label8->text(), QStringLiteral(" Total system current:  300 mA"));
    QCOMPARE(Form1.Label13->text(), QStringLiteral(" Total solar panel current:  200 mA"));
    QCOMPARE(Form1.Label15->text(), QStringLiteral(" PA temperature:  25.0 \u00B0C  "));
    QCOMPARE(Form1.UpDown1->position(), 1);
  }

  // 150 frames: more than the selector's first upper bound of 100, which
  // only becomes the frame count with the first selection.
  void selectorAndKeysStepToBothEnds() {
    Program& program = *program_;
    program.Open(program.File("long.kss", Bytes(Frames(150))));
    TForm1& Form1 = program.Form1;
    enum Input { kUpArrow, kDownArrow, kKeyToFileLine, kKeyToWindow };
    const struct {
      Input input;
      int key_or_clicks;
      int frame;
    } steps[] = {
        {kKeyToFileLine, Qt::Key_End, 150},    {kKeyToFileLine, Qt::Key_Home, 1},
        {kDownArrow, 1, 1},                    {kKeyToWindow, Qt::Key_PageUp, 11},
        {kUpArrow, 139, 150},                  {kUpArrow, 1, 150},
        {kKeyToWindow, Qt::Key_Up, 150},       {kKeyToFileLine, Qt::Key_PageUp, 150},
        {kKeyToFileLine, Qt::Key_Down, 149},   {kDownArrow, 148, 1},
        {kKeyToFileLine, Qt::Key_PageDown, 1}, {kKeyToFileLine, Qt::Key_Up, 2},
        {kKeyToWindow, Qt::Key_PageDown, 1},   {kKeyToFileLine, Qt::Key_Down, 1},
    };
    for (const auto& step : steps) {
      switch (step.input) {
        case kUpArrow:
        case kDownArrow:
          for (int i = 0; i < step.key_or_clicks; ++i) {
            TUpDown* selector = Form1.UpDown1;
            QTest::mouseClick(step.input == kUpArrow ? selector->upButton() : selector->downButton(),
                              Qt::LeftButton);
          }
          break;
        case kKeyToFileLine:
          QTest::keyClick(Form1.Edit1, Qt::Key(step.key_or_clicks));
          break;
        case kKeyToWindow:
          QTest::keyClick(&Form1, Qt::Key(step.key_or_clicks));
          break;
      }
      const QString frame = QString::number(step.frame);
      QCOMPARE(Form1.Label1->text(), frame);
      QCOMPARE(Form1.Label7->text(), "+" + frame + " ms");
      QCOMPARE(Form1.UpDown1->position(), step.frame);
    }
    QCOMPARE(Form1.UpDown1->maximum(), 150);
    QCOMPARE(program.boxes.size(), std::size_t(0));
  }

  void keysSelectNothingWithoutTheSelector_data() {
    QTest::addColumn<bool>("cancel_after_open");
    QTest::addColumn<int>("frame_count");
    QTest::newRow("one frame") << false << 1;
    QTest::newRow("idle after a cancelled Open") << true << 3;
  }

  void keysSelectNothingWithoutTheSelector() {
    QFETCH(bool, cancel_after_open);
    QFETCH(int, frame_count);
    Program& program = *program_;
    program.Open(program.File("pass.kss", Bytes(Frames(frame_count))));
    if (cancel_after_open) program.Open(std::nullopt);
    TForm1& Form1 = program.Form1;
    const QStringList look = program.VisibleControls();
    for (const Qt::Key key : {Qt::Key_End, Qt::Key_Up, Qt::Key_PageUp}) {
      QTest::keyClick(Form1.Edit1, key);
      QCOMPARE(Form1.Label7->text(), QStringLiteral("+1 ms"));
      QCOMPARE(program.VisibleControls(), look);
    }
  }

  void cancelAfterOpenKeepsTheFileForWrite() {
    Program& program = *program_;
    const std::string path = program.File("pass.kss", Bytes(Frames(3)));
    program.Open(path);
    program.Open(std::nullopt);
    const TForm1& Form1 = program.Form1;
    QCOMPARE(program.VisibleControls(), kIdleLook);
    QVERIFY(Form1.Writehexfile1->isEnabled());
    QCOMPARE(Form1.Edit1->text(), QString::fromStdString(path));
  }

  void writeMakesTheHexFileInTheDecoderDirectory() {
    Program& program = *program_;
    program.Open(program.File("pass.kss", Bytes(Frames(3))));
    program.Form1.Writehexfile1->trigger();
    QCOMPARE(program.Form1.Edit1->text(), QStringLiteral(" Writing pass.HEX"));
    const std::vector<std::uint8_t> hex = tavrik::testing::ReadFileBytes(program.run_dir.path() / "pass.HEX");
    QCOMPARE(std::count(hex.begin(), hex.end(), '\n'), 3);
    QCOMPARE(program.boxes.size(), std::size_t(0));
  }

  void failedWriteIsReportedAndLeavesTheWindow() {
    Program& program = *program_;
    const std::string path = program.File("pass.kss", Bytes(Frames(3)));
    program.Open(path);
    // A directory in the way of the .HEX file.
    fs::create_directory(program.run_dir.path() / "pass.HEX");
    program.Form1.Writehexfile1->trigger();
    QCOMPARE(program.boxes.size(), std::size_t(1));
    QVERIFY(program.boxes.front().text.endsWith(u'.'));
    QCOMPARE(program.Form1.Edit1->text(), QString::fromStdString(path));
    QCOMPARE(program.VisibleControls(), Sorted(kSeveralFramesLook));

    program.Open(program.File("one.kss", Bytes(Frames(1))));  // and the program goes on
    QCOMPARE(program.VisibleControls(), Sorted(kOneFrameLook));
  }

  void droppedFileIsOpened_data() {
    QTest::addColumn<QStringList>("names");  // captures made for the drag
    QTest::addColumn<bool>("local");
    QTest::addColumn<bool>("opened");
    QTest::newRow(".kss") << QStringList{"pass.kss"} << true << true;
    QTest::newRow(".KSS") << QStringList{"PASS.KSS"} << true << true;
    QTest::newRow("other extension") << QStringList{"pass.hex"} << true << false;
    QTest::newRow("two files") << QStringList{"a.kss", "b.kss"} << true << false;
    QTest::newRow("not a local file") << QStringList{"pass.kss"} << false << false;
  }

  void droppedFileIsOpened() {
    QFETCH(QStringList, names);
    QFETCH(bool, local);
    QFETCH(bool, opened);
    QList<QUrl> urls;
    for (const QString& name : names) {
      const QString path = QString::fromStdString(program_->File(name.toStdString(), Bytes(Frames(3))));
      urls << (local ? QUrl::fromLocalFile(path) : QUrl("https://example.org" + path));
    }
    TForm1& Form1 = program_->Form1;
    QMimeData data;
    data.setUrls(urls);
    const QPointF inside(200, 150);
    QDragEnterEvent enter(inside.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Form1, &enter);
    QCOMPARE(enter.isAccepted(), opened);
    if (!opened) return;

    QDropEvent drop(inside, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Form1, &drop);
    QVERIFY(drop.isAccepted());
    QTRY_COMPARE(program_->VisibleControls(), Sorted(kSeveralFramesLook));
    QCOMPARE(Form1.Edit1->text(), urls.front().toLocalFile());
    QVERIFY(program_->filters.isEmpty());  // no file dialog
  }

  void helpAndAboutOpenOnceCentredOnTheMainWindow_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("window");
    QTest::newRow("Help") << "help" << "Form3";
    QTest::newRow("About") << "About1" << "Form2";
  }

  void helpAndAboutOpenOnceCentredOnTheMainWindow() {
    QFETCH(QString, entry);
    QFETCH(QString, window);
    TForm1& Form1 = program_->Form1;
    QAction* action = Form1.findChild<QAction*>(entry);
    QVERIFY(action != nullptr);
    for (int i = 0; i < 2; ++i) action->trigger();
    QWidgetList shown;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (widget->objectName() == window && widget->isVisible()) shown << widget;
    }
    QCOMPARE(shown.size(), 1);
    QVERIFY(!shown.front()->isModal());
    QVERIFY(CentredOn(*shown.front(), Form1.geometry().center()));
    QVERIFY(Form1.isVisible());
  }

  void helpTextIsRewrittenOnlyAfterClosing() {
    Program& program = *program_;
    program.Form1.help->trigger();
    const QString help = program.Form3.Memo1->toPlainText();
    program.Form3.Memo1->setPlainText(QStringLiteral("typed by the user"));

    program.Form1.help->trigger();
    QCOMPARE(program.Form3.Memo1->toPlainText(), QStringLiteral("typed by the user"));

    program.Form3.close();
    program.Form1.help->trigger();
    QCOMPARE(program.Form3.Memo1->toPlainText(), help);
  }

  void closingTheMainWindowEndsTheProgram_data() {
    QTest::addColumn<bool>("by_exit");
    QTest::newRow("Exit") << true;
    QTest::newRow("close box") << false;
  }

  void closingTheMainWindowEndsTheProgram() {
    QFETCH(bool, by_exit);
    Program& program = *program_;
    program.Form1.help->trigger();
    program.Form1.About1->trigger();
    // The program's event loop, ended by the closing main window; a loop
    // still running after five seconds fails the test instead.
    QTimer::singleShot(0, &program.Form1, [&program, by_exit] {
      if (by_exit) {
        program.Form1.Exit1->trigger();
      } else {
        program.Form1.windowHandle()->close();
      }
    });
    QTimer still_running;
    still_running.setSingleShot(true);
    connect(&still_running, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    still_running.start(5000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!program.Form1.isVisible());
    QVERIFY(!program.Form2.isVisible());
    QVERIFY(!program.Form3.isVisible());
  }

  // The labels of the grid, with real texts in wide date formats, lie side
  // by side without overlapping, within the client area.
  void labelGridHasNoOverlaps_data() {
    QTest::addColumn<QString>("short_date");
    QTest::addColumn<QString>("long_time");
    QTest::newRow("ISO 8601") << "%Y-%m-%d" << "%H:%M:%S";
    QTest::newRow("12-hour clock") << "%m/%d/%Y" << "%I:%M:%S %p";
    QTest::newRow("day first") << "%d.%m.%Y" << "%H:%M:%S";
  }

  void labelGridHasNoOverlaps() {
    QFETCH(QString, short_date);
    QFETCH(QString, long_time);
    program_.reset();
    program_ = std::make_unique<Program>(tavrik::DateTimeFormat{short_date.toStdString(), long_time.toStdString()});
    Program& program = *program_;
    CaptureBuilder capture;
    // 2023-12-28 20:08:08: wide digits, and an afternoon hour.
    const TelemetryFields widest = {.milliseconds = 65535, .onboard_time = 1703794088, .solar_current = 9999,
                                    .system_current = 65535, .battery_voltage = 65535, .pa_temperature = 9999};
    capture.TextTimestamp("2023-12-28 20:08:08.888 UTC").Telemetry(widest);
    for (int n = 0; n < 99; ++n) capture.NumericTimestamp(1703794088888).Telemetry(widest);
    program.Open(program.File("wide.kss", Bytes(capture)));
    program.Form1.UpDown1->setPosition(100);
    program.Form1.UpDown1Click();
    QCOMPARE(program.VisibleControls(), Sorted(kSeveralFramesLook));

    const TForm1& Form1 = program.Form1;
    const QRect client(QPoint(0, 0), Form1.centralWidget()->size());
    QList<const QWidget*> controls;
    for (const QString& name : kSeveralFramesLook) controls << Form1.centralWidget()->findChild<QWidget*>(name);
    for (const QWidget* control : controls) {
      QRect area = control->geometry();
      if (const auto* label = qobject_cast<const QLabel*>(control)) {
        const int text_width = QFontMetrics(label->font()).horizontalAdvance(label->text());
        area.setWidth(std::max(area.width(), text_width));
      }
      QVERIFY2(client.contains(area), qPrintable(control->objectName()));
      for (const QWidget* other : controls) {
        if (other != control && area.intersects(other->geometry())) {
          QFAIL(qPrintable(QStringLiteral("%1 \"%2\" overlaps %3")
                               .arg(control->objectName(), control->property("text").toString(),
                                    other->objectName())));
        }
      }
    }
  }

 private:
  std::unique_ptr<Program> program_;
};

QTEST_MAIN(MainWindowTest)
#include "Unit1_test.moc"
