// A small seeded random source (SplitMix64) for the capture generator. It
// is written out here rather than taken from <random> so that a seed gives
// the same capture on every machine and standard library.
#ifndef TAVRIK_CAPTURE_SPLITMIX64_H_
#define TAVRIK_CAPTURE_SPLITMIX64_H_

#include <cstdint>

namespace tavrik::capture {

class SplitMix64 {
 public:
  explicit SplitMix64(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EB;
    return z ^ (z >> 31);
  }

  // A value from `low` to `high`, both included (high - low < 2^64 - 1).
  // The remainder's bias is far too small to show in a capture.
  std::uint64_t Between(std::uint64_t low, std::uint64_t high) {
    return low + Next() % (high - low + 1);
  }

  // True with probability 1/n.
  bool OneIn(std::uint64_t n) { return Next() % n == 0; }

 private:
  std::uint64_t state_;
};

}  // namespace tavrik::capture

#endif  // TAVRIK_CAPTURE_SPLITMIX64_H_
