// The layout of a TAVRIK telemetry frame (un-escaped bytes, counted from 0,
// every field unsigned big-endian) and the rule for reading its fields.
#ifndef TAVRIK_DECODER_TELEMETRY_FRAME_H_
#define TAVRIK_DECODER_TELEMETRY_FRAME_H_

#include <cstddef>
#include <cstdint>
#include <span>

namespace tavrik {

struct FieldLocation {
  std::size_t first_byte;
  std::size_t width;
};

inline constexpr FieldLocation kMillisecondsField{6, 2};     // ms after the on-board time
inline constexpr FieldLocation kOnboardTimeField{8, 4};      // Unix seconds
inline constexpr FieldLocation kSolarCurrentField{40, 2};    // mA
inline constexpr FieldLocation kSystemCurrentField{42, 2};   // mA
inline constexpr FieldLocation kBatteryVoltageField{44, 2};  // mV
inline constexpr FieldLocation kPaTemperatureField{50, 2};   // 0.1 degC

// True when at least the first byte of `field` lies inside `frame`.
inline bool HasField(std::span<const std::uint8_t> frame, FieldLocation field) {
  return field.first_byte < frame.size();
}

// The big-endian value of the bytes of `field` that lie inside `frame`: a
// field cut short by the end of the frame is read from the bytes there are.
// Throws DecoderError "'$' is not a valid integer value" when none of its
// bytes is inside the frame.
std::uint64_t HexFieldValue(std::span<const std::uint8_t> frame, FieldLocation field);

}  // namespace tavrik

#endif  // TAVRIK_DECODER_TELEMETRY_FRAME_H_
