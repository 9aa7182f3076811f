// Times "Open .KSS file" and "Write .HEX file" of a 100 MB capture in the
// main window on the offscreen platform, beside the same two operations of
// the decoder controller without a window:
//   tavrik_ui_benchmark [RUNS]
// The capture is generated into a scratch directory, which is also the
// decoder directory. Prints each run and the best of RUNS (3 by default).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include <QAction>
#include <QApplication>
#include <QMessageBox>

#include "Unit1.h"
#include "application_setup.h"
#include "capture/capture_generator.h"
#include "decoder/path_view.h"
#include "testing/scratch_directory.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

struct Times {
  double open = 0;
  double write = 0;
  double total() const { return open + write; }
};

Times TimeCore(const std::string& capture) {
  tavrik::PathView view(capture);
  tavrik::DecoderController controller(view, tavrik::DateTimeFormat::Iso8601());
  controller.Initialise();
  Times times;
  Clock::time_point start = Clock::now();
  controller.Open();
  times.open = SecondsSince(start);
  start = Clock::now();
  controller.Write();
  times.write = SecondsSince(start);
  return times;
}

Times TimeWindow(const std::string& capture) {
  TForm1 Form1(tavrik::DateTimeFormat::Iso8601());
  Form1.SetFileChooser([capture](const QString&) -> std::optional<std::string> { return capture; });
  Form1.SetErrorPresenter([](QMessageBox& box) {
    std::fprintf(stderr, "error: %s\n", qPrintable(box.text()));
    std::exit(1);
  });
  Form1.show();
  QApplication::processEvents();
  Times times;
  Clock::time_point start = Clock::now();
  Form1.OpenKSSfile1->trigger();
  times.open = SecondsSince(start);
  start = Clock::now();
  Form1.Writehexfile1->trigger();
  times.write = SecondsSince(start);
  return times;
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  tavrik::ui::SetUpApplication(application);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

  const tavrik::testing::ScratchDirectory directory;
  std::filesystem::current_path(directory.path());
  const std::string capture = (directory.path() / "night.kss").string();
  {
    std::ofstream out(capture, std::ios::binary);
    tavrik::capture::GenerateCapture({.seed = 1, .frames = 0, .target_bytes = 100'000'000}, out);
    if (!out.flush()) {
      std::fprintf(stderr, "cannot write %s\n", capture.c_str());
      return 1;
    }
  }
  std::printf("capture: %ju bytes\n", std::uintmax_t(std::filesystem::file_size(capture)));

  Times best_core{1e9, 1e9};
  Times best_window{1e9, 1e9};
  for (int run = 1; run <= runs; ++run) {
    const Times core = TimeCore(capture);
    const Times window = TimeWindow(capture);
    std::printf("run %d: core open %.3f s + write %.3f s = %.3f s; window open %.3f s + write %.3f s = %.3f s\n",
                run, core.open, core.write, core.total(), window.open, window.write, window.total());
    if (core.total() < best_core.total()) best_core = core;
    if (window.total() < best_window.total()) best_window = window;
  }
  std::printf("best: core open+write %.3f s; window open %.3f s (%.2f x core), open+write %.3f s (%.2f x core)\n",
              best_core.total(), best_window.open, best_window.open / best_core.total(),
              best_window.total(), best_window.total() / best_core.total());
  std::filesystem::current_path(directory.path().parent_path());
  return 0;
}
