// The telemetry field decoder: turns one un-escaped telemetry frame into
// the texts of the six field slots.
#ifndef TAVRIK_DECODER_TELEMETRY_DECODER_H_
#define TAVRIK_DECODER_TELEMETRY_DECODER_H_

#include <cstdint>
#include <span>

#include "date_time_text.h"
#include "display_slots.h"

namespace tavrik {

// Sets, in this order, the texts of OnboardTimeText, MillisecondsText,
// BatteryText, SystemCurrentText, SolarCurrentText and PaTemperatureText,
// each as soon as it is ready. A field with none of its bytes in the frame
// throws DecoderError; the slots set before it keep their new texts and the
// others their old ones.
void DecodeTelemetryFields(std::span<const std::uint8_t> frame, const DateTimeFormat& format,
                           DisplaySlots& slots);

}  // namespace tavrik

#endif  // TAVRIK_DECODER_TELEMETRY_DECODER_H_
