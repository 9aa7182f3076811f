// The text form of a reception time that capture programs write into text
// timestamp records: "YYYY-MM-DD HH:MM:SS.mmm UTC", 27 characters.
#ifndef TAVRIK_CAPTURE_UTC_TEXT_H_
#define TAVRIK_CAPTURE_UTC_TEXT_H_

#include <cstdint>
#include <string>

namespace tavrik::capture {

// The text of `milliseconds` after 1970-01-01 00:00:00 UTC, for moments in
// the years 1970 to 9999.
std::string UtcText(std::uint64_t milliseconds);

}  // namespace tavrik::capture

#endif  // TAVRIK_CAPTURE_UTC_TEXT_H_
