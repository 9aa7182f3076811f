// fuzz_kiss_round_trip: the capture generator's KISS escaping and the
// decoder's un-escaping are inverses. Any bytes, escaped, hold no FEND (a
// FEND inside a record would end it) and un-escape to themselves.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <vector>

#include "capture/kiss_escape.h"
#include "decoder/kiss_unescape.h"

namespace {

void Require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "fuzz_kiss_round_trip: property broken: %s\n", property);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  const std::vector<std::uint8_t> escaped = tavrik::capture::KissEscape(bytes);
  Require(std::find(escaped.begin(), escaped.end(), tavrik::kFend) == escaped.end(),
          "the escaped form holds no FEND");

  std::vector<std::uint8_t> unescaped;
  tavrik::KissUnescape(escaped, unescaped);
  Require(std::equal(unescaped.begin(), unescaped.end(), bytes.begin(), bytes.end()),
          "un-escaping gives the bytes back");
  return 0;
}
