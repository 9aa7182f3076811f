#include "cli/decode_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <vector>

#include "capture/capture_builder.h"
#include "decoder/decoder_controller.h"
#include "decoder/path_view.h"
#include "testing/scratch_directory.h"
#include "testing/telemetry_fields.h"

namespace tavrik::cli {
namespace {

using capture::CaptureBuilder;
using testing::Fields;
using Bytes = std::vector<std::uint8_t>;
using Lines = std::vector<std::string>;

constexpr char kInvalidField[] = "'$' is not a valid integer value";

// A telemetry frame that ends after `length` bytes.
Bytes ShortFrame(std::uint16_t battery_mv, std::size_t length) {
  Bytes frame = capture::TelemetryFrameBytes(Fields(battery_mv));
  frame.resize(length);
  return frame;
}

// Three telemetry frames. Frame 1 ends before its PA temperature, frame 2
// has a text timestamp record and frame 3 none of its own, with a record
// that is not telemetry before it.
CaptureBuilder ThreeFrames(std::string_view text_timestamp = "2022-04-30 11:00:00.000 UTC") {
  CaptureBuilder capture;
  capture.NumericTimestamp(0x01807A1BC0DB).DataRecord(ShortFrame(4000, 50));
  capture.TextTimestamp(text_timestamp).Telemetry(Fields(3800));
  capture.DataRecord(Bytes{1, 2, 3});
  capture.Telemetry(Fields(3700));
  return capture;
}

CaptureBuilder OneFrame(std::uint16_t battery_mv) {
  CaptureBuilder capture;
  capture.Telemetry(Fields(battery_mv));
  return capture;
}

CaptureBuilder NoTelemetry() {
  CaptureBuilder capture;
  capture.NumericTimestamp(1).DataRecord(Bytes{1, 2});
  return capture;
}

// Two frames, then a record that the end of the file cuts off.
CaptureBuilder CutOff() {
  CaptureBuilder capture = OneFrame(4000);
  capture.Telemetry(Fields(3900)).Raw(Bytes{0xC0, 0x00, 0x01});
  return capture;
}

struct Result {
  int status;
  std::string out;
  std::string err;
};

Lines SplitLines(const std::string& text) {
  Lines lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class DecodeCommandTest : public ::testing::Test {
 protected:
  std::string Capture(const std::string& name, const CaptureBuilder& capture) {
    return files_.WriteFile(name, capture.Bytes());
  }
  std::string Missing(const std::string& name) { return (files_.path() / name).string(); }

  // Runs the command in run_dir_, the directory that gets the .HEX files.
  Result Run(std::vector<std::string> arguments,
             const DateTimeFormat& format = DateTimeFormat::Iso8601()) {
    const std::vector<std::string_view> views(arguments.begin(), arguments.end());
    std::ostringstream out;
    std::ostringstream err;
    const std::filesystem::path start = std::filesystem::current_path();
    std::filesystem::current_path(run_dir_.path());
    const int status = RunDecodeCommand(views, out, err, format);
    std::filesystem::current_path(start);
    return {status, out.str(), err.str()};
  }

  testing::ScratchDirectory files_;
  testing::ScratchDirectory run_dir_;
};

TEST_F(DecodeCommandTest, TextFormShowsEachFrameAsTheWindowDoes) {
  const std::string path = Capture("pass.kss", ThreeFrames());
  const Result result = Run({path});
  EXPECT_EQ(result.out,
            "Frame 1\n"
            " RX date: 2022-04-30 10:54:40 UTC\n"
            " On-board unix time : 2022-04-30 10:40:52\n"
            "+123 ms\n"
            " Battery voltage:   4.000 V\n"
            " Total system current:  300 mA\n"
            " Total solar panel current:  200 mA\n"
            "Label15\n"  // never set yet: the window's first text
            "Frame 2\n"
            " RX date: 2022-04-30 11:00:00.000 UTC\n"
            " On-board unix time : 2022-04-30 10:40:52\n"
            "+123 ms\n"
            " Battery voltage:   3.800 V\n"
            " Total system current:  300 mA\n"
            " Total solar panel current:  200 mA\n"
            " PA temperature:  25.0 \u00B0C  \n"
            "Frame 3\n"
            " RX date: 2022-04-30 11:00:00.000 UTC\n"  // kept from frame 2
            " On-board unix time : 2022-04-30 10:40:52\n"
            "+123 ms\n"
            " Battery voltage:   3.700 V\n"
            " Total system current:  300 mA\n"
            " Total solar panel current:  200 mA\n"
            " PA temperature:  25.0 \u00B0C  \n");
  EXPECT_EQ(result.err, path + ": frame 1: " + kInvalidField + "\n");
  EXPECT_EQ(result.status, kExitFailure);
}

TEST_F(DecodeCommandTest, SeveralFilesEachStartWithTheirPath) {
  const std::string one = Capture("one.kss", OneFrame(4000));
  const std::string empty = files_.WriteFile("empty.kss", Bytes{});
  const std::string other = Capture("other.kss", NoTelemetry());
  const std::string frame_lines =
      "Frame 1\n\n"  // no timestamp record: Open empties the reception time
      " On-board unix time : 2022-04-30 10:40:52\n+123 ms\n Battery voltage:   4.000 V\n"
      " Total system current:  300 mA\n Total solar panel current:  200 mA\n"
      " PA temperature:  25.0 \u00B0C  \n";
  const std::string empty_status = empty + "   is not a valid file !\n";
  const std::string other_status = "  This KSS file is not TAVRIK telemetry !  \n";
  const struct {
    std::vector<std::string> files;
    std::string out;
  } cases[] = {
      {{one}, frame_lines},
      {{empty}, empty_status},
      {{other}, other_status},
      {{one, empty, other, one},
       "File " + one + "\n" + frame_lines + "File " + empty + "\n" + empty_status + "File " +
           other + "\n" + other_status + "File " + one + "\n" + frame_lines},
  };
  for (const auto& c : cases) {
    const Result result = Run(c.files);
    EXPECT_EQ(result.out, c.out) << ::testing::PrintToString(c.files);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.status, kExitSuccess);
  }
}

TEST_F(DecodeCommandTest, CsvAndJsonCarryTheValuesOfEveryFrame) {
  const std::string path = Capture("pass, late.kss", ThreeFrames("30/04/2022 11:00:00,000 UTC"));
  const std::string quoted_path = "\"" + path + "\"";
  const struct {
    const char* option;
    std::string out;
  } cases[] = {
      {"--csv",
       "file,frame,reception_time,onboard_time,onboard_ms,battery_v,system_current_ma,"
       "solar_current_ma,pa_temperature_c\r\n" +
           quoted_path + ",1,2022-04-30T10:54:40Z,2022-04-30T10:40:52Z,123,4.000,300,200,\r\n" +
           quoted_path +
           ",2,\"30/04/2022 11:00:00,000 UTC\",2022-04-30T10:40:52Z,123,3.800,300,200,25.0\r\n" +
           quoted_path + ",3,,2022-04-30T10:40:52Z,123,3.700,300,200,25.0\r\n"},
      {"--json", "{\"file\":" + quoted_path +
                     R"(,"frame":1,"reception_time":"2022-04-30T10:54:40Z",)"
                     R"("onboard_time":"2022-04-30T10:40:52Z","onboard_ms":123,"battery_v":4.000,)"
                     R"("system_current_ma":300,"solar_current_ma":200,"pa_temperature_c":null})"
                     "\n"
                     "{\"file\":" +
                     quoted_path +
                     R"(,"frame":2,"reception_time":"30/04/2022 11:00:00,000 UTC",)"
                     R"("onboard_time":"2022-04-30T10:40:52Z","onboard_ms":123,"battery_v":3.800,)"
                     R"("system_current_ma":300,"solar_current_ma":200,"pa_temperature_c":25.0})"
                     "\n"
                     "{\"file\":" +
                     quoted_path +
                     R"(,"frame":3,"reception_time":null,)"
                     R"("onboard_time":"2022-04-30T10:40:52Z","onboard_ms":123,"battery_v":3.700,)"
                     R"("system_current_ma":300,"solar_current_ma":200,"pa_temperature_c":25.0})"
                     "\n"},
  };
  for (const auto& c : cases) {
    const Result result = Run({c.option, path});
    EXPECT_EQ(result.out, c.out) << c.option;
    EXPECT_EQ(result.err, path + ": frame 1: " + kInvalidField + "\n") << c.option;
    EXPECT_EQ(result.status, kExitFailure) << c.option;
  }
}

TEST_F(DecodeCommandTest, OnlyTheTextFormFollowsTheLocale) {
  const std::string path =
      Capture("one.kss", CaptureBuilder().NumericTimestamp(0x01807A1BC0DB).Telemetry(Fields(4000)));
  const DateTimeFormat regional{"%d/%m/%Y", "%H.%M.%S"};
  const Lines text = SplitLines(Run({path}, regional).out);
  ASSERT_EQ(text.size(), 8u);
  EXPECT_EQ(text[1], " RX date: 30/04/2022 10.54.40 UTC");
  EXPECT_EQ(text[2], " On-board unix time : 30/04/2022 10.40.52");
  EXPECT_EQ(SplitLines(Run({"--csv", path}, regional).out).at(1),
            path + ",1,2022-04-30T10:54:40Z,2022-04-30T10:40:52Z,123,4.000,300,200,25.0\r");
}

TEST_F(DecodeCommandTest, AllFilesWithoutTelemetryGiveAHeaderOnly) {
  const std::string other = Capture("other.kss", NoTelemetry());
  EXPECT_EQ(Run({"--csv", other}).out,
            "file,frame,reception_time,onboard_time,onboard_ms,battery_v,system_current_ma,"
            "solar_current_ma,pa_temperature_c\r\n");
  EXPECT_EQ(Run({"--json", other}).out, "");
}

// What is written, and where errors stop, shows in the "File" and "Frame"
// lines; the texts of the frames are covered above.
Lines Headings(const std::string& out) {
  Lines headings;
  for (const std::string& line : SplitLines(out)) {
    if (line.starts_with("File ") || line.starts_with("Frame ")) headings.push_back(line);
  }
  return headings;
}

TEST_F(DecodeCommandTest, ReportsErrorsAndGoesOn) {
  const std::string good = Capture("good.kss", OneFrame(4000));
  const std::string missing = Missing("missing.kss");
  const std::string cut = Capture("cut.kss", CutOff());
  CaptureBuilder short_second = OneFrame(4000);
  short_second.DataRecord(ShortFrame(3900, 6)).Telemetry(Fields(3800));
  const std::string short_frame = Capture("short.kss", short_second);
  const std::string directory = files_.path().string();

  const struct {
    std::vector<std::string> files;
    std::string err;
    Lines headings;
  } cases[] = {
      {{missing, good},
       missing + ": File not found\n",
       {"File " + missing, "File " + good, "Frame 1"}},
      {{cut, good},
       cut + ": Read beyond end of file\n",
       {"File " + cut, "File " + good, "Frame 1"}},
      {{directory}, directory + ": File access denied\n", {}},
      {{good, missing},
       missing + ": File not found\n",
       {"File " + good, "Frame 1", "File " + missing}},
      {{short_frame},
       short_frame + ": frame 2: " + kInvalidField + "\n",
       {"Frame 1", "Frame 2", "Frame 3"}},
  };
  for (const auto& c : cases) {
    const Result result = Run(c.files);
    EXPECT_EQ(result.err, c.err) << ::testing::PrintToString(c.files);
    EXPECT_EQ(Headings(result.out), c.headings) << ::testing::PrintToString(c.files);
    EXPECT_EQ(result.status, kExitFailure) << ::testing::PrintToString(c.files);
  }
}

TEST_F(DecodeCommandTest, FrameAfterAShortOneIsDecodedAgain) {
  CaptureBuilder capture = OneFrame(4000);
  capture.DataRecord(ShortFrame(0x0F3C, 45)).Telemetry(Fields(3800));
  const Lines lines = SplitLines(Run({Capture("short.kss", capture)}).out);
  ASSERT_EQ(lines.size(), 24u);
  // Frame 2 ends inside its battery voltage, which is read from the one
  // byte there is, and before its PA temperature, which keeps frame 1's text.
  EXPECT_EQ(lines[12], " Battery voltage:   0.015 V");
  EXPECT_EQ(lines[15], lines[7]);
  EXPECT_EQ(lines[20], " Battery voltage:   3.800 V");
}

// The reference: the .HEX file the window's Write makes for `path`, or
// nothing when its Write command is not enabled after Open.
std::optional<Bytes> WindowHexFile(const std::string& path) {
  PathView view(path);
  testing::ScratchDirectory directory;
  const std::filesystem::path start = std::filesystem::current_path();
  std::filesystem::current_path(directory.path());
  DecoderController controller(view, DateTimeFormat::Iso8601());
  controller.Initialise();
  std::filesystem::current_path(start);
  try {
    controller.Open();
  } catch (const DecoderError&) {
  }
  if (!controller.Slots().WriteHexCommand) return std::nullopt;
  controller.Write();
  return testing::ReadFileBytes(controller.HexFilePath());
}

TEST_F(DecodeCommandTest, HexWritesWhatTheWindowWrites) {
  const struct {
    const char* name;
    Bytes capture;
    bool written;
  } cases[] = {
      {"pass.kss", ThreeFrames().Bytes(), true},
      {"cut.kss", CutOff().Bytes(), true},
      {"other.kss", NoTelemetry().Bytes(), false},
      {"empty.kss", {}, false},
  };
  for (const auto& c : cases) {
    const std::string path = files_.WriteFile(c.name, c.capture);
    for (const char* format : {"--csv", "--json"}) {
      Run({"--hex", format, path});
      const std::filesystem::path hex = (run_dir_.path() / c.name).replace_extension(".HEX");
      ASSERT_EQ(std::filesystem::exists(hex), c.written) << c.name;
      if (!c.written) continue;
      EXPECT_EQ(testing::ReadFileBytes(hex), WindowHexFile(path)) << c.name;
      std::filesystem::remove(hex);
    }
  }
  EXPECT_EQ(Run({Capture("plain.kss", OneFrame(4000))}).status, kExitSuccess);
  EXPECT_FALSE(std::filesystem::exists(run_dir_.path() / "plain.HEX")) << "written without --hex";
}

// A directory in the way makes the write fail, which also shows that no
// write is tried for the missing file: the window's Write command would
// still write good.kss's frames after it.
TEST_F(DecodeCommandTest, HexFileThatCannotBeWrittenIsAnError) {
  const std::string good = Capture("good.kss", OneFrame(4000));
  const std::string missing = Missing("missing.kss");
  std::filesystem::create_directories(run_dir_.path() / "good.HEX" / "inside");
  const Result result = Run({"--hex", "--csv", good, missing});
  EXPECT_EQ(result.err, good + ": File access denied\n" + missing + ": File not found\n");
  EXPECT_EQ(SplitLines(result.out).size(), 2u) << "the frames are still decoded";
  EXPECT_EQ(result.status, kExitFailure);
}

TEST_F(DecodeCommandTest, WrongCommandLinesExitWithUsage) {
  const std::string path = Capture("pass.kss", OneFrame(4000));
  const std::string hint =
      "Usage: tavrik-decode [--csv | --json] [--hex] FILE...  (tavrik-decode --help for more)\n";
  const struct {
    std::vector<std::string> arguments;
    std::string err;
  } cases[] = {
      {{}, "tavrik-decode: no FILE given\n" + hint},
      {{"--csv", "--json", path},
       "tavrik-decode: --csv and --json cannot be used together\n" + hint},
      {{"--xml", path}, "tavrik-decode: unknown option '--xml'\n" + hint},
  };
  for (const auto& c : cases) {
    const Result result = Run(c.arguments);
    EXPECT_EQ(result.status, kExitUsage) << ::testing::PrintToString(c.arguments);
    EXPECT_EQ(result.err, c.err);
    EXPECT_EQ(result.out, "") << "nothing is decoded";
  }
}

TEST_F(DecodeCommandTest, HelpAndVersionGoToStandardOutput) {
  const Result version = Run({"--version"});
  EXPECT_EQ(version.out, "tavrik-decode 1.1\n");
  EXPECT_EQ(version.status, kExitSuccess);

  const Result help = Run({"--help", "--xml"});
  EXPECT_TRUE(help.out.starts_with("Usage: tavrik-decode [--csv | --json] [--hex] FILE...\n"));
  EXPECT_NE(help.out.find("Exit status"), std::string::npos);
  EXPECT_EQ(help.err, "");
  EXPECT_EQ(help.status, kExitSuccess);
}

TEST_F(DecodeCommandTest, OutputThatCannotBeWrittenIsAnError) {
  const std::string path = Capture("pass.kss", OneFrame(4000));
  const std::vector<std::string_view> arguments = {path};
  std::ostream broken(nullptr);
  std::ostringstream err;
  EXPECT_EQ(RunDecodeCommand(arguments, broken, err, DateTimeFormat::Iso8601()), kExitFailure);
  EXPECT_EQ(err.str(), "tavrik-decode: the output could not be written\n");
}

}  // namespace
}  // namespace tavrik::cli
