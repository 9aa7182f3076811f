// A deterministic generator of synthetic .kss captures for tests,
// benchmarks, fuzz seeds and samples. A seed always gives the same bytes.
//
// The capture reads like a night of reception: each telemetry frame comes
// just after its timestamp record (numeric mostly, text now and then), and
// one step in four also stores a frame that is not telemetry (a short
// frame, another station's packet, or a telemetry-like frame whose header
// holds an escape that shifts the marker), half of them with a timestamp
// record of their own. On-board times lie in 2022-2023 and reception times
// stay within minutes of them. FEND and FESC bytes are placed on purpose in the raw
// numeric timestamps, in the low byte of every telemetry field and in the
// filler, so that escapes occur throughout.
#ifndef TAVRIK_CAPTURE_CAPTURE_GENERATOR_H_
#define TAVRIK_CAPTURE_CAPTURE_GENERATOR_H_

#include <cstdint>
#include <ostream>

namespace tavrik::capture {

struct GeneratorOptions {
  std::uint64_t seed = 1;
  // Number of telemetry frames; the other frames come on top of these.
  std::uint64_t frames = 10;
  // If non-zero: keep generating until the output reaches at least this
  // size, ignoring `frames`.
  std::uint64_t target_bytes = 0;
};

// Writes the capture to `out` record group by record group, never holding
// the whole capture in memory. Stops early if `out` fails; the caller
// checks the stream.
void GenerateCapture(const GeneratorOptions& options, std::ostream& out);

}  // namespace tavrik::capture

#endif  // TAVRIK_CAPTURE_CAPTURE_GENERATOR_H_
