// fuzz_open_capture: any bytes as a .kss capture, taken along the whole
// path a user takes: Open, every frame shown through the selector, Write.
// Only DecoderError may come out of the controller (anything else ends the
// process and libFuzzer reports it), and the properties checked below must
// hold for every input, however damaged; a broken one aborts.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "decoder/decoder_controller.h"
#include "decoder/hex_text.h"
#include "decoder/path_view.h"
#include "fuzz/reference_unescape.h"
#include "testing/scratch_directory.h"

namespace {

using tavrik::DecoderController;
using tavrik::DecoderError;

constexpr char kCaptureName[] = "capture.kss";
constexpr char kHexName[] = "capture.HEX";

// Stepping through more frames finds nothing new and slows every input.
constexpr std::int32_t kMostFramesStepped = 2000;

void Require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "fuzz_open_capture: property broken: %s\n", property);
  std::abort();
}

// The process's scratch directory, holding the capture and the .HEX file,
// and a controller initialised once with that directory as its decoder
// directory. Each input runs on a fresh copy of that controller, so that
// no input depends on the ones before it.
struct Workspace {
  Workspace()
      : view((directory.path() / kCaptureName).string()),
        initialised(view, tavrik::DateTimeFormat::Iso8601()) {
    const std::filesystem::path start = std::filesystem::current_path();
    std::filesystem::current_path(directory.path());
    initialised.Initialise();
    std::filesystem::current_path(start);
  }

  tavrik::testing::ScratchDirectory directory;
  tavrik::PathView view;  // its file dialog always picks the capture
  DecoderController initialised;
};

Workspace& TheWorkspace() {
  static Workspace workspace;
  return workspace;
}

void WriteCapture(const std::string& path, const std::uint8_t* data, std::size_t size) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  file.close();
  Require(file.good(), "the capture can be written to the scratch directory");
}

std::string ReadText(const std::filesystem::path& path) {
  const std::vector<std::uint8_t> bytes = tavrik::testing::ReadFileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

void CheckLists(const DecoderController& controller) {
  Require(controller.FrameCount() >= 0, "FrameCount is not negative");
  const auto frames = static_cast<std::size_t>(controller.FrameCount());
  Require(controller.StoredFrames().size() == frames, "StoredFrames holds FrameCount entries");
  Require(controller.TelemetryFrames().size() == frames,
          "TelemetryFrames holds FrameCount entries");
  for (std::size_t i = 0; i < frames; ++i) {
    const tavrik::HexText stored = controller.StoredFrames().Text(i);
    const tavrik::HexText telemetry = controller.TelemetryFrames().Text(i);
    Require(tavrik::IsWellFormedHexText(stored), "a stored frame is well-formed HexText");
    Require(tavrik::IsWellFormedHexText(telemetry), "a telemetry frame is well-formed HexText");
    Require(stored.substr(12, 6) == "16 2A ", "a stored frame has the marker at bytes 4 and 5");
    Require(telemetry == tavrik::fuzz::ReferenceUnescape(stored),
            "telemetry frame i is the un-escaped stored frame i");
  }
  for (std::size_t i = 0; i < controller.TimestampRecords().size(); ++i) {
    Require(tavrik::IsWellFormedHexText(controller.TimestampRecords().Text(i)),
            "a timestamp record is well-formed HexText");
  }
}

void CheckSelector(const DecoderController& controller) {
  const std::int32_t last = std::max(controller.FrameCount(), 1);
  const std::int32_t position = controller.Slots().FrameSelector.position;
  Require(position >= 1 && position <= last, "the selector stays within 1 and FrameCount");
  Require(controller.SelectedFrame() == position, "the selected frame is the selector position");
}

void Select(DecoderController& controller, std::int32_t position) {
  try {
    controller.Select(position);
  } catch (const DecoderError&) {
    // A frame too short for its fields: reported to the user, nothing lost.
  }
  CheckSelector(controller);
}

// The .HEX file holds FrameCount lines, line i the telemetry frame i.
void CheckHexFile(const DecoderController& controller, const std::filesystem::path& path) {
  std::string expected;
  for (std::int32_t i = 0; i < controller.FrameCount(); ++i) {
    expected += controller.TelemetryFrames().Text(static_cast<std::size_t>(i));
    expected += "\r\n";
  }
  Require(ReadText(path) == expected, "the .HEX file holds one line per telemetry frame");
}

// Nothing but the capture and its .HEX file: no temporary file is left.
void CheckNoStrayFiles(const std::filesystem::path& directory) {
  for (const std::filesystem::directory_entry& entry :
       std::filesystem::directory_iterator(directory)) {
    const std::string name = entry.path().filename().string();
    Require(name == kCaptureName || name == kHexName, "Write leaves no other file behind");
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Write syncs the .HEX file to its disk on every input: on a memory file
  // system that costs nothing, on a real disk it would slow fuzzing down.
  if (std::getenv("TMPDIR") == nullptr && ::access("/dev/shm", W_OK) == 0) {
    ::setenv("TMPDIR", "/dev/shm", 0);
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Workspace& workspace = TheWorkspace();
  WriteCapture(workspace.view.path(), data, size);
  DecoderController controller(workspace.initialised);

  try {
    controller.Open();
  } catch (const DecoderError&) {
    // A cut-off capture: the frames read before the cut stay.
  }
  CheckLists(controller);
  CheckSelector(controller);
  // The decoder directory as Initialise found it, which may spell the
  // scratch directory differently (a temporary directory behind a link).
  const std::filesystem::path hex_path =
      std::filesystem::path(workspace.initialised.DecoderDirectory()) / kHexName;
  Require(controller.HexFilePath() == hex_path.string(),
          "the .HEX file goes to the decoder directory");

  const std::int32_t last_stepped = std::min(controller.FrameCount(), kMostFramesStepped);
  for (std::int32_t position = 2; position <= last_stepped; ++position) {
    Select(controller, position);
    Require(controller.SelectedFrame() == position, "Select reaches every frame");
  }
  Select(controller, 0);
  Select(controller, controller.FrameCount() + 1);

  bool written = true;
  try {
    controller.Write();
  } catch (const DecoderError&) {
    written = false;
  }
  if (written) CheckHexFile(controller, hex_path);
  CheckNoStrayFiles(workspace.directory.path());
  Require(tavrik::testing::ReadFileBytes(workspace.view.path()) ==
              std::vector<std::uint8_t>(data, data + size),
          "the capture itself is left as it was");
  CheckLists(controller);
  return 0;
}
