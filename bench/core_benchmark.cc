// Speed and memory of the decoder core on a 100 MB synthetic capture: Open
// (read the records, un-escape the frames, show the first) and Write (the
// .HEX file), against `xxd -p` making a plain hex dump of the same file.
//
// Run: build/bench/tavrik_core_benchmark   (or scripts/benchmark)
// The capture is generated once into the build directory and reused.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "capture/capture_generator.h"
#include "decoder/decoder_controller.h"
#include "decoder/path_view.h"

namespace {

constexpr std::uint64_t kCaptureBytes = 100'000'000;

const std::filesystem::path& CapturePath() {
  static const std::filesystem::path path = [] {
    std::filesystem::path file = std::filesystem::current_path() / "benchmark-100MB.kss";
    if (!std::filesystem::exists(file) || std::filesystem::file_size(file) < kCaptureBytes) {
      std::ofstream out(file, std::ios::binary);
      tavrik::capture::GenerateCapture({.seed = 1, .frames = 0, .target_bytes = kCaptureBytes},
                                       out);
      if (!out.flush()) throw std::runtime_error("cannot write " + file.string());
    }
    return file;
  }();
  return path;
}

double PeakResidentBytes() {
  struct rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) * 1024.0;
}

void BM_OpenAndWriteHex(benchmark::State& state) {
  const std::filesystem::path capture = CapturePath();
  const double file_bytes = static_cast<double>(std::filesystem::file_size(capture));
  tavrik::PathView view(capture.string());
  for (auto _ : state) {
    tavrik::DecoderController controller(view, tavrik::DateTimeFormat::Iso8601());
    controller.Initialise();
    controller.Open();
    controller.Write();
    benchmark::DoNotOptimize(controller.FrameCount());
    state.counters["frames"] = controller.FrameCount();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file_bytes));
  state.counters["peak_rss_MB"] = PeakResidentBytes() / 1e6;
  state.counters["peak_rss_per_file_size"] = PeakResidentBytes() / file_bytes;
  std::filesystem::remove(capture.parent_path() / "benchmark-100MB.HEX");
}
BENCHMARK(BM_OpenAndWriteHex)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_XxdPlainHexDump(benchmark::State& state) {
  const std::filesystem::path capture = CapturePath();
  const std::filesystem::path dump = capture.parent_path() / "benchmark-100MB.xxd";
  const std::string command = "xxd -p '" + capture.string() + "' > '" + dump.string() + "'";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("xxd -p failed (is xxd installed?)");
  }
  state.SetBytesProcessed(
      static_cast<std::int64_t>(state.iterations() * std::filesystem::file_size(capture)));
  std::filesystem::remove(dump);
}
BENCHMARK(BM_XxdPlainHexDump)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
