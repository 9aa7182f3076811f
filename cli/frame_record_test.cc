#include "cli/frame_record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "capture/capture_builder.h"

namespace tavrik::cli {
namespace {

using capture::TelemetryFields;
using Bytes = std::vector<std::uint8_t>;

constexpr TelemetryFields kFields = {.milliseconds = 123,
                                     .onboard_time = 0x626D1234,
                                     .solar_current = 200,
                                     .system_current = 300,
                                     .battery_voltage = 4000,
                                     .pa_temperature = 250};

const Bytes kNumericRecord = {0x00, 0x00, 0x01, 0x80, 0x7A, 0x1B, 0xC0, 0xDB};  // ...40.667 s

Bytes TextRecord(const std::string& text) { return Bytes(text.begin(), text.end()); }

TEST(FrameRecordTest, ReadsEveryValueOfAWholeFrame) {
  const FrameRecord expected = {
      "pass.kss", "7",   "2022-04-30T10:54:40Z", "2022-04-30T10:40:52Z", "123", "4.000", "300",
      "200",      "25.0"};
  EXPECT_EQ(MakeFrameRecord("pass.kss", 7, kNumericRecord, capture::TelemetryFrameBytes(kFields)),
            expected);
}

TEST(FrameRecordTest, ReceptionTimeComesFromARecognisedRecordOnly) {
  const struct {
    Bytes record;
    std::optional<std::string> reception_time;
  } cases[] = {
      {kNumericRecord, "2022-04-30T10:54:40Z"},
      {TextRecord("30/04/2022 11:00:00,000 UTC"), "30/04/2022 11:00:00,000 UTC"},
      {TextRecord("2022-04-30 11:00:00.000 UTC and more"), "2022-04-30 11:00:00.000 UTC"},
      {TextRecord("\xB0"
                  "30/04/2022 11:00:00,000UTC"),  // Windows-1252 becomes UTF-8
       "\u00B0"
       "30/04/2022 11:00:00,000UTC"},
      {Bytes(9, 0x00), std::nullopt},
      {TextRecord("2022-04-30 11:00:00.000 UT"), std::nullopt},
      {Bytes{}, std::nullopt},  // no record at the frame's position
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MakeFrameRecord("f", 1, c.record, capture::TelemetryFrameBytes(kFields))[2],
              c.reception_time)
        << ::testing::PrintToString(c.record);
  }
}

TEST(FrameRecordTest, NumbersKeepTheirDecimals) {
  const TelemetryFields small = {.milliseconds = 0,
                                 .onboard_time = 0,
                                 .solar_current = 0,
                                 .system_current = 0,
                                 .battery_voltage = 5,
                                 .pa_temperature = 7};
  const FrameRecord expected = {"f", "1", std::nullopt, "1970-01-01T00:00:00Z", "0", "0.005",
                                "0", "0", "0.7"};
  EXPECT_EQ(MakeFrameRecord("f", 1, {}, capture::TelemetryFrameBytes(small)), expected);
}

// A field the frame ends before cannot be read; one it ends inside is read
// from the bytes there are, as the window reads it.
TEST(FrameRecordTest, ShortFramesLoseTheFieldsTheyEndBefore) {
  const std::optional<std::string> none;
  const struct {
    std::size_t length;
    FrameRecord expected;
  } cases[] = {
      {6, {"f", "2", none, none, none, none, none, none, none}},
      {7, {"f", "2", none, none, "0", none, none, none, none}},
      {9, {"f", "2", none, "1970-01-01T00:01:38Z", "123", none, none, none, none}},
      {42, {"f", "2", none, "2022-04-30T10:40:52Z", "123", none, none, "200", none}},
      {44, {"f", "2", none, "2022-04-30T10:40:52Z", "123", none, "300", "200", none}},
      {50, {"f", "2", none, "2022-04-30T10:40:52Z", "123", "4.000", "300", "200", none}},
      {51, {"f", "2", none, "2022-04-30T10:40:52Z", "123", "4.000", "300", "200", "0.0"}},
  };
  const Bytes whole = capture::TelemetryFrameBytes(kFields);
  for (const auto& c : cases) {
    EXPECT_EQ(MakeFrameRecord("f", 2, {}, std::span(whole).first(c.length)), c.expected)
        << c.length << " bytes";
  }
}

}  // namespace
}  // namespace tavrik::cli
