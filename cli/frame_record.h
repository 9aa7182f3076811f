// FrameRecord: the values of one telemetry frame as the CSV and JSON forms
// carry them, read from the frame's bytes and its timestamp record rather
// than from the window's texts, so that they never depend on the locale.
#ifndef TAVRIK_CLI_FRAME_RECORD_H_
#define TAVRIK_CLI_FRAME_RECORD_H_

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tavrik::cli {

// How a value is written where the form tells numbers from texts (JSON).
enum class ValueKind { kText, kNumber };

struct RecordColumn {
  std::string_view name;
  ValueKind kind;
};

inline constexpr std::array<RecordColumn, 9> kRecordColumns = {{
    {"file", ValueKind::kText},
    {"frame", ValueKind::kNumber},
    {"reception_time", ValueKind::kText},  // ISO 8601 UTC, or the record's own text
    {"onboard_time", ValueKind::kText},    // ISO 8601 UTC
    {"onboard_ms", ValueKind::kNumber},
    {"battery_v", ValueKind::kNumber},  // 3 decimals
    {"system_current_ma", ValueKind::kNumber},
    {"solar_current_ma", ValueKind::kNumber},
    {"pa_temperature_c", ValueKind::kNumber},  // 1 decimal
}};

// The values in the order of kRecordColumns, numbers written with "." as the
// decimal point; nothing for a value that cannot be read.
using FrameRecord = std::array<std::optional<std::string>, kRecordColumns.size()>;

// The record of frame `frame_number` of the capture `path`: `telemetry_frame`
// is its un-escaped bytes, `timestamp_record` the timestamp record at the
// same position in the capture (empty when there is none).
FrameRecord MakeFrameRecord(const std::string& path, std::int32_t frame_number,
                            std::span<const std::uint8_t> timestamp_record,
                            std::span<const std::uint8_t> telemetry_frame);

}  // namespace tavrik::cli

#endif  // TAVRIK_CLI_FRAME_RECORD_H_
