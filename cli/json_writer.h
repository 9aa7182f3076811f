// The JSON Lines form of the frame records: one object per frame, alone on
// its line, named by the column names in their order. Numbers are JSON
// numbers, texts JSON strings (RFC 8259: UTF-8 kept as it is, bytes that are
// not UTF-8 replaced by U+FFFD), and a value that cannot be read is null.
#ifndef TAVRIK_CLI_JSON_WRITER_H_
#define TAVRIK_CLI_JSON_WRITER_H_

#include <ostream>

#include "cli/frame_record.h"

namespace tavrik::cli {

void WriteJsonLine(std::ostream& out, const FrameRecord& record);

}  // namespace tavrik::cli

#endif  // TAVRIK_CLI_JSON_WRITER_H_
