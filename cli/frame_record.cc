#include "cli/frame_record.h"

#include "decoder/date_time_text.h"
#include "decoder/number_text.h"
#include "decoder/reception_time.h"
#include "decoder/telemetry_frame.h"

namespace tavrik::cli {
namespace {

const std::string kIsoUtcPattern = "%Y-%m-%dT%H:%M:%SZ";

std::optional<std::string> ReceptionTimeValue(std::span<const std::uint8_t> record) {
  ReceptionTime time = ReadReceptionTime(record);
  switch (time.kind) {
    case ReceptionTime::Kind::kNumeric:
      return FormatUnixTime(time.seconds, kIsoUtcPattern);
    case ReceptionTime::Kind::kText:
      return std::move(time.text);
    case ReceptionTime::Kind::kNone:
      break;
  }
  return std::nullopt;
}

// The field read and written by `text`, or nothing when the frame ends
// before it.
template <typename TextOf>
std::optional<std::string> FieldValue(std::span<const std::uint8_t> frame, FieldLocation field,
                                      TextOf text) {
  if (!HasField(frame, field)) return std::nullopt;
  return text(HexFieldValue(frame, field));
}

std::string Integer(std::uint64_t value) { return std::to_string(value); }

}  // namespace

FrameRecord MakeFrameRecord(const std::string& path, std::int32_t frame_number,
                            std::span<const std::uint8_t> timestamp_record,
                            std::span<const std::uint8_t> frame) {
  return {
      path,
      std::to_string(frame_number),
      ReceptionTimeValue(timestamp_record),
      FieldValue(frame, kOnboardTimeField,
                 [](std::uint64_t seconds) { return FormatUnixTime(seconds, kIsoUtcPattern); }),
      FieldValue(frame, kMillisecondsField, Integer),
      FieldValue(frame, kBatteryVoltageField, [](std::uint64_t mv) { return FixedText(mv, 3, 0); }),
      FieldValue(frame, kSystemCurrentField, Integer),
      FieldValue(frame, kSolarCurrentField, Integer),
      FieldValue(frame, kPaTemperatureField,
                 [](std::uint64_t tenths) { return FixedText(tenths, 1, 0); }),
  };
}

}  // namespace tavrik::cli
