#include "telemetry_decoder.h"

#include <string>

#include "number_text.h"
#include "telemetry_frame.h"

namespace tavrik {

void DecodeTelemetryFields(std::span<const std::uint8_t> frame, const DateTimeFormat& format,
                           DisplaySlots& slots) {
  slots.OnboardTimeText.text =
      " On-board unix time : " + DateTimeText(HexFieldValue(frame, kOnboardTimeField), format);
  slots.MillisecondsText.text = "+" + std::to_string(HexFieldValue(frame, kMillisecondsField)) + " ms";
  slots.BatteryText.text =
      " Battery voltage:  " + FixedText(HexFieldValue(frame, kBatteryVoltageField), 3, 6) + " V";
  slots.SystemCurrentText.text =
      " Total system current:  " + std::to_string(HexFieldValue(frame, kSystemCurrentField)) + " mA";
  slots.SolarCurrentText.text =
      " Total solar panel current: " + FixedText(HexFieldValue(frame, kSolarCurrentField), 0, 4) + " mA";
  slots.PaTemperatureText.text =
      " PA temperature:  " + FixedText(HexFieldValue(frame, kPaTemperatureField), 1, 3) + " \u00B0C  ";
}

}  // namespace tavrik
