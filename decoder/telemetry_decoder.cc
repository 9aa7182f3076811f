#include "telemetry_decoder.h"

#include <string>

#include "number_text.h"
#include "telemetry_frame.h"

namespace tavrik {

using namespace std::string_literals;

void DecodeTelemetryFields(std::span<const std::uint8_t> frame, const DateTimeFormat& format,
                           DisplaySlots& slots) {
  slots.OnboardTimeText.text =
      " On-board unix time : "s + DateTimeText(HexFieldValue(frame, kOnboardTimeField), format);
  slots.MillisecondsText.text =
      "+"s + std::to_string(HexFieldValue(frame, kMillisecondsField)) + " ms";
  slots.BatteryText.text =
      " Battery voltage:  "s + FixedText(HexFieldValue(frame, kBatteryVoltageField), 3, 6) + " V";
  slots.SystemCurrentText.text = " Total system current:  "s +
                                 std::to_string(HexFieldValue(frame, kSystemCurrentField)) + " mA";
  slots.SolarCurrentText.text = " Total solar panel current: "s +
                                FixedText(HexFieldValue(frame, kSolarCurrentField), 0, 4) + " mA";
  slots.PaTemperatureText.text = " PA temperature:  "s +
                                 FixedText(HexFieldValue(frame, kPaTemperatureField), 1, 3) +
                                 " \u00B0C  ";
}

}  // namespace tavrik
