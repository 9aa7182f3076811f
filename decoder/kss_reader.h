// The .kss record reader: walks a capture file record by record and sorts
// the records into the telemetry frames (still KISS-escaped) and the
// timestamp records.
//
// A record is an opening byte (never examined), a command byte, data up to
// the closing FEND, and that FEND. Inside a timestamp record (command 0x09)
// a data byte 0x00 starts a raw run of eight bytes taken as they are; the
// byte after a raw run ends the record when it is a FEND and is dropped
// otherwise.
#ifndef TAVRIK_DECODER_KSS_READER_H_
#define TAVRIK_DECODER_KSS_READER_H_

#include <cstdint>
#include <functional>

#include "byte_file.h"
#include "hex_text_list.h"

namespace tavrik {

// A record is a telemetry frame when its stored (still escaped) data bytes
// 4 and 5 are these, whatever its command byte.
inline constexpr std::uint8_t TELEMETRY_MARKER[2] = {0x16, 0x2A};
inline constexpr std::size_t kTelemetryMarkerOffset = 4;

struct KssRecords {
  HexTextList StoredFrames;      // telemetry frames as stored, in file order
  HexTextList TimestampRecords;  // records with command byte 0x09
  std::int32_t FrameCount = 0;   // entries in StoredFrames
};

// Called after each record with the frame count so far and whether that
// record was a telemetry frame.
using RecordReport = std::function<void(std::int32_t frame_count, bool telemetry)>;

// Reads `file` from its current position to its end, appending to
// `records`. Returns when the file ends exactly after a record; throws
// DecoderError "Read beyond end of file" when it ends inside one, keeping
// the entries appended before. `report` may be empty.
void ReadRecords(ByteFile& file, KssRecords& records, const RecordReport& report);

}  // namespace tavrik

#endif  // TAVRIK_DECODER_KSS_READER_H_
