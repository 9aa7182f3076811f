// The CSV form of the frame records (RFC 4180): a header row of the column
// names, then one row per frame. Rows end in CR LF; a field holding a comma,
// a quote, CR or LF is quoted, its quotes doubled; a value that cannot be
// read is an empty field.
#ifndef TAVRIK_CLI_CSV_WRITER_H_
#define TAVRIK_CLI_CSV_WRITER_H_

#include <ostream>

#include "cli/frame_record.h"

namespace tavrik::cli {

void WriteCsvHeader(std::ostream& out);
void WriteCsvRow(std::ostream& out, const FrameRecord& record);

}  // namespace tavrik::cli

#endif  // TAVRIK_CLI_CSV_WRITER_H_
