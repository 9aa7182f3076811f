#include "cli/usage_text.h"

namespace tavrik::cli {

const std::string_view kUsageHint =
    "Usage: tavrik-decode [--csv | --json] [--hex] FILE...  (tavrik-decode --help for more)\n";

const std::string_view kHelpText =
    R"(Usage: tavrik-decode [--csv | --json] [--hex] FILE...
Decodes the telemetry frames of TAVRIK beacon captures (.kss files) as the
TAVRIK decoder window does, for scripts and spreadsheets.

  --csv      one CSV row per frame (RFC 4180, CR LF line ends) under a header
  --json     one JSON object per frame, one per line (JSON Lines)
  --hex      also write each capture's .HEX file into the current directory
  --help     print this help and exit
  --version  print the version and exit
  --         end of the options: every argument after it is a FILE

Text form (the default): for each frame a line "Frame N", then the seven
texts the window shows after stepping up from frame 1 to frame N: reception
time, on-board time, milliseconds, battery voltage, system current, solar
panel current and PA temperature. As in the window, a frame without a
timestamp record of its own keeps the reception time shown before it. Dates
follow the locale (LC_TIME, LC_ALL, LANG); the C locale gives ISO 8601. A
file without telemetry gives the window's status line instead. With several
FILEs, each file's block starts with a line "File PATH".

CSV and JSON columns: file, frame, reception_time, onboard_time, onboard_ms,
battery_v, system_current_ma, solar_current_ma, pa_temperature_c.
Times are ISO 8601 UTC (2022-04-30T10:40:52Z); a timestamp record stored as
text is given as that text. Numbers use "." whatever the locale: volts with
3 decimals, currents in mA, the temperature in degrees C with 1 decimal. A
value that cannot be read is an empty field (CSV) or null (JSON). The
reception time is that of the timestamp record at the frame's own position:
unlike the window, a frame without one gets none, not the time before it.

Errors go to standard error as "FILE: message", or "FILE: frame N: message"
for a frame that cannot be decoded; decoding goes on with the next frame or
file. A file cut off inside a record gives no frames, but --hex still writes
the frames read before the cut.

Exit status: 0 when everything was decoded, 1 when anything failed, 2 for a
wrong command line.
)";

const std::string_view kVersionText = "tavrik-decode " TAVRIK_VERSION "\n";

}  // namespace tavrik::cli
