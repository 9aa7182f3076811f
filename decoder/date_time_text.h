// The date-time text: Unix seconds (every day counting 86400 seconds, no
// time zone applied) in the user's short date format, followed, unless the
// time of day is exactly midnight, by one space and the long time format.
#ifndef TAVRIK_DECODER_DATE_TIME_TEXT_H_
#define TAVRIK_DECODER_DATE_TIME_TEXT_H_

#include <cstdint>
#include <string>

namespace tavrik {

// Date and time patterns in strftime's notation.
struct DateTimeFormat {
  std::string short_date;
  std::string long_time;

  // "%Y-%m-%d" and "%H:%M:%S".
  static DateTimeFormat Iso8601();

  // The date and time representations of the user's LC_TIME locale (from
  // the environment); ISO 8601 when that is the C/POSIX locale, which has
  // no regional settings of its own.
  static DateTimeFormat FromUserLocale();
};

// `seconds` after 1970-01-01 00:00:00 written with a strftime `pattern`.
std::string FormatUnixTime(std::uint64_t seconds, const std::string& pattern);

std::string DateTimeText(std::uint64_t seconds, const DateTimeFormat& format);

}  // namespace tavrik

#endif  // TAVRIK_DECODER_DATE_TIME_TEXT_H_
