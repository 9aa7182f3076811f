#include "kss_reader.h"

#include <vector>

#include "kiss.h"

namespace tavrik {
namespace {

constexpr std::size_t kRawRunLength = 8;

bool IsTelemetry(const std::vector<std::uint8_t>& data) {
  return data.size() > kTelemetryMarkerOffset + 1 &&
         data[kTelemetryMarkerOffset] == TELEMETRY_MARKER[0] &&
         data[kTelemetryMarkerOffset + 1] == TELEMETRY_MARKER[1];
}

// Reads one record's data, after its command byte, up to its closing FEND.
void ReadRecordData(ByteFile& file, std::uint8_t command, std::vector<std::uint8_t>& data) {
  if (command != kTimestampCommand) return file.ReadThrough(kFend, data);
  for (;;) {
    const std::uint8_t byte = file.ReadByte();
    if (byte == 0x00) {
      data.push_back(byte);
      for (std::size_t i = 1; i < kRawRunLength; ++i) data.push_back(file.ReadByte());
      // The byte after a raw run closes the record or is lost.
      if (file.ReadByte() == kFend) return;
    } else if (byte == kFend) {
      return;
    } else {
      data.push_back(byte);
    }
  }
}

}  // namespace

void ReadRecords(ByteFile& file, KssRecords& records, const RecordReport& report) {
  std::vector<std::uint8_t> data;
  do {
    file.ReadByte();  // the opening byte
    const std::uint8_t command = file.ReadByte();
    data.clear();
    ReadRecordData(file, command, data);

    const bool telemetry = IsTelemetry(data);
    if (telemetry) {
      records.StoredFrames.Append(data);
      ++records.FrameCount;
    }
    if (command == kTimestampCommand) records.TimestampRecords.Append(data);
    if (report) report(records.FrameCount, telemetry);
  } while (!file.AtEnd());
}

}  // namespace tavrik
