#include "decoder_controller.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <set>

#include "capture/capture_builder.h"
#include "number_text.h"
#include "testing/scratch_directory.h"
#include "testing/telemetry_fields.h"

namespace tavrik {
namespace {

using capture::CaptureBuilder;
using testing::Fields;
using Names = std::set<std::string>;

// A window whose file dialog answers from a script.
class ScriptedView : public DecoderView {
 public:
  std::optional<std::string> ChooseFile(const std::string& filter) override {
    filters.push_back(filter);
    std::optional<std::string> answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void RedrawNow() override { ++redraws; }
  void RecordRead() override { ++records; }

  std::deque<std::optional<std::string>> answers;
  std::vector<std::string> filters;
  int redraws = 0;
  int records = 0;
};

Names VisibleSlots(const DisplaySlots& s) {
  Names names;
  const std::pair<const char*, const TextSlot*> texts[] = {
      {"StatusText", &s.StatusText},
      {"RxDateText", &s.RxDateText},
      {"FrameCountText", &s.FrameCountText},
      {"ChoosePrompt", &s.ChoosePrompt},
      {"FrameNumberText", &s.FrameNumberText},
      {"DecodedHeading", &s.DecodedHeading},
      {"OnboardTimeText", &s.OnboardTimeText},
      {"MillisecondsText", &s.MillisecondsText},
      {"BatteryText", &s.BatteryText},
      {"SystemCurrentText", &s.SystemCurrentText},
      {"SolarCurrentText", &s.SolarCurrentText},
      {"PaTemperatureText", &s.PaTemperatureText}};
  for (const auto& [name, slot] : texts) {
    if (slot->visible) names.insert(name);
  }
  if (s.FrameSelector.visible) names.insert("FrameSelector");
  if (s.LogoVisible) names.insert("Logo");
  return names;
}

const Names kFieldSlots = {"OnboardTimeText",   "MillisecondsText", "BatteryText",
                           "SystemCurrentText", "SolarCurrentText", "PaTemperatureText"};

Names Union(Names a, const Names& b) {
  a.insert(b.begin(), b.end());
  return a;
}

const Names kOneFrameLook =
    Union(kFieldSlots, {"StatusText", "RxDateText", "FrameCountText", "DecodedHeading"});
const Names kSeveralFramesLook =
    Union(kOneFrameLook, {"ChoosePrompt", "FrameNumberText", "FrameSelector"});
const Names kReadingLook = Union(kSeveralFramesLook, {"Logo"});

class DecoderControllerTest : public ::testing::Test {
 protected:
  DecoderControllerTest() : controller_(view_, DateTimeFormat::Iso8601()) {
    const std::filesystem::path start = std::filesystem::current_path();
    std::filesystem::current_path(run_dir_.path());
    controller_.Initialise();
    std::filesystem::current_path(start);
  }

  std::string Capture(const std::string& name, const CaptureBuilder& capture) {
    return files_.WriteFile(name, capture.Bytes());
  }

  // Opens `path` (or cancels when there is none); the error text, if any.
  std::string Open(std::optional<std::string> path) {
    view_.answers.push_back(std::move(path));
    try {
      controller_.Open();
    } catch (const DecoderError& error) {
      return error.what();
    }
    return "";
  }

  std::string HexFileText(const std::string& name) {
    const std::vector<std::uint8_t> bytes = testing::ReadFileBytes(run_dir_.path() / name);
    return std::string(bytes.begin(), bytes.end());
  }

  const DisplaySlots& slots() const { return controller_.Slots(); }

  testing::ScratchDirectory run_dir_;  // the decoder directory
  testing::ScratchDirectory files_;
  ScriptedView view_;
  DecoderController controller_;
};

// Three telemetry frames, each after its timestamp record; the third has
// none of its own, and one record that is not telemetry sits between.
CaptureBuilder ThreeFrames() {
  CaptureBuilder capture;
  capture.NumericTimestamp(0x01807A1BC0DB).Telemetry(Fields(4000));
  capture.TextTimestamp("2022-04-30 11:00:00.000 UTC").Telemetry(Fields(3800), 0xC0);
  capture.DataRecord(std::vector<std::uint8_t>{1, 2, 3});
  capture.Telemetry(Fields(0xDBC0));
  return capture;
}

TEST_F(DecoderControllerTest, StartsIdle) {
  EXPECT_EQ(VisibleSlots(slots()), Names{"Logo"});
  EXPECT_FALSE(slots().WriteHexCommand);
  EXPECT_EQ(controller_.DecoderDirectory(), run_dir_.path().string());
}

TEST_F(DecoderControllerTest, OpensSeveralFramesAndShowsTheFirst) {
  const std::string path = Capture("pass.kss", ThreeFrames());
  ASSERT_EQ(Open(path), "");

  EXPECT_EQ(view_.filters, std::vector<std::string>{"Kiss files (*.kss)|*.KSS"});
  EXPECT_EQ(view_.redraws, 1);
  EXPECT_EQ(view_.records, 6);
  EXPECT_EQ(VisibleSlots(slots()), kSeveralFramesLook);
  EXPECT_TRUE(slots().WriteHexCommand);
  EXPECT_EQ(slots().FileNameLine.text, path);
  EXPECT_EQ(slots().StatusText.text, " Telemetry data ");
  EXPECT_EQ(slots().FrameCountText.text, " This file contains  3  frames");
  EXPECT_EQ(slots().DecodedHeading.text, " Decoded data : ");
  EXPECT_EQ(slots().FrameNumberText.text, "1");
  EXPECT_EQ(slots().RxDateText.text, " RX date: 2022-04-30 10:54:40 UTC");
  EXPECT_EQ(slots().OnboardTimeText.text, " On-board unix time : 2022-04-30 10:40:52");
  EXPECT_EQ(slots().BatteryText.text, " Battery voltage:   4.000 V");
  EXPECT_EQ(controller_.FrameCount(), 3);
  EXPECT_EQ(controller_.TimestampRecords().size(), 2u);
  EXPECT_EQ(controller_.HexFilePath(), (run_dir_.path() / "pass.HEX").string());
}

TEST_F(DecoderControllerTest, StepsToBothEndsWithoutWrapping) {
  ASSERT_EQ(Open(Capture("pass.kss", ThreeFrames())), "");
  const struct {
    std::int32_t request;
    std::int32_t shown;
    const char* rx_date;  // a frame without its own record keeps the one before
    const char* battery;
  } steps[] = {
      {2, 2, " RX date: 2022-04-30 11:00:00.000 UTC", " Battery voltage:   3.800 V"},
      {3, 3, " RX date: 2022-04-30 11:00:00.000 UTC", " Battery voltage:  56.256 V"},
      {4, 3, " RX date: 2022-04-30 11:00:00.000 UTC", " Battery voltage:  56.256 V"},
      {2, 2, " RX date: 2022-04-30 11:00:00.000 UTC", " Battery voltage:   3.800 V"},
      {1, 1, " RX date: 2022-04-30 10:54:40 UTC", " Battery voltage:   4.000 V"},
      {0, 1, " RX date: 2022-04-30 10:54:40 UTC", " Battery voltage:   4.000 V"},
  };
  for (const auto& step : steps) {
    controller_.Select(step.request);
    EXPECT_EQ(controller_.SelectedFrame(), step.shown) << "asked for " << step.request;
    EXPECT_EQ(slots().FrameSelector.position, step.shown);
    EXPECT_EQ(slots().FrameSelector.maximum, 3);
    EXPECT_EQ(slots().FrameNumberText.text, std::to_string(step.shown));
    EXPECT_EQ(slots().RxDateText.text, step.rx_date) << "frame " << step.shown;
    EXPECT_EQ(slots().BatteryText.text, step.battery) << "frame " << step.shown;
  }
}

TEST_F(DecoderControllerTest, OneFrameShowsNoSelector) {
  ASSERT_EQ(Open(Capture("one.kss", CaptureBuilder().Telemetry(Fields(4000)))), "");
  EXPECT_EQ(VisibleSlots(slots()), kOneFrameLook);
  EXPECT_EQ(slots().FrameCountText.text, " This file contains  1  frame");
  EXPECT_EQ(slots().RxDateText.text, "") << "no timestamp record: emptied by Open";
}

TEST_F(DecoderControllerTest, FilesWithoutTelemetryShowOnlyTheStatus) {
  const struct {
    const char* name;
    std::vector<std::uint8_t> bytes;
    bool status_names_the_file;
    std::string status;
  } cases[] = {
      {"empty.kss", {}, true, "   is not a valid file !"},
      {"other.kss",
       CaptureBuilder().NumericTimestamp(1).DataRecord(std::vector<std::uint8_t>{1, 2}).Bytes(),
       false, "  This KSS file is not TAVRIK telemetry !  "},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(Open(Capture("pass.kss", ThreeFrames())), "");
    const std::string path = files_.WriteFile(c.name, c.bytes);
    EXPECT_EQ(Open(path), "") << c.name;
    EXPECT_EQ(VisibleSlots(slots()), Names{"StatusText"}) << c.name;
    EXPECT_FALSE(slots().WriteHexCommand) << c.name;
    EXPECT_EQ(slots().FileNameLine.text, path);
    EXPECT_EQ(slots().StatusText.text, (c.status_names_the_file ? path : "") + c.status) << c.name;
    EXPECT_EQ(controller_.FrameCount(), 0);
    EXPECT_EQ(controller_.HexFilePath(),
              (run_dir_.path() / c.name).replace_extension(".HEX").string());
  }
}

TEST_F(DecoderControllerTest, CancelledDialogKeepsTheEarlierFileForWrite) {
  ASSERT_EQ(Open(Capture("pass.kss", ThreeFrames())), "");
  ASSERT_EQ(Open(std::nullopt), "");
  EXPECT_EQ(VisibleSlots(slots()), Names{"Logo"});
  EXPECT_TRUE(slots().WriteHexCommand);
  EXPECT_EQ(controller_.FrameCount(), 3);

  controller_.Write();
  EXPECT_EQ(slots().FileNameLine.text, " Writing pass.HEX");
  const std::string hex = HexFileText("pass.HEX");
  EXPECT_EQ(std::count(hex.begin(), hex.end(), '\n'), 3);
  EXPECT_TRUE(hex.starts_with("00 00 00 00 16 2A 00 7B 62 6D 12 34 "));
}

TEST_F(DecoderControllerTest, CutOffFileKeepsItsFramesForWrite) {
  CaptureBuilder capture = ThreeFrames();
  capture.Raw(std::vector<std::uint8_t>{0xC0, 0x00, 0x01});
  ASSERT_EQ(Open(Capture("cut.kss", CaptureBuilder().Telemetry(Fields(1)))), "");
  const std::string one_frame_battery = slots().BatteryText.text;

  EXPECT_EQ(Open(Capture("cut.kss", capture)), "Read beyond end of file");
  EXPECT_EQ(VisibleSlots(slots()), kReadingLook);
  EXPECT_TRUE(slots().WriteHexCommand);
  EXPECT_EQ(slots().FrameCountText.text, "3");
  EXPECT_EQ(slots().BatteryText.text, one_frame_battery) << "nothing is decoded";
  ASSERT_EQ(controller_.TelemetryFrames().size(), 3u);

  controller_.Write();
  const std::string hex = HexFileText("cut.HEX");
  EXPECT_EQ(std::count(hex.begin(), hex.end(), '\n'), 3);
  EXPECT_EQ(hex.find("\r\n\r\n"), std::string::npos) << "no frame is written as an empty line";
  EXPECT_NE(hex.find("DB C0 "), std::string::npos) << "frames are written un-escaped";
}

TEST_F(DecoderControllerTest, MissingFileKeepsThePreviousFile) {
  ASSERT_EQ(Open(Capture("pass.kss", ThreeFrames())), "");
  const std::string missing = (files_.path() / "missing.kss").string();
  EXPECT_EQ(Open(missing), "File not found");
  EXPECT_EQ(Open(files_.path().string()), "File access denied");
  EXPECT_EQ(VisibleSlots(slots()), kReadingLook);
  EXPECT_EQ(slots().FileNameLine.text, files_.path().string());
  EXPECT_EQ(controller_.FrameCount(), 3);
  EXPECT_EQ(controller_.HexFilePath(), (run_dir_.path() / "pass.HEX").string());
}

TEST_F(DecoderControllerTest, ReachesFramesBeyondSixteenBits) {
  CaptureBuilder capture;
  for (std::uint16_t i = 0; i < 40000; ++i) capture.Telemetry(Fields(i));
  ASSERT_EQ(Open(Capture("long.kss", capture)), "");
  for (const std::int32_t frame : {32767, 32768, 40000}) {
    controller_.Select(frame);
    EXPECT_EQ(controller_.SelectedFrame(), frame);
    EXPECT_EQ(slots().BatteryText.text, " Battery voltage:  " + FixedText(frame - 1, 3, 6) + " V");
  }
  controller_.Select(40001);
  EXPECT_EQ(controller_.SelectedFrame(), 40000);
}

}  // namespace
}  // namespace tavrik
