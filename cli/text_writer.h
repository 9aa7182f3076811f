// The text form: what the window shows, line by line. Each frame is a line
// "Frame N" followed by the texts of the reception time slot and the six
// field slots, kept exactly as the window has them (trailing spaces too).
#ifndef TAVRIK_CLI_TEXT_WRITER_H_
#define TAVRIK_CLI_TEXT_WRITER_H_

#include <cstdint>
#include <ostream>
#include <string>

#include "decoder/display_slots.h"

namespace tavrik::cli {

// The line that opens the block of one of several files: "File PATH".
void WriteFileHeading(std::ostream& out, const std::string& path);

void WriteFrameTexts(std::ostream& out, std::int32_t frame_number, const DisplaySlots& slots);

// The status line of a file that holds no telemetry frame.
void WriteStatusText(std::ostream& out, const DisplaySlots& slots);

}  // namespace tavrik::cli

#endif  // TAVRIK_CLI_TEXT_WRITER_H_
