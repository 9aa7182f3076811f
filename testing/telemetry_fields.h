// Telemetry field values whose decoded texts are easy to read off: the
// tests' usual frame, with the battery voltage chosen per frame so that
// frames can be told apart.
#ifndef TAVRIK_TESTING_TELEMETRY_FIELDS_H_
#define TAVRIK_TESTING_TELEMETRY_FIELDS_H_

#include <cstdint>

#include "capture/capture_builder.h"

namespace tavrik::testing {

// 2022-04-30 10:40:52 +123 ms on board, 200 mA solar, 300 mA system,
// `battery_mv`, 25.0 degC.
inline capture::TelemetryFields Fields(std::uint16_t battery_mv) {
  return {.milliseconds = 123,
          .onboard_time = 0x626D1234,
          .solar_current = 200,
          .system_current = 300,
          .battery_voltage = battery_mv,
          .pa_temperature = 250};
}

}  // namespace tavrik::testing

#endif  // TAVRIK_TESTING_TELEMETRY_FIELDS_H_
