// Building .kss capture bytes record by record: telemetry frames of the
// TAVRIK beacon, other data frames, numeric and text timestamp records, and
// raw bytes for damaged or cut-off captures.
#ifndef TAVRIK_CAPTURE_CAPTURE_BUILDER_H_
#define TAVRIK_CAPTURE_CAPTURE_BUILDER_H_

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

#include "decoder/kiss.h"

namespace tavrik::capture {

// Length of the telemetry frame TelemetryFrameBytes makes; the beacon's
// last field ends at byte 51.
inline constexpr std::size_t kTelemetryFrameSize = 52;

// Length of a text timestamp such as "2022-04-30 10:54:40.667 UTC".
inline constexpr std::size_t kTextTimestampSize = 27;

// Numeric timestamps are stored as eight raw bytes whose first byte is 0x00.
inline constexpr std::uint64_t kNumericTimestampLimit = std::uint64_t{1} << 56;

// The decoded quantities of one telemetry frame, as raw field values.
struct TelemetryFields {
  std::uint16_t milliseconds;     // bytes 6-7
  std::uint32_t onboard_time;     // bytes 8-11, Unix seconds
  std::uint16_t solar_current;    // bytes 40-41, mA
  std::uint16_t system_current;   // bytes 42-43, mA
  std::uint16_t battery_voltage;  // bytes 44-45, mV
  std::uint16_t pa_temperature;   // bytes 50-51, 0.1 degC
};

// The 52 un-escaped bytes of a telemetry frame: header bytes 0-3 all 0x00,
// the marker 0x16 0x2A at bytes 4-5, the fields big-endian, and `filler` in
// every other byte.
std::vector<std::uint8_t> TelemetryFrameBytes(const TelemetryFields& fields,
                                              std::uint8_t filler = 0x00);

// Appends records to a growing capture. Every method returns the builder so
// that calls can be chained.
class CaptureBuilder {
 public:
  // A record holding `unescaped`, KISS-escaped, after `command`.
  CaptureBuilder& DataRecord(std::span<const std::uint8_t> unescaped,
                             std::uint8_t command = kDataFrameCommand);

  // A data record holding TelemetryFrameBytes(fields, filler).
  CaptureBuilder& Telemetry(const TelemetryFields& fields, std::uint8_t filler = 0x00);

  // A timestamp record holding `milliseconds` since 1970-01-01 UTC as eight
  // raw big-endian bytes, never escaped. Throws std::invalid_argument unless
  // milliseconds < kNumericTimestampLimit.
  CaptureBuilder& NumericTimestamp(std::uint64_t milliseconds);

  // A timestamp record holding `text27`, escaped like data. Throws
  // std::invalid_argument unless it is 27 characters ending in "UTC" with no
  // 0x00 among them (a 0x00 would start a raw run when the record is read).
  CaptureBuilder& TextTimestamp(std::string_view text27);

  // `bytes` appended exactly as given.
  CaptureBuilder& Raw(std::span<const std::uint8_t> bytes);

  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

  // Writes Bytes() to `path`, replacing the file. Throws std::runtime_error
  // naming the path when the file cannot be written.
  void WriteTo(const std::filesystem::path& path) const;

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace tavrik::capture

#endif  // TAVRIK_CAPTURE_CAPTURE_BUILDER_H_
