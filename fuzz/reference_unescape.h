// The fuzzers' own KISS un-escaping, written from the rule alone and
// working on the text form, so that it shares no code with
// tavrik::KissUnescape, which it checks: FESC TFEND becomes FEND, FESC
// TFESC becomes FESC, FESC and any other byte are both dropped, a FESC
// that is the last byte is dropped, and every other byte is copied.
#ifndef TAVRIK_FUZZ_REFERENCE_UNESCAPE_H_
#define TAVRIK_FUZZ_REFERENCE_UNESCAPE_H_

#include <string>
#include <string_view>

namespace tavrik::fuzz {

// `stored` and the result are HexText: one "XX " token per byte.
inline std::string ReferenceUnescape(std::string_view stored) {
  constexpr std::size_t kToken = 3;
  std::string frame;
  for (std::size_t at = 0; at < stored.size(); at += kToken) {
    const std::string_view token = stored.substr(at, kToken);
    if (token != "DB ") {
      frame += token;
      continue;
    }
    at += kToken;
    const std::string_view escaped = stored.substr(at < stored.size() ? at : stored.size(), kToken);
    if (escaped == "DC ") {
      frame += "C0 ";
    } else if (escaped == "DD ") {
      frame += "DB ";
    }
  }
  return frame;
}

}  // namespace tavrik::fuzz

#endif  // TAVRIK_FUZZ_REFERENCE_UNESCAPE_H_
