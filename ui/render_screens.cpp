// Renders the desktop program's windows to PNG files on the offscreen
// platform, for the documentation:
//   tavrik-render-screens SAMPLE.kss OUTPUT_DIRECTORY
// writes main-idle.png, main-frame.png (frame 2 of SAMPLE.kss, the picture
// of docs/main-window.png), main-no-telemetry.png, help.png and about.png.
// The file line shows SAMPLE.kss as given on the command line.
#include <cstdio>
#include <optional>
#include <string>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPixmap>
#include <QTemporaryDir>
#include <QToolButton>

#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "UpDown.h"
#include "application_setup.h"
#include "capture/capture_builder.h"

namespace {

// Another station's packet after a timestamp record: a capture without
// telemetry.
void WriteCaptureWithoutTelemetry(const std::string& path) {
  tavrik::capture::CaptureBuilder()
      .NumericTimestamp(1651316080667)
      .DataRecord(std::vector<std::uint8_t>{0x96, 0x70, 0x9A, 0x9A, 0x9E, 0x40, 0x60, 0x03, 0xF0})
      .WriteTo(path);
}

bool Save(QWidget& window, const QDir& directory, const char* name) {
  const QString path = directory.filePath(QLatin1String(name));
  if (!window.grab().save(path, "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s SAMPLE.kss OUTPUT_DIRECTORY\n", argv[0]);
    return 2;
  }
  tavrik::ui::SetUpApplication(application);
  const std::string sample = argv[1];
  const QDir output(QString::fromLocal8Bit(argv[2]));
  if (!output.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "cannot make %s\n", argv[2]);
    return 1;
  }
  const QTemporaryDir scratch;
  const std::string other_station = QFile::encodeName(scratch.filePath(QStringLiteral("other-station.kss"))).toStdString();
  WriteCaptureWithoutTelemetry(other_station);

  // Dates in ISO 8601, whatever the locale, so that the pictures do not
  // depend on who draws them.
  TForm1 Form1(tavrik::DateTimeFormat::Iso8601());
  TForm2 Form2(&Form1);
  TForm3 Form3(&Form1);
  Form1.SetSecondaryWindows(Form2, Form3);
  bool failed = false;
  Form1.SetErrorPresenter([&failed](QMessageBox& box) {
    std::fprintf(stderr, "error: %s\n", qPrintable(box.text()));
    failed = true;
  });
  const auto open = [&Form1](const std::string& path) {
    Form1.SetFileChooser([path](const QString&) -> std::optional<std::string> { return path; });
    Form1.OpenKSSfile1->trigger();
  };

  Form1.show();
  bool saved = Save(Form1, output, "main-idle.png");
  open(sample);
  Form1.UpDown1->upButton()->click();
  saved = saved && Save(Form1, output, "main-frame.png");
  open(other_station);
  saved = saved && Save(Form1, output, "main-no-telemetry.png");
  Form1.help->trigger();
  saved = saved && Save(Form3, output, "help.png");
  Form1.About1->trigger();
  saved = saved && Save(Form2, output, "about.png");
  return saved && !failed ? 0 : 1;
}
