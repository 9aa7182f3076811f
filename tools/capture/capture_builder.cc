#include "capture/capture_builder.h"

#include <fstream>
#include <stdexcept>
#include <string>

#include "capture/kiss_escape.h"

namespace tavrik::capture {
namespace {

void PutBigEndian(std::vector<std::uint8_t>& frame, std::size_t first_byte, std::size_t width,
                  std::uint64_t value) {
  for (std::size_t i = 0; i < width; ++i) {
    frame[first_byte + i] = static_cast<std::uint8_t>(value >> (8 * (width - 1 - i)));
  }
}

}  // namespace

std::vector<std::uint8_t> TelemetryFrameBytes(const TelemetryFields& fields, std::uint8_t filler) {
  std::vector<std::uint8_t> frame(kTelemetryFrameSize, filler);
  PutBigEndian(frame, 0, 4, 0);
  frame[4] = 0x16;
  frame[5] = 0x2A;
  PutBigEndian(frame, 6, 2, fields.milliseconds);
  PutBigEndian(frame, 8, 4, fields.onboard_time);
  PutBigEndian(frame, 40, 2, fields.solar_current);
  PutBigEndian(frame, 42, 2, fields.system_current);
  PutBigEndian(frame, 44, 2, fields.battery_voltage);
  PutBigEndian(frame, 50, 2, fields.pa_temperature);
  return frame;
}

CaptureBuilder& CaptureBuilder::DataRecord(std::span<const std::uint8_t> unescaped,
                                           std::uint8_t command) {
  const std::vector<std::uint8_t> escaped = KissEscape(unescaped);
  bytes_.push_back(kFend);
  bytes_.push_back(command);
  bytes_.insert(bytes_.end(), escaped.begin(), escaped.end());
  bytes_.push_back(kFend);
  return *this;
}

CaptureBuilder& CaptureBuilder::Telemetry(const TelemetryFields& fields, std::uint8_t filler) {
  return DataRecord(TelemetryFrameBytes(fields, filler));
}

CaptureBuilder& CaptureBuilder::NumericTimestamp(std::uint64_t milliseconds) {
  if (milliseconds >= kNumericTimestampLimit) {
    throw std::invalid_argument("numeric timestamp " + std::to_string(milliseconds) +
                                " does not fit in 56 bits");
  }
  bytes_.push_back(kFend);
  bytes_.push_back(kTimestampCommand);
  for (int shift = 56; shift >= 0; shift -= 8) {
    bytes_.push_back(static_cast<std::uint8_t>(milliseconds >> shift));
  }
  bytes_.push_back(kFend);
  return *this;
}

CaptureBuilder& CaptureBuilder::TextTimestamp(std::string_view text27) {
  if (text27.size() != kTextTimestampSize || !text27.ends_with("UTC") ||
      text27.find('\0') != std::string_view::npos) {
    throw std::invalid_argument("text timestamp must be 27 characters ending in UTC, without NUL");
  }
  const auto* characters = reinterpret_cast<const std::uint8_t*>(text27.data());
  return DataRecord({characters, text27.size()}, kTimestampCommand);
}

CaptureBuilder& CaptureBuilder::Raw(std::span<const std::uint8_t> bytes) {
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
  return *this;
}

void CaptureBuilder::WriteTo(const std::filesystem::path& path) const {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes_.data()),
             static_cast<std::streamsize>(bytes_.size()));
  file.close();
  if (!file) {
    throw std::runtime_error("cannot write capture file " + path.string());
  }
}

}  // namespace tavrik::capture
