// The whole run of tavrik-decode on given streams, kept apart from main() so
// that it can be tested without starting a process. It drives the decoder
// controller as the window does: Initialise once, then for each file Open,
// a step of the frame selector up to each later frame, and Write for --hex.
#ifndef TAVRIK_CLI_DECODE_COMMAND_H_
#define TAVRIK_CLI_DECODE_COMMAND_H_

#include <ostream>
#include <span>
#include <string_view>

#include "decoder/date_time_text.h"

namespace tavrik::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // a file, a frame or a .HEX file failed
inline constexpr int kExitUsage = 2;    // the command line cannot run

// Runs the command line `arguments` (after the program name): results to
// `out`, errors to `err`, dates of the text form in `format`. The .HEX files
// go to the current directory. Returns the exit status.
int RunDecodeCommand(std::span<const std::string_view> arguments, std::ostream& out,
                     std::ostream& err, const DateTimeFormat& format);

}  // namespace tavrik::cli

#endif  // TAVRIK_CLI_DECODE_COMMAND_H_
