#include "telemetry_decoder.h"

#include <gtest/gtest.h>

#include <vector>

#include "decoder_error.h"

namespace tavrik {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The 52-byte frame whose fields are easy to read off.
Bytes SampleFrame() {
  Bytes frame(52, 0x00);
  const std::pair<std::size_t, Bytes> fields[] = {
      {4, {0x16, 0x2A}},  {6, {0x00, 0x7B}},  {8, {0x62, 0x6D, 0x12, 0x34}},
      {40, {0x00, 0xC8}}, {42, {0x01, 0x2C}}, {44, {0x0F, 0xA0}},
      {50, {0x00, 0xFA}}};
  for (const auto& [offset, bytes] : fields)
    std::copy(bytes.begin(), bytes.end(), frame.begin() + offset);
  return frame;
}

std::vector<std::string> FieldTexts(const DisplaySlots& slots) {
  return {slots.OnboardTimeText.text,   slots.MillisecondsText.text, slots.BatteryText.text,
          slots.SystemCurrentText.text, slots.SolarCurrentText.text, slots.PaTemperatureText.text};
}

TEST(TelemetryDecoderTest, DecodesEveryField) {
  DisplaySlots slots;
  DecodeTelemetryFields(SampleFrame(), DateTimeFormat::Iso8601(), slots);
  EXPECT_EQ(FieldTexts(slots), (std::vector<std::string>{
                                   " On-board unix time : 2022-04-30 10:40:52",
                                   "+123 ms",
                                   " Battery voltage:   4.000 V",
                                   " Total system current:  300 mA",
                                   " Total solar panel current:  200 mA",
                                   " PA temperature:  25.0 \u00B0C  ",
                               }));
}

TEST(TelemetryDecoderTest, ReadsTheLargestValuesUnsigned) {
  Bytes frame(52, 0xFF);
  DisplaySlots slots;
  DecodeTelemetryFields(frame, DateTimeFormat::Iso8601(), slots);
  EXPECT_EQ(FieldTexts(slots), (std::vector<std::string>{
                                   " On-board unix time : 2106-02-07 06:28:15",
                                   "+65535 ms",
                                   " Battery voltage:  65.535 V",
                                   " Total system current:  65535 mA",
                                   " Total solar panel current: 65535 mA",
                                   " PA temperature:  6553.5 \u00B0C  ",
                               }));
}

TEST(TelemetryDecoderTest, ShortFrameKeepsTheTextsBeforeTheMissingField) {
  const struct {
    std::size_t length;
    std::vector<std::string> texts;
  } cases[] = {
      {46,
       {" On-board unix time : 2022-04-30 10:40:52", "+123 ms", " Battery voltage:   4.000 V",
        " Total system current:  300 mA", " Total solar panel current:  200 mA", "Label15"}},
      // Bytes 8 and 9 alone hold the on-board time: 0x626D seconds.
      {10,
       {" On-board unix time : 1970-01-01 06:59:57", "+123 ms", "Label9", "Label8", "Label13",
        "Label15"}},
      {0, {"Label3", "Label7", "Label9", "Label8", "Label13", "Label15"}},
  };
  for (const auto& c : cases) {
    Bytes frame = SampleFrame();
    frame.resize(c.length);
    DisplaySlots slots;
    try {
      DecodeTelemetryFields(frame, DateTimeFormat::Iso8601(), slots);
      ADD_FAILURE() << "a frame of " << c.length << " bytes decoded without failure";
    } catch (const DecoderError& error) {
      EXPECT_STREQ(error.what(), "'$' is not a valid integer value");
    }
    EXPECT_EQ(FieldTexts(slots), c.texts) << c.length << " bytes";
  }
}

}  // namespace
}  // namespace tavrik
